// Advanced PLL panels of the sensors with a second PLL for the serial clock:
// the forms Vek152_PLL (Vek_152, Vek_135, Drav_101, Vek_120), Vek153_PLL and
// Vek154_PLL. Besides the bypass, MIPI continuous-clock and op-divider
// widgets they carry the overrides of the second PLL: pre-divider N2,
// multiplier M2 and the second VCO, each behind its own override box.
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

namespace panels {

namespace {

using P = Pallador;

// The op-divider combo's index for the family's divider: the items step by
// two from the first one, and a divider outside them takes the nearest item.
Value opDividerIndex(double firstItem, int items)
{
    return clamp((pll(&CPllParams::pllOpDivider) - firstItem) / 2, 0, items - 1);
}

Items fixedItems(const QStringList &items)
{
    return [items](const Pallador &, const CFamilyCore &, int) { return items; };
}

// The lines the three forms share, in their lookup order; the second PLL's
// boxes start at the values most of these sensors are set up with.
std::vector<Widget> secondPllLines(const Widget &secondVco)
{
    return {
        on<&P::checkPLL_Bypass>("checkPLL_Bypass").slot("checkPLL_Bypass_clicked()").tip(tips::kBypass),
        on<&P::checkPLL_MIPICont>("checkPLL_MIPICont")
            .start(pll(&CPllParams::mipiCont))
            .slot("checkPLL_MIPICont_clicked()")
            .tip(tips::kMipiCont),
        on<&P::comboPLL_Bits>("comboPLL_OpBits")
            .start(opDividerIndex(6, 3))
            .slot("comboPLL_OpBits_currentIndexChanged(int)")
            .tip(tips::kPixelBitDepth),
        on<&P::checkPLL_N2>("checkPLL_N2").slot("checkPLL_N2_clicked()"),
        on<&P::checkPLL_M2>("checkPLL_M2").slot("checkPLL_M2_clicked()"),
        on<&P::spinPLL_N2>("spinPLL_N2").start(1).slot("spinPLL_N2_valueChanged(int)"),
        on<&P::spinPLL_M2>("spinPLL_M2").start(46).slot("spinPLL_M2_valueChanged(int)"),
        on<&P::checkPLL_VCO2>("checkPLL_VCO2").slot("checkPLL_VCO2_clicked()"),
        secondVco,
    };
}

Widget doubleSecondVco()
{
    return on<&P::dSpinPLL_VCO2>("dSpinPLL_VCO2").start(1150).slot("dspinPLL_VCO2_valueChanged(double)");
}

// The second PLL's boxes show the family's own values.
void familySecondPll(FormCase &c)
{
    c.change("spinPLL_N2", [](Widget &d) { d.start(pll(&CPllParams::pllN2)); })
        .change("spinPLL_M2", [](Widget &d) { d.start(pll(&CPllParams::pllM2)); })
        .change("dSpinPLL_VCO2", [](Widget &d) { d.start(pll(&CPllParams::vcoClock2)); });
}

// The value boxes wait for their override boxes. Where the starting values
// are set after the connections, the boxes are disabled only once they hold
// them: while the opening's calculations run they are still enabled, so the
// result display leaves them alone and the values set here stay the
// window's requests.
void disableSecondPllBoxes(Pallador &w, int)
{
    for (QWidget *box : {static_cast<QWidget *>(w.spinPLL_N2), static_cast<QWidget *>(w.spinPLL_M2),
                         static_cast<QWidget *>(w.spinPLL_VCO2), static_cast<QWidget *>(w.dSpinPLL_VCO2)}) {
        if (box)
            box->setEnabled(false);
    }
}

} // namespace

std::vector<FormCase> secondPllCases()
{
    std::vector<FormCase> cases;

    // Vek_152: the second PLL's boxes always start at N2 1, M2 46 and
    // 1150 MHz; the revision combo is not used.
    FormCase vek152{Panel::Pll, "Vek152_PLL"};
    vek152.widgets = secondPllLines(doubleSecondVco());
    for (const char *box : {"spinPLL_N2", "spinPLL_M2", "dSpinPLL_VCO2"})
        vek152.change(box, [](Widget &d) { d.disabled(); });
    vek152.widgets.push_back(
        on<&P::comboPLL_REV>("comboPLL_REV").hidden().slot("comboPLL_REV_currentIndexChanged(int)"));
    vek152.forEntries(46, 50);
    cases.push_back(vek152);

    // Vek_135: dividers 8 to 12, the family's second PLL, and no N2 or M2
    // override.
    FormCase vek135 = vek152.derive(Panel::Pll).forEntries(90, 91);
    vek135
        .change("comboPLL_OpBits",
                [](Widget &d) {
                    d.fill(fixedItems({"8", "10", "12"})).start(opDividerIndex(8, 3));
                })
        .change("checkPLL_N2", [](Widget &d) { d.disabled(); })
        .change("checkPLL_M2", [](Widget &d) { d.disabled(); });
    familySecondPll(vek135);
    cases.push_back(vek135);

    // Drav_101 (112) and Vek_120 (113): dividers 8 and 10, no MIPI option,
    // the family's second PLL and silicon revision; only Drav_101 shows the
    // revision.
    FormCase drav101 = vek152.derive(Panel::Pll).forEntries(112, 113);
    drav101.change("comboPLL_OpBits",
                   [](Widget &d) {
                       d.fill(fixedItems({"8", "10"})).start(opDividerIndex(8, 2));
                   })
        .change("checkPLL_MIPICont", [](Widget &d) { d.start(Value()).hidden(); })
        .change("comboPLL_REV", [](Widget &d) { d.start(pll(&CPllParams::revision)).hidden({113}); });
    familySecondPll(drav101);
    cases.push_back(drav101);

    // Vek_153: connected first, so every first opening stores N2 1, M2 46
    // and 1150 MHz as the window's second-PLL requests (the VCO box holds
    // whole MHz here).
    FormCase vek153{Panel::Pll, "Vek153_PLL"};
    vek153.widgets =
        secondPllLines(on<&P::spinPLL_VCO2>("dSpinPLL_VCO2").start(1150).slot("spinPLL_VCO2_valueChanged(int)"));
    vek153.connectFirst = true;
    vek153.connected = disableSecondPllBoxes;
    cases.push_back(vek153);

    // Vek_154: connected first; dividers 3 to 6 one per item, the PHY type
    // and the family's second PLL.
    FormCase vek154{Panel::Pll, "Vek154_PLL"};
    vek154.widgets = secondPllLines(doubleSecondVco());
    vek154.widgets.insert(vek154.widgets.begin() + 3, on<&P::comboPLL_PhyType>("comboPLL_PhyType")
                                                          .start(pll(&CPllParams::phyCd))
                                                          .slot("comboPLL_PhyCD_currentIndexChanged(int)"));
    vek154.change("comboPLL_OpBits", [](Widget &d) { d.start(clamp(pll(&CPllParams::pllOpDivider) - 3, 0, 3)); });
    familySecondPll(vek154);
    vek154.connectFirst = true;
    vek154.connected = disableSecondPllBoxes;
    cases.push_back(vek154);

    return cases;
}

} // namespace panels
