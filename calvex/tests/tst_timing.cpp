// Timing identities per blanking type (frame rate from line and frame
// length, blanking at least the minimum or the bit set, geometry), and the
// robustness of every family against unusable inputs.
#include "engine/timing.h"
#include "familyrunner.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace calvex;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

void checkIdentities(const TimingLimits &lim, const TimingInput &in, const TimingResult &r, const QByteArray &what)
{
    QVERIFY2(r.xFactor >= 1 && r.yFactor >= 1, what);
    QVERIFY2(r.outCols * r.xFactor <= lim.arrayCols && r.outRows * r.yFactor <= lim.arrayRows, what);
    QCOMPARE(r.lineLength - r.hBlank, r.activeClocks);
    QCOMPARE(r.frameLength - r.vBlank, r.outRows);
    if (in.pixelClock > 0.0) {
        QVERIFY2(std::fabs(r.fps - in.pixelClock * 1e6 / (double(r.lineLength) * r.frameLength)) < 1e-9, what);
        // Requested rate reached unless the bit says it is not.
        if (!(r.warnings & WarnFrameRate))
            QVERIFY2(std::fabs(r.fps - in.maxFps) <= 0.01 * in.maxFps, what);
    }
    if (r.hBlank < lim.minHBlank)
        QVERIFY2(r.warnings & WarnUserBlank, what);
    if (r.vBlank < lim.minVBlank)
        QVERIFY2(r.warnings & WarnUserBlank, what);
    QVERIFY2(r.intgRows >= 1 && r.intgRows <= r.maxIntgRows, what);
    QVERIFY2(r.maxIntgRows <= r.frameLength - lim.integrationMargin || r.frameLength <= lim.integrationMargin, what);
}

} // namespace

class TestTiming : public QObject {
    Q_OBJECT

private slots:
    void identitiesPerBlankType_data();
    void identitiesPerBlankType();
    void hdrExposuresFitTheFrame();
    void robustAgainstAnyInput_data();
    void robustAgainstAnyInput();
};

void TestTiming::identitiesPerBlankType_data()
{
    QTest::addColumn<int>("blankType");
    QTest::addColumn<int>("userH");
    QTest::addColumn<int>("userV");
    QTest::addColumn<double>("fps");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("xFactor");
    QTest::addColumn<quint32>("bits");
    QTest::newRow("min h 30") << 0 << 0 << 0 << 30.0 << 1280 << 1 << 0u;
    QTest::newRow("min h too fast") << 0 << 0 << 0 << 200.0 << 2592 << 1 << quint32(WarnFrameRate);
    QTest::newRow("min v 15") << 1 << 0 << 0 << 15.0 << 2592 << 1 << 0u;
    QTest::newRow("user v ok") << 2 << 0 << 100 << 10.0 << 2592 << 1 << 0u;
    QTest::newRow("user v too small") << 2 << 0 << 3 << 10.0 << 2592 << 1 << quint32(WarnUserBlank | WarnUserVBlank);
    QTest::newRow("user h ok") << 3 << 600 << 0 << 10.0 << 2592 << 1 << 0u;
    QTest::newRow("user h too small") << 3 << 10 << 0 << 10.0 << 2592 << 1 << quint32(WarnUserBlank);
    QTest::newRow("auto slow") << 4 << 0 << 0 << 1.0 << 640 << 2 << 0u;
    QTest::newRow("skip 2") << 0 << 0 << 0 << 30.0 << 1296 << 2 << 0u;
    QTest::newRow("zero rate") << 0 << 0 << 0 << 0.0 << 2592 << 1 << quint32(WarnFrameRate);
}

void TestTiming::identitiesPerBlankType()
{
    QFETCH(int, blankType);
    QFETCH(int, userH);
    QFETCH(int, userV);
    QFETCH(double, fps);
    QFETCH(int, cols);
    QFETCH(int, xFactor);
    QFETCH(quint32, bits);
    TimingLimits lim;
    lim.arrayCols = 2592;
    lim.arrayRows = 1944;
    lim.minHBlank = 324;
    lim.minVBlank = 32;
    TimingInput in;
    in.pixelClock = 96.0;
    in.cols = cols;
    in.rows = 1944 / xFactor;
    in.xFactor = in.yFactor = xFactor;
    in.blankType = blankType;
    in.userHBlank = userH;
    in.userVBlank = userV;
    in.maxFps = fps;
    in.intgTime = 20.0;
    const TimingResult r = computeTiming(lim, in);
    QCOMPARE(r.warnings & (WarnFrameRate | WarnUserBlank | WarnUserVBlank), bits);
    checkIdentities(lim, in, r, QTest::currentDataTag());
    if (blankType == 2 && !bits)
        QCOMPARE(r.vBlank, userV);
    if (blankType == 3 && !bits)
        QCOMPARE(r.hBlank, userH);
    QCOMPARE(r.intgRows, qMin(r.maxIntgRows, int(std::lround(20e-3 * 96e6 / r.lineLength))));
}

void TestTiming::hdrExposuresFitTheFrame()
{
    TimingLimits lim;
    TimingInput in;
    in.pixelClock = 48.0;
    in.maxFps = 30.0;
    in.exposures = 3;
    in.ratioExp[0] = 4;
    in.ratioExp[1] = 4;
    in.intgTime = 1000.0; // far beyond the frame
    const TimingResult r = computeTiming(lim, in);
    QCOMPARE(r.exposures, 3);
    QVERIFY(r.integrationLimited);
    QVERIFY(r.expRows[0] + r.expRows[1] + r.expRows[2] <= r.maxIntgRows);
    QVERIFY(r.expRows[1] >= 1 && r.expRows[2] >= 1);
}

void TestTiming::robustAgainstAnyInput_data()
{
    QTest::addColumn<int>("typeCode");
    for (int code : allTypeCodes())
        QTest::addRow("%d %s", code, familyTraits(code).family) << code;
}

// Zero, negative, NaN and huge clocks, sizes and rates: finite results,
// warnings, no divisor of 0 or -1 handed back.
void TestTiming::robustAgainstAnyInput()
{
    QFETCH(int, typeCode);
    struct Bad {
        double clock;
        int size;
        double fps;
        int blank;
    };
    const Bad cases[] = {{0.0, 0, 0.0, 0},        {-10.0, -640, -30.0, 1},
                         {kNaN, 100000, kNaN, 2}, {1.0e12, 1 << 30, 1.0e9, 3},
                         {27.0, 3, 1.0e-6, 4},    {1.0e-9, 1, 30.0, 7}};
    for (const Bad &b : cases) {
        CCalvex calvex(typeCode);
        CFamilyCore *f = calvex.family();
        testing::initDefaults(f, typeCode);
        for (int c = 0; c < f->traits().contexts(); ++c) {
            CContextParams &p = f->ctx[c];
            p.cols = p.rows = b.size;
            p.maxFps = b.fps;
            p.blankType = b.blank;
            p.userHBlank = p.userVBlank = b.size;
            p.intgTime = b.clock;
        }
        f->pll.inputClock = b.clock;
        f->pll.targetClock = b.clock;
        f->pll.targetClock2 = b.clock;
        for (int c = 0; c < f->traits().contexts(); ++c)
            testing::calculate(f, typeCode, c);
        const TimingResult &t = f->timing(0);
        const CTimingGeometry &g = f->results.timingGeometry;
        QVERIFY(g.xFactor >= 1 && g.yFactor >= 1);
        QVERIFY(t.lineLength > 0 && t.frameLength > 0);
        QVERIFY(std::isfinite(t.fps) && std::isfinite(t.intgTimeMs));
        for (double v : {f->pll.outputClock, f->pll.vcoClock, f->pll.pixelClock, f->pll.serialClock})
            QVERIFY(std::isfinite(v));
        if (auto *v = dynamic_cast<Vek_124 *>(f))
            QVERIFY(v->pixClockDivisor >= 1);
        if (auto *br = dynamic_cast<CBridgeFamily *>(f))
            QVERIFY(br->serialDivider >= 0);
        const Layout l = f->traits().layout;
        if (l == Layout::Sensor || l == Layout::Isp || l == Layout::Bridge) {
            QVERIFY(f->pll.pllM >= 1);
            QVERIFY(f->pll.pllN >= (f->traits().has(FlagNMinus1) ? 0 : 1));
            // Something was wrong with every case, and the word says so.
            if (l != Layout::Plain && !(typeCode == 114))
                QVERIFY2(f->ctx[0].warnings != 0, QByteArray::number(b.clock));
        }
        QVERIFY(!f->results.pllDisplayText.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestTiming)
#include "tst_timing.moc"
