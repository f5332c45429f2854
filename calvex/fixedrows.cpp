#include "fixedrows.h"

#include <cstring>

namespace {

struct FixedRows {
    const char *table;
    const char *const *names; // ends with nullptr
};

// One list per table, the names as the table spells them; a name stands for
// every row of that name (a register written at several points of a
// sequence). A table with the same rows as an earlier one shares its list.

// Tolm_104: PLL and port controls, the sensor's fine-timing constants, AE and statistics modes.
const char *const kD1[] = {"cam_sysctl_pll_control",
                           "cam_port_parallel_control",
                           "cam_sensor_cfg_fine_integ_time_min",
                           "cam_sensor_cfg_fine_integ_time_max",
                           "cam_sensor_cfg_fine_correction",
                           "cam_frame_scan_control",
                           "cam_aet_aemode",
                           "cam_aet_ae_min_virt_int_time_pclk",
                           "cam_stat_calcmode",
                           nullptr};

// Murn_101: as Tolm_104, and the zoom factor.
const char *const kD3[] = {"cam_sysctl_pll_control",
                           "cam_port_parallel_control",
                           "cam_sensor_cfg_fine_integ_time_min",
                           "cam_sensor_cfg_fine_integ_time_max",
                           "cam_sensor_cfg_fine_correction",
                           "cam_frame_scan_control",
                           "cam_zoom_factor",
                           "cam_aet_aemode",
                           "cam_aet_ae_min_virt_int_time_pclk",
                           "cam_stat_calcmode",
                           nullptr};

// Brel_101: reset and test controls, HDR compression, fine integration, operation modes.
const char *const kD12[] = {"RESET_REGISTER",
                            "DIGITAL_TEST",
                            "HDR_COMP",
                            "FINE_INTEGRATION_TIME",
                            "OPERATION_MODE_CTRL",
                            "OPERATION_MODE_CTRL_CB",
                            "FINE_INTEGRATION_TIME_CB",
                            nullptr};

// Murn_105: standby, transmitter and pad controls; the flicker search windows and zones.
const char *const kD13[] = {"standby_control_and_status",
                            "tx_control",
                            "pad_slew",
                            "fine_correction",
                            "stat_fd_zone_height",
                            "cam_fd_config_search_f1_50",
                            "cam_fd_config_search_f2_50",
                            "cam_fd_config_search_f1_60",
                            "cam_fd_config_search_f2_60",
                            "cam_fd_config_max_fdzone_50hz",
                            "cam_fd_config_max_fdzone_60hz",
                            "cam_ae_config_target_fdzone",
                            nullptr};

// Brel_102: reset, row speed, test and HiSPi controls, fine integration.
const char *const kD14[] = {
    "RESET_REGISTER",       "ROW_SPEED", "DIGITAL_TEST", "FINE_INTEGRATION_TIME", "FINE_INTEGRATION_TIME_CB",
    "HISPI_CONTROL_STATUS", nullptr};

// Brel_102, second table: as D14, and operation modes and HDR compression.
const char *const kD15[] = {"RESET_REGISTER",
                            "ROW_SPEED",
                            "DIGITAL_TEST",
                            "FINE_INTEGRATION_TIME",
                            "FINE_INTEGRATION_TIME_CB",
                            "HISPI_CONTROL_STATUS",
                            "OPERATION_MODE_CTRL",
                            "OPERATION_MODE_CTRL_CB",
                            "HDR_COMP",
                            nullptr};

// Vek_101: reset controls, HDR compression, fine integration, operation modes.
const char *const kD21[] = {
    "RESET_REGISTER",           "HDR_COMP", "FINE_INTEGRATION_TIME", "OPERATION_MODE_CTRL", "OPERATION_MODE_CTRL_CB",
    "FINE_INTEGRATION_TIME_CB", nullptr};

// Vek_108: reset, serial-format and digital controls, operation modes, HDR motion compensation.
const char *const kD22[] = {"RESET_REGISTER",         "SERIAL_FORMAT", "DIGITAL_CTRL", "OPERATION_MODE_CTRL",
                            "OPERATION_MODE_CTRL_CB", "HDR_MC_CTRL3",  nullptr};

// Brel_103: mode, reset, test and serial-link controls, fine timing, scaler mode.
const char *const kD25[] = {"MODE_SELECT",           "RESET_REGISTER",  "SMIA_TEST",       "MIPI_CONFIG_STATUS",
                            "FRAME_PREAMBLE",        "LINE_PREAMBLE",   "CCP_DATA_FORMAT", "GROUPED_PARAMETER_HOLD",
                            "FINE_INTEGRATION_TIME", "FINE_CORRECTION", "SCALING_MODE",    nullptr};

// Vek_124: PLL, transmitter, MIPI and reset control bits, fine timing, analog and colour settings, frame-memory mode.
const char *const kD26[] = {"pll_control",
                            "tx_control",
                            "FM_TRIGGER_MARK",
                            "mipi_control",
                            "reset_and_misc_control",
                            "fine_correction",
                            "fine_integration_time",
                            "dac_ld_2_3",
                            "first_color",
                            "pga_control",
                            "FM_MODE",
                            "FM_CTRL",
                            "out_image_porches",
                            nullptr};

// Murn_109: port and output formats, the sensor's fine-timing constants, AE mode.
const char *const kD27[] = {"cam_port_output_control",
                            "cam_port_porch",
                            "cam_port_mipi_timing_t_hs_pre",
                            "cam_sensor_cfg_row_speed",
                            "cam_sensor_cfg_fine_integ_time_min",
                            "cam_sensor_cfg_fine_integ_time_max",
                            "cam_sensor_cfg_fine_correction",
                            "cam_sensor_cfg_reg_0_data",
                            "cam_output_format",
                            "cam_aet_aemode",
                            nullptr};

// Brel_104: reset, serial-format and operation-mode controls, HDR motion compensation.
const char *const kD28[] = {"RESET_REGISTER",         "SERIAL_FORMAT", "OPERATION_MODE_CTRL",
                            "OPERATION_MODE_CTRL_CB", "HDR_MC_CTRL3",  nullptr};

// Brel_105: reset and serial-link controls, fine timing, sequencer words.
const char *const kD30[] = {"RESET_REGISTER",
                            "SERIAL_FORMAT",
                            "FRAME_PREAMBLE",
                            "LINE_PREAMBLE",
                            "FINE_INTEGRATION_TIME",
                            "FINE_INTEGRATION_TIME_CB",
                            "EXTRA_DELAY",
                            "DIGITAL_CTRL",
                            "SEQ_CTRL_PORT",
                            "SEQ_DATA_PORT",
                            nullptr};

// Murn_111: PLL, reset, pad and standby controls, the P7 divider, per-context sensor constants and frame and line
// limits, output formats, flicker search ranges, firmware commands.
const char *const kD31[] = {"pll_control",
                            "reset_and_misc_control",
                            "pad_slew_pad_config",
                            "vdd_dis_counter",
                            "pll_p7_divider",
                            "standby_control_and_status",
                            "cam_core_a_row_speed",
                            "cam_core_a_skip_x_pipe",
                            "cam_core_a_skip_y_pipe",
                            "cam_core_a_power_mode",
                            "cam_core_a_bin_mode",
                            "cam_core_a_pixel_order",
                            "cam_core_a_fine_correction",
                            "cam_core_a_fine_itmin",
                            "cam_core_a_coarse_itmin",
                            "cam_core_a_coarse_itmax_margin",
                            "cam_core_a_min_frame_length_lines",
                            "cam_core_a_max_frame_length_lines",
                            "cam_core_a_min_line_length_pclk",
                            "cam_core_a_max_line_length_pclk",
                            "cam_output_0_output_format",
                            "cam_output_0_output_format_order",
                            "cam_output_0_jpeg_control",
                            "cam_core_b_row_speed",
                            "cam_core_b_skip_x_pipe",
                            "cam_core_b_skip_y_pipe",
                            "cam_core_b_power_mode",
                            "cam_core_b_bin_mode",
                            "cam_core_b_pixel_order",
                            "cam_core_b_fine_correction",
                            "cam_core_b_fine_itmin",
                            "cam_core_b_coarse_itmin",
                            "cam_core_b_coarse_itmax_margin",
                            "cam_core_b_min_frame_length_lines",
                            "cam_core_b_max_frame_length_lines",
                            "cam_core_b_min_line_length_pclk",
                            "cam_core_b_max_line_length_pclk",
                            "cam_output_1_output_format",
                            "cam_output_1_output_format_order",
                            "cam_output_1_jpeg_control",
                            "fd_min_expected50hz_flicker_period",
                            "fd_max_expected50hz_flicker_period",
                            "fd_min_expected60hz_flicker_period",
                            "fd_max_expected60hz_flicker_period",
                            "io_i2c_clk_divider",
                            "sys_scale_mode",
                            "sys_zoom_ratio",
                            "seq_cmd",
                            nullptr};

// Brel_106: control mode, colour gains, read modes 1 and 2.
const char *const kD32[] = {"Control Mode",        "(3) GREEN1_GAIN_REG", "(3) BLUE_GAIN_REG", "(3) RED_GAIN_REG",
                            "(3) GREEN2_GAIN_REG", "Read Mode 1",         "Read Mode 2",       nullptr};

// Brel_107: mode, reset, test and serial-link controls, fine timing, scaler mode.
const char *const kD34[] = {"MODE_SELECT",           "RESET_REGISTER",  "SMIA_TEST",       "MIPI_CONFIG_STATUS",
                            "FRAME_PREAMBLE",        "LINE_PREAMBLE",   "CCP_DATA_FORMAT", "GROUPED_PARAMETER_HOLD",
                            "FINE_INTEGRATION_TIME", "FINE_CORRECTION", "SCALING_MODE",    nullptr};

// Vek_141: mode, row speed, test, data-path and serial-link controls, read style, scaler settings.
const char *const kD37[] = {"MODE_SELECT",      "ROW_SPEED",       "SMIA_TEST",
                            "DATA_PATH_SELECT", "SERIAL_FORMAT",   "FRAME_PREAMBLE",
                            "LINE_PREAMBLE",    "CCP_DATA_FORMAT", "GROUPED_PARAMETER_HOLD",
                            "READ_STYLE",       "SCALING_MODE",    "SPATIAL_SAMPLING",
                            "SECOND_RESIDUAL",  "SECOND_CROP",     nullptr};

// Vek_145l: serial-link and compression controls, fine timing, analog and array settings.
const char *const kD41[] = {"SERIAL_DATA_FORMAT",    "COMPRESSION_CONTROL",    "ROW_SPEED",
                            "SERIAL_FORMAT",         "FRAME_PREAMBLE",         "LINE_PREAMBLE",
                            "MIPI_CONFIG_STATUS",    "GROUPED_PARAMETER_HOLD", "FINE_CORRECTION",
                            "FINE_INTEGRATION_TIME", "ANALOG_OFFSET_CONTROL",  "WATER_MARK",
                            "ARRAY_CONTROL",         "SENSOR_ASMASK",          nullptr};

// Vek_147 and Vek_149: mode, reset, test and serial-link controls, analog bits, scaler settings, data path.
const char *const kD42[] = {"MODE_SELECT",
                            "SOFTWARE_RESET",
                            "RESET_REGISTER",
                            "SMIA_TEST",
                            "CCP_DATA_FORMAT",
                            "SERIAL_FORMAT",
                            "FRAME_PREAMBLE",
                            "LINE_PREAMBLE",
                            "GROUPED_PARAMETER_HOLD",
                            "ANALOG_CONTROL6",
                            "SCALING_MODE",
                            "SPATIAL_SAMPLING",
                            "SECOND_RESIDUAL",
                            "SECOND_CROP",
                            "DATA_PATH_SELECT",
                            nullptr};

// Vek_152: row speed, serial-link controls, analog bits, scaler mode.
const char *const kD46[] = {"ROW_SPEED",       "SERIAL_FORMAT",   "FRAME_PREAMBLE", "LINE_PREAMBLE", "ANALOG_CONTROL2",
                            "ANALOG_CONTROL6", "ANALOG_CONTROL9", "SCALING_MODE",   nullptr};

// Vek_153 and Vek_154: row speed, serial-link controls, analog settings, scaler mode, phase-detection rows.
const char *const kD51[] = {"ROW_SPEED",
                            "SERIAL_FORMAT",
                            "FRAME_PREAMBLE",
                            "LINE_PREAMBLE",
                            "CCP_DATA_FORMAT",
                            "ANALOG_CONTROL2",
                            "ANALOG_CONTROL6",
                            "ANALOG_CONTROL9",
                            "SCALING_MODE",
                            "PDAF_ROW_CONTROL",
                            "PDAF_SEQ_START",
                            "PDAF_ODP_LLENGTH",
                            nullptr};

// Vek_155: mode, row speed, test, data-path, column-correction group and serial-link controls, scaler settings.
const char *const kD53[] = {
    "MODE_SELECT",   "ROW_SPEED",      "SMIA_TEST",        "DATA_PATH_SELECT", "COLCORRGRP",
    "SERIAL_FORMAT", "FRAME_PREAMBLE", "LINE_PREAMBLE",    "CCP_DATA_FORMAT",  "GROUPED_PARAMETER_HOLD",
    "READ_STYLE",    "SCALING_MODE",   "SPATIAL_SAMPLING", "SECOND_RESIDUAL",  "SECOND_CROP",
    nullptr};

// Yorm_102: PLL control, the attached sensor's PLL word, fine-timing constants, modes and offsets.
const char *const kD54a[] = {"cam_sysctl_pll_control",
                             "cam_sensor_control_external_pll",
                             "cam_sensor_control_external_output_clk_div",
                             "cam_sensor_cfg_fine_integ_time_min",
                             "cam_sensor_cfg_fine_integ_time_max",
                             "cam_sensor_cfg_fine_correction",
                             "cam_sensor_control_operation_mode",
                             "cam_frame_scan_control",
                             "cam_fov_calib_x_offset",
                             "cam_fov_calib_y_offset",
                             "cam_output_format_yuv",
                             "cam_aet_aemode",
                             nullptr};

// Yorm_102, second table: as D54a, and the unused second clock.
const char *const kD54b[] = {"cam_sysctl_pll_control",
                             "cam_sysctl_pll_divider_m_n_2_clk",
                             "cam_sysctl_pll_divider_p_2_clk",
                             "cam_sensor_control_external_pll",
                             "cam_sensor_cfg_fine_integ_time_min",
                             "cam_sensor_cfg_fine_integ_time_max",
                             "cam_sensor_cfg_fine_correction",
                             "cam_sensor_control_operation_mode",
                             "cam_fov_calib_x_offset",
                             "cam_fov_calib_y_offset",
                             "cam_aet_aemode",
                             nullptr};

// Yorm_105: PLL control, the second and network clocks and fractions, the attached sensor's PLL word, output formats
// and encoder, port payload.
const char *const kD57[] = {"cam_sysctl_pll_control",
                            "cam_sysctl_pll_divider_m_n_2_clk",
                            "cam_sysctl_pll_divider_m_n_net",
                            "cam_sysctl_pll_divider_p_2_clk",
                            "cam_sysctl_pll_divider_p_net",
                            "cam_sysctl_pll_fraction_1_clk",
                            "cam_sysctl_pll_fraction_2_clk",
                            "cam_sysctl_pll_fraction_net",
                            "cam_sensor_control_external_pll",
                            "cam_sensor_control_external_output_clk_div",
                            "cam_sensor_control_operation_mode",
                            "cam_mode_select",
                            "cam_output_format_yuv",
                            "cam_output_format",
                            "cam_output_format_bayer_path",
                            "cam_output_compressed_bit_rate_8k",
                            "cam_output_h264_control",
                            "cam_port_const_line_length",
                            "cam_port_max_packet_payload",
                            "net_cfg_net_clock_freq",
                            nullptr};

// Yorm_106: as Yorm_105, with the fine-timing constants and the clock control;
// the attached sensor's PLL is its keep-sync rule's.
const char *const kD58[] = {"cam_sysctl_pll_control",
                            "cam_sysctl_pll_divider_m_n_2_clk",
                            "cam_sysctl_pll_divider_m_n_net",
                            "cam_sysctl_pll_divider_p_2_clk",
                            "cam_sysctl_pll_divider_p_net",
                            "cam_sysctl_pll_fraction_1_clk",
                            "cam_sysctl_pll_fraction_2_clk",
                            "cam_sysctl_pll_fraction_net",
                            "cam_sensor_control_external_output_clk_div",
                            "cam_sensor_control_operation_mode",
                            "cam_sensor_cfg_fine_integ_time_min",
                            "cam_sensor_cfg_fine_integ_time_max",
                            "cam_mode_select",
                            "cam_output_format_yuv",
                            "cam_output_format",
                            "cam_output_format_bayer_path",
                            "cam_output_compressed_bit_rate_8k",
                            "cam_output_h264_control",
                            "cam_port_const_line_length",
                            "cam_port_max_packet_payload",
                            "cam_aet_mode",
                            "net_cfg_net_clock_freq",
                            "cam_sysctl_clock_control",
                            nullptr};

// Murn_107: clock sequence words, mode, extra delay, row speed, FIFO settings, shutter delay, flicker search windows,
// sequencer commands.
const char *const kD59[] = {
    "Clock CNTRL: PLL ON",    "Clock CNTRL: USE PLL", "mode_config",    "Extra Delay (A)",
    "Row Speed (A)",          "Extra Delay (B)",      "Row Speed (B)",  "FIFO_Conf1 (A)",
    "FIFO_Conf2 (A)",         "FIFO_Conf1 (B)",       "FIFO_Conf2 (B)", "Max R12 (B)(Shutter Delay)",
    "search_f1_50",           "search_f2_50",         "search_f1_60",   "search_f2_60",
    "Refresh Sequencer Mode", "Refresh Sequencer",    nullptr};

// Murn_103: row speed, per-context fine-timing constants, flicker search windows and detection settings.
const char *const kD60[] = {"Row Speed (A)",
                            "sensor_fine_correction (A)",
                            "sensor_fine_IT_min (A)",
                            "sensor_fine_IT_max_margin (A)",
                            "Row Speed (B)",
                            "sensor_fine_correction (B)",
                            "sensor_fine_IT_min (B)",
                            "sensor_fine_IT_max_margin (B)",
                            "search_f1_50",
                            "search_f2_50",
                            "search_f1_60",
                            "search_f2_60",
                            "FD Mode",
                            "Stat_min",
                            "Stat_max",
                            "Min_amplitude",
                            nullptr};

// Vek_125: serial-link controls.
const char *const kVek125[] = {"SERIAL_FORMAT", "FRAME_PREAMBLE", "LINE_PREAMBLE", "CCP_DATA_FORMAT", nullptr};

// Murn_102: clock and state controls, fine-timing constants, flicker zones, crop mode, AWB and AE windows.
const char *const kMurn102[] = {"Clock control",       "System Set State",   "Row Speed",
                                "Sensor_fine_IT_min",  "Sensor_fine_IT_max", "Sensor_fine_correction",
                                "Max FD Zone 60Hz",    "Max FD Zone 50Hz",   "Target FD Zone 60Hz",
                                "Target FD Zone 50Hz", "Crop Mode",          "AWB Window Xstart",
                                "AWB Window Ystart",   "AWB Window Xend",    "AWB Window Yend",
                                "AE Window Xstart",    "AE Window Ystart",   "AE Window Xend",
                                "AE Window Yend",      "System Next State",  nullptr};

// Murn_104: fine correction, flicker search windows and zones, sequencer commands.
const char *const kMurn104[] = {"fine_correction",
                                "stat_fd_zone_height",
                                "cam_fd_config_search_f1_50",
                                "cam_fd_config_search_f2_50",
                                "cam_fd_config_search_f1_60",
                                "cam_fd_config_search_f2_60",
                                "cam_fd_config_max_fdzone_50hz",
                                "cam_fd_config_max_fdzone_60hz",
                                "cam_ae_config_target_fdzone",
                                "seq_cmd",
                                "seg_cmd",
                                nullptr};

// Vek_143: row speed, serial-link and column-correction controls.
const char *const kD67[] = {"ROW_SPEED",      "SERIAL_FORMAT", "COLUMN_CORRECTION",
                            "FRAME_PREAMBLE", "LINE_PREAMBLE", nullptr};

// Murn_110: pad, reset, PLL sequence and standby words, per-context fine-timing constants, flicker search windows, JPEG
// modes.
const char *const kD69[] = {"Pad Slew Rate",
                            "Reset and Misc Control",
                            "PLL control: PLL_ENABLE on",
                            "PLL control: TEST_BYPASS off",
                            "standby_control_and_status",
                            "Fine Correction (A)",
                            "Row Speed (A)",
                            "Fine IT Min (A)",
                            "Fine IT Max Margin (A)",
                            "Fine Correction (B)",
                            "Row Speed (B)",
                            "Fine IT Min (B)",
                            "Fine IT Max Margin (B)",
                            "fd_zone_height",
                            "fd_search_f1_50hz (A)",
                            "fd_search_f2_50hz (A)",
                            "fd_search_f1_60hz (A)",
                            "fd_search_f2_60hz (A)",
                            "fd_search_f1_50hz (B)",
                            "fd_search_f2_50hz (B)",
                            "fd_search_f1_60hz (B)",
                            "fd_search_f2_60hz (B)",
                            "JPEG Mode (A)",
                            "JPEG Mode (B)",
                            nullptr};

// Murn_108: PLL sequence words, per-context fine-timing constants, flicker search windows and detection settings,
// sequencer commands.
const char *const kD70[] = {"PLL Control: BYPASS PLL",
                            "PLL Control: PLL_ENABLE on",
                            "PLL Control: SEL_LOCK_DET on",
                            "PLL Control: PLL_BYPASS off",
                            "PLL Control:",
                            "PLL Reset Control: OUTPUT",
                            "PLL Standby: Out of Standby",
                            "By Pass TxFIFO",
                            "Row Speed (A)",
                            "sensor_fine_correction (A)",
                            "sensor_fine_IT_min (A)",
                            "sensor_fine_IT_max_margin (A)",
                            "Row Speed (B)",
                            "sensor_fine_correction (B)",
                            "sensor_fine_IT_min (B)",
                            "sensor_fine_IT_max_margin (B)",
                            "search_f1_50",
                            "search_f2_50",
                            "search_f1_60",
                            "search_f2_60",
                            "FD Mode",
                            "Stat_min",
                            "Stat_max",
                            "Min_amplitude",
                            "Refresh Sequencer Mode",
                            "Refresh Sequencer",
                            nullptr};

// Murn_106: port, fine-timing and mode settings; the firmware's own auto-binning preset.
const char *const kD71[] = {"cam_port_output_control",
                            "cam_sensor_cfg_row_speed",
                            "cam_sensor_cfg_fine_integ_time_min",
                            "cam_sensor_cfg_fine_integ_time_max",
                            "cam_sensor_cfg_fine_correction",
                            "cam_sensor_cfg_reg_0_data",
                            "cam_crop_cropmode",
                            "cam_aet_aemode",
                            "auto_binning_read_mode",
                            "auto_binning_sensor_y_addr_start",
                            "auto_binning_sensor_x_addr_start",
                            "auto_binning_sensor_y_addr_end",
                            "auto_binning_sensor_x_addr_end",
                            "auto_binning_sensor_fine_integ_time_min",
                            "auto_binning_sensor_fine_integ_time_max",
                            "auto_binning_sensor_fine_correction",
                            "auto_binning_sensor_cpipe_last_row",
                            "auto_binning_crop_window_width",
                            "auto_binning_crop_window_height",
                            nullptr};

// Vek_116: reset, serial-format and HDR shutter controls, operation modes.
const char *const kD72[] = {
    "RESET_REGISTER",      "SERIAL_FORMAT",          "COMBI_MODE",   "SH_ADVANCE", "T2_ADV_SHUTTER",
    "OPERATION_MODE_CTRL", "OPERATION_MODE_CTRL_CB", "HDR_MC_CTRL3", nullptr};

// Vek_118: PLL, test, reset and serial-link control bits, operation and shutter settings, the MIPI data types and
// channels.
const char *const kD75[] = {"PLL_CONTROL",
                            "DIGITAL_TEST",
                            "DIG_TEST_SUBROW_PAIR_RESET",
                            "OPERATION_MODE_CTRL_SEQ_CODE",
                            "DIGITAL_CTRL",
                            "TEST_ASIL_ROWS",
                            "DELTA_DK_CONTROL",
                            "COMPANDING",
                            "SERIAL_FORMAT",
                            "SHUT_CTRL2",
                            "FRAME_PREAMBLE",
                            "LINE_PREAMBLE",
                            "MIPI_F1_PDT",
                            "MIPI_F1_VC",
                            "MIPI_F2_PDT",
                            "MIPI_F2_VC",
                            "MIPI_F3_PDT",
                            "MIPI_F3_VC",
                            "MIPI_F4_PDT",
                            "MIPI_F4_VC",
                            "HISPI_CONTROL_MODE",
                            "RESET_REGISTER_DRIVE_PINS",
                            "RESET_REGISTER_PARALLEL_EN",
                            "RESET_REGISTER_SER_DIS",
                            nullptr};

// Vek_121: reset, serial-format, HDR and data-path controls, operation modes.
const char *const kD76[] = {"RESET_REGISTER",
                            "SERIAL_FORMAT",
                            "COMBI_MODE",
                            "DELTA_DK_CONTROL",
                            "SH_ADVANCE",
                            "DIGITAL_TEST",
                            "HISPI_CONTROL_STATUS",
                            "DATAPATH_SELECT",
                            "OPERATION_MODE_CTRL",
                            "OPERATION_MODE_CTRL_CB",
                            "HDR_MC_CTRL3",
                            "COMPANDING",
                            nullptr};

// Vek_157b: clock-shift, preamble, row speed, extra delay and reset settings.
const char *const kD80[] = {"SHIFT_VT_PIX_CLK_DIV", "FRAME_PREAMBLE", "LINE_PREAMBLE", "ROW_SPEED",
                            "EXTRA_DELAY",          "RESET_REGISTER", nullptr};

// Vek_157f: clock-shift, serial-format, row speed, extra delay and reset settings.
const char *const kD81[] = {"SHIFT_VT_PIX_CLK_DIV", "SERIAL_FORMAT",  "ROW_SPEED",
                            "EXTRA_DELAY",          "RESET_REGISTER", nullptr};

// Vek_137: ramp clock, serial-format and preamble settings.
const char *const kD82[] = {"RAMP_CLK_DIV", "SERIAL_FORMAT", "FRAME_PREAMBLE", "LINE_PREAMBLE", nullptr};

// Vek_117: test, digital, shading and serial-link controls, fine integration, the MIPI data types and channels, reset
// bits.
const char *const kD83[] = {"DIGITAL_TEST",
                            "OPERATION_MODE_CTRL_SEQ_CODE",
                            "DIGITAL_CTRL",
                            "TEST_ASIL_ROWS",
                            "DELTA_DK_CONTROL",
                            "VERT_SHADING_CTRL",
                            "SCALING_MODE",
                            "COMPANDING",
                            "DATAPATH_SELECT",
                            "SERIAL_FORMAT",
                            "FINE_INTEGRATION_TIME_MIN",
                            "FINE_INTEGRATION_TIME2_MIN",
                            "FINE_INTEGRATION_TIME3_MIN",
                            "FINE_INTEGRATION_TIME4_MIN",
                            "FINE_INTEGRATION_TIME",
                            "FINE_INTEGRATION_TIME2",
                            "FINE_INTEGRATION_TIME3",
                            "FINE_INTEGRATION_TIME4",
                            "DIG_TEST_SUBROW_PAIR_RESET",
                            "SHUT_CTRL2",
                            "FRAME_PREAMBLE",
                            "LINE_PREAMBLE",
                            "MIPI_F1_PDT",
                            "MIPI_F1_VC",
                            "MIPI_F2_PDT",
                            "MIPI_F2_VC",
                            "MIPI_F3_PDT",
                            "MIPI_F3_VC",
                            "MIPI_F4_PDT",
                            "MIPI_F4_VC",
                            "RESET_REGISTER_DRIVE_PINS",
                            "RESET_REGISTER_PARALLEL_EN",
                            "RESET_REGISTER_SER_DIS",
                            "RESET_REGISTER_STREAM",
                            nullptr};

// Vek_107: as Vek_117, and the extra delay.
const char *const kD84[] = {"DIGITAL_TEST",
                            "OPERATION_MODE_CTRL_SEQ_CODE",
                            "DIGITAL_CTRL",
                            "TEST_ASIL_ROWS",
                            "DELTA_DK_CONTROL",
                            "VERT_SHADING_CTRL",
                            "SCALING_MODE",
                            "COMPANDING",
                            "SERIAL_FORMAT",
                            "EXTRA_DELAY",
                            "FINE_INTEGRATION_TIME_MIN",
                            "FINE_INTEGRATION_TIME2_MIN",
                            "FINE_INTEGRATION_TIME3_MIN",
                            "FINE_INTEGRATION_TIME4_MIN",
                            "FINE_INTEGRATION_TIME",
                            "FINE_INTEGRATION_TIME2",
                            "FINE_INTEGRATION_TIME3",
                            "FINE_INTEGRATION_TIME4",
                            "DIG_TEST_SUBROW_PAIR_RESET",
                            "SHUT_CTRL2",
                            "FRAME_PREAMBLE",
                            "LINE_PREAMBLE",
                            "MIPI_F1_PDT",
                            "MIPI_F1_VC",
                            "MIPI_F2_PDT",
                            "MIPI_F2_VC",
                            "MIPI_F3_PDT",
                            "MIPI_F3_VC",
                            "MIPI_F4_PDT",
                            "MIPI_F4_VC",
                            "HISPI_CONTROL_MODE",
                            "RESET_REGISTER_DRIVE_PINS",
                            "RESET_REGISTER_PARALLEL_EN",
                            "RESET_REGISTER_SER_DIS",
                            "RESET_REGISTER_STREAM",
                            nullptr};

// Vek_113: test, digital, shading, buffer and shutter controls, the MIPI data types and channels, reset bits.
const char *const kD85[] = {"DIGITAL_TEST",
                            "OPERATION_MODE_CTRL_SEQ_CODE",
                            "DIGITAL_CTRL",
                            "TEST_ASIL_ROWS",
                            "DELTA_DK_CONTROL",
                            "VERT_SHADING_CTRL",
                            "DATAPATH_SELECT",
                            "EXTRA_DELAY",
                            "AUTO_DB_BUFFER_GROUP",
                            "DIG_TEST_SUBROW_PAIR_RESET",
                            "MAX_SUBROW_MARGIN",
                            "SHUT_CTRL",
                            "SHUT_CTRL2",
                            "COMPANDING",
                            "SERIAL_FORMAT",
                            "FRAME_PREAMBLE",
                            "LINE_PREAMBLE",
                            "MIPI_F1_PDT",
                            "MIPI_F1_VC",
                            "MIPI_F2_PDT",
                            "MIPI_F2_VC",
                            "MIPI_F3_PDT",
                            "MIPI_F3_VC",
                            "MIPI_F4_PDT",
                            "MIPI_F4_VC",
                            "HISPI_CONTROL_MODE",
                            "RESET_REGISTER_DRIVE_PINS",
                            "RESET_REGISTER_PARALLEL_EN",
                            "RESET_REGISTER_SER_DIS",
                            "RESET_REGISTER_STREAM",
                            nullptr};

// Vek_111: test, serial-link and data-path controls, operation modes, reset.
const char *const kD86[] = {"DIGITAL_TEST",
                            "SERIAL_FORMAT",
                            "FRAME_PREAMBLE",
                            "LINE_PREAMBLE",
                            "MIPI_CNTRL",
                            "DATAPATH_SELECT",
                            "OPERATION_MODE_CTRL",
                            "OPERATION_MODE_CTRL_CB",
                            "COMPANDING",
                            "RESET_REGISTER",
                            nullptr};

// Vek_123: test, serial-link and analog settings, operation mode, AE control.
const char *const kD88[] = {"SMIA_TEST",  "FRAME_PREAMBLE", "LINE_PREAMBLE",       "DIGITAL_TEST", "SERIAL_FORMAT",
                            "MIPI_CNTRL", "DAC_LD_12_13",   "OPERATION_MODE_CTRL", "AECTRLREG",    nullptr};

// Vek_135: serial-link, interleave and HiSPi controls, analog settings, HDR interval, black-level settings.
const char *const kD90[] = {"SERIAL_FORMAT",
                            "FRAME_PREAMBLE",
                            "LINE_PREAMBLE",
                            "MIPI_INTERLEAVE_CONTROL2",
                            "CCP2_CHANNEL_MODE",
                            "CCP_DATA_FORMAT",
                            "READ_STYLE",
                            "ANALOG_CONTROL6",
                            "ANALOG_CONTROL10",
                            "T1_T2_INTERVAL",
                            "HISPI_CONTROL_STATUS",
                            "HISPI_CONTROL_STATUS2",
                            "BM_T0",
                            "BM_T1",
                            nullptr};

// Vek_110: test, shading, buffer, gain and shutter controls, fine integration and correction, the MIPI data types and
// channels, reset bits.
const char *const kD92[] = {"DIGITAL_TEST",
                            "OPERATION_MODE_CTRL_SEQ_CODE",
                            "DIGITAL_CTRL",
                            "TEST_ASIL_ROWS",
                            "SAMPLE_CTRL",
                            "DELTA_DK_CONTROL",
                            "VERT_SHADING_CTRL",
                            "LFM_CTRL_SE_DLY",
                            "COMPANDING",
                            "SERIAL_FORMAT",
                            "CONFIGURE_BUFFERS1",
                            "CONFIGURE_BUFFERS2",
                            "PIXEL_BUILD_DLO",
                            "DC_GAIN_T1",
                            "DC_GAIN_T2",
                            "DC_GAIN_T3",
                            "DC_GAIN_T4",
                            "DELAY_BUFFER_LLPCK_RD_WR_OVERLAP",
                            "EXTRA_DELAY",
                            "FINE_INTEGRATION_TIME_MIN",
                            "FINE_INTEGRATION_TIME2_MIN",
                            "FINE_INTEGRATION_TIME3_MIN",
                            "FINE_INTEGRATION_TIME4_MIN",
                            "FINE_INTEGRATION_TIME",
                            "FINE_INTEGRATION_TIME2",
                            "FINE_INTEGRATION_TIME3",
                            "FINE_INTEGRATION_TIME4",
                            "FINE_CORRECTION",
                            "FINE_CORRECTION2",
                            "FINE_CORRECTION3",
                            "FINE_CORRECTION4",
                            "DIG_TEST_SUBROW_PAIR_RESET",
                            "UNLOCK_FINE_LLPCK",
                            "UNLOCK_FINE2_LLPCK",
                            "UNLOCK_FINE3_LLPCK",
                            "UNLOCK_FINE4_LLPCK",
                            "TX_TRANSPORT_EN",
                            "START_STOP_POINTER",
                            "SHUT_CTRL",
                            "SHUT_CTRL2",
                            "FRAME_PREAMBLE",
                            "LINE_PREAMBLE",
                            "MIPI_F1_PDT",
                            "MIPI_F1_VC",
                            "MIPI_F2_PDT",
                            "MIPI_F2_VC",
                            "MIPI_F3_PDT",
                            "MIPI_F3_VC",
                            "MIPI_F4_PDT",
                            "MIPI_F4_VC",
                            "RESET_REGISTER_DRIVE_PINS",
                            "RESET_REGISTER_PARALLEL_EN",
                            "RESET_REGISTER_SER_DIS",
                            "RESET_REGISTER_STREAM",
                            nullptr};

// Vek_114: operation and digital controls, fine integration, serial-link controls, reset bits.
const char *const kD94[] = {"OPERATION_MODE_CTRL",
                            "DIGITAL_CTRL",
                            "FINE_INTEGRATION_TIME",
                            "FINE_INTEGRATION_TIME2",
                            "FINE_INTEGRATION_TIME3",
                            "SERIAL_FORMAT",
                            "FRAME_PREAMBLE",
                            "LINE_PREAMBLE",
                            "RESET_REGISTER_SER_DIS",
                            "RESET_REGISTER_STREAM",
                            nullptr};

// Vek_132: PHY PLL and PLL controls, serial-link controls, read mode 2, analog settings, scaler mode.
const char *const kD95[] = {"MIPI_INT_PHY_PLL", "PLL_CTRL",         "SERIAL_FORMAT", "FRAME_PREAMBLE",
                            "LINE_PREAMBLE",    "CCP_DATA_FORMAT",  "READ_MODE2",    "ANALOG_CONTROL2",
                            "SCALING_MODE",     "PDAF_ROW_CONTROL", nullptr};

// Vek_138: reset, serial-link, test and dark controls, analog and gain settings, scaler mode, buffers, the
// register-clock monitor.
const char *const kD99[] = {"RESET_REGISTER_LOCK_REG",
                            "FRAME_PREAMBLE",
                            "LINE_PREAMBLE",
                            "MIPI_CONFIG_STATUS",
                            "MIPI_DESKEW_PAT_WIDTH",
                            "SERIAL_FORMAT",
                            "OPERATION_MODE",
                            "DIGITAL_CTRL",
                            "ROW_TX_ENABLE",
                            "ROW_TX_RO_ENABLE",
                            "DARK_CONTROL",
                            "DELTA_DK_CONTROL",
                            "TEST_ASIL_ROWS",
                            "TEST_CTRL",
                            "READ_MODE2",
                            "LRE_GAIN_GRR_RED",
                            "LRE_GAIN_BLU_GRB",
                            "SCALING_MODE",
                            "MIDDLE_INTEGRATION_CTRL",
                            "COARSE_INTEGRATION_AD_TIME2",
                            "COARSE_INTEGRATION_AD_TIME3",
                            "COARSE_INTEGRATION_AD_TIME4",
                            "CONFIGURE_BUFFERS1",
                            "CONFIGURE_BUFFERS2",
                            "ASIL_CLK_REG_COUNT_MSB_EXPECT",
                            "ASIL_CLK_REG_COUNT_LSB_EXPECT",
                            "ASIL_CLK_REG_COUNT_100_EXT_EXPECT",
                            "RESET_REGISTER_STREAM",
                            nullptr};

// Vek_119: test, reset, serial-link and data-path controls, operation mode.
const char *const kD103[] = {"DIGITAL_TEST",  "RESET_REGISTER", "SERIAL_FORMAT",   "FRAME_PREAMBLE",
                             "LINE_PREAMBLE", "MIPI_CNTRL",     "DATAPATH_SELECT", "OPERATION_MODE_CTRL",
                             "COMPANDING",    nullptr};

// Zelt: clock-domain, fine-integration, configuration and HiSPi blanking settings.
const char *const kD105[] = {
    "CLK_DOMAIN_CTRL_REG", "INTEGRATION_FINE_CTXT0_REG",  "MULT_TIMER_REG",          "M_CONFIG_REG", "F_CONFIG_REG",
    "ACTIVE_CONFIG_REG",   "INTEGRATION_OFFSET_FINE_REG", "HISPI_BLANKING_DATA_REG", nullptr};

// Vek_128: PLL, test, reset and serial-link control bits, shutter settings, the MIPI data types and channels.
const char *const kD110[] = {"PLL_CONTROL",
                             "DIGITAL_TEST",
                             "DIG_TEST_SUBROW_PAIR_RESET",
                             "OPERATION_MODE_CTRL_SEQ_CODE",
                             "DIGITAL_CTRL",
                             "TEST_ASIL_ROWS",
                             "DELTA_DK_CONTROL",
                             "COMPANDING",
                             "SERIAL_FORMAT",
                             "SHUT_CTRL2",
                             "FRAME_PREAMBLE",
                             "LINE_PREAMBLE",
                             "MIPI_DESKEW_PAT_WIDTH",
                             "MIPI_F1_PDT",
                             "MIPI_F1_VC",
                             "MIPI_F2_PDT",
                             "MIPI_F2_VC",
                             "MIPI_F3_PDT",
                             "MIPI_F3_VC",
                             "MIPI_F4_PDT",
                             "MIPI_F4_VC",
                             "MIPI_16BIT_AS_2_8BIT",
                             "HISPI_CONTROL_MODE",
                             "RESET_REGISTER_DRIVE_PINS",
                             "RESET_REGISTER_PARALLEL_EN",
                             "RESET_REGISTER_SER_DIS",
                             "RESET_REGISTER_STREAM",
                             "RESET_REGISTER_LOCK",
                             nullptr};

// Drav_102: serial-link controls, scaler enable, analog binning fields, frame-buffer read.
const char *const kD111[] = {"FRAME_PREAMBLE",
                             "LINE_PREAMBLE",
                             "CCP_DATA_FORMAT",
                             "SERIAL_FROMAT",
                             "SCALE_ENABLE",
                             "SF_BIN_ENABLE0(FIELD_WR= ANALOG_CONTROL6, PARALLEL_SHUTTER)",
                             "SF_BIN_ENABLE1(FIELD_WR= ANALOG_CONTROL9, ANA_BLOCKS_ENABLE)",
                             "FRAME_BUFFER_READ",
                             nullptr};

// Drav_101 and Vek_120: serial-link controls, scaler mode.
const char *const kD112[] = {"CCP_DATA_FORMAT", "SERIAL_FORMAT", "FRAME_PREAMBLE",
                             "LINE_PREAMBLE",   "SCALING_MODE",  nullptr};

// Holv_101: test patterns, PLL power-down, MIPI data types and analog PHY timing, chirp generator, ADC, filter and
// receiver/transmitter bias settings.
const char *const kD114[] = {"PATTERN_ENABLE",
                             "PLL_POWERDOWN",
                             "MIPI_ADC_CLK_ENABLE",
                             "MIPI_DATA_TYPE_12_8_12",
                             "MIPI_DATA_TYPE_12_7_12",
                             "MIPI_DATA_TYPE_12_6_12",
                             "MIPI_DATA_TYPE_10_8_10",
                             "MIPI_DATA_TYPE_10_7_10",
                             "MIPI_DATA_TYPE_10_6_10",
                             "MIPI_DATA_TYPE_JPEG8",
                             "MIPI_DATA_TYPE_PN9",
                             "MIPI_T_DESKEW_PAT",
                             "MIPI_T_WAKE_UP",
                             "MIPI_T_INIT",
                             "MIPI_T_BGAP",
                             "MIPI_T_VREG",
                             "MIPI_TRIM",
                             "MIPI_LP_SLEW",
                             "MIPI_CTRL1",
                             "MIPI_CTRL2",
                             "MIPI_ERR_RESET",
                             "ALPHA_TX_DESC",
                             "ALPHA_RX_DESC1",
                             "ALPHA_RX_DESC2",
                             "ALPHA_LPF_FIR_EN",
                             "ADC_LPF_ZERO_BIAS",
                             "ADC_LPF_RANGE_CLAMP_MIN",
                             "ADC_LPF_RANGE_CLAMP_MAX",
                             "ALPHA_LPF_FIR_COEF0",
                             "ALPHA_LPF_FIR_COEF1",
                             "ALPHA_LPF_FIR_COEF2",
                             "ALPHA_LPF_FIR_COEF3",
                             "ALPHA_LPF_FIR_COEF4",
                             "ALPHA_LPF_FIR_COEF5",
                             "ALPHA_LPF_FIR_COEF6",
                             "ALPHA_LPF_FIR_COEF7",
                             "ALPHA_LPF_FIR_COEF8",
                             "ALPHA_BUFF_CTRL",
                             "ALPHA_BUFF_OUT_THRESHOLD",
                             "ALPHA_BUFF_SPOOF_CNT",
                             "ALPHA_PATTERN_ENABLE",
                             "ALPHA_PATTERN_F2F_DELAY",
                             "ALPHA_PATTERN0_CTRL",
                             "ALPHA_PATTERN0_CNT_INIT",
                             "ALPHA_PATTERN0_CNT_ADD",
                             "ALPHA_PATTERN0_PR_INIT",
                             "ALPHA_PATTERN1_CTRL",
                             "ALPHA_PATTERN1_CNT_INIT",
                             "ALPHA_PATTERN1_CNT_ADD",
                             "ALPHA_PATTERN1_PR_INIT",
                             "ALPHA_PATTERN2_CTRL",
                             "ALPHA_PATTERN2_CNT_INIT",
                             "ALPHA_PATTERN2_CNT_ADD",
                             "ALPHA_PATTERN2_PR_INIT",
                             "ALPHA_PATTERN3_CTRL",
                             "ALPHA_PATTERN3_CNT_INIT",
                             "ALPHA_PATTERN3_CNT_ADD",
                             "ALPHA_PATTERN3_PR_INIT",
                             "ALPHA_MIPI_TEST_CTRL",
                             "ALPHA_MIPI_TEST_MODE_LANE",
                             "CHIRP_EN",
                             "CHIRP_CTRL1_1P3",
                             "CHIRP_CTRL2_1P3",
                             "CHIRP_CNTR_1_1P3",
                             "CHIRP_CNTR_2_1P3",
                             "CHIRP_CNTR_3_1P3",
                             "FRM_1_1P3",
                             "FRAME_TO_FRAME_DELAY1",
                             "FRAME_TO_FRAME_DELAY2",
                             "FRAME_TO_FRAME_DELAY3",
                             "ADC1",
                             "ADC2",
                             "ADC3",
                             "ADC4",
                             "ADC5",
                             "ADC_CTRL3",
                             "CHIRP_REF_CP_2P5",
                             "CHIRP_CP_VCO_2P5",
                             "CHIRP_VCO_CUR_ADC_PWRON",
                             "ADC_GLBL_PWRON",
                             "RX_COMMON_LO_DRV_BIAS",
                             "LO_INT_AMP_BIAS",
                             "LO_AMP_BIAS",
                             "LO_FREQ_MULT_BIAS",
                             "RX0_MIXER_BIAS",
                             "RX0_LODRV_BIAS_AAF_LPF",
                             "RX0_AAF_HPF_GAIN",
                             "RX0_OFFSET",
                             "RX0_IF_ENABLE_MIXIFBUFF_BIAS",
                             "RX1_MIXER_BIAS",
                             "RX1_LODRV_BIAS_AAF_LPF",
                             "RX1_AAF_HPF_GAIN",
                             "RX1_OFFSET",
                             "RX1_IF_ENABLE_MIXIFBUFF_BIAS",
                             "RX2_MIXER_BIAS",
                             "RX0_MIXER_SEL_LO_ATT",
                             "RX0_MIXER_OFFSET_CANCEL",
                             "RX1_MIXER_SEL_LO_ATT",
                             "RX1_MIXER_OFFSET_CANCEL",
                             "RX2_MIXER_SEL_LO_ATT",
                             "RX2_MIXER_OFFSET_CANCEL",
                             "RX3_MIXER_SEL_LO_ATT",
                             "RX3_MIXER_OFFSET_CANCEL",
                             "RX2_LODRV_BIAS_AAF_LPF",
                             "RX2_AAF_HPF_GAIN",
                             "RX2_OFFSET",
                             "RX2_IF_ENABLE_MIXIFBUFF_BIAS",
                             "RX3_MIXER_BIAS",
                             "RX3_LODRV_BIAS_AAF_LPF",
                             "RX3_AAF_HPF_GAIN",
                             "RX3_OFFSET",
                             "RX3_IF_ENABLE_MIXIFBUFF_BIAS",
                             "TX0_PR_PHASE",
                             "TX0_BIAS",
                             "TX1_PR_PHASE",
                             "TX1_BIAS",
                             "TX2_PR_PHASE",
                             "TX2_BIAS",
                             "TX3_PR_PHASE",
                             "TX3_BIAS",
                             nullptr};

// Vek_146: test, digital, reset and serial-link control bits, shutter settings, the MIPI data types and channels.
const char *const kD115[] = {"DIGITAL_TEST",
                             "DIG_TEST_SUBROW_PAIR_RESET",
                             "OPERATION_MODE_CTRL_SEQ_CODE",
                             "DIGITAL_CTRL",
                             "TEST_ASIL_ROWS",
                             "DELTA_DK_CONTROL",
                             "COMPANDING",
                             "SERIAL_FORMAT",
                             "SHUT_CTRL2",
                             "FRAME_PREAMBLE",
                             "LINE_PREAMBLE",
                             "MIPI_F1_PDT",
                             "MIPI_F1_VC",
                             "MIPI_F2_PDT",
                             "MIPI_F2_VC",
                             "MIPI_F3_PDT",
                             "MIPI_F3_VC",
                             "MIPI_F4_PDT",
                             "MIPI_F4_VC",
                             "HISPI_CONTROL_MODE",
                             "RESET_REGISTER_DRIVE_PINS",
                             "RESET_REGISTER_PARALLEL_EN",
                             "RESET_REGISTER_SER_DIS",
                             "RESET_REGISTER_STREAM",
                             nullptr};

// D44, D52 and D113 have the rows of D42, D51 and D112.
const FixedRows kFixedRows[] = {
    {"D1", kD1},
    {"D3", kD3},
    {"D12", kD12},
    {"D13", kD13},
    {"D14", kD14},
    {"D15", kD15},
    {"D21", kD21},
    {"D22", kD22},
    {"D25", kD25},
    {"D26", kD26},
    {"D27", kD27},
    {"D28", kD28},
    {"D30", kD30},
    {"D31", kD31},
    {"D32", kD32},
    {"D34", kD34},
    {"D37", kD37},
    {"D41", kD41},
    {"D42", kD42},
    {"D44", kD42},
    {"D46", kD46},
    {"D51", kD51},
    {"D52", kD51},
    {"D53", kD53},
    {"D54a", kD54a},
    {"D54b", kD54b},
    {"D57", kD57},
    {"D58", kD58},
    {"D59", kD59},
    {"D60", kD60},
    {"Vek_125", kVek125},
    {"Murn_102", kMurn102},
    {"Murn_104", kMurn104},
    {"D67", kD67},
    {"D69", kD69},
    {"D70", kD70},
    {"D71", kD71},
    {"D72", kD72},
    {"D75", kD75},
    {"D76", kD76},
    {"D80", kD80},
    {"D81", kD81},
    {"D82", kD82},
    {"D83", kD83},
    {"D84", kD84},
    {"D85", kD85},
    {"D86", kD86},
    {"D88", kD88},
    {"D90", kD90},
    {"D92", kD92},
    {"D94", kD94},
    {"D95", kD95},
    {"D99", kD99},
    {"D103", kD103},
    {"D105", kD105},
    {"D110", kD110},
    {"D111", kD111},
    {"D112", kD112},
    {"D113", kD112},
    {"D114", kD114},
    {"D115", kD115},
};

} // namespace

bool isFixedRow(const char *tableId, const char *rowName)
{
    if (!tableId || !rowName)
        return false;
    for (const FixedRows &f : kFixedRows) {
        if (std::strcmp(f.table, tableId) != 0)
            continue;
        for (const char *const *n = f.names; *n; ++n) {
            if (std::strcmp(*n, rowName) == 0)
                return true;
        }
    }
    return false;
}
