// Rows of the second-PLL forms Vek152_PLL (entries 46 to 50, 90, 91, 112,
// 113), Vek153_PLL (51) and Vek154_PLL (52), and of the Murn forms
// Murn107_PLL (59), Murn103_PLL (60, 61), Murn110_PLL (69), Murn108_PLL (70)
// and Murn106_PLL (71). Included by tst_pllpanels.cpp after the row types.
#pragma once

namespace pllpanels {

namespace secondpll {

constexpr char kBypassTip[] = "Check to bypass the PLL setting";
constexpr char kMinFreqTip[] = "Check to use the minimum clock based on the frame rate";

template <class T> Value window(T SensorSettings::*field)
{
    return panels::setting(field);
}

// The op-divider combo's index for the family's divider (items stepping by
// two from the first, a divider beyond them on the nearest item).
inline Value opIndex(double first, int items)
{
    return panels::clamp((panels::pll(&CPllParams::pllOpDivider) - first) / 2, 0, items - 1);
}

// The second PLL's boxes, waiting for their override boxes.
const QStringList kSecondPllBoxes = {"spinPLL_N2", "spinPLL_M2", "dSpinPLL_VCO2"};

inline std::vector<Check> firstPll()
{
    return {
        value("checkPLL_MIPICont", panels::pll(&CPllParams::mipiCont)),
        holds(panels::ref<&P::comboPLL_Bits>(), "comboPLL_OpBits"),
        tip("checkPLL_Bypass", QString::fromLatin1(kBypassTip)),
        tip("comboPLL_OpBits", QStringLiteral("Enter the output pixel bit-depth")),
        noTip("spinPLL_M2"),
    };
}

// The second PLL's boxes show the family's values.
inline std::vector<Check> familySecondPll()
{
    return {
        value("spinPLL_N2", panels::pll(&CPllParams::pllN2)),
        value("spinPLL_M2", panels::pll(&CPllParams::pllM2)),
        value("dSpinPLL_VCO2", panels::pll(&CPllParams::vcoClock2)),
    };
}

inline void highSpeed(Pallador &w, CFamilyCore &)
{
    w.highSpeed[0] = true;
    w.recalc(true);
}

// A calculation from another input: the input clock changed in the dock.
inline void otherInputClock(Pallador &w, CFamilyCore &)
{
    QDoubleSpinBox *input = w.ui.dSpinPLL_Input;
    input->setValue(input->value() == 24.0 ? 27.0 : 24.0);
}

// An override of the second PLL: the family calculates with the value
// entered, and with the library's own choice again once unticked.
inline Override secondPllOverride(int entry, const char *sample, const char *box, const char *input, double entered,
                                  const char *what, Value quantity)
{
    return Override(entry, sample)
        .note(what)
        .ticks(box, input, entered)
        .requests(what, quantity, entered)
        .released(what, quantity);
}

} // namespace secondpll

inline Rows secondPllMurnRows()
{
    using namespace secondpll;
    Rows rows;

    // Vek152_PLL for Vek_152: the second PLL's boxes always start at N2 1,
    // M2 46 and 1150 MHz, whatever the family holds; no calculation.
    const std::pair<int, const char *> vek152[] = {
        {46, "Vek151"}, {47, "Vek151tk"}, {48, "Vek151b"}, {49, "Vek152n"}, {50, "Vek156"},
    };
    for (const auto &[entry, sample] : vek152) {
        rows.openings.push_back(Opening(entry, sample)
                                    .expect(firstPll())
                                    .expect({
                                        value("comboPLL_OpBits", opIndex(6, 3)),
                                        items("comboPLL_OpBits", {"6", "8", "10"}),
                                        value("spinPLL_N2", 1),
                                        value("spinPLL_M2", 46),
                                        value("dSpinPLL_VCO2", 1150),
                                        value("comboPLL_REV", 1),
                                    })
                                    .disabled(kSecondPllBoxes)
                                    .enabled({"checkPLL_N2", "checkPLL_M2", "checkPLL_VCO2", "comboPLL_OpBits"})
                                    .hidden({"comboPLL_REV"}));
    }
    // A divider beyond the items selects the last one.
    rows.openings.push_back(Opening(46, "Vek151")
                                .note("divider 12")
                                .given([](Pallador &, CFamilyCore &f) { f.pll.pllOpDivider = 12; })
                                .expect({value("comboPLL_OpBits", 2)}));

    // Vek_135: dividers 8 to 12, the family's second PLL, no N2 or M2
    // override.
    for (const auto &[entry, sample] : {std::pair<int, const char *>{90, "Vek135d"}, {91, "Vek136d"}}) {
        rows.openings.push_back(Opening(entry, sample)
                                    .expect(firstPll())
                                    .expect(familySecondPll())
                                    .expect({
                                        value("comboPLL_OpBits", opIndex(8, 3)),
                                        items("comboPLL_OpBits", {"8", "10", "12"}),
                                    })
                                    .disabled(kSecondPllBoxes + QStringList{"checkPLL_N2", "checkPLL_M2"})
                                    .enabled({"checkPLL_VCO2"})
                                    .hidden({"comboPLL_REV"}));
    }

    // Drav_101 shows the family's revision; Vek_120 sets it but keeps the
    // combo hidden. Neither has the MIPI option; dividers 8 and 10.
    for (const auto &[entry, sample] : {std::pair<int, const char *>{112, "Drav101t"}, {113, "Vek120t"}}) {
        Opening o = Opening(entry, sample)
                        .expect(familySecondPll())
                        .expect({
                            value("comboPLL_OpBits", opIndex(8, 2)),
                            items("comboPLL_OpBits", {"8", "10"}),
                            value("comboPLL_REV", panels::pll(&CPllParams::revision)),
                        })
                        .disabled(kSecondPllBoxes)
                        .hidden({"checkPLL_MIPICont"});
        rows.openings.push_back(entry == 112 ? o.shown({"comboPLL_REV"}) : o.hidden({"comboPLL_REV"}));
    }
    rows.openings.push_back(Opening(112, "Drav101t")
                                .note("revision 1")
                                .given([](Pallador &, CFamilyCore &f) { f.pll.revision = 1; })
                                .expect({value("comboPLL_REV", 1)}));

    // Vek153_PLL: connected first, so the opening stores N2 1, M2 46 and
    // 1150 MHz as the window's requests (one calculation each, one more for
    // an op-divider index other than 0) with the override boxes unticked.
    const std::vector<Check> vek153Requests = {
        outcome("N2 request", window(&SensorSettings::pllN2), 1),
        outcome("M2 request", window(&SensorSettings::pllM2), 46),
        outcome("VCO2 request", window(&SensorSettings::pllVco2), 1150),
        holds(panels::ref<&P::spinPLL_VCO2>(), "dSpinPLL_VCO2"),
        value("checkPLL_N2", 0),
    };
    rows.openings.push_back(Opening(51, "Vek153")
                                .note("divider 10")
                                .given([](Pallador &, CFamilyCore &f) { f.pll.pllOpDivider = 10; })
                                .calculations(4)
                                .expect(firstPll())
                                .expect(vek153Requests)
                                .expect({value("comboPLL_OpBits", 2)})
                                .disabled(kSecondPllBoxes));
    rows.openings.push_back(Opening(51, "Vek153")
                                .note("divider 6")
                                .given([](Pallador &, CFamilyCore &f) { f.pll.pllOpDivider = 6; })
                                .calculations(3)
                                .expect(vek153Requests)
                                .expect({value("comboPLL_OpBits", 0)}));

    // Vek154_PLL: connected first; dividers 3 to 6 one per item; each family
    // value that differs from the form's calculates (the second VCO box,
    // disabled in the form, has taken the library's value from the first).
    rows.openings.push_back(Opening(52, "Vek154")
                                .calculations(3)
                                .expect(firstPll())
                                .expect(familySecondPll())
                                .expect({
                                    value("comboPLL_OpBits", panels::pll(&CPllParams::pllOpDivider) - 3),
                                    value("comboPLL_PhyType", panels::pll(&CPllParams::phyCd)),
                                })
                                .disabled(kSecondPllBoxes + QStringList{"checkPLL_N2", "checkPLL_M2"})
                                .enabled({"checkPLL_VCO2"}));

    // The op-divider combo is closed while context A runs at high speed.
    for (const auto &[entry, sample] :
         {std::pair<int, const char *>{46, "Vek151"}, {51, "Vek153"}, {52, "Vek154"}, {90, "Vek135d"}}) {
        rows.displays.push_back(
            Display(entry, sample).note("high speed").then(highSpeed).disabled({"comboPLL_OpBits"}));
        rows.displays.push_back(Display(entry, sample).note("normal speed").enabled({"comboPLL_OpBits"}));
    }
    // The second PLL's boxes show the library's choice after a calculation.
    for (const auto &[entry, sample] : {std::pair<int, const char *>{46, "Vek151"}, {112, "Drav101t"}}) {
        rows.displays.push_back(Display(entry, sample)
                                    .note("second PLL after a calculation")
                                    .then(otherInputClock)
                                    .expect({
                                        value("spinPLL_N2", panels::pll(&CPllParams::pllN2)),
                                        value("spinPLL_M2", panels::pll(&CPllParams::pllM2)),
                                        value("dSpinPLL_VCO2", window(&SensorSettings::resSerialClock)),
                                    }));
    }
    // Drav_101's op-divider combo is left alone by the display.
    rows.displays.push_back(Display(112, "Drav101t").note("high speed").then(highSpeed).enabled({"comboPLL_OpBits"}));

    rows.overrides.push_back(
        secondPllOverride(46, "Vek151", "checkPLL_M2", "spinPLL_M2", 60, "M2", panels::pll(&CPllParams::pllM2)));
    rows.overrides.push_back(
        secondPllOverride(46, "Vek151", "checkPLL_N2", "spinPLL_N2", 3, "N2", panels::pll(&CPllParams::pllN2)));
    rows.overrides.push_back(
        secondPllOverride(112, "Drav101t", "checkPLL_M2", "spinPLL_M2", 150, "M2", panels::pll(&CPllParams::pllM2)));

    // Murn107_PLL: one box.
    rows.openings.push_back(Opening(59, "Sarn108kj")
                                .expect({
                                    holds(panels::ref<&P::checkPLL_MinFreq>(), "checkPLL_MinFreq"),
                                    tip("checkPLL_MinFreq", QString::fromLatin1(kMinFreqTip)),
                                })
                                .enabled({"checkPLL_MinFreq"}));
    // Murn103_PLL and Murn106_PLL: bypass and minimum frequency, both with
    // tips; the Murn106 diagram has no numbers.
    for (const auto &[entry, sample] :
         {std::pair<int, const char *>{60, "Sarn103k"}, {61, "Tolm109"}, {71, "Sarn107k"}}) {
        rows.openings.push_back(
            Opening(entry, sample)
                .expect({
                    holds(panels::ref<&P::checkPLL_Bypass>(), "checkPLL_Bypass"),
                    tip("checkPLL_Bypass", QString::fromLatin1(kBypassTip)),
                    tip("checkPLL_MinFreq", QString::fromLatin1(kMinFreqTip)),
                    outcome(
                        "result labels",
                        [](const Pallador &w, const CFamilyCore &, int) { return double(!w.labelPLL_M); }, 1),
                }));
    }
    rows.displays.push_back(Display(60, "Sarn103k")
                                .note("minimum frequency clicked")
                                .then([](Pallador &w, CFamilyCore &) { w.checkPLL_MinFreq->click(); })
                                .expect({outcome("minimum frequency", panels::pll(&CPllParams::pllUseMinFreq), 1)}));

    // Murn110_PLL: the dividers less one; the display's word-clock divider
    // reaches the window through the box's slot, one calculation of both
    // contexts.
    rows.openings.push_back(
        Opening(69, "Sarn113k")
            .calculations(2)
            .expect({
                value("spinPLL_P4", panels::pll(&CPllParams::pllP4) - 1),
                value("spinPLL_P5", panels::pll(&CPllParams::pllP5) - 1),
                value("spinPLL_I2C", 300),
                value("spinPLL_WCD", window(&SensorSettings::resWcd)),
                tip("spinPLL_WCD", QStringLiteral("Enter specific word clock divider value (0: "
                                                  "8 bit, 1: 10 bits, 2: 12 bits")),
                tip("spinPLL_I2C", QStringLiteral("I2C Master Clock: Enter specific I2C clock value in KHz")),
            })
            .disabled({"spinPLL_P4", "spinPLL_P5", "spinPLL_WCD"})
            .hidden({"checkPLL_I2C", "spinPLL_I2C", "comboPLL_REV"}));
    // A family P4 of 1 starts the box at its minimum; the display then
    // shows the library's divider, which the box's slot calculates with.
    rows.openings.push_back(Opening(69, "Sarn113k")
                                .note("P4 of 1")
                                .given([](Pallador &, CFamilyCore &f) { f.pll.pllP4 = 1; })
                                .calculations(2)
                                .expect({value("spinPLL_P4", window(&SensorSettings::resP4) - 1)}));
    rows.displays.push_back(Display(69, "Sarn113k")
                                .then(otherInputClock)
                                .expect({
                                    number("labelPLL_InClk", window(&SensorSettings::resInputClock)),
                                    number("labelPLL_M", window(&SensorSettings::resM)),
                                    number("labelPLL_N", window(&SensorSettings::resN)),
                                    number("labelPLL_P", window(&SensorSettings::resP) - 1),
                                    number("labelPLL_PixClk", window(&SensorSettings::resPixClock)),
                                    number("labelPLL_MipiClk", window(&SensorSettings::resSerialClock)),
                                    value("spinPLL_P4", window(&SensorSettings::resP4) - 1),
                                    value("spinPLL_P5", window(&SensorSettings::resP5) - 1),
                                }));
    rows.overrides.push_back(Override(69, "Sarn113k")
                                 .note("P5")
                                 .ticks("checkPLL_P5", "spinPLL_P5", 3)
                                 .requests("P5 request", window(&SensorSettings::pllP5), 3)
                                 .released("P5 divider", panels::pll(&CPllParams::pllP5)));

    // Murn108_PLL: the word-clock box starts at 8 before the connections;
    // the display then shows the library's divider, whose slot calculates
    // both contexts when it differs.
    rows.openings.push_back(Opening(70, "Sarn110k")
                                .calculations(2)
                                .expect({
                                    value("spinPLL_WCD", window(&SensorSettings::resWcd)),
                                    tip("checkPLL_MinFreq", QString::fromLatin1(kMinFreqTip)),
                                    noTip("checkPLL_Bypass"),
                                    noTip("checkPLL_WCD"),
                                    noTip("spinPLL_WCD"),
                                })
                                .disabled({"spinPLL_WCD"}));
    rows.displays.push_back(Display(70, "Sarn110k")
                                .note("word-clock box ticked")
                                .then([](Pallador &w, CFamilyCore &) {
                                    w.checkPLL_WCD->click();
                                    w.spinPLL_WCD->setValue(9);
                                })
                                .expect({
                                    value("spinPLL_WCD", 9),
                                    outcome("WCD request", window(&SensorSettings::pllWcd), 9),
                                })
                                .enabled({"spinPLL_WCD"}));
    return rows;
}

} // namespace pllpanels
