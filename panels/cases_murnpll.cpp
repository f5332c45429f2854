// Advanced PLL panels of the image-processor sensors and of the sensor that
// feeds one of them: the forms Murn101_PLL, Murn105_PLL, Murn109_PLL,
// Murn111_PLL, Murn107_PLL, Murn103_PLL, Murn110_PLL, Murn108_PLL and
// Murn106_PLL.
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

namespace panels {

namespace {

using P = Pallador;

// The picture labels of the block-diagram forms; the result display fills
// them.
std::vector<Widget> diagramLabels()
{
    return {
        on<&P::labelPLL_InClk>("labelPLL_InClk"),   on<&P::labelPLL_M>("labelPLL_M"),
        on<&P::labelPLL_N>("labelPLL_N"),           on<&P::labelPLL_P>("labelPLL_P"),
        on<&P::labelPLL_PixClk>("labelPLL_PixClk"), on<&P::labelPLL_MipiClk>("labelPLL_MipiClk"),
    };
}

// The P4 and P5 overrides show the family's dividers less one.
std::vector<Widget> dividers()
{
    return {
        on<&P::checkPLL_Bypass>("checkPLL_Bypass").slot("checkPLL_Bypass_clicked()").tip(tips::kBypass),
        on<&P::checkPLL_P4>("checkPLL_P4").slot("checkPLL_P4_clicked()").tip(tips::kP4),
        on<&P::checkPLL_P5>("checkPLL_P5").slot("checkPLL_P5_clicked()").tip(tips::kP5),
        on<&P::spinPLL_P4>("spinPLL_P4")
            .start(pll(&CPllParams::pllP4) - 1)
            .slot("spinPLL_P4_valueChanged(int)")
            .tip(tips::kP4Spin),
        on<&P::spinPLL_P5>("spinPLL_P5")
            .start(pll(&CPllParams::pllP5) - 1)
            .slot("spinPLL_P5_valueChanged(int)")
            .tip(tips::kP5Spin),
    };
}

} // namespace

std::vector<FormCase> murnPllCases()
{
    std::vector<FormCase> cases;

    FormCase murn101{Panel::Pll, "Murn101_PLL"};
    murn101.widgets = joined(diagramLabels(), {on<&P::labelPLL_OutClk>("labelPLL_OutClk")});
    cases.push_back(murn101);

    FormCase murn105{Panel::Pll, "Murn105_PLL"};
    murn105.widgets = {
        on<&P::checkPLL_Bypass>("checkPLL_Bypass").slot("checkPLL_Bypass_clicked()"),
        on<&P::checkPLL_PreScale>("checkPLL_PreScale")
            .start(pll(&CPllParams::pllPreScale))
            .slot("checkPLL_PreScale_clicked()"),
        on<&P::checkPLL_WCD>("checkPLL_WCD").slot("checkPLL_WCD_clicked()"),
        on<&P::spinPLL_WCD>("spinPLL_WCD").start(0).slot("spinPLL_WCD_valueChanged(int)"),
    };
    cases.push_back(murn105);

    // The form has no output clock.
    FormCase murn109{Panel::Pll, "Murn109_PLL"};
    murn109.widgets =
        joined(joined(diagramLabels(), {on<&P::labelPLL_OutClk>("labelPLL_OutClk").notInForm()}), dividers());
    cases.push_back(murn109);

    FormCase murn111{Panel::Pll, "Murn111_PLL"};
    murn111.widgets = joined(diagramLabels(), dividers());
    murn111.widgets.insert(
        murn111.widgets.end(),
        {
            on<&P::checkPLL_I2C>("checkPLL_I2C").hidden().slot("checkPLL_I2C_clicked()").tip(tips::kI2C),
            on<&P::checkPLL_WCD>("checkPLL_WCD").slot("checkPLL_WCD_clicked()").tip(tips::kWcd),
            on<&P::spinPLL_I2C>("spinPLL_I2C")
                .start(300)
                .hidden()
                .slot("spinPLL_I2C_valueChanged(int)")
                .tip(tips::kI2CSpin),
            on<&P::spinPLL_WCD>("spinPLL_WCD").start(0).slot("spinPLL_WCD_valueChanged(int)").tip(tips::kWcdSpin),
            on<&P::comboPLL_REV>("comboPLL_REV")
                .hidden()
                .slot("comboPLL_REV_currentIndexChanged(int)")
                .tip(tips::kRevision),
        });
    cases.push_back(murn111);

    // Murn107, Murn103, Murn110, Murn108, Murn106: the minimum-frequency and
    // bypass options; Murn110 is laid out like Murn111 and does the same.
    const Widget minFreq =
        on<&P::checkPLL_MinFreq>("checkPLL_MinFreq").slot("checkPLL_MinFreq_clicked()").tip(tips::kMinFreq);
    const Widget bypass = on<&P::checkPLL_Bypass>("checkPLL_Bypass").slot("checkPLL_Bypass_clicked()");

    FormCase murn107{Panel::Pll, "Murn107_PLL"};
    murn107.widgets = {minFreq};
    cases.push_back(murn107);

    FormCase murn103{Panel::Pll, "Murn103_PLL"};
    murn103.widgets = {minFreq, Widget(bypass).tip(tips::kBypass)};
    cases.push_back(murn103);

    FormCase murn110 = murn111.derive(Panel::Pll);
    murn110.form = "Murn110_PLL";
    cases.push_back(murn110);

    // The word-clock divider starts at 8, before the connections.
    FormCase murn108{Panel::Pll, "Murn108_PLL"};
    murn108.widgets = {
        minFreq,
        bypass,
        on<&P::spinPLL_WCD>("spinPLL_WCD").start(8).slot("spinPLL_WCD_valueChanged(int)"),
        on<&P::checkPLL_WCD>("checkPLL_WCD").slot("checkPLL_WCD_clicked()"),
    };
    cases.push_back(murn108);

    FormCase murn106{Panel::Pll, "Murn106_PLL"};
    murn106.widgets = {Widget(bypass).tip(tips::kBypass), minFreq};
    cases.push_back(murn106);

    return cases;
}

} // namespace panels
