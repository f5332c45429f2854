// Tool tips that the panels of more than one group of forms set, written
// once. A text only one group uses stays in that group's source file. The
// texts are the program's own, odd spellings included.
#pragma once

namespace panels::tips {

// Image size and read-out.
inline constexpr char kRows[] = "Output Rows: Enter desired # of rows to output in final image";
inline constexpr char kCols[] = "Output Columns: Enter desired # of colums to output in final image";
inline constexpr char kRowsForMode[] = "Output Rows: Enter desired # of rows to output in final image for this mode";
inline constexpr char kColsForMode[] =
    "Output Columns: Enter desired # of colums to output in final image for this mode";
inline constexpr char kFovCols[] = "Sensor FOV Columns: Enter desired # of colums in sensor field-of-view";
inline constexpr char kFovRows[] = "Sensor FOV Rows: Enter desired # of rows in sensor field-of-view";
inline constexpr char kUseFov[] = "Check to use Field of View for row/column settings.";
inline constexpr char kRowSub[] = "Select row sub-sampling setting.";
inline constexpr char kColSub[] = "Select column sub-sampling setting.";
inline constexpr char kReadMode[] = "Enter the sensor read out mode (1, 2, 4)";
inline constexpr char kIntgTime[] = "Enter integration in msec.";

// Check boxes of the context panels.
inline constexpr char kBin[] = "Check to activate bin setting";
inline constexpr char kBinDot[] = "Check to activate bin setting.";
inline constexpr char kSkip[] = "Check to activate skip setting";
inline constexpr char kSkipDot[] = "Check to activate skip setting.";
inline constexpr char kSkipMaxPossible[] = "Check to activate skip setting (max. possible)";
inline constexpr char kRowsSkip[] = "Check to activate rows skip setting.";
inline constexpr char kColsSkip[] = "Check to activate columns skip setting.";
inline constexpr char kYSumming[] = "Check to activate y summing setting";
inline constexpr char kXBinning[] = "Check to activate x binning setting";
inline constexpr char kColBinning[] = "Check to activate column binning setting";
inline constexpr char kBin2Skip2[] = "Check to activate bin2skip2 setting";
inline constexpr char kCrop[] = "Check to activate crop setting";
inline constexpr char kLowPower[] = "Check to activate low-power setting";
inline constexpr char kHdr[] = "Check to enable High Dynamic Range mode";
inline constexpr char kLineInterleave[] = "check to activate line interleave mode";
inline constexpr char kDarkRows[] = "Check to activate the dark rows in the output";
inline constexpr char kDarkCols[] = "Check to activate the dark cols in the output";
inline constexpr char kDarkColIndex[] = "Select dark column index number";
inline constexpr char kTxLatch[] = "Check to turn on the TxLatch";
inline constexpr char kCcRows[] = "Select the Color Correction Rows to use";
inline constexpr char kBorderPixels[] = "Enter the no. of pixels to be added as output border per side";
inline constexpr char kScaler[] = "Enter the Scaler mode (0 ~ 2";
inline constexpr char kScaleM[] = "Enter the Scale M value (16 ~ 96)";

// Output format.
inline constexpr char kOutFormat[] = "Select the output image format";
inline constexpr char kImageType[] = "Select the output image type";

// The advanced PLL panels.
inline constexpr char kBypass[] = "Check to bypass the PLL setting";
inline constexpr char kMinFreq[] = "Check to use the minimum clock based on the frame rate";
inline constexpr char kP4[] = "Check to enter the P4 divider manually";
inline constexpr char kP5[] = "Check to enter the P5 divider manually";
inline constexpr char kP4Spin[] = "PLL P4: Enter specific 'P4' divider value";
inline constexpr char kP5Spin[] = "PLL P5: Enter specific 'P5' divider value";
inline constexpr char kWcd[] = "Check to enter the word clock divider manually";
inline constexpr char kWcdSpin[] = "Enter specific word clock divider value (0: 8 bit, 1: 10 bits, 2: 12 bits";
inline constexpr char kI2C[] = "Check to enter the I2C clock manually";
inline constexpr char kI2CSpin[] = "I2C Master Clock: Enter specific I2C clock value in KHz";
inline constexpr char kRevision[] = "Select the correct hardware revision number";
inline constexpr char kInterMode[] = "Select the PLL output mode (interface)";
inline constexpr char kLanes[] = "Select the output lanes";
inline constexpr char kBitDepth[] = "Select the output bit-depth";
inline constexpr char kPixelBitDepth[] = "Enter the output pixel bit-depth";
inline constexpr char kMipiCont[] = "Check to activate MIPI continuous clock";
inline constexpr char kEmbedData[] = "Check to activate the embedded data";
inline constexpr char kCombi[] = "Check to combine Linear/HDR modes";

} // namespace panels::tips
