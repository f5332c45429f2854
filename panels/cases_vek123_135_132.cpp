// Advanced panels of three one-context sensor groups: the field-of-view and
// line-interleaved HDR form Vek123_Adv (Vek123m, Vek123d), and the read-mode
// forms Vek135_Adv (Vek135d, Vek136d) and Vek132_Adv (Vek132, Vek133,
// Vek134t, Vek134s).
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

// Below these output sizes of the window's own settings the sensor can
// sub-sample its columns and rows.
constexpr double kSubsampleColsBelow = 964;
constexpr double kSubsampleRowsBelow = 560;

// The Vek123 read-back hands the HDR box's state to the calculation; the box
// then shows what the calculation used: the parallel interface has no HDR,
// so the box is open only on a serial one, and ticked when the family ran
// with HDR.
void hdrAsCalculated(Pallador &w, const CFamilyCore &f, int context)
{
    QCheckBox *box = w.checkHDR[context];
    if (!box)
        return;
    const CContextParams &calculated = familyContext(f, context);
    box->setEnabled(calculated.interfaceIndex != 0);
    box->setChecked(calculated.hdrMode != 0);
}

// The output window is given either by its size or, with the field of view
// in use, by a percentage of the array at an aspect ratio; the size boxes and
// the field-of-view boxes are open by turns. The sub-sampling spin boxes of
// related forms are not part of this one. The exposure count, the ratios and
// the HDR options act through their slots, which keep them open with HDR.
FormCase vek123()
{
    const Value usesFov = flag(ctx(&C::useFov));
    const Value hdr = flag(ctx(&C::hdrMode));
    FormCase c{Panel::A, "Vek123_Adv"};
    c.widgets = {
        on<&P::checkSkipping>("checkSkipping")
            .start(factor(mode(&M::colSkip)))
            .enabledIf(below(setting(&P::cols), kSubsampleColsBelow))
            .slot("checkSkipping_clicked()")
            .tip(tips::kSkipDot)
            .back(store(&P::skipping)),
        on<&P::checkBinXonly>("checkBinXonly")
            .start(factor(mode(&M::rowSkip)))
            .enabledIf(below(setting(&P::rows), kSubsampleRowsBelow))
            .slot("checkBinXonly_clicked()")
            .tip(tips::kBinDot)
            .back(store(&P::binXOnly)),
        on<&P::spinColSub>("spinColSub").absent(),
        on<&P::spinRowSub>("spinRowSub").absent(),
        on<&P::spinRows>("spinRows")
            .start(mode(&M::outputRows))
            .enabledIf(zero(usesFov))
            .slot("spinRows_valueChanged(int)")
            .tip(tips::kRowsForMode)
            .back(store(&P::rows)),
        on<&P::spinCols>("spinCols")
            .start(mode(&M::outputCols))
            .enabledIf(zero(usesFov))
            .slot("spinCols_valueChanged(int)")
            .tip(tips::kColsForMode)
            .back(store(&P::cols)),
        integrationTime(),
        on<&P::checkUseFOV>("checkUseFOV")
            .start(usesFov)
            .slot("checkUseFOV_clicked()")
            .tip(tips::kUseFov)
            .back(store(&P::useFov)),
        on<&P::checkHDR>("checkHDR")
            .start(hdr)
            .enabledIf(flag(ctx(&C::interfaceIndex)))
            .slot("checkHDR_clicked()")
            .tip("Check to enable Interleave High Dynamic Range mode")
            .back(store(&P::hdrMode)),
        // The family counts its exposures from 2; the item's position is the
        // window's exposure index.
        on<&P::comboNumExp>("comboNumExp")
            .fill(list(&CFamilyCore::exposureChoices))
            .start(ctx(&C::numExposures) - 2)
            .enabledIf(hdr)
            .slot("comboNumExposures_clicked(int)"),
        on<&P::checkInterleave>("checkSpreadGain")
            .start(flag(ctx(&C::interleave)))
            .enabledIf(hdr)
            .slot("checkInterleave_clicked()")
            .back(store(&P::interleave)),
        on<&P::spinT1_T2>("spinT1_T2").start(own(&ExposureRatios::t1T2Ratio)).slot("spinT1_T2_clicked(int)"),
        on<&P::spinT2_T3>("spinT2_T3").start(own(&ExposureRatios::t2T3Ratio)).slot("spinT2_T3_clicked(int)"),
        on<&P::comboAspectRatio>("comboAspectRatio")
            .enabledIf(usesFov)
            .slot("comboAspectRatio_currentIndexChanged(int)")
            .back(store(&P::aspectRatio)),
        on<&P::dSpinFovPercent>("dSpinFovPercent")
            .start(ctx(&C::fovPercent))
            .enabledIf(usesFov)
            .slot("dSpinFovPercent_valueChanged(double)")
            .back(store(&P::fovPercent)),
    };
    c.recalculated = hdrAsCalculated;
    c.toolTipsOnReopen = true;
    return c;
}

// The read-mode forms share their size, time and binning lines.
std::vector<Widget> readModeLines(const char *readModeTip)
{
    return {
        rowsForMode(),
        colsForMode(),
        integrationTime(),
        on<&P::spinReadMode>("spinReadMode")
            .start(ctx(&C::skipping))
            .slot("spinReadMode_valueChanged(int)")
            .tip(readModeTip)
            .back(store(&P::skipping)),
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
    };
}

// Skip modes 1, 2 and 4 (the slots step a 3 on), with the dark columns and
// the HDR options. The Y skip mode and the dark columns act only through
// their slots.
FormCase vek135()
{
    FormCase c{Panel::A, "Vek135_Adv"};
    c.widgets = readModeLines("Enter the sensor skip mode (1, 2, 4)");
    const std::vector<Widget> more = {
        on<&P::checkBinSF>("checkSkipBinComb")
            .start(flag(ctx(&C::binSF)))
            .slot("checkBinSF_clicked()")
            .tip("Check to activate skip_bin combo mode")
            .back(store(&P::binSF)),
        on<&P::checkPLL_DarkCols>("checkPLL_DarkCols")
            .start(flag(pll(&CPllParams::darkColumns)))
            .slot("checkPLL_DarkCols_clicked()")
            .tip(tips::kDarkCols),
        on<&P::spinReadMode_Y>("spinReadMode_Y").start(ctx(&C::skippingY)).slot("spinReadMode2_valueChanged(int)"),
        on<&P::checkHDR>("checkHDR")
            .start(flag(ctx(&C::hdrMode)))
            .slot("checkHDR_clicked()")
            .tip(tips::kHdr)
            .back(store(&P::hdrMode)),
        on<&P::checkInterleave>("checkOption")
            .start(flag(ctx(&C::interleave)))
            .slot("checkInterleave_clicked()")
            .back(store(&P::interleave)),
        on<&P::checkPadding>("checkPadding")
            .start(flag(ctx(&C::lfmMode)))
            .slot("checkLEDFlickerMitigation_clicked()")
            .back(store(&P::lfmMode)),
    };
    c.widgets.insert(c.widgets.end(), more.begin(), more.end());
    return c;
}

// Read modes 1 to 4 as they are, the supercell read-out (the sensor's
// high-speed box) and the quiet sample (its short-sequence option). The
// group of lines in always starts at 96 and, like scale M, is fixed in the
// form; the Y read mode, the supercell and the quiet sample act only
// through their slots.
FormCase vek132()
{
    FormCase c{Panel::A, "Vek132_Adv"};
    c.widgets = readModeLines(tips::kReadMode);
    const std::vector<Widget> more = {
        on<&P::checkShortSeq>("checkQuietSample").start(flag(own(&Vek_132::shortSeq))).slot("checkShortSeq_clicked()"),
        on<&P::checkHighSpeed>("checkSupercell").start(flag(ctx(&C::highSpeed))).slot("checkHighSpeed_clicked()"),
        on<&P::spinScaleM>("spinScaleM")
            .start(ctx(&C::scaleM))
            .slot("spinScaleM_valueChanged(int)")
            .tip(tips::kScaleM)
            .back(store(&P::scaleM)),
        on<&P::spinReadMode_Y>("spinReadMode_Y").start(ctx(&C::skippingY)).slot("spinReadMode2_valueChanged(int)"),
        on<&P::spinBorderPixels>("spinBorderPixels")
            .start(own(&ScalerOptions::borderPixels))
            .slot("spinBorderPix_changed(int)")
            .tip(tips::kBorderPixels)
            .back(store(&P::borderPixels)),
        on<&P::spinScaler>("spinN_in")
            .start(96)
            .slot("spinScaler_valueChanged(int)")
            .tip("Enter the Group lines in")
            .back(store(&P::scaler)),
    };
    c.widgets.insert(c.widgets.end(), more.begin(), more.end());
    return c;
}

} // namespace

std::vector<FormCase> vek123Vek135Vek132Cases()
{
    return {vek123(), vek135(), vek132()};
}

} // namespace panels
