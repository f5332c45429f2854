// Advanced PLL panels of the bridge chips: the forms Yorm102_PLL,
// Yorm105_PLL and Yorm106_PLL. Each shows the bridge's PLL as a block
// diagram (M, N, then P1 to the MP clock and P2 to the pad clock) with the
// results over it, under a row of PLL options; the Yorm106 form adds the
// keep-sync controls, offered only for the attached sensor that can follow
// an external timing. The widgets are connected before their starting
// values, so a starting value that changes a combo runs its slot.
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>

namespace panels {

namespace {

using P = Pallador;

// The attached sensor kind whose bridge can keep in sync with an external
// timing.
constexpr double kKeepSyncSensorKind = 3;

// The result labels on the diagram; the result display fills them.
std::vector<Widget> diagramLabels()
{
    return {
        on<&P::labelPLL_InClk>("labelPLL_InClk"),
        on<&P::labelPLL_M>("labelPLL_M"),
        on<&P::labelPLL_N>("labelPLL_N"),
        on<&P::labelPLL_P>("labelPLL_P"),
        on<&P::labelPLL_P2>("labelPLL_P2"),
        on<&P::labelPLL_PixClk>("labelPLL_PixClk"),
        on<&P::labelPLL_MipiClk>("labelPLL_MipiClk"),
    };
}

// Bypass, minimum frequency and the two-clocks-per-pixel adjustment, which
// is offered only while two clocks per pixel are on.
std::vector<Widget> pllOptions()
{
    return {
        on<&P::checkPLL_Bypass>("checkPLL_Bypass").slot("checkPLL_Bypass_clicked()").tip(tips::kBypass),
        on<&P::checkPLL_MinFreq>("checkPLL_MinFreq")
            .start(setting(&P::pllMinFreq))
            .slot("checkPLL_MinFreq_clicked()")
            .tip("Check to use the minimum clock based on the frame rate"),
        on<&P::checkUseDataRate>("checkPLL_AutoAdjust")
            .enabledIf(setting(&P::twoClkPerPix))
            .slot("checkPLL_AutoAdjust_clicked()"),
    };
}

// Ticked when the family aligns its data words to the least significant bit.
Widget lsbAligned()
{
    return on<&P::checkPLL_PreScale>("checkPLL_LSB")
        .start(zero(pll(&CPllParams::msbAligned)))
        .slot("checkPLL_PreScale_clicked()")
        .tip("Check to use the LSB alignment");
}

} // namespace

std::vector<FormCase> yormPllCases()
{
    std::vector<FormCase> cases;

    // The VT and MP dividers are not offered.
    FormCase yorm102{Panel::Pll, "Yorm102_PLL"};
    yorm102.connectFirst = true;
    yorm102.widgets =
        joined(joined(diagramLabels(), pllOptions()),
               {
                   on<&P::spinPLL_MPDiv>("spinPLL_MPDiv").hidden().slot("spinPLL_MPDiv_valueChanged(int)"),
                   on<&P::spinPLL_VtDiv>("spinPLL_VtDiv").hidden().slot("spinPLL_VtDiv_valueChanged(int)"),
                   on<&P::combo2pixBits>("combo2pixBits")
                       .slot("comboPLL_2PixBits_currentIndexChanged(int)")
                       .tip("Select the output bit-depth"),
                   lsbAligned(),
               });
    cases.push_back(yorm102);

    // Only the Ethernet port exists: selecting it stores the port and
    // calculates, then the combo is locked.
    FormCase yorm105{Panel::Pll, "Yorm105_PLL"};
    yorm105.connectFirst = true;
    yorm105.widgets =
        joined(joined(diagramLabels(), pllOptions()), {
                                                          on<&P::comboOutPort>("comboOutPort")
                                                              .start(1)
                                                              .disabled()
                                                              .slot("comboPLL_OutPort_currentIndexChanged(int)")
                                                              .tip("Only Ethernet output is available for Yorm105m"),
                                                          lsbAligned(),
                                                          on<&P::comboPLL_REV>("comboPLL_REV")
                                                              .start(setting(&P::revIndex))
                                                              .slot("comboPLL_REV_currentIndexChanged(int)"),
                                                      });
    // The Ethernet selection calculates first, and that calculation hands the
    // window's LSB alignment to the family: the LSB box takes the family's
    // alignment only after it, so that it shows what the registers program.
    yorm105.change("checkPLL_LSB", [](Widget &d) { d.start({}); });
    yorm105.connected = [](Pallador &w, int) {
        if (const CFamilyCore *family = w.calvex ? w.calvex->family() : nullptr; family && w.checkPLL_PreScale)
            w.checkPLL_PreScale->setChecked(family->pll.msbAligned == 0);
    };
    cases.push_back(yorm105);

    // The keep-sync controls are read by the calculation; their box enables
    // the other six.
    FormCase yorm106{Panel::Pll, "Yorm106_PLL"};
    yorm106.connectFirst = true;
    yorm106.widgets = joined(joined(diagramLabels(), pllOptions()),
                             {
                                 lsbAligned(),
                                 on<&P::widgetKeepsync>("widgetKeepsync")
                                     .shownIf(oneOf(pll(&CPllParams::attachedSensorKind), {kKeepSyncSensorKind})),
                                 on<&P::keepSyncCheckBox>("keepSyncCheckBox").slot("onKeepSyncOnOff()"),
                                 on<&P::keepSyncClockLabel>("keepSyncClockLabel"),
                                 on<&P::pCKLabel>("pCKLabel"),
                                 on<&P::fLLabel>("fLLabel"),
                                 on<&P::dbspbxKeepSyncClock>("dbspbxKeepSyncClock").slot("onKeepSyncClock()"),
                                 on<&P::pCKSpinBox>("pCKSpinBox").slot("onKeepSyncPck()"),
                                 on<&P::fLSpinBox>("fLSpinBox").slot("onKeepSyncFl()"),
                             });
    yorm106.change("checkPLL_AutoAdjust", [](Widget &d) { d.start(1); });
    cases.push_back(yorm106);

    return cases;
}

} // namespace panels
