// Window state per sensor model, the View menu's toggles and the tool tips.
#include "pallador.h"

#include "catalogue.h"
#include "savedlayout.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryFile>
#include <QToolBar>

#include <cerrno>
#include <cstdio>

namespace {

// A sensor model's store holds the window's geometry and its dock and tool
// bar state as Qt saves them, each with its checksum (the lower-case
// hexadecimal SHA-256 of the stored bytes), and the store's format. Qt's own
// readers trust their input and can crash or hang on damaged bytes. The
// checksums only catch accidents, so nothing reaches Qt unless the format and
// both checksums match and both values pass the structural checks of
// savedlayout.h; a store written before the checksums existed is ignored.
const QString kGeometry = QStringLiteral("geometry");
const QString kGeometryCheck = QStringLiteral("geometryCheck");
const QString kState = QStringLiteral("windowState");
const QString kStateCheck = QStringLiteral("windowStateCheck");
const QString kFormat = QStringLiteral("stateFormat");
const int kStoreFormat = 1;
// The version handed to saveState and restoreState.
const int kStateVersion = 0;

using SavedLayout::kMaxExtent;

// The store of the loaded sensor model, named as the catalogue spells it:
// files spelling a model differently share it, and a name never comes from
// a file. Empty unless a catalogued sensor is loaded.
QString stateStoreName(int sensorIndex)
{
    return sensorIndex >= 1 && sensorIndex < SensorCatalogueSize ? catalogueName(sensorIndex) : QString();
}

// The file of a store: Pallador/<name>.conf in the user's settings folder.
QString stateStoreFile(const QString &name)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Pallador/") +
           name + QStringLiteral(".conf");
}

// Whether a store file may be opened: missing or a regular file. Opening a
// pipe there would wait for a writer for ever.
bool usableStoreFile(const QString &file)
{
    const QFileInfo info(file);
    return !info.exists() || info.isFile();
}

QString checksum(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// The stored bytes of key, empty unless its checksum matches.
QByteArray checkedValue(const QSettings &store, const QString &key, const QString &checkKey)
{
    const QVariant stored = store.value(key);
    if (stored.type() != QVariant::ByteArray)
        return QByteArray();
    const QByteArray bytes = stored.toByteArray();
    return !bytes.isEmpty() && store.value(checkKey).toString() == checksum(bytes) ? bytes : QByteArray();
}

// A window's geometry when neither maximized nor full screen.
QRect normalGeometryOf(const QWidget &window)
{
    return window.isMaximized() || window.isFullScreen() ? window.normalGeometry() : window.geometry();
}

bool withinExtent(const QRect &r)
{
    return r.isValid() && r.width() <= kMaxExtent && r.height() <= kMaxExtent && qAbs(r.left()) <= kMaxExtent &&
           qAbs(r.top()) <= kMaxExtent;
}

// Whether Qt takes geometry and makes a window of a size and place some
// window system could show. Tried on a window that is never shown, so that
// nothing of a refused geometry reaches the screen. A maximized or
// full-screen window opens on the screen its normal geometry is on: Qt moves
// that onto a screen, but one more than twice as wide or tall as the screen
// keeps its centre off it.
bool acceptableGeometry(const QByteArray &geometry)
{
    QWidget probe(nullptr, Qt::Window);
    if (!probe.restoreGeometry(geometry) || !withinExtent(probe.geometry()) || !withinExtent(normalGeometryOf(probe)))
        return false;
    return !(probe.isMaximized() || probe.isFullScreen()) ||
           QGuiApplication::screenAt(probe.normalGeometry().center()) != nullptr;
}

// The available area of the screen a window is on (most of it, or the
// screen it was made for), or an empty rectangle without a screen.
QRect availableAreaOf(const QWidget &window)
{
    QScreen *screen = QGuiApplication::screenAt(window.frameGeometry().center());
    if (!screen)
        screen = window.screen();
    return screen ? screen->availableGeometry() : QRect();
}

// The size of the frame the window system draws around a window. Until it
// has framed the window, room for a title bar and borders is assumed: a
// window sized to fit before it is shown then still fits with its frame.
QSize frameMarginsOf(const QWidget &window)
{
    const QSize margins = window.frameGeometry().size() - window.geometry().size();
    if (!margins.isNull())
        return margins;
    const QStyle *style = window.style();
    const int border = 2 * style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    return QSize(border, border + style->pixelMetric(QStyle::PM_TitleBarHeight));
}

// Where a frame goes to lie within area: moved as little as it takes, and
// from the area's top left corner where it is larger.
QPoint placedWithin(QRect frame, const QRect &area)
{
    if (frame.right() > area.right())
        frame.moveRight(area.right());
    if (frame.bottom() > area.bottom())
        frame.moveBottom(area.bottom());
    if (frame.left() < area.left())
        frame.moveLeft(area.left());
    if (frame.top() < area.top())
        frame.moveTop(area.top());
    return frame.topLeft();
}

// Keeps a floating dock or tool bar on the screen it is on (else the one it
// was made for), no larger than the screen's available area. A restored
// tool bar takes its saved place and size as they are, which may lie off
// every screen the desk has now.
void keepFloatingOnScreen(QWidget &tool)
{
    const QRect available = availableAreaOf(tool);
    if (!tool.isWindow() || available.isEmpty())
        return;
    const QSize margins = frameMarginsOf(tool);
    const QSize size = tool.size().boundedTo(available.size() - margins).expandedTo(tool.minimumSize());
    if (size != tool.size())
        tool.resize(size);
    const QPoint at = placedWithin(QRect(tool.frameGeometry().topLeft(), size + margins), available);
    if (at != tool.frameGeometry().topLeft())
        tool.move(at);
}

// The name of the timing diagram's property that tells it has been placed.
const char *const kPlaced = "placed";

// Puts a floating tool window beside the window: right of it, else left of
// it, where it fits on the window's screen; else at the screen's right edge
// below the window's menu bar, so that the menus stay in reach.
void placeBeside(QWidget &tool, const QMainWindow &window)
{
    const QRect available = availableAreaOf(window);
    if (available.isEmpty())
        return;
    const QRect frame = window.frameGeometry();
    const QSize size = tool.frameGeometry().size();
    QPoint at(available.right() + 1 - size.width(),
              window.menuBar()->mapToGlobal(QPoint(0, window.menuBar()->height())).y());
    if (frame.right() + size.width() <= available.right())
        at = QPoint(frame.right() + 1, frame.top());
    else if (frame.left() - size.width() >= available.left())
        at = QPoint(frame.left() - size.width(), frame.top());
    at.setX(qBound(available.left(), at.x(), qMax(available.left(), available.right() + 1 - size.width())));
    at.setY(qBound(available.top(), at.y(), qMax(available.top(), available.bottom() + 1 - size.height())));
    tool.move(at);
}

} // namespace

void Pallador::keepOnScreen()
{
    if (isMaximized() || isFullScreen())
        return;
    const QRect available = availableAreaOf(*this);
    if (available.isEmpty())
        return;
    // The size the window is about to take: a window system may resize it
    // later than asked, to no less than its minimum.
    const QSize margins = frameMarginsOf(*this);
    const QSize largest = available.size() - margins;
    const QSize wanted = size().expandedTo(minimumSize());
    if (wanted.width() > largest.width() || wanted.height() > largest.height())
        resize(wanted.boundedTo(largest));

    // A window the window system places itself (a new one, not shown yet) is
    // left to it; one with a place of its own is moved onto the area.
    if (!isVisible() && !testAttribute(Qt::WA_Moved))
        return;
    const QPoint at = placedWithin(
        QRect(frameGeometry().topLeft(), wanted.boundedTo(largest).expandedTo(minimumSize()) + margins), available);
    if (at != frameGeometry().topLeft())
        move(at);
}

void Pallador::restoreWindowState()
{
    const QString name = stateStoreName(sensorIndex);
    if (name.isEmpty())
        return;
    const QString file = stateStoreFile(name);
    if (!usableStoreFile(file))
        return;
    const QSettings store(file, QSettings::NativeFormat);
    bool formatRead = false;
    if (store.value(kFormat).toInt(&formatRead) != kStoreFormat || !formatRead)
        return;
    const QByteArray geometry = checkedValue(store, kGeometry, kGeometryCheck);
    const QByteArray state = checkedValue(store, kState, kStateCheck);
    if (!SavedLayout::isSoundGeometry(geometry) || !SavedLayout::isSoundState(state, kStateVersion, *this) ||
        !acceptableGeometry(geometry))
        return;

    // The store is taken whole or not at all. Qt leaves the window as it was
    // when it refuses a state, so the state goes first; the docks it shows
    // or hides also set the minimum size the restored geometry must meet.
    // The geometry cannot be refused any more (the probe took it), and the
    // state is laid out again in the restored size, the size its docks were
    // saved in.
    if (!restoreState(state, kStateVersion))
        return;
    restoreGeometry(geometry);
    restoreState(state, kStateVersion);
    keepOnScreen();
    for (QWidget *tool : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QDockWidget *>(tool) || qobject_cast<QToolBar *>(tool))
            keepFloatingOnScreen(*tool);
    }
    // A floating diagram opens where the store has it.
    ui.dockTiming->setProperty(kPlaced, true);
}

void Pallador::on_actionSave_State_triggered()
{
    const QString name = stateStoreName(sensorIndex);
    if (name.isEmpty())
        return;
    const QString file = stateStoreFile(name);
    const auto refuse = [&](const QString &reason) {
        tellUser(QMessageBox::Warning, QStringLiteral("Pallador"),
                 QStringLiteral("Cannot write file %1:\n%2.").arg(file, reason));
    };
    if (!usableStoreFile(file)) {
        refuse(QStringLiteral("It is not a regular file"));
        return;
    }
    const QByteArray geometry = saveGeometry();
    const QByteArray state = saveState(kStateVersion);
    const QVector<QPair<QString, QVariant>> values = {{kGeometry, geometry},
                                                      {kGeometryCheck, checksum(geometry)},
                                                      {kState, state},
                                                      {kStateCheck, checksum(state)},
                                                      {kFormat, kStoreFormat}};

    // The store is replaced whole or not at all. QSettings does not tell of a
    // write that fails once its buffer goes to the disk (a full disk leaves
    // its file cut short), so the store is written beside its place and
    // takes the store's name only when its bytes read back whole; otherwise
    // the state saved before is kept, and the user is told. QSettings
    // answers a second read of the file it wrote from memory: the bytes are
    // read back from a copy.
    const QString folder = QFileInfo(file).path();
    const QString pattern = folder + QLatin1Char('/') + name + QStringLiteral(".XXXXXX");
    QTemporaryFile written(pattern);
    QTemporaryFile copy(pattern);
    if (!QDir().mkpath(folder) || !written.open() || !copy.open()) {
        refuse(written.errorString());
        return;
    }
    written.close();
    bool whole = false;
    {
        QSettings store(written.fileName(), QSettings::NativeFormat);
        for (const auto &value : values)
            store.setValue(value.first, value.second);
        store.sync();
        whole = store.status() == QSettings::NoError;
    }
    QFile bytes(written.fileName());
    whole = whole && bytes.open(QIODevice::ReadOnly) && copy.write(bytes.readAll()) == bytes.size() && copy.flush();
    copy.close();
    const QSettings readBack(copy.fileName(), QSettings::NativeFormat);
    for (const auto &value : values)
        whole = whole && readBack.value(value.first).toByteArray() == value.second.toByteArray();
    if (!whole) {
        refuse(QStringLiteral("The window state was not saved; the one saved before is kept"));
        return;
    }
    if (::rename(QFile::encodeName(written.fileName()).constData(), QFile::encodeName(file).constData()) != 0)
        refuse(qt_error_string(errno));
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
    if (ui.actionTiming->isChecked())
        drawPendingTimingDiagram();
    ui.dockTiming->setVisible(ui.actionTiming->isChecked());
    if (!ui.dockTiming->isVisible())
        return;
    // Shown, a floating diagram takes the size of its drawing. It first opens
    // beside the window, and after that where the user puts it, but never
    // over the window's menu bar.
    updateTimingDiagram();
    const QRect menus(menuBar()->mapToGlobal(QPoint(0, 0)), menuBar()->size());
    if (ui.dockTiming->isFloating() &&
        (!ui.dockTiming->property(kPlaced).toBool() || ui.dockTiming->frameGeometry().intersects(menus))) {
        placeBeside(*ui.dockTiming, *this);
        ui.dockTiming->setProperty(kPlaced, true);
    }
}

void Pallador::on_checkRegList_clicked()
{
    ui.tableRegister->setVisible(ui.checkRegList->isChecked());
    fitRegisterTable();
    // A window the table widened past the screen's edge moves back onto it.
    centralWidget()->layout()->activate();
    layout()->activate();
    keepOnScreen();
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
