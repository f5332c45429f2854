#include "startup.h"

#include "installdir.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>

#include <cstdlib>

namespace {

// Families whose files share a folder with others but are never offered.
const char *const kExcludedPrefixes[] = {
    "Yorm101m-", "Yorm101t-", "Yorm103m-", "Yorm103t-", "Yorm104m-", "Yorm104t-", "Pirn101m-",
    "Pirn102m-", "Pirn102mw-", "Pirn103m-", "Pirn103mz-", "Pirn104m-", "Pirn105m-",
};

bool hasExcludedPrefix(const QString &entry)
{
    for (const char *prefix : kExcludedPrefixes) {
        if (entry.startsWith(QLatin1String(prefix), Qt::CaseSensitive))
            return true;
    }
    return false;
}

void sortCaseSensitive(QStringList &list)
{
    std::sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
}

} // namespace

StartUp::StartUp(QWidget *parent) : QDialog(parent)
{
    ui.setupUi(this);
    configFiles = getConfigFileList();
    ui.combo_SensorType->addItems(configFiles);

    comboCpnSensor = new QComboBox(this);
    comboCpnSensor->setObjectName(QStringLiteral("comboCpnSensor"));
    ui.verticalLayout->addWidget(comboCpnSensor);
    connect(comboCpnSensor, SIGNAL(currentIndexChanged(int)), this, SLOT(comboCpnSensor_Changed(int)));
    comboCpnSensor->hide();
}

StartUp::~StartUp() = default;

QStringList StartUp::getConfigFileList()
{
    configFolder = joinInstallPath(requireInstallDir(), QStringLiteral("bin/cfg_pallador"));
    if (!QDir(configFolder).exists())
        configFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/bin/cfg_pallador");

    QDir folder(configFolder);
    const QStringList listing =
        folder.entryList({QStringLiteral("*.cfg"), QStringLiteral("*.ini")}, QDir::Files | QDir::NoDotAndDotDot,
                         QDir::Name | QDir::IgnoreCase);

    QStringList variants;
    QStringList entries;
    for (const QString &name : listing) {
        QString entry = name;
        if (entry.contains(QLatin1Char('+'))) {
            variants << name;
            entry = entry.left(entry.indexOf(QLatin1Char('+')));
        }
        if (!hasExcludedPrefix(entry))
            entries << entry;
    }
    entries.removeDuplicates();
    sortCaseSensitive(entries);

    cpnBaseNames.clear();
    for (const QString &variant : qAsConst(variants))
        cpnBaseNames << variant.split(QLatin1Char('+')).at(0);
    cpnBaseNames.removeDuplicates();
    sortCaseSensitive(cpnBaseNames);

    cpnLists.clear();
    for (int i = 0; i < cpnBaseNames.size(); ++i)
        cpnLists.append(QStringList());
    for (const QString &variant : qAsConst(variants)) {
        const QStringList parts = variant.split(QLatin1Char('+'));
        const int base = cpnBaseNames.indexOf(parts.at(0));
        if (base >= 0)
            cpnLists[base] << parts.at(1);
    }
    return entries;
}

void StartUp::selectSensor(QString name)
{
    const int position = configFiles.indexOf(name);
    ui.combo_SensorType->setCurrentIndex(position + 1);
    ui.combo_SensorType->setEnabled(false);
}

void StartUp::on_combo_SensorType_currentIndexChanged()
{
    selectedName = ui.combo_SensorType->currentText();
    comboCpnSensor->clear();
    if (ui.combo_SensorType->currentIndex() == 0) {
        configPath.clear();
        return;
    }
    const int base = cpnBaseNames.indexOf(selectedName);
    if (base >= 0) {
        comboCpnSensor->addItem(QStringLiteral("Select Sensor"));
        comboCpnSensor->addItems(cpnLists.at(base));
        comboCpnSensor->show();
        return;
    }
    configPath = joinInstallPath(configFolder, selectedName);
    done(ui.combo_SensorType->currentIndex());
}

void StartUp::comboCpnSensor_Changed(int newIndex)
{
    if (newIndex < 0)
        return;
    if (newIndex == 0) {
        configPath.clear();
        return;
    }
    selectedName += QLatin1Char('+') + comboCpnSensor->currentText();
    configPath = joinInstallPath(configFolder, selectedName);
    done(newIndex);
}

void StartUp::on_browseButton_clicked()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Sensor Config File"), QStringLiteral("./"),
                                                      tr("Config Files (*.cfg)"));
    if (path.isEmpty())
        return;
    configPath = path;
    done(1);
}

void StartUp::on_cancelButton_clicked()
{
    QApplication::quit();
    std::exit(1);
}
