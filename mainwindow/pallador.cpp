// Construction, destruction and the small services of the main window.
#include "pallador.h"

#include "calvex.h"
#include "catalogue.h"
#include "installdir.h"
#include "registerdataio.h"

#include <QFile>
#include <QGridLayout>
#include <QUiLoader>

namespace {

// The program's version as its resources spell it, and the build date of
// this release.
const char *const kVersion = "6, 0, 34, 55910";
const char *const kBuildDate = "Nov 23 2020";

} // namespace

Pallador::Pallador(QString configFile, QWidget *parent, Qt::WindowFlags flags) : QMainWindow(parent, flags)
{
    // The compiled-in forms and pictures live in the core library.
    Q_INIT_RESOURCE(pallador);

    ui.setupUi(this);

    ui.tableRegister->hide();
    ui.dockImageA->hide();
    ui.dockImageB->hide();
    ui.dockImageC->hide();
    ui.dockPLL->hide();
    ui.dockTiming->hide();
    ui.dockTiming->setFloating(true);
    ui.groupOutput->hide();
    ui.comboMaxFRate_A->setEditable(true);
    ui.comboMaxFRate_B->setEditable(true);
    ui.comboMaxFRate_C->setEditable(true);
    ui.checkOutputTiming->setChecked(true);
    ui.checkOutputPLL->setChecked(true);
    ui.actionImage_A->setVisible(false);
    ui.actionImage_B->setVisible(false);
    ui.actionImage_C->setVisible(false);
    ui.actionPLL->setVisible(false);
    ui.actionTiming->setVisible(false);

    installDir = getInstallDir();
    calvex = new CCalvex(12);

    setToolTips();

    if (!configFile.isEmpty())
        loadConfigFile(configFile);
}

Pallador::~Pallador()
{
    delete calvex;
    delete dataIO;
    delete advLayout;
}

QString Pallador::getInstallDir()
{
    return requireInstallDir();
}

QString Pallador::installPath(const QString &relative) const
{
    return joinInstallPath(installDir, relative);
}

QString Pallador::getVersionString()
{
    return QStringLiteral("Version: ") + QString::fromLatin1(kVersion).replace(QLatin1Char(','), QLatin1Char('.')) +
           QStringLiteral(" (Build Date: %1)").arg(QLatin1String(kBuildDate));
}

QWidget *Pallador::loadForm(QWidget *parent, QString path)
{
    QUiLoader loader;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    QWidget *form = loader.load(&file, parent);
    file.close();
    return form;
}

int Pallador::findSensorIndex(QString name)
{
    return catalogueIndex(name);
}
