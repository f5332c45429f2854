// Advanced panels of two one-context exposure forms: Vek117_Adv (Vek110m and
// Vek112m), a scroll-area form with test and dark rows, line interleave, LED
// flicker mitigation, data rows, a fixed line length and super exposure; and
// Vek114_Adv (Vek114d), whose integration time the calculation drives.
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>

namespace panels {

namespace {

using P = Pallador;
using M = CModeState;
using C = CContextParams;

constexpr int kVek110m = 92;
constexpr int kVek112m = 93;

// The exposure counts both combos offer.
Items exposureCounts()
{
    return list(&CFamilyCore::exposureChoices);
}

// The image size, binning, integration time and HDR box both forms share:
// their starting values, connections, tool tips and read-back.
std::vector<Widget> sizeAndExposure()
{
    return {
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
        on<&P::checkHDR>("checkHDR")
            .start(flag(ctx(&C::hdrMode)))
            .slot("checkHDR_clicked()")
            .tip(tips::kHdr)
            .back(store(&P::hdrMode)),
    };
}

// Line interleave is open only with HDR; the binning boxes are closed while
// the field of view sets the size, and HDR while combination mode is on.
// Vek110m has no super exposure and Vek112m no LED flicker mitigation: the
// widgets are hidden, though connected. The line length box opens with its
// box (its slot); the three combos the panel does not look up keep the
// form's state.
FormCase vek117()
{
    FormCase c{Panel::A, "Vek117_Adv"};
    c.widgets = sizeAndExposure();
    const std::vector<Widget> more = {
        on<&P::spinScaler>("spinScaler").start(ctx(&C::scaler)).slot("spinScaler_valueChanged(int)"),
        on<&P::spinScaleM>("spinScaleM").start(ctx(&C::scaleM)).slot("spinScaleM_valueChanged(int)"),
        on<&P::checkLineInterleave>("checkLineInterleave")
            .start(flag(ctx(&C::lineInterleave)))
            .enabledIf(flag(ctx(&C::hdrMode)))
            .slot("checkLineInterleave_clicked()")
            .tip(tips::kLineInterleave),
        on<&P::checkLineComboMode>("checkLineComboMode")
            .start(flag(ctx(&C::lineComboMode)))
            .slot("checkLineInterCombo_clicked()")
            .tip("Check to activate line interleave combo mode (valid only for no. of exposures 3 & 4)"),
        on<&P::checkPadding>("checkLFM_mode")
            .start(own(&HdrRowFields::lfmMode))
            .hidden({kVek112m})
            .slot("checkLEDFlickerMitigation_clicked()"),
        on<&P::checkPLL_DarkRows>("checkPLL_DarkRows")
            .start(flag(pll(&CPllParams::darkRows)))
            .slot("checkPLL_DarkRows_clicked()"),
        on<&P::checkPLL_DarkCols>("checkPLL_DarkCols")
            .start(flag(pll(&CPllParams::darkColumns)))
            .slot("checkPLL_DarkCols_clicked()"),
        on<&P::checkAtr_Rows>("checkAtr_Rows").start(flag(pll(&CPllParams::atrRows))).slot("checkAtrRows_clicked()"),
        on<&P::checkDtr_Rows>("checkDtr_Rows").start(flag(pll(&CPllParams::dtrRows))).slot("checkDtrRows_clicked()"),
        // Both exposure combos start on their third item, whatever the
        // family's count; with fewer items they show none.
        on<&P::comboNumExp>("comboNumExp").fill(exposureCounts()).start(2).slot("comboNumExposures_clicked(int)"),
        on<&P::comboMax_nExposure>("comboMax_nExposure")
            .fill(exposureCounts())
            .start(2)
            .slot("comboNumMaxExposures_clicked(int)"),
        on<&P::checkUse_Reg>("checkUse_Reg").start(flag(ctx(&C::useReg))).slot("checkUseReg_clicked()"),
        on<&P::spinT2>("spinT2_ExpTime").start(pll(&CPllParams::activeT2Rows)).slot("spinT2ExpRows_clicked(int)"),
        on<&P::spinT3>("spinT3_ExpTime").start(pll(&CPllParams::activeT3Rows)).slot("spinT3ExpRows_clicked(int)"),
        on<&P::spinT4>("spinT4_ExpTime").start(pll(&CPllParams::activeT4Rows)).slot("spinT4ExpRows_clicked(int)"),
        on<&P::spinT1_T2>("spinT1_T2").start(own(&ExposureRatios::t1T2Ratio)).slot("spinT1_T2_clicked(int)"),
        on<&P::spinT2_T3>("spinT2_T3").start(own(&ExposureRatios::t2T3Ratio)).slot("spinT2_T3_clicked(int)"),
        on<&P::spinT3_T4>("spinT3_T4").start(own(&ExposureRatios::t3T4Ratio)).slot("spinT3_T4_clicked(int)"),
        on<&P::comboEmbedData_Rows>("comboEmbedData_Rows")
            .fill(list(&CFamilyCore::dataRowChoices))
            .start(0)
            .slot("comboEmbedDataRows_clicked(int)"),
        on<&P::comboStatsData_Rows>("comboStatsData_Rows")
            .fill(list(&CFamilyCore::dataRowChoices))
            .start(0)
            .slot("comboStatsDataRows_clicked(int)"),
        on<&P::checkFixLLpck>("checkFixLLpck").start(flag(ctx(&C::useFixLLpck))).slot("checkUseFixLLpck_clicked()"),
        on<&P::dspinFixLLpck>("dspinFixLLpck")
            .start(own(&HdrRowFields::fixedLineLength))
            .slot("spinFixedLLpck_clicked(int)"),
        on<&P::comboOverFlow>("comboOverFlow").hidden({kVek110m}).slot("comboSuperExp_clicked(int)"),
        on<&P::labelOverFlow>("labelOverFlow").hidden({kVek110m}),
    };
    c.widgets.insert(c.widgets.end(), more.begin(), more.end());
    const auto unlessFov = [](Widget &d) { d.enabledIf(zero(ctx(&C::useFov))); };
    c.change("checkBinXonly", unlessFov).change("checkBinning", unlessFov).change("checkHDR", [](Widget &d) {
        d.enabledIf(zero(ctx(&C::combi)));
    });
    c.gridLayout = true;
    c.toolTipsOnReopen = true;
    return c;
}

// The calculation writes the integration time into its box (with the box's
// signals blocked), so the box cannot be changed by the user, nor can the
// register box; binning is closed while the family locks it (HDR). The
// exposure times show the family's, truncated to whole milliseconds.
FormCase vek114()
{
    FormCase c{Panel::A, "Vek114_Adv"};
    c.widgets = sizeAndExposure();
    const std::vector<Widget> more = {
        on<&P::comboNumExp>("comboNumExp")
            .fill(exposureCounts())
            .start(ctx(&C::numExposures) - 1)
            .slot("comboNumExposures_clicked(int)"),
        on<&P::checkUse_Reg>("checkUse_Reg").start(flag(ctx(&C::useReg))).disabled().slot("checkUseReg_clicked()"),
        on<&P::spinT1_T2>("spinT1_T2").start(own(&ExposureRatios::t1T2Ratio)).slot("spinT1_T2_clicked(int)"),
        on<&P::spinT2_T3>("spinT2_T3").start(own(&ExposureRatios::t2T3Ratio)).slot("spinT2_T3_clicked(int)"),
        on<&P::spinT2>("spinT2_ExpTime").start(ctx(&C::t2ExpRows)).slot("spinT2ExpRows_clicked(int)"),
        on<&P::spinT3>("spinT3_ExpTime").start(ctx(&C::t3ExpRows)).slot("spinT3ExpRows_clicked(int)"),
    };
    c.widgets.insert(c.widgets.end(), more.begin(), more.end());
    const auto unlessLocked = [](Widget &d) { d.enabledIf(zero(ctx(&C::binningLocked))); };
    c.change("checkBinXonly", unlessLocked).change("checkBinning", unlessLocked).change("dSpinIntgTime", [](Widget &d) {
        d.disabled();
    });
    c.toolTipsOnReopen = true;
    return c;
}

} // namespace

std::vector<FormCase> vek117Vek114Cases()
{
    return {vek117(), vek114()};
}

} // namespace panels
