// Rows of the forms Vek116_PLL (entries 72 to 79), Vek118_PLL (75, 94, 102,
// 115), Vek128_PLL (110), Drav102_PLL (111), Zelt_PLL (105 to 109) and
// Holv101_PLL (114). Included by tst_pllpanels.cpp after the row types.
#pragma once

namespace pllpanels {

namespace vek116holv {

using S = SensorSettings;
using interfacepll::itemCount;

template <class T> Value result(T S::*field)
{
    return panels::setting(field);
}

inline Value laneChoices()
{
    return [](const Pallador &, const CFamilyCore &f, int) -> double { return f.laneChoices.size(); };
}

inline Value interfaceModes()
{
    return [](const Pallador &, const CFamilyCore &f, int) -> double { return f.pll.interfaceModes.size(); };
}

// The interface the window holds before the panel opens.
inline Given onInterface(int index)
{
    return [index](Pallador &w, CFamilyCore &) { w.interfaceIndex = index; };
}

// The tool tips of the interface, lane and bit-depth combos.
inline std::vector<Check> comboTips()
{
    return {
        tip("comboPLL_InterMode", QStringLiteral("Select the PLL output mode (interface)")),
        tip("comboPLL_Lanes", QStringLiteral("Select the output lanes")),
        tip("comboPLL_Bits", QStringLiteral("Select the output bit-depth")),
    };
}

const std::pair<int, const char *> kVek116Forms[] = {
    {72, "Vek116m"}, {73, "Vek116t"}, {74, "Vek115x"}, {76, "Vek121m"},
    {77, "Vek121t"}, {78, "Vek121d"}, {79, "Vek122t"},
};

// Calculations of an opening on the window's serial interface: the
// interface slot empties, fills and selects the lane and bit-depth combos,
// whose own slots calculate at each change, then calculates itself (both
// contexts of the two-context sensors).
constexpr int kVek116Opening = 22;
constexpr int kVek118Opening = 10;
// Vek131m's bit-depth list goes back to the window's 12 bits after the
// refills, which calculates again.
constexpr int kVek131mOpening = 12;
constexpr int kVek114Opening = 0;
constexpr int kVek128Opening = 11;

const char *const kZelt[] = {"Zelt105", "Zelt101", "Zelt102", "Zelt103", "Zelt104"};

// The radar's configuration as the family holds it.
inline HolvConfigBlock &radar(CFamilyCore &f)
{
    return dynamic_cast<Holv_101 &>(f).configBlock;
}

} // namespace vek116holv

inline Rows vek116Holv101Rows()
{
    using namespace vek116holv;
    using panels::pll;
    Rows rows;

    // Vek116_PLL: the form's interfaces; the display selects the window's
    // serial interface, whose slot fills and opens the lane and bit-depth
    // combos and calculates. The Vek_121 sensors lock the combination box,
    // Vek121d the interface too.
    for (const auto &[entry, sample] : kVek116Forms) {
        Opening opening = Opening(entry, sample)
                              .calculations(kVek116Opening)
                              .expect(comboTips())
                              .expect({
                                  items("comboPLL_InterMode", {"Parallel", "HISPI"}),
                                  value("comboPLL_InterMode", result(&S::interfaceIndex)),
                                  outcome("interface", result(&S::interfaceIndex), 1),
                                  outcome("lane items", itemCount("comboPLL_Lanes"), laneChoices()),
                                  value("checkCombi", panels::flag(panels::ctx(&CContextParams::combi))),
                                  holds(panels::ref<&P::comboPLL_InterMode>(), "comboPLL_InterMode"),
                                  holds(panels::ref<&P::checkCombi>(), "checkCombi"),
                                  tip("checkCombi", QStringLiteral("Check to combine Linear/HDR modes")),
                              })
                              .enabled({"comboPLL_Lanes", "comboPLL_Bits"});
        if (entry >= 76)
            opening.disabled({"checkCombi"});
        else
            opening.enabled({"checkCombi"});
        if (entry == 78)
            opening.disabled({"comboPLL_InterMode"});
        else
            opening.enabled({"comboPLL_InterMode"});
        rows.openings.push_back(opening);
    }
    // On the parallel interface the display changes nothing: the combos stay
    // empty and closed, and nothing is calculated.
    rows.openings.push_back(Opening(72, "Vek116m")
                                .note("parallel interface")
                                .given(onInterface(0))
                                .expect({
                                    value("comboPLL_InterMode", 0),
                                    outcome("lane items", itemCount("comboPLL_Lanes"), 0),
                                    outcome("bit-depth items", itemCount("comboPLL_Bits"), 0),
                                })
                                .disabled({"comboPLL_Lanes", "comboPLL_Bits"}));
    for (int combi : {0, 1}) {
        rows.openings.push_back(Opening(73, "Vek116t")
                                    .note(combi ? "combination mode" : "no combination mode")
                                    .calculations(kVek116Opening)
                                    .given([combi](Pallador &, CFamilyCore &f) { f.ctx[0].combi = combi; })
                                    .expect({value("checkCombi", combi)}));
    }
    rows.displays.push_back(Display(72, "Vek116m")
                                .note("parallel chosen")
                                .then([](Pallador &w, CFamilyCore &) { w.comboPLL_InterMode->setCurrentIndex(0); })
                                .expect({
                                    outcome("interface", result(&S::interfaceIndex), 0),
                                    outcome("lane items", itemCount("comboPLL_Lanes"), 0),
                                })
                                .disabled({"comboPLL_Lanes", "comboPLL_Bits"}));
    rows.displays.push_back(
        Display(76, "Vek121m")
            .note("interface from a calculation")
            .then([](Pallador &w, CFamilyCore &) {
                w.interfaceIndex = 0;
                w.recalc(true);
            })
            .expect({value("comboPLL_InterMode", 0), outcome("interface", result(&S::interfaceIndex), 0)}));

    // Vek118_PLL for Vek118m and Vek131m: the family's interfaces, link
    // options and VCO range; Vek118m opens on the family's revision, Vek131m
    // on the form's.
    for (const auto &[entry, sample] : {std::pair<int, const char *>{75, "Vek118m"}, {102, "Vek131m"}}) {
        rows.openings.push_back(
            Opening(entry, sample)
                .calculations(entry == 102 ? kVek131mOpening : kVek118Opening)
                .expect(comboTips())
                .expect({
                    outcome("interface items", itemCount("comboPLL_InterMode"), interfaceModes()),
                    value("comboPLL_InterMode", result(&S::interfaceIndex)),
                    value("comboPLL_Bits", entry == 102 ? 1 : 0),
                    value("checkPLL_MIPICont", pll(&CPllParams::mipiCont)),
                    value("checkSDRMode", pll(&CPllParams::fastClock)),
                    value("comboPLL_vcodiv", pll(&CPllParams::phyCd)),
                    holds(panels::ref<&P::comboPLL_PhyType>(), "comboPLL_vcodiv"),
                    holds(panels::ref<&P::check16b8bits>(), "check16b8bits"),
                    tip("checkPLL_MIPICont", QStringLiteral("Check to activate MIPI continuous clock")),
                    tip("checkSDRMode", QStringLiteral("Check to activate MIPI/HISPI SDR mode")),
                    noTip("check16b8bits"),
                    noTip("comboPLL_REV"),
                    noTip("comboPLL_vcodiv"),
                })
                .shown({"checkSDRMode", "check16b8bits", "comboPLL_vcodiv", "label_6"}));
    }
    for (int revision : {1, 2}) {
        rows.openings.push_back(Opening(75, "Vek118m")
                                    .note(revision == 2 ? "revision 2" : "revision 1")
                                    .calculations(kVek118Opening)
                                    .given([revision](Pallador &w, CFamilyCore &) { w.revIndex = revision - 1; })
                                    .expect({shows("comboPLL_REV", revision == 2 ? "Rev2" : "Rev1")}));
    }
    rows.openings.push_back(Opening(102, "Vek131m")
                                .note("revision 2 in the family")
                                .calculations(kVek131mOpening)
                                .given([](Pallador &, CFamilyCore &f) { f.pll.revision = 2; })
                                .expect({shows("comboPLL_REV", "Rev1")}));
    // Vek146m: lanes and bit depths on their third item from the start, no
    // SDR or 16-bit option, a locked revision; the display leaves the
    // interface combo alone.
    rows.openings.push_back(Opening(115, "Vek146m")
                                .expect(comboTips())
                                .expect({
                                    outcome("interface items", itemCount("comboPLL_InterMode"), interfaceModes()),
                                    outcome("lane items", itemCount("comboPLL_Lanes"), laneChoices()),
                                    value("comboPLL_Lanes", 2),
                                    value("comboPLL_Bits", 2),
                                    value("checkPLL_MIPICont", pll(&CPllParams::mipiCont)),
                                    value("comboPLL_vcodiv", pll(&CPllParams::phyCd)),
                                })
                                .enabled({"comboPLL_Lanes", "comboPLL_Bits"})
                                .hidden({"checkSDRMode", "check16b8bits"})
                                .disabled({"comboPLL_REV"}));
    // Vek114d: only the three combos, with the family's lane count and bit
    // depth.
    rows.openings.push_back(
        Opening(94, "Vek114d")
            .calculations(kVek114Opening)
            .expect(comboTips())
            .expect({
                outcome("lane items", itemCount("comboPLL_Lanes"), laneChoices()),
                tip("checkPLL_MIPICont", QStringLiteral("Check to activate MIPI continuous clock")),
                holds(panels::ref<&P::checkPLL_MIPICont>(), "checkPLL_MIPICont"),
            })
            .enabled({"comboPLL_Lanes", "comboPLL_Bits"})
            .hidden({"checkPLL_MIPICont", "checkSDRMode", "check16b8bits", "comboPLL_vcodiv", "label_5", "label_6"})
            .disabled({"comboPLL_REV"}));
    for (const auto &[laneCount, bitDepth] : {std::pair<int, int>{1, 10}, {1, 12}}) {
        rows.openings.push_back(Opening(94, "Vek114d")
                                    .note(bitDepth == 10 ? "10 bits" : "12 bits")
                                    .given([laneCount, bitDepth](Pallador &w, CFamilyCore &f) {
                                        w.interfaceIndex = 0;
                                        f.pll.laneCount = laneCount;
                                        f.pll.bitDepth = bitDepth;
                                    })
                                    .expect({
                                        value("comboPLL_Lanes", 0),
                                        value("comboPLL_Bits", (bitDepth - 10) / 2),
                                    }));
    }

    // Vek128_PLL: the family's interfaces, its link options, the window's
    // revision.
    rows.openings.push_back(Opening(110, "Vek128m")
                                .calculations(kVek128Opening)
                                .expect(comboTips())
                                .expect({
                                    outcome("interface items", itemCount("comboPLL_InterMode"), interfaceModes()),
                                    value("comboPLL_InterMode", result(&S::interfaceIndex)),
                                    value("checkPLL_MIPICont", pll(&CPllParams::mipiCont)),
                                    value("checkSDRMode", pll(&CPllParams::fastClock)),
                                    items("comboPLL_REV", {"Rev1", "Rev2"}),
                                    tip("checkSDRMode", QStringLiteral("Check to activate MIPI/HISPI SDR mode")),
                                }));
    rows.displays.push_back(
        Display(110, "Vek128m")
            .note("SDR clicked")
            .then([](Pallador &w, CFamilyCore &) { w.checkSDRMode->click(); })
            .calculations(1)
            .expect({outcome("fast clock", result(&S::fastClock), [](const Pallador &w, const CFamilyCore &, int) {
                return double(w.checkSDRMode->isChecked());
            })}));

    // Drav102_PLL: lanes on the second item, the family's default bit depth,
    // the window's revision; the display writes nothing.
    rows.openings.push_back(Opening(111, "Drav102")
                                .expect({
                                    outcome("lane items", itemCount("comboPLL_Lanes"), laneChoices()),
                                    value("comboPLL_Lanes", 1),
                                    value("comboPLL_Bits",
                                          [](const Pallador &, const CFamilyCore &, int) -> double {
                                              return Drav_102::getDefaultBitDepthIndex();
                                          }),
                                    value("checkPLL_MIPICont", pll(&CPllParams::mipiCont)),
                                    value("comboPLL_REV", result(&S::revIndex)),
                                    items("comboPLL_REV", {"Rev1", "Rev2"}),
                                    tip("comboPLL_Lanes", QStringLiteral("Select the output lanes")),
                                    tip("checkPLL_MIPICont", QStringLiteral("Check to activate MIPI continuous clock")),
                                    noTip("comboPLL_REV"),
                                })
                                .enabled({"comboPLL_Lanes", "comboPLL_Bits"}));

    // Zelt_PLL: the family's link; opening calculates nothing, and the display
    // reads the lanes and the companding back into the window.
    int zeltEntry = 105;
    for (const char *sample : kZelt) {
        rows.openings.push_back(Opening(zeltEntry++, sample)
                                    .expect({
                                        value("comboPLL_Lanes", pll(&CPllParams::lanes) - 1),
                                        value("comboPLL_Bits", (pll(&CPllParams::opBits) - 10) / 2),
                                        value("checkPLL_Companding", pll(&CPllParams::combi)),
                                        value("checkPLL_FillerCode", pll(&CPllParams::useReg)),
                                        value("checkPLL_CRC", pll(&CPllParams::pllPreScale)),
                                        holds(panels::ref<&P::checkCombi>(), "checkPLL_Companding"),
                                        holds(panels::ref<&P::checkUse_Reg>(), "checkPLL_FillerCode"),
                                        holds(panels::ref<&P::checkPLL_PreScale>(), "checkPLL_CRC"),
                                        outcome("lanes", result(&S::lanes), pll(&CPllParams::lanes)),
                                        noTip("comboPLL_Lanes"),
                                    })
                                    .disabled({"comboPLL_REV", "checkPLL_Companding"}));
    }
    for (const auto &[bits, companding] : {std::pair<int, bool>{12, true}, {12, false}, {10, false}}) {
        rows.openings.push_back(Opening(106, "Zelt101")
                                    .note(bits == 10   ? "10 bits"
                                          : companding ? "12 bits, companding"
                                                       : "12 bits")
                                    .given([bits = bits, companding = companding](Pallador &, CFamilyCore &f) {
                                        f.pll.opBits = bits;
                                        f.pll.combi = companding;
                                        f.pll.lanes = 2;
                                    })
                                    .expect({
                                        shows("comboPLL_Bits", QString::number(bits)),
                                        shows("comboPLL_Lanes", QStringLiteral("2")),
                                        value("checkPLL_Companding", companding),
                                        outcome("lanes", result(&S::lanes), 2),
                                        outcome("companding", result(&S::combi), companding),
                                    }));
    }
    rows.displays.push_back(
        Display(107, "Zelt102")
            .note("lanes chosen")
            .then([](Pallador &w, CFamilyCore &) { w.comboPLL_Lanes->setCurrentIndex(1); })
            .calculations(1)
            .expect({outcome("lanes", result(&S::lanes), 2), outcome("family lanes", pll(&CPllParams::lanes), 2)}));
    rows.displays.push_back(Display(108, "Zelt103")
                                .note("12 bits, companding ticked")
                                .then([](Pallador &w, CFamilyCore &) {
                                    w.comboPLL_Bits->setCurrentIndex(1);
                                    w.checkCombi->click();
                                })
                                .calculations(2)
                                .expect({
                                    value("checkPLL_Companding", 1),
                                    outcome("companding", result(&S::combi), 1),
                                    outcome("family companding", pll(&CPllParams::combi), 1),
                                })
                                .enabled({"checkPLL_Companding"}));

    // Holv101_PLL: the radar's configuration with the table's conversions;
    // opening calculates nothing, locks the use case, and the display reads
    // every widget back into its window channel.
    rows.openings.push_back(Opening(114, "Holv101")
                                .expect({
                                    value("comboPLL_Bits", (pll(&CPllParams::opBits) - 12) / 2),
                                    value("spinPLL_ChirpReset", pll(&CPllParams::pllP4)),
                                    value("spinPLL_ChirpRamp", pll(&CPllParams::pllP5)),
                                    value("doubleSpinPLL_FreqMin", pll(&CPllParams::pllTargetOp)),
                                    value("spinPLL_Slope", pll(&CPllParams::mpDiv)),
                                    value("doubleSpinPLL_AdcStart", pll(&CPllParams::pllVco2)),
                                    value("spinPLL_AdcSampler", pll(&CPllParams::pllN2)),
                                    value("spinPLL_ChirpFrame", pll(&CPllParams::pllWcd)),
                                    value("comboPLL_OnOff", pll(&CPllParams::twoPixBits)),
                                    value("comboTDM", pll(&CPllParams::custRev)),
                                    outcome("chirp reset", result(&S::pllP4), pll(&CPllParams::pllP4)),
                                    outcome("slope", result(&S::mpDiv), pll(&CPllParams::mpDiv)),
                                    outcome("ADC start", result(&S::pllVco2), pll(&CPllParams::pllVco2)),
                                    outcome("chirps", result(&S::pllWcd), pll(&CPllParams::pllWcd)),
                                    outcome("TDM MIMO", result(&S::custRev), pll(&CPllParams::custRev)),
                                    outcome(
                                        "use case locked",
                                        [](const Pallador &w, const CFamilyCore &, int) {
                                            return double(w.ui.comboUseCase_A->isEnabled());
                                        },
                                        0),
                                    holds(panels::ref<&P::comboCust_Rev>(), "comboTDM"),
                                    holds(panels::ref<&P::dSpinPLL_OutRate>(), "doubleSpinPLL_FreqMin"),
                                    noTip("spinPLL_ChirpFrame"),
                                }));
    static const char *const kDecimations[] = {"decimation 0", "decimation 1", "decimation 2", "decimation 3",
                                               "decimation 4", "decimation 5", "decimation 6", "decimation 7"};
    for (int decimation = 0; decimation < 8; ++decimation) {
        static const char *const kShown[] = {"OFF", "2x", "3x", "4x"};
        rows.openings.push_back(
            Opening(114, "Holv101")
                .note(kDecimations[decimation])
                .given([decimation](Pallador &, CFamilyCore &f) { radar(f).decimation = decimation; })
                .expect({shows("comboPLL_Decimation", kShown[decimation / 2]),
                         outcome("decimation index", result(&S::interfaceIndex), decimation / 2)}));
    }
    for (int clock : {60, 30, 45}) {
        rows.openings.push_back(Opening(114, "Holv101")
                                    .note(clock == 60   ? "60 MHz clocks"
                                          : clock == 30 ? "30 MHz clocks"
                                                        : "45 MHz clocks")
                                    .given([clock](Pallador &, CFamilyCore &f) {
                                        radar(f).adcClock = clock;
                                        radar(f).mipiWordClock = clock;
                                    })
                                    .expect({shows("comboPLL_AdcClock", clock == 60 ? "60" : "30"),
                                             shows("comboPLL_MIPIClock", clock == 60 ? "60" : "30")}));
    }
    rows.displays.push_back(Display(114, "Holv101")
                                .note("chirps in frame")
                                .then([](Pallador &w, CFamilyCore &) { w.spinPLL_WCD->setValue(64); })
                                .calculations(1)
                                .expect({outcome("chirps", result(&S::pllWcd), 64),
                                         outcome("family chirps", pll(&CPllParams::pllWcd), 64)}));
    return rows;
}

} // namespace pllpanels
