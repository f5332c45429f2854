// Advanced PLL panels of the two families without a classic PLL block: the
// Zelt_PLL form (the HiSPi link of the Zelt sensors) and the Holv101_PLL form
// (the radar's chirp and ADC configuration). Their widgets are held in the
// window's generic PLL members and their values travel in its PLL settings,
// which the calculation hands to the family. Every starting value is set
// before the connections, so opening runs no slot and calculates nothing;
// the result display reads the panel back into the window instead of
// showing results.
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

namespace panels {

namespace {

using P = Pallador;

// The radar's clocks: the first item is 60 MHz, any other clock the second.
Value clockIndex(const Value &mhz)
{
    return 1 - oneOf(mhz, {60});
}

} // namespace

std::vector<FormCase> zeltHolv101PllCases()
{
    std::vector<FormCase> cases;

    // Lanes per PHY, pixel size (10 or 12 bits), companding (the calculation
    // opens it at 12 bits only), filler codes and CRC; the form's revision
    // combo is not looked up.
    FormCase zelt{Panel::Pll, "Zelt_PLL"};
    zelt.widgets = {
        on<&P::comboPLL_Lanes>("comboPLL_Lanes")
            .start(pll(&CPllParams::lanes) - 1)
            .slot("comboPLL_Lanes_currentIndexChanged(int)"),
        on<&P::comboPLL_Bits>("comboPLL_Bits")
            .start((pll(&CPllParams::opBits) - 10) / 2)
            .slot("comboPLL_OpBits_currentIndexChanged(int)"),
        on<&P::checkCombi>("checkPLL_Companding").start(pll(&CPllParams::combi)).slot("checkCombi_clicked()"),
        on<&P::checkUse_Reg>("checkPLL_FillerCode").start(pll(&CPllParams::useReg)).slot("checkUseReg_clicked()"),
        on<&P::checkPLL_PreScale>("checkPLL_CRC")
            .start(pll(&CPllParams::pllPreScale))
            .slot("checkPLL_PreScale_clicked()"),
    };
    cases.push_back(zelt);

    // The radar family keeps its configuration in these PLL fields (its
    // configuration block names them): bits per sample, the decimation code
    // (0, 2, 4, 6), the chirp times, the minimum frequency, the slope, the ADC
    // start, samples and clock, the MIPI word clock, the chirps per frame,
    // elevation and TDM MIMO.
    FormCase holv{Panel::Pll, "Holv101_PLL"};
    holv.widgets = {
        on<&P::comboPLL_Bits>("comboPLL_Bits")
            .start((pll(&CPllParams::opBits) - 12) / 2)
            .slot("comboPLL_OpBits_currentIndexChanged(int)"),
        on<&P::comboPLL_InterMode>("comboPLL_Decimation")
            .start(pll(&CPllParams::interfaceIndex) / 2)
            .slot("comboPLL_InterMode_currentIndexChanged(int)"),
        on<&P::spinPLL_P4>("spinPLL_ChirpReset").start(pll(&CPllParams::pllP4)).slot("spinPLL_P4_valueChanged(int)"),
        on<&P::spinPLL_P5>("spinPLL_ChirpRamp").start(pll(&CPllParams::pllP5)).slot("spinPLL_P5_valueChanged(int)"),
        on<&P::dSpinPLL_OutRate>("doubleSpinPLL_FreqMin")
            .start(pll(&CPllParams::pllTargetOp))
            .slot("dSpinPLL_TgtOp_valueChanged(double)"),
        on<&P::spinPLL_MPDiv>("spinPLL_Slope").start(pll(&CPllParams::mpDiv)).slot("spinPLL_MPDiv_valueChanged(int)"),
        on<&P::dSpinPLL_VCO2>("doubleSpinPLL_AdcStart")
            .start(pll(&CPllParams::pllVco2))
            .slot("dspinPLL_VCO2_valueChanged(double)"),
        on<&P::spinPLL_N2>("spinPLL_AdcSampler").start(pll(&CPllParams::pllN2)).slot("spinPLL_N2_valueChanged(int)"),
        on<&P::comboPLL_PhyType>("comboPLL_AdcClock")
            .start(clockIndex(pll(&CPllParams::phyCd)))
            .slot("comboPLL_PhyCD_currentIndexChanged(int)"),
        on<&P::comboOutPort>("comboPLL_MIPIClock")
            .start(clockIndex(pll(&CPllParams::outPort)))
            .slot("comboPLL_OutPort_currentIndexChanged(int)"),
        on<&P::spinPLL_WCD>("spinPLL_ChirpFrame").start(pll(&CPllParams::pllWcd)).slot("spinPLL_WCD_valueChanged(int)"),
        on<&P::combo2pixBits>("comboPLL_OnOff")
            .start(pll(&CPllParams::twoPixBits))
            .slot("comboPLL_2PixBits_currentIndexChanged(int)"),
        on<&P::comboCust_Rev>("comboTDM")
            .start(pll(&CPllParams::custRev))
            .slot("comboCust_REV_currentIndexChanged(int)"),
    };
    cases.push_back(holv);

    return cases;
}

} // namespace panels
