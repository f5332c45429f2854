// Rows of the forms Drav102_Adv (entry 111) and Zelt_Adv (entries 105 to
// 109), one-context sensors. Included by tst_advpanels.cpp after the row
// types.
#pragma once

namespace advpanels {

namespace drav102zelt {

using M = CModeState;
using C = CContextParams;

constexpr int kDrav102 = 111;
constexpr char kDravSample[] = "Drav102";

struct Sensor {
    int entry;
    const char *sample;
};
const std::vector<Sensor> kZelt = {{105, "Zelt105"}, {106, "Zelt101"}, {107, "Zelt102"}, {108, "Zelt103"}, {109, "Zelt104"}};

// The region boxes by field, region 0 and region 1.
const char *const kRegionBoxes[6][2] = {
    {"roi0Xstart", "roi1Xstart"}, {"roi0Xsize", "roi1Xsize"},   {"roi0Ystart", "roi1Ystart"},
    {"roi0Ysize", "roi1Ysize"},   {"roi0Xscale", "roi1Xscale"}, {"roi0Yscale", "roi1Yscale"},
};

inline QStringList regionBoxes()
{
    QStringList names;
    for (const auto &field : kRegionBoxes)
        names << QLatin1String(field[0]) << QLatin1String(field[1]);
    return names;
}

inline Drav_102 &drav(CFamilyCore &f)
{
    return dynamic_cast<Drav_102 &>(f);
}

// A quantity of Drav_102 as the family holds it now.
inline Value dravValue(std::function<double(const Drav_102 &)> read)
{
    return [read](const Pallador &, const CFamilyCore &f, int) -> double {
        const auto *d = dynamic_cast<const Drav_102 *>(&f);
        return d ? read(*d) : qQNaN();
    };
}

inline Value region(int r, int field)
{
    return dravValue([r, field](const Drav_102 &d) { return d.roi[r].roiValue(field); });
}

// A time as the box of three decimals shows it.
inline Value shownMs(const Value &ms)
{
    return [ms](const Pallador &w, const CFamilyCore &f, int c) { return std::round(ms(w, f, c) * 1000.0) / 1000.0; };
}

// Drav102_Adv: every starting value, member and the form's own tool tips.
inline std::vector<Check> drav102()
{
    std::vector<Check> checks = {
        value("spinRows", panels::mode(&M::outputRows)),
        value("spinCols", panels::mode(&M::outputCols)),
        value("dSpinIntgTime", shownMs(dravValue([](const Drav_102 &d) { return d.intgTime; }))),
        value("yBinning", dravValue([](const Drav_102 &d) { return d.binning ? 1.0 : 0.0; })),
        value("xBinning", dravValue([](const Drav_102 &d) { return d.binXOnly ? 1.0 : 0.0; })),
        value("xSkipFactor", dravValue([](const Drav_102 &d) { return d.getXSkipIndex(); })),
        value("ySkipFactor", dravValue([](const Drav_102 &d) { return d.getYSkipIndex(); })),
        value("spinScaleM", dravValue([](const Drav_102 &d) { return d.scaleM; })),
        value("xScaling", dravValue([](const Drav_102 &d) { return d.isXscale() ? 1.0 : 0.0; })),
        value("yScaling", dravValue([](const Drav_102 &d) { return d.isYscale() ? 1.0 : 0.0; })),
        value("fbMode", dravValue([](const Drav_102 &d) { return d.fbMode; })),
        tip("xSkipFactor", "Number of pixels to bin or skip"),
        tip("ySkipFactor", "Number of pixels to bin or skip"),
        tip("dSpinIntgTime", "Enter integration in msec"),
        tip("fbMode", "Allow the unchip framebuffer to be used for ROI support or to slow the Mipi output speed."),
        noTip("spinRows"),
        noTip("roi0Xstart"),
        holds(panels::ref<&P::checkBinning>(), "yBinning"),
        holds(panels::ref<&P::checkBinXonly>(), "xBinning"),
        holds(panels::ref<&P::comboColSkip>(), "xSkipFactor"),
        holds(panels::ref<&P::comboRowSkip>(), "ySkipFactor"),
        holds(panels::ref<&P::xScaling>(), "xScaling"),
        holds(panels::ref<&P::fbMode>(), "fbMode"),
        holds(panels::ref<&P::roi0Spin, 0>(), "roi0Xstart"),
        holds(panels::ref<&P::roi1Spin, 3>(), "roi1Ysize"),
        holds(panels::ref<&P::roi0Spin, 5>(), "roi0Yscale"),
        holds(panels::ref<&P::roi1Spin, 5>(), "roi1Yscale"),
    };
    for (int field = 0; field < 6; ++field) {
        checks.push_back(value(kRegionBoxes[field][0], region(0, field)));
        checks.push_back(value(kRegionBoxes[field][1], region(1, field)));
    }
    return checks;
}

// The family's skip indices, dividend and frame-buffer mode.
inline Given dravModes(int xSkip, int ySkip, int dividend, int frameBuffer)
{
    return [=](Pallador &, CFamilyCore &f) {
        Drav_102 &d = drav(f);
        d.setXSkipIndex(xSkip);
        d.setYSkipIndex(ySkip);
        d.scaleM = dividend;
        d.fbMode = frameBuffer;
    };
}

// Family values none of the form's defaults or the sample's equal.
inline void dravDistinct(Pallador &, CFamilyCore &f)
{
    Drav_102 &d = drav(f);
    d.setXSkipIndex(2);
    d.setYSkipIndex(1);
    d.scaleM = 40;
    d.fbMode = 1;
    d.setXscale(true);
    d.setYscale(false);
    d.binning = true;
    d.binXOnly = false;
    d.intgTime = 12.3456;
    f.mode[0].outputRows = 300;
    f.mode[0].outputCols = 402;
    const int values[2][6] = {{10, 300, 20, 200, 32, 48}, {7, 500, 9, 400, 24, 64}};
    for (int r = 0; r < 2; ++r) {
        for (int field = 0; field < 6; ++field)
            d.roi[r].setRoiValue(field, values[r][field]);
    }
}

// Zelt_Adv: every starting value, tool tip and member.
inline std::vector<Check> zelt()
{
    return {
        value("spinRefCali", panels::ctx(&C::cols)),
        value("checkUseROI", panels::zero(panels::ctx(&C::roiOff))),
        value("spinROI", panels::ctx(&C::rows)),
        value("checkIncremental", panels::flag(panels::ctx(&C::lowPower))),
        value("checkSkipping", panels::factor(panels::ctx(&C::skipping))),
        value("spinIntTime", panels::ctx(&C::scaler)),
        value("spinIntOffset", panels::ctx(&C::scaleM)),
        value("checkSFOT", panels::flag(panels::ctx(&C::txLatch))),
        value("checkColorFilter", panels::flag(panels::ctx(&C::shortSeq))),
        value("checkTrigger", panels::flag(panels::ctx(&C::trigger))),
        value("radioMaster", 1),
        value("radioSlave", 0),
        tip("spinRefCali", "Number of electrical black reference lines to be read from the array."),
        tip("checkUseROI", "Check to input ROI size"),
        tip("spinROI", "Number of effective lines to be readout per frame."),
        tip("checkIncremental", "Check to use INCREMENTAL pixel array read out mode"),
        tip("checkSkipping", "Check to activate subsampling"),
        tip("spinIntTime", "Integration length in microseconds"),
        tip("spinIntOffset", "Integration offset in microseconds."),
        tip("checkSFOT", "Check to activate readout during SFOT"),
        tip("checkColorFilter", "Check to activate color filter array"),
        tip("checkTrigger", "Check to activate triggered option and for triggered master or slave selection"),
        noTip("radioMaster"),
        noTip("radioSlave"),
        holds(panels::ref<&P::spinCols>(), "spinRefCali"),
        holds(panels::ref<&P::checkOtherLineTime>(), "checkUseROI"),
        holds(panels::ref<&P::spinRows>(), "spinROI"),
        holds(panels::ref<&P::checkLowPower>(), "checkIncremental"),
        holds(panels::ref<&P::spinScaler>(), "spinIntTime"),
        holds(panels::ref<&P::spinScaleM>(), "spinIntOffset"),
        holds(panels::ref<&P::checkTxLatch>(), "checkSFOT"),
        holds(panels::ref<&P::checkShortSeq>(), "checkColorFilter"),
        holds(panels::ref<&P::checkTrigger>(), "checkTrigger"),
        holds(panels::ref<&P::radioMaster>(), "radioMaster"),
        holds(panels::ref<&P::radioSlave>(), "radioSlave"),
    };
}

// The context record as no sample has it: the ROI used, every option the
// other way round from the loaded one.
inline void zeltDistinct(Pallador &, CFamilyCore &f)
{
    C &r = f.ctx[0];
    r.cols = 12;
    r.roiOff = !r.roiOff;
    r.rows = 1000;
    r.lowPower = r.lowPower ? 0 : 1;
    r.skipping = r.skipping > 1 ? 1 : 2;
    r.scaler = 2345;
    r.scaleM = 77;
    r.txLatch = !r.txLatch;
    r.shortSeq = !r.shortSeq;
    r.trigger = !r.trigger;
}

// The opposite of what the use case left in a 0/1 setting.
template <class T, std::size_t N> Value other(T (SensorSettings::*field)[N])
{
    return panels::zero(panels::setting(field));
}
template <class T, std::enable_if_t<std::is_arithmetic_v<T>, int> = 0> Value other(T SensorSettings::*field)
{
    return panels::zero(panels::setting(field));
}

// Whether the ROI rows box is open.
inline Value roiBoxOpen()
{
    return [](const Pallador &w, const CFamilyCore &, int) -> double { return w.spinRows[0]->isEnabled() ? 1 : 0; };
}

// The set-up starts the Zelt sensors with their own ROI rows rather than the
// selected use case's, which a close reloads: the rows start from the use
// case here.
inline void fromUseCase(Pallador &w, CFamilyCore &)
{
    QMetaObject::invokeMethod(&w, "on_comboUseCase_A_currentIndexChanged", Qt::DirectConnection);
}

} // namespace drav102zelt

inline Rows drav102ZeltRows()
{
    using namespace drav102zelt;
    Rows rows;

    // Drav102_Adv: the family's values, also where they are none of the
    // form's; a region value beyond a box's range widens it, and the largest
    // 16-bit value never shows as a negative one.
    rows.openings.push_back(Opening{kDrav102, kDravSample}.expect(drav102()));
    rows.openings.push_back(Opening{kDrav102, kDravSample}
                                .note("distinct values")
                                .given(dravDistinct)
                                .expect(drav102())
                                .expect({value("xSkipFactor", 2), value("ySkipFactor", 1), value("fbMode", 1),
                                         value("spinScaleM", 40), value("xScaling", 1), value("yBinning", 1),
                                         value("roi1Xsize", 500), shows("dSpinIntgTime", "12.346  ms")}));
    rows.openings.push_back(Opening{kDrav102, kDravSample}
                                .note("region values of 16 bits")
                                .given([](Pallador &, CFamilyCore &f) {
                                    drav(f).roi[0].setRoiValue(0, 0xFFFF);
                                    drav(f).roi[1].setRoiValue(1, -1);
                                })
                                .expect({shows("roi0Xstart", "65535"), shows("roi1Xsize", "65535")}));

    // The enabling rules: the binning box of a direction that does not skip,
    // the scaling boxes at a dividend of 16, the region boxes unless the
    // frame buffer reads the regions.
    struct Enabling {
        const char *note;
        int xSkip, ySkip, dividend, frameBuffer;
        QStringList disabled;
    };
    const QStringList scaling = {"xScaling", "yScaling"};
    const std::vector<Enabling> enabling = {
        {"nothing skipped, unscaled, frame buffer off", 0, 0, 16, 0,
         QStringList{"xBinning", "yBinning"} + scaling + regionBoxes()},
        {"slow mipi", 1, 2, 16, 2, scaling + regionBoxes()},
        {"regions read, dividend 17, columns skipped", 1, 0, 17, 1, {"yBinning"}},
        {"rows skipped, dividend 128", 0, 2, 128, 0, QStringList{"xBinning"} + regionBoxes()},
    };
    for (const Enabling &e : enabling)
        rows.states.push_back(States{kDrav102, kDravSample}
                                  .note(e.note)
                                  .given(dravModes(e.xSkip, e.ySkip, e.dividend, e.frameBuffer))
                                  .disabled(e.disabled));

    // The next calculation after a change applies the rules again.
    const QStringList someRegions = {"roi0Xstart", "roi1Xstart", "roi0Yscale", "roi1Yscale"};
    rows.drivings.push_back(Driving{kDrav102, kDravSample}
                                .note("frame buffer reads the regions")
                                .given(dravModes(0, 0, 16, 0))
                                .drive({{"fbMode", 1}})
                                .calculations(1)
                                .expect({value("fbMode", 1)})
                                .enabled(someRegions));
    rows.drivings.push_back(Driving{kDrav102, kDravSample}
                                .note("slow mipi closes the regions")
                                .given(dravModes(0, 0, 16, 1))
                                .drive({{"fbMode", 2}})
                                .calculations(1)
                                .disabled(someRegions));
    rows.drivings.push_back(Driving{kDrav102, kDravSample}
                                .note("dividend above 16 and back")
                                .given(dravModes(0, 0, 16, 0))
                                .drive({{"spinScaleM", 17}})
                                .calculations(1)
                                .enabled(scaling));
    rows.drivings.push_back(Driving{kDrav102, kDravSample}
                                .note("dividend back to 16")
                                .given(dravModes(0, 0, 20, 0))
                                .drive({{"spinScaleM", 16}})
                                .calculations(1)
                                .disabled(scaling));
    rows.drivings.push_back(Driving{kDrav102, kDravSample}
                                .note("columns skipped, then not")
                                .given(dravModes(0, 0, 16, 0))
                                .drive({{"xSkipFactor", 2}, {"ySkipFactor", 1}, {"xSkipFactor", 0}})
                                .calculations(3)
                                .expect({outcome("column skip index",
                                                 dravValue([](const Drav_102 &d) { return d.getXSkipIndex(); }), 0),
                                         outcome("row skip index",
                                                 dravValue([](const Drav_102 &d) { return d.getYSkipIndex(); }), 1)})
                                .enabled({"yBinning"})
                                .disabled({"xBinning"}));

    // The read-back writes the size, integration time, binning and dividend
    // with the frame rate; skip factors, scaling, frame buffer and regions
    // stay with the widgets.
    rows.reopenings.push_back(
        Reopening{kDrav102, kDravSample}
            .given(dravModes(1, 1, 16, 0))
            .leave({{"spinCols", 400},
                    {"spinRows", 302},
                    {"dSpinIntgTime", 6.5},
                    {"yBinning", other(&P::binning)},
                    {"xBinning", other(&P::binXOnly)},
                    {"spinScaleM", 24}})
            .stores({stored("cols", &P::cols, 400), stored("rows", &P::rows, 302),
                     stored("intgTime", &P::intgTime, 6.5), stored("binning", &P::binning, other(&P::binning)),
                     stored("binXOnly", &P::binXOnly, other(&P::binXOnly)), stored("scaleM", &P::scaleM, 24)})
            .after({outcome("dividend", dravValue([](const Drav_102 &d) { return d.scaleM; }), 24)}));

    // Zelt_Adv.
    for (const Sensor &s : kZelt) {
        rows.openings.push_back(Opening{s.entry, s.sample}.expect(zelt()));
        rows.states.push_back(States{s.entry, s.sample}.disabled({"spinROI", "radioMaster", "radioSlave"}));
    }
    // The ROI box starts closed as the form has it, whatever the family's
    // full-frame flag; the buttons too, triggered or not.
    rows.openings.push_back(Opening{105, "Zelt105"}
                                .note("distinct values")
                                .given(zeltDistinct)
                                .expect(zelt())
                                .expect({value("spinRefCali", 12), value("spinROI", 1000), value("spinIntTime", 2345),
                                         value("spinIntOffset", 77)}));
    // Sub-sampling by 1 is none.
    rows.openings.push_back(Opening{106, "Zelt101"}
                                .note("sub-sampling factor 1")
                                .given([](Pallador &, CFamilyCore &f) { f.ctx[0].skipping = 1; })
                                .expect({value("checkSkipping", 0)}));
    rows.states.push_back(States{107, "Zelt102"}
                              .note("ROI used, triggered")
                              .given([](Pallador &, CFamilyCore &f) {
                                  f.ctx[0].roiOff = false;
                                  f.ctx[0].trigger = true;
                              })
                              .disabled({"spinROI", "radioMaster", "radioSlave"}));

    // The read-back: reference lines into the columns, ROI rows into the
    // rows, the ROI box into the other-line-time setting, the sensor-wide
    // colour filter, trigger and slave mode; never the frame rate. The ROI
    // box follows the ROI switch after the calculation.
    for (const Sensor &s : {kZelt.front(), kZelt.back()}) {
        rows.reopenings.push_back(
            Reopening{s.entry, s.sample}
                .note("from the use case")
                .given(fromUseCase)
                .leave({{"spinRefCali", 33},
                        {"checkUseROI", other(&P::otherLineTime)},
                        {"spinROI", 1500},
                        {"checkIncremental", other(&P::lowPower)},
                        {"checkSkipping", other(&P::skipping)},
                        {"spinIntTime", 1234},
                        {"spinIntOffset", 55},
                        {"checkSFOT", other(&P::txLatch)},
                        {"checkColorFilter", other(&P::shortSeq)},
                        {"checkTrigger", other(&P::trigger)},
                        {"radioSlave", other(&P::slaveMode)}})
                .stores({stored("cols", &P::cols, 33),
                         stored("otherLineTime", &P::otherLineTime, other(&P::otherLineTime)),
                         stored("rows", &P::rows, 1500), stored("lowPower", &P::lowPower, other(&P::lowPower)),
                         stored("skipping", &P::skipping, other(&P::skipping)), stored("scaler", &P::scaler, 1234),
                         stored("scaleM", &P::scaleM, 55), stored("txLatch", &P::txLatch, other(&P::txLatch)),
                         stored("shortSeq", &P::shortSeq, other(&P::shortSeq)),
                         stored("trigger", &P::trigger, other(&P::trigger)),
                         stored("slaveMode", &P::slaveMode, other(&P::slaveMode))})
                .after({outcome("ROI box open", roiBoxOpen(), other(&P::otherLineTime))})
                .keepFrameRate());
    }

    // The ROI box opens with the ROI switch after the calculation; the
    // trigger opens the master and slave buttons, and without it master is
    // chosen again.
    rows.drivings.push_back(Driving{106, "Zelt101"}
                                .note("ROI switched on")
                                .given([](Pallador &w, CFamilyCore &f) {
                                    w.otherLineTime[0] = 0;
                                    f.ctx[0].roiOff = true;
                                })
                                .drive({{"checkUseROI", 1}})
                                .calculations(1)
                                .expect({outcome("full frame", panels::ctx(&C::roiOff), 0)})
                                .enabled({"spinROI"}));
    rows.drivings.push_back(Driving{108, "Zelt103"}
                                .note("triggered as slave, then not triggered")
                                .given([](Pallador &w, CFamilyCore &f) {
                                    w.trigger = false;
                                    f.ctx[0].trigger = false;
                                })
                                .drive({{"checkTrigger", 1}, {"radioSlave", 1}})
                                .calculations(2)
                                .expect({outcome("slave mode", panels::setting(&P::slaveMode), 1),
                                         outcome("triggered", panels::setting(&P::trigger), 1)})
                                .enabled({"radioMaster", "radioSlave"}));
    rows.drivings.push_back(Driving{108, "Zelt103"}
                                .note("trigger off again")
                                .drive({{"checkTrigger", 1}, {"radioSlave", 1}, {"checkTrigger", 0}})
                                .calculations(3)
                                .expect({value("radioMaster", 1), outcome("slave mode", panels::setting(&P::slaveMode), 0)})
                                .disabled({"radioMaster", "radioSlave"}));
    return rows;
}

} // namespace advpanels
