// Advanced PLL panels that choose the output interface: the forms
// Brel101_PLL (Sarn102), Vek102_PLL (the Brel_102 sensors 14 to 20),
// Vek101_PLL, Vek108_PLL, Brel104_PLL and Brel105_PLL. Each starts with the
// interface mode, lane and bit-depth combos; the interface-mode slot fills
// the other two from the family when a serial mode is chosen.
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

namespace panels {

namespace {

using P = Pallador;

constexpr char kP1Check[] = "Check to enter the P1 (vt_sys_div) divider manually";
constexpr char kP2Check[] = "Check to enter the P2 (vt_pix_div) divider manually";
constexpr char kP1Value[] = "PLL P1 (vt_sys_div): Enter specific 'P1' divider value";
constexpr char kP2Value[] = "PLL P2 (vt_pix_div): Enter specific 'P2' divider value";
constexpr char kEmbedStats[] = "Check to activate the embedded statistics";
constexpr char kDarkRowsFov[] = "Check to activate the dark rows shows in FOV";
constexpr char kDarkColsFov[] = "Check to activate the dark cols shows in FOV";
constexpr char kSamples[] = "Enter specific number of samples (R0x30B0[4:2]+1)";

// The Brel_102 sensors whose PLL panel hides the dark-pixel boxes.
const Entries kNoDarkPixels{14, 16, 17, 18};

// The interface widgets every form of the group starts with. The lane and
// bit-depth combos keep the form's empty, disabled state until the mode
// changes.
std::vector<Widget> interfaceWidgets()
{
    return {
        on<&P::comboPLL_InterMode>("comboPLL_InterMode")
            .slot("comboPLL_InterMode_currentIndexChanged(int)")
            .tip(tips::kInterMode),
        on<&P::comboPLL_Lanes>("comboPLL_Lanes").slot("comboPLL_Lanes_currentIndexChanged(int)").tip(tips::kLanes),
        on<&P::comboPLL_Bits>("comboPLL_Bits").slot("comboPLL_OpBits_currentIndexChanged(int)").tip(tips::kBitDepth),
    };
}

// The bypass box, the P1 override (its box and value widget differ per
// form), the P2 override in the window's P5 channel, the embedded data and
// statistics and the dark rows, in the order the forms give them.
std::vector<Widget> dividersAndOptions(Widget p1Check, Widget p1Value)
{
    return {
        on<&P::checkPLL_Bypass>("checkPLL_Bypass").slot("checkPLL_Bypass_clicked()").tip(tips::kBypass),
        p1Check.tip(kP1Check),
        on<&P::checkPLL_P5>("checkPLL_P5").slot("checkPLL_P5_clicked()").tip(kP2Check),
        p1Value.tip(kP1Value),
        on<&P::spinPLL_P5>("spinPLL_P5")
            .start(pll(&CPllParams::pllP5))
            .slot("spinPLL_P5_valueChanged(int)")
            .tip(kP2Value),
        on<&P::checkPLL_EmbedData>("checkPLL_EmbedData")
            .start(own(&EmbedOptions::embedData))
            .slot("checkPLL_EmbedData_clicked()")
            .tip(tips::kEmbedData),
        on<&P::checkPLL_EmbedStat>("checkPLL_EmbedStat")
            .start(own(&EmbedOptions::embedStat))
            .slot("checkPLL_EmbedStat_clicked()")
            .tip(kEmbedStats),
        on<&P::checkPLL_DarkRows>("checkPLL_DarkRows").slot("checkPLL_DarkRows_clicked()").tip(kDarkRowsFov),
    };
}

// The P2 box of the Vek102 form never goes below 4, whatever the family's
// divider: its minimum is raised after the starting value, before the
// connections, so a smaller divider shows as 4 without running the slot.
void p2AtLeastFour(Pallador &w, const CFamilyCore &, int)
{
    if (w.spinPLL_P5)
        w.spinPLL_P5->setMinimum(4);
}

} // namespace

std::vector<FormCase> interfacePllCases()
{
    std::vector<FormCase> cases;

    // P1 travels in the window's P4 channel, P2 in its P5 channel; the
    // family keeps them as its P4 and P5 dividers.
    FormCase brel101{Panel::Pll, "Brel101_PLL"};
    brel101.widgets = joined(
        interfaceWidgets(),
        dividersAndOptions(
            on<&P::checkPLL_P4>("checkPLL_P4").slot("checkPLL_P4_clicked()"),
            on<&P::spinPLL_P4>("spinPLL_P4").start(pll(&CPllParams::pllP4)).slot("spinPLL_P4_valueChanged(int)")));
    cases.push_back(brel101);

    // P1 is chosen from the items 1, 2, 4, ... 16 at the family's divider / 2.
    FormCase vek102{Panel::Pll, "Vek102_PLL"};
    vek102.widgets =
        joined(interfaceWidgets(), dividersAndOptions(on<&P::checkPLL_P1>("checkPLL_P1").slot("checkPLL_P1_clicked()"),
                                                      on<&P::comboPLL_P1>("comboPLL_P1")
                                                          .start(pll(&CPllParams::pllP1) / 2)
                                                          .slot("comboPLL_P1_currentIndexChanged(int)")));
    vek102.change("checkPLL_DarkRows", [](Widget &d) { d.hidden(kNoDarkPixels); });
    vek102.widgets.push_back(on<&P::checkPLL_DarkCols>("checkPLL_DarkCols")
                                 .hidden(kNoDarkPixels)
                                 .slot("checkPLL_DarkCols_clicked()")
                                 .tip(kDarkColsFov));
    vek102.prepare = p2AtLeastFour;
    cases.push_back(vek102);

    FormCase vek101{Panel::Pll, "Vek101_PLL"};
    vek101.widgets = interfaceWidgets();
    cases.push_back(vek101);

    // The combination mode is the one window-wide mode, shown as context A's;
    // the sample count travels in the window's P5 channel.
    FormCase vek108{Panel::Pll, "Vek108_PLL"};
    vek108.widgets = joined(interfaceWidgets(), {
                                                    on<&P::checkCombi>("checkCombi")
                                                        .start(flag(ctx(&CContextParams::combi)))
                                                        .slot("checkCombi_clicked()")
                                                        .tip(tips::kCombi),
                                                    on<&P::spinPLL_P5>("spinPLL_P5")
                                                        .start(pll(&CPllParams::pllP5))
                                                        .slot("spinPLL_P5_valueChanged(int)")
                                                        .tip(kSamples),
                                                });
    cases.push_back(vek108);

    FormCase brel104{Panel::Pll, "Brel104_PLL"};
    brel104.widgets = interfaceWidgets();
    cases.push_back(brel104);

    // The continuous-clock box stays hidden; its state is the family's, set
    // after the connection (a programmatic tick raises no click).
    FormCase brel105{Panel::Pll, "Brel105_PLL"};
    brel105.widgets = joined(interfaceWidgets(), {
                                                     on<&P::checkPLL_MIPICont>("checkPLL_MIPICont")
                                                         .start(pll(&CPllParams::mipiCont))
                                                         .late()
                                                         .hidden()
                                                         .slot("checkPLL_MIPICont_clicked()")
                                                         .tip(tips::kMipiCont),
                                                 });
    cases.push_back(brel105);

    return cases;
}

} // namespace panels
