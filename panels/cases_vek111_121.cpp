// Advanced panels whose central choice is the sensor's field of view against
// explicit sub-sampling: Vek111_Adv for the Vek111 sensors (86, 87) and, as
// a pure sub-sampling panel, for the Vek119 sensors (103, 104); and the
// Vek116_Adv form as the Vek121 group (76 to 79) uses it, made from the
// Vek116 sensors' case; both contexts of the Vek111 and Vek121 sensors.
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

#include <cstring>

namespace panels {

std::vector<FormCase> murnVek116Cases();

namespace {

using P = Pallador;
using M = CModeState;
using C = CContextParams;

constexpr char kDigitalBinning[] = "Check to activate digital binning settings.";
constexpr char kDigitalBinningB[] = "Check to activate digital binning setting.";
constexpr char kColSumming[] = "Check to activate column summing setting.";

// The context-A case of the Vek116 sensors, which the Vek121 group's case
// starts from.
FormCase vek116Case()
{
    for (const FormCase &c : murnVek116Cases()) {
        if (c.panel == Panel::A && std::strcmp(c.form, "Vek116_Adv") == 0)
            return c;
    }
    qFatal("The Vek116_Adv case is missing");
}

} // namespace

std::vector<FormCase> vek111Vek121Cases()
{
    std::vector<FormCase> cases;

    // Vek111_Adv, entries 86 and 87. With the array's field of view the two
    // factor combos stand in for the skip boxes, in the panel and in the
    // read-back (2 to the power of the combo index); the tool tips are set on
    // the first opening only.
    const Value usesFov = ctx(&C::useFov);
    const Condition fovTicked = ticked(ref<&P::checkUseFOV>());
    const Condition fovUnticked = unticked(ref<&P::checkUseFOV>());
    FormCase vek111{Panel::A, "Vek111_Adv"};
    vek111.forEntries(86, 87);
    vek111.widgets = {
        on<&P::checkSkipping>("checkSkipping")
            .start(factor(mode(&M::rowSkip)))
            .enabledIf(zero(usesFov))
            .slot("checkSkipping_clicked()")
            .tip(tips::kRowsSkip)
            .back(store(&P::skipping))
            .backIf(fovUnticked),
        on<&P::checkBinXonly>("checkBinXonly")
            .start(factor(mode(&M::colSkip)))
            .enabledIf(zero(usesFov))
            .slot("checkBinXonly_clicked()")
            .tip(tips::kColsSkip)
            .back(store(&P::binXOnly))
            .backIf(fovUnticked),
        on<&P::checkBinning>("checkBinning")
            .start(flag(ctx(&C::binning)))
            .slot("checkBinning_clicked()")
            .tip(kDigitalBinning)
            .back(store(&P::binning)),
        on<&P::comboColSkip>("comboColSkip")
            .shownIf(usesFov)
            .slot("comboColSkip_currentIndexChanged(int)")
            .tip(tips::kColSub)
            .back(store(&P::binXOnly, powerOfTwo))
            .backIf(fovTicked),
        on<&P::comboRowSkip>("comboRowSkip")
            .shownIf(usesFov)
            .slot("comboRowSkip_currentIndexChanged(int)")
            .tip(tips::kRowSub)
            .back(store(&P::skipping, powerOfTwo))
            .backIf(fovTicked),
        rowsForMode(),
        colsForMode(),
        integrationTime(),
        on<&P::checkUseFOV>("checkUseFOV")
            .start(flag(usesFov))
            .slot("checkUseFOV_clicked2()")
            .tip(tips::kUseFov)
            .back(store(&P::useFov)),
        on<&P::checkBin2Skip2>("checkSumming")
            .start(flag(ctx(&C::bin2Skip2)))
            .slot("checkBin2Skip2_clicked()")
            .tip(kColSumming)
            .back(store(&P::bin2Skip2)),
    };
    cases.push_back(vek111);
    cases.push_back(vek111.derive(Panel::B).change("checkBinning", [](Widget &d) { d.tip(kDigitalBinningB); }));

    // Vek111_Adv, entries 103 and 104: a pure sub-sampling panel. The array's
    // field of view is always used and cannot be unticked, so the factor
    // combos (starting at "1") are shown and always read back; the skip,
    // binning and summing boxes are hidden, unticked, and still connected
    // and read back; the size boxes reach up to the sensor's largest output.
    cases.push_back(vek111.derive(Panel::A)
                        .forEntries(103, 104)
                        .change("checkSkipping", [](Widget &d) { d.start({}).enabledIf({}).hidden(); })
                        .change("checkBinXonly", [](Widget &d) { d.start({}).enabledIf({}).hidden(); })
                        .change("checkBinning", [](Widget &d) { d.start({}).hidden(); })
                        .change("comboColSkip", [](Widget &d) { d.shownIf(1); })
                        .change("comboRowSkip", [](Widget &d) { d.shownIf(1); })
                        .change("spinRows", [](Widget &d) { d.maximum(pll(&CPllParams::arrayRows)); })
                        .change("spinCols", [](Widget &d) { d.maximum(pll(&CPllParams::arrayCols)); })
                        .change("checkUseFOV", [](Widget &d) { d.start(1).disabled(); })
                        .change("checkSumming", [](Widget &d) { d.start({}).hidden(); }));

    // Vek116_Adv for the Vek121 group, entries 76 to 79: as for the Vek116
    // sensors, except that HDR is always open and line interleave follows it
    // (also in the read-back); the pixel-interleave box is never ticked by
    // the panel, only opened when the family reports interleave, and is left
    // to its slot; the dark-row box is hidden and the dark-column box shows
    // the sensor's option.
    FormCase vek121 =
        vek116Case()
            .derive(Panel::A)
            .forEntries(76, 79)
            .change("checkHDR",
                    [](Widget &d) { d.enabledIf({}).back(both(store(&P::hdrMode), store(&P::lineInterleave))); })
            .change("checkInterleave", [](Widget &d) { d.start({}).enabledIf(flag(ctx(&C::interleave))).back({}); });
    vek121.widgets.push_back(on<&P::checkPLL_DarkRows>("checkPLL_DarkRows").hidden());
    vek121.widgets.push_back(on<&P::checkPLL_DarkCols>("checkPLL_DarkCols")
                                 .start(flag(pll(&CPllParams::darkColumns)))
                                 .slot("checkPLL_DarkCols_clicked()"));
    cases.push_back(vek121);

    // Context B of the Vek121 group: pixel interleave shows the family's flag
    // but stays as disabled as the form has it, and every re-opening turns it
    // off; line interleave only shows its flag and follows HDR; the dark
    // boxes belong to panel A and the PLL panel, so panel B only hides its
    // own copies of them.
    FormCase vek121B =
        vek121.derive(Panel::B)
            .change("checkInterleave", [](Widget &d) { d.start(flag(ctx(&C::interleave))).enabledIf({}).tip(nullptr); })
            .change("checkLineInterleave", [](Widget &d) { d.slot(nullptr).tip(nullptr); })
            .change("checkPLL_DarkRows", [](Widget &d) { d = lookOnly<QCheckBox>(d.name).hidden(); })
            .change("checkPLL_DarkCols", [](Widget &d) { d = lookOnly<QCheckBox>(d.name).hidden(); });
    vek121B.readBackRule = [](Pallador &w, const CFamilyCore &, int context) { w.interleave[context] = 0; };
    cases.push_back(vek121B);

    return cases;
}

} // namespace panels
