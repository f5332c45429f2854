// The start of every sensor set-up: the window's settings, the main form's
// controls and the option panels go back to where a fresh window has them,
// so a sensor calculates and shows the same whichever sensor the window held
// before. What a load keeps is the window's, not the sensor's: the preset and
// configuration file last written, the window geometry and dock arrangement,
// the view toggles, and the controls the bridge families made in code (hidden
// until a bridge set-up shows them again).
#include "pallador.h"

#include "calc/adapter.h"
#include "panels/panels.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>

#include <cstddef>

namespace {

// Nulls a widget reference that points into one of the forms about to go.
template <class Inside, class T> void forget(const Inside &inside, T *&ref)
{
    if (ref && inside(ref))
        ref = nullptr;
}

template <class Inside, class T, std::size_t N> void forget(const Inside &inside, T *(&refs)[N])
{
    for (T *&ref : refs)
        forget(inside, ref);
}

template <class Inside, class... Refs> void forgetAll(const Inside &inside, Refs &...refs)
{
    (forget(inside, refs), ...);
}

} // namespace

void Pallador::forgetWidgetsIn(std::initializer_list<const QWidget *> forms)
{
    Pallador &w = *this;
    const auto inside = [&forms](const QObject *object) {
        for (; object; object = object->parent()) {
            for (const QWidget *form : forms) {
                if (form && object == form)
                    return true;
            }
        }
        return false;
    };
    forgetAll(
        inside, w.checkBinning, w.checkBin2Skip2, w.checkBinXonly, w.checkBinSF, w.checkSkipping, w.checkCentering,
        w.checkAspectRatio, w.checkLowPower, w.checkHighSpeed, w.checkCropping, w.checkOtherLineTime, w.checkHDR,
        w.checkTxLatch, w.checkUseFOV, w.checkShortSeq, w.xScaling, w.yScaling, w.spinSocR, w.spinSocC, w.spinFovR,
        w.spinFovC, w.spinFovY, w.spinFovX, w.spinRows, w.spinCols, w.spinColSub, w.spinRowSub, w.spinReadMode,
        w.spinReadMode_Y, w.spinScaler, w.spinSMode, w.spinScaleM, w.spinBorderPixels, w.comboADCMode, w.comboOutFormat,
        w.comboCCRow, w.comboReadMode, w.comboNumExp, w.comboColSkip, w.comboRowSkip, w.fbMode, w.roi0Spin, w.roi1Spin,
        w.checkInterleave, w.checkLineInterleave, w.checkLineComboMode, w.checkPadding, w.checkDarkRowsB,
        w.checkDarkColsB, w.labelT1T2, w.labelT2T3, w.labelT3T4, w.labelOverFlow, w.scrollAreaFOV, w.comboMax_nExposure,
        w.comboOperMode, w.dSpinDfs, w.go_pro_3x3, w.comboAspectRatio, w.dSpinFovPercent, w.checkConfigBuf,
        w.checkOverlayRW, w.spinConfigBuf_T1, w.spinConfigBuf_T2, w.spinConfigBuf_T3, w.spinShAdv_T2, w.spinShAdv_T3,
        w.spinShAdv_T4, w.checkTrigger, w.radioMaster, w.radioSlave, w.dspinFixLLpck, w.checkAtr_Rows, w.checkDtr_Rows,
        w.checkUse_Reg, w.checkFixLLpck, w.comboEmbedData_Rows, w.comboStatsData_Rows, w.checkDigitalCC, w.comboDTR,
        w.comboATR, w.comboCust_Rev, w.comboOverFlow, w.dSpinIntgTime, w.dSpinIntgTime2, w.dSpinIntgTime3,
        w.dSpinIntgTime4, w.spinT1, w.spinT2, w.spinT3, w.spinT4, w.spinT1_T2, w.spinT2_T3, w.spinT3_T4, w.spinMIT,
        w.comboT1T2, w.comboT2T3, w.comboT3T4, w.spinFP, w.checkActivateAll, w.checkPLL_Bypass, w.checkPLL_P1,
        w.checkPLL_P4, w.checkPLL_P5, w.checkPLL_WCD, w.checkPLL_I2C, w.checkPLL_MinFreq, w.checkPLL_PreScale,
        w.dSpinPLL_OutRate, w.comboPLL_Bits, w.spinPLL_VtDiv, w.spinPLL_MPDiv, w.comboPLL_P1, w.spinPLL_P4,
        w.spinPLL_P5, w.spinPLL_WCD, w.spinPLL_I2C, w.labelPLL_InClk, w.labelPLL_M, w.labelPLL_N, w.labelPLL_P,
        w.labelPLL_P2, w.labelPLL_PixClk, w.labelPLL_MipiClk, w.labelPLL_OutClk, w.labelPllImage, w.comboPLL_InterMode,
        w.comboPLL_Lanes, w.comboPLL_REV, w.check2ClkPix, w.checkUseDataRate, w.checkCombi, w.checkPLL_EmbedData,
        w.checkPLL_EmbedStat, w.checkPLL_MIPICont, w.checkPLL_MIPIHeader, w.checkPLL_DarkRows, w.checkPLL_DarkCols,
        w.checkCompand, w.spinPLL_N2, w.spinPLL_M2, w.spinPLL_VCO2, w.dSpinPLL_VCO2, w.checkPLL_N2, w.checkPLL_M2,
        w.checkPLL_VCO2, w.combo2pixBits, w.comboOutPort, w.check16b8bits, w.checkIme, w.checkSDRMode,
        w.comboPLL_PhyType, w.widgetKeepsync, w.keepSyncCheckBox, w.keepSyncClockLabel, w.pCKLabel, w.fLLabel,
        w.dbspbxKeepSyncClock, w.pCKSpinBox, w.fLSpinBox, w.spinOTPRev);
}

namespace {

// Deletes the option panels and forgets every widget reference into them, so
// that nothing of the previous sensor's forms is used again. Widgets the
// window made elsewhere (the bridge families' controls in the docks) stay.
void discardOptionPanels(Pallador &w)
{
    QWidget *const forms[] = {w.advForm[0], w.advForm[1], w.pllForm};
    w.forgetWidgetsIn({forms[0], forms[1], forms[2]});
    for (QWidget *form : forms)
        delete form;
    w.advForm[0] = w.advForm[1] = w.pllForm = nullptr;
    w.advFormLoaded[0] = w.advFormLoaded[1] = false;
    w.pllFormLoaded = false;
    panels::fitPlaceholders(w);
}

// Closes the option panels of the file loaded again: they stay built with the
// values the engineer left in them, for a re-opening to read back; the PLL
// panel is built anew at its next opening.
void closeOptionPanels(Pallador &w)
{
    for (QWidget *form : {w.advForm[0], w.advForm[1], w.pllForm}) {
        if (form)
            form->hide();
    }
    w.pllFormLoaded = false;
    panels::fitPlaceholders(w);
}

} // namespace

void Pallador::resetSensorState(bool keepPanels)
{
    if (keepPanels)
        closeOptionPanels(*this);
    else
        discardOptionPanels(*this);
    static_cast<SensorSettings &>(*this) = SensorSettings();
    panelOpenedValid[0] = panelOpenedValid[1] = false;
    panelLeftValid[0] = panelLeftValid[1] = false;
    controlDefaults.restore();
    adapter::resetBridgeControls(*this);
    ui.dockImageB->hide();
    ui.actionImage_B->setVisible(false);
}
