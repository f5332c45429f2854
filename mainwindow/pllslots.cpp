// PLL inputs of the PLL dock and of the advanced PLL panel. The PLL settings
// belong to the whole sensor: no slot here changes the current context, and
// as a rule each ends with a PLL-level calculation. Widgets of the panel are
// reached through the window's references, which stay null while the loaded
// form (if any) lacks them; a missing box reads as unticked.
#include "pallador.h"

#include "calvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>

#include <initializer_list>

namespace {

bool ticked(const QCheckBox *box)
{
    return box && box->isChecked();
}

void enable(QWidget *widget, bool on)
{
    if (widget)
        widget->setEnabled(on);
}

// The family object of a bridge sensor (54 to 58), or null.
const CBridgeFamily *bridgeFamily(const CCalvex *calvex, int sensorIndex)
{
    if (!calvex)
        return nullptr;
    switch (sensorIndex) {
    case 54:
    case 55:
    case 56:
        return calvex->yorm_102;
    case 57:
        return calvex->yorm_105;
    case 58:
        return calvex->yorm_106;
    default:
        return nullptr;
    }
}

} // namespace

// ---------------------------------------------------------------------------
// PLL dock.

void Pallador::on_dSpinPLL_Input_valueChanged(double newValue)
{
    pllInput = newValue;
    recalc(true);
}

void Pallador::on_dSpinPLL_Target_valueChanged(double newValue)
{
    pllTarget = newValue;
    recalc(true);
}

void Pallador::on_dSpinPLL_VCO_valueChanged(double newValue)
{
    pllVco = newValue;
    recalc(true);
}

void Pallador::on_spinPLL_N_valueChanged(int newValue)
{
    pllN = newValue;
    recalc(true);
}

void Pallador::on_spinPLL_M_valueChanged(int newValue)
{
    pllM = newValue;
    recalc(true);
}

// The override values follow their boxes whether ticked or not; the
// calculation passes them only while the box is ticked.
void Pallador::on_checkPLL_VCO_clicked()
{
    ui.dSpinPLL_VCO->setEnabled(ui.checkPLL_VCO->isChecked());
    recalc(true);
}

void Pallador::on_checkPLL_N_clicked()
{
    const bool on = ui.checkPLL_N->isChecked();
    ui.spinPLL_N->setEnabled(on);
    if (on)
        pllN = ui.spinPLL_N->value();
    recalc(true);
}

void Pallador::on_checkPLL_M_clicked()
{
    const bool on = ui.checkPLL_M->isChecked();
    ui.spinPLL_M->setEnabled(on);
    if (on)
        pllM = ui.spinPLL_M->value();
    recalc(true);
}

void Pallador::on_comboPLL_Interface_currentIndexChanged()
{
    interfaceIndex = ui.comboPLL_Interface->currentIndex();
    // Vek124: the target clock is taken again for the new interface.
    if (sensorIndex == 26)
        on_dSpinPLL_Target_valueChanged(ui.dSpinPLL_Target->value());
    recalc(true);
}

// ---------------------------------------------------------------------------
// Advanced PLL panel: plain stores.

void Pallador::checkPLL_AutoAdjust_clicked()
{
    pllAutoAdjust = ticked(checkUseDataRate);
    recalc(true);
}

void Pallador::checkPLL_Companding_clicked()
{
    companding = ticked(checkCompand);
    recalc(true);
}

void Pallador::checkPLL_DarkCols_clicked()
{
    darkCols = ticked(checkPLL_DarkCols);
    recalc(true);
}

void Pallador::checkPLL_DarkRows_clicked()
{
    darkRows = ticked(checkPLL_DarkRows);
    recalc(true);
}

void Pallador::checkPLL_EmbedData_clicked()
{
    embedData = ticked(checkPLL_EmbedData);
    recalc(true);
}

void Pallador::checkPLL_EmbedStat_clicked()
{
    embedStat = ticked(checkPLL_EmbedStat);
    recalc(true);
}

void Pallador::checkPLL_MIPICont_clicked()
{
    mipiCont = ticked(checkPLL_MIPICont);
    recalc(true);
}

void Pallador::checkPLL_MIPIHeader_clicked()
{
    mipiHeader = ticked(checkPLL_MIPIHeader);
    recalc(true);
}

void Pallador::checkPLL_PreScale_clicked()
{
    pllPreScale = ticked(checkPLL_PreScale);
    recalc(true);
}

void Pallador::comboPLL_2PixBits_currentIndexChanged(int newIndex)
{
    twoPixBits = newIndex;
    recalc(true);
}

void Pallador::comboPLL_OpBits_currentIndexChanged(int newIndex)
{
    opBits = newIndex;
    recalc(true);
}

void Pallador::comboPLL_OutPort_currentIndexChanged(int newIndex)
{
    outPort = newIndex;
    recalc(true);
}

void Pallador::comboPLL_PhyCD_currentIndexChanged(int newIndex)
{
    phyCd = newIndex;
    recalc(true);
}

// The P1 list shows the divider values themselves; an item that is not a
// decimal integer stores 0.
void Pallador::comboPLL_P1_currentIndexChanged(int newIndex)
{
    bool ok = false;
    const int value = comboPLL_P1 ? comboPLL_P1->itemText(newIndex).toInt(&ok, 10) : 0;
    pllP1 = ok ? value : 0;
    recalc(true);
}

void Pallador::spinPLL_P4_valueChanged(int newValue)
{
    pllP4 = newValue;
    recalc(true);
}

void Pallador::spinPLL_P5_valueChanged(int newValue)
{
    pllP5 = newValue;
    recalc(true);
}

void Pallador::spinPLL_WCD_valueChanged(int newValue)
{
    pllWcd = newValue;
    recalc(true);
}

// Reported through the PLL property only; the calculation does not read it.
void Pallador::spinPLL_I2C_valueChanged(int newValue)
{
    pllI2C = newValue;
    recalc(true);
}

void Pallador::spinPLL_N2_valueChanged(int newValue)
{
    pllN2 = newValue;
    recalc(true);
}

void Pallador::spinPLL_M2_valueChanged(int newValue)
{
    pllM2 = newValue;
    recalc(true);
}

void Pallador::spinPLL_MPDiv_valueChanged(int newValue)
{
    mpDiv = newValue;
    recalc(true);
}

void Pallador::spinPLL_VtDiv_valueChanged(int newValue)
{
    vtDiv = newValue;
    recalc(true);
}

void Pallador::spinPLL_OTPRev_valueChanged(int newValue)
{
    otpRev = newValue;
    recalc(true);
}

void Pallador::dSpinPLL_TgtOp_valueChanged(double newValue)
{
    pllTargetOp = newValue;
    recalc(true);
}

void Pallador::dspinPLL_VCO2_valueChanged(double newValue)
{
    pllVco2 = newValue;
    recalc(true);
}

// Some forms carry the second VCO as an integer box.
void Pallador::spinPLL_VCO2_valueChanged(int newValue)
{
    pllVco2 = double(newValue);
    recalc(true);
}

// The keep-sync values are read by the calculation from their boxes.
void Pallador::onKeepSyncPck()
{
    recalc(true);
}

void Pallador::onKeepSyncFl()
{
    recalc(true);
}

void Pallador::onKeepSyncClock()
{
    recalc(true);
}

// ---------------------------------------------------------------------------
// Advanced PLL panel: override boxes. Unticking P1, P4 or P5 hands the
// divider back to the library (-1) and calculates; ticking them waits for a
// value. A ticked box requests what it shows: its member takes the shown
// value (the library's last choice, or the value last entered), so the
// request the next calculation passes on is the one on screen, never a
// stale -1 behind a box that shows a number.

void Pallador::checkPLL_P1_clicked()
{
    const bool on = ticked(checkPLL_P1);
    enable(comboPLL_P1, on);
    if (on) {
        bool ok = false;
        const int shown = comboPLL_P1 ? comboPLL_P1->currentText().toInt(&ok, 10) : 0;
        if (ok)
            pllP1 = shown;
        return;
    }
    pllP1 = -1;
    recalc(true);
}

// Showing the kept value runs the box's own slot, and so a calculation, only
// when the shown value changes (a -1 is clamped to the box's minimum).
void Pallador::checkPLL_P4_clicked()
{
    const bool on = ticked(checkPLL_P4);
    enable(spinPLL_P4, on);
    if (on) {
        if (spinPLL_P4)
            spinPLL_P4->setValue(pllP4);
        return;
    }
    pllP4 = -1;
    recalc(true);
}

void Pallador::checkPLL_P5_clicked()
{
    const bool on = ticked(checkPLL_P5);
    enable(spinPLL_P5, on);
    if (on) {
        if (spinPLL_P5)
            pllP5 = spinPLL_P5->value();
        return;
    }
    pllP5 = -1;
    recalc(true);
}

void Pallador::checkPLL_N2_clicked()
{
    const bool on = ticked(checkPLL_N2);
    enable(spinPLL_N2, on);
    if (on && spinPLL_N2)
        pllN2 = spinPLL_N2->value();
    recalc(true);
}

void Pallador::checkPLL_M2_clicked()
{
    const bool on = ticked(checkPLL_M2);
    enable(spinPLL_M2, on);
    if (on && spinPLL_M2)
        pllM2 = spinPLL_M2->value();
    recalc(true);
}

void Pallador::checkPLL_VCO2_clicked()
{
    const bool on = ticked(checkPLL_VCO2);
    enable(spinPLL_VCO2, on);
    enable(dSpinPLL_VCO2, on);
    if (on && dSpinPLL_VCO2)
        pllVco2 = dSpinPLL_VCO2->value();
    else if (on && spinPLL_VCO2)
        pllVco2 = double(spinPLL_VCO2->value());
    recalc(true);
}

void Pallador::checkPLL_WCD_clicked()
{
    const bool on = ticked(checkPLL_WCD);
    enable(spinPLL_WCD, on);
    if (on && spinPLL_WCD)
        pllWcd = spinPLL_WCD->value();
}

void Pallador::checkPLL_I2C_clicked()
{
    const bool on = ticked(checkPLL_I2C);
    enable(spinPLL_I2C, on);
    if (on && spinPLL_I2C)
        pllI2C = spinPLL_I2C->value();
}

// ---------------------------------------------------------------------------
// Advanced PLL panel: inputs with rules.

// In bypass the PLL is not used: the target and every ticked override are
// disabled; an unticked override keeps its box disabled either way.
void Pallador::checkPLL_Bypass_clicked()
{
    pllBypass = ticked(checkPLL_Bypass);
    const bool use = !pllBypass;
    ui.dSpinPLL_Target->setEnabled(use);
    if (ui.checkPLL_VCO->isChecked())
        ui.dSpinPLL_VCO->setEnabled(use);
    if (ui.checkPLL_M->isChecked())
        ui.spinPLL_M->setEnabled(use);
    if (ui.checkPLL_N->isChecked())
        ui.spinPLL_N->setEnabled(use);

    switch (sensorIndex) {
    case 12:
    case 26:
    case 27:
    case 31:
        if (ticked(checkPLL_P4))
            enable(spinPLL_P4, use);
        if (ticked(checkPLL_P5))
            enable(spinPLL_P5, use);
        break;
    case 13:
        enable(spinPLL_WCD, ticked(checkPLL_WCD));
        break;
    case 14:
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
        if (ticked(checkPLL_P5))
            enable(spinPLL_P5, use);
        break;
    case 54:
    case 55:
    case 56:
    case 57:
    case 58:
        enable(spinPLL_MPDiv, use);
        break;
    default:
        break;
    }
    recalc(true);
}

// Without the minimum-frequency search the bridges run at their default
// target clock.
void Pallador::checkPLL_MinFreq_clicked()
{
    pllMinFreq = ticked(checkPLL_MinFreq);
    if (!pllMinFreq) {
        if (const CBridgeFamily *bridge = bridgeFamily(calvex, sensorIndex)) {
            pllTarget = bridge->defaults.defaultTargetClock;
            ui.dSpinPLL_Target->setValue(pllTarget);
        }
    }
    recalc(true);
}

// The "Use Fast Clock" box (reference checkSDRMode).
void Pallador::checkFastClock_clicked()
{
    fastClock = ticked(checkSDRMode);
    switch (sensorIndex) {
    case 84:
        if (fastClock)
            pllTargetOp = 99.428;
        ui.dSpinPLL_Target->setValue(87.0);
        break;
    case 92:
    case 93:
        if (fastClock)
            pllTargetOp = 89.14;
        break;
    default:
        break;
    }
    recalc(false);
}

// The bridges' "Enable 2-clock/pixel" box; with the advanced PLL panel open
// the data-rate box and (Yorm102m) the 2-pixel bit list follow it.
void Pallador::checkPLL_2ClkPix_clicked()
{
    twoClkPerPix = ticked(check2ClkPix);
    if (ui.checkPLL_ADV->isChecked()) {
        enable(checkUseDataRate, twoClkPerPix);
        if (sensorIndex == 55 && combo2pixBits)
            combo2pixBits->setEditable(twoClkPerPix);
    }
    recalc(true);
}

void Pallador::comboCust_REV_currentIndexChanged(int newIndex)
{
    custRev = newIndex;
    // Vek123m, Vek123d: the list names customer revisions by their code.
    if (sensorIndex == 88 || sensorIndex == 89) {
        static const int codes[] = {1170, 145, 0};
        if (newIndex >= 0 && newIndex < 3)
            custRev = codes[newIndex];
    }
    recalc(true);
}

void Pallador::comboPLL_REV_currentIndexChanged(int newIndex)
{
    const int previous = revIndex;
    revIndex = newIndex;
    if (sensorIndex == 41) {
        // Vek145l: revision 0 knows two focal-plane options (0 active,
        // 1 power down), later revisions three (0 active, 1 reduced power,
        // 2 power down). Only a change between these two encodings converts
        // the boxes, keeping what each plane does: power down stays power
        // down, and reduced power, which revision 0 lacks, becomes active so
        // that the plane is still read. Otherwise (the panel's first opening,
        // one later revision for another) the options stay, clamped to the
        // revision's range. The boxes are rewritten under busy, so their
        // slots do not calculate; the options are stored once all boxes hold
        // theirs, since a box's slot stores into the box with the focus.
        busy = true;
        const bool firstRevision = revIndex == 0;
        const bool encodingChanged = (previous == 0) != firstRevision;
        const int maximum = firstRevision ? 1 : 2;
        if (QLabel *label = advForm[0] ? advForm[0]->findChild<QLabel *>(QStringLiteral("label_FP_Options")) : nullptr)
            label->setText(firstRevision ? QStringLiteral("0: Active\n1: Power Down")
                                         : QStringLiteral("0: Active\n1: Reduced Power\n2: Power Down"));
        int options[16] = {};
        for (int i = 0; i < 16; ++i) {
            QSpinBox *box = spinFP[i];
            if (!box)
                continue;
            int v = box->value();
            if (encodingChanged)
                v = firstRevision ? (v == 2 ? 1 : 0) : (v == 0 ? 0 : 2);
            options[i] = qMin(v, maximum);
            box->setMaximum(maximum);
            box->setValue(options[i]);
        }
        for (int i = 0; i < 16; ++i) {
            if (spinFP[i])
                fpOptions[i] = options[i];
        }
        busy = false;
    }
    recalc(false);
}

// The keep-sync group of the Yorm_106 PLL form.
void Pallador::onKeepSyncOnOff()
{
    if (!keepSyncCheckBox)
        return;
    const bool on = keepSyncCheckBox->isChecked();
    for (QWidget *widget : std::initializer_list<QWidget *>{keepSyncClockLabel, dbspbxKeepSyncClock, pCKLabel, fLLabel,
                                                            pCKSpinBox, fLSpinBox})
        enable(widget, on);
    recalc(true);
}
