// The calculation adapter's shared pieces: the fields a family case writes
// into a context record, the pieces of the calculation every family case is
// made of, the steps of the per-context set-up, and the family functions the
// switches of recalc and initContext call. Only the sources in calc/ use it.
#pragma once

#include "calvex.h"
#include "pallador.h"

#include <initializer_list>

class CFamilyBase;
class QComboBox;

namespace adapter {

// ---------------------------------------------------------------------------
// Context inputs: a field of CContextParams and the window member it takes,
// for the context calculated.
enum class Field {
    MaxFps,
    Cols,
    Rows,
    UserHBlank,
    UserVBlank,
    BlankType,
    Binning,
    BinXOnly,
    Bin2Skip2,
    Cif,
    Hd720p,
    Skipping,
    SkippingY,
    GoProMode,
    Mirror,
    Flip,
    VariableFps,
    MinFps,
    LowPower,
    IntgTime,
    HdrMode,
    InterfaceIndex, // the window's one interface index
};

// Writes the fields of context cc (0 or 1) from the window.
void writeContext(const Pallador &w, CContextParams &record, int cc, std::initializer_list<Field> fields);

// The clear mask most families apply to a context's warning word before a
// calculation: every bit the library recomputes.
constexpr quint32 kStandardMask = 0xFF8FFFF0;
// Clears the bits of a context's word that the library recomputes; bits
// outside the mask stay until the library clears them.
void clearWarnings(CContextParams &record, quint32 mask);

// ---------------------------------------------------------------------------
// Pieces of a family case.

// Input and target clock, and the pre-divider, multiplier and VCO requests:
// -1 unless their override boxes are ticked.
void commonPllInputs(const Pallador &w, CPllParams &pll);
// Second target, bypass and minimum-frequency mode (sensor layout).
void sensorPllOptions(const Pallador &w, CPllParams &pll);
// PllUpdate, TimingUpdate(cc, false, true), ResultsUpdate(cc), RegisterUpdate(cc).
void standardCalls(CFamilyBase &family, int cc);
// The context's preset and display texts and the PLL text into the window.
void standardTexts(Pallador &w, const CFamilyCore &family, int cc);
void contextAPaneRefresh(Pallador &w);
// After a PLL-level change, the other context is calculated too and stays current.
void otherContextPass(Pallador &w, bool pllChanged);
void twoPaneRefresh(Pallador &w);
// The panes after a calculation: A alone, or the other-context pass and both.
void paneRefresh(Pallador &w, bool pllChanged);

// Whether an override box of the advanced PLL panel is ticked (a box of a
// panel never loaded reads as unticked).
bool ticked(const QCheckBox *box);

// ---------------------------------------------------------------------------
// Steps of the per-context set-up.

void familyClockDefaults(Pallador &w, const CFamilyDefaults &d, bool secondTarget);
void templateFlag(Pallador &w, const CFamilyDefaults &d);
void accessMode(Pallador &w, const CFamilyDefaults &d);
// The frame rate of use case 0 (or of the context's default use case), or the
// family default when the use case gives none.
void useCaseZeroFrameRate(Pallador &w, const CFamilyDefaults &d, bool contextB);
void defaultUseCaseFrameRate(Pallador &w, const CFamilyDefaults &d, bool contextB);
void useCaseZeroBlanking(Pallador &w);
void defaultUseCaseBlanking(Pallador &w);
void blankingComboRefresh(Pallador &w);
void useCaseZeroMirrorFlip(Pallador &w);
// The family's frame rates into the context's list (context 0 A, 1 B).
void frameRateList(Pallador &w, const CFamilyCore &family, int context);
void frameRateEditText(Pallador &w, int context, double fps);
void singleFrameRateType(Pallador &w);
void minFrameRateHidden(Pallador &w, int context);
void pllSpinRefresh(Pallador &w);
void pllOverridePresets(Pallador &w, int m, int n, double vco);
void interfaceList(Pallador &w, std::initializer_list<const char *> names, int position, bool removeDuplicates = true);
void interfaceWidgetsHidden(Pallador &w);
// The panels the family asks for; followUp runs only when the PLL panel opens.
void automaticPllPanel(Pallador &w, const CFamilyDefaults &d, void (*followUp)(Pallador &w) = nullptr);
void automaticOptionPanels(Pallador &w, const CFamilyDefaults &d, bool contextB);

// The frame-rate combo and the blanking combo of a context.
QComboBox *frameRateCombo(Pallador &w, int context);
QComboBox *blankingCombo(Pallador &w, int context);

// ---------------------------------------------------------------------------
// Family functions: the context set-up body and the calculation case of each
// family group, called by the switches of initContext and recalc.

// Catalogue 1-11 (Tolm_104, Murn_101) and 13 (Murn_105).
void initTolm104(Pallador &w);
void recalcTolm104(Pallador &w);
void initMurn105(Pallador &w);
void recalcMurn105(Pallador &w);
// Catalogue 12 (Brel_101, two contexts).
void initBrel101(Pallador &w, int context);
void recalcBrel101(Pallador &w, bool pllChanged);
// The serial interface set-up of Brel_101 and Brel_102.
void serialInterfaceSetUp(Pallador &w, CFamilyBase &family);

// Sensors whose family has no case of its own yet: a plain set-up and
// calculation from the family's defaults and the window's common settings.
void initGeneric(Pallador &w, int context);
void recalcGeneric(Pallador &w, bool pllChanged);

} // namespace adapter
