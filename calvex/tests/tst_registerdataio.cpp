#include "registerdataio.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

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
    void refusesValuesNoSensorTakes_data();
    void refusesValuesNoSensorTakes();
    void defaultsStayWithinTheList_data();
    void defaultsStayWithinTheList();
    void useCasesAreWritable();
    void readsTheFileOnce();
    void readsRegularFilesOnly_data();
    void readsRegularFilesOnly();
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
    QTest::newRow("only a default flag")
        << "flagonly.cfg" << QByteArray("[General_Info]\nsensor_name = Vek108m\n[UseCases]\n99/context_a_default = 1\n")
        << true << 0 << int(S::NoUseCases);
    const QByteArray small("[General_Info]\nsensor_name = Vek108m\n[UseCases]\n0/name = a\n;");
    const QByteArray atLimit = small + QByteArray(16 * 1024 * 1024 - small.size(), 'x');
    QTest::newRow("at the size limit") << "limit.cfg" << atLimit << true << 1 << int(S::Ok);
    QTest::newRow("one byte over the size limit")
        << "over.cfg" << atLimit + 'x' << false << 0 << int(S::Unreadable);
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

namespace {

// The use-case field a key fills, for the keys the range table uses.
double fieldOf(const CUseCase &uc, const QString &key)
{
    const QHash<QString, double> fields{
        {"rows", uc.rows},
        {"cols", uc.cols},
        {"fov_rows", uc.fovRows},
        {"fov_cols", uc.fovCols},
        {"mirror", uc.mirror},
        {"skipping", uc.skipping},
        {"blank_type", uc.blankType},
        {"lowpower", uc.lowPower},
        {"highspeed", uc.highSpeed},
        {"exposures", uc.exposures},
        {"max_fps", uc.maxFps},
        {"intg_time", uc.intgTime},
        {"gopro_mode", uc.goProMode},
        {"extra_value", uc.extraValue},
    };
    return fields.value(key, -1.0);
}

} // namespace

// A value no sensor can take is a problem and leaves the field as if the line
// were absent; the radar sensor's mode keys carry larger numbers.
void TestRegisterDataIO::refusesValuesNoSensorTakes_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<double>("stored");  // -1: refused

    const QString image = QStringLiteral("Vek108m");
    const QString radar = QStringLiteral("Holv101");
    const struct {
        const char *tag;
        const QString &sensor;
        const char *key;
        const char *value;
        double stored;
    } rows[] = {
        {"largest size", image, "rows", "16384", 16384},
        {"negative size", image, "cols", "-640", -1},
        {"size too large", image, "fov_cols", "16385", -1},
        {"huge size", image, "fov_rows", "2000000000", -1},
        {"mirror is 0 or 1", image, "mirror", "2", -1},
        {"largest mode", image, "skipping", "16", 16},
        {"negative mode", image, "skipping", "-1", -1},
        {"too many exposures", image, "exposures", "17", -1},
        {"automatic blanking", image, "blank_type", "4", 4},
        {"unknown blank type", image, "blank_type", "5", -1},
        {"negative blank type", image, "blank_type", "-1", -1},
        {"highest frame rate", image, "max_fps", "1000", 1000},
        {"frame rate too high", image, "max_fps", "1000.5", -1},
        {"negative frame rate", image, "max_fps", "-30", -1},
        {"NaN frame rate", image, "max_fps", "nan", -1},
        {"infinite frame rate", image, "max_fps", "inf", -1},
        {"longest integration", image, "intg_time", "1e5", 100000},
        {"negative integration", image, "intg_time", "-0.5", -1},
        {"absurd integration", image, "intg_time", "1e9", -1},
        {"negative mode value", image, "GoPro_Mode", "-1", -1},
        {"radar frequency", radar, "extra_value", "79", 79},
        {"radar word clock", radar, "blank_type", "60", 60},
        {"radar samples", radar, "lowpower", "1024", 1024},
        {"radar chirps", radar, "highspeed", "65535", 65535},
        {"radar chirps too many", radar, "highspeed", "65536", -1},
        {"radar negative value", radar, "blank_type", "-1", -1},
        {"radar size stays bounded", radar, "cols", "16385", -1},
    };
    for (const auto &r : rows)
        QTest::newRow(r.tag) << r.sensor << QString::fromLatin1(r.key) << QString::fromLatin1(r.value) << r.stored;
    QTest::newRow("radar name in any case") << QStringLiteral("HOLV101") << QStringLiteral("blank_type")
                                            << QStringLiteral("30") << 30.0;
}

void TestRegisterDataIO::refusesValuesNoSensorTakes()
{
    QFETCH(QString, sensor);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(double, stored);

    const QString line = QStringLiteral("0/%1 = %2").arg(key, value);
    CRegisterDataIO io(write(QStringLiteral("range.cfg"),
                             "[General_Info]\nsensor_name = " + sensor.toUtf8() + "\n[UseCases]\n0/name = a\n" +
                                 line.toUtf8() + "\n"));
    QVERIFY(io.readUseCases());
    QCOMPARE(io.getUseCaseNumber(), 1);
    if (stored >= 0.0) {
        QVERIFY2(io.problems().isEmpty(), qPrintable(io.problems().join(QLatin1Char('\n'))));
        QCOMPARE(fieldOf(io.useCases[0], key.toLower()), stored);
    } else {
        QCOMPARE(io.problems().size(), 1);
        QVERIFY2(io.problems().first().startsWith(QStringLiteral("line 5: ") + line),
                 qPrintable(io.problems().first()));
        QCOMPARE(fieldOf(io.useCases[0], key.toLower()), 0.0);
    }
}

void TestRegisterDataIO::defaultsStayWithinTheList_data()
{
    QTest::addColumn<QByteArray>("useCases");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("problemLines");  // the use-case lines start at line 4

    const QList<int> none;
    QTest::newRow("no flags, one use case") << QByteArray("0/name = a\n") << 0 << 0 << 0 << QStringList{"a"} << none;
    QTest::newRow("no flags, two use cases")
        << QByteArray("0/name = a\n1/name = b\n") << 0 << 1 << 1 << QStringList{"a", "b"} << none;
    QTest::newRow("gap in numbering is compacted")
        << QByteArray("0/name = a\n7/name = h\n7/context_b_default = 1\n3/name = d\n3/context_a_default = 1\n")
        << 1 << 2 << 1 << QStringList{"a", "d", "h"} << none;
    QTest::newRow("flag 0 is not a default")
        << QByteArray("0/name = a\n1/name = b\n1/context_a_default = 0\n2/name = c\n2/context_c_default = 1\n")
        << 0 << 1 << 2 << QStringList{"a", "b", "c"} << none;
    QTest::newRow("first flag wins")
        << QByteArray("0/name = a\n0/context_a_default = 1\n1/name = b\n1/context_a_default = 1\n") << 0 << 1 << 1
        << QStringList{"a", "b"} << none;
    QTest::newRow("unnamed use case")
        << QByteArray("0/cols = 10\n4/cols = 20\n4/context_a_default = 1\n") << 1 << 1 << 1
        << QStringList{"Usecase_0", "Usecase_4"} << none;
    QTest::newRow("flag before the use case's settings")
        << QByteArray("3/context_b_default = 1\n0/name = a\n3/cols = 640\n") << 0 << 1 << 1
        << QStringList{"a", "Usecase_3"} << none;
    QTest::newRow("lone flag makes no use case")
        << QByteArray("0/name = a\n1/name = b\n99/context_a_default = 1\n") << 0 << 1 << 1 << QStringList{"a", "b"}
        << QList<int>{6};
    QTest::newRow("lone flag does not win over a later one")
        << QByteArray("99/context_b_default = 1\n99/context_a_default = 0\n0/name = a\n1/name = b\n"
                      "0/context_b_default = 1\n")
        << 0 << 0 << 1 << QStringList{"a", "b"} << QList<int>{4, 5};
    QTest::newRow("refused settings make no use case")
        << QByteArray("0/name = a\n5/rows = -1\n5/context_a_default = 1\n") << 0 << 0 << 0 << QStringList{"a"}
        << QList<int>{5, 6};
    QTest::newRow("flag is 0 or 1")
        << QByteArray("0/name = a\n1/name = b\n1/context_a_default = 2\n1/context_b_default = -1\n") << 0 << 1 << 1
        << QStringList{"a", "b"} << QList<int>{6, 7};
}

void TestRegisterDataIO::defaultsStayWithinTheList()
{
    QFETCH(QByteArray, useCases);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, problemLines);

    CRegisterDataIO io(write(QStringLiteral("defaults.cfg"),
                             "[General_Info]\nsensor_name = Vek108m\n[UseCases]\n" + useCases));
    QVERIFY(io.readGeneralInfo());
    QVERIFY(io.readUseCases());
    QCOMPARE(io.getUseCaseName(), names);
    QCOMPARE(io.getContextADefault(), a);
    QCOMPARE(io.getContextBDefault(), b);
    QCOMPARE(io.getContextCDefault(), c);
    QList<int> lines;
    for (const QString &p : io.problems())
        lines << p.section(QLatin1Char(':'), 0, 0).mid(5).toInt();
    QCOMPARE(lines, problemLines);
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

// Everything the reader offers comes from one read at construction: a file
// changed or removed afterwards changes nothing.
void TestRegisterDataIO::readsTheFileOnce()
{
    const QString path = write(QStringLiteral("once.cfg"), "[General_Info]\nsensor_name = Vek108m\n[UseCases]\n"
                                                           "0/name = a\n[MinMax_Defaults]\nvco_max = 900\n");
    CRegisterDataIO io(path);
    write(QStringLiteral("once.cfg"), "[General_Info]\nsensor_name = Sarn102\n[UseCases]\n0/name = b\n1/name = c\n");
    QVERIFY(io.readGeneralInfo());
    QVERIFY(QFile::remove(path));
    QVERIFY(io.readUseCases());
    QVERIFY(io.readGeneralInfo());
    QCOMPARE(io.getSensorName(), QStringLiteral("Vek108m"));
    QCOMPARE(io.getUseCaseName(), QStringList{QStringLiteral("a")});
    QCOMPARE(io.minMaxValue(QStringLiteral("vco_max"), 0.0), 900.0);
    QCOMPARE(io.status(), CRegisterDataIO::Status::Ok);

    // While a ReadOnce of it lives, a second reader of the path (as the
    // library's set-up makes) takes the first reader's content, the file
    // being gone; another path, and the same path afterwards, are read.
    {
        const CRegisterDataIO::ReadOnce once(io);
        CRegisterDataIO again(path);
        QVERIFY(again.readGeneralInfo());
        QCOMPARE(again.getSensorName(), QStringLiteral("Vek108m"));
        QCOMPARE(again.minMaxValue(QStringLiteral("vco_max"), 0.0), 900.0);
        QCOMPARE(CRegisterDataIO(path + QStringLiteral("x")).status(), CRegisterDataIO::Status::Missing);
    }
    QCOMPARE(CRegisterDataIO(path).status(), CRegisterDataIO::Status::Missing);
}

void TestRegisterDataIO::readsRegularFilesOnly_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("read");
    QTest::newRow("FIFO") << "fifo" << false;
    QTest::newRow("link to a FIFO") << "fifo link" << false;
    QTest::newRow("device") << "device" << false;
    QTest::newRow("link to a regular file") << "file link" << true;
}

// Only a regular file (or a link to one) is read: a FIFO, whose open would
// wait for a writer, or a device, which never ends, is refused at once.
void TestRegisterDataIO::readsRegularFilesOnly()
{
    QFETCH(QString, kind);
    QFETCH(bool, read);
    const QString fifo = m_dir.filePath(QStringLiteral("pipe.cfg"));
    if (!QFileInfo::exists(fifo))
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString file =
        write(QStringLiteral("plain.cfg"), "[General_Info]\nsensor_name = Vek108m\n[UseCases]\n0/name = a\n");
    QString path = kind == QLatin1String("device") ? QStringLiteral("/dev/zero") : fifo;
    if (kind.endsWith(QLatin1String(" link"))) {
        path = m_dir.filePath(kind.left(kind.indexOf(QLatin1Char(' '))) + QStringLiteral("-link.cfg"));
        QFile::remove(path);
        QVERIFY(QFile::link(kind.startsWith(QLatin1String("fifo")) ? fifo : file, path));
    }
    CRegisterDataIO io(path);
    QCOMPARE(io.readUseCases(), read);
    QCOMPARE(io.status(), read ? CRegisterDataIO::Status::Ok : CRegisterDataIO::Status::Unreadable);
    if (!read)
        QCOMPARE(io.errorString(), QStringLiteral("The file %1 cannot be read: Not a regular file.").arg(path));
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
