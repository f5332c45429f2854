// Catalogue 99 to 101 and 103 to 104 driven through the window: Vek_138
// (Vek138m, Vek139, Vek140m) and Vek_119 (Vek119t, Vek119m), one context
// each. Each sample loads and calculates without a warning; Vek_138 sends
// its exposure settings (ratios as powers of two), leaves every divider to
// the library, runs the PLL step of its output mode and takes its output
// bits from the open PLL panel; Vek_119 sets its link up from the open PLL
// panel, allows compressed output at 8 bits only and hands the panel's
// revision to the reader and the library.
//
// The option panels are not part of the window yet: where a rule reads one
// of their widgets, the test gives the window a widget of that object name.
#include "calvex.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

#include <climits>
#include <memory>

namespace {

const QString kRedDouble = QStringLiteral("QDoubleSpinBox { background-color: red; }");
const QString kWhiteDouble = QStringLiteral("QDoubleSpinBox { background-color: white; }");
const QString kRedCombo = QStringLiteral("QComboBox { background-color: red; }");
const QString kWhiteCombo = QStringLiteral("QComboBox { background-color: white; }");

struct Session : WindowSession {
    using WindowSession::WindowSession;
    CFamilyBase &family() { return *dynamic_cast<CFamilyBase *>(window->calvex->family()); }
};

// Widgets of the advanced panels, made by the test under one parent that is
// never shown, with the object names of the panels' forms.
struct PanelWidgets {
    QWidget parent;
    QComboBox *lanes = make<QComboBox>("comboPLL_Lanes");
    QComboBox *bits = make<QComboBox>("comboPLL_Bits");
    QCheckBox *mipiCont = make<QCheckBox>("checkPLL_MIPICont");
    QCheckBox *mipiHeader = make<QCheckBox>("checkPLL_MIPIHeader");
    QCheckBox *combi = make<QCheckBox>("checkCombi");
    QComboBox *numExp = make<QComboBox>("comboNumExp");
    QDoubleSpinBox *intgTime = make<QDoubleSpinBox>("dSpinIntgTime");

    template <class T> T *make(const char *name)
    {
        auto *widget = new T(&parent);
        widget->setObjectName(QLatin1String(name));
        return widget;
    }

    PanelWidgets(Pallador &w, const QStringList &bitItems)
    {
        lanes->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")});
        bits->addItems(bitItems);
        numExp->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
        intgTime->setRange(0.0, 1000.0);
        w.comboPLL_Lanes = lanes;
        w.comboPLL_Bits = bits;
        w.checkPLL_MIPICont = mipiCont;
        w.checkPLL_MIPIHeader = mipiHeader;
        w.checkCombi = combi;
        w.comboNumExp = numExp;
        w.dSpinIntgTime[0] = intgTime;
    }
};

const QStringList kVek138Bits{"10", "12", "14", "16", "20", "24"};
const QStringList kVek119Bits{"8", "10"};

// The value the register table shows for the first row of a name.
qint64 reg(const Pallador &w, const char *name)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].name == QLatin1String(name))
            return w.regs[i].value;
    }
    return -1;
}

// The frame length as the family's table names its register.
qint64 frameLengthRegister(const Pallador &w)
{
    const qint64 lines = reg(w, "FRAME_LENGTH_LINES");
    return lines >= 0 ? lines : reg(w, "FRAME_LENGTH_LINE");
}

// One calculation of context A: the steps before the PLL step (if any), the
// PLL step, the timing step, results, registers and the register refresh.
QStringList calculation(const QStringList &before, const QString &pll, const QString &timing)
{
    return QStringList(before) << pll << timing + QStringLiteral("(0, false, true)")
                               << QStringLiteral("ResultsUpdate(0)") << QStringLiteral("RegisterUpdate(0)")
                               << QStringLiteral("RegisterUpdate(0)");
}

// The advanced option panel of context A in use, as its box and the window
// leave it once the panel is open; the panel itself is not built.
void useAdvancedPanel(Pallador &w, bool on)
{
    w.ui.checkAdvParam_A->setChecked(on);
    w.advParamOn[0] = on;
    w.currentContext = 0;
}

} // namespace

class TestVek138Vek119 : public QObject {
    Q_OBJECT

private slots:
    void samplesEndToEnd_data();
    void samplesEndToEnd();
    void vek138SetUp();
    void vek138Exposures_data();
    void vek138Exposures();
    void vek138ExposureCountBeyondTheList();
    void vek138DividersLeftToTheLibrary();
    void vek138OutputMode();
    void vek138OutputBits_data();
    void vek138OutputBits();
    void vek119SetUp();
    void vek119Link_data();
    void vek119Link();
    void vek119Revision();
    void vek119ContextZero();
    void warnings_data();
    void warnings();
};

// ---------------------------------------------------------------------------
// Every sensor of the group.

void TestVek138Vek119::samplesEndToEnd_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("calls");
    const QStringList vek138 = calculation({}, "CalculatePLLMode(4)", "TimingUpdate");
    const QStringList vek119 = calculation({}, "SetParallelPLL()", "UseCaseTiming");
    QTest::newRow("99 Vek138m") << "Vek138m" << 99 << vek138;
    QTest::newRow("100 Vek139") << "Vek139" << 100 << vek138;
    QTest::newRow("101 Vek140m") << "Vek140m" << 101 << vek138;
    QTest::newRow("103 Vek119t") << "Vek119t" << 103 << vek119;
    QTest::newRow("104 Vek119m") << "Vek119m" << 104 << vek119;
}

// The sample loads and calculates without a warning; a change of the context
// runs the family's calculation once; the pane shows the family's text and
// the registers its timing; every use case of the file calculates without a
// warning.
void TestVek138Vek119::samplesEndToEnd()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    QFETCH(QStringList, calls);

    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.sensorIndex, index);
    QCOMPARE(w.contextCount, 1);
    QCOMPARE(f.ctx[0].warnings, 0u);
    QCOMPARE(w.getWarningValue(), 0);

    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(24.0);
    QCOMPARE(journal(w), calls);
    QCOMPARE(f.pll.inputClock, 24.0);
    QCOMPARE(w.currentContext, 0);
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    QVERIFY(w.ui.textResult_PLL->toPlainText().startsWith(f.results.pllDisplayText));
    const calvex::TimingResult &t = f.timing(0);
    QCOMPARE(reg(w, "LINE_LENGTH_PCK"), qint64(t.lineLength));
    QCOMPARE(frameLengthRegister(w), qint64(t.frameLength));
    w.ui.dSpinPLL_Input->setValue(27.0);

    for (int u = 0; u < w.ui.comboUseCase_A->count(); ++u) {
        w.ui.comboUseCase_A->setCurrentIndex(u);
        QVERIFY2(f.ctx[0].warnings == 0,
                 qPrintable(QStringLiteral("use case %1: %2").arg(u).arg(f.ctx[0].warnings, 0, 16)));
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Vek_138.

// The set-up's output mode, exposure presets and options, use case 0's
// exposure count, the combos it disables and its interface list; running it
// again (Set Default) puts the presets back and lists each interface once.
void TestVek138Vek119::vek138SetUp()
{
    Session s(QStringLiteral("Vek138m"));
    Pallador &w = s.w();
    auto &f = static_cast<Vek_138 &>(s.family());
    QCOMPARE(w.outPort, 4);
    QCOMPARE(f.pll.outPort, 4);
    QCOMPARE(w.t1ExpRows[0], 79);
    QCOMPARE(w.t2ExpRows[0], 11);
    QCOMPARE(w.t3ExpRows[0], 2);
    QCOMPARE(w.t4ExpRows[0], 0);
    QCOMPARE(w.t1T2Ratio[0], 16);
    QCOMPARE(w.t2T3Ratio[0], 1);
    QCOMPARE(w.t3T4Ratio[0], 4);
    QCOMPARE(w.interleave[0], 1);
    QVERIFY(w.useReg && w.mipiCont);
    QVERIFY(f.pll.mipiCont);
    QVERIFY(f.ctx[0].useReg);
    QCOMPARE(w.numExposures[0], 0); // use case 0 has one exposure
    QCOMPARE(f.numExposures, 1);
    QCOMPARE(w.maxFps[0], 24.0);
    QCOMPARE(w.ui.comboMaxFRate_A->currentText(), QStringLiteral("24"));
    for (QWidget *widget :
         std::initializer_list<QWidget *>{w.ui.comboTypeBlank_A, w.ui.comboTypeFRate_A, w.ui.dSpinPLL_Target,
                                          w.ui.checkPLL_N, w.ui.checkPLL_M, w.ui.checkPLL_VCO})
        QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));
    QStringList items;
    for (int i = 0; i < w.ui.comboPLL_Interface->count(); ++i)
        items << w.ui.comboPLL_Interface->itemText(i);
    QCOMPARE(items, (QStringList{"MIPI-4", "HISPI-4"}));
    QCOMPARE(w.interfaceIndex, 0);

    w.outPort = 1;
    w.t1ExpRows[0] = 5;
    w.t1T2Ratio[0] = 2;
    w.useReg = false;
    w.initContext(0);
    QCOMPARE(w.outPort, 4);
    QCOMPARE(w.t1ExpRows[0], 79);
    QCOMPARE(w.t1T2Ratio[0], 16);
    QVERIFY(w.useReg);
    QCOMPARE(w.ui.comboPLL_Interface->count(), 2);
}

void TestVek138Vek119::vek138Exposures_data()
{
    QTest::addColumn<int>("exponent"); // the window's T1/T2 ratio
    QTest::addColumn<int>("ratio");    // what the library gets
    QTest::addColumn<int>("testCols"); // the window's counts
    QTest::addColumn<int>("noiseCols");
    QTest::newRow("exponent 4, two of each") << 4 << 16 << 2 << 2;
    QTest::newRow("exponent 0, none") << 0 << 1 << 0 << 0;
    QTest::newRow("exponent 3, one of each") << 3 << 8 << 1 << 1;
    // Far beyond any register: the largest ratio, no overflow.
    QTest::newRow("exponent 40") << 40 << 2147483647 << 0 << 0;
}

// The exposure settings reach the library: the ratios as 2 to the power of
// the window's exponents, the analog test and row-noise columns in pixels
// (24 and 56 a count), the count as the window's position + 1; with the
// context panel in use its exposure list shows the count. The interleave
// option programs the companding register.
void TestVek138Vek119::vek138Exposures()
{
    QFETCH(int, exponent);
    QFETCH(int, ratio);
    QFETCH(int, testCols);
    QFETCH(int, noiseCols);
    Session s(QStringLiteral("Vek139"));
    Pallador &w = s.w();
    auto &f = static_cast<Vek_138 &>(s.family());
    PanelWidgets widgets(w, kVek138Bits);
    w.t1T2Ratio[0] = exponent;
    w.t2T3Ratio[0] = 2;
    w.t3T4Ratio[0] = 0;
    w.analogTestCols = testCols;
    w.rowNoiseCols = noiseCols;
    w.numExposures[0] = 2;
    w.t2ExpRows[0] = 9;
    w.middleIntTime[0] = 3;
    w.otherLineTime[0] = 1;
    w.txLatch[0] = true;
    w.interleave[0] = 0;
    useAdvancedPanel(w, true);
    w.recalc(false);

    QCOMPARE(f.t1T2Ratio, ratio);
    QCOMPARE(f.t2T3Ratio, 4);
    QCOMPARE(f.t3T4Ratio, 1);
    QCOMPARE(f.analogTestCols, 24 * testCols);
    QCOMPARE(f.rowNoiseCols, 56 * noiseCols);
    QCOMPARE(f.numExposures, 3);
    QCOMPARE(f.t2ExpRows, 9);
    QCOMPARE(f.middleIntTime, 3);
    QVERIFY(f.otherLineTime && f.txLatch && f.advParamOn);
    QCOMPARE(widgets.numExp->currentIndex(), 2);
    QCOMPARE(f.timing(0).exposures, 3);
    QCOMPARE(reg(w, "COMPANDING"), 0);
    QCOMPARE(f.useCaseIndex, w.ui.comboUseCase_A->currentIndex());

    // With the panel not in use its list is left alone.
    useAdvancedPanel(w, false);
    w.numExposures[0] = 0;
    w.interleave[0] = 1;
    w.recalc(false);
    QCOMPARE(f.numExposures, 1);
    QCOMPARE(widgets.numExp->currentIndex(), 2);
    QCOMPARE(reg(w, "COMPANDING"), 1);
}

// A count no list offers (a caller's, a direct call's): the library takes
// its largest, and the panel's list shows its last entry.
void TestVek138Vek119::vek138ExposureCountBeyondTheList()
{
    Session s(QStringLiteral("Vek139"));
    Pallador &w = s.w();
    auto &f = static_cast<Vek_138 &>(s.family());
    PanelWidgets widgets(w, kVek138Bits);
    useAdvancedPanel(w, true);
    w.numExposures[0] = INT_MAX;
    w.recalc(false);
    QCOMPARE(f.timing(0).exposures, 4);
    QCOMPARE(widgets.numExp->currentIndex(), 3);
}

// Whatever the override boxes and spins hold, the pre-divider, multiplier
// and VCO are the library's choice: the PLL comes out as with the boxes
// unticked.
void TestVek138Vek119::vek138DividersLeftToTheLibrary()
{
    Session s(QStringLiteral("Vek138m"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.recalc(true);
    const int n = w.resN, m = w.resM;
    const double vco = w.resVcoClock;
    const qint64 multiplier = reg(w, "PLL_MULTIPLIER");

    for (QCheckBox *box : {w.ui.checkPLL_N, w.ui.checkPLL_M, w.ui.checkPLL_VCO})
        box->setChecked(true);
    w.pllN = n + 1;
    w.pllM = m + 7;
    w.pllVco = vco + 100.0;
    w.recalc(true);

    QCOMPARE(f.pll.vcoRequest, -1.0);
    QCOMPARE(f.pll.pllVco2, -1.0);
    QCOMPARE(w.resN, n);
    QCOMPARE(w.resM, m);
    QCOMPARE(w.resVcoClock, vco);
    QCOMPARE(reg(w, "PLL_MULTIPLIER"), multiplier);
    QCOMPARE(f.pll.lanes, 4);
}

// The PLL step runs in the window's output mode: 4 after the set-up,
// whatever it holds later.
void TestVek138Vek119::vek138OutputMode()
{
    Session s(QStringLiteral("Vek140m"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    resetJournal(w);
    w.recalc(true);
    QCOMPARE(journal(w).value(0), QStringLiteral("CalculatePLLMode(4)"));
    w.outPort = 2;
    resetJournal(w);
    w.recalc(true);
    QCOMPARE(journal(w).value(0), QStringLiteral("CalculatePLLMode(2)"));
    QCOMPARE(f.pll.outPort, 2);
    QCOMPARE(f.ctx[0].warnings, 0u);
}

void TestVek138Vek119::vek138OutputBits_data()
{
    QTest::addColumn<bool>("panel");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("position");  // in "10" ... "24"
    QTest::addColumn<int>("bits");      // the library's, 0: as before
    QTest::addColumn<int>("mipiBoxes"); // -1 untouched, 0 disabled, 1 enabled
    QTest::newRow("MIPI-4, 24 bits") << true << 0 << 5 << 24 << 1;
    QTest::newRow("MIPI-4, 20 bits") << true << 0 << 4 << 20 << 1;
    QTest::newRow("HISPI-4, 14 bits") << true << 1 << 2 << 14 << 0;
    QTest::newRow("nothing chosen keeps the bits") << true << 0 << -1 << 0 << 1;
    QTest::newRow("panel closed") << false << 1 << 5 << 0 << -1;
}

// With the PLL panel open its "Output Bits:" list gives the library's output
// bits (the window keeps the position) and the MIPI options are offered for
// the MIPI interface alone.
void TestVek138Vek119::vek138OutputBits()
{
    QFETCH(bool, panel);
    QFETCH(int, interfaceIndex);
    QFETCH(int, position);
    QFETCH(int, bits);
    QFETCH(int, mipiBoxes);
    Session s(QStringLiteral("Vek138m"));
    Pallador &w = s.w();
    auto &f = static_cast<Vek_138 &>(s.family());
    PanelWidgets widgets(w, kVek138Bits);
    const int bitsBefore = f.outputBits;
    const int opBitsBefore = w.opBits;
    widgets.mipiCont->setEnabled(mipiBoxes != 1);
    widgets.mipiHeader->setEnabled(mipiBoxes != 1);
    w.ui.checkPLL_ADV->setChecked(panel);
    widgets.bits->setCurrentIndex(position);
    w.ui.comboPLL_Interface->setCurrentIndex(interfaceIndex);
    QCOMPARE(w.interfaceIndex, interfaceIndex);
    w.recalc(true);

    QCOMPARE(f.outputBits, bits ? bits : bitsBefore);
    QCOMPARE(f.linkBits(), f.outputBits);
    QCOMPARE(w.opBits, panel ? position : opBitsBefore);
    QCOMPARE(f.ctx[0].interfaceIndex, interfaceIndex);
    QCOMPARE(f.linkLanes(), 4);
    QCOMPARE(widgets.mipiCont->isEnabled(), mipiBoxes != 0);
    QCOMPARE(widgets.mipiHeader->isEnabled(), mipiBoxes != 0);
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Vek_119.

// The set-up's parallel link, revision and rate list.
void TestVek138Vek119::vek119SetUp()
{
    Session s(QStringLiteral("Vek119t"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.interfaceIndex, 0);
    QCOMPARE(w.lanes, 1);
    QCOMPARE(w.opBits, 10);
    QCOMPARE(w.combi, 0);
    QCOMPARE(w.revIndex, 2);
    QCOMPARE(f.ctx[0].combi, 0);
    QVERIFY(w.ui.comboPLL_Interface->isHidden());
    QVERIFY(!w.ui.comboTypeFRate_A->isEnabled());
    QStringList offered;
    for (int i = 0; i < w.ui.comboMaxFRate_A->count(); ++i)
        offered << w.ui.comboMaxFRate_A->itemText(i);
    QCOMPARE(offered, f.results.frameRateChoices);
    QCOMPARE(w.ui.comboMaxFRate_A->currentText(), QString::number(w.maxFps[0]));
    QCOMPARE(f.ctx[0].maxFps, w.maxFps[0]);

    // The panel opened by the family starts on 10-bit output.
    PanelWidgets widgets(w, kVek119Bits);
    f.defaults.defaultAdvPll = 1;
    w.revIndex = 0;
    w.initContext(0);
    QVERIFY(w.ui.checkPLL_ADV->isChecked());
    QCOMPARE(w.comboPLL_Bits->currentIndex(), 1);
    QCOMPARE(w.revIndex, 2);
}

void TestVek138Vek119::vek119Link_data()
{
    QTest::addColumn<bool>("panel");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("lanePosition");
    QTest::addColumn<int>("bitPosition");
    QTest::addColumn<QStringList>("before"); // the calls before the PLL step
    QTest::addColumn<QString>("pll");
    QTest::addColumn<bool>("combiEnabled"); // the compressed-output box afterwards
    QTest::addColumn<bool>("combiTicked");
    QTest::addColumn<int>("combi");   // the window's and the record's afterwards
    QTest::addColumn<int>("mipiBox"); // -1 untouched, 0 disabled, 1 enabled

    const QStringList rev{"SetRevDefaults(2)"};
    QTest::newRow("MIPI 2 lanes 8 bits") << true << 1 << 1 << 0 << (QStringList{"SetInterface(2, 8)"} + rev)
                                         << "SetSerialPLL(1)" << true << true << 1 << 1;
    QTest::newRow("MIPI 2 lanes 10 bits") << true << 1 << 1 << 1 << (QStringList{"SetInterface(2, 10)"} + rev)
                                          << "SetSerialPLL(1)" << false << false << 0 << 1;
    QTest::newRow("parallel 10 bits") << true << 0 << 2 << 1 << (QStringList{"SetInterface(1, 10)"} + rev)
                                      << "SetParallelPLL()" << false << false << 0 << 0;
    // No link branch: the window's 4 lanes of 12 bits, not offered compressed.
    QTest::newRow("interface 2: the window's link") << true << 2 << 0 << 0 << (QStringList{"SetInterface(4, 12)"} + rev)
                                                    << "SetSerialPLL(2)" << false << true << 1 << -1;
    QTest::newRow("panel closed") << false << 1 << 1 << 1 << QStringList() << "SetSerialPLL(1)" << true << true << 1
                                  << -1;
}

// With the PLL panel open the link comes from its lists, compressed output
// is offered at 8 bits and switched off at 10, and the revision's defaults
// are loaded before the PLL step; with the panel closed none of that runs.
void TestVek138Vek119::vek119Link()
{
    QFETCH(bool, panel);
    QFETCH(int, interfaceIndex);
    QFETCH(int, lanePosition);
    QFETCH(int, bitPosition);
    QFETCH(QStringList, before);
    QFETCH(QString, pll);
    QFETCH(bool, combiEnabled);
    QFETCH(bool, combiTicked);
    QFETCH(int, combi);
    QFETCH(int, mipiBox);
    Session s(QStringLiteral("Vek119m"));
    Pallador &w = s.w();
    auto &f = static_cast<Vek_119 &>(s.family());
    PanelWidgets widgets(w, kVek119Bits);
    w.ui.checkPLL_ADV->setChecked(panel);
    w.interfaceIndex = interfaceIndex;
    widgets.lanes->setCurrentIndex(lanePosition);
    widgets.bits->setCurrentIndex(bitPosition);
    widgets.combi->setChecked(true);
    widgets.combi->setEnabled(!panel || !combiEnabled);
    widgets.mipiCont->setEnabled(mipiBox != 1);
    w.combi = 1;
    w.lanes = 4;
    w.opBits = 12;
    w.mipiCont = true;
    w.darkCols = true;
    const int readerRevision = w.dataIO->getRevNumber();
    resetJournal(w);

    w.ui.checkHorzMirror_A->click();

    QCOMPARE(journal(w), calculation(before, pll, "UseCaseTiming"));
    QCOMPARE(w.combi, combi);
    QCOMPARE(f.ctx[0].combi, combi);
    QCOMPARE(widgets.combi->isEnabled(), combiEnabled);
    QCOMPARE(widgets.combi->isChecked(), combiTicked);
    QCOMPARE(widgets.mipiCont->isEnabled(), mipiBox != 0);
    QCOMPARE(f.darkCols, panel);
    QCOMPARE(f.ctx[0].interfaceIndex, interfaceIndex);
    QCOMPARE(w.dataIO->getRevNumber(), panel ? 3 : readerRevision);
    if (panel) {
        QCOMPARE(f.pll.revision, 2);
        QCOMPARE(f.linkBits(), w.opBits);
    }
    if (panel && interfaceIndex <= 1)
        QCOMPARE(f.pll.mipiCont, interfaceIndex == 1);
    if (panel && interfaceIndex == 1)
        QCOMPARE(f.linkLanes(), 2);
    QCOMPARE(s.responder.seen(), QStringList());
}

// The revision chosen in the panel decides the VCO range: from the third
// revision on the VCO goes to 1000 MHz, before it to 900 MHz.
void TestVek138Vek119::vek119Revision()
{
    Session s(QStringLiteral("Vek119t"));
    Pallador &w = s.w();
    PanelWidgets widgets(w, kVek119Bits);
    w.ui.checkPLL_ADV->setChecked(true);
    w.ui.checkPLL_VCO->click();
    w.ui.dSpinPLL_VCO->setValue(950.0);
    QCOMPARE(w.getWarningValue() & 0x200000, 0);
    QCOMPARE(w.ui.dSpinPLL_VCO->styleSheet(), kWhiteDouble);

    w.revIndex = 1;
    w.recalc(true);
    QCOMPARE(s.family().pll.revision, 1);
    QCOMPARE(w.dataIO->getRevNumber(), 2);
    QVERIFY(w.getWarningValue() & 0x200000);
    QCOMPARE(w.ui.dSpinPLL_VCO->styleSheet(), kRedDouble);
}

// Vek_119 times context 0 and reads context 0's texts whatever the window's
// context; with the advanced box ticked the panel's integration time goes
// into context 0's record.
void TestVek138Vek119::vek119ContextZero()
{
    Session s(QStringLiteral("Vek119t"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    PanelWidgets widgets(w, kVek119Bits);
    widgets.intgTime->setValue(7.25);
    w.intgTime[0] = 7.25; // as the box's slot stores it
    useAdvancedPanel(w, true);
    w.currentContext = 1;
    w.ctxDisplayText[1].clear();
    resetJournal(w);
    w.recalc(false);
    QCOMPARE(journal(w).mid(0, 3),
             (QStringList{"SetParallelPLL()", "TimingUpdate(0, false, true)", "ResultsUpdate(0)"}));
    QCOMPARE(f.ctx[0].intgTime, 7.25);
    QCOMPARE(w.ctxDisplayText[1], f.results.contextDisplayText[0]);
    QCOMPARE(w.pllDisplayText, f.results.pllDisplayText);
}

// ---------------------------------------------------------------------------
// Colours.

void TestVek138Vek119::warnings_data()
{
    QTest::addColumn<QString>("sample");
    QTest::newRow("99") << "Vek138m";
    QTest::newRow("103") << "Vek119t";
}

// The standard PLL map and context A's map: an input clock out of range and
// an unreachable frame rate show red and in WarningValue; the clear mask
// drops the recomputed bits and keeps the others.
void TestVek138Vek119::warnings()
{
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);

    w.ui.dSpinPLL_Input->setValue(3.0);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kRedDouble);
    QVERIFY(w.getWarningValue() & 0x400000);
    w.ui.dSpinPLL_Input->setValue(27.0);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);

    w.ui.comboMaxFRate_A->lineEdit()->setText(QStringLiteral("500"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kRedCombo);
    QVERIFY(w.getWarningValue() & 0x1);

    f.ctx[0].warnings |= 0x80000008u;
    w.ui.comboMaxFRate_A->lineEdit()->setText(QStringLiteral("5"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
    QCOMPARE(f.ctx[0].warnings & 0x80000009u, 0x80000000u);
}

QTEST_MAIN(TestVek138Vek119)
#include "tst_vek138_vek119.moc"
