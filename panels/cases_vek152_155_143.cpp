// Context-A advanced panels of the one-context sensors with a read-out-mode
// core: the forms Vek152_Adv, Vek153_Adv, Vek155_Adv and Vek143_Adv.
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

#include <algorithm>

namespace panels {

namespace {

constexpr char kGroupLinesIn[] = "Enter the Group lines in";

// Drav101t and Vek120t count the size boxes of their panel before the
// read-out mode's skipping, and have no dark pixels to show.
const Entries kBeforeSkipping{112, 113};

// The context's settings count the output size after the skipping: a size
// read back from its box is divided by the read-out mode (a factor, 1 =
// off). A box the re-opening did not read back leaves its setting alone.
void outputSizeAfterSkipping(Pallador &w, const CFamilyCore &, int context)
{
    if (!kBeforeSkipping.contains(w.sensorIndex))
        return;
    if (changedSinceFilled(w.spinRows[context]))
        w.rows[context] /= std::max(1, w.skippingY[context]);
    if (changedSinceFilled(w.spinCols[context]))
        w.cols[context] /= std::max(1, w.skipping[context]);
}

} // namespace

std::vector<FormCase> vek152Vek155Vek143Cases()
{
    using P = Pallador;
    using M = CModeState;
    using C = CContextParams;
    std::vector<FormCase> cases;

    const auto rows = rowsForMode();
    const auto cols = colsForMode();
    const auto intgTime = integrationTime();
    const auto readMode = on<&P::spinReadMode>("spinReadMode")
                              .start(ctx(&C::skipping))
                              .slot("spinReadMode_valueChanged(int)")
                              .tip(tips::kReadMode)
                              .back(store(&P::skipping));
    const auto readModeY =
        on<&P::spinReadMode_Y>("spinReadMode_Y").start(ctx(&C::skippingY)).slot("spinReadMode2_valueChanged(int)");
    const auto binning = on<&P::checkBinning>("checkBinning")
                             .start(flag(ctx(&C::binning)))
                             .slot("checkBinning_clicked()")
                             .tip(tips::kYSumming)
                             .back(store(&P::binning));
    const auto binXOnly = on<&P::checkBinXonly>("checkBinXonly")
                              .start(flag(ctx(&C::binXOnly)))
                              .slot("checkBinXonly_clicked()")
                              .tip(tips::kXBinning)
                              .back(store(&P::binXOnly));
    // The dark-pixel boxes fill the advanced PLL panel's members and act
    // through their slots only; where the form gives them captions, those
    // are the other way round from their names, and the names decide.
    const auto darkRows = on<&P::checkPLL_DarkRows>("checkPLL_DarkRows")
                              .start(pll(&CPllParams::darkRows))
                              .slot("checkPLL_DarkRows_clicked()")
                              .tip(tips::kDarkRows);
    const auto darkCols = on<&P::checkPLL_DarkCols>("checkPLL_DarkCols")
                              .start(pll(&CPllParams::darkColumns))
                              .slot("checkPLL_DarkCols_clicked()")
                              .tip(tips::kDarkCols);
    const auto scaleM = on<&P::spinScaleM>("spinScaleM")
                            .start(ctx(&C::scaleM))
                            .slot("spinScaleM_valueChanged(int)")
                            .tip(tips::kScaleM)
                            .back(store(&P::scaleM));
    // "CC Rows:" offers 16 x 2 to the power of its index; a count outside the
    // items stays on the nearest one.
    const auto ccRows = on<&P::comboCCRow>("comboCCRow")
                            .start(clamp(log2Of(ctx(&C::ccRows) / 16), 0, 3))
                            .slot("comboCCRow_currentIndexChanged(int)")
                            .tip(tips::kCcRows);

    // The dark-pixel boxes of Drav101t and Vek120t stay hidden, without a
    // starting value.
    const Entries showsDarkPixels = Entries::range(46, 50);
    FormCase vek152{Panel::A, "Vek152_Adv"};
    vek152.widgets = {
        Widget(rows).start(byEntry(kBeforeSkipping, mode(&M::outputRows) * ctx(&C::skippingY), mode(&M::outputRows))),
        Widget(cols).start(byEntry(kBeforeSkipping, mode(&M::outputCols) * ctx(&C::skipping), mode(&M::outputCols))),
        intgTime,
        readMode,
        binning,
        binXOnly,
        Widget(darkRows).start(pll(&CPllParams::darkRows), showsDarkPixels).hidden(kBeforeSkipping),
        Widget(darkCols).start(pll(&CPllParams::darkColumns), showsDarkPixels).hidden(kBeforeSkipping),
        readModeY,
    };
    vek152.readBackRule = outputSizeAfterSkipping;
    cases.push_back(vek152);

    // "Group Lines In:" goes into the scaler's member and setting and always
    // starts at 192. The form keeps the dark-row box disabled; its "Mode" box
    // is not the panel's.
    FormCase vek153{Panel::A, "Vek153_Adv"};
    vek153.widgets = {
        rows,
        cols,
        intgTime,
        readMode,
        binning,
        binXOnly,
        darkRows,
        darkCols,
        scaleM,
        readModeY,
        on<&P::spinBorderPixels>("spinBorderPixels")
            .start(own(&ScalerOptions::borderPixels))
            .slot("spinBorderPix_changed(int)")
            .tip(tips::kBorderPixels)
            .back(store(&P::borderPixels)),
        on<&P::spinScaler>("spinN_in")
            .start(192)
            .slot("spinScaler_valueChanged(int)")
            .tip(kGroupLinesIn)
            .back(store(&P::scaler)),
    };
    cases.push_back(vek153);

    // A read-out mode of 3 is stored as 4. "iHDR Enable" shows the family's
    // flag in the form's disabled box.
    const auto readModeThreeAsFour = Widget(readMode).back(store(&P::skipping, threeAsFour));
    FormCase vek155{Panel::A, "Vek155_Adv"};
    vek155.widgets = {
        rows,
        cols,
        intgTime,
        readModeThreeAsFour,
        binning,
        binXOnly,
        on<&P::checkHDR>("checkHDR")
            .start(flag(ctx(&C::hdrMode)))
            .slot("checkHDR_clicked()")
            .tip(tips::kHdr)
            .back(store(&P::hdrMode)),
        darkRows,
        darkCols,
        on<&P::checkTxLatch>("checkTxLatch")
            .start(flag(ctx(&C::txLatch)))
            .slot("checkTxLatch_clicked()")
            .tip(tips::kTxLatch),
        ccRows,
        on<&P::spinScaler>("spinScaler")
            .start(ctx(&C::scaler))
            .slot("spinScaler_valueChanged(int)")
            .tip(tips::kScaler)
            .back(store(&P::scaler)),
        scaleM,
        on<&P::spinSMode>("spinSMode").start(ctx(&C::sMode)).slot("spinSMode_valueChanged(int)"),
    };
    cases.push_back(vek155);

    FormCase vek143{Panel::A, "Vek143_Adv"};
    vek143.widgets = {rows, cols, intgTime, readModeThreeAsFour, binning, binXOnly, darkRows, darkCols, ccRows, scaleM};
    cases.push_back(vek143);

    return cases;
}

} // namespace panels
