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
        << true << "pick:Vek108m.cfg" << QStringList() << 0 << QStringList{"shown: Vek108m (VK-108M-C2) Pallador"}
        << true;
    QTest::newRow("no argument, variant chosen")
        << true << "pick:Vek108t;variant:2" << QStringList() << 0
        << QStringList{"chooser: current=Sensor/SOC Configuration files enabled=1 variants=",
                       "shown: Vek108t (VK-108T-CD) Pallador"}
        << true;
    QTest::newRow("configuration path") << true << QString() << QStringList{"@/Vek108m.cfg"} << 0
                                        << QStringList{"shown: Vek108m (VK-108M-C2) Pallador"} << true;
    QTest::newRow("variant path preselects and locks the base name")
        << true << "reject" << QStringList{"@/Vek108t+AB.cfg"} << 0
        << QStringList{"chooser: current=Vek108t enabled=0 variants=Select Sensor,AB.cfg,CD.ini",
                       "dialog: No configuration file was given.", "shown: Pallador"}
        << true;
    QTest::newRow("plus without a sensor folder is a plain path")
        << true << QString() << QStringList{"/elsewhere/Vek108t+AB.cfg"} << 0
        << QStringList{"dialog: The file /elsewhere/Vek108t+AB.cfg does not exist.", "shown: Pallador"} << true;
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
    // Two variants of one sensor, told apart by their part numbers.
    for (const char *variant : {"AB.cfg", "CD.ini"}) {
        install.writeConfig(QStringLiteral("Vek108t+") + QLatin1String(variant),
                            QByteArray("[General_Info]\nsensor_name = Vek108t\npart_number = VK-108T-") +
                                QByteArray(variant, 2) + "\n[UseCases]\n0/name = Full\n0/cols = 640\n0/rows = 480\n");
    }
    for (QString &a : args)
        a.replace(QLatin1Char('@'), install.configFolder());

    // A runtime folder of its own, so that nothing of the machine's session
    // speaks on standard error.
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.remove(QStringLiteral("QT_LOGGING_RULES"));
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
    // A start-up that ends the program also says why on standard error;
    // every other start-up prints nothing there. The headless platform's own
    // note about floating windows is the test platform's, not the program's.
    if (!withHome) {
        QVERIFY2(err.contains(QLatin1String("Can't find Quorsen Image Directory")), qPrintable(err));
    } else {
        QStringList errLines = err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        errLines.removeAll(QStringLiteral("This plugin does not support propagateSizeHints()"));
        QVERIFY2(errLines.isEmpty(), qPrintable(errLines.join(QLatin1Char('\n'))));
    }
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
