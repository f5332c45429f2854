// Interface mode and lanes of the advanced PLL panel, per family: which family
// list fills the lane (L) and bit-depth (B) combos, which entries are chosen,
// what is enabled, the lane count stored and the target clock that belongs to
// it. The panel's combos are made here and connected as the panel connects
// them, so the refills run the lane and bit-depth slots as they would.
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QtTest>

#include <limits>

namespace {

// What a combo holds afterwards (plain ints: table columns).
constexpr int Untouched = 0, Empty = 1, Lanes = 2, LanesOdd = 3, Bits = 4, BitsOdd = 5, BitsAlt = 6;
// Enabled state afterwards.
constexpr int Off = 0, On = 1, Same = -1;

const QStringList kPlaceholder = {QStringLiteral("placeholder")};
constexpr double kUnchangedTarget = 1.0;
constexpr double kFamilyClock = -2.0;
// The output clock the calculation achieved, which it shows as the target.
constexpr double kAchievedClock = -3.0;

struct Panel {
    QComboBox *mode = nullptr;
    QComboBox *lanes = nullptr;
    QComboBox *bits = nullptr;
};

// The PLL panel's three combos, the lane and bit-depth combos holding a
// placeholder entry, and the target box at a clock no rule sets.
Panel makePanel(Pallador &w)
{
    Panel p;
    p.mode = new QComboBox(w.ui.widgetADV_PLL);
    p.mode->addItems({"Parallel", "MIPI", "HiSPi", "Other"});
    p.lanes = new QComboBox(w.ui.widgetADV_PLL);
    p.lanes->addItems(kPlaceholder);
    p.bits = new QComboBox(w.ui.widgetADV_PLL);
    p.bits->addItems(kPlaceholder);
    w.comboPLL_InterMode = p.mode;
    w.comboPLL_Lanes = p.lanes;
    w.comboPLL_Bits = p.bits;
    const bool connected =
        QObject::connect(p.mode, SIGNAL(currentIndexChanged(int)), &w,
                         SLOT(comboPLL_InterMode_currentIndexChanged(int))) &&
        QObject::connect(p.lanes, SIGNAL(currentIndexChanged(int)), &w,
                         SLOT(comboPLL_Lanes_currentIndexChanged(int))) &&
        QObject::connect(p.bits, SIGNAL(currentIndexChanged(int)), &w, SLOT(comboPLL_OpBits_currentIndexChanged(int)));
    if (!connected)
        return Panel{};
    const QSignalBlocker block(w.ui.dSpinPLL_Target);
    w.ui.dSpinPLL_Target->setValue(kUnchangedTarget);
    w.pllTarget = kUnchangedTarget;
    return p;
}

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

QStringList expectedItems(const Pallador &w, int id)
{
    const CFamilyCore *f = w.calvex->family();
    switch (id) {
    case Untouched:
        return kPlaceholder;
    case Empty:
        return {};
    case Lanes:
        return f->laneChoices;
    case LanesOdd:
        return f->laneChoicesOdd;
    case Bits:
        return f->bitDepthChoices;
    case BitsOdd:
        return f->bitDepthChoicesOdd;
    case BitsAlt:
        return f->bitDepthChoicesAlt;
    default:
        return {};
    }
}

double familyClock(const Pallador &w)
{
    if (w.calvex->vek_128)
        return w.calvex->vek_128->getDefaultPixelClockIndex();
    if (w.calvex->drav_102)
        return w.calvex->drav_102->getDefaultPixelClockIndex();
    return -1.0;
}

// A target column's value for the loaded sensor.
double targetOf(const Pallador &w, double target)
{
    if (target == kFamilyClock)
        return familyClock(w);
    if (target == kAchievedClock)
        return w.calvex->family()->pll.outputClock;
    return target;
}

// The slot through the mode combo, as a user's choice.
bool chooseInterface(const Panel &p, int index)
{
    {
        const QSignalBlocker block(p.mode);
        p.mode->setCurrentIndex(index == 3 ? 0 : 3);
    }
    p.mode->setCurrentIndex(index);
    return p.mode->currentIndex() == index;
}

} // namespace

class TestInterfaceSlots : public QObject {
    Q_OBJECT

private slots:
    void interfaceMode_data();
    void interfaceMode();
    void lanes_data();
    void lanes();
    void companding();
    void exposureLists();
    void hdrControls();

private:
    Pallador *load(FixtureInstall &install, const QString &sensor);
};

Pallador *TestInterfaceSlots::load(FixtureInstall &install, const QString &sensor)
{
    auto *w = new Pallador(QString{});
    w->loadConfigFile(install.addSample(sensor + QStringLiteral(".cfg")));
    return w;
}

void TestInterfaceSlots::interfaceMode_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<bool>("odd");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("lanesOn");
    QTest::addColumn<int>("lanesList");
    QTest::addColumn<int>("lanesIndex");
    QTest::addColumn<int>("bitsOn");
    QTest::addColumn<int>("bitsList");
    QTest::addColumn<int>("bitsIndex");
    QTest::addColumn<double>("target"); // kFamilyClock: the family's default clock

    const double same = kUnchangedTarget;
    // Brel_101/102: B is filled by the lane slot for the first lane entry.
    QTest::newRow("Sarn102 serial") << "Sarn102" << 0 << false << 1 << On << Lanes << 0 << On << Bits << 0 << same;
    QTest::newRow("Sarn102 parallel") << "Sarn102" << 0 << false << 0 << Off << Empty << -1 << Off << Empty << -1
                                      << same;
    QTest::newRow("Vek106 serial") << "Vek106" << 0 << false << 2 << On << Lanes << 0 << On << Bits << 0 << same;
    // Vek_101/108.
    QTest::newRow("Vek108m serial") << "Vek108m" << 0 << false << 1 << On << Lanes << 0 << On << Bits << 0 << same;
    QTest::newRow("Vek101 parallel") << "Vek101" << 0 << false << 0 << Off << Empty << -1 << Off << Empty << -1 << same;
    // Brel_104, Vek_116, Vek_121: four lanes chosen, B from the lane slot.
    QTest::newRow("Sarn111 serial") << "Sarn111" << 0 << false << 1 << On << Lanes << 2 << On << Bits << 1 << 74.25;
    QTest::newRow("Vek116m serial") << "Vek116m" << 0 << false << 2 << On << Lanes << 2 << On << Bits << 1 << 74.25;
    // Emptying L runs the lane slot, which sets the parallel target.
    QTest::newRow("Vek122t parallel") << "Vek122t" << 0 << false << 0 << Off << Empty << -1 << Off << Empty << -1
                                      << 74.25;
    // Brel_105.
    QTest::newRow("Sarn112 index 1") << "Sarn112" << 0 << false << 1 << On << Lanes << 2 << On << Bits << 2 << same;
    QTest::newRow("Sarn112 index 2") << "Sarn112" << 0 << false << 2 << On << Lanes << 2 << On << Bits << 1 << same;
    QTest::newRow("Sarn112 parallel") << "Sarn112" << 0 << false << 0 << Off << Empty << -1 << Off << Empty << -1
                                      << same;
    // Vek_118: B keeps the window's bit depth (Vek118m 10 bits, Vek131m 12
    // after loading) through the refills, whose slots store other entries.
    QTest::newRow("Vek118m serial") << "Vek118m" << 0 << false << 1 << On << Lanes << 2 << On << Bits << 0 << 108.0;
    QTest::newRow("Vek131m serial, revision 1")
        << "Vek131m" << 1 << false << 1 << On << Lanes << 2 << On << Bits << 1 << 139.5;
    QTest::newRow("Vek118m parallel") << "Vek118m" << 0 << false << 0 << Off << Empty << -1 << Off << Empty << -1
                                      << 108.0;
    // Vek_128, Drav_102: the family's default bit depth and clock.
    QTest::newRow("Vek128m serial") << "Vek128m" << 0 << false << 1 << On << Lanes << 2 << On << Bits
                                    << Vek_128::getDefaultBitDepthIndex() << kFamilyClock;
    QTest::newRow("Drav102 serial") << "Drav102" << 0 << false << 1 << On << Lanes << 1 << On << Bits
                                    << Drav_102::getDefaultBitDepthIndex() << kFamilyClock;
    // Vek_119: both lists for every index.
    QTest::newRow("Vek119t parallel") << "Vek119t" << 0 << false << 0 << Off << Lanes << 0 << On << Bits << 1 << 90.0;
    QTest::newRow("Vek119m serial") << "Vek119m" << 0 << false << 1 << On << Lanes << 2 << On << Bits << 1 << same;
    // Vek_110: the odd-clock-ratio lists while that option is on.
    QTest::newRow("Vek110m odd ratio") << "Vek110m" << 0 << true << 1 << On << LanesOdd << 1 << On << BitsOdd << 1
                                       << same;
    QTest::newRow("Vek110m plain ratio") << "Vek110m" << 0 << false << 1 << On << Lanes << 2 << On << Bits << 1 << same;
    QTest::newRow("Vek112m index 2") << "Vek112m" << 0 << false << 2 << On << Lanes << 2 << On << Bits << 1 << same;
    QTest::newRow("Vek110m parallel") << "Vek110m" << 0 << false << 0 << Off << Empty << -1 << Off << Empty << -1
                                      << same;
    QTest::newRow("Vek110m other index") << "Vek110m" << 0 << false << 3 << Same << Empty << -1 << Same << Empty << -1
                                         << same;
    // Vek_113: the serial steps for the parallel index too.
    QTest::newRow("Vek113m parallel") << "Vek113m" << 0 << false << 0 << On << Lanes << 2 << On << Bits << 1 << same;
    QTest::newRow("Vek113m index 2") << "Vek113m" << 0 << false << 2 << Same << Empty << -1 << Same << Empty << -1
                                     << same;
    // Vek_117: parallel has bit depths but no lanes.
    QTest::newRow("Vek117m parallel") << "Vek117m" << 0 << false << 0 << Off << Empty << -1 << On << Bits << 0 << same;
    QTest::newRow("Vek117m odd ratio serial")
        << "Vek117m" << 0 << true << 1 << On << LanesOdd << 1 << On << BitsOdd << 1 << same;
    // Vek_123.
    QTest::newRow("Vek123m serial") << "Vek123m" << 0 << false << 1 << On << Lanes << 2 << On << Bits << 1 << 72.0;
    QTest::newRow("Vek123d parallel") << "Vek123d" << 0 << false << 0 << Off << Empty << -1 << Off << Empty << -1
                                      << 88.0;
    // The family's own set-up only, or nothing.
    QTest::newRow("Vek114d") << "Vek114d" << 0 << false << 1 << Same << Untouched << 0 << Same << Untouched << 0
                             << same;
    QTest::newRow("Vek107m index 2") << "Vek107m" << 0 << false << 2 << Same << Untouched << 0 << Same << Untouched << 0
                                     << same;
    QTest::newRow("Tolm104m, no rule") << "Tolm104m" << 0 << false << 1 << Same << Untouched << 0 << Same << Untouched
                                       << 0 << same;
}

void TestInterfaceSlots::interfaceMode()
{
    QFETCH(QString, sensor);
    QFETCH(int, revision);
    QFETCH(bool, odd);
    QFETCH(int, mode);
    QFETCH(int, lanesOn);
    QFETCH(int, lanesList);
    QFETCH(int, lanesIndex);
    QFETCH(int, bitsOn);
    QFETCH(int, bitsList);
    QFETCH(int, bitsIndex);
    QFETCH(double, target);

    FixtureInstall install;
    QScopedPointer<Pallador> w(load(install, sensor));
    const Panel p = makePanel(*w);
    QVERIFY(p.mode);
    w->revIndex = revision;
    w->oddClkRatio = odd;
    // Start from the state opposite to the expected one.
    p.lanes->setEnabled(lanesOn != On);
    p.bits->setEnabled(bitsOn != On);
    const bool lanesBefore = p.lanes->isEnabled();
    const bool bitsBefore = p.bits->isEnabled();
    resetJournal(*w);

    QVERIFY(chooseInterface(p, mode));

    QCOMPARE(w->interfaceIndex, mode);
    const QStringList lanesExpected = expectedItems(*w, lanesList);
    const QStringList bitsExpected = expectedItems(*w, bitsList);
    QVERIFY2(lanesList == Empty || !lanesExpected.isEmpty(), "the family offers no such lane list");
    QVERIFY2(bitsList == Empty || !bitsExpected.isEmpty(), "the family offers no such bit-depth list");
    QCOMPARE(items(p.lanes), lanesExpected);
    QCOMPARE(items(p.bits), bitsExpected);
    QCOMPARE(p.lanes->currentIndex(), lanesIndex);
    QCOMPARE(p.bits->currentIndex(), bitsIndex);
    QCOMPARE(p.lanes->isEnabled(), lanesOn == Same ? lanesBefore : lanesOn == On);
    QCOMPARE(p.bits->isEnabled(), bitsOn == Same ? bitsBefore : bitsOn == On);
    QCOMPARE(w->pllTarget, targetOf(*w, target));
    QVERIFY(calculations(*w) > 0);
    QVERIFY(allContextsEachTime(*w));
}

void TestInterfaceSlots::lanes_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<bool>("odd");
    QTest::addColumn<int>("lane");
    QTest::addColumn<int>("laneCount");
    QTest::addColumn<int>("bitsList");
    QTest::addColumn<int>("bitsIndex"); // -2: not checked
    QTest::addColumn<double>("target"); // kFamilyClock, kAchievedClock: as named

    const double same = kUnchangedTarget;
    QTest::newRow("no rule: 2^index") << "Tolm104m" << 0 << 1 << false << 2 << 4 << Untouched << -2 << same;
    QTest::newRow("no rule: 8 lanes") << "Vek108m" << 0 << 1 << false << 3 << 8 << Untouched << -2 << same;
    QTest::newRow("no rule: emptied list") << "Vek108m" << 0 << 1 << false << -1 << 0 << Untouched << -2 << same;
    // An index no list has: the lane count stops at the largest int.
    const int huge = std::numeric_limits<int>::max();
    QTest::newRow("no rule: index no list has") << "Vek108m" << 0 << 1 << false << huge << huge << Untouched << -2
                                                << same;
    // Brel_101/102: 2 to 4 lanes, four with their own bit depths.
    QTest::newRow("Sarn102 four lanes") << "Sarn102" << 0 << 1 << false << 2 << 4 << BitsAlt << 0 << same;
    QTest::newRow("Sarn102 three lanes") << "Sarn102" << 0 << 1 << false << 1 << 3 << Bits << 0 << same;
    QTest::newRow("Sarn106c two lanes") << "Sarn106c" << 0 << 0 << false << 0 << 2 << Bits << 0 << same;
    QTest::newRow("Sarn102 index no list has") << "Sarn102" << 0 << 1 << false << huge << huge << Bits << 0 << same;
    // Brel_104.
    QTest::newRow("Sarn111 one lane") << "Sarn111" << 0 << 1 << false << 0 << 1 << BitsAlt << 0 << 18.563;
    QTest::newRow("Vek130t two lanes") << "Vek130t" << 0 << 1 << false << 1 << 2 << BitsAlt << 0 << 37.125;
    QTest::newRow("Sarn111 four lanes") << "Sarn111" << 0 << 1 << false << 2 << 4 << Bits << 0 << 74.25;
    QTest::newRow("Sarn111 parallel") << "Sarn111" << 0 << 0 << false << 0 << 1 << Bits << 0 << 74.25;
    // Vek_116, Vek_121.
    QTest::newRow("Vek116m one lane") << "Vek116m" << 0 << 1 << false << 0 << 1 << BitsAlt << 0 << 18.563;
    QTest::newRow("Vek115x two lanes") << "Vek115x" << 0 << 2 << false << 1 << 2 << Bits << 0 << 37.125;
    QTest::newRow("Vek121d eight lanes") << "Vek121d" << 0 << 1 << false << 3 << 8 << Bits << 0 << 37.125;
    QTest::newRow("Vek121m parallel") << "Vek121m" << 0 << 0 << false << 0 << 1 << Bits << 0 << 74.25;
    // Vek_118 by sensor, revision and lane count; B keeps the window's bit
    // depth as above.
    QTest::newRow("Vek118m rev 0, lane 0") << "Vek118m" << 0 << 1 << false << 0 << 1 << Bits << 0 << 54.0;
    QTest::newRow("Vek118m rev 0, lane 2") << "Vek118m" << 0 << 1 << false << 2 << 4 << Bits << 0 << 108.0;
    QTest::newRow("Vek118m rev 1, lane 0") << "Vek118m" << 1 << 1 << false << 0 << 1 << Bits << 0 << 62.25;
    QTest::newRow("Vek118m rev 1, lane 1") << "Vek118m" << 1 << 1 << false << 1 << 2 << Bits << 0 << 124.5;
    QTest::newRow("Vek118m rev 1, parallel") << "Vek118m" << 1 << 0 << false << 0 << 1 << Empty << -1 << 125.0;
    QTest::newRow("Vek118m rev 0, parallel") << "Vek118m" << 0 << 0 << false << 0 << 1 << Empty << -1 << 108.0;
    QTest::newRow("Vek131m rev 0, lane 2") << "Vek131m" << 0 << 1 << false << 2 << 4 << Bits << 1 << 110.0;
    QTest::newRow("Vek131m rev 1, lane 0") << "Vek131m" << 1 << 1 << false << 0 << 1 << Bits << 1 << 66.75;
    QTest::newRow("Vek131m rev 1, lane 2") << "Vek131m" << 1 << 1 << false << 2 << 4 << Bits << 1 << 139.5;
    QTest::newRow("Vek131m rev 1, parallel") << "Vek131m" << 1 << 0 << false << 0 << 1 << Empty << -1 << 108.0;
    // Vek_128, Drav_102.
    QTest::newRow("Vek128m serial") << "Vek128m" << 0 << 1 << false << 1 << 2 << Bits
                                    << Vek_128::getDefaultBitDepthIndex() << kFamilyClock;
    QTest::newRow("Vek128m parallel") << "Vek128m" << 0 << 0 << false << 1 << 2 << Empty << -1 << kFamilyClock;
    QTest::newRow("Drav102 parallel") << "Drav102" << 0 << 0 << false << 0 << 1 << Bits
                                      << Drav_102::getDefaultBitDepthIndex() << kFamilyClock;
    // Vek_111, Vek_119.
    QTest::newRow("Vek111m parallel") << "Vek111m" << 0 << 0 << false << 0 << 1 << Empty << -1 << 74.25;
    QTest::newRow("Vek111t serial") << "Vek111t" << 0 << 1 << false << 1 << 2 << Bits << 0 << same;
    QTest::newRow("Vek119t parallel") << "Vek119t" << 0 << 0 << false << 0 << 1 << Empty << -1 << 90.0;
    QTest::newRow("Vek119m serial") << "Vek119m" << 0 << 1 << false << 2 << 4 << Bits << 0 << same;
    // Vek_110, Vek_113, Vek_117.
    QTest::newRow("Vek110m odd ratio") << "Vek110m" << 0 << 1 << true << 1 << 2 << BitsOdd << 0 << same;
    QTest::newRow("Vek117m odd ratio") << "Vek117m" << 0 << 1 << true << 1 << 2 << BitsOdd << 0 << same;
    QTest::newRow("Vek113m plain ratio") << "Vek113m" << 0 << 1 << false << 1 << 2 << Bits << 0 << same;
    // Vek_114: the target only.
    QTest::newRow("Vek114d lane 0") << "Vek114d" << 0 << 1 << false << 0 << 1 << Untouched << -2 << 18.9;
    QTest::newRow("Vek114d lane 1") << "Vek114d" << 0 << 1 << false << 1 << 2 << Untouched << -2 << 37.8;
    QTest::newRow("Vek114d lane 2") << "Vek114d" << 0 << 0 << false << 2 << 4 << Untouched << -2 << 75.6;
    // Vek_123.
    QTest::newRow("Vek123m lane 0") << "Vek123m" << 0 << 1 << false << 0 << 1 << Bits << 0 << 18.0;
    QTest::newRow("Vek123m lane 1") << "Vek123m" << 0 << 1 << false << 1 << 2 << Bits << 0 << 36.0;
    QTest::newRow("Vek123d lane 3") << "Vek123d" << 0 << 1 << false << 3 << 8 << Bits << 0 << 72.0;
    QTest::newRow("Vek123m parallel") << "Vek123m" << 0 << 0 << false << 0 << 1 << Empty << -1 << 88.0;
    // Brel_105.
    QTest::newRow("Sarn112") << "Sarn112" << 0 << 1 << false << 2 << 4 << Bits << 0 << same;
    // Zelt: 1 to 4 lanes; the calculation shows the clock it achieved as
    // the target.
    const double achieved = kAchievedClock;
    QTest::newRow("Zelt102 lane 2") << "Zelt102" << 0 << 1 << false << 2 << 3 << Untouched << -2 << achieved;
    QTest::newRow("Zelt105 lane 0") << "Zelt105" << 0 << 1 << false << 0 << 1 << Untouched << -2 << achieved;
    QTest::newRow("Zelt105 index no list has") << "Zelt105" << 0 << 1 << false << huge << huge << Untouched << -2
                                               << achieved;
    // Vek_146.
    QTest::newRow("Vek146m lane 0") << "Vek146m" << 0 << 1 << false << 0 << 1 << Untouched << -2 << 124.5;
    QTest::newRow("Vek146m lane 1") << "Vek146m" << 0 << 1 << false << 1 << 2 << Untouched << -2 << 124.5;
    QTest::newRow("Vek146m lane 2") << "Vek146m" << 0 << 1 << false << 2 << 4 << Untouched << -2 << 62.5;
    QTest::newRow("Vek146m lane 3") << "Vek146m" << 0 << 1 << false << 3 << 8 << Untouched << -2 << 62.5;
    QTest::newRow("Vek146m emptied list") << "Vek146m" << 0 << 1 << false << -1 << 0 << Untouched << -2 << 124.5;
}

void TestInterfaceSlots::lanes()
{
    QFETCH(QString, sensor);
    QFETCH(int, revision);
    QFETCH(int, interfaceIndex);
    QFETCH(bool, odd);
    QFETCH(int, lane);
    QFETCH(int, laneCount);
    QFETCH(int, bitsList);
    QFETCH(int, bitsIndex);
    QFETCH(double, target);

    FixtureInstall install;
    QScopedPointer<Pallador> w(load(install, sensor));
    const Panel p = makePanel(*w);
    QVERIFY(p.mode);
    w->revIndex = revision;
    w->interfaceIndex = interfaceIndex;
    w->oddClkRatio = odd;
    {
        // The lane entry the slot is told about; the slot itself reads only
        // its argument.
        const QSignalBlocker block(p.lanes);
        p.lanes->clear();
        p.lanes->addItems({"1", "2", "4", "8"});
        p.lanes->setCurrentIndex(lane);
    }
    resetJournal(*w);

    QVERIFY(QMetaObject::invokeMethod(w.data(), "comboPLL_Lanes_currentIndexChanged", Q_ARG(int, lane)));

    QCOMPARE(w->lanes, laneCount);
    const QStringList bitsExpected = expectedItems(*w, bitsList);
    QVERIFY2(bitsList == Empty || !bitsExpected.isEmpty(), "the family offers no such bit-depth list");
    QCOMPARE(items(p.bits), bitsExpected);
    if (bitsIndex != -2)
        QCOMPARE(p.bits->currentIndex(), bitsIndex);
    const double expectedTarget = targetOf(*w, target);
    QCOMPARE(w->pllTarget, expectedTarget);
    QCOMPARE(w->ui.dSpinPLL_Target->value(), expectedTarget);
    QVERIFY(calculations(*w) > 0);
    QVERIFY(allContextsEachTime(*w));
}

// Vek_111: the parallel interface turns companding off; the first serial one
// offers the box again; every choice ends in the companding slot.
void TestInterfaceSlots::companding()
{
    FixtureInstall install;
    QScopedPointer<Pallador> w(load(install, QStringLiteral("Vek111m")));
    const Panel p = makePanel(*w);
    QVERIFY(p.mode);
    auto *box = new QCheckBox(w->ui.widgetADV_PLL);
    w->checkCompand = box;
    box->setChecked(true);
    box->hide();
    box->setEnabled(false);
    w->companding = true;

    QVERIFY(chooseInterface(p, 0));
    QVERIFY(!box->isChecked());
    QVERIFY(!w->companding);
    QVERIFY(box->isHidden());

    box->setChecked(true);
    QVERIFY(chooseInterface(p, 1));
    QVERIFY(!box->isChecked());
    QVERIFY(!w->companding);
    QVERIFY(!box->isHidden() && box->isEnabled());

    box->setChecked(true);
    QVERIFY(chooseInterface(p, 2));
    QVERIFY(w->companding);
    QCOMPARE(items(p.lanes), w->calvex->family()->laneChoices);
    QCOMPARE(items(p.bits), w->calvex->family()->bitDepthChoices);

    // A form without the box: companding reads as off.
    w->checkCompand = nullptr;
    QVERIFY(chooseInterface(p, 1));
    QVERIFY(!w->companding);
}

// Vek_107: the exposure-count lists of the open context panel follow the
// interface; index 2 and above change nothing but the interface.
void TestInterfaceSlots::exposureLists()
{
    FixtureInstall install;
    QScopedPointer<Pallador> w(load(install, QStringLiteral("Vek107m")));
    const Panel p = makePanel(*w);
    QVERIFY(p.mode);
    auto *numExp = new QComboBox(w->ui.widgetADV_A);
    auto *maxExp = new QComboBox(w->ui.widgetADV_A);
    w->comboNumExp = numExp;
    w->comboMax_nExposure = maxExp;

    w->advParamOn[w->currentContext] = false;
    QVERIFY(chooseInterface(p, 1));
    QCOMPARE(numExp->count(), 0);

    w->advParamOn[w->currentContext] = true;
    QVERIFY(chooseInterface(p, 1));
    const QStringList exposures = w->calvex->family()->exposureChoices;
    QVERIFY(exposures.size() > 2);
    QCOMPARE(items(numExp), exposures);
    QCOMPARE(items(maxExp), exposures);
    QCOMPARE(numExp->currentIndex(), 2);
    QCOMPARE(maxExp->currentIndex(), 2);
    QCOMPARE(items(p.lanes), kPlaceholder);

    numExp->clear();
    QVERIFY(chooseInterface(p, 2));
    QCOMPARE(w->interfaceIndex, 2);
    QCOMPARE(numExp->count(), 0);
}

// Vek_123 with the context-A panel open: HDR is off on the parallel interface
// and shown as the last calculation left it on a serial one.
void TestInterfaceSlots::hdrControls()
{
    FixtureInstall install;
    QScopedPointer<Pallador> w(load(install, QStringLiteral("Vek123m")));
    const Panel p = makePanel(*w);
    QVERIFY(p.mode);
    QWidget *form = w->ui.widgetADV_A;
    auto *hdr = new QCheckBox(form);
    auto *numExp = new QComboBox(form);
    numExp->addItems({"2", "3", "4"});
    auto *interleave = new QCheckBox(form);
    auto *ratio12 = new QSpinBox(form);
    auto *ratio23 = new QSpinBox(form);
    w->checkHDR[0] = hdr;
    w->comboNumExp = numExp;
    w->checkInterleave[0] = interleave;
    w->spinT1_T2 = ratio12;
    w->spinT2_T3 = ratio23;
    Vek_123 &family = *w->calvex->vek_123;

    // Panel closed: the controls are left alone.
    hdr->setChecked(true);
    QVERIFY(chooseInterface(p, 0));
    QVERIFY(hdr->isChecked() && hdr->isEnabled());

    w->ui.checkAdvParam_A->setChecked(true);
    QVERIFY(chooseInterface(p, 0));
    QVERIFY(!hdr->isChecked() && !hdr->isEnabled());
    for (QWidget *widget : std::initializer_list<QWidget *>{numExp, interleave, ratio12, ratio23})
        QVERIFY(!widget->isEnabled());

    // The calculations write the window's HDR mode into the family; the
    // exposure settings are the family's own.
    w->hdrMode[0] = 1;
    family.ctx[0].numExposures = 3;
    family.ctx[0].interleave = 1;
    family.t1T2Ratio = 4;
    family.t2T3Ratio = 2;
    QVERIFY(chooseInterface(p, 1));
    QVERIFY(family.ctx[0].hdrMode != 0);
    QVERIFY(hdr->isChecked() && hdr->isEnabled());
    QCOMPARE(numExp->currentIndex(), family.ctx[0].numExposures - 2);
    QVERIFY(numExp->isEnabled() && interleave->isEnabled());
    QCOMPARE(interleave->isChecked(), family.ctx[0].interleave != 0);
    QCOMPARE(ratio12->value(), family.t1T2Ratio);
    QCOMPARE(ratio23->value(), family.t2T3Ratio);

    w->hdrMode[0] = 0;
    QVERIFY(chooseInterface(p, 2));
    QVERIFY(!hdr->isChecked() && hdr->isEnabled());
    QVERIFY(!numExp->isEnabled() && !interleave->isEnabled());
}

QTEST_MAIN(TestInterfaceSlots)
#include "tst_interfaceslots.moc"
