// The start-up sensor chooser: lists the installation's sensor configuration
// files, folds part-number variants ("<base>+<variant>.cfg") into one entry
// with a second list, and offers Browse and Cancel.
#pragma once

#include "ui_StartUpDialog.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QComboBox;

class StartUp : public QDialog {
    Q_OBJECT

public:
    explicit StartUp(QWidget *parent = nullptr);
    ~StartUp() override;

    // Reads the sensor folder and returns the entries of the sensor list.
    QStringList getConfigFileList();
    // Preselects name in the sensor list and locks the list.
    void selectSensor(QString name);

    QString configPath;

private slots:
    void on_combo_SensorType_currentIndexChanged();
    void on_cancelButton_clicked();
    void on_browseButton_clicked();
    void comboCpnSensor_Changed(int newIndex);

private:
    QStringList cpnBaseNames;
    QList<QStringList> cpnLists;
    Ui_Dialog ui;
    QString configFolder;
    QString selectedName;
    QComboBox *comboCpnSensor = nullptr;
    QStringList configFiles;
};
