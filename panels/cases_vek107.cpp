// Advanced panel of the line-interleaved HDR sensors Vek117m (83), Vek107m
// (84) and Vek113m (85): the scroll form Vek107_Adv with image size and test
// rows, operation mode and line length, exposure settings and, for Vek113m,
// the delay buffers. The three sensors share the lookups, connections, tool
// tips and read-back; their starting values and states differ by entry.
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
using L = CPllParams;

// Vek113m: its own delay buffers, ratio labels and line-length rule.
const Entries kVek113{85};
constexpr int kVek113Entry = 85;

// The statistics rows offer the family's statistics list on Vek113m and its
// data-row list on the other two.
QStringList statsRowItems(const Pallador &w, const CFamilyCore &f, int)
{
    return w.sensorIndex == kVek113Entry ? f.statsRowChoices : f.dataRowChoices;
}

// Vek113m: a fixed line length does not go with the minimum-vertical and
// user-vertical blanking types (1, 2) nor with type 6, so the family's flag
// is cleared for them; the box is open and ticked exactly while the flag is
// set.
void vek113LineLength(Pallador &w, const CFamilyCore &, int)
{
    if (w.sensorIndex != kVek113Entry || !w.calvex || !w.calvex->vek_113)
        return;
    CContextParams &a = w.calvex->vek_113->ctx[0];
    const int blankType = w.blankType[0];
    if (blankType == 6 || blankType == 1 || blankType == 2)
        a.useFixLLpck = false;
    if (w.checkFixLLpck) {
        w.checkFixLLpck->setEnabled(a.useFixLLpck);
        w.checkFixLLpck->setChecked(a.useFixLLpck);
    }
}

} // namespace

std::vector<FormCase> vek107Cases()
{
    FormCase c{Panel::A, "Vek107_Adv"};
    const Value noFov = zero(ctx(&C::useFov));
    c.widgets = {
        on<&P::checkBinXonly>("checkBinXonly")
            .start(factor(mode(&M::colSkip)))
            .enabledIf(noFov)
            .slot("checkBinXonly_clicked()")
            .tip(tips::kBinDot)
            .back(store(&P::binXOnly)),
        on<&P::checkBinning>("checkBinning")
            .start(factor(mode(&M::rowSkip)))
            .enabledIf(noFov)
            .slot("checkBinning_clicked()")
            .back(store(&P::binning)),
        rowsForMode(),
        colsForMode(),
        // The scaling boxes keep the form's tool tips; Vek113m's scaling is
        // fixed.
        on<&P::spinScaler>("spinScaler").start(ctx(&C::scaler)).disabled(kVek113).slot("spinScaler_valueChanged(int)"),
        on<&P::spinScaleM>("spinScaleM").start(ctx(&C::scaleM)).disabled(kVek113).slot("spinScaleM_valueChanged(int)"),
        integrationTime(),
        on<&P::checkHDR>("checkHDR")
            .start(flag(ctx(&C::hdrMode)))
            .enabledIf(zero(ctx(&C::combi)))
            .slot("checkHDR_clicked()")
            .tip(tips::kHdr)
            .back(store(&P::hdrMode)),
        // Vek117m keeps the form's disabled line-interleave boxes; the HDR,
        // line-interleave and exposure slots keep them in step afterwards.
        on<&P::checkLineInterleave>("checkLineInterleave")
            .start(flag(ctx(&C::lineInterleave)))
            .enabledIf(byEntry({84, 85}, flag(ctx(&C::hdrMode)), 0))
            .slot("checkLineInterleave_clicked()")
            .tip(tips::kLineInterleave),
        on<&P::checkLineComboMode>("checkLineComboMode")
            .start(flag(ctx(&C::lineComboMode)))
            .enabledIf(byEntry(kVek113, flag(ctx(&C::lineInterleave)), 0))
            .slot("checkLineInterCombo_clicked()")
            .tip("Check to activate line interleave combo mode (valid only for no. of exposures 3 & 4)"),
        on<&P::checkPadding>("checkLFM_mode")
            .start(flag(own(&HdrRowFields::lfmMode)), {83, 84})
            .hidden(kVek113)
            .slot("checkLEDFlickerMitigation_clicked()"),
        on<&P::checkPLL_DarkRows>("checkPLL_DarkRows")
            .start(flag(pll(&L::darkRows)))
            .slot("checkPLL_DarkRows_clicked()"),
        on<&P::checkAtr_Rows>("checkAtr_Rows").start(flag(pll(&L::atrRows))).slot("checkAtrRows_clicked()"),
        on<&P::checkDtr_Rows>("checkDtr_Rows").start(flag(pll(&L::dtrRows))).slot("checkDtrRows_clicked()"),
        // Both exposure lists start at their third item, whatever the
        // context's count.
        on<&P::comboNumExp>("comboNumExp")
            .fill(list(&CFamilyCore::exposureChoices))
            .start(2)
            .slot("comboNumExposures_clicked(int)"),
        on<&P::comboMax_nExposure>("comboMax_nExposure")
            .fill(list(&CFamilyCore::exposureChoices))
            .start(2)
            .slot("comboNumMaxExposures_clicked(int)"),
        on<&P::checkUse_Reg>("checkUse_Reg").start(flag(ctx(&C::useReg))).slot("checkUseReg_clicked()"),
        on<&P::spinT2>("spinT2_ExpTime").start(pll(&L::activeT2Rows)).slot("spinT2ExpRows_clicked(int)"),
        on<&P::spinT3>("spinT3_ExpTime").start(pll(&L::activeT3Rows)).slot("spinT3ExpRows_clicked(int)"),
        on<&P::spinT4>("spinT4_ExpTime").start(pll(&L::activeT4Rows)).slot("spinT4ExpRows_clicked(int)"),
        on<&P::spinT1_T2>("spinT1_T2").start(own(&ExposureRatios::t1T2Ratio)).slot("spinT1_T2_clicked(int)"),
        on<&P::spinT2_T3>("spinT2_T3").start(own(&ExposureRatios::t2T3Ratio)).slot("spinT2_T3_clicked(int)"),
        on<&P::spinT3_T4>("spinT3_T4").start(own(&ExposureRatios::t3T4Ratio)).slot("spinT3_T4_clicked(int)"),
        on<&P::comboEmbedData_Rows>("comboEmbedData_Rows")
            .fill(list(&CFamilyCore::dataRowChoices))
            .start(byEntry(kVek113, pll(&L::embedDataRows), 0))
            .slot("comboEmbedDataRows_clicked(int)"),
        on<&P::comboStatsData_Rows>("comboStatsData_Rows")
            .fill(statsRowItems)
            .start(byEntry(kVek113, pll(&L::statsDataRows), 0))
            .slot("comboStatsDataRows_clicked(int)"),
        // Vek113m sets the box by its blanking rule (prepare).
        on<&P::checkFixLLpck>("checkFixLLpck")
            .start(flag(ctx(&C::useFixLLpck)), {83, 84})
            .slot("checkUseFixLLpck_clicked()"),
        on<&P::dspinFixLLpck>("dspinFixLLpck")
            .start(own(&HdrRowFields::fixedLineLength))
            .slot("spinFixedLLpck_clicked(int)"),
        // The test-row lists: Vek117m's come from the family; Vek113m keeps
        // the form's items; Vek107m leaves them closed.
        on<&P::comboATR>("comboATR")
            .fill(list(&CFamilyCore::analogTestRowChoices))
            .start(pll(&L::botAnalogRows), {83})
            .enabledIf(byEntry({83, 85}, 1, 0))
            .slot("comboBotAnalog_Rows_clicked(int)"),
        on<&P::comboDTR>("comboDTR")
            .fill(list(&CFamilyCore::digitalTestRowChoices))
            .start(pll(&L::topDigitalRows), {83})
            .enabledIf(byEntry({83, 85}, 1, 0))
            .slot("comboTopDigital_Rows_clicked(int)"),
        on<&P::spinBorderPixels>("spinDarkCols")
            .start(ctx(&C::borderPixels))
            .slot("spinBorderPix_changed(int)")
            .tip(tips::kDarkColIndex)
            .back(store(&P::borderPixels)),
        // The exposure-ratio labels are the calculation's (Vek113m).
        on<&P::labelT1T2>("labelT1T2"),
        on<&P::labelT2T3>("labelT2T3"),
        on<&P::labelT3T4>("labelT3T4"),
        // The delay buffers are Vek113m's; the other two leave them as the
        // form has them.
        on<&P::checkConfigBuf>("checkConfigBuf")
            .start(flag(pll(&L::configEnable)), kVek113)
            .slot("checkConfigEnable_clicked()")
            .tip("Enable configure buffer size"),
        on<&P::checkOverlayRW>("checkOverlayRW")
            .start(flag(pll(&L::dbOverlap)), kVek113)
            .slot("checkDbOverlap_clicked()")
            .tip("Set DB overlay read/write"),
        on<&P::spinConfigBuf_T1>("spinConfigBuf_T1")
            .start(pll(&L::configBufT1), kVek113)
            .enabledIf(byEntry(kVek113, flag(pll(&L::configEnable)), 1))
            .slot("spinConfigBufT1_valueChanged(int)"),
        on<&P::spinConfigBuf_T2>("spinConfigBuf_T2")
            .start(pll(&L::configBufT2), kVek113)
            .enabledIf(byEntry(kVek113, flag(pll(&L::configEnable)), 1))
            .slot("spinConfigBufT2_valueChanged(int)"),
        on<&P::spinConfigBuf_T3>("spinConfigBuf_T3")
            .start(pll(&L::configBufT3), kVek113)
            .enabledIf(byEntry(kVek113, flag(pll(&L::configEnable)), 1))
            .slot("spinConfigBufT3_valueChanged(int)"),
        on<&P::spinShAdv_T2>("spinShAdv_T2")
            .start(pll(&L::advShiftT2), kVek113)
            .slot("spinAdvShiftT2_valueChanged(int)"),
        on<&P::spinShAdv_T3>("spinShAdv_T3")
            .start(pll(&L::advShiftT3), kVek113)
            .slot("spinAdvShiftT3_valueChanged(int)"),
        on<&P::spinShAdv_T4>("spinShAdv_T4")
            .start(pll(&L::advShiftT4), kVek113)
            .slot("spinAdvShiftT4_valueChanged(int)"),
    };
    c.prepare = vek113LineLength;
    c.gridLayout = true;
    c.toolTipsOnReopen = true;
    return {c};
}

} // namespace panels
