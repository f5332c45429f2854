// Small rules several family groups share: the rows and columns the dark/test options add, exposure
// counts and ratios, use-case length presets, high-speed and SDR read-out, and the item lists of the
// interface and exposure choices. The family sources use them unqualified (using namespace familyhelpers).
#pragma once

#include "families.h"

#include <QStringList>
#include <initializer_list>

namespace familyhelpers {

// Rows and columns that the dark/test options add to the read-out.
int darkExtraRows(const DarkRowOptions &d);

int darkExtraCols(const DarkRowOptions &d);

// Exposure count of an operation mode: 0 linear, then 2, 3, 4 exposures in turn.
int exposuresOfMode(int mode);

void setExposures(calvex::TimingInput &in, int exposures, int r1, int r2, int r3);

// log2 of a ratio given as a factor (1, 2, 4, ...), 0 for anything below 2.
int log2Of(int factor);

// The dark/test rows and columns the options add to the read-out.
void darkOptionInput(const DarkRowOptions &d, calvex::TimingInput &in);

// Line and frame length preset by use case (0: none): the maker's tested
// setting, programmed as given even below the minimum blanking.
void lengthPresetInput(const LengthPresets &l, calvex::TimingInput &in);

// The second read-out mode of a context divides the rows it reads.
void rowReadModeInput(const CContextParams &p, calvex::TimingInput &in);

// High-speed read-out: the column circuits convert in half the time, so the
// shortest horizontal blanking halves.
void highSpeedLimits(const CPllParams &pll, calvex::TimingLimits &limits);

// SDR lanes carry one bit per clock cycle instead of two, so at the same
// lane clock limit a lane carries half the bit rate.
void sdrLink(const CPllParams &pll, calvex::LinkOptions &link);

void sdrText(const CPllParams &pll, bool serial, calvex::PllTextInfo &p);

// Operation-mode HDR sensors: the mode gives the exposure count, the ratios
// or the times of T2..T4 their lengths; border pixels widen the line.
void operationModeInput(const CContextParams &p, const ExposureRatios &r, const DarkRowOptions &d,
                        calvex::TimingInput &in);

QStringList numberItems(std::initializer_list<int> values);

// Lane index i stands for i + 2 lanes; 12 or 14 bits, 20 with four lanes.
void brelLinkLists(CFamilyCore &f);

bool nameIs(const RegRow &r, const char *name);

QStringList countItems(int first, int last, int step);

// The embedded-data and dark-control rows of Brel_101, which Brel_102 has too.
namespace brel101 {
enum Row { EmbeddedData = 1, DarkControl };
inline const calvex::RowRule kRows[] = {
    {"EMBEDDED_DATA_CTRL", EmbeddedData},
    {"DARK_CONTROL", DarkControl},
};

bool extraRowsRegister(int role, const EmbedOptions &e, const DarkRowOptions &d, const RegRow &r, quint32 *value);
} // namespace brel101

} // namespace familyhelpers
