// The image processors of catalogue 59-61 and 69-71 (Murn_107, Murn_103,
// Murn_110, Murn_108, Murn_106) driven through the window: a change of one
// context keeps the PLL results and recalculates that context alone, a PLL
// change runs the PLL step and both contexts; each family's inputs, its PLL
// requests and overrides, its context set-up and its warning colours.
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

const QString kRedDouble = QStringLiteral("QDoubleSpinBox { background-color: red; }");
const QString kWhiteDouble = QStringLiteral("QDoubleSpinBox { background-color: white; }");
const QString kRedCombo = QStringLiteral("QComboBox { background-color: red; }");
const QString kWhiteCombo = QStringLiteral("QComboBox { background-color: white; }");
const QString kRedSpin = QStringLiteral("QSpinBox { background-color: red; }");
const QString kWhiteSpin = QStringLiteral("QSpinBox { background-color: white; }");
const QString kRedCheck = QStringLiteral("QCheckBox { color: red; font-weight: bold }");
const QString kBlackCheck = QStringLiteral("QCheckBox { color: black; font-weight: normal; }");
// A style no rule of the window writes: a widget showing it was left alone.
const QString kUntouched = QStringLiteral("QWidget { background-color: blue; }");

// A window on a fixture installation with a sample or a written configuration.
struct Session : WindowSession {
    using WindowSession::WindowSession;
    CFamilyCore &family() { return *window->calvex->family(); }
};

// What a calculation of context c asks of the family object.
QStringList contextCalls(int c, bool extendForIntegration)
{
    return {QStringLiteral("TimingUpdate(%1, false, %2)").arg(c).arg(extendForIntegration ? "true" : "false"),
            QStringLiteral("ResultsUpdate(%1)").arg(c), QStringLiteral("RegisterUpdate(%1)").arg(c)};
}

// The register refresh after each calculation: the contexts the family
// recomputes (none where the values of the last calculation stand).
QStringList refreshCalls(const QList<int> &contexts)
{
    QStringList calls;
    for (int c : contexts)
        calls << QStringLiteral("RegisterUpdate(%1)").arg(c);
    return calls;
}

// A window member of a context and the record field it goes into.
struct IntInput {
    const char *name;
    int (Pallador::*window)[3];
    qint32 CContextParams::*record;
    int value; // distinct from the record's value before
};
const IntInput kIntInputs[] = {
    {"binning", &Pallador::binning, &CContextParams::binning, 1},
    {"binXOnly", &Pallador::binXOnly, &CContextParams::binXOnly, 1},
    {"bin2Skip2", &Pallador::bin2Skip2, &CContextParams::bin2Skip2, 1},
    {"binSF", &Pallador::binSF, &CContextParams::binSF, 1},
    {"skipping", &Pallador::skipping, &CContextParams::skipping, 4},
    {"cols", &Pallador::cols, &CContextParams::cols, 632},
    {"rows", &Pallador::rows, &CContextParams::rows, 472},
    {"blankType", &Pallador::blankType, &CContextParams::blankType, 1},
    {"userHBlank", &Pallador::userHBlank, &CContextParams::userHBlank, 333},
    {"userVBlank", &Pallador::userVBlank, &CContextParams::userVBlank, 44},
    {"lowPower", &Pallador::lowPower, &CContextParams::lowPower, 1},
    {"otherLineTime", &Pallador::otherLineTime, &CContextParams::otherLineTime, 1},
    {"adcMode", &Pallador::adcMode, &CContextParams::adcMode, 2},
    {"outFormat", &Pallador::outFormat, &CContextParams::outFormat, 1},
    {"fifo", &Pallador::fifo, &CContextParams::fifo, 7},
    {"cropping", &Pallador::cropping, &CContextParams::cropping, 1},
    {"centering", &Pallador::centering, &CContextParams::centering, 1},
    {"hdrMode", &Pallador::hdrMode, &CContextParams::hdrMode, 1},
    {"cif", &Pallador::cif, &CContextParams::cif, 1},
    {"hd720p", &Pallador::hd720p, &CContextParams::hd720p, 1},
    {"fovCols", &Pallador::fovCols, &CContextParams::fovCols, 1200},
    {"fovRows", &Pallador::fovRows, &CContextParams::fovRows, 900},
    {"fovX", &Pallador::fovX, &CContextParams::fovX, 8},
    {"fovY", &Pallador::fovY, &CContextParams::fovY, 6},
};

// How a family fills the record's minimum frame rate.
enum MinFps { MinFpsKept, MinFpsFromWindow, MinFpsHalfMax };

// A configuration of the Murn_106 sensor with use cases 0 to 25: a scaled
// VGA output of the full field of view; use case 1 bins and skips 4x,
// use case 6 skips 4x.
QByteArray murn106Config()
{
    QByteArray text = "[General_Info]\nsensor_name = Sarn107k\npart_number = SN-107K-A\nrevision = 1\n[UseCases]\n";
    for (int i = 0; i < 26; ++i) {
        const QByteArray n = QByteArray::number(i) + '/';
        text += n + "name = Use case " + QByteArray::number(i) + "\n" + n + "cols = 640\n" + n + "rows = 480\n" + n +
                "fov_cols = 1280\n" + n + "fov_rows = 960\n" + n + "max_fps = 30\n" + n + "intg_time = 30\n";
        if (i == 1)
            text += n + "binning = 1\n" + n + "skipping = 4\n";
        if (i == 6)
            text += n + "skipping = 4\n";
    }
    text += "0/context_a_default = 1\n";
    return text;
}

// A two-context configuration whose use case 0 (context A's default) and use
// case 1 (context B's default) differ in their frame rates.
QByteArray twoContextConfig(const char *sensor)
{
    return QByteArray("[General_Info]\nsensor_name = ") + sensor +
           "\npart_number = X-1\nrevision = 1\n[UseCases]\n"
           "0/name = Preview\n0/cols = 640\n0/rows = 480\n0/max_fps = 12\n0/intg_time = 30\n0/context_a_default = 1\n"
           "1/name = Capture\n1/cols = 1280\n1/rows = 960\n1/max_fps = 8\n1/intg_time = 60\n1/context_b_default = 1\n";
}

int rowIndex(const Pallador &w, const QString &name)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].name == name)
            return i;
    }
    return -1;
}

} // namespace

class TestMurn107Murn103Murn110Murn108Murn106 : public QObject {
    Q_OBJECT

private slots:
    void calculationKinds_data();
    void calculationKinds();
    void contextInputs_data();
    void contextInputs();
    void endToEnd_data();
    void endToEnd();
    void contextSetUp_data();
    void contextSetUp();
    void setUpReadsTheFamilyAndUseCaseZero();
    void murn107IgnoresDividerOverrides();
    void dividerOverrides_data();
    void dividerOverrides();
    void murn106OutputSizeByUseCase_data();
    void murn106OutputSizeByUseCase();
    void murn106ReadModeAndMinimumRate();
    void warningMaps_data();
    void warningMaps();
};

// ---------------------------------------------------------------------------
// The two kinds of calculation.

void TestMurn107Murn103Murn110Murn108Murn106::calculationKinds_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("extend");          // the timing step's last argument
    QTest::addColumn<QList<int>>("refreshed"); // contexts the register refresh recomputes

    QTest::newRow("59 Sarn108kj") << "Sarn108kj" << true << QList<int>{};
    QTest::newRow("60 Sarn103k") << "Sarn103k" << true << QList<int>{};
    QTest::newRow("61 Tolm109") << "Tolm109" << true << QList<int>{};
    QTest::newRow("69 Sarn113k") << "Sarn113k" << true << QList<int>{0, 1};
    QTest::newRow("70 Sarn110k") << "Sarn110k" << false << QList<int>{};
    QTest::newRow("71 Sarn107k") << "Sarn107k" << true << QList<int>{0};
}

// A context change recalculates that context from the PLL results the
// family holds: no PLL input is written and the PLL step does not run. A
// PLL change writes the inputs, runs the PLL step and both contexts, and the
// other context stays current.
void TestMurn107Murn103Murn110Murn108Murn106::calculationKinds()
{
    QFETCH(QString, sample);
    QFETCH(bool, extend);
    QFETCH(QList<int>, refreshed);

    Session s(sample);
    Pallador &w = s.w();
    CFamilyCore &f = s.family();
    const bool two = w.contextCount == 2;
    const double input = f.pll.inputClock;
    const QString pllText = f.results.pllDisplayText;

    for (int start : two ? QList<int>{0, 1} : QList<int>{0}) {
        w.currentContext = start;
        w.pllInput = input + 1.0;
        resetJournal(w);
        w.recalc(false);
        QCOMPARE(journal(w), contextCalls(start, extend) + refreshCalls(refreshed));
        QCOMPARE(calculations(w), 1);
        QCOMPARE(f.pll.inputClock, input);
        QCOMPARE(f.results.pllDisplayText, pllText);
        QCOMPARE(w.currentContext, start);
    }

    w.currentContext = 0;
    resetJournal(w);
    w.recalc(true);
    QStringList expected{QStringLiteral("PllUpdate()")};
    expected << contextCalls(0, extend);
    if (two)
        expected << contextCalls(1, extend) << refreshCalls(refreshed);
    expected << refreshCalls(refreshed);
    QCOMPARE(journal(w), expected);
    QCOMPARE(calculations(w), w.contextCount);
    QCOMPARE(f.pll.inputClock, input + 1.0);
    QCOMPARE(w.currentContext, two ? 1 : 0);
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    if (two) {
        QCOMPARE(w.ui.textResult_B->toPlainText(), f.results.contextDisplayText[1]);
        // From context B the pass goes the other way and ends in A.
        resetJournal(w);
        w.recalc(true);
        QCOMPARE(calculatedContexts(w), (QList<int>{1, 0}));
        QCOMPARE(w.currentContext, 0);
    }
    QVERIFY(w.ui.textResult_PLL->toPlainText().startsWith(f.results.pllDisplayText));
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Inputs of the context record.

void TestMurn107Murn103Murn110Murn108Murn106::contextInputs_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<bool>("variableFps");
    QTest::addColumn<int>("minFps");

    const QStringList murn107{"binning", "skipping",  "cols",       "rows",      "otherLineTime",
                              "adcMode", "blankType", "userHBlank", "userVBlank"};
    // No binning field: the window's binning does not reach the family.
    const QStringList murn103{"skipping", "cols",      "rows",       "otherLineTime",
                              "lowPower", "blankType", "userHBlank", "userVBlank"};
    const QStringList murn110{"binning", "binXOnly",  "bin2Skip2",  "binSF",     "skipping", "cols",
                              "rows",    "lowPower",  "outFormat",  "fifo",      "cropping", "centering",
                              "hdrMode", "blankType", "userHBlank", "userVBlank"};
    const QStringList murn108{"binning",   "binXOnly",      "skipping", "cols",      "rows",       "lowPower",
                              "centering", "otherLineTime", "adcMode",  "blankType", "userHBlank", "userVBlank"};
    const QStringList murn106{"binning", "binXOnly", "bin2Skip2",  "skipping",   "cols",      "rows",
                              "fovCols", "fovRows",  "lowPower",   "cropping",   "centering", "blankType",
                              "cif",     "hd720p",   "userHBlank", "userVBlank", "fovX",      "fovY"};
    QTest::newRow("59 Murn_107") << "Sarn108kj" << murn107 << false << int(MinFpsKept);
    QTest::newRow("60 Murn_103") << "Sarn103k" << murn103 << false << int(MinFpsKept);
    QTest::newRow("61 Murn_103") << "Tolm109" << murn103 << false << int(MinFpsKept);
    QTest::newRow("69 Murn_110") << "Sarn113k" << murn110 << true << int(MinFpsFromWindow);
    QTest::newRow("70 Murn_108") << "Sarn110k" << murn108 << false << int(MinFpsKept);
    QTest::newRow("71 Murn_106") << "Sarn107k" << murn106 << true << int(MinFpsHalfMax);
}

// Every window member of the family's list reaches the record of the
// context calculated, from that context's settings; no other does.
void TestMurn107Murn103Murn110Murn108Murn106::contextInputs()
{
    QFETCH(QString, sample);
    QFETCH(QStringList, written);
    QFETCH(bool, variableFps);
    QFETCH(int, minFps);

    Session s(sample);
    Pallador &w = s.w();
    CFamilyCore &f = s.family();
    const int cc = w.contextCount - 1; // B where there is one
    const int other = 1 - cc;
    CContextParams &r = f.ctx[cc];
    QHash<QString, int> before;
    for (const IntInput &in : kIntInputs) {
        before.insert(QLatin1String(in.name), r.*in.record);
        (w.*in.window)[cc] = in.value;
        (w.*in.window)[other] = in.value + 1;
    }
    w.maxFps[cc] = 12.5;
    w.maxFps[other] = 9.0;
    w.minFps[cc] = 3.25;
    w.mirror[cc] = w.flip[cc] = w.variableFps[cc] = true;
    const double minBefore = r.minFps;
    r.variableFps = false;
    w.currentContext = cc;

    w.recalc(false);

    for (const IntInput &in : kIntInputs) {
        const QString name = QLatin1String(in.name);
        const int expected = written.contains(name) ? in.value : before.value(name);
        QVERIFY2(r.*in.record == expected, qPrintable(QStringLiteral("%1: %2").arg(name).arg(r.*in.record)));
    }
    QCOMPARE(r.maxFps, 12.5);
    QVERIFY(r.mirror && r.flip);
    QCOMPARE(r.variableFps, variableFps);
    switch (minFps) {
    case MinFpsKept:
        QCOMPARE(r.minFps, minBefore);
        break;
    case MinFpsFromWindow:
        QCOMPARE(r.minFps, 3.25);
        break;
    case MinFpsHalfMax:
        QCOMPARE(r.minFps, 6.25);
        QCOMPARE(s.window->calvex->murn_106->requestedMinFps, 3.25);
        break;
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Each sensor through its widgets.

void TestMurn107Murn103Murn110Murn108Murn106::endToEnd_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("lineLengthRow"); // a row the horizontal blanking of A moves
    QTest::addColumn<bool>("wcd");              // the WCD divider is a result

    QTest::newRow("59 Sarn108kj") << "Sarn108kj" << 59 << "HBLANK (A)" << false;
    QTest::newRow("60 Sarn103k") << "Sarn103k" << 60 << "Line Length (A)" << false;
    QTest::newRow("61 Tolm109") << "Tolm109" << 61 << "Line Length (A)" << false;
    QTest::newRow("69 Sarn113k") << "Sarn113k" << 69 << "Line Length (A)" << false;
    QTest::newRow("70 Sarn110k") << "Sarn110k" << 70 << "Line Length (A)" << true;
    QTest::newRow("71 Sarn107k") << "Sarn107k" << 71 << "cam_sensor_cfg_line_length_pck" << true;
}

// A user changes the input clock, a frame rate and user horizontal blanking
// through the widgets: the family gets each input, the results, the panes
// and the register table follow, and an input clock below the family's
// range turns its box red until it is corrected.
void TestMurn107Murn103Murn110Murn108Murn106::endToEnd()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    QFETCH(QString, lineLengthRow);
    QFETCH(bool, wcd);

    Session s(sample);
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, index);
    CFamilyCore &f = s.family();

    // The input clock: a PLL change, every context calculated.
    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(26.0);
    QCOMPARE(journal(w).value(0), QStringLiteral("PllUpdate()"));
    QCOMPARE(calculations(w), w.contextCount);
    QCOMPARE(f.pll.inputClock, 26.0);
    QCOMPARE(w.resInputClock, 26.0);
    QCOMPARE(w.resPixClock, f.pll.pixelClock);
    QVERIFY(w.resPixClock > 0.0);
    QCOMPARE(w.resN, f.pll.pllN);
    QCOMPARE(w.resM, f.pll.pllM);
    QCOMPARE(w.ui.spinPLL_N->value(), f.pll.pllN);
    QCOMPARE(w.ui.spinPLL_M->value(), f.pll.pllM);
    if (wcd) {
        QCOMPARE(w.resWcd, f.pll.pllWcd);
        QVERIFY(w.resWcd > 0);
    }
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);

    // A typed frame rate of context A: A alone, on the PLL results held.
    const double vco = f.pll.vcoClock;
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("10"));
    QCOMPARE(w.currentContext, 0);
    resetJournal(w);
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("12"));
    QCOMPARE(calculatedContexts(w), QList<int>{0});
    QVERIFY(!journal(w).contains(QStringLiteral("PllUpdate()")));
    QCOMPARE(f.ctx[0].maxFps, 12.0);
    QCOMPARE(f.pll.vcoClock, vco);
    QVERIFY(w.ui.textResult_A->toPlainText().contains(QLatin1String("requested 12.000")));

    // User horizontal blanking of A: the record, the pane and the registers.
    const int row = rowIndex(w, lineLengthRow);
    QVERIFY(row >= 0);
    const quint32 lineBefore = w.regs[row].value;
    w.ui.comboTypeBlank_A->setCurrentIndex(3);
    w.ui.spinUserBlank_A->setValue(700);
    QCOMPARE(f.ctx[0].blankType, 3);
    QCOMPARE(f.ctx[0].userHBlank, 700);
    QCOMPARE(f.timing(0).hBlank, 700);
    QVERIFY(w.ui.textResult_A->toPlainText().contains(QLatin1String("Horizontal blanking: 700 pck")));
    QVERIFY(w.regs[row].value != lineBefore);
    for (int i = 0; i < qMin(w.regCount, f.registerCount()); ++i)
        QCOMPARE(w.regs[i].value, f.results.registerValues[i]);
    QCOMPARE(w.ui.spinUserBlank_A->styleSheet(), kWhiteSpin);

    // Context B's frame rate: B alone.
    if (w.contextCount == 2) {
        resetJournal(w);
        w.ui.comboMaxFRate_B->setEditText(QStringLiteral("5"));
        QCOMPARE(calculatedContexts(w), QList<int>{1});
        QCOMPARE(f.ctx[1].maxFps, 5.0);
        QCOMPARE(w.ui.textResult_B->toPlainText(), f.results.contextDisplayText[1]);
    }

    // An input clock below every family's range.
    w.ui.dSpinPLL_Input->setValue(w.ui.dSpinPLL_Input->minimum());
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kRedDouble);
    QVERIFY(w.warnings[w.currentContext] & 0x400000u);
    w.ui.dSpinPLL_Input->setValue(24.0);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Context set-up.

void TestMurn107Murn103Murn110Murn108Murn106::contextSetUp_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("accessMode");
    QTest::addColumn<int>("addrReg"); // -1: the window's own
    QTest::addColumn<int>("dataReg");
    QTest::addColumn<int>("rateType"); // 0 disabled, 1 hidden, 2 variable and disabled, 3 variable
    QTest::addColumn<bool>("minRateShown");
    QTest::addColumn<int>("mirrorFlip");    // 0 disabled, 1 enabled
    QTest::addColumn<bool>("dividerBoxes"); // the N and M override boxes usable

    QTest::newRow("59 Murn_107") << "Sarn108kj" << 0 << 0x00C6 << 0x00C8 << 0 << false << 0 << false;
    QTest::newRow("60 Murn_103") << "Sarn103k" << 0 << 0x00C6 << 0x00C8 << 2 << false << 1 << true;
    QTest::newRow("61 Murn_103") << "Tolm109" << 0 << 0x00C6 << 0x00C8 << 2 << false << 1 << true;
    QTest::newRow("69 Murn_110") << "Sarn113k" << 1 << -1 << -1 << 3 << true << 1 << true;
    QTest::newRow("70 Murn_108") << "Sarn110k" << 0 << 0x098C << 0x0990 << 1 << false << 1 << true;
}

// What each two-context family's set-up leaves in the docks of A and B.
void TestMurn107Murn103Murn110Murn108Murn106::contextSetUp()
{
    QFETCH(QString, sample);
    QFETCH(int, accessMode);
    QFETCH(int, addrReg);
    QFETCH(int, dataReg);
    QFETCH(int, rateType);
    QFETCH(bool, minRateShown);
    QFETCH(int, mirrorFlip);
    QFETCH(bool, dividerBoxes);

    Session s(sample);
    Pallador &w = s.w();
    w.show();
    QCOMPARE(w.varAccessMode, accessMode);
    QCOMPARE(w.varAddrReg, addrReg < 0 ? 0x098E : addrReg);
    QCOMPARE(w.varDataReg, dataReg < 0 ? 0x0990 : dataReg);
    const CFamilyDefaults &d = s.family().defaults;
    QCOMPARE(w.stdTemplateAvail, d.defaultStdTemplate);
    QCOMPARE(w.useStdTemplate, d.defaultStdTemplate != 0);

    struct Dock {
        QComboBox *type;
        QDoubleSpinBox *minRate;
        QCheckBox *mirror, *flip;
    };
    const Dock docks[] = {{w.ui.comboTypeFRate_A, w.ui.dSpinMinFRate_A, w.ui.checkHorzMirror_A, w.ui.checkVertFlip_A},
                          {w.ui.comboTypeFRate_B, w.ui.dSpinMinFRate_B, w.ui.checkHorzMirror_B, w.ui.checkVertFlip_B}};
    for (int c : {0, 1}) {
        const Dock &x = docks[c];
        QCOMPARE(x.type->isVisible(), rateType != 1);
        QCOMPARE(x.type->isEnabled(), rateType == 1 || rateType == 3);
        // The variable frame rate: a window setting of every family that
        // chooses it, an input of Murn_110 alone.
        if (rateType >= 2) {
            QCOMPARE(x.type->currentIndex(), 1);
            QVERIFY(w.variableFps[c]);
            QCOMPARE(s.family().ctx[c].variableFps, rateType == 3);
        }
        QCOMPARE(x.minRate->isVisible(), minRateShown);
        QCOMPARE(x.mirror->isEnabled(), mirrorFlip == 1);
        QCOMPARE(x.flip->isEnabled(), mirrorFlip == 1);
    }
    QCOMPARE(w.ui.checkUseSTD->isChecked(), d.defaultStdTemplate != 0);
    QCOMPARE(w.ui.checkPLL_N->isEnabled(), dividerBoxes);
    QCOMPARE(w.ui.checkPLL_M->isEnabled(), dividerBoxes);
    QCOMPARE(w.ui.comboPLL_Interface->isEnabled(), dividerBoxes);
    // Murn_110's minimum rate boxes start from the family's records.
    if (minRateShown) {
        QCOMPARE(w.ui.dSpinMinFRate_A->value(), w.minFps[0]);
        QCOMPARE(s.family().ctx[0].minFps, w.minFps[0]);
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

// Running a set-up again (as Set Default does): Murn_107 and Murn_108 take
// the context's ADC mode from the family object; Murn_110 starts both
// contexts from use case 0, the others from the context's default use case;
// Murn_106 lists its interfaces once, with "Parallel/Slow PixClk" chosen.
void TestMurn107Murn103Murn110Murn108Murn106::setUpReadsTheFamilyAndUseCaseZero()
{
    for (const char *sample : {"Sarn108kj", "Sarn110k"}) {
        Session s(QString::fromLatin1(sample));
        Pallador &w = s.w();
        s.family().ctx[1].adcMode = 3;
        w.initContext(1);
        QCOMPARE(w.adcMode[1], 3);
        QCOMPARE(s.family().ctx[1].adcMode, 3);
    }

    // Context B's default use case (1) asks 8 frames/s, use case 0 twelve.
    const struct {
        const char *sensor;
        const char *rateB;
    } cases[] = {{"Sarn113k", "12"}, {"Sarn110k", "8"}, {"Sarn108kj", "8"}, {"Sarn103k", "8"}};
    for (const auto &c : cases) {
        Session s(QStringLiteral("%1.cfg").arg(QLatin1String(c.sensor)), twoContextConfig(c.sensor));
        Pallador &w = s.w();
        QCOMPARE(w.ui.comboUseCase_B->currentIndex(), 1);
        w.initContext(1);
        QVERIFY2(w.ui.comboMaxFRate_B->currentText() == QLatin1String(c.rateB), c.sensor);
        QCOMPARE(w.maxFps[1], QString::fromLatin1(c.rateB).toDouble());
        QCOMPARE(s.family().ctx[1].maxFps, w.maxFps[1]);
    }

    Session s(QStringLiteral("Sarn107k"));
    Pallador &w = s.w();
    const QStringList interfaces{"MIPI", "Parallel/Slow PixClk", "Parallel"};
    for (int run = 0; run < 2; ++run) {
        if (run == 1)
            w.initContext(0);
        QStringList items;
        for (int i = 0; i < w.ui.comboPLL_Interface->count(); ++i)
            items << w.ui.comboPLL_Interface->itemText(i);
        QCOMPARE(items, interfaces);
        QCOMPARE(w.ui.comboPLL_Interface->currentIndex(), 1);
        QCOMPARE(w.interfaceIndex, 1);
        QCOMPARE(s.family().pll.interfaceIndex, 1);
    }
    // Use case 0's field of view and 720p mode.
    QCOMPARE(w.fovCols[0], 1280);
    QCOMPARE(w.fovRows[0], 720);
    QCOMPARE(w.hd720p[0], 1);
    QCOMPARE(w.centering[0], 1);
    QCOMPARE(w.fifo[0], s.family().defaults.defaultFifo);
    QCOMPARE(w.ui.comboTypeFRate_A->currentIndex(), 1);
    QCOMPARE(w.ui.dSpinMinFRate_A->value(), 15.0);
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// PLL requests.

// Murn_107 chooses its pre-divider and multiplier itself, whatever the
// window holds; a ticked VCO box passes its value.
void TestMurn107Murn103Murn110Murn108Murn106::murn107IgnoresDividerOverrides()
{
    Session s(QStringLiteral("Sarn108kj"));
    Pallador &w = s.w();
    CPllParams &pll = s.family().pll;
    const int freeN = pll.pllN, freeM = pll.pllM;
    w.ui.checkPLL_N->setChecked(true);
    w.ui.checkPLL_M->setChecked(true);
    w.pllN = freeN + 2;
    w.pllM = freeM + 6;
    w.recalc(true);
    QCOMPARE(pll.pllN, freeN);
    QCOMPARE(pll.pllM, freeM);
    QCOMPARE(pll.vcoRequest, -1.0);

    w.ui.checkPLL_VCO->click();
    w.ui.dSpinPLL_VCO->setValue(480.0);
    QCOMPARE(pll.vcoRequest, 480.0);
    QCOMPARE(pll.vcoClock, 480.0);
    QCOMPARE(w.resVcoClock, 480.0);
    QCOMPARE(s.responder.seen(), QStringList());
}

void TestMurn107Murn103Murn110Murn108Murn106::dividerOverrides_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("divider"); // "P4", "P5" or "WCD"
    QTest::addColumn<int>("window");      // the panel's value
    QTest::addColumn<int>("sent");        // what the family uses with the panel open and the box ticked

    // The P boxes hold the registers' P - 1.
    QTest::newRow("69 P4") << "Sarn113k"
                           << "P4" << 3 << 4;
    QTest::newRow("69 P5") << "Sarn113k"
                           << "P5" << 5 << 6;
    // The WCD boxes hold a code (0, 1, 2 for 8, 10, 12 bits) on the Murn110
    // form and the bit count (8 to 10) on the Murn108 form.
    QTest::newRow("69 WCD") << "Sarn113k"
                            << "WCD" << 2 << 2;
    QTest::newRow("70 WCD") << "Sarn110k"
                            << "WCD" << 9 << 9;
}

// A divider override of the advanced PLL panel goes in while the panel is
// open and its box ticked; with the panel closed or the box unticked the
// divider is the library's choice again, never the last override.
void TestMurn107Murn103Murn110Murn108Murn106::dividerOverrides()
{
    QFETCH(QString, sample);
    QFETCH(QString, divider);
    QFETCH(int, window);
    QFETCH(int, sent);

    Session s(sample);
    Pallador &w = s.w();
    CPllParams &pll = s.family().pll;
    // The panel's box, as the option panel would hand it over.
    auto *box = new QCheckBox(&w);
    box->setObjectName(QStringLiteral("checkPLL_") + divider);
    qint32 CPllParams::*field = &CPllParams::pllWcd;
    if (divider == QLatin1String("P4")) {
        w.checkPLL_P4 = box;
        w.pllP4 = window;
        field = &CPllParams::pllP4;
    } else if (divider == QLatin1String("P5")) {
        w.checkPLL_P5 = box;
        w.pllP5 = window;
        field = &CPllParams::pllP5;
    } else {
        w.checkPLL_WCD = box;
        w.pllWcd = window;
    }
    const int free = pll.*field;
    QVERIFY(free != sent);
    box->setChecked(true);

    // Panel closed: the box is not looked at.
    w.recalc(true);
    QCOMPARE(pll.*field, free);

    w.ui.checkPLL_ADV->setChecked(true);
    w.recalc(true);
    QCOMPARE(pll.*field, sent);
    if (divider == QLatin1String("WCD"))
        QCOMPARE(w.resWcd, sent);

    // A context change keeps the PLL as it is.
    box->setChecked(false);
    w.recalc(false);
    QCOMPARE(pll.*field, sent);
    w.recalc(true);
    QCOMPARE(pll.*field, free);

    box->setChecked(true);
    w.recalc(true);
    QCOMPARE(pll.*field, sent);
    w.ui.checkPLL_ADV->setChecked(false);
    w.recalc(true);
    QCOMPARE(pll.*field, free);
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Murn_106.

void TestMurn107Murn103Murn110Murn108Murn106::murn106OutputSizeByUseCase_data()
{
    QTest::addColumn<int>("useCase");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    for (int u : {2, 4, 5, 25})
        QTest::addRow("use case %d", u) << u << 528 << 432;
    for (int u : {7, 8, 10, 11})
        QTest::addRow("use case %d", u) << u << 528 << 360;
    // Any other use case: its field of view.
    for (int u : {0, 3, 9})
        QTest::addRow("use case %d", u) << u << 1280 << 960;
}

// The output size goes by the use case chosen in context A's list: the
// scaler's fixed sizes of some use cases, the field of view otherwise; the
// image the family describes and programs has that size.
void TestMurn107Murn103Murn110Murn108Murn106::murn106OutputSizeByUseCase()
{
    QFETCH(int, useCase);
    QFETCH(int, width);
    QFETCH(int, height);

    Session s(QStringLiteral("Sarn107k.cfg"), murn106Config());
    Pallador &w = s.w();
    Murn_106 *f = w.calvex->murn_106;
    QVERIFY(f);
    w.ui.comboUseCase_A->setCurrentIndex(useCase == 0 ? 1 : 0);
    w.ui.comboUseCase_A->setCurrentIndex(useCase);

    QCOMPARE(w.useCaseIndex[0], useCase);
    QCOMPARE(f->useCaseIndex, useCase);
    QCOMPARE(f->fovWidth, 1280);
    QCOMPARE(f->fovHeight, 960);
    QCOMPARE(f->outputWidth, width);
    QCOMPARE(f->outputHeight, height);
    QVERIFY(w.ui.textResult_A->toPlainText().contains(QStringLiteral("Output size: %1 x %2").arg(width).arg(height)));
    const int widthRow = rowIndex(w, QStringLiteral("cam_output_width"));
    const int heightRow = rowIndex(w, QStringLiteral("cam_output_height"));
    QVERIFY(widthRow >= 0 && heightRow >= 0);
    QCOMPARE(w.regs[widthRow].value, quint32(width));
    QCOMPARE(w.regs[heightRow].value, quint32(height));
    QCOMPARE(s.responder.seen(), QStringList());
}

// The read mode is 2 for a context that bins, whatever it skips, else its
// skip factor; the family's own minimum rate is half the maximum and the
// user's goes apart, into the auto exposure's lowest rate.
void TestMurn107Murn103Murn110Murn108Murn106::murn106ReadModeAndMinimumRate()
{
    Session s(QStringLiteral("Sarn107k.cfg"), murn106Config());
    Pallador &w = s.w();
    Murn_106 *f = w.calvex->murn_106;
    w.ui.comboUseCase_A->setCurrentIndex(1); // binning and skipping 4x
    QCOMPARE(f->ctx[0].binning, 1);
    QCOMPARE(f->ctx[0].skipping, 4);
    QCOMPARE(f->ctx[0].readMode, 2);
    w.ui.comboUseCase_A->setCurrentIndex(6); // skipping 4x
    QCOMPARE(f->ctx[0].readMode, 4);

    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("30"));
    QCOMPARE(f->ctx[0].minFps, 15.0);
    QCOMPARE(w.ui.comboTypeFRate_A->currentIndex(), 1);
    QVERIFY(f->ctx[0].variableFps);
    const int aeMin = rowIndex(w, QStringLiteral("cam_aet_min_frame_rate"));
    QVERIFY(aeMin >= 0);
    w.ui.dSpinMinFRate_A->setValue(10.0);
    QCOMPARE(f->requestedMinFps, 10.0);
    QCOMPARE(f->ctx[0].minFps, 15.0);
    QCOMPARE(w.regs[aeMin].value, quint32(10 * 256));
    // A fixed frame rate: the lowest rate is the frame rate itself.
    w.ui.comboTypeFRate_A->setCurrentIndex(0);
    QCOMPARE(w.regs[aeMin].value, quint32(qRound(f->timing(0).fps * 256.0)));
    QCOMPARE(s.responder.seen(), QStringList());
}

// ---------------------------------------------------------------------------
// Warning colours.

void TestMurn107Murn103Murn110Murn108Murn106::warningMaps_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("current");
    QTest::addColumn<uint>("wordA");
    QTest::addColumn<uint>("wordB");
    QTest::addColumn<QStringList>("expected"); // rateA, blankA, rateB, blankB

    const QString u = kUntouched;
    // The current context's map only; either blanking bit flags the box.
    QTest::newRow("59 B current") << "Sarn108kj" << 1 << 0x1u << 0x4u << QStringList{u, u, kWhiteCombo, kRedSpin};
    QTest::newRow("70 A current") << "Sarn110k" << 0 << 0x4u << 0x1u << QStringList{kWhiteCombo, kRedSpin, u, u};
    // Murn_103: bit 0x2 alone marks the user blanking.
    QTest::newRow("60 bit 0x4 alone") << "Sarn103k" << 0 << 0x4u << 0x0u << QStringList{kWhiteCombo, kWhiteSpin, u, u};
    QTest::newRow("61 bit 0x2") << "Tolm109" << 1 << 0x0u << 0x3u << QStringList{u, u, kRedCombo, kRedSpin};
    // Murn_110: both contexts from their own words, whatever is current.
    QTest::newRow("69 B current") << "Sarn113k" << 1 << 0x1u << 0x2u
                                  << QStringList{kRedCombo, kWhiteSpin, kWhiteCombo, kRedSpin};
    // Murn_106: context A's widgets, only while A is current.
    QTest::newRow("71 A current") << "Sarn107k" << 0 << 0x5u << 0x0u << QStringList{kRedCombo, kRedSpin, u, u};
    QTest::newRow("71 other context") << "Sarn107k" << 1 << 0x5u << 0x5u << QStringList{u, u, u, u};
}

// Each family colours the frame-rate and user-blanking boxes from the words
// of the contexts its map names and keeps the current context's word.
void TestMurn107Murn103Murn110Murn108Murn106::warningMaps()
{
    QFETCH(QString, sample);
    QFETCH(int, current);
    QFETCH(uint, wordA);
    QFETCH(uint, wordB);
    QFETCH(QStringList, expected);

    Session s(sample);
    Pallador &w = s.w();
    CFamilyCore &f = s.family();
    QWidget *const boxes[] = {w.ui.comboMaxFRate_A, w.ui.spinUserBlank_A, w.ui.comboMaxFRate_B, w.ui.spinUserBlank_B};
    for (QWidget *box : boxes)
        box->setStyleSheet(kUntouched);
    f.ctx[0].warnings = wordA;
    f.ctx[1].warnings = wordB;
    w.currentContext = current;

    w.showWarnings();

    for (int i = 0; i < 4; ++i)
        QVERIFY2(boxes[i]->styleSheet() == expected[i], qPrintable(boxes[i]->objectName()));
    QCOMPARE(w.warnings[current], current == 0 ? quint32(wordA) : quint32(wordB));

    // Murn_103's other-line-time box of a loaded panel shows bit 0x8.
    if (w.sensorIndex == 60 || w.sensorIndex == 61) {
        for (int c : {0, 1}) {
            w.checkOtherLineTime[c] = new QCheckBox(&w);
            w.checkOtherLineTime[c]->setObjectName(QStringLiteral("checkOtherLineTime"));
            w.checkOtherLineTime[c]->setStyleSheet(kUntouched);
        }
        QCheckBox *mine = w.checkOtherLineTime[current];
        QCheckBox *others = w.checkOtherLineTime[1 - current];
        w.advFormLoaded[current] = true;
        f.ctx[current].warnings = 0x8;
        w.showWarnings();
        QCOMPARE(mine->styleSheet(), kRedCheck);
        QCOMPARE(others->styleSheet(), kUntouched);
        f.ctx[current].warnings = 0;
        w.showWarnings();
        QCOMPARE(mine->styleSheet(), kBlackCheck);
        // A panel never loaded has no box to colour.
        w.advFormLoaded[current] = false;
        f.ctx[current].warnings = 0x8;
        mine->setStyleSheet(kUntouched);
        w.showWarnings();
        QCOMPARE(mine->styleSheet(), kUntouched);
    }
    QCOMPARE(s.responder.seen(), QStringList());
}

QTEST_MAIN(TestMurn107Murn103Murn110Murn108Murn106)
#include "tst_murn107_murn103_murn110_murn108_murn106.moc"
