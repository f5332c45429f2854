// The program's start-up roads, run as a separate process by the scripted
// driver: exit codes, the chooser's state and whether the window was shown.
// The automation switches have their own test, tst_automationbus.
#include "testsupport.h"

#include <QProcess>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void roads_data();
    void roads();
};

void TestStartup::roads_data()
{
    QTest::addColumn<bool>("withHome");
    QTest::addColumn<QString>("chooser");   // the driver's answer to the chooser
    QTest::addColumn<QStringList>("args");  // "@" stands for the fixture's sensor folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("expected");  // lines the driver must print, in order
    QTest::addColumn<bool>("shown");

    QTest::newRow("no installation directory")
        << false << QString() << QStringList() << 1 << QStringList{"dialog: Can't find Quorsen Image Directory"}
        << false;
    QTest::newRow("no argument, chooser closed")
        << true << "reject" << QStringList() << 1
        << QStringList{"chooser: current=Sensor/SOC Configuration files enabled=1 variants="} << false;
    QTest::newRow("no argument, chooser cancelled") << true << "cancel" << QStringList() << 1 << QStringList()
                                                    << false;
    QTest::newRow("no argument, sensor chosen")
        << true << "pick:Vek108m.cfg" << QStringList() << 0 << QStringList() << true;
    QTest::newRow("no argument, variant chosen")
        << true << "pick:Vek108t;variant:2" << QStringList() << 0
        << QStringList{"chooser: current=Sensor/SOC Configuration files enabled=1 variants="} << true;
    QTest::newRow("configuration path") << true << QString() << QStringList{"@/Vek108m.cfg"} << 0 << QStringList()
                                        << true;
    QTest::newRow("variant path preselects and locks the base name")
        << true << "reject" << QStringList{"@/Vek108t+AB.cfg"} << 0
        << QStringList{"chooser: current=Vek108t enabled=0 variants=Select Sensor,AB.cfg,CD.ini"} << true;
    QTest::newRow("plus without a sensor folder is a plain path")
        << true << QString() << QStringList{"/elsewhere/Vek108t+AB.cfg"} << 0 << QStringList() << true;
}

void TestStartup::roads()
{
    QFETCH(bool, withHome);
    QFETCH(QString, chooser);
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QStringList, expected);
    QFETCH(bool, shown);

    FixtureInstall install;
    install.addSample(QStringLiteral("Vek108m.cfg"));
    install.writeConfig(QStringLiteral("Vek108t+AB.cfg"), "[General_Info]\nsensor_name = Vek108t\n");
    install.writeConfig(QStringLiteral("Vek108t+CD.ini"), "[General_Info]\nsensor_name = Vek108t\n");
    for (QString &a : args)
        a.replace(QLatin1Char('@'), install.configFolder());

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!withHome)
        env.remove(QStringLiteral("QI_HOME"));
    env.insert(QStringLiteral("PALLADOR_DRIVER_CHOOSER"), chooser);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(PALLADOR_DRIVER), args);
    QVERIFY(process.waitForFinished(60000));
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    const QString err = QString::fromUtf8(process.readAllStandardError());

    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    for (const QString &line : expected)
        QVERIFY2(lines.contains(line), qPrintable(lines.join(" / ")));
    QCOMPARE(lines.filter(QRegularExpression("^shown: ")).size(), shown ? 1 : 0);
    // A start-up that ends the program also says why on standard error.
    if (!withHome)
        QVERIFY2(err.contains(QLatin1String("Can't find Quorsen Image Directory")), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
