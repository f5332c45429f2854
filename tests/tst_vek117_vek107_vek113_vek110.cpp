// Catalogue 83-85 and 92-93 (Vek_117, Vek_107, Vek_113, Vek_110: the
// line-interleaved HDR sensors, one context each) driven through the window:
// every sample loads and calculates each of its use cases without a warning;
// the combination and linear rules, the exposure inputs, the advanced PLL
// panel's link rules and Vek_113's option-panel rules (ratio labels,
// configure-buffer colours, fixed line length, binning against IME mode)
// show in the family object, the call journal, the registers and the
// widgets.
#include "calvex.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

#include <climits>
#include <memory>

namespace {

const QString kRedDouble = QStringLiteral("QDoubleSpinBox { background-color: red; }");
const QString kWhiteDouble = QStringLiteral("QDoubleSpinBox { background-color: white; }");
const QString kWhiteCombo = QStringLiteral("QComboBox { background-color: white; }");
const QString kBufferRed = QStringLiteral("background-color:red;");
const QString kBufferWhite = QStringLiteral("background-color:white;");

struct Session : WindowSession {
    using WindowSession::WindowSession;
    CFamilyBase &family() { return *dynamic_cast<CFamilyBase *>(window->calvex->family()); }
    HdrRowFields &rows() { return *dynamic_cast<HdrRowFields *>(window->calvex->family()); }
};

qint64 reg(const Pallador &w, const char *name)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].name == QLatin1String(name))
            return w.regs[i].value;
    }
    return -1;
}

template <class Widget> Widget *panelWidget(Pallador &w, const char *name)
{
    auto *widget = new Widget(&w);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QComboBox *panelCombo(Pallador &w, const char *name, int items, int index)
{
    auto *combo = panelWidget<QComboBox>(w, name);
    for (int i = 0; i < items; ++i)
        combo->addItem(QString::number(i));
    combo->setCurrentIndex(index);
    return combo;
}

// An entry of one of the panel's lists chosen as a user chooses it: the
// list's slot runs when the entry changes.
void choose(QComboBox *list, int index)
{
    QVERIFY(list);
    QVERIFY2(index >= 0 && index < list->count(), qPrintable(list->objectName()));
    list->setCurrentIndex(index);
}

// The advanced PLL panel opened as a user opens it: it shows the window's
// interface, whose slot fills the lane and bit-depth lists; then the lanes
// and the bit depth chosen in the lists the interface fills (a parallel
// interface empties them; some forms have none). Opening shows the rate the
// calculation found in the output-rate box, which stores it as the target:
// where the box drives the PLL (it is enabled), the window's rate is then
// typed into it again, as a user would; elsewhere the box shows the rate the
// target clock gives, and that is the rate the calculation takes.
void openPllPanel(Pallador &w, int lanesIndex, int bitsIndex)
{
    const double rate = w.pllTargetOp;
    w.ui.checkPLL_ADV->click();
    QVERIFY(w.pllForm && !w.pllForm->isHidden());
    QCOMPARE(w.comboPLL_InterMode->currentIndex(), w.interfaceIndex);
    if (w.comboPLL_Lanes && w.comboPLL_Lanes->count() > 0)
        choose(w.comboPLL_Lanes, lanesIndex);
    if (w.comboPLL_Bits && w.comboPLL_Bits->count() > 0)
        choose(w.comboPLL_Bits, bitsIndex);
    if (w.dSpinPLL_OutRate && w.dSpinPLL_OutRate->isEnabled()) {
        w.dSpinPLL_OutRate->setValue(rate);
        QCOMPARE(w.pllTargetOp, rate);
    }
}

// Vek_113's context A option panel opened, its integration time 10 ms (in
// the box and the setting its slot stores, without the slot's calculation).
void openVek113OptionPanel(Pallador &w)
{
    w.ui.checkAdvParam_A->setChecked(true);
    w.on_checkAdvParam_A_clicked();
    QVERIFY(w.dSpinIntgTime[0]);
    const QSignalBlocker blocker(w.dSpinIntgTime[0]);
    w.dSpinIntgTime[0]->setValue(10.0);
    w.intgTime[0] = 10.0;
}

// A configuration of a sensor with one 1280 x 960 use case.
QByteArray oneUseCase(const char *sensor, const char *maxFps, int blankType = 0)
{
    return QByteArray("[General_Info]\nsensor_name = ") + sensor +
           "\npart_number = X-1\n[UseCases]\n0/name = Case\n0/cols = 1280\n0/rows = 960\n0/max_fps = " + maxFps +
           "\n0/intg_time = 10\n0/blank_type = " + QByteArray::number(blankType) + "\n0/context_a_default = 1\n";
}

} // namespace

class TestVek117Vek107Vek113Vek110 : public QObject {
    Q_OBJECT

private slots:
    void samplesEndToEnd_data();
    void samplesEndToEnd();
    void setUp_data();
    void setUp();
    void fastClockSetUp_data();
    void fastClockSetUp();
    void vek110UseCaseWithoutRate();
    void combinationAndLinearRules_data();
    void combinationAndLinearRules();
    void exposureInputs_data();
    void exposureInputs();
    void vek110SuperExposure_data();
    void vek110SuperExposure();
    void vek117Panel_data();
    void vek117Panel();
    void vek107Panel_data();
    void vek107Panel();
    void vek113Panel_data();
    void vek113Panel();
    void vek113RatioLabels_data();
    void vek113RatioLabels();
    void vek113ConfigureBuffers_data();
    void vek113ConfigureBuffers();
    void vek113FixedLineLength_data();
    void vek113FixedLineLength();
    void vek113ImeModeLocksBinning();
    void vek110Panel_data();
    void vek110Panel();
    void otherContexts_data();
    void otherContexts();
    void warnings_data();
    void warnings();
    void vek110OutputRateColour();
};

// ---------------------------------------------------------------------------
// Every sensor of the group.

void TestVek117Vek107Vek113Vek110::samplesEndToEnd_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("pllStep"); // at the set-up's interface
    QTest::newRow("83 Vek117m") << "Vek117m" << 83 << "SetSerialPLL(1)";
    QTest::newRow("84 Vek107m") << "Vek107m" << 84 << "SetSerialPLL(1)";
    QTest::newRow("85 Vek113m") << "Vek113m" << 85 << "SetSerialPLL(0)";
    QTest::newRow("92 Vek110m") << "Vek110m" << 92 << "SetSerialPLL(1)";
    QTest::newRow("93 Vek112m") << "Vek112m" << 93 << "SetSerialPLL(1)";
}

// The sample loads, calculates context A with the family's calls and shows
// the family's texts and registers; each of its use cases calculates once,
// reaches its frame rate and colours nothing; a new input clock reaches the
// family.
void TestVek117Vek107Vek113Vek110::samplesEndToEnd()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    QFETCH(QString, pllStep);

    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.sensorIndex, index);
    QCOMPARE(w.contextCount, 1);
    QVERIFY(w.ui.comboPLL_Interface->isHidden());

    resetJournal(w);
    w.recalc(true);
    // The calculation, then the register table's refresh.
    QCOMPARE(journal(w).mid(0, 4),
             (QStringList{pllStep, "UseCaseTiming(0, false, true)", "ResultsUpdate(0)", "RegisterUpdate(0)"}));
    QCOMPARE(w.currentContext, 0);
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    QVERIFY(w.ui.textResult_PLL->toPlainText().startsWith(f.results.pllDisplayText));

    const int useCases = w.ui.comboUseCase_A->count();
    QVERIFY(useCases > 1);
    for (int k = 1; k <= useCases; ++k) {
        const int u = k % useCases;
        resetJournal(w);
        w.ui.comboUseCase_A->setCurrentIndex(u);
        QCOMPARE(calculations(w), 1);
        QCOMPARE(f.ctx[0].cols, w.dataIO->useCases[u].cols);
        QCOMPARE(f.ctx[0].rows, w.dataIO->useCases[u].rows);
        const QByteArray what = sample.toLatin1() + " use case " + QByteArray::number(u);
        QVERIFY2(w.getWarningValue() == 0, what + " warns " + QByteArray::number(w.getWarningValue(), 16));
        QVERIFY2(qAbs(f.timing(0).fps - w.maxFps[0]) <= w.maxFps[0] * 1e-3, what);
        QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
        QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);
        const calvex::TimingResult &t = f.timing(0);
        QCOMPARE(reg(w, "LINE_LENGTH_PCK"), qint64(t.lineLength));
        QCOMPARE(reg(w, "FRAME_LENGTH_LINES"), qint64(t.frameLength));
    }

    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(24.0);
    QCOMPARE(calculations(w), 1);
    QCOMPARE(f.pll.inputClock, 24.0);
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Context set-up.

void TestVek117Vek107Vek113Vek110::setUp_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("lanes");
    QTest::addColumn<int>("opBits");
    QTest::addColumn<int>("ratio"); // of each exposure pair, context A
    QTest::addColumn<int>("dataRows"); // embedded and statistics rows, context A
    QTest::addColumn<int>("revIndex");
    QTest::addColumn<int>("bufferLimit");
    QTest::addColumn<int>("bitsAfterPanel"); // the bit-depth position the automatic panel leaves
    // Window defaults where a family's set-up leaves a value alone: ratio
    // exponent 2, no data rows, revision position 0, buffer limit 68.
    QTest::newRow("83 Vek117m") << "Vek117m" << 1 << 2 << 14 << 4 << 0 << 0 << 84 << 1;
    QTest::newRow("84 Vek107m") << "Vek107m" << 1 << 4 << 12 << 2 << 0 << 0 << 68 << 3;
    QTest::newRow("85 Vek113m") << "Vek113m" << 0 << 2 << 12 << 2 << 1 << 0 << 68 << 1;
    QTest::newRow("92 Vek110m") << "Vek110m" << 1 << 4 << 12 << 3 << 0 << 2 << 68 << 1;
    QTest::newRow("93 Vek112m") << "Vek112m" << 1 << 4 << 12 << 3 << 0 << 2 << 68 << 1;
}

// The set-up leaves the family's interface, link and exposure defaults in
// the window and the use case's rate in the list; a family that asks for
// the advanced PLL panel gets it open on the set-up's interface (and, but
// for Vek_107, on the second bit depth).
void TestVek117Vek107Vek113Vek110::setUp()
{
    QFETCH(QString, sample);
    QFETCH(int, interfaceIndex);
    QFETCH(int, lanes);
    QFETCH(int, opBits);
    QFETCH(int, ratio);
    QFETCH(int, dataRows);
    QFETCH(int, revIndex);
    QFETCH(int, bufferLimit);
    QFETCH(int, bitsAfterPanel);

    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.interfaceIndex, interfaceIndex);
    QCOMPARE(f.ctx[0].interfaceIndex, interfaceIndex);
    QCOMPARE(w.lanes, lanes);
    QCOMPARE(w.opBits, opBits);
    QCOMPARE(w.t1T2Ratio[0], ratio);
    QCOMPARE(w.t2T3Ratio[0], ratio);
    QCOMPARE(w.t3T4Ratio[0], ratio);
    QCOMPARE(w.embedDataRows[0], dataRows);
    QCOMPARE(w.statsDataRows[0], dataRows);
    QCOMPARE(w.revIndex, revIndex);
    QCOMPARE(w.configBufLimit, bufferLimit);
    QCOMPARE(w.pllInput, f.defaults.defaultInputClock);
    QCOMPARE(w.ui.dSpinPLL_Target->value(), f.defaults.defaultTargetClock);
    QCOMPARE(w.maxFps[0], w.ui.comboMaxFRate_A->currentText().toDouble());
    QVERIFY(!w.ui.checkPLL_ADV->isChecked());

    f.defaults.defaultAdvPll = 1;
    w.comboPLL_InterMode = panelCombo(w, "comboPLL_InterMode", 3, 2);
    w.comboPLL_Bits = panelCombo(w, "comboPLL_Bits", 5, 3);
    resetJournal(w);
    w.initContext(0);
    QVERIFY(w.ui.checkPLL_ADV->isChecked());
    QCOMPARE(w.comboPLL_InterMode->currentIndex(), interfaceIndex);
    QCOMPARE(w.comboPLL_Bits->currentIndex(), bitsAfterPanel);
    QVERIFY(calculations(w) >= 1);
    QCOMPARE(w.busy, false);
}

// A family's own clock rule under fast clock: Vek_107 runs its target on the
// second target clock, Vek_110 on 89.14 MHz; Vek_117 keeps its target.
void TestVek117Vek107Vek113Vek110::fastClockSetUp_data()
{
    QTest::addColumn<QByteArray>("sensor");
    QTest::addColumn<double>("target");
    QTest::addColumn<double>("secondTarget");
    QTest::newRow("83 Vek117m") << QByteArray("Vek117m") << 96.0 << 120.0;
    QTest::newRow("84 Vek107m") << QByteArray("Vek107m") << 120.0 << 120.0;
    QTest::newRow("92 Vek110m") << QByteArray("Vek110m") << 89.14 << 89.14;
}

void TestVek117Vek107Vek113Vek110::fastClockSetUp()
{
    QFETCH(QByteArray, sensor);
    QFETCH(double, target);
    QFETCH(double, secondTarget);
    Session s(QStringLiteral("Fast.cfg"), oneUseCase(sensor.constData(), "30") +
                                              "[MinMax_Defaults]\ndefault_target_clock = 96\n"
                                              "default_target_clock2 = 120\n");
    Pallador &w = s.w();
    QCOMPARE(w.pllTarget, 96.0);
    w.fastClock = true;
    w.initContext(0);
    QVERIFY(qAbs(w.ui.dSpinPLL_Target->value() - target) < 1e-9);
    QVERIFY(qAbs(w.pllTarget - target) < 1e-9);
    QVERIFY(qAbs(w.pllTargetOp - secondTarget) < 1e-9);
    QVERIFY(qAbs(s.family().pll.targetClock - target) < 1e-9);
}

// Vek_110's set-up gives use case 0 without a rate the family's default, in
// the reader's record itself: the list shows it and a later load of the use
// case brings it again.
void TestVek117Vek107Vek113Vek110::vek110UseCaseWithoutRate()
{
    Session s(QStringLiteral("NoRate.cfg"),
              "[General_Info]\nsensor_name = Vek110m\npart_number = X-1\n[UseCases]\n"
              "0/name = No rate\n0/cols = 1280\n0/rows = 960\n0/max_fps = 0\n0/intg_time = 10\n"
              "0/context_a_default = 1\n"
              "1/name = Thirty\n1/cols = 1280\n1/rows = 960\n1/max_fps = 30\n1/intg_time = 10\n"
              "[MinMax_Defaults]\ndefault_max_fps = 45\n");
    Pallador &w = s.w();
    QCOMPARE(w.dataIO->useCases[0].maxFps, 45.0);
    QCOMPARE(w.ui.comboMaxFRate_A->currentText(), QStringLiteral("45"));
    QCOMPARE(w.maxFps[0], 45.0);
    w.ui.comboUseCase_A->setCurrentIndex(1);
    QCOMPARE(w.maxFps[0], 30.0);
    w.ui.comboUseCase_A->setCurrentIndex(0);
    QCOMPARE(w.maxFps[0], 45.0);
    QCOMPARE(s.family().ctx[0].maxFps, 45.0);
    QVERIFY(qAbs(s.family().timing(0).fps - 45.0) < 0.05);
}

// ---------------------------------------------------------------------------
// The combination and linear rules.

void TestVek117Vek107Vek113Vek110::combinationAndLinearRules_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("combi");
    QTest::addColumn<int>("hdr");
    for (const char *sample : {"Vek117m", "Vek107m", "Vek113m", "Vek110m"}) {
        QTest::addRow("%s HDR on after linear", sample) << sample << 0 << 1;
        QTest::addRow("%s linear", sample) << sample << 0 << 0;
        QTest::addRow("%s combination with HDR", sample) << sample << 1 << 1;
        QTest::addRow("%s combination without HDR", sample) << sample << 1 << 0;
    }
}

// Combination mode switches HDR, line interleave, its combo mode and LED
// flicker mitigation off in the window and the family; neither HDR nor
// combination mode is linear: one exposure, whatever the exposure lists
// show. A calculation after a linear one is linear only if it is itself.
void TestVek117Vek107Vek113Vek110::combinationAndLinearRules()
{
    QFETCH(QString, sample);
    QFETCH(int, combi);
    QFETCH(int, hdr);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    HdrRowFields &h = s.rows();

    // A linear calculation first.
    w.combi = 0;
    w.hdrMode[0] = 0;
    w.numExposures[0] = 2;
    w.recalc(false);
    QVERIFY(h.linearMode);
    QCOMPARE(f.timing(0).exposures, 1);

    w.combi = combi;
    w.hdrMode[0] = hdr;
    w.lfmMode[0] = 1;
    w.lineInterleave[0] = 1;
    w.lineComboMode[0] = 1;
    w.numExposures[0] = 2; // "3" in the list
    w.maxExposures[0] = 3;
    resetJournal(w);
    w.recalc(false);
    QCOMPARE(calculations(w), 1);

    const int kept = combi == 1 ? 0 : 1;
    QCOMPARE(w.hdrMode[0], combi == 1 ? 0 : hdr);
    QCOMPARE(w.lfmMode[0], kept);
    QCOMPARE(w.lineInterleave[0], kept);
    QCOMPARE(w.lineComboMode[0], kept);
    QCOMPARE(f.ctx[0].combi, combi);
    QCOMPARE(f.ctx[0].hdrMode, w.hdrMode[0]);
    QCOMPARE(f.ctx[0].lineInterleave, kept);
    QCOMPARE(f.ctx[0].lineComboMode, kept);
    QCOMPARE(h.lfmMode, kept == 1);

    const bool linear = hdr == 0 && combi == 0;
    const int exposures = linear ? 1 : 3;
    QCOMPARE(h.linearMode, linear);
    QCOMPARE(h.numExposures, exposures);
    QCOMPARE(f.timing(0).exposures, exposures);
    QCOMPARE(f.ctx[0].maxExposures, exposures);
    QCOMPARE(reg(w, "OPERATION_MODE_CTRL_NUM_EXP"), qint64(exposures - 1));
    if (w.sensorIndex != 84) // Vek_107's table has no LED-flicker row
        QCOMPARE(reg(w, "OPERATION_MODE_CTRL_LFM_MODE"), qint64(kept));
    QCOMPARE(reg(w, "OPERATION_MODE_CTRL_LIM_MODE"), qint64(linear ? 0 : kept));
}

// ---------------------------------------------------------------------------
// The exposure inputs.

void TestVek117Vek107Vek113Vek110::exposureInputs_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("rowFactor"); // of the embedded and statistics rows
    QTest::addColumn<bool>("testRows"); // top digital, bottom analog rows
    QTest::addColumn<bool>("scaleM");
    QTest::addColumn<bool>("darkCols");
    QTest::newRow("83 Vek117m") << "Vek117m" << 2 << true << true << false;
    QTest::newRow("84 Vek107m") << "Vek107m" << 2 << false << true << false;
    QTest::newRow("85 Vek113m") << "Vek113m" << 1 << true << false << false;
    QTest::newRow("92 Vek110m") << "Vek110m" << 2 << false << true << true;
}

// Each window setting of the option panel reaches the family's field; the
// families differ in the row counts they double and the fields they take.
void TestVek117Vek107Vek113Vek110::exposureInputs()
{
    QFETCH(QString, sample);
    QFETCH(int, rowFactor);
    QFETCH(bool, testRows);
    QFETCH(bool, scaleM);
    QFETCH(bool, darkCols);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    HdrRowFields &h = s.rows();
    auto &ratios = dynamic_cast<ExposureRatios &>(f);
    auto &dark = dynamic_cast<DarkRowOptions &>(f);

    h.topDigitalRows = h.botAnalogRows = 77;
    f.ctx[0].scaleM = 99;
    dark.darkCols = false;
    w.combi = 0;
    w.hdrMode[0] = 1;
    w.embedDataRows[0] = 2;
    w.statsDataRows[0] = 1;
    w.topDigitalRows[0] = 3;
    w.botAnalogRows[0] = 5;
    w.scaleM[0] = 24;
    w.scaler[0] = 1;
    w.t2ExpRows[0] = 11;
    w.t3ExpRows[0] = 7;
    w.t4ExpRows[0] = 5;
    w.t1T2Ratio[0] = 1;
    w.t2T3Ratio[0] = 2;
    w.t3T4Ratio[0] = 3;
    w.fixedLineLength[0] = 3000;
    w.useReg = true;
    w.useFixLLpck = true;
    w.borderPixels = 2;
    w.atrRows = w.dtrRows = w.darkRows = w.darkCols = true;
    w.useFov[0] = true;
    w.ui.comboUseCase_A->setCurrentIndex(1); // an HDR use case
    w.intgTime[0] = 7.5;
    w.recalc(false);

    QCOMPARE(h.embedDataRows, 2 * rowFactor);
    QCOMPARE(h.statsDataRows, rowFactor);
    QCOMPARE(h.topDigitalRows, testRows ? 3 : 77);
    QCOMPARE(h.botAnalogRows, testRows ? 5 : 77);
    QCOMPARE(f.ctx[0].scaleM, scaleM ? 24 : 99);
    QCOMPARE(dark.darkCols, darkCols);
    QVERIFY(dark.atrRows && dark.dtrRows && dark.darkRows);
    QCOMPARE(h.t2ExpRows, 11);
    QCOMPARE(h.t3ExpRows, 7);
    QCOMPARE(h.t4ExpRows, 5);
    QCOMPARE(ratios.t1T2Ratio, 1);
    QCOMPARE(ratios.t2T3Ratio, 2);
    QCOMPARE(ratios.t3T4Ratio, 3);
    QCOMPARE(h.fixedLineLength, 3000);
    QCOMPARE(f.ctx[0].scaler, 1);
    QVERIFY(f.ctx[0].useReg && f.ctx[0].useFixLLpck && f.ctx[0].useFov);
    QCOMPARE(f.ctx[0].borderPixels, 2);
    QCOMPARE(f.ctx[0].intgTime, 7.5);
    // The fixed line length and the exposure rows are what the sensor runs.
    QCOMPARE(reg(w, "LINE_LENGTH_PCK"), qint64(3000));
    QCOMPARE(f.pll.activeT2Rows, 11);
}

void TestVek117Vek107Vek113Vek110::vek110SuperExposure_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("code");
    QTest::newRow("off") << 0 << 0;
    QTest::newRow("1") << 1 << 5;
    QTest::newRow("2") << 2 << 6;
    QTest::newRow("3") << 3 << 0;
    QTest::newRow("-1") << -1 << 0;
}

// The super-exposure setting goes to Vek_110 as its code; a super exposure
// lengthens the line.
void TestVek117Vek107Vek113Vek110::vek110SuperExposure()
{
    QFETCH(int, setting);
    QFETCH(int, code);
    Session s(QStringLiteral("Vek110m"));
    Pallador &w = s.w();
    auto &f = *w.calvex->vek_110;
    w.ui.comboMaxFRate_A->lineEdit()->setText(QStringLiteral("5"));
    const int plainLine = f.timing(0).lineLength;
    w.superExp = setting;
    w.recalc(false);
    QCOMPARE(f.superExp, code);
    QCOMPARE(f.timing(0).lineLength > plainLine, code != 0);
}

// ---------------------------------------------------------------------------
// The advanced PLL panel.

void TestVek117Vek107Vek113Vek110::vek117Panel_data()
{
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("lanesIndex");
    QTest::addColumn<int>("bitsIndex");
    QTest::addColumn<int>("revIndex");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("oddClockRatio"); // the box enabled
    QTest::addColumn<bool>("ime");
    QTest::addColumn<bool>("mipiCont");
    // A parallel interface empties the lane and bit lists: the window's
    // two lanes and 10 bits go to the library.
    QTest::newRow("parallel, Rev6") << 0 << 2 << 1 << 0
                                    << QStringList{"SetInterface(2, 10)", "SetRevDefaults(6)", "SetParallelPLL()"}
                                             << false << false << false;
    QTest::newRow("HiSPi 4 lanes, Rev7") << 1 << 2 << 1 << 1
                                         << QStringList{"SetInterface(4, 12)", "SetRevDefaults(7)",
                                                        "SetSerialPLL(1)"}
                                         << false << true << true;
    QTest::newRow("HiSPi 2 lanes") << 1 << 1 << 2 << 0
                                   << QStringList{"SetInterface(2, 14)", "SetRevDefaults(6)", "SetSerialPLL(1)"}
                                   << true << false << true;
    QTest::newRow("MIPI 1 lane, 10 bits") << 2 << 0 << 0 << 1
                                          << QStringList{"SetInterface(1, 10)", "SetRevDefaults(7)",
                                                         "SetSerialPLL(2)"}
                                          << true << true << false;
}

// With the panel open the link and the revision go to Vek_117 before the
// PLL step, the reader learns the revision, and the boxes that do not
// apply are disabled; with the panel closed the library keeps them.
void TestVek117Vek107Vek113Vek110::vek117Panel()
{
    QFETCH(int, interfaceIndex);
    QFETCH(int, lanesIndex);
    QFETCH(int, bitsIndex);
    QFETCH(int, revIndex);
    QFETCH(QStringList, calls);
    QFETCH(bool, oddClockRatio);
    QFETCH(bool, ime);
    QFETCH(bool, mipiCont);
    Session s(QStringLiteral("Vek117m"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.interfaceIndex = interfaceIndex;
    w.revIndex = revIndex;
    openPllPanel(w, lanesIndex, bitsIndex);
    resetJournal(w);
    w.recalc(true);
    QCOMPARE(journal(w).mid(0, 3), calls);
    QCOMPARE(w.check16b8bits->isEnabled(), oddClockRatio);
    QCOMPARE(w.checkIme->isEnabled(), ime);
    QCOMPARE(w.checkPLL_MIPICont->isEnabled(), mipiCont);
    const int revision = revIndex == 0 ? 6 : 7;
    QCOMPARE(f.pll.revision, revision);
    QCOMPARE(w.dataIO->getRevNumber(), revision);
    QCOMPARE(f.linkSerial(), interfaceIndex != 0);
    QCOMPARE(f.linkBits(), w.opBits);
    if (interfaceIndex != 0)
        QCOMPARE(f.linkLanes(), w.lanes);

    // Closed, the panel sends nothing; the library keeps link and revision.
    w.ui.checkPLL_ADV->setChecked(false);
    w.revIndex = 1 - revIndex;
    resetJournal(w);
    w.recalc(true);
    QCOMPARE(journal(w).first(), calls.last());
    QCOMPARE(f.pll.revision, revision);
    QCOMPARE(f.linkBits(), w.opBits);
}

void TestVek117Vek107Vek113Vek110::vek107Panel_data()
{
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<bool>("fastClock");
    QTest::addColumn<double>("secondTarget");
    QTest::addColumn<int>("lanes");
    QTest::addColumn<int>("opBits");
    QTest::addColumn<QString>("pllStep");
    QTest::newRow("parallel, fast clock") << 0 << true << 120.0 << 2 << 10 << "SetParallelPLL()";
    QTest::newRow("parallel") << 0 << false << 96.0 << 2 << 10 << "SetParallelPLL()";
    QTest::newRow("HiSPi") << 1 << true << 120.0 << 4 << 12 << "SetSerialPLL(1)";
    QTest::newRow("MIPI") << 2 << false << 120.0 << 4 << 12 << "SetSerialPLL(2)";
}

// Vek_107's panel: the parallel port's second target follows the fast
// clock; the serial links set four lanes and 12 bits in the window without
// telling the library; the fast clock reaches the family only through the
// open panel.
void TestVek117Vek107Vek113Vek110::vek107Panel()
{
    QFETCH(int, interfaceIndex);
    QFETCH(bool, fastClock);
    QFETCH(double, secondTarget);
    QFETCH(int, lanes);
    QFETCH(int, opBits);
    QFETCH(QString, pllStep);
    Session s(QStringLiteral("Vek107m"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.interfaceIndex = interfaceIndex;
    w.fastClock = fastClock;
    w.pllTargetOp = 120.0;
    w.lanes = 2;
    w.opBits = 10;
    openPllPanel(w, 0, 0);
    resetJournal(w);
    w.recalc(true);
    QCOMPARE(journal(w).first(), pllStep);
    QVERIFY(!journal(w).join(' ').contains(QLatin1String("SetInterface")));
    QCOMPARE(f.pll.targetClock2, secondTarget);
    QCOMPARE(f.pll.fastClock, fastClock);
    QCOMPARE(w.lanes, lanes);
    QCOMPARE(w.opBits, opBits);

    w.ui.checkPLL_ADV->setChecked(false);
    w.fastClock = !fastClock;
    w.recalc(true);
    QCOMPARE(f.pll.fastClock, fastClock);
    QCOMPARE(f.pll.targetClock2, 120.0);
}

void TestVek117Vek107Vek113Vek110::vek113Panel_data()
{
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("lanesIndex");
    QTest::addColumn<int>("bitsIndex");
    QTest::addColumn<int>("binning");
    QTest::addColumn<bool>("fastClock");
    QTest::addColumn<bool>("outputRate"); // "Use Output Data Rate per Lane:"
    QTest::addColumn<QString>("setInterface"); // empty: none
    QTest::addColumn<int>("opBits");
    QTest::addColumn<bool>("fastAfter");
    QTest::addColumn<bool>("imeBox"); // enabled
    QTest::newRow("first entry, 20 bits") << 0 << 1 << 4 << 0 << false << false << "SetInterface(2, 20)" << 20
                                          << false << true;
    QTest::newRow("HiSPi 4 lanes, IME mode") << 1 << 2 << 1 << 0 << true << false << "SetInterface(4, 12)" << 12
                                             << true << true;
    QTest::newRow("binning locks IME mode") << 1 << 1 << 1 << 1 << true << false << "SetInterface(2, 12)" << 12
                                            << false << false;
    QTest::newRow("output data rate") << 1 << 2 << 0 << 0 << false << true << "SetInterface(4, 10)" << 10 << false
                                      << true;
    QTest::newRow("second entry, 20 bits") << 1 << 2 << 4 << 0 << false << false << "SetInterface(4, 20)" << 20
                                           << false << true;
}

// Vek_113's panel: both list entries run the serial link with the panel's
// lanes and bits (position 4 is 20 bits); binning switches IME mode off; the
// second target is the output rate per lane over the bits; the target box
// or the output rate box is in use; the PLL step is always the serial one.
void TestVek117Vek107Vek113Vek110::vek113Panel()
{
    QFETCH(int, interfaceIndex);
    QFETCH(int, lanesIndex);
    QFETCH(int, bitsIndex);
    QFETCH(int, binning);
    QFETCH(bool, fastClock);
    QFETCH(bool, outputRate);
    QFETCH(QString, setInterface);
    QFETCH(int, opBits);
    QFETCH(bool, fastAfter);
    QFETCH(bool, imeBox);
    Session s(QStringLiteral("Vek113m"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.interfaceIndex = interfaceIndex;
    w.binning[0] = binning;
    w.fastClock = fastClock;
    w.pllAutoAdjust = outputRate;
    w.pllTargetOp = 960.0;
    openPllPanel(w, lanesIndex, bitsIndex);
    const double rate = w.pllTargetOp;
    if (outputRate)
        QCOMPARE(rate, 960.0);
    resetJournal(w);
    w.recalc(true);
    const QString pllStep = QStringLiteral("SetSerialPLL(%1)").arg(interfaceIndex);
    const QStringList calls = setInterface.isEmpty() ? QStringList{pllStep} : QStringList{setInterface, pllStep};
    QCOMPARE(journal(w).mid(0, calls.size()), calls);
    QCOMPARE(w.opBits, opBits);
    QCOMPARE(f.pll.targetClock2, rate / opBits);
    QCOMPARE(w.fastClock, fastAfter);
    QCOMPARE(f.pll.fastClock, fastAfter);
    QCOMPARE(w.check16b8bits->isChecked(), fastAfter);
    QCOMPARE(w.check16b8bits->isEnabled(), imeBox);
    QCOMPARE(f.pll.pllAutoAdjust, outputRate);
    QCOMPARE(w.ui.dSpinPLL_Target->isEnabled(), !outputRate);
    QCOMPARE(w.dSpinPLL_OutRate->isEnabled(), outputRate);
    QVERIFY(f.linkSerial());
    if (!setInterface.isEmpty())
        QCOMPARE(f.linkBits(), opBits);
}

// ---------------------------------------------------------------------------
// Vek_113's option panel.

void TestVek117Vek107Vek113Vek110::vek113RatioLabels_data()
{
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "1";
    QTest::newRow("1") << 1 << "2";
    QTest::newRow("2") << 2 << "4";
    QTest::newRow("3") << 3 << "8";
    QTest::newRow("4") << 4 << "16";
}

// The labels show each ratio as a factor; with the panel open the timing
// step takes the panel's integration time.
void TestVek117Vek107Vek113Vek110::vek113RatioLabels()
{
    QFETCH(int, exponent);
    QFETCH(QString, text);
    Session s(QStringLiteral("Vek113m"));
    Pallador &w = s.w();
    openVek113OptionPanel(w);
    w.t1T2Ratio[0] = exponent;
    w.t2T3Ratio[0] = 0;
    w.t3T4Ratio[0] = 2;
    resetJournal(w);
    w.recalc(false);
    QCOMPARE(w.labelT1T2->text(), text);
    QCOMPARE(w.labelT2T3->text(), QStringLiteral("1"));
    QCOMPARE(w.labelT3T4->text(), QStringLiteral("4"));
    QCOMPARE(journal(w).mid(1, 1), QStringList{"TimingUpdate(0, false, true)"});
    QCOMPARE(s.family().ctx[0].intgTime, 10.0);
}

void TestVek117Vek107Vek113Vek110::vek113ConfigureBuffers_data()
{
    QTest::addColumn<int>("t1");
    QTest::addColumn<int>("t2");
    QTest::addColumn<int>("t3");
    QTest::addColumn<bool>("afterVek117"); // the window set Vek_117 up before
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("colour");
    QTest::newRow("67, limit 68") << 56 << 8 << 3 << false << true << kBufferWhite;
    QTest::newRow("68, limit 68") << 56 << 8 << 4 << false << true << kBufferWhite;
    QTest::newRow("69, limit 68") << 56 << 8 << 5 << false << true << kBufferRed;
    QTest::newRow("68, after Vek_117") << 56 << 8 << 4 << true << true << kBufferWhite;
    QTest::newRow("69, after Vek_117") << 56 << 8 << 5 << true << true << kBufferRed;
    QTest::newRow("69, not in use") << 56 << 8 << 5 << false << false << kBufferRed;
    // A number no box gives: the sum is beyond the limit, not wrapped below it.
    QTest::newRow("INT_MAX + 1, not in use") << INT_MAX << 1 << 0 << false << false << kBufferRed;
}

// The configure buffers reach Vek_113 and its registers; their boxes are in
// use with the buffers and turn red when the three together exceed the limit
// of 68 (Vek_117's limit of 84 is its own: a Vek_113 loaded after it in the
// same window has the limit a fresh window has).
void TestVek117Vek107Vek113Vek110::vek113ConfigureBuffers()
{
    QFETCH(int, t1);
    QFETCH(int, t2);
    QFETCH(int, t3);
    QFETCH(bool, afterVek117);
    QFETCH(bool, enabled);
    QFETCH(QString, colour);
    Session s(afterVek117 ? QStringLiteral("Vek117m") : QStringLiteral("Vek113m"));
    Pallador &w = s.w();
    if (afterVek117) {
        QCOMPARE(w.configBufLimit, 84);
        w.loadConfigFile(s.install.addSample(QStringLiteral("Vek113m.cfg")));
        QCOMPARE(w.sensorIndex, 85);
        QCOMPARE(w.configBufLimit, 68);
    }
    openVek113OptionPanel(w);
    w.configEnable = enabled;
    w.configBufT1 = t1;
    w.configBufT2 = t2;
    w.configBufT3 = t3;
    w.dbOverlap = true;
    w.advShiftT2 = 2;
    w.advShiftT3 = 3;
    w.advShiftT4 = 0;
    w.recalc(false);

    Vek_113 &f = *w.calvex->vek_113;
    QCOMPARE(f.configEnable, enabled);
    QCOMPARE(f.configBufT1, t1);
    QCOMPARE(f.configBufT2, t2);
    QCOMPARE(f.configBufT3, t3);
    QVERIFY(f.dbOverlap);
    QCOMPARE(f.advShiftT2, 2);
    QCOMPARE(f.advShiftT3, 3);
    QCOMPARE(f.advShiftT4, 0);
    for (QSpinBox *box : {w.spinConfigBuf_T1, w.spinConfigBuf_T2, w.spinConfigBuf_T3}) {
        QCOMPARE(box->styleSheet(), colour);
        QCOMPARE(box->isEnabled(), enabled);
    }
    QCOMPARE(reg(w, "NO_DB_OVERLAP_RD_WR"), qint64(1));
    if (enabled) {
        QCOMPARE(reg(w, "CONFIG_BUFFER1"), qint64(t2 << 8 | t1));
        QCOMPARE(reg(w, "CONFIG_BUFFER2"), qint64(0x100 | t3));
    }
}

void TestVek117Vek107Vek113Vek110::vek113FixedLineLength_data()
{
    QTest::addColumn<int>("blankType");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("minimum horizontal") << 0 << false;
    QTest::newRow("minimum vertical") << 1 << true;
    QTest::newRow("user vertical") << 2 << true;
    QTest::newRow("user horizontal") << 3 << false;
    QTest::newRow("type 6") << 6 << true;
}

// The fixed line length is kept for blanking types 1, 2 and 6 only: for any
// other the box is disabled and unchecked and the family runs without it,
// while the window keeps the user's choice for the next blanking type.
void TestVek117Vek107Vek113Vek110::vek113FixedLineLength()
{
    QFETCH(int, blankType);
    QFETCH(bool, allowed);
    Session s(QStringLiteral("Vek113m"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    openVek113OptionPanel(w);
    w.useFixLLpck = true;
    w.fixedLineLength[0] = 3000;
    w.ui.comboMaxFRate_A->lineEdit()->setText(QStringLiteral("10"));
    w.blankType[0] = blankType;
    w.recalc(false);
    QCOMPARE(w.checkFixLLpck->isEnabled(), allowed);
    QCOMPARE(w.checkFixLLpck->isChecked(), allowed);
    QCOMPARE(w.dspinFixLLpck->isEnabled(), allowed);
    QCOMPARE(f.ctx[0].useFixLLpck, allowed);
    QVERIFY(w.useFixLLpck);
    QCOMPARE(reg(w, "LINE_LENGTH_PCK") == 3000, allowed);

    // The next allowed type takes the fixed length again.
    w.blankType[0] = 1;
    w.recalc(false);
    QVERIFY(f.ctx[0].useFixLLpck);
    QVERIFY(w.checkFixLLpck->isChecked());
}

// IME mode (the fast clock) forces binning and column binning off in the
// window and the family and locks their boxes; without it they are free.
void TestVek117Vek107Vek113Vek110::vek113ImeModeLocksBinning()
{
    Session s(QStringLiteral("Vek113m"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    openVek113OptionPanel(w);
    w.fastClock = true;
    w.binning[0] = 1;
    w.binXOnly[0] = 1;
    w.checkBinning[0]->setChecked(true);
    w.recalc(false);
    QCOMPARE(w.binning[0], 0);
    QCOMPARE(w.binXOnly[0], 0);
    QCOMPARE(f.ctx[0].binning, 0);
    QCOMPARE(f.ctx[0].binXOnly, 0);
    QCOMPARE(f.timing(0).xFactor, 1);
    QVERIFY(!w.checkBinning[0]->isEnabled() && !w.checkBinning[0]->isChecked());
    QVERIFY(!w.checkBinXonly[0]->isEnabled() && !w.checkBinXonly[0]->isChecked());

    w.fastClock = false;
    w.binning[0] = 1;
    w.recalc(false);
    QCOMPARE(f.ctx[0].binning, 1);
    QVERIFY(w.checkBinning[0]->isEnabled() && w.checkBinning[0]->isChecked());
    QVERIFY(w.checkBinXonly[0]->isEnabled() && !w.checkBinXonly[0]->isChecked());
    QCOMPARE(reg(w, "READ_MODE_ROW_BIN"), qint64(1));
}

// ---------------------------------------------------------------------------
// Vek_110's panel.

void TestVek117Vek107Vek113Vek110::vek110Panel_data()
{
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("lanesIndex");
    QTest::addColumn<int>("bitsIndex");
    QTest::addColumn<int>("lineInterleave");
    QTest::addColumn<bool>("fastClock");
    QTest::addColumn<bool>("outputRate");
    QTest::addColumn<double>("outRate"); // the window's output rate (pllTargetOp)
    QTest::addColumn<QString>("setInterface");
    QTest::addColumn<bool>("sdrBox"); // enabled
    QTest::addColumn<bool>("fastAfter");
    QTest::addColumn<double>("perRate"); // the second target over the output rate; 0: a fixed one
    QTest::addColumn<double>("secondTarget"); // the fixed second target
    QTest::addColumn<bool>("autoAdjust"); // in the family
    QTest::newRow("4 lanes, 20 bits") << 1 << 2 << 4 << 1 << true << false << 960.0 << "SetInterface(4, 20)"
                                      << false << false << 1.0 / 20 << 0.0 << false;
    QTest::newRow("4 lanes, 12 bits, interleaved") << 1 << 2 << 1 << 1 << true << false << 960.0
                                                   << "SetInterface(4, 12)" << true << true << 1.0 / 12 << 0.0
                                                   << false;
    QTest::newRow("2 lanes, 12 bits, interleaved") << 1 << 1 << 1 << 1 << true << false << 960.0
                                                   << "SetInterface(2, 12)" << false << false << 1.0 / 12 << 0.0
                                                   << false;
    QTest::newRow("4 lanes, 10 bits, not interleaved") << 1 << 2 << 0 << 0 << true << false << 960.0
                                                       << "SetInterface(4, 10)" << false << false << 1.0 / 10 << 0.0
                                                       << false;
    QTest::newRow("HiSPi, output data rate") << 1 << 2 << 1 << 0 << false << true << 960.0 << "SetInterface(4, 12)"
                                             << false << false << 1.0 / 12 << 0.0 << true;
    QTest::newRow("parallel, fast clock") << 0 << 2 << 1 << 0 << true << true << 89.14 << "" << true << true
                                          << 8.0 / 7 << 0.0 << false;
    QTest::newRow("parallel") << 0 << 2 << 1 << 0 << false << false << 89.14 << "" << true << false << 0.0 << 96.0
                              << false;
}

// Vek_110's panel: the serial links take the panel's lanes and bits, allow
// the fast clock only on four lanes of 10 or 12 bits with interleaved
// exposures and derive the second target from the output rate; the
// parallel port runs on the target clock (8/7 of the output rate with the
// fast clock). Closed, the panel changes nothing in the family.
void TestVek117Vek107Vek113Vek110::vek110Panel()
{
    QFETCH(int, interfaceIndex);
    QFETCH(int, lanesIndex);
    QFETCH(int, bitsIndex);
    QFETCH(int, lineInterleave);
    QFETCH(bool, fastClock);
    QFETCH(bool, outputRate);
    QFETCH(double, outRate);
    QFETCH(QString, setInterface);
    QFETCH(bool, sdrBox);
    QFETCH(bool, fastAfter);
    QFETCH(double, perRate);
    QFETCH(double, secondTarget);
    QFETCH(bool, autoAdjust);
    Session s(QStringLiteral("Vek110m"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.combi = 0;
    w.hdrMode[0] = 1;
    w.lineInterleave[0] = lineInterleave;
    w.interfaceIndex = interfaceIndex;
    w.fastClock = fastClock;
    w.pllAutoAdjust = outputRate;
    w.pllTargetOp = outRate;
    openPllPanel(w, lanesIndex, bitsIndex);
    // The lanes and bits chosen one after the other may pass through a link
    // without the fast clock, which clears it: the box is ticked again as a
    // user would once the link allows it.
    w.fastClock = fastClock;
    if (perRate != 0.0)
        secondTarget = w.pllTargetOp * perRate;
    resetJournal(w);
    w.recalc(true);
    const QString pllStep =
        interfaceIndex == 0 ? QStringLiteral("SetParallelPLL()") : QStringLiteral("SetSerialPLL(%1)").arg(interfaceIndex);
    const QStringList calls = setInterface.isEmpty() ? QStringList{pllStep} : QStringList{setInterface, pllStep};
    QCOMPARE(journal(w).mid(0, calls.size()), calls);
    QCOMPARE(w.checkSDRMode->isEnabled(), sdrBox);
    QCOMPARE(w.checkSDRMode->isChecked(), fastAfter);
    QCOMPARE(w.fastClock, fastAfter);
    QCOMPARE(f.pll.fastClock, fastAfter);
    QVERIFY(qAbs(f.pll.targetClock2 - secondTarget) < 1e-9);
    QCOMPARE(f.pll.pllAutoAdjust, autoAdjust);
    QVERIFY(w.check16b8bits->isEnabled());
    QCOMPARE(w.checkUseDataRate->isEnabled(), interfaceIndex != 0);
    QCOMPARE(w.ui.dSpinPLL_Target->isEnabled(), !autoAdjust);
    QCOMPARE(w.dSpinPLL_OutRate->isEnabled(), autoAdjust);
    QCOMPARE(f.pll.revision, 2);

    w.ui.checkPLL_ADV->setChecked(false);
    w.pllTargetOp = 500.0;
    w.fastClock = !fastAfter;
    resetJournal(w);
    w.recalc(true);
    QCOMPARE(journal(w).first(), pllStep);
    QVERIFY(qAbs(f.pll.targetClock2 - secondTarget) < 1e-9);
    QCOMPARE(f.pll.fastClock, fastAfter);
    QCOMPARE(f.pll.pllAutoAdjust, autoAdjust);
}

// ---------------------------------------------------------------------------
// Contexts, warnings.

void TestVek117Vek107Vek113Vek110::otherContexts_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("pllStep");
    QTest::newRow("83 Vek117m") << "Vek117m" << "SetSerialPLL(1)";
    QTest::newRow("84 Vek107m") << "Vek107m" << "SetSerialPLL(1)";
    QTest::newRow("85 Vek113m") << "Vek113m" << "SetSerialPLL(0)";
    QTest::newRow("92 Vek110m") << "Vek110m" << "SetSerialPLL(1)";
}

// These bodies never change the context: a calculation of record B (as
// automation may ask) writes that record, runs no timing step and still
// produces its results and registers; context C calculates nothing.
void TestVek117Vek107Vek113Vek110::otherContexts()
{
    QFETCH(QString, sample);
    QFETCH(QString, pllStep);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    const int colsA = f.ctx[0].cols;
    w.cols[1] = 640;
    w.currentContext = 1;
    resetJournal(w);
    w.recalc(false);
    QCOMPARE(journal(w).mid(0, 3), (QStringList{pllStep, "ResultsUpdate(1)", "RegisterUpdate(1)"}));
    QCOMPARE(w.currentContext, 1);
    QCOMPARE(f.ctx[1].cols, 640);
    QCOMPARE(f.ctx[0].cols, colsA);

    w.currentContext = 2;
    resetJournal(w);
    w.recalc(true);
    QCOMPARE(calculations(w), 0);
    QCOMPARE(w.currentContext, 2);
    QCOMPARE(w.busy, false);
}

void TestVek117Vek107Vek113Vek110::warnings_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<quint32>("cleared"); // of the bits no family sets
    QTest::newRow("83 Vek117m") << "Vek117m" << 0x8u;
    QTest::newRow("84 Vek107m") << "Vek107m" << 0x8u;
    QTest::newRow("85 Vek113m") << "Vek113m" << 0x8u;
    QTest::newRow("92 Vek110m") << "Vek110m" << 0x01000008u;
}

// Out-of-range inputs colour their boxes on context A; each family clears
// the bits it recomputes before a calculation and keeps the others.
void TestVek117Vek107Vek113Vek110::warnings()
{
    QFETCH(QString, sample);
    QFETCH(quint32, cleared);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);
    w.ui.dSpinPLL_Input->setValue(3.0);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kRedDouble);
    QVERIFY(w.getWarningValue() & 0x400000);
    w.ui.dSpinPLL_Input->setValue(27.0);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);

    w.ui.comboMaxFRate_A->lineEdit()->setText(QStringLiteral("500"));
    QVERIFY(w.getWarningValue() & 0x1);
    QVERIFY(w.ui.comboMaxFRate_A->styleSheet().contains(QLatin1String("red")));
    w.ui.comboMaxFRate_A->lineEdit()->setText(QStringLiteral("10"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);

    const quint32 foreign = 0x80000000u | 0x01000000u | 0x8u;
    f.ctx[0].warnings |= foreign;
    w.recalc(false);
    QCOMPARE(f.ctx[0].warnings & foreign, foreign & ~cleared);
}

// Vek_110 with the panel open and the PLL driven by the output rate: a rate
// the lanes cannot carry colours the output-rate box; driven by the target
// clock the box is left alone.
void TestVek117Vek107Vek113Vek110::vek110OutputRateColour()
{
    Session s(QStringLiteral("Vek110m"));
    Pallador &w = s.w();
    w.ui.comboMaxFRate_A->lineEdit()->setText(QStringLiteral("60"));
    openPllPanel(w, 0, 4); // one lane, 20 bits
    w.recalc(true);
    QVERIFY(w.getWarningValue() & 0x80000);
    QVERIFY(w.dSpinPLL_OutRate->styleSheet().isEmpty());

    // With the data rate on, the box colours the rate the one lane cannot
    // carry.
    w.checkUseDataRate->click();
    QVERIFY(w.dSpinPLL_OutRate->isEnabled());
    w.dSpinPLL_OutRate->setValue(w.dSpinPLL_OutRate->maximum());
    QVERIFY(w.getWarningValue() & 0x80000);
    QCOMPARE(w.dSpinPLL_OutRate->styleSheet(), kRedDouble);

    w.comboPLL_Lanes->setCurrentIndex(2);
    w.comboPLL_Bits->setCurrentIndex(1);
    w.pllTargetOp = 600.0;
    w.recalc(true);
    QCOMPARE(w.getWarningValue() & 0x80000, 0);
    QCOMPARE(w.dSpinPLL_OutRate->styleSheet(), kWhiteDouble);
}

QTEST_MAIN(TestVek117Vek107Vek113Vek110)
#include "tst_vek117_vek107_vek113_vek110.moc"
