// The files the window writes besides the plain preset: the sensor's
// standard INI template with the generated sections in place, a new
// configuration file derived from the loaded one (Save Config) and the
// bug-information file (Bug Report), compared byte for byte, with the
// messages a user sees when something cannot be read or written; and what
// every writer does when the disk fills up, when its target is no regular
// file or a link, and when an input it reads is a pipe.
#include "output/outputfiles.h"
#include "pallador.h"
#include "presetfixture.h"
#include "registerdataio.h"
#include "testsupport.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QUrl>
#include <QtTest>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <memory>
#include <mutex>
#include <thread>

#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Session : WindowSession {
    using WindowSession::WindowSession;
    // The message boxes of the window (title "Pallador"), as "title|text".
    QStringList messages() const { return responder.seen().filter(QRegularExpression(QStringLiteral("^Pallador\\|"))); }
};

// Problems of a standard template, as the window reports them.
QStringList templateMessages;
void collectTemplateMessage(const QString &message)
{
    templateMessages << message;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A text as the program writes it: CR LF line ends.
QByteArray onDisk(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toLocal8Bit();
}

// Every file of an installation, with its content; the settings stores
// (where the file dialog keeps its own state) are left out.
QMap<QString, QByteArray> installedFiles(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.startsWith(root + QStringLiteral("settings/")))
            files.insert(path, bytesOf(path));
    }
    return files;
}

// A save dialog: the user types path and presses Save. The dialog is
// accepted from the event loop, so that the question about replacing an
// existing file goes to the responder's next handler.
DialogResponder::Handler saveAs(const QString &path, QStringList *shown = nullptr)
{
    return [path, shown](QWidget *dialog) {
        auto *fd = qobject_cast<QFileDialog *>(dialog);
        if (!fd) {
            if (auto *d = qobject_cast<QDialog *>(dialog))
                d->reject();
            return;
        }
        if (shown)
            *shown << fd->windowTitle() << QFileInfo(fd->selectedFiles().value(0)).fileName()
                   << fd->selectedNameFilter();
        // Typed into the name box, as a user does (selectFile leaves a box
        // that has the focus alone).
        if (auto *edit = fd->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(path);
        else
            fd->selectFile(path);
        QMetaObject::invokeMethod(fd, "accept", Qt::QueuedConnection);
    };
}

const char *const kPllSection = "[PLL_settings]\nREG = 0x0010, 0x0021\t\t//PLL_DIVIDERS = 33\n";
const char *const kTimingSection = "[Timing_settings]\nREG = 0x3012, 0x01E0\t\t//ROWS = 480\n";

const char *const kCopyNote = "Please copy/paste the text file (palladorBugInfo.txt)\nand send email to ";

} // namespace

// Records the addresses the program opens through the desktop.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void openUrl(const QUrl &url) { opened << url; }
};

class TestOutputFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void templateCheck_data();
    void templateCheck();
    void templateCheckOfAnUnreadableDevice();
    void templateMerge_data();
    void templateMerge();
    void templateMergedThroughTheWindow();
    void templateFallsBackToThePlainPreset_data();
    void templateFallsBackToThePlainPreset();

    void configFile_data();
    void configFile();
    void configFileReadsBack();
    void configFileOverItsOwnBase();
    void configFileFailuresLeaveTargetsAlone();
    void configFileCancelled();
    void savedNamesGetTheirSuffix_data();
    void savedNamesGetTheirSuffix();
    void completedNameIsReplacedOnlyWhenConfirmed_data();
    void completedNameIsReplacedOnlyWhenConfirmed();

    void bugInfoGolden();
    void bugInfoHeaderOfTheLibrarysTexts_data();
    void bugInfoHeaderOfTheLibrarysTexts();
    void bugInfoDirectTimingRows_data();
    void bugInfoDirectTimingRows();
    void bugReportCommand_data();
    void bugReportCommand();
    void bugReportWriteFailure();

    void writeFailingAfterOpenKeepsTheOldFile_data();
    void writeFailingAfterOpenKeepsTheOldFile();
    void targetsOtherThanRegularFiles_data();
    void targetsOtherThanRegularFiles();
    void pipesAreNotRead_data();
    void pipesAreNotRead();

private:
    UrlRecorder urls;
};

void TestOutputFiles::initTestCase()
{
    output::setTemplateReporter(collectTemplateMessage);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &urls, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &urls, "openUrl");
}

void TestOutputFiles::init()
{
    templateMessages.clear();
    urls.opened.clear();
}

void TestOutputFiles::cleanup()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &urls, "openUrl");
}

void TestOutputFiles::cleanupTestCase()
{
    output::setTemplateReporter(nullptr);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

// ---------------------------------------------------------------------------
// Standard INI template

void TestOutputFiles::templateCheck_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages"); // empty: the template passes

    const QString pllTag = QStringLiteral("Wrong standard INI file! \nMissing (//DO NOT REMOVE) tag in [PLL_settings]");
    const QString timingTag =
        QStringLiteral("Wrong standard INI file! \nMissing (//DO NOT REMOVE) tag in [Timing_settings]");

    QTest::newRow("standard") << "; head\n[PLL_settings]\nx\n//DO NOT REMOVE\n[Timing_settings]\ny\n//DO NOT REMOVE\n"
                                 "[Default]\n"
                              << QStringList();
    QTest::newRow("lower case") << "[hidden: pll_settings]\n//do not remove\n[hidden: timing_settings]\n"
                                   "; Do Not Remove\n[end]\n"
                                << QStringList();
    QTest::newRow("timing first") << "[Timing_settings]\n//DO NOT REMOVE\n[PLL_settings]\n//DO NOT REMOVE\n[end]\n"
                                  << QStringList();
    QTest::newRow("CR LF lines") << "[PLL_settings]\r\n//DO NOT REMOVE\r\n[Timing_settings]\r\n//DO NOT REMOVE\r\n"
                                 << QStringList();
    QTest::newRow("timing marker on the last line")
        << "[PLL_settings]\n//DO NOT REMOVE\n[Timing_settings]\n//DO NOT REMOVE" << QStringList();
    QTest::newRow("PLL marker on the last line")
        << "[Timing_settings]\n//DO NOT REMOVE\n[PLL_settings]\nx\n//DO NOT REMOVE\n"
        << QStringList{pllTag};
    QTest::newRow("PLL heading on the last line") << "[Timing_settings]\n//DO NOT REMOVE\n[PLL_settings]\n"
                                                  << QStringList{pllTag};
    QTest::newRow("timing heading inside PLL section")
        << "[PLL_settings]\nx\n[Timing_settings]\n//DO NOT REMOVE\n//DO NOT REMOVE\n[end]\n"
        << QStringList{pllTag};
    QTest::newRow("timing without marker") << "[PLL_settings]\n//DO NOT REMOVE\n[Timing_settings]\ny\n[end]\n"
                                           << QStringList{timingTag};
    QTest::newRow("no timing section") << "[PLL_settings]\n//DO NOT REMOVE\n[end]\n"
                                       << QStringList{"Can not find the [Timing_settings] section. Wrong standard INI "
                                                      "file!"};
    QTest::newRow("no PLL section") << "[Timing_settings]\n//DO NOT REMOVE\n[end]\n"
                                    << QStringList{"Can not find the [PLL_settings] section. Wrong standard INI file!"};
    QTest::newRow("neither section") << "[Reset]\nREG = 0x001A, 0x0001\n"
                                     << QStringList{"Can not find the required sections. Wrong standard INI file!"};
    QTest::newRow("empty") << "" << QStringList{"Can not find the required sections. Wrong standard INI file!"};
    // A comment that names the section is a heading too: its section runs
    // to the next marker.
    QTest::newRow("comment mentions PLL section")
        << "; fill [PLL_settings] below\n[PLL_settings]\n//DO NOT REMOVE\n[Timing_settings]\n//DO NOT REMOVE\n[end]\n"
        << QStringList();
    QTest::newRow("comment mentions PLL section at the end")
        << "[PLL_settings]\n//DO NOT REMOVE\n[Timing_settings]\n//DO NOT REMOVE\n; see [PLL_settings]\n"
        << QStringList{pllTag};
}

void TestOutputFiles::templateCheck()
{
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    Session s(QStringLiteral("Sarn101k"));
    QByteArray bytes = text.toLatin1();
    QBuffer tmpl(&bytes);
    QCOMPARE(s.w().checkIniTemplate(&tmpl), messages.isEmpty());
    QCOMPARE(templateMessages, messages);
    QVERIFY(!tmpl.isOpen());
}

void TestOutputFiles::templateCheckOfAnUnreadableDevice()
{
    Session s(QStringLiteral("Sarn101k"));
    QFile missing(s.install.root() + QStringLiteral("apps_data/none.ini"));
    QVERIFY(!s.w().checkIniTemplate(&missing));
    QCOMPARE(templateMessages, QStringList({"Can not open the Standard INI Template!",
                                            "Can not find the required sections. Wrong standard INI file!"}));
}

void TestOutputFiles::templateMerge_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("pll");
    QTest::addColumn<bool>("timing");
    QTest::addColumn<QString>("merged"); // @G@ is the generated comment line

    const QString standard =
        QStringLiteral("; head\n[PLL_settings]\nold pll\n//DO NOT REMOVE\n"
                       "[Timing_settings]\nold timing\nmore\n//DO NOT REMOVE\n[Default]\nLOAD = x\n");
    QTest::newRow("both off gives a copy") << standard << false << false << standard;
    QTest::newRow("both on") << standard << true << true
                             << "; head\n@G@\n[PLL_settings]\nREG = 0x0010, 0x0021\t\t//PLL_DIVIDERS = 33\n\n"
                                "//DO NOT REMOVE\n@G@\n[Timing_settings]\nREG = 0x3012, 0x01E0\t\t//ROWS = 480\n\n"
                                "//DO NOT REMOVE\n[Default]\nLOAD = x\n";
    QTest::newRow("PLL only") << standard << true << false
                              << "; head\n@G@\n[PLL_settings]\nREG = 0x0010, 0x0021\t\t//PLL_DIVIDERS = 33\n\n"
                                 "//DO NOT REMOVE\n[Timing_settings]\nold timing\nmore\n//DO NOT REMOVE\n[Default]\n"
                                 "LOAD = x\n";
    QTest::newRow("CR LF template")
        << "[PLL_settings]\r\nold\r\n//DO NOT REMOVE\r\n[Timing_settings]\r\n//DO NOT REMOVE\r\n"
        << false << true
        << "[PLL_settings]\nold\n//DO NOT REMOVE\n@G@\n[Timing_settings]\nREG = 0x3012, 0x01E0\t\t//ROWS = 480\n\n"
           "//DO NOT REMOVE\n";
    QTest::newRow("timing first, hidden heading, lower-case marker")
        << "[Timing_settings]\n//DO NOT REMOVE\n[Hidden: PLL_settings]\nold\n// do not remove\n[end]\n"
        << true << true
        << "@G@\n[Timing_settings]\nREG = 0x3012, 0x01E0\t\t//ROWS = 480\n\n//DO NOT REMOVE\n"
           "@G@\n[PLL_settings]\nREG = 0x0010, 0x0021\t\t//PLL_DIVIDERS = 33\n\n// do not remove\n[end]\n";
    QTest::newRow("two PLL headings")
        << "[PLL_settings]\na\n//DO NOT REMOVE\nmiddle\n[PLL_settings]\nb\n//DO NOT REMOVE\n[Timing_settings]\n"
           "//DO NOT REMOVE\n"
        << true << false
        << "@G@\n[PLL_settings]\nREG = 0x0010, 0x0021\t\t//PLL_DIVIDERS = 33\n\n//DO NOT REMOVE\nmiddle\n"
           "@G@\n[PLL_settings]\nREG = 0x0010, 0x0021\t\t//PLL_DIVIDERS = 33\n\n//DO NOT REMOVE\n"
           "[Timing_settings]\n//DO NOT REMOVE\n";
    QTest::newRow("comment mentioning the PLL section")
        << "; fill [PLL_settings] below\n[PLL_settings]\nold\n//DO NOT REMOVE\n[Timing_settings]\n//DO NOT REMOVE\n"
        << true << false
        << "@G@\n[PLL_settings]\nREG = 0x0010, 0x0021\t\t//PLL_DIVIDERS = 33\n\n//DO NOT REMOVE\n"
           "[Timing_settings]\n//DO NOT REMOVE\n";
}

void TestOutputFiles::templateMerge()
{
    QFETCH(QString, text);
    QFETCH(bool, pll);
    QFETCH(bool, timing);
    QFETCH(QString, merged);
    Session s(QStringLiteral("Sarn101k"));
    Pallador &w = s.w();
    w.outputPll = pll;
    w.outputTiming = timing;
    w.pllSectionText = QLatin1String(kPllSection);
    w.timingSectionText = QLatin1String(kTimingSection);

    QByteArray bytes = text.toLatin1();
    QBuffer tmpl(&bytes);
    QVERIFY(w.checkIniTemplate(&tmpl));
    QString out;
    QTextStream stream(&out);
    w.writeIniTemplate(&tmpl, &stream);
    stream.flush();
    QCOMPARE(out,
             merged.replace(QStringLiteral("@G@"),
                            QStringLiteral("; This section was generated by Pallador.exe ") + w.getVersionString()));
    QCOMPARE(templateMessages, QStringList());
}

// Save INI As with the standard-template box on: the sensor's template (its
// name in another letter case) with the generated sections of the current
// calculation, the same sections the plain preset holds; the preset path
// stays the one of the last plain preset.
void TestOutputFiles::templateMergedThroughTheWindow()
{
    Session s(QStringLiteral("Sarn101k"));
    Pallador &w = s.w();
    const QString root = s.install.root();
    QVERIFY(QFile::copy(FixtureInstall::samplesRoot() + QStringLiteral("apps_data/SN-101K-A-REV1.ini"),
                        root + QStringLiteral("apps_data/sn-101k-a-rev1.INI")));
    QVERIFY(w.ui.checkUseSTD->isEnabled() && w.ui.checkUseSTD->isChecked());

    w.ui.checkUseSTD->click();
    const QString plain = root + QStringLiteral("plain.ini");
    s.responder.then(saveAs(plain));
    w.ui.actionSave_As->trigger();
    QCOMPARE(w.iniPath, plain);
    const QByteArray plainBytes = bytesOf(plain);
    QVERIFY(plainBytes.startsWith("; This file was generated by Pallador.exe for Sarn101k."));

    w.ui.checkUseSTD->click();
    QVERIFY(w.useStdTemplate);
    const QString mergedPath = root + QStringLiteral("merged.ini");
    s.responder.then(saveAs(mergedPath));
    w.ui.actionSave_As->trigger();

    QVERIFY(w.pllSectionText.startsWith(QLatin1String("[PLL_settings]\nREG = ")));
    QVERIFY(w.timingSectionText.startsWith(QLatin1String("[Timing_settings]\n")));
    QVERIFY(plainBytes.contains(onDisk(w.pllSectionText)));
    QVERIFY(plainBytes.contains(onDisk(w.timingSectionText)));

    QString expected =
        QString::fromLatin1(bytesOf(FixtureInstall::samplesRoot() + QStringLiteral("apps_data/SN-101K-A-REV1.ini")))
            .remove(QLatin1Char('\r'));
    const QString generated = QStringLiteral("; This section was generated by Pallador.exe ") + w.getVersionString();
    QCOMPARE(expected.count(QStringLiteral("//DO NOT REMOVE")), 2);
    expected.replace(QStringLiteral("[PLL_settings]\n; Replaced by the PLL settings of the calculation.\n"),
                     generated + QLatin1Char('\n') + w.pllSectionText + QLatin1Char('\n'));
    expected.replace(QStringLiteral("[Timing_settings]\n; Replaced by the timing settings of the calculation.\n"),
                     generated + QLatin1Char('\n') + w.timingSectionText + QLatin1Char('\n'));
    QCOMPARE(QString::fromLocal8Bit(bytesOf(mergedPath)), QString::fromLocal8Bit(onDisk(expected)));

    QCOMPARE(w.iniPath, plain);
    QCOMPARE(w.windowFilePath(), plain);
    QCOMPARE(templateMessages, QStringList());
    QCOMPARE(s.messages(), QStringList());
}

void TestOutputFiles::templateFallsBackToThePlainPreset_data()
{
    QTest::addColumn<QByteArray>("config");    // empty: the Sarn101k sample
    QTest::addColumn<QString>("templateName"); // in apps_data; empty: none
    QTest::addColumn<QString>("message");      // @T@: apps_data/ in the installation

    const QByteArray raw = "[General_Info]\nsensor_name = Sarn101k\npart_number = SN-101K-A\nraw_sensor = Vek108t3\n"
                           "revision = 2\n[UseCases]\n0/name = VGA\n0/cols = 640\n0/rows = 480\n0/max_fps = 30\n"
                           "0/context_a_default = 1\n";
    QByteArray noRaw = raw;
    noRaw.replace("raw_sensor = Vek108t3", "raw_sensor =");

    QTest::newRow("missing, part number") << QByteArray() << QString() << "@T@SN-101K-A-REV1.ini does not exist!";
    QTest::newRow("missing, raw sensor") << raw << QString() << "@T@Sarn101k-REV2_Vek108t3.ini does not exist!";
    QTest::newRow("missing, no raw sensor") << noRaw << QString() << "@T@SN-101K-A-REV2.ini does not exist!";
    QTest::newRow("rejected") << QByteArray() << "SN-101K-A-REV1.ini"
                              << "Can not find the required sections. Wrong standard INI file!";
}

// A template that is missing or rejected is reported, and the plain preset
// is written and becomes the current preset.
void TestOutputFiles::templateFallsBackToThePlainPreset()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, templateName);
    QFETCH(QString, message);
    Session s;
    s.open(config.isEmpty() ? s.install.addSample(QStringLiteral("Sarn101k.cfg"))
                            : s.install.writeConfig(QStringLiteral("sarn.cfg"), config));
    Pallador &w = s.w();
    QVERIFY(w.useStdTemplate);
    const QString root = s.install.root();
    if (!templateName.isEmpty())
        writeBytes(root + QStringLiteral("apps_data/") + templateName, "[Reset]\nREG = 0x001A, 0x0001\n");

    const QString path = root + QStringLiteral("out.ini");
    s.responder.then(saveAs(path));
    w.ui.actionSave_As->trigger();

    QCOMPARE(templateMessages,
             QStringList{message.replace(QStringLiteral("@T@"), root + QStringLiteral("apps_data/"))});
    QVERIFY(bytesOf(path).startsWith("; This file was generated by Pallador.exe for Sarn101k."));
    QVERIFY(bytesOf(path).contains(onDisk(w.pllSectionText)));
    QCOMPARE(w.iniPath, path);
}

// ---------------------------------------------------------------------------
// Save Config

namespace {

// Two contexts with settings that show every number format.
void setTwoContexts(Pallador &w)
{
    w.contextCount = 2;
    const int binning[] = {1, 0}, binXOnly[] = {0, 2}, skipping[] = {2, 0}, cropping[] = {0, 1}, centering[] = {1, 0},
              lowPower[] = {0, 1}, cols[] = {640, 320}, rows[] = {480, 240};
    const bool highSpeed[] = {true, false};
    const double intgTime[] = {33.333333, 1250.5}, maxFps[] = {30.0, 7.5};
    for (int i = 0; i < 2; ++i) {
        w.binning[i] = binning[i];
        w.binXOnly[i] = binXOnly[i];
        w.skipping[i] = skipping[i];
        w.cropping[i] = cropping[i];
        w.centering[i] = centering[i];
        w.lowPower[i] = lowPower[i];
        w.highSpeed[i] = highSpeed[i];
        w.intgTime[i] = intgTime[i];
        w.cols[i] = cols[i];
        w.rows[i] = rows[i];
        w.maxFps[i] = maxFps[i];
    }
}

const char *const kConfigUseCases = "[UseCases]\n"
                                    "0/name = Usecase_0\n0/binning = 1\n0/binxonly = 0\n0/skipping = 2\n"
                                    "0/cropping = 0\n0/centering = 1\n0/lowpower = 0\n0/highspeed = 1\n"
                                    "0/intg_time = 33.3333\n0/cols = 640\n0/rows = 480\n0/max_fps = 30\n"
                                    "0/context_a_default = 1\n\n"
                                    "1/name = Usecase_1\n1/binning = 0\n1/binxonly = 2\n1/skipping = 0\n"
                                    "1/cropping = 1\n1/centering = 0\n1/lowpower = 1\n1/highspeed = 0\n"
                                    "1/intg_time = 1250.5\n1/cols = 320\n1/rows = 240\n1/max_fps = 7.5\n"
                                    "1/context_b_default = 1\n\n";

const char *const kTypicalBase = "; Sarn102 sensor configuration\n"
                                 "; $Date: 2026-09-02 $\n"
                                 "; $Revision: 3 $\n"
                                 "\n"
                                 "[General_Info]\n"
                                 "sensor_name = Sarn102\n"
                                 "revision = 1\n"
                                 "\n"
                                 "[UseCases]\n"
                                 "0/name = VGA\n"
                                 "0/cols = 640\n"
                                 "0/context_a_default = 1\n"
                                 "\n"
                                 "[MinMax_Defaults]\n"
                                 "default_input_clock = 24\n"
                                 "\n"
                                 "[Register List]\n"
                                 "; informative only\n";

} // namespace

void TestOutputFiles::configFile_data()
{
    QTest::addColumn<QByteArray>("base");
    QTest::addColumn<QString>("expected"); // after the two comment lines; @UC@ is the use-case block

    const QString typical = QStringLiteral("; $Date: 2026-09-02 $\n; $Revision: 3 $\n\n"
                                           "; Sensor general information: name, revision ...\n;\n"
                                           "[General_Info]\nsensor_name = Sarn102\nrevision = 1\n\n"
                                           "@UC@\n"
                                           "[MinMax_Defaults]\ndefault_input_clock = 24\n\n");
    QTest::newRow("typical") << QByteArray(kTypicalBase) << typical;
    QTest::newRow("CR LF base") << QByteArray(kTypicalBase).replace("\n", "\r\n") << typical;
    QTest::newRow("no date or revision")
        << QByteArray("[General_Info]\nsensor_name = Sarn102\n[UseCases]\n0/cols = 640\n[MinMax_Defaults]\nx = 1\n")
        << "; Sensor general information: name, revision ...\n;\n[General_Info]\nsensor_name = Sarn102\n@UC@\n"
           "[MinMax_Defaults]\nx = 1\n";
    QTest::newRow("lower-case general info")
        << QByteArray("; $Revision: 2 $\n[general_info]\nsensor_name = Sarn102\n[UseCases]\n0/cols = 640\n"
                      "[MinMax_Defaults]\nx = 1\n")
        << "; $Revision: 2 $\n\n@UC@\n[MinMax_Defaults]\nx = 1\n";
    QTest::newRow("limits to the end") << QByteArray("[UseCases]\n0/cols = 640\n[MinMax_Defaults]\na = 1\nb = 2")
                                       << "@UC@\n[MinMax_Defaults]\na = 1\nb = 2\n";
    QTest::newRow("date after the register list")
        << QByteArray("[UseCases]\n0/cols = 640\n[Register List]\nREG = 1\n; $Date: 2020-01-01 $\nREG = 2\n"
                      "; $Revision: 9 $\nREG = 3\n")
        << "@UC@\n; $Date: 2020-01-01 $\n; $Revision: 9 $\n\n";
    // Lines taken by a copied block are not looked at again.
    QTest::newRow("revision inside the general info")
        << QByteArray("[General_Info]\n; $Revision: 5 $\n[UseCases]\n0/cols = 640\n")
        << "; Sensor general information: name, revision ...\n;\n[General_Info]\n; $Revision: 5 $\n@UC@\n";
    QTest::newRow("general info without use cases")
        << QByteArray("[General_Info]\nsensor_name = Sarn102\n[MinMax_Defaults]\na = 1\n[Register List]\nREG = 1\n")
        << "; Sensor general information: name, revision ...\n;\n[General_Info]\nsensor_name = Sarn102\n"
           "[MinMax_Defaults]\na = 1\n[Register List]\nREG = 1\n";
}

void TestOutputFiles::configFile()
{
    QFETCH(QByteArray, base);
    QFETCH(QString, expected);
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    setTwoContexts(w);
    w.configPath = s.install.writeConfig(QStringLiteral("base.cfg"), base);
    w.setWindowModified(true);

    QStringList shown;
    const QString path = s.install.root() + QStringLiteral("saved.cfg");
    s.responder.then(saveAs(path, &shown));
    w.ui.actionSave_Config->trigger();

    QCOMPARE(shown, QStringList({"Save Current Configurations", "Sarn102Pallador", "Config Files (*.cfg)"}));
    const QString head = QStringLiteral("; Pallador Configuration file based on %1\n; Pallador Build Info - %2\n")
                             .arg(w.configPath, w.getVersionString());
    expected.replace(QStringLiteral("@UC@"), QLatin1String(kConfigUseCases));
    QCOMPARE(QString::fromLocal8Bit(bytesOf(path)), QString::fromLocal8Bit(onDisk(head + expected)));
    QCOMPARE(w.cfgPath, path);
    QCOMPARE(w.windowFilePath(), path);
    QVERIFY(!w.isWindowModified());
    QCOMPARE(s.messages(), QStringList());
}

// The saved file is a configuration file the reader takes: one use case per
// context with the window's settings, each its context's default, and the
// base file's general information and limits.
void TestOutputFiles::configFileReadsBack()
{
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    QCOMPARE(w.contextCount, 2);
    const QString path = s.install.root() + QStringLiteral("again.cfg");
    s.responder.then(saveAs(path));
    w.ui.actionSave_Config->trigger();

    CRegisterDataIO io(path);
    QVERIFY(io.readGeneralInfo());
    QVERIFY(io.readUseCases());
    QCOMPARE(io.problems(), QStringList());
    CRegisterDataIO base(w.configPath);
    QVERIFY(base.readGeneralInfo());
    QCOMPARE(io.getSensorName(), base.getSensorName());
    QCOMPARE(io.getPartNumber(), base.getPartNumber());
    QCOMPARE(io.getRevNumber(), base.getRevNumber());
    QCOMPARE(io.minMaxDefaults(), base.minMaxDefaults());
    QCOMPARE(io.getUseCaseNumber(), 2);
    QCOMPARE(io.getUseCaseName(), QStringList({"Usecase_0", "Usecase_1"}));
    QCOMPARE(io.getContextADefault(), 0);
    QCOMPARE(io.getContextBDefault(), 1);
    auto close = [](double a, double b) { return qAbs(a - b) <= 1e-5 * qMax(1.0, qAbs(b)); };
    for (int i = 0; i < 2; ++i) {
        const CUseCase &u = io.useCases[i];
        QCOMPARE(u.binning, w.binning[i]);
        QCOMPARE(u.binXOnly, w.binXOnly[i]);
        QCOMPARE(u.skipping, w.skipping[i]);
        QCOMPARE(u.cropping, w.cropping[i]);
        QCOMPARE(u.centering, w.centering[i]);
        QCOMPARE(u.lowPower, w.lowPower[i]);
        QCOMPARE(u.highSpeed, w.highSpeed[i] ? 1 : 0);
        QCOMPARE(u.cols, w.cols[i]);
        QCOMPARE(u.rows, w.rows[i]);
        QVERIFY2(close(u.intgTime, w.intgTime[i]), qPrintable(QString::number(u.intgTime)));
        QVERIFY2(close(u.maxFps, w.maxFps[i]), qPrintable(QString::number(u.maxFps)));
    }
}

// Saving over the configuration file that is loaded derives the new file
// from its old content.
void TestOutputFiles::configFileOverItsOwnBase()
{
    Session s(QStringLiteral("Sarn101k"));
    Pallador &w = s.w();
    const QString path = w.configPath;
    s.responder.then(saveAs(path));
    s.responder.then(DialogResponder::clickButton(QStringLiteral("Yes"))); // replace it
    w.ui.actionSave_Config->trigger();

    const QByteArray bytes = bytesOf(path);
    QVERIFY(bytes.startsWith(onDisk(QStringLiteral("; Pallador Configuration file based on %1\n").arg(path))));
    QVERIFY(bytes.contains("; $Date: 2026-09-02 $\r\n; $Revision: 3 $\r\n\r\n"));
    QVERIFY(bytes.contains("[General_Info]\r\nsensor_name = Sarn101k\r\npart_number = SN-101K-A\r\n"));
    QVERIFY(bytes.contains("[MinMax_Defaults]\r\ndefault_input_clock = 24\r\ndefault_max_fps = 30\r\n"));
    QVERIFY(!bytes.contains("[Register List]"));
    CRegisterDataIO io(path);
    QVERIFY(io.readGeneralInfo());
    QVERIFY(io.readUseCases());
    QCOMPARE(io.getUseCaseNumber(), w.contextCount);
    QCOMPARE(w.cfgPath, path);
    QCOMPARE(s.messages(), QStringList());
}

// A base file that has gone since it was loaded, or a target that cannot be
// written: the message, and the chosen file as it was.
void TestOutputFiles::configFileFailuresLeaveTargetsAlone()
{
    Session s(QStringLiteral("Sarn101k"));
    Pallador &w = s.w();
    const QString title = w.windowFilePath();
    const QString target = s.install.root() + QStringLiteral("kept.cfg");
    writeBytes(target, "; an earlier configuration\r\n");

    QVERIFY(QFile::remove(w.configPath));
    QFile gone(w.configPath);
    QVERIFY(!gone.open(QIODevice::ReadOnly));
    s.responder.then(saveAs(target));
    s.responder.then(DialogResponder::clickButton(QStringLiteral("Yes")));
    w.ui.actionSave_Config->trigger();
    QCOMPARE(s.messages(),
             QStringList{QStringLiteral("Pallador|Cannot open file %1:\n%2.").arg(w.configPath, gone.errorString())});
    QCOMPARE(bytesOf(target), QByteArray("; an earlier configuration\r\n"));
    QCOMPARE(w.cfgPath, QString());
    QCOMPARE(w.windowFilePath(), title);

    // The base is back; the target is a folder.
    s.responder.clear();
    s.install.addSample(QStringLiteral("Sarn101k.cfg"));
    const QString folder = s.install.root() + QStringLiteral("folder.cfg");
    QVERIFY(QDir().mkdir(folder));
    w.writeConfigFile(folder);
    const QStringList shown = s.messages();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith(QStringLiteral("Pallador|Cannot open file %1:\n").arg(folder)), qPrintable(shown[0]));
    QVERIFY(shown[0].endsWith(QLatin1Char('.')) && !shown[0].endsWith(QLatin1String(":\n.")));
    QCOMPARE(w.cfgPath, QString());
}

void TestOutputFiles::configFileCancelled()
{
    Session s(QStringLiteral("Sarn101k"));
    Pallador &w = s.w();
    w.cfgPath = s.install.root() + QStringLiteral("earlier.cfg");
    const QString title = w.windowFilePath();
    const auto installed = installedFiles(s.install.root());
    const QStringList here = QDir::current().entryList(QDir::Files);
    s.responder.then(DialogResponder::reject());
    w.ui.actionSave_Config->trigger();
    QCOMPARE(installedFiles(s.install.root()), installed);
    QCOMPARE(QDir::current().entryList(QDir::Files), here);
    QCOMPARE(w.cfgPath, s.install.root() + QStringLiteral("earlier.cfg"));
    QCOMPARE(w.windowFilePath(), title);
    QCOMPARE(s.messages(), QStringList());
}

// A name typed without a suffix is saved with the file type's suffix, so
// that the dialog that opens such files lists it; a name with a suffix of
// its own is kept, and a dot in a folder's name is no suffix of the file.
void TestOutputFiles::savedNamesGetTheirSuffix_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("typed"); // below the installation
    QTest::addColumn<QString>("saved");

    const QString config = QStringLiteral("actionSave_Config");
    const QString preset = QStringLiteral("actionSave_As");
    QTest::newRow("configuration") << config << "mine"
                                   << "mine.cfg";
    QTest::newRow("configuration, folder with a dot") << config << "john.doe/mine"
                                                      << "john.doe/mine.cfg";
    QTest::newRow("configuration, own suffix") << config << "mine.txt"
                                               << "mine.txt";
    QTest::newRow("preset") << preset << "mine"
                            << "mine.ini";
    QTest::newRow("preset, folder with a dot") << preset << "john.doe/mine"
                                               << "john.doe/mine.ini";
}

void TestOutputFiles::savedNamesGetTheirSuffix()
{
    QFETCH(QString, command);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    const QString root = s.install.root();
    QVERIFY(QDir(root).mkpath(QStringLiteral("john.doe")));

    s.responder.then(saveAs(root + typed));
    w.findChild<QAction *>(command)->trigger();

    const bool config = command == QLatin1String("actionSave_Config");
    const QByteArray head =
        config ? "; Pallador Configuration file based on " : "; This file was generated by Pallador";
    QVERIFY2(bytesOf(root + saved).startsWith(head), qPrintable(saved));
    if (typed != saved)
        QVERIFY(!QFile::exists(root + typed));
    QCOMPARE(config ? w.cfgPath : w.iniPath, root + saved);
    QCOMPARE(s.messages(), QStringList());
}

void TestOutputFiles::completedNameIsReplacedOnlyWhenConfirmed_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("answer");
    QTest::newRow("replaced") << QString() << "Yes";
    QTest::newRow("kept") << QString() << "No";
    QTest::newRow("folder with a dot, replaced") << "john.doe/"
                                                 << "Yes";
    QTest::newRow("folder with a dot, kept") << "john.doe/"
                                             << "No";
}

// The file the completed name names is there already: the user is asked, and
// the file is replaced only when the answer is Yes.
void TestOutputFiles::completedNameIsReplacedOnlyWhenConfirmed()
{
    QFETCH(QString, folder);
    QFETCH(QString, answer);
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    const QString root = s.install.root() + folder;
    QVERIFY(QDir().mkpath(root));
    writeBytes(root + QStringLiteral("kept.cfg"), "; an earlier configuration\r\n");

    s.responder.then(saveAs(root + QStringLiteral("kept")));
    s.responder.then(DialogResponder::clickButton(answer));
    w.ui.actionSave_Config->trigger();

    QCOMPARE(s.responder.seen().value(1),
             QStringLiteral("Save Current Configurations|kept.cfg already exists.\nDo you want to replace it?"));
    const bool replaced = answer == QLatin1String("Yes");
    QCOMPARE(bytesOf(root + QStringLiteral("kept.cfg")).startsWith("; Pallador"), replaced);
    QCOMPARE(w.cfgPath, replaced ? root + QStringLiteral("kept.cfg") : QString());
    QVERIFY(!QFile::exists(root + QStringLiteral("kept")));
}

// ---------------------------------------------------------------------------
// Bug information

namespace {

REGS_DESC_T row(const char *name, int bitfield, int section, int id, quint32 address, int width, quint32 value,
                quint32 mask = 0)
{
    REGS_DESC_T r;
    r.name = QLatin1String(name);
    r.bitfield = bitfield;
    r.section = section;
    r.id = id;
    r.address = address;
    r.width = width;
    r.value = value;
    r.mask = mask;
    return r;
}

void setRows(Pallador &w, const QList<REGS_DESC_T> &rows)
{
    for (int i = 0; i < rows.size(); ++i)
        w.regs[i] = rows[i];
    w.regCount = rows.size();
}

} // namespace

// A small fixture on a loaded two-context sensor: PLL registers, a PLL bit
// field and firmware variables; timing variables written through the
// address and data registers; the use cases of both contexts. Rows hidden by
// the output options are written all the same.
void TestOutputFiles::bugInfoGolden()
{
    Session s(QStringLiteral("Sarn102"));
    Pallador &w = s.w();
    setRows(w, {row("Reset and Misc Control", 0, 0, 0, 0x001A, 16, 868), row("line_length", 0, 1, 18, 0x0014, 16, 480),
                row("PLL Enable", 1, 0, 0, 0x3064, 16, 256, 0x0100), row("frame_count", 0, 1, 18, 0x0014, 8, 480),
                row("pll_m", 0, 0, 2, 0x0010, 8, 32), row("mode_bits", 1, 1, 0, 0x3040, 16, 0xC0, 0x00F0),
                row("pll_flags", 1, 0, 2, 0x0412, 16, 5, 0x000F)});
    w.varAccessMode = 0;
    w.varAddrReg = 0x098E;
    w.varDataReg = 0x0990;
    w.outputPll = false;
    w.outputTiming = false;
    w.pllPresetText = QStringLiteral("Input clock = 24 MHz\n");
    w.pllDisplayText = QStringLiteral("PLL output = 96 MHz\n");
    w.ctxPresetText[0] = QStringLiteral("Output size = 640x480\n");
    w.ctxDisplayText[0] = QStringLiteral("Frame rate = 30 fps\n");
    w.ctxPresetText[1] = QStringLiteral("Output size = 320x240\n");
    w.ctxDisplayText[1] = QStringLiteral("Frame rate = 15 fps\n");
    w.ctxPresetText[2] = QStringLiteral("not a context of this sensor\n");
    setTwoContexts(w);
    const int skippingY[] = {0, -1}, cif[] = {0, 1}, hd720p[] = {1, 0};
    const double goPro[] = {1.5, 0.0};
    for (int i = 0; i < 2; ++i) {
        w.skippingY[i] = skippingY[i];
        w.cif[i] = cif[i];
        w.hd720p[i] = hd720p[i];
        w.goProMode[i] = goPro[i];
    }

    w.ui.actionBug_Report->trigger();

    const QString path = s.install.root() + QStringLiteral("palladorBugInfo.txt");
    const QString expected =
        QStringLiteral("; This file was generated by Pallador.exe for Sarn102.  ") + w.getVersionString() +
        QStringLiteral("\n; \n; [PLL PARAMETERS]\n; Input clock = 24 MHz\n; PLL output = 96 MHz\n; \n; \n"
                       "; [PREVIEW PARAMETERS]\n; Output size = 640x480\n; Frame rate = 30 fps\n; \n; \n"
                       "; [CAPTURE PARAMETERS]\n; Output size = 320x240\n; Frame rate = 15 fps\n; \n\n"
                       "[PLL_settings]\n"
                       "REG = 0x001A, 0x0364\t\t//Reset and Misc Control = 868\n"
                       "BITFIELD = 0x3064, 0x0100, 256\t//PLL Enable, bits 0x0100 = 256\n"
                       "REG = 0x8810, 0x0020\t\t//pll_m = 32\n"
                       "REG = 0x8812, 0x0005\t\t//pll_flags = 5\n\n\n"
                       "[Timing_settings]\n"
                       "REG = 0x98e, 0x4814\t\t//line_length\n"
                       "REG = 0x990, 0x1e0\t\t//      = 480\n"
                       "REG = 0x98e, 0xc814\t\t//frame_count\n"
                       "REG = 0x990, 0x1e0\t\t//      = 480\n"
                       "REG = 0x98e, 0x40\t\t//mode_bits\n"
                       "BITFIELD = 0x990, 0xf0, 0xc0\t//      = 192\n\n\n"
                       "[UseCases]\n"
                       "0/name = Usecase_0\n0/binning = 1\n0/binxonly = 0\n0/skipping = 2\n0/skipping_y = 0\n"
                       "0/GoPro_Mode = 1.5\n0/cropping = 0\n0/centering = 1\n0/cif = 0\n0/hd720p = 1\n"
                       "0/lowpower = 0\n0/highspeed = 1\n0/intg_time = 33.3333\n0/cols = 640\n0/rows = 480\n"
                       "0/max_fps = 30\n0/context_a_default = 1\n\n"
                       "1/name = Usecase_1\n1/binning = 0\n1/binxonly = 2\n1/skipping = 0\n1/skipping_y = -1\n"
                       "1/GoPro_Mode = 0\n1/cropping = 1\n1/centering = 0\n1/cif = 1\n1/hd720p = 0\n"
                       "1/lowpower = 1\n1/highspeed = 0\n1/intg_time = 1250.5\n1/cols = 320\n1/rows = 240\n"
                       "1/max_fps = 7.5\n1/context_b_default = 1\n\n\n\n");
    QCOMPARE(QString::fromLocal8Bit(bytesOf(path)), QString::fromLocal8Bit(onDisk(expected)));
    QCOMPARE(urls.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
}

void TestOutputFiles::bugInfoHeaderOfTheLibrarysTexts_data()
{
    QTest::addColumn<QString>("sample");
    QTest::newRow("two contexts") << "Vek108m";
    QTest::newRow("form family with a PLL preset text") << "Vek125";
}

// The header of a sample's bug-information file as its calculation leaves
// it: each line of the library's texts on a line of its own.
void TestOutputFiles::bugInfoHeaderOfTheLibrarysTexts()
{
    QFETCH(QString, sample);
    Session s(sample);
    const QStringList expected = presettest::headerFromLibraryTexts(s.w());
    s.w().ui.actionBug_Report->trigger();
    presettest::compareLines(
        presettest::headerLinesOf(bytesOf(s.install.root() + QStringLiteral("palladorBugInfo.txt"))), expected);
}

void TestOutputFiles::bugInfoDirectTimingRows_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("bitfield");
    QTest::addColumn<QString>("line");

    // Sarn105k addresses its variables logically; Sarn104k does in the
    // preset but not here; Sarn102 is outside the group.
    QTest::newRow("logical group") << "Sarn105k" << 3 << 0 << "REG = 0x8C20, 0x0035\t\t//v = 53";
    QTest::newRow("preset-only group") << "Sarn104k" << 3 << 0 << "REG = 0x8420, 0x0035\t\t//v = 53";
    QTest::newRow("other sensor") << "Sarn102" << 3 << 0 << "REG = 0x8420, 0x0035\t\t//v = 53";
    QTest::newRow("plain register") << "Sarn105k" << 0 << 0 << "REG = 0x0420, 0x0035\t\t//v = 53";
    QTest::newRow("bit field whole") << "Sarn102" << 0 << 1 << "REG = 0x0420, 0x0035\t\t//v = 53";
}

void TestOutputFiles::bugInfoDirectTimingRows()
{
    QFETCH(QString, sample);
    QFETCH(int, id);
    QFETCH(int, bitfield);
    QFETCH(QString, line);
    Session s(sample);
    Pallador &w = s.w();
    w.varAccessMode = 1;
    setRows(w, {row("v", bitfield, 1, id, 0x0420, 16, 0x35, 0x00F0)});
    w.ui.actionBug_Report->trigger();
    const QByteArray bytes = bytesOf(s.install.root() + QStringLiteral("palladorBugInfo.txt"));
    QVERIFY2(
        bytes.contains(onDisk(QStringLiteral("\n\n[Timing_settings]\n") + line + QStringLiteral("\n\n\n[UseCases]\n"))),
        bytes.constData());
}

void TestOutputFiles::bugReportCommand_data()
{
    QTest::addColumn<QString>("folder"); // a folder the installation is reached through
    QTest::addColumn<bool>("pageOpens");
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("pageOpened");

    QTest::newRow("customer") << QString() << true << kCopyNote + QStringLiteral("pallador-support@example.com")
                              << false;
    QTest::newRow("customer, folder of another maker")
        << "quorsen" << true << kCopyNote + QStringLiteral("pallador-support@example.com") << false;
    QTest::newRow("in-house") << "Quorsen_InHouse" << true
                              << "Please save the notepad file and attached to the Halvern." << true;
    QTest::newRow("in-house, lower case")
        << "quorsen_inhouse" << true << "Please save the notepad file and attached to the Halvern." << true;
    QTest::newRow("in-house, page does not open")
        << "QUORSEN_INHOUSE" << false << kCopyNote + QStringLiteral("pallador-bugs@example.com") << false;
}

// The file is opened with the desktop's handler and the user is told where
// it was written and where to send it: in-house through the issue page,
// otherwise by e-mail.
void TestOutputFiles::bugReportCommand()
{
    QFETCH(QString, folder);
    QFETCH(bool, pageOpens);
    QFETCH(QString, note);
    QFETCH(bool, pageOpened);
    Session s;
    QString home = s.install.root();
    if (!folder.isEmpty()) {
        QVERIFY(QFile::link(s.install.root(), s.install.root() + folder));
        home += folder + QLatin1Char('/');
        qputenv("QI_HOME", home.toUtf8());
    }
    s.open(s.install.addSample(QStringLiteral("Sarn102.cfg")));
    if (!pageOpens) {
        // A handler that cannot be called: the page does not open.
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &urls, "noSuchSlot");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("noSuchSlot")));
    }

    s.w().ui.actionBug_Report->trigger();

    const QString path = home + QStringLiteral("palladorBugInfo.txt");
    QVERIFY(bytesOf(path).startsWith("; This file was generated by Pallador.exe for Sarn102."));
    QCOMPARE(s.messages(),
             QStringList{QStringLiteral("Pallador|The bug information was written to %1.\n\n").arg(path) + note});
    QVERIFY(!urls.opened.isEmpty());
    QCOMPARE(urls.opened.first(), QUrl::fromLocalFile(path));
    QCOMPARE(urls.opened.size(), pageOpened ? 2 : 1);
    if (pageOpened)
        QCOMPARE(urls.opened.last().scheme(), QStringLiteral("https"));
}

// A file that cannot be written is reported and neither opened nor offered.
void TestOutputFiles::bugReportWriteFailure()
{
    Session s(QStringLiteral("Sarn102"));
    const QString path = s.install.root() + QStringLiteral("palladorBugInfo.txt");
    QVERIFY(QDir().mkdir(path));
    s.w().ui.actionBug_Report->trigger();
    const QStringList shown = s.messages();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith(QStringLiteral("Pallador|Cannot write file %1:\n").arg(path)), qPrintable(shown[0]));
    QVERIFY(shown[0].endsWith(QLatin1Char('.')) && !shown[0].endsWith(QLatin1String(":\n.")));
    QCOMPARE(urls.opened, QList<QUrl>());
}

// ---------------------------------------------------------------------------
// Writes that fail, targets that are no regular file, inputs that are pipes

namespace {

// A reader that waits on a pipe for a writer is released late (it then
// reads nothing), so that a test of a reader that should never open the pipe
// fails rather than hangs.
class PipeRelease {
public:
    explicit PipeRelease(const QString &pipe) : m_pipe(QFile::encodeName(pipe))
    {
        m_thread = std::thread([this] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!m_stopped.wait_for(lock, std::chrono::seconds(20), [this] { return m_stop; })) {
                const int fd = ::open(m_pipe.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
        });
    }
    ~PipeRelease()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_stopped.notify_all();
        m_thread.join();
    }

private:
    QByteArray m_pipe;
    std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_stop = false;
    std::thread m_thread;
};

bool isPipe(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

bool makePipe(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

// The system calls of a write as a test needs them: an existing file without
// any write permission refused, as it is for an ordinary user (root may write
// every file), and optionally every fsync failing with EIO. The system's are
// back when the object goes.
class WriteCalls {
public:
    explicit WriteCalls(bool failingSync)
    {
        output::setWriteSystemCalls(asOrdinaryUser, failingSync ? failedSync : nullptr);
    }
    ~WriteCalls() { output::setWriteSystemCalls(nullptr, nullptr); }

private:
    static int asOrdinaryUser(const char *path)
    {
        struct stat st;
        if (::stat(path, &st) != 0)
            return -1;
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            errno = EACCES;
            return -1;
        }
        return 0;
    }
    static int failedSync(int)
    {
        errno = EIO;
        return -1;
    }
};

const char *const kSizeLimit = "size limit";
const char *const kFailedSync = "failed fsync";

const char *const kSaveIni = "Save INI";
const char *const kSaveConfig = "Save Config";
const char *const kBugReport = "Bug Report";

// Runs a writer's command on path (Bug Report writes to its fixed name).
void runCommand(Pallador &w, const QString &command, const QString &path)
{
    if (command == QLatin1String(kSaveIni))
        w.saveIniFile(path);
    else if (command == QLatin1String(kSaveConfig))
        w.writeConfigFile(path);
    else
        w.ui.actionBug_Report->trigger();
}

// The message a writer shows when path cannot be written for reason.
QString failureMessage(const QString &command, const QString &path, const QString &reason)
{
    const QString text = command == QLatin1String(kSaveConfig) ? QStringLiteral("Cannot open file %1:\n%2.")
                                                               : QStringLiteral("Cannot write file %1:\n%2.");
    return QStringLiteral("Pallador|") + text.arg(path, reason);
}

// Whether the command recorded path as written: the current preset, the
// configuration saved, or the bug-information file opened and offered.
bool recorded(const Pallador &w, const QString &command, const QList<QUrl> &opened, const QString &path)
{
    if (command == QLatin1String(kSaveIni))
        return w.iniPath == path && w.windowFilePath() == path;
    if (command == QLatin1String(kSaveConfig))
        return w.cfgPath == path && w.windowFilePath() == path;
    return opened.contains(QUrl::fromLocalFile(path));
}

} // namespace

void TestOutputFiles::writeFailingAfterOpenKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("fault");
    for (const char *command : {kSaveIni, kSaveConfig, kBugReport}) {
        for (const char *fault : {kSizeLimit, kFailedSync})
            QTest::addRow("%s, %s", command, fault) << QString::fromLatin1(command) << QString::fromLatin1(fault);
    }
}

// A write that fails after the file was opened (a file-size limit, a full
// disk alike, or an fsync that fails) leaves the old file byte for byte and
// nothing else behind, is reported, and records nothing; without the fault
// the same write succeeds, is larger than the limit and keeps the file's
// permissions, owner and group, while a hard link to the old file keeps the
// old content (the file is replaced, not written through).
void TestOutputFiles::writeFailingAfterOpenKeepsTheOldFile()
{
    QFETCH(QString, command);
    QFETCH(QString, fault);
    Session s(QStringLiteral("Sarn101k"));
    Pallador &w = s.w();
    w.useStdTemplate = false;
    const QString root = s.install.root();
    const QString path =
        root + (command == QLatin1String(kBugReport) ? QStringLiteral("palladorBugInfo.txt") : QStringLiteral("kept"));
    const QByteArray earlier = "; an earlier file\r\n";
    writeBytes(path, earlier);
    const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(path, permissions));
    // Another user's file (only root may give it away; run as anyone else
    // the owner is not looked at).
    const QByteArray name = QFile::encodeName(path);
    const bool givenAway = ::chown(name.constData(), 65534, 65534) == 0;
    const auto installed = installedFiles(root);
    const QString title = w.windowFilePath();

    const rlim_t limit = 256;
    {
        std::unique_ptr<FileSizeLimit> full;
        if (fault == QLatin1String(kSizeLimit)) {
            full.reset(new FileSizeLimit(limit));
            QVERIFY(full->isSet());
        }
        WriteCalls calls(fault == QLatin1String(kFailedSync));
        runCommand(w, command, path);
    }
    QCOMPARE(bytesOf(path), earlier);
    QCOMPARE(installedFiles(root), installed);
    const int error = fault == QLatin1String(kSizeLimit) ? EFBIG : EIO;
    QCOMPARE(s.messages(), QStringList{failureMessage(command, path, qt_error_string(error))});
    QVERIFY(!recorded(w, command, urls.opened, path));
    QCOMPARE(w.windowFilePath(), title);

    s.responder.clear();
    const QString hardLink = root + QStringLiteral("hard link");
    QCOMPARE(::link(name.constData(), QFile::encodeName(hardLink).constData()), 0);
    runCommand(w, command, path);
    QVERIFY(QFileInfo(path).size() > qint64(limit));
    QCOMPARE(QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser), permissions);
    struct stat st;
    QCOMPARE(::stat(name.constData(), &st), 0);
    if (givenAway) {
        QCOMPARE(st.st_uid, uid_t(65534));
        QCOMPARE(st.st_gid, gid_t(65534));
    }
    QCOMPARE(bytesOf(hardLink), earlier);
    QVERIFY(recorded(w, command, urls.opened, path));
}

void TestOutputFiles::targetsOtherThanRegularFiles_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("kind");   // what the name is: pipe, a link to file, pipe or nothing, a file
    QTest::addColumn<QString>("reason"); // empty: written; %1 the path

    const QString pipe = QStringLiteral("pipe");
    const QString toFile = QStringLiteral("link to a file");
    const QString toPipe = QStringLiteral("link to a pipe");
    const QString toNothing = QStringLiteral("link to nothing");
    const QString notRegular = QStringLiteral("It is not a regular file");
    const QString link = QStringLiteral("It is a symbolic link");
    const QString dangling = QStringLiteral("It is a symbolic link to a file that does not exist");
    for (const char *command : {kSaveIni, kSaveConfig, kBugReport}) {
        const bool fixedName = command == QLatin1String(kBugReport);
        const auto add = [&](const QString &kind, const QString &reason) {
            QTest::addRow("%s, %s", command, qPrintable(kind)) << QString::fromLatin1(command) << kind << reason;
        };
        add(pipe, notRegular);
        add(toFile, fixedName ? link : QString());
        add(toPipe, fixedName ? link : notRegular);
        add(toNothing, fixedName ? link : dangling);
        add(QStringLiteral("write-protected file"), QStringLiteral("Existing file %1 is not writable"));
        if (!fixedName)
            add(QStringLiteral("file of a 255-byte name"), QString());
    }
}

// Only a regular file the user may write or a new name is written (a name
// of up to 255 bytes). A name the user chose that is a link to a regular file
// is written through (the link stays); the fixed name of the bug-information
// file is never followed. What is refused is reported and stays as it was,
// and nothing is recorded.
void TestOutputFiles::targetsOtherThanRegularFiles()
{
    QFETCH(QString, command);
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    Session s(QStringLiteral("Sarn101k"));
    Pallador &w = s.w();
    w.useStdTemplate = false;
    const QString root = s.install.root();
    const QString name = kind == QLatin1String("file of a 255-byte name") ? QString(255, QLatin1Char('n'))
                                                                          : QStringLiteral("chosen");
    const QString path =
        root + (command == QLatin1String(kBugReport) ? QStringLiteral("palladorBugInfo.txt") : name);
    QVERIFY(QDir(root).mkdir(QStringLiteral("elsewhere")));
    const QString target = root + QStringLiteral("elsewhere/target");
    const QByteArray before = "; someone else's file\r\n";
    if (kind == QLatin1String("link to a file"))
        writeBytes(target, before);
    if (kind.contains(QLatin1String("pipe")))
        QVERIFY(makePipe(kind == QLatin1String("pipe") ? path : target));
    if (kind.startsWith(QLatin1String("link")))
        QVERIFY(QFile::link(target, path));
    const bool ownFile = kind == QLatin1String("write-protected file") || kind == QLatin1String("file of a 255-byte name");
    if (ownFile) {
        writeBytes(path, before);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup));
    }
    if (kind == QLatin1String("file of a 255-byte name"))
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    {
        WriteCalls calls(false);
        runCommand(w, command, path);
    }
    const QString written = kind.startsWith(QLatin1String("link")) ? target : path;

    if (kind.startsWith(QLatin1String("link")))
        QCOMPARE(QFileInfo(path).symLinkTarget(), target);
    if (kind.contains(QLatin1String("pipe")))
        QVERIFY(isPipe(kind == QLatin1String("pipe") ? path : target));
    if (!reason.isEmpty()) {
        const QString why = reason.contains(QLatin1String("%1")) ? reason.arg(path) : reason;
        QCOMPARE(s.messages(), QStringList{failureMessage(command, path, why)});
        QVERIFY(!recorded(w, command, urls.opened, path));
        if (ownFile || kind == QLatin1String("link to a file"))
            QCOMPARE(bytesOf(written), before);
        if (kind == QLatin1String("link to nothing"))
            QVERIFY(!QFileInfo::exists(target));
    } else {
        QCOMPARE(s.messages(), QStringList());
        QVERIFY(bytesOf(written).startsWith("; Pallador Configuration file based on ") ||
                bytesOf(written).startsWith("; This file was generated by Pallador.exe for Sarn101k."));
        QVERIFY(recorded(w, command, urls.opened, path));
    }
    // Nothing is left beside the file.
    QCOMPARE(QDir(root).entryList({QStringLiteral(".pallador-*")}, QDir::AllEntries | QDir::Hidden | QDir::System),
             QStringList());
    const bool targetMade = kind == QLatin1String("link to a file") || kind == QLatin1String("link to a pipe");
    QCOMPARE(QDir(root + QStringLiteral("elsewhere")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             targetMade ? QStringList{QStringLiteral("target")} : QStringList());
}

void TestOutputFiles::pipesAreNotRead_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("standard template") << "template";
    QTest::newRow("base of Save Config") << "base";
}

// A pipe where the standard template or the loaded configuration file was is
// not read (its read would wait for a writer for ever): the user is told,
// and Save INI writes the plain preset while Save Config writes nothing.
void TestOutputFiles::pipesAreNotRead()
{
    QFETCH(QString, input);
    Session s(QStringLiteral("Sarn101k"));
    Pallador &w = s.w();
    const QString root = s.install.root();
    const QString pipe =
        input == QLatin1String("template") ? root + QStringLiteral("apps_data/SN-101K-A-REV1.ini") : w.configPath;
    QFile::remove(pipe);
    QVERIFY(makePipe(pipe));
    const QString path = root + QStringLiteral("out");
    {
        PipeRelease release(pipe);
        if (input == QLatin1String("template"))
            w.saveIniFile(path);
        else
            w.writeConfigFile(path);
    }
    QVERIFY(isPipe(pipe));
    if (input == QLatin1String("template")) {
        QVERIFY(w.useStdTemplate);
        QCOMPARE(templateMessages, QStringList{QStringLiteral("Can not open the Standard INI Template!\n%1:\n"
                                                              "It is not a regular file.")
                                                   .arg(pipe)});
        QVERIFY(bytesOf(path).startsWith("; This file was generated by Pallador.exe for Sarn101k."));
        QCOMPARE(w.iniPath, path);
        QCOMPARE(s.messages(), QStringList());
    } else {
        QCOMPARE(s.messages(), QStringList{failureMessage(QLatin1String(kSaveConfig), pipe,
                                                          QStringLiteral("It is not a regular file"))});
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(w.cfgPath, QString());
    }
}

QTEST_MAIN(TestOutputFiles)
#include "tst_outputfiles.moc"
