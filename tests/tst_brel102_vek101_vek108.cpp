// Catalogue 14 to 24 (Brel_102, Vek_101, Vek_108, two contexts each) driven
// through the window: every sample loads and calculates both contexts with
// the PLL step of its interface, inputs reach the record of the context
// calculated, and the family rules show in the registers, the journal and
// the colours.
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

const QString kRedCombo = QStringLiteral("QComboBox { background-color: red; }");
const QString kWhiteCombo = QStringLiteral("QComboBox { background-color: white; }");
const QString kRedSpin = QStringLiteral("QSpinBox { background-color: red; }");
const QString kWhiteSpin = QStringLiteral("QSpinBox { background-color: white; }");

struct Session : WindowSession {
    using WindowSession::WindowSession;
    CFamilyBase &family() { return *dynamic_cast<CFamilyBase *>(window->calvex->family()); }
};

// The value the register table shows for the first row of a name.
quint32 reg(const Pallador &w, const char *name)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].name == QLatin1String(name))
            return w.regs[i].value;
    }
    qWarning("no register %s", name);
    return 0xDEADBEEF;
}

// A panel combo as the advanced PLL panel would hold it.
QComboBox *panelCombo(Pallador &w, const char *name, const QStringList &items, int index)
{
    auto *combo = new QComboBox(&w);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    combo->setCurrentIndex(index);
    return combo;
}

QCheckBox *panelBox(Pallador &w, const char *name, bool checked)
{
    auto *box = new QCheckBox(&w);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

// The register update of context c; Vek_108 takes the catalogue index too.
QString registerUpdate(int c, int catalogueIndex)
{
    return catalogueIndex ? QStringLiteral("RegisterUpdate(%1, %2)").arg(c).arg(catalogueIndex)
                          : QStringLiteral("RegisterUpdate(%1)").arg(c);
}

// What one calculation of context c asks after its PLL step.
QStringList afterPll(int c, int catalogueIndex = 0)
{
    return {QStringLiteral("TimingUpdate(%1, false, true)").arg(c), QStringLiteral("ResultsUpdate(%1)").arg(c),
            registerUpdate(c, catalogueIndex)};
}

} // namespace

class TestBrel102Vek101Vek108 : public QObject {
    Q_OBJECT

private slots:
    void samplesEndToEnd_data();
    void samplesEndToEnd();
    void setUp_data();
    void setUp();
    void automaticPanels();
    void pllStepByInterface_data();
    void pllStepByInterface();
    void clearMasks_data();
    void clearMasks();
    void brel102LineLengthByUseCase_data();
    void brel102LineLengthByUseCase();
    void brel102PlacedImage();
    void brel102PanelInputs_data();
    void brel102PanelInputs();
    void vek108SerialLink_data();
    void vek108SerialLink();
    void vek108ContextSettings();
};

// ---------------------------------------------------------------------------
// Every sensor of the group.

void TestBrel102Vek101Vek108::samplesEndToEnd_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("pllStep");   // the PLL step of the sample's interface
    QTest::addColumn<int>("registerIndex"); // the catalogue index RegisterUpdate takes, 0: none
    QTest::newRow("14 Sarn106h") << "Sarn106h" << 14 << "PllUpdate()" << 0;
    QTest::newRow("15 Vek103") << "Vek103" << 15 << "SetSerialPLL(1)" << 0;
    QTest::newRow("16 Vek104") << "Vek104" << 16 << "PllUpdate()" << 0;
    QTest::newRow("17 Vek105m") << "Vek105m" << 17 << "PllUpdate()" << 0;
    QTest::newRow("18 Vek105t") << "Vek105t" << 18 << "PllUpdate()" << 0;
    QTest::newRow("19 Vek106") << "Vek106" << 19 << "SetSerialPLL(1)" << 0;
    QTest::newRow("20 Sarn106c") << "Sarn106c" << 20 << "SetSerialPLL(1)" << 0;
    QTest::newRow("21 Vek101") << "Vek101" << 21 << "PllUpdate()" << 0;
    QTest::newRow("22 Vek108m") << "Vek108m" << 22 << "SetSerialPLL(1)" << 22;
    QTest::newRow("23 Vek108t") << "Vek108t" << 23 << "SetSerialPLL(1)" << 23;
    QTest::newRow("24 Vek109t") << "Vek109t" << 24 << "SetSerialPLL(1)" << 24;
}

// A user changes the input clock (both contexts, the other one current
// afterwards), types a frame rate for context B (B alone) and forces the
// pre-divider: the library gets each input in the record of the context
// calculated, the registers program what it chose and an unreachable frame
// rate turns the context's box red.
void TestBrel102Vek101Vek108::samplesEndToEnd()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    QFETCH(QString, pllStep);
    QFETCH(int, registerIndex);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.sensorIndex, index);
    QCOMPARE(w.contextCount, 2);

    w.currentContext = 0;
    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(25.0);
    const QStringList refresh{registerUpdate(0, registerIndex), registerUpdate(1, registerIndex)};
    QCOMPARE(journal(w), QStringList{pllStep} + afterPll(0, registerIndex) + QStringList{pllStep} +
                             afterPll(1, registerIndex) + refresh + refresh);
    QCOMPARE(w.currentContext, 1);
    QCOMPARE(f.pll.inputClock, 25.0);
    // The PLL results the window gathered, and the dock showing them.
    QCOMPARE(w.resInputClock, 25.0);
    QCOMPARE(w.resN, f.pll.pllN);
    QCOMPARE(w.resM, f.pll.pllM);
    QCOMPARE(w.resP, index <= 20 ? f.pll.pllP1 : f.pll.pllP);
    QCOMPARE(w.resVcoClock, f.pll.vcoClock);
    QCOMPARE(w.ui.spinPLL_N->value(), w.resN);
    QCOMPARE(w.ui.spinPLL_M->value(), w.resM);
    QVERIFY(w.ui.textResult_A->toPlainText().startsWith(QLatin1String("Context A")));
    QVERIFY(w.ui.textResult_B->toPlainText().startsWith(QLatin1String("Context B")));

    // A frame rate of context B reaches B's record alone.
    const double rateA = f.ctx[0].maxFps;
    resetJournal(w);
    w.ui.comboMaxFRate_B->setEditText(QStringLiteral("10"));
    QCOMPARE(calculatedContexts(w), QList<int>{1});
    QCOMPARE(f.ctx[1].maxFps, 10.0);
    QCOMPARE(f.ctx[0].maxFps, rateA);
    QCOMPARE(w.ui.comboMaxFRate_B->styleSheet(), kWhiteCombo);
    QCOMPARE(reg(w, "FRAME_LENGTH_LINES_CB"), quint32(f.timing(1).frameLength));

    w.ui.comboMaxFRate_B->setEditText(QStringLiteral("200"));
    QCOMPARE(w.ui.comboMaxFRate_B->styleSheet(), kRedCombo);
    QCOMPARE(w.warnings[1] & 0x1u, 0x1u);
    w.ui.comboMaxFRate_B->setEditText(QStringLiteral("10"));
    QCOMPARE(w.ui.comboMaxFRate_B->styleSheet(), kWhiteCombo);

    // The pre-divider override is what the register programs.
    w.ui.checkPLL_N->click();
    w.ui.spinPLL_N->setValue(3);
    QCOMPARE(f.pll.pllN, 3);
    QCOMPARE(reg(w, "PRE_PLL_CLK_DIV"), 3u);
    QCOMPARE(reg(w, "PLL_MULTIPLIER"), quint32(f.pll.pllM));
    w.ui.checkPLL_N->click();
    QVERIFY(f.pll.pllN != 3);
    QCOMPARE(reg(w, "PRE_PLL_CLK_DIV"), quint32(f.pll.pllN));
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestBrel102Vek101Vek108::setUp_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("skipping"); // of both contexts, -1: the use case's
    QTest::addColumn<int>("sMode");    // of both contexts
    // Sensors 14 and 16 to 18 start on the parallel interface, read without
    // skipping; 15, 19 and 20 on the serial one.
    QTest::newRow("14 Sarn106h") << "Sarn106h" << 0 << 1 << 1;
    QTest::newRow("15 Vek103") << "Vek103" << 1 << -1 << 0;
    QTest::newRow("18 Vek105t") << "Vek105t" << 0 << 1 << 1;
    QTest::newRow("20 Sarn106c") << "Sarn106c" << 1 << -1 << 0;
    QTest::newRow("21 Vek101") << "Vek101" << 0 << -1 << 0;
    QTest::newRow("23 Vek108t") << "Vek108t" << 1 << -1 << 0;
}

// After the load each context offers the family's frame rates with the
// rate type fixed, the interface choice is hidden, and the family's own
// starting settings are in place.
void TestBrel102Vek101Vek108::setUp()
{
    QFETCH(QString, sample);
    QFETCH(int, interfaceIndex);
    QFETCH(int, skipping);
    QFETCH(int, sMode);
    Session s(sample);
    Pallador &w = s.w();
    const CFamilyBase &f = s.family();

    QCOMPARE(w.interfaceIndex, interfaceIndex);
    QVERIFY(w.ui.comboPLL_Interface->isHidden());
    QVERIFY(w.ui.labelOutputMode->isHidden());
    for (QComboBox *rates : {w.ui.comboMaxFRate_A, w.ui.comboMaxFRate_B}) {
        QStringList items;
        for (int i = 0; i < rates->count(); ++i)
            items << rates->itemText(i);
        QCOMPARE(items, f.results.frameRateChoices);
    }
    QVERIFY(!w.ui.comboTypeFRate_A->isEnabled());
    QVERIFY(!w.ui.comboTypeFRate_B->isEnabled());
    for (int c : {0, 1}) {
        if (skipping >= 0)
            QCOMPARE(w.skipping[c], skipping);
        QCOMPARE(w.sMode[c], sMode);
    }
    if (w.sensorIndex >= 22) {
        QCOMPARE(w.lanes, 4);
        QCOMPARE(w.opBits, 12);
        QCOMPARE(w.pllP5, 1);
        QCOMPARE(f.pll.pllP5, 1);
    }
    QVERIFY(!w.ui.textResult_A->toPlainText().isEmpty());
    QVERIFY(!w.ui.textResult_B->toPlainText().isEmpty());
    QCOMPARE(s.responder.seen(), QStringList());
}

// A family that asks for its panels gets them opened by the set-up, the
// PLL panel's lists set to the family's serial link.
void TestBrel102Vek101Vek108::automaticPanels()
{
    Session s(QStringLiteral("Vek108m"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.comboPLL_InterMode = panelCombo(w, "comboPLL_InterMode", {"Parallel", "MIPI"}, 0);
    w.comboPLL_Lanes = panelCombo(w, "comboPLL_Lanes", {"1", "2", "3", "4"}, 0);
    w.comboPLL_Bits = panelCombo(w, "comboPLL_Bits", {"8", "10", "12"}, 0);
    f.defaults.defaultAdvPll = 1;
    f.defaults.defaultAdvParam = 1;

    w.initContext(0);

    QVERIFY(w.ui.checkPLL_ADV->isChecked());
    QCOMPARE(w.comboPLL_InterMode->currentIndex(), 1);
    QCOMPARE(w.comboPLL_Lanes->currentIndex(), 3);
    QCOMPARE(w.comboPLL_Bits->currentIndex(), 2);
    QVERIFY(w.ui.checkAdvParam_A->isChecked());
    QVERIFY(w.ui.checkAdvParam_B->isChecked());
    QVERIFY(w.advParamOn[0] && w.advParamOn[1]);
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// The calculation's rules.

void TestBrel102Vek101Vek108::pllStepByInterface_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<QString>("pllStep");
    QTest::addColumn<int>("registerIndex");
    QTest::newRow("Brel_102 parallel") << "Vek104" << 0 << "PllUpdate()" << 0;
    QTest::newRow("Brel_102 serial") << "Vek104" << 1 << "SetSerialPLL(1)" << 0;
    QTest::newRow("Vek_101 parallel") << "Vek101" << 0 << "PllUpdate()" << 0;
    QTest::newRow("Vek_101 serial") << "Vek101" << 1 << "SetSerialPLL(1)" << 0;
    QTest::newRow("Vek_108 parallel") << "Vek108m" << 0 << "SetParallelPLL()" << 22;
    QTest::newRow("Vek_108 serial") << "Vek108m" << 1 << "SetSerialPLL(1)" << 22;
}

// The parallel interface runs the family's parallel PLL step, any other the
// serial one; the PLL pane shows the link the step set up.
void TestBrel102Vek101Vek108::pllStepByInterface()
{
    QFETCH(QString, sample);
    QFETCH(int, interfaceIndex);
    QFETCH(QString, pllStep);
    QFETCH(int, registerIndex);
    Session s(sample);
    Pallador &w = s.w();
    const CFamilyBase &f = s.family();
    w.interfaceIndex = interfaceIndex;
    w.currentContext = 0;
    resetJournal(w);

    w.recalc(false);

    QCOMPARE(journal(w).mid(0, 4), QStringList{pllStep} + afterPll(0, registerIndex));
    QCOMPARE(f.linkSerial(), interfaceIndex != 0);
    QCOMPARE(w.ui.textResult_PLL->toPlainText().contains(QLatin1String("Interface: Parallel")), interfaceIndex == 0);
    QCOMPARE(f.ctx[0].interfaceIndex, interfaceIndex);
}

void TestBrel102Vek101Vek108::clearMasks_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<quint32>("kept"); // of the bits 0x1000, 0x2000 and 0x10
    QTest::newRow("Brel_102 recomputes the image-start bits") << "Vek104" << 0x10u;
    QTest::newRow("Vek_101 keeps them") << "Vek101" << 0x3010u;
    QTest::newRow("Vek_108 keeps them") << "Vek108m" << 0x3010u;
}

// Before a calculation the context's word loses the bits the library
// recomputes; the other context's word is not touched.
void TestBrel102Vek101Vek108::clearMasks()
{
    QFETCH(QString, sample);
    QFETCH(quint32, kept);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    f.ctx[0].warnings |= 0x3010;
    f.ctx[1].warnings |= 0x3010;

    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("10"));

    QCOMPARE(f.ctx[0].warnings & 0x3010u, kept);
    QCOMPARE(f.ctx[1].warnings & 0x3010u, 0x3010u);
}

// ---------------------------------------------------------------------------
// Brel_102.

void TestBrel102Vek101Vek108::brel102LineLengthByUseCase_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("useCase");    // of both contexts
    QTest::addColumn<int>("preset");     // the line length the library is given
    QTest::addColumn<int>("lineLength"); // the register: the preset, or the shortest line
    // 1280 columns binned need 1604 clocks, 1296 skipped 1620.
    QTest::newRow("Vek104, use case 1: 1650") << "Vek104" << 1 << 1650 << 1650;
    QTest::newRow("Vek104, use case 3: 1388") << "Vek104" << 3 << 1388 << 1620;
    QTest::newRow("Vek105m, use case 0: 1650") << "Vek105m" << 0 << 1650 << 1650;
    QTest::newRow("Sarn106h takes none") << "Sarn106h" << 2 << 0 << 1620;
}

// Sensors 15 to 18 take the line length of the calculated context's use
// case (0-1: 1650 clocks, 2-3: 1388); a use case beyond them keeps the last.
void TestBrel102Vek101Vek108::brel102LineLengthByUseCase()
{
    QFETCH(QString, sample);
    QFETCH(int, useCase);
    QFETCH(int, preset);
    QFETCH(int, lineLength);
    Session s(sample);
    Pallador &w = s.w();
    Brel_102 &f = *w.calvex->brel_102;

    w.ui.comboUseCase_B->setCurrentIndex(useCase);
    w.ui.comboUseCase_A->setCurrentIndex(useCase);
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("10"));
    QCOMPARE(w.useCaseIndex[0], w.sensorIndex == 14 ? 0 : useCase);
    QCOMPARE(f.lineLengthPreset, preset);
    QCOMPARE(reg(w, "LINE_LENGTH_PCK"), quint32(lineLength));

    // Use case 4 of either context keeps the line length last given; the
    // other context's use case counts when that context is calculated.
    w.ui.comboUseCase_A->setCurrentIndex(4);
    QCOMPARE(f.lineLengthPreset, preset);
    if (preset > 0) {
        w.ui.comboUseCase_B->setCurrentIndex(useCase < 2 ? 2 : 0);
        QCOMPARE(w.currentContext, 1);
        QCOMPARE(f.lineLengthPreset, useCase < 2 ? 1388 : 1650);
    }
}

// Sensors 19 and 20 place context B's image at the start column and row the
// panel gives, run context A's HDR mode in both contexts and use one
// interface for both; a start that does not fit turns its panel box red.
void TestBrel102Vek101Vek108::brel102PlacedImage()
{
    Session s(QStringLiteral("Vek106"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    // Context A's full image starts at the set-up's row 2, within the border.
    QCOMPARE(reg(w, "Y_ADDR_START"), 2u);
    QCOMPARE(reg(w, "X_ADDR_START"), 0u);
    QCOMPARE(w.warnings[0] & 0x3000u, 0u);
    w.ui.comboUseCase_B->setCurrentIndex(1); // 1920 x 1080
    w.hdrMode[0] = 1;
    w.hdrMode[1] = 0;
    w.ccRow[1] = 1;
    w.binXOnly[1] = 100;
    w.skipping[1] = 50;
    f.ctx[0].interfaceIndex = f.ctx[1].interfaceIndex = 7;

    w.ui.checkAdvParam_B->click();
    // The start boxes of the panel's form.
    QSpinBox *colStart = w.spinColSub[1];
    QSpinBox *rowStart = w.spinRowSub[1];
    QVERIFY(colStart && rowStart && colStart != rowStart);
    // The panel's first opening calculates nothing; the next calculation
    // works with the panel open.
    w.recalc(false);

    QCOMPARE(w.currentContext, 1);
    QCOMPARE(f.ctx[1].colSubsampling, 100);
    QCOMPARE(f.ctx[1].rowSubsampling, 50);
    QCOMPARE(f.ctx[1].ccRow, 1);
    QCOMPARE(f.ctx[1].hdrMode, 1);
    QCOMPARE(f.ctx[0].hdrMode, 1);
    QCOMPARE(f.ctx[0].interfaceIndex, w.interfaceIndex);
    QCOMPARE(f.ctx[1].interfaceIndex, w.interfaceIndex);
    QVERIFY(f.ctx[1].advParamOn);
    QCOMPARE(reg(w, "X_ADDR_START_CB"), 100u);
    QCOMPARE(reg(w, "Y_ADDR_START_CB"), 50u);
    QCOMPARE(reg(w, "X_ADDR_END_CB"), 100u + 1920 - 1);
    QCOMPARE(colStart->styleSheet(), kWhiteSpin);
    QCOMPARE(rowStart->styleSheet(), kWhiteSpin);

    // 1080 rows from row 900 leave the 1960 rows of the array.
    w.skipping[1] = 900;
    w.ui.comboMaxFRate_B->setEditText(QStringLiteral("10"));
    QCOMPARE(rowStart->styleSheet(), kRedSpin);
    QCOMPARE(colStart->styleSheet(), kWhiteSpin);
    QCOMPARE(w.warnings[1] & 0x3000u, 0x2000u);
    QCOMPARE(reg(w, "Y_ADDR_START_CB"), 1960u - 1080);
    QVERIFY(w.ui.textResult_B->toPlainText().contains(QLatin1String("moved to fit")));
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestBrel102Vek101Vek108::brel102PanelInputs_data()
{
    QTest::addColumn<bool>("panel");
    QTest::addColumn<bool>("p1Ticked");
    QTest::addColumn<bool>("p5Ticked");
    QTest::addColumn<QString>("link"); // the serial link set-up before each PLL step
    QTest::addColumn<int>("p1");       // the dividers used for 96 MHz from 25 MHz
    QTest::addColumn<int>("p5");
    // Free, the VCO runs at 480 MHz: P1 1, P5 5. P1 forced to 2 takes the
    // VCO to 768 MHz and P5 to 4; P5 forced to 6 takes it to 576 MHz.
    QTest::newRow("panel closed") << false << true << true << QString() << 1 << 5;
    QTest::newRow("panel open, P1") << true << true << false << "SetInterface(3, 14)" << 2 << 4;
    QTest::newRow("panel open, P5") << true << false << true << "SetInterface(3, 14)" << 1 << 6;
    QTest::newRow("panel open, no override") << true << false << false << "SetInterface(3, 14)" << 1 << 5;
}

// The video dividers take the panel's overrides only while the panel is open
// and their box ticked, and go back to the library's choice otherwise; the
// panel's lanes and bits set the serial link up.
void TestBrel102Vek101Vek108::brel102PanelInputs()
{
    QFETCH(bool, panel);
    QFETCH(bool, p1Ticked);
    QFETCH(bool, p5Ticked);
    QFETCH(QString, link);
    QFETCH(int, p1);
    QFETCH(int, p5);
    Session s(QStringLiteral("Vek103"));
    Pallador &w = s.w();
    Brel_102 &f = *w.calvex->brel_102;
    w.ui.dSpinPLL_Input->setValue(25.0);
    // The panel's own form is replaced by widgets the test sets.
    if (panel)
        w.ui.checkPLL_ADV->click();
    w.checkPLL_P1 = panelBox(w, "checkPLL_P1", p1Ticked);
    w.checkPLL_P5 = panelBox(w, "checkPLL_P5", p5Ticked);
    w.comboPLL_Bits = panelCombo(w, "comboPLL_Bits", {"12", "14"}, 1);
    w.pllP1 = 2;
    w.pllP5 = 6;
    w.lanes = 3;
    w.embedData = false;
    w.darkCols = true;
    resetJournal(w);

    w.recalc(true);

    const QStringList calls = journal(w);
    QCOMPARE(calls.count(QStringLiteral("SetSerialPLL(1)")), 2);
    if (link.isEmpty()) {
        QVERIFY(!calls.join(' ').contains(QLatin1String("SetInterface")));
    } else {
        QCOMPARE(calls.count(link), 2);
        QCOMPARE(calls.indexOf(link) + 1, calls.indexOf(QStringLiteral("SetSerialPLL(1)")));
        QCOMPARE(f.linkLanes(), 3);
        QCOMPARE(f.linkBits(), 14);
    }
    QCOMPARE(f.pll.pllP1, p1);
    QCOMPARE(f.pll.pllP5, p5);
    QCOMPARE(reg(w, "VT_SYS_CLK_DIV"), quint32(f.pll.pllP1));
    QCOMPARE(reg(w, "VT_PIX_CLK_DIV"), quint32(f.pll.pllP5));
    QVERIFY(!f.embedData && f.embedStat && f.darkCols && !f.darkRows);

    // Closing the panel hands both dividers back to the library.
    w.ui.checkPLL_ADV->setChecked(false);
    w.recalc(true);
    QCOMPARE(f.pll.pllP1, 1);
    QCOMPARE(f.pll.pllP5, 5);
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Vek_108.

void TestBrel102Vek101Vek108::vek108SerialLink_data()
{
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("laneIndex");
    QTest::addColumn<int>("bitsIndex");
    QTest::addColumn<QString>("link"); // empty: none
    QTest::addColumn<int>("lanes");    // the window's afterwards
    QTest::addColumn<int>("opBits");
    QTest::newRow("four lanes, 12 bits") << 1 << 3 << 2 << "SetInterface(4, 12)" << 4 << 12;
    QTest::newRow("two lanes, 8 bits") << 1 << 1 << 0 << "SetInterface(2, 8)" << 2 << 8;
    QTest::newRow("parallel") << 0 << 1 << 0 << QString() << 4 << 12;
}

// With the panel open the serial interface takes the panel's lanes (index
// + 1) and bits (8 + 2 x index), which the window keeps; the parallel one
// sets no link up.
void TestBrel102Vek101Vek108::vek108SerialLink()
{
    QFETCH(int, interfaceIndex);
    QFETCH(int, laneIndex);
    QFETCH(int, bitsIndex);
    QFETCH(QString, link);
    QFETCH(int, lanes);
    QFETCH(int, opBits);
    Session s(QStringLiteral("Vek108t"));
    Pallador &w = s.w();
    const CFamilyBase &f = s.family();
    // The panel's own form is replaced by widgets the test sets.
    w.ui.checkPLL_ADV->click();
    w.comboPLL_Lanes = panelCombo(w, "comboPLL_Lanes", {"1", "2", "3", "4"}, laneIndex);
    w.comboPLL_Bits = panelCombo(w, "comboPLL_Bits", {"8", "10", "12"}, bitsIndex);
    w.interfaceIndex = interfaceIndex;
    w.currentContext = 0;
    resetJournal(w);

    w.recalc(false);

    const QString pllStep = interfaceIndex ? QStringLiteral("SetSerialPLL(1)") : QStringLiteral("SetParallelPLL()");
    QStringList expected = QStringList{pllStep} + afterPll(0, 23);
    if (!link.isEmpty())
        expected.prepend(link);
    QCOMPARE(journal(w).mid(0, expected.size()), expected);
    QCOMPARE(w.lanes, lanes);
    QCOMPARE(w.opBits, opBits);
    if (!link.isEmpty()) {
        QCOMPARE(f.linkLanes(), lanes);
        QCOMPARE(f.linkBits(), opBits);
        QVERIFY(w.ui.textResult_PLL->toPlainText().contains(QStringLiteral("Lanes: %1").arg(lanes)));
    }
}

// The combined mode clears the calculated context's HDR and interleave
// settings in the window; without it they reach the library. The number of
// samples goes in on every calculation and the offsets move the image.
void TestBrel102Vek101Vek108::vek108ContextSettings()
{
    Session s(QStringLiteral("Vek108m"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.combi, 1);
    w.hdrMode[0] = w.hdrMode[1] = 1;
    w.interleave[0] = w.interleave[1] = 1;

    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("10"));
    QCOMPARE(w.hdrMode[0], 0);
    QCOMPARE(w.interleave[0], 0);
    QCOMPARE(w.hdrMode[1], 1);
    QCOMPARE(w.interleave[1], 1);
    QCOMPARE(f.ctx[0].combi, 1);
    QCOMPARE(f.ctx[0].hdrMode, 0);

    w.combi = 0;
    w.ui.comboMaxFRate_B->setEditText(QStringLiteral("10"));
    QCOMPARE(f.ctx[1].combi, 0);
    QCOMPARE(f.ctx[1].hdrMode, 1);
    QCOMPARE(f.ctx[1].interleave, 1);
    QCOMPARE(w.hdrMode[1], 1);

    // Offsets from the centre, and the samples in the digital test register.
    const quint32 centred = reg(w, "X_ADDR_START_CB");
    w.fovX[1] = 40;
    w.fovY[1] = -20;
    w.pllP5 = 3;
    w.ui.comboMaxFRate_B->setEditText(QStringLiteral("12"));
    QCOMPARE(f.ctx[1].fovX, 40);
    QCOMPARE(f.ctx[1].fovY, -20);
    QCOMPARE(reg(w, "X_ADDR_START_CB"), centred + 40);
    QCOMPARE(f.pll.pllP5, 3);
    QCOMPARE(reg(w, "DIGITAL_TEST") & 0x1Cu, 2u << 2);
    QCOMPARE(s.responder.seen(), QStringList());
}

QTEST_MAIN(TestBrel102Vek101Vek108)
#include "tst_brel102_vek101_vek108.moc"
