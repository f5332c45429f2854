// Catalogue 26, 27 and 31 (Vek_124: Vek124; Murn_109: Pirn106; Murn_111:
// Sarn116k with two contexts), driven through the window: what their context
// set-up leaves, the P4, P5 and WCD requests of the advanced PLL panel,
// Murn_111's PLL step only after a PLL-level change and its own minimum
// frame rate, and each sample end to end (library inputs, PLL results,
// registers, colours).
//
// Where a rule reads a divider box of the advanced PLL panel, the test opens
// the panel and then gives the window boxes of its own in their place,
// connected to the window's slots as the panel's are (with a range wider than
// the form's, so that any divider can be requested).
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

const QString kRedDouble = QStringLiteral("QDoubleSpinBox { background-color: red; }");
const QString kWhiteDouble = QStringLiteral("QDoubleSpinBox { background-color: white; }");

struct Session : WindowSession {
    using WindowSession::WindowSession;
    CFamilyBase &family() { return *dynamic_cast<CFamilyBase *>(window->calvex->family()); }
};

// The divider boxes of the advanced PLL panel, connected to the window's
// slots, and its MIPI clock label.
struct DividerPanel {
    QWidget parent;
    QCheckBox *check[3] = {new QCheckBox(&parent), new QCheckBox(&parent), new QCheckBox(&parent)};
    QSpinBox *spin[3] = {new QSpinBox(&parent), new QSpinBox(&parent), new QSpinBox(&parent)};
    QLabel *mipiClock = new QLabel(&parent);

    explicit DividerPanel(Pallador &w)
    {
        const char *const names[] = {"P4", "P5", "WCD"};
        const char *const clicked[] = {SLOT(checkPLL_P4_clicked()), SLOT(checkPLL_P5_clicked()),
                                       SLOT(checkPLL_WCD_clicked())};
        const char *const changed[] = {SLOT(spinPLL_P4_valueChanged(int)), SLOT(spinPLL_P5_valueChanged(int)),
                                       SLOT(spinPLL_WCD_valueChanged(int))};
        for (int i = 0; i < 3; ++i) {
            check[i]->setObjectName(QStringLiteral("checkPLL_%1").arg(QLatin1String(names[i])));
            spin[i]->setObjectName(QStringLiteral("spinPLL_%1").arg(QLatin1String(names[i])));
            spin[i]->setRange(0, 63);
            spin[i]->setEnabled(false);
            QObject::connect(check[i], SIGNAL(clicked()), &w, clicked[i]);
            QObject::connect(spin[i], SIGNAL(valueChanged(int)), &w, changed[i]);
        }
        mipiClock->setObjectName(QStringLiteral("labelPLL_MipiClk"));
        w.checkPLL_P4 = check[0];
        w.checkPLL_P5 = check[1];
        w.checkPLL_WCD = check[2];
        w.spinPLL_P4 = spin[0];
        w.spinPLL_P5 = spin[1];
        w.spinPLL_WCD = spin[2];
        w.labelPLL_MipiClk = mipiClock;
    }
};

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

bool sameRegisters(const Pallador &w, const CFamilyCore &f)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].value != f.results.registerValues[i])
            return false;
    }
    return w.regCount > 0;
}

// A calculation of context c without the PLL step, and the register refresh
// of both contexts.
QStringList timingOnly(int c)
{
    return {QStringLiteral("TimingUpdate(%1, false, true)").arg(c), QStringLiteral("ResultsUpdate(%1)").arg(c),
            QStringLiteral("RegisterUpdate(%1)").arg(c)};
}
const QStringList kRefresh = {QStringLiteral("RegisterUpdate(0)"), QStringLiteral("RegisterUpdate(1)")};

} // namespace

class TestVek124Murn109Murn111 : public QObject {
    Q_OBJECT

private slots:
    void setUp_data();
    void setUp();
    void panelDividers_data();
    void panelDividers();
    void murn111PllStep_data();
    void murn111PllStep();
    void murn111OwnMinimumRate();
    void endToEnd_data();
    void endToEnd();
};

void TestVek124Murn109Murn111::setUp_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("interfaces"); // empty: the list is not the family's
    QTest::addColumn<int>("interfaceIndex");
    QTest::newRow("26 Vek124") << "Vek124" << 26 << QStringList{"Parallel", "MIPI-1", "MIPI-2"} << 1;
    QTest::newRow("27 Pirn106") << "Pirn106" << 27 << QStringList{"Parallel", "MIPI-1", "CCP", "MIPI-2"} << 0;
    QTest::newRow("31 Sarn116k") << "Sarn116k" << 31 << QStringList() << 0;
}

// After the load: the family's clocks and access mode, its interface list
// and the family's own starting values.
void TestVek124Murn109Murn111::setUp()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    QFETCH(QStringList, interfaces);
    QFETCH(int, interfaceIndex);
    Session s(sample);
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, index);
    CFamilyBase &f = s.family();

    QCOMPARE(w.pllInput, f.defaults.defaultInputClock);
    QCOMPARE(w.pllTarget, f.defaults.defaultTargetClock);
    QCOMPARE(w.varAccessMode, f.defaults.defaultVarAccessMode);
    if (!interfaces.isEmpty())
        QCOMPARE(items(w.ui.comboPLL_Interface), interfaces);
    QCOMPARE(w.ui.comboPLL_Interface->currentIndex(), interfaceIndex);
    QCOMPARE(w.interfaceIndex, interfaceIndex);
    QCOMPARE(f.pll.interfaceIndex, interfaceIndex);
    QCOMPARE(f.ctx[0].maxFps, w.maxFps[0]);
    QVERIFY(!w.ui.textResult_A->toPlainText().isEmpty());

    switch (index) {
    case 26:
        QCOMPARE(w.ui.label_System->text(), QStringLiteral("TX Clock (MHz)"));
        break;
    case 27:
        // The field of view of use case 0 reaches the library.
        QCOMPARE(w.fovCols[0], 1920);
        QCOMPARE(w.fovRows[0], 1080);
        QCOMPARE(f.ctx[0].fovCols, 1920);
        QCOMPARE(f.ctx[0].fovRows, 1080);
        break;
    case 31: {
        Pallador fresh{QString()};
        QCOMPARE(items(w.ui.comboPLL_Interface), items(fresh.ui.comboPLL_Interface));
        QDoubleSpinBox *const minimum[] = {w.ui.dSpinMinFRate_A, w.ui.dSpinMinFRate_B};
        QComboBox *const types[] = {w.ui.comboTypeFRate_A, w.ui.comboTypeFRate_B};
        for (int c : {0, 1}) {
            QCOMPARE(types[c]->currentIndex(), 1);
            QVERIFY(w.variableFps[c] && f.ctx[c].variableFps);
            QCOMPARE(minimum[c]->value(), f.ctx[c].minFps);
            QCOMPARE(w.fifo[c], f.defaults.defaultFifo);
            QCOMPARE(f.ctx[c].fifo, f.defaults.defaultFifo);
        }
        QCOMPARE(w.outFormat[1], 5);
        QCOMPARE(f.ctx[1].outFormat, 5);
        QCOMPARE(f.ctx[0].outFormat, 0);
        break;
    }
    default:
        QFAIL("no such sample");
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek124Murn109Murn111::panelDividers_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("panelOpen");     // when the calculation runs
    QTest::addColumn<QList<int>>("boxes");   // the window's P4, P5, WCD; -1: box unticked
    QTest::addColumn<QList<int>>("divider"); // the family's P4, P5, WCD; -1: the library's choice

    // P4 and P5 go in one higher than the window keeps them, WCD as it is.
    QTest::newRow("Vek124 P4") << "Vek124" << true << QList<int>{3, -1, -1} << QList<int>{4, -1, -1};
    QTest::newRow("Vek124 P5") << "Vek124" << true << QList<int>{-1, 5, -1} << QList<int>{-1, 6, -1};
    QTest::newRow("Pirn106 P4 and P5") << "Pirn106" << true << QList<int>{2, 9, -1} << QList<int>{3, 10, -1};
    QTest::newRow("Sarn116k P4 and WCD") << "Sarn116k" << true << QList<int>{3, -1, 2} << QList<int>{4, -1, 2};
    QTest::newRow("Sarn116k P5") << "Sarn116k" << true << QList<int>{-1, 1, -1} << QList<int>{-1, 2, -1};
    // The boxes are read only while the panel is open.
    QTest::newRow("Vek124 panel closed") << "Vek124" << false << QList<int>{3, 5, -1} << QList<int>{-1, -1, -1};
    QTest::newRow("Sarn116k panel closed") << "Sarn116k" << false << QList<int>{3, 5, 7} << QList<int>{-1, -1, -1};
}

// A divider whose box the user ticks in the open panel is the request the
// library uses; every other divider is the library's own choice, also once
// a box is unticked again or the panel is closed (a request made earlier is
// not sent again).
void TestVek124Murn109Murn111::panelDividers()
{
    QFETCH(QString, sample);
    QFETCH(bool, panelOpen);
    QFETCH(QList<int>, boxes);
    QFETCH(QList<int>, divider);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    const bool hasWcd = w.sensorIndex == 31;
    const int free[3] = {f.pll.pllP4, f.pll.pllP5, f.pll.pllWcd};
    int *const field[3] = {&f.pll.pllP4, &f.pll.pllP5, &f.pll.pllWcd};

    w.ui.checkPLL_ADV->click();
    DividerPanel panel(w);
    for (int i = 0; i < 3; ++i) {
        if (boxes[i] < 0 || (i == 2 && !hasWcd))
            continue;
        panel.check[i]->click();
        QVERIFY(panel.spin[i]->isEnabled());
        panel.spin[i]->setValue(boxes[i]);
    }
    if (!panelOpen) {
        w.ui.checkPLL_ADV->click();
        w.ui.dSpinPLL_Input->setValue(25.0);
        w.ui.dSpinPLL_Input->setValue(24.0);
    }
    for (int i = 0; i < 3; ++i) {
        if (i < 2 || hasWcd)
            QCOMPARE(*field[i], divider[i] < 0 ? free[i] : divider[i]);
    }
    QVERIFY(sameRegisters(w, f));

    // Unticked again: the library chooses every divider.
    if (!panelOpen)
        w.ui.checkPLL_ADV->click();
    for (int i = 0; i < 3; ++i) {
        if (panel.check[i]->isChecked())
            panel.check[i]->click();
    }
    w.ui.dSpinPLL_Input->setValue(25.0);
    w.ui.dSpinPLL_Input->setValue(24.0);
    QCOMPARE(f.pll.pllP4, free[0]);
    QCOMPARE(f.pll.pllP5, free[1]);
    if (hasWcd)
        QCOMPARE(f.pll.pllWcd, free[2]);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek124Murn109Murn111::murn111PllStep_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<int>("current"); // afterwards

    const QString pll = QStringLiteral("PllUpdate()");
    QTest::newRow("rate of A") << "rate A" << timingOnly(0) + kRefresh << 0;
    QTest::newRow("rate of B") << "rate B" << timingOnly(1) + kRefresh << 1;
    QTest::newRow("input clock, A current")
        << "input A" << QStringList{pll} + timingOnly(0) + timingOnly(1) + kRefresh + kRefresh << 1;
    QTest::newRow("input clock, B current")
        << "input B" << QStringList{pll} + timingOnly(1) + timingOnly(0) + kRefresh + kRefresh << 0;
}

// Murn_111 writes its PLL block and runs the PLL step only after a
// PLL-level change, and then once for both contexts; a context's own change
// reuses the PLL results and leaves the PLL block as it was. Both panes are
// refreshed either way.
void TestVek124Murn109Murn111::murn111PllStep()
{
    QFETCH(QString, change);
    QFETCH(QStringList, calls);
    QFETCH(int, current);
    Session s(QStringLiteral("Sarn116k"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.currentContext = change.endsWith(QLatin1Char('B')) ? 1 : 0;
    // A PLL input the window holds but has not calculated yet.
    w.pllTarget = 90.0;
    const CPllParams before = f.pll;
    resetJournal(w);

    if (change == QLatin1String("rate A"))
        w.ui.comboMaxFRate_A->setEditText(QStringLiteral("12"));
    else if (change == QLatin1String("rate B"))
        w.ui.comboMaxFRate_B->setEditText(QStringLiteral("8"));
    else
        w.ui.dSpinPLL_Input->setValue(25.0);

    QCOMPARE(journal(w), calls);
    QCOMPARE(w.currentContext, current);
    const bool pllChanged = change.startsWith(QLatin1String("input"));
    QCOMPARE(f.pll.inputClock, pllChanged ? 25.0 : before.inputClock);
    QCOMPARE(f.pll.targetClock, pllChanged ? 90.0 : before.targetClock);
    QCOMPARE(f.pll.outputClock == before.outputClock, !pllChanged);
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    QCOMPARE(w.ui.textResult_B->toPlainText(), f.results.contextDisplayText[1]);
    QCOMPARE(s.responder.seen(), QStringList());
}

// A minimum frame rate of 0 leaves Murn_111 its own minimum, which the
// context set-up shows; taken back from the box it stays as it is.
void TestVek124Murn109Murn111::murn111OwnMinimumRate()
{
    Session s(QStringLiteral("Sarn116k"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.ui.dSpinMinFRate_A->setValue(0.0);
    QCOMPARE(w.minFps[0], 0.0);
    const double own = f.ctx[0].minFps;
    QVERIFY(own > 0.0 && own < f.ctx[0].maxFps);
    QCOMPARE(own, f.timing(0).minFps);

    w.initContext(0);

    const double shown = w.ui.dSpinMinFRate_A->value();
    QCOMPARE(shown, std::round(own * 100.0) / 100.0);
    QCOMPARE(w.minFps[0], shown);
    QCOMPARE(f.ctx[0].minFps, shown);
    QVERIFY(sameRegisters(w, f));
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek124Murn109Murn111::endToEnd_data()
{
    QTest::addColumn<QString>("sample");
    QTest::newRow("26 Vek124") << "Vek124";
    QTest::newRow("27 Pirn106") << "Pirn106";
    QTest::newRow("31 Sarn116k") << "Sarn116k";
}

// A user changes the input clock, the interface, a rate, the mirror and the
// blanking through the widgets: each reaches the library, the PLL results
// and the register table follow, and an input clock the PLL cannot take is
// red until corrected.
void TestVek124Murn109Murn111::endToEnd()
{
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.ui.checkPLL_ADV->click();
    DividerPanel panel(w);

    w.ui.dSpinPLL_Input->setValue(26.0);
    QCOMPARE(f.pll.inputClock, 26.0);
    QCOMPARE(w.resInputClock, 26.0);
    QCOMPARE(w.resVcoClock, f.pll.vcoClock);
    QCOMPARE(w.resP4, f.pll.pllP4);
    QCOMPARE(w.resP5, f.pll.pllP5);
    // The panel shows P4 and P5 one lower than the divider.
    QCOMPARE(panel.spin[0]->value(), f.pll.pllP4 - 1);
    QCOMPARE(panel.spin[1]->value(), f.pll.pllP5 - 1);
    QCOMPARE(w.ui.spinPLL_N->value(), f.pll.pllN);
    QCOMPARE(w.ui.spinPLL_M->value(), f.pll.pllM);
    if (auto *vek124 = w.calvex->vek_124) {
        QCOMPARE(w.resSerialClock, vek124->serialClock);
        QCOMPARE(w.resPixClock, vek124->serialClock / vek124->pixClockDivisor);
    } else {
        QCOMPARE(w.resAuxClock, f.pll.auxClock);
        QCOMPARE(w.resPixClock, f.pll.pixelClock);
    }
    if (w.calvex->murn_111)
        QCOMPARE(w.resWcd, f.pll.pllWcd);
    QVERIFY(sameRegisters(w, f));

    // The interface: the parallel port shows no MIPI clock on the
    // one-context families; a serial interface shows its clock.
    const bool murn111 = w.calvex->murn_111 != nullptr;
    w.ui.comboPLL_Interface->setCurrentIndex(0);
    QCOMPARE(f.pll.interfaceIndex, 0);
    QVERIFY(!f.linkSerial());
    QCOMPARE(panel.mipiClock->text(), murn111 ? QString::number(w.resSerialClock) : QStringLiteral("N/A"));
    w.ui.comboPLL_Interface->setCurrentIndex(1);
    QCOMPARE(f.pll.interfaceIndex, 1);
    QVERIFY(f.linkSerial());
    QCOMPARE(panel.mipiClock->text(), QString::number(w.resSerialClock));
    QVERIFY(sameRegisters(w, f));

    // Context A's rate, mirror and blanking.
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("10"));
    QCOMPARE(w.currentContext, 0);
    QCOMPARE(f.ctx[0].maxFps, 10.0);
    w.ui.checkHorzMirror_A->click();
    QVERIFY(f.ctx[0].mirror);
    w.ui.comboTypeBlank_A->setCurrentIndex(1);
    QCOMPARE(f.ctx[0].blankType, 1);
    QCOMPARE(f.ctx[0].warnings & 0x7u, 0u);
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), QStringLiteral("QComboBox { background-color: white; }"));
    QVERIFY(sameRegisters(w, f));

    w.ui.dSpinPLL_Input->setValue(w.ui.dSpinPLL_Input->minimum());
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kRedDouble);
    w.ui.dSpinPLL_Input->setValue(24.0);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);
    QCOMPARE(s.responder.seen(), QStringList());
}

QTEST_MAIN(TestVek124Murn109Murn111)
#include "tst_vek124_murn109_murn111.moc"
