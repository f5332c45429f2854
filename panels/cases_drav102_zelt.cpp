// Advanced panels of two one-context forms whose widgets do not follow the
// image-size pattern of the other families: Drav102_Adv (Drav102), with skip
// factors, scaling, a frame-buffer mode and two regions of interest that the
// calculation reads from the widgets, and Zelt_Adv (the Zelt sensors), whose
// read-out options travel in the window's general-purpose settings.
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QSpinBox>

#include <utility>

namespace panels {

namespace {

using P = Pallador;
using M = CModeState;
using C = CContextParams;

// What a Drav_102 accessor answers (0 for another family).
template <class T> Value drav(T (Drav_102::*get)() const)
{
    return [get](const Pallador &, const CFamilyCore &f, int) -> double {
        const auto *d = dynamic_cast<const Drav_102 *>(&f);
        return d ? double((d->*get)()) : 0.0;
    };
}

// Field 0 to 5 of region 0 or 1, as the family holds it now.
Value roiValue(int region, int field)
{
    return [region, field](const Pallador &, const CFamilyCore &f, int) -> double {
        const auto *d = dynamic_cast<const Drav_102 *>(&f);
        return d ? double(d->roi[region].roiValue(field)) : 0.0;
    };
}

// The frame buffer reads the regions in this mode only.
constexpr double kRoiFrameBuffer = 1;
// The scale is the dividend over this fixed divisor: a dividend above it
// scales.
constexpr double kDivisor = 16;

// The region boxes by field (x start, x size, y start, y size, x scale,
// y scale), region 0 and region 1.
constexpr const char *kRegionNames[DravRoi::FieldCount][2] = {
    {"roi0Xstart", "roi1Xstart"}, {"roi0Xsize", "roi1Xsize"},   {"roi0Ystart", "roi1Ystart"},
    {"roi0Ysize", "roi1Ysize"},   {"roi0Xscale", "roi1Xscale"}, {"roi0Yscale", "roi1Yscale"},
};

// A region box starts from the family's region and runs the calculation,
// which takes every region from the boxes; the boxes are open only while the
// frame buffer reads the regions.
Widget regionBox(Widget d, int region, int field)
{
    return d.start(roiValue(region, field))
        .slot("advancedTimingChanged()")
        .enabledIf(oneOf(own(&Drav_102::fbMode), {kRoiFrameBuffer}));
}

// The twelve region boxes, region 0 and region 1 of each field in turn.
template <std::size_t... Field> std::vector<Widget> regionBoxes(std::index_sequence<Field...>)
{
    std::vector<Widget> boxes;
    (boxes.insert(boxes.end(), {regionBox(on<&P::roi0Spin, int(Field)>(kRegionNames[Field][0]), 0, int(Field)),
                                regionBox(on<&P::roi1Spin, int(Field)>(kRegionNames[Field][1]), 1, int(Field))}),
     ...);
    return boxes;
}

// Drav_102 holds its integration time and binning once for the sensor. A
// binning box is open only while its direction skips, the scaling boxes only
// while the dividend scales. The skip factors, scaling, frame-buffer mode and
// regions are not read back: the calculation reads them from the widgets,
// hidden or not.
FormCase drav102()
{
    FormCase c{Panel::A, "Drav102_Adv"};
    const Value scales = zero(below(own(&Drav_102::scaleM), kDivisor + 1));
    c.widgets = {
        on<&P::spinRows>("spinRows")
            .start(mode(&M::outputRows))
            .slot("spinRows_valueChanged(int)")
            .back(store(&P::rows)),
        on<&P::spinCols>("spinCols")
            .start(mode(&M::outputCols))
            .slot("spinCols_valueChanged(int)")
            .back(store(&P::cols)),
        on<&P::dSpinIntgTime>("dSpinIntgTime")
            .start(own(&Drav_102::intgTime))
            .slot("dSpinIntgTime_valueChanged(double)")
            .back(store(&P::intgTime)),
        on<&P::checkBinning>("yBinning")
            .start(flag(own(&Drav_102::binning)))
            .enabledIf(drav(&Drav_102::getYSkipIndex))
            .slot("checkBinning_clicked()")
            .back(store(&P::binning)),
        on<&P::checkBinXonly>("xBinning")
            .start(flag(own(&Drav_102::binXOnly)))
            .enabledIf(drav(&Drav_102::getXSkipIndex))
            .slot("checkBinXonly_clicked()")
            .back(store(&P::binXOnly)),
        on<&P::comboColSkip>("xSkipFactor")
            .start(drav(&Drav_102::getXSkipIndex))
            .slot("comboColSkip_currentIndexChanged(int)"),
        on<&P::comboRowSkip>("ySkipFactor")
            .start(drav(&Drav_102::getYSkipIndex))
            .slot("comboRowSkip_currentIndexChanged(int)"),
        on<&P::spinScaleM>("spinScaleM")
            .start(own(&Drav_102::scaleM))
            .slot("advancedTimingChanged()")
            .back(store(&P::scaleM)),
        on<&P::xScaling>("xScaling")
            .start(drav(&Drav_102::isXscale))
            .enabledIf(scales)
            .slot("advancedTimingChanged()"),
        on<&P::yScaling>("yScaling")
            .start(drav(&Drav_102::isYscale))
            .enabledIf(scales)
            .slot("advancedTimingChanged()"),
        on<&P::fbMode>("fbMode").start(own(&Drav_102::fbMode)).slot("advancedTimingChanged()"),
    };
    const std::vector<Widget> regions = regionBoxes(std::make_index_sequence<DravRoi::FieldCount>());
    c.widgets.insert(c.widgets.end(), regions.begin(), regions.end());
    return c;
}

// The Zelt widgets go into the window's general-purpose members: the
// reference lines travel in the context's columns, the ROI rows in its rows,
// the ROI switch in its other-line-time setting; sub-sampling is a factor
// (1 when off) as the library keeps it. The calculation opens the
// ROI box while the ROI is used; the trigger slot opens the master and slave
// buttons. The read-back leaves the frame rate alone.
FormCase zelt()
{
    FormCase c{Panel::A, "Zelt_Adv"};
    c.widgets = {
        on<&P::spinCols>("spinRefCali")
            .start(ctx(&C::cols))
            .slot("spinCols_valueChanged(int)")
            .tip("Number of electrical black reference lines to be read from the array.")
            .back(store(&P::cols)),
        on<&P::checkOtherLineTime>("checkUseROI")
            .start(zero(ctx(&C::roiOff)))
            .slot("checkUseLineTime_clicked()")
            .tip("Check to input ROI size")
            .back(store(&P::otherLineTime)),
        on<&P::spinRows>("spinROI")
            .start(ctx(&C::rows))
            .slot("spinRows_valueChanged(int)")
            .tip("Number of effective lines to be readout per frame.")
            .back(store(&P::rows)),
        on<&P::checkLowPower>("checkIncremental")
            .start(flag(ctx(&C::lowPower)))
            .slot("checkLowPower_clicked()")
            .tip("Check to use INCREMENTAL pixel array read out mode")
            .back(store(&P::lowPower)),
        on<&P::checkSkipping>("checkSkipping")
            .start(factor(ctx(&C::skipping)))
            .slot("checkSkipping_clicked()")
            .tip("Check to activate subsampling")
            .back(store(&P::skipping)),
        on<&P::spinScaler>("spinIntTime")
            .start(ctx(&C::scaler))
            .slot("spinScaler_valueChanged(int)")
            .tip("Integration length in microseconds")
            .back(store(&P::scaler)),
        on<&P::spinScaleM>("spinIntOffset")
            .start(ctx(&C::scaleM))
            .slot("spinScaleM_valueChanged(int)")
            .tip("Integration offset in microseconds.")
            .back(store(&P::scaleM)),
        on<&P::checkTxLatch>("checkSFOT")
            .start(flag(ctx(&C::txLatch)))
            .slot("checkTxLatch_clicked()")
            .tip("Check to activate readout during SFOT")
            .back(store(&P::txLatch)),
        on<&P::checkShortSeq>("checkColorFilter")
            .start(flag(ctx(&C::shortSeq)))
            .slot("checkShortSeq_clicked()")
            .tip("Check to activate color filter array")
            .back(store(&P::shortSeq)),
        on<&P::checkTrigger>("checkTrigger")
            .start(flag(ctx(&C::trigger)))
            .slot("checkTrigger_clicked()")
            .tip("Check to activate triggered option and for triggered master or slave selection")
            .back(store(&P::trigger)),
        on<&P::radioMaster>("radioMaster").slot("checkTrigger_clicked()"),
        on<&P::radioSlave>("radioSlave").slot("checkTrigger_clicked()").back(store(&P::slaveMode)),
    };
    c.keepFrameRate();
    return c;
}

} // namespace

std::vector<FormCase> drav102ZeltCases()
{
    return {drav102(), zelt()};
}

} // namespace panels
