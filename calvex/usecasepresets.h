// Use-case presets: the settings the sensor maker tested for the first use
// cases of a few sensors' configuration files. The application applies a row
// by the position of the use case selected in context A's list (in the
// calculated context's list where a table says so), on every calculation and
// before it reads the override boxes; a position the table does not have
// applies nothing. The rows are kept here, next to the families they drive,
// so that the application and the library's tests read the same data.
#pragma once

#include <QtGlobal>

#include <cstddef>

namespace calvex {
namespace presets {

// The row of a table at a use-case position, or null for a position beyond
// the table or -1 (an empty list).
template <typename Row, std::size_t N> const Row *row(const Row (&table)[N], int position)
{
    return position >= 0 && position < int(N) ? &table[position] : nullptr;
}

// Vek_152 and Vek_153: the scaler's scale_m and the line and frame lengths.
struct LengthRow {
    qint32 scaleM;
    qint32 lineLength;  // pixel clocks
    qint32 frameLength; // lines
};

// Vek_152 (catalogue 46-50): one line length for every use case.
inline constexpr LengthRow kVek152[] = {
    {16, 2328, 3154}, {16, 2328, 3150}, {32, 2328, 3150}, {32, 2328, 1574}, {16, 2328, 3150},
    {16, 2328, 1574}, {48, 2328, 3150}, {48, 2328, 1574}, {48, 2328, 786},  {16, 2328, 3150},
    {16, 2328, 1574}, {16, 2328, 786},  {16, 2328, 1574}, {64, 2328, 786},  {64, 2328, 786},
    {16, 2328, 786},  {16, 2328, 392},  {16, 2328, 3150}, {16, 2328, 3150},
};

// Vek_153 (catalogue 51).
inline constexpr LengthRow kVek153[] = {
    {16, 2344, 3154}, {16, 2334, 3140}, {32, 2340, 3130}, {32, 2340, 1566}, {32, 2340, 3130},
    {32, 2340, 1566}, {48, 2352, 3110}, {48, 2352, 1550}, {48, 2352, 770},  {16, 2352, 3110},
    {16, 2352, 1550}, {16, 2352, 770},  {16, 2352, 1550}, {64, 2365, 700},  {64, 2365, 700},
    {16, 2365, 700},  {16, 2365, 386},  {16, 2328, 3150}, {16, 2328, 3150},
};

// Vek_154 (catalogue 52): clocks in MHz. The target clock and the VCO are
// taken as they stand; the third clock, the second VCO and the second target
// are those of a D-PHY link and scale with the PHY (phyFactor).
struct Vek154Row {
    double targetClock;
    double vcoRequest;
    double clockPreset;
    double pllVco2;
    double targetClock2;
    qint32 cols;
    qint32 rows;
};

inline constexpr Vek154Row kVek154[] = {
    {145.0, 870.0, 180.75, 433.8, 144.6, 4648, 3508}, {150.0, 900.0, 180.75, 433.8, 144.6, 4632, 3492},
    {122.5, 735.0, 128.25, 410.4, 102.6, 3840, 2160}, {122.5, 735.0, 153.0, 367.2, 122.4, 1920, 1080},
    {125.0, 750.0, 78.0, 374.4, 62.4, 1920, 1080},    {145.0, 870.0, 152.25, 365.4, 121.8, 1280, 720},
    {145.0, 870.0, 105.0, 420.0, 84.0, 1280, 720},
};

// The factor of the PHY-dependent clocks of a Vek_154 row for the PHY type
// index (0 D-PHY, 1 C-PHY): 1 + phyCd / 7, so 8/7 for C-PHY.
inline double vek154PhyFactor(int phyCd)
{
    return 1.0 + phyCd / 7.0;
}

// Vek_143 (catalogue 67-68): the PLL multiplier of 10-bit output, the target
// clock it gives (2.4 MHz times the multiplier), the position in the
// interface list (MIPI-1 to MIPI-4) and the column-correction and scaler
// settings of the context.
struct Vek143Row {
    qint32 pllM;
    double targetClock; // MHz
    qint32 interfaceIndex;
    qint32 ccRow;
    qint32 scaleM;
};

inline constexpr Vek143Row kVek143[] = {
    {60, 144.0, 3, 0, 16}, {60, 144.0, 3, 0, 16}, {60, 144.0, 0, 0, 80}, {60, 144.0, 0, 0, 40}, {60, 144.0, 0, 0, 20},
    {51, 122.4, 1, 0, 27}, {50, 120.0, 1, 0, 40}, {53, 127.2, 1, 0, 20}, {35, 84.0, 0, 0, 20},  {62, 148.8, 0, 0, 40},
};

// Brel_102, sensors 15 to 18: the line length (pixel clocks) of the first
// four use cases of the calculated context; the family keeps the last one it
// was given for the others.
inline constexpr qint32 kBrel102[] = {1650, 1650, 1388, 1388};

// Vek_132 (catalogue 95-98): the line length (pixel clocks) of the first
// three use cases; the family keeps the last one it was given for the others.
inline constexpr qint32 kVek132[] = {3525, 1763, 1761};

} // namespace presets
} // namespace calvex
