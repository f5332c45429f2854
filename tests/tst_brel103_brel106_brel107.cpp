// Catalogue 25 and 32 to 36 (Brel_103, Brel_106, Brel_107, one context each)
// driven through the window: each sample loads and calculates context A with
// the family's plain PLL step, the set-up offers the family's interfaces, the
// advanced PLL panel's op pixel and VT dividers reach the registers only
// while it is open, and Brel_106 locks its PLL overrides.
#include "calvex.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

const QString kRedCombo = QStringLiteral("QComboBox { background-color: red; }");
const QString kWhiteCombo = QStringLiteral("QComboBox { background-color: white; }");

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

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

// The op pixel divider list of the advanced PLL panel.
QComboBox *opDividerList(Pallador &w, const QStringList &dividers, int index)
{
    auto *combo = new QComboBox(&w);
    combo->setObjectName(QStringLiteral("comboPLL_OpBits"));
    combo->addItems(dividers);
    combo->setCurrentIndex(index);
    return combo;
}

} // namespace

class TestBrel103Brel106Brel107 : public QObject {
    Q_OBJECT

private slots:
    void samplesEndToEnd_data();
    void samplesEndToEnd();
    void setUp_data();
    void setUp();
    void useCaseWithoutRate_data();
    void useCaseWithoutRate();
    void opDividerPanel_data();
    void opDividerPanel();
    void brel106LockedPll();
};

// ---------------------------------------------------------------------------
// Every sensor of the group.

void TestBrel103Brel106Brel107::samplesEndToEnd_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("preDivider"); // the register holding N
    QTest::addColumn<quint32>("mask");       // N's bits in it
    QTest::newRow("25 Sarn109") << "Sarn109" << 25 << "PRE_PLL_CLK_DIV" << 0xFFFFu;
    QTest::newRow("32 Sarn115") << "Sarn115" << 32 << "PLL Config1" << 0xFFu;
    QTest::newRow("33 Sarn114vw+") << "Sarn114vw" << 33 << "PLL Config1" << 0xFFu;
    QTest::newRow("34 Sarn117") << "Sarn117" << 34 << "PRE_PLL_CLK_DIV" << 0xFFFFu;
    QTest::newRow("35 Sarn118") << "Sarn118" << 35 << "PRE_PLL_CLK_DIV" << 0xFFFFu;
    QTest::newRow("36 Sarn119") << "Sarn119" << 36 << "PRE_PLL_CLK_DIV" << 0xFFFFu;
}

// A PLL-level change calculates context A once, whatever context the window
// held; a typed frame rate reaches the record and an unreachable one turns
// the box red; the registers program the PLL the library chose.
void TestBrel103Brel106Brel107::samplesEndToEnd()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    QFETCH(QString, preDivider);
    QFETCH(quint32, mask);
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
    QCOMPARE(f.pll.vcoRequest, -1.0);
    QCOMPARE(w.ui.textResult_B->toPlainText(), QStringLiteral("kept"));
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    QCOMPARE(reg(w, qPrintable(preDivider)) & mask, quint32(f.pll.pllN));
    QCOMPARE(w.resN, f.pll.pllN);
    QCOMPARE(w.resM, f.pll.pllM);
    QCOMPARE(w.resP, f.pll.pllP);
    QCOMPARE(w.ui.spinPLL_M->value(), w.resM);

    // Half the use case's rate is within every family's frame length.
    const double half = w.maxFps[0] / 2.0;
    w.ui.comboMaxFRate_A->setEditText(QString::number(half));
    QCOMPARE(f.ctx[0].maxFps, half);
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("500"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kRedCombo);
    QCOMPARE(w.warnings[0] & 0x1u, 0x1u);

    // User vertical blanking reaches the record and the frame.
    w.ui.comboMaxFRate_A->setEditText(QString::number(half));
    w.ui.comboTypeBlank_A->setCurrentIndex(2);
    w.ui.spinUserBlank_A->setValue(300);
    QCOMPARE(f.ctx[0].blankType, 2);
    QCOMPARE(f.ctx[0].userVBlank, 300);
    QCOMPARE(f.timing(0).vBlank, 300);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestBrel103Brel106Brel107::setUp_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QStringList>("interfaces");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<bool>("pllUnlocked"); // the override and interface boxes usable
    QTest::newRow("Brel_103") << "Sarn109" << QStringList{"CCP", "MIPI"} << 1 << true;
    QTest::newRow("Brel_106") << "Sarn115" << QStringList{"Parallel", "MIPI"} << 0 << false;
    QTest::newRow("Brel_107") << "Sarn118" << QStringList{"Parallel", "MIPI-1", "MIPI-2"} << 2 << true;
}

// The set-up offers one frame-rate type with use case 0's rate, the
// family's interfaces with its default chosen (each once, also after the
// set-up runs again), and Brel_106 no PLL overrides or interface choice.
void TestBrel103Brel106Brel107::setUp()
{
    QFETCH(QString, sample);
    QFETCH(QStringList, interfaces);
    QFETCH(int, interfaceIndex);
    QFETCH(bool, pllUnlocked);
    Session s(sample);
    Pallador &w = s.w();
    const CFamilyBase &f = s.family();

    for (int run = 0; run < 2; ++run) {
        QCOMPARE(items(w.ui.comboPLL_Interface), interfaces);
        QCOMPARE(w.ui.comboPLL_Interface->currentIndex(), interfaceIndex);
        QCOMPARE(w.interfaceIndex, interfaceIndex);
        QCOMPARE(items(w.ui.comboTypeFRate_A), QStringList{"Frame Rate"});
        QVERIFY(w.ui.dSpinMinFRate_A->isHidden());
        QVERIFY(w.ui.labelMinFPS_A->isHidden());
        QCOMPARE(w.maxFps[0], w.dataIO->useCases[0].maxFps);
        QCOMPARE(w.ui.comboMaxFRate_A->currentText(), QStringLiteral("%1").arg(w.maxFps[0], 0, 'g', 6));
        QCOMPARE(f.ctx[0].maxFps, w.maxFps[0]);
        QCOMPARE(w.ui.comboTypeBlank_A->currentIndex(), w.blankType[0]);
        QCOMPARE(w.pllTargetOp, f.defaults.defaultTargetClock2);
        for (QWidget *box : std::initializer_list<QWidget *>{w.ui.checkPLL_M, w.ui.checkPLL_N, w.ui.checkPLL_VCO,
                                                             w.ui.comboPLL_Interface, w.ui.checkPLL_ADV})
            QCOMPARE(box->isEnabled(), pllUnlocked);
        w.initContext(0);
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestBrel103Brel106Brel107::useCaseWithoutRate_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::newRow("Brel_103") << "Sarn109";
    QTest::newRow("Brel_106") << "Sarn115";
    QTest::newRow("Brel_107") << "Sarn119";
}

// A first use case without a frame rate starts the context at the family's
// default rate, which the rate box shows.
void TestBrel103Brel106Brel107::useCaseWithoutRate()
{
    QFETCH(QString, sensor);
    Session s(sensor + QStringLiteral(".cfg"), "[General_Info]\nsensor_name = " + sensor.toLatin1() +
                                                   "\n[UseCases]\n0/name = No rate\n0/cols = 640\n0/rows = 480\n"
                                                   "0/max_fps = 0\n0/context_a_default = 1\n"
                                                   "[MinMax_Defaults]\ndefault_max_fps = 12.5\n");
    Pallador &w = s.w();
    QCOMPARE(w.maxFps[0], 12.5);
    QCOMPARE(w.ui.comboMaxFRate_A->currentText(), QStringLiteral("12.5"));
    QCOMPARE(s.family().ctx[0].maxFps, 12.5);
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Family rules.

void TestBrel103Brel106Brel107::opDividerPanel_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QStringList>("dividers"); // the panel's list, empty: the panel has none
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("opBits"); // the window's afterwards
    QTest::newRow("Brel_103, 10") << "Sarn109" << QStringList{"8", "10"} << 1 << 10;
    QTest::newRow("Brel_103, 8") << "Sarn109" << QStringList{"8", "10"} << 0 << 8;
    QTest::newRow("Brel_107, 12") << "Sarn117" << QStringList{"8", "10", "12"} << 2 << 12;
    QTest::newRow("Brel_107, 8") << "Sarn119" << QStringList{"8", "10", "12"} << 0 << 8;
    QTest::newRow("panel without the list") << "Sarn117" << QStringList() << -1 << -1;
}

// While the advanced PLL panel is open the op pixel divider (8 + 2 x the
// list position, kept by the window) and the VT divider go to the library
// and the registers; closed, both are the library's choice again.
void TestBrel103Brel106Brel107::opDividerPanel()
{
    QFETCH(QString, sample);
    QFETCH(QStringList, dividers);
    QFETCH(int, index);
    QFETCH(int, opBits);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    const quint32 freeOpDivider = reg(w, "OP_PIX_CLK_DIV");
    const quint32 freeVtDivider = reg(w, "VT_PIX_CLK_DIV");
    QCOMPARE(freeOpDivider, quint32(f.pll.pllOpDivider));
    QVERIFY(freeVtDivider != 6);
    // The panel's own list and VT box store their values as it opens; this
    // test's list (or none) and VT request then stand in for them.
    w.ui.checkPLL_ADV->click();
    w.opBits = -1;
    w.comboPLL_Bits = dividers.isEmpty() ? nullptr : opDividerList(w, dividers, index);
    w.vtDiv = 6;
    w.ui.dSpinPLL_Input->setValue(w.pllInput + 1.0);

    QCOMPARE(w.opBits, opBits);
    QCOMPARE(f.pll.pllOpDivider, opBits > 0 ? opBits : int(freeOpDivider));
    QCOMPARE(reg(w, "OP_PIX_CLK_DIV"), quint32(f.pll.pllOpDivider));
    QCOMPARE(f.pll.pllP, 6);
    QCOMPARE(reg(w, "VT_PIX_CLK_DIV"), 6u);
    QVERIFY(w.ui.textResult_PLL->toPlainText().contains(QStringLiteral("Bits per pixel: %1").arg(f.pll.pllOpDivider)));

    w.ui.checkPLL_ADV->click();
    w.ui.dSpinPLL_Input->setValue(w.pllInput - 1.0);
    QCOMPARE(w.opBits, opBits);
    QCOMPARE(reg(w, "OP_PIX_CLK_DIV"), freeOpDivider);
    QCOMPARE(reg(w, "VT_PIX_CLK_DIV"), freeVtDivider);
    QCOMPARE(s.responder.seen(), QStringList());
}

// Brel_106 has no PLL overrides, interface or advanced PLL options to offer:
// the boxes are locked, yet an override that stands ticked still applies,
// also to the family object at set-up; panel settings never reach it. Its
// own settings (centring, shutter delay) reach the registers.
void TestBrel103Brel106Brel107::brel106LockedPll()
{
    Session s(QStringLiteral("Sarn115"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.ui.checkPLL_N->click();
    QVERIFY(!w.ui.checkPLL_N->isChecked());

    // Ticked by a program, the box applies.
    w.ui.checkPLL_N->setChecked(true);
    w.ui.spinPLL_N->setValue(3);
    QCOMPARE(f.pll.pllN, 3);
    QCOMPARE(reg(w, "PLL Config1") & 0xFFu, 3u);
    QCOMPARE(reg(w, "PLL Config1") >> 8, quint32(f.pll.pllM));

    // The set-up itself writes a ticked override into the family object.
    w.busy = true;
    f.pll.pllN = -1;
    w.pllN = 4;
    w.initContext(0);
    QCOMPARE(f.pll.pllN, 4);
    w.busy = false;

    // Panel settings do not reach it; its own options do.
    w.ui.checkPLL_ADV->setChecked(true);
    w.comboPLL_Bits = opDividerList(w, {"8", "10"}, 0);
    w.vtDiv = 6;
    w.opBits = -1;
    w.sMode[0] = 5;
    w.centering[0] = 1;
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("10"));
    QCOMPARE(w.opBits, -1);
    QCOMPARE(f.pll.pllOpDivider, -1);
    QVERIFY(f.pll.pllP != 6);
    QCOMPARE(f.ctx[0].sMode, 5);
    QCOMPARE(f.ctx[0].centering, 1);
    QCOMPARE(reg(w, "Shutter Delay"), 5u);
    QCOMPARE(reg(w, "PLL Config2"), quint32((f.pll.pllP1 - 1) << 8 | (f.pll.pllP - 1)));
    QCOMPARE(s.responder.seen(), QStringList());
}

QTEST_MAIN(TestBrel103Brel106Brel107)
#include "tst_brel103_brel106_brel107.moc"
