// Timing of the use-case preset and scaler families: a preset frame that is
// the shortest frame of its use case, the scaled read-out of Vek_157b and
// Vek_157f, the interface Vek_120 takes from its lanes and the read-out mode
// of Vek_137, which counts from 0.
#include "engine/timing.h"
#include "familyrunner.h"

#include <QtTest>

#include <climits>
#include <cmath>
#include <cstring>

using namespace calvex;

namespace {

qint64 rowValue(const CFamilyCore *f, const char *name)
{
    const RegTable *t = f->regTable();
    for (int i = 0; t && i < t->count; ++i) {
        if (std::strcmp(t->rows[i].name, name) == 0)
            return f->results.registerValues[i];
    }
    return -1;
}

struct Setup {
    int typeCode;
    CCalvex calvex;
    CFamilyCore *f;
    explicit Setup(int code) : typeCode(code), calvex(code), f(calvex.family()) { testing::initDefaults(f, code); }
    void run() { testing::calculate(f, typeCode, 0); }
};

} // namespace

class TestPresetTiming : public QObject {
    Q_OBJECT

private slots:
    void shortestPresetFrame_data();
    void shortestPresetFrame();
    void scaledReadOut_data();
    void scaledReadOut();
    void vek120InterfaceFromLanes_data();
    void vek120InterfaceFromLanes();
    void vek137ReadModeFromZero_data();
    void vek137ReadModeFromZero();
};

void TestPresetTiming::shortestPresetFrame_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("preset"); // frame length
    QTest::addColumn<double>("fps");
    QTest::addColumn<bool>("shortest"); // the preset frame is the shortest, not the only one
    QTest::addColumn<int>("frameLength");
    QTest::addColumn<bool>("rateMissed");
    // 1280 x 518 at 48 MHz runs 72.4 fps.
    QTest::newRow("lower rate lengthens") << 480 << 518 << 60.0 << true << 625 << false;
    QTest::newRow("half that rate") << 480 << 518 << 30.0 << true << 1250 << false;
    QTest::newRow("higher rate keeps the preset") << 480 << 518 << 80.0 << true << 518 << true;
    // 312.5 lines: 313 whole lines run 0.16 % slow, the nearest the line allows.
    QTest::newRow("whole lines of the preset line") << 240 << 278 << 120.0 << true << 313 << false;
    // 18 lines of blanking, below the minimum of 32: the maker's setting stands.
    QTest::newRow("below the minimum blanking") << 500 << 518 << 80.0 << true << 518 << true;
    QTest::newRow("too short for the rows") << 520 << 518 << 80.0 << true << 520 << true;
    QTest::newRow("only frame, lower rate") << 480 << 518 << 60.0 << false << 518 << true;
}

// A preset frame is the shortest frame of its use case: a lower requested
// rate lengthens it to the whole lines that rate needs (which meet the rate
// even where they run more than 0.1 % slow: the preset's line allows no
// finer step), a higher one cannot shorten it. Its blanking may be below
// the minimum; it never holds fewer lines than the rows read.
void TestPresetTiming::shortestPresetFrame()
{
    QFETCH(int, rows);
    QFETCH(int, preset);
    QFETCH(double, fps);
    QFETCH(bool, shortest);
    QFETCH(int, frameLength);
    QFETCH(bool, rateMissed);
    TimingLimits lim;
    lim.arrayCols = 4224;
    lim.arrayRows = 3136;
    lim.pixelsPerClock = 2;
    lim.minHBlank = 264;
    lim.minVBlank = 32;
    TimingInput in;
    in.pixelClock = 48.0;
    in.cols = 640;
    in.rows = rows;
    in.maxFps = fps;
    in.fixedLineLength = 1280;
    in.fixedFrameLength = preset;
    in.presetLengths = true;
    in.presetFrameIsShortest = shortest;

    const TimingResult r = computeTiming(lim, in);

    QCOMPARE(r.lineLength, 1280);
    QCOMPARE(r.frameLength, frameLength);
    QCOMPARE(r.vBlank, frameLength - r.outRows);
    QCOMPARE(bool(r.warnings & WarnFrameRate), rateMissed);
    QVERIFY(!(r.warnings & (WarnUserBlank | WarnUserVBlank)));
    // Met: no faster than asked, and one line less would be too fast.
    if (!rateMissed)
        QVERIFY(r.fps <= fps * (1.0 + 1e-9) && 48.0e6 / (1280.0 * (frameLength - 1)) > fps);
}

void TestPresetTiming::scaledReadOut_data()
{
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<int>("scaleM");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("outCols");
    QTest::addColumn<int>("outRows");
    QTest::addColumn<int>("readCols");
    QTest::addColumn<int>("readRows");
    QTest::newRow("157b unscaled") << 80 << 16 << 2730 << 1364 << 2730 << 1364 << 2730 << 1364;
    QTest::newRow("157b 2/3") << 80 << 24 << 2730 << 1364 << 2730 << 1364 << 4096 << 2046;
    QTest::newRow("157f 1/2") << 81 << 32 << 1280 << 720 << 1280 << 720 << 2560 << 1440;
    // More than the scaled array can give: the whole array, scaled.
    QTest::newRow("157b 2/3 of the whole array") << 80 << 24 << 4096 << 2048 << 2730 << 1364 << 4096 << 2048;
    QTest::newRow("157f beyond the largest scale") << 81 << 1000 << 240 << 120 << 240 << 120 << 3826 << 1914;
}

// The scaler outputs 16 / scale_m of the read-out: the field of view read
// (and with it the line and frame) is the larger size, the output registers
// and SCALE_M program what the texts report, and the link carries the
// scaled stream.
void TestPresetTiming::scaledReadOut()
{
    QFETCH(int, typeCode);
    QFETCH(int, scaleM);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(int, outCols);
    QFETCH(int, outRows);
    QFETCH(int, readCols);
    QFETCH(int, readRows);
    Setup s(typeCode);
    CContextParams &p = s.f->ctx[0];
    p.cols = cols;
    p.rows = rows;
    p.scaleM = scaleM;
    p.maxFps = 5.0;
    testing::resetRequests(s.f->pll);
    s.run();

    const TimingResult &t = s.f->timing(0);
    QCOMPARE(t.outCols, outCols);
    QCOMPARE(t.outRows, outRows);
    QCOMPARE(t.fovCols, readCols);
    QCOMPARE(t.fovRows, readRows);
    QCOMPARE(t.lineLength - t.hBlank, t.activeClocks);
    QCOMPARE(t.activeClocks, (readCols + s.f->traits().pixelsPerClock - 1) / s.f->traits().pixelsPerClock);
    QCOMPARE(t.frameLength - t.vBlank, readRows);
    QCOMPARE(rowValue(s.f, "X_OUTPUT_SIZE"), qint64(outCols));
    QCOMPARE(rowValue(s.f, "Y_OUTPUT_SIZE"), qint64(outRows));
    QCOMPARE(rowValue(s.f, "X_ADDR_END") - rowValue(s.f, "X_ADDR_START") + 1, qint64(readCols));
    QCOMPARE(rowValue(s.f, "Y_ADDR_END") - rowValue(s.f, "Y_ADDR_START") + 1, qint64(readRows));
    QCOMPARE(rowValue(s.f, "SCALE_M"), qint64(qBound(16, scaleM, 255)));
    QCOMPARE(s.f->results.timingGeometry.outputWidth, outCols);
    QCOMPARE(s.f->mode[0].outputRows, outRows);
    const double pixelRate = s.f->pll.pixelClock * s.f->traits().pixelsPerClock;
    QVERIFY(std::fabs(s.f->linkLoad() -
                      pixelRate * 16.0 / qBound(16, scaleM, 255) * s.f->linkBits() / s.f->linkLanes()) < 1e-6);
}

void TestPresetTiming::vek120InterfaceFromLanes_data()
{
    QTest::addColumn<int>("lanes");
    QTest::addColumn<int>("interfaceIndex"); // what the application left in the record
    QTest::addColumn<int>("linkLanes");
    QTest::addColumn<QString>("name");
    QTest::newRow("two lanes") << 2 << 1 << 2 << "MIPI-2";
    QTest::newRow("four lanes") << 4 << 0 << 4 << "MIPI-4";
    QTest::newRow("no item of three lanes") << 3 << 0 << 2 << "MIPI-2";
}

// Vek_120 takes the interface from the lane count its presets give (the
// application writes it no interface), so the lanes used and the interface
// named are the same; it starts at revision 0 on four lanes.
void TestPresetTiming::vek120InterfaceFromLanes()
{
    QFETCH(int, lanes);
    QFETCH(int, interfaceIndex);
    QFETCH(int, linkLanes);
    QFETCH(QString, name);
    Setup s(113);
    QCOMPARE(s.f->pll.revision, 0);
    QCOMPARE(s.f->pll.lanes, 4);
    QCOMPARE(s.f->linkLanes(), 4);
    s.f->pll.lanes = lanes;
    s.f->ctx[0].interfaceIndex = interfaceIndex;
    testing::resetRequests(s.f->pll);
    s.run();
    QCOMPARE(s.f->linkLanes(), linkLanes);
    QVERIFY2(s.f->results.pllDisplayText.contains(QStringLiteral("Interface: ") + name),
             qPrintable(s.f->results.pllDisplayText));
}

void TestPresetTiming::vek137ReadModeFromZero_data()
{
    QTest::addColumn<int>("skipping");
    QTest::addColumn<int>("binning");
    QTest::addColumn<int>("xFactor");
    QTest::addColumn<int>("yFactor");
    QTest::newRow("full resolution") << 0 << 0 << 1 << 1;
    QTest::newRow("skip 2") << 1 << 0 << 2 << 2;
    QTest::newRow("skip 4") << 3 << 0 << 4 << 4;
    QTest::newRow("bin 2") << 0 << 1 << 2 << 2;
    QTest::newRow("negative") << -5 << 0 << 1 << 1;
    QTest::newRow("huge") << INT_MAX << 0 << 16 << 16;
}

// Vek_137's read-out mode counts from 0 (its panel shows the mode + 1):
// skipping k reads every (k + 1)th pixel.
void TestPresetTiming::vek137ReadModeFromZero()
{
    QFETCH(int, skipping);
    QFETCH(int, binning);
    QFETCH(int, xFactor);
    QFETCH(int, yFactor);
    Setup s(82);
    s.f->ctx[0].skipping = skipping;
    s.f->ctx[0].binning = binning;
    s.f->ctx[0].cols = 0;
    s.f->ctx[0].rows = 0;
    testing::resetRequests(s.f->pll);
    s.run();
    QCOMPARE(s.f->timing(0).xFactor, xFactor);
    QCOMPARE(s.f->timing(0).yFactor, yFactor);
    QCOMPARE(s.f->timing(0).outCols, (3280 / xFactor) & ~1);
}

QTEST_GUILESS_MAIN(TestPresetTiming)
#include "tst_presettiming.moc"
