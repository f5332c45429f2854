// Catalogue 67 and 68 (Vek_143, one context) driven through the window: the
// use-case preset sets the window's target clock, interface, lanes,
// column-correction rows and scale_m on every calculation, puts the
// interface and the 10-bit multiplier back into their widgets (one nested
// calculation at most), and every sample use case calculates cleanly on the
// interface its preset chose.
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

const QString kWhiteCombo = QStringLiteral("QComboBox { background-color: white; }");
const QString kWhiteDouble = QStringLiteral("QDoubleSpinBox { background-color: white; }");

// Frame rate, user blanking, input clock, target clock and VCO.
constexpr quint32 kCheckedBits = 0x1 | 0x2 | 0x4 | 0x100000 | 0x200000 | 0x400000;

const QStringList kCalculation{"PllUpdate()", "TimingUpdate(0, false, true)", "ResultsUpdate(0)", "RegisterUpdate(0)"};

struct Session : WindowSession {
    using WindowSession::WindowSession;
    // A Vek143 configuration with 13 small use cases (640 x 480 at 10
    // frames/s), three beyond the preset table.
    Session()
    {
        QByteArray text = "[General_Info]\nsensor_name = Vek143\n\n[UseCases]\n";
        for (int i = 0; i < 13; ++i) {
            const QByteArray n = QByteArray::number(i);
            text += n + "/name = Case " + n + "\n" + n + "/cols = 640\n" + n + "/rows = 480\n" + n + "/max_fps = 10\n" +
                    n + "/intg_time = 10\n";
        }
        text += "0/context_a_default = 1\n\n[MinMax_Defaults]\ndefault_input_clock = 24\n"
                "default_target_clock = 144\n";
        window.reset(new Pallador(install.writeConfig(QStringLiteral("Many.cfg"), text)));
    }
    Vek_143 &family() { return *window->calvex->vek_143; }
};

quint32 reg(const Pallador &w, const char *name)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].name == QLatin1String(name))
            return w.regs[i].value;
    }
    qWarning("no register %s", name);
    return 0xDEADBEEF;
}

QComboBox *panelCombo(Pallador &w, const char *name, const QStringList &items, int index)
{
    auto *combo = new QComboBox(&w);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    combo->setCurrentIndex(index);
    return combo;
}

void openPllPanel(Pallador &w)
{
    w.ui.checkPLL_ADV->setChecked(true);
    w.on_checkPLL_ADV_clicked();
}

} // namespace

class TestVek143 : public QObject {
    Q_OBJECT

private slots:
    void samplesEndToEnd_data();
    void samplesEndToEnd();
    void presetRows_data();
    void presetRows();
    void multiplierOf10Bits();
    void columnCorrectionRows_data();
    void columnCorrectionRows();
    void highSpeedColumnCorrection();
    void contextChangeRunsPllStep();
};

// ---------------------------------------------------------------------------
// Every sensor of the family.

void TestVek143::samplesEndToEnd_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::newRow("67 Vek143") << "Vek143" << 67;
    QTest::newRow("68 Vek144n") << "Vek144n" << 68;
}

// Each use case of the sample runs on its preset's target clock, interface
// and lanes, with no warning: on one or two lanes the line is made long
// enough for the link to send it. A use case that moves the interface
// recalculates once more from the interface list, and no further.
void TestVek143::samplesEndToEnd()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    Session s(sample);
    Pallador &w = s.w();
    Vek_143 &f = s.family();
    QCOMPARE(w.sensorIndex, index);
    QCOMPARE(w.ui.comboPLL_Interface->count(), 4);
    QCOMPARE(w.ui.comboPLL_Interface->currentText(), QStringLiteral("MIPI-4"));

    // The preset rows of the sample's six use cases.
    const double targets[] = {144.0, 144.0, 144.0, 144.0, 144.0, 122.4};
    const int interfaces[] = {3, 3, 0, 0, 0, 1};
    const int scales[] = {16, 16, 80, 40, 20, 27};
    QCOMPARE(w.ui.comboUseCase_A->count(), 6);
    for (int i = 0; i < 6; ++i) {
        const int before = w.interfaceIndex;
        const bool selected = w.ui.comboUseCase_A->currentIndex() == i;
        resetJournal(w);
        w.ui.comboUseCase_A->setCurrentIndex(i);
        const QByteArray what = sample.toLatin1() + " use case " + QByteArray::number(i);
        QVERIFY2(calculations(w) == (selected ? 0 : before == interfaces[i] ? 1 : 2), what);
        QCOMPARE(f.pll.targetClock, targets[i]);
        QCOMPARE(f.pll.outputClock, targets[i]);
        QCOMPARE(w.interfaceIndex, interfaces[i]);
        QCOMPARE(w.ui.comboPLL_Interface->currentIndex(), interfaces[i]);
        QCOMPARE(f.ctx[0].interfaceIndex, interfaces[i]);
        QCOMPARE(w.lanes, interfaces[i] + 1);
        QCOMPARE(f.pll.lanes, interfaces[i] + 1);
        QCOMPARE(f.linkLanes(), interfaces[i] + 1);
        QCOMPARE(f.ctx[0].scaleM, scales[i]);
        QCOMPARE(reg(w, "SCALE_M"), quint32(scales[i]));
        QCOMPARE(f.ctx[0].ccRows, 16);
        QVERIFY2((w.warnings[0] & kCheckedBits) == 0, what + " " + QByteArray::number(w.warnings[0], 16));
        QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
        QCOMPARE(w.ui.dSpinPLL_Target->styleSheet(), kWhiteDouble);
        // The lanes send a line's output within the line.
        const double lineUs = f.timing(0).lineLength / f.pll.pixelClock;
        QVERIFY2(f.timing(0).outCols * f.linkBits() <= f.pll.serialClock * f.linkLanes() * lineUs + 1e-6, what);
        QVERIFY2(f.linkLoad() <= f.pll.serialClock + 1e-6, what);
        QCOMPARE(reg(w, "LINE_LENGTH_PCK"), quint32(f.timing(0).lineLength));
    }
    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(25.0);
    QCOMPARE(journal(w), kCalculation + QStringList{"RegisterUpdate(0)"});
    QCOMPARE(f.pll.inputClock, 25.0);
    QCOMPARE(w.resInputClock, 25.0);
    QCOMPARE(w.resSerialClock, f.pll.vcoClock);
    QCOMPARE(w.ui.spinPLL_N->value(), f.pll.pllN);
    QCOMPARE(reg(w, "PRE_PLL_CLK_DIV"), quint32(f.pll.pllN));
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// The preset table.

void TestVek143::presetRows_data()
{
    QTest::addColumn<int>("useCase");
    QTest::addColumn<double>("target");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("scaleM");
    QTest::addColumn<int>("presetPllM");
    QTest::newRow("row 5") << 5 << 122.4 << 1 << 27 << 51;
    QTest::newRow("row 7") << 7 << 127.2 << 1 << 20 << 53;
    QTest::newRow("row 8") << 8 << 84.0 << 0 << 20 << 35;
    QTest::newRow("row 9") << 9 << 148.8 << 0 << 40 << 62;
    // Beyond the table: the target typed and the interface chosen count; the
    // scale and the multiplier are those the last row left.
    QTest::newRow("use case 12") << 12 << 100.0 << 2 << 40 << 62;
}

// The row writes the window's settings on every calculation, which the
// family receives whatever the user then types as the target or picks as
// the interface; the target box itself is not rewritten.
void TestVek143::presetRows()
{
    QFETCH(int, useCase);
    QFETCH(double, target);
    QFETCH(int, interfaceIndex);
    QFETCH(int, scaleM);
    QFETCH(int, presetPllM);
    Session s;
    Pallador &w = s.w();
    Vek_143 &f = s.family();
    w.ui.comboUseCase_A->setCurrentIndex(9);
    w.ui.comboUseCase_A->setCurrentIndex(useCase);
    resetJournal(w);
    w.ui.comboPLL_Interface->setCurrentIndex(2);
    QVERIFY(calculations(w) <= 2);
    w.ui.dSpinPLL_Target->setValue(100.0);

    QCOMPARE(w.presetUseCase, useCase);
    QCOMPARE(w.pllTarget, target);
    QCOMPARE(f.pll.targetClock, target);
    QCOMPARE(w.ui.dSpinPLL_Target->value(), 100.0);
    QCOMPARE(w.ui.comboPLL_Interface->currentIndex(), interfaceIndex);
    QCOMPARE(f.ctx[0].interfaceIndex, interfaceIndex);
    QCOMPARE(f.pll.lanes, interfaceIndex + 1);
    QCOMPARE(w.scaleM[0], scaleM);
    QCOMPARE(f.ctx[0].scaleM, scaleM);
    QCOMPARE(w.presetPllM, presetPllM);
    QCOMPARE(s.responder.seen(), QStringList());
}

// With the multiplier override ticked and 10-bit output from an earlier
// calculation, the multiplier is the preset's and the spin box shows it;
// other output bits take the user's multiplier.
void TestVek143::multiplierOf10Bits()
{
    Session s;
    Pallador &w = s.w();
    Vek_143 &f = s.family();
    w.ui.comboUseCase_A->setCurrentIndex(8);
    w.comboPLL_Bits = panelCombo(w, "comboPLL_Bits", {"6", "8", "10", "12"}, 2);
    openPllPanel(w);
    w.recalc(true);
    QCOMPARE(w.opBits, 10);
    QCOMPARE(f.pll.pllOpDivider, 10);

    w.ui.spinPLL_M->setValue(70);
    resetJournal(w);
    w.ui.checkPLL_M->click();
    QVERIFY(calculations(w) <= 2);
    QCOMPARE(f.pll.pllM, 35);
    QCOMPARE(w.ui.spinPLL_M->value(), 35);
    QCOMPARE(reg(w, "PLL_MULTIPLIER"), 35u);

    w.comboPLL_Bits->setCurrentIndex(1);
    w.recalc(true);
    QCOMPARE(w.opBits, 8);
    w.ui.spinPLL_M->setValue(70);
    QCOMPARE(f.pll.pllM, 70);
    QCOMPARE(w.ui.spinPLL_M->value(), 70);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestVek143::columnCorrectionRows_data()
{
    QTest::addColumn<int>("ccRow");
    QTest::addColumn<int>("ccRows");
    QTest::newRow("16") << 0 << 16;
    QTest::newRow("64") << 2 << 64;
    QTest::newRow("128") << 3 << 128;
    QTest::newRow("no entry") << -1 << 8;
}

// Beyond the table the window's CC-row setting reaches the family as
// 16 x 2 to its power; a preset row sets it back to 16 rows.
void TestVek143::columnCorrectionRows()
{
    QFETCH(int, ccRow);
    QFETCH(int, ccRows);
    Session s;
    Pallador &w = s.w();
    Vek_143 &f = s.family();
    w.ui.comboUseCase_A->setCurrentIndex(12);
    w.ccRow[0] = ccRow;
    w.recalc(false);
    QCOMPARE(f.ctx[0].ccRows, ccRows);
    w.ui.comboUseCase_A->setCurrentIndex(3);
    QCOMPARE(w.ccRow[0], 0);
    QCOMPARE(f.ctx[0].ccRows, 16);
}

// High-speed read-out with both panels in use sets the CC-row list of the
// context-A panel to its first entry.
void TestVek143::highSpeedColumnCorrection()
{
    Session s;
    Pallador &w = s.w();
    Vek_143 &f = s.family();
    w.comboCCRow[0] = panelCombo(w, "comboCCRow", {"16", "32", "64", "128"}, 2);
    w.highSpeed[0] = true;
    openPllPanel(w);
    w.recalc(true);
    QCOMPARE(w.comboCCRow[0]->currentIndex(), 2);
    QVERIFY(f.pll.highSpeed);

    w.ui.checkAdvParam_A->click();
    // The panel's first opening calculates nothing; the next calculation
    // works with the panel open.
    w.recalc(false);
    QVERIFY(f.advParamOn);
    QCOMPARE(w.comboCCRow[0]->currentIndex(), 0);
}

// The family has no PLL-only branch: a change of one context's setting runs
// the PLL step as well.
void TestVek143::contextChangeRunsPllStep()
{
    Session s(QStringLiteral("Vek143"));
    Pallador &w = s.w();
    resetJournal(w);
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("20"));
    QCOMPARE(journal(w), kCalculation + QStringList{"RegisterUpdate(0)"});
    QCOMPARE(s.family().ctx[0].maxFps, 20.0);
}

QTEST_MAIN(TestVek143)
#include "tst_vek143.moc"
