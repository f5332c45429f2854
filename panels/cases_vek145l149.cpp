// Context-A advanced panels of the focal-plane array sensor and of the two
// families that share one form: the forms Vek145l_Adv and Vek149_Adv.
#include "commonwidgets.h"
#include "panels.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMetaObject>
#include <QSpinBox>

#include <cstddef>
#include <utility>

namespace panels {

namespace {

using P = Pallador;
using M = CModeState;
using C = CContextParams;

// The sixteen focal-plane boxes, row by row; box i shows the family's power
// option of plane i. They are connected only once the revision has set their
// range (see reviseFocalPlanes).
constexpr const char *kFocalPlaneNames[16] = {
    "spinFP1", "spinFP2",  "spinFP3",  "spinFP4",  "spinFP5",  "spinFP6",  "spinFP7",  "spinFP8",
    "spinFP9", "spinFP10", "spinFP11", "spinFP12", "spinFP13", "spinFP14", "spinFP15", "spinFP16",
};

template <std::size_t... I> std::vector<Widget> focalPlanes(std::index_sequence<I...>)
{
    return {on<&P::spinFP, int(I)>(kFocalPlaneNames[I])
                .start(ctx(&C::fpOptions, int(I)))
                .slot("spinFP_valueChanged(int)")
                .connectAfterRule()...};
}

// The revision slot relabels the legend, limits the focal-plane boxes to the
// options of the window's revision and recalculates: the one calculation of
// this panel's first opening. The revision combo keeps its form item.
void reviseFocalPlanes(Pallador &w, int)
{
    QMetaObject::invokeMethod(&w, "comboPLL_REV_currentIndexChanged", Qt::DirectConnection, Q_ARG(int, w.revIndex));
}

} // namespace

std::vector<FormCase> vek145l149Cases()
{
    std::vector<FormCase> cases;

    // Column and row skipping are shown by the family's skip factors; the
    // focal-plane count, the packing, "Activate all" and the revision act
    // only through their slots.
    FormCase vek145l{Panel::A, "Vek145l_Adv"};
    vek145l.widgets = {
        on<&P::checkSkipping>("checkSkipping")
            .start(factor(mode(&M::colSkip)))
            .slot("checkSkipping_clicked()")
            .tip(tips::kSkipDot)
            .back(store(&P::skipping)),
        on<&P::checkBinXonly>("checkBinXonly")
            .start(factor(mode(&M::rowSkip)))
            .slot("checkBinXonly_clicked()")
            .tip(tips::kBinDot)
            .back(store(&P::binXOnly)),
        rowsForMode(),
        colsForMode(),
        integrationTime(),
        on<&P::spinScaleM>("spinFocalPlanes").start(ctx(&C::scaleM)).slot("spinScaleM_valueChanged(int)"),
        on<&P::checkInterleave>("checkFreeRun")
            .start(flag(ctx(&C::interleave)))
            .slot("checkInterleave_clicked()")
            .tip("Check to activate Free Running mode")
            .back(store(&P::interleave)),
        on<&P::comboCCRow>("comboPackMod").slot("comboCCRow_currentIndexChanged(int)"),
        on<&P::checkActivateAll>("checkActivateAll").slot("checkActiveAll_clicked()"),
        on<&P::comboPLL_REV>("comboRev").slot("comboPLL_REV_currentIndexChanged(int)"),
    };
    const std::vector<Widget> planes = focalPlanes(std::make_index_sequence<16>());
    vek145l.widgets.insert(vek145l.widgets.end(), planes.begin(), planes.end());
    vek145l.connected = reviseFocalPlanes;
    vek145l.toolTipsOnReopen = true;
    cases.push_back(vek145l);

    // Vek_147 (42, 43) and Vek_149 (44, 45) alike. The box captioned "Show
    // Dark Cols" is the dark-rows box and the other way round; both act only
    // through their slots, as do "Low Power", "Mode:" and "Overlap Timing".
    FormCase vek149{Panel::A, "Vek149_Adv"};
    vek149.widgets = {
        rowsForMode(),
        colsForMode(),
        integrationTime(),
        on<&P::spinReadMode>("spinReadMode")
            .start(ctx(&C::skipping))
            .slot("spinReadMode_valueChanged(int)")
            .tip(tips::kReadMode)
            .back(store(&P::skipping, threeAsFour)),
        on<&P::checkBinning>("checkBinning")
            .start(flag(ctx(&C::binning)))
            .slot("checkBinning_clicked()")
            .tip(tips::kYSumming)
            .back(store(&P::binning)),
        on<&P::checkHDR>("checkHDR")
            .start(flag(ctx(&C::hdrMode)))
            .slot("checkHDR_clicked()")
            .tip(tips::kHdr)
            .back(store(&P::hdrMode)),
        on<&P::checkPLL_DarkRows>("checkPLL_DarkRows")
            .start(flag(pll(&CPllParams::darkRows)))
            .slot("checkPLL_DarkRows_clicked()")
            .tip(tips::kDarkRows),
        on<&P::checkPLL_DarkCols>("checkPLL_DarkCols")
            .start(flag(pll(&CPllParams::darkColumns)))
            .slot("checkPLL_DarkCols_clicked()")
            .tip(tips::kDarkCols),
        on<&P::checkLowPower>("checkLowPower")
            .start(flag(mode(&M::lowPower)))
            .slot("checkLowPower_clicked()")
            .tip(tips::kLowPower),
        on<&P::spinScaler>("spinScaler")
            .start(ctx(&C::scaler))
            .slot("spinScaler_valueChanged(int)")
            .tip(tips::kScaler)
            .back(store(&P::scaler)),
        on<&P::spinScaleM>("spinScaleM")
            .start(ctx(&C::scaleM))
            .slot("spinScaleM_valueChanged(int)")
            .tip(tips::kScaleM)
            .back(store(&P::scaleM)),
        on<&P::spinSMode>("spinSMode").start(ctx(&C::sMode)).slot("spinSMode_valueChanged(int)"),
        on<&P::checkTxLatch>("checkTxLatch")
            .start(flag(ctx(&C::txLatch)))
            .slot("checkTxLatch_clicked()")
            .tip("Check when you want row sample to overlap readout"),
    };
    cases.push_back(vek149);

    return cases;
}

} // namespace panels
