// Pallador driven as another program drives it: the program is started with
// -activex on a private session bus (the test runs under dbus-run-session),
// and this test, as a D-Bus client, creates a window through the factory,
// loads a sample, writes parameters, reads the registers and sees the server
// end after it leaves the bus. Also the switches that end at once (-dumpidl,
// -regserver, -unregserver, -activex without an installation) and the
// README's example, run as written.
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

namespace {

const char *const kService = "com.corvanta.Pallador";
const char *const kInterface = "com.corvanta.Pallador.IPallador";
const char *const kClient = "automation-client";

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
    void serverEndsAfterItsClientLeaves();
    void interfaceDefinition();
    void registration();
    void serverWithoutInstallation();
    void readmeExample();

private:
    QDBusConnection bus() const { return QDBusConnection(QLatin1String(kClient)); }
    QString createWindow();
    QDBusMessage get(const QString &window, const char *property);
    QDBusMessage set(const QString &window, const char *property, const QVariant &value);

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

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QI_HOME"), m_install->root());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_server.setProcessEnvironment(environment);
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.start(QStringLiteral(PALLADOR_PROGRAM), {QStringLiteral("-ActiveX")});
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

QString TestAutomationBus::createWindow()
{
    QDBusInterface factory(QLatin1String(kService), QStringLiteral("/Factory"),
                           QStringLiteral("com.corvanta.Pallador.Factory"), bus());
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
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), window,
                                                       QStringLiteral("org.freedesktop.DBus.Properties"),
                                                       QStringLiteral("Set"));
    call << QLatin1String(kInterface) << QLatin1String(property) << QVariant::fromValue(QDBusVariant(value));
    return bus().call(call, QDBus::Block, 20000);
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
    const QDBusMessage released = factory.call(QStringLiteral("ReleaseObject"), QVariant::fromValue(QDBusObjectPath(second)));
    QCOMPARE(released.type(), QDBusMessage::ReplyMessage);
    QCOMPARE(get(second, "ConfigFile").type(), QDBusMessage::ErrorMessage);
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
// once; so do a write of a read-only property and a value of the wrong type.
void TestAutomationBus::failedWritesAnswerWithErrors()
{
    const QString window = createWindow();
    const QString bad = m_install->writeConfig(
        QStringLiteral("Nobody.cfg"),
        "[General_Info]\nsensor_name = Nobody9\n[UseCases]\n0/name = A\n0/cols = 64\n0/rows = 48\n");
    const QDBusMessage refused = set(window, "ConfigFile", bad);
    QCOMPARE(refused.type(), QDBusMessage::ErrorMessage);
    QCOMPARE(refused.errorName(), QStringLiteral("com.corvanta.Pallador.Error.Failed"));
    QCOMPARE(refused.errorMessage(), bad + QStringLiteral(" sensor is not supported!"));
    // The window answers the next call: nothing waits on the message box.
    QCOMPARE(get(window, "RegArraySize").type(), QDBusMessage::ReplyMessage);

    QCOMPARE(set(window, "MaxFPS", 5.0).errorName(), QStringLiteral("org.freedesktop.DBus.Error.PropertyReadOnly"));
    QCOMPARE(set(window, "PllParameters", 5).errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
    QCOMPARE(get(window, "Nothing").errorName(), QStringLiteral("org.freedesktop.DBus.Error.UnknownProperty"));
}

// The client leaves the bus without releasing its windows: the server ends.
void TestAutomationBus::serverEndsAfterItsClientLeaves()
{
    QDBusConnection::disconnectFromBus(QLatin1String(kClient));
    QVERIFY(m_server.waitForFinished(30000));
    QCOMPARE(m_server.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_server.exitCode(), 0);
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

    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    shell.setProcessEnvironment(environment);
    shell.setWorkingDirectory(QStringLiteral(PALLADOR_SOURCE_DIR));
    shell.start(QStringLiteral("dbus-run-session"),
                {QStringLiteral("--"), QStringLiteral("bash"), QStringLiteral("-euo"), QStringLiteral("pipefail"),
                 QStringLiteral("-c"), script});
    QVERIFY(shell.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(shell.readAllStandardOutput());
    QVERIFY2(shell.exitCode() == 0, qPrintable(QString::fromLocal8Bit(shell.readAllStandardError())));
    QVERIFY2(out.contains(QRegularExpression(QStringLiteral("\\(uint32 \\d+, uint32 \\d+\\)"))), qPrintable(out));
}

QTEST_MAIN(TestAutomationBus)
#include "tst_automationbus.moc"
