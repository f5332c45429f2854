// Tests of the library facade: every accepted type code creates exactly one
// family object of the right class with the right register table, the
// family's standard calls run on it, and unknown type codes create nothing.
// Also the starting ranges of the form-based variables and the region and
// skip accessors of Drav_102.
#include "calvex.h"
#include "regtables.h"

#include <QtTest>

#include <cmath>
#include <utility>
#include <vector>

namespace {

using NamedPointer = std::pair<QString, const CFamilyCore *>;

// Every public family pointer of the facade with its name.
std::vector<NamedPointer> familyPointers(const CCalvex &c) {
    return {
        {"tolm_104", c.tolm_104}, {"murn_101", c.murn_101}, {"brel_101", c.brel_101},
        {"murn_105", c.murn_105}, {"brel_102", c.brel_102}, {"vek_101", c.vek_101},
        {"vek_108", c.vek_108},   {"brel_103", c.brel_103}, {"vek_124", c.vek_124},
        {"murn_109", c.murn_109}, {"brel_104", c.brel_104}, {"brel_105", c.brel_105},
        {"murn_111", c.murn_111}, {"brel_106", c.brel_106}, {"brel_107", c.brel_107},
        {"vek_141", c.vek_141},   {"vek_145l", c.vek_145l}, {"vek_147", c.vek_147},
        {"vek_149", c.vek_149},   {"vek_152", c.vek_152},   {"vek_153", c.vek_153},
        {"vek_154", c.vek_154},   {"vek_155", c.vek_155},   {"yorm_102", c.yorm_102},
        {"yorm_105", c.yorm_105}, {"yorm_106", c.yorm_106}, {"murn_107", c.murn_107},
        {"murn_103", c.murn_103}, {"vek_125", c.vek_125},   {"murn_102", c.murn_102},
        {"murn_104", c.murn_104}, {"vek_143", c.vek_143},   {"murn_110", c.murn_110},
        {"murn_108", c.murn_108}, {"murn_106", c.murn_106}, {"vek_116", c.vek_116},
        {"vek_118", c.vek_118},   {"vek_121", c.vek_121},   {"vek_157b", c.vek_157b},
        {"vek_157f", c.vek_157f}, {"vek_137", c.vek_137},   {"vek_117", c.vek_117},
        {"vek_107", c.vek_107},   {"vek_113", c.vek_113},   {"vek_111", c.vek_111},
        {"vek_123", c.vek_123},   {"vek_135", c.vek_135},   {"vek_110", c.vek_110},
        {"vek_114", c.vek_114},   {"vek_132", c.vek_132},   {"vek_138", c.vek_138},
        {"vek_119", c.vek_119},   {"zelt", c.zelt},         {"vek_128", c.vek_128},
        {"drav_102", c.drav_102}, {"drav_101", c.drav_101}, {"vek_120", c.vek_120},
        {"holv_101", c.holv_101}, {"vek_146", c.vek_146},
    };
}

struct FacadeCase {
    int typeCode;
    const char *pointer; // name of the facade pointer that must be set
    const char *table;   // register table of the type code
    int contexts;        // contexts the family calculates
};

// Every type code the facade accepts, written out independently of the facade.
const FacadeCase kCases[] = {
    {1, "tolm_104", "D1", 1},      {3, "murn_101", "D3", 1},        {10, "murn_101", "D3", 1},
    {12, "brel_101", "D12", 2},    {13, "murn_105", "D13", 1},      {14, "brel_102", "D14", 2},
    {16, "brel_102", "D14", 2},    {17, "brel_102", "D14", 2},      {18, "brel_102", "D14", 2},
    {20, "brel_102", "D15", 2},    {21, "vek_101", "D21", 2},       {22, "vek_108", "D22", 2},
    {25, "brel_103", "D25", 1},    {26, "vek_124", "D26", 1},       {27, "murn_109", "D27", 1},
    {28, "brel_104", "D28", 2},    {30, "brel_105", "D30", 2},      {31, "murn_111", "D31", 2},
    {32, "brel_106", "D32", 1},    {34, "brel_107", "D34", 1},      {37, "vek_141", "D37", 1},
    {41, "vek_145l", "D41", 1},    {42, "vek_147", "D42", 1},       {44, "vek_149", "D44", 1},
    {49, "vek_152", "D46", 1},     {51, "vek_153", "D51", 1},       {52, "vek_154", "D52", 1},
    {53, "vek_155", "D53", 1},     {54, "yorm_102", "D54a", 1},     {55, "yorm_102", "D54b", 1},
    {56, "yorm_102", "D54b", 1},   {57, "yorm_105", "D57", 1},      {58, "yorm_106", "D58", 1},
    {59, "murn_107", "D59", 2},    {60, "murn_103", "D60", 2},      {61, "murn_103", "D60", 2},
    {62, "vek_125", "Vek_125", 1}, {65, "murn_102", "Murn_102", 1}, {66, "murn_104", "Murn_104", 1},
    {67, "vek_143", "D67", 1},     {69, "murn_110", "D69", 2},      {70, "murn_108", "D70", 2},
    {71, "murn_106", "D71", 1},    {72, "vek_116", "D72", 2},       {75, "vek_118", "D75", 1},
    {77, "vek_121", "D76", 2},     {80, "vek_157b", "D80", 1},      {81, "vek_157f", "D81", 1},
    {82, "vek_137", "D82", 1},     {83, "vek_117", "D83", 1},       {84, "vek_107", "D84", 1},
    {85, "vek_113", "D85", 1},     {87, "vek_111", "D86", 2},       {89, "vek_123", "D88", 1},
    {90, "vek_135", "D90", 1},     {92, "vek_110", "D92", 1},       {93, "vek_110", "D92", 1},
    {94, "vek_114", "D94", 1},     {95, "vek_132", "D95", 1},       {99, "vek_138", "D99", 1},
    {102, "vek_118", "D75", 1},    {103, "vek_119", "D103", 1},     {105, "zelt", "D105", 1},
    {106, "zelt", "D105", 1},      {107, "zelt", "D105", 1},        {108, "zelt", "D105", 1},
    {109, "zelt", "D105", 1},      {110, "vek_128", "D110", 1},     {111, "drav_102", "D111", 1},
    {112, "drav_101", "D112", 1},  {113, "vek_120", "D113", 1},     {114, "holv_101", "D114", 1},
    {115, "vek_146", "D115", 1},
};

// The family's set-up and calculation calls as the application makes them.
void runStandardCalls(CFamilyCore *family, int typeCode, int contexts) {
    const QString configPath;
    if (auto *f = dynamic_cast<Vek_108 *>(family)) {
        f->InitDefaults(configPath, typeCode);
        for (int c = 0; c < contexts; ++c) {
            f->PllUpdate();
            f->TimingUpdate(c, false, true);
            f->ResultsUpdate(c);
            f->RegisterUpdate(c, typeCode);
        }
    } else if (auto *f = dynamic_cast<CFamilyBase *>(family)) {
        f->InitDefaults(configPath);
        for (int c = 0; c < contexts; ++c) {
            f->PllUpdate();
            f->TimingUpdate(c, false, true);
            f->ResultsUpdate(c);
            f->RegisterUpdate(c);
        }
    } else if (auto *f = dynamic_cast<Vek_125 *>(family)) {
        f->InitDefaults(configPath);
        f->PllUpdate();
        f->ResultsUpdate(0);
        f->RegisterUpdate(0);
    } else if (auto *f = dynamic_cast<Murn_102 *>(family)) {
        f->InitDefaults(configPath);
        f->Calculate();
    } else if (auto *f = dynamic_cast<Murn_104 *>(family)) {
        f->InitDefaults(configPath);
        f->Calculate();
    } else if (auto *f = dynamic_cast<Zelt *>(family)) {
        f->InitDefaults(configPath);
        f->CalculatePLL(typeCode);
        f->CalculateTiming(0, false, true);
        f->SetResults(0);
        f->RegisterUpdate(0);
    } else if (auto *f = dynamic_cast<Holv_101 *>(family)) {
        f->InitDefaults(configPath);
        f->CalculateConfig(0);
        f->SetResults(0);
        f->RegisterUpdate(0);
    } else {
        QFAIL("family object of no known kind");
    }
}

void checkVariable(const char *name, const GUIVAR_T &v) {
    QVERIFY2(v.min <= v.max, name);
    QVERIFY2(v.min <= v.value && v.value <= v.max, name);
    QVERIFY2(v.intValue == qint32(std::trunc(v.value)), name);
}

} // namespace

class TestFacade : public QObject {
    Q_OBJECT

private slots:
    void acceptedTypeCode_data();
    void acceptedTypeCode();
    void unknownTypeCode_data();
    void unknownTypeCode();
    void formVariablesStartInRange();
    void dravRegionAndSkipAccessors();
    void holvConfigBlockIsPllStorage();
    void callJournalRecordsOutsideCalls();
    void calculationsInAJournal_data();
    void calculationsInAJournal();
};

void TestFacade::acceptedTypeCode_data() {
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<QString>("pointer");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("contexts");
    for (const FacadeCase &c : kCases)
        QTest::addRow("%d %s", c.typeCode, c.pointer) << c.typeCode << c.pointer << c.table << c.contexts;
}

void TestFacade::acceptedTypeCode() {
    QFETCH(int, typeCode);
    QFETCH(QString, pointer);
    QFETCH(QString, table);
    QFETCH(int, contexts);

    CCalvex calvex(typeCode);
    CFamilyCore *family = calvex.family();
    QVERIFY(family);

    // Exactly one named pointer is set: the expected one, holding family().
    int set = 0;
    for (const NamedPointer &p : familyPointers(calvex)) {
        if (!p.second)
            continue;
        ++set;
        QCOMPARE(p.first, pointer);
        QCOMPARE(p.second, family);
    }
    QCOMPARE(set, 1);
    QCOMPARE(family->typeCode(), typeCode);

    for (const CContextParams &ctx : family->ctx)
        QCOMPARE(ctx.warnings, 0u);

    // The table of the type code; the data may not be there yet, in which
    // case the family holds no register values.
    const RegTable *expected = RegTables::find(table);
    QCOMPARE(family->regTable(), expected);

    runStandardCalls(family, typeCode, contexts);

    if (expected) {
        QVERIFY(family->results.registerValues);
        QCOMPARE(family->registerCount(), expected->count);
    } else {
        QVERIFY(!family->results.registerValues);
        QCOMPARE(family->registerCount(), 0);
    }
}

void TestFacade::unknownTypeCode_data() {
    QTest::addColumn<int>("typeCode");
    // 15 and 63 are catalogue entries whose family is created with another code.
    for (int code : {0, -1, 2, 15, 63, 116})
        QTest::addRow("%d", code) << code;
}

void TestFacade::unknownTypeCode() {
    QFETCH(int, typeCode);
    CCalvex calvex(typeCode);
    QVERIFY(!calvex.family());
    for (const NamedPointer &p : familyPointers(calvex))
        QVERIFY2(!p.second, qPrintable(p.first));
}

void TestFacade::formVariablesStartInRange() {
    Vek_125 vek125(62);
    vek125.InitDefaults(QString());
    const std::pair<const char *, const GUIVAR_T &> vek125Vars[] = {
        {"InputFreq", vek125.InputFreq}, {"SystemFreq", vek125.SystemFreq},
        {"PLL1Div1", vek125.PLL1Div1},   {"PLL1Mult", vek125.PLL1Mult},
        {"VCO1Freq", vek125.VCO1Freq},   {"PLL1Div2", vek125.PLL1Div2},
        {"PLL1Div3", vek125.PLL1Div3},   {"PixelDiv", vek125.PixelDiv},
        {"PixelFreq", vek125.PixelFreq}, {"PLL2Div1", vek125.PLL2Div1},
        {"PLL2Mult", vek125.PLL2Mult},   {"VCO2Freq", vek125.VCO2Freq},
        {"PLL2Div2", vek125.PLL2Div2},   {"SerialFreq", vek125.SerialFreq},
        {"Bits", vek125.Bits},           {"WordFreq", vek125.WordFreq},
        {"MIPILane2", vek125.MIPILane2}, {"MIPICont", vek125.MIPICont},
        {"IntgTime", vek125.IntgTime},   {"Rows", vek125.Rows},
        {"Cols", vek125.Cols},
    };
    for (const auto &v : vek125Vars)
        checkVariable(v.first, v.second);
    QCOMPARE(vek125.intgTime, vek125.IntgTime.value);

    Murn_102 murn102(65);
    murn102.InitDefaults(QString());
    checkVariable("checkRowSkipping", murn102.checkRowSkipping);
    checkVariable("spinRows", murn102.spinRows);
    checkVariable("spinCols", murn102.spinCols);
    checkVariable("dSpinPLL_Input", murn102.dSpinPLL_Input);

    Murn_104 murn104(66);
    murn104.InitDefaults(QString());
    const std::pair<const char *, const GUIVAR_T &> murn104Vars[] = {
        {"checkSkipping", murn104.checkSkipping},
        {"spinRows", murn104.spinRows},
        {"spinCols", murn104.spinCols},
        {"dSpinPLL_Input", murn104.dSpinPLL_Input},
        {"dSpinPLL_Target", murn104.dSpinPLL_Target},
        {"PLL_VCO", murn104.PLL_VCO},
        {"PLL_N", murn104.PLL_N},
        {"PLL_M", murn104.PLL_M},
        {"checkBypass", murn104.checkBypass},
        {"checkUseMinFreq", murn104.checkUseMinFreq},
    };
    for (const auto &v : murn104Vars)
        checkVariable(v.first, v.second);
}

void TestFacade::dravRegionAndSkipAccessors() {
    Drav_102 drav(111);

    // A region stores the low 16 bits; fields outside 0..5 are ignored and read as 0.
    drav.roi[1].setRoiValue(3, 0x12345);
    QCOMPARE(drav.roi[1].roiValue(3), 0x2345u);
    drav.roi[0].setRoiValue(5, -1);
    QCOMPARE(drav.roi[0].roiValue(5), 0xFFFFu);
    const uint before = drav.roi[0].roiValue(0);
    drav.roi[0].setRoiValue(6, 7);
    drav.roi[0].setRoiValue(-1, 7);
    QCOMPARE(drav.roi[0].roiValue(0), before);
    QCOMPARE(drav.roi[0].roiValue(6), 0u);
    QCOMPARE(drav.roi[0].roiValue(-1), 0u);
    // The two regions do not share storage.
    QVERIFY(drav.roi[0].roiValue(3) != 0x2345u);

    // Skip indices: 0..2 are taken, anything else keeps the last accepted one.
    drav.setXSkipIndex(2);
    drav.setYSkipIndex(1);
    drav.setXSkipIndex(3);
    drav.setYSkipIndex(-1);
    QCOMPARE(drav.getXSkipIndex(), 2);
    QCOMPARE(drav.getYSkipIndex(), 1);

    drav.setXscale(true);
    QVERIFY(drav.isXscale());
    QVERIFY(!drav.isYscale());

    QVERIFY(drav.NumberOfRegisters(false) <= drav.NumberOfRegisters(true));
}

void TestFacade::holvConfigBlockIsPllStorage() {
    Holv_101 holv(114);
    // A use case writes the block, the PLL panel writes the PLL fields: both reach the same values.
    holv.configBlock.chirpsPerFrame = 64;
    holv.configBlock.tdmMimo = false;
    QCOMPARE(holv.pll.pllWcd, 64);
    QCOMPARE(holv.pll.custRev, false);
    holv.pll.pllVco2 = 1.5;
    QCOMPARE(holv.configBlock.adcStartTime, 1.5);
    // The clocks the radar timing divides by start non-zero.
    QVERIFY(holv.configBlock.adcClock > 0);
    QVERIFY(holv.configBlock.mipiWordClock > 0);
}

// The journal lists the calls made from outside in order, with their
// arguments, but not the calls one operation makes of another.
void TestFacade::callJournalRecordsOutsideCalls() {
    CCalvex calvex(22);
    calvex.vek_108->InitDefaults(QString(), 23);
    calvex.vek_108->TimingUpdate(1, false, true);
    calvex.vek_108->RegisterUpdate(1, 23);
    calvex.vek_108->SetInterface(2, 12);
    QCOMPARE(calvex.vek_108->callJournal(),
             (QStringList{"InitDefaults(23)", "TimingUpdate(1, false, true)", "RegisterUpdate(1, 23)",
                          "SetInterface(2, 12)"}));
    calvex.vek_108->clearCallJournal();
    calvex.vek_108->PllUpdate();
    QCOMPARE(calvex.vek_108->callJournal(), QStringList{"PllUpdate()"});
    // A long session keeps only the latest calls.
    for (int i = 0; i < 5000; ++i)
        calvex.vek_108->ResultsUpdate(0);
    QVERIFY(calvex.vek_108->callJournal().size() < 5000);
    QCOMPARE(calvex.vek_108->callJournal().last(), QStringLiteral("ResultsUpdate(0)"));
}

void TestFacade::calculationsInAJournal_data()
{
    QTest::addColumn<QStringList>("journal");
    QTest::addColumn<int>("calculations");
    QTest::newRow("classic, one context")
        << QStringList{"PllUpdate()", "TimingUpdate(0, false, true)", "ResultsUpdate(0)", "RegisterUpdate(0)"} << 1;
    QTest::newRow("by interface, both contexts")
        << QStringList{"SetInterface(4, 12)", "SetModePLL(2)",   "UseCaseTiming(0, false, true)", "ResultsUpdate(0)",
                       "RegisterUpdate(0)",   "SetSerialPLL(1)", "TimingUpdate(1, false, true)",  "ResultsUpdate(1)",
                       "RegisterUpdate(1)"}
        << 2;
    // A change of one context that keeps the PLL results: the timing step
    // after the registers starts the calculation.
    QTest::newRow("PLL results kept") << QStringList{"TimingUpdate(1, false, true)", "ResultsUpdate(1)",
                                                     "RegisterUpdate(1)", "RegisterUpdate(1)",
                                                     "TimingUpdate(1, false, true)"}
                                      << 2;
    QTest::newRow("form-based") << QStringList{"Calculate()", "RegisterUpdate(0)"} << 1;
    QTest::newRow("external PLL") << QStringList{"CalculatePLLExt(0)", "TimingUpdate(0, false, false)", "PllUpdate()",
                                                 "TimingUpdate(0, false, false)", "RegisterUpdate(0)"}
                                  << 1;
    QTest::newRow("keep-sync")
        << QStringList{"CalculatePLLNet_ks(2, false)",  "fineAdjustPll0P2toExt_ks(2)", "CalculatePLLNet_ks(2, true)",
                       "TimingUpdate(0, false, false)", "RegisterUpdate(0)",           "ResultsUpdate(0)"}
        << 1;
    QTest::newRow("nothing worked out") << QStringList{"RegisterUpdate(0)", "ResultsUpdate(0)"} << 0;
}

// Each calculation in a journal is counted once, whatever operation works
// its PLL out.
void TestFacade::calculationsInAJournal()
{
    QFETCH(QStringList, journal);
    QFETCH(int, calculations);
    QCOMPARE(CFamilyCore::calculationsIn(journal), calculations);
}

QTEST_GUILESS_MAIN(TestFacade)
#include "tst_facade.moc"
