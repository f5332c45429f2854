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
        // Requested rate reached within 0.1 % unless the bit says it is not.
        if (!(r.warnings & WarnFrameRate))
            QVERIFY2(std::fabs(r.fps - in.maxFps) <= kFrameRateTolerance * in.maxFps, what);
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
    void frameRateBitIsAMissOfTheFrameUsed_data();
    void frameRateBitIsAMissOfTheFrameUsed();
    void hdrExposuresFitTheFrame_data();
    void hdrExposuresFitTheFrame();
    void longIntegrationAndTheFrame_data();
    void longIntegrationAndTheFrame();
    void fieldOfViewStart_data();
    void fieldOfViewStart();
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
    QTest::addColumn<int>("step"); // line-length register step
    QTest::newRow("min h 30") << 0 << 0 << 0 << 30.0 << 1280 << 1 << 0u << 1;
    QTest::newRow("min h too fast") << 0 << 0 << 0 << 200.0 << 2592 << 1 << quint32(WarnFrameRate) << 1;
    QTest::newRow("min v 15") << 1 << 0 << 0 << 15.0 << 2592 << 1 << 0u << 1;
    QTest::newRow("user v ok") << 2 << 0 << 100 << 10.0 << 2592 << 1 << 0u << 1;
    QTest::newRow("user v too small") << 2 << 0 << 3 << 10.0 << 2592 << 1 << quint32(WarnUserBlank | WarnUserVBlank)
                                      << 1;
    QTest::newRow("user h ok") << 3 << 600 << 0 << 10.0 << 2592 << 1 << 0u << 1;
    QTest::newRow("user h too small") << 3 << 10 << 0 << 10.0 << 2592 << 1 << quint32(WarnUserBlank) << 1;
    QTest::newRow("auto slow") << 4 << 0 << 0 << 1.0 << 640 << 2 << 0u << 1;
    QTest::newRow("skip 2") << 0 << 0 << 0 << 30.0 << 1296 << 2 << 0u << 1;
    // 622.08 lines round up to 623: the frame runs 0.15 % slow.
    QTest::newRow("whole lines miss 0.15 %") << 0 << 0 << 0 << 240.0 << 320 << 4 << quint32(WarnFrameRate) << 1;
    QTest::newRow("zero rate") << 0 << 0 << 0 << 0.0 << 2592 << 1 << quint32(WarnFrameRate) << 1;
    // Odd active widths and blankings on a register that holds even line lengths only.
    QTest::newRow("even ll, min v") << 1 << 0 << 0 << 15.0 << 2590 << 1 << 0u << 2;
    QTest::newRow("even ll, user h odd") << 3 << 601 << 0 << 10.0 << 2592 << 1 << 0u << 2;
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
    QFETCH(int, step);
    TimingLimits lim;
    lim.arrayCols = 2592;
    lim.arrayRows = 1944;
    lim.minHBlank = 323;
    lim.minVBlank = 32;
    lim.lineLengthStep = step;
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
    QCOMPARE(r.lineLength % step, 0);
    if (blankType == 2 && !bits)
        QCOMPARE(r.vBlank, userV);
    if (blankType == 3 && !bits)
        QCOMPARE(r.hBlank, (userH + r.activeClocks + step - 1) / step * step - r.activeClocks);
    QCOMPARE(r.intgRows, qMin(r.maxIntgRows, int(std::lround(20e-3 * 96e6 / r.lineLength))));
}

void TestTiming::frameRateBitIsAMissOfTheFrameUsed_data()
{
    QTest::addColumn<int>("blankType");
    QTest::addColumn<int>("userV");
    QTest::addColumn<int>("fixedLine"); // pixel clocks, 0: none
    QTest::addColumn<int>("maxFrame");  // lines the frame-length register holds
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("fps");
    QTest::addColumn<double>("expected"); // the rate the frame runs at
    QTest::addColumn<bool>("bit");
    // A line fixed by another context, longer than the user's frame of 1037
    // lines needs: the frame is shortened to 1035 lines, 0.007 % slow.
    QTest::newRow("fixed line, user v, within") << 2 << 65 << 3092 << 65535 << 1296 << 972 << 30.0 << 29.99794 << false;
    // Even the shortest frame of that line is too slow.
    QTest::newRow("fixed line, user v, too long")
        << 2 << 65 << 3500 << 65535 << 1296 << 972 << 30.0 << 27.21088 << true;
    // The longest frame runs 0.066 % and 0.37 % fast.
    QTest::newRow("longest frame, within") << 0 << 0 << 0 << 2000 << 2592 << 1944 << 16.45 << 16.46091 << false;
    QTest::newRow("longest frame, beyond") << 0 << 0 << 0 << 2000 << 2592 << 1944 << 16.4 << 16.46091 << true;
}

// The frame-rate bit judges the frame the registers program: a miss of the
// requested rate by more than 0.1 % either way sets it, a smaller one does
// not.
void TestTiming::frameRateBitIsAMissOfTheFrameUsed()
{
    QFETCH(int, blankType);
    QFETCH(int, userV);
    QFETCH(int, fixedLine);
    QFETCH(int, maxFrame);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(double, fps);
    QFETCH(double, expected);
    QFETCH(bool, bit);
    TimingLimits lim;
    lim.arrayCols = 2592;
    lim.arrayRows = 1944;
    lim.minHBlank = 324;
    lim.minVBlank = 36;
    lim.maxFrameLength = maxFrame;
    TimingInput in;
    in.pixelClock = 96.0;
    in.cols = cols;
    in.rows = rows;
    in.blankType = blankType;
    in.userVBlank = userV;
    in.fixedLineLength = fixedLine;
    in.maxFps = fps;
    const TimingResult r = computeTiming(lim, in);
    QCOMPARE(std::round(r.fps * 1e5) / 1e5, expected);
    QCOMPARE(bool(r.warnings & WarnFrameRate), bit);
    QCOMPARE(r.warnings & (WarnUserBlank | WarnUserVBlank), 0u);
}

void TestTiming::hdrExposuresFitTheFrame_data()
{
    QTest::addColumn<int>("exposures");
    QTest::addColumn<QVector<int>>("ratios");    // exponents T1/T2, T2/T3, T3/T4
    QTest::addColumn<QVector<int>>("rowsGiven"); // T2..T4 rows, 0 = by ratio
    QTest::addColumn<QVector<int>>("rowsMax");   // T2..T4 limits, 0 = none
    QTest::addColumn<double>("intgTime");        // ms
    QTest::newRow("ratios 4, far too long")
        << 3 << QVector<int>{4, 4, 0} << QVector<int>{0, 0, 0} << QVector<int>{0, 0, 0} << 1000.0;
    QTest::newRow("ratio 1, longest frame")
        << 2 << QVector<int>{0, 0, 0} << QVector<int>{0, 0, 0} << QVector<int>{0, 0, 0} << 0.0;
    QTest::newRow("four equal exposures")
        << 4 << QVector<int>{0, 0, 0} << QVector<int>{0, 0, 0} << QVector<int>{0, 0, 0} << 50.0;
    QTest::newRow("given rows beyond the frame")
        << 3 << QVector<int>{2, 2, 0} << QVector<int>{5000, 4000, 0} << QVector<int>{0, 0, 0} << 10.0;
    QTest::newRow("buffer limits") << 4 << QVector<int>{0, 0, 0} << QVector<int>{0, 0, 0} << QVector<int>{57, 9, 4}
                                   << 20.0;
}

// Together the exposures fit in the frame, each at least one row, within
// its limit, and those that follow a ratio never exceed the one before.
void TestTiming::hdrExposuresFitTheFrame()
{
    QFETCH(int, exposures);
    QFETCH(QVector<int>, ratios);
    QFETCH(QVector<int>, rowsGiven);
    QFETCH(QVector<int>, rowsMax);
    QFETCH(double, intgTime);
    TimingLimits lim;
    TimingInput in;
    in.pixelClock = 48.0;
    in.maxFps = 30.0;
    in.exposures = exposures;
    in.intgTime = intgTime;
    for (int k = 0; k < 3; ++k) {
        in.ratioExp[k] = ratios[k];
        in.exposureRows[k] = rowsGiven[k];
        in.exposureRowsMax[k] = rowsMax[k];
    }
    const TimingResult r = computeTiming(lim, in);
    QCOMPARE(r.exposures, exposures);
    int sum = 0;
    for (int k = 0; k < exposures; ++k) {
        QVERIFY(r.expRows[k] >= 1);
        sum += r.expRows[k];
        if (k > 0 && rowsMax[k - 1] > 0)
            QVERIFY(r.expRows[k] <= rowsMax[k - 1]);
        if (k > 0 && rowsGiven[k - 1] == 0)
            QVERIFY2(r.expRows[k] <= r.expRows[k - 1], qPrintable(QStringLiteral("T%1").arg(k + 1)));
    }
    QVERIFY(sum <= r.maxIntgRows);
    QCOMPARE(r.intgRows, r.expRows[0]);
}

void TestTiming::longIntegrationAndTheFrame_data()
{
    QTest::addColumn<bool>("triggered");
    QTest::addColumn<double>("intgTime"); // ms
    QTest::addColumn<bool>("extend");
    QTest::addColumn<bool>("variable");
    QTest::addColumn<double>("step1");
    QTest::addColumn<double>("step2");
    QTest::addColumn<double>("fps");   // expected rate
    QTest::addColumn<bool>("limited"); // integration shorter than asked
    QTest::newRow("rolling, fits") << false << 20.0 << false << false << 0.0 << 0.0 << 30.0 << false;
    QTest::newRow("rolling, no stretch") << false << 80.0 << false << false << 0.0 << 0.0 << 30.0 << true;
    QTest::newRow("steps: second holds it") << false << 80.0 << true << false << 15.0 << 10.0 << 10.0 << false;
    QTest::newRow("steps: first holds it") << false << 50.0 << true << false << 15.0 << 10.0 << 15.0 << false;
    QTest::newRow("steps: none holds it") << false << 200.0 << true << false << 15.0 << 10.0 << 10.0 << true;
    QTest::newRow("variable stretches") << false << 80.0 << true << true << 0.0 << 0.0 << 0.0 << false;
    QTest::newRow("triggered, longest") << true << 0.0 << false << false << 0.0 << 0.0 << 30.0 << false;
    QTest::newRow("triggered, too long") << true << 30.0 << false << false << 0.0 << 0.0 << 30.0 << true;
}

// Discrete steps drop a long integration's frame to the first rate that
// holds it; a triggered read-out keeps the read-out rows out of the
// integration.
void TestTiming::longIntegrationAndTheFrame()
{
    QFETCH(bool, triggered);
    QFETCH(double, intgTime);
    QFETCH(bool, extend);
    QFETCH(bool, variable);
    QFETCH(double, step1);
    QFETCH(double, step2);
    QFETCH(double, fps);
    QFETCH(bool, limited);
    TimingLimits lim;
    lim.arrayCols = 1280;
    lim.arrayRows = 960;
    lim.minHBlank = 370;
    lim.minVBlank = 60;
    TimingInput in;
    in.pixelClock = 74.25;
    in.maxFps = 30.0;
    in.intgTime = intgTime;
    in.extendForIntegration = extend;
    in.variableFps = variable;
    in.fpsSteps[0] = step1;
    in.fpsSteps[1] = step2;
    in.integrationBeforeReadout = triggered;
    const TimingResult r = computeTiming(lim, in);
    if (fps > 0.0)
        QVERIFY2(std::fabs(r.fps - fps) <= 0.01 * fps, qPrintable(QString::number(r.fps)));
    else
        QVERIFY(r.frameTimeMs >= intgTime);
    QCOMPARE(r.integrationLimited, limited);
    const int readout = triggered ? r.outRows : 0;
    QCOMPARE(r.maxIntgRows, r.frameLength - readout - lim.integrationMargin);
    if (!limited && intgTime > 0.0)
        QVERIFY(std::fabs(r.intgTimeMs - intgTime) <= r.rowTimeUs / 1000.0);
}

void TestTiming::fieldOfViewStart_data()
{
    QTest::addColumn<int>("start"); // of the columns; the rows start at the same
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("colMoved");
    QTest::addColumn<bool>("rowMoved");
    // 1920 x 1080 on a 2592 x 1944 array: centred at (336, 432); the last
    // starts that fit are 672 and 864.
    QTest::newRow("centred") << -1 << 0 << 336 << 432 << false << false;
    QTest::newRow("given start") << 100 << 0 << 100 << 100 << false << false;
    QTest::newRow("odd start made even") << 101 << 0 << 100 << 100 << false << false;
    QTest::newRow("offset from the centre") << -1 << 40 << 376 << 472 << false << false;
    QTest::newRow("odd negative offset") << -1 << -99 << 236 << 332 << false << false;
    QTest::newRow("offset from a start") << 600 << 60 << 660 << 660 << false << false;
    QTest::newRow("last column start") << 672 << 0 << 672 << 672 << false << false;
    QTest::newRow("beyond the array") << 900 << 0 << 672 << 864 << true << true;
    QTest::newRow("before the array") << -1 << -600 << 0 << 0 << true << true;
    QTest::newRow("huge start") << std::numeric_limits<int>::max() << std::numeric_limits<int>::max() << 672 << 864
                                << true << true;
}

// A field of view starts where it is asked to, on an even pixel, and never
// leaves the array: a start that would is moved to the nearest that fits
// and reported.
void TestTiming::fieldOfViewStart()
{
    QFETCH(int, start);
    QFETCH(int, offset);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(bool, colMoved);
    QFETCH(bool, rowMoved);
    TimingLimits lim;
    lim.arrayCols = 2592;
    lim.arrayRows = 1944;
    TimingInput in;
    in.pixelClock = 96.0;
    in.cols = 1920;
    in.rows = 1080;
    in.startCol = in.startRow = start;
    in.offsetCols = in.offsetRows = offset;

    const TimingResult r = computeTiming(lim, in);

    QCOMPARE(r.xStart, col);
    QCOMPARE(r.yStart, row);
    QCOMPARE(r.colStartMoved, colMoved);
    QCOMPARE(r.rowStartMoved, rowMoved);
    QCOMPARE(r.xEnd - r.xStart + 1, 1920);
    QCOMPARE(r.yEnd - r.yStart + 1, 1080);
    QVERIFY(r.xStart % 2 == 0 && r.yStart % 2 == 0);
    QVERIFY(r.xStart >= 0 && r.xEnd < lim.arrayCols && r.yStart >= 0 && r.yEnd < lim.arrayRows);
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
            // The family options take the same values, switched on.
            p.goProMode = b.clock;
            p.imageType = p.fifo = p.outputBits = b.size;
            p.aspectRatioFlag = true;
        }
        f->pll.inputClock = b.clock;
        f->pll.targetClock = b.clock;
        f->pll.targetClock2 = b.clock;
        f->pll.fastClock = f->pll.oddClkRatio = f->pll.highSpeed = f->pll.mipiHeader = true;
        f->pll.pllAutoAdjust = f->pll.twoClkPerPix = true;
        for (int c = 0; c < f->traits().contexts(); ++c)
            testing::calculate(f, typeCode, c);
        const TimingResult &t = f->timing(0);
        const CTimingGeometry &g = f->results.timingGeometry;
        QVERIFY(g.xFactor >= 1 && g.yFactor >= 1);
        QVERIFY(t.lineLength > 0 && t.frameLength > 0);
        QVERIFY(std::isfinite(t.fps) && std::isfinite(t.intgTimeMs));
        for (double v : {f->pll.outputClock, f->pll.vcoClock, f->pll.pixelClock, f->pll.serialClock,
                         f->pll.opPixClock, f->linkLoad()})
            QVERIFY(std::isfinite(v));
        // An op divider the library reports is a usable divider.
        if (f->traits().has(FlagOpDividerRequest) || QList<int>{85, 92, 93, 95}.contains(typeCode))
            QVERIFY(f->pll.pllOpDivider >= 1);
        if (auto *v = dynamic_cast<Vek_124 *>(f))
            QVERIFY(v->pixClockDivisor >= 1);
        if (auto *br = dynamic_cast<CBridgeFamily *>(f))
            QVERIFY(br->serialDivider >= 0);
        const Layout l = f->traits().layout;
        if (l == Layout::Sensor || l == Layout::Isp || l == Layout::Bridge) {
            QVERIFY(f->pll.pllM >= 1);
            QVERIFY(f->pll.pllN >= 1);
            // Something was wrong with every case, and the word says so.
            if (l != Layout::Plain && !(typeCode == 114))
                QVERIFY2(f->ctx[0].warnings != 0, QByteArray::number(b.clock));
        }
        QVERIFY(!f->results.pllDisplayText.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestTiming)
#include "tst_timing.moc"
