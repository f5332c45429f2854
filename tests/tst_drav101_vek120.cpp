// Catalogue 112 and 113 (Drav_101, Vek_120, one context each) driven through
// the window: every sample loads and calculates context A with the standard
// calls; the use-case presets of line and frame length reach the family and
// its registers (Drav_101 by revision on every calculation, Vek_120 once per
// change of use case with its clocks, lanes and interface, which calculate
// again until nothing changes, and not for the use case it opens on); the
// second PLL's overrides and the output
// bits are the open PLL panel's.
#include "calvex.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

const QString kRedVco2 = QStringLiteral("background-color: red;");
const QString kWhiteVco2 = QStringLiteral("background-color: white;");
// A style no rule of the window writes: a widget showing it was left alone.
const QString kUntouched = QStringLiteral("QWidget { background-color: blue; }");

struct Session : WindowSession {
    using WindowSession::WindowSession;
    CFamilyBase &family() { return *dynamic_cast<CFamilyBase *>(window->calvex->family()); }
    LengthPresets &presets() { return *dynamic_cast<LengthPresets *>(window->calvex->family()); }
};

qint64 reg(const Pallador &w, const char *name)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].name == QLatin1String(name))
            return w.regs[i].value;
    }
    return -1;
}

QCheckBox *panelBox(Pallador &w, const char *name, bool checked)
{
    auto *box = new QCheckBox(&w);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

// A configuration of eight use cases of one size and rate.
QByteArray config(const char *sensor, int cols, int rows, int fps)
{
    QByteArray text = QByteArray("[General_Info]\nsensor_name = ") + sensor + "\npart_number = X-1\n[UseCases]\n";
    for (int i = 0; i < 8; ++i) {
        const QByteArray n = QByteArray::number(i) + '/';
        text += n + "name = Use case " + QByteArray::number(i) + "\n" + n + "cols = " + QByteArray::number(cols) +
                "\n" + n + "rows = " + QByteArray::number(rows) + "\n" + n + "max_fps = " + QByteArray::number(fps) +
                "\n" + n + "intg_time = 20\n";
    }
    return text + "0/context_a_default = 1\n";
}

QByteArray drav101Config()
{
    return config("Drav101t", 640, 480, 30);
}

QByteArray vek120Config()
{
    return config("Vek120t", 1920, 1200, 15);
}

} // namespace

class TestDrav101Vek120 : public QObject {
    Q_OBJECT

private slots:
    void samplesEndToEnd_data();
    void samplesEndToEnd();
    void drav101PresetByRevision_data();
    void drav101PresetByRevision();
    void presetFrameAndTheRate_data();
    void presetFrameAndTheRate();
    void vek120PresetByUseCase_data();
    void vek120PresetByUseCase();
    void vek120PresetOncePerUseCase();
    void vek120NoPresetAtLoad();
    void secondTargetAndRevision();
    void panelInputs_data();
    void panelInputs();
    void secondVcoWarning_data();
    void secondVcoWarning();
};

// ---------------------------------------------------------------------------
// Every sensor of the group.

void TestDrav101Vek120::samplesEndToEnd_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("interfaces");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("blankingFixed");
    QTest::addColumn<int>("lineLength"); // use case 0's preset; 0: none, the library's own timing
    QTest::addColumn<double>("fps");
    QTest::newRow("112 Drav101t") << "Drav101t" << 112 << QStringList{"MIPI-1"} << 0 << true << 1280 << 60.0;
    QTest::newRow("113 Vek120t") << "Vek120t" << 113 << QStringList{"MIPI-2", "MIPI-4"} << 1 << false << 0 << 29.5;
}

// The sample loads with its interface list fixed and calculates context A
// with the standard calls. Drav_101 programs use case 0's preset from the
// first calculation on; Vek_120 applies no preset to the use case it opens
// on (its line and frame are the library's own). Either way the frame runs
// at the use case's rate and no input is red.
void TestDrav101Vek120::samplesEndToEnd()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    QFETCH(QStringList, interfaces);
    QFETCH(int, position);
    QFETCH(bool, blankingFixed);
    QFETCH(int, lineLength);
    QFETCH(double, fps);

    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.sensorIndex, index);
    QStringList items;
    for (int i = 0; i < w.ui.comboPLL_Interface->count(); ++i)
        items << w.ui.comboPLL_Interface->itemText(i);
    QCOMPARE(items, interfaces);
    QCOMPARE(w.ui.comboPLL_Interface->currentIndex(), position);
    QVERIFY(!w.ui.comboPLL_Interface->isEnabled());
    QCOMPARE(w.ui.comboTypeBlank_A->isEnabled(), !blankingFixed);
    QCOMPARE(s.presets().lineLengthPreset, lineLength);
    QCOMPARE(w.presetUseCase, 0);

    resetJournal(w);
    w.recalc(true);
    QCOMPARE(journal(w), (QStringList{"PllUpdate()", "TimingUpdate(0, false, true)", "ResultsUpdate(0)",
                                      "RegisterUpdate(0)", "RegisterUpdate(0)"}));
    const calvex::TimingResult &t = f.timing(0);
    QCOMPARE(reg(w, "LINE_LENGTH_PCK"), qint64(lineLength > 0 ? lineLength : t.lineLength));
    QCOMPARE(reg(w, "FRAME_LENGTH_LINE"), qint64(t.frameLength));
    QVERIFY(t.frameLength >= s.presets().frameLengthPreset);
    QVERIFY2(std::fabs(t.fps - fps) <= 1e-3 * fps, qPrintable(QString::number(t.fps)));
    QCOMPARE(w.getWarningValue(), 0);
    QCOMPARE(redWidgets(w), QStringList());
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    const QString text = w.ui.textResult_A->toPlainText();
    QCOMPARE(text.contains(QLatin1String("Use-case preset:")), lineLength > 0);
    QCOMPARE(text.contains(QStringLiteral("Use-case preset: line length %1 pck").arg(lineLength)), lineLength > 0);
    QVERIFY(w.ui.textResult_PLL->toPlainText().endsWith(QStringLiteral("HW Rev: 1")));
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// The presets.

void TestDrav101Vek120::drav101PresetByRevision_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<int>("useCase");
    QTest::addColumn<int>("lineLength");
    QTest::addColumn<int>("frameLength");
    QTest::newRow("rev 0, use case 0") << 0 << 0 << 1296 << 514;
    QTest::newRow("rev 0, use case 3") << 0 << 3 << 1296 << 274;
    QTest::newRow("rev 0, use case 4") << 0 << 4 << 1296 << 154;
    QTest::newRow("rev 1, use case 3") << 1 << 3 << 1280 << 278;
    QTest::newRow("rev 1, use case 4") << 1 << 4 << 1280 << 158;
    // Beyond the table: the preset of use case 2, selected before, stays.
    QTest::newRow("rev 0, use case 7") << 0 << 7 << 1296 << 274;
    QTest::newRow("rev 1, use case 7") << 1 << 7 << 1280 << 278;
}

// Drav_101's preset follows the use case and the revision the open PLL
// panel chose (which the PLL pane shows one-based); the registers program it.
void TestDrav101Vek120::drav101PresetByRevision()
{
    QFETCH(int, revision);
    QFETCH(int, useCase);
    QFETCH(int, lineLength);
    QFETCH(int, frameLength);
    Session s(QStringLiteral("Drav101t.cfg"), drav101Config());
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.revIndex = revision;
    w.ui.checkPLL_ADV->click();
    w.ui.comboUseCase_A->setCurrentIndex(2);
    w.ui.comboUseCase_A->setCurrentIndex(useCase);
    QCOMPARE(f.pll.revision, revision);
    QCOMPARE(s.w().dataIO->getRevNumber(), revision + 1);
    QVERIFY(w.ui.textResult_PLL->toPlainText().endsWith(QStringLiteral("HW Rev: %1").arg(revision + 1)));
    QCOMPARE(w.presetUseCase, useCase);
    QCOMPARE(s.presets().lineLengthPreset, lineLength);
    QCOMPARE(s.presets().frameLengthPreset, frameLength);
    QCOMPARE(reg(w, "LINE_LENGTH_PCK"), qint64(lineLength));
    QVERIFY(reg(w, "FRAME_LENGTH_LINE") >= frameLength);

    // Closed, the panel's revision no longer reaches the family.
    w.ui.checkPLL_ADV->click();
    w.revIndex = 1 - revision;
    w.recalc(true);
    QCOMPARE(f.pll.revision, revision);
    QCOMPARE(s.presets().lineLengthPreset, lineLength);
}

void TestDrav101Vek120::presetFrameAndTheRate_data()
{
    QTest::addColumn<int>("useCase");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("fps");
    QTest::addColumn<int>("lineLength");
    QTest::addColumn<int>("frameLength");
    QTest::addColumn<bool>("rateRed");
    // 1280 x 518 at 48 MHz runs 72.4 fps; use cases 0 and 1 share it.
    QTest::newRow("use case 0, 60 fps") << 0 << 640 << 480 << "60" << 1280 << 625 << false;
    QTest::newRow("use case 1, 30 fps") << 1 << 640 << 480 << "30" << 1280 << 1250 << false;
    // 312.5 lines: 313 run 0.16 % slow, the nearest whole lines of the preset line.
    QTest::newRow("use case 2, 120 fps") << 2 << 320 << 240 << "120" << 1280 << 313 << false;
    QTest::newRow("faster than the preset") << 0 << 640 << 480 << "100" << 1280 << 518 << true;
    // 80 clocks and 18 lines of blanking, below the minimum of 264 and 32.
    QTest::newRow("below the minimum blanking") << 0 << 2400 << 500 << "100" << 1280 << 518 << true;
    // 1500 active clocks do not fit the preset line.
    QTest::newRow("line too short for the columns") << 0 << 3000 << 480 << "30" << 1500 << 1067 << false;
}

// A preset is the maker's tested setting: programmed as given, even with
// less blanking than the library's minimum, as long as it holds the line and
// the rows. Its frame is the shortest of the use case: a lower rate (use
// cases 0 and 1 differ only in theirs) lengthens it by whole lines, which
// meet the rate; a higher one is shown as out of reach.
void TestDrav101Vek120::presetFrameAndTheRate()
{
    QFETCH(int, useCase);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QString, fps);
    QFETCH(int, lineLength);
    QFETCH(int, frameLength);
    QFETCH(bool, rateRed);
    Session s(QStringLiteral("Drav101t"));
    Pallador &w = s.w();
    w.ui.comboUseCase_A->setCurrentIndex(useCase);
    w.cols[0] = cols;
    w.rows[0] = rows;
    w.ui.comboMaxFRate_A->lineEdit()->setText(fps);
    w.recalc(false);
    QCOMPARE(s.presets().lineLengthPreset, 1280);
    QCOMPARE(reg(w, "LINE_LENGTH_PCK"), qint64(lineLength));
    QCOMPARE(reg(w, "FRAME_LENGTH_LINE"), qint64(frameLength));
    QCOMPARE(reg(w, "X_OUTPUT_SIZE"), qint64(cols));
    QCOMPARE(bool(w.getWarningValue() & 0x1), rateRed);
    QCOMPARE(w.getWarningValue() & 0x6, 0);
}

void TestDrav101Vek120::vek120PresetByUseCase_data()
{
    QTest::addColumn<int>("useCase");
    QTest::addColumn<int>("lanes");
    QTest::addColumn<int>("lineLength");
    QTest::addColumn<int>("frameLength");
    QTest::addColumn<int>("interfacePosition");
    QTest::addColumn<double>("target");
    QTest::addColumn<bool>("targetEnabled");
    // The use case's calculation, one nested for the target box moving (from
    // 80 MHz) and one more for the interface list moving.
    QTest::addColumn<int>("calculations");
    QTest::newRow("1") << 1 << 4 << 2304 << 1234 << 1 << 85.0 << true << 2;
    QTest::newRow("3") << 3 << 4 << 2304 << 634 << 1 << 85.0 << true << 2;
    QTest::newRow("5, two lanes") << 5 << 2 << 4480 << 1234 << 0 << 85.0 << false << 3;
    QTest::newRow("6, two lanes at 42.5 MHz") << 6 << 2 << 2304 << 1234 << 0 << 42.5 << false << 3;
    // Beyond the table: no lengths preset (the window opened on use case 0
    // without one), the rest is the preset's start.
    QTest::newRow("7") << 7 << 4 << 0 << 0 << 1 << 85.0 << false << 2;
}

// Choosing a use case applies its preset once: the clocks, the lanes, the
// lengths and the interface reach the family, the target box and the
// interface list follow (their slots calculate again with the same preset)
// and the next calculation runs alone, the widgets no longer changing.
void TestDrav101Vek120::vek120PresetByUseCase()
{
    QFETCH(int, useCase);
    QFETCH(int, lanes);
    QFETCH(int, lineLength);
    QFETCH(int, frameLength);
    QFETCH(int, interfacePosition);
    QFETCH(double, target);
    QFETCH(bool, targetEnabled);
    QFETCH(int, calculations);
    Session s(QStringLiteral("Vek120t.cfg"), vek120Config());
    Pallador &w = s.w();
    auto &f = static_cast<Vek_120 &>(s.family());
    w.ui.dSpinPLL_Target->setValue(80.0);
    QCOMPARE(f.pll.targetClock, 80.0);

    resetJournal(w);
    w.ui.comboUseCase_A->setCurrentIndex(useCase);
    QCOMPARE(::calculations(w), calculations);
    QCOMPARE(f.useCaseIndex, useCase);
    QCOMPARE(w.presetUseCase, useCase);
    QCOMPARE(f.pll.lanes, lanes);
    QCOMPARE(f.linkLanes(), lanes);
    QCOMPARE(f.lineLengthPreset, lineLength);
    QCOMPARE(f.frameLengthPreset, frameLength);
    QCOMPARE(f.pll.targetClock, target);
    QCOMPARE(f.pll.outputClock, target);
    QCOMPARE(w.ui.dSpinPLL_Target->value(), target);
    QCOMPARE(w.pllTarget, target);
    QCOMPARE(w.ui.dSpinPLL_Target->isEnabled(), targetEnabled);
    QCOMPARE(w.ui.comboPLL_Interface->currentIndex(), interfacePosition);
    QCOMPARE(w.interfaceIndex, interfacePosition);
    const qint64 programmedLine = lineLength > 0 ? lineLength : f.timing(0).lineLength;
    QCOMPARE(reg(w, "LINE_LENGTH_PCK"), programmedLine);
    QVERIFY(reg(w, "FRAME_LENGTH_LINE") >= frameLength);
    QVERIFY(!w.busy);

    resetJournal(w);
    w.recalc(true);
    QCOMPARE(::calculations(w), 1);
    QCOMPARE(f.pll.lanes, lanes);
    QCOMPARE(reg(w, "LINE_LENGTH_PCK"), programmedLine);
}

// The preset does not run again for the use case it was taken for: a target
// the user sets afterwards is passed as it is; with the revision not 0 no
// preset runs at all.
void TestDrav101Vek120::vek120PresetOncePerUseCase()
{
    Session s(QStringLiteral("Vek120t.cfg"), vek120Config());
    Pallador &w = s.w();
    auto &f = static_cast<Vek_120 &>(s.family());
    w.ui.comboUseCase_A->setCurrentIndex(2);
    QCOMPARE(f.frameLengthPreset, 634);
    w.ui.dSpinPLL_Target->setValue(80.0);
    QCOMPARE(f.pll.targetClock, 80.0);
    QCOMPARE(f.pll.outputClock, 80.0);
    QCOMPARE(f.frameLengthPreset, 634);
    QCOMPARE(w.presetUseCase, 2);

    f.pll.revision = 1;
    w.ui.comboUseCase_A->setCurrentIndex(4);
    QCOMPARE(f.frameLengthPreset, 634);
    QCOMPARE(f.pll.targetClock, 80.0);
    QCOMPARE(w.presetUseCase, 2);
}

// Right after loading, use case 0 runs on the library's own timing: a
// calculation with it selected applies no preset, so a target the user sets
// is passed as it is; selecting another use case and then use case 0 applies
// use case 0's preset.
void TestDrav101Vek120::vek120NoPresetAtLoad()
{
    Session s(QStringLiteral("Vek120t"));
    Pallador &w = s.w();
    auto &f = static_cast<Vek_120 &>(s.family());
    QCOMPARE(w.presetUseCase, 0);
    QCOMPARE(f.lineLengthPreset, 0);
    QVERIFY(f.timing(0).lineLength != 2304);
    QCOMPARE(reg(w, "LINE_LENGTH_PCK"), qint64(f.timing(0).lineLength));

    w.ui.dSpinPLL_Target->setValue(80.0);
    QCOMPARE(f.pll.targetClock, 80.0);
    QCOMPARE(f.pll.outputClock, 80.0);
    QCOMPARE(f.lineLengthPreset, 0);
    QCOMPARE(w.presetUseCase, 0);

    w.ui.comboUseCase_A->setCurrentIndex(1);
    QCOMPARE(f.frameLengthPreset, 1234);
    QCOMPARE(f.pll.targetClock, 85.0);
    w.ui.comboUseCase_A->setCurrentIndex(0);
    QCOMPARE(w.presetUseCase, 0);
    QCOMPARE(f.lineLengthPreset, 2304);
    QCOMPARE(f.frameLengthPreset, 1250);
    QCOMPARE(reg(w, "LINE_LENGTH_PCK"), qint64(2304));
    QCOMPARE(w.getWarningValue(), 0);
    QCOMPARE(s.responder.seen(), QStringList());
}

// Neither family passes the second target clock: it goes in as -1.0, except
// in the calculation that applies a Vek_120 preset (85 MHz). Vek_120's open
// panel sets revision 0 and shows revision 1.
void TestDrav101Vek120::secondTargetAndRevision()
{
    {
        Session s(QStringLiteral("Drav101t"));
        s.w().pllTargetOp = 99.0;
        s.w().recalc(true);
        QCOMPARE(s.family().pll.targetClock2, -1.0);
    }
    Session s(QStringLiteral("Vek120t"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.pllTargetOp = 99.0;
    w.recalc(true);
    QCOMPARE(f.pll.targetClock2, -1.0);
    w.ui.comboUseCase_A->setCurrentIndex(3);
    QCOMPARE(f.pll.targetClock2, 85.0);
    w.recalc(true);
    QCOMPARE(f.pll.targetClock2, -1.0);

    f.pll.revision = 3;
    w.dataIO->setRevNumber(4);
    w.ui.checkPLL_ADV->click();
    w.recalc(true);
    QCOMPARE(f.pll.revision, 0);
    QCOMPARE(w.dataIO->getRevNumber(), 1);
}

void TestDrav101Vek120::panelInputs_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("dividers"); // N2 and M2 ticked
    QTest::addColumn<bool>("vco");      // VCO2 ticked
    QTest::addColumn<double>("vco2");   // 0: the library's own choice
    QTest::addColumn<int>("bits");      // 0: the library's own choice
    for (const char *sample : {"Drav101t", "Vek120t"}) {
        const QByteArray tag(sample);
        QTest::newRow(tag + " N2 M2") << sample << true << true << false << 1000.0 << 8;
        QTest::newRow(tag + " VCO2") << sample << true << false << true << 1100.0 << 8;
        QTest::newRow(tag + " closed") << sample << false << true << true << 0.0 << 0;
    }
}

// The second PLL's overrides and the "Op Pixel Divider (Output Bits):"
// entry are read only while the advanced PLL panel is open; a ticked box of
// a closed panel leaves the choice to the library.
void TestDrav101Vek120::panelInputs()
{
    QFETCH(QString, sample);
    QFETCH(bool, open);
    QFETCH(bool, dividers);
    QFETCH(bool, vco);
    QFETCH(double, vco2);
    QFETCH(int, bits);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    const double ownVco2 = f.pll.vcoClock2;
    const int ownBits = f.linkBits();
    if (open) {
        // The open panel's own boxes and its list of dividers 8 and 10.
        w.ui.checkPLL_ADV->click();
        w.comboPLL_Bits->setCurrentIndex(0);
    } else {
        w.checkPLL_N2 = panelBox(w, "checkPLL_N2", false);
        w.checkPLL_M2 = panelBox(w, "checkPLL_M2", false);
        w.checkPLL_VCO2 = panelBox(w, "checkPLL_VCO2", false);
        w.comboPLL_Bits = new QComboBox(&w);
        w.comboPLL_Bits->addItems({"8", "10"});
    }
    w.checkPLL_N2->setChecked(dividers);
    w.checkPLL_M2->setChecked(dividers);
    w.checkPLL_VCO2->setChecked(vco);
    w.pllN2 = 2;
    w.pllM2 = 80;
    w.pllVco2 = 1100.0;
    w.recalc(true);

    QCOMPARE(f.pll.vcoClock2, vco2 > 0.0 ? vco2 : ownVco2);
    if (dividers && open) {
        QCOMPARE(f.pll.pllN2, 2);
        QCOMPARE(f.pll.pllM2, 80);
    }
    QCOMPARE(f.linkBits(), bits > 0 ? bits : ownBits);
    QCOMPARE(reg(w, "OP_PIX_CLK_DIV"), qint64(f.linkBits()));
    if (open)
        QCOMPARE(w.opBits, bits);
    QCOMPARE(w.getWarningValue() & 0x800000, 0);
}

void TestDrav101Vek120::secondVcoWarning_data()
{
    QTest::addColumn<QString>("sample");
    QTest::newRow("112") << "Drav101t";
    QTest::newRow("113") << "Vek120t";
}

// A second VCO out of range colours the panel's second-VCO box while the
// panel is open; closed, its box is left alone and its request not read.
// The clear mask drops the second PLL's bit between calculations and keeps
// the bits outside it.
void TestDrav101Vek120::secondVcoWarning()
{
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    auto *box = new QDoubleSpinBox(&w);
    box->setObjectName(QStringLiteral("dSpinPLL_VCO2"));
    box->setEnabled(true);
    box->setStyleSheet(kUntouched);
    w.dSpinPLL_VCO2 = box;
    w.checkPLL_VCO2 = panelBox(w, "checkPLL_VCO2", true);
    w.pllVco2 = 1800.0;

    w.recalc(true);
    QCOMPARE(box->styleSheet(), kUntouched);
    QCOMPARE(w.getWarningValue() & 0x800000, 0);

    // The open panel's own second-VCO box, ticked and given the request.
    w.ui.checkPLL_ADV->click();
    box = w.dSpinPLL_VCO2;
    w.checkPLL_VCO2->setChecked(true);
    w.pllVco2 = 1800.0;
    w.recalc(true);
    QCOMPARE(box->styleSheet(), kRedVco2);
    QVERIFY(w.getWarningValue() & 0x800000);

    f.ctx[0].warnings |= 0x80000000u;
    w.checkPLL_VCO2->setChecked(false);
    w.recalc(true);
    QCOMPARE(box->styleSheet(), kWhiteVco2);
    QCOMPARE(f.ctx[0].warnings & 0x80800000u, 0x80000000u);
}

QTEST_MAIN(TestDrav101Vek120)
#include "tst_drav101_vek120.moc"
