#include "registerdataio.h"

#include <QTemporaryDir>
#include <QtTest>

class TestRegisterDataIO : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &content)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write fixture %s", qPrintable(path));
        f.write(content);
        return path;
    }

private slots:
    void readsSampleFile();
    void readsWhatTheConfigWriterWrites();
    void badInput_data();
    void badInput();
    void skipsGarbageAndOutOfRangeValues();
    void defaultsStayWithinTheList_data();
    void defaultsStayWithinTheList();
    void useCasesAreWritable();
    void minMaxDefaults();
};

void TestRegisterDataIO::readsSampleFile()
{
    CRegisterDataIO io(QStringLiteral(PALLADOR_SOURCE_DIR "/samples/bin/cfg_pallador/Vek108m.cfg"));
    QVERIFY(io.readGeneralInfo());
    QVERIFY(io.readUseCases());
    QCOMPARE(io.status(), CRegisterDataIO::Status::Ok);
    QCOMPARE(io.getSensorName(), QStringLiteral("Vek108m"));
    QCOMPARE(io.getPartNumber(), QStringLiteral("VK-108M-C2"));
    QCOMPARE(io.getRawSensor(), QString());
    QCOMPARE(io.getRevNumber(), 2);
    QCOMPARE(io.getUseCaseNumber(), 4);
    QCOMPARE(io.getUseCaseName().at(2), QStringLiteral("Bin 2x2 1296x972 30fps"));
    QCOMPARE(io.getContextADefault(), 0);
    QCOMPARE(io.getContextBDefault(), 2);
    QVERIFY(io.useCases);
    const CUseCase &uc = io.useCases[3];
    QCOMPARE(uc.cols, 648);
    QCOMPARE(uc.rows, 486);
    QCOMPARE(uc.skipping, 4);
    QCOMPARE(uc.maxFps, 60.0);
    QCOMPARE(uc.intgTime, 15.0);
    QCOMPARE(io.useCases[1].cropping, 1);
    QCOMPARE(io.useCases[1].centering, 1);
    QVERIFY(io.problems().isEmpty());

    io.setRevNumber(5);
    QCOMPARE(io.getRevNumber(), 5);
}

// A file as File > Save Config writes it: CR LF line ends, copied header and
// blocks, generated use cases with their default flags, no register list.
void TestRegisterDataIO::readsWhatTheConfigWriterWrites()
{
    const QByteArray saved =
        "; Pallador Configuration file based on /opt/qi/bin/cfg_pallador/Vek108m.cfg\r\n"
        "; Pallador Build Info - Version: 6.0.34.55910 (Build Date: Dec 10 2026)\r\n"
        "; $Date: 2026-11-20 $\r\n"
        "; $Revision: 7 $\r\n"
        "\r\n"
        "; Sensor general information: name, revision ...\r\n"
        ";\r\n"
        "[General_Info]\r\n"
        "sensor_name = Vek108m\r\n"
        "part_number = VK-108M-C2\r\n"
        "revision = 2\r\n"
        "\r\n"
        "[UseCases]\r\n"
        "0/name = Usecase_0\r\n"
        "0/binning = 0\r\n"
        "0/binxonly = 0\r\n"
        "0/skipping = 0\r\n"
        "0/cropping = 0\r\n"
        "0/centering = 0\r\n"
        "0/lowpower = 0\r\n"
        "0/highspeed = 1\r\n"
        "0/intg_time = 33.3333\r\n"
        "0/cols = 2592\r\n"
        "0/rows = 1944\r\n"
        "0/max_fps = 15\r\n"
        "0/context_a_default = 1\r\n"
        "\r\n"
        "1/name = Usecase_1\r\n"
        "1/binning = 1\r\n"
        "1/binxonly = 0\r\n"
        "1/skipping = 0\r\n"
        "1/cropping = 0\r\n"
        "1/centering = 0\r\n"
        "1/lowpower = 0\r\n"
        "1/highspeed = 0\r\n"
        "1/intg_time = 30\r\n"
        "1/cols = 1296\r\n"
        "1/rows = 972\r\n"
        "1/max_fps = 29.97\r\n"
        "1/context_b_default = 1\r\n"
        "\r\n"
        "\r\n"
        "[MinMax_Defaults]\r\n"
        "default_input_clock = 24\r\n";
    CRegisterDataIO io(write(QStringLiteral("saved.cfg"), saved));
    QVERIFY(io.readGeneralInfo());
    QVERIFY(io.readUseCases());
    QCOMPARE(io.getSensorName(), QStringLiteral("Vek108m"));
    QCOMPARE(io.getUseCaseName(), (QStringList{QStringLiteral("Usecase_0"), QStringLiteral("Usecase_1")}));
    QCOMPARE(io.getContextADefault(), 0);
    QCOMPARE(io.getContextBDefault(), 1);
    QCOMPARE(io.useCases[0].highSpeed, 1);
    QCOMPARE(io.useCases[0].intgTime, 33.3333);
    QCOMPARE(io.useCases[1].binning, 1);
    QCOMPARE(io.useCases[1].maxFps, 29.97);
    QCOMPARE(io.minMaxValue(QStringLiteral("default_input_clock"), 0.0), 24.0);
    QVERIFY2(io.problems().isEmpty(), qPrintable(io.problems().join(QLatin1Char('\n'))));
}

void TestRegisterDataIO::badInput_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");  // null: no file is written
    QTest::addColumn<bool>("generalInfo");
    QTest::addColumn<int>("useCases");
    QTest::addColumn<int>("status");

    using S = CRegisterDataIO::Status;
    QTest::newRow("missing file") << "nothere.cfg" << QByteArray() << false << 0 << int(S::Missing);
    QTest::newRow("directory") << "." << QByteArray() << false << 0 << int(S::Unreadable);
    QTest::newRow("empty file") << "empty.cfg" << QByteArray("") << false << 0 << int(S::NoGeneralInfo);
    QTest::newRow("no general info")
        << "nogi.cfg" << QByteArray("[UseCases]\n0/name = a\n0/cols = 10\n") << false << 1 << int(S::NoGeneralInfo);
    QTest::newRow("general info without a name")
        << "noname.cfg" << QByteArray("[General_Info]\npart_number = X\n[UseCases]\n0/name = a\n") << false << 1
        << int(S::NoGeneralInfo);
    QTest::newRow("lower-case heading is not the section")
        << "lower.cfg" << QByteArray("[general_info]\nsensor_name = Vek108m\n[UseCases]\n0/name = a\n") << false << 1
        << int(S::NoGeneralInfo);
    QTest::newRow("no use cases")
        << "nouc.cfg" << QByteArray("[General_Info]\nsensor_name = Vek108m\n[UseCases]\n[MinMax_Defaults]\n") << true
        << 0 << int(S::NoUseCases);
    QTest::newRow("use cases only outside their section")
        << "outside.cfg" << QByteArray("[General_Info]\nsensor_name = Vek108m\n0/name = a\n") << true << 0
        << int(S::NoUseCases);
    QTest::newRow("binary garbage")
        << "garbage.cfg" << QByteArray("\x01\x02\xff\xfe=\x00\x00[\n\n===\n", 13) << false << 0
        << int(S::NoGeneralInfo);
}

void TestRegisterDataIO::badInput()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, generalInfo);
    QFETCH(int, useCases);
    QFETCH(int, status);

    const QString path = content.isNull() ? m_dir.filePath(fileName) : write(fileName, content);
    CRegisterDataIO io(path);
    QCOMPARE(io.readGeneralInfo(), generalInfo);
    QCOMPARE(io.readUseCases(), useCases > 0);
    QCOMPARE(io.getUseCaseNumber(), useCases);
    QCOMPARE(io.getUseCaseName().size(), useCases);
    QCOMPARE(io.useCases == nullptr, useCases == 0);
    QCOMPARE(int(io.status()), status);
    QCOMPARE(io.errorString().isEmpty(), status == int(CRegisterDataIO::Status::Ok));
    QVERIFY(io.getContextADefault() == 0 && io.getContextBDefault() == 0);
}

void TestRegisterDataIO::skipsGarbageAndOutOfRangeValues()
{
    CRegisterDataIO io(write(QStringLiteral("mixed.cfg"),
                             "[General_Info]\n"
                             "sensor_name = \"Sarn114vw+\" ; quoted\n"
                             "revision = lots\n"
                             "this line has no equals sign\n"
                             "[UseCases]\n"
                             "0/name = Good\n"
                             "0/rows = 99999999999\n"
                             "0/cols = 640\n"
                             "0/max_fps = 1e999\n"
                             "0/intg_time = nan\n"
                             "0/unknown_key = 3\n"
                             "99999999/name = far away\n"
                             "-1/name = negative\n"
                             "x/name = not a number\n"
                             "1/rows = 12.5\n"
                             "[Unclosed\n"));
    QVERIFY(io.readGeneralInfo());
    QCOMPARE(io.getSensorName(), QStringLiteral("Sarn114vw+"));
    QCOMPARE(io.getRevNumber(), 1);
    QVERIFY(io.readUseCases());
    // Only use case 0 holds an understood line; use case 1's only line is not a whole number.
    QCOMPARE(io.getUseCaseNumber(), 1);
    QCOMPARE(io.useCases[0].name, QStringLiteral("Good"));
    QCOMPARE(io.useCases[0].cols, 640);
    QCOMPARE(io.useCases[0].rows, 0);
    QCOMPARE(io.useCases[0].maxFps, 0.0);
    QCOMPARE(io.useCases[0].intgTime, 0.0);
    QCOMPARE(io.problems().size(), 11);
    QVERIFY(io.problems().first().startsWith(QLatin1String("line 3:")));
}

void TestRegisterDataIO::defaultsStayWithinTheList_data()
{
    QTest::addColumn<QByteArray>("useCases");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("no flags, one use case") << QByteArray("0/name = a\n") << 0 << 0 << 0 << QStringList{"a"};
    QTest::newRow("no flags, two use cases")
        << QByteArray("0/name = a\n1/name = b\n") << 0 << 1 << 1 << QStringList{"a", "b"};
    QTest::newRow("gap in numbering is compacted")
        << QByteArray("0/name = a\n7/name = h\n7/context_b_default = 1\n3/name = d\n3/context_a_default = 1\n")
        << 1 << 2 << 1 << QStringList{"a", "d", "h"};
    QTest::newRow("flag 0 is not a default")
        << QByteArray("0/name = a\n1/name = b\n1/context_a_default = 0\n2/name = c\n2/context_c_default = 1\n")
        << 0 << 1 << 2 << QStringList{"a", "b", "c"};
    QTest::newRow("first flag wins")
        << QByteArray("0/name = a\n0/context_a_default = 1\n1/name = b\n1/context_a_default = 1\n") << 0 << 1 << 1
        << QStringList{"a", "b"};
    QTest::newRow("unnamed use case")
        << QByteArray("0/cols = 10\n4/context_a_default = 1\n") << 1 << 1 << 1
        << QStringList{"Usecase_0", "Usecase_4"};
}

void TestRegisterDataIO::defaultsStayWithinTheList()
{
    QFETCH(QByteArray, useCases);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(QStringList, names);

    CRegisterDataIO io(write(QStringLiteral("defaults.cfg"),
                             "[General_Info]\nsensor_name = Vek108m\n[UseCases]\n" + useCases));
    QVERIFY(io.readGeneralInfo());
    QVERIFY(io.readUseCases());
    QCOMPARE(io.getUseCaseName(), names);
    QCOMPARE(io.getContextADefault(), a);
    QCOMPARE(io.getContextBDefault(), b);
    QCOMPARE(io.getContextCDefault(), c);
}

void TestRegisterDataIO::useCasesAreWritable()
{
    CRegisterDataIO io(write(QStringLiteral("w.cfg"), "[General_Info]\nsensor_name = Vek118m\n[UseCases]\n0/name = a\n"));
    QVERIFY(io.readGeneralInfo() && io.readUseCases());
    QCOMPARE(io.useCases[0].maxFps, 0.0);
    io.useCases[0].maxFps = 45.0;
    QCOMPARE(io.useCases[0].maxFps, 45.0);
    // Reading again starts from the file.
    QVERIFY(io.readUseCases());
    QCOMPARE(io.useCases[0].maxFps, 0.0);
}

void TestRegisterDataIO::minMaxDefaults()
{
    CRegisterDataIO io(write(QStringLiteral("mm.cfg"), "[General_Info]\nsensor_name = Vek108m\n"
                                                       "[MinMax_Defaults]\nDefault_Input_Clock = 24.5\n"
                                                       "vco_max = huge\nvco_min = inf\n"));
    QVERIFY(io.readGeneralInfo());
    QCOMPARE(io.minMaxValue(QStringLiteral("default_input_clock"), 1.0), 24.5);
    QCOMPARE(io.minMaxValue(QStringLiteral("vco_max"), 800.0), 800.0);
    QCOMPARE(io.minMaxValue(QStringLiteral("vco_min"), 300.0), 300.0);
    QCOMPARE(io.minMaxValue(QStringLiteral("absent"), -1.0), -1.0);
}

QTEST_GUILESS_MAIN(TestRegisterDataIO)
#include "tst_registerdataio.moc"
