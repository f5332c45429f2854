// Rows of the interface forms Brel101_PLL (entry 12), Vek102_PLL (14 to 20),
// Vek101_PLL (21), Vek108_PLL (22 to 24), Brel104_PLL (28, 29) and
// Brel105_PLL (30). Included by tst_pllpanels.cpp after the row types.
#pragma once

namespace pllpanels {

namespace interfacepll {

using S = SensorSettings;
using panels::below;

template <class T> Value result(T S::*field)
{
    return panels::setting(field);
}

// The number of items a combo box of the open form offers.
inline Value itemCount(const char *combo)
{
    return [combo](const Pallador &w, const CFamilyCore &, int) -> double {
        const auto *box = w.pllForm ? w.pllForm->findChild<QComboBox *>(QLatin1String(combo)) : nullptr;
        return box ? box->count() : -1;
    };
}

// The item index of a P1 divider on the Vek102 form: the divider / 2,
// truncated.
inline Value p1Index(Value divider)
{
    return [divider](const Pallador &w, const CFamilyCore &f, int c) -> double { return int(divider(w, f, c) / 2); };
}

// The family's own embedded data and statistics options.
inline Value embedded(bool EmbedOptions::*field)
{
    return panels::own(field);
}

// The interface widgets of every form: the mode on the form's first item,
// the lane and bit-depth combos empty and closed.
inline Opening interfaceForm(int entry, const char *sample)
{
    return Opening(entry, sample)
        .expect({
            value("comboPLL_InterMode", 0),
            outcome("lane items", itemCount("comboPLL_Lanes"), 0),
            outcome("bit-depth items", itemCount("comboPLL_Bits"), 0),
            holds(panels::ref<&P::comboPLL_InterMode>(), "comboPLL_InterMode"),
            holds(panels::ref<&P::comboPLL_Lanes>(), "comboPLL_Lanes"),
            holds(panels::ref<&P::comboPLL_Bits>(), "comboPLL_Bits"),
            tip("comboPLL_InterMode", QStringLiteral("Select the PLL output mode (interface)")),
            tip("comboPLL_Lanes", QStringLiteral("Select the output lanes")),
            tip("comboPLL_Bits", QStringLiteral("Select the output bit-depth")),
        })
        .disabled({"comboPLL_Lanes", "comboPLL_Bits"});
}

// The P2 divider, the embedded options and the dark rows of the Brel101 and
// Vek102 forms, with the family's values; the overrides start unticked.
inline std::vector<Check> dividerOptions()
{
    return {
        value("checkPLL_P5", 0),
        value("checkPLL_EmbedData", embedded(&EmbedOptions::embedData)),
        value("checkPLL_EmbedStat", embedded(&EmbedOptions::embedStat)),
        value("checkPLL_DarkRows", 0),
        holds(panels::ref<&P::checkPLL_DarkRows>(), "checkPLL_DarkRows"),
        tip("checkPLL_Bypass", QStringLiteral("Check to bypass the PLL setting")),
        tip("checkPLL_P5", QStringLiteral("Check to enter the P2 (vt_pix_div) divider manually")),
        tip("spinPLL_P5", QStringLiteral("PLL P2 (vt_pix_div): Enter specific 'P2' divider value")),
        tip("checkPLL_EmbedStat", QStringLiteral("Check to activate the embedded statistics")),
        tip("checkPLL_DarkRows", QStringLiteral("Check to activate the dark rows shows in FOV")),
    };
}

// The form's own interface mode combo set to a mode, as the engineer does.
inline Given chooseMode(int index)
{
    return [index](Pallador &w, CFamilyCore &) {
        QVERIFY(w.comboPLL_InterMode);
        w.comboPLL_InterMode->setCurrentIndex(index);
    };
}

inline Given modes(int first, int second)
{
    return [first, second](Pallador &w, CFamilyCore &f) {
        chooseMode(first)(w, f);
        chooseMode(second)(w, f);
    };
}

// A new input clock: the library chooses again.
inline void newInputClock(Pallador &w, CFamilyCore &)
{
    QDoubleSpinBox *input = w.ui.dSpinPLL_Input;
    input->setValue(input->value() == 24.0 ? 27.0 : 24.0);
}

// A serial mode fills the lane and bit-depth combos from the family's lists
// and opens them; the bypass box closes.
inline Display serialChosen(int entry, const char *sample, int mode)
{
    return Display(entry, sample)
        .note("serial mode chosen")
        .then(modes(0, mode))
        .expect({
            outcome("interface", result(&S::interfaceIndex), mode),
            outcome("lane items", itemCount("comboPLL_Lanes"),
                    [](const Pallador &, const CFamilyCore &f, int) { return double(f.laneChoices.size()); }),
            outcome("no lanes offered", below(itemCount("comboPLL_Lanes"), 1), 0),
            outcome("no bit depths offered", below(itemCount("comboPLL_Bits"), 1), 0),
        })
        .enabled({"comboPLL_Lanes", "comboPLL_Bits"});
}

// The parallel mode after a serial one empties and closes both again.
inline Display parallelChosen(int entry, const char *sample, int serialMode)
{
    return Display(entry, sample)
        .note("parallel mode after a serial one")
        .then(modes(serialMode, 0))
        .expect({
            outcome("interface", result(&S::interfaceIndex), 0),
            outcome("lane items", itemCount("comboPLL_Lanes"), 0),
            outcome("bit-depth items", itemCount("comboPLL_Bits"), 0),
        })
        .disabled({"comboPLL_Lanes", "comboPLL_Bits"});
}

// The Brel_102 sensors, and those that hide the dark-pixel boxes.
const std::pair<int, const char *> kBrel102[] = {
    {14, "Sarn106h"}, {15, "Vek103"}, {16, "Vek104"},   {17, "Vek105m"},
    {18, "Vek105t"},  {19, "Vek106"}, {20, "Sarn106c"},
};
inline bool hidesDarkPixels(int entry)
{
    return entry == 14 || (entry >= 16 && entry <= 18);
}

} // namespace interfacepll

inline Rows interfaceRows()
{
    using namespace interfacepll;
    Rows rows;

    // Brel101_PLL: P1 in the P4 channel, P2 in the P5 channel, both as the
    // family has them; the set-up leaves the sensor on its serial link while
    // the mode combo shows its first item, so the bypass box is closed.
    rows.openings.push_back(
        interfaceForm(12, "Sarn102")
            .expect(dividerOptions())
            .expect({
                value("spinPLL_P4", panels::pll(&CPllParams::pllP4)),
                value("spinPLL_P5", panels::pll(&CPllParams::pllP5)),
                value("checkPLL_P4", 0),
                holds(panels::ref<&P::spinPLL_P4>(), "spinPLL_P4"),
                tip("checkPLL_P4", QStringLiteral("Check to enter the P1 (vt_sys_div) divider manually")),
            })
            .disabled({"spinPLL_P4", "spinPLL_P5", "checkPLL_Bypass"}));
    rows.openings.push_back(interfaceForm(12, "Sarn102")
                                .note("family without embedded options")
                                .given([](Pallador &, CFamilyCore &f) {
                                    auto &options = dynamic_cast<EmbedOptions &>(f);
                                    options.embedData = false;
                                    options.embedStat = false;
                                })
                                .expect({value("checkPLL_EmbedData", 0), value("checkPLL_EmbedStat", 0)}));
    rows.displays.push_back(Display(12, "Sarn102")
                                .note("after a calculation")
                                .then(newInputClock)
                                .expect({
                                    value("spinPLL_P4", result(&S::resP4)),
                                    value("spinPLL_P5", result(&S::resP5)),
                                    outcome("P1 shown", result(&S::resP4), panels::pll(&CPllParams::pllP4)),
                                })
                                .disabled({"checkPLL_Bypass"}));
    rows.displays.push_back(serialChosen(12, "Sarn102", 1).disabled({"checkPLL_Bypass"}));
    rows.displays.push_back(parallelChosen(12, "Sarn102", 1).enabled({"checkPLL_Bypass"}));
    rows.overrides.push_back(Override(12, "Sarn102")
                                 .note("P1")
                                 .ticks("checkPLL_P4", "spinPLL_P4", 2)
                                 .requests("P1 request", result(&S::pllP4), 2)
                                 .expect({outcome("P1 divider", panels::pll(&CPllParams::pllP4), 2)})
                                 .released("P1 divider", panels::pll(&CPllParams::pllP4)));
    rows.overrides.push_back(Override(12, "Sarn102")
                                 .note("P2")
                                 .ticks("checkPLL_P5", "spinPLL_P5", 12)
                                 .requests("P2 request", result(&S::pllP5), 12)
                                 .expect({outcome("P2 divider", panels::pll(&CPllParams::pllP5), 12)})
                                 .released("P2 divider", panels::pll(&CPllParams::pllP5)));

    // Vek102_PLL: P1 as the item at the family's divider / 2, P2 never below
    // 4; the dark-pixel boxes by entry; the bypass box open on the parallel
    // interface only.
    for (const auto &[entry, sample] : kBrel102) {
        const QStringList darkBoxes = {"checkPLL_DarkRows", "checkPLL_DarkCols"};
        Opening opening = interfaceForm(entry, sample)
                              .expect(dividerOptions())
                              .expect({
                                  value("comboPLL_P1", p1Index(panels::pll(&CPllParams::pllP1))),
                                  value("spinPLL_P5", panels::pll(&CPllParams::pllP5)),
                                  value("checkPLL_P1", 0),
                                  value("checkPLL_DarkCols", 0),
                                  property("spinPLL_P5", "minimum", 4),
                                  holds(panels::ref<&P::comboPLL_P1>(), "comboPLL_P1"),
                                  holds(panels::ref<&P::checkPLL_DarkCols>(), "checkPLL_DarkCols"),
                              })
                              .disabled({"comboPLL_P1", "spinPLL_P5"});
        if (hidesDarkPixels(entry))
            opening.hidden(darkBoxes).enabled({"checkPLL_Bypass"});
        else
            opening.shown(darkBoxes).disabled({"checkPLL_Bypass"});
        rows.openings.push_back(opening);
    }
    // A P2 divider below 4 shows as 4 without running the slot.
    rows.openings.push_back(Opening(15, "Vek103")
                                .note("P2 divider below 4")
                                .given([](Pallador &w, CFamilyCore &f) {
                                    f.pll.pllP5 = 2;
                                    w.resP5 = 2;
                                })
                                .expect({value("spinPLL_P5", 4), outcome("P2 request", result(&S::pllP5), -1)}));
    // P1 is 2 x the item index; 3 falls on the item "2".
    rows.openings.push_back(Opening(15, "Vek103")
                                .note("odd P1 divider")
                                .given([](Pallador &w, CFamilyCore &f) {
                                    f.pll.pllP1 = 3;
                                    w.resP = 3;
                                })
                                .expect({value("comboPLL_P1", 1), shows("comboPLL_P1", QStringLiteral("2"))}));
    rows.displays.push_back(Display(15, "Vek103")
                                .note("after a calculation")
                                .then(newInputClock)
                                .expect({
                                    value("comboPLL_P1", p1Index(result(&S::resP))),
                                    value("spinPLL_P5", result(&S::resP5)),
                                    outcome("P1 shown", result(&S::resP), panels::pll(&CPllParams::pllP1)),
                                })
                                .disabled({"checkPLL_Bypass"}));
    rows.displays.push_back(serialChosen(14, "Sarn106h", 1).disabled({"checkPLL_Bypass"}));
    rows.displays.push_back(parallelChosen(15, "Vek103", 1).enabled({"checkPLL_Bypass"}));
    rows.overrides.push_back(Override(15, "Vek103")
                                 .note("P1")
                                 .ticks("checkPLL_P1", "comboPLL_P1", 2)
                                 .requests("P1 request", result(&S::pllP1), 4)
                                 .expect({outcome("P1 divider", panels::pll(&CPllParams::pllP1), 4)})
                                 .released("P1 divider", panels::pll(&CPllParams::pllP1)));
    rows.overrides.push_back(Override(15, "Vek103")
                                 .note("P2")
                                 .ticks("checkPLL_P5", "spinPLL_P5", 12)
                                 .requests("P2 request", result(&S::pllP5), 12)
                                 .expect({outcome("P2 divider", panels::pll(&CPllParams::pllP5), 12)})
                                 .released("P2 divider", panels::pll(&CPllParams::pllP5)));

    // Vek101_PLL: the interface widgets only.
    rows.openings.push_back(interfaceForm(21, "Vek101"));
    rows.displays.push_back(serialChosen(21, "Vek101", 1));

    // Vek108_PLL: context A's combination mode and the family's sample
    // count; the display writes nothing, so the mode combo stays on its first
    // item although the sensor runs its serial link.
    for (const auto &[entry, sample] :
         {std::pair<int, const char *>{22, "Vek108m"}, {23, "Vek108t"}, {24, "Vek109t"}}) {
        rows.openings.push_back(
            interfaceForm(entry, sample)
                .expect({
                    value("checkCombi", panels::flag(panels::ctx(&CContextParams::combi))),
                    value("spinPLL_P5", panels::pll(&CPllParams::pllP5)),
                    tip("checkCombi", QStringLiteral("Check to combine Linear/HDR modes")),
                    tip("spinPLL_P5", QStringLiteral("Enter specific number of samples (R0x30B0[4:2]+1)")),
                }));
    }
    for (int combi : {0, 1}) {
        rows.openings.push_back(Opening(22, "Vek108m")
                                    .note(combi ? "combination mode" : "no combination mode")
                                    .given([combi](Pallador &, CFamilyCore &f) {
                                        f.ctx[0].combi = combi;
                                        f.ctx[1].combi = 1 - combi;
                                    })
                                    .expect({value("checkCombi", combi)}));
    }
    rows.displays.push_back(Display(23, "Vek108t")
                                .note("nothing written")
                                .then(newInputClock)
                                .expect({
                                    value("comboPLL_InterMode", 0),
                                    outcome("interface", result(&S::interfaceIndex), 1),
                                    outcome("lane items", itemCount("comboPLL_Lanes"), 0),
                                }));
    rows.displays.push_back(Display(22, "Vek108m")
                                .note("sample count")
                                .then([](Pallador &w, CFamilyCore &) { w.spinPLL_P5->setValue(5); })
                                .expect({outcome("samples", panels::pll(&CPllParams::pllP5), 5),
                                         outcome("request", result(&S::pllP5), 5)}));
    rows.displays.push_back(
        Display(22, "Vek108m")
            .note("combination clicked")
            .given([](Pallador &w, CFamilyCore &f) {
                w.combi = 0;
                f.ctx[0].combi = 0;
            })
            .then([](Pallador &w, CFamilyCore &) { w.checkCombi->click(); })
            .expect({
                outcome("window mode", result(&S::combi), 1),
                outcome("context A mode", panels::ofContext(0, panels::ctx(&CContextParams::combi)), 1),
            }));

    // Brel104_PLL and Brel105_PLL: the display sets the mode combo to the
    // sensor's interface, whose slot fills the lane and bit-depth combos.
    // The mode slot fills the lane and bit-depth combos, whose own slots
    // calculate as each gets its first item and its chosen one: nine
    // calculations of both contexts.
    for (const auto &[entry, sample] : {std::pair<int, const char *>{28, "Sarn111"}, {29, "Vek130t"}}) {
        rows.openings.push_back(Opening(entry, sample)
                                    .calculations(18)
                                    .expect({
                                        value("comboPLL_InterMode", result(&S::interfaceIndex)),
                                        items("comboPLL_InterMode", {"Parallel", "HISPI"}),
                                        outcome("interface", result(&S::interfaceIndex), 1),
                                        outcome("no lanes offered", below(itemCount("comboPLL_Lanes"), 1), 0),
                                    })
                                    .enabled({"comboPLL_Lanes", "comboPLL_Bits"}));
    }
    rows.displays.push_back(Display(28, "Sarn111")
                                .note("parallel interface from a calculation")
                                .then([](Pallador &w, CFamilyCore &) {
                                    w.interfaceIndex = 0;
                                    w.recalc(true);
                                })
                                .expect({
                                    value("comboPLL_InterMode", 0),
                                    outcome("lane items", itemCount("comboPLL_Lanes"), 0),
                                })
                                .disabled({"comboPLL_Lanes", "comboPLL_Bits"}));
    rows.displays.push_back(parallelChosen(29, "Vek130t", 1));

    // Brel105_PLL: the continuous-clock box is hidden, ticked as the family
    // has it and still connected.
    rows.openings.push_back(Opening(30, "Sarn112")
                                .calculations(18)
                                .expect({
                                    items("comboPLL_InterMode", {"Parallel", "MIPI", "HISPI"}),
                                    value("comboPLL_InterMode", result(&S::interfaceIndex)),
                                    value("checkPLL_MIPICont", panels::pll(&CPllParams::mipiCont)),
                                    holds(panels::ref<&P::checkPLL_MIPICont>(), "checkPLL_MIPICont"),
                                    tip("checkPLL_MIPICont", QStringLiteral("Check to activate MIPI continuous clock")),
                                })
                                .hidden({"checkPLL_MIPICont"}));
    for (bool on : {false, true}) {
        rows.openings.push_back(Opening(30, "Sarn112")
                                    .note(on ? "continuous clock" : "no continuous clock")
                                    .calculations(18)
                                    .given([on](Pallador &, CFamilyCore &f) { f.pll.mipiCont = on; })
                                    .expect({value("checkPLL_MIPICont", on)}));
    }
    rows.displays.push_back(Display(30, "Sarn112")
                                .note("hidden box clicked")
                                .then([](Pallador &w, CFamilyCore &) { w.checkPLL_MIPICont->click(); })
                                .expect({
                                    outcome("window", result(&S::mipiCont),
                                            [](const Pallador &w, const CFamilyCore &, int) {
                                                return double(w.checkPLL_MIPICont->isChecked());
                                            }),
                                    outcome("family", panels::pll(&CPllParams::mipiCont), result(&S::mipiCont)),
                                }));
    rows.displays.push_back(serialChosen(30, "Sarn112", 2));
    return rows;
}

} // namespace pllpanels
