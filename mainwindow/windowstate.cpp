// Window state per sensor model, the View menu's toggles and the tool tips.
#include "pallador.h"

#include "registerdataio.h"

#include <QSettings>

namespace {

// The store of one sensor model's window state.
QString stateStoreName(const CRegisterDataIO *dataIO)
{
    return dataIO ? dataIO->getSensorName() : QString();
}

} // namespace

void Pallador::restoreWindowState()
{
    QSettings store(QStringLiteral("Pallador"), stateStoreName(dataIO));
    restoreGeometry(store.value(QStringLiteral("geometry")).toByteArray());
    restoreState(store.value(QStringLiteral("windowState")).toByteArray(), 0);
}

void Pallador::on_actionSave_State_triggered()
{
    QSettings store(QStringLiteral("Pallador"), stateStoreName(dataIO));
    store.setValue(QStringLiteral("geometry"), saveGeometry());
    store.setValue(QStringLiteral("windowState"), saveState(0));
}

void Pallador::on_actionToolBar_triggered()
{
    ui.toolBar->setVisible(ui.actionToolBar->isChecked());
}

void Pallador::on_actionPLL_triggered()
{
    ui.dockPLL->setVisible(ui.actionPLL->isChecked());
}

void Pallador::on_actionImage_A_triggered()
{
    ui.dockImageA->setVisible(ui.actionImage_A->isChecked());
}

void Pallador::on_actionImage_B_triggered()
{
    ui.dockImageB->setVisible(ui.actionImage_B->isChecked());
}

void Pallador::on_actionImage_C_triggered()
{
    ui.dockImageC->setVisible(ui.actionImage_C->isChecked());
}

void Pallador::on_actionTiming_triggered()
{
    ui.dockTiming->setVisible(ui.actionTiming->isChecked());
}

void Pallador::on_checkRegList_clicked()
{
    ui.tableRegister->setVisible(ui.checkRegList->isChecked());
}

void Pallador::setToolTips()
{
    struct Tip {
        QWidget *widgets[3];
        const char *text;
    };
    const Tip tips[] = {
        {{ui.combo_SensorType}, "Select the correct sensor configuration file"},
        {{ui.comboUseCase_A, ui.comboUseCase_B, ui.comboUseCase_C}, "Select the proper sensor configuration settings"},
        {{ui.comboTypeFRate_A, ui.comboTypeFRate_B, ui.comboTypeFRate_C},
         "Select fixed or variable frame rate configuration"},
        {{ui.comboMaxFRate_A, ui.comboMaxFRate_B, ui.comboMaxFRate_C},
         "Select or enter desired # of frames per second for this mode"},
        {{ui.dSpinMinFRate_A, ui.dSpinMinFRate_B, ui.dSpinMinFRate_C},
         "Enter desired # of minimun frame rate for this mode"},
        {{ui.checkHorzMirror_A, ui.checkHorzMirror_B, ui.checkHorzMirror_C},
         "Check to set the horizontal mirrored image"},
        {{ui.checkVertFlip_A, ui.checkVertFlip_B, ui.checkVertFlip_C}, "Check to set the vertical fliped image"},
        {{ui.comboTypeBlank_A, ui.comboTypeBlank_B, ui.comboTypeBlank_C},
         "Select the desired horizontal/verticle blanking settings"},
        {{ui.spinUserBlank_A, ui.spinUserBlank_B, ui.spinUserBlank_C},
         "Enter desired # of horizontal/verticle blanking pixels for each row/column"},
        {{ui.checkAdvParam_A, ui.checkAdvParam_B, ui.checkAdvParam_C},
         "Check to enter the advanced timing parameters"},
        {{ui.dSpinPLL_Input}, "Input Frequency: Enter frequency of input clock"},
        {{ui.dSpinPLL_Target}, "Output Frequency: Enter desired PLL output frequency"},
        {{ui.checkPLL_VCO}, "Check to enter VCO frequency manually"},
        {{ui.dSpinPLL_VCO}, "Enter the desired VCO frequency"},
        {{ui.checkPLL_N}, "Check to enter 'N' value manually"},
        {{ui.spinPLL_N}, "PLL N: Enter specific 'Pre-divider' value"},
        {{ui.checkPLL_M}, "Check to enter 'M' value manually"},
        {{ui.spinPLL_M}, "PLL M: Enter specific 'Multiplier' value"},
        {{ui.comboPLL_Interface}, "Select the desired pixel output interface"},
        {{ui.checkPLL_ADV}, "Check to enter the advanced PLL parameters"},
        {{ui.checkRegList}, "Check to display the register setting list"},
        {{ui.checkUseSTD}, "Check to use standard INI template as output file"},
        {{ui.checkOutputTiming}, "Check to export the timing register settings to the output INI file"},
        {{ui.checkOutputPLL}, "Check to export the PLL register settings to the output INI file"},
    };
    for (const Tip &tip : tips) {
        for (QWidget *w : tip.widgets) {
            if (w)
                w->setToolTip(QString::fromLatin1(tip.text));
        }
    }
}
