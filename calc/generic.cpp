// Sensors whose family has no context set-up and calculation case of its own
// yet: a plain set-up from the family's defaults and use case 0, and a
// calculation that writes the window's common settings into the family
// object and runs the family's usual operations.
#include "adapter.h"

namespace adapter {

void initGeneric(Pallador &w, int context)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    if (context == 0 || context == 1) {
        useCaseZeroFrameRate(w, d, context == 1);
        useCaseZeroBlanking(w);
        if (!f.results.frameRateChoices.isEmpty())
            frameRateList(w, f, context);
        frameRateEditText(w, context, w.maxFps[qBound(0, w.currentContext, 2)]);
    }
    pllSpinRefresh(w);
}

void recalcGeneric(Pallador &w, bool pllChanged)
{
    CFamilyCore *family = w.calvex->family();
    if (w.contextCount < 2)
        w.currentContext = 0;
    const int cc = w.currentContext;
    if (cc != 0 && cc != 1)
        return;

    CContextParams &r = family->ctx[cc];
    writeContext(w, r, cc,
                 {Field::MaxFps,    Field::Cols,          Field::Rows,      Field::UserHBlank, Field::UserVBlank,
                  Field::BlankType, Field::Binning,       Field::BinXOnly,  Field::Bin2Skip2,  Field::Cif,
                  Field::Hd720p,    Field::Skipping,      Field::SkippingY, Field::GoProMode,  Field::Mirror,
                  Field::Flip,      Field::VariableFps,   Field::MinFps,    Field::LowPower,   Field::IntgTime,
                  Field::HdrMode,   Field::InterfaceIndex});
    clearWarnings(r, kStandardMask);
    commonPllInputs(w, family->pll);
    sensorPllOptions(w, family->pll);
    family->pll.interfaceIndex = w.interfaceIndex;

    if (auto *b = dynamic_cast<CFamilyBase *>(family))
        standardCalls(*b, cc);
    standardTexts(w, *family, cc);
    paneRefresh(w, pllChanged);
}

} // namespace adapter
