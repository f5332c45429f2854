// Context inputs of the image docks: each slot makes its dock's context the
// current one, stores the input into that context's settings and calculates
// the context. The output options store a flag and refresh the register view.
#include "pallador.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

#include <cmath>

double Pallador::numberFromText(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

void Pallador::on_comboTypeFRate_A_currentIndexChanged()
{
    const int i = ui.comboTypeFRate_A->currentIndex();
    currentContext = 0;
    // 0 fixed, 1 variable, 2 discrete variable frame rate; an emptied list
    // (-1) changes nothing.
    switch (i) {
    case 0:
        ui.dSpinMinFRate_A->setEnabled(false);
        variableFps[0] = false;
        discreteFps[0] = false;
        break;
    case 1:
    case 2:
        ui.dSpinMinFRate_A->setEnabled(true);
        variableFps[0] = true;
        discreteFps[0] = i == 2;
        minFps[0] = ui.dSpinMinFRate_A->value();
        break;
    default:
        break;
    }

    // The Yorm_102 bridges: the DFS boxes serve the discrete rate, and a
    // variable rate runs in the first operation mode only, unless the attached
    // sensor is of kind 2.
    if (sensorIndex >= 54 && sensorIndex <= 56) {
        for (QDoubleSpinBox *dfs : dSpinDfs) {
            if (dfs)
                dfs->setEnabled(discreteFps[0]);
        }
        const bool kind2 = calvex && calvex->yorm_102 && calvex->yorm_102->sensorKind == 2;
        if (!kind2 && comboOperMode) {
            if (i == 0) {
                comboOperMode->setEnabled(true);
            } else {
                comboOperMode->setCurrentIndex(0);
                comboOperMode->setEnabled(false);
            }
        }
    }
    recalc(false);
}

void Pallador::on_comboTypeFRate_B_currentIndexChanged()
{
    const int i = ui.comboTypeFRate_B->currentIndex();
    currentContext = 1;
    switch (i) {
    case 0:
        ui.dSpinMinFRate_B->setEnabled(false);
        variableFps[1] = false;
        break;
    case 1:
        ui.dSpinMinFRate_B->setEnabled(true);
        variableFps[1] = true;
        minFps[1] = ui.dSpinMinFRate_B->value();
        break;
    case 2:
        ui.dSpinMinFRate_B->setEnabled(true);
        variableFps[1] = true;
        discreteFps[1] = true;
        minFps[1] = ui.dSpinMinFRate_B->value();
        break;
    default:
        break;
    }
    recalc(false);
}

void Pallador::on_comboMaxFRate_A_currentIndexChanged()
{
    currentContext = 0;
    maxFps[0] = numberFromText(ui.comboMaxFRate_A->currentText());
    recalc(false);
}

void Pallador::on_comboMaxFRate_A_editTextChanged(QString newText)
{
    currentContext = 0;
    maxFps[0] = numberFromText(newText);
    recalc(false);
}

void Pallador::on_comboMaxFRate_B_currentIndexChanged()
{
    currentContext = 1;
    maxFps[1] = numberFromText(ui.comboMaxFRate_B->currentText());
    recalc(false);
}

void Pallador::on_comboMaxFRate_B_editTextChanged(QString newText)
{
    currentContext = 1;
    maxFps[1] = numberFromText(newText);
    recalc(false);
}

void Pallador::on_dSpinMinFRate_A_valueChanged(double newValue)
{
    currentContext = 0;
    minFps[0] = newValue;
    recalc(false);
}

void Pallador::on_dSpinMinFRate_B_valueChanged(double newValue)
{
    currentContext = 1;
    minFps[1] = newValue;
    recalc(false);
}

namespace {

// Blanking type of a context: the user types (2 vertical, 3 horizontal) take
// the dock's one user-blanking box for both directions.
void storeBlankType(Pallador &w, int c, QComboBox *types, QSpinBox *userBlank)
{
    w.currentContext = c;
    w.blankType[c] = types->currentIndex();
    const bool user = w.blankType[c] == 2 || w.blankType[c] == 3;
    userBlank->setEnabled(user);
    if (user) {
        w.userVBlank[c] = userBlank->value();
        w.userHBlank[c] = userBlank->value();
    }
    w.recalc(false);
}

// The user-blanking box edits the direction the blanking type names.
void storeUserBlank(Pallador &w, int c, int value)
{
    w.currentContext = c;
    if (w.blankType[c] == 2)
        w.userVBlank[c] = value;
    else if (w.blankType[c] == 3)
        w.userHBlank[c] = value;
    w.recalc(false);
}

} // namespace

void Pallador::on_comboTypeBlank_A_currentIndexChanged()
{
    storeBlankType(*this, 0, ui.comboTypeBlank_A, ui.spinUserBlank_A);
}

void Pallador::on_comboTypeBlank_B_currentIndexChanged()
{
    storeBlankType(*this, 1, ui.comboTypeBlank_B, ui.spinUserBlank_B);
}

void Pallador::on_spinUserBlank_A_valueChanged(int newValue)
{
    storeUserBlank(*this, 0, newValue);
}

void Pallador::on_spinUserBlank_B_valueChanged(int newValue)
{
    storeUserBlank(*this, 1, newValue);
}

void Pallador::on_checkHorzMirror_A_clicked()
{
    currentContext = 0;
    mirror[0] = ui.checkHorzMirror_A->isChecked();
    recalc(false);
}

void Pallador::on_checkHorzMirror_B_clicked()
{
    currentContext = 1;
    mirror[1] = ui.checkHorzMirror_B->isChecked();
    recalc(false);
}

void Pallador::on_checkVertFlip_A_clicked()
{
    currentContext = 0;
    flip[0] = ui.checkVertFlip_A->isChecked();
    recalc(false);
}

void Pallador::on_checkVertFlip_B_clicked()
{
    currentContext = 1;
    flip[1] = ui.checkVertFlip_B->isChecked();
    recalc(false);
}

// The output options change which register rows are shown, not the values.
void Pallador::on_checkOutputPLL_clicked()
{
    outputPll = ui.checkOutputPLL->isChecked();
    updateRegisterTable();
}

void Pallador::on_checkOutputTiming_clicked()
{
    outputTiming = ui.checkOutputTiming->isChecked();
    updateRegisterTable();
}

// Read when the next preset is written.
void Pallador::on_checkUseSTD_clicked()
{
    useStdTemplate = ui.checkUseSTD->isChecked();
}
