// Advanced panels of the Vek101 and Vek108 forms (both contexts) and of the
// Vek141 form (context A).
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

namespace panels {

namespace {

constexpr char kFovRowsOffset[] = "Enter sensor optical center rows offset";
constexpr char kFovColsOffset[] = "Enter sensor optical center cols offset";

} // namespace

std::vector<FormCase> vek101Vek108Vek141Cases()
{
    using P = Pallador;
    using M = CModeState;
    using C = CContextParams;
    std::vector<FormCase> cases;

    // The output size and integration time every form of the group starts
    // with.
    const auto rows = rowsForMode();
    const auto cols = colsForMode();
    const auto intgTime = integrationTime();

    // The form has no HDR box: the lookup leaves the member null. Panel B
    // does not look for it and sets no tool tips.
    FormCase vek101{Panel::A, "Vek101_Adv"};
    vek101.widgets = {
        rows,
        cols,
        intgTime,
        on<&P::checkHDR>("checkHDR").absent(),
        on<&P::checkBinning>("checkBinning")
            .start(factor(mode(&M::binning)))
            .slot("checkBinning_clicked()")
            .tip(tips::kBinDot)
            .back(store(&P::binning)),
    };
    cases.push_back(vek101);
    cases.push_back(vek101.derive(Panel::B).without({"checkHDR"}).noToolTips());

    // HDR and the combined linear/HDR mode exclude each other: "iHDR Enable"
    // is open only while the family's copy of the combination mode is 0
    // (panel B follows context A's). "Interleave Mode" stays as disabled as
    // the form has it. The optical-centre offsets keep the form's 0.
    FormCase vek108{Panel::A, "Vek108_Adv"};
    vek108.widgets = {
        rows,
        cols,
        on<&P::checkSkipping>("checkSkipping")
            .start(factor(mode(&M::colSkip)))
            .slot("checkSkipping_clicked()")
            .tip(tips::kSkipDot)
            .back(store(&P::skipping))
            .tickIsFactor(),
        intgTime,
        on<&P::checkHDR>("checkHDR")
            .start(flag(ctx(&C::hdrMode)))
            .enabledIf(zero(ctx(&C::combi)))
            .slot("checkHDR_clicked()")
            .tip(tips::kHdr)
            .back(store(&P::hdrMode)),
        on<&P::checkInterleave>("checkInterleave")
            .start(flag(ctx(&C::interleave)))
            .slot("checkInterleave_clicked()")
            .back(store(&P::interleave)),
        on<&P::spinFovY>("spinFovY").slot("spinFovY_valueChanged(int)").tip(kFovRowsOffset).back(store(&P::fovY)),
        on<&P::spinFovX>("spinFovX").slot("spinFovX_valueChanged(int)").tip(kFovColsOffset).back(store(&P::fovX)),
    };
    cases.push_back(vek108);
    cases.push_back(
        vek108.derive(Panel::B).change("checkHDR", [](Widget &d) { d.enabledIf(zero(ofContext(0, ctx(&C::combi)))); }));

    // The read-out mode 3 is stored as 4. The "CC Rows:" items are 16 x 2 to
    // the power of their index. The dark-pixel boxes fill the advanced PLL
    // panel's members, which this sensor's PLL form leaves alone; their
    // captions are the other way round from their names, and the names
    // decide what they do. Tx latch, dark pixels, CC rows and the mode act
    // through their slots only.
    FormCase vek141{Panel::A, "Vek141_Adv"};
    vek141.widgets = {
        rows,
        cols,
        intgTime,
        on<&P::spinReadMode>("spinReadMode")
            .start(ctx(&C::skipping))
            .slot("spinReadMode_valueChanged(int)")
            .tip(tips::kReadMode)
            .back(store(&P::skipping, threeAsFour)),
        on<&P::checkBinning>("checkBinning")
            .start(flag(ctx(&C::binning)))
            .slot("checkBinning_clicked()")
            .tip(tips::kYSumming)
            .back(store(&P::binning)),
        on<&P::checkBinXonly>("checkBinXonly")
            .start(flag(ctx(&C::binXOnly)))
            .slot("checkBinXonly_clicked()")
            .tip(tips::kXBinning)
            .back(store(&P::binXOnly)),
        on<&P::checkHDR>("checkHDR")
            .start(flag(ctx(&C::hdrMode)))
            .slot("checkHDR_clicked()")
            .tip(tips::kHdr)
            .back(store(&P::hdrMode)),
        on<&P::checkPLL_DarkRows>("checkPLL_DarkRows")
            .start(pll(&CPllParams::darkRows))
            .slot("checkPLL_DarkRows_clicked()")
            .tip(tips::kDarkRows),
        on<&P::checkPLL_DarkCols>("checkPLL_DarkCols")
            .start(pll(&CPllParams::darkColumns))
            .slot("checkPLL_DarkCols_clicked()")
            .tip(tips::kDarkCols),
        on<&P::checkTxLatch>("checkTxLatch")
            .start(flag(ctx(&C::txLatch)))
            .slot("checkTxLatch_clicked()")
            .tip(tips::kTxLatch),
        on<&P::comboCCRow>("comboCCRow")
            .start(clamp(log2Of(ctx(&C::ccRows) / 16), 0, 3))
            .slot("comboCCRow_currentIndexChanged(int)")
            .tip(tips::kCcRows),
        on<&P::spinScaler>("spinScaler")
            .start(ctx(&C::scaler))
            .slot("spinScaler_valueChanged(int)")
            .tip(tips::kScaler)
            .back(store(&P::scaler)),
        on<&P::spinScaleM>("spinScaleM")
            .start(ctx(&C::scaleM))
            .slot("spinScaleM_valueChanged(int)")
            .tip(tips::kScaleM)
            .back(store(&P::scaleM)),
        on<&P::spinSMode>("spinSMode").start(ctx(&C::sMode)).slot("spinSMode_valueChanged(int)"),
    };
    cases.push_back(vek141);

    return cases;
}

} // namespace panels
