// Rows of the context-A panels of Vek111_Adv for the Vek111 sensors (entries
// 86, 87) and the Vek119 sensors (103, 104), and of Vek116_Adv for the
// Vek121 group (76 to 79). Included by tst_advpanels.cpp after the row types.
#pragma once

namespace advpanels {

namespace vek111vek121 {

using M = CModeState;
using C = CContextParams;
using panels::ctx;
using panels::factor;
using panels::flag;
using panels::mode;
using panels::pll;
using panels::setting;
using panels::zero;

struct Sensor {
    int entry;
    const char *sample;
};
const std::vector<Sensor> kVek111 = {{86, "Vek111m"}, {87, "Vek111t"}};
const std::vector<Sensor> kVek119 = {{103, "Vek119t"}, {104, "Vek119m"}};
const std::vector<Sensor> kVek121 = {{76, "Vek121m"}, {77, "Vek121t"}, {78, "Vek121d"}, {79, "Vek122t"}};

constexpr char kRowsTip[] = "Output Rows: Enter desired # of rows to output in final image for this mode";
constexpr char kColsTip[] = "Output Columns: Enter desired # of colums to output in final image for this mode";
constexpr char kIntgTip[] = "Enter integration in msec.";
constexpr char kFovTip[] = "Check to use Field of View for row/column settings.";
constexpr char kRowSubTip[] = "Select row sub-sampling setting.";
constexpr char kColSubTip[] = "Select column sub-sampling setting.";

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

// Context A's field of view and its read-out factors, as the family holds
// them.
inline Given fov(bool useFov, int rowSkip = 1, int colSkip = 1)
{
    return [=](Pallador &, CFamilyCore &f) {
        f.ctx[0].useFov = useFov;
        f.mode[0].rowSkip = rowSkip;
        f.mode[0].colSkip = colSkip;
    };
}

// Tool tips cleared before a re-opening, to see whether it sets them again.
inline Given clearTips(std::initializer_list<const char *> names)
{
    const std::vector<const char *> list(names);
    return [list](Pallador &w, CFamilyCore &) {
        for (const char *name : list) {
            if (QWidget *widget = w.advForm[0]->findChild<QWidget *>(QLatin1String(name)))
                widget->setToolTip(QString());
        }
    };
}

// Vek111_Adv for the Vek111 sensors: every starting value, tool tip and
// member.
inline std::vector<Check> vek111Opening()
{
    return {
        value("checkSkipping", factor(mode(&M::rowSkip))),
        value("checkBinXonly", factor(mode(&M::colSkip))),
        value("checkBinning", flag(ctx(&C::binning))),
        value("comboColSkip", 0),
        value("comboRowSkip", 0),
        value("spinRows", mode(&M::outputRows)),
        value("spinCols", mode(&M::outputCols)),
        value("dSpinIntgTime", ctx(&C::intgTime)),
        value("checkUseFOV", flag(ctx(&C::useFov))),
        value("checkSumming", flag(ctx(&C::bin2Skip2))),
        tip("checkSkipping", "Check to activate rows skip setting."),
        tip("checkBinXonly", "Check to activate columns skip setting."),
        tip("checkBinning", "Check to activate digital binning settings."),
        tip("comboColSkip", kColSubTip),
        tip("comboRowSkip", kRowSubTip),
        tip("spinRows", kRowsTip),
        tip("spinCols", kColsTip),
        tip("dSpinIntgTime", kIntgTip),
        tip("checkUseFOV", kFovTip),
        tip("checkSumming", "Check to activate column summing setting."),
        holds(panels::ref<&P::checkSkipping>(), "checkSkipping"),
        holds(panels::ref<&P::checkBinXonly>(), "checkBinXonly"),
        holds(panels::ref<&P::checkBinning>(), "checkBinning"),
        holds(panels::ref<&P::comboColSkip>(), "comboColSkip"),
        holds(panels::ref<&P::comboRowSkip>(), "comboRowSkip"),
        holds(panels::ref<&P::spinRows>(), "spinRows"),
        holds(panels::ref<&P::spinCols>(), "spinCols"),
        holds(panels::ref<&P::dSpinIntgTime>(), "dSpinIntgTime"),
        holds(panels::ref<&P::checkUseFOV>(), "checkUseFOV"),
        holds(panels::ref<&P::checkBin2Skip2>(), "checkSumming"),
    };
}

// Vek116_Adv for the Vek121 group: starting values, captions, tool tips and
// members.
inline std::vector<Check> vek121Opening()
{
    return {
        value("checkSkipping", factor(mode(&M::colSkip))),
        value("checkBinXonly", factor(mode(&M::rowSkip))),
        value("spinColSub", 0),
        value("spinRowSub", 0),
        value("spinRows", mode(&M::outputRows)),
        value("spinCols", mode(&M::outputCols)),
        value("dSpinIntgTime", ctx(&C::intgTime)),
        value("checkUseFOV", flag(ctx(&C::useFov))),
        value("checkHDR", flag(ctx(&C::hdrMode))),
        value("checkInterleave", 0),
        value("checkLineInterleave", flag(ctx(&C::lineInterleave))),
        value("checkPLL_DarkCols", flag(pll(&CPllParams::darkColumns))),
        shows("checkSkipping", "Column Subsampling"),
        shows("checkBinXonly", "Row Subsampling"),
        shows("checkUseFOV", "Use Array FOV:"),
        shows("checkHDR", "iHDR Enable"),
        shows("checkInterleave", "Pixel Interleave Mode"),
        shows("checkLineInterleave", "Line Interleave Mode"),
        shows("checkPLL_DarkRows", "Show Dark Rows"),
        shows("checkPLL_DarkCols", "Show Dark Cols"),
        tip("checkSkipping", "Check to activate skip setting."),
        tip("checkBinXonly", "Check to activate bin setting."),
        tip("spinColSub", kColSubTip),
        tip("spinRowSub", kRowSubTip),
        tip("spinRows", kRowsTip),
        tip("spinCols", kColsTip),
        tip("dSpinIntgTime", kIntgTip),
        tip("checkUseFOV", kFovTip),
        tip("checkHDR", "Check to enable High Dynamic Range mode"),
        tip("checkInterleave", "Check to activate pixel interleave mode"),
        tip("checkLineInterleave", "check to activate line interleave mode"),
        noTip("checkPLL_DarkRows"),
        noTip("checkPLL_DarkCols"),
        holds(panels::ref<&P::spinColSub>(), "spinColSub"),
        holds(panels::ref<&P::spinRowSub>(), "spinRowSub"),
        holds(panels::ref<&P::checkHDR>(), "checkHDR"),
        holds(panels::ref<&P::checkInterleave>(), "checkInterleave"),
        holds(panels::ref<&P::checkLineInterleave>(), "checkLineInterleave"),
        holds(panels::ref<&P::checkPLL_DarkRows>(), "checkPLL_DarkRows"),
        holds(panels::ref<&P::checkPLL_DarkCols>(), "checkPLL_DarkCols"),
    };
}

} // namespace vek111vek121

inline Rows vek111Vek121Rows()
{
    using namespace vek111vek121;
    Rows rows;
    const QStringList factorCombos = {"comboColSkip", "comboRowSkip"};
    const QStringList skipBoxes = {"checkSkipping", "checkBinXonly"};

    // Vek111_Adv, entries 86 and 87: with the array's field of view the
    // factor combos stand in for the skip boxes, also in the read-back; the
    // tool tips are set on the first opening only.
    for (const auto &[entry, sample] : kVek111) {
        rows.openings.push_back(Opening{entry, sample}.expect(vek111Opening()));
        rows.openings.push_back(
            Opening{entry, sample}
                .note("array FOV, row factor 4")
                .given(fov(true, 4, 1))
                .expect({value("checkUseFOV", 1), value("checkSkipping", 1), value("checkBinXonly", 0)}));
        rows.states.push_back(States{entry, sample}.hidden(factorCombos));
        rows.states.push_back(States{entry, sample}.note("array FOV").given(fov(true)).disabled(skipBoxes));
        rows.reopenings.push_back(Reopening{entry, sample}
                                      .note("array FOV")
                                      .given(fov(true))
                                      .leave({{"checkUseFOV", 1},
                                              {"checkSkipping", 0},
                                              {"checkBinXonly", 0},
                                              {"comboRowSkip", 2},
                                              {"comboColSkip", 1}})
                                      .stores({kept("useFov", &P::useFov), stored("skipping", &P::skipping, 4),
                                               stored("binXOnly", &P::binXOnly, 2)}));
        rows.reopenings.push_back(
            Reopening{entry, sample}
                .note("own skip boxes")
                .leave({{"checkUseFOV", 0},
                        {"comboRowSkip", 3},
                        {"comboColSkip", 3},
                        flipped("checkSkipping", &P::skipping),
                        flipped("checkBinXonly", &P::binXOnly),
                        flipped("checkBinning", &P::binning),
                        flipped("checkSumming", &P::bin2Skip2),
                        {"spinCols", 1000},
                        {"spinRows", 700},
                        {"dSpinIntgTime", 7.125}})
                .stores({kept("useFov", &P::useFov), storedFlipped("skipping", &P::skipping),
                         storedFlipped("binXOnly", &P::binXOnly), storedFlipped("binning", &P::binning),
                         storedFlipped("bin2Skip2", &P::bin2Skip2), stored("cols", &P::cols, 1000),
                         stored("rows", &P::rows, 700), stored("intgTime", &P::intgTime, 7.125)})
                .after({noTip("spinRows"), noTip("checkUseFOV")}, clearTips({"spinRows", "checkUseFOV"})));
    }

    // Vek111_Adv, entries 103 and 104: a pure sub-sampling panel. The field
    // of view is always ticked and locked, the combos start at "1" and are
    // always read back, the hidden boxes start unticked and are still read
    // back, and the size boxes reach the sensor's largest output.
    const QStringList vek119Hidden = {"checkSkipping", "checkBinXonly", "checkBinning", "checkSumming"};
    for (const auto &[entry, sample] : kVek119) {
        rows.openings.push_back(Opening{entry, sample}
                                    .note("family in a skip mode")
                                    .given(fov(false, 2, 2))
                                    .expect({
                                        value("checkUseFOV", 1),
                                        value("comboColSkip", 0),
                                        value("comboRowSkip", 0),
                                        value("checkSkipping", 0),
                                        value("checkBinXonly", 0),
                                        value("checkBinning", 0),
                                        value("checkSumming", 0),
                                        value("spinRows", mode(&M::outputRows)),
                                        value("spinCols", mode(&M::outputCols)),
                                        value("dSpinIntgTime", ctx(&C::intgTime)),
                                        tip("checkUseFOV", kFovTip),
                                        tip("checkSkipping", "Check to activate rows skip setting."),
                                        tip("checkSumming", "Check to activate column summing setting."),
                                        tip("comboRowSkip", kRowSubTip),
                                        tip("spinCols", kColsTip),
                                        holds(panels::ref<&P::checkBin2Skip2>(), "checkSumming"),
                                        holds(panels::ref<&P::comboRowSkip>(), "comboRowSkip"),
                                    }));
        rows.states.push_back(States{entry, sample}.given(fov(false)).hidden(vek119Hidden).disabled({"checkUseFOV"}));
        rows.reopenings.push_back(
            Reopening{entry, sample}
                .note("factor combos, hidden boxes")
                .leave({{"comboRowSkip", 2},
                        {"comboColSkip", 4},
                        {"spinRows", 1900},
                        {"spinCols", 2500},
                        {"dSpinIntgTime", 7.125},
                        flipped("checkBinning", &P::binning),
                        flipped("checkSumming", &P::bin2Skip2)})
                .stores({kept("useFov", &P::useFov), stored("skipping", &P::skipping, 4),
                         stored("binXOnly", &P::binXOnly, 16), storedFlipped("binning", &P::binning),
                         storedFlipped("bin2Skip2", &P::bin2Skip2), stored("cols", &P::cols, 2500),
                         stored("rows", &P::rows, 1900), stored("intgTime", &P::intgTime, 7.125)}));
    }

    // Vek116_Adv, entries 76 to 79: HDR is open in every mode and line
    // interleave follows it, also in the read-back; the pixel-interleave box
    // opens with the family's interleave but is never ticked by the panel;
    // the dark-row box is hidden; the tool tips are set again on re-opening.
    const QStringList subSpins = {"spinColSub", "spinRowSub"};
    const QStringList interleaves = {"checkInterleave", "checkLineInterleave"};
    for (const auto &[entry, sample] : kVek121) {
        rows.openings.push_back(Opening{entry, sample}.expect(vek121Opening()));
        rows.openings.push_back(
            Opening{entry, sample}
                .note("interleave, column factor 2")
                .given([](Pallador &w, CFamilyCore &f) {
                    fov(false, 1, 2)(w, f);
                    f.ctx[0].interleave = 1;
                })
                .expect({value("checkInterleave", 0), value("checkSkipping", 1), value("checkBinXonly", 0)}));
        rows.states.push_back(
            States{entry, sample}.hidden(subSpins + QStringList{"checkPLL_DarkRows"}).disabled(interleaves));
        rows.states.push_back(States{entry, sample}
                                  .note("array FOV, interleave, combination mode")
                                  .given([](Pallador &w, CFamilyCore &f) {
                                      fov(true)(w, f);
                                      w.combi = 1;
                                      f.ctx[0].combi = 1;
                                      f.ctx[0].interleave = 1;
                                  })
                                  .hidden({"checkPLL_DarkRows"})
                                  .disabled(skipBoxes + QStringList{"checkLineInterleave"}));
        rows.reopenings.push_back(
            Reopening{entry, sample}
                .note("own sub-sampling boxes")
                .leave({{"checkUseFOV", 0},
                        flipped("checkSkipping", &P::skipping),
                        flipped("checkBinXonly", &P::binXOnly),
                        {"spinRowSub", flag(setting(&P::skipping))},
                        {"spinColSub", flag(setting(&P::binXOnly))},
                        {"spinCols", 1280},
                        {"spinRows", 720},
                        {"dSpinIntgTime", 7.125},
                        flipped("checkHDR", &P::hdrMode),
                        {"checkLineInterleave", setting(&P::hdrMode)},
                        flipped("checkInterleave", &P::interleave)})
                .stores({kept("useFov", &P::useFov), storedFlipped("skipping", &P::skipping),
                         storedFlipped("binXOnly", &P::binXOnly), stored("cols", &P::cols, 1280),
                         stored("rows", &P::rows, 720), stored("intgTime", &P::intgTime, 7.125),
                         storedFlipped("hdrMode", &P::hdrMode),
                         stored("lineInterleave", &P::lineInterleave, zero(setting(&P::hdrMode))),
                         kept("interleave", &P::interleave)})
                .after({tip("spinRows", kRowsTip), tip("checkHDR", "Check to enable High Dynamic Range mode"),
                        tip("checkUseFOV", kFovTip)},
                       clearTips({"spinRows", "checkHDR", "checkUseFOV"})));
        rows.reopenings.push_back(Reopening{entry, sample}
                                      .note("array FOV")
                                      .given(fov(true))
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
