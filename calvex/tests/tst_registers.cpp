// Register values: the anchored values the output writers look for, rows of
// one context left alone by the other context's update, values computed from
// the solution by role; and one smoke table over every type code running
// the family's standard calls for each of its contexts.
#include "engine/registers.h"
#include "familyrunner.h"
#include "fixedrows.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <functional>

using namespace calvex;

namespace {

// Value of the first row of a name at or after a row index; -1 when absent.
qint64 rowValue(const CFamilyCore *f, const char *name, int from = 0)
{
    const RegTable *t = f->regTable();
    for (int i = from; t && i < t->count; ++i) {
        if (std::strcmp(t->rows[i].name, name) == 0)
            return f->results.registerValues[i];
    }
    return -1;
}

// Whether some row of the name holds the value (a register written at
// several points of a sequence has several rows).
bool hasRow(const CFamilyCore *f, const char *name, quint32 value)
{
    const RegTable *t = f->regTable();
    for (int i = 0; t && i < t->count; ++i) {
        if (std::strcmp(t->rows[i].name, name) == 0 && f->results.registerValues[i] == value)
            return true;
    }
    return false;
}

// A preset text is written straight before its display text: when it holds
// anything, its last line ends with exactly one line feed.
bool closesItsLastLine(const QString &presetText)
{
    return presetText.isEmpty() ||
           (presetText.endsWith(QLatin1Char('\n')) && !presetText.endsWith(QLatin1String("\n\n")) &&
            !presetText.contains(QLatin1Char('\r')));
}

struct Setup {
    int typeCode;
    CCalvex calvex;
    CFamilyCore *f;
    explicit Setup(int code) : typeCode(code), calvex(code), f(calvex.family()) { testing::initDefaults(f, code); }
    void run(int context = 0) { testing::calculate(f, typeCode, context); }
};

} // namespace

class TestRegisters : public QObject {
    Q_OBJECT

private slots:
    void anchors();
    void valuesByRole();
    void otherContextRowsKept();
    void smokeEveryTypeCode_data();
    void smokeEveryTypeCode();
    void formFamiliesSolveTheirVariables();
    void familyInputsReachTheirOutputs_data();
    void familyInputsReachTheirOutputs();
    void wcdOverrideIsUsedOnce();
    void revisionDefaultsFollowTheRevision();
    void focalPlaneCountKeptWithPanelClosed();
    void radarFramePeriod();
    void configurationFileDefaultsReachTheFamily();
    void registersHoldTheirRanges_data();
    void registersHoldTheirRanges();
    void everyRowIsBound_data();
    void everyRowIsBound();
    void rowsFollowTheTiming_data();
    void rowsFollowTheTiming();
};

// The exact values the writers insert their lines at, in the stated modes.
void TestRegisters::anchors()
{
    {
        Setup s(13); // Murn_105: interface 1 and otherwise
        s.f->pll.interfaceIndex = 1;
        s.run();
        QCOMPARE(rowValue(s.f, "command_rw"), 0xFFF3);
        QCOMPARE(rowValue(s.f, "reset_and_misc_control"), 0x0564);
        s.f->pll.interfaceIndex = 0;
        s.run();
        QCOMPARE(rowValue(s.f, "command_rw"), 0xFFFF);
        QCOMPARE(rowValue(s.f, "reset_and_misc_control"), 0x0364);
    }
    {
        Setup s(89); // Vek_123 on the parallel interface
        s.f->ctx[0].interfaceIndex = 0;
        static_cast<Vek_123 *>(s.f)->PLL_Caluate();
        static_cast<CFamilyBase *>(s.f)->TimingUpdate(0, false, true);
        static_cast<CFamilyBase *>(s.f)->ResultsUpdate(0);
        static_cast<CFamilyBase *>(s.f)->RegisterUpdate(0);
        QCOMPARE(rowValue(s.f, "RESET_REGISTER"), 0x10DC);
    }
    {
        Setup s(41); // Vek_145l: planes down, reduced and active
        auto *v = static_cast<Vek_145l *>(s.f);
        v->advParamOn = true;
        for (int i = 0; i < 16; ++i)
            v->ctx[0].fpOptions[i] = i % 3;
        s.run();
        for (const char *n : {"SERIAL_WRITE_INDEX_D", "SERIAL_WRITE_INDEX_S", "SERIAL_WRITE_INDEX_A"})
            QCOMPARE(rowValue(s.f, n), 0x0000);
        QCOMPARE(rowValue(s.f, "SENSOR_CONTROL_D"), 0x0003);
        QCOMPARE(rowValue(s.f, "SENSOR_CONTROL_S"), 0x0001);
        QCOMPARE(rowValue(s.f, "SENSOR_CONTROL_A"), 0x0000);
        QCOMPARE(v->ctx[0].scaleM, 11); // planes 2, 5, 8, 11, 14 are down
    }
    {
        Setup s(69); // Murn_110, PLL not bypassed
        s.run();
        QCOMPARE(rowValue(s.f, "PLL control: PLL_BYPASS off"), 0x0046);
    }
    {
        Setup s(31); // Murn_111
        s.run();
        QVERIFY(hasRow(s.f, "standby_control_and_status", 0x2008));
    }
    {
        Setup s(32); // Brel_106
        s.run();
        QCOMPARE(rowValue(s.f, "PLL Control2"), 0x0053);
    }
    {
        Setup s(26); // Vek_124: the enable field of pll_control
        s.run();
        QCOMPARE(rowValue(s.f, "pll_control"), 0);
    }
    {
        Setup s(27); // Murn_109: the page-18 PLL variables exist
        const RegTable *t = s.f->regTable();
        bool ca1e = false, ca20 = false;
        for (int i = 0; i < t->count; ++i) {
            ca1e |= t->rows[i].id == 18 && t->rows[i].address == 0x0214;
            ca20 |= t->rows[i].id == 18 && t->rows[i].address == 0x0216;
        }
        QVERIFY(ca1e && ca20);
    }
}

void TestRegisters::valuesByRole()
{
    Setup s(12); // Brel_101, two contexts
    s.f->ctx[0].mirror = true;
    s.f->ctx[0].cols = 1280;
    s.f->ctx[0].rows = 960;
    s.f->ctx[0].maxFps = 15.0;
    s.run(0);
    const TimingResult &t = s.f->timing(0);
    QCOMPARE(rowValue(s.f, "PRE_PLL_CLK_DIV"), s.f->pll.pllN);
    QCOMPARE(rowValue(s.f, "PLL_MULTIPLIER"), s.f->pll.pllM);
    QCOMPARE(rowValue(s.f, "VT_SYS_CLK_DIV"), s.f->pll.pllP4);
    QCOMPARE(rowValue(s.f, "VT_PIX_CLK_DIV"), s.f->pll.pllP5);
    QCOMPARE(rowValue(s.f, "LINE_LENGTH_PCK"), t.lineLength);
    QCOMPARE(rowValue(s.f, "FRAME_LENGTH_LINES"), t.frameLength);
    QCOMPARE(rowValue(s.f, "X_ADDR_END") - rowValue(s.f, "X_ADDR_START") + 1, t.fovCols);
    QCOMPARE(rowValue(s.f, "COARSE_INTEGRATION_TIME"), t.intgRows);
    QCOMPARE(rowValue(s.f, "READ_MODE") & 0xC000, 0x4000);

    Setup isp(1); // Tolm_104: pixel clock in Hz, frame rates x 256
    isp.run();
    QCOMPARE(rowValue(isp.f, "cam_sensor_cfg_pixclk"), qint64(std::llround(isp.f->pll.pixelClock * 1e6)));
    QCOMPARE(rowValue(isp.f, "cam_aet_max_frame_rate"), qint64(std::llround(isp.f->timing(0).fps * 256.0)));
    QCOMPARE(rowValue(isp.f, "cam_sysctl_pll_divider_m_n") & 0xFF, isp.f->pll.pllM);

    Setup bridge(58); // Yorm_106: row 18 is the pixel clock in Hz
    bridge.run();
    QCOMPARE(qint64(bridge.f->results.registerValues[18]), qint64(std::llround(bridge.f->pll.pixelClock * 1e6)));
}

// RegisterUpdate(1) after context A's calculation keeps A's rows. (B's
// inputs are in place before A is calculated: where the contexts share the
// line-length register, B's inputs take part in the line A runs.)
void TestRegisters::otherContextRowsKept()
{
    for (int code : {12, 14, 20, 21, 22, 28, 30, 31, 59, 60, 69, 70, 72, 77, 87}) {
        Setup s(code);
        s.f->ctx[0].cols = 640;
        s.f->ctx[0].rows = 480;
        s.f->ctx[1].cols = 320;
        s.f->ctx[1].rows = 240;
        s.run(0);
        const std::vector<quint32> afterA(s.f->results.registerValues,
                                          s.f->results.registerValues + s.f->registerCount());
        s.run(1);
        const RegTable *t = s.f->regTable();
        for (int i = 0; i < t->count; ++i) {
            const RoleMatch m = resolveRole(t->rows[i].name);
            if (m.context == 0 && t->rows[i].section == 1 && m.role != RegRole::None)
                QVERIFY2(s.f->results.registerValues[i] == afterA[size_t(i)], t->rows[i].name);
        }
    }
}

void TestRegisters::smokeEveryTypeCode_data()
{
    QTest::addColumn<int>("typeCode");
    for (int code : allTypeCodes())
        QTest::addRow("%d %s", code, familyTraits(code).family) << code;
}

void TestRegisters::smokeEveryTypeCode()
{
    QFETCH(int, typeCode);
    Setup s(typeCode);
    const FamilyTraits &t = s.f->traits();
    for (const QString &rate : s.f->results.frameRateChoices) {
        bool ok = false;
        QVERIFY(rate.toDouble(&ok) > 0.0 && ok);
    }
    for (int c = 0; c < t.contexts(); ++c) {
        s.run(c);
        QVERIFY(!s.f->results.contextDisplayText[c].isEmpty());
        QVERIFY(!s.f->results.contextDisplayText[c].endsWith(QLatin1Char('\n')));
        QVERIFY(closesItsLastLine(s.f->results.contextPresetText[c]));
    }
    QVERIFY(!s.f->results.pllDisplayText.isEmpty());
    QVERIFY(!s.f->results.pllDisplayText.endsWith(QLatin1Char('\n')));
    QVERIFY(!s.f->results.pllDisplayText.contains(QLatin1Char('\r')));
    QVERIFY(closesItsLastLine(s.f->results.pllPresetText));
    QVERIFY(s.f->results.registerValues);
    // The defaults are a consistent setting: no warning at all.
    QCOMPARE(s.f->ctx[0].warnings, 0u);
    // Rows with a role differ from a blind copy of the defaults somewhere.
    int computed = 0;
    const RegTable *table = s.f->regTable();
    for (int i = 0; i < table->count; ++i)
        computed += s.f->results.registerValues[i] != table->rows[i].value;
    QVERIFY2(computed > 0 || typeCode == 62, t.family);
    // The line-length register holds the line length the timing used, and
    // packed words change only the fields their masks give the calculation.
    for (int i = 0; i < table->count; ++i) {
        const RegRow &r = table->rows[i];
        const quint32 v = s.f->results.registerValues[i];
        const RoleMatch m = resolveRole(r.name);
        if (m.role == RegRole::LineLength && !r.bitfield) {
            QVERIFY2(v == quint32(s.f->timing(m.context).lineLength), r.name);
            QVERIFY2(!r.mask || (v & ~r.mask) == 0, r.name);
        }
        const bool packed = m.role == RegRole::ReadMode || m.role == RegRole::IspDividerP ||
                            m.role == RegRole::ExposureRatio ||
                            (m.role >= RegRole::MipiTiming0 && m.role <= RegRole::PortTimingInit);
        if (packed && !r.bitfield && r.mask)
            QVERIFY2((v & ~r.mask) == (r.value & ~r.mask), r.name);
        // A bit-field row carries a value its field holds; a table value
        // written as the whole register gives the field's bits of it.
        if (r.bitfield && r.mask) {
            const quint32 field = r.mask / (r.mask & (~r.mask + 1u));
            QVERIFY2(v <= field, r.name);
            if (r.value > field)
                QCOMPARE(tableValue(r), (r.value & r.mask) / (r.mask & (~r.mask + 1u)));
        }
    }
}

void TestRegisters::formFamiliesSolveTheirVariables()
{
    Vek_125 v(62);
    v.InitDefaults(QString());
    v.SystemFreq.checked = true;
    v.SystemFreq.setClamped(150.0);
    v.PllUpdate();
    v.ResultsUpdate(0);
    v.RegisterUpdate(0);
    QCOMPARE(v.SystemFreq.value, 150.0);
    QCOMPARE(v.PixelFreq.value, 75.0);
    QCOMPARE(v.SystemFreq.value,
             v.InputFreq.value / v.PLL1Div1.value * v.PLL1Mult.value / v.PLL1Div2.value / v.PLL1Div3.value);
    QVERIFY(v.SerialFreq.value >= v.PixelFreq.value * v.Bits.value / 2.0 - 1e-6);
    QVERIFY(!v.results.pllPresetText.isEmpty());

    Murn_104 m(66);
    m.InitDefaults(QString());
    m.PLL_N.checked = true;
    m.PLL_N.setClamped(3);
    m.dSpinPLL_Target.setClamped(36.0);
    m.Calculate();
    QCOMPARE(m.PLL_N.intValue, 3);
    QCOMPARE(m.pll.outputClock, 36.0);
    m.checkSkipping.checked = true;
    m.spinRows.setClamped(480);
    m.ctx[0].warnings = 0;
    m.Calculate();
    QVERIFY(m.ctx[0].warnings & 0x20);
}

namespace {

// One family input and what it must change: after prepare() (if any),
// probe() before and after apply() differ.
struct InputCase {
    int typeCode;
    const char *input;
    std::function<void(CFamilyCore *)> apply;
    std::function<double(CFamilyCore *)> probe;
    std::function<void(CFamilyCore *)> prepare = nullptr;
};

double row(CFamilyCore *f, const char *name)
{
    return double(rowValue(f, name));
}

// Lines of a preset section that set a register at the address.
int linesFor(const QStringList &lines, quint32 address)
{
    const QString prefix = QStringLiteral("REG = 0x%1,")
                               .arg(address, 4, 16, QLatin1Char('0'))
                               .toUpper()
                               .replace(QLatin1String("0X"), QLatin1String("0x"));
    int n = 0;
    for (const QString &l : lines)
        n += l.startsWith(prefix);
    return n;
}

const InputCase kInputCases[] = {
    {82, "digitalCC switches the column correction",
     [](CFamilyCore *f) { static_cast<Vek_137 *>(f)->digitalCC = true; },
     [](CFamilyCore *f) { return row(f, "COLUMN_CORRECTION"); }},
    {82, "digitalCC reads the CFPn rows",
     [](CFamilyCore *f) {
         static_cast<Vek_137 *>(f)->digitalCC = true;
         f->ctx[0].cfpnRows = 512;
     },
     [](CFamilyCore *f) { return double(f->timing(0).frameLength); }, [](CFamilyCore *f) { f->ctx[0].maxFps = 200.0; }},
    {41, "free running overlaps integration and read-out", [](CFamilyCore *f) { f->ctx[0].interleave = 1; },
     [](CFamilyCore *f) { return double(f->timing(0).maxIntgRows); }},
    {41, "packing modulo pads the planes of a line",
     [](CFamilyCore *f) {
         auto *v = static_cast<Vek_145l *>(f);
         v->advParamOn = true;
         v->ctx[0].fpOptions[0] = v->ctx[0].fpOptions[1] = v->ctx[0].fpOptions[2] = 2; // 13 planes
         v->ctx[0].packMode = 2;                                                       // pairs
     },
     [](CFamilyCore *f) { return row(f, "X_OUTPUT_SIZE") / f->timing(0).outCols; }},
    {85, "configured buffers limit T2",
     [](CFamilyCore *f) {
         auto *v = static_cast<Vek_113 *>(f);
         v->configEnable = true;
         v->configBufT1 = 20;
         v->advShiftT2 = 2;
     },
     [](CFamilyCore *f) { return double(f->timing(0).expRows[1]); }},
    {85, "configured buffers reach their registers",
     [](CFamilyCore *f) { static_cast<Vek_113 *>(f)->configEnable = true; },
     [](CFamilyCore *f) { return row(f, "CONFIG_BUFFER2"); }},
    {85, "no read/write overlap of the buffers", [](CFamilyCore *f) { static_cast<Vek_113 *>(f)->dbOverlap = true; },
     [](CFamilyCore *f) { return row(f, "NO_DB_OVERLAP_RD_WR") + f->timing(0).lineLength; }},
    {54, "discrete frame-rate steps reach the AE rates",
     [](CFamilyCore *f) {
         f->ctx[0].discreteFps = true;
         f->ctx[0].dfs1 = 7.0;
     },
     [](CFamilyCore *f) { return row(f, "cam_aet_frame_rate_1"); }},
    {54, "a long integration drops to a discrete step",
     [](CFamilyCore *f) {
         f->ctx[0].discreteFps = true;
         f->ctx[0].dfs1 = 12.0;
         f->ctx[0].dfs2 = 6.0;
         f->ctx[0].useMaxIntgTime = true;
         f->ctx[0].intgTime = 70.0;
     },
     [](CFamilyCore *f) { return f->timing(0).fps; }},
    {89, "OTP version 2 keeps the analog trims out of the default setting",
     [](CFamilyCore *f) { static_cast<Vek_123 *>(f)->otpRev = 2; },
     [](CFamilyCore *f) { return double(linesFor(static_cast<Vek_123 *>(f)->GetDefaultSetting(QString()), 0x3ED8)); }},
    {89, "CVR 0 runs the sensor's own sequencer", [](CFamilyCore *f) { static_cast<Vek_123 *>(f)->custRev = 0; },
     [](CFamilyCore *f) { return double(linesFor(static_cast<Vek_123 *>(f)->GetSequencer(QString()), 0x302A)); }},
    {99, "companding box", [](CFamilyCore *f) { f->ctx[0].interleave = 1; },
     [](CFamilyCore *f) { return row(f, "COMPANDING"); }},
    {99, "a half-size output reads binned",
     [](CFamilyCore *f) {
         f->ctx[0].cols = 1920;
         f->ctx[0].rows = 1080;
     },
     [](CFamilyCore *f) { return double(f->ctx[0].readoutMode); }},
    {114, "TDM MIMO switches the second transmitter",
     [](CFamilyCore *f) { static_cast<Holv_101 *>(f)->configBlock.tdmMimo = false; },
     [](CFamilyCore *f) { return row(f, "TX1_EN_AND_ATT"); }},
    {37, "the MIPI words follow the lane rate", [](CFamilyCore *f) { f->pll.targetClock = 48.0; },
     [](CFamilyCore *f) { return row(f, "MIPI_TIMING_0") + row(f, "MIPI_TIMING_3"); }},
    {87, "dark columns reach the dark-control field",
     [](CFamilyCore *f) { static_cast<Vek_111 *>(f)->darkCols = true; },
     [](CFamilyCore *f) { return double(f->pll.darkColumns) + f->timing(0).lineLength; }},
    // One lane at 12 bits needs about 890 Mbps: within a DDR lane, beyond an SDR one.
    {75, "SDR lanes carry half the rate", [](CFamilyCore *f) { f->pll.fastClock = true; },
     [](CFamilyCore *f) { return double(f->ctx[0].warnings & 0x100000); },
     [](CFamilyCore *f) { static_cast<CFamilyBase *>(f)->SetInterface(1, 1); }},
    {75, "16-bit pixels as two 8-bit words", [](CFamilyCore *f) { f->pll.oddClkRatio = true; },
     [](CFamilyCore *f) { return f->linkBits() + row(f, "MIPI_16_2_8"); },
     [](CFamilyCore *f) { static_cast<CFamilyBase *>(f)->SetRevDefaults(2); }},
    // 4 lanes of 10 bits need 240 Mbps: op_sys 3 gives 288, the even 2 gives 432.
    {83, "odd clock ratio allows an odd op_sys divider", [](CFamilyCore *f) { f->pll.oddClkRatio = true; },
     [](CFamilyCore *f) { return f->pll.serialClock; },
     [](CFamilyCore *f) { static_cast<CFamilyBase *>(f)->SetInterface(4, 10); }},
    {84, "fast clock runs the lanes at their fastest", [](CFamilyCore *f) { f->pll.fastClock = true; },
     [](CFamilyCore *f) { return f->pll.opPixClock; }},
    {92, "fast clock runs the parallel port on the second target",
     [](CFamilyCore *f) {
         f->pll.fastClock = true;
         f->pll.targetClock2 = 89.14 * 8.0 / 7.0;
     },
     [](CFamilyCore *f) { return f->pll.opPixClock; }, [](CFamilyCore *f) { f->ctx[0].interfaceIndex = 0; }},
    {85, "the output rate drives the PLL",
     [](CFamilyCore *f) {
         f->pll.pllAutoAdjust = true;
         f->pll.targetClock2 = 960.0 / 12.0;
     },
     [](CFamilyCore *f) { return f->pll.outputClock + f->pll.pllOpDivider; }},
    {54, "auto adjust for two clocks per pixel doubles the system clock",
     [](CFamilyCore *f) { f->pll.pllAutoAdjust = true; }, [](CFamilyCore *f) { return f->pll.outputClock; },
     [](CFamilyCore *f) { f->pll.twoClkPerPix = true; }},
    {57, "LSB-aligned data words", [](CFamilyCore *f) { f->pll.msbAligned = 0; },
     [](CFamilyCore *f) { return row(f, "cam_port_parallel_control"); }},
    {54, "an aspect-ratio use case is a 4:3 picture", [](CFamilyCore *f) { f->ctx[0].aspectRatioFlag = true; },
     [](CFamilyCore *f) { return double(f->timing(0).outCols); },
     [](CFamilyCore *f) {
         static_cast<CBridgeFamily *>(f)->sensorKind = 2;
         f->ctx[0].cols = 1928;
         f->ctx[0].rows = 1088;
     }},
    {89, "LSB-aligned HiSPi words", [](CFamilyCore *f) { f->pll.msbAligned = 0; },
     [](CFamilyCore *f) { return row(f, "HISPI_CONTROL_STATUS"); }},
    {89, "HDR spread gain", [](CFamilyCore *f) { f->ctx[0].interleave = 1; },
     [](CFamilyCore *f) { return row(f, "HDR_MC_CTRL3"); }, [](CFamilyCore *f) { f->ctx[0].hdrMode = 1; }},
    {37, "high speed shortens the line", [](CFamilyCore *f) { f->pll.highSpeed = true; },
     [](CFamilyCore *f) { return double(f->timing(0).lineLength); }},
    {95, "supercell read-out", [](CFamilyCore *f) { f->pll.highSpeed = true; },
     [](CFamilyCore *f) { return double(f->timing(0).yFactor) + f->ctx[0].highSpeed; }},
    {95, "output bits on the link", [](CFamilyCore *f) { f->ctx[0].outputBits = 12; },
     [](CFamilyCore *f) { return f->linkBits() + f->pll.vcoClock2; }},
    {99, "MIPI packet header loads the lanes", [](CFamilyCore *f) { f->pll.mipiHeader = true; },
     [](CFamilyCore *f) { return f->linkLoad(); }},
    {99, "output bits also on the generic PLL step", [](CFamilyCore *f) { static_cast<Vek_138 *>(f)->outputBits = 16; },
     [](CFamilyCore *f) { return double(f->linkBits()); }},
    {80, "GoPro mode reads 3x3", [](CFamilyCore *f) { f->ctx[0].goProMode = 1.0; },
     [](CFamilyCore *f) { return double(f->timing(0).xFactor * 10 + f->timing(0).yFactor); }},
    {26, "image type sets the bits per pixel", [](CFamilyCore *f) { f->ctx[0].imageType = 2; },
     [](CFamilyCore *f) { return f->linkBits() + f->pll.pixelClock; }},
    {27, "image type of the output format", [](CFamilyCore *f) { f->ctx[0].outFormat = 2; },
     [](CFamilyCore *f) { return double(f->linkBits() + f->pll.pllWcd); }},
    {31, "receive-FIFO trigger mark", [](CFamilyCore *f) { f->ctx[0].fifo = 40; },
     [](CFamilyCore *f) { return row(f, "cam_core_a_rx_fifo_trigger_mark"); }},
    {14, "embedded statistics rows reach their control word",
     [](CFamilyCore *f) { static_cast<Brel_102 *>(f)->embedStat = true; },
     [](CFamilyCore *f) { return row(f, "EMBEDDED_DATA_CTRL"); }},
    {20, "dark rows reach the dark control", [](CFamilyCore *f) { static_cast<Brel_102 *>(f)->darkRows = true; },
     [](CFamilyCore *f) { return row(f, "DARK_CONTROL"); }},
    {12, "binning reaches the digital binning", [](CFamilyCore *f) { f->ctx[0].binning = 1; },
     [](CFamilyCore *f) { return row(f, "DIGITAL_BINNING"); }},
    {32, "skipping reaches the row address mode", [](CFamilyCore *f) { f->ctx[0].skipping = 2; },
     [](CFamilyCore *f) { return row(f, "Row Mode"); }},
    {32, "column binning reaches the column address mode", [](CFamilyCore *f) { f->ctx[0].binXOnly = 1; },
     [](CFamilyCore *f) { return row(f, "Column Mode"); }},
};

} // namespace

void TestRegisters::familyInputsReachTheirOutputs_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(sizeof kInputCases / sizeof kInputCases[0]); ++i)
        QTest::addRow("%d %s", kInputCases[i].typeCode, kInputCases[i].input) << i;
}

void TestRegisters::familyInputsReachTheirOutputs()
{
    QFETCH(int, index);
    const InputCase &c = kInputCases[index];
    Setup s(c.typeCode);
    if (c.prepare)
        c.prepare(s.f);
    s.run();
    const double before = c.probe(s.f);
    c.apply(s.f);
    s.run();
    const double after = c.probe(s.f);
    QVERIFY2(before != after, qPrintable(QStringLiteral("%1 stays %2").arg(QLatin1String(c.input)).arg(after)));
    QVERIFY(std::isfinite(after));
}

// The WCD override is taken on the step it is passed with, and only then.
void TestRegisters::wcdOverrideIsUsedOnce()
{
    Setup s(70); // Murn_108
    auto *m = static_cast<Murn_108 *>(s.f);
    s.run();
    const int chosen = m->pll.pllWcd; // the word's bit count, 8 to 10
    const int asked = chosen == 8 ? 9 : 8;
    m->pll.pllWcd = asked;
    m->wcdFlag = 0;
    s.run();
    QCOMPARE(m->pll.pllWcd, asked);
    QCOMPARE(m->wcdFlag, 1);
    s.run(); // no override passed: the library chooses again
    QCOMPARE(m->pll.pllWcd, chosen);
}

// Drav_102 loads the defaults of the revision it is handed before the PLL
// step, and back again; a revision outside 1..2 is brought into range.
void TestRegisters::revisionDefaultsFollowTheRevision()
{
    Setup s(111);
    auto *d = static_cast<Drav_102 *>(s.f);
    s.run();
    const double vco1 = d->pllLimits().vcoMax;
    const double target1 = d->getDefaultPixelClockIndex();
    d->pll.revision = 2;
    d->SetSerialPLL(0);
    QVERIFY(d->pllLimits().vcoMax > vco1);
    QVERIFY(d->getDefaultPixelClockIndex() > target1);
    d->pll.revision = 1;
    d->SetSerialPLL(0);
    QCOMPARE(d->pllLimits().vcoMax, vco1);
    QCOMPARE(d->getDefaultPixelClockIndex(), target1);
    d->pll.revision = 9;
    d->SetSerialPLL(0);
    QCOMPARE(d->pll.revision, 2);
}

// With the context-A panel closed the window's count of active focal planes
// is kept and sets the packed line; with it open the library counts.
// The radar idles after its chirps for the rest of the requested frame
// period: the frame-delay rows count it in 80 MHz clocks, least significant
// byte first, and the texts report the rate they program; a rate the chirps
// cannot keep runs the frames back to back.
void TestRegisters::radarFramePeriod()
{
    Setup s(114);
    auto *radar = static_cast<Holv_101 *>(s.f);
    const auto delayRows = [&] {
        return qint64(rowValue(s.f, "FRAME_TO_FRAME_DELAY1")) | qint64(rowValue(s.f, "FRAME_TO_FRAME_DELAY2")) << 8 |
               qint64(rowValue(s.f, "FRAME_TO_FRAME_DELAY3")) << 16;
    };
    for (double fps : {20.0, 7.5}) {
        s.f->ctx[0].maxFps = fps;
        s.run();
        const Holv_101::Radar &r = radar->radar();
        QVERIFY(r.burstTimeMs > 0.0 && r.burstTimeMs < 1000.0 / fps);
        QCOMPARE(delayRows(), qint64(std::round((1000.0 / fps - r.burstTimeMs) * 80000.0)));
        QVERIFY(std::fabs(s.f->timing(0).fps - fps) < 1e-6);
        QVERIFY(s.f->results.contextDisplayText[0].contains(QStringLiteral("Frame rate: %1 fps").arg(fps, 0, 'f', 3)));
    }
    s.f->ctx[0].maxFps = 10000.0;
    s.run();
    QCOMPARE(delayRows(), qint64(0));
    QVERIFY(std::fabs(s.f->timing(0).fps - 1000.0 / radar->radar().burstTimeMs) < 1e-6);
}

void TestRegisters::focalPlaneCountKeptWithPanelClosed()
{
    Setup s(41);
    auto *v = static_cast<Vek_145l *>(s.f);
    v->ctx[0].fpOptions[0] = 2;
    v->ctx[0].scaleM = 10;
    s.run();
    QCOMPARE(v->ctx[0].scaleM, 10);
    QCOMPARE(row(s.f, "X_OUTPUT_SIZE"), 10.0 * s.f->timing(0).outCols);
    v->advParamOn = true;
    s.run();
    QCOMPARE(v->ctx[0].scaleM, 15);
    v->activateAll = true;
    s.run();
    QCOMPARE(v->ctx[0].scaleM, 16);
}

// The [MinMax_Defaults] of the configuration file replace the family's own
// clocks and frame rate, and the first calculation runs with them.
void TestRegisters::configurationFileDefaultsReachTheFamily()
{
    CCalvex calvex(42);
    auto *f = static_cast<CFamilyBase *>(calvex.family());
    f->InitDefaults(QStringLiteral(PALLADOR_SOURCE_DIR "/samples/bin/cfg_pallador/Vek147.cfg"));
    QCOMPARE(f->defaults.defaultInputClock, 24.0);
    QCOMPARE(f->defaults.defaultTargetClock, 200.0);
    QCOMPARE(f->defaults.defaultMaxFps, 30.0);
    QCOMPARE(f->pll.outputClock, 200.0);
    QCOMPARE(f->ctx[0].warnings & 0x700000u, 0u);
}

namespace {

// The ranges a family may write into the PLL rows of its table.
struct PllRanges {
    int nMax, mMax, d0Max, d1Max, n2Max, m2Max, opSysMax, bitsMax;
};

PllRanges rangesOf(CFamilyCore *f)
{
    const FamilyTraits &t = f->traits();
    const calvex::PllLimits &l = f->pllLimits();
    PllRanges r{l.nMax, l.mMax, l.d[0].max, l.d[1].max, t.pll2.nMax, t.pll2.mMax, t.opSysMax, t.bitsMax};
    if (auto *v = dynamic_cast<Vek_125 *>(f)) {
        // Its clock tree lives in its variables.
        r = {int(v->PLL1Div1.max), int(v->PLL1Mult.max), int(v->PLL1Div2.max), int(v->PLL1Div3.max),
             int(v->PLL2Div1.max), int(v->PLL2Mult.max), int(v->PLL2Div2.max), int(v->Bits.max)};
    }
    return r;
}

} // namespace

void TestRegisters::registersHoldTheirRanges_data()
{
    QTest::addColumn<int>("typeCode");
    for (int code : allTypeCodes())
        QTest::addRow("%d %s", code, familyTraits(code).family) << code;
}

// Every divider, multiplier and window the family can produce fits the field
// of the row that carries it, and a calculation at the extremes (the largest
// window, the slowest frame of either blanking type) leaves no bits outside
// a row's mask.
void TestRegisters::registersHoldTheirRanges()
{
    QFETCH(int, typeCode);
    Setup s(typeCode);
    s.run();
    const FamilyTraits &t = s.f->traits();
    const RegTable *table = s.f->regTable();
    QVERIFY(table);
    const PllRanges r = rangesOf(s.f);
    for (int i = 0; i < table->count; ++i) {
        const RegRow &row = table->rows[i];
        const RoleMatch m = resolveRole(row.name);
        qint64 need = -1;
        switch (m.role) {
        case RegRole::PreDiv:
            need = r.nMax;
            break;
        case RegRole::Mult:
            need = r.mMax;
            break;
        case RegRole::VtSysDiv:
            need = r.d0Max;
            break;
        case RegRole::VtPixDiv:
            need = r.d1Max;
            break;
        case RegRole::PreDiv2:
            need = t.pll2.present || typeCode == 62 ? r.n2Max : -1;
            break;
        case RegRole::Mult2:
            need = t.pll2.present || typeCode == 62 ? r.m2Max : -1;
            break;
        case RegRole::OpSysDiv:
            need = r.opSysMax;
            break;
        case RegRole::OpPixDiv:
            need = r.bitsMax;
            break;
        case RegRole::IspDividerP:
            need = r.d0Max - 1;
            break;
        case RegRole::XEnd:
            need = m.context == 0 ? t.arrayCols - 1 : -1;
            break;
        case RegRole::YEnd:
            need = m.context == 0 ? t.arrayRows - 1 : -1;
            break;
        default:
            break;
        }
        const quint64 capacity = m.role == RegRole::IspDividerP ? 15 : rowCapacity(row);
        const QString what =
            QStringLiteral("%1 needs %2, holds %3").arg(QLatin1String(row.name)).arg(need).arg(capacity);
        if (need >= 0)
            QVERIFY2(quint64(need) <= capacity, qPrintable(what));
    }

    for (int c = 0; c < t.contexts(); ++c) {
        for (int blankType : {0, 1}) {
            s.f->ctx[c].cols = s.f->ctx[c].rows = 1 << 20;
            s.f->ctx[c].maxFps = 0.01;
            s.f->ctx[c].blankType = blankType;
            s.run(c);
            for (int i = 0; i < table->count; ++i) {
                const RegRow &row = table->rows[i];
                const RoleMatch m = resolveRole(row.name);
                const bool packed = m.role == RegRole::ReadMode || m.role == RegRole::IspDividerP ||
                                    m.role == RegRole::IspDividerMN || m.role == RegRole::IspDividerP456 ||
                                    m.role == RegRole::ExposureRatio ||
                                    (m.role >= RegRole::MipiTiming0 && m.role <= RegRole::PortTimingInit);
                if (m.role == RegRole::None || packed || row.bitfield || !row.mask)
                    continue;
                const quint32 v = s.f->results.registerValues[i];
                QVERIFY2((v & ~row.mask) == 0, qPrintable(QStringLiteral("%1 = 0x%2 (mask 0x%3), context %4")
                                                              .arg(QLatin1String(row.name))
                                                              .arg(v, 0, 16)
                                                              .arg(row.mask, 0, 16)
                                                              .arg(c)));
            }
        }
    }
}

void TestRegisters::everyRowIsBound_data()
{
    QTest::addColumn<int>("typeCode");
    for (int code : allTypeCodes())
        QTest::addRow("%d %s", code, familyTraits(code).family) << code;
}

// Every row of a family's table is computed or listed as keeping its table
// value: none keeps its default because nothing knows its name, and none the
// engine computes is also listed as fixed.
void TestRegisters::everyRowIsBound()
{
    QFETCH(int, typeCode);
    CCalvex calvex(typeCode);
    QVERIFY(calvex.family());
    const RegTable *table = calvex.family()->regTable();
    QVERIFY(table);
    const QStringList unbound = calvex.family()->unboundRows();
    QVERIFY2(unbound.isEmpty(), qPrintable(QStringLiteral("%1 (table %2) leaves %3 rows unbound: %4")
                                               .arg(QLatin1String(familyTraits(typeCode).family))
                                               .arg(QLatin1String(table->id))
                                               .arg(unbound.size())
                                               .arg(unbound.join(QStringLiteral(", ")))));
    for (int i = 0; i < table->count; ++i) {
        const char *name = table->rows[i].name;
        QVERIFY2(!isFixedRow(table->id, name) || resolveRole(name).role == RegRole::None, name);
    }
}

namespace {

// A timing quantity a row holds.
enum class Quantity {
    FrameLength,
    FovCols,
    FovRows,
    OutCols,
    OutRows,
    LastCol,
    LastRow,
    Flicker50Hz,
    Flicker60Hz,
    PipeLastRow
};

qint64 quantityOf(Quantity q, const TimingResult &t)
{
    switch (q) {
    case Quantity::FrameLength:
        return t.frameLength;
    case Quantity::FovCols:
        return t.fovCols;
    case Quantity::FovRows:
        return t.fovRows;
    case Quantity::OutCols:
        return t.outCols;
    case Quantity::OutRows:
        return t.outRows;
    case Quantity::LastCol:
        return t.outCols - 1;
    case Quantity::LastRow:
        return t.outRows - 1;
    case Quantity::Flicker50Hz:
        return std::llround(10000.0 / t.rowTimeUs);
    case Quantity::Flicker60Hz:
        return std::llround(1.0e6 / 120.0 / t.rowTimeUs);
    case Quantity::PipeLastRow:
        return t.outRows - 5;
    }
    return -1;
}

struct TimingRowCase {
    int typeCode;
    const char *row;
    int context;
    Quantity quantity;
};

// Rows in the spellings of the older tables, each of its own context.
const TimingRowCase kTimingRows[] = {
    {69, "Base Frame Lines (A)", 0, Quantity::FrameLength},
    {69, "Base Frame Lines (B)", 1, Quantity::FrameLength},
    {69, "FOV Width (A)", 0, Quantity::FovCols},
    {69, "FOV Height (B)", 1, Quantity::FovRows},
    {69, "fd_period_50Hz (A)", 0, Quantity::Flicker50Hz},
    {69, "fd_period_60Hz (B)", 1, Quantity::Flicker60Hz},
    {59, "Row Height (A)", 0, Quantity::FovRows},
    {59, "Column Width (B)", 1, Quantity::FovCols},
    {59, "Crop_X1 (B)", 1, Quantity::OutCols}, // the column after the window
    {59, "R9 Step", 0, Quantity::Flicker60Hz},
    {60, "Crop_Y1 (B)", 1, Quantity::LastRow}, // the window's last row
    {60, "R9_Step_50 (B)", 1, Quantity::Flicker50Hz},
    {31, "cam_core_b_base_frame_length_lines", 1, Quantity::FrameLength},
    {31, "fd_expected60hz_flicker_period_in_context_b", 1, Quantity::Flicker60Hz},
    {27, "cam_sensor_cfg_cpipe_last_row", 0, Quantity::PipeLastRow},
    {26, "pga_x_addr_end", 0, Quantity::LastCol},
    {83, "X_OUTPUT_CONTROL", 0, Quantity::OutCols},
};

} // namespace

void TestRegisters::rowsFollowTheTiming_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(sizeof kTimingRows / sizeof kTimingRows[0]); ++i)
        QTest::addRow("%d %s", kTimingRows[i].typeCode, kTimingRows[i].row) << i;
}

// Each context at a size of its own, so that a row that follows the other
// context or keeps its default shows.
void TestRegisters::rowsFollowTheTiming()
{
    QFETCH(int, index);
    const TimingRowCase &c = kTimingRows[index];
    Setup s(c.typeCode);
    const int contexts = s.f->traits().contexts();
    for (int k = 0; k < contexts; ++k) {
        s.f->ctx[k].cols = k == 0 ? 640 : 320;
        s.f->ctx[k].rows = k == 0 ? 480 : 240;
        s.f->ctx[k].maxFps = k == 0 ? 15.0 : 10.0;
    }
    for (int k = contexts - 1; k >= 0; --k)
        s.run(k);
    const TimingResult &t = s.f->timing(c.context);
    QVERIFY(t.rowTimeUs > 0.0);
    QCOMPARE(rowValue(s.f, c.row), quantityOf(c.quantity, t));
}

QTEST_GUILESS_MAIN(TestRegisters)
#include "tst_registers.moc"
