// The bridge families of catalogue 54-58 (Yorm_102, Yorm_105, Yorm_106)
// driven through the window: the context set-up with the controls it makes
// once per window, the frame-rate order colours, the inputs and call orders
// of the three calculations, the aspect-ratio rule, the maximum-integration-
// time question, the field-of-view picture and the keep-sync PLL step.
#include "calc/adapter.h"
#include "calvex.h"
#include "pallador.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

namespace {

const QString kRedDouble = QStringLiteral("QDoubleSpinBox { background-color: red; }");
const QString kWhiteDouble = QStringLiteral("QDoubleSpinBox { background-color: white; }");

// A window on a fixture installation with a sample or a written configuration.
struct Session : WindowSession {
    using WindowSession::WindowSession;
    CBridgeFamily &family() { return *dynamic_cast<CBridgeFamily *>(window->calvex->family()); }
    CContextParams &record() { return family().ctx[0]; }
    // What the Set Default command runs: the context set-up, then the
    // configuration loaded again.
    void setDefault()
    {
        window->initContext(0);
        window->loadConfigFile(path);
    }
};

// A bridge configuration with one use case, its default.
QByteArray bridgeConfig(const char *sensor, const char *rawSensor, int cols, int rows, double fps,
                        const QByteArray &extra = QByteArray())
{
    return QByteArray("[General_Info]\nsensor_name = ") + sensor + "\npart_number = YR-1\nraw_sensor = " + rawSensor +
           "\nrevision = 1\n[UseCases]\n0/name = Use case\n0/cols = " + QByteArray::number(cols) +
           "\n0/rows = " + QByteArray::number(rows) + "\n0/fov_cols = " + QByteArray::number(cols) +
           "\n0/fov_rows = " + QByteArray::number(rows) + "\n0/max_fps = " + QByteArray::number(fps) +
           "\n0/context_a_default = 1\n" + extra +
           "[MinMax_Defaults]\ndefault_input_clock = 27\ndefault_target_clock = 74.25\n";
}

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

// Widgets of the window showing a text, by kind.
template <class Widget> int countWithText(const Pallador &w, const QString &text)
{
    int n = 0;
    for (const Widget *widget : w.findChildren<Widget *>()) {
        if (widget->text() == text)
            ++n;
    }
    return n;
}

int combosStartingWith(const Pallador &w, const QString &first)
{
    int n = 0;
    for (const QComboBox *combo : w.findChildren<QComboBox *>()) {
        if (combo->count() > 0 && combo->itemText(0) == first)
            ++n;
    }
    return n;
}

// The keep-sync group of the Yorm_106 PLL panel, connected as the panel
// connects it.
struct KeepSyncPanel {
    QCheckBox *box;
    QDoubleSpinBox *clock;
    QSpinBox *linePck;
    QSpinBox *frameLength;

    explicit KeepSyncPanel(Pallador &w)
    {
        QWidget *panel = w.ui.widgetADV_PLL;
        box = new QCheckBox(panel);
        clock = new QDoubleSpinBox(panel);
        clock->setRange(6.0, 200.0);
        clock->setDecimals(3);
        clock->setValue(36.0);
        linePck = new QSpinBox(panel);
        frameLength = new QSpinBox(panel);
        for (QSpinBox *spin : {linePck, frameLength})
            spin->setRange(0, 9999);
        w.keepSyncCheckBox = box;
        w.dbspbxKeepSyncClock = clock;
        w.pCKSpinBox = linePck;
        w.fLSpinBox = frameLength;
        QObject::connect(box, SIGNAL(clicked()), &w, SLOT(onKeepSyncOnOff()));
        QObject::connect(clock, SIGNAL(valueChanged(double)), &w, SLOT(onKeepSyncClock()));
        QObject::connect(linePck, SIGNAL(valueChanged(int)), &w, SLOT(onKeepSyncPck()));
        QObject::connect(frameLength, SIGNAL(valueChanged(int)), &w, SLOT(onKeepSyncFl()));
    }
    // The user's settings, keep-sync switched on last.
    void set(double mhz, int pck, int lines)
    {
        clock->setValue(mhz);
        linePck->setValue(pck);
        frameLength->setValue(lines);
        if (!box->isChecked())
            box->click();
    }
};

// The raw sensor names that give the attached sensor of Yorm_105 and Yorm_106
// its kind.
const char *const kRawSensorOfKind[] = {"Sarn106c1", "Vek108t2", "Vek116t2", "Vek117m1"};

} // namespace

class TestBridge : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void setUp_data();
    void setUp();
    void setDefaultTwice_data();
    void setDefaultTwice();
    void createdControlsDriveInputs();
    void frameRateOrder_data();
    void frameRateOrder();

    void contextInputs_data();
    void contextInputs();
    void callOrder_data();
    void callOrder();
    void entry54LanesAndBits_data();
    void entry54LanesAndBits();
    void discreteRateRunsSdr_data();
    void discreteRateRunsSdr();
    void aspectRatioRule();
    void revisionRule();
    void maxIntgTimeQuestion();
    void automationWindowIsNotAsked();
    void fieldOfViewPicture_data();
    void fieldOfViewPicture();
    void processedAreaInTheOutput();

    void keepSyncSearch_data();
    void keepSyncSearch();
    void keepSyncPlainWay_data();
    void keepSyncPlainWay();
    void keepSyncUnchangedRunsNothing();
    void keepSyncSecondPass_data();
    void keepSyncSecondPass();

private:
    // The question answered by the test: m_answer, counted in m_asked.
    void installAsker();

    int m_asked = 0;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
};

void TestBridge::initTestCase()
{
    installAsker();
}

void TestBridge::installAsker()
{
    adapter::setMaxIntgTimeAsker([this](Pallador &) {
        ++m_asked;
        return m_answer;
    });
}

void TestBridge::cleanupTestCase()
{
    adapter::setMaxIntgTimeAsker({});
}

void TestBridge::init()
{
    m_asked = 0;
    m_answer = QMessageBox::Yes;
}

// ---------------------------------------------------------------------------
// Context set-up.

void TestBridge::setUp_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("interfaceEnabled");
    QTest::addColumn<bool>("minFreq");
    QTest::addColumn<int>("outFormat");
    QTest::addColumn<int>("operationMode"); // -1: no operation-mode combo
    QTest::addColumn<bool>("discrete");     // the DFS boxes and the third frame-rate type
    QTest::addColumn<QString>("outputLabel");

    // Yorm101t (54) serves a kind-0 sensor, Yorm102m (55) kind 1, Yorm102t (56) kind 2.
    QTest::newRow("Yorm101t") << "Yorm101t" << true << true << 2 << 2 << true << "Output Mode:";
    QTest::newRow("Yorm102m") << "Yorm102m" << false << true << 2 << 2 << true << "Output Mode:";
    QTest::newRow("Yorm102t kind 2") << "Yorm102t" << false << true << 2 << -1 << true << "Output Mode:";
    QTest::newRow("Yorm105m") << "Yorm105m" << true << false << 5 << 0 << false << "Sensor Data:";
    QTest::newRow("Yorm106m") << "Yorm106m" << true << false << 1 << 0 << false << "Sensor Data:";
}

// What the set-up leaves: the interface list and its enabling, the
// minimum-frequency mode with the target box, the output format whatever the
// use case says, the controls made in code and the items added to the form's
// combos.
void TestBridge::setUp()
{
    QFETCH(QString, sample);
    QFETCH(bool, interfaceEnabled);
    QFETCH(bool, minFreq);
    QFETCH(int, outFormat);
    QFETCH(int, operationMode);
    QFETCH(bool, discrete);
    QFETCH(QString, outputLabel);

    Session s(sample);
    Pallador &w = s.w();
    const QStringList interfaces{QStringLiteral("Parallel"), QStringLiteral("HISPI 12 bits"),
                                 QStringLiteral("HISPI 14 bits")};
    QCOMPARE(items(w.ui.comboPLL_Interface), interfaces);
    QCOMPARE(w.ui.comboPLL_Interface->isEnabled(), interfaceEnabled);
    QCOMPARE(w.pllMinFreq, minFreq);
    QCOMPARE(w.ui.dSpinPLL_Target->isEnabled(), !minFreq);
    QCOMPARE(w.outFormat[0], outFormat);
    QCOMPARE(s.record().outFormat, outFormat);
    QCOMPARE(w.ui.labelOutputMode->text(), outputLabel);

    QCOMPARE(w.comboOperMode != nullptr, operationMode >= 0);
    if (w.comboOperMode) {
        QCOMPARE(items(w.comboOperMode),
                 (QStringList{QStringLiteral("SDR"), QStringLiteral("HDR(ME)"), QStringLiteral("HDR(DLO)")}));
        QCOMPARE(w.comboOperMode->currentIndex(), operationMode);
        QCOMPARE(w.hdrMode[0], operationMode);
        QCOMPARE(s.record().hdrMode, operationMode);
    }
    QCOMPARE(w.dSpinDfs[0] != nullptr && w.dSpinDfs[1] != nullptr, discrete);
    if (discrete) {
        QVERIFY(!w.dSpinDfs[0]->isEnabled() && !w.dSpinDfs[1]->isEnabled());
        QCOMPARE(w.dSpinDfs[0]->value(), 7.0);
        QCOMPARE(w.dSpinDfs[1]->value(), 6.0);
        // DFS1 and DFS2 take rows 2 and 3 of the frame-rate grid, the
        // minimum frame rate moves to row 4.
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        w.ui.gridLayout_7->getItemPosition(w.ui.gridLayout_7->indexOf(w.dSpinDfs[1]), &row, &column, &rowSpan,
                                           &columnSpan);
        QCOMPARE(row, 3);
        QCOMPARE(column, 1);
        w.ui.gridLayout_7->getItemPosition(w.ui.gridLayout_7->indexOf(w.ui.dSpinMinFRate_A), &row, &column, &rowSpan,
                                           &columnSpan);
        QCOMPARE(row, 4);
    }
    QCOMPARE(w.ui.comboTypeFRate_A->findText(QStringLiteral("Discrete Variable Frame Rate")), discrete ? 2 : -1);
    QCOMPARE(w.ui.comboTypeBlank_A->findText(QStringLiteral("Auto Adjust")), 4);
    QVERIFY(w.check2ClkPix && !w.check2ClkPix->isChecked());
    QCOMPARE(w.check2ClkPix->text(), QStringLiteral("Enable 2-clock/pixel"));
    if (!minFreq)
        QCOMPARE(w.revIndex, s.family().pll.revision - 1);
}

void TestBridge::setDefaultTwice_data()
{
    QTest::addColumn<QString>("sample");
    for (const char *sample : {"Yorm101t", "Yorm102t", "Yorm105m", "Yorm106m"})
        QTest::newRow(sample) << sample;
}

// Set Default runs the set-up again (twice over, through the reload): the
// controls and list items are the window's once, and the interface list
// offers each name once.
void TestBridge::setDefaultTwice()
{
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    QComboBox *const operationMode = w.comboOperMode;
    QCheckBox *const twoClocks = w.check2ClkPix;
    const int modeCombos = combosStartingWith(w, QStringLiteral("SDR"));
    const int dfsLabels = countWithText<QLabel>(w, QStringLiteral("DFS1:"));
    for (int i = 0; i < 2; ++i)
        s.setDefault();

    QCOMPARE(w.comboOperMode, operationMode);
    QCOMPARE(w.check2ClkPix, twoClocks);
    QCOMPARE(combosStartingWith(w, QStringLiteral("SDR")), modeCombos);
    QCOMPARE(countWithText<QLabel>(w, QStringLiteral("Operation Mode:")), modeCombos);
    QCOMPARE(countWithText<QLabel>(w, QStringLiteral("DFS1:")), dfsLabels);
    QCOMPARE(countWithText<QLabel>(w, QStringLiteral("DFS2:")), dfsLabels);
    QCOMPARE(countWithText<QCheckBox>(w, QStringLiteral("Enable 2-clock/pixel")), 1);
    QCOMPARE(w.ui.comboPLL_Interface->count(), 3);
    QCOMPARE(w.ui.comboTypeBlank_A->count(), 5);
    QCOMPARE(w.ui.comboTypeFRate_A->count(), dfsLabels ? 3 : 2);
    if (w.comboOperMode)
        QCOMPARE(w.comboOperMode->count(), 3);
}

// The operation mode, the DFS boxes and the two-clocks-per-pixel box are
// inputs like the form's: each change reaches the family object.
void TestBridge::createdControlsDriveInputs()
{
    Session s(QStringLiteral("Yorm101t"));
    Pallador &w = s.w();
    resetJournal(w);
    w.comboOperMode->setCurrentIndex(1);
    QCOMPARE(w.hdrMode[0], 1);
    QCOMPARE(s.record().hdrMode, 1);
    QCOMPARE(calculations(w), 1);

    w.dSpinDfs[0]->setValue(12.5);
    w.dSpinDfs[1]->setValue(8.25);
    QCOMPARE(w.dfs1[0], 12.5);
    QCOMPARE(s.record().dfs1, 12.5);
    QCOMPARE(s.record().dfs2, 8.25);

    w.check2ClkPix->click();
    QVERIFY(w.twoClkPerPix);
    QVERIFY(s.family().pll.twoClkPerPix);
    QCOMPARE(calculations(w), 4);
}

void TestBridge::frameRateOrder_data()
{
    QTest::addColumn<int>("type"); // 1 variable, 2 discrete
    QTest::addColumn<double>("maxFps");
    QTest::addColumn<double>("minFps");
    QTest::addColumn<double>("dfs1");
    QTest::addColumn<double>("dfs2");
    QTest::addColumn<bool>("dfs1Red");
    QTest::addColumn<bool>("dfs2Red");
    QTest::addColumn<bool>("minRed");

    QTest::newRow("in order") << 2 << 30.0 << 5.0 << 15.0 << 7.5 << false << false << false;
    QTest::newRow("both below the minimum") << 2 << 30.0 << 5.0 << 4.0 << 3.0 << true << true << false;
    QTest::newRow("DFS1 below DFS2") << 2 << 30.0 << 5.0 << 7.0 << 9.0 << true << false << false;
    QTest::newRow("DFS1 above the maximum") << 2 << 30.0 << 5.0 << 40.0 << 9.0 << true << false << false;
    QTest::newRow("variable: minimum above the maximum") << 1 << 30.0 << 40.0 << 4.0 << 3.0 << false << false << true;
    QTest::newRow("variable: in order") << 1 << 30.0 << 10.0 << 4.0 << 3.0 << false << false << false;
}

void TestBridge::frameRateOrder()
{
    QFETCH(int, type);
    QFETCH(double, maxFps);
    QFETCH(double, minFps);
    QFETCH(double, dfs1);
    QFETCH(double, dfs2);
    QFETCH(bool, dfs1Red);
    QFETCH(bool, dfs2Red);
    QFETCH(bool, minRed);

    Session s(QStringLiteral("Yorm101t"));
    Pallador &w = s.w();
    for (QWidget *box : {static_cast<QWidget *>(w.dSpinDfs[0]), static_cast<QWidget *>(w.dSpinDfs[1]),
                         static_cast<QWidget *>(w.ui.dSpinMinFRate_A)})
        box->setStyleSheet(QString());
    w.ui.comboTypeFRate_A->setCurrentIndex(type);
    QCOMPARE(w.dSpinDfs[0]->isEnabled(), type == 2);
    w.ui.comboMaxFRate_A->setEditText(QString::number(maxFps));
    w.ui.dSpinMinFRate_A->setValue(minFps);
    w.dSpinDfs[0]->setValue(dfs1);
    w.dSpinDfs[1]->setValue(dfs2);

    if (type == 2) {
        QCOMPARE(w.dSpinDfs[0]->styleSheet(), dfs1Red ? kRedDouble : kWhiteDouble);
        QCOMPARE(w.dSpinDfs[1]->styleSheet(), dfs2Red ? kRedDouble : kWhiteDouble);
    } else {
        QCOMPARE(w.ui.dSpinMinFRate_A->styleSheet(), minRed ? kRedDouble : kWhiteDouble);
        QCOMPARE(w.dSpinDfs[0]->styleSheet(), QString());
    }
    QCOMPARE(quint32(w.getWarningValue()), s.record().warnings);
}

// ---------------------------------------------------------------------------
// Calculation.

void TestBridge::contextInputs_data()
{
    QTest::addColumn<QString>("sample");
    for (const char *sample : {"Yorm102m", "Yorm105m", "Yorm106m"})
        QTest::newRow(sample) << sample;
}

// The window's settings of context A reach the record; the field of view and
// the processed area only while the context's advanced box is ticked, the
// maximum integration time never from the window.
void TestBridge::contextInputs()
{
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    if (w.comboOperMode)
        w.comboOperMode->setCurrentIndex(0);
    w.maxFps[0] = 20.0;
    w.skipping[0] = 1;
    w.cols[0] = 1000;
    w.rows[0] = 600;
    w.centering[0] = 1;
    w.mirror[0] = true;
    w.flip[0] = true;
    w.lowPower[0] = 1;
    w.blankType[0] = 3;
    w.variableFps[0] = true;
    w.discreteFps[0] = true;
    w.outFormat[0] = 3;
    w.userHBlank[0] = 444;
    w.userVBlank[0] = 55;
    w.minFps[0] = 6.5;
    w.dfs1[0] = 11.0;
    w.dfs2[0] = 9.0;
    w.fovCols[0] = 900;
    w.fovRows[0] = 500;
    w.socCols[0] = 800;
    w.socRows[0] = 400;
    const CContextParams before = s.record();
    w.recalc(false);

    const CContextParams &r = s.record();
    QCOMPARE(r.maxFps, 20.0);
    QCOMPARE(r.skipping, 1);
    QCOMPARE(r.cols, 1000);
    QCOMPARE(r.rows, 600);
    QCOMPARE(r.centering, 1);
    QVERIFY(r.mirror && r.flip && r.variableFps && r.discreteFps && !r.advParamOn && !r.aspectRatioFlag);
    QCOMPARE(r.lowPower, 1);
    QCOMPARE(r.blankType, 3);
    QCOMPARE(r.outFormat, 3);
    QCOMPARE(r.hdrMode, 0);
    QVERIFY(!r.useMaxIntgTime);
    QCOMPARE(r.userHBlank, 444);
    QCOMPARE(r.userVBlank, 55);
    QCOMPARE(r.minFps, 6.5);
    QCOMPARE(r.dfs1, 11.0);
    QCOMPARE(r.dfs2, 9.0);
    QCOMPARE(r.fovCols, before.fovCols);
    QCOMPARE(r.socCols, before.socCols);
    for (qint32 request : s.family().dividerRequests)
        QCOMPARE(request, -1);

    w.ui.checkAdvParam_A->setChecked(true);
    w.on_checkAdvParam_A_clicked();
    // The panel's first opening calculates nothing and takes the family's
    // sizes; the engineer's come after, and the next calculation works with
    // the panel open.
    w.fovCols[0] = 900;
    w.fovRows[0] = 500;
    w.socCols[0] = 800;
    w.socRows[0] = 400;
    w.recalc(false);
    QVERIFY(r.advParamOn);
    QCOMPARE(r.fovCols, 900);
    QCOMPARE(r.fovRows, 500);
    QCOMPARE(r.socCols, 800);
    QCOMPARE(r.socRows, 400);
}

void TestBridge::callOrder_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QStringList>("calls");
    const QString timing = QStringLiteral("TimingUpdate(0, false, false)");
    const QString results = QStringLiteral("ResultsUpdate(0)");
    const QString registers = QStringLiteral("RegisterUpdate(0)");
    const QString pll = QStringLiteral("PllUpdate()");
    // The last register update is the table's refresh.
    QTest::newRow("54") << "Yorm101t" << QStringList{pll, "CalculatePLLExt_(0)", timing, results, registers, registers};
    QTest::newRow("55") << "Yorm102m" << QStringList{pll, "CalculatePLLExt(1)", timing, results, registers, registers};
    QTest::newRow("57") << "Yorm105m"
                        << QStringList{"CalculatePLLExt(2)", timing, pll, timing, results, registers, registers};
    QTest::newRow("58 without keep-sync")
        << "Yorm106m"
        << QStringList{"CalculatePLLExt(3)", timing, pll, timing, registers, results, registers, registers};
}

void TestBridge::callOrder()
{
    QFETCH(QString, sample);
    QFETCH(QStringList, calls);
    Session s(sample);
    Pallador &w = s.w();
    if (w.comboOperMode)
        w.comboOperMode->setCurrentIndex(0);
    resetJournal(w);
    w.recalc(true);
    QCOMPARE(journal(w), calls);
}

void TestBridge::entry54LanesAndBits_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QList<int>>("interfaces");
    QTest::addColumn<QList<int>>("bits"); // the family's bits after each interface
    QTest::addColumn<int>("lanes");       // -1: the library's
    QTest::newRow("54") << "Yorm101t" << QList<int>{1, 0, 2} << QList<int>{12, 12, 14} << 2;
    QTest::newRow("55") << "Yorm102m" << QList<int>{1, 2} << QList<int>{-1, -1} << -1;
}

// Entry 54 runs two lanes; interface 1 gives 12 bits, 2 gives 14 and 0
// leaves them. Entries 55 and 56 pass neither.
void TestBridge::entry54LanesAndBits()
{
    QFETCH(QString, sample);
    QFETCH(QList<int>, interfaces);
    QFETCH(QList<int>, bits);
    QFETCH(int, lanes);
    Session s(sample);
    Pallador &w = s.w();
    const CPllParams library = s.family().pll;
    for (int i = 0; i < interfaces.size(); ++i) {
        w.ui.comboPLL_Interface->setCurrentIndex(interfaces[i]);
        QCOMPARE(w.interfaceIndex, interfaces[i]);
        QCOMPARE(s.family().pll.opBits, bits[i] < 0 ? library.opBits : bits[i]);
        QCOMPARE(s.family().pll.lanes, lanes < 0 ? library.lanes : lanes);
        if (lanes > 0)
            QCOMPARE(w.lanes, lanes);
    }
}

void TestBridge::discreteRateRunsSdr_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("hdrMode");
    QTest::newRow("kind 0: SDR") << "Yorm101t" << 0;
    QTest::newRow("kind 2: unchanged") << "Yorm102t" << 1;
}

// The discrete frame rate runs SDR except behind a sensor of kind 2, which
// has no operation-mode combo.
void TestBridge::discreteRateRunsSdr()
{
    QFETCH(QString, sample);
    QFETCH(int, hdrMode);
    Session s(sample);
    Pallador &w = s.w();
    w.hdrMode[0] = 1;
    w.ui.comboTypeFRate_A->setCurrentIndex(2);
    QVERIFY(w.discreteFps[0]);
    QCOMPARE(s.record().hdrMode, hdrMode);
    if (w.comboOperMode)
        QCOMPARE(w.comboOperMode->currentIndex(), hdrMode);
}

// A use case with an aspect-ratio mode forces 74.25 MHz, the fixed frame
// rate and the first blanking type and turns minimum frequency and auto
// adjust off; a use case without one gives the widgets back.
void TestBridge::aspectRatioRule()
{
    Session s(QStringLiteral("Yorm101t"));
    Pallador &w = s.w();
    w.ui.comboTypeBlank_A->setCurrentIndex(1);
    w.ui.comboTypeFRate_A->setCurrentIndex(1);
    w.pllAutoAdjust = true;
    w.ui.comboUseCase_A->setCurrentIndex(4); // "4:3 aspect 960x720 30fps"

    QVERIFY(w.aspectRatioFlag[0]);
    QCOMPARE(w.pllTarget, 74.25);
    QCOMPARE(w.ui.dSpinPLL_Target->value(), 74.25);
    QCOMPARE(s.family().pll.targetClock, 74.25);
    QCOMPARE(w.ui.comboTypeFRate_A->currentIndex(), 0);
    QCOMPARE(w.ui.comboTypeBlank_A->currentIndex(), 0);
    QCOMPARE(s.record().blankType, 0);
    QVERIFY(!w.variableFps[0] && !s.record().variableFps);
    QVERIFY(!w.pllAutoAdjust && !w.pllMinFreq);
    QVERIFY(!w.ui.dSpinPLL_Target->isEnabled() && !w.ui.comboTypeFRate_A->isEnabled());
    QVERIFY(!w.ui.comboTypeBlank_A->isEnabled() && !w.ui.comboMaxFRate_A->isEditable());
    // The 4:3 picture inside the sensor.
    QCOMPARE(s.family().timing(0).outCols * 3, s.family().timing(0).outRows * 4);

    w.ui.comboUseCase_A->setCurrentIndex(0);
    QVERIFY(!w.aspectRatioFlag[0]);
    QVERIFY(w.ui.comboTypeFRate_A->isEnabled() && w.ui.comboTypeBlank_A->isEnabled());
    QVERIFY(w.ui.comboMaxFRate_A->isEditable());
}

// Yorm_105 and Yorm_106 hand a changed revision to the family and the reader
// while the advanced PLL panel is open, and only when it changed.
void TestBridge::revisionRule()
{
    for (const char *sample : {"Yorm105m", "Yorm106m"}) {
        Session s{QString::fromLatin1(sample)};
        Pallador &w = s.w();
        const int fileRevision = w.dataIO->getRevNumber();
        w.revIndex = 2;
        w.recalc(true);
        QCOMPARE(s.family().pll.revision, 1);
        QCOMPARE(w.dataIO->getRevNumber(), fileRevision);

        w.ui.checkPLL_ADV->setChecked(true);
        w.recalc(true);
        QCOMPARE(s.family().pll.revision, 3);
        QCOMPARE(w.dataIO->getRevNumber(), 3);
        w.dataIO->setRevNumber(9);
        w.recalc(true);
        QCOMPARE(w.dataIO->getRevNumber(), 9);
    }
}

// An HDR context whose rate needs more than half its frame for the long
// exposure gets the maximum integration time; the user is asked once. No
// keeps it off; SDR forgets both the answer and the question.
void TestBridge::maxIntgTimeQuestion()
{
    Session s(QStringLiteral("Yorm105m.cfg"), bridgeConfig("Yorm105m", "Sarn106c1", 640, 480, 100));
    Pallador &w = s.w();
    CBridgeFamily &f = s.family();
    QCOMPARE(m_asked, 0);

    resetJournal(w);
    w.comboOperMode->setCurrentIndex(1);
    QCOMPARE(m_asked, 1);
    QVERIFY(f.maxIntgAsked && !w.shortSeq);
    QVERIFY(f.ctx[0].useMaxIntgTime);
    const QString timing = QStringLiteral("TimingUpdate(0, false, false)");
    const QString results = QStringLiteral("ResultsUpdate(0)");
    QCOMPARE(QStringList(journal(w).mid(5, 5)), (QStringList{timing, results, timing, results, "RegisterUpdate(0)"}));
    // The long exposure now runs beyond half the frame.
    QVERIFY(f.timing(0).intgTimeMs > 1000.0 / 100 / 2);

    w.recalc(false);
    QCOMPARE(m_asked, 1);
    QVERIFY(f.ctx[0].useMaxIntgTime);

    w.comboOperMode->setCurrentIndex(0);
    QVERIFY(!f.maxIntgAsked && !f.ctx[0].useMaxIntgTime);
    m_answer = QMessageBox::No;
    w.comboOperMode->setCurrentIndex(2);
    QCOMPARE(m_asked, 2);
    QVERIFY(w.shortSeq && !f.ctx[0].useMaxIntgTime);
    QVERIFY(f.timing(0).intgTimeMs <= 1000.0 / 100 / 2 + f.timing(0).rowTimeUs * 1e-3);
    w.recalc(false);
    QCOMPARE(m_asked, 2);
    QVERIFY(!f.ctx[0].useMaxIntgTime);

    // A slower rate holds the exposure in half its frame: nothing to ask.
    w.comboOperMode->setCurrentIndex(0);
    w.ui.comboMaxFRate_A->setEditText(QStringLiteral("30"));
    w.comboOperMode->setCurrentIndex(1);
    QCOMPARE(m_asked, 2);
    QVERIFY(!f.needsMaxIntgTime[0] && !w.shortSeq);
}

// A window made for an automation client shows no question: nobody may be
// there to answer it. The maximum integration time is taken.
void TestBridge::automationWindowIsNotAsked()
{
    Session s(QStringLiteral("Yorm105m.cfg"), bridgeConfig("Yorm105m", "Sarn106c1", 640, 480, 100));
    Pallador &w = s.w();
    w.automationClient = true;
    adapter::setMaxIntgTimeAsker({});
    s.responder.clear();
    w.comboOperMode->setCurrentIndex(1);
    installAsker();
    QCOMPARE(s.responder.seen(), QStringList());
    QVERIFY(s.family().maxIntgAsked && s.family().ctx[0].useMaxIntgTime);
    QVERIFY(w.automationMessages.isEmpty());
}

void TestBridge::fieldOfViewPicture_data()
{
    QTest::addColumn<QByteArray>("sensor");
    QTest::addColumn<QByteArray>("rawSensor");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("scale");
    QTest::newRow("Yorm_102 kind 0") << QByteArray("Yorm102m") << QByteArray("Sarn106c1") << 0 << 10;
    QTest::newRow("Yorm_102 kind 2") << QByteArray("Yorm102m") << QByteArray("Vek101m3") << 2 << 10;
    QTest::newRow("Yorm_102 kind 3") << QByteArray("Yorm102m") << QByteArray("Drav103") << 3 << 7;
    QTest::newRow("Yorm_105 kind 1") << QByteArray("Yorm105m") << QByteArray("Vek108t2") << 1 << 10;
    QTest::newRow("Yorm_105 kind 2") << QByteArray("Yorm105m") << QByteArray("Vek116t2") << 2 << 15;
    QTest::newRow("Yorm_106 kind 3") << QByteArray("Yorm106m") << QByteArray("Vek117m1") << 3 << 15;
}

namespace {

// The bridges' context-A panel, opened with the sizes the window's settings
// held before (the first opening takes the family's), and calculated once.
struct PicturePanel {
    QLabel *core;
    QLabel *soc;
    QLabel *out;

    explicit PicturePanel(Pallador &w)
    {
        const int sizes[] = {w.fovCols[0], w.fovRows[0], w.socCols[0], w.socRows[0]};
        w.ui.checkAdvParam_A->setChecked(true);
        w.on_checkAdvParam_A_clicked();
        core = w.labelT1T2;
        soc = w.labelT2T3;
        out = w.labelT3T4;
        w.fovCols[0] = sizes[0];
        w.fovRows[0] = sizes[1];
        w.socCols[0] = sizes[2];
        w.socRows[0] = sizes[3];
        // Opening the panel calculates nothing; the next calculation draws.
        w.recalc(false);
    }
};

} // namespace

// The picture's scale by family and sensor kind, the field-of-view frame and
// the start boxes one position beyond the library's limits.
void TestBridge::fieldOfViewPicture()
{
    QFETCH(QByteArray, sensor);
    QFETCH(QByteArray, rawSensor);
    QFETCH(int, kind);
    QFETCH(int, scale);
    Session s(QString::fromLatin1(sensor) + QStringLiteral(".cfg"),
              bridgeConfig(sensor.constData(), rawSensor.constData(), 960, 720, 30));
    Pallador &w = s.w();
    QCOMPARE(s.family().sensorKind, kind);
    PicturePanel panel(w);

    const CModeState &m = s.family().mode[0];
    const int width = s.family().pll.arrayCols / scale, height = s.family().pll.arrayRows / scale;
    QCOMPARE(panel.out->size(), QSize(m.outputCols / scale, m.outputRows / scale));
    QCOMPARE(panel.soc->geometry(),
             QRect((width - m.cropCols / scale) / 2 + 170, (height - m.cropRows / scale) / 2 + 20, m.cropCols / scale,
                   m.cropRows / scale));
    QCOMPARE(w.scrollAreaFOV->size(), QSize(m.fovCols / scale, m.fovRows / scale));
    QCOMPARE(panel.core->pos(), QPoint(s.record().fovX, s.record().fovY));
    QCOMPARE(panel.core->pixmap(Qt::ReturnByValue).size(), QSize(m.coreCols / scale, m.coreRows / scale));
    QVERIFY(!panel.out->hasScaledContents());
    QCOMPARE(w.spinFovX[0]->maximum(), m.fovXMax + 1);
    QCOMPARE(w.spinFovY[0]->maximum(), m.fovYMax + 1);
    QCOMPARE(w.spinFovX[0]->minimum(), m.fovXMin - 1);
    QCOMPARE(w.spinFovY[0]->minimum(), m.fovYMin - 1);
}

// A processed area larger than the output is shown in the output label,
// scaled down, unless the context skips: then every label scales the core.
void TestBridge::processedAreaInTheOutput()
{
    Session s(QStringLiteral("Yorm106m"));
    Pallador &w = s.w();
    w.fovCols[0] = 1280;
    w.fovRows[0] = 720;
    w.socCols[0] = 1600;
    w.socRows[0] = 900;
    PicturePanel panel(w);
    const CModeState &m = s.family().mode[0];
    QVERIFY(m.cropCols > m.outputCols);
    QCOMPARE(panel.out->pixmap(Qt::ReturnByValue).size(), QSize(m.cropCols / 15, m.cropRows / 15));
    QVERIFY(panel.out->hasScaledContents() && !panel.core->hasScaledContents());

    w.skipping[0] = 1;
    w.recalc(false);
    QCOMPARE(panel.out->pixmap(Qt::ReturnByValue).size(), QSize(m.coreCols / 15, m.coreRows / 15));
    for (QLabel *label : {panel.core, panel.soc, panel.out})
        QVERIFY(label->hasScaledContents());
}

// ---------------------------------------------------------------------------
// Yorm_106: the keep-sync PLL step.

void TestBridge::keepSyncSearch_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("output");
    QTest::addColumn<double>("clock");
    QTest::addColumn<int>("linePck");
    QTest::addColumn<int>("frameLength");
    QTest::addColumn<bool>("twoClocks");
    QTest::addColumn<double>("fps");
    QTest::addColumn<int>("lineLength");
    QTest::addColumn<int>("frameLines");

    // 36 MHz over 2000 x 1000 clocks: 18 fps; the core width plus 390 already
    // gives 30.06 MHz.
    QTest::newRow("36 MHz, 2000 x 1000") << 0 << QSize(1280, 960) << 36.0 << 2000 << 1000 << false << 18.0 << 1670
                                         << 1000;
    QTest::newRow("up to 30 MHz, even") << 0 << QSize(1280, 960) << 36.0 << 4000 << 1000 << false << 9.0 << 3334
                                        << 1000;
    // Two clocks per pixel start at half the external line plus 100 (2001).
    QTest::newRow("up to 30 MHz, odd") << 0 << QSize(1280, 960) << 36.0 << 3802 << 1000 << true << 36.0 / 3.802 << 3169
                                       << 1000;
    QTest::newRow("kind 0: 74.25 MHz") << 0 << QSize(1280, 960) << 200.0 << 2000 << 1000 << false << 100.0 << 742
                                       << 1000;
    QTest::newRow("kind 1: 74.25 MHz") << 1 << QSize(1280, 960) << 200.0 << 2000 << 1000 << false << 100.0 << 742
                                       << 1000;
    QTest::newRow("kind 2: 80 MHz") << 2 << QSize(1928, 1088) << 200.0 << 2000 << 1100 << false << 200.0 / 2.2 << 800
                                    << 1100;
    QTest::newRow("kind 3: 78 MHz") << 3 << QSize(1928, 1208) << 200.0 << 2000 << 1250 << false << 80.0 << 780 << 1250;
    // Output 1080 of a 1208-row core: 1100 external lines are 1230.4 sensor lines.
    QTest::newRow("scaled frame") << 3 << QSize(1920, 1080) << 36.0 << 2000 << 1100 << false << 36.0 / 2.2 << 2318
                                  << 1231;
}

// The frame rate from the external timing, the line length the search finds
// (keeping the parity of its start, within the kind's rate window), the frame
// length and the vertical blanking it fixes.
void TestBridge::keepSyncSearch()
{
    QFETCH(int, kind);
    QFETCH(QSize, output);
    QFETCH(double, clock);
    QFETCH(int, linePck);
    QFETCH(int, frameLength);
    QFETCH(bool, twoClocks);
    QFETCH(double, fps);
    QFETCH(int, lineLength);
    QFETCH(int, frameLines);

    Session s(QStringLiteral("Yorm106m.cfg"),
              bridgeConfig("Yorm106m", kRawSensorOfKind[kind], output.width(), output.height(), 30));
    Pallador &w = s.w();
    auto &f = static_cast<Yorm_106 &>(s.family());
    if (twoClocks)
        w.check2ClkPix->click();
    KeepSyncPanel panel(w);
    resetJournal(w);
    panel.set(clock, linePck, frameLength);

    QVERIFY(f.keepSyncOn);
    QCOMPARE(f.keepSyncLinePck, linePck);
    QVERIFY(qAbs(f.ctx[0].maxFps - fps) < 1e-9);
    QCOMPARE(f.lineLengthPck[0], lineLength);
    QCOMPARE(f.frameLengthLines[0], frameLines);
    QVERIFY(f.useFixedLineLength[0]);
    QCOMPARE(f.ctx[0].userVBlank, frameLines - f.mode[0].coreRows);
    QCOMPARE(f.ctx[0].blankType, 2);
    QVERIFY(journal(w).contains(QStringLiteral("CalculatePLLNet_ks(%1, true)").arg(kind)));
    // The registers program the external line and frame.
    const RegTable *table = f.regTable();
    for (int i = 0; i < table->count; ++i) {
        if (qstrcmp(table->rows[i].name, "TX_KS_LINE_LENGTH_PCK") == 0)
            QCOMPARE(int(w.regs[i].value), linePck);
        if (qstrcmp(table->rows[i].name, "TX_KS_FRAME_LENGTH_LINES") == 0)
            QCOMPARE(int(w.regs[i].value), frameLength);
    }
}

void TestBridge::keepSyncPlainWay_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("frame not above the output") << "frame";
    QTest::newRow("line not above the output") << "line";
    QTest::newRow("no core rows") << "core";
    QTest::newRow("no output rows") << "output";
    QTest::newRow("clock 0") << "zero";
    QTest::newRow("clock not a number") << "nan";
}

// Keep-sync on with an external timing the search cannot use runs the plain
// external PLL at once: no search, no keep-sync pass.
void TestBridge::keepSyncPlainWay()
{
    QFETCH(QString, what);
    Session s(QStringLiteral("Yorm106m.cfg"), bridgeConfig("Yorm106m", kRawSensorOfKind[0], 1280, 960, 30));
    Pallador &w = s.w();
    auto &f = static_cast<Yorm_106 &>(s.family());
    f.keepSyncOn = true;
    f.keepSyncClock = 36.0;
    f.keepSyncLinePck = 2000;
    f.keepSyncFrameLength = 1000;
    if (what == QLatin1String("frame"))
        f.keepSyncFrameLength = 960;
    else if (what == QLatin1String("line"))
        f.keepSyncLinePck = 1280;
    else if (what == QLatin1String("core"))
        f.mode[0].coreRows = 0;
    else if (what == QLatin1String("output"))
        f.mode[0].outputRows = 0;
    else if (what == QLatin1String("zero"))
        f.keepSyncClock = 0.0;
    else
        f.keepSyncClock = std::numeric_limits<double>::quiet_NaN();
    resetJournal(w);
    w.recalc(true);
    const QStringList calls = journal(w);
    QCOMPARE(calls.first(), QStringLiteral("CalculatePLLExt(0)"));
    QVERIFY(!calls.join(QLatin1Char(' ')).contains(QLatin1String("_ks")));
    QCOMPARE(calculations(w), 1);
    QVERIFY(!f.useFixedLineLength[0]);
}

// A recalculation whose sensor pixel clock is within 100 Hz of the register's
// runs no PLL or timing operation, and the PLL results stand; a changed PLL
// request works the keep-sync PLL out again.
void TestBridge::keepSyncUnchangedRunsNothing()
{
    Session s(QStringLiteral("Yorm106m.cfg"), bridgeConfig("Yorm106m", kRawSensorOfKind[0], 1280, 960, 30));
    Pallador &w = s.w();
    auto &f = static_cast<Yorm_106 &>(s.family());
    KeepSyncPanel panel(w);
    // 1670 x 1000 lines at 36 MHz over 1670 x 1000 clocks: a 36 MHz pixel clock.
    panel.set(36.0, 1670, 1000);
    QCOMPARE(f.lineLengthPck[0], 1670);
    QCOMPARE(f.keepSyncOutputClock, 36.0);
    const int n = w.ui.spinPLL_N->value(), m = w.ui.spinPLL_M->value();
    const quint32 rows[] = {w.regs[1].value, w.regs[4].value, w.regs[18].value};
    QCOMPARE(rows[2], 36000000u);

    resetJournal(w);
    w.recalc(true);
    QCOMPARE(journal(w),
             (QStringList{"RegisterUpdate(0)", "ResultsUpdate(0)", "RegisterUpdate(0)", "RegisterUpdate(0)"}));
    QCOMPARE(w.ui.spinPLL_N->value(), n);
    QCOMPARE(w.ui.spinPLL_M->value(), m);
    QCOMPARE(f.pll.pllN, w.resN);
    const quint32 after[] = {w.regs[1].value, w.regs[4].value, w.regs[18].value};
    QCOMPARE(QList<quint32>(std::begin(after), std::end(after)), QList<quint32>(std::begin(rows), std::end(rows)));

    resetJournal(w);
    w.ui.dSpinPLL_Input->setValue(24.0);
    QVERIFY(journal(w).contains(QStringLiteral("CalculatePLLNet_ks(0, true)")));
    QCOMPARE(calculations(w), 1);
    QCOMPARE(f.pll.inputClock, 24.0);
}

void TestBridge::keepSyncSecondPass_data()
{
    QTest::addColumn<bool>("twoClocks");
    QTest::addColumn<double>("target");
    QTest::newRow("one clock per pixel: twice the keep-sync clock") << false << 72.0;
    QTest::newRow("two clocks per pixel: the keep-sync clock") << true << 36.0;
}

void TestBridge::keepSyncSecondPass()
{
    QFETCH(bool, twoClocks);
    QFETCH(double, target);
    Session s(QStringLiteral("Yorm106m.cfg"), bridgeConfig("Yorm106m", kRawSensorOfKind[0], 1280, 960, 30));
    Pallador &w = s.w();
    auto &f = static_cast<Yorm_106 &>(s.family());
    if (twoClocks)
        w.check2ClkPix->click();
    KeepSyncPanel panel(w);
    panel.set(36.0, 2000, 1000);
    QCOMPARE(f.keepSyncTargetClock, target);
    QCOMPARE(f.pll.targetClock, target);
    QVERIFY(qAbs(f.pll.outputClock - target) < 1e-6);
}

QTEST_MAIN(TestBridge)
#include "tst_bridge.moc"
