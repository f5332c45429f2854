#include "engine/registers.h"

#include "engine/numeric.h"

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
    {"pll control 1", RegRole::IspDividerMN},
    {"pll control 2", RegRole::IspDividerP},
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
    // Copies of the PLL for the analog and the digital (ASIC) clock domains
    // run the same setting as the main PLL.
    {"pre_pll_clk_div_ana", RegRole::PreDiv},
    {"pll_multiplier_ana", RegRole::Mult},
    {"pre_pll_clk_div_asic", RegRole::PreDiv},
    {"pll_multiplier_asic", RegRole::Mult},
    {"vt_sys_clk_div_asic", RegRole::VtSysDiv},
    {"vt_pix_clk_div_asic", RegRole::VtPixDiv},
    {"op_sys_clk_div_asic", RegRole::OpSysDiv},
    {"op_word_clk_div_asic", RegRole::OpPixDiv},
    {"orientation", RegRole::Orientation},
    {"image_width", RegRole::OutputWidth},
    {"image_height", RegRole::OutputHeight},
    {"mipi_line_byte_cnt", RegRole::LineByteCount},
    {"exposure_ratio", RegRole::ExposureRatio},
    {"exposure ratio", RegRole::ExposureRatio},
    {"operation_mode_ctrl_num_exp", RegRole::NumExposures},
    {"operation_mode_ctrl_lim_mode", RegRole::LineInterleaveMode},
    {"operation_mode_ctrl_licm_mode", RegRole::LineComboMode},
    {"operation_mode_ctrl_lfm_mode", RegRole::LfmMode},
    {"smia_test_embed_data_en", RegRole::EmbedDataEnable},
    {"smia_test_embed_stats_en", RegRole::EmbedStatsEnable},
    {"read_mode_embed_rows_nr", RegRole::EmbedDataRows},
    {"read_mode_embed_nrow", RegRole::EmbedDataRows},
    {"smia_test_embed_nrow", RegRole::EmbedDataRows},
    {"read_mode_stats_rows_nr", RegRole::EmbedStatsRows},
    {"read_mode_stats_nrow", RegRole::EmbedStatsRows},
    {"smia_test_stats_nrow", RegRole::EmbedStatsRows},
    {"dark_control_show_dark_cols", RegRole::ShowDarkCols},
    {"dark_control_show_dark_rows", RegRole::ShowDarkRows},
    {"dark_control_show_atr_rows", RegRole::ShowAtrRows},
    {"dark_control_show_dtr_rows", RegRole::ShowDtrRows},
    {"mipi_timing_0", RegRole::MipiTiming0},
    {"mipi_timing_1", RegRole::MipiTiming1},
    {"mipi_timing_2", RegRole::MipiTiming2},
    {"mipi_timing_3", RegRole::MipiTiming3},
    {"mipi_timing_4", RegRole::MipiTiming4},
    {"cam_port_mipi_timing_t_hs_zero", RegRole::PortTimingHsZero},
    {"cam_port_mipi_timing_t_hs_exit_hs_trail", RegRole::PortTimingHsExitTrail},
    {"cam_port_mipi_timing_t_clk_post_clk_pre", RegRole::PortTimingClkPostPre},
    {"cam_port_mipi_timing_t_clk_trail_clk_zero", RegRole::PortTimingClkTrailZero},
    {"cam_port_mipi_timing_t_lpx", RegRole::PortTimingLpx},
    {"cam_port_mipi_timing_init_timing", RegRole::PortTimingInit},
    {"mipi_timing_t_hs_zero", RegRole::PortTimingHsZero},
    {"mipi_timing_t_hs_exit_hs_trail", RegRole::PortTimingHsExitTrail},
    {"mipi_timing_t_clk_post_clk_pre", RegRole::PortTimingClkPostPre},
    {"mipi_timing_t_clk_trail_clk_zero", RegRole::PortTimingClkTrailZero},
    {"mipi_timing_t_lpx", RegRole::PortTimingLpx},
    {"mipi_init_timing", RegRole::PortTimingInit},
    {"cam_stat_awb_clip_window_x_offset", RegRole::StatWindowXOffset},
    {"cam_stat_awb_clip_window_y_offset", RegRole::StatWindowYOffset},
    {"cam_stat_awb_clip_window_width", RegRole::StatWindowWidth},
    {"cam_stat_awb_clip_window_height", RegRole::StatWindowHeight},
    {"cam_stat_awb_clip_window_xstart", RegRole::StatWindowXOffset},
    {"cam_stat_awb_clip_window_ystart", RegRole::StatWindowYOffset},
    {"cam_stat_awb_clip_window_xend", RegRole::StatWindowXEnd},
    {"cam_stat_awb_clip_window_yend", RegRole::StatWindowYEnd},
    {"cam_stat_ae_altm_fd_window_x_offset", RegRole::StatWindowXOffset},
    {"cam_stat_ae_altm_fd_window_y_offset", RegRole::StatWindowYOffset},
    {"cam_stat_ae_altm_fd_window_width", RegRole::StatWindowWidth},
    {"cam_stat_ae_altm_fd_window_height", RegRole::StatWindowHeight},
    {"asil_ext_clk_count_msb_expect", RegRole::AsilExtCountMsb},
    {"asil_ext_clk_count_lsb_expect", RegRole::AsilExtCountLsb},
    {"asil_clk_pix_count_msb_expect", RegRole::AsilPixCountMsb},
    {"asil_clk_pix_count_lsb_expect", RegRole::AsilPixCountLsb},
    {"asil_clk_op_count_msb_expect", RegRole::AsilOpCountMsb},
    {"asil_clk_op_count_lsb_expect", RegRole::AsilOpCountLsb},
    {"asil_clk_pix_count_100_ext_expect", RegRole::AsilPixPer100Ext},
    {"asil_clk_op_count_100_ext_expect", RegRole::AsilOpPer100Ext},
    // Window, crop and output sizes in the spellings of the older tables.
    {"row height", RegRole::FovHeight},
    {"column width", RegRole::FovWidth},
    {"fov width", RegRole::FovWidth},
    {"fov height", RegRole::FovHeight},
    {"crop width", RegRole::CropWidth},
    {"crop height", RegRole::CropHeight},
    {"x_output_control", RegRole::OutputWidth},
    {"y_output_control", RegRole::OutputHeight},
    {"cam_image_width", RegRole::OutputWidth},
    {"cam_image_height", RegRole::OutputHeight},
    {"fm_inwid", RegRole::OutputWidth},
    {"fm_inhgt", RegRole::OutputHeight},
    {"cam_crop_window_xoffset", RegRole::CropXOffset},
    {"cam_crop_window_yoffset", RegRole::CropYOffset},
    {"crop_x0", RegRole::CropXOffset},
    {"crop_y0", RegRole::CropYOffset},
    {"crop_x1", RegRole::CropXEnd},
    {"crop_y1", RegRole::CropYEnd},
    {"cpipe_last_row", RegRole::CpipeLastRow},
    {"cpipe last row", RegRole::CpipeLastRow},
    {"last_row", RegRole::CpipeLastRow},
    {"cam_stat_ae_initial_window_xstart", RegRole::StatWindowXOffset},
    {"cam_stat_ae_initial_window_ystart", RegRole::StatWindowYOffset},
    {"cam_stat_ae_initial_window_xend", RegRole::AeInitialWindowXEnd},
    {"cam_stat_ae_initial_window_yend", RegRole::AeInitialWindowYEnd},
    {"pga_x_addr_start", RegRole::StatWindowXOffset},
    {"pga_y_addr_start", RegRole::StatWindowYOffset},
    {"pga_x_addr_end", RegRole::StatWindowXEnd},
    {"pga_y_addr_end", RegRole::StatWindowYEnd},
    // Frame lengths the firmware starts its frame-rate control from.
    {"base frame lines", RegRole::FrameLength},
    {"base_frame_length_lines", RegRole::FrameLength},
    // Read-out factors.
    {"x_odd_inc_", RegRole::XOddInc},
    {"y_odd_inc_", RegRole::YOddInc},
    {"x_odd_inc(digital_hskip)", RegRole::XOddInc},
    {"x_even_inc_", RegRole::EvenInc},
    {"y_even_inc_", RegRole::EvenInc},
    {"y_even_inc", RegRole::EvenInc},
    {"skip_x_core", RegRole::SkipX},
    {"skip_y_core", RegRole::SkipY},
    {"digital_binning", RegRole::DigitalBinning},
    // Flicker detection: the flicker period in lines.
    {"fd_period_50hz", RegRole::FlickerLines50Hz},
    {"fd_period_60hz", RegRole::FlickerLines60Hz},
    {"fd period 50hz", RegRole::FlickerLines50Hz},
    {"fd period 60hz", RegRole::FlickerLines60Hz},
    {"cam_fd_config_fdperiod_50hz", RegRole::FlickerLines50Hz},
    {"cam_fd_config_fdperiod_60hz", RegRole::FlickerLines60Hz},
    {"fd_expected50hz_flicker_period", RegRole::FlickerLines50Hz},
    {"fd_expected60hz_flicker_period", RegRole::FlickerLines60Hz},
    {"r9_step_50", RegRole::FlickerLines50Hz},
    {"r9_step_60", RegRole::FlickerLines60Hz},
    // The shutter step the auto exposure starts with: the 60 Hz period.
    {"r9 step", RegRole::FlickerLines60Hz},
    {"cam_sysctl_pll_enable", RegRole::PllEnable},
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

// A packed register word: the bits the row's mask covers come from the
// calculation, the others keep the table default.
qint64 packedWord(qint64 v, const RegRow &row)
{
    const quint32 mask = row.mask ? row.mask : 0xFFFFFFFFu;
    return qint64((quint32(qMax<qint64>(0, v)) & mask) | (row.value & ~mask));
}

// The image processors' pre-divider and multiplier word: M takes the low
// byte, N - 1 the bits above it; a word whose mask covers its high byte whole
// but not its low one (Murn_107) holds M in the high byte and N - 1 below.
bool multiplierInHighByte(const RegRow &row)
{
    const quint32 mask = row.mask ? row.mask : 0xFFFF;
    return (mask & 0xFF00) == 0xFF00 && (mask & 0xFF) != 0xFF;
}

// A counter of the mask's width, saturating instead of wrapping.
qint64 saturated(qint64 v, const RegRow &row)
{
    const quint32 mask = row.mask ? row.mask : 0xFFFFFFFFu;
    return qBound<qint64>(0, v, qint64(mask >> lowBit(mask)));
}

// Two counts packed as the high and the low byte of a word, each limited to
// the field the row's mask gives it there.
qint64 packBytes(int high, int low, const RegRow &row)
{
    const quint32 mask = row.mask ? row.mask : 0xFFFF;
    auto fit = [](int v, quint32 fieldMask) {
        const quint32 limit = fieldMask ? fieldMask >> lowBit(fieldMask) : 0;
        return qint64(qBound<qint64>(0, v, limit)) << (fieldMask ? lowBit(fieldMask) : 0);
    };
    return packedWord(fit(high, mask & 0xFF00) | fit(low, mask & 0x00FF), row);
}

// Cycles of a clock (MHz) in one line of the context.
qint64 cyclesPerLine(double clockMHz, const TimingResult &t)
{
    if (!(clockMHz > 0.0) || !std::isfinite(clockMHz) || !(t.rowTimeUs > 0.0) || !std::isfinite(t.rowTimeUs))
        return 0;
    return boundedInt<qint64>(std::round(clockMHz * t.rowTimeUs), 0, 4000000000LL);
}

// Cycles of a clock in 100 cycles of the input clock.
qint64 per100Input(double clockMHz, double inputMHz)
{
    if (!(clockMHz > 0.0) || !std::isfinite(clockMHz) || !(inputMHz > 0.0) || !std::isfinite(inputMHz))
        return 0;
    return boundedInt<qint64>(std::round(100.0 * clockMHz / inputMHz), 0, 1000000000LL);
}

const qint64 kCount22 = (qint64(1) << 22) - 1;

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
    } else if (endsWith(name, "_in_context_b")) {
        match.context = 1;
        name.chop(13);
    } else if (endsWith(name, "_in_context_a")) {
        name.chop(13);
    }
    if (name.startsWith("cam_core_b_")) {
        match.context = 1;
        name = name.mid(11);
    } else if (name.startsWith("cam_core_a_")) {
        name = name.mid(11);
    }
    if (name.startsWith("cam_sensor_cfg_"))
        name = name.mid(15);
    if (name.startsWith("cam_output_1_")) {
        match.context = 1;
        name = name.mid(13);
    } else if (name.startsWith("cam_output_0_")) {
        name = name.mid(13);
    }
    for (const NameRole &n : kNames) {
        if (name == n.name) {
            match.role = n.role;
            break;
        }
    }
    return match;
}

quint64 rowCapacity(const RegRow &row)
{
    if (!row.mask)
        return row.width >= 32 || row.width <= 0 ? 0xFFFFFFFFull : ((1ull << row.width) - 1);
    const int low = lowBit(row.mask);
    int high = low;
    while (high < 31 && (row.mask & (1u << (high + 1))))
        ++high;
    const quint64 run = ((1ull << (high + 1)) - 1) & ~((1ull << low) - 1);
    if (row.bitfield)
        return run >> low;
    const quint64 width = row.width >= 32 || row.width <= 0 ? 0xFFFFFFFFull : ((1ull << row.width) - 1);
    // The mask's run cut to the width, on the mask's step.
    return qMin(run, width) & ~((1ull << low) - 1);
}

quint32 tableValue(const RegRow &row)
{
    if (!row.bitfield || !row.mask)
        return row.value;
    const int low = lowBit(row.mask);
    const quint32 field = row.mask >> low;
    return row.value <= field ? row.value : (row.value & row.mask) >> low;
}

RoleCapacity roleCapacity(RegRole role, const RegRow &row)
{
    RoleCapacity c;
    const quint32 mask = row.mask ? row.mask : 0xFFFFFFFFu;
    if (role == RegRole::IspDividerMN) {
        const bool mHigh = multiplierInHighByte(row);
        c.n = int(qMin<quint32>(63, (mHigh ? mask : mask >> 8) & 0xFF)) + 1;
        c.m = int(qMin<quint32>(255, (mHigh ? mask >> 8 : mask) & 0xFF));
    } else if (role == RegRole::IspDividerP) {
        const quint32 field = (mask & 0xF00) ? (mask >> 8) & 0xF : mask & 0xF;
        c.d = int(field) + 1;
    }
    return c;
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
    case RegRole::IspDividerMN: {
        const qint64 n = qBound(0, src.n - 1, 63);
        const qint64 m = qBound(0, src.m, 255);
        v = packedWord(multiplierInHighByte(row) ? (m << 8) | n : (n << 8) | m, row);
        break;
    }
    case RegRole::IspDividerP: {
        // P - 1 in the field the mask shows (the low nibble of the second
        // byte); the register's other fields keep their table values.
        const int shift = (row.mask & 0xF00) ? 8 : 0;
        v = packedWord((qint64(row.value) & ~(qint64(0xF) << shift)) | (qint64(qBound(0, src.d0 - 1, 15)) << shift),
                       row);
        break;
    }
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
        v = packedWord(r & mask, row);
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
        v = boundedInt<qint64>(std::round(t.fps * 256.0), 0, 255 * 256);
        break;
    case RegRole::AeMinFrameRate: {
        const double minRate = c.minFps > 0.0 && std::isfinite(c.minFps) ? qMin(c.minFps, t.fps) : t.fps;
        v = boundedInt<qint64>(std::round(qMax(minRate, t.minFps) * 256.0), 0, 255 * 256);
        break;
    }
    case RegRole::PixelClockHz:
        v = boundedInt<qint64>(std::round(src.pixelClock * 1.0e6), 0, 4000000000LL);
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
    case RegRole::Orientation:
        v = (c.mirror ? 1 : 0) | (c.flip ? 2 : 0);
        break;
    case RegRole::LineByteCount:
        v = qint64(t.outCols) * qMax(1, src.bits) / 8;
        break;
    case RegRole::ExposureRatio: {
        // One exponent per nibble, each limited to the field the mask gives it.
        const quint32 mask = row.mask ? row.mask : 0xFFFF;
        qint64 w = 0;
        for (int k = 0; k < 3; ++k) {
            const int width = int((mask >> (4 * k)) & 0xF);
            w |= qint64(qBound(0, t.ratioExp[k], width)) << (4 * k);
        }
        v = packedWord(w, row);
        break;
    }
    case RegRole::NumExposures:
        v = t.exposures - 1;
        break;
    case RegRole::LineInterleaveMode:
        v = c.lineInterleave && t.exposures > 1 ? 1 : 0;
        break;
    case RegRole::LineComboMode:
        v = c.lineInterleave && c.lineCombo && t.exposures > 1 ? 1 : 0;
        break;
    case RegRole::LfmMode:
        v = c.lfm || src.lfm ? 1 : 0;
        break;
    case RegRole::EmbedDataEnable:
    case RegRole::EmbedStatsEnable:
    case RegRole::EmbedDataRows:
    case RegRole::EmbedStatsRows: {
        if (!src.hasEmbedRows)
            return false;
        const int rows = match.role == RegRole::EmbedDataEnable || match.role == RegRole::EmbedDataRows
                             ? src.embedDataRows
                             : src.statsDataRows;
        const bool enable = match.role == RegRole::EmbedDataEnable || match.role == RegRole::EmbedStatsEnable;
        v = enable ? (rows > 0 ? 1 : 0) : qMax(0, rows);
        break;
    }
    case RegRole::ShowDarkCols:
    case RegRole::ShowDarkRows:
    case RegRole::ShowAtrRows:
    case RegRole::ShowDtrRows: {
        if (!src.hasDarkOptions)
            return false;
        const bool on = match.role == RegRole::ShowDarkCols   ? src.darkCols
                        : match.role == RegRole::ShowDarkRows ? src.darkRows
                        : match.role == RegRole::ShowAtrRows  ? src.atrRows
                                                              : src.dtrRows;
        // A field of two bits shows the dark columns on both sides.
        v = on ? qint64((row.mask >> lowBit(row.mask)) & 0x3) : 0;
        break;
    }
    case RegRole::FovWidth:
        v = t.fovCols;
        break;
    case RegRole::FovHeight:
        v = t.fovRows;
        break;
    case RegRole::CpipeLastRow:
        // The colour pipe drops a border of four rows at each end; the row
        // index is that of its last kept row.
        v = t.outRows - 5;
        break;
    case RegRole::CropXOffset:
    case RegRole::CropYOffset:
        v = 0;
        break;
    case RegRole::CropXEnd:
        v = t.outCols - 1;
        break;
    case RegRole::CropYEnd:
        v = t.outRows - 1;
        break;
    case RegRole::AeInitialWindowXEnd:
        v = t.outCols / 5 - 1;
        break;
    case RegRole::AeInitialWindowYEnd:
        v = t.outRows / 5 - 1;
        break;
    case RegRole::FlickerLines50Hz:
    case RegRole::FlickerLines60Hz: {
        // Mains light flickers at twice the mains frequency: a period of
        // 10 ms at 50 Hz, 8.33 ms at 60 Hz.
        if (!(t.rowTimeUs > 0.0) || !std::isfinite(t.rowTimeUs))
            return false;
        const double periodUs = match.role == RegRole::FlickerLines50Hz ? 1.0e6 / 100.0 : 1.0e6 / 120.0;
        v = boundedInt<qint64>(std::round(periodUs / t.rowTimeUs), 0, 4000000000LL);
        break;
    }
    case RegRole::SkipX:
        v = t.xFactor - 1;
        break;
    case RegRole::SkipY:
        v = t.yFactor - 1;
        break;
    case RegRole::EvenInc:
        // The odd increment alone sets the skip factor.
        v = 1;
        break;
    case RegRole::DigitalBinning:
        // Columns in the low field, rows in the field at bit 4.
        v = packedWord((c.binX ? 0x01 : 0) | (c.binY ? 0x10 : 0), row);
        break;
    case RegRole::PllEnable:
        v = src.bypass ? 0 : 1;
        break;
    case RegRole::MipiTiming0:
    case RegRole::MipiTiming1:
    case RegRole::MipiTiming2:
    case RegRole::MipiTiming3:
    case RegRole::MipiTiming4: {
        // Only a MIPI link runs the D-PHY; other links leave the words alone.
        if (!src.mipi || !(src.laneRate > 0.0))
            return false;
        // Word 4 carries the continuous-clock flag in bit 14.
        const DphyTiming d = dphyTiming(src.laneRate);
        switch (match.role) {
        case RegRole::MipiTiming0:
            v = packBytes(d.hsPrepare, d.hsZero, row);
            break;
        case RegRole::MipiTiming1:
            v = packBytes(d.hsTrail, d.hsExit, row);
            break;
        case RegRole::MipiTiming2:
            v = packBytes(d.clkPrepare, d.clkTrail, row);
            break;
        case RegRole::MipiTiming3:
            v = packBytes(d.clkPre, d.clkZero, row);
            break;
        default:
            v = packedWord((src.mipiCont ? 0x4000 : 0) | qMin(d.clkPost, 0x7F), row);
            break;
        }
        break;
    }
    case RegRole::PortTimingHsZero:
    case RegRole::PortTimingHsExitTrail:
    case RegRole::PortTimingClkPostPre:
    case RegRole::PortTimingClkTrailZero:
    case RegRole::PortTimingLpx:
    case RegRole::PortTimingInit: {
        if (!src.mipi || !(src.laneRate > 0.0))
            return false;
        quint32 words[9];
        mipiPortTimings(src.laneRate, src.lanes, src.mipiCont, words);
        const quint32 w = words[int(match.role) - int(RegRole::PortTimingHsZero)];
        v = packBytes(int(w >> 8), int(w & 0xFF), row);
        break;
    }
    case RegRole::StatWindowXOffset:
    case RegRole::StatWindowYOffset:
        v = 0;
        break;
    case RegRole::StatWindowWidth:
        v = t.outCols;
        break;
    case RegRole::StatWindowHeight:
        v = t.outRows;
        break;
    case RegRole::StatWindowXEnd:
        v = t.outCols - 1;
        break;
    case RegRole::StatWindowYEnd:
        v = t.outRows - 1;
        break;
    case RegRole::AsilExtCountMsb:
    case RegRole::AsilExtCountLsb:
    case RegRole::AsilPixCountMsb:
    case RegRole::AsilPixCountLsb:
    case RegRole::AsilOpCountMsb:
    case RegRole::AsilOpCountLsb: {
        // The clock monitor counts each clock over one line.
        const int k = int(match.role) - int(RegRole::AsilExtCountMsb);
        const double clocks[3] = {src.inputClock, src.pixelClock, src.opPixClock};
        const qint64 count = qMin(cyclesPerLine(clocks[k / 2], t), kCount22);
        v = (k % 2 == 0) ? (count >> 16) : (count & 0xFFFF);
        v = saturated(v, row);
        break;
    }
    case RegRole::AsilPixPer100Ext:
        v = saturated(per100Input(src.pixelClock, src.inputClock), row);
        break;
    case RegRole::AsilOpPer100Ext:
        v = saturated(per100Input(src.opPixClock, src.inputClock), row);
        break;
    }
    *value = fitToRow(v, row);
    return true;
}

DphyTiming dphyTiming(double laneRateMbps)
{
    const double rate = (laneRateMbps > 0.0 && std::isfinite(laneRateMbps)) ? qMax(80.0, laneRateMbps) : 80.0;
    const double byteNs = 8000.0 / rate;
    const double uiNs = 1000.0 / rate;
    auto bytes = [&](double ns) { return boundedInt(std::ceil(ns / byteNs - 1e-9), 1, 65535); };
    DphyTiming d;
    d.lpx = bytes(60.0);
    d.hsPrepare = bytes(60.0);
    d.hsZero = bytes(150.0);
    d.hsTrail = bytes(70.0);
    d.hsExit = bytes(110.0);
    d.clkPrepare = bytes(60.0);
    d.clkZero = bytes(300.0);
    d.clkTrail = bytes(70.0);
    d.clkPre = bytes(8.0 * uiNs);
    d.clkPost = bytes(70.0 + 52.0 * uiNs);
    d.initShort = bytes(1000.0);
    d.initLong = bytes(100000.0);
    return d;
}

void mipiPortTimings(double laneRateMbps, int lanes, bool continuousClock, quint32 out[9])
{
    const double rate = (laneRateMbps > 0.0 && std::isfinite(laneRateMbps)) ? qMax(80.0, laneRateMbps) : 80.0;
    const DphyTiming d = dphyTiming(rate);
    auto b = [](int count) { return quint32(qBound(1, count, 63)); };
    out[0] = (b(d.hsZero) << 8) | b(d.hsPrepare);
    out[1] = (b(d.hsExit) << 8) | b(d.hsTrail);
    out[2] = (b(d.clkPost) << 8) | b(d.clkPre);
    out[3] = (b(d.clkTrail) << 8) | b(d.clkZero);
    out[4] = b(d.lpx);
    out[5] = (b(d.initLong) << 8) | b(d.initShort);
    out[6] = quint32(qBound(1, lanes, 16));
    out[7] = continuousClock ? 1u : 0u;
    out[8] = quint32(boundedInt(std::round(rate / 8.0), 1, 65535));
}

} // namespace calvex
