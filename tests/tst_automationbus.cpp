// Pallador driven as another program drives it: the program is started with
// -activex on a private session bus (the test runs under dbus-run-session)
// with no display, and this test, as a D-Bus client, creates a window through
// the factory, loads a sample, writes parameters, reads the registers and
// sees the server end after it leaves the bus. Writes the window refuses are
// answered with errors, change nothing and show no dialog; a window is
// written and released by the client that created it only, and goes with it.
// Also the switches that end at once (-dumpidl, -regserver, -unregserver,
// -activex without an installation) and the README's example, run as written.
#include "testsupport.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include <sys/stat.h>

namespace {

const char *const kService = "com.corvanta.Pallador";
const char *const kInterface = "com.corvanta.Pallador.IPallador";
const char *const kClient = "automation-client";
const char *const kOtherClient = "other-automation-client";
const char *const kInvalidArgs = "org.freedesktop.DBus.Error.InvalidArgs";
const char *const kAccessDenied = "org.freedesktop.DBus.Error.AccessDenied";
const char *const kUnknownObject = "org.freedesktop.DBus.Error.UnknownObject";
const char *const kFailed = "com.corvanta.Pallador.Error.Failed";

// The environment of a machine without a display: no display of either kind,
// and no platform chosen for the program.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    return environment;
}

struct Register {
    quint32 address;
    quint32 value;
    bool operator==(const Register &o) const { return address == o.address && value == o.value; }
};

QList<Register> registersOf(const QVariant &value)
{
    QList<Register> list;
    const QDBusArgument argument = value.value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        Register r{};
        argument.beginStructure();
        argument >> r.address >> r.value;
        argument.endStructure();
        list << r;
    }
    argument.endArray();
    return list;
}

// The items of an "av" value.
QVariantList listOf(const QVariant &value)
{
    QVariantList list;
    const QDBusArgument argument = value.value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant item;
        argument >> item;
        list << item.variant();
    }
    argument.endArray();
    return list;
}

// Runs the program with arguments and an environment; its exit code, and its
// standard error in err.
int runProgram(const QStringList &arguments, const QProcessEnvironment &environment, QString *err = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PALLADOR_PROGRAM), arguments);
    if (!process.waitForFinished(30000))
        return -1;
    if (err)
        *err = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

class TestAutomationBus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void factory();
    void driveASensor();
    void failedWritesAnswerWithErrors();
    void refusedWritesChangeNothing();
    void windowsBelongToTheirClient();
    void serverEndsAfterItsClientLeaves();
    void serverWithAnUnreachableDisplay_data();
    void serverWithAnUnreachableDisplay();
    void interfaceDefinition();
    void registration();
    void serverWithoutInstallation();
    void readmeExample();

private:
    QDBusConnection bus() const { return QDBusConnection(QLatin1String(kClient)); }
    QString createWindow(const QDBusConnection &client);
    QString createWindow() { return createWindow(bus()); }
    QDBusMessage get(const QString &window, const char *property);
    QDBusMessage set(const QString &window, const char *property, const QVariant &value);
    QDBusMessage set(const QDBusConnection &client, const QString &window, const char *property, const QVariant &value);
    QDBusMessage release(const QDBusConnection &client, const QString &window);

    FixtureInstall *m_install = nullptr;
    QProcess m_server;
};

void TestAutomationBus::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"), "run under dbus-run-session");
    m_install = new FixtureInstall;
    m_install->addSample(QStringLiteral("Sarn102.cfg"));
    m_install->addSample(QStringLiteral("Tolm104m.cfg"));
    QDBusConnection::connectToBus(QDBusConnection::SessionBus, QLatin1String(kClient));
    QVERIFY(bus().isConnected());
    QVERIFY(!bus().interface()->isServiceRegistered(QLatin1String(kService)));

    // The server as the driver runs it, which reports every dialog shown on
    // its standard output, with no display to show one on.
    QProcessEnvironment environment = withoutDisplay();
    environment.insert(QStringLiteral("QI_HOME"), m_install->root());
    m_server.setProcessEnvironment(environment);
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.start(QStringLiteral(PALLADOR_DRIVER), {QStringLiteral("-ActiveX")});
    QVERIFY(m_server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(bus().interface()->isServiceRegistered(QLatin1String(kService)), 20000);
}

void TestAutomationBus::cleanupTestCase()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.kill();
        m_server.waitForFinished();
    }
    delete m_install;
}

QString TestAutomationBus::createWindow(const QDBusConnection &client)
{
    QDBusInterface factory(QLatin1String(kService), QStringLiteral("/Factory"),
                           QStringLiteral("com.corvanta.Pallador.Factory"), client);
    const QDBusReply<QDBusObjectPath> reply = factory.call(QStringLiteral("CreateObject"), QStringLiteral("Pallador"));
    return reply.isValid() ? reply.value().path() : QString();
}

QDBusMessage TestAutomationBus::get(const QString &window, const char *property)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), window,
                                                       QStringLiteral("org.freedesktop.DBus.Properties"),
                                                       QStringLiteral("Get"));
    call << QLatin1String(kInterface) << QLatin1String(property);
    return bus().call(call, QDBus::Block, 20000);
}

QDBusMessage TestAutomationBus::set(const QString &window, const char *property, const QVariant &value)
{
    return set(bus(), window, property, value);
}

QDBusMessage TestAutomationBus::set(const QDBusConnection &client, const QString &window, const char *property,
                                    const QVariant &value)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), window,
                                                       QStringLiteral("org.freedesktop.DBus.Properties"),
                                                       QStringLiteral("Set"));
    call << QLatin1String(kInterface) << QLatin1String(property) << QVariant::fromValue(QDBusVariant(value));
    return client.call(call, QDBus::Block, 20000);
}

QDBusMessage TestAutomationBus::release(const QDBusConnection &client, const QString &window)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), QStringLiteral("/Factory"),
                                                       QStringLiteral("com.corvanta.Pallador.Factory"),
                                                       QStringLiteral("ReleaseObject"));
    call << QVariant::fromValue(QDBusObjectPath(window));
    return client.call(call, QDBus::Block, 20000);
}

// One class, "Pallador"; each creation makes a further window.
void TestAutomationBus::factory()
{
    QDBusInterface factory(QLatin1String(kService), QStringLiteral("/Factory"),
                           QStringLiteral("com.corvanta.Pallador.Factory"), bus());
    QCOMPARE(QDBusReply<QStringList>(factory.call(QStringLiteral("FeatureList"))).value(),
             QStringList{QStringLiteral("Pallador")});
    QVERIFY(QDBusReply<QString>(factory.call(QStringLiteral("ClassID"), QStringLiteral("Pallador")))
                .value()
                .contains(QRegularExpression(QStringLiteral("^\\{[0-9A-F-]{36}\\}$"))));
    QCOMPARE(QDBusReply<QString>(factory.call(QStringLiteral("ClassID"), QStringLiteral("Other"))).value(),
             QStringLiteral("{00000000-0000-0000-0000-000000000000}"));
    const QDBusMessage other = factory.call(QStringLiteral("CreateObject"), QStringLiteral("Other"));
    QCOMPARE(other.type(), QDBusMessage::ErrorMessage);

    const QString first = createWindow();
    const QString second = createWindow();
    QVERIFY(first.startsWith(QStringLiteral("/Pallador/")));
    QVERIFY(second != first);
    QCOMPARE(get(second, "ConfigFile").arguments().value(0).value<QDBusVariant>().variant().toString(), QString());

    // Only the path given names the window: no other spelling of its number,
    // nothing below it.
    const QString number = second.mid(second.lastIndexOf(QLatin1Char('/')) + 1);
    for (const QString &path : {QStringLiteral("/Pallador/0") + number, QStringLiteral("/Pallador/00") + number,
                                second + QStringLiteral("/x"), QStringLiteral("/Pallador")}) {
        QCOMPARE(get(path, "ConfigFile").errorName(), QLatin1String(kUnknownObject));
        QCOMPARE(set(path, "Context", 1).errorName(), QLatin1String(kUnknownObject));
        QCOMPARE(release(bus(), path).errorName(), QLatin1String(kUnknownObject));
    }

    const QDBusMessage released = release(bus(), second);
    QCOMPARE(released.type(), QDBusMessage::ReplyMessage);
    QCOMPARE(get(second, "ConfigFile").errorName(), QLatin1String(kUnknownObject));
    QCOMPARE(release(bus(), second).errorName(), QLatin1String(kUnknownObject));
}

// A sensor loaded, parameters written, a use case chosen and the registers
// read, as a calling program does it.
void TestAutomationBus::driveASensor()
{
    const QString window = createWindow();
    QVERIFY(!window.isEmpty());
    const QString sample = m_install->configFolder() + QStringLiteral("/Sarn102.cfg");
    QCOMPARE(set(window, "ConfigFile", sample).type(), QDBusMessage::ReplyMessage);
    auto value = [&](const char *property) {
        return get(window, property).arguments().value(0).value<QDBusVariant>().variant();
    };
    QCOMPARE(value("ConfigFile").toString(), sample);
    QCOMPARE(value("CntxNumber").toInt(), 2);

    const QList<Register> before = registersOf(value("Registers"));
    const QVariantList names = listOf(value("RegNames"));
    const QVariantList values = listOf(value("RegValues"));
    QCOMPARE(before.size(), value("RegArraySize").toInt());
    QCOMPARE(names.size(), before.size());
    QCOMPARE(values.size(), before.size());
    for (int i = 0; i < before.size(); ++i)
        QCOMPARE(values.at(i).toUInt(), before.at(i).value);

    // A changed input clock changes the PLL registers.
    const QVariantList pll = {false, false, false, 27.0, 96.0, 0.0, -1.0, 0, -1, -1, 0, -1, -1, 0, -1, -1};
    QCOMPARE(set(window, "PllParameters", pll).type(), QDBusMessage::ReplyMessage);
    QCOMPARE(listOf(value("PllParameters")).value(3).toDouble(), 27.0);
    const QList<Register> after = registersOf(value("Registers"));
    QCOMPARE(after.size(), before.size());
    QVERIFY(after != before);

    // Context B's image parameters, then a use case.
    QCOMPARE(set(window, "Context", 1).type(), QDBusMessage::ReplyMessage);
    QVariantList image = listOf(value("ImgParameters"));
    QCOMPARE(image.size(), 20);
    QVariantList write;
    for (int i = 0; i < 20; ++i)
        write << 0;
    write[0] = 480;
    write[1] = 640;
    write << 20.0 << 5.0 << 10.0;
    QCOMPARE(set(window, "ImgParameters", write).type(), QDBusMessage::ReplyMessage);
    QCOMPARE(listOf(value("ImgParameters")).value(17).toDouble(), 20.0);
    QCOMPARE(set(window, "TestCase", 1).type(), QDBusMessage::ReplyMessage);
    QCOMPARE(value("TestCase").toInt(), 1);
    QVERIFY(value("MaxFPS").toDouble() > 0.0);
    QVERIFY(value("TotalCaseNum").toInt() > 1);
    QCOMPARE(value("WarningValue").userType(), int(QMetaType::Int));
}

// A write the window refuses answers with an error carrying its message, at
// once: a configuration file it does not take is the caller's error with the
// text a user would be shown; a value the property does not take, whatever
// its reason, is org.freedesktop.DBus.Error.InvalidArgs naming the property
// and its rule.
void TestAutomationBus::failedWritesAnswerWithErrors()
{
    const QString window = createWindow();
    const QString sample = m_install->configFolder() + QStringLiteral("/Sarn102.cfg");
    QCOMPARE(set(window, "ConfigFile", sample).type(), QDBusMessage::ReplyMessage);
    const int useCases = get(window, "TotalCaseNum").arguments().value(0).value<QDBusVariant>().variant().toInt();
    QVERIFY(useCases > 1);

    const QString bad = m_install->writeConfig(
        QStringLiteral("Nobody.cfg"),
        "[General_Info]\nsensor_name = Nobody9\n[UseCases]\n0/name = A\n0/cols = 64\n0/rows = 48\n");
    const QString empty =
        m_install->writeConfig(QStringLiteral("Empty.cfg"), "[General_Info]\nsensor_name = Sarn102\n");
    const QString missing = m_install->configFolder() + QStringLiteral("/Absent.cfg");
    const QString fifo = m_install->configFolder() + QStringLiteral("/Fifo.cfg");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    QVariantList pll = {false, false, false, 27.0, 96.0, 0.0, -1.0, 0, -1, -1, 0, -1, -1, 0, -1, -1};
    QVariantList img;
    for (int i = 0; i < 23; ++i)
        img << 1;
    const auto withItem = [](QVariantList items, int i, const QVariant &item) {
        items[i] = item;
        return items;
    };
    QDBusArgument pair;
    pair.beginStructure();
    pair << 1 << 2;
    pair.endStructure();
    const QVariant structure = QVariant::fromValue(pair);
    const struct {
        const char *property;
        QVariant value;
        const char *error;
        QString message;
    } refusals[] = {
        {"ConfigFile", bad, kFailed, bad + QStringLiteral(" sensor is not supported!")},
        {"ConfigFile", missing, kFailed, QStringLiteral("The file %1 does not exist.").arg(missing)},
        {"ConfigFile", fifo, kFailed, QStringLiteral("The file %1 cannot be read: Not a regular file.").arg(fifo)},
        {"ConfigFile", empty, kFailed,
         QStringLiteral("The file %1 has no use cases in its [UseCases] section.").arg(empty)},
        {"PllParameters", pll.mid(0, 15), kInvalidArgs,
         QStringLiteral("PllParameters takes a list of exactly 16 values, not 15")},
        {"PllParameters", pll + QVariantList{0}, kInvalidArgs,
         QStringLiteral("PllParameters takes a list of exactly 16 values, not 17")},
        {"ImgParameters", img.mid(0, 22), kInvalidArgs,
         QStringLiteral("ImgParameters takes a list of exactly 23 values, not 22")},
        {"ImgParameters", img + QVariantList{1}, kInvalidArgs,
         QStringLiteral("ImgParameters takes a list of exactly 23 values, not 24")},
        {"ImgParameters", QVariantList(), kInvalidArgs,
         QStringLiteral("ImgParameters takes a list of exactly 23 values, not 0")},
        {"Context", 2, kInvalidArgs, QStringLiteral("Context takes 0 or 1 (the contexts of the loaded sensor), not 2")},
        {"Context", 3, kInvalidArgs, QStringLiteral("Context takes 0 or 1 (the contexts of the loaded sensor), not 3")},
        {"Context", -1, kInvalidArgs,
         QStringLiteral("Context takes 0 or 1 (the contexts of the loaded sensor), not -1")},
        {"Context", QStringLiteral("1"), kInvalidArgs, QStringLiteral("Context takes a value of D-Bus type i")},
        {"Context", true, kInvalidArgs, QStringLiteral("Context takes a value of D-Bus type i")},
        {"ImgParameters", withItem(img, 3, QStringLiteral("2")), kInvalidArgs,
         QStringLiteral("ImgParameters item 3 (binxonly) takes a number, not the text \"2\"")},
        {"ImgParameters", withItem(img, 16, structure), kInvalidArgs,
         QStringLiteral("ImgParameters item 16 takes a number, not a value of type QDBusArgument")},
        {"ImgParameters", withItem(img, 0, 2147483647), kInvalidArgs,
         QStringLiteral("ImgParameters item 0 (rows) takes 0 to 16384, not 2147483647")},
        {"ImgParameters", withItem(img, 1, 16385), kInvalidArgs,
         QStringLiteral("ImgParameters item 1 (cols) takes 0 to 16384, not 16385")},
        {"ImgParameters", withItem(img, 20, std::nan("")), kInvalidArgs,
         QStringLiteral("ImgParameters item 20 (max_fps) takes a finite number, not nan")},
        {"ImgParameters", withItem(img, 18, 1e10), kInvalidArgs,
         QStringLiteral("ImgParameters item 18 takes a number from -2147483648 to 2147483647, not 1e+10")},
        {"Context", 1.5, kInvalidArgs, QStringLiteral("Context takes a whole number, not 1.5")},
        {"Context", 4294967297.0, kInvalidArgs,
         QStringLiteral("Context takes a number from -2147483648 to 2147483647, not 4294967297")},
        {"TestCase", useCases, kInvalidArgs,
         QStringLiteral("TestCase takes a use case of the loaded configuration, 0 to %1, not %2")
             .arg(useCases - 1)
             .arg(useCases)},
        {"TestCase", -1, kInvalidArgs,
         QStringLiteral("TestCase takes a use case of the loaded configuration, 0 to %1, not -1").arg(useCases - 1)},
        {"TestCase", 0.5, kInvalidArgs, QStringLiteral("TestCase takes a whole number, not 0.5")},
        {"MaxFPS", 5.0, "org.freedesktop.DBus.Error.PropertyReadOnly", QStringLiteral("MaxFPS is read-only")},
        {"PllParameters", 5, kInvalidArgs, QStringLiteral("PllParameters takes a value of D-Bus type av")},
        {"Context", QStringLiteral("one"), kInvalidArgs, QStringLiteral("Context takes a value of D-Bus type i")},
    };
    for (const auto &r : refusals) {
        const QDBusMessage answer = set(window, r.property, r.value);
        const QString row = QStringLiteral("%1 = %2").arg(QLatin1String(r.property), r.value.toString());
        QVERIFY2(answer.type() == QDBusMessage::ErrorMessage, qPrintable(row));
        QCOMPARE(answer.errorName(), QLatin1String(r.error));
        QCOMPARE(answer.errorMessage(), r.message);
    }
    QCOMPARE(get(window, "Nothing").errorName(), QStringLiteral("org.freedesktop.DBus.Error.UnknownProperty"));

    // A Set whose value is not a variant.
    QDBusMessage unwrapped = QDBusMessage::createMethodCall(QLatin1String(kService), window,
                                                       QStringLiteral("org.freedesktop.DBus.Properties"),
                                                       QStringLiteral("Set"));
    unwrapped << QLatin1String(kInterface) << QStringLiteral("Context") << 1;
    const QDBusMessage notVariant = bus().call(unwrapped, QDBus::Block, 20000);
    QCOMPARE(notVariant.errorName(), QLatin1String(kInvalidArgs));
    QCOMPARE(notVariant.errorMessage(),
             QStringLiteral("Context takes its value as a variant (Set has the signature ssv, not ssi)"));
    QCOMPARE(get(window, "Context").arguments().value(0).value<QDBusVariant>().variant().toInt(), 0);

    // A window without a configuration has no use case to apply.
    const QString bare = createWindow();
    const QDBusMessage noCase = set(bare, "TestCase", 0);
    QCOMPARE(noCase.errorName(), QLatin1String(kInvalidArgs));
    QCOMPARE(noCase.errorMessage(),
             QStringLiteral("TestCase takes a use case of the loaded configuration, and none is loaded"));
}

// Refused writes leave the window as it was: the sensor loaded before stays
// loaded and calculating, and no value of a refused list, context or use case
// is stored.
void TestAutomationBus::refusedWritesChangeNothing()
{
    const QString window = createWindow();
    const QString sample = m_install->configFolder() + QStringLiteral("/Sarn102.cfg");
    QCOMPARE(set(window, "ConfigFile", sample).type(), QDBusMessage::ReplyMessage);
    QCOMPARE(set(window, "Context", 1).type(), QDBusMessage::ReplyMessage);
    QCOMPARE(set(window, "TestCase", 1).type(), QDBusMessage::ReplyMessage);
    auto value = [&](const char *property) {
        return get(window, property).arguments().value(0).value<QDBusVariant>().variant();
    };
    const auto state = [&] {
        return QVariantList{value("ConfigFile"),
                            value("Context"),
                            value("TestCase"),
                            value("CntxNumber"),
                            value("RegArraySize"),
                            listOf(value("RegValues")),
                            listOf(value("ImgParameters")),
                            listOf(value("PllParameters"))};
    };
    state(); // the first read of PllParameters puts the results into the window
    const QVariantList before = state();
    const QList<Register> registers = registersOf(value("Registers"));

    const QString bad = m_install->writeConfig(QStringLiteral("Other.cfg"),
                                               "[General_Info]\nsensor_name = Other9\n[UseCases]\n0/name = A\n");
    const QVariantList pll = {false, false, false, 13.5, 66.0, 0.0, 500.0, 1, 3, 40, 0, 2, 2, 0, 1, 1};
    QVariantList img;
    for (int i = 0; i < 24; ++i)
        img << 7;
    for (int round = 0; round < 20; ++round) {
        QCOMPARE(set(window, "ConfigFile", bad).type(), QDBusMessage::ErrorMessage);
        QCOMPARE(set(window, "ConfigFile", bad + QStringLiteral(".gone")).type(), QDBusMessage::ErrorMessage);
        QCOMPARE(set(window, "PllParameters", pll.mid(0, 15)).type(), QDBusMessage::ErrorMessage);
        QCOMPARE(set(window, "PllParameters", pll + QVariantList{0}).type(), QDBusMessage::ErrorMessage);
        QCOMPARE(set(window, "ImgParameters", img).type(), QDBusMessage::ErrorMessage);
        QCOMPARE(set(window, "Context", 1.5).type(), QDBusMessage::ErrorMessage);
        QCOMPARE(set(window, "Context", 7).type(), QDBusMessage::ErrorMessage);
        QCOMPARE(set(window, "TestCase", 999).type(), QDBusMessage::ErrorMessage);
    }
    QCOMPARE(state(), before);
    QCOMPARE(registersOf(value("Registers")), registers);

    // Still calculating: a changed input clock changes the PLL registers.
    QCOMPARE(set(window, "PllParameters",
                 QVariantList{false, false, false, 27.0, 96.0, 0.0, -1.0, 0, -1, -1, 0, -1, -1, 0, -1, -1})
                 .type(),
             QDBusMessage::ReplyMessage);
    QVERIFY(registersOf(value("Registers")) != registers);
}

// A window belongs to the connection that created it: another client reads
// it, but neither writes nor releases it; when its owner leaves the bus it is
// released.
void TestAutomationBus::windowsBelongToTheirClient()
{
    const QString mine = createWindow();
    const QString sample = m_install->configFolder() + QStringLiteral("/Tolm104m.cfg");
    QCOMPARE(set(mine, "ConfigFile", sample).type(), QDBusMessage::ReplyMessage);
    QString theirs;
    {
        // The connection closes when its last handle goes with this block.
        QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QLatin1String(kOtherClient));
        QVERIFY(other.isConnected());
        QDBusMessage read = QDBusMessage::createMethodCall(
            QLatin1String(kService), mine, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        read << QLatin1String(kInterface) << QStringLiteral("ConfigFile");
        QCOMPARE(other.call(read, QDBus::Block, 20000).arguments().value(0).value<QDBusVariant>().variant().toString(),
                 sample);
        const struct {
            const char *property;
            QVariant value;
        } writes[] = {{"ConfigFile", sample}, {"Context", 1}};
        for (const auto &write : writes) {
            const QDBusMessage denied = set(other, mine, write.property, write.value);
            QCOMPARE(denied.errorName(), QLatin1String(kAccessDenied));
            QVERIFY2(denied.errorMessage().contains(mine), qPrintable(denied.errorMessage()));
        }
        QCOMPARE(release(other, mine).errorName(), QLatin1String(kAccessDenied));
        QCOMPARE(get(mine, "Context").arguments().value(0).value<QDBusVariant>().variant().toInt(), 0);

        // The other client's window is its own, and goes when the client leaves.
        theirs = createWindow(other);
        QVERIFY(!theirs.isEmpty());
        QCOMPARE(set(other, theirs, "Context", 0).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(set(theirs, "Context", 0).errorName(), QLatin1String(kAccessDenied));
        QCOMPARE(release(bus(), theirs).errorName(), QLatin1String(kAccessDenied));
        QDBusConnection::disconnectFromBus(QLatin1String(kOtherClient));
    }
    QTRY_COMPARE_WITH_TIMEOUT(get(theirs, "ConfigFile").errorName(), QLatin1String(kUnknownObject), 20000);
    QCOMPARE(get(mine, "ConfigFile").arguments().value(0).value<QDBusVariant>().variant().toString(), sample);
}

// The client leaves the bus without releasing its windows: the server ends.
// In the whole session, with all its refused writes, it showed no dialog.
void TestAutomationBus::serverEndsAfterItsClientLeaves()
{
    QDBusConnection::disconnectFromBus(QLatin1String(kClient));
    QVERIFY(m_server.waitForFinished(30000));
    QCOMPARE(m_server.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_server.exitCode(), 0);
    const QStringList reported = QString::fromUtf8(m_server.readAllStandardOutput()).split(QLatin1Char('\n'));
    QVERIFY(!reported.filter(QRegularExpression(QStringLiteral("^shown: "))).isEmpty());
    const QStringList dialogs = reported.filter(QRegularExpression(QStringLiteral("^(box|dialog): ")));
    QVERIFY2(dialogs.isEmpty(), qPrintable(dialogs.join(QLatin1Char('\n'))));
}

void TestAutomationBus::serverWithAnUnreachableDisplay_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::newRow("X display without a server") << "DISPLAY" << ":99";
    QTest::newRow("X display of no form") << "DISPLAY" << "bogus";
    QTest::newRow("Wayland display without a compositor") << "WAYLAND_DISPLAY" << "pallador-no-compositor";
}

// A server whose environment names a display it cannot reach (a bus that
// kept the display of a closed login) comes up off screen and answers.
void TestAutomationBus::serverWithAnUnreachableDisplay()
{
    QFETCH(QString, variable);
    QFETCH(QString, value);
    const QLatin1String name("display-client");
    QDBusConnection client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
    QVERIFY(client.isConnected());
    QVERIFY(!client.interface()->isServiceRegistered(QLatin1String(kService)));

    QProcessEnvironment environment = withoutDisplay();
    environment.insert(QStringLiteral("QI_HOME"), m_install->root());
    environment.insert(variable, value);
    QProcess server;
    server.setProcessEnvironment(environment);
    server.start(QStringLiteral(PALLADOR_PROGRAM), {QStringLiteral("-activex")});
    QVERIFY(server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(client.interface()->isServiceRegistered(QLatin1String(kService)) ||
                                 server.state() == QProcess::NotRunning,
                             20000);
    QDBusInterface factory(QLatin1String(kService), QStringLiteral("/Factory"),
                           QStringLiteral("com.corvanta.Pallador.Factory"), client);
    const QDBusReply<QStringList> features = factory.call(QStringLiteral("FeatureList"));
    QVERIFY2(features.isValid(), qPrintable(QString::fromLocal8Bit(server.readAllStandardError())));
    QCOMPARE(features.value(), QStringList{QStringLiteral("Pallador")});
    server.terminate();
    QVERIFY(server.waitForFinished(30000));
    QDBusConnection::disconnectFromBus(name);
}

// -dumpidl writes the definition generated from the window's class.
void TestAutomationBus::interfaceDefinition()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("pallador.idl"));
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QCOMPARE(runProgram({QStringLiteral("-dumpidl"), file, QStringLiteral("-version"), QStringLiteral("2.3.4")},
                        environment),
             0);
    QFile idl(file);
    QVERIFY(idl.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(idl.readAll());
    for (const char *needle : {"library PalladorLib", "version(2.3)", "dispinterface IPallador\n",
                               "dispinterface IPalladorEvents", "coclass Pallador", "Pallador 1.0 Type Library"})
        QVERIFY2(text.contains(QLatin1String(needle)), needle);
    const char *const properties[] = {"BSTR ConfigFile;", "int Context;", "SAFEARRAY(VARIANT) PllParameters;",
                                      "SAFEARRAY(VARIANT) ImgParameters;", "int TestCase;",
                                      "readonly] double MaxFPS;", "readonly] SAFEARRAY(VARIANT) Registers;",
                                      "readonly] SAFEARRAY(VARIANT) RegNames;",
                                      "readonly] SAFEARRAY(VARIANT) RegValues;", "readonly] int TotalCaseNum;",
                                      "readonly] int RegArraySize;", "readonly] int CntxNumber;",
                                      "readonly] int WarningValue;"};
    int last = -1;
    for (const char *p : properties) {
        const int at = text.indexOf(QLatin1String(p));
        QVERIFY2(at > last, p);
        last = at;
    }
    QVERIFY(!text.contains(QLatin1String("PLL_ENUM")));

    QString err;
    QCOMPARE(runProgram({QStringLiteral("/DUMPIDL")}, environment, &err), 1);
    QVERIFY2(err.contains(QLatin1String("Wrong commandline syntax: <app> -dumpidl <idl file> [-version <x.y.z>]")),
             qPrintable(err));
}

// -regserver writes the activation file that starts the program as a server;
// -unregserver takes it away again.
void TestAutomationBus::registration()
{
    QTemporaryDir data;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    const QString file = data.filePath(QStringLiteral("dbus-1/services/com.corvanta.Pallador.service"));
    QCOMPARE(runProgram({QStringLiteral("-regserver")}, environment), 0);
    QFile service(file);
    QVERIFY(service.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(service.readAll());
    QVERIFY2(text.startsWith(QLatin1String("[D-BUS Service]\nName=com.corvanta.Pallador\nExec=\"")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("\" -activex\n")), qPrintable(text));
    service.close();

    QCOMPARE(runProgram({QStringLiteral("-unregserver")}, environment), 0);
    QVERIFY(!QFile::exists(file));
    QCOMPARE(runProgram({QStringLiteral("-unregserver")}, environment), 0);
}

// Without an installation a server could serve nobody: it says so on
// standard error and ends with 1 at once, without touching the bus.
void TestAutomationBus::serverWithoutInstallation()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QI_HOME"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QString err;
    QCOMPARE(runProgram({QStringLiteral("-embedding")}, environment, &err), 1);
    QVERIFY2(err.contains(QLatin1String("Can't find Quorsen Image Directory")), qPrintable(err));
}

// The README's example, run as written on a bus of its own (with the path of
// the program this build made).
void TestAutomationBus::readmeExample()
{
    QFile readme(QStringLiteral(PALLADOR_SOURCE_DIR "/README.md"));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const int section = text.indexOf(QLatin1String("## Drive it from another program"));
    QVERIFY(section >= 0);
    const int start = text.indexOf(QLatin1String("```sh\n"), section);
    const int end = text.indexOf(QLatin1String("```\n"), start + 6);
    QVERIFY(start > 0 && end > start);
    QString script = text.mid(start + 6, end - start - 6);
    QVERIFY(script.contains(QLatin1String("build/pallador")));
    script.replace(QLatin1String("build/pallador"), QStringLiteral(PALLADOR_PROGRAM));

    // On a machine without a display; the client is the system's Python, to
    // which python3-dbus belongs (a Python of its own may come first on PATH).
    QProcess shell;
    QProcessEnvironment environment = withoutDisplay();
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:") + environment.value(QStringLiteral("PATH")));
    shell.setProcessEnvironment(environment);
    shell.setWorkingDirectory(QStringLiteral(PALLADOR_SOURCE_DIR));
    shell.start(QStringLiteral("dbus-run-session"),
                {QStringLiteral("--"), QStringLiteral("bash"), QStringLiteral("-euo"), QStringLiteral("pipefail"),
                 QStringLiteral("-c"), script});
    QVERIFY(shell.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(shell.readAllStandardOutput());
    QVERIFY2(shell.exitCode() == 0, qPrintable(QString::fromLocal8Bit(shell.readAllStandardError())));
    QVERIFY2(out.contains(QRegularExpression(QStringLiteral("^0x[0-9A-F]{4} = 0x[0-9A-F]{4,}$"),
                                             QRegularExpression::MultilineOption)),
             qPrintable(out));
}

QTEST_MAIN(TestAutomationBus)
#include "tst_automationbus.moc"
