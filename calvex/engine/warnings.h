// Warning bits of the context words and the rule that writes them.
//
// Bit       set when
// 0x1       the maximum frame rate is not a positive number, exceeds the
//           family's limit, cannot be reached with the shortest frame the
//           blanking type allows, or the longest frame is still faster
// 0x2       the user blanking of the current blanking type is below the
//           minimum or beyond the register limit
// 0x4       in addition to 0x2 when it is the vertical user blanking
// 0x8       (Murn_103) the other-line-time option cannot be used with the size
// 0x20      (form families) skipping requested for a size that does not allow it
// 0x100/0x200 (Drav_102) columns / rows larger than the region or the array
// 0x1000/0x2000 (Brel_102) column / row sub-sampling value invalid
// 0x80000   the output (link) rate cannot be carried by the lanes
// 0x100000  the target clock is not a positive number, above the family's
//           maximum, or missed by more than 0.01 MHz; a divider request
//           outside its set
// 0x200000  the VCO request, or the VCO forced by N/M overrides, is outside
//           the VCO range, or the VCO request could not be met
// 0x400000  the input clock is not a positive number, outside the input
//           range, or no pre-divider brings it into the PFD range
// 0x800000  the second VCO is outside its range or misses its request
// 0x1000000 the second PLL found no setting for the serial clock
//
// The library owns the common bits plus the family's extra bits; each
// calculation rebuilds the owned bits of the word and leaves every other bit.
#pragma once

#include <QtGlobal>

namespace calvex {

constexpr quint32 kCommonContextBits = 0x1 | 0x2 | 0x4;
constexpr quint32 kCommonPllBits = 0x100000 | 0x200000 | 0x400000;
constexpr quint32 kPllBitsAll = kCommonPllBits | 0x80000 | 0x800000 | 0x1000000;

// (word & ~owned) | bits, with bits limited to the owned ones.
inline quint32 mergeWarnings(quint32 word, quint32 owned, quint32 bits)
{
    return (word & ~owned) | (bits & owned);
}

} // namespace calvex
