// Catalogue 110, 111 and 115 driven through the window: the single-context
// HDR sensors Vek128m (Vek_128), Drav102 (Drav_102) and Vek146m (Vek_146).
// What each set-up leaves in the window, the link and PLL step by interface
// and advanced PLL panel, the silicon revision the window and the reader
// follow (Vek128m's own, named by its file; Drav102's as the user chooses it
// in the panel), the timing step on context A, a calculation with context B current, Drav102's
// panel (skip factors, scaling, frame buffer and regions, the rows in use,
// the size colours), use case 0 without a rate, and each sample end to end.
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
const QString kRedSpin = QStringLiteral("QSpinBox { background-color: red; }");
const QString kWhiteSpin = QStringLiteral("QSpinBox { background-color: white; }");

struct Session : WindowSession {
    using WindowSession::WindowSession;
    Session(const QString &name, const QByteArray &config) : WindowSession(name + QStringLiteral(".cfg"), config) {}
    CFamilyBase &family() { return *dynamic_cast<CFamilyBase *>(window->calvex->family()); }
};

// Widgets of the advanced PLL panel and the context-A panel, made by the
// test under one parent that is never shown.
struct PanelWidgets {
    QWidget parent;
    QComboBox *lanes = new QComboBox(&parent);
    QComboBox *bits = new QComboBox(&parent);
    QCheckBox *mipiCont = new QCheckBox(&parent);
    QCheckBox *sixteen = new QCheckBox(&parent);
    QComboBox *revision = new QComboBox(&parent);
    QDoubleSpinBox *intgTime = new QDoubleSpinBox(&parent);
    Pallador &window;

    explicit PanelWidgets(Pallador &w) : window(w)
    {
        lanes->setObjectName(QStringLiteral("comboPLL_Lanes"));
        lanes->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("8")});
        bits->setObjectName(QStringLiteral("comboPLL_Bits"));
        bits->addItems({QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14")});
        mipiCont->setObjectName(QStringLiteral("checkPLL_MIPICont"));
        sixteen->setObjectName(QStringLiteral("check16b8bits"));
        revision->setObjectName(QStringLiteral("comboPLL_REV"));
        revision->addItems({QStringLiteral("Rev1"), QStringLiteral("Rev2")});
        revision->setCurrentIndex(w.revIndex);
        intgTime->setObjectName(QStringLiteral("dSpinIntgTime"));
        intgTime->setRange(0.0, 1000.0);
        attach();
        QObject::connect(revision, SIGNAL(currentIndexChanged(int)), &w, SLOT(comboPLL_REV_currentIndexChanged(int)));
    }

    // Points the window's references at these widgets (again, after a panel
    // the window opened has looked up its own).
    void attach()
    {
        Pallador &w = window;
        w.comboPLL_Lanes = lanes;
        w.comboPLL_Bits = bits;
        w.checkPLL_MIPICont = mipiCont;
        w.check16b8bits = sixteen;
        w.comboPLL_REV = revision;
        w.dSpinIntgTime[0] = intgTime;
    }

    // Ticks a panel box of the main form as the user would, then takes over
    // the panel's references.
    void open(QCheckBox *box)
    {
        box->click();
        attach();
    }
};

// Drav102's context-A panel: skip factors, scaling, frame buffer, the two
// regions of interest, the binning boxes and the size boxes.
struct DravPanel {
    QWidget parent;
    QComboBox *rowSkip = new QComboBox(&parent);
    QComboBox *colSkip = new QComboBox(&parent);
    QSpinBox *scaleM = new QSpinBox(&parent);
    QCheckBox *xScaling = new QCheckBox(&parent);
    QCheckBox *yScaling = new QCheckBox(&parent);
    QComboBox *fbMode = new QComboBox(&parent);
    QSpinBox *roi[2][6];
    QCheckBox *binXOnly = new QCheckBox(&parent);
    QCheckBox *binning = new QCheckBox(&parent);
    QSpinBox *cols = new QSpinBox(&parent);
    QSpinBox *rows = new QSpinBox(&parent);

    // loaded: the panel counts as loaded (its references are in use).
    DravPanel(Pallador &w, bool loaded)
    {
        const QStringList skips = {QStringLiteral("1:1"), QStringLiteral("1:2"), QStringLiteral("1:4")};
        rowSkip->setObjectName(QStringLiteral("ySkipFactor"));
        rowSkip->addItems(skips);
        colSkip->setObjectName(QStringLiteral("xSkipFactor"));
        colSkip->addItems(skips);
        scaleM->setObjectName(QStringLiteral("spinScaleM"));
        scaleM->setRange(16, 128);
        xScaling->setObjectName(QStringLiteral("xScaling"));
        yScaling->setObjectName(QStringLiteral("yScaling"));
        fbMode->setObjectName(QStringLiteral("fbMode"));
        fbMode->addItems({QStringLiteral("Off"), QStringLiteral("Roi"), QStringLiteral("Slow mipi")});
        for (int r = 0; r < 2; ++r) {
            for (int i = 0; i < 6; ++i) {
                roi[r][i] = new QSpinBox(&parent);
                roi[r][i]->setObjectName(QStringLiteral("roi%1Spin%2").arg(r).arg(i));
                roi[r][i]->setRange(0, 70000);
                w.roi0Spin[i] = r == 0 ? roi[r][i] : w.roi0Spin[i];
                w.roi1Spin[i] = r == 1 ? roi[r][i] : w.roi1Spin[i];
            }
        }
        binXOnly->setObjectName(QStringLiteral("xBinning"));
        binning->setObjectName(QStringLiteral("yBinning"));
        cols->setObjectName(QStringLiteral("spinCols"));
        cols->setRange(0, 5000);
        rows->setObjectName(QStringLiteral("spinRows"));
        rows->setRange(0, 5000);
        w.comboRowSkip[0] = rowSkip;
        w.comboColSkip[0] = colSkip;
        w.spinScaleM = scaleM;
        w.xScaling = xScaling;
        w.yScaling = yScaling;
        w.fbMode = fbMode;
        w.checkBinXonly[0] = binXOnly;
        w.checkBinning[0] = binning;
        w.spinCols[0] = cols;
        w.spinRows[0] = rows;
        w.advFormLoaded[0] = loaded;
    }

    // Sets region r's six values: x start, x size, y start, y size, x and y scale.
    void setRegion(int r, std::initializer_list<int> values)
    {
        int i = 0;
        for (int v : values)
            roi[r][i++]->setValue(v);
    }
};

// One calculation of context cc: the steps before the PLL step, the PLL
// step, the timing step on context A, results and registers of cc.
QStringList calculation(int cc, const QStringList &before, const QString &pll, const QString &timing)
{
    return before + QStringList{pll, timing + QStringLiteral("(0, false, true)"),
                                QStringLiteral("ResultsUpdate(%1)").arg(cc),
                                QStringLiteral("RegisterUpdate(%1)").arg(cc)};
}

// The journal without the register refreshes of the window's tail.
QStringList calculationsOnly(const Pallador &w)
{
    QStringList calls;
    for (const QString &entry : journal(w)) {
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

// The value the library computed for the first row of a name.
qint64 libraryRow(const CFamilyCore &f, const char *name)
{
    const RegTable *table = f.regTable();
    for (int i = 0; table && i < f.registerCount(); ++i) {
        if (qstrcmp(table->rows[i].name, name) == 0)
            return f.results.registerValues[i];
    }
    return -1;
}

QByteArray configWithoutRate(const char *sensor)
{
    return QByteArray("[General_Info]\nsensor_name = ") + sensor +
           "\npart_number = X-1\nrevision = 1\n[UseCases]\n"
           "0/name = No rate\n0/cols = 1280\n0/rows = 960\n0/intg_time = 10\n0/context_a_default = 0\n"
           "1/name = Thirty\n1/cols = 640\n1/rows = 480\n1/max_fps = 30\n1/intg_time = 10\n";
}

} // namespace

class TestVek128Drav102Vek146 : public QObject {
    Q_OBJECT

private slots:
    void samplesAtDefaults_data();
    void samplesAtDefaults();
    void automaticPllPanel_data();
    void automaticPllPanel();
    void linkAndPllStep_data();
    void linkAndPllStep();
    void revisionHandOver_data();
    void revisionHandOver();
    void vek128RevisionFromTheFamily_data();
    void vek128RevisionFromTheFamily();
    void timingOnContextA_data();
    void timingOnContextA();
    void contextBThroughAutomation_data();
    void contextBThroughAutomation();
    void dravBeforeThePanelIsLoaded();
    void dravFrameBuffer_data();
    void dravFrameBuffer();
    void dravScalingAndSkipping_data();
    void dravScalingAndSkipping();
    void dravSizeBeyondTheRegion();
    void useCaseWithoutRate_data();
    void useCaseWithoutRate();
    void endToEnd_data();
    void endToEnd();
};

void TestVek128Drav102Vek146::samplesAtDefaults_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("lanes");
    QTest::addColumn<int>("opBits");
    QTest::addColumn<int>("phyCd");
    QTest::addColumn<bool>("hdrDefaults"); // HDR mode 2 and line interleave set for context A

    QTest::newRow("110 Vek128m") << "Vek128m" << 110 << 1 << 4 << 12 << 2 << true;
    QTest::newRow("111 Drav102") << "Drav102" << 111 << 1 << 2 << 10 << 2 << true;
    QTest::newRow("115 Vek146m") << "Vek146m" << 115 << 0 << 4 << 12 << 3 << false;
}

// Each sample loads with the family's starting values in the window (three
// exposures of 8, 0.83 and 0.002 ms at ratios 3, 4, 4), its interface
// widgets hidden, and calculates its default use case without a warning.
void TestVek128Drav102Vek146::samplesAtDefaults()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    QFETCH(int, interfaceIndex);
    QFETCH(int, lanes);
    QFETCH(int, opBits);
    QFETCH(int, phyCd);
    QFETCH(bool, hdrDefaults);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.sensorIndex, index);
    QCOMPARE(w.contextCount, 1);

    QCOMPARE(w.interfaceIndex, interfaceIndex);
    QCOMPARE(f.ctx[0].interfaceIndex, interfaceIndex);
    QCOMPARE(w.lanes, lanes);
    QCOMPARE(w.opBits, opBits);
    QCOMPARE(w.phyCd, phyCd);
    QVERIFY(w.mipiCont);
    QVERIFY(f.pll.mipiCont);
    QVERIFY(!w.useReg && !w.oddClkRatio);
    QCOMPARE(w.embedDataRows[0], 1);
    QCOMPARE(w.statsDataRows[0], 1);
    if (hdrDefaults) {
        QCOMPARE(w.hdrMode[0], 2);
        QCOMPARE(f.ctx[0].hdrMode, 2);
        QCOMPARE(w.lineInterleave[0], 1);
    }
    QCOMPARE(w.numExposures[0], 3);
    QCOMPARE(w.intgTime2[0], 8.0);
    QCOMPARE(w.intgTime3[0], 0.83);
    QCOMPARE(w.intgTime4[0], 0.002);
    QCOMPARE(w.t1T2Ratio[0], 3);
    QCOMPARE(w.t2T3Ratio[0], 4);
    QCOMPARE(w.t3T4Ratio[0], 4);
    if (const auto *ratios = dynamic_cast<const ExposureRatios *>(&f)) {
        QCOMPARE(ratios->t1T2Ratio, 3);
        QCOMPARE(ratios->t3T4Ratio, 4);
        QCOMPARE(f.ctx[0].intgTime2, 8.0);
    }
    QVERIFY(w.ui.comboPLL_Interface->isHidden());
    QVERIFY(w.ui.labelOutputMode->isHidden());
    QVERIFY(!w.ui.comboTypeFRate_A->isEnabled());
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    QVERIFY(!f.results.contextDisplayText[0].isEmpty());
    if (const Drav_102 *d = w.calvex->drav_102) {
        QCOMPARE(w.regCount, d->NumberOfRegisters(false));
        QVERIFY(w.regCount < d->NumberOfRegisters(true));
        // The window follows the revision the family holds.
        QCOMPARE(w.revIndex, d->pll.revision - 1);
        QCOMPARE(w.dataIO->getRevNumber(), d->pll.revision);
    }

    QCOMPARE(f.ctx[0].warnings, 0u);
    QCOMPARE(w.warnings[0], 0u);
    QCOMPARE(w.ui.dSpinPLL_Target->styleSheet(), kWhiteDouble);
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
    QVERIFY(sameRegisters(w, f));
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek128Drav102Vek146::automaticPllPanel_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("interMode"); // -1: not touched
    QTest::addColumn<int>("bits");
    QTest::newRow("Vek128m") << "Vek128m" << 1 << Vek_128::getDefaultBitDepthIndex();
    QTest::newRow("Drav102") << "Drav102" << -1 << Drav_102::getDefaultBitDepthIndex();
    QTest::newRow("Vek146m") << "Vek146m" << 0 << 2;
}

// A family that opens the advanced PLL panel by itself chooses the panel's
// interface (the window's) and its starting bit depth.
void TestVek128Drav102Vek146::automaticPllPanel()
{
    QFETCH(QString, sample);
    QFETCH(int, interMode);
    QFETCH(int, bits);
    Session s(sample);
    Pallador &w = s.w();
    PanelWidgets panel(w);
    QComboBox interModeBox;
    interModeBox.addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    interModeBox.setCurrentIndex(2);
    w.comboPLL_InterMode = &interModeBox;
    panel.bits->setCurrentIndex(2);
    if (bits == 2)
        panel.bits->setCurrentIndex(0);
    s.family().defaults.defaultAdvPll = 1;

    w.initContext(0);

    // Read through the window's references: the panel's own widgets once
    // the panel looks them up.
    QVERIFY(w.ui.checkPLL_ADV->isChecked());
    if (interMode >= 0) {
        QVERIFY(w.comboPLL_InterMode);
        QCOMPARE(w.comboPLL_InterMode->currentIndex(), interMode);
    }
    QVERIFY(w.comboPLL_Bits);
    QCOMPARE(w.comboPLL_Bits->currentIndex(), bits);
    w.comboPLL_InterMode = nullptr;
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek128Drav102Vek146::linkAndPllStep_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("panel");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("lanePosition");
    QTest::addColumn<int>("bitPosition");
    QTest::addColumn<QString>("link"); // before the PLL step
    QTest::addColumn<QString>("pll");
    QTest::addColumn<int>("lanes"); // the window's afterwards (-1: as before)
    QTest::addColumn<int>("opBits");
    QTest::addColumn<int>("mipiBox");     // -1 untouched, 0 disabled, 1 enabled
    QTest::addColumn<bool>("sixteenOff"); // the 16-bit box disabled

    // Vek_128: one lane of 12 bits on the parallel interface; the bit
    // position itself on a serial one.
    QTest::newRow("Vek128m parallel") << "Vek128m" << true << 0 << 2 << 1 << "SetInterface(1, 12)"
                                      << "SetParallelPLL()" << -1 << -1 << 0 << true;
    QTest::newRow("Vek128m HiSPi 4 lanes position 1") << "Vek128m" << true << 1 << 2 << 1 << "SetInterface(4, 1)"
                                                      << "SetSerialPLL(1)" << 4 << 1 << 1 << true;
    QTest::newRow("Vek128m MIPI 2 lanes position 0") << "Vek128m" << true << 2 << 1 << 0 << "SetInterface(2, 0)"
                                                     << "SetSerialPLL(2)" << 2 << 0 << 0 << true;
    QTest::newRow("Vek128m HiSPi, panel closed") << "Vek128m" << false << 1 << 2 << 1 << ""
                                                 << "SetSerialPLL(1)" << -1 << -1 << -1 << false;
    // Vek_146: every interface is serial and takes the panel's link.
    QTest::newRow("Vek146m MIPI") << "Vek146m" << true << 0 << 2 << 1 << "SetInterface(4, 1)"
                                  << "SetSerialPLL(0)" << 4 << 1 << 1 << false;
    QTest::newRow("Vek146m HiSPi") << "Vek146m" << true << 1 << 0 << 2 << "SetInterface(1, 2)"
                                   << "SetSerialPLL(1)" << 1 << 2 << 0 << false;
    QTest::newRow("Vek146m MIPI, panel closed") << "Vek146m" << false << 0 << 2 << 1 << ""
                                                << "SetSerialPLL(0)" << -1 << -1 << -1 << false;
    // Drav_102: MIPI, the bit position as it is.
    QTest::newRow("Drav102 4 lanes position 1") << "Drav102" << true << 1 << 2 << 1 << "SetInterface(4, 1)"
                                                << "SetSerialPLL(1)" << 4 << 1 << -1 << false;
    QTest::newRow("Drav102, panel closed") << "Drav102" << false << 1 << 2 << 1 << ""
                                           << "SetSerialPLL(1)" << -1 << -1 << -1 << false;
}

// The link is set up from the panel's lists only while the panel is open,
// before the PLL step, which follows the interface; the window keeps the
// lanes and the bit position given, and the MIPI continuous-clock box is
// enabled for the family's MIPI-clocked interface only.
void TestVek128Drav102Vek146::linkAndPllStep()
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
    QFETCH(bool, sixteenOff);

    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    PanelWidgets widgets(w);
    if (panel)
        widgets.open(w.ui.checkPLL_ADV);
    // The panel's interface list stores its choice here; an open panel's
    // list shows it already, so the display after the calculation selects
    // nothing new.
    w.interfaceIndex = interfaceIndex;
    if (QComboBox *list = w.comboPLL_InterMode; panel && list) {
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(interfaceIndex);
    }
    widgets.lanes->setCurrentIndex(lanePosition);
    widgets.bits->setCurrentIndex(bitPosition);
    // The boxes start in the state they must leave.
    widgets.mipiCont->setEnabled(mipiBox != 1);
    widgets.sixteen->setEnabled(true);
    const int lanesBefore = w.lanes, bitsBefore = w.opBits;
    resetJournal(w);

    w.ui.dSpinPLL_Input->setValue(25.0);

    QCOMPARE(calculationsOnly(w),
             calculation(0, link.isEmpty() ? QStringList() : QStringList{link}, pll, QStringLiteral("UseCaseTiming")));
    QCOMPARE(w.lanes, lanes < 0 ? lanesBefore : lanes);
    QCOMPARE(w.opBits, opBits < 0 ? bitsBefore : opBits);
    QCOMPARE(f.ctx[0].interfaceIndex, interfaceIndex);
    if (mipiBox >= 0)
        QCOMPARE(widgets.mipiCont->isEnabled(), mipiBox == 1);
    else
        QVERIFY(widgets.mipiCont->isEnabled());
    QCOMPARE(widgets.sixteen->isEnabled(), !sixteenOff);
    if (!link.isEmpty() && f.linkSerial())
        QCOMPARE(f.linkLanes(), link == QLatin1String("SetInterface(1, 12)") ? 1 : lanes);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek128Drav102Vek146::revisionHandOver_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("panel");
    QTest::addColumn<int>("chosen"); // the revision index the window holds
    QTest::addColumn<int>("family"); // the family's revision afterwards
    QTest::addColumn<int>("revIndex");
    QTest::addColumn<int>("reader"); // -1: the file's revision kept

    // Vek_128 holds the revision its file names (Vek128m: 2); the window's
    // choice never reaches it, the open panel takes the family's.
    QTest::newRow("Vek128m Rev1 in the window") << "Vek128m" << true << 0 << 2 << 1 << 2;
    QTest::newRow("Vek128m beyond the revisions") << "Vek128m" << true << 5 << 2 << 1 << 2;
    QTest::newRow("Vek128m, panel closed") << "Vek128m" << false << 0 << 2 << 0 << -1;
    QTest::newRow("Drav102 Rev2") << "Drav102" << true << 1 << 2 << 1 << 2;
    QTest::newRow("Drav102 emptied list") << "Drav102" << true << -1 << 1 << 0 << 1;
    // With the panel closed the window takes the family's revision.
    QTest::newRow("Drav102, panel closed") << "Drav102" << false << 1 << 1 << 0 << 1;
}

// While the PLL panel is open the window, the family and the reader agree on
// one revision through every calculation: Drav_102 calculates with the one
// the window holds (the panel's choice), brought into its range; Vek_128
// keeps its own and the window and the reader take it. With the panel
// closed the reader keeps its revision (Drav_102's window takes the family's).
void TestVek128Drav102Vek146::revisionHandOver()
{
    QFETCH(QString, sample);
    QFETCH(bool, panel);
    QFETCH(int, chosen);
    QFETCH(int, family);
    QFETCH(int, revIndex);
    QFETCH(int, reader);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    PanelWidgets widgets(w);
    if (panel)
        widgets.open(w.ui.checkPLL_ADV);
    w.dataIO->setRevNumber(9);
    w.revIndex = chosen;

    for (double input : {25.0, 26.0}) {
        w.ui.dSpinPLL_Input->setValue(input);
        QCOMPARE(f.pll.revision, family);
        QCOMPARE(w.revIndex, revIndex);
        QCOMPARE(w.dataIO->getRevNumber(), reader < 0 ? 9 : reader);
    }
    QVERIFY(w.ui.textResult_PLL->toPlainText().endsWith(QStringLiteral("HW Rev: %1").arg(reader < 0 ? 9 : reader)));
    QCOMPARE(s.responder.seen(), QStringList());
}

// Vek_128 calculates with the revision its configuration file names: the
// open PLL panel shows it in its list, the "HW Rev" line keeps it, and a VCO
// of 1050 MHz, beyond revision 1's ceiling, is flagged on revision 1 alone.
// Picking another revision in the list does not change the family's: the
// list goes back to it.
void TestVek128Drav102Vek146::vek128RevisionFromTheFamily_data()
{
    QTest::addColumn<QByteArray>("revisionLine");
    QTest::addColumn<int>("revision");
    QTest::newRow("revision 2") << QByteArray("revision = 2\n") << 2;
    QTest::newRow("revision 1") << QByteArray("revision = 1\n") << 1;
    QTest::newRow("no revision") << QByteArray() << 1;
    QTest::newRow("revision 7") << QByteArray("revision = 7\n") << 2;
}

void TestVek128Drav102Vek146::vek128RevisionFromTheFamily()
{
    QFETCH(QByteArray, revisionLine);
    QFETCH(int, revision);
    QByteArray config = configWithoutRate("Vek128m");
    config.replace("revision = 1\n", revisionLine);
    Session s(QStringLiteral("Vek128m"), config);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(f.pll.revision, revision);
    PanelWidgets widgets(w);
    widgets.open(w.ui.checkPLL_ADV);
    w.ui.checkPLL_VCO->click();
    w.ui.dSpinPLL_VCO->setValue(1050.0);
    const QString vcoStyle = revision == 1 ? kRedDouble : kWhiteDouble;

    for (int picked : {1 - (revision - 1), revision - 1}) {
        widgets.revision->setCurrentIndex(picked);
        QCOMPARE(f.pll.revision, revision);
        QCOMPARE(w.revIndex, revision - 1);
        QCOMPARE(widgets.revision->currentIndex(), revision - 1);
        QCOMPARE(w.dataIO->getRevNumber(), revision);
        QVERIFY(w.ui.textResult_PLL->toPlainText().endsWith(QStringLiteral("HW Rev: %1").arg(revision)));
        QCOMPARE(w.ui.dSpinPLL_VCO->styleSheet(), vcoStyle);
    }
    if (revision == 2)
        QVERIFY(qAbs(f.pll.vcoClock - 1050.0) < 15.0);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek128Drav102Vek146::timingOnContextA_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("pll");
    QTest::newRow("Vek128m") << "Vek128m"
                             << "SetSerialPLL(1)";
    QTest::newRow("Drav102") << "Drav102"
                             << "SetSerialPLL(1)";
    QTest::newRow("Vek146m") << "Vek146m"
                             << "SetSerialPLL(0)";
}

// With context A's advanced box ticked the panel's integration time reaches
// the family and the timing step that takes it runs; unticked, the use
// case's timing step runs with the window's time.
void TestVek128Drav102Vek146::timingOnContextA()
{
    QFETCH(QString, sample);
    QFETCH(QString, pll);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    PanelWidgets widgets(w);
    widgets.intgTime->setValue(7.5);
    auto usedTime = [&] { return w.calvex->drav_102 ? w.calvex->drav_102->intgTime : f.ctx[0].intgTime; };

    widgets.open(w.ui.checkAdvParam_A);
    w.intgTime[0] = 7.5; // as the box's slot stores it
    resetJournal(w);
    w.ui.checkHorzMirror_A->click();
    QCOMPARE(calculationsOnly(w), calculation(0, {}, pll, QStringLiteral("TimingUpdate")));
    // The family reports the time it programs: whole rows of the line time.
    QVERIFY2(qAbs(usedTime() - 7.5) < 0.05, qPrintable(QString::number(usedTime())));

    w.ui.checkAdvParam_A->click();
    resetJournal(w);
    w.ui.checkHorzMirror_A->click();
    QCOMPARE(calculationsOnly(w), calculation(0, {}, pll, QStringLiteral("UseCaseTiming")));
    QVERIFY(qAbs(usedTime() - 7.5) > 0.05);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek128Drav102Vek146::contextBThroughAutomation_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("pll");
    QTest::newRow("Vek128m") << "Vek128m"
                             << "SetSerialPLL(1)";
    QTest::newRow("Drav102") << "Drav102"
                             << "SetSerialPLL(1)";
    QTest::newRow("Vek146m") << "Vek146m"
                             << "SetSerialPLL(0)";
}

// With context B current (the automation interface can make it so) the
// inputs go into record B, the timing step still runs on context A, the
// results and registers are B's, and no widget of context A is coloured
// for B's rate.
void TestVek128Drav102Vek146::contextBThroughAutomation()
{
    QFETCH(QString, sample);
    QFETCH(QString, pll);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    const CContextParams a = f.ctx[0];
    w.currentContext = 1;
    w.maxFps[1] = 500.0;
    w.cols[1] = 640;
    resetJournal(w);

    w.recalc(false);

    QCOMPARE(calculationsOnly(w), calculation(1, {}, pll, QStringLiteral("UseCaseTiming")));
    QCOMPARE(f.ctx[1].maxFps, 500.0);
    QCOMPARE(f.ctx[1].cols, 640);
    QCOMPARE(f.ctx[0].maxFps, a.maxFps);
    QCOMPARE(w.currentContext, 1);
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
    QCOMPARE(s.responder.seen(), QStringList());
}

// Before the context-A panel of Drav102 has ever been loaded its widgets
// are not read: the family keeps its own skip, scaling and region settings
// and the rows in use stay as the set-up counted them.
void TestVek128Drav102Vek146::dravBeforeThePanelIsLoaded()
{
    Session s(QStringLiteral("Drav102"));
    Pallador &w = s.w();
    Drav_102 &f = *w.calvex->drav_102;
    const int rows = w.regCount;
    const uint xSize = f.roi[0].roiValue(1);
    DravPanel panel(w, false);
    panel.colSkip->setCurrentIndex(2);
    panel.fbMode->setCurrentIndex(1);
    panel.scaleM->setValue(40);
    panel.setRegion(0, {8, 640, 8, 480, 16, 16});
    panel.binXOnly->setEnabled(false);

    w.ui.checkHorzMirror_A->click();

    QCOMPARE(f.getXSkipIndex(), 0);
    QCOMPARE(f.fbMode, 0);
    QCOMPARE(f.scaleM, 16);
    QCOMPARE(f.roi[0].roiValue(1), xSize);
    QCOMPARE(w.regCount, rows);
    QVERIFY(!panel.binXOnly->isEnabled());
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek128Drav102Vek146::dravFrameBuffer_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("allRows"); // the frame-buffer rows in use
    QTest::newRow("Off") << 0 << false;
    QTest::newRow("Roi") << 1 << true;
    QTest::newRow("Slow mipi") << 2 << false;
}

// With the panel loaded: the frame-buffer mode and all twelve region values
// reach the family whatever the mode; the region boxes are enabled for
// "Roi" only, when the frame-buffer rows are in use and programmed.
void TestVek128Drav102Vek146::dravFrameBuffer()
{
    QFETCH(int, mode);
    QFETCH(bool, allRows);
    Session s(QStringLiteral("Drav102"));
    Pallador &w = s.w();
    Drav_102 &f = *w.calvex->drav_102;
    DravPanel panel(w, true);
    panel.setRegion(0, {8, 1280, 16, 720, 16, 16});
    panel.setRegion(1, {100, 640, 200, 480, 32, 32});
    panel.fbMode->setCurrentIndex(mode);
    w.cols[0] = 640;
    w.rows[0] = 480;

    w.ui.checkHorzMirror_A->click();

    QCOMPARE(f.fbMode, mode);
    const int expected[2][6] = {{8, 1280, 16, 720, 16, 16}, {100, 640, 200, 480, 32, 32}};
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(int(f.roi[r].roiValue(i)), expected[r][i]);
            QCOMPARE(panel.roi[r][i]->isEnabled(), mode == 1);
        }
    }
    QCOMPARE(w.regCount, allRows ? f.NumberOfRegisters(true) : f.NumberOfRegisters(false));
    QCOMPARE(w.regCount, f.NumberOfRegisters(false));
    QVERIFY(w.regCount <= f.NumberOfRegisters(true));
    QCOMPARE(libraryRow(f, "FB_CTRL"), qint64(mode));
    QCOMPARE(libraryRow(f, "FB_ROI_1_X_START"), mode == 1 ? 100 : 0);
    QVERIFY(sameRegisters(w, f));
    QCOMPARE(w.warnings[0], 0u);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek128Drav102Vek146::dravScalingAndSkipping_data()
{
    QTest::addColumn<int>("scaleM");
    QTest::addColumn<int>("colSkip"); // list positions; 3 is a position the family rejects
    QTest::addColumn<int>("rowSkip");
    QTest::addColumn<bool>("scalingEnabled");
    QTest::addColumn<int>("xSkip"); // the family's skip indices afterwards
    QTest::addColumn<int>("ySkip");

    QTest::newRow("16, 1:1 1:1") << 16 << 0 << 0 << false << 0 << 0;
    QTest::newRow("17, 1:2 1:1") << 17 << 1 << 0 << true << 1 << 0;
    QTest::newRow("32, 1:1 1:4") << 32 << 0 << 2 << true << 0 << 2;
    QTest::newRow("16, rejected 1:8 keeps 1:2") << 16 << 3 << 1 << false << 1 << 1;
}

// The scaling boxes are enabled above a dividend of 16; each binning box is
// enabled while the family skips in its direction (the index it accepted).
void TestVek128Drav102Vek146::dravScalingAndSkipping()
{
    QFETCH(int, scaleM);
    QFETCH(int, colSkip);
    QFETCH(int, rowSkip);
    QFETCH(bool, scalingEnabled);
    QFETCH(int, xSkip);
    QFETCH(int, ySkip);
    Session s(QStringLiteral("Drav102"));
    Pallador &w = s.w();
    Drav_102 &f = *w.calvex->drav_102;
    DravPanel panel(w, true);
    panel.colSkip->addItem(QStringLiteral("1:8"));
    // A first calculation with 1:2 in both directions.
    panel.colSkip->setCurrentIndex(1);
    panel.rowSkip->setCurrentIndex(1);
    w.ui.checkHorzMirror_A->click();

    panel.scaleM->setValue(scaleM);
    panel.colSkip->setCurrentIndex(colSkip);
    panel.rowSkip->setCurrentIndex(rowSkip);
    panel.xScaling->setChecked(true);
    w.ui.checkHorzMirror_A->click();

    QCOMPARE(f.scaleM, scaleM);
    QVERIFY(f.isXscale());
    QCOMPARE(panel.xScaling->isEnabled(), scalingEnabled);
    QCOMPARE(panel.yScaling->isEnabled(), scalingEnabled);
    QCOMPARE(f.getXSkipIndex(), xSkip);
    QCOMPARE(f.getYSkipIndex(), ySkip);
    QCOMPARE(panel.binXOnly->isEnabled(), xSkip > 0);
    QCOMPARE(panel.binning->isEnabled(), ySkip > 0);
    QCOMPARE(s.responder.seen(), QStringList());
}

// A requested size beyond the region the frame buffer reads colours the
// panel's size box of that direction; a size within it is white again.
void TestVek128Drav102Vek146::dravSizeBeyondTheRegion()
{
    Session s(QStringLiteral("Drav102"));
    Pallador &w = s.w();
    DravPanel panel(w, true);
    panel.setRegion(0, {0, 640, 0, 1080, 16, 16});
    panel.fbMode->setCurrentIndex(1);
    w.cols[0] = 1280;
    w.rows[0] = 720;

    w.ui.checkHorzMirror_A->click();
    QCOMPARE(w.warnings[0] & 0x300u, 0x100u);
    QCOMPARE(panel.cols->styleSheet(), kRedSpin);
    QCOMPARE(panel.rows->styleSheet(), kWhiteSpin);

    w.cols[0] = 640;
    w.ui.checkHorzMirror_A->click();
    QCOMPARE(w.warnings[0] & 0x300u, 0u);
    QCOMPARE(panel.cols->styleSheet(), kWhiteSpin);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek128Drav102Vek146::useCaseWithoutRate_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::newRow("Vek128m") << "Vek128m";
    QTest::newRow("Drav102") << "Drav102";
    QTest::newRow("Vek146m") << "Vek146m";
}

// Use case 0 without a rate takes the family's default rate in the reader
// itself: the rate box shows it, the context calculates with it, and a later
// load of use case 0 brings it again.
void TestVek128Drav102Vek146::useCaseWithoutRate()
{
    QFETCH(QString, sensor);
    Session s(sensor, configWithoutRate(sensor.toLatin1().constData()));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    const double rate = f.defaults.defaultMaxFps;
    QVERIFY(rate > 0.0);
    QCOMPARE(w.dataIO->useCases[0].maxFps, rate);
    QCOMPARE(w.ui.comboMaxFRate_A->currentText(), QString::number(rate));
    QCOMPARE(f.ctx[0].maxFps, rate);
    w.ui.comboUseCase_A->setCurrentIndex(1);
    QCOMPARE(f.ctx[0].maxFps, 30.0);
    w.ui.comboUseCase_A->setCurrentIndex(0);
    QCOMPARE(f.ctx[0].maxFps, rate);
    QCOMPARE(w.warnings[0], 0u);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek128Drav102Vek146::endToEnd_data()
{
    QTest::addColumn<QString>("sample");
    for (const char *sample : {"Vek128m", "Drav102", "Vek146m"})
        QTest::newRow(sample) << sample;
}

// A user changes the input clock, context A's blanking, an unreachable rate
// and the pre-divider through the widgets: each reaches the library, the
// register table shows what the library computed, and the colours follow
// its warnings.
void TestVek128Drav102Vek146::endToEnd()
{
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    const double inputClock = w.pllInput;

    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(26.0);
    QCOMPARE(calculations(w), 1);
    QCOMPARE(f.pll.inputClock, 26.0);
    QCOMPARE(f.pll.targetClock2, w.pllTargetOp);
    QCOMPARE(f.pll.pllN, w.ui.spinPLL_N->value());
    QCOMPARE(f.pll.pllM, w.ui.spinPLL_M->value());
    QCOMPARE(w.resInputClock, 26.0);
    QVERIFY(sameRegisters(w, f));

    w.ui.comboTypeBlank_A->setCurrentIndex(2);
    w.ui.spinUserBlank_A->setValue(300);
    QCOMPARE(f.ctx[0].blankType, 2);
    QCOMPARE(f.ctx[0].userVBlank, 300);
    QVERIFY(sameRegisters(w, f));

    w.ui.comboTypeBlank_A->setCurrentIndex(0);
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("500"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kRedCombo);
    QCOMPARE(w.warnings[0] & 0x1u, 0x1u);
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("5"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
    QCOMPARE(w.warnings[0] & 0x1u, 0u);

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

    w.ui.dSpinPLL_Input->setValue(w.ui.dSpinPLL_Input->minimum());
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kRedDouble);
    w.ui.dSpinPLL_Input->setValue(inputClock);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);
    QCOMPARE(w.warnings[0], 0u);
    QVERIFY(sameRegisters(w, f));
    QCOMPARE(s.responder.seen(), QStringList());
}

QTEST_MAIN(TestVek128Drav102Vek146)
#include "tst_vek128_drav102_vek146.moc"
