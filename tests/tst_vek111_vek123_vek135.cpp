// Catalogue 86 to 91 driven through the window: Vek_111 (Vek111m, Vek111t,
// contexts A and B), Vek_123 (Vek123m, Vek123d) and Vek_135 (Vek135d,
// Vek136d). Each sample loads and calculates without a warning; the link
// and PLL step follow the interface and the advanced PLL panel, Vek_111
// times each context by its own advanced box, Vek_123 sends its exposures by
// the HDR mode, sets the panel up by interface and shows the field of view
// the library computed, and Vek_135 requests its fixed VCO and divider.
//
// The option panels are not part of the window yet: where a rule reads one
// of their widgets, the test gives the window a widget of that object name.
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

#include <cmath>
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
    QComboBox *interMode = make<QComboBox>("comboPLL_InterMode");
    QCheckBox *mipiCont = make<QCheckBox>("checkPLL_MIPICont");
    QCheckBox *bypass = make<QCheckBox>("checkPLL_Bypass");
    QDoubleSpinBox *outRate = make<QDoubleSpinBox>("dSpinPLL_OutRate");
    QComboBox *phyType = make<QComboBox>("comboPLL_PhyType");
    QCheckBox *preScale = make<QCheckBox>("checkPLL_PreScale");
    QCheckBox *n2 = make<QCheckBox>("checkPLL_N2");
    QDoubleSpinBox *vco2 = make<QDoubleSpinBox>("dSpinPLL_VCO2");
    QDoubleSpinBox *intgTime[2] = {make<QDoubleSpinBox>("dSpinIntgTime"), make<QDoubleSpinBox>("dSpinIntgTime")};
    QCheckBox *binXOnly = make<QCheckBox>("checkBinXonly");
    QCheckBox *skipping = make<QCheckBox>("checkSkipping");
    QSpinBox *rows = make<QSpinBox>("spinRows");
    QSpinBox *cols = make<QSpinBox>("spinCols");
    QComboBox *aspectRatio = make<QComboBox>("comboAspectRatio");
    QDoubleSpinBox *fovPercent = make<QDoubleSpinBox>("dSpinFovPercent");

    template <class T> T *make(const char *name)
    {
        auto *widget = new T(&parent);
        widget->setObjectName(QLatin1String(name));
        return widget;
    }

    PanelWidgets(Pallador &w, const QStringList &bitItems)
    {
        lanes->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("8")});
        bits->addItems(bitItems);
        interMode->addItems({QStringLiteral("Parallel"), QStringLiteral("MIPI"), QStringLiteral("HISPI")});
        for (QDoubleSpinBox *box : intgTime)
            box->setRange(0.0, 1000.0);
        rows->setRange(0, 10000);
        cols->setRange(0, 10000);
        fovPercent->setRange(0.0, 100.0);
        aspectRatio->addItems(
            {QStringLiteral("Full"), QStringLiteral("16:9"), QStringLiteral("4:3"), QStringLiteral("1:1")});
        w.comboPLL_Lanes = lanes;
        w.comboPLL_Bits = bits;
        w.comboPLL_InterMode = interMode;
        w.checkPLL_MIPICont = mipiCont;
        w.checkPLL_Bypass = bypass;
        w.dSpinPLL_OutRate = outRate;
        w.comboPLL_PhyType = phyType;
        w.checkPLL_PreScale = preScale;
        w.checkPLL_N2 = n2;
        w.dSpinPLL_VCO2 = vco2;
        w.dSpinIntgTime[0] = intgTime[0];
        w.dSpinIntgTime[1] = intgTime[1];
        w.checkBinXonly[0] = binXOnly;
        w.checkSkipping[0] = skipping;
        w.spinRows[0] = rows;
        w.spinCols[0] = cols;
        w.comboAspectRatio = aspectRatio;
        w.dSpinFovPercent = fovPercent;
    }
};

// The value the register table shows for the first row of a name.
qint64 reg(const Pallador &w, const char *name)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].name == QLatin1String(name))
            return w.regs[i].value;
    }
    return -1;
}

// One context's calculation: the link set-up (if any), the PLL step, the
// timing step, results and registers.
QStringList contextCalls(int c, const QString &link, const QString &pll, const QString &timing)
{
    QStringList calls;
    if (!link.isEmpty())
        calls << link;
    calls << pll << QStringLiteral("%1(%2, false, true)").arg(timing).arg(c)
          << QStringLiteral("ResultsUpdate(%1)").arg(c) << QStringLiteral("RegisterUpdate(%1)").arg(c);
    return calls;
}

// The register refresh that ends a calculation of a two-context sensor.
const QStringList kRefresh{QStringLiteral("RegisterUpdate(0)"), QStringLiteral("RegisterUpdate(1)")};

// An advanced panel in use, as its box and the window leave it once the
// panel is open; the panels themselves are not built.
void useAdvancedPanel(Pallador &w, int context, bool on)
{
    (context == 0 ? w.ui.checkAdvParam_A : w.ui.checkAdvParam_B)->setChecked(on);
    w.advParamOn[context] = on;
    w.currentContext = context;
}

void usePllPanel(Pallador &w)
{
    w.ui.checkPLL_ADV->setChecked(true);
}

// The frame length as the family's table names its register.
qint64 frameLengthRegister(const Pallador &w)
{
    const qint64 lines = reg(w, "FRAME_LENGTH_LINES");
    return lines >= 0 ? lines : reg(w, "FRAME_LENGTH_LINE");
}

const QStringList kBits8To12{QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12")};

} // namespace

class TestVek111Vek123Vek135 : public QObject {
    Q_OBJECT

private slots:
    void samplesEndToEnd_data();
    void samplesEndToEnd();
    void setUp_data();
    void setUp();
    void automaticPllPanel_data();
    void automaticPllPanel();
    void vek111Link_data();
    void vek111Link();
    void vek111ContextB();
    void vek123Exposures_data();
    void vek123Exposures();
    void vek123Interface_data();
    void vek123Interface();
    void vek123BypassCaption();
    void vek123FovFeedback_data();
    void vek123FovFeedback();
    void vek123FovFeedbackSettles();
    void vek135Requests_data();
    void vek135Requests();
    void warnings_data();
    void warnings();
    void panelWarnings();
};

// ---------------------------------------------------------------------------
// Every sensor of the group.

void TestVek111Vek123Vek135::samplesEndToEnd_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("calculation"); // of context A after a change of A alone
    const QStringList vek111 = contextCalls(0, QString(), "SetSerialPLL(1)", "UseCaseTiming") + kRefresh;
    const QStringList vek123 = contextCalls(0, QString(), "PLL_Caluate()", "UseCaseTiming") << "RegisterUpdate(0)";
    const QStringList vek135 = contextCalls(0, QString(), "CalculateScaledPLL()", "TimingUpdate")
                               << "RegisterUpdate(0)";
    QTest::newRow("86 Vek111m") << "Vek111m" << 86 << vek111;
    QTest::newRow("87 Vek111t") << "Vek111t" << 87 << vek111;
    QTest::newRow("88 Vek123m") << "Vek123m" << 88 << vek123;
    QTest::newRow("89 Vek123d") << "Vek123d" << 89 << vek123;
    QTest::newRow("90 Vek135d") << "Vek135d" << 90 << vek135;
    QTest::newRow("91 Vek136d") << "Vek136d" << 91 << vek135;
}

// The sample loads and calculates every context without a warning; a change
// of context A runs the family's calculation once and the register refresh;
// the panes show the family's texts and the registers its timing; every use
// case of the file calculates without a warning.
void TestVek111Vek123Vek135::samplesEndToEnd()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    QFETCH(QStringList, calculation);

    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.sensorIndex, index);
    for (int c = 0; c < w.contextCount; ++c)
        QCOMPARE(f.ctx[c].warnings, 0u);
    QCOMPARE(w.getWarningValue(), 0);

    w.currentContext = 0;
    resetJournal(w);
    w.ui.checkHorzMirror_A->click();
    QCOMPARE(journal(w), calculation);
    QVERIFY(f.ctx[0].mirror);
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    QVERIFY(w.ui.textResult_PLL->toPlainText().startsWith(f.results.pllDisplayText));
    const calvex::TimingResult &t = f.timing(0);
    QCOMPARE(reg(w, "LINE_LENGTH_PCK"), qint64(t.lineLength));
    QCOMPARE(frameLengthRegister(w), qint64(t.frameLength));

    for (int u = 0; u < w.ui.comboUseCase_A->count(); ++u) {
        w.ui.comboUseCase_A->setCurrentIndex(u);
        QVERIFY2(f.ctx[0].warnings == 0,
                 qPrintable(QStringLiteral("use case %1: %2").arg(u).arg(f.ctx[0].warnings, 0, 16)));
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek111Vek123Vek135::setUp_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("boxesEnabled"); // target and override boxes
    QTest::newRow("Vek111m") << "Vek111m" << true;
    QTest::newRow("Vek123d") << "Vek123d" << false;
    QTest::newRow("Vek135d") << "Vek135d" << false;
}

// What the set-up leaves in the window: the file's clocks, the target and
// override boxes, the interface (Vek_111 and Vek_123 on the hidden list's MIPI with
// four lanes of 12 bits, Vek_135 on "MIPI-4"), each context's rate, and the
// family's own starting values.
void TestVek111Vek123Vek135::setUp()
{
    QFETCH(QString, sample);
    QFETCH(bool, boxesEnabled);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.pllInput, f.defaults.defaultInputClock);
    QCOMPARE(w.pllTargetOp, f.defaults.defaultTargetClock2);
    for (QWidget *box : {static_cast<QWidget *>(w.ui.dSpinPLL_Target), static_cast<QWidget *>(w.ui.checkPLL_N),
                         static_cast<QWidget *>(w.ui.checkPLL_M), static_cast<QWidget *>(w.ui.checkPLL_VCO)})
        QCOMPARE(box->isEnabled(), boxesEnabled);
    QCOMPARE(w.maxFps[0], f.ctx[0].maxFps);
    QCOMPARE(w.ui.comboMaxFRate_A->currentText(), QString::number(w.maxFps[0]));

    if (w.calvex->vek_135) {
        QVERIFY(w.mipiCont);
        QStringList items;
        for (int i = 0; i < w.ui.comboPLL_Interface->count(); ++i)
            items << w.ui.comboPLL_Interface->itemText(i);
        QCOMPARE(items, (QStringList{"MIPI-2", "MIPI-4", "HISPI-ST", "HIPSI-PK"}));
        QCOMPARE(w.interfaceIndex, 1);
        QCOMPARE(w.lanes, 4);
        QCOMPARE(f.pll.lanes, 4);
        // Running the set-up again (Set Default) lists each interface once.
        w.initContext(0);
        QCOMPARE(w.ui.comboPLL_Interface->count(), 4);
        return;
    }
    if (w.calvex->vek_111)
        QCOMPARE(w.ui.comboPLL_Interface->count(), 0);
    QVERIFY(w.ui.comboPLL_Interface->isHidden());
    QCOMPARE(w.interfaceIndex, 1);
    QCOMPARE(w.lanes, 4);
    QCOMPARE(w.opBits, 12);
    QVERIFY(!w.ui.comboTypeFRate_A->isEnabled());
    QStringList offered;
    for (int i = 0; i < w.ui.comboMaxFRate_A->count(); ++i)
        offered << w.ui.comboMaxFRate_A->itemText(i);
    QCOMPARE(offered, f.results.frameRateChoices);
    if (w.calvex->vek_111) {
        QCOMPARE(w.combi, 0);
        QCOMPARE(w.contextCount, 2);
        QCOMPARE(f.ctx[1].maxFps, w.maxFps[1]);
        QVERIFY(w.ui.textResult_B->toPlainText().startsWith(QLatin1String("Context B")));
    } else {
        // Vek_123 starts in HDR with two exposures and no ratios, and shows
        // use case 0's rate although its list offers others first.
        QCOMPARE(w.hdrMode[0], 1);
        QCOMPARE(w.numExposures[0], 1);
        QCOMPARE(w.t1T2Ratio[0], 0);
        QCOMPARE(w.t2T3Ratio[0], 0);
        QCOMPARE(f.ctx[0].numExposures, 3);
        QCOMPARE(w.useFov[0], f.defaults.defaultUseFov != 0);
    }
}

void TestVek111Vek123Vek135::automaticPllPanel_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QList<int>>("positions"); // lanes, bits, interface mode (-1: untouched)
    // Vek_111: the panel shows the window's interface, whose lane list
    // starts at two lanes; the set-up then takes bit item 2.
    QTest::newRow("Vek_111: bits 2") << "Vek111t" << QList<int>{1, 2, 1};
    QTest::newRow("Vek_123: MIPI, bits 1, four lanes") << "Vek123m" << QList<int>{2, 1, 1};
}

// A family that opens the advanced PLL panel by itself chooses its starting
// entries in the panel's own lists, and the calculation takes the link they
// show.
void TestVek111Vek123Vek135::automaticPllPanel()
{
    QFETCH(QString, sample);
    QFETCH(QList<int>, positions);
    Session s(sample);
    Pallador &w = s.w();
    s.family().defaults.defaultAdvPll = 1;
    w.initContext(0);
    QVERIFY(w.ui.checkPLL_ADV->isChecked());
    QVERIFY(w.pllForm && w.pllForm->isAncestorOf(w.comboPLL_Lanes));
    QCOMPARE(w.comboPLL_Lanes->currentIndex(), positions[0]);
    QCOMPARE(w.comboPLL_Bits->currentIndex(), positions[1]);
    QCOMPARE(w.comboPLL_InterMode->currentIndex(), positions[2]);
    QCOMPARE(w.interfaceIndex, positions[2]);
    QCOMPARE(w.lanes, 1 << positions[0]);
    QCOMPARE(s.family().pll.lanes, w.lanes);
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Vek_111.

void TestVek111Vek123Vek135::vek111Link_data()
{
    QTest::addColumn<bool>("panel");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("lanePosition");
    QTest::addColumn<int>("bitPosition");
    QTest::addColumn<QString>("link"); // before each context's PLL step
    QTest::addColumn<QString>("pll");
    QTest::addColumn<int>("mipiBox"); // -1 untouched, 0 hidden, 1 shown
    QTest::addColumn<bool>("mipiCont");

    QTest::newRow("closed, parallel") << false << 0 << 2 << 1 << ""
                                      << "SetParallelPLL()" << -1 << false;
    QTest::newRow("closed, MIPI") << false << 1 << 2 << 1 << ""
                                  << "SetSerialPLL(1)" << -1 << false;
    QTest::newRow("MIPI 4 lanes 10 bits") << true << 1 << 2 << 1 << "SetInterface(4, 10)"
                                          << "SetSerialPLL(1)" << 1 << true;
    QTest::newRow("HiSPi 4 lanes 12 bits") << true << 2 << 2 << 1 << "SetInterface(4, 12)"
                                           << "SetSerialPLL(2)" << 0 << false;
    QTest::newRow("parallel 12 bits") << true << 0 << 2 << 2 << "SetInterface(1, 12)"
                                      << "SetParallelPLL()" << 0 << false;
    QTest::newRow("interface 5 keeps the window's link") << true << 5 << 0 << 0 << "SetInterface(4, 12)"
                                                         << "SetSerialPLL(5)" << -1 << false;
}

// The link is set up from the panel's lists only while the panel is open,
// before each context's PLL step, which follows the interface; the MIPI
// continuous clock goes to the library and its box shows for MIPI alone; the
// companding option reaches the library either way.
void TestVek111Vek123Vek135::vek111Link()
{
    QFETCH(bool, panel);
    QFETCH(int, interfaceIndex);
    QFETCH(int, lanePosition);
    QFETCH(int, bitPosition);
    QFETCH(QString, link);
    QFETCH(QString, pll);
    QFETCH(int, mipiBox);
    QFETCH(bool, mipiCont);

    Session s(QStringLiteral("Vek111m"));
    Pallador &w = s.w();
    auto &f = static_cast<Vek_111 &>(s.family());
    PanelWidgets widgets(w, kBits8To12);
    if (panel)
        usePllPanel(w);
    // The panel's interface list stores its choice here.
    w.interfaceIndex = interfaceIndex;
    widgets.lanes->setCurrentIndex(lanePosition);
    widgets.bits->setCurrentIndex(bitPosition);
    widgets.mipiCont->setVisible(mipiBox != 1);
    w.mipiCont = true;
    w.companding = true;
    w.darkCols = true;
    w.currentContext = 0;
    resetJournal(w);

    w.ui.dSpinPLL_Input->setValue(25.0);

    QCOMPARE(journal(w), contextCalls(0, link, pll, "UseCaseTiming") + contextCalls(1, link, pll, "UseCaseTiming") +
                             kRefresh + kRefresh);
    QCOMPARE(w.currentContext, 1);
    QVERIFY(f.companding);
    QCOMPARE(f.darkCols, panel);
    QCOMPARE(f.ctx[0].interfaceIndex, interfaceIndex);
    QCOMPARE(f.ctx[1].interfaceIndex, interfaceIndex);
    if (!link.isEmpty()) {
        const QStringList args = link.mid(13).chopped(1).split(QStringLiteral(", "));
        QCOMPARE(w.lanes, args[0].toInt());
        QCOMPARE(w.opBits, args[1].toInt());
        QCOMPARE(f.pll.mipiCont, mipiCont);
        QCOMPARE(f.linkBits(), w.opBits);
        if (interfaceIndex != 0)
            QCOMPARE(f.linkLanes(), w.lanes);
    }
    QCOMPARE(widgets.mipiCont->isHidden(), mipiBox == 0);
    QCOMPARE(s.responder.seen(), QStringList());
}

// Context B current with its advanced box ticked: B's panel integration time
// goes into B's record and B is timed with it; A, with its box unticked,
// follows its use case in the other-context pass and keeps its own time.
void TestVek111Vek123Vek135::vek111ContextB()
{
    Session s(QStringLiteral("Vek111t"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    PanelWidgets widgets(w, kBits8To12);
    widgets.intgTime[0]->setValue(3.0);
    widgets.intgTime[1]->setValue(12.5);
    // The settings the boxes' slot stores; the calculation takes them.
    w.intgTime[0] = 3.0;
    w.intgTime[1] = 12.5;

    resetJournal(w);
    useAdvancedPanel(w, 1, true);
    w.ui.checkVertFlip_B->click();
    QCOMPARE(w.currentContext, 1);
    QCOMPARE(journal(w), contextCalls(1, QString(), "SetSerialPLL(1)", "TimingUpdate") + kRefresh);
    QCOMPARE(f.ctx[1].intgTime, 12.5);
    QVERIFY(f.ctx[0].intgTime != 3.0);

    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(26.0);
    QCOMPARE(calculatedContexts(w), (QList<int>{1, 0}));
    QVERIFY(journal(w).contains(QStringLiteral("TimingUpdate(1, false, true)")));
    QVERIFY(journal(w).contains(QStringLiteral("UseCaseTiming(0, false, true)")));
    QCOMPARE(w.currentContext, 0);
    QCOMPARE(f.ctx[1].intgTime, 12.5);
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    QCOMPARE(w.ui.textResult_B->toPlainText(), f.results.contextDisplayText[1]);
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Vek_123.

void TestVek111Vek123Vek135::vek123Exposures_data()
{
    QTest::addColumn<int>("hdrMode");
    QTest::addColumn<int>("countPosition"); // the window's exposure count position
    QTest::addColumn<int>("exposures");     // what reaches the library
    QTest::addColumn<int>("t1T2");
    QTest::addColumn<int>("t2T3");
    QTest::newRow("linear: one exposure, no ratios") << 0 << 2 << 1 << 0 << 0;
    QTest::newRow("HDR, position 0: two") << 1 << 0 << 2 << 3 << 2;
    QTest::newRow("HDR, position 2: four") << 1 << 2 << 4 << 3 << 2;
}

// The exposure count goes in as the window's position + 2 with HDR on, and
// as one, without ratios, with HDR off; the timing follows.
void TestVek111Vek123Vek135::vek123Exposures()
{
    QFETCH(int, hdrMode);
    QFETCH(int, countPosition);
    QFETCH(int, exposures);
    QFETCH(int, t1T2);
    QFETCH(int, t2T3);
    Session s(QStringLiteral("Vek123m"));
    Pallador &w = s.w();
    auto &f = static_cast<Vek_123 &>(s.family());
    w.hdrMode[0] = hdrMode;
    w.numExposures[0] = countPosition;
    w.t1T2Ratio[0] = 3;
    w.t2T3Ratio[0] = 2;
    w.interleave[0] = 1;
    w.ui.checkVertFlip_A->click();
    QCOMPARE(f.ctx[0].numExposures, exposures);
    QCOMPARE(f.ctx[0].hdrMode, hdrMode);
    QCOMPARE(f.ctx[0].interleave, 1);
    QCOMPARE(f.t1T2Ratio, t1T2);
    QCOMPARE(f.t2T3Ratio, t2T3);
    QCOMPARE(f.timing(0).exposures, hdrMode ? exposures : 1);
    QCOMPARE(f.rawExposureCount, hdrMode ? exposures : 1);
    QCOMPARE(reg(w, "HDR_MC_CTRL3") & 0x400, hdrMode ? 0x400 : 0);
}

void TestVek111Vek123Vek135::vek123Interface_data()
{
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("lanePosition");
    QTest::addColumn<int>("bitPosition");
    QTest::addColumn<bool>("lsbAligned");
    QTest::addColumn<QString>("link");
    // Enabled after the calculation: bypass, output rate, PHY type, LSB
    // aligned, as a string of 0 and 1 ("" untouched).
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<int>("msbAligned");
    QTest::addColumn<int>("hdrMode"); // the window's after the calculation

    QTest::newRow("parallel") << 0 << 2 << 0 << true << "SetInterface(1, 12)"
                              << "1000" << 1 << 0;
    QTest::newRow("MIPI 2 lanes 10 bits, LSB aligned") << 1 << 1 << 0 << true << "SetInterface(2, 10)"
                                                       << "0101" << 0 << 1;
    QTest::newRow("HiSPi 4 lanes 12 bits") << 2 << 2 << 1 << false << "SetInterface(4, 12)"
                                           << "0111" << 1 << 1;
    QTest::newRow("interface 3: no set-up") << 3 << 2 << 1 << false << ""
                                            << "" << 1 << 1;
}

// With the advanced PLL panel open the interface sets the link and the
// panel's widgets up before the one PLL step; the parallel port turns the
// window's HDR off; the data alignment reaches the HiSPi control register.
void TestVek111Vek123Vek135::vek123Interface()
{
    QFETCH(int, interfaceIndex);
    QFETCH(int, lanePosition);
    QFETCH(int, bitPosition);
    QFETCH(bool, lsbAligned);
    QFETCH(QString, link);
    QFETCH(QString, enabled);
    QFETCH(int, msbAligned);
    QFETCH(int, hdrMode);
    Session s(QStringLiteral("Vek123d"));
    Pallador &w = s.w();
    auto &f = static_cast<Vek_123 &>(s.family());
    PanelWidgets widgets(w, {QStringLiteral("10"), QStringLiteral("12")});
    QWidget *const boxes[] = {widgets.bypass, widgets.outRate, widgets.phyType, widgets.preScale};
    for (QWidget *box : boxes)
        box->setEnabled(enabled.isEmpty());
    usePllPanel(w);
    w.interfaceIndex = interfaceIndex;
    widgets.lanes->setCurrentIndex(lanePosition);
    widgets.bits->setCurrentIndex(bitPosition);
    w.pllPreScale = lsbAligned;
    w.hdrMode[0] = 1;
    w.otpRev = 2;
    w.custRev = 145;
    w.phyCd = 1;
    resetJournal(w);

    w.ui.checkHorzMirror_A->click();

    QCOMPARE(journal(w), contextCalls(0, link, "PLL_Caluate()", "UseCaseTiming") + QStringList({"RegisterUpdate(0)"}));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(boxes[i]->isEnabled(), enabled.isEmpty() || enabled[i] == QLatin1Char('1'));
    QCOMPARE(f.pll.msbAligned, msbAligned);
    QCOMPARE(w.hdrMode[0], hdrMode);
    QCOMPARE(f.ctx[0].hdrMode, hdrMode);
    QCOMPARE(f.otpRev, 2);
    QCOMPARE(f.custRev, 145);
    QCOMPARE(f.pll.phyCd, 1);
    if (interfaceIndex == 0) {
        QCOMPARE(f.ctx[0].numExposures, 1);
        QCOMPARE(reg(w, "RESET_REGISTER"), 0x10DC);
    } else {
        QCOMPARE(reg(w, "RESET_REGISTER"), 0x2058);
        QCOMPARE(reg(w, "HISPI_CONTROL_STATUS") & 0x0200, msbAligned ? 0 : 0x0200);
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

// With the panel open the bypass box names what bypassing costs while the
// PLL is bypassed; with the panel closed the caption stays.
void TestVek111Vek123Vek135::vek123BypassCaption()
{
    Session s(QStringLiteral("Vek123m"));
    Pallador &w = s.w();
    PanelWidgets widgets(w, {QStringLiteral("10"), QStringLiteral("12")});
    widgets.bypass->setText(QStringLiteral("Bypass"));
    w.pllBypass = true;
    w.recalc(true);
    QCOMPARE(widgets.bypass->text(), QStringLiteral("Bypass"));

    usePllPanel(w);
    w.recalc(true);
    QCOMPARE(widgets.bypass->text(), QStringLiteral("Bypass PLL (Can't do 1080p30!)"));
    QVERIFY(s.family().pll.pllBypass);

    w.pllBypass = false;
    w.recalc(true);
    QCOMPARE(widgets.bypass->text(), QStringLiteral("Bypass PLL"));
    QVERIFY(!s.family().pll.pllBypass);
}

void TestVek111Vek123Vek135::vek123FovFeedback_data()
{
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("binXOnly"); // enabled afterwards
    QTest::addColumn<bool>("skipping");
    // The sensor reads columns and rows in pairs: 562 and 966 are the first
    // sizes at or above the limits of 561 and 965.
    QTest::newRow("560 rows, 964 columns") << 964 << 560 << true << true;
    QTest::newRow("562 rows, 966 columns") << 966 << 562 << false << false;
    QTest::newRow("560 rows, 966 columns") << 966 << 560 << true << false;
    QTest::newRow("1080 rows, 1920 columns") << 1920 << 1080 << false << false;
}

// With the context panel in use, the field of view the library computed
// enables column binning below 561 rows and skipping below 965 columns; with
// the field of view not in use the panel shows its percentage and aspect
// ratio, with it in use its size.
void TestVek111Vek123Vek135::vek123FovFeedback()
{
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(bool, binXOnly);
    QFETCH(bool, skipping);
    Session s(QStringLiteral("Vek123m"));
    Pallador &w = s.w();
    auto &f = static_cast<Vek_123 &>(s.family());
    PanelWidgets widgets(w, {QStringLiteral("10"), QStringLiteral("12")});
    widgets.binXOnly->setEnabled(!binXOnly);
    widgets.skipping->setEnabled(!skipping);
    w.useFov[0] = false;
    w.cols[0] = cols;
    w.rows[0] = rows;
    useAdvancedPanel(w, 0, true);
    w.recalc(false);

    QCOMPARE(f.fovCols, cols);
    QCOMPARE(f.fovRows, rows);
    QCOMPARE(widgets.binXOnly->isEnabled(), binXOnly);
    QCOMPARE(widgets.skipping->isEnabled(), skipping);
    QVERIFY(widgets.aspectRatio->isEditable());
    const double ratio = double(cols) / rows;
    QCOMPARE(f.aspectRatioResult, ratio);
    QCOMPARE(widgets.aspectRatio->currentText(), QStringLiteral("%1").arg(ratio, 5, 'f', 3));
    QCOMPARE(widgets.fovPercent->value(), std::round(f.fovPercentResult * 100.0) / 100.0);
    QCOMPARE(widgets.rows->value(), 0);

    // The field of view in use: its size shows, the aspect ratio is a choice.
    w.useFov[0] = true;
    w.fovPercent[0] = 50.0;
    w.aspectRatio[0] = 1;
    w.recalc(false);
    QVERIFY(!widgets.aspectRatio->isEditable());
    QCOMPARE(widgets.rows->value(), f.fovRows);
    QCOMPARE(widgets.cols->value(), f.fovCols);
    QCOMPARE(f.fovCols * 9, f.fovRows * 16);
    QVERIFY(f.fovRows > 0);

    // The panel not in use: nothing is fed back.
    useAdvancedPanel(w, 0, false);
    widgets.rows->setValue(7);
    w.fovPercent[0] = 40.0;
    w.recalc(false);
    QCOMPARE(widgets.rows->value(), 7);
}

// The panel's widgets run their slots when the feedback changes them; the
// values fed back give the same field of view again, so the nested
// calculations they start come to rest after one.
void TestVek111Vek123Vek135::vek123FovFeedbackSettles()
{
    Session s(QStringLiteral("Vek123m"));
    Pallador &w = s.w();
    auto &f = static_cast<Vek_123 &>(s.family());
    PanelWidgets widgets(w, {QStringLiteral("10"), QStringLiteral("12")});
    // What the panel's slots do: store the value and calculate the context.
    QObject::connect(widgets.rows, QOverload<int>::of(&QSpinBox::valueChanged), [&w](int v) {
        w.rows[0] = v;
        w.recalc(false);
    });
    QObject::connect(widgets.cols, QOverload<int>::of(&QSpinBox::valueChanged), [&w](int v) {
        w.cols[0] = v;
        w.recalc(false);
    });
    QObject::connect(widgets.fovPercent, QOverload<double>::of(&QDoubleSpinBox::valueChanged), [&w](double v) {
        w.fovPercent[0] = v;
        w.recalc(false);
    });
    useAdvancedPanel(w, 0, true);

    for (bool useFov : {true, false}) {
        w.useFov[0] = useFov;
        w.fovPercent[0] = 75.0;
        w.aspectRatio[0] = 2;
        resetJournal(w);
        w.recalc(false);
        QVERIFY2(calculations(w) <= 4, qPrintable(journal(w).join(QLatin1Char('\n'))));
        const int fovRows = f.fovRows, fovCols = f.fovCols;
        resetJournal(w);
        w.recalc(false);
        QCOMPARE(calculations(w), 1);
        QCOMPARE(f.fovRows, fovRows);
        QCOMPARE(f.fovCols, fovCols);
        QVERIFY(!w.busy);
    }
    QCOMPARE(widgets.rows->value(), w.rows[0]);
}

// ---------------------------------------------------------------------------
// Vek_135.

void TestVek111Vek123Vek135::vek135Requests_data()
{
    QTest::addColumn<bool>("panel");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("lanes"); // -1: the lane count before
    QTest::addColumn<int>("opDivider");
    QTest::addColumn<bool>("n2Ticked");
    QTest::addColumn<bool>("n2Sent"); // the window's second pre-divider reaches the library
    QTest::addColumn<bool>("mTicked");

    QTest::newRow("MIPI-2, panel closed, N2 ticked") << false << 0 << 2 << 10 << true << false << false;
    QTest::newRow("MIPI-4, panel closed, M ticked") << false << 1 << 4 << 10 << false << false << true;
    QTest::newRow("HIPSI-PK, panel open, 12 bits, N2") << true << 3 << 4 << 12 << true << true << false;
    QTest::newRow("interface 5, panel open, N2 free") << true << 5 << -1 << 12 << false << false << false;
}

// Vek_135 requests its fixed VCO of 801 MHz and op divider of 10 unless the
// boxes say otherwise, takes its lanes from the interface, and runs the
// scaled PLL step with the timing step of the panel whatever its box.
void TestVek111Vek123Vek135::vek135Requests()
{
    QFETCH(bool, panel);
    QFETCH(int, interfaceIndex);
    QFETCH(int, lanes);
    QFETCH(int, opDivider);
    QFETCH(bool, n2Ticked);
    QFETCH(bool, n2Sent);
    QFETCH(bool, mTicked);
    Session s(QStringLiteral("Vek135d"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    PanelWidgets widgets(w, kBits8To12);
    widgets.bits->setCurrentIndex(2);
    widgets.n2->setChecked(n2Ticked);
    w.pllN2 = 7;
    // The set-up disables the multiplier box; a ticked one still counts.
    w.ui.checkPLL_M->setChecked(mTicked);
    w.pllM = 91;
    if (panel)
        usePllPanel(w);
    w.lanes = 3;
    w.interfaceIndex = interfaceIndex;
    w.scaleM[0] = 32;
    resetJournal(w);

    w.ui.checkVertFlip_A->click();

    // A multiplier that changes the spin box runs its slot, which calculates
    // once more inside this calculation.
    const QStringList one = contextCalls(0, QString(), "CalculateScaledPLL()", "TimingUpdate") << "RegisterUpdate(0)";
    QCOMPARE(journal(w), mTicked ? one + one : one);
    QCOMPARE(w.lanes, lanes < 0 ? 3 : lanes);
    QCOMPARE(f.pll.lanes, w.lanes);
    QCOMPARE(f.ctx[0].scaleM, 32);
    QCOMPARE(f.pll.vcoRequest, 801.0);
    QCOMPARE(f.pll.pllOpDivider, opDivider);
    // The library reports the divider it used in the request's field.
    QCOMPARE(f.pll.pllN2 == 7, n2Sent);
    QCOMPARE(reg(w, "PRE_PLL_CLK_DIV2") == 7, n2Sent);
    QCOMPARE(f.pll.pllM == 91, mTicked);
    if (mTicked) {
        QCOMPARE(w.ui.spinPLL_M->value(), 91);
        resetJournal(w);
        w.recalc(true);
        QCOMPARE(journal(w), one);
    }
    QCOMPARE(f.ctx[0].interfaceIndex, interfaceIndex);
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Colours.

void TestVek111Vek123Vek135::warnings_data()
{
    QTest::addColumn<QString>("sample");
    QTest::newRow("86") << "Vek111m";
    QTest::newRow("88") << "Vek123m";
    QTest::newRow("90") << "Vek135d";
}

// The standard PLL map and context A's map: an input clock out of range and
// an unreachable frame rate show red and in WarningValue; the clear mask
// drops the recomputed bits and keeps the others.
void TestVek111Vek123Vek135::warnings()
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

    w.currentContext = 0;
    w.ui.comboMaxFRate_A->lineEdit()->setText(QStringLiteral("500"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kRedCombo);
    QVERIFY(w.getWarningValue() & 0x1);

    f.ctx[0].warnings |= 0x80000008u;
    w.ui.comboMaxFRate_A->lineEdit()->setText(QStringLiteral("5"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
    QCOMPARE(f.ctx[0].warnings & 0x80000009u, 0x80000000u);
}

// Bits only the open advanced PLL panel shows: Vek_123's output rate that
// the lanes cannot carry colours the output-rate box, Vek_135's second VCO
// out of range its second-VCO box; with the panel closed neither is touched.
void TestVek111Vek123Vek135::panelWarnings()
{
    {
        Session s(QStringLiteral("Vek123m"));
        Pallador &w = s.w();
        PanelWidgets widgets(w, {QStringLiteral("10"), QStringLiteral("12")});
        usePllPanel(w);
        w.interfaceIndex = 1;
        widgets.lanes->setCurrentIndex(0);
        widgets.bits->setCurrentIndex(1);
        w.ui.comboMaxFRate_A->lineEdit()->setText(QStringLiteral("60"));
        QVERIFY(w.getWarningValue() & 0x80000);
        QCOMPARE(widgets.outRate->styleSheet(), kRedDouble);
        widgets.lanes->setCurrentIndex(2);
        w.recalc(true);
        QCOMPARE(w.getWarningValue() & 0x80000, 0);
        QCOMPARE(widgets.outRate->styleSheet(), kWhiteDouble);
    }
    {
        Session s(QStringLiteral("Vek135d"));
        Pallador &w = s.w();
        PanelWidgets widgets(w, kBits8To12);
        auto *vco2Box = new QCheckBox(&widgets.parent);
        vco2Box->setObjectName(QStringLiteral("checkPLL_VCO2"));
        vco2Box->setChecked(true);
        w.checkPLL_VCO2 = vco2Box;
        w.pllVco2 = 5000.0;
        w.recalc(true);
        QCOMPARE(w.getWarningValue() & 0x800000, 0);
        QCOMPARE(widgets.vco2->styleSheet(), QString());
        usePllPanel(w);
        w.recalc(true);
        QVERIFY(w.getWarningValue() & 0x800000);
        QCOMPARE(widgets.vco2->styleSheet(), QStringLiteral("background-color: red;"));
        vco2Box->setChecked(false);
        w.recalc(true);
        QCOMPARE(widgets.vco2->styleSheet(), QStringLiteral("background-color: white;"));
    }
}

QTEST_MAIN(TestVek111Vek123Vek135)
#include "tst_vek111_vek123_vek135.moc"
