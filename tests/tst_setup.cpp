// Sensor set-up: every catalogued sample loaded into the window, the files the
// set-up refuses, the sensor-specific steps and a second sensor loaded into the
// same window.
#include "calvex.h"
#include "catalogue.h"
#include "cguivars.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

namespace {

// A [General_Info] value as the file spells it.
QString generalInfo(const QString &text, const char *key)
{
    const QRegularExpression pattern(QStringLiteral("^\\s*%1\\s*=[ \\t]*(.*?)\\s*$").arg(QLatin1String(key)),
                                     QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
    return pattern.match(text).captured(1);
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A configuration file naming sensor, with two use cases; extra lines go into
// [General_Info].
QString writeSensor(FixtureInstall &install, const QString &sensor, const QByteArray &extra = QByteArray())
{
    return install.writeConfig(sensor + QStringLiteral(".cfg"),
                               "[General_Info]\nsensor_name = " + sensor.toUtf8() + "\npart_number = PN-" +
                                   sensor.toUtf8() + "\n" + extra +
                                   "[UseCases]\n0/name = Full\n0/cols = 640\n0/rows = 480\n"
                                   "1/name = Half\n1/cols = 320\n1/rows = 240\n");
}

const QList<QAction *> saveCommands(Pallador &w)
{
    return {w.ui.actionSave_Config, w.ui.actionSet_Default, w.ui.actionSave, w.ui.actionSave_As, w.ui.actionSave_State};
}

} // namespace

class TestSetup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everySample_data();
    void everySample();
    void refusedFiles_data();
    void refusedFiles();
    void unsupportedOffersSensorList();
    void unknownSensor();
    void sensorSpecificSteps();
    void bridgeAttachedSensor_data();
    void bridgeAttachedSensor();
    void secondSensorInSameWindow();

private:
    QMap<int, QString> m_samples; // catalogue index -> sample file name
};

void TestSetup::initTestCase()
{
    // Variant files ("<base>+<variant>.cfg") name the same sensor as their base.
    const QDir folder(FixtureInstall::samplesRoot() + QStringLiteral("bin/cfg_pallador"));
    for (const QString &name : folder.entryList({QStringLiteral("*.cfg")}, QDir::Files)) {
        if (name.contains(QLatin1Char('+')))
            continue;
        const QString sensor = generalInfo(readText(folder.filePath(name)), "sensor_name");
        m_samples.insert(catalogueIndex(sensor), name);
    }
}

void TestSetup::everySample_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("contexts");
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("spotRow"); // a row identifying the table
    QTest::addColumn<QString>("spotName");
    QTest::addColumn<uint>("spotAddress");

    QTest::newRow("1 Tolm104m") << 1 << 1 << 1 << 24 << 23 << "cam_stat_calcmode" << 0x013Cu;
    QTest::newRow("2 Tolm105m") << 2 << 1 << 1 << 24 << 23 << "cam_stat_calcmode" << 0x013Cu;
    QTest::newRow("3 Tolm101m") << 3 << 1 << 3 << 25 << 24 << "cam_stat_calcmode" << 0x0124u;
    QTest::newRow("4 Tolm101t") << 4 << 1 << 3 << 25 << 24 << "cam_stat_calcmode" << 0x0124u;
    QTest::newRow("5 Tolm102m") << 5 << 1 << 3 << 25 << 24 << "cam_stat_calcmode" << 0x0124u;
    QTest::newRow("6 Tolm103m") << 6 << 1 << 3 << 25 << 24 << "cam_stat_calcmode" << 0x0124u;
    QTest::newRow("7 Tolm106m") << 7 << 1 << 3 << 25 << 24 << "cam_stat_calcmode" << 0x0124u;
    QTest::newRow("8 Tolm106t") << 8 << 1 << 3 << 25 << 24 << "cam_stat_calcmode" << 0x0124u;
    QTest::newRow("9 Tolm107m") << 9 << 1 << 3 << 25 << 24 << "cam_stat_calcmode" << 0x0124u;
    QTest::newRow("10 Tolm108m") << 10 << 1 << 10 << 25 << 24 << "cam_stat_calcmode" << 0x0124u;
    QTest::newRow("11 Tolm108t") << 11 << 1 << 10 << 25 << 24 << "cam_stat_calcmode" << 0x0124u;
    QTest::newRow("12 Sarn102") << 12 << 2 << 12 << 32 << 31 << "EMBEDDED_DATA_CTRL" << 0x3064u;
    QTest::newRow("13 Sarn105k") << 13 << 1 << 13 << 30 << 29 << "cam_ae_config_target_fdzone" << 0x001Au;
    QTest::newRow("14 Sarn106h") << 14 << 2 << 14 << 29 << 28 << "HISPI_CONTROL_STATUS" << 0x31C6u;
    QTest::newRow("15 Vek103") << 15 << 2 << 20 << 33 << 32 << "HDR_COMP" << 0x31D0u;
    QTest::newRow("16 Vek104") << 16 << 2 << 16 << 29 << 28 << "HISPI_CONTROL_STATUS" << 0x31C6u;
    QTest::newRow("17 Vek105m") << 17 << 2 << 17 << 29 << 28 << "HISPI_CONTROL_STATUS" << 0x31C6u;
    QTest::newRow("18 Vek105t") << 18 << 2 << 18 << 29 << 28 << "HISPI_CONTROL_STATUS" << 0x31C6u;
    QTest::newRow("19 Vek106") << 19 << 2 << 20 << 33 << 32 << "HDR_COMP" << 0x31D0u;
    QTest::newRow("20 Sarn106c") << 20 << 2 << 20 << 33 << 32 << "HDR_COMP" << 0x31D0u;
    QTest::newRow("21 Vek101") << 21 << 2 << 21 << 29 << 28 << "READ_MODE" << 0x3040u;
    QTest::newRow("22 Vek108m") << 22 << 2 << 22 << 34 << 33 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("23 Vek108t") << 23 << 2 << 22 << 34 << 33 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("24 Vek109t") << 24 << 2 << 22 << 34 << 33 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("25 Sarn109") << 25 << 1 << 25 << 36 << 35 << "MODE_SELECT" << 0x0100u;
    QTest::newRow("26 Vek124") << 26 << 1 << 26 << 44 << 43 << "out_image_porches" << 0x3C38u;
    QTest::newRow("27 Pirn106") << 27 << 1 << 27 << 45 << 44 << "cam_stat_ae_initial_window_yend" << 0x015Au;
    QTest::newRow("28 Sarn111") << 28 << 2 << 28 << 32 << 31 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("29 Vek130t") << 29 << 2 << 28 << 32 << 31 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("30 Sarn112") << 30 << 2 << 30 << 42 << 41 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("31 Sarn116k") << 31 << 2 << 31 << 88 << 87 << "seq_cmd" << 0x0004u;
    QTest::newRow("32 Sarn115") << 32 << 1 << 32 << 22 << 21 << "Shutter Delay" << 0x000Cu;
    QTest::newRow("33 Sarn114vw+") << 33 << 1 << 32 << 22 << 21 << "Shutter Delay" << 0x000Cu;
    QTest::newRow("34 Sarn117") << 34 << 1 << 34 << 36 << 35 << "MODE_SELECT" << 0x0100u;
    QTest::newRow("35 Sarn118") << 35 << 1 << 34 << 36 << 35 << "MODE_SELECT" << 0x0100u;
    QTest::newRow("36 Sarn119") << 36 << 1 << 34 << 36 << 35 << "MODE_SELECT" << 0x0100u;
    QTest::newRow("37 Sarn120") << 37 << 1 << 37 << 40 << 39 << "MODE_SELECT" << 0x0100u;
    QTest::newRow("38 Sarn121") << 38 << 1 << 37 << 40 << 39 << "MODE_SELECT" << 0x0100u;
    QTest::newRow("39 Vek142") << 39 << 1 << 37 << 40 << 39 << "MODE_SELECT" << 0x0100u;
    QTest::newRow("40 Vek142b") << 40 << 1 << 37 << 40 << 39 << "MODE_SELECT" << 0x0100u;
    QTest::newRow("41 Vek145l") << 41 << 1 << 41 << 42 << 41 << "GROUPED_PARAMETER_HOLD" << 0x0104u;
    QTest::newRow("42 Vek147") << 42 << 1 << 42 << 40 << 39 << "MODE_SELECT" << 0x0100u;
    QTest::newRow("43 Vek148n") << 43 << 1 << 42 << 40 << 39 << "MODE_SELECT" << 0x0100u;
    QTest::newRow("44 Vek149") << 44 << 1 << 44 << 40 << 39 << "MODE_SELECT" << 0x0100u;
    QTest::newRow("45 Vek150n") << 45 << 1 << 44 << 40 << 39 << "MODE_SELECT" << 0x0100u;
    QTest::newRow("46 Vek151") << 46 << 1 << 49 << 32 << 31 << "SCALE_M" << 0x0404u;
    QTest::newRow("47 Vek151tk") << 47 << 1 << 49 << 32 << 31 << "SCALE_M" << 0x0404u;
    QTest::newRow("48 Vek151b") << 48 << 1 << 49 << 32 << 31 << "SCALE_M" << 0x0404u;
    QTest::newRow("49 Vek152n") << 49 << 1 << 49 << 32 << 31 << "SCALE_M" << 0x0404u;
    QTest::newRow("50 Vek156") << 50 << 1 << 49 << 32 << 31 << "SCALE_M" << 0x0404u;
    QTest::newRow("51 Vek153") << 51 << 1 << 51 << 36 << 35 << "PDAF_ODP_LLENGTH" << 0x32CAu;
    QTest::newRow("52 Vek154") << 52 << 1 << 52 << 36 << 35 << "PDAF_ODP_LLENGTH" << 0x32CAu;
    QTest::newRow("53 Vek155") << 53 << 1 << 53 << 41 << 40 << "MODE_SELECT" << 0x0100u;
    QTest::newRow("54 Yorm101t") << 54 << 1 << 54 << 32 << 31 << "cam_aet_frame_rate_2" << 0x00D8u;
    QTest::newRow("55 Yorm102m") << 55 << 1 << 55 << 31 << 30 << "cam_aet_frame_rate_2" << 0x00D8u;
    QTest::newRow("56 Yorm102t") << 56 << 1 << 56 << 31 << 30 << "cam_aet_frame_rate_2" << 0x00D8u;
    QTest::newRow("57 Yorm105m") << 57 << 1 << 57 << 45 << 44 << "net_cfg_net_clock_freq" << 0x0016u;
    QTest::newRow("58 Yorm106m") << 58 << 1 << 58 << 60 << 59 << "cam_port_keepsync_control" << 0x0302u;
    QTest::newRow("59 Sarn108kj") << 59 << 2 << 59 << 50 << 49 << "Refresh Sequencer" << 0x0003u;
    QTest::newRow("60 Sarn103k") << 60 << 2 << 60 << 49 << 48 << "Min_amplitude" << 0x0010u;
    QTest::newRow("61 Tolm109") << 61 << 2 << 61 << 49 << 48 << "Min_amplitude" << 0x0010u;
    QTest::newRow("62 Vek125") << 62 << 1 << 62 << 27 << 26 << "COARSE_INTEGRATION_TIME" << 0x3012u;
    QTest::newRow("63 Vek126n") << 63 << 1 << 62 << 27 << 26 << "COARSE_INTEGRATION_TIME" << 0x3012u;
    QTest::newRow("64 Vek127r") << 64 << 1 << 62 << 27 << 26 << "COARSE_INTEGRATION_TIME" << 0x3012u;
    QTest::newRow("65 Sarn101k") << 65 << 1 << 65 << 34 << 32 << "AE Window Yend" << 0x00FAu;
    QTest::newRow("66 Sarn104k") << 66 << 1 << 66 << 24 << 19 << "cam_ae_config_target_fdzone" << 0x001Au;
    QTest::newRow("67 Vek143") << 67 << 1 << 67 << 27 << 26 << "SCALE_M" << 0x0404u;
    QTest::newRow("68 Vek144n") << 68 << 1 << 67 << 27 << 26 << "SCALE_M" << 0x0404u;
    QTest::newRow("69 Sarn113k") << 69 << 2 << 69 << 54 << 53 << "JPEG Mode (B)" << 0x0092u;
    QTest::newRow("70 Sarn110k") << 70 << 2 << 70 << 59 << 58 << "Refresh Sequencer" << 0x0003u;
    QTest::newRow("71 Sarn107k") << 71 << 1 << 71 << 53 << 52 << "auto_binning_crop_window_height" << 0x001Cu;
    QTest::newRow("72 Vek116m") << 72 << 2 << 72 << 34 << 33 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("73 Vek116t") << 73 << 2 << 72 << 34 << 33 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("74 Vek115x") << 74 << 2 << 72 << 34 << 33 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("75 Vek118m") << 75 << 1 << 75 << 64 << 63 << "RESET_REGISTER_SER_DIS" << 0x301Au;
    QTest::newRow("76 Vek121m") << 76 << 2 << 77 << 39 << 38 << "COMPANDING" << 0x31D0u;
    QTest::newRow("77 Vek121t") << 77 << 2 << 77 << 39 << 38 << "COMPANDING" << 0x31D0u;
    QTest::newRow("78 Vek121d") << 78 << 2 << 77 << 39 << 38 << "COMPANDING" << 0x31D0u;
    QTest::newRow("79 Vek122t") << 79 << 2 << 77 << 39 << 38 << "COMPANDING" << 0x31D0u;
    QTest::newRow("80 Vek157b") << 80 << 1 << 80 << 29 << 28 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("81 Vek157f") << 81 << 1 << 81 << 23 << 22 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("82 Vek137") << 82 << 1 << 82 << 26 << 25 << "READ_MODE" << 0x3040u;
    QTest::newRow("83 Vek117m") << 83 << 1 << 83 << 78 << 77 << "RESET_REGISTER_STREAM" << 0x301Au;
    QTest::newRow("84 Vek107m") << 84 << 1 << 84 << 78 << 77 << "RESET_REGISTER_STREAM" << 0x301Au;
    QTest::newRow("85 Vek113m") << 85 << 1 << 85 << 82 << 81 << "RESET_REGISTER_STREAM" << 0x301Au;
    QTest::newRow("86 Vek111m") << 86 << 2 << 87 << 41 << 40 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("87 Vek111t") << 87 << 2 << 87 << 41 << 40 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("88 Vek123m") << 88 << 1 << 89 << 34 << 33 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("89 Vek123d") << 89 << 1 << 89 << 34 << 33 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("90 Vek135d") << 90 << 1 << 90 << 38 << 37 << "BM_T1" << 0x3F02u;
    QTest::newRow("91 Vek136d") << 91 << 1 << 90 << 38 << 37 << "BM_T1" << 0x3F02u;
    QTest::newRow("92 Vek110m") << 92 << 1 << 92 << 98 << 97 << "RESET_REGISTER_STREAM" << 0x301Au;
    QTest::newRow("93 Vek112m") << 93 << 1 << 93 << 98 << 97 << "RESET_REGISTER_STREAM" << 0x301Au;
    QTest::newRow("94 Vek114d") << 94 << 1 << 94 << 33 << 32 << "RESET_REGISTER_STREAM" << 0x301Au;
    QTest::newRow("95 Vek132") << 95 << 1 << 95 << 34 << 33 << "PDAF_ROW_CONTROL" << 0x3222u;
    QTest::newRow("96 Vek133") << 96 << 1 << 95 << 34 << 33 << "PDAF_ROW_CONTROL" << 0x3222u;
    QTest::newRow("97 Vek134t") << 97 << 1 << 95 << 34 << 33 << "PDAF_ROW_CONTROL" << 0x3222u;
    QTest::newRow("98 Vek134s") << 98 << 1 << 95 << 34 << 33 << "PDAF_ROW_CONTROL" << 0x3222u;
    QTest::newRow("99 Vek138m") << 99 << 1 << 99 << 63 << 62 << "RESET_REGISTER_STREAM" << 0x301Au;
    QTest::newRow("100 Vek139") << 100 << 1 << 99 << 63 << 62 << "RESET_REGISTER_STREAM" << 0x301Au;
    QTest::newRow("101 Vek140m") << 101 << 1 << 99 << 63 << 62 << "RESET_REGISTER_STREAM" << 0x301Au;
    QTest::newRow("102 Vek131m") << 102 << 1 << 102 << 64 << 63 << "RESET_REGISTER_SER_DIS" << 0x301Au;
    QTest::newRow("103 Vek119t") << 103 << 1 << 103 << 32 << 31 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("104 Vek119m") << 104 << 1 << 103 << 32 << 31 << "RESET_REGISTER" << 0x301Au;
    QTest::newRow("105 Zelt105") << 105 << 1 << 105 << 20 << 19 << "HISPI_BLANKING_DATA_REG" << 0x3E32u;
    QTest::newRow("106 Zelt101") << 106 << 1 << 106 << 20 << 19 << "HISPI_BLANKING_DATA_REG" << 0x3E32u;
    QTest::newRow("107 Zelt102") << 107 << 1 << 107 << 20 << 19 << "HISPI_BLANKING_DATA_REG" << 0x3E32u;
    QTest::newRow("108 Zelt103") << 108 << 1 << 108 << 20 << 19 << "HISPI_BLANKING_DATA_REG" << 0x3E32u;
    QTest::newRow("109 Zelt104") << 109 << 1 << 109 << 20 << 19 << "HISPI_BLANKING_DATA_REG" << 0x3E32u;
    QTest::newRow("110 Vek128m") << 110 << 1 << 110 << 67 << 0 << "VT_PIX_CLK_DIV" << 0x302Au;
    // Drav102 uses its frame buffer's region rows only while it reads regions.
    QTest::newRow("111 Drav102") << 111 << 1 << 111 << 37 << 0 << "VT_PIX_CLK_DIV" << 0x0300u;
    QTest::newRow("112 Drav101t") << 112 << 1 << 112 << 31 << 30 << "SCALE_M" << 0x0404u;
    QTest::newRow("113 Vek120t") << 113 << 1 << 113 << 31 << 30 << "SCALE_M" << 0x0404u;
    QTest::newRow("114 Holv101") << 114 << 1 << 114 << 154 << 153 << "TX3_BIAS" << 0x0167u;
    QTest::newRow("115 Vek146m") << 115 << 1 << 115 << 70 << 69 << "RESET_REGISTER_STREAM" << 0x301Au;
}

void TestSetup::everySample()
{
    QFETCH(int, index);
    QFETCH(int, contexts);
    QFETCH(int, typeCode);
    QFETCH(int, rows);
    QFETCH(int, spotRow);
    QFETCH(QString, spotName);
    QFETCH(uint, spotAddress);

    QVERIFY2(m_samples.contains(index), "no sample configuration for this sensor");
    FixtureInstall install;
    const QString path = install.addSample(m_samples.value(index));
    const QString text = readText(path);
    DialogResponder responder;
    Pallador w(QString{});
    w.show();
    w.loadConfigFile(path);

    QCOMPARE(responder.seen(), QStringList());
    QCOMPARE(w.sensorIndex, index);
    QCOMPARE(w.contextCount, contexts);
    QVERIFY(w.calvex && w.calvex->family());
    QCOMPARE(w.calvex->family()->typeCode(), typeCode);
    QCOMPARE(w.regCount, rows);
    QCOMPARE(w.regs[spotRow].name, spotName);
    QCOMPARE(w.regs[spotRow].address, spotAddress);
    QCOMPARE(w.windowTitle(), generalInfo(text, "sensor_name") + QStringLiteral(" (") +
                                  generalInfo(text, "part_number") + QStringLiteral(") Pallador"));
    QVERIFY(w.ui.dockImageA->isVisible());
    QCOMPARE(w.ui.dockImageB->isVisible(), contexts == 2);
    QVERIFY(w.ui.dockPLL->isVisible());
    QVERIFY(w.ui.groupOutput->isVisible());
    QVERIFY(!w.ui.combo_SensorType->isVisible());
    for (QAction *action : saveCommands(w))
        QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
    QVERIFY(!w.ui.actionOpen_Config->isEnabled());
    QCOMPARE(w.ui.comboUseCase_A->count(), w.dataIO->getUseCaseNumber());
    QCOMPARE(w.ui.comboUseCase_B->count(), contexts == 2 ? w.dataIO->getUseCaseNumber() : 0);
    QVERIFY(!w.busy);
}

// Files the set-up does not take: the user is told, and the loaded sensor
// stays loaded and calculating, as it was.
void TestSetup::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no such file
    QTest::addColumn<QString>("message");    // "%1": the path

    QTest::newRow("sensor not in the catalogue")
        << QByteArray("[General_Info]\nsensor_name = Vek999\npart_number = X\n[UseCases]\n0/name = A\n")
        << "|%1 sensor is not supported!";
    QTest::newRow("missing file") << QByteArray() << "Pallador|The file %1 does not exist.";
    QTest::newRow("no use cases") << QByteArray("[General_Info]\nsensor_name = Vek108m\npart_number = X\n")
                                  << "Pallador|The file %1 has no use cases in its [UseCases] section.";
}

void TestSetup::refusedFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);

    FixtureInstall install;
    const QString first = install.addSample(QStringLiteral("Tolm104m.cfg"));
    const QString path = content.isEmpty() ? install.configFolder() + QStringLiteral("/absent.cfg")
                                           : install.writeConfig(QStringLiteral("refused.cfg"), content);
    DialogResponder responder;
    Pallador w(QString{});
    w.show();
    w.loadConfigFile(first);
    const QString title = w.windowTitle();
    const int useCases = w.ui.comboUseCase_A->count();
    CCalvex *const calvex = w.calvex;
    CRegisterDataIO *const reader = w.dataIO;

    w.loadConfigFile(path);

    QCOMPARE(responder.seen(), QStringList{message.arg(path)});
    QCOMPARE(w.sensorIndex, 1);
    QCOMPARE(w.configPath, first);
    QCOMPARE(w.ui.comboUseCase_A->count(), useCases);
    QCOMPARE(w.dataIO, reader);
    QCOMPARE(w.calvex, calvex);
    QCOMPARE(w.contextCount, 1);
    QCOMPARE(w.regCount, 24);
    QCOMPARE(w.windowTitle(), title);
    QVERIFY(w.ui.dockImageA->isVisible() && w.ui.dockPLL->isVisible());
    QVERIFY(!w.ui.actionOpen_Config->isEnabled());
    QVERIFY(!w.ui.combo_SensorType->isVisible());

    // Still calculating: a new input clock reaches the library.
    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(w.ui.dSpinPLL_Input->value() + 1.0);
    QCOMPARE(calculations(w), 1);
    QCOMPARE(w.calvex->family()->pll.inputClock, w.ui.dSpinPLL_Input->value());
}

// Before any sensor is loaded, an unsupported file leaves the window's sensor
// list offering the installation's files, each once.
void TestSetup::unsupportedOffersSensorList()
{
    FixtureInstall install;
    install.addSample(QStringLiteral("Tolm104m.cfg"));
    install.addSample(QStringLiteral("Vek108m.cfg"));
    const QString path =
        install.writeConfig(QStringLiteral("Odd.cfg"), "[General_Info]\nsensor_name = Odd\n[UseCases]\n0/name = A\n");
    DialogResponder responder;
    Pallador w(QString{});
    w.show();
    w.loadConfigFile(path);
    w.loadConfigFile(path);

    QCOMPARE(responder.seen().size(), 2);
    QStringList items;
    for (int i = 0; i < w.ui.combo_SensorType->count(); ++i)
        items << w.ui.combo_SensorType->itemText(i);
    QCOMPARE(items, (QStringList{"Please select configuration file", "Odd.cfg", "Tolm104m.cfg", "Vek108m.cfg"}));
    QVERIFY(w.ui.combo_SensorType->isVisible());
    QVERIFY(w.startUp != nullptr);
    QCOMPARE(w.windowTitle(), QStringLiteral("Pallador"));
    QVERIFY(w.ui.actionOpen_Config->isEnabled());
    QVERIFY(!w.ui.dockImageA->isVisible());
}

void TestSetup::unknownSensor()
{
    FixtureInstall install;
    const QString first = install.addSample(QStringLiteral("Vek108m.cfg"));
    const QString path =
        install.writeConfig(QStringLiteral("Unknown.cfg"), "[General_Info]\nsensor_name = UNKOWN\npart_number = UK-0\n"
                                                           "[UseCases]\n0/name = Any\n");
    DialogResponder responder;
    Pallador w(QString{});
    w.show();
    w.loadConfigFile(first);
    CCalvex *const calvex = w.calvex;

    w.loadConfigFile(path);

    QCOMPARE(responder.seen(), QStringList());
    QCOMPARE(w.sensorIndex, 0);
    QCOMPARE(w.windowTitle(), QStringLiteral("UNKOWN (UK-0) Pallador"));
    for (QWidget *hidden : std::initializer_list<QWidget *>{w.ui.tableRegister, w.ui.dockImageA, w.ui.dockImageB,
                                                            w.ui.dockPLL, w.ui.dockTiming, w.ui.groupOutput})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    for (QAction *action :
         {w.ui.actionImage_A, w.ui.actionImage_B, w.ui.actionImage_C, w.ui.actionPLL, w.ui.actionTiming})
        QVERIFY2(!action->isVisible(), qPrintable(action->objectName()));
    for (QAction *action : saveCommands(w))
        QVERIFY(action->isEnabled());
    QVERIFY(!w.ui.actionOpen_Config->isEnabled());
    QCOMPARE(w.calvex, calvex);
    QCOMPARE(w.contextCount, 2);
    QCOMPARE(w.regCount, 34);
    QCOMPARE(w.ui.comboUseCase_A->count(), 0);
    QCOMPARE(w.ui.comboUseCase_B->count(), 0);
}

// What single bodies do beyond the common procedure.
void TestSetup::sensorSpecificSteps()
{
    FixtureInstall install;
    DialogResponder responder;

    {
        // Preview and capture contexts, their docks at the top.
        Pallador w(QString{});
        w.show();
        w.loadConfigFile(writeSensor(install, QStringLiteral("Sarn116k")));
        QCOMPARE(w.ui.dockImageA->windowTitle(), QStringLiteral("Preview Mode"));
        QCOMPARE(w.ui.dockImageB->windowTitle(), QStringLiteral("Capture Mode"));
        QCOMPARE(w.dockWidgetArea(w.ui.dockImageA), Qt::TopDockWidgetArea);
        QCOMPARE(w.dockWidgetArea(w.ui.dockImageB), Qt::TopDockWidgetArea);
        QCOMPARE(w.dockWidgetArea(w.ui.dockPLL), Qt::LeftDockWidgetArea);
        QCOMPARE(w.ui.comboUseCase_B->count(), 2);
    }
    {
        // One context, but its dock at the top, and the field-of-view picture.
        Pallador w(QString{});
        w.show();
        w.loadConfigFile(writeSensor(install, QStringLiteral("Sarn107k")));
        QCOMPARE(w.dockWidgetArea(w.ui.dockImageA), Qt::TopDockWidgetArea);
        QVERIFY(!w.ui.dockImageB->isVisible());
        QVERIFY(w.fovPixmap && w.fovPixmap->size() == QSize(128, 98));
    }
    {
        // Sensor 85 presets context A, also after a sensor that left context B current.
        Pallador w(QString{});
        w.loadConfigFile(writeSensor(install, QStringLiteral("Vek113m")));
        QCOMPARE(w.combi, 0);
        QCOMPARE(w.scaler[0], 1);
        QCOMPARE(w.fixedLineLength[0], 764);
        Pallador other(QString{});
        other.loadConfigFile(install.addSample(QStringLiteral("Sarn106h.cfg")));
        other.ui.checkHorzMirror_B->click();
        QCOMPARE(other.currentContext, 1);
        other.fixedLineLength[1] = 1000;
        other.loadConfigFile(writeSensor(install, QStringLiteral("Vek113m")));
        QCOMPARE(other.fixedLineLength[0], 764);
        QCOMPARE(other.fixedLineLength[1], 2144);
    }
    {
        Pallador w(QString{});
        w.fastClock = true;
        w.loadConfigFile(writeSensor(install, QStringLiteral("Vek131m")));
        QCOMPARE(w.calvex->family()->typeCode(), 102);
        QVERIFY(!w.fastClock);
        w.loadConfigFile(writeSensor(install, QStringLiteral("Vek154")));
        QCOMPARE(w.scaler[0], 192);
        w.loadConfigFile(writeSensor(install, QStringLiteral("Drav101t")));
        QCOMPARE(w.revIndex, 1);
        w.loadConfigFile(writeSensor(install, QStringLiteral("Yorm105m")));
        QVERIFY(w.pllPreScale);
        QCOMPARE(w.ui.dockImageA->windowTitle(), QStringLiteral("Image Parameters"));
        w.loadConfigFile(writeSensor(install, QStringLiteral("Vek110m")));
        QCOMPARE(w.combi, 0);
    }
    {
        // Only sensors 9 to 11 of their body fix the interface.
        Pallador w(QString{});
        w.loadConfigFile(writeSensor(install, QStringLiteral("Tolm107m")));
        QVERIFY(!w.ui.comboPLL_Interface->isEnabled());
        Pallador other(QString{});
        other.loadConfigFile(writeSensor(install, QStringLiteral("Tolm106t")));
        QVERIFY(other.ui.comboPLL_Interface->isEnabled());
    }
    {
        // HiSPi output at a fixed line time.
        Pallador w(QString{});
        w.show();
        w.loadConfigFile(writeSensor(install, QStringLiteral("Zelt103")));
        QCOMPARE(w.ui.comboPLL_Interface->count(), 1);
        QCOMPARE(w.ui.comboPLL_Interface->itemText(0), QStringLiteral("HISPI"));
        QCOMPARE(w.ui.comboTypeBlank_A->count(), 1);
        QCOMPARE(w.ui.comboTypeBlank_A->itemText(0), QStringLiteral("Use min. line time"));
        for (QWidget *disabled : std::initializer_list<QWidget *>{
                 w.ui.comboPLL_Interface, w.ui.comboTypeBlank_A, w.ui.comboTypeFRate_A, w.ui.checkHorzMirror_A,
                 w.ui.checkVertFlip_A, w.ui.dSpinPLL_Target, w.ui.checkPLL_VCO, w.ui.checkPLL_N, w.ui.checkPLL_M})
            QVERIFY2(!disabled->isEnabled(), qPrintable(disabled->objectName()));
        QCOMPARE(w.ui.dSpinPLL_Input->singleStep(), 0.1);
        QVERIFY(w.ui.actionPLL->isVisible() && w.ui.actionImage_A->isVisible());
        QVERIFY(!w.ui.actionTiming->isVisible());
    }
    {
        // The radar sensor.
        Pallador w(QString{});
        w.show();
        w.loadConfigFile(writeSensor(install, QStringLiteral("Holv101")));
        QCOMPARE(w.ui.comboPLL_Interface->count(), 0);
        QVERIFY(!w.ui.comboPLL_Interface->isEnabled());
        QVERIFY(!w.ui.checkAdvParam_A->isVisible());
        QVERIFY(!w.ui.comboMaxFRate_A->isEnabled());
        QVERIFY(!w.ui.dSpinPLL_Input->isEnabled());
        QVERIFY(!w.ui.actionTiming->isVisible());
    }
    {
        // Form-based families: nothing calculated during their set-up, their
        // records reachable by the calculation.
        Pallador w(QString{});
        w.show();
        w.loadConfigFile(writeSensor(install, QStringLiteral("Vek126n")));
        QCOMPARE(w.calvex->family()->typeCode(), 62);
        QCOMPARE(w.varCtxParams, w.calvex->vek_125->ctx);
        QCOMPARE(w.varResults, &w.calvex->vek_125->results);
        QVERIFY(!w.busy);
        QVERIFY(!w.ui.comboTypeFRate_A->isEnabled());
        QCOMPARE(w.ui.comboTypeFRate_A->currentIndex(), 1);
        QVERIFY(!w.ui.dSpinMinFRate_A->isVisible() && !w.ui.labelMinFPS_A->isVisible());
        QVERIFY(!w.ui.groupOption_PLL->isVisible());
        QCOMPARE(w.dockWidgetArea(w.ui.dockImageA), Qt::LeftDockWidgetArea);

        w.loadConfigFile(writeSensor(install, QStringLiteral("Sarn101k")));
        QCOMPARE(w.varCtxParams, w.calvex->murn_102->ctx);
        QVERIFY(!w.ui.dSpinPLL_Target->isVisible() && !w.ui.checkPLL_ADV->isVisible());
        QVERIFY(!w.ui.checkAdvParam_A->isVisible());

        w.loadConfigFile(writeSensor(install, QStringLiteral("Sarn104k")));
        QCOMPARE(w.varResults, &w.calvex->murn_104->results);
        QVERIFY(w.pllFormLoaded);
        QVERIFY(!w.ui.comboPLL_Interface->isVisible() && !w.ui.checkHorzMirror_A->isVisible());
    }
    QCOMPARE(responder.seen(), QStringList());
}

// The bridge families read the kind and revision of the attached sensor from
// the raw sensor name; a name that matches no entry keeps the family's default.
void TestSetup::bridgeAttachedSensor_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<QString>("raw");
    QTest::addColumn<int>("kind"); // -1: the family's own default
    QTest::addColumn<int>("revision");

    QTest::newRow("contains Vek108, ends in a digit") << "Yorm102m"
                                                      << "Vek108t3" << 1 << 3;
    QTest::newRow("first entry in list order wins") << "Yorm101t"
                                                    << "Vek101-Sarn106c" << 0 << 0;
    QTest::newRow("letter case counts") << "Yorm102t"
                                        << "vek108t3" << -1 << 3;
    QTest::newRow("no raw name") << "Yorm102m"
                                 << "" << -1 << 0;
    QTest::newRow("second list, Vek102") << "Yorm105m"
                                         << "Vek102x7" << 0 << 7;
    QTest::newRow("second list, several entries") << "Yorm106m"
                                                  << "Vek117-Vek108" << 1 << 8;
    QTest::newRow("second list, Drav103 is not listed") << "Yorm106m"
                                                        << "Drav103" << -1 << 3;
}

void TestSetup::bridgeAttachedSensor()
{
    QFETCH(QString, sensor);
    QFETCH(QString, raw);
    QFETCH(int, kind);
    QFETCH(int, revision);

    FixtureInstall install;
    const QString path = writeSensor(install, sensor, "raw_sensor = " + raw.toUtf8() + "\n");
    Pallador w(QString{});
    w.loadConfigFile(path);

    const int index = catalogueIndex(sensor);
    CCalvex reference(index);
    auto *defaults = dynamic_cast<CBridgeFamily *>(reference.family());
    QVERIFY(defaults);
    defaults->InitDefaults(path);
    auto *bridge = dynamic_cast<CBridgeFamily *>(w.calvex->family());
    QVERIFY(bridge);
    QCOMPARE(bridge->typeCode(), index);
    QCOMPARE(bridge->sensorKind, kind < 0 ? defaults->sensorKind : kind);
    QCOMPARE(bridge->sensorRevision, revision);
    QVERIFY(w.fovPixmap && !w.fovPixmap->isNull());
}

// A second sensor replaces everything of the first: facade, rows, use-case
// lists, docks, the binder and the option panels with their references.
void TestSetup::secondSensorInSameWindow()
{
    FixtureInstall install;
    DialogResponder responder;
    Pallador w(QString{});
    w.show();

    // A file spelling the sensor in other letter case is that sensor.
    w.loadConfigFile(install.writeConfig(QStringLiteral("two.cfg"), "[General_Info]\nsensor_name = VEK108M\n"
                                                                    "[UseCases]\n0/name = A\n1/name = B\n"));
    QCOMPARE(w.sensorIndex, 22);
    QCOMPARE(w.ui.comboUseCase_B->count(), 2);
    QVERIFY(w.ui.dockImageB->isVisible() && w.ui.actionImage_B->isVisible());

    // Leftovers of the first sensor: an open option panel with a widget
    // reference into it, a control the window made in a dock, and a binder.
    auto *panel = new QWidget(w.ui.widgetADV_A);
    w.advForm[0] = panel;
    w.advFormLoaded[0] = true;
    w.checkBinning[0] = new QCheckBox(panel);
    w.spinFP[3] = new QSpinBox(new QWidget(panel));
    w.comboOperMode = new QComboBox(w.ui.dockPLL);
    w.ui.checkAdvParam_A->setChecked(true);
    w.advParamOn[0] = true;
    w.ui.comboUseCase_A->setEnabled(false);
    GUIVAR_T variable;
    w.guiVars = new CGuiVars("Rows", &variable, nullptr);
    QPointer<QWidget> panelAlive(panel);
    QPointer<CGuiVars> binderAlive(w.guiVars);

    const QString one = install.addSample(QStringLiteral("Tolm104m.cfg"));
    w.loadConfigFile(one);
    QCOMPARE(w.sensorIndex, 1);
    QCOMPARE(w.contextCount, 1);
    QCOMPARE(w.calvex->family()->typeCode(), 1);
    QCOMPARE(w.regCount, 24);
    QCOMPARE(w.ui.comboUseCase_B->count(), 0);
    QVERIFY(!w.ui.dockImageB->isVisible() && !w.ui.actionImage_B->isVisible());
    QVERIFY(panelAlive.isNull());
    QVERIFY(binderAlive.isNull());
    QVERIFY(w.guiVars == nullptr);
    QVERIFY(w.advForm[0] == nullptr && !w.advFormLoaded[0]);
    QVERIFY(w.checkBinning[0] == nullptr && w.spinFP[3] == nullptr);
    QVERIFY(w.comboOperMode != nullptr);
    QVERIFY(!w.ui.checkAdvParam_A->isChecked() && !w.advParamOn[0]);
    QVERIFY(w.ui.comboUseCase_A->isEnabled());

    // Form-based, then classic again: nothing of the form-based family stays.
    w.loadConfigFile(writeSensor(install, QStringLiteral("Vek125")));
    QVERIFY(w.varCtxParams != nullptr);
    QVERIFY(!w.ui.groupOption_PLL->isVisible());
    w.releasedVar = &variable;
    w.loadConfigFile(writeSensor(install, QStringLiteral("Zelt101")));
    QVERIFY(w.guiVars == nullptr && w.releasedVar == nullptr);
    QVERIFY(w.varCtxParams == nullptr && w.varResults == nullptr);
    QVERIFY(!w.ui.comboTypeFRate_A->isEnabled());
    QVERIFY(w.ui.dSpinMinFRate_A->isVisible() && w.ui.groupOption_PLL->isVisible());

    w.loadConfigFile(one);
    for (QWidget *enabled :
         std::initializer_list<QWidget *>{w.ui.comboTypeFRate_A, w.ui.comboTypeBlank_A, w.ui.checkHorzMirror_A,
                                          w.ui.dSpinPLL_Target, w.ui.checkPLL_VCO, w.ui.checkPLL_N, w.ui.checkPLL_M})
        QVERIFY2(enabled->isEnabled(), qPrintable(enabled->objectName()));
    QCOMPARE(w.ui.dSpinPLL_Input->singleStep(), 1.0);
    QVERIFY(w.ui.actionTiming->isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Tolm104m (TM-104M-A) Pallador"));
    QCOMPARE(responder.seen(), QStringList());
}

QTEST_MAIN(TestSetup)
#include "tst_setup.moc"
