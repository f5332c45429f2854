#include "app/palladormain.h"

#include "pallador.h"
#include "startup.h"

#include <QApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

const char *const kAutomationSwitches[] = {"activex", "embedding", "regserver", "unregserver", "dumpidl"};

// The automation switch an argument names ("-x" or "/x", any case), or an
// empty string.
QString automationSwitch(const QString &argument)
{
    if (argument.size() < 2 || (argument[0] != QLatin1Char('-') && argument[0] != QLatin1Char('/')))
        return QString();
    const QString rest = argument.mid(1);
    for (const char *name : kAutomationSwitches) {
        if (rest.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(name);
    }
    return QString();
}

// Takes the automation switches (and the arguments "dumpidl" consumes) out of
// the argument list and returns the switches found, in order.
QStringList takeAutomationSwitches(QStringList &arguments)
{
    QStringList found;
    for (int i = 1; i < arguments.size();) {
        const QString name = automationSwitch(arguments.at(i));
        if (name.isEmpty()) {
            ++i;
            continue;
        }
        found << name;
        arguments.removeAt(i);
        if (name == QLatin1String("dumpidl")) {
            // An interface file name, then optionally "-version <x.y.z>".
            if (i < arguments.size() && automationSwitch(arguments.at(i)).isEmpty())
                arguments.removeAt(i);
            if (i < arguments.size() && (arguments.at(i).compare(QLatin1String("-version"), Qt::CaseInsensitive) == 0 ||
                                         arguments.at(i).compare(QLatin1String("/version"), Qt::CaseInsensitive) == 0)) {
                arguments.removeAt(i);
                if (i < arguments.size())
                    arguments.removeAt(i);
            }
        }
    }
    return found;
}

// The base name of a chooser entry path "<...>cfg_pallador/<base>+<variant>",
// or a null string when no "cfg_pallador" folder comes before the first "+".
QString variantBaseName(const QString &argument)
{
    const QString head = argument.left(argument.indexOf(QLatin1Char('+')));
    for (const QString &marker : {QStringLiteral("cfg_pallador/"), QStringLiteral("cfg_pallador\\")}) {
        const int at = head.indexOf(marker);
        if (at >= 0)
            return head.mid(at + marker.size());
    }
    return QString();
}

} // namespace

int palladorMain(int argc, char *argv[], void (*afterAppCreated)())
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QStringList switches = takeAutomationSwitches(arguments);

    QCoreApplication::addLibraryPath(QStringLiteral("."));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pallador"));
    QApplication::setOrganizationName(QStringLiteral("Corvanta"));
    QApplication::setOrganizationDomain(QStringLiteral("corvanta.com"));
    if (afterAppCreated)
        afterAppCreated();

    if (!switches.isEmpty()) {
        QTextStream(stderr) << "Pallador: the automation switch -" << switches.first()
                            << " is not available in this version.\n";
        return 1;
    }

    QApplication::setStyle(QStringLiteral("windows"));
    const QString first = arguments.size() > 1 ? arguments.at(1) : QString();
    const QString baseName = first.contains(QLatin1Char('+')) ? variantBaseName(first) : QString();

    Pallador *window = nullptr;
    if (first.isEmpty()) {
        window = new Pallador(QString());
        window->startUp = new StartUp(nullptr);
        window->startUp->exec();
        if (window->startUp->configPath.isEmpty()) {
            QApplication::quit();
            return 1;
        }
        window->loadConfigFile(window->startUp->configPath);
    } else if (baseName.isNull()) {
        window = new Pallador(first);
    } else {
        window = new Pallador(QString());
        window->startUp = new StartUp(nullptr);
        window->startUp->selectSensor(baseName);
        window->startUp->exec();
        window->loadConfigFile(window->startUp->configPath);
    }
    window->show();
    return app.exec();
}
