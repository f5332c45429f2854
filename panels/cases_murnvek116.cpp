// Advanced panels of two-context sensors: the forms Murn107_Adv, Murn103_Adv,
// Murn110_Adv and Murn108_Adv of the system-on-chip sensors, and Vek116_Adv
// for the Vek116 sensors (72 to 74). Every line reads and stores the panel's
// own context, so the context-B panels of these forms are derived from their
// context-A cases, with the differences of context B.
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

namespace panels {

namespace {

using P = Pallador;
using M = CModeState;
using C = CContextParams;

constexpr char kSkip2x[] = "Check to activate skip setting (2x)";
constexpr char kOtherLineTimeB[] = "Check to match the Line Time of Context B";
constexpr char kLowPowerHalfClock[] = "Check to enter Low-Power Mode by halving the Pixel Clock";
constexpr char kJpeg[] = "Check to activate JPEG output";
constexpr char kPixelInterleave[] = "Check to activate pixel interleave mode";
constexpr char kLineTimeOfA[] = "Use Context A Line Time";
constexpr char kOtherLineTimeA[] = "Check to match the line time of Context A";

// Context B: low power is left to panel A; the box is hidden and does
// nothing here.
void lowPowerHidden(Widget &d)
{
    d.start({}).slot(nullptr).tip(nullptr).back({}).hidden();
}

// Context B: the line-time box matches context A's line time (the form's
// caption names context B, as panel A shows it).
void lineTimeOfA(Widget &d)
{
    d.caption(kLineTimeOfA);
}

// The output size of the panel's context, as the calculation last carried it
// into the family.
Widget rowsBox()
{
    return on<&P::spinRows>("spinRows").start(ctx(&C::rows)).slot("spinRows_valueChanged(int)").back(store(&P::rows));
}
Widget colsBox()
{
    return on<&P::spinCols>("spinCols").start(ctx(&C::cols)).slot("spinCols_valueChanged(int)").back(store(&P::cols));
}

// The number of ADCs keeps the form's first item, "Don't Care".
Widget adcCombo()
{
    return on<&P::comboADCMode>("comboADCMode").slot("comboADC_Mode_valueChanged(int)").back(store(&P::adcMode));
}

// A box ticked by a flag of the context's record, stored back as 0 or 1.
template <auto Member, class T, std::size_t N>
Widget contextBox(const char *name, qint32 C::*field, T (SensorSettings::*setting)[N], const char *slotName)
{
    return on<Member>(name).start(flag(ctx(field))).slot(slotName).back(store(setting));
}

// The skipping box: ticked by a skip factor above 1 of the context's record,
// stored as the factor (2 ticked, 1 not).
Widget skippingBox()
{
    return on<&P::checkSkipping>("checkSkipping")
        .start(factor(ctx(&C::skipping)))
        .slot("checkSkipping_clicked()")
        .back(store(&P::skipping))
        .tickIsFactor();
}

} // namespace

std::vector<FormCase> murnVek116Cases()
{
    std::vector<FormCase> cases;

    FormCase murn107{Panel::A, "Murn107_Adv"};
    murn107.widgets = {
        skippingBox(),
        contextBox<&P::checkBinning>("checkBinning", &C::binning, &P::binning, "checkBinning_clicked()"),
        contextBox<&P::checkOtherLineTime>("checkOtherLineTime", &C::otherLineTime, &P::otherLineTime,
                                           "checkUseLineTime_clicked()"),
        rowsBox(),
        colsBox(),
        adcCombo(),
    };
    cases.push_back(murn107);
    cases.push_back(murn107.derive(Panel::B).change("checkOtherLineTime", lineTimeOfA));

    // The read-back leaves the frame rate as the rate slots stored it.
    FormCase murn103{Panel::A, "Murn103_Adv"};
    murn103.widgets = {
        skippingBox().tip(kSkip2x),
        contextBox<&P::checkOtherLineTime>("checkOtherLineTime", &C::otherLineTime, &P::otherLineTime,
                                           "checkUseLineTime_clicked()")
            .tip(kOtherLineTimeB),
        rowsBox().tip(tips::kRowsForMode),
        colsBox().tip(tips::kColsForMode),
        contextBox<&P::checkLowPower>("checkLowPower", &C::lowPower, &P::lowPower, "checkLowPower_clicked()")
            .tip(kLowPowerHalfClock),
    };
    murn103.keepFrameRate();
    cases.push_back(murn103);
    cases.push_back(murn103.derive(Panel::B)
                        .change("checkOtherLineTime", [](Widget &d) { lineTimeOfA(d.tip(kOtherLineTimeA)); })
                        .change("checkLowPower", lowPowerHidden));

    // The read-out boxes start from the family's mode state; the JPEG box
    // serves the high-speed role and is stored as the output format; low
    // power acts through its slot only. The form has no format combo.
    FormCase murn110{Panel::A, "Murn110_Adv"};
    murn110.widgets = {
        on<&P::checkBinning>("checkBinning")
            .start(factor(mode(&M::binning)))
            .slot("checkBinning_clicked()")
            .tip(tips::kBin)
            .back(store(&P::binning)),
        on<&P::checkBin2Skip2>("checkBin2Skip2")
            .start(flag(mode(&M::bin2Skip2)))
            .slot("checkBin2Skip2_clicked()")
            .tip(tips::kBin2Skip2)
            .back(store(&P::bin2Skip2)),
        on<&P::checkBinXonly>("checkBinXonly")
            .start(flag(mode(&M::binXOnly)))
            .slot("checkBinXonly_clicked()")
            .tip(tips::kColBinning)
            .back(store(&P::binXOnly)),
        on<&P::checkSkipping>("checkSkipping")
            .start(factor(mode(&M::skipFactor)))
            .slot("checkSkipping_clicked()")
            .tip(tips::kSkip)
            .back(store(&P::skipping)),
        on<&P::checkLowPower>("checkLowPower")
            .start(flag(mode(&M::lowPower)))
            .slot("checkLowPower_clicked()")
            .tip(tips::kLowPower),
        on<&P::checkCropping>("checkCropping")
            .start(flag(mode(&M::cropping)))
            .slot("checkCropping_clicked()")
            .tip(tips::kCrop)
            .back(store(&P::cropping)),
        on<&P::checkHighSpeed>("checkJpeg")
            .start(flag(ctx(&C::outFormat)))
            .slot("checkHighSpeed_clicked()")
            .tip(kJpeg)
            .back(store(&P::outFormat)),
        rowsBox().tip(tips::kRowsForMode),
        colsBox().tip(tips::kColsForMode),
        on<&P::comboOutFormat>("comboOutFormat").notInForm(),
    };
    cases.push_back(murn110);
    // Context B looks the format combo up as well; the form has none, so the
    // member of context B stays empty.
    cases.push_back(
        murn110.derive(Panel::B)
            .change("checkSkipping", [](Widget &d) { d.tip(tips::kSkipMaxPossible); })
            .change("checkLowPower", lowPowerHidden)
            .change("comboOutFormat", [](Widget &d) { d = on<&P::comboOutFormat>("comboOutFormat").absent(); }));

    // Centering is ticked for the value 1 only.
    FormCase murn108{Panel::A, "Murn108_Adv"};
    murn108.widgets = {
        skippingBox(),
        contextBox<&P::checkBinning>("checkBinning", &C::binning, &P::binning, "checkBinning_clicked()"),
        contextBox<&P::checkBinXonly>("checkBinXonly", &C::binXOnly, &P::binXOnly, "checkBinXonly_clicked()"),
        on<&P::checkLowPower>("checkLowPower")
            .start(flag(mode(&M::lowPower)))
            .slot("checkLowPower_clicked()")
            .back(store(&P::lowPower)),
        contextBox<&P::checkOtherLineTime>("checkOtherLineTime", &C::otherLineTime, &P::otherLineTime,
                                           "checkUseLineTime_clicked()"),
        rowsBox(),
        colsBox(),
        adcCombo(),
        on<&P::checkCentering>("checkCentering")
            .start(oneOf(ctx(&C::centering), {1}))
            .slot("checkCentering_clicked()")
            .back(store(&P::centering)),
    };
    cases.push_back(murn108);
    cases.push_back(
        murn108.derive(Panel::B).change("checkLowPower", lowPowerHidden).change("checkOtherLineTime", lineTimeOfA));

    // Vek116_Adv for the Vek116 sensors. With the array's field of view the
    // sub-sampling spin boxes replace the sub-sampling boxes, in the panel
    // and in the read-back; HDR is open only without the combination mode;
    // the line-interleave box acts through its slot only. The tool tips are
    // set on every opening.
    const Value usesFov = ctx(&C::useFov);
    const Condition fovTicked = ticked(ref<&P::checkUseFOV>());
    const Condition fovUnticked = unticked(ref<&P::checkUseFOV>());
    FormCase vek116{Panel::A, "Vek116_Adv"};
    vek116.forEntries(72, 74);
    vek116.widgets = {
        on<&P::checkSkipping>("checkSkipping")
            .start(factor(mode(&M::colSkip)))
            .enabledIf(zero(usesFov))
            .slot("checkSkipping_clicked()")
            .tip(tips::kSkipDot)
            .back(store(&P::skipping))
            .backIf(fovUnticked),
        on<&P::checkBinXonly>("checkBinXonly")
            .start(factor(mode(&M::rowSkip)))
            .enabledIf(zero(usesFov))
            .slot("checkBinXonly_clicked()")
            .tip(tips::kBinDot)
            .back(store(&P::binXOnly))
            .backIf(fovUnticked),
        on<&P::spinColSub>("spinColSub")
            .shownIf(usesFov)
            .slot("spinColSub_valueChanged(int)")
            .tip(tips::kColSub)
            .back(store(&P::binXOnly))
            .backIf(fovTicked),
        on<&P::spinRowSub>("spinRowSub")
            .shownIf(usesFov)
            .slot("spinRowSub_valueChanged(int)")
            .tip(tips::kRowSub)
            .back(store(&P::skipping))
            .backIf(fovTicked),
        rowsForMode(),
        colsForMode(),
        integrationTime(),
        on<&P::checkUseFOV>("checkUseFOV")
            .start(usesFov)
            .slot("checkUseFOV_clicked()")
            .tip(tips::kUseFov)
            .back(store(&P::useFov)),
        on<&P::checkHDR>("checkHDR")
            .start(flag(ctx(&C::hdrMode)))
            .enabledIf(zero(ctx(&C::combi)))
            .slot("checkHDR_clicked()")
            .tip(tips::kHdr)
            .back(store(&P::hdrMode)),
        on<&P::checkInterleave>("checkInterleave")
            .start(flag(ctx(&C::interleave)))
            .slot("checkInterleave_clicked()")
            .tip(kPixelInterleave)
            .back(store(&P::interleave)),
        on<&P::checkLineInterleave>("checkLineInterleave")
            .start(flag(ctx(&C::lineInterleave)))
            .slot("checkLineInterleave_clicked()")
            .tip(tips::kLineInterleave),
    };
    vek116.toolTipsOnReopen = true;
    cases.push_back(vek116);
    cases.push_back(vek116.derive(Panel::B));

    return cases;
}

} // namespace panels
