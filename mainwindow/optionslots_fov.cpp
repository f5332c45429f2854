// Option slots for the field of view, crop and output window sizes, read-out
// modes, output and image formats, high speed, trigger mode and the focal
// planes of Vek145l. Two of them check a range and warn the user.
#include "optionslots.h"

#include "calvex.h"
#include "windowvalues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QSpinBox>

namespace {

constexpr auto kTitle = "Pallador";

bool isBridge(int sensor)
{
    return sensor >= 54 && sensor <= 58;
}

// Sensors whose output window is the FOV (Vek124, Pirn106, Vek125 forms).
bool isFovOutput(int sensor)
{
    return sensor == 26 || sensor == 27 || (sensor >= 62 && sensor <= 64);
}

// The members a size input writes, by sensor group.
using SizeMember = int (Pallador::*)[3];
struct SizeTargets {
    SizeMember bridge[3];
    SizeMember fovOutput[3];
    SizeMember other[3];
};

constexpr SizeTargets kFovCols = {{&Pallador::socCols, &Pallador::cols, &Pallador::fovCols},
                                  {&Pallador::cols, &Pallador::fovCols, nullptr},
                                  {&Pallador::fovCols, nullptr, nullptr}};
constexpr SizeTargets kFovRows = {{&Pallador::socRows, &Pallador::rows, &Pallador::fovRows},
                                  {&Pallador::rows, &Pallador::fovRows, nullptr},
                                  {&Pallador::fovRows, nullptr, nullptr}};
constexpr SizeTargets kSocCols = {{&Pallador::cols, &Pallador::socCols, nullptr},
                                  {&Pallador::socCols, nullptr, nullptr},
                                  {&Pallador::socCols, nullptr, nullptr}};
constexpr SizeTargets kSocRows = {{&Pallador::rows, &Pallador::socRows, nullptr},
                                  {&Pallador::socRows, nullptr, nullptr},
                                  {&Pallador::socRows, nullptr, nullptr}};

void storeSize(Pallador &w, const SizeTargets &targets, int value)
{
    const int c = options::chooseContext(w, options::Rule::ABC);
    const SizeMember *members = isBridge(w.sensorIndex)      ? targets.bridge
                                : isFovOutput(w.sensorIndex) ? targets.fovOutput
                                                             : targets.other;
    for (int i = 0; i < 3 && members[i]; ++i)
        (w.*members[i])[c] = value;
}

// The bridges keep the FOV start inside limits the last calculation left;
// a value outside is stored all the same, but the box turns red and the
// user is told.
void checkFovStart(Pallador &w, QSpinBox *box, int context, int value, bool xAxis)
{
    if (!isBridge(w.sensorIndex))
        return;
    const CFamilyCore *f = options::family(w);
    if (!f)
        return;
    const CModeState &m = f->mode[qMin(context, int(options::B))];
    const int lo = xAxis ? m.fovXMin : m.fovYMin;
    const int hi = xAxis ? m.fovXMax : m.fovYMax;
    if (value > hi || value < lo) {
        if (box)
            box->setStyleSheet(QStringLiteral("background-color:red;"));
        w.tellUser(QMessageBox::Critical, QLatin1String(kTitle),
                   QStringLiteral("Data out of bound! Please adjust sensor FOV."));
    } else if (box) {
        box->setStyleSheet(QStringLiteral("background-color:white;"));
    }
}

// Vek135d/Vek136d have no read mode 3: the box steps over it, away from the
// mode it came from; the step runs the box's slot again. Returns the mode
// that stands.
int stepOverThree(Pallador &w, QSpinBox *box, int value)
{
    if (value != 3)
        return value;
    const bool up = w.lastReadMode < 3;
    if (box) {
        if (up)
            box->stepUp();
        else
            box->stepDown();
    }
    return up ? 4 : 2;
}

void readModeStep(Pallador &w, QSpinBox *box, int (&member)[3], int value)
{
    const int c = options::chooseContext(w, options::Rule::PanelA);
    member[c] = value;
    if (w.sensorIndex == 90 || w.sensorIndex == 91) {
        member[c] = stepOverThree(w, box, value);
        w.lastReadMode = box ? box->value() : member[c];
    }
}

// Vek145l: the panel shows how many focal planes the last calculation found
// active; a changed count runs the count's own slot.
void showActivePlanes(Pallador &w)
{
    if (w.sensorIndex != 41 || !w.spinScaleM || !w.calvex || !w.calvex->vek_145l)
        return;
    w.spinScaleM->setValue(w.calvex->vek_145l->ctx[options::A].scaleM);
}

} // namespace

// ---------------------------------------------------------------------------
// Use of the array FOV.

void Pallador::checkUseFOV_clicked2()
{
    using namespace options;
    const int p = chooseBox(*this, checkUseFOV);
    if (p != None) {
        const bool on = checkUseFOV[p]->isChecked();
        useFov[p] = on;
        setShown(comboColSkip[p], on);
        setShown(comboRowSkip[p], on);
        for (QWidget *widget :
             std::initializer_list<QWidget *>{spinCols[p], spinRows[p], checkSkipping[p], checkBinXonly[p]})
            enable(widget, !on);
        if (on) {
            if (comboColSkip[p])
                binXOnly[p] = twoToThe(comboColSkip[p]->currentIndex());
            if (comboRowSkip[p])
                skipping[p] = twoToThe(comboRowSkip[p]->currentIndex());
        } else {
            binXOnly[p] = ticked(checkBinXonly[p]) ? 1 : 0;
            skipping[p] = ticked(checkSkipping[p]) ? 1 : 0;
        }
        if (spinCols[p])
            cols[p] = spinCols[p]->value();
        if (spinRows[p])
            rows[p] = spinRows[p]->value();
    }
    recalc(false);
}

void Pallador::checkUseFOV_clicked()
{
    using namespace options;
    const int p = chooseBox(*this, checkUseFOV);
    if (p != None) {
        const bool on = checkUseFOV[p]->isChecked();
        const int s = sensorIndex;
        // Vek123m/d decide the sub-sampling boxes by the window size of
        // context A.
        const bool vek123 = (s == 88 || s == 89) && p == A;
        useFov[p] = on;
        setShown(spinColSub[p], on);
        setShown(spinRowSub[p], on);
        for (QWidget *widget :
             std::initializer_list<QWidget *>{spinCols[p], spinRows[p], checkSkipping[p], checkBinXonly[p]})
            enable(widget, !on);
        if (on) {
            if (spinColSub[p])
                binXOnly[p] = spinColSub[p]->value();
            if (spinRowSub[p])
                skipping[p] = spinRowSub[p]->value();
        } else {
            binXOnly[p] = ticked(checkBinXonly[p]) ? 1 : 0;
            skipping[p] = ticked(checkSkipping[p]) ? 1 : 0;
        }
        // Sarn112 takes the FOV from its own boxes while the array FOV is
        // used; Vek123m/d keep the window size.
        const bool keepSize = on && (s == 30 || vek123);
        if (!keepSize) {
            if (spinCols[p])
                cols[p] = spinCols[p]->value();
            if (spinRows[p])
                rows[p] = spinRows[p]->value();
        }
        if (s == 30) {
            enable(spinFovC[p], on);
            enable(spinFovR[p], on);
            if (on && spinFovC[p])
                fovCols[p] = spinFovC[p]->value();
            if (on && spinFovR[p])
                fovRows[p] = spinFovR[p]->value();
        }
        if (vek123) {
            enable(checkSkipping[A], cols[A] < 964);
            enable(checkBinXonly[A], rows[A] < 560);
            enable(comboAspectRatio, on);
            enable(dSpinFovPercent, on);
        }
    }
    recalc(false);
}

// ---------------------------------------------------------------------------
// FOV, crop and output window sizes and the FOV start.

void Pallador::spinFovC_valueChanged(int newValue)
{
    storeSize(*this, kFovCols, newValue);
    recalc(false);
}

void Pallador::spinFovR_valueChanged(int newValue)
{
    storeSize(*this, kFovRows, newValue);
    recalc(false);
}

void Pallador::spinSocC_valueChanged(int newValue)
{
    storeSize(*this, kSocCols, newValue);
    recalc(false);
}

void Pallador::spinSocR_valueChanged(int newValue)
{
    storeSize(*this, kSocRows, newValue);
    recalc(false);
}

void Pallador::spinFovX_valueChanged(int newValue)
{
    const int c = options::chooseContext(*this, options::Rule::ABC);
    checkFovStart(*this, spinFovX[options::A], c, newValue, true);
    fovX[c] = newValue;
    recalc(false);
}

void Pallador::spinFovY_valueChanged(int newValue)
{
    const int c = options::chooseContext(*this, options::Rule::AB);
    checkFovStart(*this, spinFovY[options::A], c, newValue, false);
    fovY[c] = newValue;
    recalc(false);
}

// ---------------------------------------------------------------------------
// Read-out modes.

void Pallador::spinReadMode_valueChanged(int newValue)
{
    if (sensorIndex == 71) {
        // Sarn107k: the crop window must fit the sub-sampled FOV, and the
        // output window the crop window.
        const int c = options::chooseContext(*this, options::Rule::PanelA);
        skipping[c] = newValue;
        // Mode m reads every (m + 1)-th row and column.
        const int step = qMax(1, saturated(newValue, 1, 1));
        const char *problem = nullptr;
        if (fovCols[c] / step < socCols[c] || fovRows[c] / step < socRows[c])
            problem = "Crop window is too big!";
        else if (socCols[c] < cols[c] || socRows[c] < rows[c])
            problem = "Output window is too big!";
        if (problem) {
            tellUser(QMessageBox::Critical, QLatin1String(kTitle), QLatin1String(problem));
            skipping[c] = 0;
        }
    } else if (sensorIndex == 82) {
        // Vek137: the box shows the read-out mode, which counts from 0, plus 1.
        skipping[options::chooseContext(*this, options::Rule::PanelA)] = saturated(newValue, -1, 1);
    } else {
        readModeStep(*this, spinReadMode, skipping, newValue);
    }
    recalc(false);
}

void Pallador::spinReadMode2_valueChanged(int newValue)
{
    readModeStep(*this, spinReadMode_Y, skippingY, newValue);
    recalc(false);
}

void Pallador::comboReadMode_currentIndexChanged(int newIndex)
{
    using namespace options;
    currentContext = A;
    skipping[A] = twoToThe(newIndex);
    if (sensorIndex == 26) {
        // Vek124: binning needs a read mode of 2 or 4, the skip-bin
        // combination 4.
        const bool binningOn = skipping[A] == 2 || skipping[A] == 4;
        const bool binSfOn = skipping[A] == 4;
        if (skipping[A] == 1 || skipping[A] == 2 || skipping[A] == 4) {
            if (!binningOn)
                tick(checkBinning[A], false);
            enable(checkBinning[A], binningOn);
            if (!binSfOn)
                tick(checkBinSF[A], false);
            enable(checkBinSF[A], binSfOn);
        }
    }
    if (sensorIndex >= 62 && sensorIndex <= 64)
        combi = newIndex;
    recalc(false);
}

// ---------------------------------------------------------------------------
// Output format, image type and high speed.

void Pallador::comboOutFormat_currentIndexChanged(int newIndex)
{
    using namespace options;
    chooseContext(*this, Rule::ABC);
    if (sensorIndex == 27) {
        outFormat[A] = newIndex;
        // Pirn106: each output format has its own image types. The image
        // type combo of the context-A panel is held in the B format entry.
        QComboBox *imageTypes = comboOutFormat[B];
        const Murn_109 *f = calvex ? calvex->murn_109 : nullptr;
        if (imageTypes && f) {
            const int list = newIndex >= 1 && newIndex <= 3 ? newIndex : 0;
            const QStringList names = f->imageTypeLists[list];
            imageTypes->clear();
            imageTypes->addItems(names);
            imageTypes->setCurrentIndex(0);
        }
    }
    if (sensorIndex == 31) {
        // Sarn116k: the format combo with the keyboard focus names the context.
        if (ui.checkAdvParam_A->isChecked() && comboOutFormat[A] && comboOutFormat[A]->hasFocus())
            currentContext = A;
        if (ui.checkAdvParam_B->isChecked() && comboOutFormat[B] && comboOutFormat[B]->hasFocus())
            currentContext = B;
    }
    outFormat[current(*this)] = newIndex;
    recalc(false);
}

void Pallador::comboImageType_currentIndexChanged(int newIndex)
{
    using namespace options;
    const int c = chooseContext(*this, Rule::ABC);
    imageType[sensorIndex == 27 ? int(A) : c] = newIndex;
    recalc(false);
}

void Pallador::checkHighSpeed_clicked()
{
    using namespace options;
    int c = panelUnderPointer(*this);
    // A PLL panel's high-speed box is held in the context-A entry; the
    // bridges use it whatever the pointer rests on.
    if (c == None && (ui.widgetADV_PLL->underMouse() || (sensorIndex >= 54 && sensorIndex <= 58)))
        c = A;
    if (c != None && checkHighSpeed[c]) {
        currentContext = c;
        highSpeed[c] = checkHighSpeed[c]->isChecked();
    }
    // Sarn113k: the JPEG box is the output format.
    if (sensorIndex == 69)
        outFormat[current(*this)] = highSpeed[current(*this)] ? 1 : 0;
    recalc(false);
}

// ---------------------------------------------------------------------------
// Trigger mode and focal planes.

void Pallador::checkTrigger_clicked()
{
    using namespace options;
    if (checkTrigger)
        trigger = checkTrigger->isChecked();
    enable(radioSlave, trigger);
    enable(radioMaster, trigger);
    if (trigger) {
        slaveMode = ticked(radioSlave);
    } else {
        slaveMode = false;
        tick(radioMaster, true);
    }
    recalc(false);
}

void Pallador::checkActiveAll_clicked()
{
    using namespace options;
    QCheckBox *const boxes[2] = {checkActivateAll, nullptr};
    if (chooseBox(*this, boxes, true) == A)
        activateAll = checkActivateAll->isChecked();
    for (int i = 0; i < 16; ++i) {
        enable(spinFP[i], !activateAll);
        fpOptions[i] = 0;
        if (spinFP[i])
            spinFP[i]->setValue(0);
    }
    recalc(false);
    showActivePlanes(*this);
}

void Pallador::spinFP_valueChanged(int newValue)
{
    options::chooseContext(*this, options::Rule::AB);
    // The box being edited has the keyboard focus.
    for (int i = 0; i < 16; ++i) {
        if (spinFP[i] && spinFP[i]->hasFocus()) {
            fpOptions[i] = newValue;
            break;
        }
    }
    recalc(false);
    showActivePlanes(*this);
}
