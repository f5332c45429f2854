// The per-sensor parts of the INI preset: the address each sensor writes a
// firmware variable at, which register rows it writes (by interface, options
// and family values) and the fixed command lines and blocks it adds, checked
// in the written file.
#include "calvex.h"
#include "families.h"
#include "pallador.h"
#include "presetfixture.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <functional>

using namespace presettest;

namespace {

// (PLL bit field), PV (PLL firmware variable), T (timing register) or TB
// (timing bit field); the value is 1 unless given.

QVector<Row> parseRows(const QStringList &rowTexts, QList<QByteArray> &names)
{
    QVector<Row> rows;
    names.clear();
    for (int i = 0; i < rowTexts.size(); ++i) {
        const QString rowText = rowTexts[i];
        const int blank = rowText.indexOf(QLatin1Char(' '));
        const QString kind = rowText.left(blank);
        QString name = rowText.mid(blank + 1);
        quint32 value = 1;
        const int eq = name.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            value = name.mid(eq + 1).toUInt();
            name = name.left(eq);
        }
        names << name.toLatin1();
        Row r{nullptr, 0, 0, 0, quint32(0x0100 + 2 * i), 16, value, 0xFFFF};
        r.bitfield = kind.endsWith(QLatin1Char('B')) ? 1 : 0;
        r.section = kind.startsWith(QLatin1Char('T')) ? 1 : 0;
        r.id = kind == QLatin1String("PV") ? 1 : 0;
        rows << r;
    }
    for (int i = 0; i < rows.size(); ++i)
        rows[i].name = names[i].constData();
    return rows;
}

// The row names of the register lines of one section of a written preset,
// in order; an indirect variable counts once (its address line).
QStringList rowNames(const QByteArray &file, bool pllSection)
{
    static const QRegularExpression line(
        QStringLiteral("^(?:REG|BITFIELD) = [^/]*//(.*?)(?:(?:, bits 0x[0-9A-F]+|, 0x[0-9A-F]+)? = \\d+)?$"));
    QStringList names;
    bool inTiming = false;
    for (const QByteArray &l : file.split('\n')) {
        const QString text = QString::fromLatin1(l).remove(QLatin1Char('\r'));
        if (text.endsWith(QLatin1String("Timing_settings]")) || text == QLatin1String("//Timing_settings"))
            inTiming = true;
        const QRegularExpressionMatch m = line.match(text);
        if (m.hasMatch() && !m.captured(1).startsWith(QLatin1Char(' ')) && inTiming != pllSection)
            names << m.captured(1);
    }
    return names;
}

// A PLL section with the lines a sensor inserts into it.
struct Insertion {
    const char *title;
    const char *sample;
    int contexts;
    std::function<void(Pallador &)> setUp;
    QByteArray pll;
};

QVector<Insertion> insertions()
{
    QVector<Insertion> v;
    // The lock poll goes before the first lock field of register 0x0014,
    // whatever its value, not before the enable field.
    v.append({"lock poll", "Vek124", 1,
              [](Pallador &w) {
                  setRows(w, {
                                 {"pll_control", 1, 0, 0, 0x0014, 16, 0, 0x0002},
                                 {"pll_control", 1, 0, 0, 0x0014, 16, 1, 0x0001},
                                 {"pll_control", 1, 0, 0, 0x0014, 16, 0, 0x0001},
                             });
              },
              "[PLL_settings]\r\n"
              "BITFIELD = 0x0014, 0x0002, 0x0000\t//pll_control, bits 0x0002 = 0\r\n"
              "POLL_FIELD=pll_control, pll_lock, ==0, DELAY=10, TIMEOUT=100\r\n"
              "BITFIELD = 0x0014, 0x0001, 0x0001\t//pll_control, bits 0x0001 = 1\r\n"
              "BITFIELD = 0x0014, 0x0001, 0x0000\t//pll_control, bits 0x0001 = 0\r\n"});
    // The master clock in whole hertz, truncated.
    v.append({"master clock", "Vek104", 2,
              [](Pallador &w) {
                  w.calvex->brel_102->pll.outputClock = 12.3456789;
                  setRows(w, {{"PLL_DIV", 0, 0, 0, 0x0010, 16, 0x0112, 0xFFFF}});
              },
              "[PLL_settings]\r\n"
              "STATE = Master Clock, 12345678\r\n"
              "REG = 0x0010, 0x0112\t\t//PLL_DIV = 274\r\n"});
    v.append({"delays", "Sarn115", 1,
              [](Pallador &w) {
                  setRows(w, {
                                 {"PLL_DIV", 0, 0, 0, 0x0012, 16, 0x0053, 0xFFFF},
                                 {"PLL_CONTROL", 0, 0, 0, 0x0010, 16, 0x0053, 0xFFFF},
                             });
              },
              "[PLL_settings]\r\n"
              "REG = 0x0012, 0x0053\t\t//PLL_DIV = 83\r\n"
              "DELAY=1\r\n"
              "REG = 0x0010, 0x0053\t\t//PLL_CONTROL = 83\r\n"
              "DELAY=200\r\n"});
    return v;
}

} // namespace

class TestIniPresetRules : public QObject {
    Q_OBJECT

private slots:
    void addressRules_data();
    void addressRules();
    void sampleVariableAddresses_data();
    void sampleVariableAddresses();
    void rowRules_data();
    void rowRules();

    void sarn116kResetAndFixUp_data();
    void sarn116kResetAndFixUp();
    void sarn113kLinesKeepTheirCarriageReturns();
    void sarn105kDelays_data();
    void sarn105kDelays();
    void vek123RunningMode_data();
    void vek123RunningMode();
    void vek145lPairs_data();
    void vek145lPairs();
    void vek113mGroupComments_data();
    void vek113mGroupComments();
    void pllStartUpLines_data();
    void pllStartUpLines();
    void vek135HeaderNoteAndSequencer();
    void pllInsertions_data();
    void pllInsertions();
    void holv101HeadingsAndStateLines();
};

void TestIniPresetRules::addressRules_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("direct"); // the variable access mode
    QTest::addColumn<QByteArray>("timing");

    // A timing variable of page 3 at 0x0420, direct: at its logical address
    // on the sensors of the logical-address group (both ends of its ranges
    // and every single entry), at the address + 0x8000 elsewhere.
    const QByteArray logical = "REG = 0x8C20, 0x0035\t\t//v = 53\r\n";
    const QByteArray offset = "REG = 0x8420, 0x0035\t\t//v = 53\r\n";
    for (const char *sample : {"Tolm104m", "Tolm108t", "Sarn105k", "Vek124", "Pirn106", "Sarn116k", "Yorm101t",
                               "Yorm106m", "Sarn104k", "Sarn107k"})
        QTest::newRow(sample) << sample << true << logical;
    QTest::newRow("Sarn102, outside the group") << "Sarn102" << true << offset;

    // Indirect: through the address and data registers, paged by 0x100 from
    // 0x2000 on four image processors, one of them with the registers on
    // page 1; the usual logical address elsewhere.
    const QByteArray paged = "REG = 0x098E, 0x2320\t\t//v\r\nREG = 0x0990, 0x0035\t\t//      = 53\r\n";
    QTest::newRow("Sarn108kj, indirect") << "Sarn108kj" << false
                                         << QByteArray("REG = 1, 0x098E, 0x2320\t\t//v\r\n"
                                                       "REG = 1, 0x0990, 0x0035\t\t//      = 53\r\n");
    for (const char *sample : {"Sarn103k", "Tolm109", "Sarn110k"})
        QTest::newRow(qPrintable(QStringLiteral("%1, indirect").arg(QLatin1String(sample))))
            << sample << false << paged;
    QTest::newRow("Sarn113k, indirect outside the paged group")
        << "Sarn113k" << false << QByteArray("REG = 0x098E, 0x0C20\t\t//v\r\nREG = 0x0990, 0x0035\t\t//      = 53\r\n");
}

// The address a firmware variable is written at, by sensor and access mode:
// timing variables as the table of cases says, PLL variables at their
// logical address on every sensor.
void TestIniPresetRules::addressRules()
{
    QFETCH(QString, sample);
    QFETCH(bool, direct);
    QFETCH(QByteArray, timing);
    Session s(sample);
    Pallador &w = s.w();
    w.varAccessMode = direct ? 1 : 0;
    w.varAddrReg = 0x098E;
    w.varDataReg = 0x0990;
    setTexts(w, {});
    setRows(w, {
                   {"p", 0, 0, 2, 0x0412, 16, 5, 0xFFFF},
                   {"v", 0, 1, 3, 0x0420, 16, 0x35, 0xFFFF},
               });
    const QByteArray file = writePreset(w, s.path(QStringLiteral("p.ini")));
    const int timingStart = file.indexOf("[Timing_settings]\r\n");
    QVERIFY2(timingStart > 0, file.constData());
    const int pllStart = file.indexOf("[PLL_settings]\r\n");
    const QByteArray pll = file.mid(pllStart, timingStart - pllStart);
    QVERIFY2(pll.contains("REG = 0x8812, 0x0005\t\t//p = 5\r\n"), pll.constData());
    const QByteArray section = file.mid(timingStart);
    QVERIFY2(section.contains(timing), (timing + "not in\n" + section).constData());
}

void TestIniPresetRules::sampleVariableAddresses_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("address"); // the logical address the preset writes it at
    // One sample of every register table with variables at offsets of 0x100
    // and more on a page: the whole ten-bit offset goes into the address.
    QTest::newRow("Tolm104m") << "Tolm104m" << "cam_sysctl_pll_divider_m_n" << "0xC982";
    QTest::newRow("Tolm101m") << "Tolm101m" << "cam_sysctl_pll_divider_m_n" << "0xC964";
    QTest::newRow("Pirn106") << "Pirn106" << "cam_sysctl_pll_divider_m_n" << "0xCA14";
    QTest::newRow("Yorm101t") << "Yorm101t" << "cam_sysctl_pll_divider_m_n_1_clk" << "0xCA88";
    QTest::newRow("Yorm102m") << "Yorm102m" << "cam_sysctl_pll_divider_m_n_2_clk" << "0xCA8A";
    QTest::newRow("Yorm105m") << "Yorm105m" << "cam_sysctl_pll_divider_m_n_1_clk" << "0xCACA";
    QTest::newRow("Yorm106m") << "Yorm106m" << "cam_sysctl_pll_divider_m_n_2_clk" << "0xCACC";
    QTest::newRow("Sarn107k, timing section") << "Sarn107k" << "cam_sysctl_pll_divider_m_n" << "0xC980";
}

// A sample's own firmware variable, as its calculation left it, is written
// at its logical address with the value the register view shows.
void TestIniPresetRules::sampleVariableAddresses()
{
    QFETCH(QString, sample);
    QFETCH(QString, variable);
    QFETCH(QString, address);
    Session s(sample);
    Pallador &w = s.w();
    const REGS_DESC_T *row = nullptr;
    for (int i = 0; i < w.regCount && !row; ++i) {
        if (w.regs[i].name == variable)
            row = &w.regs[i];
    }
    QVERIFY(row);
    QVERIFY(row->id > 0 && (row->address & 0x3FF) >= 0x100);
    const QByteArray file = writePreset(w, s.path(QStringLiteral("p.ini")));
    const QRegularExpression line(QStringLiteral("^REG = (0x[0-9A-F]+), 0x([0-9A-F]+)\\t\\t//%1 = \\d+\\r$")
                                      .arg(QRegularExpression::escape(variable)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(QString::fromLatin1(file));
    QVERIFY2(m.hasMatch(), file.constData());
    QCOMPARE(m.captured(1), address);
    QCOMPARE(m.captured(2).toUInt(nullptr, 16), row->value);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestIniPresetRules::rowRules_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("options"); // "if=N", "useReg", "hdr=N", "rev=N", "indirect"
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("pll");
    QTest::addColumn<QStringList>("timing");

    const QStringList resetAndInterface = {"P RESET_REGISTER", "P FRAME_PREAMBLE", "P MIPI_TIMING_0",
                                           "P RESET_REGISTER", "P PLL_MULTIPLIER", "PB RESET_REGISTER",
                                           "PB FRAME_PREAMBLE"};
    QTest::newRow("A serial: reset rule")
        << "Vek117m"
        << "if=1" << resetAndInterface << QStringList{"RESET_REGISTER", "FRAME_PREAMBLE", "MIPI_TIMING_0",
                                                      "PLL_MULTIPLIER", "RESET_REGISTER", "FRAME_PREAMBLE"}
        << QStringList{};
    QTest::newRow("A parallel: no interface rows")
        << "Vek111m"
        << "if=0" << resetAndInterface
        << QStringList{"RESET_REGISTER", "PLL_MULTIPLIER", "RESET_REGISTER", "FRAME_PREAMBLE"} << QStringList{};
    QTest::newRow("A: reset row not first") << "Vek119t"
                                            << "if=1" << QStringList{"P PLL_MULTIPLIER", "P RESET_REGISTER"}
                                            << QStringList{"PLL_MULTIPLIER"} << QStringList{};
    const QStringList interfaceRows = {"P RESET_REGISTER", "P FRAME_PREAMBLE", "P LINE_PREAMBLE", "P MIPI_TIMING_4",
                                       "P RESET_REGISTER", "P PLL_MULTIPLIER", "PB LINE_PREAMBLE"};
    QTest::newRow("B first interface: all")
        << "Vek138m"
        << "if=0" << interfaceRows << QStringList{"RESET_REGISTER", "FRAME_PREAMBLE", "LINE_PREAMBLE", "MIPI_TIMING_4",
                                                  "RESET_REGISTER", "PLL_MULTIPLIER", "LINE_PREAMBLE"}
        << QStringList{};
    QTest::newRow("B other interface: no interface rows")
        << "Vek146m"
        << "if=1" << interfaceRows << QStringList{"RESET_REGISTER", "RESET_REGISTER", "PLL_MULTIPLIER", "LINE_PREAMBLE"}
        << QStringList{};
    const QStringList resetControl = {"P Reset and Misc Control", "P PLL_CONTROL", "T Reset and Misc Control"};
    QTest::newRow("69 parallel") << "Sarn113k"
                                 << "if=0" << resetControl << QStringList{"PLL_CONTROL"}
                                 << QStringList{"Reset and Misc Control"};
    QTest::newRow("69 serial") << "Sarn113k"
                               << "if=1" << resetControl << QStringList{"Reset and Misc Control", "PLL_CONTROL"}
                               << QStringList{"Reset and Misc Control"};
    const QStringList vek118 = {"P RESET_REGISTER", "P FRAME_PREAMBLE", "P LINE_PREAMBLE",
                                "P MIPI_TIMING_0",  "P MIPI_TIMING_4",  "P RESET_REGISTER",
                                "PB MIPI_F1_PDT",   "PB MIPI_F3_VC",    "PB MIPI_TIMING_0"};
    QTest::newRow("75 parallel: preambles stay")
        << "Vek118m"
        << "if=0" << vek118 << QStringList{"RESET_REGISTER", "FRAME_PREAMBLE", "LINE_PREAMBLE", "MIPI_TIMING_0"}
        << QStringList{};
    QTest::newRow("75 serial") << "Vek118m"
                               << "if=1" << vek118
                               << QStringList{"RESET_REGISTER", "FRAME_PREAMBLE", "LINE_PREAMBLE", "MIPI_TIMING_0",
                                              "MIPI_TIMING_4",  "MIPI_F1_PDT",    "MIPI_F3_VC",    "MIPI_TIMING_0"}
                               << QStringList{};
    const QStringList streams = {"PB MIPI_F1_PDT", "PB MIPI_F4_VC", "PB MIPI_CONTROL", "P MIPI_F2_PDT"};
    QTest::newRow("D first interface") << "Vek114d"
                                       << "if=0" << streams
                                       << QStringList{"MIPI_F1_PDT", "MIPI_F4_VC", "MIPI_CONTROL", "MIPI_F2_PDT"}
                                       << QStringList{};
    QTest::newRow("D other interface") << "Vek113m"
                                       << "if=1" << streams << QStringList{"MIPI_CONTROL", "MIPI_F2_PDT"}
                                       << QStringList{};
    QTest::newRow("C parallel") << "Vek131m"
                                << "if=0" << streams << QStringList{"MIPI_CONTROL", "MIPI_F2_PDT"} << QStringList{};
    QTest::newRow("no group: every row")
        << "Sarn109"
        << "if=0" << QStringList{"P RESET_REGISTER", "P MIPI_TIMING_0", "P RESET_REGISTER", "PB MIPI_F1_PDT"}
        << QStringList{"RESET_REGISTER", "MIPI_TIMING_0", "RESET_REGISTER", "MIPI_F1_PDT"} << QStringList{};
    const QStringList secondClock = {"PV cam_sysctl_pll_divider_m_n_2_clk", "PV cam_sysctl_pll_divider_p_2_clk",
                                     "PV cam_sysctl_pll_fraction_2_clk", "PV cam_sysctl_pll_divider_m_n",
                                     "P cam_sysctl_pll_divider_p_2_clk"};
    QTest::newRow("57 second revision") << "Yorm105m"
                                        << "rev=2" << secondClock
                                        << QStringList{"cam_sysctl_pll_divider_m_n", "cam_sysctl_pll_divider_p_2_clk"}
                                        << QStringList{};
    QTest::newRow("57 first revision") << "Yorm105m"
                                       << "rev=1" << secondClock
                                       << QStringList{"cam_sysctl_pll_divider_m_n_2_clk",
                                                      "cam_sysctl_pll_divider_p_2_clk", "cam_sysctl_pll_fraction_2_clk",
                                                      "cam_sysctl_pll_divider_m_n", "cam_sysctl_pll_divider_p_2_clk"}
                                       << QStringList{};
    QTest::newRow("58 third revision") << "Yorm106m"
                                       << "rev=3" << secondClock
                                       << QStringList{"cam_sysctl_pll_divider_m_n", "cam_sysctl_pll_divider_p_2_clk"}
                                       << QStringList{};
    const QStringList exposures = {"T COARSE_INTEGRATION_TIME", "T COARSE_INTEGRATION_TIME2",
                                   "T COARSE_INTEGRATION_TIME3", "T COARSE_INTEGRATION_TIME4",
                                   "TB COARSE_INTEGRATION_TIME2"};
    QTest::newRow("E without registers") << "Vek107m"
                                         << "" << exposures << QStringList{}
                                         << QStringList{"COARSE_INTEGRATION_TIME", "COARSE_INTEGRATION_TIME2"};
    QTest::newRow("E with registers") << "Vek112m"
                                      << "useReg" << exposures << QStringList{}
                                      << QStringList{"COARSE_INTEGRATION_TIME", "COARSE_INTEGRATION_TIME2",
                                                     "COARSE_INTEGRATION_TIME3", "COARSE_INTEGRATION_TIME4",
                                                     "COARSE_INTEGRATION_TIME2"};
    QTest::newRow("E indirect: no rules")
        << "Vek110m"
        << "indirect" << exposures << QStringList{}
        << QStringList{"COARSE_INTEGRATION_TIME", "COARSE_INTEGRATION_TIME2", "COARSE_INTEGRATION_TIME3",
                       "COARSE_INTEGRATION_TIME4", "COARSE_INTEGRATION_TIME2"};
    QTest::newRow("not E: exposures stay")
        << "Vek119m"
        << "" << exposures << QStringList{}
        << QStringList{"COARSE_INTEGRATION_TIME", "COARSE_INTEGRATION_TIME2", "COARSE_INTEGRATION_TIME3",
                       "COARSE_INTEGRATION_TIME4", "COARSE_INTEGRATION_TIME2"};
    const QStringList fine = {"T FINE_INTEGRATION_TIME=0",   "T FINE_INTEGRATION_TIME2=0",
                              "T FINE_INTEGRATION_TIME3=1",  "T FINE_INTEGRATION_TIME4=0",
                              "TB FINE_INTEGRATION_TIME2=0", "T COARSE_INTEGRATION_TIME=0",
                              "P FINE_INTEGRATION_TIME=0"};
    QTest::newRow("85 fine rows of value 0")
        << "Vek113m"
        << "if=0" << fine << QStringList{"FINE_INTEGRATION_TIME"}
        << QStringList{"FINE_INTEGRATION_TIME3", "FINE_INTEGRATION_TIME2", "COARSE_INTEGRATION_TIME"};
    QTest::newRow("fine rows of value 0 elsewhere")
        << "Vek107m"
        << "" << fine << QStringList{"FINE_INTEGRATION_TIME"}
        << QStringList{"FINE_INTEGRATION_TIME",  "FINE_INTEGRATION_TIME2", "FINE_INTEGRATION_TIME3",
                       "FINE_INTEGRATION_TIME4", "FINE_INTEGRATION_TIME2", "COARSE_INTEGRATION_TIME"};
    const QStringList hdrRows = {"T COARSE_INTEGRATION_TIME",  "T COARSE_INTEGRATION_TIME2",
                                 "T COARSE_INTEGRATION_TIME3", "T FINE_INTEGRATION_TIME2",
                                 "T FINE_INTEGRATION_TIME3",   "T EXPOSURE RATIO",
                                 "T COARSE_INTEGRATION_TIME4", "TB EXPOSURE RATIO"};
    QTest::newRow("94 HDR off") << "Vek114d"
                                << "hdr=0" << hdrRows << QStringList{}
                                << QStringList{"COARSE_INTEGRATION_TIME", "COARSE_INTEGRATION_TIME4", "EXPOSURE RATIO"};
    QTest::newRow("94 HDR on") << "Vek114d"
                               << "hdr=1" << hdrRows << QStringList{}
                               << QStringList{"COARSE_INTEGRATION_TIME",  "COARSE_INTEGRATION_TIME2",
                                              "COARSE_INTEGRATION_TIME3", "FINE_INTEGRATION_TIME2",
                                              "FINE_INTEGRATION_TIME3",   "EXPOSURE RATIO",
                                              "COARSE_INTEGRATION_TIME4", "EXPOSURE RATIO"};
    QTest::newRow("27 indirect: pixel clock stays, output control moves")
        << "Pirn106"
        << "indirect"
        << QStringList{"P PLL_DIV", "PV cam_port_output_control", "T cam_sensor_cfg_pixclk", "T cam_output_width"}
        << QStringList{"PLL_DIV"}
        << QStringList{"cam_sensor_cfg_pixclk", "cam_output_width", "cam_port_output_control"};
    QTest::newRow("30 sequencer ports") << "Sarn112"
                                        << "if=1"
                                        << QStringList{"T SEQ_CTRL_PORT", "T SEQ_DATA_PORT", "T Y_ADDR_START",
                                                       "TB SEQ_CTRL_PORT"}
                                        << QStringList{} << QStringList{"Y_ADDR_START", "SEQ_CTRL_PORT"};
}

void TestIniPresetRules::rowRules()
{
    QFETCH(QString, sample);
    QFETCH(QString, options);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, pll);
    QFETCH(QStringList, timing);
    Session s(sample);
    Pallador &w = s.w();
    w.useReg = false;
    w.varAccessMode = 1;
    for (const QString &option : options.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int value = option.section(QLatin1Char('='), 1).toInt();
        if (option.startsWith(QLatin1String("if=")))
            w.interfaceIndex = value;
        else if (option == QLatin1String("useReg"))
            w.useReg = true;
        else if (option == QLatin1String("indirect"))
            w.varAccessMode = 0;
        else if (option.startsWith(QLatin1String("hdr=")))
            w.calvex->vek_114->ctx[0].hdrMode = value;
        else if (option.startsWith(QLatin1String("rev=")))
            (w.sensorIndex == 57 ? static_cast<CFamilyCore *>(w.calvex->yorm_105) : w.calvex->yorm_106)->pll.revision =
                value;
    }
    QList<QByteArray> names;
    setRows(w, parseRows(rows, names));
    setTexts(w, {});
    const QByteArray file = writePreset(w, s.path(QStringLiteral("rules.ini")));
    QCOMPARE(rowNames(file, true), pll);
    QCOMPARE(rowNames(file, false), timing);
}

// ---------------------------------------------------------------------------
// Command blocks.

void TestIniPresetRules::sarn116kResetAndFixUp_data()
{
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<QByteArray>("fixUp");
    QTest::newRow("parallel: reset and poll lines only") << 0 << QByteArray();
    QTest::newRow("serial: MIPI fix-up") << 1
                                         << QByteArray("\r\n"
                                                       "[MIPI Fix-up]\r\n"
                                                       "//General fix-up.\r\n"
                                                       "REG = 0x098E, 0\r\n"
                                                       "REG = 0x301A, 0x0030, 1\t//RESET_REGISTER\r\n"
                                                       "REG = 0x316C, 0xB430, 1\t//Sensor Char settings\r\n"
                                                       "REG = 0x31E0, 0x0003, 1\t//Sensor Char settings\r\n"
                                                       "REG = 0x3E2E, 0xF319, 1\t//Sensor Char settings\r\n"
                                                       "REG = 0x3EE6, 0xA7C1, 1\t//Sensor Char settings\r\n"
                                                       "REG = 0x301E, 0x00A8, 1\t//DATA_PEDESTAL_\r\n"
                                                       "REG = 0xDC33, 0x002A, 1\t//SYS_FIRST_BLACK_LEVEL\r\n"
                                                       "REG = 0x3812, 0x212C, 1\t//OTPM Comparator\r\n"
                                                       "\r\n"
                                                       "//MIPI only fix-up.\r\n"
                                                       "REG = 0x3400, 0x7A26\t//MIPI_CONTROL (into standby)\r\n"
                                                       "POLL_REG = 0x3402,0x0001,==0x0000,DELAY=3,TIMEOUT=100\r\n"
                                                       "REG = 0x340A, 0x001F\t//TXSS_MIPI_CONTROL_ADDL\r\n"
                                                       "REG = 0x3410, 0x0a0b\t//MIPI_TIMING_T_HS_ZERO\r\n"
                                                       "REG = 0x3412, 0x0000\t//MIPI_TIMING_T_HS_EXIT_HS_TRAIL\r\n"
                                                       "REG = 0x3414, 0x1f2e3\t//MIPI_TIMING_T_CLK_POST_CLK_PRE\r\n"
                                                       "REG = 0x3416, 0x0003\t//MIPI_T_CLK_TRAIL_CLK_ZERO\r\n"
                                                       "REG = 0x3418, 0x0004\t//MIPI_TIMING_T_LPX\r\n"
                                                       "REG = 0x341A, 0x0005\t//MIPI_INIT_TIMING\r\n"
                                                       "REG = 0x3CA0, 0x0006\t//TXSS_PARAMETERS\r\n"
                                                       "REG = 0x3CA2, 0x0007\t//TXC_PARAMETERS\r\n"
                                                       "REG = 0x3CAA, 0xabcd\t//TXC_TIMING\r\n"
                                                       "REG = 0x3400, 0x7A24\t//MIPI_CONTROL (out of standby)\r\n"
                                                       "POLL_REG= 0x3402,0x0001,==0x0001,DELAY=3,TIMEOUT=100\r\n"
                                                       "REG = 0xC8D4, 0x0000\t//CAM_OUTPUT_1_MIPI_CHANNEL\r\n"
                                                       "REG = 0xD822, 0x4710\t//JPEG_JPSS_CTRL_VAR\r\n");
}

void TestIniPresetRules::sarn116kResetAndFixUp()
{
    QFETCH(int, interfaceIndex);
    QFETCH(QByteArray, fixUp);
    Session s(QStringLiteral("Sarn116k"));
    Pallador &w = s.w();
    w.interfaceIndex = interfaceIndex;
    const quint32 timings[9] = {0xA0B, 0, 0x1F2E3, 3, 4, 5, 6, 7, 0xABCD};
    std::copy(timings, timings + 9, w.calvex->murn_111->mipiTimings);
    setTexts(w, {});
    setRows(w, {
                   {"PLL_DIVS", 0, 0, 0, 0x0010, 16, 0x0110, 0xFFFF},
                   {"STANDBY_CONTROL", 0, 0, 0, 0x0018, 16, 0x2008, 0xFFFF},
               });
    COMPARE_BYTES(writePreset(w, s.path(QStringLiteral("p.ini"))),
                  presetFile(emptyHeader("Sarn116k", 2),
                             "[PLL_settings]\r\n"
                             "STATE= Sensor Reset, 1\r\n"
                             "STATE= Sensor Reset, 0\r\n"
                             "REG = 0x0010, 0x0110\t\t//PLL_DIVS = 272\r\n"
                             "POLL_REG = 0x0018, 0xE07F, !=0x200C, DELAY=5, TIMEOUT=50\r\n"
                             "REG = 0x0018, 0x2008\t\t//STANDBY_CONTROL = 8200\r\n" +
                                 fixUp,
                             "[Timing_settings]\r\n"));
}

// The two inserted poll lines carry their own carriage return: CR CR LF in
// the file. The notes give the library's period lines in signed decimal.
void TestIniPresetRules::sarn113kLinesKeepTheirCarriageReturns()
{
    Session s(QStringLiteral("Sarn113k"));
    Pallador &w = s.w();
    w.pllBypass = false;
    w.interfaceIndex = 1;
    qint32 *lines = w.calvex->murn_110->fdUsedPeriodLines60Hz;
    lines[0] = -3;
    lines[1] = 1200;
    lines[2] = 0;
    setTexts(w, {});
    setRows(w, {
                   {"Reset and Misc Control", 0, 0, 0, 0x001A, 16, 0x0218, 0xFFFF},
                   {"PLL_CONTROL", 0, 0, 0, 0x0014, 16, 0x0046, 0xFFFF},
                   {"FRAME_LINES", 0, 1, 0, 0x0020, 16, 0x0400, 0xFFFF},
               });
    COMPARE_BYTES(writePreset(w, s.path(QStringLiteral("p.ini"))),
                  presetFile(emptyHeader("Sarn113k", 2),
                             "[PLL_settings]\r\n"
                             "REG = 0x001A, 0x0218\t\t//Reset and Misc Control = 536\r\n"
                             "POLL_REG=0x0014,0x8000,==0x0000,DELAY=10,TIMEOUT=1000 // Wait for the PLL to lock\r\r\n"
                             "REG = 0x0014, 0x0046\t\t//PLL_CONTROL = 70\r\n"
                             "POLL_REG=0x0018,0x4000,==1,DELAY=10,TIMEOUT=1000 // Wait for FW initialization "
                             "complete\r\r\n",
                             "[Timing_settings]\r\n"
                             "REG = 0x0020, 0x0400\t\t//FRAME_LINES = 1024\r\n"
                             "\r\n"
                             "//Note:\r\n"
                             "//previewFd_UsedPeriodLines60Hz = -3\r\n"
                             "//captureFd_UsedPeriodLines60Hz = 1200\r\n"
                             "//videoFd_UsedPeriodLines60Hz = 0\r\n"));

    // With the PLL bypassed there is no lock to wait for.
    w.pllBypass = true;
    const QByteArray bypassed = writePreset(w, s.path(QStringLiteral("p.ini")));
    QVERIFY(!bypassed.contains("Wait for the PLL to lock"));
    QVERIFY(bypassed.contains("REG = 0x0014, 0x0046\t\t//PLL_CONTROL = 70\r\n"
                              "POLL_REG=0x0018,0x4000,==1,DELAY=10,TIMEOUT=1000 // Wait for FW initialization "
                              "complete\r\r\n\r\n\r\n[Timing_settings]"));
}

void TestIniPresetRules::sarn105kDelays_data()
{
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<QByteArray>("poll"); // value of the 0x0042 row
    QTest::addColumn<quint32>("control"); // value of the 0x001A row
    QTest::addColumn<QByteArray>("pll");

    const QByteArray heading = "[PLL_settings]\r\n";
    const QByteArray poll = "POLL_REG = 0x0018, 0x4000, !=0, DELAY=10, TIMEOUT=10\r\n";
    QTest::newRow("serial") << 1 << QByteArray("0xFFF3") << 0x0564u
                            << heading + poll +
                                   "REG = 0x0042, 0xFFF3\t\t//PAD_SLEW = 65523\r\n"
                                   "REG = 0x001A, 0x0564\t\t//Reset and Misc Control = 1380\r\n"
                                   "DELAY = 50\r\n"
                                   "REG = 0x0016, 0x0001\t\t//CLOCKS_CONTROL = 1\r\n";
    QTest::newRow("parallel") << 0 << QByteArray("0xFFFF") << 0x0364u
                              << heading + poll +
                                     "REG = 0x0042, 0xFFFF\t\t//PAD_SLEW = 65535\r\n"
                                     "REG = 0x001A, 0x0364\t\t//Reset and Misc Control = 868\r\n"
                                     "DELAY = 50\r\n"
                                     "REG = 0x0016, 0x0001\t\t//CLOCKS_CONTROL = 1\r\n";
    QTest::newRow("second anchor missing") << 0 << QByteArray("0xFFFF") << 0x0564u
                                           << heading + poll +
                                                  "REG = 0x0042, 0xFFFF\t\t//PAD_SLEW = 65535\r\n"
                                                  "REG = 0x001A, 0x0564\t\t//Reset and Misc Control = 1380\r\n"
                                                  "REG = 0x0016, 0x0001\t\t//CLOCKS_CONTROL = 1\r\n";
    QTest::newRow("both anchors missing") << 1 << QByteArray("0xFFFF") << 0x0364u
                                          << heading + "REG = 0x0042, 0xFFFF\t\t//PAD_SLEW = 65535\r\n"
                                                       "REG = 0x001A, 0x0364\t\t//Reset and Misc Control = 868\r\n"
                                                       "REG = 0x0016, 0x0001\t\t//CLOCKS_CONTROL = 1\r\n";
}

void TestIniPresetRules::sarn105kDelays()
{
    QFETCH(int, interfaceIndex);
    QFETCH(QByteArray, poll);
    QFETCH(quint32, control);
    QFETCH(QByteArray, pll);
    Session s(QStringLiteral("Sarn105k"));
    Pallador &w = s.w();
    w.interfaceIndex = interfaceIndex;
    setTexts(w, {});
    setRows(w, {
                   {"PAD_SLEW", 0, 0, 0, 0x0042, 16, poll.toUInt(nullptr, 16), 0xFFFF},
                   {"Reset and Misc Control", 0, 0, 0, 0x001A, 16, control, 0xFFFF},
                   {"CLOCKS_CONTROL", 0, 0, 0, 0x0016, 16, 1, 0xFFFF},
               });
    COMPARE_BYTES(writePreset(w, s.path(QStringLiteral("p.ini"))),
                  presetFile(emptyHeader("Sarn105k", 1), pll, "[Timing_settings]\r\n"));
}

void TestIniPresetRules::vek123RunningMode_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("hdr");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<QByteArray>("pll");
    QTest::addColumn<QByteArray>("timing");

    const QByteArray start = "[Running Mode]\r\n"
                             "REG = 0x301A, 0x0001\t\t//RESET_REGISTER = 1\r\n"
                             "DELAY = 200\r\n"
                             "LOAD = Sequence\r\n"
                             "LOAD = Default\r\n"
                             "LOAD = PLL_settings\r\n"
                             "LOAD = Timing_settings\r\n";
    const QByteArray section = "[PLL_settings]\r\n"
                               "XMCLK = 27000000\r\n"
                               "REG = 0x302E, 0x0002\t\t//PRE_PLL_CLK_DIV = 2\r\n";
    QTest::newRow("HDR off, parallel") << "Vek123m" << 0 << 0 << start + "\r\n\r\n" + section
                                       << QByteArray("[Timing_settings]\r\n"
                                                     "REG = 0x3002, 0x0008\t\t//Y_ADDR_START = 8\r\n"
                                                     "REG = 0x301A, 0x10D8\r\n"
                                                     "REG = 0x301A, 0x10DC\t\t//RESET_REGISTER = 4316\r\n");
    QTest::newRow("HDR on, serial") << "Vek123d" << 1 << 1 << start + "LOAD = Raw Image Format\r\n\r\n\r\n" + section
                                    << QByteArray("[Timing_settings]\r\n"
                                                  "REG = 0x3002, 0x0008\t\t//Y_ADDR_START = 8\r\n"
                                                  "REG = 0x301A, 0x10DC\t\t//RESET_REGISTER = 4316\r\n"
                                                  "\r\n"
                                                  "[Raw Image Format]\r\n"
                                                  "IMAGE= 3840, 1080, BAYER-2\r\n");
}

// The running-mode block before the PLL heading, the master clock as the
// section's first line, the raw-image section with HDR, the extra reset
// write on the parallel interface, and the library's default settings and
// sequencer at the end.
void TestIniPresetRules::vek123RunningMode()
{
    QFETCH(QString, sample);
    QFETCH(int, hdr);
    QFETCH(int, interfaceIndex);
    QFETCH(QByteArray, pll);
    QFETCH(QByteArray, timing);
    Session s(sample);
    Pallador &w = s.w();
    w.interfaceIndex = interfaceIndex;
    Vek_123 *family = w.calvex->vek_123;
    family->rawHdrFlag = hdr;
    family->rawMasterClock = 27.5;
    family->rawExposureCount = 2;
    family->rawWidth = 1920;
    family->rawHeight = 1080;
    family->rawBayer = 2;
    setTexts(w, {});
    setRows(w, {
                   {"PRE_PLL_CLK_DIV", 0, 0, 0, 0x302E, 16, 2, 0x3F},
                   {"Y_ADDR_START", 0, 1, 0, 0x3002, 16, 8, 0xFFFF},
                   {"RESET_REGISTER", 0, 1, 0, 0x301A, 16, 0x10DC, 0xFFFF},
               });
    QString library = QStringLiteral("\n") + family->GetDefaultSetting(w.configPath).join(QString()) +
                      QStringLiteral("\n\n") + family->GetSequencer(w.configPath).join(QString());
    library.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    QVERIFY(library.size() > 6);
    COMPARE_BYTES(writePreset(w, s.path(QStringLiteral("p.ini"))),
                  presetFile(emptyHeader(sample.toLatin1().constData(), 1), pll, timing + library.toLatin1()));
}

void TestIniPresetRules::vek145lPairs_data()
{
    QTest::addColumn<int>("revIndex");
    QTest::addColumn<QByteArray>("timing");
    QTest::newRow("first revision: second pair removed")
        << 0
        << QByteArray("[Timing_settings]\r\n"
                      "//REG = 0x30E2, 0x0000\t\t//SERIAL_WRITE_INDEX_D = 0\r\n"
                      "//REG = 0x3F74, 0x0003\t\t//SENSOR_CONTROL_D = 3\r\n"
                      "//REG = 0x30E2, 0x0000\t\t//SERIAL_WRITE_INDEX_A = 0\r\n"
                      "REG = 0x3F74, 0x0000\t\t//SENSOR_CONTROL_A = 0\r\n"
                      "REG = 0x3000, 0x0007\t\t//LAST = 7\r\n");
    QTest::newRow("later revision: second pair commented out")
        << 1
        << QByteArray("[Timing_settings]\r\n"
                      "//REG = 0x30E2, 0x0000\t\t//SERIAL_WRITE_INDEX_D = 0\r\n"
                      "//REG = 0x3F74, 0x0003\t\t//SENSOR_CONTROL_D = 3\r\n"
                      "//REG = 0x30E2, 0x0000\t\t//SERIAL_WRITE_INDEX_S = 0\r\n"
                      "//REG = 0x3F74, 0x0001\t\t//SENSOR_CONTROL_S = 1\r\n"
                      "//REG = 0x30E2, 0x0000\t\t//SERIAL_WRITE_INDEX_A = 0\r\n"
                      "REG = 0x3F74, 0x0000\t\t//SENSOR_CONTROL_A = 0\r\n"
                      "REG = 0x3000, 0x0007\t\t//LAST = 7\r\n");
}

void TestIniPresetRules::vek145lPairs()
{
    QFETCH(int, revIndex);
    QFETCH(QByteArray, timing);
    Session s(QStringLiteral("Vek145l"));
    Pallador &w = s.w();
    w.revIndex = revIndex;
    w.varAccessMode = 1;
    setTexts(w, {});
    setRows(w, {
                   {"SERIAL_WRITE_INDEX_D", 0, 1, 0, 0x30E2, 16, 0, 0xFFFF},
                   {"SENSOR_CONTROL_D", 0, 1, 0, 0x3F74, 16, 3, 0xFFFF},
                   {"SERIAL_WRITE_INDEX_S", 0, 1, 0, 0x30E2, 16, 0, 0xFFFF},
                   {"SENSOR_CONTROL_S", 0, 1, 0, 0x3F74, 16, 1, 0xFFFF},
                   {"SERIAL_WRITE_INDEX_A", 0, 1, 0, 0x30E2, 16, 0, 0xFFFF},
                   {"SENSOR_CONTROL_A", 0, 1, 0, 0x3F74, 16, 0, 0xFFFF},
                   {"LAST", 0, 1, 0, 0x3000, 16, 7, 0xFFFF},
               });
    COMPARE_BYTES(writePreset(w, s.path(QStringLiteral("p.ini"))),
                  presetFile(emptyHeader("Vek145l", 1), "[PLL_settings]\r\n", timing));
}

void TestIniPresetRules::vek113mGroupComments_data()
{
    QTest::addColumn<quint32>("bitfield"); // of the data-path and companding rows
    QTest::addColumn<QByteArray>("dataPath");
    QTest::addColumn<QByteArray>("companding");
    QTest::newRow("rows written as registers")
        << 0u << QByteArray("REG = 0x306E, 0x9010\t\t//DATAPATH_SELECT = 36880\r\n")
        << QByteArray("REG = 0x31D0, 0x0001\t\t//COMPANDING = 1\r\n");
    QTest::newRow("rows written as bit fields")
        << 1u << QByteArray("BITFIELD = 0x306E, 0x0004, 0x9010\t//DATAPATH_SELECT, 0x0004 = 36880\r\n")
        << QByteArray("BITFIELD = 0x31D0, 0x0001, 0x0001\t//COMPANDING, 0x0001 = 1\r\n");
}

// The comments that group the timing registers stand before their rows also
// where a group starts with a row written as a register line.
void TestIniPresetRules::vek113mGroupComments()
{
    QFETCH(quint32, bitfield);
    QFETCH(QByteArray, dataPath);
    QFETCH(QByteArray, companding);
    Session s(QStringLiteral("Vek113m"));
    Pallador &w = s.w();
    w.interfaceIndex = 0;
    w.varAccessMode = 1;
    setTexts(w, {});
    setRows(w, {
                   {"PLL_MULTIPLIER", 0, 0, 0, 0x3030, 16, 0xE0, 0xFF},
                   {"FRAME_PREAMBLE", 0, 0, 0, 0x31B0, 16, 0x6C, 0xFF},
                   {"X_ODD_INC", 0, 1, 0, 0x30A2, 16, 1, 0x7},
                   {"X_ADDR_START", 0, 1, 0, 0x3004, 16, 0, 0xFFF},
                   {"DATAPATH_SELECT", bitfield, 1, 0, 0x306E, 16, 0x9010, 0x4},
                   {"FRAME_LENGTH_LINES", 0, 1, 0, 0x300A, 16, 0x7E5, 0xFFFF},
                   {"FINE_INTEGRATION_TIME_MIN", 0, 1, 0, 0x1008, 16, 0x33D, 0xFFFF},
                   {"COMPANDING", bitfield, 1, 0, 0x31D0, 16, 1, 0x1},
                   {"SERIAL_FORMAT", 0, 1, 0, 0x31AE, 16, 0x204, 0x307},
               });
    COMPARE_BYTES(writePreset(w, s.path(QStringLiteral("p.ini"))),
                  presetFile(emptyHeader("Vek113m", 1),
                             "[PLL_settings]\r\n"
                             "REG = 0x3030, 0x00E0\t\t//PLL_MULTIPLIER = 224\r\n"
                             "\r\n"
                             "//MIPI Port Timing\r\n"
                             "REG = 0x31B0, 0x006C\t\t//FRAME_PREAMBLE = 108\r\n",
                             "[Timing_settings]\r\n"
                             "\r\n"
                             "//Readout Mode Configuration\r\n"
                             "REG = 0x30A2, 0x0001\t\t//X_ODD_INC = 1\r\n"
                             "\r\n"
                             "//FOV Settings\r\n"
                             "REG = 0x3004, 0x0000\t\t//X_ADDR_START = 0\r\n"
                             "\r\n"
                             "//Data Path Settings\r\n" +
                                 dataPath +
                                 "\r\n"
                                 "//Row and Pixel Timing\r\n"
                                 "REG = 0x300A, 0x07E5\t\t//FRAME_LENGTH_LINES = 2021\r\n"
                                 "\r\n"
                                 "//Exposure Settings\r\n"
                                 "REG = 0x1008, 0x033D\t\t//FINE_INTEGRATION_TIME_MIN = 829\r\n"
                                 "\r\n"
                                 "//Output Format\r\n" +
                                 companding + "REG = 0x31AE, 0x0204\t\t//SERIAL_FORMAT = 516\r\n"));
}

void TestIniPresetRules::pllStartUpLines_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("bypass");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<QByteArray>("pll");

    const QByteArray rows = "REG = 0x0010, 0x0112\t\t//PLL_DIVS = 274\r\n"
                            "REG = 0x0012, 0x1FF7\t\t//PLL_P_DIVS = 8183\r\n";
    const QByteArray lock = "REG = 0x0014, 0x244B //PLL control: TEST_BYPASS on = 9291\r\n"
                            "DELAY = 10 // Allow PLL to lock\r\n"
                            "REG = 0x0014, 0x304B //PLL control: PLL_ENABLE on = 12363\r\n"
                            "POLL_REG=0x0014, 0x8000, ==0, DELAY=50, TIMEOUT=20 // Verify PLL lock\r\n"
                            "BITFIELD= 0x14, 1, 0 //PLL_BYPASS_OFF\r\n";
    const QByteArray start = "BITFIELD= 0x14, 1, 1\t// Bypass PLL\r\n"
                             "BITFIELD= 0X14, 2, 0\t// Power-down PLLREG = 0x0014, 0x2446\r\n";
    const QByteArray mipi = "BITFIELD=0x001A, 0x0200, 0\t// Disable parallel output\r\n"
                            "BITFIELD=0x001A, 0x0008, 1\t// Enable MIPI output\r\n"
                            "BITFIELD=0x3400, 0x0200, 1 // MIPI enable\r\n"
                            "BITFIELD=0x321C, 0x0080, 0  // use IFP for TX FIFO\r\n";
    QTest::newRow("PLL on, parallel") << "Sarn103k" << false << 0 << "[PLL_settings]\r\n" + start + rows + lock;
    QTest::newRow("PLL on, serial") << "Tolm109" << false << 1 << "[PLL_settings]\r\n" + start + rows + lock + mipi;
    QTest::newRow("PLL bypassed, serial")
        << "Sarn103k" << true << 1
        << "[PLL_settings]\r\n" + rows + "REG = 0x0014, 0x2446\t//PLL control: BYPASS PLL = 9286\r\n" + mipi;
}

// The PLL is started in steps the viewer executes; the start lines keep
// their established form, the power-down write inside the comment's line.
void TestIniPresetRules::pllStartUpLines()
{
    QFETCH(QString, sample);
    QFETCH(bool, bypass);
    QFETCH(int, interfaceIndex);
    QFETCH(QByteArray, pll);
    Session s(sample);
    Pallador &w = s.w();
    w.pllBypass = bypass;
    w.interfaceIndex = interfaceIndex;
    setTexts(w, {});
    setRows(w, {
                   {"PLL_DIVS", 0, 0, 0, 0x0010, 16, 0x0112, 0xFFFF},
                   {"PLL_P_DIVS", 0, 0, 0, 0x0012, 16, 0x1FF7, 0xFFFF},
               });
    COMPARE_BYTES(writePreset(w, s.path(QStringLiteral("p.ini"))),
                  presetFile(emptyHeader(sample.toLatin1().constData(), 2), pll, "[Timing_settings]\r\n"));
}

// The note on the preset to load first is a header line like the others;
// the library's sequencer closes the timing section of a plain preset.
void TestIniPresetRules::vek135HeaderNoteAndSequencer()
{
    Session s(QStringLiteral("Vek135d"));
    Pallador &w = s.w();
    setTexts(w, {});
    setRows(w, {{"LINE_LENGTH_PCK", 0, 1, 0, 0x300C, 16, 0x1476, 0xFFFF}});
    const QByteArray sequencer =
        w.calvex->vek_135->GetSequencer(w.configPath).join(QString()).replace("\n", "\r\n").toLatin1();
    QVERIFY(!sequencer.isEmpty());
    COMPARE_BYTES(writePreset(w, s.path(QStringLiteral("p.ini"))),
                  presetFile(QByteArray("; This file was generated by Pallador.exe for Vek135d.  ") + kVersion +
                                 "\r\n; For 10|12 bit, preset \"[Native Full@32FPS 2600x1952 10|12 bit]\" should be "
                                 "loaded before loading newly created presets.\r\n"
                                 "; \r\n; [PLL PARAMETERS]\r\n; \r\n; \r\n; [IMAGE PARAMETERS]\r\n; ",
                             "[PLL_settings]\r\n",
                             "[Timing_settings]\r\n"
                             "REG = 0x300C, 0x1476\t\t//LINE_LENGTH_PCK = 5238\r\n" +
                                 sequencer));
}

void TestIniPresetRules::pllInsertions_data()
{
    QTest::addColumn<int>("index");
    const QVector<Insertion> v = insertions();
    for (int i = 0; i < v.size(); ++i)
        QTest::newRow(v[i].title) << i;
}

void TestIniPresetRules::pllInsertions()
{
    QFETCH(int, index);
    const Insertion c = insertions().at(index);
    Session s(QString::fromLatin1(c.sample));
    Pallador &w = s.w();
    setTexts(w, {});
    c.setUp(w);
    const QByteArray file = writePreset(w, s.path(QStringLiteral("p.ini")));
    const QByteArray header = emptyHeader(w.dataIO->getSensorName().toLatin1().constData(), c.contexts) + "\r\n\r\n";
    QVERIFY(file.startsWith(header));
    const QByteArray rest = file.mid(header.size());
    COMPARE_BYTES(rest.left(rest.indexOf("\r\n\r\n[Timing_settings]")), c.pll);
}

// The radar's own section headings; its state lines, an empty line and the
// library's closing lines end the timing section of a plain preset.
void TestIniPresetRules::holv101HeadingsAndStateLines()
{
    Session s(QStringLiteral("Holv101"));
    Pallador &w = s.w();
    setTexts(w, {});
    setRows(w, {
                   {"PLL_FB_DIV", 0, 0, 0, 0x0002, 8, 0x18, 0xFF},
                   {"CHIRP_RAMP", 0, 1, 0, 0x0040, 16, 0x0102, 0xFFFF},
               });
    const Holv_101 *family = w.calvex->holv_101;
    QString closing = family->AddStateVars().join(QString()) + QStringLiteral("\n") +
                      family->GetAppendant(w.configPath).join(QString());
    closing.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    QVERIFY(closing.size() > 2);
    COMPARE_BYTES(writePreset(w, s.path(QStringLiteral("p.ini"))),
                  presetFile(emptyHeader("Holv101", 1),
                             "[Marrowind CES Demo]\r\n"
                             "REG = 0x0002, 0x0018\t\t//PLL_FB_DIV = 24\r\n",
                             "//\r\n"
                             "REG = 0x0040, 0x0102\t\t//CHIRP_RAMP = 258\r\n" +
                                 closing.toLatin1()));
}

QTEST_MAIN(TestIniPresetRules)
#include "tst_inipresetrules.moc"
