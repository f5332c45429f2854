// Advanced panels of the two multi-exposure one-context forms: Vek128_Adv
// (Vek128m), which picks one of thirteen operation modes and carries four
// integration times, and Vek138_Adv (Vek138m, Vek139, Vek140m), which sets
// its exposures through four coarse integration times with power-of-two
// ratios.
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

// Columns of one step of the analog test and row-noise column lists
// ("0", "24", "48" and "0", "56", "112").
constexpr double kAnalogTestColStep = 24;
constexpr double kRowNoiseColStep = 56;

// The thirteen operation modes are the form's items; the item's position is
// the mode the window and the family carry. The integration times 2 to 4
// start from the context's (the family calculates with them), so that the
// read-back of an untouched panel gives them back rather than the form's
// defaults.
FormCase vek128()
{
    FormCase c{Panel::A, "Vek128_Adv"};
    c.widgets = {
        on<&P::checkBinXonly>("checkBinXonly")
            .start(factor(mode(&M::colSkip)))
            .slot("checkBinXonly_clicked()")
            .tip(tips::kBinDot)
            .back(store(&P::binXOnly)),
        on<&P::checkBinning>("checkBinning")
            .start(factor(mode(&M::rowSkip)))
            .slot("checkBinning_clicked()")
            .back(store(&P::binning)),
        rowsForMode(),
        colsForMode(),
        integrationTime(),
        on<&P::dSpinIntgTime2>("dSpinIntgTime2")
            .start(ctx(&C::intgTime2))
            .slot("dSpinIntgTime2_valueChanged(double)")
            .back(store(&P::intgTime2)),
        on<&P::dSpinIntgTime3>("dSpinIntgTime3")
            .start(ctx(&C::intgTime3))
            .slot("dSpinIntgTime3_valueChanged(double)")
            .back(store(&P::intgTime3)),
        on<&P::dSpinIntgTime4>("dSpinIntgTime4")
            .start(ctx(&C::intgTime4))
            .slot("dSpinIntgTime4_valueChanged(double)")
            .back(store(&P::intgTime4)),
        on<&P::checkPLL_DarkRows>("checkPLL_DarkRows")
            .start(flag(pll(&CPllParams::darkRows)))
            .slot("checkPLL_DarkRows_clicked()"),
        on<&P::checkAtr_Rows>("checkAtr_Rows").start(flag(pll(&CPllParams::atrRows))).slot("checkAtrRows_clicked()"),
        on<&P::checkDtr_Rows>("checkDtr_Rows").start(flag(pll(&CPllParams::dtrRows))).slot("checkDtrRows_clicked()"),
        on<&P::checkUse_Reg>("checkUse_Reg").start(flag(ctx(&C::useReg))).slot("checkUseReg_clicked()"),
        on<&P::spinT1_T2>("spinT1_T2").start(own(&ExposureRatios::t1T2Ratio)).slot("spinT1_T2_clicked(int)"),
        on<&P::spinT2_T3>("spinT2_T3").start(own(&ExposureRatios::t2T3Ratio)).slot("spinT2_T3_clicked(int)"),
        on<&P::spinT3_T4>("spinT3_T4").start(own(&ExposureRatios::t3T4Ratio)).slot("spinT3_T4_clicked(int)"),
        // A mode outside the list leaves the combo without a current item.
        on<&P::comboOperMode>("comboOperMode")
            .start(ctx(&C::hdrMode))
            .slot("comboOpMode_Changed(int)")
            .back(store(&P::hdrMode)),
        on<&P::spinBorderPixels>("spinDarkCols")
            .start(ctx(&C::borderPixels))
            .slot("spinBorderPix_changed(int)")
            .tip(tips::kDarkColIndex)
            .back(store(&P::borderPixels)),
    };
    c.toolTipsOnReopen = true;
    return c;
}

// The family holds the exposure rows, the ratios, the middle time, the
// exposure count, the swap and the packing once for the sensor. The ratio
// combos keep the form's items (disabled in the form): their slots store the
// position, and the calculation hands the family 2 to the power of it. The
// calculation itself keeps the exposure-count combo on the family's count.
FormCase vek138()
{
    FormCase c{Panel::A, "Vek138_Adv"};
    c.widgets = {
        rowsForMode(),
        colsForMode(),
        on<&P::spinReadMode>("spinReadMode").start(ctx(&C::readoutMode)).slot("spinReadMode_valueChanged(int)"),
        on<&P::checkHDR>("checkHDR")
            .start(flag(ctx(&C::hdrMode)))
            .slot("checkHDR_clicked()")
            .tip(tips::kHdr)
            .back(store(&P::hdrMode)),
        on<&P::checkInterleave>("checkCompanding")
            .start(flag(ctx(&C::interleave)))
            .slot("checkInterleave_clicked()")
            .tip("Check to enable data Companding mode"),
        on<&P::checkOtherLineTime>("checkT2T3Swap")
            .start(flag(own(&Vek_138::otherLineTime)))
            .slot("checkUseLineTime_clicked()")
            .tip("Check to activate swap T2 T3")
            .back(store(&P::otherLineTime)),
        on<&P::checkTxLatch>("checkDelayBuf")
            .start(flag(own(&Vek_138::txLatch)))
            .slot("checkTxLatch_clicked()")
            .tip("Check to activate delay buffer memory packing")
            .back(store(&P::txLatch)),
        on<&P::checkUse_Reg>("checkUse_Reg")
            .start(flag(ctx(&C::useReg)))
            .slot("checkUseReg_clicked()")
            .tip("Set individual coarse integration time register values"),
        on<&P::comboT1T2>("comboT1T2").slot("spinT1_T2_clicked(int)"),
        on<&P::comboT2T3>("comboT2T3").slot("spinT2_T3_clicked(int)"),
        on<&P::comboT3T4>("comboT3T4").slot("spinT3_T4_clicked(int)"),
        on<&P::spinT1>("spinT1").start(own(&Vek_138::t1ExpRows)).slot("spinT1ExpRows_clicked(int)"),
        on<&P::spinT2>("spinT2").start(own(&Vek_138::t2ExpRows)).slot("spinT2ExpRows_clicked(int)"),
        on<&P::spinT3>("spinT3").start(own(&Vek_138::t3ExpRows)).slot("spinT3ExpRows_clicked(int)"),
        on<&P::spinT4>("spinT4").start(own(&Vek_138::t4ExpRows)).slot("spinT4ExpRows_clicked(int)"),
        on<&P::spinMIT>("spinMIT").start(own(&Vek_138::middleIntTime)).slot("spinMiddleIT_clicked(int)"),
        on<&P::comboNumExp>("comboNumExp")
            .fill(list(&CFamilyCore::exposureChoices))
            .start(own(&Vek_138::numExposures) - 1)
            .slot("comboNumExposures_clicked(int)"),
        on<&P::comboADCMode>("comboATCol")
            .start(clamp(own(&Vek_138::analogTestCols) / kAnalogTestColStep, 0, 2))
            .slot("comboAnalogTestCols_clicked(int)")
            .tip("Select number of Analog Test Columns output"),
        on<&P::comboCCRow>("comboRNCol")
            .start(clamp(own(&Vek_138::rowNoiseCols) / kRowNoiseColStep, 0, 2))
            .slot("comboRowNoiseCols_clicked(int)")
            .tip("Select number of Row Noise Columns output"),
    };
    return c;
}

} // namespace

std::vector<FormCase> vek128Vek138Cases()
{
    return {vek128(), vek138()};
}

} // namespace panels
