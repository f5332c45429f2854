// PLL solver: input clock -> / N -> x M -> VCO -> / d1 / d2 -> output clock.
//
// It searches the pre-divider, the multiplier and the two output dividers
// within the family's limits for the output clock closest to the target,
// honouring every fixed request. A multiplier outside its range or its parity
// is never chosen; a VCO request is met as closely as a legal multiplier
// allows (within half a multiplier step), and only a request no legal
// multiplier can meet is dropped, with the VCO warning. The search runs in two
// stages: the first finds the best reachable clock, the second picks, among
// every legal setting that gives exactly that clock, the first in a fixed tie
// order. The chosen setting therefore depends only on the clock, which makes
// the solver a fixed point: asking again for a clock it produced returns the
// same setting.
#pragma once

#include <QtGlobal>

namespace calvex {

// Warning bits of the PLL step.
enum PllWarning : quint32 {
    WarnInputClock = 0x400000,
    WarnTargetClock = 0x100000,
    WarnVco = 0x200000,
    WarnVco2 = 0x800000,
    WarnPll2Lock = 0x1000000,
    WarnOutputRate = 0x80000,
};

// The clocks any sensor can take, MHz: an input clock outside them (or not a
// number) is not used at all, only reported with the input-clock warning.
constexpr double kUsableClockMin = 1.0e-3;
constexpr double kUsableClockMax = 1.0e5;
inline bool usableClock(double mhz)
{
    return mhz >= kUsableClockMin && mhz <= kUsableClockMax;
}

struct DividerRange {
    int min = 1;
    int max = 1;
    bool evenAboveOne = false; // 1, 2, 4, 6, ...

    bool contains(int d) const;
};

struct PllLimits {
    double finMin = 6.0, finMax = 64.0;
    double pfdMin = 2.0, pfdMax = 24.0;
    int nMin = 1, nMax = 63;
    int mMin = 16, mMax = 255;
    bool mEven = false;
    double vcoMin = 384.0, vcoMax = 1200.0;
    DividerRange d[2];
    double outMax = 1.0e9;
};

struct PllRequest {
    double fin = 0.0;
    double target = 0.0;
    double fallbackTarget = 0.0; // aimed for when the target is not a usable number
    int n = -1;                  // -1 (any value <= 0): free
    int m = -1;
    double vco = -1.0;
    int d[2] = {-1, -1};
    bool minFreq = false; // tie order prefers the lowest VCO
    bool atLeast = false; // prefer clocks not below the target
};

struct PllSolution {
    bool locked = false; // a setting was found and the input clock is usable
    int n = 1;
    int m = 1;
    int d[2] = {1, 1};
    double pfd = 0.0;
    double vco = 0.0;
    double out = 0.0;
    double target = 0.0; // the target actually aimed for
    quint32 warnings = 0;
};

PllSolution solvePll(const PllLimits &limits, const PllRequest &request);

// The serial link behind a PLL: op_sys divider chosen so that the lane bit
// rate carries pixelClock x bits over the lanes. Normally the link runs at the
// slowest rate that carries the stream (the largest divider); with fastest it
// runs at the fastest rate the lanes allow. Without oddDivider the divider is
// 1 or even.
struct LinkSolution {
    int opSysDiv = 1;
    int opPixDiv = 10;       // = bits per pixel
    double laneRate = 0.0;   // Mbps per lane (serial bit clock)
    double required = 0.0;   // Mbps per lane the pixel stream needs
    double opPixClock = 0.0; // MHz
    bool ok = true;
};

LinkSolution solveLink(double vco, double pixelClock, int lanes, int bits, double laneRateMax, int opSysMax,
                       bool oddDivider = true, bool fastest = false);

// A finite value or the fallback.
inline double finiteOr(double v, double fallback)
{
    return (v == v && v < 1.0e300 && v > -1.0e300) ? v : fallback;
}

} // namespace calvex
