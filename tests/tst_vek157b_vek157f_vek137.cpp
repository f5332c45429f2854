// Catalogue 80 to 82 (Vek_157b, Vek_157f, Vek_137, one context each) driven
// through the window: every sample loads and calculates context A with the
// standard calls; the lane count follows the interface list, the exposure
// ratio the "Exposure Ratio:" list, the scaler the use case and the output
// bits the Op Pixel Divider, and the results show in the registers, the
// texts and the colours.
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

const QString kRedDouble = QStringLiteral("QDoubleSpinBox { background-color: red; }");
const QString kWhiteDouble = QStringLiteral("QDoubleSpinBox { background-color: white; }");
const QString kRedCombo = QStringLiteral("QComboBox { background-color: red; }");
const QString kWhiteCombo = QStringLiteral("QComboBox { background-color: white; }");

struct Session : WindowSession {
    using WindowSession::WindowSession;
    CFamilyBase &family() { return *dynamic_cast<CFamilyBase *>(window->calvex->family()); }
};

// The value the register table shows for the first row of a name.
qint64 reg(const Pallador &w, const char *name)
{
    for (int i = 0; i < w.regCount; ++i) {
        if (w.regs[i].name == QLatin1String(name))
            return w.regs[i].value;
    }
    return -1;
}

QComboBox *panelCombo(Pallador &w, const char *name, const QStringList &items, int index)
{
    auto *combo = new QComboBox(&w);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    combo->setCurrentIndex(index);
    return combo;
}

// A Vek_157b or Vek_157f configuration with eight 1920 x 1080 use cases;
// use case 0 has a GoPro mode value of goPro and a rate of 12.5 fps.
QByteArray vek157Config(const char *sensor, double goPro)
{
    QByteArray text = QByteArray("[General_Info]\nsensor_name = ") + sensor + "\npart_number = X-1\n[UseCases]\n";
    for (int i = 0; i < 8; ++i) {
        const QByteArray n = QByteArray::number(i) + '/';
        text += n + "name = Use case " + QByteArray::number(i) + "\n" + n + "cols = 1920\n" + n + "rows = 1080\n" + n +
                "max_fps = " + (i == 0 ? "12.5" : "5") + "\n" + n + "intg_time = 20\n" + n +
                "GoPro_Mode = " + QByteArray::number(i == 0 ? goPro : 0.0) + "\n";
    }
    return text + "0/context_a_default = 1\n";
}

// A Vek_137 configuration whose use case 0 mirrors and flips.
QByteArray vek137Config()
{
    return "[General_Info]\nsensor_name = Vek137\npart_number = X-1\n[UseCases]\n"
           "0/name = Mirrored\n0/cols = 1920\n0/rows = 1080\n0/max_fps = 12.5\n0/intg_time = 20\n0/mirror = 1\n"
           "0/flip = 1\n0/context_a_default = 1\n";
}

const QStringList kStandardCalculation{QStringLiteral("PllUpdate()"), QStringLiteral("TimingUpdate(0, false, true)"),
                                       QStringLiteral("ResultsUpdate(0)"), QStringLiteral("RegisterUpdate(0)")};

int log2Of(int value)
{
    int e = 0;
    while (value > 1) {
        value /= 2;
        ++e;
    }
    return e;
}

} // namespace

class TestVek157bVek157fVek137 : public QObject {
    Q_OBJECT

private slots:
    void samplesEndToEnd_data();
    void samplesEndToEnd();
    void setUpFromUseCaseZero();
    void lanesByInterface_data();
    void lanesByInterface();
    void exposureRatio_data();
    void exposureRatio();
    void scalerByUseCase_data();
    void scalerByUseCase();
    void opPixelDivider_data();
    void opPixelDivider();
    void vek137Inputs_data();
    void vek137Inputs();
    void vek137InterfaceFollowsTheWindow();
    void warnings_data();
    void warnings();
};

// ---------------------------------------------------------------------------
// Every sensor of the group.

void TestVek157bVek157fVek137::samplesEndToEnd_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("interfaces");
    QTest::addColumn<int>("position"); // selected by the set-up
    QTest::addColumn<int>("chosen");   // a user's choice, and its lanes
    QTest::addColumn<int>("chosenLanes");
    QTest::addColumn<QString>("rate"); // use case 0's
    QTest::newRow("80 Vek157b") << "Vek157b" << 80 << QStringList{"MIPI-2",  "MIPI-3",  "MIPI-4",   "MIPI-8",
                                                                  "HISPI-4", "HISPI-8", "HISPI-12", "HISPI-16"}
                                << 7 << 2 << 4 << "15";
    QTest::newRow("81 Vek157f") << "Vek157f" << 81 << QStringList{"HISPI-4", "HISPI-8", "HISPI-12", "HISPI-16"} << 3
                                << 1 << 8 << "12";
    QTest::newRow("82 Vek137") << "Vek137" << 82 << QStringList{"MIPI-1", "MIPI-2"} << 1 << 0 << 1 << "15";
}

// The sample loads and calculates context A with the standard calls; texts
// and registers are the family's; choosing another interface recalculates
// once with its lanes.
void TestVek157bVek157fVek137::samplesEndToEnd()
{
    QFETCH(QString, sample);
    QFETCH(int, index);
    QFETCH(QStringList, interfaces);
    QFETCH(int, position);
    QFETCH(int, chosen);
    QFETCH(int, chosenLanes);
    QFETCH(QString, rate);

    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.sensorIndex, index);
    QStringList items;
    for (int i = 0; i < w.ui.comboPLL_Interface->count(); ++i)
        items << w.ui.comboPLL_Interface->itemText(i);
    QCOMPARE(items, interfaces);
    QCOMPARE(w.ui.comboPLL_Interface->currentIndex(), position);
    QCOMPARE(w.ui.comboMaxFRate_A->currentText(), rate);

    resetJournal(w);
    w.recalc(true);
    QCOMPARE(journal(w), kStandardCalculation + QStringList{QStringLiteral("RegisterUpdate(0)")});
    QCOMPARE(w.currentContext, 0);
    QCOMPARE(w.ui.textResult_A->toPlainText(), f.results.contextDisplayText[0]);
    QVERIFY(w.ui.textResult_PLL->toPlainText().startsWith(f.results.pllDisplayText));
    const calvex::TimingResult &t = f.timing(0);
    QCOMPARE(reg(w, "LINE_LENGTH_PCK"), qint64(t.lineLength));
    QCOMPARE(reg(w, "FRAME_LENGTH_LINE"), qint64(t.frameLength));
    QCOMPARE(reg(w, "X_OUTPUT_SIZE"), qint64(t.outCols));
    QCOMPARE(w.getWarningValue() & 0x1, 0);

    resetJournal(w);
    w.ui.comboPLL_Interface->setCurrentIndex(chosen);
    QCOMPARE(calculations(w), 1);
    QCOMPARE(w.lanes, chosenLanes);
    QCOMPARE(f.pll.lanes, chosenLanes);
    QCOMPARE(f.ctx[0].interfaceIndex, chosen);
    QCOMPARE(f.linkLanes(), chosenLanes);
    QCOMPARE(s.responder.seen(), QStringList());
}

// The set-up takes use case 0's rate and GoPro mode value (Vek_157b/f) or
// mirror and flip (Vek_137); running it again (Set Default) lists each
// interface once and puts Vek_137's CFPn position back to the first.
void TestVek157bVek157fVek137::setUpFromUseCaseZero()
{
    {
        Session s(QStringLiteral("Vek157b.cfg"), vek157Config("Vek157b", 1.0));
        Pallador &w = s.w();
        QCOMPARE(w.goProMode[0], 1.0);
        QCOMPARE(s.family().ctx[0].goProMode, 1.0);
        // A GoPro mode value of 1 reads the array 3x3.
        QCOMPARE(s.family().timing(0).xFactor, 3);
        QCOMPARE(w.ui.comboMaxFRate_A->currentText(), QStringLiteral("12.5"));
        QCOMPARE(w.maxFps[0], 12.5);
        w.initContext(0);
        QCOMPARE(w.ui.comboPLL_Interface->count(), 8);
        QCOMPARE(w.ui.comboPLL_Interface->currentIndex(), 7);
    }
    {
        Session s(QStringLiteral("Vek137.cfg"), vek137Config());
        Pallador &w = s.w();
        QVERIFY(w.mirror[0] && w.flip[0]);
        QVERIFY(w.ui.checkHorzMirror_A->isChecked() && w.ui.checkVertFlip_A->isChecked());
        QVERIFY(s.family().ctx[0].mirror && s.family().ctx[0].flip);
        QCOMPARE(w.ui.comboMaxFRate_A->currentText(), QStringLiteral("12.5"));
        w.ccRow[0] = 3;
        w.initContext(0);
        QCOMPARE(w.ccRow[0], 0);
        QCOMPARE(s.family().ctx[0].cfpnRows, 64);
        QCOMPARE(w.ui.comboPLL_Interface->count(), 2);
    }
}

// ---------------------------------------------------------------------------
// The rules of the calculation.

void TestVek157bVek157fVek137::lanesByInterface_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("lanes");
    QTest::newRow("157b MIPI-3") << "Vek157b" << 1 << 3;
    QTest::newRow("157b MIPI-8") << "Vek157b" << 3 << 8;
    QTest::newRow("157b HISPI-12") << "Vek157b" << 6 << 12;
    QTest::newRow("157f HISPI-4") << "Vek157f" << 0 << 4;
    QTest::newRow("157f HISPI-12") << "Vek157f" << 2 << 12;
    QTest::newRow("137 MIPI-1") << "Vek137" << 0 << 1;
}

// The lane count is the position's in the family's interface list; a
// position outside the list (as the automation interface may write) keeps
// the last lane count.
void TestVek157bVek157fVek137::lanesByInterface()
{
    QFETCH(QString, sample);
    QFETCH(int, position);
    QFETCH(int, lanes);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.ui.comboPLL_Interface->setCurrentIndex(position);
    QCOMPARE(w.lanes, lanes);
    QCOMPARE(f.pll.lanes, lanes);
    QCOMPARE(f.linkLanes(), lanes);
    QVERIFY(f.results.pllDisplayText.contains(QStringLiteral("Lanes: %1").arg(lanes)));

    if (w.sensorIndex != 82) {
        w.interfaceIndex = 9;
        w.recalc(true);
        QCOMPARE(w.lanes, lanes);
        QCOMPARE(f.pll.lanes, lanes);
        QCOMPARE(f.ctx[0].interfaceIndex, 9);
    }
}

void TestVek157bVek157fVek137::exposureRatio_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("position"); // in "1", "2", "4", "8", "16"
    QTest::addColumn<int>("ratio");
    // The entry's number, at least the sensor's smallest ratio (2 on Vek157b).
    QTest::newRow("157b 1") << "Vek157b" << 0 << 2;
    QTest::newRow("157b 2") << "Vek157b" << 1 << 2;
    QTest::newRow("157b 4") << "Vek157b" << 2 << 4;
    QTest::newRow("157b 8") << "Vek157b" << 3 << 8;
    QTest::newRow("157b 16") << "Vek157b" << 4 << 16;
    QTest::newRow("157b none") << "Vek157b" << -1 << 2;
    QTest::newRow("157f 1") << "Vek157f" << 0 << 1;
    QTest::newRow("157f 4") << "Vek157f" << 2 << 4;
    QTest::newRow("157f 16") << "Vek157f" << 4 << 16;
    QTest::newRow("157f none") << "Vek157f" << -1 << 1;
}

// With the context panel in use its "Exposure Ratio:" entry gives the ratio
// the iHDR mode splits its two exposures by; with the panel not in use the
// window's value goes on unchanged.
void TestVek157bVek157fVek137::exposureRatio()
{
    QFETCH(QString, sample);
    QFETCH(int, position);
    QFETCH(int, ratio);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.hdrMode[0] = 1;
    w.comboCCRow[0] = panelCombo(w, "comboCCRow", {"1", "2", "4", "8", "16"}, position);
    w.ui.checkAdvParam_A->setChecked(true);
    w.recalc(false);
    QCOMPARE(w.ccRow[0], ratio);
    QCOMPARE(f.ctx[0].ccRow, ratio);
    QVERIFY(dynamic_cast<AdvParamOption &>(f).advParamOn);
    const qint64 t1 = reg(w, "COARSE_INTEGRATION_TIME");
    QCOMPARE(reg(w, "COARSE_INTEGRATION_TIME_2"), t1 >> log2Of(ratio));

    w.ui.checkAdvParam_A->setChecked(false);
    w.ccRow[0] = 8;
    w.recalc(false);
    QCOMPARE(f.ctx[0].ccRow, 8);
    QVERIFY(!dynamic_cast<AdvParamOption &>(f).advParamOn);
    QCOMPARE(reg(w, "COARSE_INTEGRATION_TIME_2"), reg(w, "COARSE_INTEGRATION_TIME") >> 3);
}

void TestVek157bVek157fVek137::scalerByUseCase_data()
{
    QTest::addColumn<QByteArray>("sensor");
    QTest::addColumn<int>("useCase");
    QTest::addColumn<int>("scaleM");
    QTest::newRow("157b use case 2") << QByteArray("Vek157b") << 2 << 24;
    QTest::newRow("157b use case 7") << QByteArray("Vek157b") << 7 << 24;
    QTest::newRow("157b use case 3") << QByteArray("Vek157b") << 3 << 16;
    QTest::newRow("157f use case 2") << QByteArray("Vek157f") << 2 << 24;
    QTest::newRow("157f use case 1") << QByteArray("Vek157f") << 1 << 16;
}

// The use case chooses the scaler, whatever scale_m the panel stored: the
// output is the use case's size, read from a field of view scale_m/16 as
// large, and SCALE_M programs it.
void TestVek157bVek157fVek137::scalerByUseCase()
{
    QFETCH(QByteArray, sensor);
    QFETCH(int, useCase);
    QFETCH(int, scaleM);
    Session s(QString::fromLatin1(sensor) + QStringLiteral(".cfg"), vek157Config(sensor.constData(), 0.0));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    w.scaleM[0] = 40;
    w.ui.comboUseCase_A->setCurrentIndex(useCase);
    QCOMPARE(w.presetUseCase, useCase);
    QCOMPARE(w.scaleM[0], scaleM);
    QCOMPARE(f.ctx[0].scaleM, scaleM);
    QCOMPARE(reg(w, "SCALE_M"), qint64(scaleM));
    QCOMPARE(reg(w, "X_OUTPUT_SIZE"), 1920);
    QCOMPARE(reg(w, "Y_OUTPUT_SIZE"), 1080);
    QCOMPARE(reg(w, "X_ADDR_END") - reg(w, "X_ADDR_START") + 1, qint64(1920 * scaleM / 16));
    QCOMPARE(reg(w, "Y_ADDR_END") - reg(w, "Y_ADDR_START") + 1, qint64(1080 * scaleM / 16));
    QCOMPARE(w.ui.textResult_A->toPlainText().contains(QStringLiteral("Scaler: scale_m 24")), scaleM == 24);
}

void TestVek157bVek157fVek137::opPixelDivider_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("opBits"); // the window's value
    QTest::addColumn<int>("bits");   // on the link
    QTest::addColumn<bool>("sixBits");
    const QStringList vek157{"6", "8", "10", "12"};
    QTest::newRow("157b 8") << "Vek157b" << vek157 << 1 << 8 << 8 << false;
    QTest::newRow("157f 12") << "Vek157f" << vek157 << 3 << 12 << 12 << false;
    // Vek_137's panel lists the family's bit depths: the link takes the
    // depth the entry shows.
    QTest::newRow("137 8") << "Vek137" << QStringList{"8", "10"} << 0 << 0 << 8 << false;
    QTest::newRow("137 10") << "Vek137" << QStringList{"8", "10"} << 1 << 1 << 10 << false;
}

// The Op Pixel Divider of the open PLL panel sets the output bits: Vek_157b
// and Vek_157f request them as the op divider, Vek_137 keeps the entry's
// position, sets its 6-bit divider for the first entry and sends the bits of
// the others. With the panel closed Vek_157b and Vek_157f leave the divider
// to the library.
void TestVek157bVek157fVek137::opPixelDivider()
{
    QFETCH(QString, sample);
    QFETCH(QStringList, items);
    QFETCH(int, position);
    QFETCH(int, opBits);
    QFETCH(int, bits);
    QFETCH(bool, sixBits);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    const int libraryBits = f.linkBits();
    // The open panel's own list, at the row's position.
    w.ui.checkPLL_ADV->click();
    QVERIFY(w.comboPLL_Bits);
    QStringList shown;
    for (int i = 0; i < w.comboPLL_Bits->count(); ++i)
        shown << w.comboPLL_Bits->itemText(i);
    QCOMPARE(shown, items);
    w.comboPLL_Bits->setCurrentIndex(position);
    w.recalc(true);
    QCOMPARE(w.opBits, opBits);
    QCOMPARE(f.linkBits(), bits);
    QCOMPARE(reg(w, "OP_PIX_CLK_DIV"), qint64(bits));
    QCOMPARE(f.pll.opPixDiv6, sixBits);

    if (w.sensorIndex != 82) {
        w.ui.checkPLL_ADV->click();
        w.recalc(true);
        QCOMPARE(w.opBits, opBits);
        QCOMPARE(f.linkBits(), libraryBits);
    }
}

void TestVek157bVek157fVek137::vek137Inputs_data()
{
    QTest::addColumn<int>("position"); // in the CFPn list "64", "128", "256", "512"
    QTest::addColumn<int>("cfpnRows");
    QTest::newRow("first") << 0 << 64;
    QTest::newRow("second") << 1 << 128;
    QTest::newRow("last") << 3 << 512;
    QTest::newRow("emptied list") << -1 << 0;
}

// Vek_137's options reach the family: the CFPn rows as 64 times 2 to the
// power of the list position, the dark rows and columns, the border and the
// digital column correction, which reads the CFPn rows and switches its
// register; both targets come from the window.
void TestVek157bVek157fVek137::vek137Inputs()
{
    QFETCH(int, position);
    QFETCH(int, cfpnRows);
    Session s(QStringLiteral("Vek137"));
    Pallador &w = s.w();
    auto &f = static_cast<Vek_137 &>(s.family());
    w.ccRow[0] = position;
    w.digitalCC = true;
    w.darkRows = true;
    w.darkCols = true;
    w.borderPixels = 4;
    w.pllTargetOp = 77.0;
    w.recalc(false);
    QCOMPARE(f.ctx[0].cfpnRows, cfpnRows);
    QVERIFY(f.digitalCC && f.darkRows && f.darkCols);
    QCOMPARE(f.borderPixels, 4);
    QCOMPARE(f.pll.targetClock2, 77.0);
    QCOMPARE(f.pll.targetClock, w.pllTarget);
    QCOMPARE(reg(w, "COLUMN_CORRECTION"), 1);
    QVERIFY(w.ui.textResult_A->toPlainText().contains(QStringLiteral("over %1 CFPn rows").arg(cfpnRows)));
}

// A window interface that the list does not show moves the list, whose slot
// runs one complete calculation inside this one; the next calculation finds
// nothing to move.
void TestVek157bVek157fVek137::vek137InterfaceFollowsTheWindow()
{
    Session s(QStringLiteral("Vek137"));
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.ui.comboPLL_Interface->currentIndex(), 1);
    w.interfaceIndex = 0;
    resetJournal(w);
    w.recalc(true);
    QCOMPARE(calculations(w), 2);
    QCOMPARE(w.ui.comboPLL_Interface->currentIndex(), 0);
    QCOMPARE(w.lanes, 1);
    QCOMPARE(f.linkLanes(), 1);
    QVERIFY(!w.busy);

    resetJournal(w);
    w.recalc(true);
    QCOMPARE(calculations(w), 1);
}

void TestVek157bVek157fVek137::warnings_data()
{
    QTest::addColumn<QString>("sample");
    QTest::newRow("80") << "Vek157b";
    QTest::newRow("81") << "Vek157f";
    QTest::newRow("82") << "Vek137";
}

// The standard PLL map and context A's map: an input clock out of range
// and an unreachable frame rate show red and in WarningValue; the clear mask
// drops the recomputed bits and keeps the others.
void TestVek157bVek157fVek137::warnings()
{
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    CFamilyBase &f = s.family();
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);

    w.ui.dSpinPLL_Input->setValue(3.0);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kRedDouble);
    QVERIFY(w.getWarningValue() & 0x400000);
    w.ui.dSpinPLL_Input->setValue(25.0);
    QCOMPARE(w.ui.dSpinPLL_Input->styleSheet(), kWhiteDouble);

    w.ui.comboMaxFRate_A->lineEdit()->setText(QStringLiteral("500"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kRedCombo);
    QVERIFY(w.getWarningValue() & 0x1);

    f.ctx[0].warnings |= 0x80000008u;
    w.ui.comboMaxFRate_A->lineEdit()->setText(QStringLiteral("5"));
    QCOMPARE(w.ui.comboMaxFRate_A->styleSheet(), kWhiteCombo);
    QCOMPARE(f.ctx[0].warnings & 0x80000009u, 0x80000000u);
}

QTEST_MAIN(TestVek157bVek157fVek137)
#include "tst_vek157b_vek157f_vek137.moc"
