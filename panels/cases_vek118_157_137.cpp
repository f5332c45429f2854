// Advanced panels of three one-context sensor groups: the operation-mode HDR
// form Vek118_Adv (Vek118m, Vek131m and Vek146m), the scaling forms
// Vek157b_Adv and Vek157f_Adv, and the Vek137_Adv form with its digital
// column correction.
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

// The HDR sequencer modes of the operation-mode sensors; the position of an
// item is the mode value the window and the family carry.
const QStringList kOperationModes = {"1ExpLin", "2ExpHDR", "3ExpHDR", "4ExpHDR", "2ExpLIM",
                                     "3ExpLIM", "4ExpLIM", "ST1_Lin", "ST1_T2"};

// Each mode item also carries its mode value as its data.
void operationModeData(Pallador &w, const CFamilyCore &, int)
{
    if (!w.comboOperMode)
        return;
    for (int i = 0; i < w.comboOperMode->count(); ++i)
        w.comboOperMode->setItemData(i, i);
}

// Vek146m reports an array larger than the form's ranges: its size boxes
// reach the family's array before they take its output size.
const Entries kVek146m{115};

// Vek131m calculates with the context's integration times 2 to 4: its boxes
// start from them, so that the read-back of an untouched panel gives them
// back instead of the form's defaults. The other sensors of the form keep the
// defaults, which their calculation does not use.
const Entries kVek131m{102};

FormCase vek118()
{
    FormCase c{Panel::A, "Vek118_Adv"};
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
        on<&P::spinRows>("spinRows")
            .maximum(pll(&CPllParams::arrayRows), kVek146m)
            .start(mode(&M::outputRows))
            .slot("spinRows_valueChanged(int)")
            .tip(tips::kRowsForMode)
            .back(store(&P::rows)),
        on<&P::spinCols>("spinCols")
            .maximum(pll(&CPllParams::arrayCols), kVek146m)
            .start(mode(&M::outputCols))
            .slot("spinCols_valueChanged(int)")
            .tip(tips::kColsForMode)
            .back(store(&P::cols)),
        integrationTime(),
        on<&P::dSpinIntgTime2>("dSpinIntgTime2")
            .start(ctx(&C::intgTime2), kVek131m)
            .slot("dSpinIntgTime2_valueChanged(double)")
            .back(store(&P::intgTime2)),
        on<&P::dSpinIntgTime3>("dSpinIntgTime3")
            .start(ctx(&C::intgTime3), kVek131m)
            .slot("dSpinIntgTime3_valueChanged(double)")
            .back(store(&P::intgTime3)),
        on<&P::dSpinIntgTime4>("dSpinIntgTime4")
            .start(ctx(&C::intgTime4), kVek131m)
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
            .fill([](const Pallador &, const CFamilyCore &, int) { return kOperationModes; })
            .start(ctx(&C::hdrMode))
            .slot("comboOpMode_Changed(int)")
            .back(store(&P::hdrMode)),
        on<&P::spinBorderPixels>("spinDarkCols")
            .start(ctx(&C::borderPixels))
            .slot("spinBorderPix_changed(int)")
            .tip(tips::kDarkColIndex)
            .back(store(&P::borderPixels)),
        on<&P::spinT1>("spinIdleRows").slot("spinT1ExpRows_clicked(int)"),
    };
    c.prepare = operationModeData;
    c.toolTipsOnReopen = true;
    return c;
}

// The Vek157 forms of both sensors. The exposure-ratio combo shows the
// family's ratio as the item of that text and is open exactly while HDR is
// ticked (the HDR box's slot keeps it so); with the panel open the
// calculation takes the ratio from the item's position.
FormCase vek157(const char *form)
{
    FormCase c{Panel::A, form};
    c.widgets = {
        rowsForMode(),
        colsForMode(),
        integrationTime(),
        on<&P::spinReadMode>("spinRowReadMode")
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
        on<&P::comboCCRow>("comboCCRow")
            .start(ctx(&C::ccRow))
            .byText()
            .enabledIf(flag(ctx(&C::hdrMode)))
            .slot("comboCCRow_currentIndexChanged(int)")
            .tip("Exposure Ratio: Enter desired Exposure Ratio for this context")
            .back(store(&P::ccRow)),
        on<&P::spinScaleM>("spinScaleM")
            .start(ctx(&C::scaleM))
            .slot("spinScaleM_valueChanged(int)")
            .tip(tips::kScaleM)
            .back(store(&P::scaleM)),
        on<&P::spinSMode>("spinSMode").start(ctx(&C::sMode)).slot("spinSMode_valueChanged(int)"),
        // A column read-out mode of 3 is stored as it is.
        on<&P::spinReadMode_Y>("spinReadMode_Y")
            .start(ctx(&C::skippingY))
            .slot("spinReadMode2_valueChanged(int)")
            .back(store(&P::skippingY)),
        on<&P::go_pro_3x3>("go_pro_3x3")
            .start(ctx(&C::goProMode))
            .slot("spinGoPro_valueChanged(double)")
            .back(store(&P::goProMode)),
    };
    return c;
}

// The read-out box counts from 1 where the family counts from 0: it shows
// the family's mode plus 1 and stores the mode it shows minus 1. The CFPn
// list is the family's, starts at its first item and is open exactly while
// digital column correction is on. The size options are the family's and
// stay disabled.
FormCase vek137()
{
    FormCase c{Panel::A, "Vek137_Adv"};
    c.widgets = {
        rowsForMode(),
        colsForMode(),
        integrationTime(),
        on<&P::spinReadMode>("spinReadMode")
            .start(ctx(&C::skipping) + 1)
            .slot("spinReadMode_valueChanged(int)")
            .tip(tips::kReadMode)
            .back(store(&P::skipping, [](double shown) { return threeAsFour(shown) - 1.0; })),
        on<&P::spinBorderPixels>("spinBorderPixels")
            .start(own(&Vek_137::borderPixels))
            .slot("spinBorderPix_changed(int)")
            .tip(tips::kBorderPixels)
            .back(store(&P::borderPixels)),
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
        on<&P::checkPLL_DarkRows>("checkPLL_DarkRows")
            .start(flag(pll(&CPllParams::darkRows)))
            .slot("checkPLL_DarkRows_clicked()")
            .tip(tips::kDarkRows),
        on<&P::checkPLL_DarkCols>("checkPLL_DarkCols")
            .start(flag(pll(&CPllParams::darkColumns)))
            .slot("checkPLL_DarkCols_clicked()")
            .tip(tips::kDarkCols),
        on<&P::checkDigitalCC>("checkDigitalCC")
            .start(flag(own(&Vek_137::digitalCC)))
            .slot("checkDigitalCC_clicked()")
            .tip("Enable Digital Column Correction")
            .back(store(&P::digitalCC)),
        on<&P::comboCCRow>("comboCCRow")
            .fill(list(&CFamilyCore::cfpnRowChoices))
            .start(0)
            .enabledIf(flag(own(&Vek_137::digitalCC)))
            .slot("comboCCRow_currentIndexChanged(int)")
            .tip("Select the CFPn Rows to use 64(min) and 512(max)")
            .back(store(&P::ccRow)),
    };
    return c;
}

} // namespace

std::vector<FormCase> vek118Vek157Vek137Cases()
{
    return {vek118(), vek157("Vek157b_Adv"), vek157("Vek157f_Adv"), vek137()};
}

} // namespace panels
