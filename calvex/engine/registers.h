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
};

struct RoleMatch {
    RegRole role = RegRole::None;
    int context = 0; // 1 for the rows of context B ("_CB", "(B)", "cam_core_b_")
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
    } ctx[2];
};

// The value of a role for a row, fitted to the row; false when the role
// gives no value (the row keeps its default).
bool roleValue(const RoleMatch &match, const RegRow &row, const RegisterSources &src, quint32 *value);

// A value limited to what the row can hold: the field width of a bit-field
// row (values are unshifted), the register width otherwise.
quint32 fitToRow(qint64 value, const RegRow &row);

} // namespace calvex
