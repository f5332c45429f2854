// Advanced PLL panels that choose the output interface, lanes and bit depth
// with a few link options: the forms Vek116_PLL (the Vek_116 and Vek_121
// sensors), Vek118_PLL (Vek118m, Vek131m, Vek146m and Vek114d), Vek128_PLL
// and Drav102_PLL. Every starting value is set before the connections, so
// opening runs no slot; the result display then selects the window's
// interface in the interface combo, whose slot refills the lane and
// bit-depth combos and calculates when the interface differs.
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace panels {

namespace {

using P = Pallador;

constexpr char kSdrMode[] = "Check to activate MIPI/HISPI SDR mode";

// The Vek_121 sensors, and the one of them whose interface is fixed.
const Entries kVek121 = Entries::range(76, 79);
const Entries kVek121d{78};
// The Vek118 form's sensors: Vek118m, which keeps the family's revision,
// and Vek146m, which offers its lanes and bit depths from the start.
const Entries kVek118m{75};
const Entries kVek146m{115};
const Entries kVek118Family{75, 102};

// The lane and bit-depth item a panel opens with when it fills them itself.
constexpr double kThirdItem = 2;

Widget interfaceMode()
{
    return on<&P::comboPLL_InterMode>("comboPLL_InterMode")
        .slot("comboPLL_InterMode_currentIndexChanged(int)")
        .tip(tips::kInterMode);
}

Widget lanes()
{
    return on<&P::comboPLL_Lanes>("comboPLL_Lanes").slot("comboPLL_Lanes_currentIndexChanged(int)").tip(tips::kLanes);
}

Widget bitDepth()
{
    return on<&P::comboPLL_Bits>("comboPLL_Bits").slot("comboPLL_OpBits_currentIndexChanged(int)").tip(tips::kBitDepth);
}

// The SDR box and the 16-bit box (the form's disabled state stays).
std::vector<Widget> linkOptions()
{
    return {
        on<&P::checkSDRMode>("checkSDRMode")
            .start(pll(&CPllParams::fastClock))
            .slot("checkFastClock_clicked()")
            .tip(kSdrMode),
        on<&P::check16b8bits>("check16b8bits").slot("checkOddClkRatio_clicked()"),
    };
}

Widget revision()
{
    return on<&P::comboPLL_REV>("comboPLL_REV").slot("comboPLL_REV_currentIndexChanged(int)");
}

// The default bit-depth item of Drav_102.
Value dravDefaultBits()
{
    return [](const Pallador &, const CFamilyCore &, int) -> double { return Drav_102::getDefaultBitDepthIndex(); };
}

} // namespace

std::vector<FormCase> vek116Drav102PllCases()
{
    std::vector<FormCase> cases;

    // The interface items are the form's; the lane and bit-depth combos stay
    // empty until the interface slot fills them. The Vek_121 sensors cannot
    // change the combination mode.
    FormCase vek116{Panel::Pll, "Vek116_PLL"};
    vek116.widgets = {
        interfaceMode().disabled(kVek121d),
        lanes(),
        bitDepth(),
        on<&P::checkCombi>("checkCombi")
            .start(flag(ctx(&CContextParams::combi)))
            .disabled(kVek121)
            .slot("checkCombi_clicked()")
            .tip(tips::kCombi),
    };
    cases.push_back(vek116);

    // Vek114d offers only the interface, lane and bit-depth combos: the
    // form's other controls are hidden or locked and not connected. Listed
    // before the case of the form's other sensors, which it takes over for
    // entry 94.
    FormCase vek114{Panel::Pll, "Vek118_PLL"};
    vek114.forEntries(94, 94);
    vek114.widgets = {
        interfaceMode().fill(list(&CPllParams::interfaceModes)),
        lanes().fill(list(&CFamilyCore::laneChoices)).start(log2Of(pll(&CPllParams::laneCount))).enabledIf(1),
        bitDepth().fill(list(&CFamilyCore::bitDepthChoices)).start((pll(&CPllParams::bitDepth) - 10) / 2).enabledIf(1),
        on<&P::checkPLL_MIPICont>("checkPLL_MIPICont").hidden().tip(tips::kMipiCont),
        lookOnly<QCheckBox>("checkSDRMode").hidden(),
        lookOnly<QCheckBox>("check16b8bits").hidden(),
        lookOnly<QComboBox>("comboPLL_REV").disabled(),
        lookOnly<QComboBox>("comboPLL_vcodiv").hidden(),
        lookOnly<QLabel>("label_5").hidden(),
        lookOnly<QLabel>("label_6").hidden(),
    };
    cases.push_back(vek114);

    // Vek118m and Vek131m: the family's interfaces, link options and VCO
    // range; Vek118m opens on the window's revision, the one its calculation
    // hands the family (the family's own is stale until then). Vek146m: lanes and bit
    // depths from the start, no SDR or 16-bit option, a fixed revision.
    FormCase vek118{Panel::Pll, "Vek118_PLL"};
    vek118.widgets = joined(
        {
            interfaceMode().fill(list(&CPllParams::interfaceModes)),
            // Filled (and opened) for Vek146m only: a line's items come with
            // its starting value.
            lanes()
                .fill(list(&CFamilyCore::laneChoices))
                .start(kThirdItem, kVek146m)
                .enabledIf(byEntry(kVek146m, 1, 0)),
            bitDepth()
                .fill(list(&CFamilyCore::bitDepthChoices))
                .start(kThirdItem, kVek146m)
                .enabledIf(byEntry(kVek146m, 1, 0)),
            mipiContinuous(),
        },
        linkOptions());
    vek118.change("checkSDRMode",
                  [](Widget &d) { d.start(pll(&CPllParams::fastClock), kVek118Family).hidden(kVek146m); });
    vek118.change("check16b8bits", [](Widget &d) { d.hidden(kVek146m); });
    vek118.widgets.push_back(revision().start(setting(&P::revIndex), kVek118m).disabled(kVek146m));
    vek118.widgets.push_back(on<&P::comboPLL_PhyType>("comboPLL_vcodiv")
                                 .start(pll(&CPllParams::phyCd))
                                 .slot("comboPLL_PhyCD_currentIndexChanged(int)"));
    cases.push_back(vek118);

    FormCase vek128{Panel::Pll, "Vek128_PLL"};
    vek128.widgets = joined(
        {
            interfaceMode().fill(list(&CPllParams::interfaceModes)),
            lanes(),
            bitDepth(),
            mipiContinuous(),
        },
        linkOptions());
    vek128.widgets.push_back(revision().start(setting(&P::revIndex)));
    cases.push_back(vek128);

    FormCase drav102{Panel::Pll, "Drav102_PLL"};
    drav102.widgets = {
        lanes().fill(list(&CFamilyCore::laneChoices)).start(1).enabledIf(1),
        bitDepth().fill(list(&CFamilyCore::bitDepthChoices)).start(dravDefaultBits()).enabledIf(1),
        mipiContinuous(),
        revision().start(setting(&P::revIndex)),
    };
    cases.push_back(drav102);

    return cases;
}

} // namespace panels
