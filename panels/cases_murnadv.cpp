// Advanced panels of the image-processor sensors and of the sensor that feeds
// one of them: the forms Murn101_Adv (context B shown only), Murn105_Adv,
// Vek124_Adv, Murn109_Adv and Murn111_Adv (both contexts).
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

namespace panels {

std::vector<FormCase> murnAdvancedCases()
{
    using P = Pallador;
    using M = CModeState;
    std::vector<FormCase> cases;

    FormCase murn101{Panel::A, "Murn101_Adv"};
    murn101.widgets = {
        on<&P::checkSkipping>("checkSkipping")
            .start(factor(mode(&M::skipFactor)))
            .slot("checkSkipping_clicked()")
            .back(store(&P::skipping)),
        on<&P::checkLowPower>("checkLowPower")
            .start(flag(mode(&M::lowPower)))
            .slot("checkLowPower_clicked()")
            .back(store(&P::lowPower)),
        on<&P::spinRows>("spinRows").start(setting(&P::rows)).slot("spinRows_valueChanged(int)").back(store(&P::rows)),
        on<&P::spinCols>("spinCols").start(setting(&P::cols)).slot("spinCols_valueChanged(int)").back(store(&P::cols)),
    };
    cases.push_back(murn101);
    // Context B of the same sensors: one context only, so the panel is shown
    // and does nothing.
    FormCase murn101B{Panel::B, "Murn101_Adv"};
    murn101B.showOnly = true;
    cases.push_back(murn101B);

    // "4x4 Skip" is the binning setting of this sensor.
    FormCase murn105{Panel::A, "Murn105_Adv"};
    murn105.widgets = {
        on<&P::checkSkipping>("checkSkipping")
            .start(oneOf(mode(&M::skipFactor), {2}))
            .slot("checkSkipping_clicked()")
            .back(store(&P::skipping)),
        on<&P::checkBinning>("checkBinning")
            .start(oneOf(mode(&M::skipFactor), {4}))
            .slot("checkBinning_clicked()")
            .back(store(&P::binning)),
        on<&P::spinRows>("spinRows").start(setting(&P::rows)).slot("spinRows_valueChanged(int)").back(store(&P::rows)),
        on<&P::spinCols>("spinCols").start(setting(&P::cols)).slot("spinCols_valueChanged(int)").back(store(&P::cols)),
    };
    cases.push_back(murn105);

    // The format is fixed to "Bayer"; the image type is held in the format
    // member of context B and lists the family's types; the binning boxes are
    // open by the skip factor (1, 2, 4 as index 0, 1, 2).
    FormCase vek124{Panel::A, "Vek124_Adv"};
    vek124.widgets = {
        on<&P::spinCols>("spinCols")
            .start(mode(&M::outputCols))
            .slot("spinCols_valueChanged(int)")
            .tip(tips::kCols)
            .back(store(&P::cols)),
        on<&P::spinRows>("spinRows")
            .start(mode(&M::outputRows))
            .slot("spinRows_valueChanged(int)")
            .tip(tips::kRows)
            .back(store(&P::rows)),
        on<&P::checkBinning>("checkBinning")
            .start(factor(mode(&M::binning)))
            .enabledIf(oneOf(mode(&M::skipFactor), {2, 4}))
            .slot("checkBinning_clicked()")
            .tip("Check to activate binning setting.")
            .back(store(&P::binning)),
        on<&P::checkBinSF>("checkBinSF")
            .start(flag(mode(&M::binSF)))
            .enabledIf(oneOf(mode(&M::skipFactor), {4}))
            .slot("checkBinSF_clicked()")
            .tip("Check to activate SF binning setting")
            .back(store(&P::binSF)),
        on<&P::comboReadMode>("comboReadMode")
            .start(mode(&M::skipFactor) / 2)
            .slot("comboReadMode_currentIndexChanged(int)")
            .tip("Enter the sensor skip/bin factor (1,2,4)")
            .back(store(&P::skipping, powerOfTwo)),
        on<&P::comboOutFormat>("comboOutFormat").start(3).disabled(),
        on<&P::comboOutFormat, 1>("comboImageType")
            .fill(list(&CPllParams::imageTypes))
            .start(0)
            .slot("comboImageType_currentIndexChanged(int)")
            .tip(tips::kImageType),
    };
    cases.push_back(vek124);

    // The output size is shown as the window's setting and the result pane
    // count it, border pixels included, so that the box, its slot and the
    // read-back all take one quantity.
    FormCase murn109{Panel::A, "Murn109_Adv"};
    murn109.widgets = {
        on<&P::spinFovC>("spinFovC")
            .start(mode(&M::fovCols))
            .slot("spinFovC_valueChanged(int)")
            .tip(tips::kFovCols)
            .back(store(&P::fovCols)),
        on<&P::spinFovR>("spinFovR")
            .start(mode(&M::fovRows))
            .slot("spinFovR_valueChanged(int)")
            .tip(tips::kFovRows)
            .back(store(&P::fovRows)),
        on<&P::spinCols>("spinCols")
            .start(mode(&M::outputCols))
            .slot("spinCols_valueChanged(int)")
            .tip(tips::kCols)
            .back(store(&P::cols)),
        on<&P::spinRows>("spinRows")
            .start(mode(&M::outputRows))
            .slot("spinRows_valueChanged(int)")
            .tip(tips::kRows)
            .back(store(&P::rows)),
        on<&P::spinReadMode>("spinReadMode")
            .start(ctx(&CContextParams::readMode))
            .slot("spinReadMode_valueChanged(int)")
            .tip("Enter the sensor read out mode (0 ~ 5)")
            .back(store(&P::skipping)),
        on<&P::comboOutFormat>("comboOutFormat")
            .start(setting(&P::outFormat))
            .slot("comboOutFormat_currentIndexChanged(int)")
            .tip(tips::kOutFormat),
        on<&P::comboOutFormat, 1>("comboImageType")
            .start(setting(&P::imageType))
            .slot("comboImageType_currentIndexChanged(int)")
            .tip(tips::kImageType),
    };
    cases.push_back(murn109);

    // Low power acts through its slot only; the read-back leaves it.
    FormCase murn111{Panel::A, "Murn111_Adv"};
    murn111.widgets = {
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
        on<&P::checkAspectRatio>("checkAspectRatio")
            .start(flag(mode(&M::aspectRatio)))
            .slot("checkAspectRatio_clicked()")
            .tip("Check to activate 16:9 HD aspect ratio")
            .back(store(&P::aspectRatio)),
        rowsForMode(),
        colsForMode(),
        on<&P::comboOutFormat>("comboOutFormat")
            .start(setting(&P::outFormat))
            .slot("comboOutFormat_currentIndexChanged(int)")
            .tip(tips::kOutFormat),
    };
    cases.push_back(murn111);
    // Context B: low power is left to panel A, so its box is hidden and does
    // nothing here; skipping takes the largest factor the sensor allows.
    cases.push_back(
        murn111.derive(Panel::B)
            .change("checkSkipping", [](Widget &d) { d.tip(tips::kSkipMaxPossible); })
            .change("checkLowPower", [](Widget &d) { d.start({}).slot(nullptr).tip(nullptr).back({}).hidden(); }));

    return cases;
}

} // namespace panels
