// Rows of the op-divider forms Brel103_PLL (entry 25), Brel107_PLL (34 to
// 36), Vek141_PLL (37 to 40), Vek145l_PLL (41) and Vek149_PLL (42 to 45).
// Included by tst_pllpanels.cpp after the row types.
#pragma once

namespace pllpanels {

namespace opdivider {

constexpr char kBypassTip[] = "Check to bypass the PLL setting";
constexpr char kMipiTip[] = "Check to activate MIPI continuous clock";
constexpr char kBitDepthTip[] = "Enter the output pixel bit-depth";

// The family's op pixel divider and VT pixel divider before the panel opens.
inline Given dividers(int op, int vt = 2)
{
    return [op, vt](Pallador &, CFamilyCore &f) {
        f.pll.pllOpDivider = op;
        f.pll.pllP = vt;
    };
}

// The family's high-speed and MIPI continuous-clock modes, and context A's
// high-speed flag, before the panel opens (the op divider the first item).
inline Given modes(bool familyHighSpeed, bool windowHighSpeed, bool mipi = false)
{
    return [=](Pallador &w, CFamilyCore &f) {
        f.pll.pllOpDivider = 6;
        f.pll.highSpeed = familyHighSpeed;
        f.pll.mipiCont = mipi;
        w.highSpeed[0] = windowHighSpeed;
    };
}

// The high-speed box of the open panel clicked, as the engineer does.
inline void clickHighSpeed(Pallador &w, CFamilyCore &)
{
    pointAtPll(w);
    w.checkHighSpeed[0]->click();
}

inline std::vector<Check> members()
{
    return {
        holds(panels::ref<&P::checkPLL_Bypass>(), "checkPLL_Bypass"),
        holds(panels::ref<&P::comboPLL_Bits>(), "comboPLL_OpBits"),
        tip("checkPLL_Bypass", QString::fromLatin1(kBypassTip)),
    };
}

inline Opening brel(int entry, const char *sample, const char *vtTip)
{
    return Opening(entry, sample)
        .given(dividers(8))
        .expect(members())
        .expect({
            holds(panels::ref<&P::spinPLL_VtDiv>(), "spinPLL_VtDiv"),
            holds(panels::ref<&P::checkPLL_MinFreq>(), "checkPLL_MinFreq"),
            value("comboPLL_OpBits", 0),
            value("spinPLL_VtDiv", 2),
            tip("comboPLL_OpBits", QStringLiteral("Enter the output pixel bits")),
            tip("spinPLL_VtDiv", QString::fromLatin1(vtTip)),
            noTip("checkPLL_MinFreq"),
        })
        .enabled({"comboPLL_OpBits", "spinPLL_VtDiv", "checkPLL_MinFreq"});
}

inline Opening vek(int entry, const char *sample, const char *highSpeedTip)
{
    return Opening(entry, sample)
        .expect(members())
        .expect({
            holds(panels::ref<&P::checkHighSpeed, 0>(), "checkHighSpeed"),
            holds(panels::ref<&P::checkPLL_MIPICont>(), "checkPLL_MIPICont"),
            tip("checkHighSpeed", QString::fromLatin1(highSpeedTip)),
            tip("checkPLL_MIPICont", QString::fromLatin1(kMipiTip)),
            tip("comboPLL_OpBits", QString::fromLatin1(kBitDepthTip)),
        });
}

// What the window and the library make of the list's divider.
inline Check requested(double divider)
{
    return outcome("op divider", panels::pll(&CPllParams::pllOpDivider), divider);
}

} // namespace opdivider

inline Rows opDividerRows()
{
    using namespace opdivider;
    Rows rows;
    constexpr char kVt103[] = "Enter the Vt Pixel divider values";
    constexpr char kVt107[] = "Enter the Vt Pixel clock divider values";
    constexpr char k6M[] = "Check to enable the 6M/60fps high-speed mode";
    constexpr char kHighSpeed[] = "Check to enable the high-speed mode";

    // Brel103_PLL and Brel107_PLL: the list's item and the VT divider box
    // are set after the connections, so each that differs from the form's
    // runs its slot, one calculation each; the list's index comes from the
    // divider, clamped to its items.
    rows.openings.push_back(brel(25, "Sarn109", kVt103).note("divider 8, VT divider 2"));
    for (const auto &[entry, sample] : {std::pair<int, const char *>{34, "Sarn117"}, {35, "Sarn118"}, {36, "Sarn119"}})
        rows.openings.push_back(brel(entry, sample, kVt107).note("divider 8, VT divider 2"));
    const struct {
        int entry;
        const char *sample;
        const char *note;
        int op, vt;
        int index, calculations;
    } counts[] = {
        {25, "Sarn109", "divider 10", 10, 2, 1, 1},
        {25, "Sarn109", "divider 8, VT divider 5", 8, 5, 0, 1},
        {25, "Sarn109", "divider 10, VT divider 5", 10, 5, 1, 2},
        {25, "Sarn109", "divider 12 beyond the list", 12, 2, 1, 1},
        {25, "Sarn109", "divider 6 below the list", 6, 2, 0, 0},
        {25, "Sarn109", "no divider chosen", -1, -1, 0, 0},
        {34, "Sarn117", "divider 10", 10, 2, 1, 1},
        {34, "Sarn117", "divider 12", 12, 2, 2, 1},
        {36, "Sarn119", "divider 16 beyond the list", 16, 2, 2, 1},
        {35, "Sarn118", "divider 9 between items", 9, 2, 0, 0},
    };
    for (const auto &c : counts) {
        Opening row(c.entry, c.sample);
        row.note(c.note).given(dividers(c.op, c.vt)).calculations(c.calculations);
        row.expect({value("comboPLL_OpBits", c.index), value("spinPLL_VtDiv", qMax(c.vt, 2))});
        // A calculation the opening ran took the list's divider; the VT
        // divider is the window's request only once its box has changed
        // (the library's choice till then).
        if (c.calculations > 0)
            row.expect({requested(8 + 2 * c.index),
                        outcome("VT divider request", panels::setting(&SensorSettings::vtDiv), c.vt > 2 ? c.vt : -1)});
        rows.openings.push_back(row);
    }
    // The engineer picks another divider: one calculation, the library takes
    // it.
    rows.displays.push_back(Display(34, "Sarn117")
                                .note("divider 12 picked")
                                .given(dividers(8))
                                .then([](Pallador &w, CFamilyCore &) { w.comboPLL_Bits->setCurrentIndex(2); })
                                .calculations(1)
                                .expect({requested(12), value("comboPLL_OpBits", 2)}));

    // Vek141_PLL: the high-speed box is Vek142b's alone; the display sets
    // it to context A's flag and closes the list while that flag is on.
    const std::pair<int, const char *> vek141[] = {{37, "Sarn120"}, {38, "Sarn121"}, {39, "Vek142"}, {40, "Vek142b"}};
    for (const auto &[entry, sample] : vek141) {
        const bool own = entry == 40;
        rows.openings.push_back(
            vek(entry, sample, k6M)
                .note("family in high-speed mode")
                .given(modes(true, own, true))
                .expect({value("checkHighSpeed", own), value("checkPLL_MIPICont", 1), value("comboPLL_OpBits", 0)})
                .enabled(own ? QStringList{"checkHighSpeed"} : QStringList{})
                .disabled(own ? QStringList{"comboPLL_OpBits"} : QStringList{"checkHighSpeed"}));
    }
    rows.openings.push_back(Opening(37, "Sarn120")
                                .note("divider 10")
                                .given(dividers(10))
                                .calculations(1)
                                .expect({value("comboPLL_OpBits", 2), requested(10)}));
    rows.openings.push_back(Opening(39, "Vek142")
                                .note("divider 8, modes off")
                                .given([](Pallador &w, CFamilyCore &f) {
                                    modes(false, false)(w, f);
                                    f.pll.pllOpDivider = 8;
                                })
                                .calculations(1)
                                .expect({value("comboPLL_OpBits", 1), value("checkHighSpeed", 0),
                                         value("checkPLL_MIPICont", 0), requested(8)})
                                .enabled({"comboPLL_OpBits"}));
    // The family's mode ticks the box, context A's flag then unticks it.
    rows.displays.push_back(Display(40, "Vek142b")
                                .note("family's high speed, context A's off")
                                .given(modes(true, false))
                                .expect({value("checkHighSpeed", 0)})
                                .enabled({"comboPLL_OpBits", "checkHighSpeed"}));
    rows.displays.push_back(
        Display(40, "Vek142b")
            .note("high speed ticked")
            .given(modes(false, false))
            .then(clickHighSpeed)
            .calculations(1)
            .expect({value("checkHighSpeed", 1),
                     outcome(
                         "context A's high speed",
                         [](const Pallador &w, const CFamilyCore &, int) { return double(w.highSpeed[0]); }, 1)})
            .disabled({"comboPLL_OpBits"}));
    rows.displays.push_back(Display(40, "Vek142b")
                                .note("high speed unticked")
                                .given(modes(true, true))
                                .then(clickHighSpeed)
                                .calculations(1)
                                .expect({value("checkHighSpeed", 0)})
                                .enabled({"comboPLL_OpBits"}));
    // Every calculation closes the list again while context A is in
    // high-speed mode, whatever started it.
    rows.displays.push_back(Display(38, "Sarn121")
                                .note("calculation in high-speed mode")
                                .given(modes(false, true))
                                .then([](Pallador &w, CFamilyCore &) {
                                    w.comboPLL_Bits->setEnabled(true);
                                    w.checkPLL_MIPICont->click();
                                })
                                .calculations(1)
                                .expect({value("checkHighSpeed", 1)})
                                .disabled({"comboPLL_OpBits", "checkHighSpeed"}));

    // Vek145l_PLL: the values are set before the connections; nothing is
    // calculated whatever they are.
    rows.openings.push_back(Opening(41, "Vek145l")
                                .note("divider 10, embedded data off, MIPI continuous")
                                .given([](Pallador &, CFamilyCore &f) {
                                    f.pll.pllOpDivider = 10;
                                    f.pll.mipiCont = true;
                                    auto *family = dynamic_cast<Vek_145l *>(&f);
                                    QVERIFY(family);
                                    family->embedData = false;
                                })
                                .expect(members())
                                .expect({
                                    holds(panels::ref<&P::checkPLL_EmbedData>(), "checkPLL_EmbedData"),
                                    value("comboPLL_OpBits", 1),
                                    value("checkPLL_EmbedData", 0),
                                    value("checkPLL_MIPICont", 1),
                                    tip("checkPLL_EmbedData", QStringLiteral("Check to activate the embedded data")),
                                    tip("checkPLL_MIPICont", QString::fromLatin1(kMipiTip)),
                                    tip("comboPLL_OpBits", QString::fromLatin1(kBitDepthTip)),
                                }));
    rows.openings.push_back(Opening(41, "Vek145l")
                                .note("divider 12 beyond the list")
                                .given(dividers(12))
                                .expect({value("comboPLL_OpBits", 1)}));
    rows.displays.push_back(
        Display(41, "Vek145l")
            .note("embedded data ticked")
            .given([](Pallador &, CFamilyCore &f) {
                if (auto *family = dynamic_cast<Vek_145l *>(&f))
                    family->embedData = false;
            })
            .then([](Pallador &w, CFamilyCore &) { w.checkPLL_EmbedData->click(); })
            .calculations(1)
            .expect({outcome(
                "embedded data", [](const Pallador &w, const CFamilyCore &, int) { return double(w.embedData); }, 1)}));

    // Vek149_PLL: the high-speed box shows the family's mode for every
    // sensor, and is checked without a calculation.
    const std::pair<int, const char *> vek149[] = {{42, "Vek147"}, {43, "Vek148n"}, {44, "Vek149"}, {45, "Vek150n"}};
    for (const auto &[entry, sample] : vek149) {
        rows.openings.push_back(
            vek(entry, sample, kHighSpeed)
                .note("family in high-speed mode")
                .given(modes(true, false, true))
                .expect({value("checkHighSpeed", 1), value("checkPLL_MIPICont", 1), value("comboPLL_OpBits", 0)})
                .enabled({"checkHighSpeed", "comboPLL_OpBits"}));
    }
    rows.openings.push_back(Opening(44, "Vek149")
                                .note("divider 10")
                                .given(dividers(10))
                                .calculations(1)
                                .expect({value("comboPLL_OpBits", 2), requested(10)}));
    rows.openings.push_back(Opening(42, "Vek147")
                                .note("divider 14 beyond the list")
                                .given(dividers(14))
                                .calculations(1)
                                .expect({value("comboPLL_OpBits", 2), requested(10)}));
    rows.displays.push_back(
        Display(43, "Vek148n")
            .note("high speed ticked")
            .given(modes(false, false))
            .then(clickHighSpeed)
            .calculations(1)
            .expect({value("checkHighSpeed", 1),
                     outcome(
                         "context A's high speed",
                         [](const Pallador &w, const CFamilyCore &, int) { return double(w.highSpeed[0]); }, 1)})
            .enabled({"comboPLL_OpBits"}));
    return rows;
}

} // namespace pllpanels
