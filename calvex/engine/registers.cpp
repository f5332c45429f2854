#include "engine/registers.h"

#include <QByteArray>
#include <cmath>
#include <cstring>

namespace calvex {

namespace {

struct NameRole {
    const char *name;
    RegRole role;
};

// Lower-case names after the context marks and the configuration prefixes
// have been removed.
const NameRole kNames[] = {
    {"pre_pll_clk_div", RegRole::PreDiv},
    {"pll_multiplier", RegRole::Mult},
    {"vt_sys_clk_div", RegRole::VtSysDiv},
    {"vt_pix_clk_div", RegRole::VtPixDiv},
    {"op_sys_clk_div", RegRole::OpSysDiv},
    {"op_pix_clk_div", RegRole::OpPixDiv},
    {"op_word_clk_div", RegRole::OpPixDiv},
    {"pre_pll_clk_div2", RegRole::PreDiv2},
    {"pre_pll2_clk_div", RegRole::PreDiv2},
    {"pll_multiplier2", RegRole::Mult2},
    {"pll2_multiplier", RegRole::Mult2},
    {"vco_range", RegRole::VcoRange},
    {"cam_sysctl_pll_divider_m_n", RegRole::IspDividerMN},
    {"cam_sysctl_pll_divider_m_n_1_clk", RegRole::IspDividerMN},
    {"pll_dividers", RegRole::IspDividerMN},
    {"pll dividers", RegRole::IspDividerMN},
    {"pll_divider", RegRole::IspDividerMN},
    {"cam_sysctl_pll_divider_p", RegRole::IspDividerP},
    {"cam_sysctl_pll_divider_p_1_clk", RegRole::IspDividerP},
    {"pll_p_dividers", RegRole::IspDividerP},
    {"pll p dividers", RegRole::IspDividerP},
    {"pll_p_divider", RegRole::IspDividerP},
    {"cam_sysctl_pll_divider_p4_p5_p6", RegRole::IspDividerP456},
    {"pll_p4_p5_p6_dividers", RegRole::IspDividerP456},
    {"pll p dividers 4-5-6", RegRole::IspDividerP456},
    {"p4_5_6_divider", RegRole::IspDividerP456},
    {"pll_control (bypass)", RegRole::PllBypassFlag},
    {"x_addr_start", RegRole::XStart},
    {"column start", RegRole::XStart},
    {"x_addr_end", RegRole::XEnd},
    {"column end", RegRole::XEnd},
    {"y_addr_start", RegRole::YStart},
    {"row start", RegRole::YStart},
    {"y_addr_end", RegRole::YEnd},
    {"row end", RegRole::YEnd},
    {"x_output_size", RegRole::OutputWidth},
    {"cam_output_width", RegRole::OutputWidth},
    {"output width", RegRole::OutputWidth},
    {"output_size_width", RegRole::OutputWidth},
    {"y_output_size", RegRole::OutputHeight},
    {"cam_output_height", RegRole::OutputHeight},
    {"output height", RegRole::OutputHeight},
    {"output_size_height", RegRole::OutputHeight},
    {"row size", RegRole::RowSize},
    {"column size", RegRole::ColumnSize},
    {"line_length_pck", RegRole::LineLength},
    {"line length", RegRole::LineLength},
    {"frame_length_lines", RegRole::FrameLength},
    {"frame_length_line", RegRole::FrameLength},
    {"frame lines", RegRole::FrameLength},
    {"hblank", RegRole::HBlank},
    {"horz. blank", RegRole::HBlank},
    {"vblank", RegRole::VBlank},
    {"vert. blank", RegRole::VBlank},
    {"coarse_integration_time", RegRole::Coarse},
    {"integration time", RegRole::Coarse},
    {"coarse_integration_time2", RegRole::Coarse2},
    {"coarse_integration_time_2", RegRole::Coarse2},
    {"coarse_integration_time3", RegRole::Coarse3},
    {"coarse_integration_time4", RegRole::Coarse4},
    {"read_mode", RegRole::ReadMode},
    {"read mode", RegRole::ReadMode},
    {"cam_sensor_control_read_mode", RegRole::ReadMode},
    {"read_mode_horiz_mirror", RegRole::ReadModeMirror},
    {"read_mode_vert_flip", RegRole::ReadModeFlip},
    {"read_mode_col_bin", RegRole::ReadModeColBin},
    {"read_mode_row_bin", RegRole::ReadModeRowBin},
    {"x_odd_inc", RegRole::XOddInc},
    {"y_odd_inc", RegRole::YOddInc},
    {"cam_aet_max_frame_rate", RegRole::AeMaxFrameRate},
    {"cam_aet_min_frame_rate", RegRole::AeMinFrameRate},
    {"pixclk", RegRole::PixelClockHz},
    {"data_format_bits", RegRole::DataFormatBits},
    {"cam_crop_window_width", RegRole::CropWidth},
    {"cam_crop_window_height", RegRole::CropHeight},
    {"scale_m", RegRole::ScaleM},
};

bool endsWith(const QByteArray &s, const char *suffix)
{
    return s.endsWith(QByteArray(suffix));
}

int lowBit(quint32 mask)
{
    int shift = 0;
    while (shift < 31 && !(mask & (1u << shift)))
        ++shift;
    return shift;
}

} // namespace

RoleMatch resolveRole(const char *rawName)
{
    RoleMatch match;
    if (!rawName)
        return match;
    QByteArray name = QByteArray(rawName).trimmed().toLower();
    if (endsWith(name, "_cb")) {
        match.context = 1;
        name.chop(3);
    } else if (endsWith(name, " (b)")) {
        match.context = 1;
        name.chop(4);
    } else if (endsWith(name, " (a)")) {
        name.chop(4);
    }
    if (name.startsWith("cam_core_b_")) {
        match.context = 1;
        name = name.mid(11);
    } else if (name.startsWith("cam_core_a_")) {
        name = name.mid(11);
    }
    if (name.startsWith("cam_sensor_cfg_"))
        name = name.mid(15);
    for (const NameRole &n : kNames) {
        if (name == n.name) {
            match.role = n.role;
            break;
        }
    }
    return match;
}

quint32 fitToRow(qint64 value, const RegRow &row)
{
    quint64 limit;
    if (row.bitfield && row.mask)
        limit = quint64(row.mask) >> lowBit(row.mask);
    else
        limit = row.width >= 32 || row.width <= 0 ? 0xFFFFFFFFull : ((1ull << row.width) - 1);
    if (value < 0)
        return 0;
    return quint32(quint64(value) > limit ? limit : quint64(value));
}

bool roleValue(const RoleMatch &match, const RegRow &row, const RegisterSources &src, quint32 *value)
{
    const RegisterSources::Context &c = src.ctx[match.context == 1 ? 1 : 0];
    const TimingResult &t = c.t;
    qint64 v = 0;
    switch (match.role) {
    case RegRole::None:
        return false;
    case RegRole::PreDiv:
        v = src.n;
        break;
    case RegRole::Mult:
        v = src.m;
        break;
    case RegRole::VtSysDiv:
        v = src.d0;
        break;
    case RegRole::VtPixDiv:
        v = src.d1;
        break;
    case RegRole::OpSysDiv:
        v = src.opSysDiv;
        break;
    case RegRole::OpPixDiv:
        v = src.opPixDiv;
        break;
    case RegRole::PreDiv2:
        v = src.n2;
        break;
    case RegRole::Mult2:
        v = src.m2;
        break;
    case RegRole::VcoRange:
        v = src.vcoRange;
        break;
    case RegRole::IspDividerMN:
        // N - 1 above the multiplier byte.
        v = (qint64(qBound(0, src.n - 1, 63)) << 8) | qBound(0, src.m, 255);
        break;
    case RegRole::IspDividerP:
        // P - 1 in the field the mask shows (the low nibble of the second byte).
        v = qint64(qBound(0, src.d0 - 1, 15)) << ((row.mask & 0xF00) ? 8 : 0);
        break;
    case RegRole::IspDividerP456:
        v = (qint64(row.value) & 0x7000) | (qint64(qBound(0, src.p6 - 1, 15)) << 8) |
            (qint64(qBound(0, src.p5 - 1, 15)) << 4) | qBound(0, src.p4 - 1, 15);
        break;
    case RegRole::PllBypassFlag:
        v = src.bypass ? 1 : 0;
        break;
    case RegRole::XStart:
        v = t.xStart;
        break;
    case RegRole::XEnd:
        v = t.xEnd;
        break;
    case RegRole::YStart:
        v = t.yStart;
        break;
    case RegRole::YEnd:
        v = t.yEnd;
        break;
    case RegRole::OutputWidth:
        v = t.outCols;
        break;
    case RegRole::OutputHeight:
        v = t.outRows;
        break;
    case RegRole::RowSize:
        v = t.fovRows - 1;
        break;
    case RegRole::ColumnSize:
        v = t.fovCols - 1;
        break;
    case RegRole::LineLength:
        v = t.lineLength;
        break;
    case RegRole::FrameLength:
        v = t.frameLength;
        break;
    case RegRole::HBlank:
        v = t.hBlank;
        break;
    case RegRole::VBlank:
        v = t.vBlank;
        break;
    case RegRole::Coarse:
        v = t.expRows[0];
        break;
    case RegRole::Coarse2:
        v = t.exposures > 1 ? t.expRows[1] : 0;
        break;
    case RegRole::Coarse3:
        v = t.exposures > 2 ? t.expRows[2] : 0;
        break;
    case RegRole::Coarse4:
        v = t.exposures > 3 ? t.expRows[3] : 0;
        break;
    case RegRole::ReadMode: {
        // Mirror and flip in the two top bits where the register has them,
        // otherwise in the two lowest; column/row binning next to them.
        const quint32 mask = row.mask ? row.mask : 0xFFFF;
        quint32 r = row.value;
        if (mask & 0xC000) {
            r &= ~0xC000u;
            r |= (c.mirror ? 0x4000u : 0u) | (c.flip ? 0x8000u : 0u);
            if (mask & 0x3000) {
                r &= ~0x3000u;
                r |= (c.binX ? 0x2000u : 0u) | (c.binY ? 0x1000u : 0u);
            }
        } else {
            r &= ~0x3u;
            r |= (c.mirror ? 0x1u : 0u) | (c.flip ? 0x2u : 0u);
        }
        v = r & mask;
        break;
    }
    case RegRole::ReadModeMirror:
        v = c.mirror ? 1 : 0;
        break;
    case RegRole::ReadModeFlip:
        v = c.flip ? 1 : 0;
        break;
    case RegRole::ReadModeColBin:
        v = c.binX ? 1 : 0;
        break;
    case RegRole::ReadModeRowBin:
        v = c.binY ? 1 : 0;
        break;
    case RegRole::XOddInc:
        v = 2 * t.xFactor - 1;
        break;
    case RegRole::YOddInc:
        v = 2 * t.yFactor - 1;
        break;
    case RegRole::AeMaxFrameRate:
        v = std::llround(qBound(0.0, t.fps, 255.0) * 256.0);
        break;
    case RegRole::AeMinFrameRate: {
        const double minRate = c.minFps > 0.0 && std::isfinite(c.minFps) ? qMin(c.minFps, t.fps) : t.fps;
        v = std::llround(qBound(0.0, qMax(minRate, t.minFps), 255.0) * 256.0);
        break;
    }
    case RegRole::PixelClockHz:
        v = std::llround(qBound(0.0, src.pixelClock, 4000.0) * 1.0e6);
        break;
    case RegRole::DataFormatBits:
        v = (qint64(src.bits) << 8) | src.bits;
        break;
    case RegRole::CropWidth:
        v = t.outCols;
        break;
    case RegRole::CropHeight:
        v = t.outRows;
        break;
    case RegRole::ScaleM:
        v = c.scaleM;
        break;
    }
    *value = fitToRow(v, row);
    return true;
}

} // namespace calvex
