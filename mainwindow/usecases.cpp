// Use-case loading: a use case of the configuration file is copied into a
// context's settings, the context's frame-rate and blanking widgets follow it,
// the loaded family takes its own share, and the context is calculated once.
#include "pallador.h"

#include "calvex.h"
#include "cguivars.h"
#include "registerdataio.h"

#include <QComboBox>
#include <QMessageBox>

#include <cmath>

namespace {

QString frameRateText(double fps)
{
    return QStringLiteral("%1").arg(fps, 0, 'g', 6);
}

// The bridge families (sensors 54 to 58, one context): the operation mode
// follows the use case, and the frame-rate list is the family's aspect-ratio
// list or its plain list with the use case's rate cut to whole frames.
// minFreqWithoutAspect: the minimum-frequency PLL setting of a use case
// without an aspect-ratio mode.
void loadBridgeUseCase(Pallador &w, int c, const CBridgeFamily *bridge, bool minFreqWithoutAspect)
{
    QComboBox *const frameRates = w.ui.comboMaxFRate_A;
    if (w.comboOperMode)
        w.comboOperMode->setCurrentIndex(w.hdrMode[c]);
    if (w.aspectRatioFlag[0]) {
        w.pllMinFreq = false;
        frameRates->clear();
        if (bridge)
            frameRates->addItems(bridge->aspectFrameRateChoices);
        w.tellUser(QMessageBox::Warning, QStringLiteral("Pallador"), QStringLiteral("Kiltboard Cannot support this mode"));
    } else {
        // Cut as a double: a rate beyond the int range stays defined.
        const double wholeFrames = std::trunc(w.maxFps[c]);
        w.pllMinFreq = minFreqWithoutAspect;
        frameRates->clear();
        if (bridge)
            frameRates->addItems(bridge->results.frameRateChoices);
        w.maxFps[c] = wholeFrames;
        frameRates->setEditText(frameRateText(wholeFrames));
    }
}

// The read-mode entry of sensors 62 to 64 that a use case selects.
QString vek125ReadMode(int binning, int skipping, int bin2Skip2)
{
    const QString full = QStringLiteral("Full Size");
    const QString skip2Bin2 = QStringLiteral("Skip 2, Bin 2, Step 4x4");
    if (bin2Skip2 == 1)
        return skip2Bin2;
    if (binning == 1)
        return skipping == 1 ? skip2Bin2 : skipping == 0 ? QStringLiteral("Bin 2x2") : full;
    if (binning != 0)
        return full;
    return skipping == 1 ? QStringLiteral("Skip 2x2") : skipping == 2 ? QStringLiteral("Skip 4x4") : full;
}

void loadVek125UseCase(Pallador &w, int c)
{
    if (w.guiVars) {
        w.guiVars->setValue("Rows", w.rows[c]);
        w.guiVars->setValue("Cols", w.cols[c]);
        w.guiVars->setValue("IntgTime", w.intgTime[c]);
    }
    // An entry that is not in the list leaves the combo without a current entry.
    if (QComboBox *readMode = w.comboReadMode[0]) {
        const QString text = vek125ReadMode(w.binning[c], w.skipping[c], w.bin2Skip2[c]);
        readMode->setCurrentIndex(readMode->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
}

// Sensors 65 and 66: the skipping box and the size boxes are bound variables.
void loadBoundSizeUseCase(Pallador &w, int c, const char *skippingName)
{
    if (!w.guiVars)
        return;
    // The skipping box belongs to the advanced form; a form without it has
    // nothing to set.
    if (const GUIVAR_ITEM_T *skip = w.guiVars->find(skippingName); skip && skip->check)
        w.guiVars->setChecked(skippingName, w.skipping[c] != 0);
    w.guiVars->setValue("spinRows", w.rows[c]);
    w.guiVars->setValue("spinCols", w.cols[c]);
}

// Sensor 114: the radar configuration is carried by thirteen use-case fields.
void loadHolvUseCase(HolvConfigBlock &block, const CUseCase &u)
{
    block.bitsPerSample = u.cropping;
    block.decimation = u.centering;
    block.chirpResetTime = u.cif;
    block.chirpRampTime = u.hd720p;
    block.freqMin = u.extraValue;
    block.slope = u.aspectRatio;
    block.adcStartTime = u.intgTime;
    block.adcSamples = u.lowPower;
    block.adcClock = u.extraMode;
    block.mipiWordClock = u.blankType;
    block.chirpsPerFrame = u.highSpeed;
    block.elevation = u.hdrMode != 0;
    block.tdmMimo = u.exposures != 0;
}

} // namespace

void Pallador::LoadUseCase(int Context, int selectType)
{
    // A just-emptied list reports -1. A number outside the use cases or a
    // context outside A, B and C has nothing to load into or from.
    if (selectType < 0 || !dataIO || !dataIO->useCases || selectType >= dataIO->getUseCaseNumber() || Context < 0 ||
        Context > 2)
        return;

    const int c = Context;
    currentContext = c;
    const CUseCase useCase = dataIO->useCases[selectType];

    // Mirror and flip stay the context's own.
    binning[c] = useCase.binning;
    binXOnly[c] = useCase.binXOnly;
    bin2Skip2[c] = useCase.bin2Skip2;
    binSF[c] = useCase.binSF;
    skipping[c] = useCase.skipping;
    skippingY[c] = useCase.skippingY;
    lowPower[c] = useCase.lowPower;
    cropping[c] = useCase.cropping;
    centering[c] = useCase.centering;
    cif[c] = useCase.cif;
    hd720p[c] = useCase.hd720p;
    cols[c] = useCase.cols;
    rows[c] = useCase.rows;
    fovCols[c] = useCase.fovCols;
    fovRows[c] = useCase.fovRows;
    hdrMode[c] = useCase.hdrMode;
    aspectRatio[c] = useCase.aspectRatio;
    aspectRatioFlag[c] = useCase.aspectRatio != 0;
    highSpeed[c] = useCase.highSpeed != 0;
    intgTime[c] = useCase.intgTime;
    maxFps[c] = useCase.maxFps;
    blankType[c] = useCase.blankType;
    goProMode[c] = useCase.goProMode;

    // The widget changes below run their slots, which store but do not
    // calculate; a load that starts while busy is set leaves it set.
    const bool wasBusy = busy;
    busy = true;

    QComboBox *const frameRates[] = {ui.comboMaxFRate_A, ui.comboMaxFRate_B, ui.comboMaxFRate_C};
    QComboBox *const blankTypes[] = {ui.comboTypeBlank_A, ui.comboTypeBlank_B, ui.comboTypeBlank_C};
    // A use case without a rate keeps the rate the list shows.
    if (maxFps[c] == 0.0)
        maxFps[c] = numberFromText(frameRates[c]->currentText());
    else
        frameRates[c]->setEditText(frameRateText(maxFps[c]));
    blankTypes[c]->setCurrentIndex(blankType[c]);

    switch (sensorIndex) {
    case 9:
    case 10:
    case 11:
        if (calvex && calvex->murn_101)
            calvex->murn_101->useCaseMode = useCase.hdrMode;
        break;
    case 54:
    case 55:
    case 56:
        loadBridgeUseCase(*this, c, calvex ? calvex->yorm_102 : nullptr, true);
        break;
    case 57:
        loadBridgeUseCase(*this, c, calvex ? calvex->yorm_105 : nullptr, false);
        break;
    case 58:
        loadBridgeUseCase(*this, c, calvex ? calvex->yorm_106 : nullptr, false);
        break;
    case 62:
    case 63:
    case 64:
        loadVek125UseCase(*this, c);
        break;
    case 65:
        loadBoundSizeUseCase(*this, c, "checkRowSkipping");
        break;
    case 66:
        loadBoundSizeUseCase(*this, c, "checkSkipping");
        break;
    case 99:
    case 100:
    case 101:
        hdrMode[c] = 0;
        numExposures[c] = useCase.exposures - 1;
        break;
    case 105:
    case 106:
    case 107:
    case 108:
    case 109:
        otherLineTime[c] = 0;
        lowPower[c] = 1;
        skipping[c] = 0;
        scaler[c] = 1000;
        scaleM[c] = 0;
        txLatch[c] = false;
        shortSeq = true;
        break;
    case 114:
        if (calvex && calvex->holv_101)
            loadHolvUseCase(calvex->holv_101->configBlock, useCase);
        break;
    default:
        break;
    }

    busy = wasBusy;
    recalc(false);
}

void Pallador::on_comboUseCase_A_currentIndexChanged()
{
    LoadUseCase(0, ui.comboUseCase_A->currentIndex());
}

void Pallador::on_comboUseCase_B_currentIndexChanged()
{
    LoadUseCase(1, ui.comboUseCase_B->currentIndex());
}
