// Rows of the forms Vek123_Adv (entries 88, 89), Vek135_Adv (90, 91) and
// Vek132_Adv (95 to 98), all one-context sensors. Included by
// tst_advpanels.cpp after the row types.
#pragma once

namespace advpanels {

namespace vek123vek132 {

using M = CModeState;
using C = CContextParams;
using panels::ctx;
using panels::factor;
using panels::flag;
using panels::mode;
using panels::own;
using panels::setting;
using panels::zero;

struct Sensor {
    int entry;
    const char *sample;
};
const std::vector<Sensor> kVek123 = {{88, "Vek123m"}, {89, "Vek123d"}};
const std::vector<Sensor> kVek135 = {{90, "Vek135d"}, {91, "Vek136d"}};
const std::vector<Sensor> kVek132 = {{95, "Vek132"}, {96, "Vek133"}, {97, "Vek134t"}, {98, "Vek134s"}};

constexpr char kRowsTip[] = "Output Rows: Enter desired # of rows to output in final image for this mode";
constexpr char kColsTip[] = "Output Columns: Enter desired # of colums to output in final image for this mode";
constexpr char kIntgTip[] = "Enter integration in msec.";

// A time as a box of that many decimals shows it.
inline Value shown(const Value &ms, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return [ms, scale](const Pallador &w, const CFamilyCore &f, int c) {
        return std::round(ms(w, f, c) * scale) / scale;
    };
}

// The opposite of what the use case left in a 0/1 setting.
template <class T, std::size_t N> Value other(T (SensorSettings::*field)[N])
{
    return zero(setting(field));
}

// A box of the open panel clicked, or a spin box given a value, as the
// engineer does it (the pointer rests on the panel).
inline Given click(const char *name)
{
    return [name](Pallador &w, CFamilyCore &) {
        pointAt(w, Panel::A);
        w.advForm[0]->findChild<QAbstractButton *>(QLatin1String(name))->click();
    };
}
inline Given enter(const char *name, int number)
{
    return [name, number](Pallador &w, CFamilyCore &) {
        pointAt(w, Panel::A);
        w.advForm[0]->findChild<QSpinBox *>(QLatin1String(name))->setValue(number);
    };
}

// ---------------------------------------------------------------------------
// Vek123_Adv.

inline std::vector<Check> vek123()
{
    return {
        value("checkSkipping", factor(mode(&M::colSkip))),
        value("checkBinXonly", factor(mode(&M::rowSkip))),
        value("spinRows", mode(&M::outputRows)),
        value("spinCols", mode(&M::outputCols)),
        value("dSpinIntgTime", shown(ctx(&C::intgTime), 2)),
        value("checkUseFOV", flag(ctx(&C::useFov))),
        value("checkHDR", flag(ctx(&C::hdrMode))),
        value("comboNumExp", ctx(&C::numExposures) - 2),
        value("checkSpreadGain", flag(ctx(&C::interleave))),
        value("spinT1_T2", own(&ExposureRatios::t1T2Ratio)),
        value("spinT2_T3", own(&ExposureRatios::t2T3Ratio)),
        value("comboAspectRatio", 0),
        value("dSpinFovPercent", shown(ctx(&C::fovPercent), 2)),
        tip("checkSkipping", "Check to activate skip setting."),
        tip("checkBinXonly", "Check to activate bin setting."),
        tip("spinRows", kRowsTip),
        tip("spinCols", kColsTip),
        tip("dSpinIntgTime", kIntgTip),
        tip("checkUseFOV", "Check to use Field of View for row/column settings."),
        tip("checkHDR", "Check to enable Interleave High Dynamic Range mode"),
        noTip("comboNumExp"),
        noTip("checkSpreadGain"),
        noTip("spinT1_T2"),
        noTip("comboAspectRatio"),
        noTip("dSpinFovPercent"),
        holds(panels::ref<&P::checkInterleave>(), "checkSpreadGain"),
        holds(panels::ref<&P::comboNumExp>(), "comboNumExp"),
        holds(panels::ref<&P::comboAspectRatio>(), "comboAspectRatio"),
        holds(panels::ref<&P::dSpinFovPercent>(), "dSpinFovPercent"),
        holds(panels::ref<&P::checkSkipping>(), "checkSkipping"),
    };
}

// Family values none of the sample's use cases or the form's defaults give.
inline void vek123Distinct(Pallador &, CFamilyCore &f)
{
    C &c = f.ctx[0];
    c.hdrMode = 1;
    c.numExposures = 4;
    c.interleave = 1;
    c.useFov = true;
    c.fovPercent = 50.0;
    f.mode[0].colSkip = 2;
    f.mode[0].rowSkip = 2;
    if (auto *ratios = dynamic_cast<ExposureRatios *>(&f)) {
        ratios->t1T2Ratio = 1;
        ratios->t2T3Ratio = 3;
    }
}

// The window's own output size of context A.
inline Given windowSize(int cols, int rows)
{
    return [cols, rows](Pallador &w, CFamilyCore &) {
        w.cols[0] = cols;
        w.rows[0] = rows;
    };
}

// ---------------------------------------------------------------------------
// Vek135_Adv and Vek132_Adv.

// The lines both read-mode forms share.
inline std::vector<Check> readMode(const char *modeTip)
{
    return {
        value("spinRows", mode(&M::outputRows)),
        value("spinCols", mode(&M::outputCols)),
        value("dSpinIntgTime", shown(ctx(&C::intgTime), 3)),
        value("spinReadMode", ctx(&C::skipping)),
        value("checkBinning", flag(ctx(&C::binning))),
        value("checkBinXonly", flag(ctx(&C::binXOnly))),
        value("spinReadMode_Y", ctx(&C::skippingY)),
        tip("spinRows", kRowsTip),
        tip("spinCols", kColsTip),
        tip("dSpinIntgTime", kIntgTip),
        tip("spinReadMode", modeTip),
        tip("checkBinning", "Check to activate y summing setting"),
        tip("checkBinXonly", "Check to activate x binning setting"),
        noTip("spinReadMode_Y"),
        holds(panels::ref<&P::spinReadMode>(), "spinReadMode"),
        holds(panels::ref<&P::spinReadMode_Y>(), "spinReadMode_Y"),
    };
}

inline std::vector<Check> vek135()
{
    std::vector<Check> checks = readMode("Enter the sensor skip mode (1, 2, 4)");
    const std::vector<Check> more = {
        value("checkSkipBinComb", flag(ctx(&C::binSF))),
        value("checkPLL_DarkCols", flag(panels::pll(&CPllParams::darkColumns))),
        value("checkHDR", flag(ctx(&C::hdrMode))),
        value("checkOption", flag(ctx(&C::interleave))),
        value("checkPadding", flag(ctx(&C::lfmMode))),
        tip("checkSkipBinComb", "Check to activate skip_bin combo mode"),
        tip("checkPLL_DarkCols", "Check to activate the dark cols in the output"),
        tip("checkHDR", "Check to enable High Dynamic Range mode"),
        noTip("checkOption"),
        noTip("checkPadding"),
        holds(panels::ref<&P::checkBinSF>(), "checkSkipBinComb"),
        holds(panels::ref<&P::checkInterleave>(), "checkOption"),
        holds(panels::ref<&P::checkPadding>(), "checkPadding"),
        holds(panels::ref<&P::checkPLL_DarkCols>(), "checkPLL_DarkCols"),
    };
    checks.insert(checks.end(), more.begin(), more.end());
    return checks;
}

inline void vek135Distinct(Pallador &, CFamilyCore &f)
{
    C &c = f.ctx[0];
    c.skipping = 2;
    c.skippingY = 4;
    c.binning = 1;
    c.binXOnly = 1;
    c.binSF = 1;
    c.hdrMode = 1;
    c.interleave = 1;
    c.lfmMode = 1;
    f.pll.darkColumns = 1;
}

// The group of lines in starts at 96 whatever the family holds.
inline std::vector<Check> vek132()
{
    std::vector<Check> checks = readMode("Enter the sensor read out mode (1, 2, 4)");
    const std::vector<Check> more = {
        value("checkQuietSample", flag(own(&Vek_132::shortSeq))),
        value("checkSupercell", flag(ctx(&C::highSpeed))),
        value("spinScaleM", ctx(&C::scaleM)),
        value("spinBorderPixels", own(&ScalerOptions::borderPixels)),
        value("spinN_in", 96),
        tip("spinScaleM", "Enter the Scale M value (16 ~ 96)"),
        tip("spinBorderPixels", "Enter the no. of pixels to be added as output border per side"),
        tip("spinN_in", "Enter the Group lines in"),
        noTip("checkQuietSample"),
        noTip("checkSupercell"),
        noTip("spinSMode"),
        holds(panels::ref<&P::checkShortSeq>(), "checkQuietSample"),
        holds(panels::ref<&P::checkHighSpeed>(), "checkSupercell"),
        holds(panels::ref<&P::spinScaler>(), "spinN_in"),
        holds(panels::ref<&P::spinBorderPixels>(), "spinBorderPixels"),
    };
    checks.insert(checks.end(), more.begin(), more.end());
    return checks;
}

inline void vek132Distinct(Pallador &, CFamilyCore &f)
{
    C &c = f.ctx[0];
    c.skipping = 3;
    c.skippingY = 2;
    c.binning = 1;
    c.binXOnly = 1;
    c.highSpeed = false;
    c.scaleM = 48;
    if (auto *vek = dynamic_cast<Vek_132 *>(&f)) {
        vek->shortSeq = true;
        vek->borderPixels = 5;
        vek->scaler = 150;
    }
}

} // namespace vek123vek132

inline Rows vek123Vek135Vek132Rows()
{
    using namespace vek123vek132;
    Rows rows;

    for (const Sensor &s : kVek123) {
        rows.openings.push_back(Opening{s.entry, s.sample}.expect(vek123()));
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("distinct values")
                                    .given(vek123Distinct)
                                    .expect(vek123())
                                    .expect({shows("comboNumExp", "4"), value("checkSkipping", 1),
                                             value("checkUseFOV", 1), value("spinT2_T3", 3)}));
        // The sub-sampling boxes follow the window's own output size, strictly
        // below 964 columns and 560 rows.
        rows.states.push_back(States{s.entry, s.sample}
                                  .note("963 x 559")
                                  .given(windowSize(963, 559))
                                  .disabled({"comboAspectRatio", "dSpinFovPercent"}));
        rows.states.push_back(States{s.entry, s.sample}
                                  .note("964 x 560")
                                  .given(windowSize(964, 560))
                                  .disabled({"checkSkipping", "checkBinXonly", "comboAspectRatio", "dSpinFovPercent"}));
        rows.states.push_back(States{s.entry, s.sample}
                                  .note("964 x 559")
                                  .given(windowSize(964, 559))
                                  .disabled({"checkSkipping", "comboAspectRatio", "dSpinFovPercent"}));
        // The parallel interface has no HDR; without HDR the exposure count
        // and the spread gain are closed.
        rows.states.push_back(
            States{s.entry, s.sample}
                .note("parallel interface, HDR off")
                .given([](Pallador &w, CFamilyCore &f) {
                    windowSize(963, 559)(w, f);
                    f.ctx[0].interfaceIndex = 0;
                    f.ctx[0].hdrMode = 0;
                })
                .disabled({"checkHDR", "comboNumExp", "checkSpreadGain", "comboAspectRatio", "dSpinFovPercent"}));
        // The field of view in use closes the size boxes and opens its own;
        // ticking it in the panel does the same through its slot, which has
        // no sub-sampling spin boxes to show, and its calculation closes the
        // sub-sampling boxes for the field of view it gives.
        rows.states.push_back(States{s.entry, s.sample}
                                  .note("field of view")
                                  .given([](Pallador &w, CFamilyCore &f) {
                                      windowSize(963, 559)(w, f);
                                      f.ctx[0].useFov = true;
                                  })
                                  .disabled({"spinRows", "spinCols"}));
        rows.states.push_back(States{s.entry, s.sample}
                                  .note("field of view ticked")
                                  .given(windowSize(963, 559))
                                  .then(click("checkUseFOV"))
                                  .disabled({"spinRows", "spinCols", "checkSkipping", "checkBinXonly"}));
        // The HDR box shows what the calculation of the re-opening used: the
        // state the engineer left in it. The calculation shows the share of
        // the array the output covers in the field-of-view box, whose slot
        // calculates once more.
        rows.reopenings.push_back(
            Reopening{s.entry, s.sample}
                .leave({{"checkSkipping", other(&P::skipping)},
                        {"checkBinXonly", other(&P::binXOnly)},
                        {"spinCols", 1280},
                        {"spinRows", 720},
                        {"dSpinIntgTime", 6.5},
                        {"checkHDR", other(&P::hdrMode)},
                        {"checkSpreadGain", other(&P::interleave)},
                        {"comboAspectRatio", 2},
                        {"spinT1_T2", 4}})
                .calculations(2)
                .stores({stored("skipping", &P::skipping, other(&P::skipping)),
                         stored("binXOnly", &P::binXOnly, other(&P::binXOnly)), stored("cols", &P::cols, 1280),
                         stored("rows", &P::rows, 720), stored("intgTime", &P::intgTime, 6.5),
                         stored("hdrMode", &P::hdrMode, other(&P::hdrMode)),
                         stored("interleave", &P::interleave, other(&P::interleave)),
                         stored("aspectRatio", &P::aspectRatio, 2), kept("t1T2Ratio", &P::t1T2Ratio)})
                .after({value("checkHDR", other(&P::hdrMode)), tip("spinRows", kRowsTip),
                        tip("checkHDR", "Check to enable Interleave High Dynamic Range mode")},
                       [](Pallador &w, CFamilyCore &) {
                           w.spinRows[0]->setToolTip(QString());
                           w.checkHDR[0]->setToolTip(QString());
                       }));
    }

    for (const Sensor &s : kVek135) {
        rows.openings.push_back(Opening{s.entry, s.sample}.expect(vek135()));
        rows.openings.push_back(
            Opening{s.entry, s.sample}.note("distinct values").given(vek135Distinct).expect(vek135()));
        // The skip-mode boxes step a 3 on to 4, or back to 2.
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("skip mode 3 from 2")
                                    .then([](Pallador &w, CFamilyCore &f) {
                                        enter("spinReadMode", 2)(w, f);
                                        enter("spinReadMode", 3)(w, f);
                                        enter("spinReadMode_Y", 2)(w, f);
                                        enter("spinReadMode_Y", 3)(w, f);
                                    })
                                    .expect({value("spinReadMode", 4), value("spinReadMode_Y", 4)}));
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("skip mode 3 from 4")
                                    .then([](Pallador &w, CFamilyCore &f) {
                                        enter("spinReadMode", 4)(w, f);
                                        enter("spinReadMode", 3)(w, f);
                                    })
                                    .expect({value("spinReadMode", 2)}));
        rows.states.push_back(States{s.entry, s.sample});
        // The Y skip mode and the dark columns act only through their slots.
        rows.reopenings.push_back(Reopening{s.entry, s.sample}
                                      .leave({{"spinCols", 2000},
                                              {"spinRows", 1500},
                                              {"dSpinIntgTime", 7.25},
                                              {"spinReadMode", 4},
                                              {"spinReadMode_Y", 2},
                                              {"checkBinning", other(&P::binning)},
                                              {"checkBinXonly", other(&P::binXOnly)},
                                              {"checkSkipBinComb", other(&P::binSF)},
                                              {"checkHDR", other(&P::hdrMode)},
                                              {"checkOption", other(&P::interleave)},
                                              {"checkPadding", other(&P::lfmMode)}})
                                      .stores({stored("cols", &P::cols, 2000), stored("rows", &P::rows, 1500),
                                               stored("intgTime", &P::intgTime, 7.25),
                                               stored("skipping", &P::skipping, 4),
                                               stored("binning", &P::binning, other(&P::binning)),
                                               stored("binXOnly", &P::binXOnly, other(&P::binXOnly)),
                                               stored("binSF", &P::binSF, other(&P::binSF)),
                                               stored("hdrMode", &P::hdrMode, other(&P::hdrMode)),
                                               stored("interleave", &P::interleave, other(&P::interleave)),
                                               stored("lfmMode", &P::lfmMode, other(&P::lfmMode)),
                                               kept("skippingY", &P::skippingY)}));
    }

    for (const Sensor &s : kVek132) {
        rows.openings.push_back(Opening{s.entry, s.sample}.expect(vek132()));
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("distinct values")
                                    .given(vek132Distinct)
                                    .expect(vek132())
                                    .expect({value("checkSupercell", 0), value("spinReadMode", 3),
                                             value("checkQuietSample", 1), shows("spinN_in", "96")}));
        // A read mode of 3 is accepted as it is.
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("read mode 3")
                                    .then([](Pallador &w, CFamilyCore &f) {
                                        enter("spinReadMode", 3)(w, f);
                                        enter("spinReadMode_Y", 3)(w, f);
                                    })
                                    .expect({value("spinReadMode", 3), value("spinReadMode_Y", 3)}));
        rows.states.push_back(States{s.entry, s.sample}.disabled({"spinScaleM", "spinSMode", "spinN_in"}));
        // Scale M and the group of lines in, left as the panel shows them, are
        // not read back; a read mode of 3 is stored as it is;
        // the Y read mode, the supercell and the quiet sample act only
        // through their slots.
        rows.reopenings.push_back(
            Reopening{s.entry, s.sample}
                .given([](Pallador &, CFamilyCore &f) { f.ctx[0].scaleM = 32; })
                .leave({{"spinCols", 2400},
                        {"spinRows", 1800},
                        {"dSpinIntgTime", 8.125},
                        {"spinReadMode", 3},
                        {"spinReadMode_Y", 4},
                        {"checkBinning", other(&P::binning)},
                        {"checkBinXonly", other(&P::binXOnly)},
                        {"spinBorderPixels", 6},
                        {"checkSupercell", other(&P::highSpeed)}})
                .stores({stored("cols", &P::cols, 2400), stored("rows", &P::rows, 1800),
                         stored("intgTime", &P::intgTime, 8.125), stored("skipping", &P::skipping, 3),
                         stored("binning", &P::binning, other(&P::binning)),
                         stored("binXOnly", &P::binXOnly, other(&P::binXOnly)), kept("scaleM", &P::scaleM),
                         stored("borderPixels", &P::borderPixels, 6), kept("scaler", &P::scaler),
                         kept("skippingY", &P::skippingY), kept("highSpeed", &P::highSpeed)}));
    }
    return rows;
}

} // namespace advpanels
