// The interface definition of the automation class, generated from the
// window's meta-object, and the D-Bus activation file of the service.
#include "app/automation.h"

#include "pallador.h"

#include <QDir>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QSet>
#include <QStandardPaths>
#include <QStringList>

namespace automation {

namespace {

// The interface-definition type of a Qt type, or an empty string for a type
// the interface cannot carry (such members are left out).
QString idlType(int type)
{
    switch (type) {
    case QMetaType::Void:
        return QStringLiteral("void");
    case QMetaType::Bool:
        return QStringLiteral("VARIANT_BOOL");
    case QMetaType::Int:
        return QStringLiteral("int");
    case QMetaType::UInt:
        return QStringLiteral("unsigned int");
    case QMetaType::Double:
        return QStringLiteral("double");
    case QMetaType::QString:
        return QStringLiteral("BSTR");
    case QMetaType::QStringList:
        return QStringLiteral("SAFEARRAY(BSTR)");
    case QMetaType::QVariantList:
        return QStringLiteral("SAFEARRAY(VARIANT)");
    default:
        return QString();
    }
}

QString uuid(const char *guid)
{
    return QString::fromLatin1(guid).remove(QLatin1Char('{')).remove(QLatin1Char('}'));
}

// "[id(n)] type name(parameters);" for the methods of the given kind that the
// window inherits from its widget bases, each name once.
QStringList inheritedMethods(const QMetaObject &window, QMetaMethod::MethodType kind, int &id)
{
    QStringList lines;
    QSet<QByteArray> seen;
    for (int i = QObject::staticMetaObject.methodCount(); i < window.methodOffset(); ++i) {
        const QMetaMethod method = window.method(i);
        if (method.methodType() != kind || method.access() != QMetaMethod::Public || seen.contains(method.name()))
            continue;
        const QString result = idlType(method.returnType());
        QStringList parameters;
        bool carried = !result.isEmpty();
        for (int p = 0; carried && p < method.parameterCount(); ++p) {
            const QString type = idlType(method.parameterType(p));
            carried = !type.isEmpty();
            QString name = QString::fromLatin1(method.parameterNames().value(p));
            if (name.isEmpty())
                name = QStringLiteral("p%1").arg(p);
            parameters << QStringLiteral("[in] %1 %2").arg(type, name);
        }
        if (!carried)
            continue;
        seen.insert(method.name());
        lines << QStringLiteral("[id(%1)] %2 %3(%4);")
                     .arg(id++)
                     .arg(result, QString::fromLatin1(method.name()), parameters.join(QStringLiteral(", ")));
    }
    return lines;
}

// "[id(n)] type name;" for the window's own automation properties, then for
// the properties it inherits from its widget bases.
QStringList properties(const QMetaObject &window, int &id)
{
    QVector<QMetaProperty> ordered;
    for (int i = window.propertyOffset(); i < window.propertyCount(); ++i)
        ordered << window.property(i);
    for (int i = QObject::staticMetaObject.propertyCount(); i < window.propertyOffset(); ++i)
        ordered << window.property(i);
    QStringList lines;
    for (const QMetaProperty &p : ordered) {
        const QString type = idlType(p.userType());
        if (type.isEmpty() || !p.isReadable())
            continue;
        lines << QStringLiteral("[id(%1)%2] %3 %4;")
                     .arg(id++)
                     .arg(p.isWritable() ? QString() : QStringLiteral(", readonly"), type, QLatin1String(p.name()));
    }
    return lines;
}

QString indented(const QStringList &lines, const QString &indent)
{
    QString text;
    for (const QString &line : lines)
        text += indent + line + QLatin1Char('\n');
    return text;
}

} // namespace

QString interfaceDefinition(const QMetaObject &window, const QString &version)
{
    int id = 1;
    const QStringList props = properties(window, id);
    const QStringList methods = inheritedMethods(window, QMetaMethod::Slot, id);
    int eventId = 1;
    const QStringList events = inheritedMethods(window, QMetaMethod::Signal, eventId);

    QString idl;
    idl += QStringLiteral("/* Interface definition of the Pallador automation class. */\n\n");
    idl += QStringLiteral("import \"ocidl.idl\";\n#include <olectl.h>\n\n");
    idl += QStringLiteral("[\n\tuuid(%1),\n\tversion(%2),\n\tlcid(1033),\n\thelpstring(\"Pallador 1.0 Type Library\")\n]\n")
               .arg(uuid(kIdentity.typeLibId), version);
    idl += QStringLiteral("library PalladorLib\n{\n\timportlib(\"stdole32.tlb\");\n\timportlib(\"stdole2.tlb\");\n\n");
    idl += QStringLiteral("\t[\n\t\tuuid(%1),\n\t\thelpstring(\"Pallador Interface\")\n\t]\n").arg(uuid(kIdentity.interfaceId));
    idl += QStringLiteral("\tdispinterface IPallador\n\t{\n\tproperties:\n");
    idl += indented(props, QStringLiteral("\t\t"));
    idl += QStringLiteral("\tmethods:\n");
    idl += indented(methods, QStringLiteral("\t\t"));
    idl += QStringLiteral("\t};\n\n");
    idl += QStringLiteral("\t[\n\t\tuuid(%1),\n\t\thelpstring(\"Pallador Events Interface\")\n\t]\n").arg(uuid(kIdentity.eventsId));
    idl += QStringLiteral("\tdispinterface IPalladorEvents\n\t{\n\tproperties:\n\tmethods:\n");
    idl += indented(events, QStringLiteral("\t\t"));
    idl += QStringLiteral("\t};\n\n");
    idl += QStringLiteral("\t[\n\t\taggregatable,\n\t\thelpstring(\"Pallador Class\"),\n\t\tuuid(%1)\n\t]\n").arg(uuid(kIdentity.classId));
    idl += QStringLiteral("\tcoclass Pallador\n\t{\n\t\t[default] dispinterface IPallador;\n"
                          "\t\t[default, source] dispinterface IPalladorEvents;\n\t};\n};\n");
    return idl;
}

QString activationFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/dbus-1/services/%1.service").arg(QLatin1String(kService));
}

QString activationFileText(const QString &programPath)
{
    // The bus parses Exec like a shell: the path is quoted, inner quotes and
    // backslashes escaped.
    QString quoted = QDir::toNativeSeparators(programPath);
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QStringLiteral("[D-BUS Service]\nName=%1\nExec=\"%2\" -activex\n").arg(QLatin1String(kService), quoted);
}

} // namespace automation
