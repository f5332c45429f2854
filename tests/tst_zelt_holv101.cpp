// The plain families driven through the window: Zelt (catalogue 105-109,
// HiSPi sensors whose advanced panel sets their read-out) and Holv_101 (114,
// a radar configured from its advanced PLL panel). Their set-up, the inputs
// that reach the family, the pixel-size and companding rule, the panel read
// back after a calculation, the integration-time range and the radar codes.
#include "calvex.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

const QString kRedDouble = QStringLiteral("QDoubleSpinBox { background-color: red; }");
const QString kWhiteDouble = QStringLiteral("QDoubleSpinBox { background-color: white; }");
const QString kRedCombo = QStringLiteral("QComboBox { background-color: red; }");
const QString kWhiteCombo = QStringLiteral("QComboBox { background-color: white; }");

struct Session : WindowSession {
    using WindowSession::WindowSession;
    Zelt &zelt() { return *window->calvex->zelt; }
    Holv_101 &holv() { return *window->calvex->holv_101; }
    CContextParams &record() { return window->calvex->family()->ctx[0]; }
    CPllParams &pll() { return window->calvex->family()->pll; }
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

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

// A panel widget with the panel's object name, connected to the window's
// slot as the panel connects it.
QComboBox *panelCombo(Pallador &w, const char *name, const QStringList &entries, const char *slot = nullptr)
{
    auto *combo = new QComboBox(w.ui.widgetADV_PLL);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(entries);
    if (slot)
        QObject::connect(combo, SIGNAL(currentIndexChanged(int)), &w, slot);
    return combo;
}

template <class Spin> Spin *panelSpin(QWidget *parent, const char *name, double value)
{
    auto *spin = new Spin(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(0, 100000);
    spin->setValue(value);
    return spin;
}

// The Zelt PLL panel: pixel size, lanes per PHY and companding.
struct ZeltPllPanel {
    QComboBox *bits;
    QComboBox *lanes;
    QCheckBox *combi;

    explicit ZeltPllPanel(Pallador &w)
    {
        bits = panelCombo(w, "comboPLL_Bits", {"10", "12"}, SLOT(comboPLL_OpBits_currentIndexChanged(int)));
        lanes = panelCombo(w, "comboPLL_Lanes", {"1", "2", "3", "4"}, SLOT(comboPLL_Lanes_currentIndexChanged(int)));
        lanes->setCurrentIndex(3);
        combi = new QCheckBox(w.ui.widgetADV_PLL);
        combi->setObjectName(QStringLiteral("checkPLL_Companding"));
        QObject::connect(combi, SIGNAL(clicked()), &w, SLOT(checkCombi_clicked()));
        w.comboPLL_Bits = bits;
        w.comboPLL_Lanes = lanes;
        w.checkCombi = combi;
        w.ui.checkPLL_ADV->setChecked(true);
    }
};

// The Zelt advanced panel of context A: the ROI size and integration time.
struct ZeltAdvPanel {
    QSpinBox *roi;
    QSpinBox *intTime;

    explicit ZeltAdvPanel(Pallador &w)
    {
        roi = panelSpin<QSpinBox>(w.ui.widgetADV_A, "spinROI", 2048);
        intTime = panelSpin<QSpinBox>(w.ui.widgetADV_A, "spinIntTime", 1000);
        intTime->setRange(-1000000, 1000000);
        QObject::connect(intTime, SIGNAL(valueChanged(int)), &w, SLOT(spinScaler_valueChanged(int)));
        w.spinRows[0] = roi;
        w.spinScaler = intTime;
        w.advParamOn[0] = true;
    }
};

const char *const kZeltSamples[] = {"Zelt105", "Zelt101", "Zelt102", "Zelt103", "Zelt104"};

} // namespace

class TestZeltHolv101 : public QObject {
    Q_OBJECT

private slots:
    void zeltSetUp_data();
    void zeltSetUp();
    void zeltInputs_data();
    void zeltInputs();
    void zeltPixelSize_data();
    void zeltPixelSize();
    void zeltLanesReadBack();
    void zeltRoi();
    void zeltIntegrationRange_data();
    void zeltIntegrationRange();
    void zeltWarnings();
    void holvSetUp();
    void holvChannels_data();
    void holvChannels();
    void holvPanelOff();
    void holvPanelReadBack();
    void holvOneKindOfCalculation();
};

// ---------------------------------------------------------------------------
// Zelt.

void TestZeltHolv101::zeltSetUp_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    int index = 105;
    for (const char *sample : kZeltSamples)
        QTest::newRow(sample) << sample << index++;
}

// The set-up starts every sensor from the family's clock and the use case's
// frame rate, with the panel quantities of a full-frame read-out.
void TestZeltHolv101::zeltSetUp()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    Session s(sample);
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, index);
    QCOMPARE(s.responder.seen(), QStringList());
    const CFamilyDefaults &d = s.zelt().defaults;
    QCOMPARE(w.pllInput, d.defaultInputClock);
    QCOMPARE(w.ui.dSpinPLL_Input->value(), d.defaultInputClock);
    QCOMPARE(w.stdTemplateAvail, d.defaultStdTemplate);
    QCOMPARE(w.lanes, 4);
    QCOMPARE(w.opBits, 10);
    QCOMPARE(w.combi, 0);
    QVERIFY(!w.useReg && w.pllPreScale);
    QCOMPARE(items(w.ui.comboMaxFRate_A), s.zelt().results.frameRateChoices);
    QCOMPARE(w.maxFps[0], w.dataIO->useCases[0].maxFps);
    QCOMPARE(w.cols[0], 0);
    QCOMPARE(w.otherLineTime[0], 0);
    QCOMPARE(w.rows[0], 2060);
    QCOMPARE(w.lowPower[0], 1);
    QCOMPARE(w.skipping[0], 0);
    QCOMPARE(w.scaler[0], 1000);
    QCOMPARE(w.scaleM[0], 0);
    QVERIFY(!w.txLatch[0] && w.shortSeq && !w.trigger && !w.slaveMode);

    // A calculation runs the named steps for this sensor, in order.
    resetJournal(w);
    w.recalc(true);
    QCOMPARE(journal(w).mid(0, 4),
             (QStringList{QStringLiteral("CalculatePLL(%1)").arg(index), "CalculateTiming(0, false, true)",
                          "SetResults(0)", "RegisterUpdate(0)"}));
    QCOMPARE(w.ctxDisplayText[0], s.zelt().results.contextDisplayText[0]);
    QCOMPARE(w.pllDisplayText, s.zelt().results.pllDisplayText);
    QCOMPARE(w.resPixClock, s.pll().pixelClock);
}

void TestZeltHolv101::zeltInputs_data()
{
    QTest::addColumn<int>("otherLineTime");
    QTest::addColumn<int>("lowPower");
    QTest::newRow("ROI off, incremental") << 0 << 3;
    QTest::newRow("ROI on, not incremental") << 1 << 0;
}

// Every context input reaches its field; the warning word keeps only the bits
// outside the recomputed ones.
void TestZeltHolv101::zeltInputs()
{
    QFETCH(int, otherLineTime);
    QFETCH(int, lowPower);
    Session s(QStringLiteral("Zelt103"));
    Pallador &w = s.w();
    w.maxFps[0] = 9.5;
    w.cols[0] = 32;
    w.otherLineTime[0] = otherLineTime;
    w.rows[0] = 1000;
    w.lowPower[0] = lowPower;
    w.skipping[0] = 2;
    w.scaler[0] = 2500;
    w.scaleM[0] = 40;
    w.txLatch[0] = true;
    w.shortSeq = false;
    w.trigger = true;
    w.slaveMode = true;
    w.pllInput = 27.0;
    s.record().warnings = 0x80000000 | 0x00780000 | 0xE;
    w.recalc(false);

    const CContextParams &r = s.record();
    QCOMPARE(r.maxFps, 9.5);
    QCOMPARE(r.cols, 32);
    QCOMPARE(bool(r.roiOff), otherLineTime == 0);
    QCOMPARE(r.rows, 1000);
    QCOMPARE(bool(r.lowPower), lowPower != 0);
    QCOMPARE(r.skipping, 2);
    QCOMPARE(r.scaler, 2500);
    QCOMPARE(r.scaleM, 40);
    QVERIFY(r.txLatch && !r.shortSeq && r.trigger && r.slaveMode);
    QCOMPARE(s.pll().inputClock, 27.0);
    QCOMPARE(r.warnings & 0x80000000u, 0x80000000u);
    QCOMPARE(r.warnings & 0x0078000Eu, 0u);
    QCOMPARE(w.warnings[0], r.warnings);
    // The registers follow: the rows read (the whole array of 2060 rows
    // subsampled, or the ROI) and the subsampling.
    QCOMPARE(reg(w, "M_LINES_CTXT0_REG"), otherLineTime == 0 ? 1030u : 1000u);
    QCOMPARE(reg(w, "SUBSAMPLING_CTXT0_REG"), 1u);
    QCOMPARE(reg(w, "GENERAL_CONFIG0_REG") & 0xF, 0xFu);
    // Without the PLL panel the family keeps its link settings.
    QCOMPARE(s.pll().lanes, 4);
    QCOMPARE(s.pll().opBits, 10);
}

void TestZeltHolv101::zeltPixelSize_data()
{
    QTest::addColumn<int>("bitsIndex");
    QTest::addColumn<bool>("tickCompanding");
    QTest::addColumn<int>("familyBits");
    QTest::addColumn<bool>("familyCompanding");
    QTest::addColumn<bool>("boxEnabled");

    QTest::newRow("10 bits, companding asked for") << 0 << true << 10 << false << false;
    QTest::newRow("12 bits, companding") << 1 << true << 12 << true << true;
    QTest::newRow("12 bits, no companding") << 1 << false << 12 << false << true;
}

// With the PLL panel on, the pixel size list gives the family 10 or 12 bits;
// companding exists only at 12 bits. After the calculation the panel is read
// back into the window by its own rule (the list position + 10).
void TestZeltHolv101::zeltPixelSize()
{
    QFETCH(int, bitsIndex);
    QFETCH(bool, tickCompanding);
    QFETCH(int, familyBits);
    QFETCH(bool, familyCompanding);
    QFETCH(bool, boxEnabled);

    Session s(QStringLiteral("Zelt105"));
    Pallador &w = s.w();
    ZeltPllPanel panel(w);
    panel.bits->setCurrentIndex(1);
    if (tickCompanding)
        panel.combi->click();
    panel.bits->setCurrentIndex(bitsIndex);
    w.recalc(true);

    QCOMPARE(s.pll().opBits, familyBits);
    QCOMPARE(bool(s.pll().combi), familyCompanding);
    QCOMPARE(panel.combi->isEnabled(), boxEnabled);
    QCOMPARE(panel.combi->isChecked(), familyCompanding);
    QCOMPARE(w.combi, familyCompanding ? 1 : 0);
    QCOMPARE(w.opBits, bitsIndex + 10);
    QCOMPARE(reg(w, "PIX_COMP_CTRL_REG"), familyCompanding ? 1u : 0u);
    QCOMPARE(reg(w, "HISPI_CONTROL_COMMON_REG") & 0x10, familyBits == 12 ? 0x10u : 0u);
}

// The lanes per PHY are read back from the panel as the position + 1 and
// reach the family in the next calculation; the read-back starts none.
void TestZeltHolv101::zeltLanesReadBack()
{
    Session s(QStringLiteral("Zelt101"));
    Pallador &w = s.w();
    ZeltPllPanel panel(w);
    panel.lanes->setCurrentIndex(1);
    QCOMPARE(w.lanes, 2);
    resetJournal(w);
    w.recalc(true);
    QCOMPARE(calculations(w), 1);
    QCOMPARE(s.pll().lanes, 2);
    const double twoLanes = s.pll().pixelClock;
    panel.lanes->setCurrentIndex(3);
    QCOMPARE(s.pll().lanes, 4);
    QCOMPARE(s.pll().pixelClock, twoLanes * 2);
    QCOMPARE(w.resPixClock, s.pll().pixelClock);
}

// With the advanced panel open, the ROI size box is usable only while the
// ROI is on.
void TestZeltHolv101::zeltRoi()
{
    Session s(QStringLiteral("Zelt104"));
    Pallador &w = s.w();
    ZeltAdvPanel panel(w);
    w.otherLineTime[0] = 0;
    w.recalc(false);
    QVERIFY(s.record().roiOff);
    QVERIFY(!panel.roi->isEnabled());
    w.otherLineTime[0] = 1;
    w.recalc(false);
    QVERIFY(!s.record().roiOff);
    QVERIFY(panel.roi->isEnabled());

    // Closed, the panel's boxes are left as they are.
    w.advParamOn[0] = false;
    w.otherLineTime[0] = 0;
    w.recalc(false);
    QVERIFY(panel.roi->isEnabled());
}

void TestZeltHolv101::zeltIntegrationRange_data()
{
    QTest::addColumn<int>("offset");        // integration offset, us
    QTest::addColumn<double>("inputClock"); // MHz
    QTest::addColumn<bool>("minBelowZero");
    QTest::addColumn<bool>("maxBelowZero");
    QTest::addColumn<bool>("taken"); // the range reaches the box

    QTest::newRow("no offset") << 0 << 20.0 << false << false << true;
    QTest::newRow("offset beyond a row") << 500 << 20.0 << true << false << true;
    QTest::newRow("offset beyond the longest frame") << 20000000 << 20.0 << true << true << true;
    // Without a clock there are no rows to count: the maximum is not above
    // the minimum, and both are left as the library gives them.
    QTest::newRow("no clock, no range") << 5 << 0.0 << true << true << false;
}

// The integration-time box takes the range the library gives for the current
// settings, clamped at 0, and the clamped range is written back into the
// family, so the next calculation starts from it.
void TestZeltHolv101::zeltIntegrationRange()
{
    QFETCH(int, offset);
    QFETCH(double, inputClock);
    QFETCH(bool, minBelowZero);
    QFETCH(bool, maxBelowZero);
    QFETCH(bool, taken);

    Session s(QStringLiteral("Zelt105"));
    Pallador &w = s.w();
    ZeltAdvPanel panel(w);
    const int boxMin = panel.intTime->minimum();
    const int boxMax = panel.intTime->maximum();
    w.scaleM[0] = offset;
    w.scaler[0] = 100;
    w.pllInput = inputClock;
    w.recalc(false);

    // What the library gives for these settings, before the clamp.
    s.zelt().CalculateTiming(0, false, true);
    const int libMin = s.zelt().minIntgTime;
    const int libMax = s.zelt().maxIntgTime;
    QCOMPARE(libMin < 0, minBelowZero);
    QCOMPARE(libMax < 0, maxBelowZero);
    QCOMPARE(libMax > libMin, taken);
    w.recalc(false);

    QCOMPARE(s.zelt().minIntgTime, taken ? qMax(0, libMin) : libMin);
    QCOMPARE(s.zelt().maxIntgTime, taken ? qMax(0, libMax) : libMax);
    QCOMPARE(panel.intTime->minimum(), taken ? qMax(0, libMin) : boxMin);
    QCOMPARE(panel.intTime->maximum(), taken ? qMax(0, libMax) : boxMax);
    QVERIFY(!w.busy);
}

// Zelt shows the input-clock bit on the input box and the frame-rate bit on
// the rate list, and keeps the word.
void TestZeltHolv101::zeltWarnings()
{
    Session s(QStringLiteral("Zelt102"));
    Pallador &w = s.w();
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);

    w.ui.dSpinPLL_Input->setValue(1.0);
    QVERIFY(s.record().warnings & 0x400000);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kRedDouble);
    w.ui.dSpinPLL_Input->setValue(s.zelt().defaults.defaultInputClock);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);

    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("5000"));
    QVERIFY(s.record().warnings & 0x1);
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kRedCombo);
    QCOMPARE(quint32(w.property("WarningValue").toInt()), s.record().warnings);
    QCOMPARE(w.warnings[0], s.record().warnings);
}

// ---------------------------------------------------------------------------
// Holv_101.

// The set-up puts the radar's starting configuration into the window's
// channels; the family's own starting configuration is the same.
void TestZeltHolv101::holvSetUp()
{
    Session s(QStringLiteral("Holv101"));
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, 114);
    QCOMPARE(s.responder.seen(), QStringList());
    QCOMPARE(w.opBits, 0);
    QCOMPARE(w.interfaceIndex, 0);
    QCOMPARE(w.pllP4, 10);
    QCOMPARE(w.pllP5, 15);
    QCOMPARE(w.pllTargetOp, 79.0);
    QCOMPARE(w.mpDiv, 25);
    QCOMPARE(w.twoPixBits, 0);
    QCOMPARE(w.pllVco2, 2.0);
    QCOMPARE(w.pllN2, 512);
    QCOMPARE(w.outPort, 0);
    QCOMPARE(w.phyCd, 0);
    QCOMPARE(w.pllWcd, 128);
    QCOMPARE(w.custRev, 1);
    QCOMPARE(w.stdTemplateAvail, s.holv().defaults.defaultStdTemplate);
    QCOMPARE(w.ui.checkPLL_ADV->isChecked(), s.holv().defaults.defaultAdvPll == 1);
}

void TestZeltHolv101::holvChannels_data()
{
    QTest::addColumn<int>("bitsPosition");
    QTest::addColumn<int>("decimationPosition");
    QTest::addColumn<int>("adcPosition");
    QTest::addColumn<int>("mipiPosition");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("decimation");
    QTest::addColumn<int>("adcClock");
    QTest::addColumn<int>("mipiClock");

    QTest::newRow("12 bits, OFF, 60, 60") << 0 << 0 << 0 << 0 << 12 << 0 << 60 << 60;
    QTest::newRow("14 bits, 3x, ADC 30") << 1 << 2 << 1 << 0 << 14 << 4 << 30 << 60;
    QTest::newRow("12 bits, 4x, MIPI 30") << 0 << 3 << 0 << 1 << 12 << 6 << 60 << 30;
    QTest::newRow("14 bits, 2x, 30, 30") << 1 << 1 << 1 << 1 << 14 << 2 << 30 << 30;
}

// With the PLL panel on, every radar setting reaches the family, the list
// positions turned into the family's codes, and the registers follow.
void TestZeltHolv101::holvChannels()
{
    QFETCH(int, bitsPosition);
    QFETCH(int, decimationPosition);
    QFETCH(int, adcPosition);
    QFETCH(int, mipiPosition);
    QFETCH(int, bits);
    QFETCH(int, decimation);
    QFETCH(int, adcClock);
    QFETCH(int, mipiClock);

    Session s(QStringLiteral("Holv101"));
    Pallador &w = s.w();
    w.ui.checkPLL_ADV->setChecked(true);
    w.opBits = bitsPosition;
    w.interfaceIndex = decimationPosition;
    w.phyCd = adcPosition;
    w.outPort = mipiPosition;
    w.pllP4 = 12;
    w.pllP5 = 40;
    w.pllTargetOp = 77.5;
    w.mpDiv = 30;
    w.pllVco2 = 3.5;
    w.pllN2 = 256;
    w.pllWcd = 64;
    w.twoPixBits = 1;
    w.custRev = 0;
    resetJournal(w);
    w.recalc(true);

    QCOMPARE(journal(w).mid(0, 3), (QStringList{"CalculateConfig(0)", "SetResults(0)", "RegisterUpdate(0)"}));
    const CPllParams &p = s.pll();
    QCOMPARE(p.opBits, bits);
    QCOMPARE(p.interfaceIndex, decimation);
    QCOMPARE(p.phyCd, adcClock);
    QCOMPARE(p.outPort, mipiClock);
    QCOMPARE(p.pllP4, 12);
    QCOMPARE(p.pllP5, 40);
    QCOMPARE(p.pllTargetOp, 77.5);
    QCOMPARE(p.mpDiv, 30);
    QCOMPARE(p.pllVco2, 3.5);
    QCOMPARE(p.pllN2, 256);
    QCOMPARE(p.pllWcd, 64);
    QVERIFY(p.twoPixBits && !p.custRev);
    QCOMPARE(reg(w, "ALPHA_CHIRPS_IN_FRAME"), 64u);
    QCOMPARE(w.ctxDisplayText[0], s.holv().results.contextDisplayText[0]);
    QCOMPARE(w.ctxPresetText[0], s.holv().results.contextPresetText[0]);
    QCOMPARE(w.pllDisplayText, s.holv().results.pllDisplayText);
}

// With the panel off only the use case travels; the family keeps the radar
// settings of its last calculation with the panel on.
void TestZeltHolv101::holvPanelOff()
{
    Session s(QStringLiteral("Holv101"));
    Pallador &w = s.w();
    w.ui.checkPLL_ADV->setChecked(true);
    w.pllWcd = 96;
    w.recalc(true);
    QCOMPARE(s.pll().pllWcd, 96);

    w.ui.checkPLL_ADV->setChecked(false);
    w.pllWcd = 32;
    w.phyCd = 1;
    w.ui.comboUseCase_A->setCurrentIndex(2);
    QCOMPARE(s.holv().useCaseIndex, 2);
    w.recalc(true);
    QCOMPARE(s.holv().useCaseIndex, 2);
    QCOMPARE(s.pll().phyCd, s.holv().configBlock.adcClock);
    QVERIFY(s.pll().pllWcd != 32);
    QVERIFY(s.pll().phyCd == 60 || s.pll().phyCd == 30);
}

// After a calculation with the panel on, every radar control is read back
// into its window channel.
void TestZeltHolv101::holvPanelReadBack()
{
    Session s(QStringLiteral("Holv101"));
    Pallador &w = s.w();
    QWidget *panel = w.ui.widgetADV_PLL;
    w.comboPLL_Bits = panelCombo(w, "comboPLL_Bits", {"12", "14"});
    w.comboPLL_InterMode = panelCombo(w, "comboPLL_InterMode", {"OFF", "2x", "3x", "4x"});
    w.comboPLL_PhyType = panelCombo(w, "comboPLL_PhyType", {"60", "30"});
    w.comboOutPort = panelCombo(w, "comboOutPort", {"60", "30"});
    w.combo2pixBits = panelCombo(w, "combo2pixBits", {"OFF", "ON"});
    w.comboCust_Rev = panelCombo(w, "comboCust_Rev", {"OFF", "ON"});
    w.spinPLL_P4 = panelSpin<QSpinBox>(panel, "spinPLL_P4", 11);
    w.spinPLL_P5 = panelSpin<QSpinBox>(panel, "spinPLL_P5", 33);
    w.dSpinPLL_OutRate = panelSpin<QDoubleSpinBox>(panel, "dSpinPLL_OutRate", 78.25);
    w.spinPLL_MPDiv = panelSpin<QSpinBox>(panel, "spinPLL_MPDiv", 20);
    w.dSpinPLL_VCO2 = panelSpin<QDoubleSpinBox>(panel, "dSpinPLL_VCO2", 4.5);
    w.spinPLL_N2 = panelSpin<QSpinBox>(panel, "spinPLL_N2", 128);
    w.spinPLL_WCD = panelSpin<QSpinBox>(panel, "spinPLL_WCD", 48);
    w.comboPLL_Bits->setCurrentIndex(1);
    w.comboPLL_InterMode->setCurrentIndex(2);
    w.comboPLL_PhyType->setCurrentIndex(1);
    w.comboOutPort->setCurrentIndex(1);
    w.combo2pixBits->setCurrentIndex(1);
    w.comboCust_Rev->setCurrentIndex(0);
    w.ui.checkPLL_ADV->setChecked(true);
    w.recalc(true);

    QCOMPARE(w.opBits, 1);
    QCOMPARE(w.interfaceIndex, 2);
    QCOMPARE(w.pllP4, 11);
    QCOMPARE(w.pllP5, 33);
    QCOMPARE(w.pllTargetOp, 78.25);
    QCOMPARE(w.mpDiv, 20);
    QCOMPARE(w.pllVco2, 4.5);
    QCOMPARE(w.pllN2, 128);
    QCOMPARE(w.phyCd, 1);
    QCOMPARE(w.outPort, 1);
    QCOMPARE(w.pllWcd, 48);
    QCOMPARE(w.twoPixBits, 1);
    QCOMPARE(w.custRev, 0);

    // The next calculation hands them to the family.
    w.recalc(true);
    QCOMPARE(s.pll().opBits, 14);
    QCOMPARE(s.pll().interfaceIndex, 4);
    QCOMPARE(s.pll().phyCd, 30);
    QCOMPARE(s.pll().outPort, 30);
    QCOMPARE(s.pll().pllWcd, 48);
    QVERIFY(s.pll().twoPixBits && !s.pll().custRev);
}

// The radar has one kind of calculation and shows no warning colours.
void TestZeltHolv101::holvOneKindOfCalculation()
{
    Session s(QStringLiteral("Holv101"));
    Pallador &w = s.w();
    w.ui.checkPLL_ADV->setChecked(true);
    resetJournal(w);
    w.recalc(true);
    const QStringList withPll = journal(w);
    const QVector<quint32> registers = [&] {
        QVector<quint32> v;
        for (int i = 0; i < w.regCount; ++i)
            v << w.regs[i].value;
        return v;
    }();
    resetJournal(w);
    w.recalc(false);
    QCOMPARE(journal(w), withPll);
    for (int i = 0; i < w.regCount; ++i)
        QCOMPARE(w.regs[i].value, registers[i]);

    w.warnings[0] = 0xABC;
    w.ui.dSpinPLL_Input->setStyleSheet(QString());
    w.ui.comboMaxFRate_A->setStyleSheet(QString());
    w.showWarnings();
    w.recalc(true);
    QCOMPARE(w.warnings[0], 0xABCu);
    QCOMPARE(quint32(w.property("WarningValue").toInt()), 0xABCu);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), QString());
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), QString());
}

QTEST_MAIN(TestZeltHolv101)
#include "tst_zelt_holv101.moc"
