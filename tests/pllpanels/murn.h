// Rows of the forms Murn101_PLL (entries 1 to 11), Murn105_PLL (13),
// Murn109_PLL (26, 27) and Murn111_PLL (31). Included by tst_pllpanels.cpp
// after the row types.
#pragma once

namespace pllpanels {

namespace murn {

// The window's results, as the display writes them.
template <class T> Value result(T SensorSettings::*field)
{
    return panels::setting(field);
}

// The labels of the block diagram that show the standard results.
inline std::vector<Check> standardLabels()
{
    return {
        number("labelPLL_InClk", result(&SensorSettings::resInputClock)),
        number("labelPLL_M", result(&SensorSettings::resM)),
        number("labelPLL_N", result(&SensorSettings::resN)),
        number("labelPLL_PixClk", result(&SensorSettings::resPixClock)),
    };
}

// The divider boxes of the Murn109 and Murn111 forms: the family's dividers
// less one, within the boxes' range, the boxes closed while their override
// is unticked.
inline Opening dividerForm(int entry, const char *sample)
{
    return Opening(entry, sample)
        .expect({
            value("spinPLL_P4", panels::pll(&CPllParams::pllP4) - 1),
            value("spinPLL_P5", panels::pll(&CPllParams::pllP5) - 1),
            value("checkPLL_P4", 0),
            value("checkPLL_P5", 0),
            holds(panels::ref<&P::labelPLL_M>(), "labelPLL_M"),
            holds(panels::ref<&P::spinPLL_P5>(), "spinPLL_P5"),
            tip("checkPLL_Bypass", QStringLiteral("Check to bypass the PLL setting")),
            tip("spinPLL_P5", QStringLiteral("PLL P5: Enter specific 'P5' divider value")),
        })
        .disabled({"spinPLL_P4", "spinPLL_P5"});
}

// Interface 0 is parallel: no serial clock.
inline Given parallel(bool on)
{
    return [on](Pallador &w, CFamilyCore &) {
        QVERIFY(w.ui.comboPLL_Interface->count() > 1);
        w.ui.comboPLL_Interface->setCurrentIndex(on ? 0 : 1);
    };
}

// The P4 and P5 overrides of a divider form: the window's request is what
// the box shows, the family's divider one more. Once unticked, the display
// shows the library's choice in the box, whose slot takes it as the window's
// request; the calculation passes -1 for an unticked box, and the library's
// divider is its own choice again.
inline std::vector<Override> dividerOverrides(int entry, const char *sample)
{
    return {
        Override(entry, sample)
            .note("P5")
            .ticks("checkPLL_P5", "spinPLL_P5", 3)
            .requests("P5 request", panels::setting(&SensorSettings::pllP5), 3)
            .expect({outcome("P5 divider", panels::pll(&CPllParams::pllP5), 4)})
            .released("P5 divider", panels::pll(&CPllParams::pllP5)),
        Override(entry, sample)
            .note("P4")
            .ticks("checkPLL_P4", "spinPLL_P4", 2)
            .requests("P4 request", panels::setting(&SensorSettings::pllP4), 2)
            .expect({outcome("P4 divider", panels::pll(&CPllParams::pllP4), 3)})
            .released("P4 divider", panels::pll(&CPllParams::pllP4)),
    };
}

} // namespace murn

inline Rows murnRows()
{
    using namespace murn;
    Rows rows;

    // Murn101_PLL: the diagram's labels, no dividers.
    const std::pair<int, const char *> tolm[] = {
        {1, "Tolm104m"}, {2, "Tolm105m"}, {3, "Tolm101m"}, {4, "Tolm101t"},  {5, "Tolm102m"},  {6, "Tolm103m"},
        {7, "Tolm106m"}, {8, "Tolm106t"}, {9, "Tolm107m"}, {10, "Tolm108m"}, {11, "Tolm108t"},
    };
    for (const auto &[entry, sample] : tolm) {
        rows.openings.push_back(
            Opening(entry, sample)
                .expect({
                    holds(panels::ref<&P::labelPLL_M>(), "labelPLL_M"),
                    holds(panels::ref<&P::labelPLL_OutClk>(), "labelPLL_OutClk"),
                    outcome(
                        "bypass box",
                        [](const Pallador &w, const CFamilyCore &, int) { return double(!w.checkPLL_Bypass); }, 1),
                }));
    }
    rows.displays.push_back(Display(1, "Tolm104m")
                                .note("after showing")
                                .expect(standardLabels())
                                .expect({
                                    number("labelPLL_OutClk", result(&SensorSettings::resOutClock)),
                                }));
    // A new input clock changes the chosen dividers; the labels follow.
    rows.displays.push_back(Display(1, "Tolm104m")
                                .note("after the input clock changes")
                                .then([](Pallador &w, CFamilyCore &) {
                                    QDoubleSpinBox *input = w.ui.dSpinPLL_Input;
                                    input->setValue(input->value() == 24.0 ? 27.0 : 24.0);
                                })
                                .calculations(1)
                                .expect(standardLabels())
                                .expect({number("labelPLL_OutClk", result(&SensorSettings::resOutClock))}));

    // Murn105_PLL: the prescaler box shows the family's, and reaches it at
    // once.
    rows.openings.push_back(Opening(13, "Sarn105k")
                                .calculations(1)
                                .expect({
                                    value("checkPLL_PreScale", panels::pll(&CPllParams::pllPreScale)),
                                    noTip("checkPLL_Bypass"),
                                })
                                .disabled({"spinPLL_WCD"}));
    rows.displays.push_back(Display(13, "Sarn105k")
                                .note("word-clock divider")
                                .expect({value("spinPLL_WCD", result(&SensorSettings::resWcd))}));
    rows.displays.push_back(Display(13, "Sarn105k")
                                .note("prescaler clicked")
                                .then([](Pallador &w, CFamilyCore &) { w.checkPLL_PreScale->click(); })
                                .calculations(1)
                                .expect({outcome("prescaler", panels::pll(&CPllParams::pllPreScale),
                                                 [](const Pallador &w, const CFamilyCore &, int) {
                                                     return double(w.checkPLL_PreScale->isChecked());
                                                 })}));

    // Murn109_PLL: labels with P less one, no serial clock on the parallel
    // interface, no dividers shown in bypass.
    for (const auto &[entry, sample] : {std::pair<int, const char *>{26, "Vek124"}, {27, "Pirn106"}}) {
        rows.openings.push_back(
            dividerForm(entry, sample)
                .expect({
                    outcome(
                        "output clock label",
                        [](const Pallador &w, const CFamilyCore &, int) { return double(!w.labelPLL_OutClk); }, 1),
                }));
        rows.displays.push_back(Display(entry, sample)
                                    .note("serial interface")
                                    .given(parallel(false))
                                    .expect(standardLabels())
                                    .expect({
                                        number("labelPLL_P", result(&SensorSettings::resP) - 1),
                                        number("labelPLL_MipiClk", result(&SensorSettings::resSerialClock)),
                                        value("spinPLL_P5", result(&SensorSettings::resP5) - 1),
                                    }));
        rows.displays.push_back(Display(entry, sample)
                                    .note("parallel interface")
                                    .given(parallel(true))
                                    .expect({shows("labelPLL_MipiClk", QStringLiteral("N/A"))}));
        rows.displays.push_back(Display(entry, sample)
                                    .note("bypass")
                                    .then([](Pallador &w, CFamilyCore &) { w.checkPLL_Bypass->click(); })
                                    .expect({
                                        shows("labelPLL_M", QString()),
                                        shows("labelPLL_N", QString()),
                                        shows("labelPLL_P", QString()),
                                        number("labelPLL_InClk", result(&SensorSettings::resInputClock)),
                                    }));
        for (const Override &o : dividerOverrides(entry, sample))
            rows.overrides.push_back(o);
    }

    // Murn111_PLL: the standard labels, the dividers less one, the I2C and
    // revision widgets hidden.
    // The word-clock divider box starts at 0 and shows the library's divider:
    // its slot takes it as the request, a calculation of both contexts.
    rows.openings.push_back(dividerForm(31, "Sarn116k")
                                .calculations(2)
                                .expect({value("spinPLL_I2C", 300)})
                                .hidden({"checkPLL_I2C", "spinPLL_I2C", "comboPLL_REV"}));
    rows.displays.push_back(Display(31, "Sarn116k")
                                .expect(standardLabels())
                                .expect({
                                    number("labelPLL_P", result(&SensorSettings::resP)),
                                    number("labelPLL_MipiClk", result(&SensorSettings::resSerialClock)),
                                    value("spinPLL_P4", result(&SensorSettings::resP4) - 1),
                                    value("spinPLL_P5", result(&SensorSettings::resP5) - 1),
                                    value("spinPLL_WCD", result(&SensorSettings::resWcd)),
                                }));
    for (const Override &o : dividerOverrides(31, "Sarn116k"))
        rows.overrides.push_back(o);
    return rows;
}

} // namespace pllpanels
