// Brel_103, Brel_106 and Brel_107: single-context sensors with the plain PLL step (catalogue 25, 32-36).
//
// Catalogue 25 and 32 to 36: the single-context sensors Brel_103 (25),
// Brel_106 (32-33) and Brel_107 (34-36), calculated by the family's plain PLL
// step: their context set-up and calculation.
#include "adapter.h"

#include <QCheckBox>
#include <QComboBox>

namespace adapter {

namespace {

// The set-up Brel_103 and Brel_107 share, with the override presets and the
// interface list of each.
void initOpDividerFamily(Pallador &w, int m, int n, double vco, std::initializer_list<const char *> interfaces,
                         int position)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    useCaseZeroFrameRate(w, d, false);
    // The context keeps the blanking type it has.
    blankingComboRefresh(w);
    singleFrameRateType(w);
    frameRateEditText(w, 0, w.maxFps[0]);
    pllSpinRefresh(w);
    pllOverridePresets(w, m, n, vco);
    interfaceList(w, interfaces, position);
}

// Context A's inputs of the three families and the PLL requests; the op
// pixel and VT dividers are the library's choice.
void writeCommonInputs(Pallador &w, CFamilyBase &f, std::initializer_list<Field> fields)
{
    w.currentContext = 0;
    CContextParams &r = f.ctx[0];
    writeContext(w, r, 0, fields);
    clearWarnings(r, kStandardMask);
    sensorPllOptions(w, f.pll);
    commonPllInputs(w, f.pll);
    f.pll.pllOpDivider = -1;
    f.pll.pllP = -1;
}

} // namespace

void initBrel103(Pallador &w)
{
    initOpDividerFamily(w, 48, 1, 768.0, {"CCP", "MIPI"}, 1);
}

void initBrel107(Pallador &w)
{
    initOpDividerFamily(w, 64, 2, 800.0, {"Parallel", "MIPI-1", "MIPI-2"}, 2);
}

void recalcOpDividerFamily(Pallador &w, CFamilyBase *family)
{
    if (!family)
        return;
    CFamilyBase &f = *family;
    // The interface is the context's, not the PLL block's.
    writeCommonInputs(w, f,
                      {Field::MaxFps, Field::Cols, Field::Rows, Field::Skipping, Field::Binning, Field::Mirror,
                       Field::Flip, Field::BlankType, Field::UserHBlank, Field::UserVBlank, Field::VariableFps,
                       Field::InterfaceIndex});
    // The panel's op pixel divider list offers 8, 10, 12 bits; the window
    // keeps the divider itself. A panel without the list leaves the divider
    // to the library.
    if (w.ui.checkPLL_ADV->isChecked()) {
        if (w.comboPLL_Bits) {
            w.opBits = 2 * w.comboPLL_Bits->currentIndex() + 8;
            f.pll.pllOpDivider = w.opBits;
        }
        f.pll.pllP = w.vtDiv;
    }
    standardCalls(f, 0);
    standardTexts(w, f, 0);
    contextAPaneRefresh(w);
}

void initBrel106(Pallador &w)
{
    // Overrides ticked as the sensor is set up go into the family at once.
    CPllParams &pll = w.calvex->family()->pll;
    if (w.ui.checkPLL_N->isChecked())
        pll.pllN = w.pllN;
    if (w.ui.checkPLL_M->isChecked())
        pll.pllM = w.pllM;
    if (w.ui.checkPLL_VCO->isChecked())
        pll.vcoRequest = w.pllVco;
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    useCaseZeroFrameRate(w, d, false);
    blankingComboRefresh(w);
    singleFrameRateType(w);
    frameRateEditText(w, 0, w.maxFps[0]);
    pllSpinRefresh(w);
    pllOverridePresets(w, 25, 1, 300.0);
    // The PLL has no overrides, no interface choice and no advanced panel.
    w.ui.checkPLL_M->setEnabled(false);
    w.ui.checkPLL_N->setEnabled(false);
    w.ui.checkPLL_VCO->setEnabled(false);
    w.ui.comboPLL_Interface->setEnabled(false);
    w.ui.checkPLL_ADV->setEnabled(false);
}

void recalcBrel106(Pallador &w)
{
    Brel_106 *f = w.calvex->brel_106;
    if (!f)
        return;
    writeCommonInputs(w, *f,
                      {Field::MaxFps, Field::Skipping, Field::Binning, Field::Cols, Field::Rows, Field::Mirror,
                       Field::Flip, Field::BlankType, Field::Centering, Field::UserHBlank, Field::UserVBlank});
    f->ctx[0].sMode = w.sMode[0];
    standardCalls(*f, 0);
    standardTexts(w, *f, 0);
    contextAPaneRefresh(w);
}

} // namespace adapter
