// Advanced PLL panels that choose the output pixel divider from a list: the
// forms Brel103_PLL and Brel107_PLL (with the VT pixel divider) and
// Vek141_PLL, Vek145l_PLL and Vek149_PLL (with the serial-link options).
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"
#include "families.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

namespace panels {

namespace {

using P = Pallador;

constexpr char kPixelBits[] = "Enter the output pixel bits";
constexpr char kHighSpeed6M[] = "Check to enable the 6M/60fps high-speed mode";
constexpr char kHighSpeed[] = "Check to enable the high-speed mode";

// The list's item for the family's op pixel divider: the dividers go up in
// steps of 2 from the first item's; a divider outside the list takes its
// nearest end.
Widget opDividerList(int firstItem, int items, const char *tip)
{
    return on<&P::comboPLL_Bits>("comboPLL_OpBits")
        .start(clamp((pll(&CPllParams::pllOpDivider) - firstItem) / 2, 0, items - 1))
        .slot("comboPLL_OpBits_currentIndexChanged(int)")
        .tip(tip);
}

// Brel103 and Brel107: the list of dividers 8, 10 (and 12) and the VT pixel
// divider box.
FormCase brelForm(const char *form, int items, const char *vtTip)
{
    FormCase c{Panel::Pll, form};
    c.widgets = {
        pllBypass(),
        on<&P::checkPLL_MinFreq>("checkPLL_MinFreq").slot("checkPLL_MinFreq_clicked()"),
        opDividerList(8, items, kPixelBits),
        on<&P::spinPLL_VtDiv>("spinPLL_VtDiv")
            .start(pll(&CPllParams::pllP))
            .slot("spinPLL_VtDiv_valueChanged(int)")
            .tip(vtTip),
    };
    // Values that differ from the form's run their slots.
    c.connectFirst = true;
    return c;
}

// Vek141 and Vek149: the list of dividers 6, 8 and 10; the high-speed box is
// context A's.
FormCase vekForm(const char *form, Widget highSpeed)
{
    FormCase c{Panel::Pll, form};
    c.widgets = {
        pllBypass(),
        std::move(highSpeed),
        mipiContinuous(),
        opDividerList(6, 3, tips::kPixelBitDepth),
    };
    c.connectFirst = true;
    return c;
}

} // namespace

std::vector<FormCase> opDividerPllCases()
{
    std::vector<FormCase> cases;
    cases.push_back(brelForm("Brel103_PLL", 2, "Enter the Vt Pixel divider values"));
    cases.push_back(brelForm("Brel107_PLL", 3, "Enter the Vt Pixel clock divider values"));

    // Only the Vek142b sensor has the high-speed mode.
    cases.push_back(vekForm("Vek141_PLL", on<&P::checkHighSpeed, 0>("checkHighSpeed")
                                              .start(pll(&CPllParams::highSpeed), {40})
                                              .disabled(Entries::range(37, 39))
                                              .slot("checkHighSpeed_clicked()")
                                              .tip(kHighSpeed6M)));
    cases.push_back(vekForm("Vek149_PLL", on<&P::checkHighSpeed, 0>("checkHighSpeed")
                                              .start(pll(&CPllParams::highSpeed))
                                              .slot("checkHighSpeed_clicked()")
                                              .tip(kHighSpeed)));

    // Its values are set before the connections: opening runs no slot.
    FormCase vek145l{Panel::Pll, "Vek145l_PLL"};
    vek145l.widgets = {
        pllBypass(),
        on<&P::checkPLL_EmbedData>("checkPLL_EmbedData")
            .start(own(&Vek_145l::embedData))
            .slot("checkPLL_EmbedData_clicked()")
            .tip(tips::kEmbedData),
        mipiContinuous(),
        opDividerList(8, 2, tips::kPixelBitDepth),
    };
    cases.push_back(vek145l);
    return cases;
}

} // namespace panels
