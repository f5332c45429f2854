// Advanced panels of the Brel104, Brel105, Brel106 and Brel107 forms. The
// first two serve both contexts of their sensors and give the image size in
// two ways: with "Use Array FOV:" unticked the engineer sets the output size
// and ticks row or column sub-sampling; with it ticked the sub-sampling
// factors (1 to 3) are entered in two small spin boxes, and Brel105 takes the
// size from its field-of-view boxes.
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

namespace panels {

namespace {

constexpr char kInterleave[] = "Check to activate interleave mode";

// Brel_105 keeps its short-sequencer choice for both contexts in the family.
Value brel105ShortSequencer()
{
    return [](const Pallador &, const CFamilyCore &f, int) -> double {
        const auto *brel105 = dynamic_cast<const Brel_105 *>(&f);
        return brel105 && brel105->shortSeq;
    };
}

} // namespace

std::vector<FormCase> brel104To107Cases()
{
    using P = Pallador;
    using M = CModeState;
    using C = CContextParams;
    std::vector<FormCase> cases;

    // The field-of-view choice the family holds for the panel's context
    // decides, on the first opening, which way of giving the size is open;
    // later the box's own slot switches it.
    const Value useFov = ctx(&C::useFov);
    const Condition fovTicked = ticked(ref<&P::checkUseFOV>());
    const Condition fovUnticked = unticked(ref<&P::checkUseFOV>());

    // With the field of view in use the sub-sampling spin boxes are read back
    // (rows into the skipping setting, columns into the column-only one);
    // otherwise the two boxes, "Column Subsampling" into skipping.
    FormCase brel104{Panel::A, "Brel104_Adv"};
    brel104.widgets = {
        on<&P::checkSkipping>("checkSkipping")
            .start(factor(mode(&M::colSkip)))
            .enabledIf(zero(useFov))
            .slot("checkSkipping_clicked()")
            .tip(tips::kSkipDot)
            .back(store(&P::skipping))
            .backIf(fovUnticked),
        on<&P::checkBinXonly>("checkBinXonly")
            .start(factor(mode(&M::rowSkip)))
            .enabledIf(zero(useFov))
            .slot("checkBinXonly_clicked()")
            .tip(tips::kBinDot)
            .back(store(&P::binXOnly))
            .backIf(fovUnticked),
        on<&P::spinColSub>("spinColSub")
            .shownIf(useFov)
            .slot("spinColSub_valueChanged(int)")
            .tip(tips::kColSub)
            .back(store(&P::binXOnly))
            .backIf(fovTicked),
        on<&P::spinRowSub>("spinRowSub")
            .shownIf(useFov)
            .slot("spinRowSub_valueChanged(int)")
            .tip(tips::kRowSub)
            .back(store(&P::skipping))
            .backIf(fovTicked),
        rowsForMode(),
        colsForMode(),
        integrationTime(),
        on<&P::checkUseFOV>("checkUseFOV")
            .start(useFov)
            .slot("checkUseFOV_clicked()")
            .tip(tips::kUseFov)
            .back(store(&P::useFov)),
        on<&P::checkHDR>("checkHDR")
            .start(flag(ctx(&C::hdrMode)))
            .slot("checkHDR_clicked()")
            .tip(tips::kHdr)
            .back(store(&P::hdrMode)),
        on<&P::checkInterleave>("checkInterleave")
            .start(flag(ctx(&C::interleave)))
            .slot("checkInterleave_clicked()")
            .tip(kInterleave)
            .back(store(&P::interleave)),
    };
    brel104.toolTipsOnReopen = true;
    cases.push_back(brel104);
    cases.push_back(brel104.derive(Panel::B).noToolTips());

    // The same two ways, with the field-of-view boxes open only while the
    // field of view is in use, and then read back as the output size. The
    // calculation takes the size from the field-of-view settings while the
    // field of view is in use, and closing the panel gave them the use
    // case's, so the boxes go there too: otherwise the panel would show one
    // field of view and the registers program another. No tool tips; the
    // short sequencer acts only through its slot.
    FormCase brel105{Panel::A, "Brel105_Adv"};
    brel105.widgets = {
        on<&P::checkSkipping>("checkSkipping")
            .start(factor(mode(&M::colSkip)))
            .enabledIf(zero(useFov))
            .slot("checkSkipping_clicked()")
            .back(store(&P::skipping))
            .backIf(fovUnticked),
        on<&P::checkBinXonly>("checkBinXonly")
            .start(factor(mode(&M::rowSkip)))
            .enabledIf(zero(useFov))
            .slot("checkBinXonly_clicked()")
            .back(store(&P::binXOnly))
            .backIf(fovUnticked),
        on<&P::spinColSub>("spinColSub")
            .shownIf(useFov)
            .slot("spinColSub_valueChanged(int)")
            .back(store(&P::binXOnly))
            .backIf(fovTicked),
        on<&P::spinRowSub>("spinRowSub")
            .shownIf(useFov)
            .slot("spinRowSub_valueChanged(int)")
            .back(store(&P::skipping))
            .backIf(fovTicked),
        on<&P::checkHighSpeed>("checkHighSpeed")
            .start(ctx(&C::highSpeed))
            .slot("checkHighSpeed_clicked()")
            .back(store(&P::highSpeed)),
        on<&P::checkShortSeq>("checkShortSeq").start(brel105ShortSequencer()).slot("checkShortSeq_clicked()"),
        on<&P::spinRows>("spinRows")
            .start(mode(&M::outputRows))
            .slot("spinRows_valueChanged(int)")
            .back(store(&P::rows))
            .backIf(fovUnticked),
        on<&P::spinCols>("spinCols")
            .start(mode(&M::outputCols))
            .slot("spinCols_valueChanged(int)")
            .back(store(&P::cols))
            .backIf(fovUnticked),
        on<&P::dSpinIntgTime>("dSpinIntgTime")
            .start(ctx(&C::intgTime))
            .slot("dSpinIntgTime_valueChanged(double)")
            .back(store(&P::intgTime)),
        on<&P::checkUseFOV>("checkUseFOV").start(useFov).slot("checkUseFOV_clicked()").back(store(&P::useFov)),
        on<&P::spinFovR>("spinFovR")
            .start(mode(&M::fovRows))
            .enabledIf(useFov)
            .slot("spinFovR_valueChanged(int)")
            .back(both(store(&P::rows), store(&P::fovRows)))
            .backIf(fovTicked),
        on<&P::spinFovC>("spinFovC")
            .start(mode(&M::fovCols))
            .enabledIf(useFov)
            .slot("spinFovC_valueChanged(int)")
            .back(both(store(&P::cols), store(&P::fovCols)))
            .backIf(fovTicked),
    };
    cases.push_back(brel105);
    // Context B: the short sequencer is one choice for both contexts, made
    // in panel A; panel B hides its box and the note that goes with it.
    FormCase brel105B =
        brel105.derive(Panel::B).change("checkShortSeq", [](Widget &d) { d.start({}).slot(nullptr).hidden(); });
    brel105B.connected = [](Pallador &w, int context) {
        if (QWidget *note = w.advForm[context] ? w.advForm[context]->findChild<QLabel *>("labelShortSeqNote") : nullptr)
            note->hide();
    };
    cases.push_back(brel105B);

    // One context. The shutter delay acts only through its slot; "Centering"
    // is ticked only for a centering of exactly 1.
    FormCase brel106{Panel::A, "Brel106_Adv"};
    brel106.widgets = {
        on<&P::checkSkipping>("checkSkipping")
            .start(factor(mode(&M::colSkip)))
            .slot("checkSkipping_clicked()")
            .back(store(&P::skipping))
            .tickIsFactor(),
        on<&P::checkBinning>("checkBinning")
            .start(factor(mode(&M::binning)))
            .slot("checkBinning_clicked()")
            .back(store(&P::binning)),
        on<&P::checkCentering>("checkCentering")
            .start(oneOf(ctx(&C::centering), {1}))
            .slot("checkCentering_clicked()")
            .back(store(&P::centering)),
        on<&P::spinRows>("spinRows")
            .start(mode(&M::outputRows))
            .slot("spinRows_valueChanged(int)")
            .back(store(&P::rows)),
        on<&P::spinCols>("spinCols")
            .start(mode(&M::outputCols))
            .slot("spinCols_valueChanged(int)")
            .back(store(&P::cols)),
        on<&P::spinSMode>("spinSMode").start(ctx(&C::sMode)).slot("spinSMode_valueChanged(int)"),
    };
    cases.push_back(brel106);

    FormCase brel107{Panel::A, "Brel107_Adv"};
    brel107.widgets = {
        on<&P::checkSkipping>("checkSkipping")
            .start(factor(mode(&M::colSkip)))
            .slot("checkSkipping_clicked()")
            .back(store(&P::skipping))
            .tickIsFactor(),
        on<&P::checkBinning>("checkBinning")
            .start(factor(mode(&M::binning)))
            .slot("checkBinning_clicked()")
            .back(store(&P::binning)),
        on<&P::spinRows>("spinRows")
            .start(mode(&M::outputRows))
            .slot("spinRows_valueChanged(int)")
            .back(store(&P::rows)),
        on<&P::spinCols>("spinCols")
            .start(mode(&M::outputCols))
            .slot("spinCols_valueChanged(int)")
            .back(store(&P::cols)),
    };
    cases.push_back(brel107);

    return cases;
}

} // namespace panels
