// The calculation adapter's shared pieces: the fields a family case writes
// into a context record, the pieces of the calculation every family case is
// made of, the steps of the per-context set-up, and the family functions the
// family table names for recalc and initContext. Only the sources in calc/
// use it.
#pragma once

#include "calvex.h"
#include "pallador.h"
#include "windowvalues.h"

#include <functional>
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
    OtherLineTime,
    AdcMode,
    BinSF,
    OutFormat,
    Fifo,
    Cropping,
    Centering,
    FovCols,
    FovRows,
    FovX,
    FovY,
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
// The standard texts, then the other context's preset and display texts: the
// two contexts (cc 0 or 1) program one line-length register, and a
// calculation of one that changes it retimes the other.
void bothContextTexts(Pallador &w, const CFamilyCore &family, int cc);
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
// The default use case's blanking type into the context, without the combo.
void defaultUseCaseBlankType(Pallador &w);
void blankingComboRefresh(Pallador &w);
void useCaseZeroMirrorFlip(Pallador &w);
// The family's frame rates into the context's list (context 0 A, 1 B).
void frameRateList(Pallador &w, const CFamilyCore &family, int context);
void frameRateEditText(Pallador &w, int context, double fps);
// The frame-rate steps of context A (0) or B (1): use case 0's rate and
// blanking, the family's rate list and the rate shown. Any other context has
// none.
void contextFrameRates(Pallador &w, const CFamilyCore &family, int context);
void singleFrameRateType(Pallador &w);
void minFrameRateHidden(Pallador &w, int context);
void pllSpinRefresh(Pallador &w);
void pllOverridePresets(Pallador &w, int m, int n, double vco);
void interfaceList(Pallador &w, std::initializer_list<const char *> names, int position, bool removeDuplicates = true);
void interfaceList(Pallador &w, const QStringList &names, int position, bool removeDuplicates = true);
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

// Catalogue 14-24: Brel_102 (14-20), Vek_101 (21) and Vek_108 (22-24), all
// with contexts A and B.
void initBrel102(Pallador &w, int context);
void recalcBrel102(Pallador &w, bool pllChanged);
void initVek101(Pallador &w, int context);
void recalcVek101(Pallador &w, bool pllChanged);
void initVek108(Pallador &w, int context);
void recalcVek108(Pallador &w, bool pllChanged);

// Catalogue 25 and 32-36: Brel_103 (25), Brel_106 (32-33) and Brel_107
// (34-36), one context each. Brel_103 and Brel_107 share their calculation.
void initBrel103(Pallador &w);
void initBrel107(Pallador &w);
void recalcOpDividerFamily(Pallador &w, CFamilyBase *family);

// The family dispatch (familytable.cpp): for a run of catalogue entries, the
// context set-up and the calculation of the family that serves them.
struct FamilyRow {
    int first;
    int last;
    void (*init)(Pallador &w, int context);
    void (*recalc)(Pallador &w, bool pllChanged);
};

// The row of a catalogue entry, or null outside the catalogue.
const FamilyRow *familyRow(int sensorIndex);
void initBrel106(Pallador &w);
void recalcBrel106(Pallador &w);

// Catalogue 26, 27 and 31: the image processors Vek_124 (26) and Murn_109
// (27) with one context, Murn_111 (31) with contexts A and B.
void initVek124(Pallador &w);
void recalcVek124(Pallador &w);
void initMurn109(Pallador &w);
void recalcMurn109(Pallador &w);
void initMurn111(Pallador &w, int context);
void recalcMurn111(Pallador &w, bool pllChanged);

// Catalogue 28-30: Brel_104 (28-29) and Brel_105 (30), contexts A and B.
void initBrel104(Pallador &w, int context);
void recalcBrel104(Pallador &w, bool pllChanged);
void initBrel105(Pallador &w, int context);
void recalcBrel105(Pallador &w, bool pllChanged);

// Catalogue 59-61 and 69-71: the image processors Murn_107 (59), Murn_103
// (60-61), Murn_110 (69) and Murn_108 (70) with contexts A and B, and
// Murn_106 (71) with one context.
void initMurn107(Pallador &w, int context);
void recalcMurn107(Pallador &w, bool pllChanged);
void initMurn103(Pallador &w, int context);
void recalcMurn103(Pallador &w, bool pllChanged);
void initMurn110(Pallador &w, int context);
void recalcMurn110(Pallador &w, bool pllChanged);
void initMurn108(Pallador &w, int context);
void recalcMurn108(Pallador &w, bool pllChanged);
void initMurn106(Pallador &w);
void recalcMurn106(Pallador &w, bool pllChanged);

// Catalogue 37-45 and 53: Vek_141 (37-40), Vek_145l (41), Vek_147 (42-43),
// Vek_149 (44-45) and Vek_155 (53), one context each.
void initVek141(Pallador &w);
void recalcVek141(Pallador &w);
void initVek145l(Pallador &w);
void recalcVek145l(Pallador &w);
void initVek147(Pallador &w);
void recalcVek147(Pallador &w);
void initVek149(Pallador &w);
void recalcVek149(Pallador &w);
void initVek155(Pallador &w);
void recalcVek155(Pallador &w);

// Catalogue 80-82: Vek_157b (80), Vek_157f (81) and Vek_137 (82), one
// context each.
void initVek157b(Pallador &w);
void recalcVek157b(Pallador &w);
void initVek157f(Pallador &w);
void recalcVek157f(Pallador &w);
void initVek137(Pallador &w);
void recalcVek137(Pallador &w);

// Catalogue 83-85 and 92-93: the line-interleaved HDR sensors Vek_117 (83),
// Vek_107 (84), Vek_113 (85) and Vek_110 (92-93), one context each.
void initVek117(Pallador &w);
void recalcVek117(Pallador &w);
void initVek107(Pallador &w);
void recalcVek107(Pallador &w);
void initVek113(Pallador &w);
void recalcVek113(Pallador &w);
void initVek110(Pallador &w);
void recalcVek110(Pallador &w);

// Catalogue 46-52: the second-PLL sensors Vek_152 (46-50), Vek_153 (51) and
// Vek_154 (52), one context each, with their use-case presets.
void initVek152(Pallador &w);
void recalcVek152(Pallador &w);
void initVek153(Pallador &w);
void recalcVek153(Pallador &w);
void initVek154(Pallador &w);
void recalcVek154(Pallador &w);
// Shared with Vek_132: the context set-up with the family's override presets
// and interface names, and the override boxes read after a use-case preset.
void initSecondPllFamily(Pallador &w, int m, int n, double vco, std::initializer_list<const char *> interfaces);
void secondPllOverrideBoxes(Pallador &w, CPllParams &pll);

// Catalogue 94-98: Vek_114 (94) and Vek_132 (95-98), one context each.
void initVek114(Pallador &w);
void recalcVek114(Pallador &w);
void initVek132(Pallador &w);
void recalcVek132(Pallador &w);

// Catalogue 67-68: Vek_143, one context, with its use-case presets.
void initVek143(Pallador &w);
void recalcVek143(Pallador &w);

// Catalogue 112-113: Drav_101 (112) and Vek_120 (113), one context each,
// with use-case presets of line and frame length; one set-up for both.
void initDrav101Vek120(Pallador &w);
void recalcDrav101(Pallador &w);
void recalcVek120(Pallador &w);

// Catalogue 62-66: the form-based families Vek_125 (62-64), Murn_102 (65)
// and Murn_104 (66), one context each, with their variables bound to widgets.
void initVek125(Pallador &w);
void recalcVek125(Pallador &w);
void initMurn102(Pallador &w);
void recalcMurn102(Pallador &w);
void initMurn104(Pallador &w);
void recalcMurn104(Pallador &w);

// Catalogue 105-109 (Zelt) and 114 (Holv_101): the plain families, one
// context each.
void initZelt(Pallador &w);
void recalcZelt(Pallador &w);
void initHolv101(Pallador &w);
void recalcHolv101(Pallador &w);

// Catalogue 54-58: the bridge families Yorm_102 (54-56), Yorm_105 (57) and
// Yorm_106 (58), one context each.
void initYorm102(Pallador &w);
void recalcYorm102(Pallador &w);
void initYorm105(Pallador &w);
void recalcYorm105(Pallador &w);
void recalcYorm106(Pallador &w);
// Ahead of every sensor set-up: the controls the bridges made in code are
// hidden and back at what they were made with (an empty operation-mode list,
// DFS boxes at 0 and uncoloured, the 2-clock box unticked); the set-up of a
// bridge that uses them shows them again.
void resetBridgeControls(Pallador &w);
// The bridges' maximum-integration-time question: the button the user chose.
// Replaceable, so that a test answers it; an empty asker restores the box.
using MaxIntgTimeAsker = std::function<QMessageBox::StandardButton(Pallador &w)>;
void setMaxIntgTimeAsker(MaxIntgTimeAsker asker);

// Catalogue 86-91: Vek_111 (86-87, contexts A and B), Vek_123 (88-89) and
// Vek_135 (90-91), one context each.
void initVek111(Pallador &w);
void recalcVek111(Pallador &w, bool pllChanged);
void initVek123(Pallador &w);
void recalcVek123(Pallador &w);
void initVek135(Pallador &w);
void recalcVek135(Pallador &w);
// Pieces these families share with Vek_119: SetParallelPLL on interface 0,
// SetSerialPLL(interface) otherwise; the context's timing from its use case,
// or with its advanced box ticked from the panel's integration time.
void interfacePllStep(const Pallador &w, CFamilyBase &family);
void panelTimingStep(Pallador &w, CFamilyBase &family, int context);

// Catalogue 99-101 and 103-104: Vek_138 (99-101) and Vek_119 (103-104), one
// context each.
void initVek138(Pallador &w);
void recalcVek138(Pallador &w);
void initVek119(Pallador &w);
void recalcVek119(Pallador &w);

// Catalogue 72-79 and 102: Vek_116 (72-74) and Vek_121 (76-79) with
// contexts A and B, Vek_118 (75, 102) with one; their interface is the
// advanced PLL panel's choice.
void initVek116(Pallador &w, int context);
void recalcVek116(Pallador &w, bool pllChanged);
void initVek121(Pallador &w, int context);
void recalcVek121(Pallador &w, bool pllChanged);
void initVek118(Pallador &w);
void recalcVek118(Pallador &w);

// Catalogue 110, 111 and 115: Vek_128, Drav_102 and Vek_146, one context each.
void initVek128(Pallador &w);
void recalcVek128(Pallador &w);
void initDrav102(Pallador &w);
void recalcDrav102(Pallador &w);
void initVek146(Pallador &w);
void recalcVek146(Pallador &w);

// Shared by the operation-mode HDR sensors (catalogue 75, 102, 110, 111, 115).
// The window's starting values of one of them; -1 leaves a member as it is.
struct HdrWindowDefaults {
    int interfaceIndex;
    int lanes;
    int opBits;
    int phyCd;
    bool mipiCont;
    int hdrMode;        // of context A
    int lineInterleave; // of context A
    int numExposures;   // of the context set up
    bool hdrExposures;  // exposure times 2-4 of the context and the ratios of context A
    int t1ExpRows;      // of the context set up
};
void hdrWindowDefaults(Pallador &w, const HdrWindowDefaults &d);
// Use case 0's frame rate, written into the reader's use case when it has
// none, its blanking, the family's rate list with that rate as the edit
// text, and the PLL boxes.
void hdrRateSetUp(Pallador &w, const CFamilyCore &family);
// Context A's settings, the exposure options and the PLL inputs of
// Vek_118, Vek_128 and Vek_146.
void operationModeInputs(const Pallador &w, CFamilyBase &family, ExposureRatios &ratios, DarkRowOptions &rows, int cc);
// The link of the open advanced PLL panel as a lane count and a bit-depth
// position, both kept in the window; a list the panel lacks leaves the
// window's value.
void panelLanesAndBitIndex(Pallador &w, CFamilyBase &family);

} // namespace adapter
