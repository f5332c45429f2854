// Option slots for HDR read-out, exposures, the combination mode and the
// clock options. Besides storing and recalculating they keep the related
// widgets of the open panels consistent, partly from what the last
// calculation left in the family object.
#include "optionslots.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include <initializer_list>

namespace {

bool isOneOf(int sensor, std::initializer_list<int> sensors)
{
    for (int s : sensors) {
        if (s == sensor)
            return true;
    }
    return false;
}

bool inRange(int sensor, int first, int last)
{
    return sensor >= first && sensor <= last;
}

// The line-interleaved HDR sensors with a combination list of exposures
// (Vek_117, Vek_107, Vek_113, Vek_110).
bool isLineComboSensor(int sensor)
{
    return isOneOf(sensor, {83, 84, 85, 92, 93});
}

// Three or four exposures: only then may lines be combined.
bool manyExposures(int index)
{
    return index == 2 || index == 3;
}

// The family's multi-exposure fields (LED-flicker flag, linear mark), when
// the loaded family has them.
const HdrRowFields *hdrFields(const Pallador &w)
{
    return dynamic_cast<const HdrRowFields *>(options::family(w));
}

// Sensor 85: the exposure-register and configure-buffer boxes are of no use
// in linear operation.
void linearModeBoxes(Pallador &w, bool linear)
{
    for (QCheckBox *box : {w.checkUse_Reg, w.checkConfigBuf}) {
        if (linear)
            options::tick(box, false);
        options::enable(box, !linear);
    }
}

// The HDR state the last calculation used, shown on a context panel's HDR
// and interleave boxes (sensors 22, 23, 72 and 73).
void showInterleaveCopies(Pallador &w, int panel, const CContextParams &rec, bool lineInterleave)
{
    options::tick(w.checkHDR[panel], rec.hdrMode != 0);
    options::enable(w.checkInterleave[panel], rec.hdrMode != 0);
    options::tick(w.checkInterleave[panel], rec.interleave != 0);
    if (lineInterleave) {
        options::enable(w.checkLineInterleave[panel], rec.hdrMode != 0);
        options::tick(w.checkLineInterleave[panel], rec.lineInterleave != 0);
    }
}

} // namespace

void Pallador::checkHDR_clicked()
{
    using namespace options;
    const int s = sensorIndex;
    const int chosen = chooseBox(*this, checkHDR);
    if (chosen != None)
        hdrMode[chosen] = checkHDR[chosen]->isChecked() ? 1 : 0;

    // Sarn102: HDR takes the second blanking type of the context.
    if (s == 12) {
        const int c = current(*this);
        if (c == A)
            ui.comboTypeBlank_A->setCurrentIndex(hdrMode[A] ? 1 : 0);
        else if (c == B)
            ui.comboTypeBlank_B->setCurrentIndex(hdrMode[B] ? 1 : 0);
    }

    // Vek123m/d: without HDR four exposures and the wider array.
    if (s == 88 || s == 89) {
        const bool hdr = hdrMode[current(*this)] != 0;
        selectIndex(comboNumExp, hdr ? 1 : 3);
        enable(comboNumExp, hdr);
        for (QWidget *widget : std::initializer_list<QWidget *>{checkInterleave[A], spinT1_T2, spinT2_T3})
            enable(widget, hdr);
        if (spinCols[A])
            spinCols[A]->setMaximum(hdr ? 1920 : 1932);
    }

    // Interleave options follow HDR on the panel under the pointer.
    if (isOneOf(s, {22, 23, 28, 72, 73, 74, 76, 77, 78, 79, 86, 87, 103, 104})) {
        const int p = panelUnderPointer(*this);
        if (p != None) {
            currentContext = p;
            const bool hdr = hdrMode[p] != 0;
            if (inRange(s, 76, 79)) {
                lineInterleave[p] = hdrMode[p];
                tick(checkLineInterleave[p], lineInterleave[p] != 0);
                enable(checkLineInterleave[p], false);
            } else {
                enable(checkInterleave[p], hdr);
            }
            if (inRange(s, 72, 74))
                enable(checkLineInterleave[p], hdr);
            if (!hdr) {
                interleave[p] = 0;
                lineInterleave[p] = 0;
                tick(checkInterleave[p], false);
            }
        }
    }

    // Line interleave, line combination and LED flicker mitigation need HDR.
    if (isOneOf(s, {83, 84, 85, 92}) && panelUnderPointer(*this, false) == A) {
        currentContext = A;
        const bool hdr = hdrMode[A] != 0;
        enable(checkLineInterleave[A], hdr);
        enable(checkLineComboMode[A], hdr && lineInterleave[A] && manyExposures(comboIndex(comboNumExp)));
        if (!hdr) {
            lineInterleave[A] = 0;
            lineComboMode[A] = 0;
            for (QCheckBox *box : {checkLineInterleave[A], checkLineComboMode[A]}) {
                tick(box, false);
                enable(box, false);
            }
            enable(checkPadding[A], false);
        } else {
            enable(checkLineInterleave[A], true);
            enable(checkPadding[A], true);
        }
        if (s == 85) {
            const HdrRowFields *h = hdrFields(*this);
            linearModeBoxes(*this, !hdr && h && h->linearMode);
        }
    }

    // Vek114d: one exposure without HDR, three with it.
    if (s == 94 && panelUnderPointer(*this, false) == A) {
        currentContext = A;
        if (hdrMode[A]) {
            enable(comboNumExp, true);
            selectIndex(comboNumExp, 2);
        } else {
            selectIndex(comboNumExp, 0);
            enable(comboNumExp, false);
        }
    }

    // Vek157b/f: the exposure-ratio list is open exactly while HDR is on.
    if (s == 80 || s == 81)
        enable(comboCCRow[A], ticked(checkHDR[A]));

    recalc(false);

    // Vek106 and Sarn106c share the HDR setting: context B follows.
    if (s == 19 || s == 20) {
        currentContext = B;
        recalc(false);
    }
}

void Pallador::checkCombi_clicked()
{
    using namespace options;
    const int s = sensorIndex;
    if (checkCombi)
        combi = checkCombi->isChecked() ? 1 : 0;

    if (!isOneOf(s, {22, 23, 72, 73, 76, 77, 78, 79, 83, 84, 85, 88, 89, 92, 93})) {
        recalc(false);
        return;
    }

    // In combination mode the calculation clears the context's HDR settings
    // before it hands them to the family; the panels then show its copies.
    currentContext = A;
    recalc(false);
    if (ui.checkAdvParam_A->isChecked()) {
        if (!inRange(s, 76, 79))
            enable(checkHDR[A], combi == 0);
        const CContextParams *rec = familyContext(*this, current(*this));
        if (rec && isOneOf(s, {22, 23, 72, 73}))
            showInterleaveCopies(*this, A, *rec, s == 72 || s == 73);
        if (rec && isLineComboSensor(s)) {
            tick(checkHDR[A], rec->hdrMode != 0);
            enable(checkLineInterleave[A], rec->hdrMode != 0);
            tick(checkLineInterleave[A], rec->lineInterleave != 0);
            enable(checkLineComboMode[A], rec->lineInterleave && manyExposures(comboIndex(comboNumExp)));
            tick(checkLineComboMode[A], rec->lineComboMode != 0);
            if (isOneOf(s, {83, 84, 85})) {
                const int c = current(*this);
                const HdrRowFields *h = hdrFields(*this);
                enable(checkPadding[A], combi == 0 && (binXOnly[c] || binning[c]));
                tick(checkPadding[A], h && h->lfmMode);
            }
        }
    }

    if (!isOneOf(s, {83, 84, 85, 92, 93, 94})) {
        currentContext = B;
        recalc(false);
    }
    if (ui.checkAdvParam_B->isChecked()) {
        if (!inRange(s, 76, 79))
            enable(checkHDR[B], combi == 0);
        const CContextParams *rec = familyContext(*this, current(*this));
        if (rec && isOneOf(s, {22, 23, 72, 73}))
            showInterleaveCopies(*this, B, *rec, s == 72 || s == 73);
    }
    recalc(false);
}

void Pallador::checkLineInterleave_clicked()
{
    using namespace options;
    const int chosen = chooseBox(*this, checkLineInterleave);
    if (chosen != None)
        lineInterleave[chosen] = checkLineInterleave[chosen]->isChecked() ? 1 : 0;
    if (chosen == A && isLineComboSensor(sensorIndex)) {
        enable(checkLineComboMode[A], lineInterleave[A] && manyExposures(comboIndex(comboNumExp)));
        if (!lineInterleave[A]) {
            lineComboMode[A] = 0;
            tick(checkLineComboMode[A], false);
        }
    }
    recalc(false);
}

void Pallador::checkLEDFlickerMitigation_clicked()
{
    using namespace options;
    const int chosen = chooseBox(*this, checkPadding);
    if (chosen != None)
        lfmMode[chosen] = checkPadding[chosen]->isChecked() ? 1 : 0;
    // The binning box shows the mode; ticking it from code stores nothing.
    if (chosen == A && isOneOf(sensorIndex, {83, 84, 92}))
        tick(checkBinning[A], lfmMode[A] != 0);
    recalc(false);
}

void Pallador::comboNumExposures_clicked(int newIndex)
{
    using namespace options;
    const int c = chooseContext(*this, Rule::ABC);
    numExposures[c] = newIndex;
    if (isLineComboSensor(sensorIndex)) {
        const CContextParams *rec = familyContext(*this, c);
        enable(checkLineComboMode[A], rec && rec->lineInterleave && manyExposures(newIndex));
    }
    recalc(false);
}

void Pallador::comboNumMaxExposures_clicked(int newIndex)
{
    using namespace options;
    const int c = chooseContext(*this, Rule::ABC);
    maxExposures[c] = newIndex;
    if (isLineComboSensor(sensorIndex)) {
        // The exposure count offers 1 up to the maximum, the maximum chosen.
        if (comboNumExp && newIndex >= 0 && newIndex <= 3) {
            comboNumExp->clear();
            for (int i = 0; i <= newIndex; ++i)
                comboNumExp->addItem(QString::number(i + 1));
            comboNumExp->setCurrentIndex(newIndex);
        }
        if (sensorIndex == 85) {
            const CContextParams *rec = familyContext(*this, current(*this));
            linearModeBoxes(*this, newIndex == 0 && rec && rec->hdrMode == 0);
        }
    }
    recalc(false);
}

void Pallador::comboSuperExp_clicked(int newIndex)
{
    using namespace options;
    chooseContext(*this, Rule::ABC);
    superExp = newIndex;
    // Vek112m: the exposure counts apply only without super exposure.
    if (sensorIndex == 93) {
        enable(comboNumExp, newIndex == 0);
        enable(comboMax_nExposure, newIndex == 0);
    }
    recalc(false);
}

void Pallador::checkUseReg_clicked()
{
    using namespace options;
    if (checkUse_Reg)
        useReg = checkUse_Reg->isChecked();

    // Exposure rows typed into registers, or ratios between the exposures.
    struct ExposureInputs {
        QWidget *rows[3];
        QWidget *ratios[3];
    };
    ExposureInputs inputs{};
    const int s = sensorIndex;
    if (isLineComboSensor(s))
        inputs = {{spinT2, spinT3, spinT4}, {spinT1_T2, spinT2_T3, spinT3_T4}};
    else if (s == 94)
        inputs = {{spinT2, spinT3, nullptr}, {spinT1_T2, spinT2_T3, nullptr}};
    else if (inRange(s, 99, 101))
        inputs = {{spinT2, spinT3, spinT4}, {comboT1T2, comboT2T3, comboT3T4}};
    for (int i = 0; i < 3; ++i) {
        enable(inputs.rows[i], useReg);
        enable(inputs.ratios[i], !useReg);
    }
    recalc(true);
}

void Pallador::checkUseFixLLpck_clicked()
{
    if (checkFixLLpck)
        useFixLLpck = checkFixLLpck->isChecked();
    if (isLineComboSensor(sensorIndex))
        options::enable(dspinFixLLpck, useFixLLpck);
    recalc(true);
}

void Pallador::checkOddClkRatio_clicked()
{
    using namespace options;
    const bool on = ticked(check16b8bits);
    const int s = sensorIndex;
    if (isOneOf(s, {75, 92, 93, 110})) {
        oddClkRatio = on;
    } else if (s == 85) {
        fastClock = on;
    } else if (s == 83) {
        oddClkRatio = on;
        // Vek_117 offers other bit depths and lane counts with the odd ratio;
        // refilling the lists runs their own slots.
        if (const CFamilyCore *f = family(*this)) {
            const QStringList bits = on ? f->bitDepthChoicesOdd : f->bitDepthChoices;
            const QStringList lanes = on ? f->laneChoicesOdd : f->laneChoices;
            if (comboPLL_Bits) {
                comboPLL_Bits->clear();
                comboPLL_Bits->addItems(bits);
            }
            if (comboPLL_Lanes) {
                comboPLL_Lanes->clear();
                comboPLL_Lanes->addItems(lanes);
            }
        }
    }
    recalc(false);
}

void Pallador::checkIMEMode_clicked()
{
    if (sensorIndex == 83)
        fastClock = options::ticked(checkIme);
    recalc(false);
}

void Pallador::checkDigitalCC_clicked()
{
    if (sensorIndex == 82) {
        digitalCC = options::ticked(checkDigitalCC);
        recalc(false);
        options::enable(comboCCRow[options::A], digitalCC);
    } else if (sensorIndex == 93) {
        recalc(false);
    }
}
