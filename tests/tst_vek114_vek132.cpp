// Catalogue 94 to 98 driven through the window: Vek_114 (94) calculates with
// its own integration time (21.0 ms in HDR mode 1, 8.6 ms otherwise) behind
// its interface set-up and named PLL step, and shows the time in the
// context-A panel's box without recalculating; Vek_132 (95-98) takes its
// lanes from the interface list, a line-length preset from the first three
// use cases and its op divider and output bits from the advanced PLL panel.
#include "calvex.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"
#include "usecasepresets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

const QString kWhiteCombo = QStringLiteral("QComboBox { background-color: white; }");
const QString kWhiteDouble = QStringLiteral("QDoubleSpinBox { background-color: white; }");
const QString kRedSecondVco = QStringLiteral("background-color: red;");
const QString kWhiteSecondVco = QStringLiteral("background-color: white;");

// Frame rate, user blanking, input clock, target clock, VCO and second VCO.
constexpr quint32 kCheckedBits = 0x1 | 0x2 | 0x4 | 0x100000 | 0x200000 | 0x400000 | 0x800000;

const QStringList kVek132Calculation{"PllUpdate()", "TimingUpdate(0, false, true)", "ResultsUpdate(0)",
                                     "RegisterUpdate(0)"};

struct Session : WindowSession {
    using WindowSession::WindowSession;
    // A configuration of the sensor with small use cases (640 x 480 at
    // 10 frames/s); use case 0 runs at fps0.
    Session(const char *sensor, int useCases, const QByteArray &fps0 = "10")
    {
        QByteArray text = "[General_Info]\nsensor_name = " + QByteArray(sensor) + "\n\n[UseCases]\n";
        for (int i = 0; i < useCases; ++i) {
            const QByteArray n = QByteArray::number(i);
            text += n + "/name = Case " + n + "\n" + n + "/cols = 640\n" + n + "/rows = 480\n" + n +
                    "/max_fps = " + (i == 0 ? fps0 : QByteArray("10")) + "\n" + n + "/intg_time = 10\n";
        }
        text += "0/context_a_default = 1\n";
        open(install.writeConfig(QStringLiteral("Small.cfg"), text));
    }
    CFamilyBase &family() { return *dynamic_cast<CFamilyBase *>(window->calvex->family()); }
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

// The integration-time box of the context-A panel, connected as the panel
// connects it.
QDoubleSpinBox *intgTimeBox(Pallador &w)
{
    auto *box = new QDoubleSpinBox(&w);
    box->setObjectName(QStringLiteral("dSpinIntgTime"));
    box->setRange(0.0, 1000.0);
    box->setDecimals(3);
    QObject::connect(box, SIGNAL(valueChanged(double)), &w, SLOT(dSpinIntgTime_valueChanged(double)));
    w.dSpinIntgTime[0] = box;
    return box;
}

void openPllPanel(Pallador &w)
{
    w.ui.checkPLL_ADV->setChecked(true);
    w.on_checkPLL_ADV_clicked();
}

} // namespace

class TestVek114Vek132 : public QObject {
    Q_OBJECT

private slots:
    void samplesEndToEnd_data();
    void samplesEndToEnd();
    void vek114SetUp();
    void vek114IntegrationTime_data();
    void vek114IntegrationTime();
    void vek114PanelIntegrationTime();
    void vek114Inputs();
    void vek132Lanes_data();
    void vek132Lanes();
    void vek132UseCasePreset_data();
    void vek132UseCasePreset();
    void vek132Panel_data();
    void vek132Panel();
    void vek132Multiplier();
    void vek132HighSpeedAndScaler();
    void vek132SecondVcoColour();
    void vek132PanelBitDepthAsShown();
};

// ---------------------------------------------------------------------------
// Every sensor of the group.

void TestVek114Vek132::samplesEndToEnd_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("calculation"); // a PLL-level change, before the register refresh
    QTest::addColumn<QString>("frameRegister");
    const QStringList vek114{"SetInterface(4, 12)", "CalculatePLL(0)", "UseCaseTiming(0, false, true)",
                             "ResultsUpdate(0)", "RegisterUpdate(0)"};
    QTest::newRow("94 Vek114d") << "Vek114d" << 94 << vek114 << "FRAME_LENGTH_LINES";
    QTest::newRow("95 Vek132") << "Vek132" << 95 << kVek132Calculation << "FRAME_LENGTH_LINE";
    QTest::newRow("96 Vek133") << "Vek133" << 96 << kVek132Calculation << "FRAME_LENGTH_LINE";
    QTest::newRow("97 Vek134t") << "Vek134t" << 97 << kVek132Calculation << "FRAME_LENGTH_LINE";
    QTest::newRow("98 Vek134s") << "Vek134s" << 98 << kVek132Calculation << "FRAME_LENGTH_LINE";
}

// A change of the input clock calculates context A once in the family's
// order; each use case of the sample calculates once, reaches its frame rate
// without a warning colour, and the register table shows the library's
// lengths and dividers.
void TestVek114Vek132::samplesEndToEnd()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    QFETCH(QStringList, calculation);
    QFETCH(QString, frameRegister);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.sensorIndex, index);
    QCOMPARE(w.contextCount, 1);
    QCOMPARE(w.currentContext, 0);

    const double input = w.pllInput;
    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(input + 1.0);
    QCOMPARE(journal(w), calculation + QStringList{"RegisterUpdate(0)"});
    QCOMPARE(f.pll.inputClock, input + 1.0);
    QCOMPARE(w.resInputClock, input + 1.0);
    QCOMPARE(w.resN, f.pll.pllN);
    QCOMPARE(w.ui.spinPLL_M->value(), f.pll.pllM);
    QCOMPARE(reg(w, "PRE_PLL_CLK_DIV"), quint32(f.pll.pllN));
    QCOMPARE(reg(w, "PLL_MULTIPLIER"), quint32(f.pll.pllM));
    w.ui.dSpinPLL_Input->setValue(input);

    for (int i = 0; i < w.ui.comboUseCase_A->count(); ++i) {
        const bool selected = w.ui.comboUseCase_A->currentIndex() == i;
        resetJournal(w);
        w.ui.comboUseCase_A->setCurrentIndex(i);
        const QByteArray what = sample.toLatin1() + " use case " + QByteArray::number(i);
        QVERIFY2(calculations(w) == (selected ? 0 : 1), what);
        QCOMPARE(f.ctx[0].cols, w.cols[0]);
        QCOMPARE(f.ctx[0].rows, w.rows[0]);
        QVERIFY2((w.warnings[0] & kCheckedBits) == 0, what + " " + QByteArray::number(w.warnings[0], 16));
        QVERIFY2(qAbs(f.timing(0).fps - w.maxFps[0]) <= w.maxFps[0] * 1e-3, what);
        QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
        QCOMPARE(w.ui.dSpinPLL_Target->styleSheet(), kWhiteDouble);
        QCOMPARE(w.ui.dSpinPLL_VCO->styleSheet(), kWhiteDouble);
        QCOMPARE(reg(w, "LINE_LENGTH_PCK"), quint32(f.timing(0).lineLength));
        QCOMPARE(reg(w, frameRegister.toLatin1().constData()), quint32(f.timing(0).frameLength));
        QCOMPARE(reg(w, "COARSE_INTEGRATION_TIME"), quint32(f.timing(0).intgRows));
    }
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    QVERIFY(w.ui.textResult_PLL->toPlainText().startsWith(f.results.pllDisplayText));
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Vek_114.

// The set-up stores the family's interface, link and HDR starting values,
// gives a use case 0 without a frame rate the family's (in the reader's
// record too), hides the interface list and shows the register list.
void TestVek114Vek132::vek114SetUp()
{
    Session s("Vek114d", 2, "0");
    Pallador &w = s.w();
    const CFamilyDefaults &d = s.family().defaults;
    QVERIFY(d.defaultMaxFps > 0.0);
    QCOMPARE(w.dataIO->useCases[0].maxFps, d.defaultMaxFps);
    QCOMPARE(w.maxFps[0], d.defaultMaxFps);
    QCOMPARE(s.family().ctx[0].maxFps, d.defaultMaxFps);
    QCOMPARE(w.ui.comboMaxFRate_A->currentText(), QString::number(d.defaultMaxFps, 'g', 6));
    QCOMPARE(w.interfaceIndex, 0);
    QCOMPARE(w.lanes, 4);
    QCOMPARE(w.opBits, 12);
    QCOMPARE(w.embedDataRows[0], 1);
    QCOMPARE(w.statsDataRows[0], 1);
    QCOMPARE(w.lineInterleave[0], 1);
    QCOMPARE(w.t1T2Ratio[0], 2);
    QCOMPARE(w.t2T3Ratio[0], 2);
    QCOMPARE(w.t2ExpRows[0], 15);
    QCOMPARE(w.t3ExpRows[0], 10);
    QCOMPARE(w.numExposures[0], 2);
    QVERIFY(w.ui.comboPLL_Interface->isHidden());
    QVERIFY(w.ui.checkRegList->isChecked());
    QVERIFY(!w.ui.tableRegister->isHidden());
    QCOMPARE(w.ui.comboMaxFRate_A->count(), s.family().results.frameRateChoices.size());
}

void TestVek114Vek132::vek114IntegrationTime_data()
{
    QTest::addColumn<int>("hdrMode");
    QTest::addColumn<double>("windowTime"); // the window's own integration time
    QTest::addColumn<double>("given");
    QTest::newRow("linear") << 0 << 30.0 << 8.6;
    QTest::newRow("HDR mode 1") << 1 << 30.0 << 21.0;
    QTest::newRow("HDR mode 2") << 2 << 2.0 << 8.6;
}

// The library is given the family's time by HDR mode, whatever the window's
// integration time; it reports the time of the whole rows it used, which the
// coarse integration register programs.
void TestVek114Vek132::vek114IntegrationTime()
{
    QFETCH(int, hdrMode);
    QFETCH(double, windowTime);
    QFETCH(double, given);
    Session s("Vek114d");
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    // As the panel's operation-mode list and integration box store them.
    w.hdrMode[0] = hdrMode;
    w.intgTime[0] = windowTime;
    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(w.pllInput + 1.0);
    QVERIFY(journal(w).contains(QStringLiteral("UseCaseTiming(0, false, true)")));
    const calvex::TimingResult &t = f.timing(0);
    QCOMPARE(f.ctx[0].hdrMode, hdrMode);
    QVERIFY(t.rowTimeUs > 0.0);
    QVERIFY2(qAbs(f.ctx[0].intgTime - given) <= t.rowTimeUs * 1e-3, qPrintable(QString::number(f.ctx[0].intgTime)));
    QCOMPARE(f.ctx[0].intgTime, t.intgTimeMs);
    QCOMPARE(reg(w, "COARSE_INTEGRATION_TIME"), quint32(t.intgRows));
    QCOMPARE(w.intgTime[0], windowTime);
}

// With the context-A panel in use the timing is the family's full timing
// step; the panel's box shows the time the library used, and writing it
// starts no calculation of its own, however often the time is rounded to
// rows. A time the user types is replaced by the family's again.
void TestVek114Vek132::vek114PanelIntegrationTime()
{
    Session s("Vek114d");
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QDoubleSpinBox *box = intgTimeBox(w);
    const double windowTime = w.intgTime[0];

    // The context-A panel in use (its box ticked), then a PLL change.
    w.ui.checkAdvParam_A->setChecked(true);
    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(w.pllInput + 1.0);
    QCOMPARE(calculations(w), 1);
    QVERIFY(journal(w).contains(QStringLiteral("TimingUpdate(0, false, true)")));
    QVERIFY(!journal(w).contains(QStringLiteral("UseCaseTiming(0, false, true)")));
    const double used = f.ctx[0].intgTime;
    QVERIFY(used != 8.6); // whole rows
    QVERIFY(qAbs(used - 8.6) <= f.timing(0).rowTimeUs * 1e-3);
    QCOMPARE(box->value(), QString::number(used, 'f', 3).toDouble());
    QCOMPARE(w.intgTime[0], windowTime);

    // The user types a time: its slot calculates once, with the family's.
    resetJournal(w);
    box->setValue(40.0);
    QCOMPARE(calculations(w), 1);
    QCOMPARE(w.intgTime[0], 40.0);
    QCOMPARE(f.ctx[0].intgTime, used);
    QCOMPARE(box->value(), QString::number(used, 'f', 3).toDouble());

    w.hdrMode[0] = 1;
    resetJournal(w);
    w.recalc(false);
    QCOMPARE(calculations(w), 1);
    QVERIFY(qAbs(f.ctx[0].intgTime - 21.0) <= f.timing(0).rowTimeUs * 1e-3);
    QCOMPARE(box->value(), QString::number(f.ctx[0].intgTime, 'f', 3).toDouble());
    QCOMPARE(s.responder.seen(), QStringList());
}

// The link as the window holds it goes to the interface set-up with the
// advanced PLL panel closed; the exposure settings reach the context record
// (the count plus one, the rows as doubles) and the family's ratios.
void TestVek114Vek132::vek114Inputs()
{
    Session s("Vek114d");
    Pallador &w = s.w();
    auto &f = *w.calvex->vek_114;
    QVERIFY(!w.ui.checkPLL_ADV->isChecked());
    // As the panels' slots store them.
    w.interfaceIndex = 2;
    w.lanes = 2;
    w.opBits = 10;
    w.mipiCont = true;
    w.numExposures[0] = 2;
    w.t2ExpRows[0] = 33;
    w.t3ExpRows[0] = 7;
    w.useReg = true;
    w.t1T2Ratio[0] = 3;
    w.t2T3Ratio[0] = 1;
    w.skipping[0] = 2;
    w.ui.checkPLL_N->click();
    resetJournal(w);
    w.ui.spinPLL_N->setValue(3);
    QCOMPARE(journal(w).mid(0, 2), (QStringList{"SetInterface(2, 10)", "CalculatePLL(2)"}));
    QCOMPARE(f.linkLanes(), 2);
    QCOMPARE(f.linkBits(), 10);
    QVERIFY(f.pll.mipiCont);
    QCOMPARE(f.pll.pllN, 3);
    QCOMPARE(reg(w, "PRE_PLL_CLK_DIV"), 3u);
    const CContextParams &r = f.ctx[0];
    QCOMPARE(r.numExposures, 3);
    QCOMPARE(r.t2ExpRows, 33.0);
    QCOMPARE(r.t3ExpRows, 7.0);
    QVERIFY(r.useReg);
    QCOMPARE(f.t1T2Ratio, 3);
    QCOMPARE(f.t2T3Ratio, 1);
    QCOMPARE(r.skipping, 0); // not passed
    QCOMPARE(r.interfaceIndex, 2);
    QCOMPARE(f.pll.targetClock2, w.pllTargetOp);
}

// ---------------------------------------------------------------------------
// Vek_132.

void TestVek114Vek132::vek132Lanes_data()
{
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("lanes");
    QTest::newRow("MIPI-2") << 0 << 2;
    QTest::newRow("MIPI-3") << 1 << 3;
    QTest::newRow("MIPI-4") << 2 << 4;
    QTest::newRow("index 3 keeps") << 3 << 7;
}

// The lane count follows the position in the interface list; a position the
// rule does not know keeps the window's count.
void TestVek114Vek132::vek132Lanes()
{
    QFETCH(int, interfaceIndex);
    QFETCH(int, lanes);
    Session s("Vek132");
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.ui.comboPLL_Interface->count(), 3);
    QCOMPARE(w.ui.comboPLL_Interface->itemText(0), QStringLiteral("MIPI-2"));
    QCOMPARE(w.ui.comboPLL_Interface->currentText(), QStringLiteral("MIPI-4"));
    w.lanes = 7;
    if (interfaceIndex < w.ui.comboPLL_Interface->count()) {
        w.ui.comboPLL_Interface->setCurrentIndex(interfaceIndex == 2 ? 0 : 2);
        w.lanes = 7;
        w.ui.comboPLL_Interface->setCurrentIndex(interfaceIndex);
    } else {
        w.interfaceIndex = interfaceIndex;
        w.recalc(true);
    }
    QCOMPARE(f.ctx[0].interfaceIndex, interfaceIndex);
    QCOMPARE(w.lanes, lanes);
    QCOMPARE(f.pll.lanes, lanes);
    if (interfaceIndex < 3)
        QCOMPARE(f.linkLanes(), lanes);
}

void TestVek114Vek132::vek132UseCasePreset_data()
{
    QTest::addColumn<QList<int>>("useCases"); // chosen in this order
    QTest::addColumn<int>("preset");
    QTest::newRow("use case 0") << QList<int>{1, 0} << 3525;
    QTest::newRow("use case 1") << QList<int>{1} << 1763;
    QTest::newRow("use case 2") << QList<int>{2} << 1761;
    QTest::newRow("1, then 4 keeps it") << QList<int>{1, 4} << 1763;
    QTest::newRow("2, then 5 keeps it") << QList<int>{2, 5} << 1761;
}

// The use case selected in context A's list gives the line-length preset;
// one beyond the table keeps the last. The line programmed is the preset's
// (the register counts pairs of clocks).
void TestVek114Vek132::vek132UseCasePreset()
{
    QFETCH(QList<int>, useCases);
    QFETCH(int, preset);
    Session s("Vek132", 6);
    Pallador &w = s.w();
    auto &f = *w.calvex->vek_132;
    for (int i : useCases)
        w.ui.comboUseCase_A->setCurrentIndex(i);
    QCOMPARE(w.presetUseCase, useCases.last());
    QCOMPARE(f.useCasePreset, preset);
    QCOMPARE(f.timing(0).lineLength, (preset + 1) / 2 * 2);
    QCOMPARE(reg(w, "LINE_LENGTH_PCK"), quint32(f.timing(0).lineLength));
}

void TestVek114Vek132::vek132Panel_data()
{
    QTest::addColumn<int>("index"); // of the divider list "3" to "6"
    QTest::addColumn<int>("twoPixBits");
    QTest::addColumn<int>("divider");
    QTest::addColumn<int>("outputBits");
    QTest::newRow("divider 5, 10 bits") << 2 << 2 << 5 << 10;
    QTest::newRow("divider 3, 6 bits") << 0 << 0 << 3 << 6;
    QTest::newRow("divider 6, 12 bits") << 3 << 3 << 6 << 12;
    QTest::newRow("divider 3, 10 bits") << 0 << 2 << 3 << 10;
}

// The open advanced PLL panel's divider list and output bits reach the
// family; closed, the library chooses the divider for the bits it sends.
void TestVek114Vek132::vek132Panel()
{
    QFETCH(int, index);
    QFETCH(int, twoPixBits);
    QFETCH(int, divider);
    QFETCH(int, outputBits);
    Session s("Vek132");
    Pallador &w = s.w();
    auto &f = *w.calvex->vek_132;
    w.comboPLL_Bits = panelCombo(w, "comboPLL_Bits", {"3", "4", "5", "6"}, index);
    w.twoPixBits = twoPixBits; // as the panel's bit-depth list stores it
    w.recalc(true);
    QCOMPARE(f.ctx[0].outputBits, 10);
    QCOMPARE(f.pll.pllOpDivider, 5); // half the bits, the library's choice

    // The open panel's own list, at the row's position.
    openPllPanel(w);
    QVERIFY(w.comboPLL_Bits);
    w.comboPLL_Bits->setCurrentIndex(index);
    w.recalc(true);
    QCOMPARE(f.pll.pllOpDivider, divider);
    QCOMPARE(f.ctx[0].outputBits, outputBits);
    QCOMPARE(f.linkBits(), outputBits);
    QCOMPARE(reg(w, "OP_PIX_CLK_DIV"), quint32(outputBits));

    // A panel without the list leaves the divider to the library.
    w.comboPLL_Bits = nullptr;
    w.recalc(true);
    QCOMPARE(f.pll.pllOpDivider, qBound(3, outputBits / 2, 6));
}

// A ticked multiplier override goes in and shows in its spin box; the
// presets do not touch it.
void TestVek114Vek132::vek132Multiplier()
{
    Session s("Vek132");
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.ui.checkPLL_M->click();
    resetJournal(w);
    w.ui.spinPLL_M->setValue(60);
    QVERIFY(calculations(w) <= 2);
    QCOMPARE(f.pll.pllM, 60);
    QCOMPARE(w.ui.spinPLL_M->value(), 60);
    QCOMPARE(reg(w, "PLL_MULTIPLIER"), 60u);
    w.ui.comboUseCase_A->setCurrentIndex(1);
    QCOMPARE(f.pll.pllM, 60);
    // Unticked, the library chooses again and the box shows its choice.
    w.ui.checkPLL_M->click();
    QCOMPARE(w.ui.spinPLL_M->value(), f.pll.pllM);
    QCOMPARE(reg(w, "PLL_MULTIPLIER"), quint32(f.pll.pllM));
}

// The high-speed (supercell) read-out follows context A's setting; the
// short sequence and, with the context-A panel in use, its scaler settings
// reach the family.
void TestVek114Vek132::vek132HighSpeedAndScaler()
{
    Session s("Vek132");
    Pallador &w = s.w();
    auto &f = *w.calvex->vek_132;
    w.ui.comboUseCase_A->setCurrentIndex(3);
    const int lineBefore = f.timing(0).lineLength;
    QVERIFY(!f.pll.highSpeed);
    // As the panel's boxes store them.
    w.highSpeed[0] = true;
    w.shortSeq = true;
    w.scaleM[0] = 32;
    w.scaler[0] = 100;
    w.borderPixels = 8;
    w.recalc(false);
    QVERIFY(f.pll.highSpeed);
    QVERIFY(f.ctx[0].highSpeed);
    QVERIFY(f.shortSeq);
    QCOMPARE(f.timing(0).yFactor, 2);
    QCOMPARE(f.ctx[0].scaleM, 16); // the panel not in use
    QVERIFY(f.borderPixels != 8);
    QCOMPARE(f.timing(0).lineLength, lineBefore); // the preset line stands

    w.ui.checkAdvParam_A->setChecked(true); // the panel in use
    w.recalc(false);
    QVERIFY(f.advParamOn);
    QCOMPARE(f.ctx[0].scaleM, 32);
    QCOMPARE(f.scaler, 100);
    QCOMPARE(f.borderPixels, 8);
    QCOMPARE(reg(w, "SCALE_M"), 32u);

    w.highSpeed[0] = false;
    w.recalc(false);
    QVERIFY(!f.pll.highSpeed);
    QCOMPARE(f.timing(0).yFactor, 1);
}

// With the panel open, a second VCO out of its range colours the panel's
// second-VCO box; a legal one clears it.
void TestVek114Vek132::vek132SecondVcoColour()
{
    Session s("Vek133");
    Pallador &w = s.w();
    // The open panel's override box ticked, and a request beyond the second
    // VCO's range, as a calling program may leave it.
    openPllPanel(w);
    QVERIFY(w.checkPLL_VCO2 && w.dSpinPLL_VCO2);
    {
        const QSignalBlocker blocker(w.checkPLL_VCO2);
        w.checkPLL_VCO2->setChecked(true);
    }
    w.pllVco2 = 5000.0;
    w.recalc(true);
    QCOMPARE(s.family().pll.pllVco2, 5000.0);
    QCOMPARE(w.dSpinPLL_VCO2->styleSheet(), kRedSecondVco);
    QVERIFY(w.warnings[0] & 0x800000u);
    w.checkPLL_VCO2->setChecked(false);
    w.recalc(true);
    QCOMPARE(w.dSpinPLL_VCO2->styleSheet(), kWhiteSecondVco);
    QCOMPARE(w.warnings[0] & 0x800000u, 0u);
}

// Opening the PLL panel shows the sensor's bit depth in its list, and the
// calculation sends what the list shows, from the opening on: opening alone
// changes no register. A depth picked there stays over closing and opening.
void TestVek114Vek132::vek132PanelBitDepthAsShown()
{
    Session s("Vek132");
    Pallador &w = s.w();
    auto &f = *w.calvex->vek_132;
    const quint32 closedDivider = reg(w, "OP_PIX_CLK_DIV");
    QCOMPARE(closedDivider, 10u);

    openPllPanel(w);
    QVERIFY(w.combo2pixBits);
    QCOMPARE(w.combo2pixBits->currentText(), QStringLiteral("10"));
    QCOMPARE(f.ctx[0].outputBits, 10);
    QCOMPARE(reg(w, "OP_PIX_CLK_DIV"), closedDivider);

    w.combo2pixBits->setCurrentIndex(w.combo2pixBits->findText(QStringLiteral("8")));
    QCOMPARE(f.ctx[0].outputBits, 8);
    QCOMPARE(reg(w, "OP_PIX_CLK_DIV"), 8u);

    w.ui.checkPLL_ADV->setChecked(false);
    w.on_checkPLL_ADV_clicked();
    openPllPanel(w);
    QCOMPARE(w.combo2pixBits->currentText(), QStringLiteral("8"));
    QCOMPARE(f.ctx[0].outputBits, 8);
    QCOMPARE(reg(w, "OP_PIX_CLK_DIV"), 8u);
}

QTEST_MAIN(TestVek114Vek132)
#include "tst_vek114_vek132.moc"
