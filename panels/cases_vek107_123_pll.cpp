// Advanced PLL panels of the HDR sensors with parallel and HiSPi outputs: the
// forms Vek117_PLL, Vek107_PLL, Vek110_PLL (Vek113m and the Vek_110
// sensors), Vek111_PLL (the Vek_111 and Vek_119 sensors) and Vek123_PLL.
// Each empties its interface combo and fills it with the family's interface
// modes; every starting value is set before the connections, so opening runs
// no slot. Once the panel shows, the result display selects the window's
// interface in the combo, and that runs the interface slot when it differs.
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

namespace panels {

namespace {

using P = Pallador;

constexpr char kFastClock[] = "Check to use faster clock in IME mode";
constexpr char kDataRate[] = "Check to use output data rate as the target clock";
constexpr char kDarkCols[] = "Check to activate dark columns";
constexpr char kVek119Bits[] =
    "Select the output bit-depth\n10 bit-depth is standard, others provided for implementation convenience";

constexpr int kVek112m = 93;

Widget interfaceMode()
{
    return on<&P::comboPLL_InterMode>("comboPLL_InterMode")
        .fill(list(&CPllParams::interfaceModes))
        .slot("comboPLL_InterMode_currentIndexChanged(int)")
        .tip(tips::kInterMode);
}

// The interface combo and the lane and bit-depth combos, which keep the
// form's state until the interface slot fills them.
std::vector<Widget> interfaceWidgets()
{
    return {
        interfaceMode(),
        on<&P::comboPLL_Lanes>("comboPLL_Lanes").slot("comboPLL_Lanes_currentIndexChanged(int)").tip(tips::kLanes),
        on<&P::comboPLL_Bits>("comboPLL_Bits").slot("comboPLL_OpBits_currentIndexChanged(int)").tip(tips::kBitDepth),
    };
}

// The combination mode is the window's one mode, shown as context A's.
Widget combination()
{
    return on<&P::checkCombi>("checkCombi")
        .start(flag(ctx(&CContextParams::combi)))
        .slot("checkCombi_clicked()")
        .tip(tips::kCombi);
}

// The odd-clock-ratio box keeps the form's own tool tip.
Widget oddClockRatio()
{
    return on<&P::check16b8bits>("checkOddClock_Ratio")
        .start(pll(&CPllParams::oddClkRatio))
        .slot("checkOddClkRatio_clicked()");
}

Widget fastClock()
{
    return on<&P::checkSDRMode>("checkPLL_FastClock")
        .start(pll(&CPllParams::fastClock))
        .slot("checkFastClock_clicked()")
        .tip(kFastClock);
}

Widget revision()
{
    return on<&P::comboPLL_REV>("comboPLL_REV").slot("comboPLL_REV_currentIndexChanged(int)");
}

// The family runs a serial interface; it derives its PLL from the output
// data rate.
Value serial()
{
    return flag(pll(&CPllParams::interfaceMode));
}
Value byDataRate()
{
    return flag(pll(&CPllParams::pllAutoAdjust));
}

} // namespace

std::vector<FormCase> vek107To123PllCases()
{
    std::vector<FormCase> cases;

    // The IME box carries the family's fast clock.
    FormCase vek117{Panel::Pll, "Vek117_PLL"};
    vek117.widgets =
        joined(interfaceWidgets(),
               {
                   combination(),
                   pllBypass(),
                   mipiContinuous(),
                   oddClockRatio(),
                   on<&P::checkIme>("checkIme").start(pll(&CPllParams::fastClock)).slot("checkIMEMode_clicked()"),
                   revision(),
               });
    cases.push_back(vek117);

    // The lane and bit-depth combos are fixed in the form and not looked up;
    // the odd-clock box is hidden and unconnected.
    FormCase vek107{Panel::Pll, "Vek107_PLL"};
    vek107.widgets = {
        interfaceMode(), combination(), pllBypass(), mipiContinuous(), oddClockRatio().hidden().slot(nullptr),
        fastClock(),
    };
    cases.push_back(vek107);

    // Vek110m: the rate box shows the family's VCO clock and, like the
    // data-rate box, is offered on a serial interface only; the revision
    // combo is hidden.
    FormCase vek110{Panel::Pll, "Vek110_PLL"};
    vek110.forEntries(92, 92);
    vek110.widgets = joined(interfaceWidgets(), {
                                                    combination(),
                                                    pllBypass(),
                                                    mipiContinuous(),
                                                    oddClockRatio(),
                                                    fastClock(),
                                                    on<&P::checkUseDataRate>("checkUseDataRate")
                                                        .start(pll(&CPllParams::pllAutoAdjust))
                                                        .enabledIf(serial())
                                                        .slot("checkPLL_AutoAdjust_clicked()")
                                                        .tip(kDataRate),
                                                    on<&P::dSpinPLL_OutRate>("dSpinPLL_OutRate")
                                                        .start(pll(&CPllParams::vcoClock))
                                                        .enabledIf(byDataRate() * serial())
                                                        .slot("dSpinPLL_TgtOp_valueChanged(double)"),
                                                    on<&P::comboPLL_REV>("comboPLL_REV").hidden(),
                                                });
    cases.push_back(vek110);

    // Vek112m shows its revision combo at the window's revision.
    cases.push_back(vek110.derive(Panel::Pll).forEntries(kVek112m, kVek112m).change("comboPLL_REV", [](Widget &d) {
        d = revision().start(setting(&P::revIndex));
    }));

    // Vek113m: lanes and bit depths from the family, no bypass, no fast
    // clock; the data-rate box on every interface.
    cases.push_back(
        vek110.derive(Panel::Pll)
            .forEntries(85, 85)
            .change("comboPLL_Lanes",
                    [](Widget &d) {
                        d.fill(list(&CFamilyCore::laneChoices)).start(log2Of(pll(&CPllParams::laneCount))).enabledIf(1);
                    })
            .change("comboPLL_Bits", [](Widget &d) { d.fill(list(&CFamilyCore::bitDepthChoices)).enabledIf(1); })
            .change("checkPLL_Bypass", [](Widget &d) { d.disabled(); })
            .change("checkPLL_FastClock", [](Widget &d) { d.start(Value()).hidden(); })
            .change("checkUseDataRate", [](Widget &d) { d.enabledIf(1); })
            .change("dSpinPLL_OutRate", [](Widget &d) { d.enabledIf(byDataRate()); }));

    // Vek111 sensors: the revision combo is hidden and unconnected.
    FormCase vek111{Panel::Pll, "Vek111_PLL"};
    vek111.forEntries(86, 87);
    vek111.widgets = joined(interfaceWidgets(), {
                                                    mipiContinuous(),
                                                    on<&P::checkPLL_DarkCols>("checkPLL_DarkCols")
                                                        .start(flag(own(&DarkRowOptions::darkCols)))
                                                        .slot("checkPLL_DarkCols_clicked()")
                                                        .tip(kDarkCols),
                                                    on<&P::checkCompand>("checkCompand")
                                                        .start(flag(own(&Vek_111::companding)))
                                                        .slot("checkPLL_Companding_clicked()"),
                                                    on<&P::comboPLL_REV>("comboPLL_REV").hidden(),
                                                });
    cases.push_back(vek111);

    // Vek119 sensors: the family's interface and the second bit depth; the
    // companding box becomes the DPCM box, kept as the combination mode.
    cases.push_back(vek111.derive(Panel::Pll)
                        .forEntries(103, 104)
                        .change("comboPLL_InterMode", [](Widget &d) { d.start(pll(&CPllParams::interfaceMode)); })
                        .change("comboPLL_Bits",
                                [](Widget &d) {
                                    d.fill(list(&CFamilyCore::bitDepthChoices)).start(1).enabledIf(1).tip(kVek119Bits);
                                })
                        .change("checkCompand",
                                [](Widget &d) {
                                    d = on<&P::checkCombi>("checkCompand")
                                            .caption("DPCM_en")
                                            .start(flag(ctx(&CContextParams::combi)))
                                            .slot("checkCombi_clicked()");
                                })
                        .change("comboPLL_REV", [](Widget &d) { d.slot("comboPLL_REV_currentIndexChanged(int)"); }));

    // The rate box holds the output bit rate the family is asked for, offered
    // on a serial interface only; the LSB box is ticked while the family
    // aligns its data words to the least significant bit.
    FormCase vek123{Panel::Pll, "Vek123_PLL"};
    vek123.widgets = joined(interfaceWidgets(),
                            {
                                pllBypass(),
                                on<&P::dSpinPLL_OutRate>("dSpinPLL_OutRate")
                                    .start(pll(&CPllParams::targetClock2))
                                    .enabledIf(serial())
                                    .slot("dSpinPLL_TgtOp_valueChanged(double)")
                                    .tip("Enter the required output bit rate"),
                                on<&P::checkPLL_PreScale>("checkPLL_LSB")
                                    .start(zero(pll(&CPllParams::msbAligned)))
                                    .slot("checkPLL_PreScale_clicked()")
                                    .tip("Check to use the LSB alignment"),
                                on<&P::comboPLL_PhyType>("comboHISPIMode")
                                    .start(pll(&CPllParams::phyCd))
                                    .slot("comboPLL_PhyCD_currentIndexChanged(int)")
                                    .tip("Select the HISPI protocal"),
                                on<&P::spinOTPRev>("spinOTPRev").slot("spinPLL_OTPRev_valueChanged(int)"),
                                on<&P::comboCust_Rev>("comboCust_Rev").slot("comboCust_REV_currentIndexChanged(int)"),
                            });
    cases.push_back(vek123);

    return cases;
}

} // namespace panels
