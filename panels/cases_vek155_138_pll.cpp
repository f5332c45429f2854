// Advanced PLL panels of MIPI sensors that set the op pixel divider (or the
// output bits) and a few link options: the forms Vek155_PLL, Vek157b_PLL,
// Vek157f_PLL, Vek143_PLL (also for Vek_137), Vek132_PLL (with the second
// PLL's overrides) and Vek138_PLL (with the serial bit rate).
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

#include <algorithm>
#include <iterator>

namespace panels {

namespace {

using P = Pallador;

constexpr char kHighSpeed[] = "Check to enable the high-speed mode";

// The list of dividers 6, 8, 10 (and 12) at the family's op pixel divider; a
// divider outside the list takes its nearest end.
Widget opDividerList(int items)
{
    return on<&P::comboPLL_Bits>("comboPLL_OpBits")
        .start(clamp((pll(&CPllParams::pllOpDivider) - 6) / 2, 0, items - 1))
        .slot("comboPLL_OpBits_currentIndexChanged(int)")
        .tip(tips::kPixelBitDepth);
}

// The high-speed box shows the family's mode; it is context A's box while
// the panel is open.
Widget highSpeed()
{
    return on<&P::checkHighSpeed, 0>("checkHighSpeed")
        .start(pll(&CPllParams::highSpeed))
        .slot("checkHighSpeed_clicked()")
        .tip(kHighSpeed);
}

// The Vek138 list's item for the family's bit depth: 10, 12, 14, 16, 20 and
// 24 bits; any other depth shows the first item.
double vek138BitsItem(const Pallador &, const CFamilyCore &f, int)
{
    static constexpr int kDepths[] = {10, 12, 14, 16, 20, 24};
    const int *found = std::find(std::begin(kDepths), std::end(kDepths), familyPll(f).bitDepth);
    return found == std::end(kDepths) ? 0 : double(found - std::begin(kDepths));
}

} // namespace

std::vector<FormCase> vek155To138PllCases()
{
    std::vector<FormCase> cases;

    // Connected first: an op divider other than the form's first item runs
    // the list's slot and recalculates.
    FormCase vek155{Panel::Pll, "Vek155_PLL"};
    vek155.widgets = {pllBypass(), mipiContinuous(), highSpeed(), opDividerList(3)};
    vek155.connectFirst = true;
    cases.push_back(vek155);

    FormCase vek157b{Panel::Pll, "Vek157b_PLL"};
    vek157b.widgets = {pllBypass(), mipiContinuous(), highSpeed(), opDividerList(4)};
    vek157b.connectFirst = true;
    cases.push_back(vek157b);

    FormCase vek157f{Panel::Pll, "Vek157f_PLL"};
    vek157f.widgets = {pllBypass(), highSpeed(), opDividerList(4)};
    vek157f.connectFirst = true;
    cases.push_back(vek157f);

    FormCase vek143{Panel::Pll, "Vek143_PLL"};
    vek143.widgets = {pllBypass(), mipiContinuous(), opDividerList(3)};
    vek143.connectFirst = true;
    vek143.forEntries(67, 68);
    cases.push_back(vek143);

    // Vek_137 fills the list with its own bit depths and selects the second:
    // emptying, filling and selecting each run the slot and recalculate.
    FormCase vek137 = vek143.derive(Panel::Pll).forEntries(82, 82);
    vek137.change("comboPLL_OpBits", [](Widget &d) { d.fill(list(&CFamilyCore::bitDepthChoices)).start(1); });
    cases.push_back(vek137);

    // Its values are set before the connections: opening runs no slot. The
    // second PLL's value boxes wait for their override boxes.
    FormCase vek132{Panel::Pll, "Vek132_PLL"};
    vek132.widgets = {
        pllBypass(),
        mipiContinuous(),
        on<&P::comboPLL_Bits>("comboPLL_OpBits")
            .start(clamp(pll(&CPllParams::pllOpDivider) - 3, 0, 3))
            .slot("comboPLL_OpBits_currentIndexChanged(int)")
            .tip("Enter the output divier"),
        on<&P::comboPLL_PhyType>("comboPLL_PhyType")
            .start(pll(&CPllParams::phyCd))
            .slot("comboPLL_PhyCD_currentIndexChanged(int)"),
        on<&P::checkPLL_N2>("checkPLL_N2").slot("checkPLL_N2_clicked()"),
        on<&P::checkPLL_M2>("checkPLL_M2").slot("checkPLL_M2_clicked()"),
        on<&P::spinPLL_N2>("spinPLL_N2").start(pll(&CPllParams::pllN2)).disabled().slot("spinPLL_N2_valueChanged(int)"),
        on<&P::spinPLL_M2>("spinPLL_M2").start(pll(&CPllParams::pllM2)).disabled().slot("spinPLL_M2_valueChanged(int)"),
        on<&P::checkPLL_VCO2>("checkPLL_VCO2").slot("checkPLL_VCO2_clicked()"),
        on<&P::dSpinPLL_VCO2>("dSpinPLL_VCO2")
            .start(pll(&CPllParams::vcoClock2))
            .disabled()
            .slot("dspinPLL_VCO2_valueChanged(double)"),
        on<&P::combo2pixBits>("combo2pixBits")
            .start(clamp((ofContext(0, ctx(&CContextParams::outputBits)) - 6) / 2, 0, 3))
            .slot("comboPLL_2PixBits_currentIndexChanged(int)")
            .tip(tips::kBitDepth),
    };
    cases.push_back(vek132);

    // Connected first: a bit depth or serial rate other than the form's first
    // item runs its slot. The MIPI boxes serve the MIPI interface only.
    const Value mipiInterface = below(pll(&CPllParams::interfaceMode), 1);
    FormCase vek138{Panel::Pll, "Vek138_PLL"};
    vek138.widgets = {
        pllBypass(),
        mipiContinuous().enabledIf(mipiInterface),
        on<&P::checkPLL_MIPIHeader>("checkPLL_MIPIHeader")
            .enabledIf(mipiInterface)
            .slot("checkPLL_MIPIHeader_clicked()")
            .tip("Check to select MIPI packet header option (virtual channel: 0)"),
        on<&P::comboPLL_Bits>("comboPLL_OpBits")
            .start(vek138BitsItem)
            .slot("comboPLL_OpBits_currentIndexChanged(int)")
            .tip("Select the output pixel bit-depth"),
        on<&P::comboPLL_InterMode>("comboPLL_BitRate")
            .start(pll(&CPllParams::outPort))
            .slot("comboPLL_OutPort_currentIndexChanged(int)")
            .tip("Select the output serial data bit rate"),
    };
    vek138.connectFirst = true;
    cases.push_back(vek138);

    return cases;
}

} // namespace panels
