// Rows of the forms Vek152_Adv (entries 46 to 50, 112 and 113), Vek153_Adv
// (entries 51, 52), Vek155_Adv (entry 53) and Vek143_Adv (entries 67, 68),
// all panel A. Included by tst_advpanels.cpp after the row types.
#pragma once

namespace advpanels {

namespace vek152vek155vek143 {

using M = CModeState;
using C = CContextParams;
using panels::ctx;
using panels::flag;
using panels::mode;
using panels::pll;
using panels::ref;
using panels::setting;

enum class Form { Vek152, Vek153, Vek155, Vek143 };

struct Sensor {
    int entry;
    const char *sample;
    Form form;
};
const std::vector<Sensor> kSensors = {
    {46, "Vek151", Form::Vek152},   {47, "Vek151tk", Form::Vek152}, {48, "Vek151b", Form::Vek152},
    {49, "Vek152n", Form::Vek152},  {50, "Vek156", Form::Vek152},   {112, "Drav101t", Form::Vek152},
    {113, "Vek120t", Form::Vek152}, {51, "Vek153", Form::Vek153},   {52, "Vek154", Form::Vek153},
    {53, "Vek155", Form::Vek155},   {67, "Vek143", Form::Vek143},   {68, "Vek144n", Form::Vek143},
};

// Drav101t and Vek120t count their size boxes before the skipping and show
// no dark pixels.
inline bool beforeSkipping(int entry)
{
    return entry == 112 || entry == 113;
}

template <class T, std::size_t N> Value otherThan(T (SensorSettings::*field)[N])
{
    return panels::zero(setting(field));
}

// The family's values, tool tips and the window's references on the first
// opening.
inline std::vector<Check> opening(const Sensor &s)
{
    const bool skipped = beforeSkipping(s.entry);
    std::vector<Check> checks = {
        value("spinRows", skipped ? mode(&M::outputRows) * ctx(&C::skippingY) : mode(&M::outputRows)),
        value("spinCols", skipped ? mode(&M::outputCols) * ctx(&C::skipping) : mode(&M::outputCols)),
        value("dSpinIntgTime", ctx(&C::intgTime)),
        value("spinReadMode", ctx(&C::skipping)),
        value("checkBinning", flag(ctx(&C::binning))),
        value("checkBinXonly", flag(ctx(&C::binXOnly))),
        tip("spinRows", "Output Rows: Enter desired # of rows to output in final image for this mode"),
        tip("spinCols", "Output Columns: Enter desired # of colums to output in final image for this mode"),
        tip("dSpinIntgTime", "Enter integration in msec."),
        tip("spinReadMode", "Enter the sensor read out mode (1, 2, 4)"),
        tip("checkBinning", "Check to activate y summing setting"),
        tip("checkBinXonly", "Check to activate x binning setting"),
        tip("checkPLL_DarkRows", "Check to activate the dark rows in the output"),
        tip("checkPLL_DarkCols", "Check to activate the dark cols in the output"),
        holds(ref<&P::spinRows>(), "spinRows"),
        holds(ref<&P::spinCols>(), "spinCols"),
        holds(ref<&P::dSpinIntgTime>(), "dSpinIntgTime"),
        holds(ref<&P::spinReadMode>(), "spinReadMode"),
        holds(ref<&P::checkBinning>(), "checkBinning"),
        holds(ref<&P::checkBinXonly>(), "checkBinXonly"),
        holds(ref<&P::checkPLL_DarkRows>(), "checkPLL_DarkRows"),
        holds(ref<&P::checkPLL_DarkCols>(), "checkPLL_DarkCols"),
    };
    if (!skipped) {
        checks.insert(checks.end(), {value("checkPLL_DarkRows", pll(&CPllParams::darkRows)),
                                     value("checkPLL_DarkCols", pll(&CPllParams::darkColumns))});
    }
    if (s.form == Form::Vek152 || s.form == Form::Vek153) {
        checks.insert(checks.end(), {value("spinReadMode_Y", ctx(&C::skippingY)), noTip("spinReadMode_Y"),
                                     holds(ref<&P::spinReadMode_Y>(), "spinReadMode_Y")});
    }
    if (s.form != Form::Vek152) {
        checks.insert(checks.end(),
                      {value("spinScaleM", ctx(&C::scaleM)), tip("spinScaleM", "Enter the Scale M value (16 ~ 96)"),
                       holds(ref<&P::spinScaleM>(), "spinScaleM")});
    }
    if (s.form == Form::Vek155 || s.form == Form::Vek143) {
        checks.insert(checks.end(), {tip("comboCCRow", "Select the Color Correction Rows to use"),
                                     holds(ref<&P::comboCCRow>(), "comboCCRow")});
    }
    switch (s.form) {
    case Form::Vek152:
        break;
    case Form::Vek153:
        checks.insert(checks.end(),
                      {value("spinBorderPixels", panels::own(&ScalerOptions::borderPixels)),
                       tip("spinBorderPixels", "Enter the no. of pixels to be added as output border per side"),
                       holds(ref<&P::spinBorderPixels>(), "spinBorderPixels"), value("spinN_in", 192),
                       tip("spinN_in", "Enter the Group lines in"), holds(ref<&P::spinScaler>(), "spinN_in")});
        break;
    case Form::Vek155:
        checks.insert(checks.end(),
                      {value("checkHDR", flag(ctx(&C::hdrMode))), value("checkTxLatch", flag(ctx(&C::txLatch))),
                       value("spinScaler", ctx(&C::scaler)), value("spinSMode", ctx(&C::sMode)),
                       tip("checkHDR", "Check to enable High Dynamic Range mode"),
                       tip("checkTxLatch", "Check to turn on the TxLatch"),
                       tip("spinScaler", "Enter the Scaler mode (0 ~ 2"), noTip("spinSMode"),
                       holds(ref<&P::checkHDR>(), "checkHDR"), holds(ref<&P::checkTxLatch>(), "checkTxLatch"),
                       holds(ref<&P::spinScaler>(), "spinScaler"), holds(ref<&P::spinSMode>(), "spinSMode")});
        break;
    case Form::Vek143:
        break;
    }
    return checks;
}

// What the engineer leaves in the panel before opening it again, and what
// the re-opening stores: a read-out mode of 2 (every form stores it as it
// is), the form's own settings, and the settings only the widgets' slots
// write, which the re-opening keeps.
inline Reopening reopening(const Sensor &s)
{
    std::vector<Leave> left = {{"spinRows", 800},
                               {"spinCols", 1000},
                               {"dSpinIntgTime", 7.25},
                               {"spinReadMode", 2},
                               {"checkBinning", otherThan(&P::binning)},
                               {"checkBinXonly", otherThan(&P::binXOnly)}};
    // Entries 112 and 113 store the sizes after the skipping: the columns
    // divided by the read-out mode 2, the rows by the use case's mode Y of 1.
    std::vector<Stored> stores = {stored("cols", &P::cols, beforeSkipping(s.entry) ? 500 : 1000),
                                  stored("rows", &P::rows, 800),
                                  stored("intgTime", &P::intgTime, 7.25),
                                  stored("skipping", &P::skipping, 2),
                                  stored("binning", &P::binning, otherThan(&P::binning)),
                                  stored("binXOnly", &P::binXOnly, otherThan(&P::binXOnly))};
    if (s.form == Form::Vek152 || s.form == Form::Vek153) {
        left.push_back({"spinReadMode_Y", 4});
        stores.push_back(kept("skippingY", &P::skippingY));
    }
    switch (s.form) {
    case Form::Vek152:
        break;
    case Form::Vek153:
        left.insert(left.end(), {{"spinScaleM", 40}, {"spinBorderPixels", 5}, {"spinN_in", 300}});
        stores.insert(stores.end(), {stored("scaleM", &P::scaleM, 40), stored("borderPixels", &P::borderPixels, 5),
                                     stored("scaler", &P::scaler, 300)});
        break;
    case Form::Vek155:
        left.insert(left.end(), {{"checkHDR", otherThan(&P::hdrMode)},
                                 {"spinScaler", 2},
                                 {"spinScaleM", 40},
                                 {"checkTxLatch", panels::zero(setting(&P::txLatch))},
                                 {"comboCCRow", panels::zero(setting(&P::ccRow))},
                                 {"spinSMode", 4}});
        stores.insert(stores.end(), {stored("hdrMode", &P::hdrMode, otherThan(&P::hdrMode)),
                                     stored("scaler", &P::scaler, 2), stored("scaleM", &P::scaleM, 40),
                                     kept("txLatch", &P::txLatch), kept("ccRow", &P::ccRow), kept("sMode", &P::sMode)});
        break;
    case Form::Vek143:
        // The use case's preset sets scale_m and the CC rows again on every
        // calculation.
        left.insert(left.end(), {{"spinScaleM", 40}, {"comboCCRow", panels::zero(setting(&P::ccRow))}});
        stores.insert(stores.end(), {kept("scaleM", &P::scaleM), kept("ccRow", &P::ccRow)});
        break;
    }
    return Reopening{s.entry, s.sample}.leave(left).stores(stores);
}

// The family's read-out sizes and modes of the size edge case.
inline void skippedSizes(Pallador &, CFamilyCore &f)
{
    f.mode[0].outputRows = 600;
    f.mode[0].outputCols = 800;
    f.ctx[0].skipping = 2;
    f.ctx[0].skippingY = 2;
}

inline Given ccRows(int rows)
{
    return [rows](Pallador &, CFamilyCore &f) { f.ctx[0].ccRows = rows; };
}

} // namespace vek152vek155vek143

inline Rows vek152Vek155Vek143Rows()
{
    using namespace vek152vek155vek143;
    Rows rows;

    for (const Sensor &s : kSensors) {
        rows.openings.push_back(Opening{s.entry, s.sample}.expect(opening(s)));
        QStringList hidden;
        QStringList disabled;
        if (beforeSkipping(s.entry))
            hidden = QStringList{"checkPLL_DarkRows", "checkPLL_DarkCols"};
        if (s.form == Form::Vek153)
            disabled = QStringList{"checkPLL_DarkRows"};
        if (s.form == Form::Vek155)
            disabled = QStringList{"checkHDR"};
        rows.states.push_back(States{s.entry, s.sample}.hidden(hidden).disabled(disabled));
        rows.reopenings.push_back(reopening(s));
    }

    // Sizes counted before the skipping on entries 112 and 113 only; their
    // dark-pixel boxes stay hidden, entry 46 shows both.
    for (const Sensor &s : {kSensors[0], kSensors[5], kSensors[6]}) {
        const bool skipped = beforeSkipping(s.entry);
        rows.openings.push_back(
            Opening{s.entry, s.sample}
                .note("output 800 x 600, read-out modes 2 and 2")
                .given(skippedSizes)
                .expect({value("spinRows", skipped ? 1200 : 600), value("spinCols", skipped ? 1600 : 800),
                         value("spinReadMode", 2), value("spinReadMode_Y", 2)}));
        rows.states.push_back(
            States{s.entry, s.sample}
                .note("output 800 x 600, read-out modes 2 and 2")
                .given(skippedSizes)
                .hidden(skipped ? QStringList{"checkPLL_DarkRows", "checkPLL_DarkCols"} : QStringList{}));
    }

    // Distinct family values, the dark pixels on.
    const Given distinct = [](Pallador &, CFamilyCore &f) {
        f.mode[0].outputRows = 1200;
        f.mode[0].outputCols = 1600;
        f.ctx[0].intgTime = 12.5;
        f.ctx[0].skipping = 4;
        f.ctx[0].skippingY = 2;
        f.ctx[0].binning = 1;
        f.ctx[0].binXOnly = 1;
        f.ctx[0].hdrMode = 1;
        f.ctx[0].txLatch = true;
        f.ctx[0].scaler = 2;
        f.ctx[0].scaleM = 48;
        f.ctx[0].sMode = 3;
        f.pll.darkRows = 1;
        f.pll.darkColumns = 1;
        if (auto *scaler = dynamic_cast<ScalerOptions *>(&f))
            scaler->borderPixels = 6;
    };
    const std::vector<Check> distinctShown = {value("spinRows", 1200),          value("spinCols", 1600),
                                              shows("dSpinIntgTime", "12.500"), value("spinReadMode", 4),
                                              value("checkBinning", 1),         value("checkBinXonly", 1),
                                              value("checkPLL_DarkRows", 1),    value("checkPLL_DarkCols", 1)};
    rows.openings.push_back(
        Opening{49, "Vek152n"}.note("distinct family values").given(distinct).expect(distinctShown));
    // The group-lines box starts at 192 whatever scaler the family holds.
    rows.openings.push_back(Opening{52, "Vek154"}
                                .note("distinct family values")
                                .given(distinct)
                                .expect(distinctShown)
                                .expect({value("spinReadMode_Y", 2), value("spinScaleM", 48),
                                         value("spinBorderPixels", 6), value("spinN_in", 192)}));
    // "iHDR Enable" shows the family's flag in its disabled box.
    rows.openings.push_back(Opening{53, "Vek155"}
                                .note("distinct family values")
                                .given(distinct)
                                .expect(distinctShown)
                                .expect({value("checkHDR", 1), value("checkTxLatch", 1), value("spinScaler", 2),
                                         value("spinScaleM", 48), value("spinSMode", 3)}));
    rows.states.push_back(States{53, "Vek155"}.note("HDR on").given(distinct).disabled({"checkHDR"}));
    rows.openings.push_back(
        Opening{68, "Vek144n"}.note("distinct family values").given(distinct).expect(distinctShown));

    // "CC Rows:" by the family's row count.
    const struct {
        int rows;
        int index;
        const char *text;
        const char *note;
    } ccRowCases[] = {{16, 0, "16", "16 CC rows"}, {64, 2, "64", "64 CC rows"}, {128, 3, "128", "128 CC rows"}};
    for (const Sensor &s : {kSensors[9], kSensors[10]}) {
        for (const auto &c : ccRowCases) {
            rows.openings.push_back(Opening{s.entry, s.sample}
                                        .note(c.note)
                                        .given(ccRows(c.rows))
                                        .expect({value("comboCCRow", c.index), shows("comboCCRow", c.text)}));
        }
    }

    // A read-out mode of 3 is stored as 4 by the Vek155 and Vek143 forms,
    // as it is by the other two.
    for (const Sensor &s : {kSensors[0], kSensors[5], kSensors[7], kSensors[9], kSensors[11]}) {
        const bool asFour = s.form == Form::Vek155 || s.form == Form::Vek143;
        rows.reopenings.push_back(Reopening{s.entry, s.sample}
                                      .note("read-out mode 3")
                                      .leave({{"spinReadMode", 3}})
                                      .stores({stored("skipping", &P::skipping, asFour ? 4 : 3)}));
    }

    // A skipping use case: the size boxes of entries 112 and 113 show the
    // size before the skipping, and closing and opening the panel again
    // keeps the output size and settings the use case gives.
    const Given skipUseCase = [](Pallador &w, CFamilyCore &) { w.ui.comboUseCase_A->setCurrentIndex(3); };
    const Given reopen = [](Pallador &w, CFamilyCore &) {
        w.ui.checkAdvParam_A->click();
        w.ui.checkAdvParam_A->click();
    };
    for (const Sensor &s : {kSensors[5], kSensors[6]}) {
        rows.openings.push_back(
            Opening{s.entry, s.sample}
                .note("skip 2x2 use case, opened again")
                .given(skipUseCase)
                .then(reopen)
                .expect({value("spinRows", 2 * setting(&P::rows)), value("spinCols", 2 * setting(&P::cols)),
                         outcome("rows", setting(&P::rows), setting(&P::rows)),
                         outcome("cols", setting(&P::cols), setting(&P::cols)),
                         outcome("output rows", mode(&M::outputRows), mode(&M::outputRows)),
                         outcome("output cols", mode(&M::outputCols), mode(&M::outputCols))}));
    }

    // The dark-pixel boxes are the PLL panel's members too: opening and
    // closing that panel leaves them in this form.
    for (const Sensor &s : {kSensors[0], kSensors[7], kSensors[9], kSensors[10]}) {
        rows.kept.push_back(
            Kept{s.entry, s.sample}.across(Panel::Pll, {holds(ref<&P::checkPLL_DarkRows>(), "checkPLL_DarkRows"),
                                                        holds(ref<&P::checkPLL_DarkCols>(), "checkPLL_DarkCols")}));
    }
    return rows;
}

} // namespace advpanels
