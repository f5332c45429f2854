// Timing model of one context: field of view and output size from the read-out
// factors, line length and frame length by blanking type, frame rate,
// integration time in lines and the exposures of the HDR modes.
#pragma once

#include "engine/numeric.h"

#include <QtGlobal>

namespace calvex {

enum TimingWarning : quint32 {
    WarnFrameRate = 0x1,
    WarnUserBlank = 0x2,
    WarnUserVBlank = 0x4,
};

// The share of the requested frame rate a frame may fall short of before the
// frame-rate warning is set.
constexpr double kFrameRateTolerance = 1e-3;

struct TimingLimits {
    int arrayCols = 640;
    int arrayRows = 480;
    int pixelsPerClock = 1;
    int minHBlank = 200; // pixel clocks
    int minVBlank = 30;  // lines
    int maxLineLength = 65534;
    int maxFrameLength = 65535;
    int integrationMargin = 2;
    double maxFpsAbs = 240.0;
    int lineLengthStep = 1;  // the line-length register holds multiples of this
    int maxHBlank = 1 << 30; // pixel clocks the blanking registers hold
    int maxVBlank = 1 << 30; // lines
};

struct TimingInput {
    double pixelClock = 0.0; // MHz: line-length clocks per microsecond
    int cols = 0;            // requested output size; <= 0: the whole array
    int rows = 0;
    int xFactor = 1; // read-out reduction factors
    int yFactor = 1;
    bool useFov = false;
    int fovCols = 0;
    int fovRows = 0;
    // Where the field of view starts on the array: at startCol / startRow
    // (pixels) when not negative, centred otherwise; then moved by
    // offsetCols / offsetRows. Starts are even. A start that would put the
    // field of view outside the array is moved to the nearest one inside.
    int startCol = -1;
    int startRow = -1;
    int offsetCols = 0;
    int offsetRows = 0;
    int blankType = 0; // 0 min horizontal, 1 min vertical, 2 user vertical, 3 user horizontal, 4 auto
    int userHBlank = 0;
    int userVBlank = 0;
    // frames/s; 0, a negative number or not a number means no rate was
    // given: the frame runs at the fastest rate the blanking allows (at most
    // maxFpsAbs) and WarnFrameRate is set.
    double maxFps = 30.0;
    bool variableFps = false;
    double intgTime = 0.0; // ms, <= 0: the longest the frame allows
    bool extendForIntegration = true;
    int fixedLineLength = 0;  // pixel clocks, 0: none
    int fixedFrameLength = 0; // lines, 0: none
    // The fixed lengths are a use-case preset, the sensor maker's tested
    // setting: they are programmed as given even where they are shorter than
    // the minimum blanking, and only lengthened where the line could not
    // carry its clocks or the frame its rows.
    bool presetLengths = false;
    // With presetLengths: the preset frame length is the shortest frame of
    // the use case, and a lower requested rate lengthens it (use cases that
    // differ only in their rate share one preset).
    bool presetFrameIsShortest = false;
    // Bits a line-buffered output link carries per pixel clock (0: no such
    // link): a line is then at least as long as the link takes to send the
    // line's output pixels of linkPixelBits bits each.
    double linkBitsPerClock = 0.0;
    int linkPixelBits = 0;
    int extraRows = 0;                   // embedded data and statistics rows per frame
    int extraHBlank = 0;                 // pixel clocks the mode adds to the minimum horizontal blanking
    int extraVBlank = 0;                 // lines the mode adds to the minimum vertical blanking
    int exposures = 1;                   // 1 to 4
    int ratioExp[3] = {0, 0, 0};         // T(k) = T(k-1) / 2^ratioExp[k-1]
    double exposureTimes[3] = {0, 0, 0}; // ms; > 0 replaces the ratio rule for T2..T4
    int exposureRows[3] = {0, 0, 0};     // lines; > 0 replaces both for T2..T4
    int exposureRowsMax[3] = {0, 0, 0};  // lines; > 0 is the longest T2..T4 may be
    // The integration of a triggered read-out does not overlap the read-out:
    // the frame holds the read-out rows and the integration one after the other.
    bool integrationBeforeReadout = false;
    // Slower rates (fps, descending) a long integration may drop the frame to
    // instead of stretching it freely; 0 = no step.
    double fpsSteps[2] = {0.0, 0.0};
};

struct TimingResult {
    int fovCols = 0, fovRows = 0;
    int outCols = 0, outRows = 0;
    int xStart = 0, yStart = 0, xEnd = 0, yEnd = 0;
    int xFactor = 1, yFactor = 1;
    int activeClocks = 0;
    int lineLength = 0;
    int minLineLength = 0; // the shortest line the read-out allows
    int frameLength = 0;
    int hBlank = 0;
    int vBlank = 0;
    double fps = 0.0;
    double minFps = 0.0; // slowest rate the longest frame allows
    double frameTimeMs = 0.0;
    double rowTimeUs = 0.0;
    int intgRows = 1;
    int maxIntgRows = 1;
    double intgTimeMs = 0.0;
    double maxIntgTimeMs = 0.0;
    int exposures = 1;
    int expRows[4] = {1, 0, 0, 0};
    int ratioExp[3] = {0, 0, 0}; // T(k) / T(k+1) as exponents of 2, as requested
    bool sizeClamped = false;
    bool colStartMoved = false; // the requested start column did not fit
    bool rowStartMoved = false;
    bool integrationLimited = false; // the request was longer than the frame allows
    bool linkOverrun = false;        // even the longest line cannot send its output on the link
    quint32 warnings = 0;
};

TimingResult computeTiming(const TimingLimits &limits, const TimingInput &input);

} // namespace calvex
