// Rows of the bridge forms Yorm102_PLL (entries 54 to 56), Yorm105_PLL (57)
// and Yorm106_PLL (58). Included by tst_pllpanels.cpp after the row types.
#pragma once

namespace pllpanels {

namespace yorm {

template <class T> Value result(T SensorSettings::*field)
{
    return panels::setting(field);
}

// A clock result as a label shows it: six significant digits.
inline Value clock(double SensorSettings::*field)
{
    return
        [field](const Pallador &w, const CFamilyCore &, int) { return QString::number(w.*field, 'g', 6).toDouble(); };
}

// The seven labels of the diagram with the PLL running: the clocks and the
// dividers the library chose, the MP clock the serial clock.
inline std::vector<Check> runningLabels()
{
    return {
        number("labelPLL_InClk", clock(&SensorSettings::resInputClock)),
        number("labelPLL_M", result(&SensorSettings::resM)),
        number("labelPLL_N", result(&SensorSettings::resN)),
        number("labelPLL_P", result(&SensorSettings::resP)),
        number("labelPLL_P2", result(&SensorSettings::resP2)),
        number("labelPLL_PixClk", clock(&SensorSettings::resPixClock)),
        number("labelPLL_MipiClk", clock(&SensorSettings::resSerialClock)),
    };
}

// What every bridge form starts with: the minimum-frequency box from the
// window, the references the calculation and the display use, and the tool
// tips.
inline std::vector<Check> options()
{
    return {
        value("checkPLL_MinFreq", panels::setting(&SensorSettings::pllMinFreq)),
        holds(panels::ref<&P::checkUseDataRate>(), "checkPLL_AutoAdjust"),
        holds(panels::ref<&P::checkPLL_PreScale>(), "checkPLL_LSB"),
        holds(panels::ref<&P::labelPLL_P2>(), "labelPLL_P2"),
        tip("checkPLL_Bypass", QStringLiteral("Check to bypass the PLL setting")),
        tip("checkPLL_MinFreq", QStringLiteral("Check to use the minimum clock based on the frame rate")),
        tip("checkPLL_LSB", QStringLiteral("Check to use the LSB alignment")),
        noTip("checkPLL_AutoAdjust"),
    };
}

// The LSB box shows the family's data alignment (0: LSB-aligned words).
inline Check lsbFromFamily()
{
    return value("checkPLL_LSB", panels::zero(panels::pll(&CPllParams::msbAligned)));
}

// The attached raw sensor of another kind, as a configuration naming it
// gives the bridge.
inline Given attachedKind(int kind)
{
    return [kind](Pallador &w, CFamilyCore &f) {
        auto *bridge = dynamic_cast<CBridgeFamily *>(&f);
        QVERIFY(bridge);
        bridge->sensorKind = kind;
        f.pll.attachedSensorKind = kind;
        w.recalc(false);
    };
}

inline Value contextFrameRate()
{
    return panels::ctx(&CContextParams::maxFps);
}

// The keep-sync box ticked and the external timing given: clock (MHz), line
// length (pixel clocks) and frame length (lines), each a user's change.
inline Given keepSync(double clock, int linePck, int frameLength)
{
    return [=](Pallador &w, CFamilyCore &) {
        QVERIFY(w.keepSyncCheckBox && w.dbspbxKeepSyncClock && w.pCKSpinBox && w.fLSpinBox);
        w.keepSyncCheckBox->click();
        w.dbspbxKeepSyncClock->setValue(clock);
        w.pCKSpinBox->setValue(linePck);
        w.fLSpinBox->setValue(frameLength);
    };
}

const QStringList kKeepSyncFields = {"keepSyncClockLabel", "dbspbxKeepSyncClock", "pCKLabel", "pCKSpinBox", "fLLabel",
                                     "fLSpinBox"};

} // namespace yorm

inline Rows yormRows()
{
    using namespace yorm;
    Rows rows;

    // Yorm102_PLL: no calculation on opening; the VT and MP dividers never
    // shown; the two-clocks-per-pixel adjustment closed while that mode is
    // off, as in the samples.
    for (const auto &[entry, sample] :
         {std::pair<int, const char *>{54, "Yorm101t"}, {55, "Yorm102m"}, {56, "Yorm102t"}}) {
        rows.openings.push_back(Opening(entry, sample)
                                    .expect(options())
                                    .expect({
                                        lsbFromFamily(),
                                        value("checkPLL_LSB", 0),
                                        value("combo2pixBits", 0),
                                        tip("combo2pixBits", QStringLiteral("Select the output bit-depth")),
                                        holds(panels::ref<&P::spinPLL_VtDiv>(), "spinPLL_VtDiv"),
                                        holds(panels::ref<&P::spinPLL_MPDiv>(), "spinPLL_MPDiv"),
                                    })
                                    .hidden({"spinPLL_VtDiv", "spinPLL_MPDiv"})
                                    .disabled({"checkPLL_AutoAdjust"})
                                    .enabled({"checkPLL_Bypass", "checkPLL_MinFreq", "checkPLL_LSB"}));
        rows.displays.push_back(Display(entry, sample).note("after showing").expect(runningLabels()));
    }
    rows.openings.push_back(Opening(54, "Yorm101t")
                                .note("LSB-aligned")
                                .given([](Pallador &, CFamilyCore &f) { f.pll.msbAligned = 0; })
                                .expect({lsbFromFamily(), value("checkPLL_LSB", 1)}));
    // Bypassed, the dividers go and the MP output carries the pixel clock.
    rows.displays.push_back(Display(54, "Yorm101t")
                                .note("bypass")
                                .then([](Pallador &w, CFamilyCore &) { w.checkPLL_Bypass->click(); })
                                .calculations(1)
                                .expect({
                                    shows("labelPLL_M", QString()),
                                    shows("labelPLL_N", QString()),
                                    shows("labelPLL_P", QString()),
                                    shows("labelPLL_P2", QString()),
                                    number("labelPLL_MipiClk", clock(&SensorSettings::resPixClock)),
                                    number("labelPLL_PixClk", clock(&SensorSettings::resPixClock)),
                                    number("labelPLL_InClk", clock(&SensorSettings::resInputClock)),
                                }));
    // A new input clock: the labels follow the calculation.
    rows.displays.push_back(Display(56, "Yorm102t")
                                .note("after the input clock changes")
                                .then([](Pallador &w, CFamilyCore &) {
                                    QDoubleSpinBox *input = w.ui.dSpinPLL_Input;
                                    input->setValue(input->value() == 24.0 ? 27.0 : 24.0);
                                })
                                .calculations(1)
                                .expect(runningLabels()));
    // Two clocks per pixel switched on with the panel open opens the
    // adjustment, and on the Yorm102m the bit-depth list becomes editable.
    for (const auto &[entry, sample] : {std::pair<int, const char *>{55, "Yorm102m"}, {54, "Yorm101t"}}) {
        const bool yorm102m = entry == 55;
        rows.displays.push_back(Display(entry, sample)
                                    .note("two clocks per pixel")
                                    .then([](Pallador &w, CFamilyCore &) {
                                        QVERIFY(w.check2ClkPix && !w.check2ClkPix->isChecked());
                                        w.check2ClkPix->click();
                                    })
                                    .calculations(1)
                                    .expect({property("combo2pixBits", "editable", yorm102m)})
                                    .enabled({"checkPLL_AutoAdjust"}));
    }
    // The minimum-frequency box follows the window's setting after each
    // calculation.
    rows.displays.push_back(Display(54, "Yorm101t")
                                .note("minimum frequency")
                                .then([](Pallador &w, CFamilyCore &) {
                                    w.pllMinFreq = !w.pllMinFreq;
                                    w.recalc(false);
                                })
                                .expect({value("checkPLL_MinFreq", panels::setting(&SensorSettings::pllMinFreq))}));

    // Yorm105_PLL: only the Ethernet port; choosing it stores the port and
    // calculates once, and a later revision calculates once more. That
    // calculation hands the window's LSB alignment (the set-up's) to the
    // family before the LSB box takes the family's.
    const auto yorm105 = [] {
        return Opening(57, "Yorm105m")
            .expect(options())
            .expect({
                value("comboOutPort", 1),
                value("checkPLL_LSB", panels::setting(&SensorSettings::pllPreScale)),
                outcome("LSB-aligned words", panels::zero(panels::pll(&CPllParams::msbAligned)),
                        panels::setting(&SensorSettings::pllPreScale)),
                outcome("output port", panels::setting(&SensorSettings::outPort), 1),
                outcome("family's output port", panels::pll(&CPllParams::outPort), 1),
                tip("comboOutPort", QStringLiteral("Only Ethernet output is available for Yorm105m")),
                noTip("comboPLL_REV"),
                holds(panels::ref<&P::comboPLL_REV>(), "comboPLL_REV"),
            })
            .disabled({"comboOutPort", "checkPLL_Bypass", "checkPLL_AutoAdjust"});
    };
    rows.openings.push_back(yorm105().note("first revision").calculations(1).expect({value("comboPLL_REV", 0)}));
    rows.openings.push_back(yorm105()
                                .note("second revision")
                                .given([](Pallador &w, CFamilyCore &) { w.revIndex = 1; })
                                .calculations(2)
                                .expect({
                                    value("comboPLL_REV", 1),
                                    outcome("family's revision", panels::pll(&CPllParams::revision), 2),
                                }));
    rows.displays.push_back(Display(57, "Yorm105m").note("after showing").expect(runningLabels()));

    // Yorm106_PLL: the keep-sync controls for the attached sensor of kind 3
    // (the sample's), closed until the keep-sync box is ticked.
    rows.openings.push_back(Opening(58, "Yorm106m")
                                .note("kind 3")
                                .expect(options())
                                .expect({
                                    lsbFromFamily(),
                                    value("checkPLL_AutoAdjust", 1),
                                    value("keepSyncCheckBox", 0),
                                    value("dbspbxKeepSyncClock", 36.0),
                                    holds(panels::ref<&P::widgetKeepsync>(), "widgetKeepsync"),
                                    holds(panels::ref<&P::keepSyncClockLabel>(), "keepSyncClockLabel"),
                                    holds(panels::ref<&P::fLSpinBox>(), "fLSpinBox"),
                                    noTip("keepSyncCheckBox"),
                                })
                                .shown({"widgetKeepsync", "keepSyncCheckBox"})
                                .enabled({"keepSyncCheckBox"})
                                .disabled(kKeepSyncFields + QStringList{"checkPLL_Bypass", "checkPLL_AutoAdjust"}));
    for (int kind : {0, 2})
        rows.openings.push_back(Opening(58, "Yorm106m")
                                    .note(kind == 0 ? "kind 0" : "kind 2")
                                    .given(attachedKind(kind))
                                    .hidden({"widgetKeepsync"}));
    rows.displays.push_back(Display(58, "Yorm106m").note("after showing").expect(runningLabels()));
    rows.displays.push_back(Display(58, "Yorm106m")
                                .note("keep-sync ticked")
                                .then([](Pallador &w, CFamilyCore &) { w.keepSyncCheckBox->click(); })
                                .calculations(1)
                                .enabled(kKeepSyncFields));
    // 36 MHz (the clock box's own value) over 2400 pixel clocks by 1250
    // lines, both beyond the 1920 x 1200 output: 12 frames per second, and
    // the labels show the keep-sync PLL.
    rows.displays.push_back(Display(58, "Yorm106m")
                                .note("keep-sync frame rate")
                                .then(keepSync(36.0, 2400, 1250))
                                .calculations(3)
                                .expect({outcome("frame rate", contextFrameRate(), 12.0)})
                                .expect(runningLabels()));
    // A frame not longer than the output: keep-sync stands aside and the
    // window's frame rate holds.
    rows.displays.push_back(
        Display(58, "Yorm106m")
            .note("keep-sync frame within the output")
            .then(keepSync(36.0, 2400, 1200))
            .expect({outcome("frame rate", contextFrameRate(), panels::setting(&SensorSettings::maxFps))}));
    rows.displays.push_back(
        Display(58, "Yorm106m")
            .note("keep-sync line within the output")
            .then(keepSync(36.0, 1920, 1250))
            .expect({outcome("frame rate", contextFrameRate(), panels::setting(&SensorSettings::maxFps))}));
    return rows;
}

} // namespace pllpanels
