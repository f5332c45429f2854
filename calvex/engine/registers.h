// Register mapper: every descriptor row gets a role from its name, and the
// role gives the row's value from the PLL solution and the timing of the
// row's context. Rows without a role keep the table default; families add
// their own rows through a hook before this generic rule runs.
#pragma once

#include "engine/timing.h"
#include "regtables.h"

#include <QtGlobal>

namespace calvex {

enum class RegRole {
    None,
    PreDiv,
    Mult,
    VtSysDiv,
    VtPixDiv,
    OpSysDiv,
    OpPixDiv,
    PreDiv2,
    Mult2,
    VcoRange,
    IspDividerMN,
    IspDividerP,
    IspDividerP456,
    PllBypassFlag,
    XStart,
    XEnd,
    YStart,
    YEnd,
    OutputWidth,
    OutputHeight,
    RowSize,
    ColumnSize,
    LineLength,
    FrameLength,
    HBlank,
    VBlank,
    Coarse,
    Coarse2,
    Coarse3,
    Coarse4,
    ReadMode,
    ReadModeMirror,
    ReadModeFlip,
    ReadModeColBin,
    ReadModeRowBin,
    XOddInc,
    YOddInc,
    AeMaxFrameRate,
    AeMinFrameRate,
    PixelClockHz,
    DataFormatBits,
    CropWidth,
    CropHeight,
    ScaleM,
    Orientation,
    LineByteCount,
    ExposureRatio,
    NumExposures,
    LineInterleaveMode,
    LineComboMode,
    LfmMode,
    EmbedDataEnable,
    EmbedStatsEnable,
    EmbedDataRows,
    EmbedStatsRows,
    ShowDarkCols,
    ShowDarkRows,
    ShowAtrRows,
    ShowDtrRows,
    FovWidth, // the window the array reads, in array columns and rows
    FovHeight,
    CpipeLastRow, // last row the colour pipe keeps of the rows the sensor sends
    CropXOffset,  // crop window over the sensor image: the whole image
    CropYOffset,
    CropXEnd,
    CropYEnd,
    AeInitialWindowXEnd, // first auto-exposure window, on the statistics' grid of a fifth of the image
    AeInitialWindowYEnd,
    FlickerLines50Hz, // lines in one period of the light of 50 Hz and 60 Hz mains
    FlickerLines60Hz,
    SkipX, // pixels skipped after each pixel read (read-out factor - 1)
    SkipY,
    EvenInc,        // the even increment of a skipping read-out, always 1
    DigitalBinning, // digital binning of pixel pairs, per direction
    PllEnable,
    MipiTiming0, // sensor D-PHY timing words 0..4
    MipiTiming1,
    MipiTiming2,
    MipiTiming3,
    MipiTiming4,
    PortTimingHsZero, // image-processor MIPI port timing words
    PortTimingHsExitTrail,
    PortTimingClkPostPre,
    PortTimingClkTrailZero,
    PortTimingLpx,
    PortTimingInit,
    StatWindowXOffset, // statistics and shading windows over the whole output image
    StatWindowYOffset,
    StatWindowWidth,
    StatWindowHeight,
    StatWindowXEnd,
    StatWindowYEnd,
    AsilExtCountMsb, // expected clock counts over one line (clock monitor)
    AsilExtCountLsb,
    AsilPixCountMsb,
    AsilPixCountLsb,
    AsilOpCountMsb,
    AsilOpCountLsb,
    AsilPixPer100Ext, // clock cycles per 100 input-clock cycles
    AsilOpPer100Ext,
};

struct RoleMatch {
    RegRole role = RegRole::None;
    int context = 0; // 1 for the rows of context B ("_CB", "(B)", "_in_context_b", "cam_core_b_")
};

RoleMatch resolveRole(const char *name);

// The values a role may need.
struct RegisterSources {
    // PLL (actual values, not the reported encodings).
    int n = 1, m = 1, d0 = 1, d1 = 1;
    int opSysDiv = 1, opPixDiv = 10;
    int n2 = 1, m2 = 1;
    int p4 = 1, p5 = 1, p6 = 1;
    int vcoRange = 0;
    bool bypass = false;
    double pixelClock = 0.0; // MHz
    int bits = 10;
    // Further clocks (MHz) and the link.
    double inputClock = 0.0;
    double opPixClock = 0.0;
    bool mipi = false;     // the link is a MIPI D-PHY link
    double laneRate = 0.0; // Mbps per lane
    int lanes = 1;
    bool mipiCont = false;
    // Output options of the families that have them; false: the row keeps its default.
    bool hasDarkOptions = false;
    bool darkRows = false, darkCols = false, atrRows = false, dtrRows = false;
    bool hasEmbedRows = false;
    int embedDataRows = 0, statsDataRows = 0;
    bool lfm = false;
    // Per context.
    struct Context {
        TimingResult t;
        bool mirror = false;
        bool flip = false;
        bool binX = false;
        bool binY = false;
        double maxFps = 0.0;
        double minFps = 0.0;
        int scaleM = 16;
        bool lineInterleave = false;
        bool lineCombo = false;
        bool lfm = false;
    } ctx[2];
};

// D-PHY timing of a lane rate, in byte-clock periods (8 UI), each at least 1.
struct DphyTiming {
    int lpx = 1, hsPrepare = 1, hsZero = 1, hsTrail = 1, hsExit = 1;
    int clkPrepare = 1, clkZero = 1, clkTrail = 1, clkPre = 1, clkPost = 1;
    int initShort = 1; // 1 us
    int initLong = 1;  // 100 us
};
DphyTiming dphyTiming(double laneRateMbps);

// The image-processor MIPI port timing words: T_HS_ZERO, T_HS_EXIT_HS_TRAIL,
// T_CLK_POST_CLK_PRE, T_CLK_TRAIL_CLK_ZERO, T_LPX, INIT_TIMING,
// TXSS_PARAMETERS, TXC_PARAMETERS, TXC_TIMING.
void mipiPortTimings(double laneRateMbps, int lanes, bool continuousClock, quint32 out[9]);

// The value of a role for a row, fitted to the row; false when the role
// gives no value (the row keeps its default).
bool roleValue(const RoleMatch &match, const RegRow &row, const RegisterSources &src, quint32 *value);

// The largest value a row holds without losing bits: the field of a
// bit-field row (values are unshifted); for a register, its mask's lowest run
// of set bits (a mask 0xFFFE holds even values up to 65534) within the
// register's width, or the width alone when the mask is 0.
quint64 rowCapacity(const RegRow &row);

// The largest actual pre-divider, multiplier and output divider a packed
// divider row holds (the encodings store N - 1 and P - 1).
struct RoleCapacity {
    int n = 1 << 30, m = 1 << 30, d = 1 << 30;
};
RoleCapacity roleCapacity(RegRole role, const RegRow &row);

// The table value of a row as the row carries it: a bit-field row whose
// table value is a whole register value (larger than its field) carries the
// field's bits of it, unshifted.
quint32 tableValue(const RegRow &row);

// A value limited to what the row can hold: the field width of a bit-field
// row (values are unshifted), the register width otherwise.
quint32 fitToRow(qint64 value, const RegRow &row);

} // namespace calvex
