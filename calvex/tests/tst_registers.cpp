// Register values: the anchored values the output writers look for, rows of
// one context left alone by the other context's update, values computed from
// the solution by role; and one smoke table over every type code running
// the family's standard calls for each of its contexts.
#include "engine/registers.h"
#include "familyrunner.h"

#include <QtTest>

#include <cstring>

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

// RegisterUpdate(1) after context A's calculation keeps A's rows.
void TestRegisters::otherContextRowsKept()
{
    for (int code : {12, 14, 20, 21, 22, 28, 30, 31, 59, 60, 69, 70, 72, 77, 87}) {
        Setup s(code);
        s.f->ctx[0].cols = 640;
        s.f->ctx[0].rows = 480;
        s.run(0);
        const std::vector<quint32> afterA(s.f->results.registerValues,
                                          s.f->results.registerValues + s.f->registerCount());
        s.f->ctx[1].cols = 320;
        s.f->ctx[1].rows = 240;
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
    }
    QVERIFY(!s.f->results.pllDisplayText.isEmpty());
    QVERIFY(!s.f->results.pllDisplayText.endsWith(QLatin1Char('\n')));
    QVERIFY(!s.f->results.pllDisplayText.contains(QLatin1Char('\r')));
    QVERIFY(s.f->results.registerValues);
    // The defaults are a consistent setting: no warning at all.
    QCOMPARE(s.f->ctx[0].warnings, 0u);
    // Rows with a role differ from a blind copy of the defaults somewhere.
    int computed = 0;
    const RegTable *table = s.f->regTable();
    for (int i = 0; i < table->count; ++i)
        computed += s.f->results.registerValues[i] != table->rows[i].value;
    QVERIFY2(computed > 0 || typeCode == 62, t.family);
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

QTEST_GUILESS_MAIN(TestRegisters)
#include "tst_registers.moc"
