// Sensor set-up: loading a sensor configuration file, identifying the sensor
// and arranging the window, the library facade and the register rows for it.
#include "pallador.h"

#include "calvex.h"
#include "catalogue.h"
#include "cguivars.h"
#include "registerdataio.h"
#include "setuprecords.h"
#include "startup.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextEdit>

#include <initializer_list>

namespace {

// The field-of-view picture of the bridge families and sensor 71.
const char *const kFovPicture = ":/Pallador/Resources/Quorsen101.PNG";

// ---------------------------------------------------------------------------
// Classic families.

// The bridge families take the revision and the kind of their attached sensor
// from the raw sensor name of the configuration file.
void setAttachedSensor(Pallador &w, const AttachedSensorCode *codes)
{
    auto *bridge = dynamic_cast<CBridgeFamily *>(w.calvex->family());
    if (!bridge)
        return;
    const QString raw = w.dataIO->getRawSensor();
    const QChar last = raw.isEmpty() ? QChar() : raw.back();
    bridge->sensorRevision = (last >= QLatin1Char('0') && last <= QLatin1Char('9')) ? last.digitValue() : 0;
    for (const AttachedSensorCode *c = codes; c->name; ++c) {
        if (raw.contains(QLatin1String(c->name), Qt::CaseSensitive)) {
            bridge->sensorKind = c->code;
            return;
        }
    }
}

void copyContextTexts(Pallador &w, int context)
{
    if (const CFamilyCore *family = w.calvex->family()) {
        w.ctxPresetText[context] = family->results.contextPresetText[context];
        w.ctxDisplayText[context] = family->results.contextDisplayText[context];
    }
}

void setUpClassic(Pallador &w, const SetupRecord &record, const QString &path)
{
    Ui_PalladorClass &ui = w.ui;
    const int index = w.sensorIndex;
    const bool twoContexts = record.contexts == 2;
    const auto extra = [&](SetupStep step) {
        if (record.extra)
            record.extra(w, step);
    };

    w.contextCount = record.contexts;
    extra(SetupStep::ContextsSet);

    delete w.calvex;
    w.calvex = new CCalvex(record.typeCodeFor(index));
    record.family->initDefaults(*w.calvex, path, index);
    if (record.attachedSensors)
        setAttachedSensor(w, record.attachedSensors);

    // Filling an empty list selects its first use case, which is loaded at once.
    ui.comboUseCase_A->addItems(w.dataIO->getUseCaseName());
    if (twoContexts)
        ui.comboUseCase_B->addItems(w.dataIO->getUseCaseName());

    ui.dockImageA->show();
    if (record.titleA)
        ui.dockImageA->setWindowTitle(QLatin1String(record.titleA));
    if (record.titleB)
        ui.dockImageB->setWindowTitle(QLatin1String(record.titleB));
    extra(SetupStep::ImageDockShown);
    ui.dockImageB->setVisible(twoContexts);
    ui.dockPLL->show();
    ui.groupOutput->show();

    ui.actionPLL->setVisible(true);
    ui.actionImage_A->setVisible(true);
    if (twoContexts)
        ui.actionImage_B->setVisible(true);
    ui.actionTiming->setVisible(record.timingAction);
    extra(SetupStep::ActionsShown);

    w.addDockWidget(record.imageArea, ui.dockImageA);
    if (twoContexts)
        w.addDockWidget(record.imageArea, ui.dockImageB);
    w.addDockWidget(Qt::LeftDockWidgetArea, ui.dockPLL);

    // Families that report their row count install at most that many rows of
    // the table, and use at most as many as were installed.
    int capacity = Pallador::RegRowCapacity;
    if (record.libraryRows)
        capacity = qBound(0, record.libraryRows(*w.calvex, true), int(Pallador::RegRowCapacity));
    const RegTable *table = RegTables::find(QLatin1String(record.tableFor(index)));
    w.regCount = table ? RegTables::install(*table, w.regs, capacity) : 0;
    if (record.libraryRows)
        w.regCount = qBound(0, record.libraryRows(*w.calvex, false), w.regCount);
    extra(SetupStep::RowsInstalled);

    w.restoreWindowState();

    w.initContext(0);
    extra(SetupStep::ContextAReady);
    record.family->results(*w.calvex, 0);
    record.family->registers(*w.calvex, 0, index);
    copyContextTexts(w, 0);

    if (twoContexts) {
        w.initContext(1);
        if (record.contextBResults) {
            record.family->results(*w.calvex, 1);
            record.family->registers(*w.calvex, 1, index);
        }
        copyContextTexts(w, 1);
    }

    if (record.pllText && w.calvex->family())
        w.pllDisplayText = w.calvex->family()->results.pllDisplayText;

    if (record.fovPicture) {
        delete w.fovPixmap;
        w.fovPixmap = new QPixmap(QLatin1String(kFovPicture));
    }
}

// ---------------------------------------------------------------------------
// Form-based families: their option forms are loaded at set-up and most of
// their inputs are variables bound to those forms' widgets.

// Sensors 62 to 64.
void loadVek125Forms(Pallador &w)
{
    Ui_PalladorClass &ui = w.ui;
    w.advForm[0] = w.loadForm(ui.widgetADV_A, QStringLiteral(":/Forms/Form_Files/Vek125_Adv.ui"));
    if (w.advForm[0]) {
        w.advForm[0]->hide();
        w.comboReadMode[0] = w.advForm[0]->findChild<QComboBox *>(QStringLiteral("comboReadMode"));
        if (w.comboReadMode[0])
            QObject::connect(w.comboReadMode[0], SIGNAL(currentIndexChanged(int)), &w,
                             SLOT(comboReadMode_currentIndexChanged(int)));
    }
    w.pllForm = w.loadForm(ui.widgetADV_PLL, QStringLiteral(":/Forms/Form_Files/Vek125_PLL.ui"));
    if (w.pllForm) {
        w.pllForm->hide();
        w.labelPllImage = w.pllForm->findChild<QLabel *>(QStringLiteral("labelPLL_Image"));
    }
    ui.groupOption_PLL->hide();
    ui.comboTypeFRate_A->setEnabled(false);
    ui.comboTypeFRate_A->setCurrentIndex(1);
    ui.dSpinMinFRate_A->hide();
    ui.labelMinFPS_A->hide();
    w.restoreWindowState();
}

// Sensor 65.
void loadMurn102Forms(Pallador &w)
{
    Ui_PalladorClass &ui = w.ui;
    w.advForm[0] = w.loadForm(ui.widgetADV_A, QStringLiteral(":/Forms/Form_Files/Murn102_Adv.ui"));
    if (w.advForm[0])
        w.advForm[0]->show();
    for (QWidget *widget : std::initializer_list<QWidget *>{ui.checkAdvParam_A, ui.groupOption_PLL, ui.checkPLL_ADV,
                                                            ui.dSpinPLL_Target, ui.label_System})
        widget->hide();
    w.restoreWindowState();
}

// Sensor 66: the window state is restored before its forms are loaded.
void loadMurn104Forms(Pallador &w)
{
    Ui_PalladorClass &ui = w.ui;
    for (QWidget *widget : std::initializer_list<QWidget *>{ui.checkHorzMirror_A, ui.checkVertFlip_A,
                                                            ui.labelOutputMode, ui.comboPLL_Interface})
        widget->hide();
    w.restoreWindowState();
    w.advForm[0] = w.loadForm(ui.widgetADV_A, QStringLiteral(":/Forms/Form_Files/Murn104_Adv.ui"));
    if (w.advForm[0])
        w.advForm[0]->hide();
    w.pllFormLoaded = true;
    w.pllForm = w.loadForm(ui.widgetADV_PLL, QStringLiteral(":/Forms/Form_Files/Murn104_PLL.ui"));
    if (w.pllForm)
        w.pllForm->hide();
}

// Tool tips of the widgets bound to some variables of sensors 62 to 64.
void setVek125ToolTips(Pallador &w)
{
    if (!w.guiVars)
        return;
    if (GUIVAR_ITEM_T *rows = w.guiVars->iVar("Rows"); rows && rows->spin)
        rows->spin->setToolTip(QStringLiteral("Sensor FOV Rows: Enter desired # of rows in sensor field-of-view"));
    if (GUIVAR_ITEM_T *cols = w.guiVars->iVar("Cols"); cols && cols->spin)
        cols->spin->setToolTip(QStringLiteral("Sensor FOV Columns: Enter desired # of colums in sensor field-of-view"));
    if (w.comboReadMode[0])
        w.comboReadMode[0]->setToolTip(QStringLiteral("Enter the sensor read out mode"));
    if (GUIVAR_ITEM_T *time = w.guiVars->iVar("IntgTime"); time && time->dspin)
        time->dspin->setToolTip(QStringLiteral("Enter integration in msec."));
}

struct FormFamilyCase {
    int first;
    int last;
    int typeCode;
    void (*loadForms)(Pallador &w);
};

const FormFamilyCase kFormFamilies[] = {
    {62, 64, 62, loadVek125Forms},
    {65, 65, 65, loadMurn102Forms},
    {66, 66, 66, loadMurn104Forms},
};

const FormFamilyCase *findFormFamily(int sensorIndex)
{
    for (const FormFamilyCase &c : kFormFamilies) {
        if (sensorIndex >= c.first && sensorIndex <= c.last)
            return &c;
    }
    return nullptr;
}

// Nothing is calculated until the set-up's closing register-table fill: the
// context set-up installs the rows, binds the variables and fills the
// use-case list while the busy flag holds every calculation back.
void setUpFormFamily(Pallador &w, const FormFamilyCase &c)
{
    Ui_PalladorClass &ui = w.ui;
    w.contextCount = 1;
    delete w.calvex;
    w.calvex = new CCalvex(c.typeCode);
    if (auto *family = dynamic_cast<CFormFamily *>(w.calvex->family())) {
        w.varCtxParams = family->varCtxParams;
        w.varResults = family->varResults;
    }
    w.busy = true;

    ui.dockImageA->show();
    ui.dockPLL->show();
    w.addDockWidget(Qt::LeftDockWidgetArea, ui.dockImageA);
    w.addDockWidget(Qt::LeftDockWidgetArea, ui.dockPLL);
    ui.groupOutput->show();
    ui.actionPLL->setVisible(true);
    ui.actionImage_A->setVisible(true);
    ui.actionTiming->setVisible(true);

    c.loadForms(w);
    w.initContext(0);
    if (c.typeCode == 62)
        setVek125ToolTips(w);
    w.busy = false;
}

// ---------------------------------------------------------------------------

// "UNKOWN" names no sensor: nothing to show but the title.
void hideSensorViews(Pallador &w)
{
    Ui_PalladorClass &ui = w.ui;
    for (QWidget *widget : std::initializer_list<QWidget *>{ui.tableRegister, ui.dockImageA, ui.dockImageB, ui.dockPLL,
                                                            ui.dockTiming, ui.groupOutput})
        widget->hide();
    for (QAction *action : {ui.actionImage_A, ui.actionImage_B, ui.actionImage_C, ui.actionPLL, ui.actionTiming})
        action->setVisible(false);
}

// After an unsupported file, with no sensor loaded, the main window's sensor
// list offers the chooser's files; an entry already offered is not added
// again.
void offerSensorList(Pallador &w)
{
    // The window keeps one chooser; one made by an earlier call is replaced.
    if (w.startUp)
        w.startUp->deleteLater();
    w.startUp = new StartUp(nullptr);
    QComboBox *list = w.ui.combo_SensorType;
    for (const QString &entry : w.startUp->getConfigFileList()) {
        if (list->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
            list->addItem(entry);
    }
    // The user goes on from this window: with the list, back at its prompt so
    // that any entry can be chosen, or with Open Config.
    list->setCurrentIndex(0);
    list->show();
    w.ui.actionOpen_Config->setEnabled(true);
}

// Notes in the status bar the lines of the loaded file that the reader
// ignored (not understood, or a value no sensor takes): how many, then the
// lines themselves as far as the bar has room, and in the note's tool tip one
// a line (the first 20 of them). A file without such lines leaves no note.
void noteIgnoredLines(Pallador &w, const QStringList &ignored)
{
    // Lines listed in the tool tip at the most.
    const int kListed = 20;
    QStatusBar *bar = w.ui.statusbar;
    auto *note = bar->findChild<QLabel *>(QStringLiteral("labelIgnoredLines"));
    if (!note) {
        if (ignored.isEmpty())
            return;
        note = new QLabel(bar);
        note->setObjectName(QStringLiteral("labelIgnoredLines"));
        // A long note is cut at the end of the bar; it never widens the window.
        note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        bar->addWidget(note, 1);
    }
    if (ignored.isEmpty()) {
        note->clear();
        note->setToolTip(QString());
        return;
    }
    const QString file = QFileInfo(w.configPath).fileName();
    const QString count =
        ignored.size() == 1 ? QStringLiteral("1 line of %1 was ignored").arg(file)
                            : QStringLiteral("%1 lines of %2 were ignored").arg(QString::number(ignored.size()), file);
    const QStringList listed = ignored.mid(0, kListed);
    note->setText(count + QStringLiteral(": ") + listed.join(QStringLiteral("; ")));
    QString list = listed.join(QLatin1Char('\n'));
    if (ignored.size() > kListed)
        list += QStringLiteral("\n... and %1 more").arg(ignored.size() - kListed);
    note->setToolTip(QStringLiteral("Lines of %1 that were ignored:\n").arg(w.configPath) + list);
}

} // namespace

int Pallador::findSensorIndex(QString name)
{
    return catalogueIndex(name);
}

void Pallador::loadConfigFile(QString path)
{
    // A file that cannot be read (missing, a folder, a FIFO, no permission),
    // that has no use cases or that names no catalogued sensor offers nothing
    // to calculate: it is refused with its path and the reason before anything
    // of the loaded sensor changes, which stays loaded and calculating.
    auto *reader = new CRegisterDataIO(path);
    // The library's set-up takes the file as read here.
    const CRegisterDataIO::ReadOnce readOnce(*reader);
    reader->readGeneralInfo();
    reader->readUseCases();
    const CRegisterDataIO::Status status = reader->status();
    if (status == CRegisterDataIO::Status::Missing || status == CRegisterDataIO::Status::Unreadable ||
        status == CRegisterDataIO::Status::NoUseCases) {
        const QString message = reader->errorString();
        delete reader;
        tellUser(QMessageBox::Warning, QStringLiteral("Pallador"), message);
        return;
    }
    const int newSensor = findSensorIndex(reader->getSensorName());
    if (newSensor < 0) {
        delete reader;
        tellUser(QMessageBox::Critical, QString(), path + QStringLiteral(" sensor is not supported!"));
        // With no sensor loaded the window's sensor list offers the
        // installation's files to go on with.
        if (sensorIndex < 0)
            offerSensorList(*this);
        return;
    }

    // The diagram a hidden dock still owes is drawn for the sensor it belongs
    // to (a sensor without a diagram leaves the dock as it is).
    drawPendingTimingDiagram();

    // The binder's variables live in the family object it was made for.
    delete guiVars;
    guiVars = nullptr;
    releasedVar = nullptr;
    varCtxParams = nullptr;
    varResults = nullptr;

    delete dataIO;
    dataIO = reader;
    const int previousSensor = sensorIndex;
    const QString previousPath = configPath;
    sensorIndex = newSensor;
    configPath = path;
    ui.comboUseCase_A->clear();
    ui.comboUseCase_B->clear();
    noteIgnoredLines(*this, sensorIndex >= 0 ? dataIO->problems() : QStringList());

    // The form-based families load their forms anew on every set-up; the
    // others keep their panels only when the same file is loaded again.
    const FormFamilyCase *formFamily = findFormFamily(sensorIndex);
    resetSensorState(sensorIndex == previousSensor && path == previousPath && !formFamily);

    // The set-up's calculations colour the inputs once, at its end.
    struct ColourHold {
        Pallador &w;
        explicit ColourHold(Pallador &window) : w(window) { w.holdWarningColours(true); }
        ~ColourHold() { w.holdWarningColours(false); }
    } colourHold(*this);

    if (sensorIndex == 0)
        hideSensorViews(*this);
    else if (formFamily)
        setUpFormFamily(*this, *formFamily);
    else if (const SetupRecord *record = findSetupRecord(sensorIndex))
        setUpClassic(*this, *record, path);

    showResultText(ui.textResult_A);
    showResultText(ui.textResult_PLL);
    ui.combo_SensorType->hide();
    ui.actionOpen_Config->setEnabled(false);
    for (QAction *action :
         {ui.actionSave_Config, ui.actionSet_Default, ui.actionSave, ui.actionSave_As, ui.actionSave_State})
        action->setEnabled(true);
    setWindowTitle(dataIO->getSensorName() + QStringLiteral(" (") + dataIO->getPartNumber() +
                   QStringLiteral(") Pallador"));
    // The table is built for the sensor's rows; the first calculation fills it.
    initRegisterTable();
    recalc(true);
}
