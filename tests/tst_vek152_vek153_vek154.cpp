// Catalogue 46 to 52 (Vek_152, Vek_153, Vek_154: one context, a second PLL)
// driven through the window: every sample loads and reaches each of its use
// cases with the use-case preset applied, the preset rows reach the family,
// stay when a later use case has none and give way to a ticked override,
// and the lane, op divider and panel rules show in the family and the
// registers.
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
const QString kRedSecondVco = QStringLiteral("background-color: red;");
const QString kWhiteSecondVco = QStringLiteral("background-color: white;");

// Frame rate, user blanking, input clock, target clock, VCO and second VCO.
constexpr quint32 kCheckedBits = 0x1 | 0x2 | 0x4 | 0x100000 | 0x200000 | 0x400000 | 0x800000;

struct Session : WindowSession {
    using WindowSession::WindowSession;
    // A configuration of the sensor with useCases small use cases (640 x 360
    // at 10 frames/s), so that every preset row has a use case.
    Session(const char *sensor, int useCases)
    {
        QByteArray text = "[General_Info]\nsensor_name = " + QByteArray(sensor) + "\n\n[UseCases]\n";
        for (int i = 0; i < useCases; ++i) {
            const QByteArray n = QByteArray::number(i);
            text += n + "/name = Case " + n + "\n" + n + "/cols = 640\n" + n + "/rows = 360\n" + n + "/max_fps = 10\n" +
                    n + "/intg_time = 10\n";
        }
        text += "0/context_a_default = 1\n";
        open(install.writeConfig(QStringLiteral("Many.cfg"), text));
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

QCheckBox *panelBox(Pallador &w, const char *name, bool checked)
{
    auto *box = new QCheckBox(&w);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

QComboBox *panelCombo(Pallador &w, const char *name, const QStringList &items, int index)
{
    auto *combo = new QComboBox(&w);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    combo->setCurrentIndex(index);
    return combo;
}

QStringList panelItems(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; combo && i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// The advanced PLL panel open, as its box and slot leave it.
void openPllPanel(Pallador &w)
{
    w.ui.checkPLL_ADV->setChecked(true);
    w.on_checkPLL_ADV_clicked();
}

} // namespace

class TestVek152Vek153Vek154 : public QObject {
    Q_OBJECT

private slots:
    void samplesEndToEnd_data();
    void samplesEndToEnd();
    void lengthPresets_data();
    void lengthPresets();
    void vek154Presets_data();
    void vek154Presets();
    void rowBeyondTable_data();
    void rowBeyondTable();
    void overrideReplacesPreset();
    void laneRule_data();
    void laneRule();
    void opDivider_data();
    void opDivider();
    void advancedPanelInputs_data();
    void advancedPanelInputs();
    void vek153SecondTarget();
    void secondVcoColour();
};

// ---------------------------------------------------------------------------
// Every sensor of the group.

void TestVek152Vek153Vek154::samplesEndToEnd_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("line0"); // line and frame length of use case 0's preset, 0: none
    QTest::addColumn<int>("frame0");
    QTest::newRow("46 Vek151") << "Vek151" << 46 << 2328 << 3154;
    QTest::newRow("47 Vek151tk") << "Vek151tk" << 47 << 2328 << 3154;
    QTest::newRow("48 Vek151b") << "Vek151b" << 48 << 2328 << 3154;
    QTest::newRow("49 Vek152n") << "Vek152n" << 49 << 2328 << 3154;
    QTest::newRow("50 Vek156") << "Vek156" << 50 << 2328 << 3154;
    QTest::newRow("51 Vek153") << "Vek153" << 51 << 2344 << 3154;
    QTest::newRow("52 Vek154") << "Vek154" << 52 << 0 << 0;
}

// A change of the input clock calculates context A once with the standard
// calls; choosing each use case of the sample calculates once (nothing the
// preset touches recalculates again), reaches the use case's frame rate
// and shows no warning colour. The full-array preset of use case 0 is
// programmed as the table has it, shorter than the minimum blanking.
void TestVek152Vek153Vek154::samplesEndToEnd()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    QFETCH(int, line0);
    QFETCH(int, frame0);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.sensorIndex, index);
    QCOMPARE(w.contextCount, 1);
    QCOMPARE(w.ui.comboPLL_Interface->currentIndex(), 2);

    const double input = w.pllInput;
    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(input + 1.0);
    QCOMPARE(journal(w), (QStringList{"PllUpdate()", "TimingUpdate(0, false, true)", "ResultsUpdate(0)",
                                      "RegisterUpdate(0)", "RegisterUpdate(0)"}));
    QCOMPARE(f.pll.inputClock, input + 1.0);
    // The PLL results the window gathered: the serial clock is the second VCO.
    QCOMPARE(w.resInputClock, input + 1.0);
    QCOMPARE(w.resSerialClock, f.pll.vcoClock2);
    QCOMPARE(w.resN, f.pll.pllN);
    QCOMPARE(w.ui.spinPLL_M->value(), f.pll.pllM);
    QCOMPARE(reg(w, "PLL_MULTIPLIER"), quint32(f.pll.pllM));
    w.ui.dSpinPLL_Input->setValue(input);

    for (int i = 0; i < w.ui.comboUseCase_A->count(); ++i) {
        resetJournal(w);
        w.ui.comboUseCase_A->setCurrentIndex(i);
        const QByteArray what = sample.toLatin1() + " use case " + QByteArray::number(i);
        QVERIFY2(calculations(w) <= 1, what);
        QCOMPARE(w.presetUseCase, i);
        QVERIFY2((w.warnings[0] & kCheckedBits) == 0, what + " " + QByteArray::number(w.warnings[0], 16));
        QVERIFY2(qAbs(f.timing(0).fps - w.maxFps[0]) <= w.maxFps[0] * 1e-3, what);
        QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
        QCOMPARE(w.ui.dSpinPLL_Target->styleSheet(), kWhiteDouble);
        QCOMPARE(w.ui.dSpinPLL_VCO->styleSheet(), kWhiteDouble);
        QCOMPARE(reg(w, "LINE_LENGTH_PCK"), quint32(f.timing(0).lineLength));
        QCOMPARE(reg(w, "FRAME_LENGTH_LINE"), quint32(f.timing(0).frameLength));
        QCOMPARE(reg(w, "SCALE_M"), quint32(f.ctx[0].scaleM));
        QCOMPARE(reg(w, "PRE_PLL_CLK_DIV2"), quint32(f.pll.pllN2));
        QCOMPARE(reg(w, "PLL_MULTIPLIER2"), quint32(f.pll.pllM2));
    }

    w.ui.comboUseCase_A->setCurrentIndex(0);
    if (line0 > 0) {
        QCOMPARE(reg(w, "LINE_LENGTH_PCK"), quint32(line0));
        QCOMPARE(reg(w, "FRAME_LENGTH_LINE"), quint32(frame0));
        QVERIFY(f.timing(0).hBlank < f.timing(0).minLineLength - f.timing(0).activeClocks);
    }
    QVERIFY(w.ui.textResult_A->toPlainText().contains(QLatin1String("Line length")));
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// The preset tables.

void TestVek152Vek153Vek154::lengthPresets_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<int>("useCase");
    QTest::addColumn<int>("scaleM");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("frame");
    QTest::addColumn<bool>("windowTakesScale"); // Vek_152 keeps scale_m in the window
    QTest::newRow("Vek_152 row 0") << "Vek151" << 0 << 16 << 2328 << 3154 << true;
    QTest::newRow("Vek_152 row 8") << "Vek151" << 8 << 48 << 2328 << 786 << true;
    QTest::newRow("Vek_152 row 13") << "Vek152n" << 13 << 64 << 2328 << 786 << true;
    QTest::newRow("Vek_152 row 16") << "Vek156" << 16 << 16 << 2328 << 392 << true;
    QTest::newRow("Vek_153 row 0") << "Vek153" << 0 << 16 << 2344 << 3154 << false;
    QTest::newRow("Vek_153 row 7") << "Vek153" << 7 << 48 << 2352 << 1550 << false;
    QTest::newRow("Vek_153 row 13") << "Vek153" << 13 << 64 << 2365 << 700 << false;
    QTest::newRow("Vek_153 row 18") << "Vek153" << 18 << 16 << 2328 << 3150 << false;
}

// The row of the selected use case reaches the family and the registers.
void TestVek152Vek153Vek154::lengthPresets()
{
    QFETCH(QString, sensor);
    QFETCH(int, useCase);
    QFETCH(int, scaleM);
    QFETCH(int, line);
    QFETCH(int, frame);
    QFETCH(bool, windowTakesScale);
    Session s(sensor.toLatin1().constData(), 20);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    auto &lengths = dynamic_cast<LengthPresets &>(f);
    w.scaleM[0] = 24;

    // Any calculation applies the row of the use case selected.
    w.ui.comboUseCase_A->setCurrentIndex(useCase);
    w.recalc(false);
    QCOMPARE(w.presetUseCase, useCase);
    QCOMPARE(f.ctx[0].scaleM, scaleM);
    QCOMPARE(w.scaleM[0], windowTakesScale ? scaleM : 24);
    QCOMPARE(lengths.lineLengthPreset, line);
    QCOMPARE(lengths.frameLengthPreset, frame);
    // The line-length register holds even lengths only.
    QCOMPARE(reg(w, "LINE_LENGTH_PCK"), quint32((line + 1) & ~1));
    QCOMPARE(reg(w, "FRAME_LENGTH_LINE"), quint32(frame));
    QCOMPARE(reg(w, "SCALE_M"), quint32(scaleM));
}

void TestVek152Vek153Vek154::vek154Presets_data()
{
    QTest::addColumn<int>("useCase");
    QTest::addColumn<int>("phy");
    QTest::addColumn<double>("target");
    QTest::addColumn<double>("vco");
    QTest::addColumn<double>("clock");
    QTest::addColumn<double>("vco2");
    QTest::addColumn<double>("target2");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::newRow("row 0 D-PHY") << 0 << 0 << 145.0 << 870.0 << 180.75 << 433.8 << 144.6 << 4648 << 3508;
    QTest::newRow("row 2 D-PHY") << 2 << 0 << 122.5 << 735.0 << 128.25 << 410.4 << 102.6 << 3840 << 2160;
    QTest::newRow("row 2 C-PHY") << 2 << 1 << 122.5 << 735.0 << 146.571 << 469.029 << 117.257 << 3840 << 2160;
    QTest::newRow("row 4 C-PHY") << 4 << 1 << 125.0 << 750.0 << 89.143 << 427.886 << 71.314 << 1920 << 1080;
    QTest::newRow("row 6 D-PHY") << 6 << 0 << 145.0 << 870.0 << 105.0 << 420.0 << 84.0 << 1280 << 720;
}

// Target and VCO go in as the table has them; the third clock, the second
// VCO and the second target scale by 8/7 on C-PHY. The maker's second VCO
// carries the stream of its use case (its lanes run at twice its rate).
void TestVek152Vek153Vek154::vek154Presets()
{
    QFETCH(int, useCase);
    QFETCH(int, phy);
    QFETCH(double, target);
    QFETCH(double, vco);
    QFETCH(double, clock);
    QFETCH(double, vco2);
    QFETCH(double, target2);
    QFETCH(int, cols);
    QFETCH(int, rows);
    Session s("Vek154", 8);
    Pallador &w = s.w();
    Vek_154 &f = *w.calvex->vek_154;

    QVERIFY(QMetaObject::invokeMethod(&w, "comboPLL_PhyCD_currentIndexChanged", Q_ARG(int, phy)));
    w.ui.comboUseCase_A->setCurrentIndex(useCase);
    QCOMPARE(f.pll.phyCd, phy);
    QCOMPARE(f.pll.targetClock, target);
    QCOMPARE(f.pll.vcoRequest, vco);
    QVERIFY(qAbs(f.clockPreset - clock) < 1e-3);
    QVERIFY(qAbs(f.pll.pllVco2 - vco2) < 1e-3);
    QVERIFY(qAbs(f.pll.targetClock2 - target2) < 1e-3);
    QCOMPARE(f.colsPreset, cols);
    QCOMPARE(f.rowsPreset, rows);
    QCOMPARE(f.pll.outputClock, target);
    QCOMPARE(w.warnings[0] & 0x800000u, 0u);
    QVERIFY(f.pll.vcoClock2 * 2.0 >= f.linkLoad());
}

void TestVek152Vek153Vek154::rowBeyondTable_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<int>("beyond"); // -1: the list emptied
    QTest::newRow("Vek_152 use case 19") << "Vek151" << 19;
    QTest::newRow("Vek_152 empty list") << "Vek151" << -1;
    QTest::newRow("Vek_153 use case 19") << "Vek153" << 19;
    QTest::newRow("Vek_154 use case 9") << "Vek154" << 9;
    QTest::newRow("Vek_154 empty list") << "Vek154" << -1;
}

// A use case beyond the table, or none, leaves the presets the last row
// gave; what every calculation rewrites before the table (Vek_154's target,
// VCO and second VCO) is then the window's target and the library's choice.
void TestVek152Vek153Vek154::rowBeyondTable()
{
    QFETCH(QString, sensor);
    QFETCH(int, beyond);
    Session s(sensor.toLatin1().constData(), 20);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    const int row = sensor == QLatin1String("Vek154") ? 0 : 8;
    w.ui.comboUseCase_A->setCurrentIndex(row);
    const int scaleM = f.ctx[0].scaleM;

    if (beyond >= 0) {
        w.ui.comboUseCase_A->setCurrentIndex(beyond);
    } else {
        w.ui.comboUseCase_A->clear();
        w.ui.comboMaxFRate_A->setEditText(QStringLiteral("5"));
    }
    QCOMPARE(w.presetUseCase, beyond);
    QCOMPARE(f.ctx[0].scaleM, scaleM);
    if (auto *lengths = dynamic_cast<LengthPresets *>(&f)) {
        QCOMPARE(lengths->lineLengthPreset, sensor == QLatin1String("Vek153") ? 2352 : 2328);
        QCOMPARE(lengths->frameLengthPreset, sensor == QLatin1String("Vek153") ? 770 : 786);
        QCOMPARE(f.ctx[0].scaleM, sensor == QLatin1String("Vek153") ? 48 : w.scaleM[0]);
    } else {
        const Vek_154 &v = *w.calvex->vek_154;
        QCOMPARE(v.pll.targetClock, w.pllTarget);
        QCOMPARE(v.pll.vcoRequest, -1.0);
        QCOMPARE(v.pll.pllVco2, -1.0);
        QCOMPARE(v.pll.targetClock2, 144.6);
        QCOMPARE(v.clockPreset, 180.75);
        QCOMPARE(v.colsPreset, 4648);
        QCOMPARE(v.rowsPreset, 3508);
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

// A ticked override replaces the preset's value, also under the open panel
// for the second PLL; the panel's boxes count only while it is open, and a
// multiplier the spin box already shows starts no further calculation.
void TestVek152Vek153Vek154::overrideReplacesPreset()
{
    Session s("Vek154");
    Pallador &w = s.w();
    Vek_154 &f = *w.calvex->vek_154;
    QCOMPARE(f.pll.vcoRequest, 870.0);

    w.ui.checkPLL_VCO->click();
    w.ui.dSpinPLL_VCO->setValue(900.0);
    QCOMPARE(f.pll.vcoRequest, 900.0);
    QCOMPARE(f.pll.vcoClock, 900.0);
    w.ui.checkPLL_VCO->click();
    QCOMPARE(f.pll.vcoRequest, 870.0);

    w.checkPLL_VCO2 = panelBox(w, "checkPLL_VCO2", true);
    w.checkPLL_N2 = panelBox(w, "checkPLL_N2", true);
    w.pllVco2 = 450.0;
    w.pllN2 = 5;
    w.recalc(true);
    QCOMPARE(f.pll.pllVco2, 433.8);
    QVERIFY(f.pll.pllN2 != 5);
    // The open panel's own boxes, ticked with the same requests.
    openPllPanel(w);
    w.checkPLL_VCO2->setChecked(true);
    w.checkPLL_N2->setChecked(true);
    w.pllVco2 = 450.0;
    w.pllN2 = 5;
    w.recalc(true);
    QCOMPARE(f.pll.pllVco2, 450.0);
    QCOMPARE(f.pll.pllN2, 5);
    QCOMPARE(reg(w, "PRE_PLL_CLK_DIV2"), 5u);

    w.ui.checkPLL_M->click();
    const int m = w.ui.spinPLL_M->value();
    QCOMPARE(f.pll.pllM, m);
    resetJournal(w);
    w.recalc(true);
    QCOMPARE(calculations(w), 1);
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Lanes, op divider, panel and second target.

void TestVek152Vek153Vek154::laneRule_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<int>("lanes");
    QTest::newRow("Vek_152 MIPI-2") << "Vek151" << 0 << 1;
    QTest::newRow("Vek_152 MIPI-3") << "Vek151" << 1 << 2;
    QTest::newRow("Vek_152 HISPI") << "Vek151" << 3 << 4;
    QTest::newRow("Vek_153 MIPI-2") << "Vek153" << 0 << 2;
    QTest::newRow("Vek_153 index 3") << "Vek153" << 3 << 4;
    QTest::newRow("Vek_154 MIPI-3") << "Vek154" << 1 << 3;
    QTest::newRow("Vek_154 index 3 keeps") << "Vek154" << 3 << 7;
}

// The lane count follows the position in the interface list; a position the
// family's rule does not know keeps the window's count.
void TestVek152Vek153Vek154::laneRule()
{
    QFETCH(QString, sample);
    QFETCH(int, interfaceIndex);
    QFETCH(int, lanes);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.lanes = 7;
    if (interfaceIndex < w.ui.comboPLL_Interface->count()) {
        w.ui.comboPLL_Interface->setCurrentIndex(interfaceIndex);
    } else {
        w.interfaceIndex = interfaceIndex;
        w.recalc(true);
    }
    QCOMPARE(f.ctx[0].interfaceIndex, interfaceIndex);
    QCOMPARE(w.lanes, lanes);
    QCOMPARE(f.pll.lanes, lanes);
}

void TestVek152Vek153Vek154::opDivider_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("opBits");   // the window's value and the request
    QTest::addColumn<int>("linkBits"); // bits per pixel the library sends
    QTest::newRow("Vek_152 8 bits") << "Vek151" << QStringList{"6", "8", "10"} << 1 << 8 << 8;
    QTest::newRow("Vek_153 10 bits") << "Vek153" << QStringList{"6", "8", "10"} << 2 << 10 << 10;
    QTest::newRow("Vek_154 divider 4") << "Vek154" << QStringList{"3", "4", "5", "6"} << 1 << 4 << 8;
    QTest::newRow("Vek_154 divider 6") << "Vek154" << QStringList{"3", "4", "5", "6"} << 3 << 6 << 12;
}

// The open panel's op divider list gives the window's value, which the
// family receives; Vek_154's op pixel divider sends twice as many bits.
void TestVek152Vek153Vek154::opDivider()
{
    QFETCH(QString, sample);
    QFETCH(QStringList, items);
    QFETCH(int, index);
    QFETCH(int, opBits);
    QFETCH(int, linkBits);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.comboPLL_Bits = panelCombo(w, "comboPLL_OpBits", items, index);
    w.recalc(true);
    QCOMPARE(f.linkBits(), 10); // the panel closed, the library's choice

    // The open panel's own list: the same items, the entry chosen there.
    openPllPanel(w);
    QCOMPARE(panelItems(w.comboPLL_Bits), items);
    w.comboPLL_Bits->setCurrentIndex(index);
    QVERIFY(QMetaObject::invokeMethod(&w, "comboPLL_OpBits_currentIndexChanged", Q_ARG(int, index)));
    QCOMPARE(w.opBits, opBits);
    QCOMPARE(f.linkBits(), linkBits);
    QCOMPARE(f.pll.pllOpDivider, opBits);
    QCOMPARE(reg(w, "OP_PIX_CLK_DIV"), quint32(linkBits));
}

void TestVek152Vek153Vek154::advancedPanelInputs_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<int>("useCase");
    QTest::addColumn<int>("closedScale"); // the family's scale_m with the panel closed
    QTest::addColumn<int>("afterPanel");  // and once the panel is closed again
    // Vek_153's preset gives scale_m back; Vek_154 has none and keeps the panel's.
    QTest::newRow("Vek_153 use case 13") << "Vek153" << 13 << 64 << 64;
    QTest::newRow("Vek_154 use case 2") << "Vek154" << 2 << 16 << 32;
}

// With the context-A panel in use its scale_m replaces the preset's, and its
// group-lines and border values reach the family.
void TestVek152Vek153Vek154::advancedPanelInputs()
{
    QFETCH(QString, sensor);
    QFETCH(int, useCase);
    QFETCH(int, closedScale);
    QFETCH(int, afterPanel);
    Session s(sensor.toLatin1().constData(), 20);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    auto &scaler = dynamic_cast<ScalerOptions &>(f);
    w.ui.comboUseCase_A->setCurrentIndex(useCase);
    w.scaleM[0] = 32;
    w.scaler[0] = 100;
    w.borderPixels = 8;
    w.recalc(false);
    QCOMPARE(f.ctx[0].scaleM, closedScale);
    QVERIFY(scaler.borderPixels != 8);

    w.ui.checkAdvParam_A->click();
    // The panel's first opening calculates nothing; the next calculation
    // works with the panel open.
    w.recalc(false);
    QCOMPARE(f.ctx[0].scaleM, 32);
    QCOMPARE(scaler.scaler, 100);
    QCOMPARE(scaler.borderPixels, 8);
    QCOMPARE(reg(w, "SCALE_M"), 32u);
    w.ui.checkAdvParam_A->click();
    QCOMPARE(f.ctx[0].scaleM, afterPanel);
}

// Vek_153's second target is half the target clock, whatever the second
// target the window holds.
void TestVek152Vek153Vek154::vek153SecondTarget()
{
    Session s("Vek153");
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QVERIFY(QMetaObject::invokeMethod(&w, "dSpinPLL_TgtOp_valueChanged", Q_ARG(double, 55.0)));
    w.ui.dSpinPLL_Target->setValue(180.0);
    QCOMPARE(w.pllTargetOp, 55.0);
    QCOMPARE(f.pll.targetClock, 180.0);
    QCOMPARE(f.pll.targetClock2, 90.0);
}

// With the panel open, a second VCO out of its range colours the panel's
// second-VCO box (Vek_153's is an integer box); a legal one clears it.
void TestVek152Vek153Vek154::secondVcoColour()
{
    for (const char *sample : {"Vek151", "Vek153"}) {
        Session s(sample);
        Pallador &w = s.w();
        const bool integerBox = w.sensorIndex == 51;
        openPllPanel(w);
        QWidget *box = integerBox ? static_cast<QWidget *>(w.spinPLL_VCO2) : w.dSpinPLL_VCO2;
        QVERIFY(box);
        w.checkPLL_VCO2->setChecked(true);
        w.pllVco2 = 2000.0;
        w.recalc(true);
        QCOMPARE(box->styleSheet(), kRedSecondVco);
        QVERIFY(w.warnings[0] & 0x800000u);
        w.checkPLL_VCO2->setChecked(false);
        w.recalc(true);
        QCOMPARE(box->styleSheet(), kWhiteSecondVco);
        QCOMPARE(w.warnings[0] & 0x800000u, 0u);
    }
}

QTEST_MAIN(TestVek152Vek153Vek154)
#include "tst_vek152_vek153_vek154.moc"
