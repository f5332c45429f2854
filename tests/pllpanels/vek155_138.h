// Rows of the forms Vek155_PLL (entry 53), Vek143_PLL (67, 68 and 82),
// Vek157b_PLL (80), Vek157f_PLL (81), Vek132_PLL (95 to 98) and Vek138_PLL
// (99 to 101). Included by tst_pllpanels.cpp after the row types.
#pragma once

namespace pllpanels {

namespace vek155_138 {

constexpr char kBypassTip[] = "Check to bypass the PLL setting";
constexpr char kMipiTip[] = "Check to activate MIPI continuous clock";
constexpr char kHighSpeedTip[] = "Check to enable the high-speed mode";
constexpr char kPixelBitsTip[] = "Enter the output pixel bit-depth";

// The family's op pixel divider, high-speed mode and MIPI continuous clock
// before the panel opens.
inline Given family(int divider, bool highSpeed = false, bool mipi = false)
{
    return [=](Pallador &, CFamilyCore &f) {
        f.pll.pllOpDivider = divider;
        f.pll.highSpeed = highSpeed;
        f.pll.mipiCont = mipi;
    };
}

// Context A's high-speed flag, and a calculation that shows it.
inline Given windowHighSpeed(bool on)
{
    return [on](Pallador &w, CFamilyCore &) {
        w.highSpeed[0] = on;
        w.recalc(true);
    };
}

inline Value window(qint32 SensorSettings::*field)
{
    return panels::setting(field);
}

// The divider the library calculated with.
inline Check divider(double expected)
{
    return outcome("op divider", panels::pll(&CPllParams::pllOpDivider), expected);
}

// The widgets every form of the divider list has, with their tool tips.
inline std::vector<Check> common(const char *bitsTip)
{
    return {
        holds(panels::ref<&P::checkPLL_Bypass>(), "checkPLL_Bypass"),
        holds(panels::ref<&P::comboPLL_Bits>(), "comboPLL_OpBits"),
        tip("checkPLL_Bypass", QString::fromLatin1(kBypassTip)),
        tip("comboPLL_OpBits", QString::fromLatin1(bitsTip)),
    };
}

inline std::vector<Check> mipiBox()
{
    return {
        holds(panels::ref<&P::checkPLL_MIPICont>(), "checkPLL_MIPICont"),
        value("checkPLL_MIPICont", panels::pll(&CPllParams::mipiCont)),
        tip("checkPLL_MIPICont", QString::fromLatin1(kMipiTip)),
    };
}

inline std::vector<Check> highSpeedBox()
{
    return {
        holds(panels::ref<&P::checkHighSpeed, 0>(), "checkHighSpeed"),
        value("checkHighSpeed", panels::pll(&CPllParams::highSpeed)),
        tip("checkHighSpeed", QString::fromLatin1(kHighSpeedTip)),
    };
}

// The Vek138 family's bit depth, serial rate and interface (the window's
// too) before the panel opens.
inline Given vek138(int bitDepth, int rate = 0, int interfaceMode = 0)
{
    return [=](Pallador &w, CFamilyCore &f) {
        f.pll.bitDepth = bitDepth;
        f.pll.outPort = rate;
        f.pll.interfaceMode = interfaceMode;
        w.interfaceIndex = interfaceMode;
    };
}

} // namespace vek155_138

inline Rows vek155To138Rows()
{
    using namespace vek155_138;
    Rows rows;

    // The divider lists, connected first: a divider other than the first
    // item runs the list's slot, one calculation, and the library takes the
    // divider; a divider outside the list takes its nearest end. The
    // high-speed box shows the family's mode and stays disabled.
    const struct {
        int entry;
        const char *sample;
        int items;
        bool highSpeed, mipi;
    } forms[] = {
        {53, "Vek155", 3, true, true},  {67, "Vek143", 3, false, true},  {68, "Vek144n", 3, false, true},
        {80, "Vek157b", 4, true, true}, {81, "Vek157f", 4, true, false},
    };
    for (const auto &form : forms) {
        Opening row(form.entry, form.sample);
        row.note("divider 6, modes on").given(family(6, true, true)).expect(common(kPixelBitsTip));
        row.expect({value("comboPLL_OpBits", 0)});
        if (form.mipi)
            row.expect(mipiBox());
        if (form.highSpeed)
            row.expect(highSpeedBox()).disabled({"checkHighSpeed"});
        rows.openings.push_back(row);
    }
    const struct {
        int entry;
        const char *sample;
        const char *note;
        int divider, index, calculations;
    } dividers[] = {
        {53, "Vek155", "divider 10", 10, 2, 1},        {53, "Vek155", "divider 12 beyond the list", 12, 2, 1},
        {53, "Vek155", "no divider chosen", -1, 0, 0}, {67, "Vek143", "divider 8", 8, 1, 1},
        {80, "Vek157b", "divider 12", 12, 3, 1},       {81, "Vek157f", "divider 10", 10, 2, 1},
    };
    for (const auto &d : dividers) {
        Opening row(d.entry, d.sample);
        row.note(d.note).given(family(d.divider)).calculations(d.calculations);
        row.expect({value("comboPLL_OpBits", d.index)});
        if (d.calculations > 0)
            row.expect(
                {divider(6 + 2 * d.index), outcome("op bits", window(&SensorSettings::opBits), 6 + 2 * d.index)});
        rows.openings.push_back(row);
    }
    rows.displays.push_back(Display(81, "Vek157f")
                                .note("divider 12 picked")
                                .given(family(6))
                                .then([](Pallador &w, CFamilyCore &) { w.comboPLL_Bits->setCurrentIndex(3); })
                                .calculations(1)
                                .expect({divider(12), value("comboPLL_OpBits", 3)}));

    // Context A's high-speed flag closes the list of the Vek143 and Vek144n
    // panels (and opens it again); the other forms get nothing from the
    // display.
    const struct {
        int entry;
        const char *sample;
        bool on, closes;
    } highSpeed[] = {
        {67, "Vek143", true, true},  {68, "Vek144n", true, true},  {67, "Vek143", false, false},
        {53, "Vek155", true, false}, {80, "Vek157b", true, false}, {82, "Vek137", true, false},
    };
    for (const auto &h : highSpeed) {
        Display row(h.entry, h.sample);
        row.note(h.on ? "context A in high-speed mode" : "context A's high speed off")
            .given(family(6, !h.on))
            .then(windowHighSpeed(h.on))
            .calculations(1);
        if (h.closes)
            row.disabled({"comboPLL_OpBits"});
        else
            row.enabled({"comboPLL_OpBits"});
        // The family's mode, not context A's, stays in the high-speed box.
        if (h.entry == 53 || h.entry == 80)
            row.expect({value("checkHighSpeed", 0)});
        rows.displays.push_back(row);
    }

    // Vek143_PLL for Vek137: the list is refilled from the family and its
    // second item selected; emptying, filling and selecting calculate once
    // each.
    rows.openings.push_back(Opening(82, "Vek137")
                                .note("family's bit depths")
                                .given([](Pallador &, CFamilyCore &f) {
                                    f.pll.mipiCont = true;
                                    f.bitDepthChoices = QStringList{"8", "10", "12"};
                                })
                                .calculations(3)
                                .expect(common(kPixelBitsTip))
                                .expect(mipiBox())
                                .expect({items("comboPLL_OpBits", {"8", "10", "12"}), value("comboPLL_OpBits", 1),
                                         outcome("op bits", window(&SensorSettings::opBits), 1)}));

    // Vek132_PLL: its values are set before the connections, so nothing is
    // calculated; the second PLL's value boxes wait for their override boxes.
    const std::pair<int, const char *> vek132[] = {{95, "Vek132"}, {96, "Vek133"}, {97, "Vek134t"}, {98, "Vek134s"}};
    for (const auto &[entry, sample] : vek132) {
        rows.openings.push_back(
            Opening(entry, sample)
                .expect(common("Enter the output divier"))
                .expect(mipiBox())
                .expect({
                    value("comboPLL_OpBits", panels::pll(&CPllParams::pllOpDivider) - 3),
                    value("comboPLL_PhyType", panels::pll(&CPllParams::phyCd)),
                    value("spinPLL_N2", panels::pll(&CPllParams::pllN2)),
                    value("spinPLL_M2", panels::pll(&CPllParams::pllM2)),
                    value("dSpinPLL_VCO2", panels::pll(&CPllParams::vcoClock2)),
                    value("combo2pixBits", (panels::ctx(&CContextParams::outputBits) - 6) / 2),
                    holds(panels::ref<&P::combo2pixBits>(), "combo2pixBits"),
                    holds(panels::ref<&P::comboPLL_PhyType>(), "comboPLL_PhyType"),
                    tip("combo2pixBits", QStringLiteral("Select the output bit-depth")),
                    noTip("comboPLL_PhyType"),
                    noTip("checkPLL_VCO2"),
                })
                .disabled({"spinPLL_N2", "spinPLL_M2", "dSpinPLL_VCO2", "checkPLL_N2", "checkPLL_M2"})
                .enabled({"checkPLL_VCO2"}));
    }
    rows.openings.push_back(
        Opening(95, "Vek132")
            .note("divider 5, C-PHY, 10 output bits")
            .given([](Pallador &, CFamilyCore &f) {
                f.pll.pllOpDivider = 5;
                f.pll.phyCd = 1;
                f.ctx[0].outputBits = 10;
            })
            .expect({value("comboPLL_OpBits", 2), value("comboPLL_PhyType", 1), value("combo2pixBits", 2)}));
    rows.displays.push_back(Display(96, "Vek133")
                                .note("context A in high-speed mode")
                                .then(windowHighSpeed(true))
                                .calculations(1)
                                .disabled({"comboPLL_OpBits"}));
    rows.displays.push_back(Display(97, "Vek134t")
                                .note("divider 6 picked")
                                .then([](Pallador &w, CFamilyCore &) { w.comboPLL_Bits->setCurrentIndex(3); })
                                .calculations(1)
                                .expect({divider(6)}));
    rows.displays.push_back(Display(98, "Vek134s")
                                .note("C-PHY picked")
                                .then([](Pallador &w, CFamilyCore &) { w.comboPLL_PhyType->setCurrentIndex(1); })
                                .calculations(1)
                                .expect({outcome("PHY", panels::pll(&CPllParams::phyCd), 1)}));
    // The window's output bits those the list shows, so that the opening's
    // state is the one the override returns to.
    rows.overrides.push_back(
        Override(95, "Vek132")
            .note("second VCO")
            .given([](Pallador &w, CFamilyCore &f) { w.twoPixBits = (f.ctx[0].outputBits - 6) / 2; })
            .ticks("checkPLL_VCO2", "dSpinPLL_VCO2", 900)
            .requests("second VCO", panels::pll(&CPllParams::vcoClock2), 900)
            .released("second VCO", panels::pll(&CPllParams::vcoClock2)));

    // Vek138_PLL: connected first; the list's item for the family's bit
    // depth and the serial rate each run their slot when not the first. The
    // MIPI boxes serve the MIPI interface (mode 0) only.
    const std::pair<int, const char *> vek138s[] = {{99, "Vek138m"}, {100, "Vek139"}, {101, "Vek140m"}};
    for (const auto &[entry, sample] : vek138s) {
        rows.openings.push_back(
            Opening(entry, sample)
                .note("10 bits, first rate, MIPI")
                .given(vek138(10))
                .expect(common("Select the output pixel bit-depth"))
                .expect(mipiBox())
                .expect({
                    holds(panels::ref<&P::comboPLL_InterMode>(), "comboPLL_BitRate"),
                    holds(panels::ref<&P::checkPLL_MIPIHeader>(), "checkPLL_MIPIHeader"),
                    value("comboPLL_OpBits", 0),
                    value("comboPLL_BitRate", 0),
                    tip("comboPLL_BitRate", QStringLiteral("Select the output serial data bit rate")),
                    tip("checkPLL_MIPIHeader",
                        QStringLiteral("Check to select MIPI packet header option (virtual channel: 0)")),
                })
                .enabled({"checkPLL_MIPICont", "checkPLL_MIPIHeader"})
                .disabled({"checkPLL_Bypass"}));
    }
    const struct {
        int entry;
        const char *sample;
        const char *note;
        int bitDepth, rate, interfaceMode;
        int index, calculations;
        bool mipiBoxes;
    } vek138Cases[] = {
        {99, "Vek138m", "18 bits, no item", 18, 0, 0, 0, 0, true},
        {99, "Vek138m", "12 bits", 12, 0, 0, 1, 1, true},
        {100, "Vek139", "24 bits, rate 1.5 Gbps", 24, 9, 0, 5, 2, true},
        {101, "Vek140m", "16 bits, interface 1", 16, 0, 1, 3, 1, false},
        {100, "Vek139", "20 bits, interface 2", 20, 0, 2, 4, 1, false},
    };
    for (const auto &c : vek138Cases) {
        Opening row(c.entry, c.sample);
        row.note(c.note).given(vek138(c.bitDepth, c.rate, c.interfaceMode)).calculations(c.calculations);
        row.expect({value("comboPLL_OpBits", c.index), value("comboPLL_BitRate", c.rate)});
        if (c.rate > 0)
            row.expect({outcome("output port", window(&SensorSettings::outPort), c.rate)});
        if (c.mipiBoxes)
            row.enabled({"checkPLL_MIPICont", "checkPLL_MIPIHeader"});
        else
            row.disabled({"checkPLL_MIPICont", "checkPLL_MIPIHeader"});
        rows.openings.push_back(row);
    }
    rows.displays.push_back(Display(101, "Vek140m")
                                .note("MIPI header ticked")
                                .given(vek138(10))
                                .then([](Pallador &w, CFamilyCore &) { w.checkPLL_MIPIHeader->click(); })
                                .calculations(1)
                                .expect({outcome("MIPI header", panels::pll(&CPllParams::mipiHeader), 1)}));
    return rows;
}

} // namespace pllpanels
