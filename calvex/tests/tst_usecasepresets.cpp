// What the library does for the use-case presets and the families that take
// them: preset lengths programmed as the maker tested them (below the
// minimum blanking, never below what the line and frame carry), Vek_143's
// line-buffered link that lengthens the line for fewer lanes, Vek_154's
// double-data-rate lanes and op pixel divider, and the shape of the tables.
#include "engine/timing.h"
#include "familyrunner.h"
#include "usecasepresets.h"

#include <QtTest>

#include <cmath>

using namespace calvex;

namespace {

// A 2 x 1000 pixel array read two pixels a clock at 100 MHz.
TimingLimits limits()
{
    TimingLimits lim;
    lim.arrayCols = 2000;
    lim.arrayRows = 1000;
    lim.pixelsPerClock = 2;
    lim.minHBlank = 200;
    lim.minVBlank = 30;
    return lim;
}

TimingInput input(int line, int frame, bool preset)
{
    TimingInput in;
    in.pixelClock = 100.0;
    in.cols = 2000;
    in.rows = 1000;
    in.fixedLineLength = line;
    in.fixedFrameLength = frame;
    in.presetLengths = preset;
    in.maxFps = 100.0e6 / (double(qMax(line, 1000)) * qMax(frame, 1000));
    return in;
}

} // namespace

class TestUseCasePresets : public QObject {
    Q_OBJECT

private slots:
    void presetLengths_data();
    void presetLengths();
    void fixedFrameRate_data();
    void fixedFrameRate();
    void lineBufferedLink();
    void vek143FewLanes();
    void vek154DoubleDataRate();
    void vek132LinePreset_data();
    void vek132LinePreset();
    void tables();
};

void TestUseCasePresets::presetLengths_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("frame");
    QTest::addColumn<bool>("preset");
    QTest::addColumn<int>("extraHBlank");
    QTest::addColumn<int>("usedLine");
    QTest::addColumn<int>("usedFrame");
    // 1000 active clocks and 1000 rows; minimum blanking 200 clocks, 30 lines.
    QTest::newRow("preset below the minimum blanking") << 1100 << 1010 << true << 0 << 1100 << 1010;
    QTest::newRow("fixed length keeps the minimum blanking") << 1100 << 1010 << false << 0 << 1200 << 1030;
    QTest::newRow("preset shorter than the image") << 900 << 900 << true << 0 << 1000 << 1000;
    QTest::newRow("preset with read-out extras") << 1010 << 1010 << true << 40 << 1040 << 1010;
}

// A preset length is programmed as given down to what the line's clocks
// (and what the mode adds to them) and the frame's rows need.
void TestUseCasePresets::presetLengths()
{
    QFETCH(int, line);
    QFETCH(int, frame);
    QFETCH(bool, preset);
    QFETCH(int, extraHBlank);
    QFETCH(int, usedLine);
    QFETCH(int, usedFrame);
    TimingInput in = input(line, frame, preset);
    in.extraHBlank = extraHBlank;
    const TimingResult r = computeTiming(limits(), in);
    QCOMPARE(r.lineLength, usedLine);
    QCOMPARE(r.frameLength, usedFrame);
    QCOMPARE(r.lineLength - r.hBlank, r.activeClocks);
    QCOMPARE(r.fps, 100.0e6 / (double(usedLine) * usedFrame));
}

void TestUseCasePresets::fixedFrameRate_data()
{
    QTest::addColumn<double>("share"); // the requested rate over the one the preset reaches
    QTest::addColumn<bool>("missed");
    QTest::newRow("reached") << 1.0 << false;
    QTest::newRow("0.05 % short") << 1.0005 << false;
    QTest::newRow("0.2 % short") << 1.002 << true;
    QTest::newRow("faster than asked") << 0.999 << true;
}

// A preset fixes the frame: a requested rate it reaches within the 0.1 %
// the whole lines of any frame may fall short is no miss.
void TestUseCasePresets::fixedFrameRate()
{
    QFETCH(double, share);
    QFETCH(bool, missed);
    TimingInput in = input(1100, 1010, true);
    const double reached = 100.0e6 / (1100.0 * 1010.0);
    in.maxFps = reached * share;
    const TimingResult r = computeTiming(limits(), in);
    QCOMPARE(r.fps, reached);
    QCOMPARE(bool(r.warnings & WarnFrameRate), missed);
}

// A line-buffered link needs a line at least as long as it takes to send the
// line's output; a link too slow for even the longest line says so.
void TestUseCasePresets::lineBufferedLink()
{
    TimingInput in = input(0, 0, false);
    in.maxFps = 10.0;
    in.linkPixelBits = 10;
    in.linkBitsPerClock = 8.0; // 2000 pixels of 10 bits: 2500 clocks
    TimingResult r = computeTiming(limits(), in);
    QCOMPARE(r.lineLength, 2500);
    QVERIFY(!r.linkOverrun);
    QCOMPARE(r.warnings & WarnFrameRate, 0u);

    in.linkBitsPerClock = 40.0; // the minimum blanking is longer
    QCOMPARE(computeTiming(limits(), in).lineLength, 1200);

    in.linkBitsPerClock = 0.25;
    r = computeTiming(limits(), in);
    QVERIFY(r.linkOverrun);
    QCOMPARE(r.lineLength, limits().maxLineLength);
}

// On one lane the line is lengthened until the lane carries it: the full
// array at a rate the longer line allows calculates without a link warning,
// and the registers program that line.
void TestUseCasePresets::vek143FewLanes()
{
    CCalvex calvex(67);
    Vek_143 &f = *calvex.vek_143;
    testing::initDefaults(&f, 67);
    testing::resetRequests(f.pll);
    f.pll.inputClock = 24.0;
    f.pll.targetClock = 144.0;
    CContextParams &p = f.ctx[0];
    p.interfaceIndex = 0;
    p.cols = 3280;
    p.rows = 2048;
    p.maxFps = 10.0;
    p.warnings = 0;
    testing::calculate(&f, 67, 0);
    QCOMPARE(f.linkLanes(), 1);
    const TimingResult &t = f.timing(0);
    const double lineUs = t.lineLength / f.pll.pixelClock;
    QVERIFY(t.outCols * f.linkBits() <= f.pll.serialClock * lineUs);
    QVERIFY(f.linkLoad() <= f.pll.serialClock + 1e-9);
    QCOMPARE(p.warnings & (WarnFrameRate | WarnTargetClock), 0u);

    // The same image at 30 frames/s needs more than one lane carries.
    p.maxFps = 30.0;
    testing::calculate(&f, 67, 0);
    QVERIFY(p.warnings & WarnFrameRate);
}

// Vek_154's lanes carry two bits per cycle of the second VCO, whose range is
// half the lane rates; the op pixel divider d sends 2d bits.
void TestUseCasePresets::vek154DoubleDataRate()
{
    CCalvex calvex(52);
    Vek_154 &f = *calvex.vek_154;
    testing::initDefaults(&f, 52);
    testing::resetRequests(f.pll);
    f.PllUpdate();
    QCOMPARE(f.pll.serialClock, 2.0 * f.pll.vcoClock2);
    QVERIFY(f.pll.vcoClock2 >= 200.0 && f.pll.vcoClock2 <= 750.0);
    QVERIFY(f.pll.serialClock >= f.linkLoad());
    QCOMPARE(f.pll.pllOpDivider, f.linkBits() / 2);

    f.pll.pllOpDivider = 4;
    f.PllUpdate();
    QCOMPARE(f.linkBits(), 8);
    QCOMPARE(f.pll.pllOpDivider, 4);
    QCOMPARE(f.pll.opPixClock, f.pll.serialClock / 8.0);
}

void TestUseCasePresets::vek132LinePreset_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("fps");
    QTest::newRow("full array") << 0 << 4224 << 3136 << 15.0;
    QTest::newRow("binned") << 1 << 2112 << 1568 << 60.0;
    QTest::newRow("skipped") << 2 << 2112 << 1568 << 60.0;
}

// Vek_132 programs the preset line of a use case (longer than the line
// needs) and reaches the rate with whole lines of it.
void TestUseCasePresets::vek132LinePreset()
{
    QFETCH(int, position);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(double, fps);
    CCalvex calvex(95);
    Vek_132 &f = *calvex.vek_132;
    testing::initDefaults(&f, 95);
    testing::resetRequests(f.pll);
    f.pll.inputClock = 24.0;
    f.pll.targetClock = 192.0;
    const qint32 *preset = presets::row(presets::kVek132, position);
    QVERIFY(preset);
    f.useCasePreset = *preset;
    CContextParams &p = f.ctx[0];
    p.cols = cols;
    p.rows = rows;
    p.binning = position == 1;
    p.skipping = position == 2 ? 2 : 0;
    p.skippingY = position == 2 ? 2 : 0;
    p.maxFps = fps;
    p.warnings = 0;
    testing::calculate(&f, 95, 0);
    const TimingResult &t = f.timing(0);
    // The line-length register of this family counts pairs of clocks: the
    // odd presets are programmed as the next even length.
    QCOMPARE(t.lineLength, (*preset + 1) / 2 * 2);
    QCOMPARE(t.fps, f.pll.pixelClock * 1e6 / (double(t.lineLength) * t.frameLength));
    QVERIFY(std::fabs(t.fps - fps) <= fps * 1e-3);
    QCOMPARE(p.warnings & WarnFrameRate, 0u);

    // Without a preset the line is the shortest the read-out allows.
    f.useCasePreset = 0;
    testing::calculate(&f, 95, 0);
    QVERIFY(f.timing(0).lineLength < *preset);
}

// Positions beyond a table or of an empty list have no row; Vek_143's target
// is 2.4 MHz times its multiplier; Vek_152 has one line length.
void TestUseCasePresets::tables()
{
    using namespace presets;
    QVERIFY(row(kVek152, -1) == nullptr);
    QVERIFY(row(kVek152, 19) == nullptr);
    QCOMPARE(row(kVek152, 18), &kVek152[18]);
    QVERIFY(row(kVek154, 7) == nullptr);
    QVERIFY(row(kVek143, 10) == nullptr);
    QVERIFY(row(kVek132, 3) == nullptr);
    QCOMPARE(*row(kVek132, 2), 1761);
    for (const LengthRow &r : kVek152)
        QCOMPARE(r.lineLength, 2328);
    for (const Vek143Row &r : kVek143)
        QVERIFY(std::fabs(r.targetClock - 2.4 * r.pllM) < 1e-9);
    QCOMPARE(vek154PhyFactor(0), 1.0);
    QCOMPARE(vek154PhyFactor(1), 8.0 / 7.0);
}

QTEST_GUILESS_MAIN(TestUseCasePresets)
#include "tst_usecasepresets.moc"
