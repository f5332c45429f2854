// The file, window and help commands of the main window: Open Config and the
// sensor list load the chosen file, Set Default returns the sensor to a
// fresh load in its order, About names program and sensor, the two documents
// go to the desktop; and every menu and tool-bar entry has its command.
#include "pallador.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QUrl>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

namespace {

// The file dialog of Open Config: what it showed is kept in seen (caption,
// filters, folder); the user types path and opens it, or cancels when path
// is empty.
DialogResponder::Handler openFile(const QString &path, QStringList *seen)
{
    return [path, seen](QWidget *dialog) {
        auto *fd = qobject_cast<QFileDialog *>(dialog);
        if (!fd) {
            DialogResponder::reject()(dialog);
            return;
        }
        *seen =
            QStringList{fd->windowTitle(), fd->nameFilters().join(QLatin1Char(';')), fd->directory().absolutePath()};
        auto *name = fd->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (path.isEmpty() || !name) {
            fd->reject();
            return;
        }
        name->setText(path);
        QMetaObject::invokeMethod(fd, "accept", Qt::QueuedConnection);
    };
}

// The message boxes a user saw, without the file dialogs.
QStringList messages(const DialogResponder &responder)
{
    QStringList seen;
    for (const QString &dialog : responder.seen()) {
        if (!dialog.startsWith(QLatin1String("Open Sensor Config File|")))
            seen << dialog;
    }
    return seen;
}

// What a Set Default shows of its steps, in order: a context's default use
// case chosen, a panel box unticked, the reload emptying the lists (noting
// whether the context-A list could be used at that moment).
class StepRecorder : public QObject {
public:
    explicit StepRecorder(Pallador &w)
    {
        const Ui_PalladorClass &ui = w.ui;
        QComboBox *listA = ui.comboUseCase_A;
        connect(listA, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, listA](int index) {
            steps << (index < 0 ? QStringLiteral("reload, A list %1").arg(listA->isEnabled() ? "usable" : "locked")
                                : QStringLiteral("use case A %1").arg(index));
        });
        connect(ui.comboUseCase_B, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
            if (index >= 0)
                steps << QStringLiteral("use case B %1").arg(index);
        });
        const std::pair<QCheckBox *, const char *> boxes[] = {
            {ui.checkAdvParam_A, "close A"}, {ui.checkAdvParam_B, "close B"}, {ui.checkPLL_ADV, "close PLL"}};
        for (const auto &box : boxes) {
            const QString step = QLatin1String(box.second);
            connect(box.first, &QCheckBox::toggled, this, [this, step](bool on) {
                if (!on)
                    steps << step;
            });
        }
    }

    // The steps up to and including the reload.
    QStringList untilReload() const
    {
        QStringList result;
        for (const QString &step : steps) {
            result << step;
            if (step.startsWith(QLatin1String("reload")))
                break;
        }
        return result;
    }

    QStringList steps;
};

// The widgets of the window and the entries of every list, to tell whether
// a command made anything twice.
QStringList widgetCensus(Pallador &w)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList census;
    census << QStringLiteral("widgets %1").arg(w.findChildren<QWidget *>().size());
    for (const QComboBox *combo : w.findChildren<QComboBox *>()) {
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i)
            entries << combo->itemText(i);
        census << combo->objectName() + QLatin1Char(':') + entries.join(QLatin1Char(','));
    }
    census.sort();
    return census;
}

QString aboutText(const QString &firstLine, Pallador &w)
{
    return QStringLiteral("About Pallador|") + firstLine + QLatin1Char('\n') + w.getVersionString() +
           QStringLiteral("\n\nCopyright (C) %1 Corvanta. All rights reserved.").arg(QDate::currentDate().year());
}

} // namespace

// Records the addresses the program hands to the desktop.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void openUrl(const QUrl &url) { opened << url; }
};

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void setDefaultOrder_data();
    void setDefaultOrder();
    void setDefaultEverySample_data();
    void setDefaultEverySample();
    void openConfig_data();
    void openConfig();
    void sensorList_data();
    void sensorList();
    void unreadableFiles_data();
    void unreadableFiles();
    void ignoredLinesAreNoted();
    void about_data();
    void about();
    void helpDocuments_data();
    void helpDocuments();
    void everyEntryHasItsCommand();
};

void TestFileCommands::setDefaultOrder_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QStringList>("ticked"); // panel boxes the user ticked
    QTest::addColumn<QStringList>("steps");

    // The user chose use case 3 in each context before; the defaults are 0
    // (A) and 2 (B).
    QTest::newRow("two contexts, panels A and PLL open")
        << "Vek108m" << QStringList{"A", "PLL"}
        << QStringList{"use case A 0", "use case B 2", "close A", "close PLL", "reload, A list usable"};
    QTest::newRow("two contexts, every panel open")
        << "Vek108m" << QStringList{"PLL", "B", "A"}
        << QStringList{"use case A 0", "use case B 2", "close A", "close B", "close PLL", "reload, A list usable"};
    QTest::newRow("two contexts, no panel open")
        << "Vek108m" << QStringList() << QStringList{"use case A 0", "use case B 2", "reload, A list usable"};
    QTest::newRow("one context, panel A open")
        << "Tolm104m" << QStringList{"A"} << QStringList{"use case A 0", "close A", "reload, A list usable"};
}

void TestFileCommands::setDefaultOrder()
{
    QFETCH(QString, sample);
    QFETCH(QStringList, ticked);
    QFETCH(QStringList, steps);

    FixtureInstall install;
    DialogResponder responder;
    const QString path = install.addSample(sample + QStringLiteral(".cfg"));
    Pallador w(path);
    w.show();
    const bool twoContexts = w.contextCount == 2;
    QCOMPARE(twoContexts, steps.contains(QStringLiteral("use case B 2")));
    w.ui.comboUseCase_A->setCurrentIndex(2);
    if (twoContexts)
        w.ui.comboUseCase_B->setCurrentIndex(3);
    for (const QString &panel : ticked) {
        QCheckBox *box = panel == QLatin1String("A")   ? w.ui.checkAdvParam_A
                         : panel == QLatin1String("B") ? w.ui.checkAdvParam_B
                                                       : w.ui.checkPLL_ADV;
        box->click();
        QVERIFY(box->isChecked());
    }

    StepRecorder recorder(w);
    w.ui.actionSet_Default->trigger();

    QCOMPARE(recorder.untilReload(), steps);
    QCOMPARE(messages(responder), QStringList());
    // A fresh load of the same file: defaults chosen, panels closed, every
    // list usable, the register table rebuilt.
    QCOMPARE(w.configPath, path);
    QCOMPARE(w.ui.comboUseCase_A->currentIndex(), 0);
    if (twoContexts)
        QCOMPARE(w.ui.comboUseCase_B->currentIndex(), 2);
    for (QCheckBox *box : {w.ui.checkAdvParam_A, w.ui.checkAdvParam_B, w.ui.checkPLL_ADV})
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    QVERIFY(!w.advParamOn[0] && !w.advParamOn[1]);
    QVERIFY(w.ui.comboUseCase_A->isEnabled() && w.ui.comboUseCase_B->isEnabled());
    QCOMPARE(w.ui.tableRegister->rowCount(), w.regCount);

    // Choosing a use case calculates again.
    resetJournal(w);
    w.ui.comboUseCase_A->setCurrentIndex(1);
    QVERIFY(calculations(w) > 0);
    QVERIFY(calculatedContexts(w).contains(0));
}

// Every sample sensor: Set Default, twice, leaves the window as the load
// made it (the bridge sensors, catalogue 54-58, make controls and list items
// in code when a context is set up; none is made again) and shows again only
// what the load showed.
void TestFileCommands::setDefaultEverySample_data()
{
    QTest::addColumn<QString>("file");
    const QDir folder(FixtureInstall::samplesRoot() + QStringLiteral("bin/cfg_pallador"));
    for (const QString &file : folder.entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(file)) << file;
}

void TestFileCommands::setDefaultEverySample()
{
    QFETCH(QString, file);
    FixtureInstall install;
    DialogResponder responder;
    Pallador w(install.addSample(file));
    w.show();
    const QStringList loaded = widgetCensus(w);
    const QStringList seen = responder.seen();
    w.ui.actionSet_Default->trigger();
    w.ui.actionSet_Default->trigger();
    QCOMPARE(widgetCensus(w), loaded);
    QCOMPARE(responder.seen(), seen + seen + seen);
}

void TestFileCommands::openConfig_data()
{
    QTest::addColumn<bool>("chosen");
    QTest::newRow("a file chosen") << true;
    QTest::newRow("cancelled") << false;
}

void TestFileCommands::openConfig()
{
    QFETCH(bool, chosen);

    FixtureInstall install;
    const QString path = install.addSample(QStringLiteral("Vek108m.cfg"));
    DialogResponder responder;
    QStringList seen;
    responder.then(openFile(chosen ? path : QString(), &seen));
    Pallador w(QString{});
    w.show();

    w.ui.actionOpen_Config->trigger();

    QCOMPARE(seen, (QStringList{"Open Sensor Config File", "Config Files (*.cfg)", QDir::currentPath()}));
    QCOMPARE(messages(responder), QStringList());
    if (chosen) {
        QCOMPARE(QFileInfo(w.configPath).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
        QCOMPARE(w.windowTitle(), QStringLiteral("Vek108m (VK-108M-C2) Pallador"));
        QVERIFY(!w.ui.actionOpen_Config->isEnabled());
        QVERIFY(w.ui.actionSet_Default->isEnabled());
    } else {
        QCOMPARE(w.sensorIndex, -1);
        QVERIFY(w.configPath.isEmpty());
        QCOMPARE(w.windowTitle(), QStringLiteral("Pallador"));
        QVERIFY(w.ui.actionOpen_Config->isEnabled());
        QVERIFY(!w.ui.actionSet_Default->isEnabled());
    }
}

void TestFileCommands::sensorList_data()
{
    QTest::addColumn<bool>("sensorBefore");
    QTest::newRow("no sensor loaded yet") << false;
    QTest::newRow("after a loaded sensor") << true;
}

// After an unsupported file the sensor list offers the installation's files
// (from apps/cfg_pallador); a sensor loaded before stays instead, its window
// as it was.
void TestFileCommands::sensorList()
{
    QFETCH(bool, sensorBefore);

    FixtureInstall install;
    const QString first = install.addSample(QStringLiteral("Vek108m.cfg"));
    install.addSample(QStringLiteral("Tolm104m.cfg"));
    const QString odd =
        install.writeConfig(QStringLiteral("Odd.cfg"), "[General_Info]\nsensor_name = Odd\n[UseCases]\n0/name = A\n");
    DialogResponder responder;
    Pallador w(QString{});
    w.show();
    if (sensorBefore)
        w.loadConfigFile(first);
    w.loadConfigFile(odd);
    QCOMPARE(messages(responder), QStringList{QStringLiteral("|%1 sensor is not supported!").arg(odd)});
    responder.clear();
    QComboBox *list = w.ui.combo_SensorType;
    if (sensorBefore) {
        QCOMPARE(w.configPath, first);
        QCOMPARE(w.windowTitle(), QStringLiteral("Vek108m (VK-108M-C2) Pallador"));
        QVERIFY(!list->isVisible());
        QVERIFY(!w.ui.actionOpen_Config->isEnabled());
        return;
    }
    QVERIFY(list->isVisible());
    QCOMPARE(list->currentIndex(), 0);
    QVERIFY(w.ui.actionOpen_Config->isEnabled());

    // An unsupported entry is refused too, and the list goes back to its
    // prompt, which loads nothing.
    list->setCurrentIndex(list->findText(QStringLiteral("Odd.cfg")));
    QCOMPARE(messages(responder), QStringList{QStringLiteral("|%1 sensor is not supported!")
                                                  .arg(install.root() + QStringLiteral("apps/cfg_pallador/Odd.cfg"))});
    QCOMPARE(list->currentIndex(), 0);
    responder.clear();

    list->setCurrentIndex(list->findText(QStringLiteral("Tolm104m.cfg")));

    QCOMPARE(messages(responder), QStringList());
    QCOMPARE(w.configPath, install.root() + QStringLiteral("apps/cfg_pallador/Tolm104m.cfg"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tolm104m (TM-104M-A) Pallador"));
    QVERIFY(!list->isVisible());
    QVERIFY(!w.ui.actionOpen_Config->isEnabled());
}

void TestFileCommands::unreadableFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message"); // %1: the path
    QTest::newRow("missing") << "missing"
                             << "Pallador|The file %1 does not exist.";
    QTest::newRow("a folder") << "folder"
                              << "Pallador|The file %1 cannot be read: Not a regular file.";
    QTest::newRow("a FIFO") << "fifo"
                            << "Pallador|The file %1 cannot be read: Not a regular file.";
    QTest::newRow("a device") << "device"
                              << "Pallador|The file %1 cannot be read: Not a regular file.";
    QTest::newRow("no permission") << "locked"
                                   << "Pallador|The file %1 cannot be read: Permission denied.";
}

// A file that cannot be read is reported with its path and the reason, and
// the user opens another one from the same window.
void TestFileCommands::unreadableFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);

    FixtureInstall install;
    const QString good = install.addSample(QStringLiteral("Tolm104m.cfg"));
    QString path = install.configFolder() + QStringLiteral("/Bad.cfg");
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("fifo")) {
        // Opening a FIFO to read waits for a writer: it must not be opened so.
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("device")) {
        path = QStringLiteral("/dev/zero");
    } else if (kind == QLatin1String("locked")) {
        path = install.addSample(QStringLiteral("Vek108m.cfg"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("this user reads files without permission");
    }
    DialogResponder responder;
    Pallador w(QString{});
    w.show();

    w.loadConfigFile(path);

    QCOMPARE(messages(responder), QStringList{message.arg(path)});
    QCOMPARE(w.sensorIndex, -1);
    QCOMPARE(w.windowTitle(), QStringLiteral("Pallador"));
    QVERIFY(w.ui.actionOpen_Config->isEnabled());

    responder.clear();
    QStringList seen;
    responder.then(openFile(good, &seen));
    w.ui.actionOpen_Config->trigger();
    QCOMPARE(messages(responder), QStringList());
    QCOMPARE(w.windowTitle(), QStringLiteral("Tolm104m (TM-104M-A) Pallador"));
}

// A file with lines the reader ignores loads without a dialog and with a
// note in the status bar: how many lines, and which (all of them in the
// note's tool tip). The next file, without such lines, clears the note.
void TestFileCommands::ignoredLinesAreNoted()
{
    FixtureInstall install;
    QFile sample(FixtureInstall::samplesRoot() + QStringLiteral("bin/cfg_pallador/Tolm104m.cfg"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QByteArray content = sample.readAll();
    const int useCases = content.indexOf("[UseCases]\n");
    QVERIFY(useCases >= 0);
    const int lineNumber = content.left(useCases).count('\n') + 2; // the line after [UseCases]
    content.insert(useCases + int(qstrlen("[UseCases]\n")), "0/colz = 640\n0/max_fps = 5000\nnot a setting\n");
    const QString odd = install.writeConfig(QStringLiteral("Odd lines.cfg"), content);
    const QString clean = install.addSample(QStringLiteral("Vek108m.cfg"));
    DialogResponder responder;
    Pallador w(QString{});
    w.show();

    w.loadConfigFile(odd);

    QCOMPARE(responder.seen(), QStringList());
    QCOMPARE(w.windowTitle(), QStringLiteral("Tolm104m (TM-104M-A) Pallador"));
    auto *note = w.ui.statusbar->findChild<QLabel *>(QStringLiteral("labelIgnoredLines"));
    QVERIFY(note);
    QVERIFY(note->isVisible());
    const QStringList ignored = {QStringLiteral("line %1: 0/colz = 640").arg(lineNumber),
                                 QStringLiteral("line %1: 0/max_fps = 5000 (outside 0 to 1000)").arg(lineNumber + 1),
                                 QStringLiteral("line %1: not a setting").arg(lineNumber + 2)};
    QCOMPARE(note->text(),
             QStringLiteral("3 lines of Odd lines.cfg were ignored: ") + ignored.join(QStringLiteral("; ")));
    QCOMPARE(note->toolTip(),
             QStringLiteral("Lines of %1 that were ignored:\n").arg(odd) + ignored.join(QLatin1Char('\n')));

    w.loadConfigFile(clean);
    QCOMPARE(responder.seen(), QStringList());
    QCOMPARE(note->text(), QString());
    QCOMPARE(note->toolTip(), QString());
}

void TestFileCommands::about_data()
{
    QTest::addColumn<QByteArray>("sensorName"); // empty: nothing loaded
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("no sensor") << QByteArray() << " Pallador";
    QTest::newRow("no sensor after an unsupported file") << QByteArray("Vek999") << " Pallador";
    QTest::newRow("catalogue entry 0") << QByteArray("UNKOWN") << "UNKOWN Pallador";
    QTest::newRow("a sensor, named as the catalogue spells it") << QByteArray("vek108M") << "Vek108m Pallador";
}

void TestFileCommands::about()
{
    QFETCH(QByteArray, sensorName);
    QFETCH(QString, firstLine);

    FixtureInstall install;
    DialogResponder responder;
    Pallador w(QString{});
    w.show();
    if (!sensorName.isEmpty()) {
        w.loadConfigFile(install.writeConfig(QStringLiteral("About.cfg"),
                                             "[General_Info]\nsensor_name = " + sensorName +
                                                 "\npart_number = X\n[UseCases]\n0/name = Full\n0/cols = 640\n"
                                                 "0/rows = 480\n"));
    }
    responder.clear();

    w.ui.actionAbout_Pallador->trigger();

    QCOMPARE(responder.seen(), QStringList{aboutText(firstLine, w)});
}

void TestFileCommands::helpDocuments_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("separatorAtEnd"); // QI_HOME ends with "/"
    QTest::addColumn<QString>("state");       // of the document and the desktop
    QTest::addColumn<QString>("message");     // %1: the document's path

    const QString manual = QStringLiteral("doc/User Guides/Pallador User Guide 2.html");
    const QString readMe = QStringLiteral("doc/Data Sheets/!!Read-Me.txt");
    const QString missing = QStringLiteral("Pallador|The document %1 does not exist.");
    const QString noProgram =
        QStringLiteral("Pallador|The document %1 cannot be opened: no program on this desktop opens it.");
    QTest::newRow("manual") << "actionPallador_Manual" << manual << true << "opens" << QString();
    QTest::newRow("read-me") << "actionSensor_Data_Sheet" << readMe << true << "opens" << QString();
    QTest::newRow("read-me, no separator at the end")
        << "actionSensor_Data_Sheet" << readMe << false << "opens" << QString();
    QTest::newRow("manual missing") << "actionPallador_Manual" << manual << true << "missing" << missing;
    QTest::newRow("read-me missing") << "actionSensor_Data_Sheet" << readMe << true << "missing" << missing;
    QTest::newRow("manual, no program") << "actionPallador_Manual" << manual << true << "no program" << noProgram;
    QTest::newRow("read-me, no program") << "actionSensor_Data_Sheet" << readMe << true << "no program" << noProgram;
    QTest::newRow("manual, no opener on the PATH")
        << "actionPallador_Manual" << manual << true << "no opener" << noProgram;
}

// The documents go to the desktop as file URLs below the installation, and
// the sample installation has both. A document that is not installed, or
// that no program of the desktop opens, is reported with its path.
void TestFileCommands::helpDocuments()
{
    QFETCH(QString, action);
    QFETCH(QString, document);
    QFETCH(bool, separatorAtEnd);
    QFETCH(QString, state);
    QFETCH(QString, message);

    QVERIFY2(QFile::exists(FixtureInstall::samplesRoot() + document), qPrintable(document));
    FixtureInstall install;
    const QString path = install.root() + document;
    if (state != QLatin1String("missing")) {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(QFile::copy(FixtureInstall::samplesRoot() + document, path));
    }
    DialogResponder responder;
    UrlRecorder urls;
    // The system's own way of opening documents, as on a machine with no
    // program for them: no handler, and a PATH that holds no opener.
    const QByteArray oldPath = qgetenv("PATH");
    QTemporaryDir emptyFolder;
    if (state == QLatin1String("no program")) {
        // A handler that cannot be called: nothing opens the document.
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &urls, "noSuchSlot");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("noSuchSlot")));
    } else if (state == QLatin1String("no opener")) {
        qputenv("PATH", QFile::encodeName(emptyFolder.path()));
    } else {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &urls, "openUrl");
    }
    Pallador w(QString{});
    if (!separatorAtEnd)
        w.installDir.chop(1);

    w.findChild<QAction *>(action)->trigger();
    qputenv("PATH", oldPath);

    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    if (state == QLatin1String("opens")) {
        QCOMPARE(urls.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        QVERIFY(urls.opened.first().toString().startsWith(QLatin1String("file:///")));
        QCOMPARE(responder.seen(), QStringList());
    } else {
        QCOMPARE(urls.opened, QList<QUrl>());
        QCOMPARE(responder.seen(), QStringList{message.arg(path)});
    }
}

// Every entry of the menus and the tool bar has the command it names, and
// without a sensor only those that can act are enabled.
void TestFileCommands::everyEntryHasItsCommand()
{
    FixtureInstall install;
    Pallador w(QString{});
    QList<QAction *> entries = w.ui.toolBar->actions();
    for (const QMenu *menu : w.ui.menubar->findChildren<QMenu *>())
        entries << menu->actions();
    const QStringList withoutSensor = {"actionOpen_Config",     "actionExit",       "actionToolBar",
                                       "actionPallador_Manual", "actionBug_Report", "actionSensor_Data_Sheet",
                                       "actionAbout_Pallador"};
    for (const QAction *entry : qAsConst(entries)) {
        if (entry->isSeparator())
            continue;
        const QString name = entry->objectName();
        QCOMPARE(entry->isEnabled(), withoutSensor.contains(name));
        if (name == QLatin1String("actionExit") || name == QLatin1String("actionStatusbar"))
            continue;
        const QByteArray slot = "on_" + name.toLatin1() + "_triggered()";
        QVERIFY2(w.metaObject()->indexOfSlot(slot.constData()) >= 0, slot.constData());
    }
    QVERIFY(w.metaObject()->indexOfSlot("on_combo_SensorType_currentIndexChanged()") >= 0);
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
