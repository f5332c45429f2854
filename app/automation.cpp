#include "app/automation.h"

#include "pallador.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QMap>
#include <QMetaProperty>
#include <QPointer>
#include <QSet>
#include <QTextStream>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <limits>

// Registers travel as (address, value) structures.
QDBusArgument &operator<<(QDBusArgument &argument, const REGS_DATA_T &r)
{
    argument.beginStructure();
    argument << r.address << r.value;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, REGS_DATA_T &r)
{
    argument.beginStructure();
    argument >> r.address >> r.value;
    argument.endStructure();
    return argument;
}

namespace automation {

const char *const kService = "com.corvanta.Pallador";

const Identity kIdentity = {
    "{5375DE13-B0F3-471C-8F08-A71B2F412A9B}", // class
    "{7167C4C4-4C9E-4F82-BAD7-6B81227A92A9}", // dispatch interface
    "{FB401951-D841-4490-8E84-D0807EF68D3F}", // event interface
    "{CE2FFBA3-D34C-43F2-931D-99EE73239984}", // type library
    "{B3BB4192-D8D8-4DD1-8CCE-1C58B332A6EF}", // application
};

namespace {

const char *const kClassName = "Pallador";
const char *const kFactoryPath = "/Factory";
const char *const kWindowsPath = "/Pallador";
const char *const kWindowInterface = "com.corvanta.Pallador.IPallador";
const char *const kPropertiesInterface = "org.freedesktop.DBus.Properties";
const char *const kIntrospectableInterface = "org.freedesktop.DBus.Introspectable";
const char *const kIntrospectionHeader =
    "<!DOCTYPE node PUBLIC \"-//freedesktop//DTD D-BUS Object Introspection 1.0//EN\"\n"
    "\"http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd\">\n";
const char *const kStandardInterfaces = "  <interface name=\"org.freedesktop.DBus.Properties\">\n"
                                        "    <method name=\"Get\">\n"
                                        "      <arg name=\"interface_name\" type=\"s\" direction=\"in\"/>\n"
                                        "      <arg name=\"property_name\" type=\"s\" direction=\"in\"/>\n"
                                        "      <arg name=\"value\" type=\"v\" direction=\"out\"/>\n"
                                        "    </method>\n"
                                        "    <method name=\"Set\">\n"
                                        "      <arg name=\"interface_name\" type=\"s\" direction=\"in\"/>\n"
                                        "      <arg name=\"property_name\" type=\"s\" direction=\"in\"/>\n"
                                        "      <arg name=\"value\" type=\"v\" direction=\"in\"/>\n"
                                        "    </method>\n"
                                        "    <method name=\"GetAll\">\n"
                                        "      <arg name=\"interface_name\" type=\"s\" direction=\"in\"/>\n"
                                        "      <arg name=\"values\" type=\"a{sv}\" direction=\"out\"/>\n"
                                        "    </method>\n"
                                        "  </interface>\n"
                                        "  <interface name=\"org.freedesktop.DBus.Introspectable\">\n"
                                        "    <method name=\"Introspect\">\n"
                                        "      <arg name=\"xml_data\" type=\"s\" direction=\"out\"/>\n"
                                        "    </method>\n"
                                        "  </interface>\n";
const char *const kErrorFailed = "com.corvanta.Pallador.Error.Failed";
const char *const kNullGuid = "{00000000-0000-0000-0000-000000000000}";
const int kIdleQuitMs = 5000;

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// The D-Bus type of an automation property of the window, or an empty
// string for a property that is not part of the automation interface.
QString busType(const QMetaProperty &property)
{
    if (qstrcmp(property.name(), "Registers") == 0)
        return QStringLiteral("a(uu)");
    switch (property.userType()) {
    case QMetaType::QString:
        return QStringLiteral("s");
    case QMetaType::Int:
        return QStringLiteral("i");
    case QMetaType::Double:
        return QStringLiteral("d");
    case QMetaType::QVariantList:
        return QStringLiteral("av");
    default:
        return QString();
    }
}

// The window's own properties that make up its automation interface, in
// their declared order.
QVector<QMetaProperty> automationProperties()
{
    QVector<QMetaProperty> list;
    const QMetaObject &mo = Pallador::staticMetaObject;
    for (int i = mo.propertyOffset(); i < mo.propertyCount(); ++i) {
        if (!busType(mo.property(i)).isEmpty())
            list << mo.property(i);
    }
    return list;
}

// A value received from the bus with its D-Bus wrapping taken off: variants
// unwrapped, arrays as lists; structures stay as they came (no property takes
// one, so they convert to nothing).
QVariant plain(const QVariant &value)
{
    if (value.userType() == qMetaTypeId<QDBusVariant>())
        return plain(value.value<QDBusVariant>().variant());
    if (value.userType() != qMetaTypeId<QDBusArgument>())
        return value;
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentType() != QDBusArgument::ArrayType)
        return value;
    QVariantList list;
    argument.beginArray();
    while (!argument.atEnd())
        list << plain(argument.asVariant());
    argument.endArray();
    return list;
}

// A property value as it goes out on the bus.
QVariant onBus(const QMetaProperty &property, const QVariant &value)
{
    if (busType(property) != QLatin1String("a(uu)"))
        return value;
    QList<REGS_DATA_T> registers;
    for (const QVariant &item : value.toList())
        registers << item.value<REGS_DATA_T>();
    return QVariant::fromValue(registers);
}

QString noWindow(const QString &path)
{
    return QStringLiteral("No Pallador window at %1").arg(path);
}

QString notYours(const QString &path)
{
    return QStringLiteral("The Pallador window at %1 belongs to the client that created it: "
                          "another client may read it, not write or release it")
        .arg(path);
}

// The windows made for clients, numbered from 1 in the order made, and the
// server's lifetime. A window belongs to the bus connection that created it:
// only that connection writes or releases it, and its windows are released
// when it leaves the bus. While any window is open the server stays; with
// none, it ends after kIdleQuitMs without a call.
class Windows : public QObject {
public:
    explicit Windows(const QDBusConnection &bus)
        : m_bus(bus), m_watcher(QString(), bus, QDBusServiceWatcher::WatchForUnregistration)
    {
        connect(&m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, &Windows::clientLeft);
        m_idle.setSingleShot(true);
        m_idle.setInterval(kIdleQuitMs);
        connect(&m_idle, &QTimer::timeout, qApp, &QCoreApplication::quit);
        m_idle.start();
    }

    ~Windows() override
    {
        for (const Entry &entry : qAsConst(m_entries))
            delete entry.window.data();
    }

    // A call arrived: with no window open, the idle time starts again.
    void activity()
    {
        if (m_idle.isActive())
            m_idle.start();
    }

    // Keeps a window made for the client owner (a unique bus name) and gives
    // its number.
    int add(Pallador *window, const QString &owner)
    {
        const int number = ++m_lastNumber;
        m_entries.insert(number, {window, owner});
        if (!m_watched.contains(owner)) {
            m_watched.insert(owner);
            m_watcher.addWatchedService(owner);
        }
        // A client that left before the watch was set is not reported by it.
        if (!m_bus.interface()->isServiceRegistered(owner))
            clientLeft(owner);
        update();
        return number;
    }

    // The window at exactly the object path "/Pallador/<n>", or null.
    Pallador *at(const QString &path) const { return m_entries.value(number(path)).window.data(); }

    // The unique bus name of the client that created the window at path.
    QString owner(const QString &path) const { return m_entries.value(number(path)).owner; }

    void release(const QString &path)
    {
        const auto it = m_entries.find(number(path));
        if (it == m_entries.end())
            return;
        if (it->window)
            it->window->deleteLater();
        m_entries.erase(it);
        update();
    }

    QList<int> numbers() const
    {
        QList<int> live;
        for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
            if (it->window)
                live << it.key();
        }
        return live;
    }

private:
    struct Entry {
        QPointer<Pallador> window;
        QString owner;
    };

    // The number of a window path: "/Pallador/" and a number as the server
    // writes it (no sign, no leading zero), else 0.
    static int number(const QString &path)
    {
        const QString prefix = QLatin1String(kWindowsPath) + QLatin1Char('/');
        if (!path.startsWith(prefix))
            return 0;
        bool ok = false;
        const int n = path.midRef(prefix.size()).toInt(&ok);
        return ok && n > 0 && path.midRef(prefix.size()) == QString::number(n) ? n : 0;
    }

    void clientLeft(const QString &client)
    {
        for (auto it = m_entries.begin(); it != m_entries.end();) {
            if (it->owner == client) {
                if (it->window)
                    it->window->deleteLater();
                it = m_entries.erase(it);
            } else {
                ++it;
            }
        }
        update();
    }

    // Watches only the clients that own a window; runs the idle time while
    // no window is open.
    void update()
    {
        QSet<QString> owners;
        for (const Entry &entry : qAsConst(m_entries)) {
            if (entry.window)
                owners.insert(entry.owner);
        }
        for (const QString &client : m_watched - owners)
            m_watcher.removeWatchedService(client);
        m_watched = owners;
        if (m_watched.isEmpty())
            m_idle.start();
        else
            m_idle.stop();
    }

    QDBusConnection m_bus;
    QMap<int, Entry> m_entries;
    int m_lastNumber = 0;
    QSet<QString> m_watched;
    QDBusServiceWatcher m_watcher;
    QTimer m_idle;
};

// The windows' automation properties, served for every object below
// /Pallador.
class WindowObjects : public QDBusVirtualObject {
public:
    explicit WindowObjects(Windows &windows) : m_windows(windows) {}

    QString introspect(const QString &path) const override
    {
        if (path == QLatin1String(kWindowsPath)) {
            QString nodes;
            for (const int number : m_windows.numbers())
                nodes += QStringLiteral("  <node name=\"%1\"/>\n").arg(number);
            return nodes;
        }
        if (!m_windows.at(path))
            return QString();
        QString xml = QStringLiteral("  <interface name=\"%1\">\n").arg(QLatin1String(kWindowInterface));
        for (const QMetaProperty &p : automationProperties()) {
            xml += QStringLiteral("    <property name=\"%1\" type=\"%2\" access=\"%3\"/>\n")
                       .arg(QLatin1String(p.name()), busType(p),
                            p.isWritable() ? QStringLiteral("readwrite") : QStringLiteral("read"));
        }
        xml += QStringLiteral("  </interface>\n");
        return xml;
    }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        m_windows.activity();
        connection.send(answer(message));
        return true;
    }

private:
    QDBusMessage answer(const QDBusMessage &message) const
    {
        if (message.interface() == QLatin1String(kIntrospectableInterface) &&
            message.member() == QLatin1String("Introspect")) {
            return message.createReply(QStringLiteral("%1<node>\n%2%3</node>\n")
                                           .arg(QLatin1String(kIntrospectionHeader), introspect(message.path()),
                                                QLatin1String(kStandardInterfaces)));
        }
        Pallador *window = m_windows.at(message.path());
        if (!window)
            return message.createErrorReply(QDBusError::UnknownObject, noWindow(message.path()));
        if (message.interface() != QLatin1String(kPropertiesInterface)) {
            return message.createErrorReply(QDBusError::UnknownMethod,
                                            QStringLiteral("No method %1.%2").arg(message.interface(), message.member()));
        }
        const QVariantList args = message.arguments();
        const QString member = message.member();
        if (member == QLatin1String("GetAll") && args.size() == 1)
            return getAll(message, *window, args.at(0).toString());
        if (args.size() < 2)
            return message.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("Missing arguments"));
        const QString interface = args.at(0).toString();
        if (!interface.isEmpty() && interface != QLatin1String(kWindowInterface)) {
            return message.createErrorReply(QDBusError::UnknownInterface,
                                            QStringLiteral("No interface %1").arg(interface));
        }
        const QString name = args.at(1).toString();
        const QVector<QMetaProperty> properties = automationProperties();
        auto property = std::find_if(properties.cbegin(), properties.cend(),
                                     [&](const QMetaProperty &p) { return name == QLatin1String(p.name()); });
        if (property == properties.cend())
            return message.createErrorReply(QDBusError::UnknownProperty, QStringLiteral("No property %1").arg(name));
        if (member == QLatin1String("Get") && args.size() == 2)
            return message.createReply(QVariant::fromValue(QDBusVariant(onBus(*property, property->read(window)))));
        if (member == QLatin1String("Set") && args.size() == 3) {
            if (message.service() != m_windows.owner(message.path()))
                return message.createErrorReply(QDBusError::AccessDenied, notYours(message.path()));
            // Set carries its value as a variant (signature ssv); a bare
            // value is another call than the one the caller meant.
            if (args.at(2).userType() != qMetaTypeId<QDBusVariant>()) {
                return message.createErrorReply(
                    QDBusError::InvalidArgs,
                    QStringLiteral("%1 takes its value as a variant (Set has the signature ssv, not %2)")
                        .arg(name, message.signature()));
            }
            return set(message, *window, *property, plain(args.at(2)));
        }
        return message.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("No method %1").arg(member));
    }

    static QDBusMessage getAll(const QDBusMessage &message, Pallador &window, const QString &interface)
    {
        if (!interface.isEmpty() && interface != QLatin1String(kWindowInterface)) {
            return message.createErrorReply(QDBusError::UnknownInterface,
                                            QStringLiteral("No interface %1").arg(interface));
        }
        QVariantMap values;
        for (const QMetaProperty &p : automationProperties())
            values.insert(QLatin1String(p.name()), onBus(p, p.read(&window)));
        return message.createReply(values);
    }

    static QDBusMessage set(const QDBusMessage &message, Pallador &window, const QMetaProperty &property,
                            QVariant value)
    {
        const QLatin1String name(property.name());
        if (!property.isWritable())
            return message.createErrorReply(QDBusError::PropertyReadOnly, QStringLiteral("%1 is read-only").arg(name));
        QString refusal = typeRefusal(property, value);
        if (refusal.isEmpty())
            refusal = window.automationWriteRefusal(name, value);
        if (!refusal.isEmpty())
            return message.createErrorReply(QDBusError::InvalidArgs, refusal);
        window.automationMessages.clear();
        property.write(&window, value);
        if (!window.automationMessages.isEmpty())
            return message.createErrorReply(QLatin1String(kErrorFailed), window.automationMessages.join(QLatin1Char('\n')));
        return message.createReply();
    }

    // Why a value received from the bus does not fit the property's type, or
    // an empty string; a value that fits is converted to that type. A number
    // property takes a whole number within its range only: 1.5 is refused, not
    // rounded.
    static QString typeRefusal(const QMetaProperty &property, QVariant &value)
    {
        const QLatin1String name(property.name());
        const QString wrongType = QStringLiteral("%1 takes a value of D-Bus type %2").arg(name, busType(property));
        if (property.userType() == QMetaType::QVariantList)
            return value.userType() == QMetaType::QVariantList ? QString() : wrongType;
        if (property.userType() == QMetaType::Int) {
            // A number only: text ("1") and booleans are not read as one.
            const int given = value.userType();
            if (given == QMetaType::QString || given == QMetaType::Bool)
                return wrongType;
            bool ok = false;
            const double number = value.toDouble(&ok);
            if (!ok)
                return wrongType;
            if (number != std::trunc(number))
                return QStringLiteral("%1 takes a whole number, not %2").arg(name, value.toString());
            if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) {
                return QStringLiteral("%1 takes a number from %2 to %3, not %4")
                    .arg(name)
                    .arg(std::numeric_limits<int>::min())
                    .arg(std::numeric_limits<int>::max())
                    .arg(value.toString());
            }
            value = int(number);
            return QString();
        }
        return value.convert(property.userType()) ? QString() : wrongType;
    }

    Windows &m_windows;
};

// The class factory.
class Factory : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.corvanta.Pallador.Factory")

public:
    explicit Factory(Windows &windows) : m_windows(windows) {}

public slots:
    QStringList FeatureList() const { return {QLatin1String(kClassName)}; }
    QString ClassID(const QString &key) const { return known(key) ? kIdentity.classId : kNullGuid; }
    QString InterfaceID(const QString &key) const { return known(key) ? kIdentity.interfaceId : kNullGuid; }
    QString EventsID(const QString &key) const { return known(key) ? kIdentity.eventsId : kNullGuid; }

    // A new window with no sensor loaded, which belongs to the caller's
    // connection; the caller holds the server while it stays on the bus.
    QDBusObjectPath CreateObject(const QString &key)
    {
        m_windows.activity();
        if (!known(key)) {
            sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("No class %1; the class is %2").arg(key, kClassName));
            return QDBusObjectPath();
        }
        auto *window = new Pallador(QString());
        window->automationClient = true;
        window->show();
        const int number = m_windows.add(window, message().service());
        return QDBusObjectPath(QStringLiteral("%1/%2").arg(QLatin1String(kWindowsPath)).arg(number));
    }

    // Closes a window of the caller's.
    void ReleaseObject(const QDBusObjectPath &path)
    {
        m_windows.activity();
        if (!m_windows.at(path.path()))
            sendErrorReply(QDBusError::UnknownObject, noWindow(path.path()));
        else if (message().service() != m_windows.owner(path.path()))
            sendErrorReply(QDBusError::AccessDenied, notYours(path.path()));
        else
            m_windows.release(path.path());
    }

private:
    static bool known(const QString &key) { return key == QLatin1String(kClassName); }

    Windows &m_windows;
};

} // namespace

int serve()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        err() << "Pallador: no D-Bus session bus: " << bus.lastError().message() << Qt::endl;
        return 1;
    }
    qDBusRegisterMetaType<REGS_DATA_T>();
    qDBusRegisterMetaType<QList<REGS_DATA_T>>();

    Windows windows(bus);
    WindowObjects objects(windows);
    Factory factory(windows);
    if (!bus.registerObject(QLatin1String(kFactoryPath), &factory, QDBusConnection::ExportAllSlots) ||
        !bus.registerVirtualObject(QLatin1String(kWindowsPath), &objects, QDBusConnection::SubPath)) {
        err() << "Pallador: the automation objects could not be registered on the session bus" << Qt::endl;
        return 1;
    }
    if (!bus.registerService(QLatin1String(kService))) {
        err() << "Pallador: " << kService << " is already served on this session bus" << Qt::endl;
        return 1;
    }
    // Windows come and go with their clients; closing one on the screen
    // does not end the server.
    QApplication::setQuitOnLastWindowClosed(false);
    const int code = QCoreApplication::exec();
    bus.unregisterService(QLatin1String(kService));
    return code;
}

} // namespace automation

#include "automation.moc"
