// Catalogue 72 to 79 and 102 driven through the window: the near twins
// Vek_116 (Vek116m, Vek116t, Vek115x) and Vek_121 (Vek121m, Vek121t,
// Vek121d, Vek122t) with contexts A and B, and the HDR sensor Vek_118
// (Vek118m, Vek131m) with one. What each set-up leaves in the window, the
// link and PLL step by interface and advanced PLL panel, the twins'
// combination and interleave rules, the timing step by each context's
// advanced box, Vek_118's revision and 16-bit option, use case 0 without a
// rate, and each sample end to end (library inputs, registers, colours).
//
// The option panels are not built into the window yet: where a rule reads one
// of their widgets, the test gives the window a widget of that object name,
// connected to the slot the panel would connect it to.
#include "calvex.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

const QString kRedDouble = QStringLiteral("QDoubleSpinBox { background-color: red; }");
const QString kWhiteDouble = QStringLiteral("QDoubleSpinBox { background-color: white; }");
const QString kRedCombo = QStringLiteral("QComboBox { background-color: red; }");
const QString kWhiteCombo = QStringLiteral("QComboBox { background-color: white; }");

struct Session : WindowSession {
    using WindowSession::WindowSession;
    Session(const QString &name, const QByteArray &config) : WindowSession(name + QStringLiteral(".cfg"), config) {}
    CFamilyBase &family() { return *dynamic_cast<CFamilyBase *>(window->calvex->family()); }
};

// Widgets of the advanced panels, made by the test under one parent that is
// never shown; the boxes are connected as the panels connect them.
struct PanelWidgets {
    QWidget parent;
    QComboBox *interMode = new QComboBox(&parent);
    QComboBox *lanes = new QComboBox(&parent);
    QComboBox *bits = new QComboBox(&parent);
    QCheckBox *combi = new QCheckBox(&parent);
    QCheckBox *mipiCont = new QCheckBox(&parent);
    QCheckBox *sixteen = new QCheckBox(&parent);
    QComboBox *revision = new QComboBox(&parent);
    QDoubleSpinBox *intgTime[2] = {new QDoubleSpinBox(&parent), new QDoubleSpinBox(&parent)};
    Pallador &window;

    explicit PanelWidgets(Pallador &w) : window(w)
    {
        interMode->setObjectName(QStringLiteral("comboPLL_InterMode"));
        interMode->addItems({QStringLiteral("Parallel"), QStringLiteral("HISPI"), QStringLiteral("MIPI")});
        lanes->setObjectName(QStringLiteral("comboPLL_Lanes"));
        lanes->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("8")});
        bits->setObjectName(QStringLiteral("comboPLL_Bits"));
        bits->addItems({QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14")});
        combi->setObjectName(QStringLiteral("checkCombi"));
        mipiCont->setObjectName(QStringLiteral("checkPLL_MIPICont"));
        sixteen->setObjectName(QStringLiteral("check16b8bits"));
        revision->setObjectName(QStringLiteral("comboPLL_REV"));
        revision->addItems({QStringLiteral("Rev1"), QStringLiteral("Rev2")});
        revision->setCurrentIndex(w.revIndex);
        for (QDoubleSpinBox *box : intgTime) {
            box->setObjectName(QStringLiteral("dSpinIntgTime"));
            box->setRange(0.0, 1000.0);
        }
        attach();
        QObject::connect(combi, SIGNAL(clicked()), &w, SLOT(checkCombi_clicked()));
        QObject::connect(sixteen, SIGNAL(clicked()), &w, SLOT(checkOddClkRatio_clicked()));
        QObject::connect(revision, SIGNAL(currentIndexChanged(int)), &w, SLOT(comboPLL_REV_currentIndexChanged(int)));
    }

    // Points the window's references at these widgets (again, after a panel
    // the window opened has looked up its own).
    void attach()
    {
        Pallador &w = window;
        w.comboPLL_InterMode = interMode;
        w.comboPLL_Lanes = lanes;
        w.comboPLL_Bits = bits;
        w.checkCombi = combi;
        w.checkPLL_MIPICont = mipiCont;
        w.check16b8bits = sixteen;
        w.comboPLL_REV = revision;
        w.dSpinIntgTime[0] = intgTime[0];
        w.dSpinIntgTime[1] = intgTime[1];
    }

    // Ticks a panel box of the main form as the user would, then takes over
    // the panel's references.
    void open(QCheckBox *box)
    {
        box->click();
        attach();
    }
};

// One context's calculation: the steps before the PLL step, the PLL step,
// the timing step, results and registers.
QStringList contextCalls(int c, const QStringList &before, const QString &pll, const QString &timing, int timingContext)
{
    return before + QStringList{pll, QStringLiteral("%1(%2, false, true)").arg(timing).arg(timingContext),
                                QStringLiteral("ResultsUpdate(%1)").arg(c),
                                QStringLiteral("RegisterUpdate(%1)").arg(c)};
}

// The journal up to the register refreshes of the window's tail.
QStringList calculationsOnly(const Pallador &w)
{
    QStringList calls;
    for (const QString &entry : journal(w)) {
        // The tail's register refresh re-runs RegisterUpdate right after the
        // calculation's own; keep one per calculation.
        if (entry.startsWith(QLatin1String("RegisterUpdate(")) && !calls.isEmpty() &&
            calls.last().startsWith(QLatin1String("RegisterUpdate(")))
            continue;
        calls << entry;
    }
    return calls;
}

bool sameRegisters(const Pallador &w, const CFamilyCore &f)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].value != f.results.registerValues[i])
            return false;
    }
    return w.regCount > 0;
}

// A one-context HDR or two-context twin file whose use case 0 gives no rate.
QByteArray configWithoutRate(const char *sensor)
{
    return QByteArray("[General_Info]\nsensor_name = ") + sensor +
           "\npart_number = X-1\n[UseCases]\n"
           "0/name = No rate\n0/cols = 1280\n0/rows = 960\n0/intg_time = 10\n0/context_a_default = 0\n"
           "1/name = Thirty\n1/cols = 640\n1/rows = 480\n1/max_fps = 30\n1/intg_time = 10\n"
           "1/context_b_default = 1\n";
}

} // namespace

class TestVek116Vek121Vek118 : public QObject {
    Q_OBJECT

private slots:
    void samplesAtDefaults_data();
    void samplesAtDefaults();
    void vek131mKeepsTheWindowsRevision();
    void automaticPllPanel_data();
    void automaticPllPanel();
    void twinLink_data();
    void twinLink();
    void combinationAndInterleave_data();
    void combinationAndInterleave();
    void twinTimingByContext_data();
    void twinTimingByContext();
    void vek118Panel_data();
    void vek118Panel();
    void vek118SixteenBitBoxByUser();
    void vek118TimingOnContextA();
    void useCaseWithoutRate_data();
    void useCaseWithoutRate();
    void endToEnd_data();
    void endToEnd();
};

void TestVek116Vek121Vek118::samplesAtDefaults_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("contexts");
    QTest::addColumn<int>("opBits");
    QTest::addColumn<int>("hdrMode"); // of context A; -1 for the twins (their use case sets it)
    QTest::addColumn<int>("exposures");
    QTest::addColumn<int>("revIndex");

    QTest::newRow("72 Vek116m") << "Vek116m" << 72 << 2 << 12 << -1 << 2 << 0;
    QTest::newRow("73 Vek116t") << "Vek116t" << 73 << 2 << 12 << -1 << 2 << 0;
    QTest::newRow("74 Vek115x") << "Vek115x" << 74 << 2 << 12 << -1 << 2 << 0;
    QTest::newRow("76 Vek121m") << "Vek121m" << 76 << 2 << 12 << -1 << 2 << 0;
    QTest::newRow("77 Vek121t") << "Vek121t" << 77 << 2 << 12 << -1 << 2 << 0;
    QTest::newRow("78 Vek121d") << "Vek121d" << 78 << 2 << 12 << -1 << 2 << 0;
    QTest::newRow("79 Vek122t") << "Vek122t" << 79 << 2 << 12 << -1 << 2 << 0;
    // Vek118m: three exposures in HDR mode 2 at Rev2, bit position 0.
    QTest::newRow("75 Vek118m") << "Vek118m" << 75 << 1 << 0 << 2 << 3 << 1;
    QTest::newRow("102 Vek131m") << "Vek131m" << 102 << 1 << 1 << 1 << 2 << 0;
}

// Each sample loads with the family's starting values in the window, its
// interface widgets hidden, both panes filled, and calculates its default
// use cases without a warning.
void TestVek116Vek121Vek118::samplesAtDefaults()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    QFETCH(int, contexts);
    QFETCH(int, opBits);
    QFETCH(int, hdrMode);
    QFETCH(int, exposures);
    QFETCH(int, revIndex);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.sensorIndex, index);
    QCOMPARE(w.contextCount, contexts);

    QCOMPARE(w.interfaceIndex, 1);
    QCOMPARE(w.lanes, 4);
    QCOMPARE(w.opBits, opBits);
    QCOMPARE(w.revIndex, revIndex);
    QCOMPARE(w.pllTargetOp, f.defaults.defaultTargetClock2);
    QVERIFY(w.ui.comboPLL_Interface->isHidden());
    QVERIFY(w.ui.labelOutputMode->isHidden());
    QCOMPARE(f.ctx[0].interfaceIndex, 1);
    QCOMPARE(journal(w).filter(QStringLiteral("SetSerialPLL(1)")).isEmpty(), false);
    if (contexts == 2) {
        QCOMPARE(w.ui.comboPLL_Interface->count(), 0);
        QCOMPARE(f.ctx[1].interfaceIndex, 1);
        QVERIFY(!w.ui.comboTypeFRate_B->isEnabled());
        QCOMPARE(w.ui.textResult_B->toPlainText(), f.results.contextDisplayText[1]);
    } else {
        QCOMPARE(w.hdrMode[0], hdrMode);
        QCOMPARE(f.ctx[0].hdrMode, hdrMode);
        QCOMPARE(w.phyCd, 2);
        QCOMPARE(f.pll.phyCd, 2);
        QCOMPARE(w.embedDataRows[0], 1);
        QCOMPARE(w.statsDataRows[0], 1);
        QCOMPARE(w.lineInterleave[0], 1);
        QCOMPARE(w.t1ExpRows[0], 120);
        QCOMPARE(f.ctx[0].t1ExpRows, 120);
        QVERIFY(!w.oddClkRatio && !w.useReg && !w.mipiCont);
    }
    QCOMPARE(w.numExposures[0], exposures);
    if (index == 75) {
        QCOMPARE(w.intgTime2[0], 8.0);
        QCOMPARE(f.ctx[0].intgTime2, 8.0);
        QCOMPARE(f.ctx[0].intgTime3, 0.83);
        QCOMPARE(f.ctx[0].intgTime4, 0.002);
        const auto &ratios = *w.calvex->vek_118;
        QCOMPARE(ratios.t1T2Ratio, 3);
        QCOMPARE(ratios.t2T3Ratio, 4);
        QCOMPARE(ratios.t3T4Ratio, 4);
    }
    QVERIFY(!w.ui.comboTypeFRate_A->isEnabled());
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    QVERIFY(!f.results.contextDisplayText[0].isEmpty());

    // No warning at the defaults, in the family or the window.
    for (int c = 0; c < contexts; ++c) {
        QCOMPARE(f.ctx[c].warnings, 0u);
        QCOMPARE(w.warnings[c], 0u);
    }
    QCOMPARE(w.ui.dSpinPLL_Target->styleSheet(), kWhiteDouble);
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
    QVERIFY(sameRegisters(w, f));
    QCOMPARE(s.responder.seen(), QStringList());
}

// Vek118m always starts at Rev2; Vek131m keeps the revision the window holds.
void TestVek116Vek121Vek118::vek131mKeepsTheWindowsRevision()
{
    for (const char *sample : {"Vek118m", "Vek131m"}) {
        Session s{QString::fromLatin1(sample)};
        Pallador &w = s.w();
        w.revIndex = 0;
        w.initContext(0);
        QCOMPARE(w.revIndex, w.sensorIndex == 75 ? 1 : 0);
        w.revIndex = 1;
        w.initContext(0);
        QCOMPARE(w.revIndex, 1);
    }
}

void TestVek116Vek121Vek118::automaticPllPanel_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("interMode"); // the panel's lists afterwards (-1: untouched)
    QTest::addColumn<int>("bits");
    QTest::addColumn<bool>("interModeEnabled");
    QTest::addColumn<bool>("combiTicked");

    QTest::newRow("Vek116m") << "Vek116m" << -1 << 1 << true << false;
    QTest::newRow("Vek121m") << "Vek121m" << -1 << 1 << true << false;
    // Vek121d has one interface: the set-up's, chosen and locked.
    QTest::newRow("Vek121d") << "Vek121d" << 1 << 1 << false << false;
    QTest::newRow("Vek118m") << "Vek118m" << 1 << 0 << true << false;
    QTest::newRow("Vek131m") << "Vek131m" << 1 << 1 << true << false;
}

// A family that opens the advanced PLL panel by itself chooses its starting
// entries in the panel; Vek_121 also shows its combination mode (off).
void TestVek116Vek121Vek118::automaticPllPanel()
{
    QFETCH(QString, sample);
    QFETCH(int, interMode);
    QFETCH(int, bits);
    QFETCH(bool, interModeEnabled);
    QFETCH(bool, combiTicked);
    Session s(sample);
    Pallador &w = s.w();
    PanelWidgets panel(w);
    panel.interMode->setCurrentIndex(2);
    panel.bits->setCurrentIndex(2);
    panel.combi->setChecked(true);
    s.family().defaults.defaultAdvPll = 1;

    w.initContext(0);

    // Read through the window's references: the panel's own widgets once
    // the panel looks them up.
    QVERIFY(w.ui.checkPLL_ADV->isChecked());
    QVERIFY(w.comboPLL_InterMode && w.comboPLL_Bits);
    if (interMode >= 0)
        QCOMPARE(w.comboPLL_InterMode->currentIndex(), interMode);
    QCOMPARE(w.comboPLL_InterMode->isEnabled(), interModeEnabled);
    QCOMPARE(w.comboPLL_Bits->currentIndex(), bits);
    if (w.calvex->vek_121 && w.checkCombi)
        QCOMPARE(w.checkCombi->isChecked(), combiTicked);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek116Vek121Vek118::twinLink_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("panel");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("lanePosition");
    QTest::addColumn<int>("bitPosition");
    QTest::addColumn<QString>("link"); // before each context's PLL step
    QTest::addColumn<QString>("pll");
    QTest::addColumn<int>("lanes"); // the window's afterwards (-1: as before)
    QTest::addColumn<int>("opBits");

    QTest::newRow("Vek116m HiSPi 4 lanes 12 bits") << "Vek116m" << true << 1 << 2 << 1 << "SetInterface(4, 12)"
                                                   << "SetSerialPLL(1)" << 4 << 12;
    QTest::newRow("Vek115x HiSPi 2 lanes 14 bits") << "Vek115x" << true << 1 << 1 << 2 << "SetInterface(2, 14)"
                                                   << "SetSerialPLL(1)" << 2 << 14;
    QTest::newRow("Vek116m HiSPi, panel closed") << "Vek116m" << false << 1 << 1 << 2 << ""
                                                 << "SetSerialPLL(1)" << -1 << -1;
    QTest::newRow("Vek116m parallel: no link") << "Vek116m" << true << 0 << 1 << 2 << ""
                                               << "SetParallelPLL()" << -1 << -1;
    QTest::newRow("Vek121m parallel: one lane of 12 bits") << "Vek121m" << true << 0 << 1 << 2 << "SetInterface(1, 12)"
                                                           << "SetParallelPLL()" << -1 << -1;
    QTest::newRow("Vek122t HiSPi 8 lanes 10 bits") << "Vek122t" << true << 1 << 3 << 0 << "SetInterface(8, 10)"
                                                   << "SetSerialPLL(1)" << 8 << 10;
    QTest::newRow("Vek121t parallel, panel closed") << "Vek121t" << false << 0 << 1 << 2 << ""
                                                    << "SetParallelPLL()" << -1 << -1;
}

// The link is set up from the panel's lists only while the panel is open,
// before each context's PLL step; the PLL step follows the interface. A
// PLL-level change calculates context A, then context B.
void TestVek116Vek121Vek118::twinLink()
{
    QFETCH(QString, sample);
    QFETCH(bool, panel);
    QFETCH(int, interfaceIndex);
    QFETCH(int, lanePosition);
    QFETCH(int, bitPosition);
    QFETCH(QString, link);
    QFETCH(QString, pll);
    QFETCH(int, lanes);
    QFETCH(int, opBits);

    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    PanelWidgets widgets(w);
    if (panel)
        widgets.open(w.ui.checkPLL_ADV);
    // The panel's interface list stores its choice here.
    w.interfaceIndex = interfaceIndex;
    widgets.lanes->setCurrentIndex(lanePosition);
    widgets.bits->setCurrentIndex(bitPosition);
    const int lanesBefore = w.lanes, bitsBefore = w.opBits;
    w.currentContext = 0;
    resetJournal(w);

    w.ui.dSpinPLL_Input->setValue(25.0);

    const QStringList before = link.isEmpty() ? QStringList() : QStringList{link};
    QCOMPARE(calculationsOnly(w), contextCalls(0, before, pll, QStringLiteral("UseCaseTiming"), 0) +
                                      contextCalls(1, before, pll, QStringLiteral("UseCaseTiming"), 1));
    QCOMPARE(w.currentContext, 1);
    QCOMPARE(w.lanes, lanes < 0 ? lanesBefore : lanes);
    QCOMPARE(w.opBits, opBits < 0 ? bitsBefore : opBits);
    QCOMPARE(f.ctx[0].interfaceIndex, interfaceIndex);
    QCOMPARE(f.ctx[1].interfaceIndex, interfaceIndex);
    QCOMPARE(f.linkSerial(), interfaceIndex != 0);
    if (f.linkSerial() && !link.isEmpty()) {
        QCOMPARE(f.linkLanes(), lanes);
        QCOMPARE(f.linkBits(), opBits);
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek116Vek121Vek118::combinationAndInterleave_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("combi");
    QTest::addColumn<int>("hdr"); // the context's HDR settings before
    QTest::addColumn<int>("interleave");
    QTest::addColumn<int>("lineInterleave");
    QTest::addColumn<QList<int>>("sent");    // hdrMode, interleave, lineInterleave the family takes
    QTest::addColumn<QList<int>>("window");  // the window's afterwards
    QTest::addColumn<int>("interleaveNext"); // the interleave the next calculation sends

    // Vek_116 in combination mode runs without HDR.
    QTest::newRow("Vek116m combination") << "Vek116m" << 1 << 1 << 1 << 1 << QList<int>{0, 0, 0} << QList<int>{0, 0, 0}
                                         << 0;
    // Line interleave takes over from the interleave option the next time.
    QTest::newRow("Vek116m line interleave")
        << "Vek116m" << 0 << 1 << 1 << 1 << QList<int>{1, 1, 1} << QList<int>{1, 0, 1} << 0;
    QTest::newRow("Vek116m interleave alone")
        << "Vek116m" << 0 << 1 << 1 << 0 << QList<int>{1, 1, 0} << QList<int>{1, 1, 0} << 1;
    // Vek_121 keeps its HDR settings in combination mode and takes no interleave.
    QTest::newRow("Vek121m combination") << "Vek121m" << 1 << 1 << 1 << 1 << QList<int>{1, 0, 1} << QList<int>{1, 0, 1}
                                         << 0;
}

void TestVek116Vek121Vek118::combinationAndInterleave()
{
    QFETCH(QString, sample);
    QFETCH(int, combi);
    QFETCH(int, hdr);
    QFETCH(int, interleave);
    QFETCH(int, lineInterleave);
    QFETCH(QList<int>, sent);
    QFETCH(QList<int>, window);
    QFETCH(int, interleaveNext);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    PanelWidgets panel(w);
    panel.open(w.ui.checkPLL_ADV);
    // The context panel's boxes store here.
    w.hdrMode[0] = hdr;
    w.interleave[0] = interleave;
    w.lineInterleave[0] = lineInterleave;
    f.ctx[0].interleave = 0;
    panel.combi->setChecked(combi == 0);

    panel.combi->click();

    QCOMPARE(w.combi, combi);
    QCOMPARE(f.ctx[0].combi, combi);
    QCOMPARE((QList<int>{f.ctx[0].hdrMode, f.ctx[0].interleave, f.ctx[0].lineInterleave}), sent);
    QCOMPARE((QList<int>{w.hdrMode[0], w.interleave[0], w.lineInterleave[0]}), window);

    w.currentContext = 0;
    w.ui.checkHorzMirror_A->click();
    QCOMPARE(f.ctx[0].interleave, w.calvex->vek_116 ? interleaveNext : 0);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek116Vek121Vek118::twinTimingByContext_data()
{
    QTest::addColumn<QString>("sample");
    QTest::newRow("Vek116t") << "Vek116t";
    QTest::newRow("Vek121t") << "Vek121t";
}

// Context B current with its advanced box ticked: B takes the integration
// time of B's panel and the timing step that uses it; the other-context pass
// then calculates A from its use case, and both panes show their context.
void TestVek116Vek121Vek118::twinTimingByContext()
{
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    PanelWidgets widgets(w);
    widgets.intgTime[0]->setValue(33.0);
    widgets.intgTime[1]->setValue(12.5);
    // The settings the boxes' slot stores; the calculation takes them.
    w.intgTime[0] = 33.0;
    w.intgTime[1] = 12.5;
    widgets.open(w.ui.checkAdvParam_B);
    w.currentContext = 1;

    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(25.0);

    QCOMPARE(calculationsOnly(w),
             contextCalls(1, {}, QStringLiteral("SetSerialPLL(1)"), QStringLiteral("TimingUpdate"), 1) +
                 contextCalls(0, {}, QStringLiteral("SetSerialPLL(1)"), QStringLiteral("UseCaseTiming"), 0));
    QCOMPARE(w.currentContext, 0);
    QCOMPARE(f.ctx[1].intgTime, 12.5);
    QCOMPARE(f.ctx[0].intgTime, w.intgTime[0]);
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    QCOMPARE(w.ui.textResult_B->toPlainText(), f.results.contextDisplayText[1]);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek116Vek121Vek118::vek118Panel_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("panel");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("revIndex");
    QTest::addColumn<bool>("oddClk");        // the window's 16-bit choice before
    QTest::addColumn<QStringList>("before"); // the steps before the PLL step
    QTest::addColumn<QString>("pll");
    QTest::addColumn<int>("readerRevision"); // -1: not told
    QTest::addColumn<int>("sixteenBox");     // 0 disabled and unticked, 1 enabled and unticked, 2 enabled and ticked,
                                             // -1 untouched
    QTest::addColumn<bool>("oddClkAfter");
    QTest::addColumn<int>("mipiBox"); // -1 untouched, 0 disabled, 1 enabled
    QTest::addColumn<int>("linkBits");

    // Lanes at position 2 (4), bits at position 1: the position goes to the
    // family as it is; Vek118m gives its Rev2 16 bits.
    QTest::newRow("Vek118m HiSPi Rev2, 16 bits")
        << "Vek118m" << true << 1 << 1 << true << QStringList{"SetInterface(4, 1)", "SetRevDefaults(2)"}
        << "SetSerialPLL(1)" << 2 << 2 << true << 1 << 16;
    QTest::newRow("Vek118m HiSPi Rev2, box unticked")
        << "Vek118m" << true << 1 << 1 << false << QStringList{"SetInterface(4, 1)", "SetRevDefaults(2)"}
        << "SetSerialPLL(1)" << 2 << 1 << false << 1 << 12;
    QTest::newRow("Vek118m HiSPi Rev1") << "Vek118m" << true << 1 << 0 << true
                                        << QStringList{"SetInterface(4, 1)", "SetRevDefaults(1)"} << "SetSerialPLL(1)"
                                        << 1 << 0 << true << 1 << 12;
    // Vek131m has no 16-bit output: its box is unticked and the choice dropped.
    QTest::newRow("Vek131m HiSPi Rev2, 12 bits")
        << "Vek131m" << true << 1 << 1 << true << QStringList{"SetInterface(4, 1)", "SetRevDefaults(2)"}
        << "SetSerialPLL(1)" << 2 << 0 << false << 1 << 12;
    // Parallel: one lane with the window's bit position (Vek118m 0, Vek131m 1).
    QTest::newRow("Vek118m parallel") << "Vek118m" << true << 0 << 1 << true
                                      << QStringList{"SetInterface(1, 0)", "SetRevDefaults(2)"} << "SetParallelPLL()"
                                      << 2 << 0 << true << 0 << 10;
    QTest::newRow("Vek131m parallel") << "Vek131m" << true << 0 << 0 << false
                                      << QStringList{"SetInterface(1, 1)", "SetRevDefaults(1)"} << "SetParallelPLL()"
                                      << 1 << 0 << false << 0 << 12;
    // Index 2 is taken like HiSPi for the link, but the 16-bit option is HiSPi's.
    QTest::newRow("Vek118m MIPI Rev2") << "Vek118m" << true << 2 << 1 << true
                                       << QStringList{"SetInterface(4, 1)", "SetRevDefaults(2)"} << "SetSerialPLL(2)"
                                       << 2 << 0 << true << 0 << 12;
    QTest::newRow("Vek118m HiSPi, panel closed")
        << "Vek118m" << false << 1 << 0 << true << QStringList() << "SetSerialPLL(1)" << -1 << -1 << true << -1 << -1;
}

// Vek_118 with the advanced PLL panel open: the link, the revision the
// panel chose (told to the reader and loaded into the family), the 16-bit
// box by interface, revision and the family's bit depth, and the MIPI
// continuous-clock box by interface.
void TestVek116Vek121Vek118::vek118Panel()
{
    QFETCH(QString, sample);
    QFETCH(bool, panel);
    QFETCH(int, interfaceIndex);
    QFETCH(int, revIndex);
    QFETCH(bool, oddClk);
    QFETCH(QStringList, before);
    QFETCH(QString, pll);
    QFETCH(int, readerRevision);
    QFETCH(int, sixteenBox);
    QFETCH(bool, oddClkAfter);
    QFETCH(int, mipiBox);
    QFETCH(int, linkBits);

    Session s(sample);
    Pallador &w = s.w();
    Vek_118 &f = *w.calvex->vek_118;
    PanelWidgets widgets(w);
    if (panel)
        widgets.open(w.ui.checkPLL_ADV);
    // An open panel's interface list shows the window's interface already,
    // so the display after the calculation selects nothing new.
    w.interfaceIndex = interfaceIndex;
    if (QComboBox *list = w.comboPLL_InterMode; panel && list) {
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(interfaceIndex);
    }
    w.revIndex = revIndex;
    w.oddClkRatio = oddClk;
    widgets.lanes->setCurrentIndex(2);
    widgets.bits->setCurrentIndex(1);
    // The boxes start in the state they must leave.
    widgets.sixteen->setEnabled(sixteenBox <= 0);
    widgets.sixteen->setChecked(sixteenBox != 2);
    widgets.mipiCont->setEnabled(mipiBox != 1);
    w.dataIO->setRevNumber(7);
    resetJournal(w);

    w.ui.dSpinPLL_Input->setValue(25.0);

    QCOMPARE(calculationsOnly(w), contextCalls(0, before, pll, QStringLiteral("UseCaseTiming"), 0));
    QCOMPARE(w.dataIO->getRevNumber(), readerRevision < 0 ? 7 : readerRevision);
    if (readerRevision > 0)
        QCOMPARE(f.pll.revision, readerRevision);
    if (sixteenBox >= 0) {
        QCOMPARE(widgets.sixteen->isEnabled(), sixteenBox > 0);
        QCOMPARE(widgets.sixteen->isChecked(), sixteenBox == 2);
    } else {
        QVERIFY(widgets.sixteen->isEnabled());
        QVERIFY(widgets.sixteen->isChecked());
    }
    QCOMPARE(w.oddClkRatio, oddClkAfter);
    if (mipiBox >= 0)
        QCOMPARE(widgets.mipiCont->isEnabled(), mipiBox == 1);
    else
        QVERIFY(widgets.mipiCont->isEnabled());
    if (linkBits > 0)
        QCOMPARE(f.linkBits(), linkBits);
    QCOMPARE(f.ctx[0].interfaceIndex, interfaceIndex);
    QCOMPARE(s.responder.seen(), QStringList());
}

// The user turns the 16-bit option on in the panel of Vek118m on HiSPi: the
// link carries 16 bits and its register says so; moving to Rev1 takes the
// option away (box disabled and unticked) and the link back to 12 bits; Rev2
// offers it again as the window still holds it.
void TestVek116Vek121Vek118::vek118SixteenBitBoxByUser()
{
    Session s(QStringLiteral("Vek118m"));
    Pallador &w = s.w();
    Vek_118 &f = *w.calvex->vek_118;
    PanelWidgets widgets(w);
    widgets.lanes->setCurrentIndex(2);
    widgets.bits->setCurrentIndex(1);
    widgets.open(w.ui.checkPLL_ADV);
    w.ui.checkHorzMirror_A->click();
    QVERIFY(widgets.sixteen->isEnabled());
    QVERIFY(!widgets.sixteen->isChecked());
    QCOMPARE(f.linkBits(), 12);

    widgets.sixteen->click();
    QVERIFY(w.oddClkRatio);
    QVERIFY(f.pll.oddClkRatio);
    QCOMPARE(f.linkBits(), 16);
    QVERIFY(f.results.pllDisplayText.contains(QLatin1String("16-bit pixels as two 8-bit words")));

    widgets.revision->setCurrentIndex(0);
    QCOMPARE(f.pll.revision, 1);
    QVERIFY(!widgets.sixteen->isEnabled());
    QVERIFY(!widgets.sixteen->isChecked());
    QCOMPARE(f.linkBits(), 12);

    widgets.revision->setCurrentIndex(1);
    QVERIFY(widgets.sixteen->isEnabled());
    QVERIFY(widgets.sixteen->isChecked());
    QCOMPARE(f.linkBits(), 16);
    QCOMPARE(s.responder.seen(), QStringList());
}

// Vek_118 calculates its timing on context A, with the integration time of
// A's panel while A's advanced box is ticked; a calculation with context B
// current (through automation) writes record B and reports B.
void TestVek116Vek121Vek118::vek118TimingOnContextA()
{
    Session s(QStringLiteral("Vek131m"));
    Pallador &w = s.w();
    Vek_118 &f = *w.calvex->vek_118;
    PanelWidgets widgets(w);
    widgets.intgTime[0]->setValue(7.5);
    w.intgTime[0] = 7.5; // as the box's slot stores it

    widgets.open(w.ui.checkAdvParam_A);
    resetJournal(w);
    w.ui.checkHorzMirror_A->click();
    QCOMPARE(calculationsOnly(w),
             contextCalls(0, {}, QStringLiteral("SetSerialPLL(1)"), QStringLiteral("TimingUpdate"), 0));
    // The family reports the time it programs: whole rows of the line time.
    QVERIFY(qAbs(f.ctx[0].intgTime - 7.5) < 0.05);

    w.currentContext = 1;
    w.maxFps[1] = 12.0;
    resetJournal(w);
    w.recalc(false);
    QCOMPARE(calculationsOnly(w),
             contextCalls(1, {}, QStringLiteral("SetSerialPLL(1)"), QStringLiteral("TimingUpdate"), 0));
    QCOMPARE(f.ctx[1].maxFps, 12.0);
    QCOMPARE(w.currentContext, 1);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek116Vek121Vek118::useCaseWithoutRate_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<bool>("readerTakesDefault");
    QTest::newRow("Vek118m") << "Vek118m" << true;
    QTest::newRow("Vek131m") << "Vek131m" << true;
    QTest::newRow("Vek116m") << "Vek116m" << false;
    QTest::newRow("Vek121m") << "Vek121m" << false;
}

// Use case 0 without a rate: Vek_118 writes the family's default rate into
// the reader's use case 0, which the rate box shows and every later load of
// it uses; the twins leave the reader alone.
void TestVek116Vek121Vek118::useCaseWithoutRate()
{
    QFETCH(QString, sensor);
    QFETCH(bool, readerTakesDefault);
    Session s(sensor, configWithoutRate(sensor.toLatin1().constData()));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    const double rate = f.defaults.defaultMaxFps;
    QVERIFY(rate > 0.0);
    QCOMPARE(w.dataIO->useCases[0].maxFps, readerTakesDefault ? rate : 0.0);
    if (readerTakesDefault) {
        QCOMPARE(w.ui.comboMaxFRate_A->currentText(), QString::number(rate));
        QCOMPARE(w.maxFps[0], rate);
        QCOMPARE(f.ctx[0].maxFps, rate);
        w.ui.comboUseCase_A->setCurrentIndex(1);
        w.ui.comboUseCase_A->setCurrentIndex(0);
        QCOMPARE(f.ctx[0].maxFps, rate);
        QCOMPARE(w.warnings[0], 0u);
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek116Vek121Vek118::endToEnd_data()
{
    QTest::addColumn<QString>("sample");
    for (const char *sample :
         {"Vek116m", "Vek116t", "Vek115x", "Vek121m", "Vek121t", "Vek121d", "Vek122t", "Vek118m", "Vek131m"})
        QTest::newRow(sample) << sample;
}

// A user changes the input clock, the rate of context B (twins), context
// A's blanking, an unreachable rate and the pre-divider through the widgets:
// each reaches the library for the contexts it concerns, the register table
// shows what the library computed, and the colours follow its warnings.
void TestVek116Vek121Vek118::endToEnd()
{
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    const bool twoContexts = w.contextCount == 2;
    const double inputClock = w.pllInput;

    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(26.0);
    QCOMPARE(calculatedContexts(w).size(), twoContexts ? 2 : 1);
    QCOMPARE(f.pll.inputClock, 26.0);
    QCOMPARE(f.pll.targetClock2, w.pllTargetOp);
    QCOMPARE(f.pll.pllN, w.ui.spinPLL_N->value());
    QCOMPARE(f.pll.pllM, w.ui.spinPLL_M->value());
    QCOMPARE(w.resInputClock, 26.0);
    QVERIFY(sameRegisters(w, f));

    if (twoContexts) {
        const double rateA = f.ctx[0].maxFps;
        resetJournal(w);
        w.ui.comboMaxFRate_B->setEditText(QStringLiteral("7.5"));
        QCOMPARE(calculatedContexts(w), QList<int>{1});
        QCOMPARE(f.ctx[1].maxFps, 7.5);
        QCOMPARE(f.ctx[0].maxFps, rateA);
        QVERIFY(qAbs(f.timing(1).fps - 7.5) < 0.01);
        QVERIFY(sameRegisters(w, f));
    }

    // Context A: user vertical blanking.
    w.ui.comboTypeBlank_A->setCurrentIndex(2);
    w.ui.spinUserBlank_A->setValue(300);
    QCOMPARE(f.ctx[0].blankType, 2);
    QCOMPARE(f.ctx[0].userVBlank, 300);
    QVERIFY(sameRegisters(w, f));

    // A rate the sensor cannot reach, then one it can.
    w.ui.comboTypeBlank_A->setCurrentIndex(0);
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("500"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kRedCombo);
    QCOMPARE(w.warnings[0] & 0x1u, 0x1u);
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("5"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
    QCOMPARE(w.warnings[0] & 0x1u, 0u);

    // Back at the family's input clock the target is met; a pre-divider the
    // user forces is kept by the library, and a target it then misses is red.
    w.ui.dSpinPLL_Input->setValue(inputClock);
    QCOMPARE(w.ui.dSpinPLL_Target->styleSheet(), kWhiteDouble);
    w.ui.checkPLL_N->click();
    w.ui.spinPLL_N->setValue(7);
    QCOMPARE(f.pll.pllN, 7);
    // A target the forced divider misses, or a link it cannot carry, is flagged.
    const bool flagged = (w.warnings[0] & 0x100000u) != 0;
    QVERIFY(flagged || qAbs(f.pll.outputClock - f.pll.targetClock) <= 0.01);
    QCOMPARE(w.ui.dSpinPLL_Target->styleSheet(), flagged ? kRedDouble : kWhiteDouble);
    w.ui.checkPLL_N->click();
    QCOMPARE(f.pll.pllN, w.ui.spinPLL_N->value());
    QCOMPARE(w.ui.dSpinPLL_Target->styleSheet(), kWhiteDouble);

    // An input clock no PLL of the family can take.
    w.ui.dSpinPLL_Input->setValue(w.ui.dSpinPLL_Input->minimum());
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kRedDouble);
    w.ui.dSpinPLL_Input->setValue(inputClock);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);
    QCOMPARE(w.warnings[0], 0u);
    QVERIFY(sameRegisters(w, f));
    QCOMPARE(s.responder.seen(), QStringList());
}

QTEST_MAIN(TestVek116Vek121Vek118)
#include "tst_vek116_vek121_vek118.moc"
