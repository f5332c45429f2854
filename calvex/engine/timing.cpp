#include "engine/timing.h"

#include <cmath>

namespace calvex {

namespace {

int evenDown(int v)
{
    return qMax(2, v - (v % 2));
}

// The even start of a field of view of fov pixels on an array of size pixels:
// the requested start (centred when negative) moved by offset, kept inside
// the array. moved tells whether the array moved it.
int windowStart(int size, int fov, int start, int offset, bool *moved)
{
    const qint64 centred = ((size - fov) / 2) & ~1;
    const qint64 wanted = ((start >= 0 ? qint64(start) : centred) + offset) & ~qint64(1);
    const qint64 last = qMax(0, size - fov) & ~1;
    const qint64 used = qBound<qint64>(0, wanted, last);
    *moved = used != wanted;
    return int(used);
}

} // namespace

TimingResult computeTiming(const TimingLimits &lim, const TimingInput &in)
{
    TimingResult r;
    const int arrayCols = qMax(2, lim.arrayCols);
    const int arrayRows = qMax(2, lim.arrayRows);
    r.xFactor = qBound(1, in.xFactor, 16);
    r.yFactor = qBound(1, in.yFactor, 16);

    // Field of view and output size, inside the array and on even sizes.
    if (in.useFov && in.fovCols > 0 && in.fovRows > 0) {
        r.fovCols = qMin(in.fovCols, arrayCols);
        r.fovRows = qMin(in.fovRows, arrayRows);
        r.sizeClamped = in.fovCols > arrayCols || in.fovRows > arrayRows;
        r.outCols = evenDown(r.fovCols / r.xFactor);
        r.outRows = evenDown(r.fovRows / r.yFactor);
    } else {
        int cols = in.cols > 0 ? in.cols : arrayCols / r.xFactor;
        int rows = in.rows > 0 ? in.rows : arrayRows / r.yFactor;
        if (qint64(cols) * r.xFactor > arrayCols) {
            cols = arrayCols / r.xFactor;
            r.sizeClamped = true;
        }
        if (qint64(rows) * r.yFactor > arrayRows) {
            rows = arrayRows / r.yFactor;
            r.sizeClamped = true;
        }
        r.outCols = evenDown(cols);
        r.outRows = evenDown(rows);
    }
    r.fovCols = qMin(arrayCols, qMax(r.fovCols, r.outCols * r.xFactor));
    r.fovRows = qMin(arrayRows, qMax(r.fovRows, r.outRows * r.yFactor));
    r.xStart = windowStart(arrayCols, r.fovCols, in.startCol, in.offsetCols, &r.colStartMoved);
    r.yStart = windowStart(arrayRows, r.fovRows, in.startRow, in.offsetRows, &r.rowStartMoved);
    r.xEnd = r.xStart + r.fovCols - 1;
    r.yEnd = r.yStart + r.fovRows - 1;

    const int ppc = qMax(1, lim.pixelsPerClock);
    r.activeClocks = (r.outCols + ppc - 1) / ppc;
    const int maxLL = qMax(r.activeClocks + lim.minHBlank + qBound(0, in.extraHBlank, 60000),
                           qMin(lim.maxLineLength, r.activeClocks + qBound(0, lim.maxHBlank, 1 << 30)));
    const int minH = qMax(0, lim.minHBlank) + qBound(0, in.extraHBlank, 60000);
    const int minV = qMax(0, lim.minVBlank) + qBound(0, in.extraVBlank, 60000);
    // The clocks a line-buffered link takes to send the line's output.
    int linkClocks = 0;
    if (in.linkBitsPerClock > 0.0 && std::isfinite(in.linkBitsPerClock) && in.linkPixelBits > 0)
        linkClocks =
            boundedInt(std::ceil(double(r.outCols) * in.linkPixelBits / in.linkBitsPerClock - 1e-9), 0, 1 << 30);
    const int minLine = int(qMax<qint64>(qint64(r.activeClocks) + minH, linkClocks));
    // Line lengths are multiples of the register's step, never above the longest one.
    const int llStep = qBound(1, lim.lineLengthStep, 64);
    const int maxLLStep = qMax(llStep, maxLL / llStep * llStep);
    auto onStep = [&](int v) { return qMin(maxLLStep, int((qint64(v) + llStep - 1) / llStep * llStep)); };
    const int llMin = onStep(qMin(maxLL, minLine));
    r.linkOverrun = linkClocks > maxLLStep;
    const int extra = qBound(0, in.extraRows, 4096);
    const int maxFLL = qMax(r.outRows + lim.minVBlank + qBound(0, in.extraVBlank, 60000) + extra,
                            qMin(lim.maxFrameLength, r.outRows + qBound(0, lim.maxVBlank, 1 << 30)));
    const int fllMin = qMin(maxFLL, r.outRows + minV + extra);

    const double pclk = (in.pixelClock > 0.0 && std::isfinite(in.pixelClock)) ? in.pixelClock * 1.0e6 : 0.0;
    const bool fpsValid = in.maxFps > 0.0 && std::isfinite(in.maxFps);
    if (!fpsValid || in.maxFps > lim.maxFpsAbs)
        r.warnings |= WarnFrameRate;
    const double fps = fpsValid ? qMin(in.maxFps, lim.maxFpsAbs) : lim.maxFpsAbs;

    // Lines needed for the frame rate at a line length, and the other way round.
    auto linesFor = [&](int ll) {
        return pclk > 0.0 ? boundedInt(std::ceil(pclk / (double(ll) * fps) - 1e-9), fllMin, maxFLL) : fllMin;
    };
    auto clocksFor = [&](int fll) {
        return pclk > 0.0 ? onStep(boundedInt(std::ceil(pclk / (double(fll) * fps) - 1e-9), llMin, maxLL)) : llMin;
    };

    int ll = llMin;
    int fll = fllMin;
    int fllBase = fllMin; // the shortest frame the blanking type allows
    switch (in.blankType) {
    case 1:
        fll = fllMin;
        ll = clocksFor(fll);
        break;
    case 2:
        if (in.userVBlank < minV || in.userVBlank > maxFLL - r.outRows - extra)
            r.warnings |= WarnUserBlank | WarnUserVBlank;
        fll = int(qBound<qint64>(fllMin, qint64(r.outRows) + extra + qMax(0, in.userVBlank), maxFLL));
        fllBase = fll;
        ll = clocksFor(fll);
        break;
    case 3:
        if (qint64(r.activeClocks) + in.userHBlank < minLine || in.userHBlank > maxLL - r.activeClocks)
            r.warnings |= WarnUserBlank;
        ll = onStep(int(qBound<qint64>(llMin, qint64(r.activeClocks) + qMax(0, in.userHBlank), maxLL)));
        fll = linesFor(ll);
        break;
    case 4:
        ll = llMin;
        fll = linesFor(ll);
        if (fll >= maxFLL)
            ll = clocksFor(fll);
        break;
    default:
        ll = llMin;
        fll = linesFor(ll);
        break;
    }
    if (in.fixedLineLength > 0) {
        // A preset keeps no blanking beyond what the read-out itself adds.
        const int shortest =
            in.presetLengths ? onStep(qMin(maxLL, qMax(r.activeClocks + qBound(0, in.extraHBlank, 60000), linkClocks)))
                             : llMin;
        ll = onStep(qBound(shortest, in.fixedLineLength, maxLL));
        fll = linesFor(ll);
    }
    if (in.fixedFrameLength > 0) {
        const int shortest =
            in.presetLengths ? qMin(maxFLL, r.outRows + extra + qBound(0, in.extraVBlank, 60000)) : fllMin;
        fll = qBound(shortest, in.fixedFrameLength, maxFLL);
        fllBase = fll;
        if (in.presetLengths && in.presetFrameIsShortest && pclk > 0.0)
            fll = boundedInt(std::ceil(pclk / (double(ll) * fps) - 1e-9), fllBase, maxFLL);
    }
    const int frameLengthForRate = fll;

    // Integration in lines. Rows the integration cannot use: the margin and,
    // when the read-out is triggered, the read-out itself. A long integration
    // may drop the frame to one of the slower rate steps or, with a variable
    // rate, stretch it as far as it needs.
    const double rowTime = pclk > 0.0 ? ll / pclk : 0.0; // s
    const int reserved = qMax(0, lim.integrationMargin) + (in.integrationBeforeReadout ? r.outRows + extra : 0);
    auto maxRowsOf = [&](int frame) { return qMax(1, frame - reserved); };
    int maxRows = maxRowsOf(fll);
    int rows = maxRows;
    if (in.intgTime > 0.0 && std::isfinite(in.intgTime) && rowTime > 0.0) {
        rows = boundedInt(std::round(in.intgTime * 1.0e-3 / rowTime), 1, 1 << 30);
        if (rows > maxRows && in.extendForIntegration) {
            bool stepped = false;
            for (double rate : in.fpsSteps) {
                if (!(rate > 0.0) || !std::isfinite(rate) || rate >= fps || pclk <= 0.0)
                    continue;
                stepped = true;
                fll = qMax(fll, boundedInt(std::ceil(pclk / (double(ll) * rate) - 1e-9), fllMin, maxFLL));
                maxRows = maxRowsOf(fll);
                if (rows <= maxRows)
                    break;
            }
            if (!stepped && in.variableFps) {
                fll = qBound(fll, rows + reserved, maxFLL);
                maxRows = maxRowsOf(fll);
            }
        }
        if (rows > maxRows)
            r.integrationLimited = true;
    }
    rows = qBound(1, rows, maxRows);

    // Further exposures of the HDR modes. T2..T4 follow T1 by the ratios
    // unless rows or times are given, each within its own limit; together
    // they fit in the frame, T1 shrinking first so that the ratios hold.
    r.exposures = qBound(1, in.exposures, 4);
    for (int k = 0; k < 3; ++k)
        r.ratioExp[k] = qBound(0, in.ratioExp[k], 16);
    // The rows of every exposure for a T1; capped is set when a limit cut one.
    auto exposureRowsFor = [&](int t1, int *e, bool *capped) {
        e[0] = t1;
        qint64 sum = t1;
        for (int k = 1; k < r.exposures; ++k) {
            int v;
            if (in.exposureRows[k - 1] > 0)
                v = qMin(in.exposureRows[k - 1], 1 << 30);
            else if (in.exposureTimes[k - 1] > 0.0 && std::isfinite(in.exposureTimes[k - 1]) && rowTime > 0.0)
                v = boundedInt(std::round(in.exposureTimes[k - 1] * 1.0e-3 / rowTime), 1, 1 << 30);
            else
                v = e[k - 1] >> r.ratioExp[k - 1];
            if (in.exposureRowsMax[k - 1] > 0 && v > in.exposureRowsMax[k - 1]) {
                v = in.exposureRowsMax[k - 1];
                if (capped)
                    *capped = true;
            }
            e[k] = qMax(1, v);
            sum += e[k];
        }
        return sum;
    };
    int e[4] = {rows, 0, 0, 0};
    bool capped = false;
    qint64 used = exposureRowsFor(rows, e, &capped);
    if (used > maxRows) {
        r.integrationLimited = true;
        int lo = 1, hi = rows;
        while (lo < hi) {
            const int mid = lo + (hi - lo + 1) / 2;
            int probe[4];
            if (exposureRowsFor(mid, probe, nullptr) <= maxRows)
                lo = mid;
            else
                hi = mid - 1;
        }
        capped = false;
        used = exposureRowsFor(lo, e, &capped);
        // Given rows or times that alone overflow the frame shrink too,
        // the longest first.
        while (used > maxRows) {
            int longest = 0;
            for (int k = 1; k < r.exposures; ++k) {
                if (e[k] > 1 && (longest == 0 || e[k] > e[longest]))
                    longest = k;
            }
            if (longest == 0)
                break;
            const int cut = int(qMin<qint64>(e[longest] - 1, used - maxRows));
            e[longest] -= cut;
            used -= cut;
        }
    }
    if (capped)
        r.integrationLimited = true;
    for (int k = 0; k < 4; ++k)
        r.expRows[k] = k < r.exposures ? e[k] : 0;

    r.lineLength = ll;
    r.minLineLength = llMin;
    r.frameLength = fll;
    r.hBlank = ll - r.activeClocks;
    r.vBlank = fll - r.outRows;
    r.intgRows = r.expRows[0];
    r.maxIntgRows = maxRows;
    if (pclk > 0.0) {
        r.fps = pclk / (double(ll) * fll);
        r.minFps = pclk / (double(ll) * maxFLL);
        r.frameTimeMs = 1.0e3 / r.fps;
        r.rowTimeUs = rowTime * 1.0e6;
        r.intgTimeMs = r.intgRows * rowTime * 1.0e3;
        r.maxIntgTimeMs = maxRows * rowTime * 1.0e3;
    } else {
        r.warnings |= WarnFrameRate;
    }
    // The frame-rate bit says how the frame chosen for the rate (its whole
    // lines and clocks, before a long integration stretches it) meets the
    // request: more than 0.1 % off either way is a miss, less is not. That
    // covers a shortest frame that is too slow and a longest frame that is
    // too fast, and it judges the frame actually programmed, also where a
    // fixed line overrides the blanking the type asked for. A frame stretched
    // for a long integration of a variable rate is the user's choice.
    // A preset frame lengthened for the rate grows by whole lines of the
    // preset's line: the frame one line short of running too fast meets it.
    if (fpsValid && pclk > 0.0) {
        const double atRate = pclk / (double(ll) * frameLengthForRate);
        const bool bestWholeLines = in.presetLengths && in.presetFrameIsShortest && frameLengthForRate > fllBase &&
                                    pclk / (double(ll) * (frameLengthForRate - 1)) > fps * (1.0 + 1e-6);
        const double miss = (atRate - fps) / fps;
        if (miss > kFrameRateTolerance || (miss < -kFrameRateTolerance && !bestWholeLines))
            r.warnings |= WarnFrameRate;
    }
    return r;
}

} // namespace calvex
