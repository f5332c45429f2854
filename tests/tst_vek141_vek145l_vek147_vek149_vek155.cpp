// Catalogue 37 to 45 and 53 (Vek_141: Sarn120, Sarn121, Vek142, Vek142b;
// Vek_145l; Vek_147: Vek147, Vek148n; Vek_149: Vek149, Vek150n; Vek_155),
// one context each, driven through the window: every sample end to end
// (library calls, registers, colours, each use case at its rate), what the
// set-up leaves in the window, the lanes of the interface list, the output
// bits of the advanced PLL panel, the "CC Rows:" count and its return to 16
// in the high-speed read-out (a calculation inside a calculation, counted),
// Vek_149's PLL settings for three use cases, and Vek_145l's focal planes.
//
// The option panels are not built into the window yet: where a rule reads one
// of their widgets, the test gives the window a widget of that object name
// and connects it as the panel does.
#include "calvex.h"
#include "pallador.h"
#include "registerdataio.h"
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
const QString kRedDouble = QStringLiteral("QDoubleSpinBox { background-color: red; }");
const QString kWhiteDouble = QStringLiteral("QDoubleSpinBox { background-color: white; }");

struct Session : WindowSession {
    using WindowSession::WindowSession;
    Session(const QString &name, const QByteArray &config) : WindowSession(name + QStringLiteral(".cfg"), config) {}
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

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

// The advanced PLL panel's output-bit list, connected to the window's slot
// as the panel connects it.
struct OutputBitsList {
    QWidget parent;
    QComboBox *combo = new QComboBox(&parent);

    OutputBitsList(Pallador &w, const QStringList &entries)
    {
        combo->setObjectName(QStringLiteral("comboPLL_OpBits"));
        combo->addItems(entries);
        w.comboPLL_Bits = combo;
        QObject::connect(combo, SIGNAL(currentIndexChanged(int)), &w, SLOT(comboPLL_OpBits_currentIndexChanged(int)));
    }
};

// The context-A panel's "CC Rows:" list. Its slot (as the panel will
// connect it) makes context A current, keeps the position as context A's
// setting and calculates; the list counts how deep those calculations nest.
struct CcRowList {
    QWidget parent;
    QComboBox *combo = new QComboBox(&parent);
    int depth = 0;
    int deepest = 0;

    CcRowList(Pallador &w, int position)
    {
        combo->setObjectName(QStringLiteral("comboCCRow"));
        combo->addItems({QStringLiteral("16"), QStringLiteral("32"), QStringLiteral("64"), QStringLiteral("128")});
        combo->setCurrentIndex(position);
        w.ccRow[0] = position;
        w.comboCCRow[0] = combo;
        QObject::connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), combo, [this, &w](int index) {
            deepest = qMax(deepest, ++depth);
            w.currentContext = 0;
            w.ccRow[0] = index;
            w.recalc(false);
            --depth;
        });
    }
};

// A configuration of a sensor with use cases 0 to count - 1, all of one
// size and rate, use case 0 given orientation flags.
QByteArray config(const QByteArray &sensor, int count, const QByteArray &firstUseCaseExtra = QByteArray())
{
    QByteArray text = "[General_Info]\nsensor_name = " + sensor + "\n[UseCases]\n";
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        text += n + "/name = Case " + n + "\n" + n + "/cols = 1296\n" + n + "/rows = 972\n" + n + "/max_fps = 15\n" +
                n + "/intg_time = 20\n";
        if (i == 0)
            text += firstUseCaseExtra + "0/context_a_default = 1\n";
    }
    return text + "[MinMax_Defaults]\ndefault_input_clock = 24\ndefault_target_clock = 96\n"
                  "default_target_clock2 = 96\ndefault_max_fps = 15\n";
}

} // namespace

class TestVek141Vek145lVek147Vek149Vek155 : public QObject {
    Q_OBJECT

private slots:
    void samplesEndToEnd_data();
    void samplesEndToEnd();
    void setUp_data();
    void setUp();
    void useCaseOrientation_data();
    void useCaseOrientation();
    void laneRule_data();
    void laneRule();
    void outputBits_data();
    void outputBits();
    void ccRows_data();
    void ccRows();
    void highSpeedCcRows_data();
    void highSpeedCcRows();
    void vek149Presets_data();
    void vek149Presets();
    void focalPlanes_data();
    void focalPlanes();
};

// ---------------------------------------------------------------------------
// Every sensor of the group.

void TestVek141Vek145lVek147Vek149Vek155::samplesEndToEnd_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    const char *const samples[] = {"Sarn120", "Sarn121", "Vek142", "Vek142b", "Vek145l",
                                   "Vek147",  "Vek148n", "Vek149", "Vek150n", "Vek155"};
    const int indices[] = {37, 38, 39, 40, 41, 42, 43, 44, 45, 53};
    for (int i = 0; i < 10; ++i)
        QTest::addRow("%d %s", indices[i], samples[i]) << QString::fromLatin1(samples[i]) << indices[i];
}

// A PLL-level change calculates context A once, whatever context the window
// held, and the registers program the PLL the library chose; every use case
// of the sample loads and reaches its rate; an unreachable rate and an input
// clock out of range turn their boxes red.
void TestVek141Vek145lVek147Vek149Vek155::samplesEndToEnd()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.sensorIndex, index);
    QCOMPARE(w.contextCount, 1);

    w.currentContext = 1;
    w.ui.textResult_B->setPlainText(QStringLiteral("kept"));
    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(26.0);
    QCOMPARE(journal(w), (QStringList{"PllUpdate()", "TimingUpdate(0, false, true)", "ResultsUpdate(0)",
                                      "RegisterUpdate(0)", "RegisterUpdate(0)"}));
    QCOMPARE(w.currentContext, 0);
    QCOMPARE(f.pll.inputClock, 26.0);
    QCOMPARE(w.ui.textResult_B->toPlainText(), QStringLiteral("kept"));
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    QCOMPARE(reg(w, "PRE_PLL_CLK_DIV"), quint32(f.pll.pllN));
    QCOMPARE(reg(w, "PLL_MULTIPLIER"), quint32(f.pll.pllM));
    QCOMPARE(reg(w, "VT_PIX_CLK_DIV"), quint32(f.pll.pllP));
    QCOMPARE(reg(w, "OP_PIX_CLK_DIV"), quint32(f.pll.pllOpDivider));
    QCOMPARE(w.ui.spinPLL_N->value(), f.pll.pllN);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);

    for (int u = w.dataIO->getUseCaseNumber() - 1; u >= 0; --u) {
        const CUseCase &useCase = w.dataIO->useCases[u];
        w.ui.comboUseCase_A->setCurrentIndex(u);
        QCOMPARE(f.ctx[0].cols, useCase.cols);
        QCOMPARE(f.ctx[0].rows, useCase.rows);
        QCOMPARE(f.ctx[0].maxFps, useCase.maxFps);
        QVERIFY2(w.ui.comboMaxFRate_A->styleSheet() == kWhiteCombo, qPrintable(useCase.name));
    }

    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("500"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kRedCombo);
    QCOMPARE(w.warnings[0] & 0x1u, 0x1u);
    w.ui.dSpinPLL_Input->setValue(5.0);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kRedDouble);
    QCOMPARE(w.getWarningValue() & 0x400000, 0x400000);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek141Vek145lVek147Vek149Vek155::setUp_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QStringList>("interfaces");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("lanes");      // the window's after the set-up
    QTest::addColumn<bool>("rateTypes"); // the frame-rate type list usable
    QTest::addColumn<int>("scaler");     // context A's, in the window and the family
    QTest::addColumn<bool>("mipiCont");
    QTest::addColumn<bool>("txLatch");
    const QStringList four{"MIPI-2", "MIPI-3", "MIPI-4", "HISPI-4"};
    QTest::newRow("Vek_141") << "Vek142" << four << 2 << 4 << false << 0 << false << false;
    QTest::newRow("Vek_147") << "Vek147" << four << 2 << 4 << true << 2 << true << true;
    QTest::newRow("Vek_149") << "Vek150n" << four << 2 << 4 << true << 2 << true << true;
    QTest::newRow("Vek_155") << "Vek155" << QStringList{"MIPI-2", "MIPI-4", "HISPI-4", "HISPI-8"} << 2 << 4 << true << 0
                             << false << false;
    QTest::newRow("Vek_145l") << "Vek145l" << QStringList{"MIPI-2", "MIPI-4"} << 1 << -1 << true << 0 << false << false;
}

// The set-up offers the family's interfaces (each once, also when it runs
// again) with its default chosen, shows use case 0's rate, and gives the
// window the family's link and scaler settings, which reach the library.
void TestVek141Vek145lVek147Vek149Vek155::setUp()
{
    QFETCH(QString, sample);
    QFETCH(QStringList, interfaces);
    QFETCH(int, position);
    QFETCH(int, lanes);
    QFETCH(bool, rateTypes);
    QFETCH(int, scaler);
    QFETCH(bool, mipiCont);
    QFETCH(bool, txLatch);
    Session s(sample);
    Pallador &w = s.w();
    const CFamilyBase &f = s.family();
    const bool focalPlanes = w.sensorIndex == 41;

    for (int run = 0; run < 2; ++run) {
        QCOMPARE(items(w.ui.comboPLL_Interface), interfaces);
        QCOMPARE(w.ui.comboPLL_Interface->currentIndex(), position);
        QCOMPARE(w.interfaceIndex, position);
        QCOMPARE(f.ctx[0].interfaceIndex, position);
        QCOMPARE(w.lanes, lanes);
        QCOMPARE(f.linkLanes(), lanes > 0 ? lanes : 4);
        QCOMPARE(w.ui.comboTypeFRate_A->isEnabled(), rateTypes);
        QCOMPARE(w.maxFps[0], w.dataIO->useCases[0].maxFps);
        QCOMPARE(w.ui.comboMaxFRate_A->currentText(), QStringLiteral("%1").arg(w.maxFps[0], 0, 'g', 6));
        QCOMPARE(f.ctx[0].maxFps, w.maxFps[0]);
        QCOMPARE(w.pllTargetOp, f.defaults.defaultTargetClock2);
        QCOMPARE(f.pll.targetClock2, w.pllTargetOp);
        QCOMPARE(w.scaler[0], scaler);
        QCOMPARE(f.ctx[0].scaler, scaler);
        QCOMPARE(w.mipiCont, mipiCont);
        QCOMPARE(f.pll.mipiCont, mipiCont);
        QCOMPARE(w.txLatch[0], txLatch);
        QCOMPARE(f.ctx[0].txLatch, txLatch);
        if (focalPlanes) {
            // One frame-rate type, all sixteen planes, packing modulo 1.
            QCOMPARE(items(w.ui.comboTypeFRate_A), QStringList{"Frame Rate"});
            QVERIFY(w.ui.dSpinMinFRate_A->isHidden());
            QCOMPARE(w.scaleM[0], 16);
            QCOMPARE(f.ctx[0].scaleM, 16);
            QCOMPARE(w.ccRow[0], 0);
            QCOMPARE(f.ctx[0].packMode, 1);
        }
        w.initContext(0);
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek141Vek145lVek147Vek149Vek155::useCaseOrientation_data()
{
    QTest::addColumn<QByteArray>("sensor");
    QTest::addColumn<bool>("taken");
    QTest::newRow("Vek_141 takes it") << QByteArray("Sarn121") << true;
    QTest::newRow("Vek_147 does not") << QByteArray("Vek148n") << false;
    QTest::newRow("Vek_155 does not") << QByteArray("Vek155") << false;
}

// Vek_141 starts from use case 0's mirror and flip, and the read mode
// programs them; the others keep the window's.
void TestVek141Vek145lVek147Vek149Vek155::useCaseOrientation()
{
    QFETCH(QByteArray, sensor);
    QFETCH(bool, taken);
    Session s(QString::fromLatin1(sensor), config(sensor, 2, "0/mirror = 1\n0/flip = 1\n"));
    Pallador &w = s.w();
    const CFamilyBase &f = s.family();
    QCOMPARE(w.ui.checkHorzMirror_A->isChecked(), taken);
    QCOMPARE(w.ui.checkVertFlip_A->isChecked(), taken);
    QCOMPARE(f.ctx[0].mirror, taken);
    QCOMPARE(f.ctx[0].flip, taken);
    QCOMPARE(reg(w, "READ_MODE") & 0xC000u, taken ? 0xC000u : 0u);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek141Vek145lVek147Vek149Vek155::laneRule_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("lanes"); // -1: the window's lanes stay as they were
    const int vek141[] = {2, 3, 4, 4};
    const int vek155[] = {2, 4, 4, 8};
    for (int i = 0; i < 4; ++i) {
        QTest::addRow("Vek_141 %d", i) << "Sarn120" << i << vek141[i];
        QTest::addRow("Vek_147 %d", i) << "Vek147" << i << vek141[i];
        QTest::addRow("Vek_149 %d", i) << "Vek149" << i << vek141[i];
        QTest::addRow("Vek_155 %d", i) << "Vek155" << i << vek155[i];
    }
    QTest::newRow("Vek_141 beyond the list") << "Vek142b" << 4 << -1;
    QTest::newRow("Vek_145l MIPI-2") << "Vek145l" << 0 << -1;
}

// The interface's position sets the window's lanes, and the library runs
// the link on as many; a position beyond the list, or Vek_145l, leaves them.
void TestVek141Vek145lVek147Vek149Vek155::laneRule()
{
    QFETCH(QString, sample);
    QFETCH(int, position);
    QFETCH(int, lanes);
    Session s(sample);
    Pallador &w = s.w();
    const CFamilyBase &f = s.family();
    w.lanes = 7;
    if (position < w.ui.comboPLL_Interface->count())
        w.ui.comboPLL_Interface->setCurrentIndex(position);
    else
        w.interfaceIndex = position;
    w.ui.dSpinPLL_Input->setValue(w.pllInput + 1.0);
    QCOMPARE(f.ctx[0].interfaceIndex, position);
    QCOMPARE(w.lanes, lanes > 0 ? lanes : 7);
    if (lanes > 0) {
        QCOMPARE(f.linkLanes(), lanes);
        QVERIFY(w.ui.textResult_PLL->toPlainText().contains(QStringLiteral("Lanes: %1").arg(lanes)));
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek141Vek145lVek147Vek149Vek155::outputBits_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("bits"); // -1: left to the library
    const QStringList opDivider{"6", "8", "10"};
    QTest::newRow("Vek_141 10") << "Vek142" << opDivider << 2 << 10;
    QTest::newRow("Vek_141 6") << "Sarn121" << opDivider << 0 << 6;
    QTest::newRow("Vek_147 8") << "Vek147" << opDivider << 1 << 8;
    QTest::newRow("Vek_149 6") << "Vek149" << opDivider << 0 << 6;
    QTest::newRow("Vek_155 8") << "Vek155" << opDivider << 1 << 8;
    QTest::newRow("Vek_145l 8") << "Vek145l" << QStringList{"8", "10"} << 0 << 8;
    QTest::newRow("Vek_145l 10") << "Vek145l" << QStringList{"8", "10"} << 1 << 10;
    QTest::newRow("empty list") << "Vek142" << QStringList() << -1 << -1;
}

// While the advanced PLL panel is open its list's bits reach the library and
// the registers and stay the window's; closed, the library chooses again.
void TestVek141Vek145lVek147Vek149Vek155::outputBits()
{
    QFETCH(QString, sample);
    QFETCH(QStringList, entries);
    QFETCH(int, position);
    QFETCH(int, bits);
    Session s(sample);
    Pallador &w = s.w();
    const CFamilyBase &f = s.family();
    const quint32 free = reg(w, "OP_PIX_CLK_DIV");
    QCOMPARE(free, 10u);
    // The panel's own list stores its bits as it opens; this test's list
    // then stands in for it, from no choice.
    w.ui.checkPLL_ADV->click();
    w.opBits = -1;
    OutputBitsList list(w, entries);
    list.combo->setCurrentIndex(position);
    if (position == 0 || position < 0)
        w.ui.dSpinPLL_Input->setValue(w.pllInput + 1.0);

    QCOMPARE(w.opBits, bits);
    QCOMPARE(f.pll.pllOpDivider, bits > 0 ? bits : 10);
    QCOMPARE(reg(w, "OP_PIX_CLK_DIV"), quint32(f.pll.pllOpDivider));
    QVERIFY(w.ui.textResult_PLL->toPlainText().contains(QStringLiteral("Bits per pixel: %1").arg(f.pll.pllOpDivider)));

    w.ui.checkPLL_ADV->click();
    w.ui.dSpinPLL_Input->setValue(w.pllInput - 1.0);
    QCOMPARE(w.opBits, bits);
    QCOMPARE(reg(w, "OP_PIX_CLK_DIV"), free);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek141Vek145lVek147Vek149Vek155::ccRows_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("ccRows");
    for (int p = 0; p < 4; ++p) {
        QTest::addRow("Vek_141 %d", p) << "Vek142b" << p << (16 << p);
        QTest::addRow("Vek_155 %d", p) << "Vek155" << p << (16 << p);
    }
    QTest::newRow("Vek_147") << "Vek148n" << 1 << 32;
    QTest::newRow("Vek_149") << "Vek150n" << 3 << 128;
}

// "CC Rows:" gives the library 16 x 2 to the power of its position, which
// the column-correction register programs (where the sensor has one) and
// the context text reports.
void TestVek141Vek145lVek147Vek149Vek155::ccRows()
{
    QFETCH(QString, sample);
    QFETCH(int, position);
    QFETCH(int, ccRows);
    Session s(sample);
    Pallador &w = s.w();
    const CFamilyBase &f = s.family();
    QCOMPARE(f.ctx[0].ccRows, 64); // the window starts on "64"
    CcRowList list(w, position == 0 ? 1 : 0);
    list.combo->setCurrentIndex(position);
    QCOMPARE(w.ccRow[0], position);
    QCOMPARE(f.ctx[0].ccRows, ccRows);
    if (w.sensorIndex <= 40 || w.sensorIndex == 53) {
        QCOMPARE(reg(w, "COLUMN_CORRECTION"), quint32(position));
        QVERIFY(w.ui.textResult_A->toPlainText().contains(QStringLiteral("Column correction: %1 rows").arg(ccRows)));
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek141Vek145lVek147Vek149Vek155::highSpeedCcRows_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("highSpeed");
    QTest::addColumn<bool>("pllPanel");
    QTest::addColumn<bool>("optionPanel");
    QTest::addColumn<bool>("back"); // the list returns to "16"
    QTest::newRow("Vek_141, both panels") << "Vek142" << true << true << true << true;
    QTest::newRow("Vek_141, normal speed") << "Vek142" << false << true << true << false;
    QTest::newRow("Vek_141, PLL panel closed") << "Sarn120" << true << false << true << false;
    QTest::newRow("Vek_141, option panel closed") << "Sarn120" << true << true << false << false;
    QTest::newRow("Vek_155, both panels") << "Vek155" << true << true << true << true;
    QTest::newRow("Vek_147 has no such rule") << "Vek147" << true << true << true << false;
}

// In the high-speed read-out with both panels open, a "CC Rows:" choice
// goes back to "16": the list's slot calculates once more inside the
// calculation and stops there, as the list already stands on 16. The
// library corrects over 16 rows in high speed whatever the list shows.
void TestVek141Vek145lVek147Vek149Vek155::highSpeedCcRows()
{
    QFETCH(QString, sample);
    QFETCH(bool, highSpeed);
    QFETCH(bool, pllPanel);
    QFETCH(bool, optionPanel);
    QFETCH(bool, back);
    Session s(sample);
    Pallador &w = s.w();
    const CFamilyBase &f = s.family();
    OutputBitsList bits(w, {QStringLiteral("6"), QStringLiteral("8"), QStringLiteral("10")});
    CcRowList list(w, 0);
    w.highSpeed[0] = highSpeed;
    if (pllPanel)
        w.ui.checkPLL_ADV->click();
    if (optionPanel)
        w.ui.checkAdvParam_A->click();
    // A sensor whose option form has its own list drives that one, from
    // "16" as the stand-in starts.
    QComboBox *combo = w.comboCCRow[0];
    const bool ownList = combo != list.combo;
    if (ownList) {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(0);
    }

    resetJournal(w);
    combo->setCurrentIndex(2);
    QCOMPARE(combo->currentIndex(), back ? 0 : 2);
    QCOMPARE(w.ccRow[0], back ? 0 : 2);
    QCOMPARE(f.ctx[0].ccRows, back ? 16 : 64);
    if (!ownList)
        QCOMPARE(list.deepest, back ? 2 : 1);
    QCOMPARE(calculations(w), back ? 2 : 1);
    QCOMPARE(f.pll.highSpeed, highSpeed);
    if (w.sensorIndex != 42)
        QCOMPARE(reg(w, "COLUMN_CORRECTION"), highSpeed ? 0u : 2u);
    // Vek_141's bit list (the panel's own once it is open) is locked in
    // high speed.
    if (pllPanel && w.sensorIndex <= 40)
        QCOMPARE(w.comboPLL_Bits->isEnabled(), !highSpeed);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek141Vek145lVek147Vek149Vek155::vek149Presets_data()
{
    QTest::addColumn<int>("useCase");
    QTest::addColumn<int>("multiplierOverride"); // 0: box unticked
    QTest::addColumn<bool>("preset");
    QTest::addColumn<int>("m");
    QTest::newRow("use case 11") << 11 << 0 << true << 68;
    QTest::newRow("use case 13") << 13 << 0 << true << 68;
    QTest::newRow("use case 18") << 18 << 0 << true << 68;
    QTest::newRow("use case 13, multiplier ticked") << 13 << 80 << true << 80;
    QTest::newRow("use case 12") << 12 << 0 << false << 0;
    QTest::newRow("use case 0") << 0 << 0 << false << 0;
}

// Use cases 11, 13 and 18 take the sensor maker's PLL (N 2, M 68, P 10) on
// every calculation while context A's list stands on them; a ticked
// multiplier override still wins; other use cases leave the PLL free.
void TestVek141Vek145lVek147Vek149Vek155::vek149Presets()
{
    QFETCH(int, useCase);
    QFETCH(int, multiplierOverride);
    QFETCH(bool, preset);
    QFETCH(int, m);
    Session s(QStringLiteral("Vek149"), config("Vek149", 19));
    Pallador &w = s.w();
    const CFamilyBase &f = s.family();
    const auto *v = w.calvex->vek_149;
    if (multiplierOverride) {
        w.ui.checkPLL_M->click();
        w.ui.spinPLL_M->setValue(multiplierOverride);
    }
    w.ui.comboUseCase_A->setCurrentIndex(useCase);
    QCOMPARE(v->useCaseIndex, useCase);
    // Not only when the use case is loaded.
    w.ui.dSpinPLL_Target->setValue(w.pllTarget + 4.0);

    if (preset) {
        QCOMPARE(f.pll.pllN, 2);
        QCOMPARE(f.pll.pllM, m);
        QCOMPARE(f.pll.pllP, 10);
        QCOMPARE(f.pll.vcoClock, 24.0 / 2 * m);
    } else {
        QVERIFY(f.pll.pllN != 2 || f.pll.pllM != 68 || f.pll.pllP != 10);
    }
    QCOMPARE(reg(w, "PRE_PLL_CLK_DIV"), quint32(f.pll.pllN));
    QCOMPARE(reg(w, "PLL_MULTIPLIER"), quint32(f.pll.pllM));
    QCOMPARE(reg(w, "VT_PIX_CLK_DIV"), quint32(f.pll.pllP));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek141Vek145lVek147Vek149Vek155::focalPlanes_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<bool>("activateAll");
    QTest::addColumn<bool>("panel");
    QTest::addColumn<QList<int>>("options"); // of planes 0 to 3 (the others 0)
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<int>("count");
    const QList<int> options{0, 1, 2, 0};
    QTest::newRow("Rev1") << 0 << false << true << options << QList<int>{0, 2, 2, 0} << 14;
    QTest::newRow("Rev2") << 1 << false << true << options << QList<int>{0, 1, 2, 0} << 15;
    QTest::newRow("Rev2, all active") << 1 << true << true << options << QList<int>{0, 0, 0, 0} << 16;
    QTest::newRow("Rev1, panel closed again") << 0 << false << false << options << QList<int>{0, 2, 2, 0} << 16;
    QTest::newRow("options beyond the legend")
        << 1 << false << true << QList<int>{-1, 3, 0, 0} << QList<int>{0, 2, 0, 0} << 15;
}

// With the context-A panel open each plane's option becomes the library's
// power state (Rev1: 1 is power down) and the planes not powered down are
// counted (an option beyond the legend counts as its nearest end); the
// registers program those states. Closed again, the window's count stands,
// the states of the last open calculation stay in the record and every
// plane is programmed active.
void TestVek141Vek145lVek147Vek149Vek155::focalPlanes()
{
    QFETCH(int, revision);
    QFETCH(bool, activateAll);
    QFETCH(bool, panel);
    QFETCH(QList<int>, options);
    QFETCH(QList<int>, states);
    QFETCH(int, count);
    Session s(QStringLiteral("Vek145l"));
    Pallador &w = s.w();
    const CFamilyBase &f = s.family();
    w.revIndex = revision;
    w.activateAll = activateAll;
    w.ui.checkAdvParam_A->click();
    // The panel's first opening has put its boxes' options into the window;
    // the options are set past them, and the next calculation works with
    // the panel open.
    for (int i = 0; i < 4; ++i)
        w.fpOptions[i] = options[i];
    w.recalc(false);
    if (!panel)
        w.ui.checkAdvParam_A->click();

    for (int i = 0; i < 16; ++i)
        QCOMPARE(f.ctx[0].fpOptions[i], i < 4 ? states[i] : 0);
    QCOMPARE(f.ctx[0].scaleM, count);
    QCOMPARE(w.calvex->vek_145l->activateAll, panel && activateAll);
    QVERIFY(w.ui.textResult_A->toPlainText().contains(QStringLiteral("Focal planes read: %1 of 16").arg(count)));
    // Index 0 addresses every plane of a state some plane has, 0xFFFF none.
    const bool down = panel && states.contains(2), reduced = panel && states.contains(1);
    QCOMPARE(reg(w, "SERIAL_WRITE_INDEX_D"), down ? 0u : 0xFFFFu);
    QCOMPARE(reg(w, "SERIAL_WRITE_INDEX_S"), reduced ? 0u : 0xFFFFu);
    QCOMPARE(reg(w, "SERIAL_WRITE_INDEX_A"), 0u);
    QCOMPARE(s.responder.seen(), QStringList());
}

QTEST_MAIN(TestVek141Vek145lVek147Vek149Vek155)
#include "tst_vek141_vek145l_vek147_vek149_vek155.moc"
