// Tests of the register-descriptor tables: the row count of every table, rows
// of each table checked field by field against values written out here, the
// tables that share or carry over rows of another, look-up and installation.
#include "regtables.h"

#include <QtTest>

#include <cstring>

namespace {

struct ExpectedCount {
    const char *id;
    int count;
};

// Every table id and its number of rows.
const ExpectedCount kCounts[] = {
    {"D1", 24},
    {"D3", 25},
    {"D12", 32},
    {"D13", 30},
    {"D14", 29},
    {"D15", 33},
    {"D21", 29},
    {"D22", 34},
    {"D25", 36},
    {"D26", 44},
    {"D27", 45},
    {"D28", 32},
    {"D30", 42},
    {"D31", 88},
    {"D32", 22},
    {"D34", 36},
    {"D37", 40},
    {"D41", 42},
    {"D42", 40},
    {"D44", 40},
    {"D46", 32},
    {"D51", 36},
    {"D52", 36},
    {"D53", 41},
    {"D54a", 32},
    {"D54b", 31},
    {"D57", 45},
    {"D58", 60},
    {"D59", 50},
    {"D60", 49},
    {"Vek_125", 27},
    {"Murn_102", 34},
    {"Murn_104", 24},
    {"D67", 27},
    {"D69", 54},
    {"D70", 59},
    {"D71", 53},
    {"D72", 34},
    {"D75", 64},
    {"D76", 39},
    {"D80", 29},
    {"D81", 23},
    {"D82", 26},
    {"D83", 78},
    {"D84", 78},
    {"D85", 82},
    {"D86", 41},
    {"D88", 34},
    {"D90", 38},
    {"D92", 98},
    {"D94", 33},
    {"D95", 34},
    {"D99", 63},
    {"D103", 32},
    {"D105", 20},
    {"D110", 67},
    {"D111", 57},
    {"D112", 31},
    {"D113", 31},
    {"D114", 154},
    {"D115", 70},
};

struct ExpectedRow {
    const char *id;
    int index; // row index in the table, that is in regs
    RegRow row;
};

// First and last row, the first bit-field row and the first firmware-variable
// row of every table; in the tables built from another one every added row
// and both ends of every carried-over run; rows worth a look of their own
// (repeated registers, fields of one register, defaults outside their mask,
// width 0, names with blanks or brackets).
const ExpectedRow kRows[] = {
    {"D1", 0, {"cam_sysctl_pll_control", 0, 0, 18, 0x0180, 8, 0x1, 0xFF}},
    {"D1", 23, {"cam_stat_calcmode", 0, 1, 18, 0x013C, 8, 0x15, 0xFF}},
    {"D3", 0, {"cam_sysctl_pll_control", 0, 0, 18, 0x0162, 8, 0x1, 0xFF}},
    {"D3", 24, {"cam_stat_calcmode", 0, 1, 18, 0x0124, 8, 0x15, 0xFF}},
    {"D12", 0, {"RESET_REGISTER", 0, 1, 0, 0x301A, 16, 0x58, 0x9FFF}},
    {"D12", 8, {"RESET_REGISTER", 0, 1, 0, 0x301A, 16, 0x10DC, 0x9FFF}},
    {"D12", 31, {"EMBEDDED_DATA_CTRL", 0, 1, 0, 0x3064, 16, 0x1982, 0x1FAF}},
    {"D13", 0, {"pll_dividers", 0, 0, 0, 0x0010, 16, 0x366, 0x3FFF}},
    {"D13", 2, {"pll_control (enable)", 1, 0, 0, 0x0014, 16, 0x1, 0x2}},
    {"D13", 7, {"tx_control", 1, 0, 0, 0x3C00, 16, 0x5002, 0x7}},
    {"D13", 20, {"stat_fd_zone_height", 0, 1, 6, 0x0003, 8, 0x4, 0xFF}},
    {"D13", 29, {"cam_ae_config_target_fdzone", 0, 1, 8, 0x001A, 16, 0x4, 0xFFFF}},
    {"D14", 0, {"RESET_REGISTER", 0, 0, 0, 0x301A, 16, 0x58, 0x9FFF}},
    {"D14", 28, {"HISPI_CONTROL_STATUS", 0, 1, 0, 0x31C6, 16, 0x8000, 0xC3FC}},
    {"D15", 0, {"RESET_REGISTER", 0, 0, 0, 0x301A, 16, 0x58, 0x9FFF}},
    {"D15", 28, {"HISPI_CONTROL_STATUS", 0, 1, 0, 0x31C6, 16, 0x8000, 0xC3FC}},
    {"D15", 29, {"OPERATION_MODE_CTRL", 0, 1, 0, 0x3082, 16, 0x28, 0xF}},
    {"D15", 30, {"OPERATION_MODE_CTRL_CB", 0, 1, 0, 0x3084, 16, 0x28, 0xF}},
    {"D15", 31, {"DARK_CONTROL", 0, 1, 0, 0x3044, 16, 0x0, 0x188C}},
    {"D15", 32, {"HDR_COMP", 0, 1, 0, 0x31D0, 16, 0x1, 0x7}},
    {"D21", 0, {"RESET_REGISTER", 0, 1, 0, 0x301A, 16, 0x10D8, 0x97FF}},
    {"D21", 28, {"READ_MODE", 0, 1, 0, 0x3040, 16, 0x0, 0xC000}},
    {"D22", 0, {"RESET_REGISTER", 0, 0, 0, 0x301A, 16, 0x58, 0x9FFF}},
    {"D22", 33, {"RESET_REGISTER", 0, 1, 0, 0x301A, 16, 0x58, 0x9FFF}},
    {"D25", 0, {"MODE_SELECT", 0, 0, 0, 0x0100, 8, 0x0, 0x1}},
    {"D25", 35, {"MODE_SELECT", 0, 1, 0, 0x0100, 8, 0x1, 0x1}},
    {"D26", 0, {"pll_control", 1, 0, 0, 0x0014, 16, 0x1, 0x1}},
    {"D26", 43, {"out_image_porches", 0, 1, 0, 0x3C38, 16, 0x6, 0xFFF}},
    {"D27", 0, {"cam_sysctl_pll_enable", 0, 0, 18, 0x0212, 8, 0x1, 0xFF}},
    {"D27", 44, {"cam_stat_ae_initial_window_yend", 0, 1, 18, 0x015A, 16, 0xD7, 0xFFFF}},
    {"D28", 0, {"RESET_REGISTER", 0, 0, 0, 0x301A, 16, 0x58, 0x9FFF}},
    {"D28", 31, {"RESET_REGISTER", 0, 1, 0, 0x301A, 16, 0x58, 0x9FFF}},
    {"D30", 0, {"RESET_REGISTER", 0, 0, 0, 0x301A, 16, 0x58, 0x9FFF}},
    {"D30", 41, {"RESET_REGISTER", 0, 0, 0, 0x301A, 16, 0x58, 0x9FFF}},
    {"D31", 0, {"pll_dividers", 0, 0, 0, 0x0010, 16, 0x208, 0x3FFF}},
    {"D31", 10, {"cam_core_a_y_addr_start", 0, 1, 18, 0x003A, 16, 0x0, 0xFFFF}},
    {"D31", 87, {"seq_cmd", 0, 1, 1, 0x0004, 8, 0x6, 0xFF}},
    {"D32", 0, {"PLL Control1", 0, 0, 0, 0x0010, 16, 0x51, 0xFB7F}},
    {"D32", 21, {"Shutter Delay", 0, 1, 0, 0x000C, 16, 0x0, 0xFFFF}},
    {"D34", 0, {"MODE_SELECT", 0, 0, 0, 0x0100, 8, 0x0, 0x1}},
    {"D34", 35, {"MODE_SELECT", 0, 1, 0, 0x0100, 8, 0x1, 0x1}},
    {"D37", 0, {"MODE_SELECT", 0, 0, 0, 0x0100, 8, 0x0, 0x1}},
    {"D37", 8, {"SMIA_TEST", 1, 0, 0, 0x3064, 16, 0x0, 0x40}},
    {"D37", 39, {"MODE_SELECT", 0, 1, 0, 0x0100, 8, 0x1, 0x1}},
    {"D41", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x0300, 16, 0x5, 0x1F}},
    {"D41", 41, {"GROUPED_PARAMETER_HOLD", 0, 1, 0, 0x0104, 8, 0x0, 0x1}},
    {"D42", 0, {"MODE_SELECT", 0, 0, 0, 0x0100, 8, 0x0, 0x1}},
    {"D42", 3, {"SMIA_TEST", 1, 0, 0, 0x3064, 16, 0x0, 0x40}},
    {"D42", 39, {"MODE_SELECT", 0, 1, 0, 0x0100, 8, 0x1, 0x1}},
    {"D44", 0, {"MODE_SELECT", 0, 0, 0, 0x0100, 8, 0x0, 0x1}},
    {"D44", 3, {"SMIA_TEST", 1, 0, 0, 0x3064, 16, 0x0, 0x40}},
    {"D44", 39, {"MODE_SELECT", 0, 1, 0, 0x0100, 8, 0x1, 0x1}},
    {"D46", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x0300, 16, 0x5, 0x1F}},
    {"D46", 2, {"PRE_PLL_CLK_DIV", 1, 0, 0, 0x0304, 16, 0x1, 0x3F}},
    {"D46", 31, {"SCALE_M", 0, 1, 0, 0x0404, 16, 0x10, 0xFF}},
    {"D51", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x0300, 16, 0x5, 0x1F}},
    {"D51", 2, {"PRE_PLL_CLK_DIV", 1, 0, 0, 0x0304, 16, 0x1, 0x3F}},
    {"D51", 35, {"PDAF_ODP_LLENGTH", 0, 1, 0, 0x32CA, 16, 0x486, 0xFFFF}},
    {"D52", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x0300, 16, 0x5, 0x1F}},
    {"D52", 2, {"PRE_PLL_CLK_DIV", 1, 0, 0, 0x0304, 16, 0x1, 0x3F}},
    {"D52", 35, {"PDAF_ODP_LLENGTH", 0, 1, 0, 0x32CA, 16, 0x486, 0xFFFF}},
    {"D53", 0, {"MODE_SELECT", 0, 0, 0, 0x0100, 8, 0x0, 0x1}},
    {"D53", 8, {"SMIA_TEST", 1, 0, 0, 0x3064, 16, 0x0, 0x40}},
    {"D53", 9, {"SMIA_TEST", 1, 0, 0, 0x3064, 16, 0x1, 0x2000}},
    {"D53", 22, {"GROUPED_PARAMETER_HOLD", 0, 1, 0, 0x0104, 8, 0x1, 0x1}},
    {"D53", 39, {"GROUPED_PARAMETER_HOLD", 0, 1, 0, 0x0104, 8, 0x0, 0x1}},
    {"D53", 40, {"MODE_SELECT", 0, 1, 0, 0x0100, 8, 0x1, 0x1}},
    {"D54a", 0, {"cam_sysctl_pll_control", 0, 0, 18, 0x0284, 8, 0x1, 0xFF}},
    {"D54a", 16, {"cam_sensor_control_operation_mode", 1, 1, 18, 0x0044, 16, 0x2, 0x7}},
    {"D54a", 31, {"cam_aet_frame_rate_2", 0, 1, 18, 0x00D8, 16, 0x0, 0xFFFF}},
    {"D54b", 0, {"cam_sysctl_pll_control", 0, 0, 18, 0x0284, 8, 0x1, 0xFF}},
    {"D54b", 1, {"cam_sysctl_pll_divider_m_n_1_clk", 0, 0, 18, 0x0288, 16, 0x110, 0xFFFF}},
    {"D54b", 2, {"cam_sysctl_pll_divider_m_n_2_clk", 0, 0, 18, 0x028A, 16, 0x0, 0xFFFF}},
    {"D54b", 3, {"cam_sysctl_pll_divider_p_1_clk", 0, 0, 18, 0x028C, 16, 0x77, 0xFFFF}},
    {"D54b", 4, {"cam_sysctl_pll_divider_p_2_clk", 0, 0, 18, 0x028E, 16, 0x0, 0xFFFF}},
    {"D54b", 5, {"cam_port_parallel_control", 0, 0, 18, 0x029C, 16, 0x285, 0xFFFF}},
    {"D54b", 6, {"cam_sensor_control_external_pll", 0, 1, 18, 0x0038, 32, 0x4020859, 0xFFFFFFFF}},
    {"D54b", 7, {"cam_sensor_cfg_y_addr_start", 0, 1, 18, 0x0004, 16, 0x24, 0xFFFF}},
    {"D54b", 17, {"cam_sensor_control_operation_mode", 1, 1, 18, 0x0044, 16, 0x2, 0x7}},
    {"D54b", 22, {"cam_crop_window_height", 0, 1, 18, 0x00A2, 16, 0x3C0, 0xFFFF}},
    {"D54b", 23, {"cam_fov_calib_x_offset", 0, 1, 18, 0x00A8, 8, 0x0, 0xFF}},
    {"D54b", 26, {"cam_output_height", 0, 1, 18, 0x0292, 16, 0x3C0, 0xFFFF}},
    {"D54b", 27, {"cam_aet_aemode", 0, 1, 18, 0x00BC, 8, 0x0, 0xFF}},
    {"D54b", 30, {"cam_aet_frame_rate_2", 0, 1, 18, 0x00D8, 16, 0x0, 0xFFFF}},
    {"D57", 0, {"cam_sysctl_pll_control", 0, 0, 18, 0x02C8, 8, 0xD, 0xFF}},
    {"D57", 16, {"cam_sensor_control_operation_mode", 1, 1, 18, 0x0044, 16, 0x0, 0x37}},
    {"D57", 44, {"net_cfg_net_clock_freq", 0, 1, 3, 0x0016, 8, 0x19, 0xFF}},
    {"D58", 0, {"cam_sysctl_pll_control", 0, 0, 18, 0x02C8, 8, 0xD, 0xFF}},
    {"D58", 16, {"cam_sensor_control_operation_mode", 1, 1, 18, 0x0044, 16, 0x0, 0x37}},
    {"D58", 20, {"cam_sensor_cfg_line_length_pck", 0, 1, 18, 0x0016, 16, 0x68C, 0xFFFF}},
    {"D58", 21, {"cam_sensor_cfg_fine_integ_time_min", 0, 1, 18, 0x0010, 16, 0x68C, 0xFFFF}},
    {"D58", 22, {"cam_sensor_cfg_fine_integ_time_max", 0, 1, 18, 0x0012, 16, 0x68C, 0xFFFF}},
    {"D58", 23, {"cam_mode_select", 0, 1, 18, 0x0090, 8, 0x0, 0xFF}},
    {"D58", 45, {"cam_port_max_packet_payload", 0, 0, 18, 0x0300, 16, 0x298, 0xFFFF}},
    {"D58", 46, {"cam_aet_mode", 1, 1, 18, 0x00BC, 0, 0x4, 0x2}},
    {"D58", 47, {"net_cfg_net_clock_freq", 0, 1, 3, 0x0016, 8, 0x19, 0xFF}},
    {"D58", 48, {"cam_sysctl_clock_control", 0, 1, 18, 0x02C9, 8, 0x0, 0xFF}},
    {"D58", 49, {"TX_KS_LINE_LENGTH_PCK", 0, 1, 0, 0x3C0C, 16, 0x0, 0xFFFF}},
    {"D58", 50, {"TX_KS_FRAME_LENGTH_LINES", 0, 1, 0, 0x3C0E, 16, 0x0, 0xFFFF}},
    {"D58", 51, {"TX_KS_LINE_VALID_START_ROW", 0, 1, 0, 0x3C10, 16, 0x4, 0xFFFF}},
    {"D58", 52, {"TX_KS_LINE_VALID_START_COL", 0, 1, 0, 0x3C12, 16, 0x0, 0xFFFF}},
    {"D58", 53, {"TX_KS_LINE_VALID_STOP_ROW", 0, 1, 0, 0x3C14, 16, 0x0, 0xFFFF}},
    {"D58", 54, {"TX_KS_LINE_VALID_STOP_COL", 0, 1, 0, 0x3C16, 16, 0x0, 0xFFFF}},
    {"D58", 55, {"TX_KS_FRAME_VALID_START_ROW", 0, 1, 0, 0x3C18, 16, 0x4, 0xFFFF}},
    {"D58", 56, {"TX_KS_FRAME_VALID_START_COL", 0, 1, 0, 0x3C1A, 16, 0x0, 0xFFFF}},
    {"D58", 57, {"TX_KS_FRAME_VALID_LAST_ROW", 0, 1, 0, 0x3C1C, 16, 0x0, 0xFFFF}},
    {"D58", 58, {"TX_KS_FRAME_VALID_STOP_COL", 0, 1, 0, 0x3C1E, 16, 0x0, 0xFFFF}},
    {"D58", 59, {"cam_port_keepsync_control", 0, 1, 18, 0x0302, 8, 0x0, 0xFF}},
    {"D59", 0, {"HBLANK (B)", 0, 0, 0, 0x0005, 13, 0x15C, 0xFFFF}},
    {"D59", 10, {"Output Width (A)", 0, 1, 7, 0x0003, 16, 0x320, 0xFFFF}},
    {"D59", 48, {"Refresh Sequencer Mode", 0, 1, 1, 0x0003, 8, 0x6, 0xFF}},
    {"D59", 49, {"Refresh Sequencer", 0, 1, 1, 0x0003, 8, 0x5, 0xFF}},
    {"D60", 0, {"PLL Dividers", 0, 0, 0, 0x0010, 16, 0x11E, 0x7FFF}},
    {"D60", 2, {"Output Width (A)", 0, 1, 7, 0x0003, 16, 0x140, 0xFFFF}},
    {"D60", 48, {"Min_amplitude", 0, 1, 4, 0x0010, 8, 0xA, 0xFF}},
    {"Vek_125", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x0300, 16, 0x0005, 0x001F}},
    {"Vek_125", 2, {"PRE_PLL_CLK_DIV", 1, 0, 0, 0x0304, 16, 0x0002, 0x003F}},
    {"Vek_125", 3, {"PLL_MULTIPLIER", 1, 0, 0, 0x0306, 16, 0x0050, 0x00FF}},
    {"Vek_125", 4, {"PRE_PLL2_CLK_DIV", 1, 0, 0, 0x0304, 16, 0x000A, 0x3F00}},
    {"Vek_125", 5, {"PLL2_MULTIPLIER", 1, 0, 0, 0x0306, 16, 0x0001, 0xFF00}},
    {"Vek_125", 26, {"COARSE_INTEGRATION_TIME", 0, 1, 0, 0x3012, 16, 0x0010, 0xFFFF}},
    {"Murn_102", 0, {"Clock control", 0, 0, 0, 0x0016, 16, 0x005D, 0x415D}},
    {"Murn_102", 1, {"System Set State", 0, 0, 0, 0x0040, 16, 0x8002, 0xFFFF}},
    {"Murn_102", 2, {"Row Start", 0, 1, 18, 0x0000, 16, 0x0000, 0xFFFF}},
    {"Murn_102", 32, {"AE Window Yend", 0, 1, 18, 0x00FA, 16, 0x005F, 0xFFFF}},
    {"Murn_102", 33, {"System Next State", 0, 1, 23, 0x0000, 8, 0x0028, 0x00FF}},
    {"Murn_104", 0, {"pll_dividers", 0, 0, 0, 0x0010, 16, 0x0366, 0x3FFF}},
    {"Murn_104", 2, {"read_mode", 0, 1, 0, 0x3040, 16, 0x0000, 0x0000}},
    {"Murn_104", 10, {"stat_fd_zone_height", 0, 1, 6, 0x0003, 8, 0x0004, 0x00FF}},
    {"Murn_104", 20, {"seq_cmd", 0, 1, 1, 0x0000, 16, 0x0000, 0x0000}},
    {"Murn_104", 23, {"seg_cmd", 0, 1, 1, 0x0000, 16, 0x0000, 0x0000}},
    {"D67", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x0300, 16, 0x5, 0x1F}},
    {"D67", 8, {"COLUMN_CORRECTION", 1, 0, 0, 0x30D4, 16, 0x3, 0x6000}},
    {"D67", 26, {"SCALE_M", 0, 1, 0, 0x0404, 16, 0x10, 0xFF}},
    {"D69", 0, {"PLL Dividers", 0, 0, 0, 0x0010, 16, 0x11E, 0x7FFF}},
    {"D69", 5, {"PLL control: PLL_ENABLE on", 0, 0, 0, 0x0014, 16, 0x447, 0x9FFF}},
    {"D69", 6, {"PLL control: TEST_BYPASS off", 0, 0, 0, 0x0014, 16, 0x47, 0x9FFF}},
    {"D69", 7, {"PLL control: PLL_BYPASS off", 0, 0, 0, 0x0014, 16, 0x46, 0x9FFF}},
    {"D69", 9, {"Row Start (A)", 0, 1, 18, 0x0000, 16, 0x0, 0xFFFF}},
    {"D69", 44, {"Output Width (A)", 0, 1, 26, 0x0000, 16, 0x400, 0xFFFF}},
    {"D69", 53, {"JPEG Mode (B)", 0, 1, 27, 0x0092, 8, 0x0, 0xFF}},
    {"D70", 0, {"PLL Control: BYPASS PLL", 0, 0, 0, 0x0014, 16, 0x2545, 0xFFFF}},
    {"D70", 3, {"PLL Control: PLL_ENABLE on", 0, 0, 0, 0x0014, 16, 0x2547, 0xFFFF}},
    {"D70", 4, {"PLL Control: SEL_LOCK_DET on", 0, 0, 0, 0x0014, 16, 0x2447, 0xFFFF}},
    {"D70", 5, {"PLL Control: PLL_BYPASS off", 0, 0, 0, 0x0014, 16, 0x2047, 0xFFFF}},
    {"D70", 6, {"PLL Control:", 0, 0, 0, 0x0014, 16, 0x2046, 0xFFFF}},
    {"D70", 7, {"PLL Reset Control: OUTPUT", 1, 0, 0, 0x001A, 16, 0x0, 0x8}},
    {"D70", 10, {"Output Width (A)", 0, 1, 7, 0x0003, 16, 0x320, 0xFFFF}},
    {"D70", 58, {"Refresh Sequencer", 0, 1, 1, 0x0003, 8, 0x5, 0xFF}},
    {"D71", 0, {"cam_sysctl_pll_enable", 0, 1, 18, 0x017E, 8, 0x1, 0xFF}},
    {"D71", 52, {"auto_binning_crop_window_height", 0, 1, 26, 0x001C, 16, 0x1E0, 0xFFFF}},
    {"D72", 0, {"RESET_REGISTER", 0, 0, 0, 0x301A, 16, 0x2058, 0xBFFF}},
    {"D72", 8, {"COMBI_MODE", 1, 1, 0, 0x30BA, 16, 0x1, 0x100}},
    {"D72", 33, {"RESET_REGISTER", 0, 1, 0, 0x301A, 16, 0x2058, 0xBFFF}},
    {"D75", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x302A, 16, 0x6, 0x1F}},
    {"D75", 6, {"PLL_CONTROL", 1, 0, 0, 0x31DC, 16, 0x3, 0x30}},
    {"D75", 17, {"READ_MODE_VERT_FLIP", 1, 1, 0, 0x3040, 16, 0x0, 0x8000}},
    {"D75", 20, {"READ_MODE_ROW_BIN", 1, 1, 0, 0x3040, 16, 0x0, 0x1000}},
    {"D75", 42, {"EXPOSURE RATIO", 0, 1, 0, 0x3238, 16, 0x222, 0x8777}},
    {"D75", 61, {"RESET_REGISTER_DRIVE_PINS", 1, 1, 0, 0x301A, 16, 0x1, 0x40}},
    {"D75", 63, {"RESET_REGISTER_SER_DIS", 1, 1, 0, 0x301A, 16, 0x1, 0x1000}},
    {"D76", 0, {"RESET_REGISTER", 0, 0, 0, 0x301A, 16, 0x2058, 0xBFFF}},
    {"D76", 8, {"COMBI_MODE", 1, 1, 0, 0x30BA, 16, 0x1, 0x100}},
    {"D76", 15, {"COARSE_INTEGRATION_TIME", 0, 1, 0, 0x3012, 16, 0x10, 0xFFFF}},
    {"D76", 16, {"DELTA_DK_CONTROL", 0, 1, 0, 0x3180, 16, 0x8089, 0xFEFF}},
    {"D76", 17, {"SH_ADVANCE", 1, 1, 0, 0x3062, 16, 0x2, 0x7000}},
    {"D76", 18, {"DIGITAL_TEST", 0, 1, 0, 0x30B0, 16, 0x1118, 0xFFFF}},
    {"D76", 19, {"DATA_FORMAT_BITS", 0, 1, 0, 0x31AC, 16, 0xC0C, 0xFFFF}},
    {"D76", 20, {"HISPI_CONTROL_STATUS", 0, 1, 0, 0x31C6, 16, 0x400, 0xFF8F}},
    {"D76", 21, {"DATAPATH_SELECT", 0, 1, 0, 0x306E, 16, 0x9010, 0xFF1F}},
    {"D76", 22, {"X_ODD_INC", 0, 1, 0, 0x30A2, 16, 0x1, 0x7}},
    {"D76", 37, {"RESET_REGISTER", 0, 1, 0, 0x301A, 16, 0x2058, 0xBFFF}},
    {"D76", 38, {"COMPANDING", 0, 1, 0, 0x31D0, 16, 0x0, 0x1}},
    {"D80", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x0300, 16, 0x5, 0xF}},
    {"D80", 28, {"RESET_REGISTER", 1, 1, 0, 0x301A, 16, 0x1, 0x4}},
    {"D81", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x0300, 16, 0x5, 0xF}},
    {"D81", 6, {"OP_SYS_CLK_DIV", 0, 0, 0, 0x030A, 16, 0x1, 0xF}},
    {"D81", 7, {"SERIAL_FORMAT", 0, 0, 0, 0x31AE, 16, 0x4, 0xF}},
    {"D81", 8, {"COARSE_INTEGRATION_TIME", 0, 1, 0, 0x3012, 16, 0x817, 0xFFFF}},
    {"D81", 22, {"RESET_REGISTER", 1, 1, 0, 0x301A, 16, 0x1, 0x4}},
    {"D82", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x0300, 16, 0xA, 0x1F}},
    {"D82", 8, {"COLUMN_CORRECTION", 1, 0, 0, 0x30D4, 16, 0x8000, 0x8000}},
    {"D82", 25, {"READ_MODE", 0, 1, 0, 0x3040, 16, 0x1, 0x1FF}},
    {"D83", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x302A, 16, 0x6, 0x1F}},
    {"D83", 6, {"DIGITAL_TEST", 1, 0, 0, 0x30B0, 16, 0x0, 0x4000}},
    {"D83", 57, {"EXPOSURE RATIO", 0, 1, 0, 0x3238, 16, 0x222, 0x8777}},
    {"D83", 77, {"RESET_REGISTER_STREAM", 1, 1, 0, 0x301A, 16, 0x1, 0x4}},
    {"D84", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x302A, 16, 0x6, 0x1F}},
    {"D84", 6, {"DIGITAL_TEST", 1, 0, 0, 0x30B0, 16, 0x0, 0x4000}},
    {"D84", 56, {"EXPOSURE RATIO", 0, 1, 0, 0x3238, 16, 0x222, 0x8777}},
    {"D84", 77, {"RESET_REGISTER_STREAM", 1, 1, 0, 0x301A, 16, 0x1, 0x4}},
    {"D85", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x302A, 16, 0x6, 0x1F}},
    {"D85", 6, {"DIGITAL_TEST", 1, 0, 0, 0x30B0, 16, 0x0, 0x4000}},
    {"D85", 53, {"EXPOSURE RATIO", 0, 1, 0, 0x3238, 16, 0x222, 0x8777}},
    {"D85", 81, {"RESET_REGISTER_STREAM", 1, 1, 0, 0x301A, 16, 0x1, 0x4}},
    {"D86", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x302A, 16, 0x6, 0x1F}},
    {"D86", 6, {"DIGITAL_TEST", 1, 0, 0, 0x30B0, 16, 0x0, 0x4010}},
    {"D86", 40, {"RESET_REGISTER", 0, 1, 0, 0x301A, 16, 0x2058, 0xBFFF}},
    {"D88", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x302A, 16, 0x6, 0x1F}},
    {"D88", 14, {"DIGITAL_TEST", 1, 0, 0, 0x30B0, 16, 0x0, 0x5000}},
    {"D88", 33, {"RESET_REGISTER", 0, 1, 0, 0x301A, 16, 0x2058, 0xBFFF}},
    {"D90", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x0300, 16, 0x5, 0x1F}},
    {"D90", 2, {"PRE_PLL_CLK_DIV", 1, 0, 0, 0x0304, 16, 0x1, 0x3F}},
    {"D90", 37, {"BM_T1", 0, 1, 0, 0x3F02, 16, 0x50, 0xFFF}},
    {"D92", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x302A, 16, 0x6, 0x1F}},
    {"D92", 6, {"DIGITAL_TEST", 1, 0, 0, 0x30B0, 16, 0x0, 0x4000}},
    {"D92", 76, {"EXPOSURE RATIO", 0, 1, 0, 0x3238, 16, 0x222, 0x8777}},
    {"D92", 97, {"RESET_REGISTER_STREAM", 1, 1, 0, 0x301A, 16, 0x1, 0x4}},
    {"D94", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x302A, 16, 0x6, 0x1F}},
    {"D94", 22, {"EXPOSURE RATIO", 0, 1, 0, 0x3238, 16, 0x222, 0x8777}},
    {"D94", 31, {"RESET_REGISTER_SER_DIS", 1, 1, 0, 0x301A, 16, 0x1, 0x1000}},
    {"D94", 32, {"RESET_REGISTER_STREAM", 1, 1, 0, 0x301A, 16, 0x1, 0x4}},
    {"D95", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x0300, 16, 0x5, 0x1F}},
    {"D95", 2, {"PRE_PLL_CLK_DIV", 1, 0, 0, 0x0304, 16, 0x1, 0x3F}},
    {"D95", 33, {"PDAF_ROW_CONTROL", 0, 1, 0, 0x3222, 16, 0xE060, 0xEFFF}},
    {"D99", 0, {"RESET_REGISTER_LOCK_REG", 0, 1, 0, 0x301A, 16, 0x5C, 0xFFDF}},
    {"D99", 62, {"RESET_REGISTER_STREAM", 0, 1, 0, 0x301A, 16, 0x5C, 0xFFDF}},
    {"D103", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x302A, 16, 0x6, 0x1F}},
    {"D103", 6, {"DIGITAL_TEST", 1, 0, 0, 0x30B0, 16, 0x0, 0x4000}},
    {"D103", 31, {"RESET_REGISTER", 0, 1, 0, 0x301A, 16, 0x2058, 0xBFFF}},
    {"D105", 0, {"PLL_COMPONENT0_REG", 0, 0, 0, 0x3500, 16, 0x3003, 0xFF3F}},
    {"D105", 19, {"HISPI_BLANKING_DATA_REG", 0, 0, 0, 0x3E32, 16, 0x3A6, 0xFFFF}},
    {"D110", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x302A, 16, 0x6, 0x1F}},
    {"D110", 6, {"PLL_CONTROL", 1, 0, 0, 0x31DC, 16, 0x3, 0x30}},
    {"D110", 42, {"EXPOSURE RATIO", 0, 1, 0, 0x3238, 16, 0x222, 0x8777}},
    {"D110", 66, {"RESET_REGISTER_LOCK", 1, 1, 0, 0x301A, 16, 0x1, 0x8}},
    {"D111", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x0300, 16, 0x0, 0x1F}},
    {"D111", 2, {"PRE_PLL_CLK_DIV", 1, 0, 0, 0x0304, 16, 0x0, 0x3F}},
    {"D111", 32,
     {"SF_BIN_ENABLE0(FIELD_WR= ANALOG_CONTROL6, PARALLEL_SHUTTER)", 0, 1, 0, 0x317A, 16, 0x0, 0xFFFF}},
    {"D111", 56, {"FB_ROI_1_LLPCK", 0, 1, 0, 0x3744, 16, 0x0, 0xFFFF}},
    {"D112", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x0300, 16, 0x5, 0x1F}},
    {"D112", 26, {"Y_EVEN_INC_", 0, 1, 0, 0x30A4, 16, 0x1, 0xF}},
    {"D112", 30, {"SCALE_M", 0, 1, 0, 0x0404, 16, 0x10, 0xFF}},
    {"D113", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x0300, 16, 0x5, 0x1F}},
    {"D113", 26, {"Y_EVEN_INC_", 0, 1, 0, 0x30A4, 16, 0x1, 0xF}},
    {"D113", 30, {"SCALE_M", 0, 1, 0, 0x0404, 16, 0x10, 0xFF}},
    {"D114", 0, {"PATTERN_ENABLE", 0, 0, 0, 0x0000, 8, 0x0, 0xFF}},
    {"D114", 153, {"TX3_BIAS", 0, 0, 0, 0x0167, 16, 0x7777, 0xFFFF}},
    {"D115", 0, {"VT_PIX_CLK_DIV", 0, 0, 0, 0x302A, 16, 0x6, 0x1F}},
    {"D115", 12, {"VCO_RANGE", 1, 0, 0, 0x5754, 16, 0x3, 0x30}},
    {"D115", 48, {"EXPOSURE RATIO", 0, 1, 0, 0x3238, 16, 0x222, 0x8777}},
    {"D115", 69, {"RESET_REGISTER_STREAM", 1, 1, 0, 0x301A, 16, 0x1, 0x4}},
};

struct SharedRun {
    const char *id;
    int first;
    const char *base;
    int baseFirst;
    int length;
};

// Runs of rows a table has in common with an earlier table, in the same
// order. Each of these tables holds rows of its own, so a run can drift
// from its origin; tables with all the rows of another are in kSameRows.
const SharedRun kShared[] = {
    {"D15", 0, "D14", 0, 29},
    {"D54b", 0, "D54a", 0, 2},
    {"D54b", 3, "D54a", 2, 1},
    {"D54b", 5, "D54a", 3, 2},
    {"D54b", 7, "D54a", 6, 16},
    {"D54b", 23, "D54a", 23, 4},
    {"D54b", 27, "D54a", 28, 4},
    {"D58", 0, "D57", 0, 21},
    {"D58", 23, "D57", 21, 23},
    {"D58", 47, "D57", 44, 1},
    {"D76", 0, "D72", 0, 16},
    {"D76", 17, "D72", 16, 1},
    {"D76", 22, "D72", 18, 16},
    {"D81", 0, "D80", 0, 7},
    {"D81", 8, "D80", 14, 15},
};

struct SameRows {
    const char *id;
    const char *source;
};

// The tables whose sensors have exactly the rows of an earlier table, and
// no other pair of tables alike.
const SameRows kSameRows[] = {
    {"D44", "D42"},
    {"D52", "D51"},
    {"D113", "D112"},
};

bool sameRow(const RegRow &a, const RegRow &b) {
    return std::strcmp(a.name, b.name) == 0 && a.bitfield == b.bitfield && a.section == b.section &&
           a.id == b.id && a.address == b.address && a.width == b.width && a.value == b.value &&
           a.mask == b.mask;
}

bool sameRow(const REGS_DESC_T &a, const RegRow &b) {
    return a.name == QLatin1String(b.name) && a.bitfield == b.bitfield && a.section == b.section &&
           a.id == b.id && a.address == b.address && a.width == b.width && a.value == b.value &&
           a.mask == b.mask;
}

// A row that no table holds, to see which rows an install leaves alone.
REGS_DESC_T sentinel() {
    REGS_DESC_T r;
    r.name = QStringLiteral("untouched");
    r.bitfield = 7;
    r.section = 7;
    r.id = 7;
    r.address = 0xDEAD;
    r.width = 7;
    r.value = 0xBEEF;
    r.mask = 0xCAFE;
    return r;
}

bool isSentinel(const REGS_DESC_T &r) {
    const REGS_DESC_T s = sentinel();
    return r.name == s.name && r.bitfield == s.bitfield && r.section == s.section && r.id == s.id &&
           r.address == s.address && r.width == s.width && r.value == s.value && r.mask == s.mask;
}

const RegTable &table(const char *id) {
    const RegTable *t = RegTables::find(QLatin1String(id));
    if (!t)
        qFatal("no table %s", id);
    return *t;
}

bool sameRows(const RegTable &a, const RegTable &b) {
    if (a.count != b.count)
        return false;
    for (int k = 0; k < a.count; ++k) {
        if (!sameRow(a.rows[k], b.rows[k]))
            return false;
    }
    return true;
}

} // namespace

class TestRegTables : public QObject {
    Q_OBJECT

private slots:
    void rowCount_data();
    void rowCount();
    void indexHoldsExactlyTheTables();
    void spotRow_data();
    void spotRow();
    void sharedRows_data();
    void sharedRows();
    void sameRowsAsAnotherTable();
    void wholeTableProperties();
    void unknownIdGivesNull();
    void install_data();
    void install();
    void installIsBoundedByCapacity();
    void installLeavesLaterRowsAlone();
};

void TestRegTables::rowCount_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("count");
    for (const ExpectedCount &e : kCounts)
        QTest::newRow(e.id) << QString::fromLatin1(e.id) << e.count;
}

void TestRegTables::rowCount() {
    QFETCH(QString, id);
    QFETCH(int, count);
    const RegTable *t = RegTables::find(id);
    QVERIFY(t);
    QCOMPARE(QString::fromLatin1(t->id), id);
    QVERIFY(t->rows);
    QCOMPARE(t->count, count);
}

void TestRegTables::indexHoldsExactlyTheTables() {
    int n = -1;
    const RegTable *tables = RegTables::all(&n);
    QVERIFY(tables);
    QCOMPARE(n, int(sizeof(kCounts) / sizeof(kCounts[0])));
    QSet<QString> seen;
    for (int i = 0; i < n; ++i) {
        const QString id = QString::fromLatin1(tables[i].id);
        QVERIFY2(!seen.contains(id), qPrintable(id));
        seen.insert(id);
        QCOMPARE(RegTables::find(id), &tables[i]);
    }
    for (const ExpectedCount &e : kCounts)
        QVERIFY2(seen.contains(QLatin1String(e.id)), e.id);
    QCOMPARE(RegTables::all(nullptr), tables);
}

void TestRegTables::spotRow_data() {
    QTest::addColumn<int>("entry");
    for (int i = 0; i < int(sizeof(kRows) / sizeof(kRows[0])); ++i)
        QTest::newRow(
            qPrintable(QStringLiteral("%1[%2]").arg(QLatin1String(kRows[i].id)).arg(kRows[i].index)))
            << i;
}

void TestRegTables::spotRow() {
    QFETCH(int, entry);
    const ExpectedRow &e = kRows[entry];
    const RegTable &t = table(e.id);
    QVERIFY(e.index < t.count);
    const RegRow &r = t.rows[e.index];
    QCOMPARE(QLatin1String(r.name), QLatin1String(e.row.name));
    QCOMPARE(r.bitfield, e.row.bitfield);
    QCOMPARE(r.section, e.row.section);
    QCOMPARE(r.id, e.row.id);
    QCOMPARE(r.address, e.row.address);
    QCOMPARE(r.width, e.row.width);
    QCOMPARE(r.value, e.row.value);
    QCOMPARE(r.mask, e.row.mask);
}

void TestRegTables::sharedRows_data() {
    QTest::addColumn<int>("entry");
    for (int i = 0; i < int(sizeof(kShared) / sizeof(kShared[0])); ++i) {
        const SharedRun &s = kShared[i];
        QTest::newRow(qPrintable(QStringLiteral("%1[%2..] = %3[%4..]")
                                     .arg(QLatin1String(s.id))
                                     .arg(s.first)
                                     .arg(QLatin1String(s.base))
                                     .arg(s.baseFirst)))
            << i;
    }
}

void TestRegTables::sharedRows() {
    QFETCH(int, entry);
    const SharedRun &s = kShared[entry];
    const RegTable &t = table(s.id);
    const RegTable &base = table(s.base);
    // Rows shared in storage would compare a row with itself.
    QVERIFY(t.rows != base.rows);
    QVERIFY(s.first + s.length <= t.count);
    QVERIFY(s.baseFirst + s.length <= base.count);
    for (int k = 0; k < s.length; ++k)
        QVERIFY2(sameRow(t.rows[s.first + k], base.rows[s.baseFirst + k]),
                 qPrintable(QStringLiteral("row %1").arg(s.first + k)));
}

// Exactly the pairs of kSameRows have the same rows (so no table was pointed at
// the rows of another by mistake), and those rows are the source's own: its
// rows written out in kRows are found in both tables.
void TestRegTables::sameRowsAsAnotherTable() {
    int n = 0;
    const RegTable *tables = RegTables::all(&n);
    QStringList alike;
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (sameRows(tables[i], tables[j]))
                alike << QStringLiteral("%1 = %2").arg(QLatin1String(tables[j].id), QLatin1String(tables[i].id));
        }
    }
    QStringList expected;
    for (const SameRows &s : kSameRows)
        expected << QStringLiteral("%1 = %2").arg(QLatin1String(s.id), QLatin1String(s.source));
    QCOMPARE(alike, expected);

    for (const SameRows &s : kSameRows) {
        const RegTable &t = table(s.id);
        int spots = 0;
        for (const ExpectedRow &e : kRows) {
            if (std::strcmp(e.id, s.source) != 0)
                continue;
            ++spots;
            QVERIFY2(e.index < t.count && sameRow(t.rows[e.index], e.row),
                     qPrintable(QStringLiteral("%1[%2]").arg(QLatin1String(s.id)).arg(e.index)));
        }
        QVERIFY2(spots >= 2, s.source);
    }
}

void TestRegTables::wholeTableProperties() {
    // Every row of D71 belongs to the timing section.
    const RegTable &d71 = table("D71");
    for (int i = 0; i < d71.count; ++i)
        QCOMPARE(d71.rows[i].section, 1);

    // The tables from D83 on hold plain sensor registers only.
    const char *plain[] = {"D83", "D84", "D85", "D86", "D88", "D90", "D92", "D94", "D95", "D99",
                           "D103", "D105", "D110", "D111", "D112", "D113", "D114", "D115"};
    for (const char *id : plain) {
        const RegTable &t = table(id);
        for (int i = 0; i < t.count; ++i)
            QVERIFY2(t.rows[i].id == 0, qPrintable(QStringLiteral("%1[%2]").arg(QLatin1String(id)).arg(i)));
    }
}

void TestRegTables::unknownIdGivesNull() {
    QCOMPARE(RegTables::find(QStringLiteral("D2")), nullptr);
    QCOMPARE(RegTables::find(QStringLiteral("D54")), nullptr);
    QCOMPARE(RegTables::find(QStringLiteral("D1 ")), nullptr);
    QCOMPARE(RegTables::find(QStringLiteral("Vek_126")), nullptr);
    QCOMPARE(RegTables::find(QString()), nullptr);
}

void TestRegTables::install_data() {
    QTest::addColumn<QString>("id");
    for (const ExpectedCount &e : kCounts)
        QTest::newRow(e.id) << QString::fromLatin1(e.id);
}

void TestRegTables::install() {
    QFETCH(QString, id);
    const RegTable *t = RegTables::find(id);
    QVERIFY(t);
    QVector<REGS_DESC_T> regs(200, sentinel());
    QCOMPARE(RegTables::install(*t, regs.data(), regs.size()), t->count);
    for (int i = 0; i < t->count; ++i)
        QVERIFY2(sameRow(regs[i], t->rows[i]), qPrintable(QStringLiteral("row %1").arg(i)));
    for (int i = t->count; i < regs.size(); ++i)
        QVERIFY2(isSentinel(regs[i]), qPrintable(QStringLiteral("row %1").arg(i)));
}

void TestRegTables::installIsBoundedByCapacity() {
    const RegTable &t = table("D12");
    QVector<REGS_DESC_T> regs(200, sentinel());

    QCOMPARE(RegTables::install(t, regs.data(), 10), 10);
    for (int i = 0; i < 10; ++i)
        QVERIFY(sameRow(regs[i], t.rows[i]));
    QVERIFY(isSentinel(regs[10]));

    QVector<REGS_DESC_T> none(4, sentinel());
    QCOMPARE(RegTables::install(t, none.data(), 0), 0);
    QCOMPARE(RegTables::install(t, none.data(), -3), 0);
    QVERIFY(isSentinel(none[0]));

    // Exactly as many rows as the table.
    QVector<REGS_DESC_T> exact(t.count, sentinel());
    QCOMPARE(RegTables::install(t, exact.data(), exact.size()), t.count);
    QVERIFY(sameRow(exact.last(), t.rows[t.count - 1]));
}

void TestRegTables::installLeavesLaterRowsAlone() {
    // A shorter table installed over a longer one replaces only its own rows.
    const RegTable &longer = table("D12");
    const RegTable &shorter = table("D1");
    QVector<REGS_DESC_T> regs(200, sentinel());
    QCOMPARE(RegTables::install(longer, regs.data(), regs.size()), 32);
    QCOMPARE(RegTables::install(shorter, regs.data(), regs.size()), 24);
    for (int i = 0; i < 24; ++i)
        QVERIFY(sameRow(regs[i], shorter.rows[i]));
    for (int i = 24; i < 32; ++i)
        QVERIFY(sameRow(regs[i], longer.rows[i]));
    QVERIFY(isSentinel(regs[32]));
}

QTEST_APPLESS_MAIN(TestRegTables)

#include "tst_regtables.moc"
