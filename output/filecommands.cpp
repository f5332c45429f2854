// The file, window and help commands: Open Config and the sensor list load a
// sensor, Set Default returns the loaded sensor to the state of a fresh load,
// About names the program and the sensor, and the manual and the data-sheet
// read-me are handed to the desktop (or the user is told why they cannot be).
#include "pallador.h"

#include "catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace {

// Below the installation directory: the folder the sensor list loads from
// and the two documents of the Help menu. The manual is an HTML page, which
// every desktop opens in its browser.
const char *const kSensorListFolder = "apps/cfg_pallador/";
const char *const kUserManual = "doc/User Guides/Pallador User Guide 2.html";
const char *const kDataSheetReadMe = "doc/Data Sheets/!!Read-Me.txt";

// Hands a document below the installation directory to the desktop. A
// document that is not there, or that the desktop has no program for, is
// reported with its path rather than doing nothing.
void openDocument(Pallador &w, const char *relative)
{
    const QString path = w.installPath(QLatin1String(relative));
    QString problem;
    if (!QFileInfo(path).isFile())
        problem = QStringLiteral("The document %1 does not exist.");
    else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        problem = QStringLiteral("The document %1 cannot be opened: no program on this desktop opens it.");
    if (!problem.isEmpty())
        w.tellUser(QMessageBox::Warning, QStringLiteral("Pallador"), problem.arg(path));
}

} // namespace

void Pallador::on_actionOpen_Config_triggered()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open Sensor Config File"),
                                                      QStringLiteral("./"), QStringLiteral("Config Files (*.cfg)"));
    if (!path.isEmpty())
        loadConfigFile(path);
}

void Pallador::on_actionSet_Default_triggered()
{
    for (int context = 0; context < contextCount; ++context)
        initContext(context);

    // Unticking a box in code sends no click: its slot is called so that it
    // closes the panel and gives the context its use-case list back.
    struct PanelBox {
        QCheckBox *box;
        void (Pallador::*slot)();
    };
    const PanelBox panels[] = {{ui.checkAdvParam_A, &Pallador::on_checkAdvParam_A_clicked},
                               {ui.checkAdvParam_B, &Pallador::on_checkAdvParam_B_clicked},
                               {ui.checkPLL_ADV, &Pallador::on_checkPLL_ADV_clicked}};
    for (const PanelBox &panel : panels) {
        if (panel.box->isChecked()) {
            panel.box->setChecked(false);
            (this->*panel.slot)();
        }
    }

    // The load replaces configPath: it is given its own copy.
    const QString path = configPath;
    loadConfigFile(path);
    initRegisterTable();
    recalc(true);
}

void Pallador::on_combo_SensorType_currentIndexChanged()
{
    // The first entry is the list's prompt, not a file.
    if (ui.combo_SensorType->currentIndex() <= 0)
        return;
    loadConfigFile(installPath(QLatin1String(kSensorListFolder) + ui.combo_SensorType->currentText()));
}

void Pallador::on_actionAbout_Pallador_triggered()
{
    QString text = QStringLiteral(" Pallador\n");
    if (sensorIndex != -1)
        text.prepend(catalogueName(sensorIndex));
    text += getVersionString() + QStringLiteral("\n\n") +
            QStringLiteral("Copyright (C) %1 Corvanta. All rights reserved.").arg(QDate::currentDate().year());
    QMessageBox::about(this, QStringLiteral("About Pallador"), text);
}

void Pallador::on_actionPallador_Manual_triggered()
{
    openDocument(*this, kUserManual);
}

void Pallador::on_actionSensor_Data_Sheet_triggered()
{
    openDocument(*this, kDataSheetReadMe);
}
