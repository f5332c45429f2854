// Catalogue 28 to 30 (Brel_104: Sarn111, Vek130t; Brel_105: Sarn112), two
// contexts each, driven through the window: what their context set-up leaves
// in the window, Sarn112's start on HiSPi, the "240" entry of its rate list,
// the link and PLL step by interface and panel, the timing step by each
// context's advanced box across the other-context pass, Sarn112's field-of-
// view size, the sub-sampling boxes and factors of the option panels, and
// each sample end to end (library inputs, registers, colours).
//
// Where a rule reads a widget of a panel the test does not open, the test
// gives the window a widget of that object name.
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

const QString kRedDouble = QStringLiteral("QDoubleSpinBox { background-color: red; }");
const QString kWhiteDouble = QStringLiteral("QDoubleSpinBox { background-color: white; }");
const QString kYellowDouble = QStringLiteral("QDoubleSpinBox { background-color: yellow; }");
const QString kRedCombo = QStringLiteral("QComboBox { background-color: red; }");
const QString kWhiteCombo = QStringLiteral("QComboBox { background-color: white; }");

struct Session : WindowSession {
    using WindowSession::WindowSession;
    Session(const QString &name, const QByteArray &config) : WindowSession(name + QStringLiteral(".cfg"), config) {}
    CFamilyBase &family() { return *dynamic_cast<CFamilyBase *>(window->calvex->family()); }
};

// Widgets of the advanced panels, made by the test under one parent that is
// never shown.
struct PanelWidgets {
    QWidget parent;
    QComboBox *lanes = new QComboBox(&parent);
    QComboBox *bits = new QComboBox(&parent);
    QComboBox *interMode = new QComboBox(&parent);
    QCheckBox *mipiCont = new QCheckBox(&parent);
    QDoubleSpinBox *intgTime[2] = {new QDoubleSpinBox(&parent), new QDoubleSpinBox(&parent)};

    explicit PanelWidgets(Pallador &w)
    {
        lanes->setObjectName(QStringLiteral("comboPLL_Lanes"));
        lanes->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("8")});
        bits->setObjectName(QStringLiteral("comboPLL_Bits"));
        bits->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        interMode->setObjectName(QStringLiteral("comboPLL_InterMode"));
        interMode->addItems({QStringLiteral("Parallel"), QStringLiteral("MIPI"), QStringLiteral("HISPI")});
        mipiCont->setObjectName(QStringLiteral("checkPLL_MIPICont"));
        for (QDoubleSpinBox *box : intgTime) {
            box->setObjectName(QStringLiteral("dSpinIntgTime"));
            box->setRange(0.0, 1000.0);
        }
        w.comboPLL_Lanes = lanes;
        w.comboPLL_Bits = bits;
        w.comboPLL_InterMode = interMode;
        w.checkPLL_MIPICont = mipiCont;
        w.dSpinIntgTime[0] = intgTime[0];
        w.dSpinIntgTime[1] = intgTime[1];
    }
};

// One context's calculation: the link set-up (if any), the PLL step, the
// timing step, results and registers.
QStringList contextCalls(int c, const QString &link, const QString &pll, bool panelTiming)
{
    QStringList calls;
    if (!link.isEmpty())
        calls << link;
    calls << pll << QStringLiteral("%1(%2, false, true)").arg(panelTiming ? "TimingUpdate" : "UseCaseTiming").arg(c)
          << QStringLiteral("ResultsUpdate(%1)").arg(c) << QStringLiteral("RegisterUpdate(%1)").arg(c);
    return calls;
}

// The register refresh that ends each of the two calculations of a PLL change.
const QStringList kTwoRefreshes = {QStringLiteral("RegisterUpdate(0)"), QStringLiteral("RegisterUpdate(1)"),
                                   QStringLiteral("RegisterUpdate(0)"), QStringLiteral("RegisterUpdate(1)")};

// A Sarn112 file with one use case, the default of both contexts.
QByteArray sarn112Config(const QByteArray &maxFpsLine)
{
    return "[General_Info]\nsensor_name = Sarn112\npart_number = SN-112-A\n[UseCases]\n0/name = Full\n"
           "0/cols = 2592\n0/rows = 1944\n" +
           maxFpsLine + "0/context_a_default = 1\n0/context_b_default = 1\n";
}

bool sameRegisters(const Pallador &w, const CFamilyCore &f)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].value != f.results.registerValues[i])
            return false;
    }
    return w.regCount > 0;
}

// The option panel of a context, opened by its advanced box, with the
// pointer over it so that its slots take that context.
QWidget *openPanel(Pallador &w, int context)
{
    (context == 0 ? w.ui.checkAdvParam_A : w.ui.checkAdvParam_B)->click();
    w.ui.widgetADV_A->setAttribute(Qt::WA_UnderMouse, context == 0);
    w.ui.widgetADV_B->setAttribute(Qt::WA_UnderMouse, context == 1);
    return w.advForm[context];
}

// The "Read mode:" line of a context's result text.
QString readModeLine(const Pallador &w, int context)
{
    const QString text = (context == 0 ? w.ui.textResult_A : w.ui.textResult_B)->toPlainText();
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Read mode: ")))
            return line;
    }
    return QString();
}

// The value the window shows for the first row of a name (-1: no such row).
qint64 reg(const Pallador &w, const char *name)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].name == QLatin1String(name))
            return w.regs[i].value;
    }
    return -1;
}

} // namespace

class TestBrel104Brel105 : public QObject {
    Q_OBJECT

private slots:
    void setUp_data();
    void setUp();
    void sarn112StartsOnHiSpi();
    void automaticPllPanel_data();
    void automaticPllPanel();
    void firstOfferedRate_data();
    void firstOfferedRate();
    void linkAndPllStep_data();
    void linkAndPllStep();
    void timingStepPerContext_data();
    void timingStepPerContext();
    void brel105FieldOfView();
    void subsamplingBoxes_data();
    void subsamplingBoxes();
    void subsamplingFactors_data();
    void subsamplingFactors();
    void endToEnd_data();
    void endToEnd();
};

void TestBrel104Brel105::setUp_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("fpsA"); // the contexts' starting rates
    QTest::addColumn<double>("fpsB");
    QTest::addColumn<QByteArray>("config"); // the file opened; empty: the bundled sample
    QTest::newRow("28 Sarn111") << "Sarn111" << 28 << 15.0 << 30.0 << QByteArray();
    QTest::newRow("29 Vek130t") << "Vek130t" << 29 << 15.0 << 30.0 << QByteArray();
    QTest::newRow("30 Sarn112") << "Sarn112" << 30 << 14.0 << 60.0 << QByteArray();
    // A use case without a rate: each context takes its own default rate.
    QTest::newRow("28 Sarn111, use case without a rate")
        << "Sarn111" << 28 << 12.5 << 7.5
        << QByteArray("[General_Info]\nsensor_name = Sarn111\npart_number = SN-111-A\n[UseCases]\n"
                      "0/name = No rate\n0/cols = 1280\n0/rows = 720\n0/max_fps = 0\n"
                      "0/context_a_default = 1\n0/context_b_default = 1\n"
                      "[MinMax_Defaults]\ndefault_max_fps = 12.5\ndefault_max_fps_b = 7.5\n");
}

// After the load: the clocks of the file, the main form's interface list
// emptied and hidden, rates that cannot be typed as a type, each context at
// its default use case's rate (its own default rate where the use case has
// none), and the family's own starting values (Brel_104 its link, Brel_105 its minimum
// lines, MIPI continuous clock and list of rates).
void TestBrel104Brel105::setUp()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    QFETCH(double, fpsA);
    QFETCH(double, fpsB);
    QFETCH(QByteArray, config);
    Session s = config.isEmpty() ? Session(sample) : Session(sample, config);
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, index);
    QCOMPARE(w.contextCount, 2);
    CFamilyBase &f = s.family();

    QCOMPARE(w.pllInput, f.defaults.defaultInputClock);
    QCOMPARE(w.pllTargetOp, f.defaults.defaultTargetClock2);
    QCOMPARE(w.ui.dSpinPLL_Input->value(), f.defaults.defaultInputClock);
    QCOMPARE(w.ui.comboPLL_Interface->count(), 0);
    QVERIFY(w.ui.comboPLL_Interface->isHidden());
    QVERIFY(w.ui.labelOutputMode->isHidden());
    QVERIFY(!w.ui.comboTypeFRate_A->isEnabled());
    QVERIFY(!w.ui.comboTypeFRate_B->isEnabled());
    QCOMPARE(w.maxFps[0], fpsA);
    QCOMPARE(w.maxFps[1], fpsB);
    QCOMPARE(f.ctx[0].maxFps, fpsA);
    QCOMPARE(f.ctx[1].maxFps, fpsB);
    QCOMPARE(w.ui.comboMaxFRate_A->currentText(), QString::number(fpsA));
    QCOMPARE(w.ui.comboMaxFRate_B->currentText(), QString::number(fpsB));
    QVERIFY(!w.useFov[0] && !w.useFov[1]);
    if (auto *brel104 = w.calvex->brel_104) {
        QCOMPARE(w.interfaceIndex, 1);
        QCOMPARE(w.lanes, 4);
        QCOMPARE(w.opBits, 12);
        QCOMPARE(brel104->ctx[0].interfaceIndex, 1);
        QCOMPARE(brel104->ctx[1].interfaceIndex, 1);
    } else {
        const Brel_105 &brel105 = *w.calvex->brel_105;
        QVERIFY(w.mipiCont);
        QCOMPARE(w.minLines, brel105.minLines);
        QStringList offered;
        for (int i = 0; i < w.ui.comboMaxFRate_B->count(); ++i)
            offered << w.ui.comboMaxFRate_B->itemText(i);
        QCOMPARE(offered, brel105.results.frameRateChoices);
    }
    QVERIFY(w.ui.textResult_A->toPlainText().startsWith(QLatin1String("Context A")));
    QVERIFY(w.ui.textResult_B->toPlainText().startsWith(QLatin1String("Context B")));
    QCOMPARE(s.responder.seen(), QStringList());
}

// Sarn112 starts on its family's HiSPi interface, without the PLL panel: the
// calculations of both contexts take the interface to the PLL step, the
// registers program the HiSPi link the PLL text describes (four lanes of 12
// bits, the op dividers the link needs) and no input is red.
void TestBrel104Brel105::sarn112StartsOnHiSpi()
{
    Session s(QStringLiteral("Sarn112"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QVERIFY(!w.ui.checkPLL_ADV->isChecked());
    QCOMPARE(w.interfaceIndex, 2);
    QCOMPARE(f.ctx[0].interfaceIndex, 2);
    QCOMPARE(f.ctx[1].interfaceIndex, 2);

    resetJournal(w);
    w.recalc(true);
    QCOMPARE(journal(w).filter(QStringLiteral("PLL(")), (QStringList{"SetModePLL(2)", "SetModePLL(2)"}));
    QVERIFY(journal(w).filter(QStringLiteral("SetInterface(")).isEmpty());

    QVERIFY(f.linkSerial());
    const QString pllText = w.ui.textResult_PLL->toPlainText();
    for (const char *line : {"Interface: HiSPi", "Lanes: 4", "Bits per pixel: 12"})
        QVERIFY2(pllText.contains(QLatin1String(line)), line);
    const QRegularExpressionMatch opSys = QRegularExpression(QStringLiteral("Op sys divider: (\\d+)")).match(pllText);
    const QRegularExpressionMatch laneRate =
        QRegularExpression(QStringLiteral("Lane rate: ([0-9.]+) Mbps")).match(pllText);
    QVERIFY(opSys.hasMatch() && laneRate.hasMatch());
    QCOMPARE(reg(w, "OP_SYS_CLK_DIV"), opSys.captured(1).toLongLong());
    QCOMPARE(reg(w, "OP_PIX_CLK_DIV"), qint64(12));
    QCOMPARE(reg(w, "DATA_FORMAT_BITS"), qint64(0x0C0C));
    // The lane's bit clock is the VCO over the op sys divider and carries the
    // stream of four lanes of 12-bit pixels.
    QVERIFY(qAbs(f.pll.vcoClock / opSys.captured(1).toDouble() - laneRate.captured(1).toDouble()) < 0.05);
    QVERIFY(f.pll.pixelClock * 12 / 4 <= laneRate.captured(1).toDouble() + 0.05);

    QCOMPARE(w.warnings[0], 0u);
    QCOMPARE(w.warnings[1], 0u);
    QCOMPARE(redWidgets(w), QStringList());
    QVERIFY(sameRegisters(w, f));
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestBrel104Brel105::automaticPllPanel_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("combo"); // the panel list the set-up chooses in
    QTest::addColumn<int>("position");
    QTest::newRow("Sarn111: 12 bits") << "Sarn111"
                                      << "comboPLL_Bits" << 1;
    QTest::newRow("Sarn112: HiSPi") << "Sarn112"
                                    << "comboPLL_InterMode" << 2;
}

// A family that opens the advanced PLL panel by itself chooses its starting
// entry in the panel: Brel_104 the second bit depth, Brel_105 HiSPi.
void TestBrel104Brel105::automaticPllPanel()
{
    QFETCH(QString, sample);
    QFETCH(QString, combo);
    QFETCH(int, position);
    Session s(sample);
    Pallador &w = s.w();
    QVERIFY(!w.ui.checkPLL_ADV->isChecked());
    s.family().defaults.defaultAdvPll = 1;

    w.initContext(0);

    QVERIFY(w.ui.checkPLL_ADV->isChecked());
    QVERIFY(w.pllForm);
    QCOMPARE(w.pllForm->findChild<QComboBox *>(combo)->currentIndex(), position);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestBrel104Brel105::firstOfferedRate_data()
{
    QTest::addColumn<QByteArray>("maxFpsLine"); // use case 0's rate
    QTest::addColumn<QString>("firstRate");     // the family's first offered rate
    QTest::addColumn<double>("fps");            // the context's rate after the set-up
    QTest::addColumn<QString>("comboStyle");

    QTest::newRow("240 first: use case 0's rate") << QByteArray("0/max_fps = 14\n") << "240" << 14.0 << kWhiteCombo;
    // No rate in the use case: 0, which the library takes with its warning.
    QTest::newRow("240 first, use case without a rate") << QByteArray() << "240" << 0.0 << kRedCombo;
    QTest::newRow("another first rate stays") << QByteArray("0/max_fps = 14\n") << "12" << 12.0 << kWhiteCombo;
}

// Sarn112's rate list starts with "240", which stands for use case 0's own
// rate: the set-up of each context shows that rate instead (0 when the use
// case has none, flagged); any other first rate stays.
void TestBrel104Brel105::firstOfferedRate()
{
    QFETCH(QByteArray, maxFpsLine);
    QFETCH(QString, firstRate);
    QFETCH(double, fps);
    QFETCH(QString, comboStyle);
    Session s(QStringLiteral("Sarn112"), sarn112Config(maxFpsLine));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(f.results.frameRateChoices.value(0), QStringLiteral("240"));
    f.results.frameRateChoices[0] = firstRate;

    for (int context : {1, 0}) {
        w.initContext(context);
        QComboBox *rates = context == 0 ? w.ui.comboMaxFRate_A : w.ui.comboMaxFRate_B;
        QCOMPARE(w.maxFps[context], fps);
        QCOMPARE(rates->currentText(), QString::number(fps));
        QCOMPARE(f.ctx[context].maxFps, fps);
        QCOMPARE(rates->styleSheet(), comboStyle);
        QCOMPARE(f.ctx[context].warnings & 0x1u, fps == 0.0 ? 0x1u : 0u);
        // Calculated all the same: the frame and its text are there.
        QVERIFY(f.timing(context).fps > 0.0);
        QVERIFY(!f.results.contextDisplayText[context].isEmpty());
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestBrel104Brel105::linkAndPllStep_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("panel");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("lanePosition");
    QTest::addColumn<int>("bitPosition");
    QTest::addColumn<QString>("link"); // before each context's PLL step
    QTest::addColumn<QString>("pll");
    QTest::addColumn<int>("lanes"); // the window's after the calculation
    QTest::addColumn<int>("opBits");
    QTest::addColumn<int>("mipiBox"); // -1 untouched, 0 hidden, 1 shown

    // Brel_104 sets up HiSPi from the panel, and only HiSPi.
    QTest::newRow("Sarn111 parallel") << "Sarn111" << true << 0 << 2 << 1 << ""
                                      << "SetParallelPLL()" << 4 << 12 << -1;
    QTest::newRow("Sarn111 HiSPi 4 lanes 12 bits") << "Sarn111" << true << 1 << 2 << 1 << "SetInterface(4, 12)"
                                                   << "SetSerialPLL(1)" << 4 << 12 << -1;
    QTest::newRow("Vek130t HiSPi 2 lanes 14 bits") << "Vek130t" << true << 1 << 1 << 2 << "SetInterface(2, 14)"
                                                   << "SetSerialPLL(1)" << 2 << 14 << -1;
    QTest::newRow("Sarn111 HiSPi, panel closed") << "Sarn111" << false << 1 << 1 << 2 << ""
                                                 << "SetSerialPLL(1)" << 4 << 12 << -1;
    // Brel_105: 8 + 2j bits on MIPI, 10 + 2j on HiSPi; SetModePLL always.
    QTest::newRow("Sarn112 parallel") << "Sarn112" << true << 0 << 2 << 1 << ""
                                      << "SetModePLL(0)" << -1 << -1 << 0;
    QTest::newRow("Sarn112 MIPI 4 lanes 10 bits") << "Sarn112" << true << 1 << 2 << 1 << "SetInterface(4, 10)"
                                                  << "SetModePLL(1)" << 4 << 10 << 1;
    QTest::newRow("Sarn112 HiSPi 4 lanes 12 bits") << "Sarn112" << true << 2 << 2 << 1 << "SetInterface(4, 12)"
                                                   << "SetModePLL(2)" << 4 << 12 << 0;
    QTest::newRow("Sarn112 HiSPi 1 lane 14 bits") << "Sarn112" << true << 2 << 0 << 2 << "SetInterface(1, 14)"
                                                  << "SetModePLL(2)" << 1 << 14 << 0;
    QTest::newRow("Sarn112 MIPI, panel closed") << "Sarn112" << false << 1 << 2 << 1 << ""
                                                << "SetModePLL(1)" << -1 << -1 << -1;
    QTest::newRow("Sarn112 interface 3") << "Sarn112" << true << 3 << 2 << 1 << ""
                                         << "SetModePLL(3)" << -1 << -1 << -1;
}

// The link is set up from the panel's lane and bit lists only while the
// panel is open (Brel_104 only for HiSPi), before each context's PLL step;
// the PLL step follows the interface. The window keeps the lanes and bits
// given; Brel_105 shows the MIPI continuous-clock box for MIPI alone and
// takes its minimum lines from the window while the panel is open.
void TestBrel104Brel105::linkAndPllStep()
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
    QFETCH(int, mipiBox);

    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    // The panel's own form is replaced by widgets the test sets.
    if (panel)
        w.ui.checkPLL_ADV->click();
    PanelWidgets widgets(w);
    QCOMPARE(w.ui.checkPLL_ADV->isChecked(), panel);
    // The panel's interface list stores its choice here.
    w.interfaceIndex = interfaceIndex;
    widgets.lanes->setCurrentIndex(lanePosition);
    widgets.bits->setCurrentIndex(bitPosition);
    // The MIPI box starts in the state it must leave (shown when untouched).
    widgets.mipiCont->setVisible(mipiBox != 1);
    const int lanesBefore = w.lanes, bitsBefore = w.opBits;
    auto *brel105 = w.calvex->brel_105;
    const int minLinesBefore = brel105 ? brel105->minLines : 0;
    w.minLines = 40;
    w.currentContext = 0;
    resetJournal(w);

    w.ui.dSpinPLL_Input->setValue(25.0);

    QCOMPARE(journal(w), contextCalls(0, link, pll, false) + contextCalls(1, link, pll, false) + kTwoRefreshes);
    QCOMPARE(w.lanes, lanes < 0 ? lanesBefore : lanes);
    QCOMPARE(w.opBits, opBits < 0 ? bitsBefore : opBits);
    QCOMPARE(f.ctx[0].interfaceIndex, interfaceIndex);
    QCOMPARE(f.ctx[1].interfaceIndex, interfaceIndex);
    if (!link.isEmpty()) {
        QCOMPARE(f.linkLanes(), lanes);
        QCOMPARE(f.linkBits(), opBits);
    }
    QCOMPARE(widgets.mipiCont->isHidden(), mipiBox == 0);
    if (brel105)
        QCOMPARE(brel105->minLines, panel ? 40 : minLinesBefore);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestBrel104Brel105::timingStepPerContext_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<QString>("pll");
    QTest::newRow("Sarn111") << "Sarn111" << 1 << "SetSerialPLL(1)";
    QTest::newRow("Sarn112") << "Sarn112" << 2 << "SetModePLL(2)";
}

// Context B current with its advanced box unticked, context A's ticked: B
// follows its use case, then the other-context pass calculates A with the
// integration time of A's panel; A is current afterwards and both panes show
// their context.
void TestBrel104Brel105::timingStepPerContext()
{
    QFETCH(QString, sample);
    QFETCH(int, interfaceIndex);
    QFETCH(QString, pll);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    PanelWidgets widgets(w);
    w.interfaceIndex = interfaceIndex;
    widgets.intgTime[1]->setValue(99.0);
    w.intgTime[1] = 99.0; // as the box's slot stores it

    w.ui.checkAdvParam_A->click();
    // A's panel now holds its own integration-time box.
    QVERIFY(w.dSpinIntgTime[0] != widgets.intgTime[0]);
    {
        const QSignalBlocker blocker(w.dSpinIntgTime[0]);
        w.dSpinIntgTime[0]->setValue(12.5);
    }
    w.intgTime[0] = 12.5;
    // The panel's first opening calculates nothing; the next calculation
    // works with the panel open.
    resetJournal(w);
    w.recalc(false);
    QCOMPARE(journal(w), contextCalls(0, QString(), pll, true) + kTwoRefreshes.mid(0, 2));
    QCOMPARE(f.ctx[0].intgTime, 12.5);
    w.ui.comboMaxFRate_B->setEditText(QStringLiteral("10"));
    QCOMPARE(w.currentContext, 1);

    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(25.0);

    QCOMPARE(journal(w),
             contextCalls(1, QString(), pll, false) + contextCalls(0, QString(), pll, true) + kTwoRefreshes);
    QCOMPARE(w.currentContext, 0);
    QCOMPARE(f.ctx[0].intgTime, 12.5);
    QCOMPARE(f.ctx[1].intgTime, w.intgTime[1]);
    QCOMPARE(f.ctx[1].maxFps, 10.0);
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    QCOMPARE(w.ui.textResult_B->toPlainText(), f.results.contextDisplayText[1]);
    QVERIFY(f.results.contextDisplayText[1].contains(QLatin1String("requested 10.000")));
    QCOMPARE(s.responder.seen(), QStringList());
}

// Sarn112 with the field of view in use sends the field of view as the
// size, and the library reports the output the read-out makes of it; the
// register table follows.
void TestBrel104Brel105::brel105FieldOfView()
{
    Session s(QStringLiteral("Sarn112"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    // "720p 1280x720 60fps bin-X skip-Y": a 2560 x 1440 field of view.
    w.ui.comboUseCase_A->setCurrentIndex(2);
    QCOMPARE(f.ctx[0].cols, 1280);
    QCOMPARE(f.ctx[0].rows, 720);
    QCOMPARE(f.mode[0].fovCols, 2560);
    const int lineLength = f.timing(0).lineLength;

    // The option panel's field-of-view box stores its choice here.
    w.useFov[0] = true;
    w.ui.checkHorzMirror_A->click();

    QVERIFY(f.ctx[0].useFov);
    QCOMPARE(f.ctx[0].cols, 2560);
    QCOMPARE(f.ctx[0].rows, 1440);
    QCOMPARE(f.mode[0].outputCols, 1280);
    QCOMPARE(f.mode[0].outputRows, 720);
    QCOMPARE(f.timing(0).lineLength, lineLength);
    QVERIFY(w.ui.textResult_A->toPlainText().contains(QLatin1String("Output size: 1280 x 720")));
    QVERIFY(sameRegisters(w, f));
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestBrel104Brel105::subsamplingBoxes_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("box");  // the box ticked
    QTest::addColumn<QString>("mode"); // the read mode it gives
    QTest::addColumn<int>("xFactor");
    QTest::addColumn<int>("yFactor");
    for (const char *sample : {"Sarn111", "Sarn112"}) {
        for (int context : {0, 1}) {
            const QString name = QStringLiteral("%1 %2 ").arg(QLatin1String(sample)).arg(context == 0 ? "A" : "B");
            QTest::newRow(qPrintable(name + "Column Subsampling")) << sample << context << "checkSkipping"
                                                                   << "Column subsampling 2" << 2 << 1;
            QTest::newRow(qPrintable(name + "Row Subsampling")) << sample << context << "checkBinXonly"
                                                                << "Row subsampling 2" << 1 << 2;
        }
    }
}

// Without the field of view, ticking "Column Subsampling" or "Row
// Subsampling" in a context's panel reads every second column or row of that
// context: the result text names it, the odd-increment registers program it,
// and the panel opened again shows the same box ticked, which its read-back
// keeps.
void TestBrel104Brel105::subsamplingBoxes()
{
    QFETCH(QString, sample);
    QFETCH(int, context);
    QFETCH(QString, box);
    QFETCH(QString, mode);
    QFETCH(int, xFactor);
    QFETCH(int, yFactor);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    const QByteArray suffix = context == 0 ? "" : "_CB";
    const QByteArray xOddInc = "X_ODD_INC" + suffix, yOddInc = "Y_ODD_INC" + suffix;
    QWidget *panel = openPanel(w, context);
    QVERIFY(panel);
    QVERIFY(!w.useFov[context]);
    // Both boxes unticked first (a use case may have ticked them).
    for (const char *name : {"checkSkipping", "checkBinXonly"}) {
        auto *other = panel->findChild<QCheckBox *>(QLatin1String(name));
        QVERIFY(other && other->isEnabled());
        if (other->isChecked())
            other->click();
    }
    QCOMPARE(readModeLine(w, context), QStringLiteral("Read mode: Normal (x 1, y 1)"));
    QCOMPARE(reg(w, xOddInc.constData()), qint64(1));
    QCOMPARE(reg(w, yOddInc.constData()), qint64(1));

    panel->findChild<QCheckBox *>(box)->click();

    QCOMPARE(readModeLine(w, context),
             QStringLiteral("Read mode: %1 (x %2, y %3)").arg(mode).arg(xFactor).arg(yFactor));
    QCOMPARE(f.timing(context).xFactor, xFactor);
    QCOMPARE(f.timing(context).yFactor, yFactor);
    QCOMPARE(reg(w, xOddInc.constData()), qint64(2 * xFactor - 1));
    QCOMPARE(reg(w, yOddInc.constData()), qint64(2 * yFactor - 1));
    QVERIFY(sameRegisters(w, f));

    // Closed and opened again: the ticked box is the one that reads its
    // direction, and the read-back calculates the same read-out.
    (context == 0 ? w.ui.checkAdvParam_A : w.ui.checkAdvParam_B)->click();
    openPanel(w, context);
    QCOMPARE(panel->findChild<QCheckBox *>("checkSkipping")->isChecked(), xFactor > 1);
    QCOMPARE(panel->findChild<QCheckBox *>("checkBinXonly")->isChecked(), yFactor > 1);
    QCOMPARE(readModeLine(w, context),
             QStringLiteral("Read mode: %1 (x %2, y %3)").arg(mode).arg(xFactor).arg(yFactor));
    QCOMPARE(reg(w, xOddInc.constData()), qint64(2 * xFactor - 1));
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestBrel104Brel105::subsamplingFactors_data()
{
    QTest::addColumn<QString>("sample");
    QTest::newRow("Sarn111") << "Sarn111";
    QTest::newRow("Sarn112") << "Sarn112";
}

// With the field of view in use the panel's spin boxes give the factors:
// columns from "spinColSub", rows from "spinRowSub", each in the registers.
void TestBrel104Brel105::subsamplingFactors()
{
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QWidget *panel = openPanel(w, 0);
    QVERIFY(panel);
    panel->findChild<QCheckBox *>("checkUseFOV")->click();
    QVERIFY(w.useFov[0]);
    QVERIFY(!panel->findChild<QCheckBox *>("checkSkipping")->isEnabled());

    panel->findChild<QSpinBox *>("spinColSub")->setValue(3);
    QCOMPARE(w.binXOnly[0], 3);
    QCOMPARE(f.timing(0).xFactor, 3);
    QCOMPARE(f.timing(0).yFactor, 1);
    QCOMPARE(reg(w, "X_ODD_INC"), qint64(5));
    QCOMPARE(reg(w, "Y_ODD_INC"), qint64(1));

    panel->findChild<QSpinBox *>("spinRowSub")->setValue(2);
    QCOMPARE(w.skipping[0], 2);
    QCOMPARE(f.timing(0).xFactor, 3);
    QCOMPARE(f.timing(0).yFactor, 2);
    QCOMPARE(reg(w, "X_ODD_INC"), qint64(5));
    QCOMPARE(reg(w, "Y_ODD_INC"), qint64(3));
    QVERIFY(readModeLine(w, 0).endsWith(QLatin1String("(x 3, y 2)")));
    QVERIFY(sameRegisters(w, f));
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestBrel104Brel105::endToEnd_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("nearMiss"); // the target box when missed by less than 1 MHz
    QTest::newRow("28 Sarn111") << "Sarn111" << kRedDouble;
    QTest::newRow("29 Vek130t") << "Vek130t" << kRedDouble;
    // Brel_105 shows a near miss of its target in yellow.
    QTest::newRow("30 Sarn112") << "Sarn112" << kYellowDouble;
}

// A user changes the input clock, context B's rate, context A's blanking, an
// unreachable rate and the pre-divider through the widgets: each reaches the
// library for the contexts it concerns, the register table shows what the
// library computed, and the colours follow its warnings.
void TestBrel104Brel105::endToEnd()
{
    QFETCH(QString, sample);
    QFETCH(QString, nearMiss);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();

    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(26.0);
    QCOMPARE(calculatedContexts(w).size(), 2);
    QVERIFY(allContextsEachTime(w));
    QCOMPARE(f.pll.inputClock, 26.0);
    QCOMPARE(f.pll.targetClock2, w.pllTargetOp);
    QCOMPARE(w.resInputClock, 26.0);
    QCOMPARE(w.ui.spinPLL_N->value(), f.pll.pllN);
    QCOMPARE(w.ui.spinPLL_M->value(), f.pll.pllM);
    QVERIFY(sameRegisters(w, f));

    // Context B's rate: B alone.
    const CContextParams a = f.ctx[0];
    resetJournal(w);
    w.ui.comboMaxFRate_B->setEditText(QStringLiteral("7.5"));
    QCOMPARE(calculatedContexts(w), QList<int>{1});
    QCOMPARE(f.ctx[1].maxFps, 7.5);
    QCOMPARE(f.ctx[0].maxFps, a.maxFps);
    QVERIFY(std::abs(f.timing(1).fps - 7.5) < 0.01);
    QVERIFY(sameRegisters(w, f));

    // Context A: user vertical blanking.
    w.ui.comboTypeBlank_A->setCurrentIndex(2);
    w.ui.spinUserBlank_A->setValue(600);
    QCOMPARE(f.ctx[0].blankType, 2);
    QCOMPARE(f.ctx[0].userVBlank, 600);
    QCOMPARE(f.timing(0).vBlank, 600);
    QVERIFY(sameRegisters(w, f));

    // A rate the sensor cannot reach, then one it can.
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("200"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kRedCombo);
    QCOMPARE(w.warnings[0] & 0x1u, 0x1u);
    w.ui.comboTypeBlank_A->setCurrentIndex(0);
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("5"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
    QCOMPARE(w.warnings[0] & 0x1u, 0u);

    // A pre-divider that misses the target by less than 1 MHz.
    w.ui.checkPLL_N->click();
    w.ui.spinPLL_N->setValue(3);
    QCOMPARE(f.pll.pllN, 3);
    const double miss = qAbs(f.pll.outputClock - f.pll.targetClock);
    QVERIFY2(miss > 0.01 && miss <= 1.0, qPrintable(QString::number(miss)));
    QCOMPARE(w.ui.dSpinPLL_Target->styleSheet(), nearMiss);
    w.ui.checkPLL_N->click();
    QCOMPARE(w.ui.dSpinPLL_Target->styleSheet(), kWhiteDouble);

    // An input clock no PLL of the family can take.
    w.ui.dSpinPLL_Input->setValue(w.ui.dSpinPLL_Input->minimum());
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kRedDouble);
    w.ui.dSpinPLL_Input->setValue(24.0);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);
    QCOMPARE(s.responder.seen(), QStringList());
}

QTEST_MAIN(TestBrel104Brel105)
#include "tst_brel104_brel105.moc"
