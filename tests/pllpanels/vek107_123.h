// Rows of the forms Vek117_PLL (entry 83), Vek107_PLL (84), Vek110_PLL (85,
// 92, 93), Vek111_PLL (86, 87, 103, 104) and Vek123_PLL (88, 89). Included by
// tst_pllpanels.cpp after the row types.
//
// Every form fills its interface combo from the family, which leaves it on
// its first item (Vek119: on the family's interface); the result display then
// selects the window's interface, and where that differs the interface slot
// runs and calculates.
#pragma once

namespace pllpanels {

namespace vek107to123 {

using S = SensorSettings;

template <class T> Value result(T S::*field)
{
    return panels::setting(field);
}

inline Value itemCount(const char *combo)
{
    return [combo](const Pallador &w, const CFamilyCore &, int) -> double {
        const auto *box = w.pllForm ? w.pllForm->findChild<QComboBox *>(QLatin1String(combo)) : nullptr;
        return box ? box->count() : -1;
    };
}

// 1 when the combo offers exactly the family's list (the interface modes,
// the lane or bit-depth choices).
template <class Record> Value offers(const char *combo, QStringList Record::*field)
{
    return [combo, field](const Pallador &w, const CFamilyCore &f, int) -> double {
        const auto *box = w.pllForm ? w.pllForm->findChild<QComboBox *>(QLatin1String(combo)) : nullptr;
        QStringList offered;
        for (int i = 0; box && i < box->count(); ++i)
            offered << box->itemText(i);
        const QStringList &wanted = [&]() -> const QStringList & {
            if constexpr (std::is_same_v<Record, CPllParams>)
                return f.pll.*field;
            else
                return f.*field;
        }();
        return box && offered == wanted ? 1.0 : 0.0;
    };
}

// The interface combo offers the family's modes and shows the window's
// interface.
inline std::vector<Check> interfaceChecks()
{
    return {
        outcome("family's interface modes offered", offers("comboPLL_InterMode", &CPllParams::interfaceModes), 1),
        value("comboPLL_InterMode", result(&S::interfaceIndex)),
        holds(panels::ref<&P::comboPLL_InterMode>(), "comboPLL_InterMode"),
        tip("comboPLL_InterMode", QStringLiteral("Select the PLL output mode (interface)")),
    };
}

inline std::vector<Check> laneAndBitChecks()
{
    return {
        holds(panels::ref<&P::comboPLL_Lanes>(), "comboPLL_Lanes"),
        holds(panels::ref<&P::comboPLL_Bits>(), "comboPLL_Bits"),
        tip("comboPLL_Lanes", QStringLiteral("Select the output lanes")),
    };
}

inline Check combination()
{
    return value("checkCombi", panels::flag(panels::ctx(&CContextParams::combi)));
}

inline Check mipiContinuous()
{
    return value("checkPLL_MIPICont", panels::pll(&CPllParams::mipiCont));
}

// The window set to an interface before the panel opens; the display
// selects it.
inline Given onInterface(int index)
{
    return [index](Pallador &w, CFamilyCore &) { w.interfaceIndex = index; };
}

// A new input clock: the library chooses again.
inline void newInputClock(Pallador &w, CFamilyCore &)
{
    QDoubleSpinBox *input = w.ui.dSpinPLL_Input;
    input->setValue(input->value() == 24.0 ? 27.0 : 24.0);
}

// The output data rate per lane the library worked out.
inline Value ratePerLane()
{
    return [](const Pallador &, const CFamilyCore &f, int) -> double {
        return double(f.pll.pllOpDivider) * f.pll.opPixClock;
    };
}

// The family's data-rate flag and interface mode as the panel finds them.
inline Given dataRate(bool on, int mode)
{
    return [on, mode](Pallador &w, CFamilyCore &f) {
        w.pllAutoAdjust = on;
        f.pll.pllAutoAdjust = on;
        f.pll.interfaceMode = mode;
        w.interfaceIndex = mode;
    };
}

// The sample of each entry.
const std::pair<int, const char *> kVek110Form[] = {{85, "Vek113m"}, {92, "Vek110m"}, {93, "Vek112m"}};
const std::pair<int, const char *> kVek111Form[] = {{86, "Vek111m"}, {87, "Vek111t"}};
const std::pair<int, const char *> kVek119[] = {{103, "Vek119t"}, {104, "Vek119m"}};
const std::pair<int, const char *> kVek123[] = {{88, "Vek123m"}, {89, "Vek123d"}};

} // namespace vek107to123

inline Rows vek107To123Rows()
{
    using namespace vek107to123;
    Rows rows;
    // Calculations of an opening: the result display selects the window's
    // interface; where the combo's first item is another, the interface slot
    // runs, empties and refills the lane and bit-depth combos (each change of
    // their item runs their own calculating slot) and calculates. The Vek110
    // form's display also writes the rate box or the target box, whose slots
    // calculate once more when the value changes.
    constexpr int VEK117_OPEN = 9, VEK107_OPEN = 1, VEK110_OPEN = 9, VEK113_OPEN = 1, VEK111_OPEN = 20,
                  VEK119_OTHER = 10, VEK123_OPEN = 11;
    // The combo starts on the family's interface, the window's.
    constexpr int VEK119_OPEN = 0;
    const QString oddTip = QStringLiteral("Achieve higher frame rate at the expense of odd clock ratio");
    const QString bypassTip = QStringLiteral("Check to bypass the PLL setting");
    const QString mipiTip = QStringLiteral("Check to activate MIPI continuous clock");
    const QString combiTip = QStringLiteral("Check to combine Linear/HDR modes");
    const QString fastTip = QStringLiteral("Check to use faster clock in IME mode");

    // Vek117_PLL: the family's options; the IME box shows the fast clock, the
    // odd-clock box keeps the form's tool tip.
    rows.openings.push_back(Opening(83, "Vek117m")
                                .calculations(VEK117_OPEN)
                                .expect(interfaceChecks())
                                .expect(laneAndBitChecks())
                                .expect({
                                    combination(),
                                    mipiContinuous(),
                                    value("checkOddClock_Ratio", panels::pll(&CPllParams::oddClkRatio)),
                                    value("checkIme", panels::pll(&CPllParams::fastClock)),
                                    holds(panels::ref<&P::check16b8bits>(), "checkOddClock_Ratio"),
                                    holds(panels::ref<&P::checkIme>(), "checkIme"),
                                    holds(panels::ref<&P::comboPLL_REV>(), "comboPLL_REV"),
                                    items("comboPLL_REV", {"Rev6", "Rev7"}),
                                    tip("checkOddClock_Ratio", oddTip),
                                    tip("checkPLL_Bypass", bypassTip),
                                    tip("checkPLL_MIPICont", mipiTip),
                                    tip("checkCombi", combiTip),
                                    noTip("checkIme"),
                                    noTip("comboPLL_REV"),
                                })
                                .shown({"comboPLL_REV", "checkOddClock_Ratio", "checkIme"}));
    for (bool on : {false, true}) {
        rows.openings.push_back(Opening(83, "Vek117m")
                                    .note(on ? "options on" : "options off")
                                    .calculations(VEK117_OPEN)
                                    .given([on](Pallador &, CFamilyCore &f) {
                                        f.pll.mipiCont = on;
                                        f.pll.oddClkRatio = on;
                                        f.pll.fastClock = on;
                                        f.ctx[0].combi = on;
                                    })
                                    .expect({value("checkPLL_MIPICont", on), value("checkOddClock_Ratio", on),
                                             value("checkIme", on), value("checkCombi", on)}));
    }
    // Vek107_PLL: the fixed lane and bit-depth items stay; the odd-clock box
    // is hidden and not connected.
    rows.openings.push_back(Opening(84, "Vek107m")
                                .calculations(VEK107_OPEN)
                                .expect(interfaceChecks())
                                .expect({
                                    combination(),
                                    mipiContinuous(),
                                    value("checkPLL_FastClock", panels::pll(&CPllParams::fastClock)),
                                    holds(panels::ref<&P::checkSDRMode>(), "checkPLL_FastClock"),
                                    holds(panels::ref<&P::check16b8bits>(), "checkOddClock_Ratio"),
                                    items("comboPLL_Lanes", {"4"}),
                                    items("comboPLL_Bits", {"12"}),
                                    tip("checkPLL_FastClock", fastTip),
                                    tip("checkPLL_Bypass", bypassTip),
                                    tip("checkCombi", combiTip),
                                })
                                .hidden({"checkOddClock_Ratio"})
                                .disabled({"comboPLL_Lanes", "comboPLL_Bits"}));
    rows.displays.push_back(Display(84, "Vek107m")
                                .note("serial interface chosen")
                                .then([](Pallador &w, CFamilyCore &) { w.comboPLL_InterMode->setCurrentIndex(1); })
                                .expect({
                                    outcome("interface", result(&S::interfaceIndex), 1),
                                    items("comboPLL_Lanes", {"4"}),
                                    items("comboPLL_Bits", {"12"}),
                                }));
    rows.displays.push_back(Display(84, "Vek107m")
                                .note("hidden odd-clock box clicked")
                                .then([](Pallador &w, CFamilyCore &) {
                                    w.pllForm->findChild<QCheckBox *>(QStringLiteral("checkOddClock_Ratio"))->click();
                                })
                                .calculations(0));

    // Vek110_PLL.
    for (const auto &[entry, sample] : kVek110Form) {
        rows.openings.push_back(
            Opening(entry, sample)
                .calculations(entry == 85 ? VEK113_OPEN : VEK110_OPEN)
                .expect(interfaceChecks())
                .expect(laneAndBitChecks())
                .expect({
                    combination(),
                    mipiContinuous(),
                    value("checkOddClock_Ratio", panels::pll(&CPllParams::oddClkRatio)),
                    value("checkUseDataRate", panels::pll(&CPllParams::pllAutoAdjust)),
                    holds(panels::ref<&P::checkUseDataRate>(), "checkUseDataRate"),
                    holds(panels::ref<&P::dSpinPLL_OutRate>(), "dSpinPLL_OutRate"),
                    holds(panels::ref<&P::checkSDRMode>(), "checkPLL_FastClock"),
                    tip("checkUseDataRate", QStringLiteral("Check to use output data rate as the target clock")),
                    tip("checkOddClock_Ratio", oddTip),
                    noTip("dSpinPLL_OutRate"),
                })
                .hidden(entry == 93 ? QStringList() : QStringList{"comboPLL_REV"})
                .shown(entry == 93 ? QStringList{"comboPLL_REV"} : QStringList()));
    }
    // Vek113m: lanes and bit depths from the family, no bypass, no fast
    // clock, the data-rate box on every interface.
    rows.openings.push_back(
        Opening(85, "Vek113m")
            .note("family lists")
            .calculations(VEK113_OPEN)
            .expect({
                outcome("lanes offered", offers("comboPLL_Lanes", &CFamilyCore::laneChoices), 1),
                outcome("bit depths offered", offers("comboPLL_Bits", &CFamilyCore::bitDepthChoices), 1),
            })
            .enabled({"comboPLL_Lanes", "comboPLL_Bits", "checkUseDataRate"})
            .disabled({"checkPLL_Bypass"})
            .hidden({"checkPLL_FastClock"}));
    // The data-rate box: Vek113m offers it on every interface, the Vek_110
    // sensors on a serial one only; the rate box only while it is ticked.
    const struct {
        int entry;
        const char *sample;
        bool byRate;
        int mode;
        bool boxOpen, rateOpen;
        int calculations;
    } rateCases[] = {
        // On the parallel interface the combo already shows the window's;
        // by the data rate the achieved output clock is the target already,
        // otherwise the rate per lane the display writes runs the rate slot.
        {85, "Vek113m", false, 0, true, false, 1},         {85, "Vek113m", true, 0, true, true, 0},
        {92, "Vek110m", true, 0, false, false, 0},         {92, "Vek110m", false, 1, true, false, VEK110_OPEN},
        {92, "Vek110m", true, 1, true, true, VEK110_OPEN}, {93, "Vek112m", true, 0, false, false, 0},
    };
    for (const auto &k : rateCases) {
        Opening opening = Opening(k.entry, k.sample)
                              .note(k.mode == 0 ? (k.byRate ? "parallel, by data rate" : "parallel")
                                                : (k.byRate ? "serial, by data rate" : "serial"))
                              .given(dataRate(k.byRate, k.mode))
                              .expect({value("checkUseDataRate", k.byRate)});
        opening.calculationCount = k.calculations;
        (k.boxOpen ? opening.enabledNames : opening.disabledNames) << QStringLiteral("checkUseDataRate");
        (k.rateOpen ? opening.enabledNames : opening.disabledNames) << QStringLiteral("dSpinPLL_OutRate");
        rows.openings.push_back(opening);
    }
    // The display writes the rate per lane into the rate box while the
    // family does not go by the data rate, and the achieved output clock
    // into the window's target box while it does.
    for (const auto &[entry, sample] : kVek110Form) {
        rows.displays.push_back(Display(entry, sample)
                                    .note("rate per lane after a calculation")
                                    .given([](Pallador &w, CFamilyCore &) { w.pllAutoAdjust = false; })
                                    .then(newInputClock)
                                    .expect({value("dSpinPLL_OutRate", ratePerLane())}));
    }
    rows.displays.push_back(
        Display(92, "Vek110m")
            .note("output clock as the target while by data rate")
            .given([](Pallador &w, CFamilyCore &) { w.pllAutoAdjust = true; })
            .then(newInputClock)
            .expect({outcome(
                "target box", [](const Pallador &w, const CFamilyCore &, int) { return w.ui.dSpinPLL_Target->value(); },
                panels::pll(&CPllParams::outputClock))}));
    // Vek112m's revision combo starts at the window's revision and is
    // connected; the others' stays hidden and unconnected.
    rows.openings.push_back(Opening(93, "Vek112m")
                                .note("revision")
                                .calculations(VEK110_OPEN)
                                .given([](Pallador &w, CFamilyCore &) { w.revIndex = 2; })
                                .expect({value("comboPLL_REV", 2), items("comboPLL_REV", {"Rev1", "Rev2", "Rev3"})}));
    rows.displays.push_back(Display(93, "Vek112m")
                                .note("revision chosen")
                                .then([](Pallador &w, CFamilyCore &) { w.comboPLL_REV->setCurrentIndex(1); })
                                .calculations(1)
                                .expect({outcome("revision", result(&S::revIndex), 1)}));
    rows.displays.push_back(Display(92, "Vek110m")
                                .note("hidden revision combo")
                                .then([](Pallador &w, CFamilyCore &) { w.comboPLL_REV->setCurrentIndex(2); })
                                .calculations(0));

    // Vek111_PLL, Vek111 sensors: companding and dark columns of the family;
    // the revision combo is hidden and not connected.
    for (const auto &[entry, sample] : kVek111Form) {
        rows.openings.push_back(
            Opening(entry, sample)
                .calculations(VEK111_OPEN)
                .expect(interfaceChecks())
                .expect(laneAndBitChecks())
                .expect({
                    mipiContinuous(),
                    value("checkPLL_DarkCols", panels::flag(panels::own(&DarkRowOptions::darkCols))),
                    value("checkCompand", panels::flag(panels::own(&Vek_111::companding))),
                    shows("checkCompand", QStringLiteral("Companding")),
                    holds(panels::ref<&P::checkCompand>(), "checkCompand"),
                    holds(panels::ref<&P::checkPLL_DarkCols>(), "checkPLL_DarkCols"),
                    tip("comboPLL_Bits", QStringLiteral("Select the output bit-depth")),
                    tip("checkPLL_DarkCols", QStringLiteral("Check to activate dark columns")),
                    tip("checkPLL_MIPICont", mipiTip),
                    noTip("checkCompand"),
                })
                .hidden({"comboPLL_REV"}));
    }
    rows.openings.push_back(
        Opening(86, "Vek111m")
            .note("dark columns on")
            .calculations(VEK111_OPEN)
            .given([](Pallador &, CFamilyCore &f) { dynamic_cast<DarkRowOptions &>(f).darkCols = true; })
            .expect({value("checkPLL_DarkCols", 1)}));
    rows.displays.push_back(Display(86, "Vek111m")
                                .note("hidden revision combo")
                                .then([](Pallador &w, CFamilyCore &) { w.comboPLL_REV->setCurrentIndex(1); })
                                .calculations(0));

    // Vek119 sensors: the family's interface, the second bit depth and the
    // DPCM box in the combination mode's place.
    for (const auto &[entry, sample] : kVek119) {
        rows.openings.push_back(
            Opening(entry, sample)
                .calculations(VEK119_OPEN)
                .expect(interfaceChecks())
                .expect(laneAndBitChecks())
                .expect({
                    value("comboPLL_Bits", 1),
                    outcome("bit depths offered", offers("comboPLL_Bits", &CFamilyCore::bitDepthChoices), 1),
                    value("checkCompand", panels::flag(panels::ctx(&CContextParams::combi))),
                    shows("checkCompand", QStringLiteral("DPCM_en")),
                    holds(panels::ref<&P::checkCombi>(), "checkCompand"),
                    tip("comboPLL_Bits", QStringLiteral("Select the output bit-depth\n10 bit-depth is standard, "
                                                        "others provided for implementation convenience")),
                })
                .enabled({"comboPLL_Bits"})
                .hidden({"comboPLL_REV"}));
    }
    rows.openings.push_back(
        Opening(103, "Vek119t")
            .note("window on another interface than the family")
            .calculations(VEK119_OTHER)
            .given([](Pallador &w, CFamilyCore &f) { w.interfaceIndex = f.pll.interfaceMode ? 0 : 1; })
            .expect({value("comboPLL_InterMode", result(&S::interfaceIndex))}));
    rows.displays.push_back(Display(104, "Vek119m")
                                .note("hidden revision combo connected")
                                .then([](Pallador &w, CFamilyCore &) { w.comboPLL_REV->setCurrentIndex(1); })
                                .calculations(1)
                                .expect({outcome("revision", result(&S::revIndex), 1)}));

    // Vek123_PLL: the requested output bit rate, offered on a serial
    // interface only; the LSB box, the HiSPi protocol; the version widgets as
    // the form has them.
    for (const auto &[entry, sample] : kVek123) {
        rows.openings.push_back(Opening(entry, sample)
                                    .calculations(VEK123_OPEN)
                                    .expect(interfaceChecks())
                                    .expect(laneAndBitChecks())
                                    .expect({
                                        value("dSpinPLL_OutRate", panels::pll(&CPllParams::targetClock2)),
                                        value("checkPLL_LSB", panels::zero(panels::pll(&CPllParams::msbAligned))),
                                        value("comboHISPIMode", panels::pll(&CPllParams::phyCd)),
                                        value("spinOTPRev", 1),
                                        value("comboCust_Rev", 0),
                                        holds(panels::ref<&P::checkPLL_PreScale>(), "checkPLL_LSB"),
                                        holds(panels::ref<&P::comboPLL_PhyType>(), "comboHISPIMode"),
                                        holds(panels::ref<&P::spinOTPRev>(), "spinOTPRev"),
                                        holds(panels::ref<&P::comboCust_Rev>(), "comboCust_Rev"),
                                        tip("comboHISPIMode", QStringLiteral("Select the HISPI protocal")),
                                        tip("dSpinPLL_OutRate", QStringLiteral("Enter the required output bit rate")),
                                        tip("checkPLL_LSB", QStringLiteral("Check to use the LSB alignment")),
                                        tip("checkPLL_Bypass", bypassTip),
                                        noTip("spinOTPRev"),
                                        noTip("comboCust_Rev"),
                                    }));
    }
    for (int mode : {0, 1}) {
        Opening opening = Opening(88, "Vek123m")
                              .note(mode ? "serial: rate offered" : "parallel: rate closed")
                              .calculations(mode ? VEK123_OPEN : 0)
                              .given([mode](Pallador &w, CFamilyCore &f) {
                                  f.pll.interfaceMode = mode;
                                  w.interfaceIndex = mode;
                              });
        (mode ? opening.enabledNames : opening.disabledNames) << QStringLiteral("dSpinPLL_OutRate");
        rows.openings.push_back(opening);
    }
    rows.displays.push_back(Display(89, "Vek123d")
                                .note("customer version chosen")
                                .then([](Pallador &w, CFamilyCore &) { w.comboCust_Rev->setCurrentIndex(1); })
                                .calculations(1)
                                .expect({outcome("customer version", result(&S::custRev), 145)}));
    rows.displays.push_back(Display(88, "Vek123m")
                                .note("OTP version and protocol")
                                .then([](Pallador &w, CFamilyCore &) {
                                    w.spinOTPRev->setValue(3);
                                    w.comboPLL_PhyType->setCurrentIndex(2);
                                })
                                .calculations(2)
                                .expect({outcome("OTP version", result(&S::otpRev), 3),
                                         outcome("protocol", panels::pll(&CPllParams::phyCd), 2)}));
    return rows;
}

} // namespace pllpanels
