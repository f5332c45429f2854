// Rows of the context-A panels of the two-context forms Murn107_Adv (entry
// 59), Murn103_Adv (60, 61), Murn110_Adv (69), Murn108_Adv (70) and
// Vek116_Adv (72 to 74). Included by tst_advpanels.cpp after the row types.
#pragma once

namespace advpanels {

namespace murnvek116 {

using M = CModeState;
using C = CContextParams;
using panels::ctx;
using panels::factor;
using panels::flag;
using panels::mode;
using panels::setting;
using panels::zero;

struct Sensor {
    int entry;
    const char *sample;
};
const Sensor kMurn107{59, "Sarn108kj"};
const std::vector<Sensor> kMurn103 = {{60, "Sarn103k"}, {61, "Tolm109"}};
const Sensor kMurn110{69, "Sarn113k"};
const Sensor kMurn108{70, "Sarn110k"};
const std::vector<Sensor> kVek116 = {{72, "Vek116m"}, {73, "Vek116t"}, {74, "Vek115x"}};

constexpr char kRowsTip[] = "Output Rows: Enter desired # of rows to output in final image for this mode";
constexpr char kColsTip[] = "Output Columns: Enter desired # of colums to output in final image for this mode";

// The output size from the context's record, held by the panel's members.
inline std::vector<Check> contextSize()
{
    return {
        value("spinRows", ctx(&C::rows)),
        value("spinCols", ctx(&C::cols)),
        holds(panels::ref<&P::spinRows>(), "spinRows"),
        holds(panels::ref<&P::spinCols>(), "spinCols"),
    };
}

inline std::vector<Check> joined(std::vector<Check> checks, const std::vector<Check> &more)
{
    checks.insert(checks.end(), more.begin(), more.end());
    return checks;
}

// A box left the other way than the use case set its setting, and the 0 or
// 1 the re-opening then stores.
template <class T, std::size_t N> Leave flipped(const char *widget, T (SensorSettings::*field)[N])
{
    return {widget, zero(setting(field))};
}
template <class T, std::size_t N> Stored storedFlipped(const char *name, T (SensorSettings::*field)[N])
{
    return stored(name, field, zero(setting(field)));
}

// Family values none of the use cases or the forms' defaults give.
inline void distinctContextValues(Pallador &, CFamilyCore &f)
{
    C &c = f.ctx[0];
    c.skipping = 2;
    c.binning = 1;
    c.binXOnly = 1;
    c.otherLineTime = 1;
    c.lowPower = 1;
    c.rows = 456;
    c.cols = 612;
    c.adcMode = 2;
    c.outFormat = 1;
    f.mode[0].lowPower = 1;
}

inline Given murn110Mode(int skipFactor)
{
    return [skipFactor](Pallador &, CFamilyCore &f) {
        M &m = f.mode[0];
        m.skipFactor = skipFactor;
        m.binning = skipFactor;
        m.bin2Skip2 = skipFactor > 1;
        m.binXOnly = skipFactor > 1;
        m.cropping = skipFactor > 1;
        m.lowPower = skipFactor > 1;
    };
}

inline Given centering(int value)
{
    return [value](Pallador &, CFamilyCore &f) { f.ctx[0].centering = value; };
}

// Vek116: the field of view, the combination mode (the window's, which the
// calculation carries into the family and which clears HDR and interleave)
// and the sub-sampling factors of context A.
inline Given vek116(bool useFov, int combi, int colSkip = 1, int rowSkip = 1)
{
    return [=](Pallador &w, CFamilyCore &f) {
        w.combi = combi;
        f.ctx[0].useFov = useFov;
        f.ctx[0].combi = combi;
        f.mode[0].colSkip = colSkip;
        f.mode[0].rowSkip = rowSkip;
    };
}

inline std::vector<Check> vek116Opening()
{
    return {
        value("checkSkipping", factor(mode(&M::colSkip))),
        value("checkBinXonly", factor(mode(&M::rowSkip))),
        value("spinRows", mode(&M::outputRows)),
        value("spinCols", mode(&M::outputCols)),
        value("dSpinIntgTime", ctx(&C::intgTime)),
        value("checkUseFOV", ctx(&C::useFov)),
        value("checkHDR", flag(ctx(&C::hdrMode))),
        value("checkInterleave", flag(ctx(&C::interleave))),
        value("checkLineInterleave", flag(ctx(&C::lineInterleave))),
        value("spinColSub", 0),
        value("spinRowSub", 0),
        tip("checkSkipping", "Check to activate skip setting."),
        tip("checkBinXonly", "Check to activate bin setting."),
        tip("spinColSub", "Select column sub-sampling setting."),
        tip("spinRowSub", "Select row sub-sampling setting."),
        tip("spinRows", kRowsTip),
        tip("spinCols", kColsTip),
        tip("dSpinIntgTime", "Enter integration in msec."),
        tip("checkUseFOV", "Check to use Field of View for row/column settings."),
        tip("checkHDR", "Check to enable High Dynamic Range mode"),
        tip("checkInterleave", "Check to activate pixel interleave mode"),
        tip("checkLineInterleave", "check to activate line interleave mode"),
        noTip("checkPLL_DarkRows"),
        noTip("checkPLL_DarkCols"),
        holds(panels::ref<&P::checkSkipping>(), "checkSkipping"),
        holds(panels::ref<&P::checkBinXonly>(), "checkBinXonly"),
        holds(panels::ref<&P::spinColSub>(), "spinColSub"),
        holds(panels::ref<&P::spinRowSub>(), "spinRowSub"),
        holds(panels::ref<&P::dSpinIntgTime>(), "dSpinIntgTime"),
        holds(panels::ref<&P::checkUseFOV>(), "checkUseFOV"),
        holds(panels::ref<&P::checkHDR>(), "checkHDR"),
        holds(panels::ref<&P::checkInterleave>(), "checkInterleave"),
        holds(panels::ref<&P::checkLineInterleave>(), "checkLineInterleave"),
    };
}

// The Vek116 tool tips are set again after the re-opening's calculation.
inline void clearTips(Pallador &w, CFamilyCore &)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{w.spinRows[0], w.checkHDR[0], w.checkLineInterleave[0]})
        widget->setToolTip(QString());
}

} // namespace murnvek116

inline Rows murnVek116Rows()
{
    using namespace murnvek116;
    Rows rows;

    // Murn107_Adv: no tool tips; the ADC combo keeps "Don't Care".
    {
        const auto [entry, sample] = kMurn107;
        const std::vector<Check> murn107 =
            joined(contextSize(), {
                                      value("checkSkipping", factor(ctx(&C::skipping))),
                                      value("checkBinning", flag(ctx(&C::binning))),
                                      value("checkOtherLineTime", flag(ctx(&C::otherLineTime))),
                                      shows("comboADCMode", "Don't Care"),
                                      noTip("checkSkipping"),
                                      noTip("checkBinning"),
                                      noTip("checkOtherLineTime"),
                                      noTip("spinRows"),
                                      noTip("spinCols"),
                                      noTip("comboADCMode"),
                                      holds(panels::ref<&P::comboADCMode>(), "comboADCMode"),
                                      holds(panels::ref<&P::checkOtherLineTime>(), "checkOtherLineTime"),
                                  });
        rows.openings.push_back(Opening{entry, sample}.expect(murn107));
        rows.openings.push_back(
            Opening{entry, sample}.note("distinct family values").given(distinctContextValues).expect(murn107));
        rows.states.push_back(States{entry, sample});
        rows.reopenings.push_back(
            Reopening{entry, sample}
                .leave({flippedSkip("checkSkipping", &P::skipping),
                        flipped("checkBinning", &P::binning),
                        flipped("checkOtherLineTime", &P::otherLineTime),
                        {"comboADCMode", 2},
                        {"spinCols", 612},
                        {"spinRows", 456}})
                .stores({stored("skipping", &P::skipping, flippedSkipFactor(&P::skipping)),
                         storedFlipped("binning", &P::binning), storedFlipped("otherLineTime", &P::otherLineTime),
                         stored("adcMode", &P::adcMode, 2), stored("cols", &P::cols, 612),
                         stored("rows", &P::rows, 456)}));
    }

    // Murn103_Adv: the re-opening keeps the frame rate.
    for (const auto &[entry, sample] : kMurn103) {
        const std::vector<Check> murn103 =
            joined(contextSize(), {
                                      value("checkSkipping", factor(ctx(&C::skipping))),
                                      value("checkOtherLineTime", flag(ctx(&C::otherLineTime))),
                                      value("checkLowPower", flag(ctx(&C::lowPower))),
                                      tip("checkSkipping", "Check to activate skip setting (2x)"),
                                      tip("checkOtherLineTime", "Check to match the Line Time of Context B"),
                                      tip("spinRows", kRowsTip),
                                      tip("spinCols", kColsTip),
                                      tip("checkLowPower", "Check to enter Low-Power Mode by halving the Pixel Clock"),
                                      holds(panels::ref<&P::checkLowPower>(), "checkLowPower"),
                                  });
        rows.openings.push_back(Opening{entry, sample}.expect(murn103));
        rows.openings.push_back(
            Opening{entry, sample}.note("distinct family values").given(distinctContextValues).expect(murn103));
        rows.states.push_back(States{entry, sample});
        rows.reopenings.push_back(
            Reopening{entry, sample}
                .leave({flippedSkip("checkSkipping", &P::skipping),
                        flipped("checkOtherLineTime", &P::otherLineTime),
                        flipped("checkLowPower", &P::lowPower),
                        {"spinCols", 612},
                        {"spinRows", 456}})
                .stores({stored("skipping", &P::skipping, flippedSkipFactor(&P::skipping)),
                         storedFlipped("otherLineTime", &P::otherLineTime), storedFlipped("lowPower", &P::lowPower),
                         stored("cols", &P::cols, 612), stored("rows", &P::rows, 456)})
                .keepFrameRate());
    }

    // Murn110_Adv: the read-out boxes from the mode state, "Skip2 only" by
    // the skip factor; the JPEG box is the high-speed member and comes back
    // as the output format; low power is left to its slot.
    {
        const auto [entry, sample] = kMurn110;
        const std::vector<Check> murn110 =
            joined(contextSize(), {
                                      value("checkBinning", factor(mode(&M::binning))),
                                      value("checkBin2Skip2", flag(mode(&M::bin2Skip2))),
                                      value("checkBinXonly", flag(mode(&M::binXOnly))),
                                      value("checkSkipping", factor(mode(&M::skipFactor))),
                                      value("checkLowPower", flag(mode(&M::lowPower))),
                                      value("checkCropping", flag(mode(&M::cropping))),
                                      value("checkJpeg", flag(ctx(&C::outFormat))),
                                      tip("checkBinning", "Check to activate bin setting"),
                                      tip("checkBin2Skip2", "Check to activate bin2skip2 setting"),
                                      tip("checkBinXonly", "Check to activate column binning setting"),
                                      tip("checkSkipping", "Check to activate skip setting"),
                                      tip("checkLowPower", "Check to activate low-power setting"),
                                      tip("checkCropping", "Check to activate crop setting"),
                                      tip("checkJpeg", "Check to activate JPEG output"),
                                      tip("spinRows", kRowsTip),
                                      tip("spinCols", kColsTip),
                                      holds(panels::ref<&P::checkHighSpeed>(), "checkJpeg"),
                                      holds(panels::ref<&P::checkBin2Skip2>(), "checkBin2Skip2"),
                                      holds(panels::ref<&P::checkCropping>(), "checkCropping"),
                                  });
        rows.openings.push_back(Opening{entry, sample}.expect(murn110));
        rows.openings.push_back(Opening{entry, sample}
                                    .note("skip factor 2")
                                    .given(murn110Mode(2))
                                    .expect(murn110)
                                    .expect({value("checkSkipping", 1), value("checkBinning", 1)}));
        rows.openings.push_back(Opening{entry, sample}
                                    .note("skip factor 1")
                                    .given(murn110Mode(1))
                                    .expect(murn110)
                                    .expect({value("checkSkipping", 0), value("checkBinning", 0)}));
        rows.openings.push_back(Opening{entry, sample}
                                    .note("JPEG output")
                                    .given(distinctContextValues)
                                    .expect({value("checkJpeg", 1), value("spinRows", 456), value("spinCols", 612)}));
        rows.states.push_back(States{entry, sample});
        // The skipping box shows the library's skip factor, which the sample
        // leaves ticked: the flip of the setting leaves it as it shows, and
        // an unchanged box is not read back.
        rows.reopenings.push_back(
            Reopening{entry, sample}
                .leave({flipped("checkBinning", &P::binning),
                        flipped("checkBinXonly", &P::binXOnly),
                        flipped("checkBin2Skip2", &P::bin2Skip2),
                        flipped("checkSkipping", &P::skipping),
                        flipped("checkCropping", &P::cropping),
                        flipped("checkJpeg", &P::outFormat),
                        flipped("checkLowPower", &P::lowPower),
                        {"spinCols", 1000},
                        {"spinRows", 700}})
                .stores({storedFlipped("binning", &P::binning), storedFlipped("binXOnly", &P::binXOnly),
                         storedFlipped("bin2Skip2", &P::bin2Skip2), kept("skipping", &P::skipping),
                         storedFlipped("cropping", &P::cropping), storedFlipped("outFormat", &P::outFormat),
                         stored("cols", &P::cols, 1000), stored("rows", &P::rows, 700),
                         kept("lowPower", &P::lowPower)}));
    }

    // Murn108_Adv: no tool tips; "Centering" only for the value 1.
    {
        const auto [entry, sample] = kMurn108;
        const std::vector<Check> murn108 =
            joined(contextSize(), {
                                      value("checkSkipping", factor(ctx(&C::skipping))),
                                      value("checkBinning", flag(ctx(&C::binning))),
                                      value("checkBinXonly", flag(ctx(&C::binXOnly))),
                                      value("checkLowPower", flag(mode(&M::lowPower))),
                                      value("checkOtherLineTime", flag(ctx(&C::otherLineTime))),
                                      value("checkCentering", panels::oneOf(ctx(&C::centering), {1})),
                                      shows("comboADCMode", "Don't Care"),
                                      noTip("checkSkipping"),
                                      noTip("checkBinning"),
                                      noTip("checkBinXonly"),
                                      noTip("checkLowPower"),
                                      noTip("checkOtherLineTime"),
                                      noTip("spinRows"),
                                      noTip("spinCols"),
                                      noTip("comboADCMode"),
                                      noTip("checkCentering"),
                                      holds(panels::ref<&P::checkCentering>(), "checkCentering"),
                                      holds(panels::ref<&P::comboADCMode>(), "comboADCMode"),
                                  });
        rows.openings.push_back(Opening{entry, sample}.expect(murn108));
        rows.openings.push_back(
            Opening{entry, sample}.note("distinct family values").given(distinctContextValues).expect(murn108));
        rows.openings.push_back(
            Opening{entry, sample}.note("centering 1").given(centering(1)).expect({value("checkCentering", 1)}));
        rows.openings.push_back(
            Opening{entry, sample}.note("centering 2").given(centering(2)).expect({value("checkCentering", 0)}));
        rows.states.push_back(States{entry, sample});
        rows.reopenings.push_back(
            Reopening{entry, sample}
                .leave({flippedSkip("checkSkipping", &P::skipping),
                        flipped("checkBinning", &P::binning),
                        flipped("checkBinXonly", &P::binXOnly),
                        flipped("checkLowPower", &P::lowPower),
                        flipped("checkOtherLineTime", &P::otherLineTime),
                        {"comboADCMode", 1},
                        flipped("checkCentering", &P::centering),
                        {"spinCols", 612},
                        {"spinRows", 456}})
                .stores({stored("skipping", &P::skipping, flippedSkipFactor(&P::skipping)),
                         storedFlipped("binning", &P::binning), storedFlipped("binXOnly", &P::binXOnly),
                         storedFlipped("lowPower", &P::lowPower), storedFlipped("otherLineTime", &P::otherLineTime),
                         stored("adcMode", &P::adcMode, 1), storedFlipped("centering", &P::centering),
                         stored("cols", &P::cols, 612), stored("rows", &P::rows, 456)}));
    }

    // Vek116_Adv, entries 72 to 74: with the array's field of view the
    // sub-sampling spin boxes replace the sub-sampling boxes, also in the
    // read-back; HDR is closed in the combination mode; the line-interleave
    // box is not read back; the tool tips are set again on re-opening.
    const QStringList subSpins = {"spinColSub", "spinRowSub"};
    const QStringList subBoxes = {"checkSkipping", "checkBinXonly"};
    const QStringList interleaves = {"checkInterleave", "checkLineInterleave"};
    for (const auto &[entry, sample] : kVek116) {
        rows.openings.push_back(Opening{entry, sample}.expect(vek116Opening()));
        rows.openings.push_back(Opening{entry, sample}
                                    .note("column factor 2, row factor 1")
                                    .given(vek116(false, 0, 2, 1))
                                    .expect({value("checkSkipping", 1), value("checkBinXonly", 0)}));
        rows.states.push_back(
            States{entry, sample}.note("array FOV").given(vek116(true, 0)).disabled(subBoxes + interleaves));
        rows.states.push_back(States{entry, sample}
                                  .note("combination mode")
                                  .given(vek116(false, 1))
                                  .hidden(subSpins)
                                  .disabled(QStringList{"checkHDR"} + interleaves));
        rows.reopenings.push_back(
            Reopening{entry, sample}
                .note("own sub-sampling boxes")
                .given(vek116(false, 0))
                .leave({{"checkUseFOV", 0},
                        flipped("checkSkipping", &P::skipping),
                        flipped("checkBinXonly", &P::binXOnly),
                        {"spinRowSub", flag(setting(&P::skipping))},
                        {"spinColSub", flag(setting(&P::binXOnly))},
                        {"spinCols", 1280},
                        {"spinRows", 720},
                        {"dSpinIntgTime", 7.125},
                        flipped("checkInterleave", &P::interleave),
                        flipped("checkHDR", &P::hdrMode),
                        flipped("checkLineInterleave", &P::lineInterleave)})
                .stores({kept("useFov", &P::useFov), storedFlipped("skipping", &P::skipping),
                         storedFlipped("binXOnly", &P::binXOnly), stored("cols", &P::cols, 1280),
                         stored("rows", &P::rows, 720), stored("intgTime", &P::intgTime, 7.125),
                         storedFlipped("interleave", &P::interleave), storedFlipped("hdrMode", &P::hdrMode),
                         kept("lineInterleave", &P::lineInterleave)})
                .after({tip("spinRows", kRowsTip), tip("checkHDR", "Check to enable High Dynamic Range mode"),
                        tip("checkLineInterleave", "check to activate line interleave mode")},
                       clearTips));
        rows.reopenings.push_back(Reopening{entry, sample}
                                      .note("array FOV")
                                      .given(vek116(true, 0))
                                      .leave({{"checkUseFOV", 1},
                                              {"checkSkipping", flag(setting(&P::skipping))},
                                              {"checkBinXonly", flag(setting(&P::binXOnly))},
                                              flipped("spinRowSub", &P::skipping),
                                              flipped("spinColSub", &P::binXOnly)})
                                      .stores({kept("useFov", &P::useFov), storedFlipped("skipping", &P::skipping),
                                               storedFlipped("binXOnly", &P::binXOnly)}));
    }
    return rows;
}

} // namespace advpanels
