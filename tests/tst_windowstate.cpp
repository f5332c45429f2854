// The window state store of each sensor model: what Save State keeps, what a
// later load of the sensor brings back, and the stores a load must ignore
// (damaged, foreign or older ones) so that the window keeps its own layout.
// And the window on a screen smaller than its form: its default size, where
// the timing diagram opens, and the register table and the diagram shown and
// hidden again.
#include "pallador.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDirIterator>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QToolBar>
#include <QtEndian>
#include <QtTest>

#include <functional>
#include <iterator>

#include <sys/stat.h>

namespace {

// A two-context sensor: the set-up shows the PLL dock and both image docks.
const QString kSample = QStringLiteral("Vek108m.cfg");
const QString kModel = QStringLiteral("Vek108m");

using Arrange = std::function<void(Pallador &)>;

QString areaName(Qt::DockWidgetArea area)
{
    switch (area) {
    case Qt::LeftDockWidgetArea: return QStringLiteral("left");
    case Qt::RightDockWidgetArea: return QStringLiteral("right");
    case Qt::TopDockWidgetArea: return QStringLiteral("top");
    case Qt::BottomDockWidgetArea: return QStringLiteral("bottom");
    default: return QStringLiteral("none");
    }
}

// What the user sees of the window's arrangement: its geometry, where and how
// large each dock is (or that it is hidden) and the tool bar.
QString layoutOf(Pallador &w)
{
    QCoreApplication::processEvents();
    const QRect g = w.geometry();
    QStringList parts{QStringLiteral("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())};
    for (QDockWidget *dock : {w.ui.dockPLL, w.ui.dockImageA, w.ui.dockImageB, w.ui.dockImageC, w.ui.dockTiming}) {
        QString where = QStringLiteral("hidden");
        if (dock->isVisible()) {
            where = dock->isFloating() ? QStringLiteral("floating") : areaName(w.dockWidgetArea(dock));
            where += QStringLiteral("/%1x%2").arg(dock->width()).arg(dock->height());
        }
        if (!w.tabifiedDockWidgets(dock).isEmpty())
            where += QStringLiteral("/tabbed");
        parts << dock->objectName() + QLatin1Char(':') + where;
    }
    parts << QStringLiteral("toolBar:") +
                 (w.ui.toolBar->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden")) + QLatin1Char('/') +
                 areaName(Qt::DockWidgetArea(int(w.toolBarArea(w.ui.toolBar))));
    return parts.join(QLatin1Char(' '));
}

// The layout a new window shows once path is loaded.
QString loadedLayout(const QString &path)
{
    Pallador w(QString{});
    w.show();
    (void)QTest::qWaitForWindowExposed(&w);
    w.loadConfigFile(path);
    return layoutOf(w);
}

// Loads path into a window and arranges it, then saves its state from the
// Windows menu; returns the layout saved. A window too large to paint is
// arranged unshown.
QString saveState(const QString &path, const Arrange &arrange, bool shown = true)
{
    Pallador w(QString{});
    if (shown) {
        w.show();
        (void)QTest::qWaitForWindowExposed(&w);
    }
    w.loadConfigFile(path);
    arrange(w);
    const QString saved = layoutOf(w);
    w.ui.actionSave_State->trigger();
    return saved;
}

// The arrangement a saved state records: image A closed, image B moved to
// the bottom, the PLL dock floating, the window smaller and moved. It fits
// the test screen (800x600), so it comes back unchanged.
void arrangeByUser(Pallador &w)
{
    w.ui.dockImageA->hide();
    w.addDockWidget(Qt::BottomDockWidgetArea, w.ui.dockImageB);
    w.ui.dockPLL->setFloating(true);
    QCoreApplication::processEvents();
    w.setGeometry(10, 30, 700, 540);
}

// Whether the user can reach target (a dock or the tool bar of window)
// through its View action and, for a tabbed dock, its tab: switched on, it is
// shown, not empty, and at least partly in the window when docked (on the
// test screen the docks may need more room than there is) or on the screen
// when floating. Its place is returned in where.
bool reachable(const QMainWindow &window, QAction *view, QWidget *target, QString &where)
{
    if (!view->isChecked())
        view->trigger();
    if (!target->isVisible()) {
        view->trigger();
        view->trigger();
    }
    target->raise();
    QCoreApplication::processEvents();
    const bool floating = target->isWindow();
    const QRect frame =
        floating ? target->frameGeometry() : QRect(target->mapTo(&window, QPoint(0, 0)), target->size());
    where = target->objectName() + QStringLiteral(" %1 %2 at %3,%4 %5x%6")
                                       .arg(target->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"))
                                       .arg(floating ? QStringLiteral("floating") : QStringLiteral("docked"))
                                       .arg(frame.x())
                                       .arg(frame.y())
                                       .arg(frame.width())
                                       .arg(frame.height());
    const QRect area = floating ? target->screen()->availableGeometry() : window.rect();
    return target->isVisible() && !frame.isEmpty() && area.intersects(frame);
}

// A string as a saved state holds it.
QByteArray serialized(const QString &text)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << text;
    return bytes;
}

void putWord(QByteArray &bytes, int at, qint32 value)
{
    char word[4];
    qToBigEndian(value, word);
    bytes.replace(at, 4, QByteArray(word, 4));
}

// Changes to the state arrangeByUser saves (image B docked at the bottom, the
// tool bar its only one) that keep it well-formed but that Qt would lay out
// unusably or that no window of this program writes.
const std::pair<const char *, std::function<void(QByteArray &)>> kUnusableStates[] = {
    // Laid out empty, off the window: its flags, then its position and size.
    {"a shown dock of no size",
     [](QByteArray &state) {
         const QByteArray name = serialized(QStringLiteral("dockImageB"));
         putWord(state, state.indexOf(name) + name.size() + 1 + 4, 0);
     }},
    // The four corners come just before the tool bar section: its marker,
    // number of lines, the line's area and number of tool bars, then the
    // tool bar's name.
    {"the top left corner given to the left area",
     [](QByteArray &state) {
         putWord(state, state.indexOf(serialized(QStringLiteral("toolBar"))) - 13 - 16, Qt::LeftDockWidgetArea);
     }},
    {"a dock twice",
     [](QByteArray &state) {
         state.replace(serialized(QStringLiteral("dockImageC")), serialized(QStringLiteral("dockImageB")));
     }},
    // The floating PLL dock: its flags, then x, y, width and height.
    {"a floating dock of negative width",
     [](QByteArray &state) {
         const QByteArray name = serialized(QStringLiteral("dockPLL"));
         putWord(state, state.indexOf(name) + name.size() + 1 + 8, -300);
     }},
    {"a floating dock of negative height",
     [](QByteArray &state) {
         const QByteArray name = serialized(QStringLiteral("dockPLL"));
         putWord(state, state.indexOf(name) + name.size() + 1 + 12, -200);
     }},
};

bool onScreen(const QWidget &w)
{
    return w.screen()->availableGeometry().contains(w.frameGeometry());
}

// Every file below folder (symbolic links not followed) with a digest of its
// content.
QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?");
        files << path + QLatin1Char(' ') + QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex();
    }
    files.sort();
    return files;
}

} // namespace

class TestWindowState : public QObject {
    Q_OBJECT

private slots:
    void savedStateComesBack();
    void everyArrangementComesBack_data();
    void everyArrangementComesBack();
    void damagedStoreIsIgnored_data();
    void damagedStoreIsIgnored();
    void mutatedStoreLeavesAUsableWindow();
    void unusableStateIsIgnored_data();
    void unusableStateIsIgnored();
    void foreignStoreIsIgnored_data();
    void foreignStoreIsIgnored();
    void storeFollowsCatalogueSpelling();
    void restoredWindowStaysOnScreen_data();
    void floatingToolBarStaysOnScreen_data();
    void floatingToolBarStaysOnScreen();
    void restoredWindowStaysOnScreen();
    void saveNeedsCataloguedSensor_data();
    void saveNeedsCataloguedSensor();
    void storeThatCannotBeWritten_data();
    void storeThatCannotBeWritten();
    void defaultSizeFitsTheScreen_data();
    void defaultSizeFitsTheScreen();
    void timingDiagramOpensClearOfTheMenus();
    void tableAndDiagramKeepTheWindowOnScreen();
};

// A saved arrangement is what the next load of the sensor shows, in a new
// window and in the one that saved it after the user changed it again.
void TestWindowState::savedStateComesBack()
{
    FixtureInstall install;
    const QString path = install.addSample(kSample);
    DialogResponder responder;

    Pallador w(QString{});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.loadConfigFile(path);
    QVERIFY(w.ui.dockImageA->isVisible());
    QCOMPARE(w.dockWidgetArea(w.ui.dockPLL), Qt::LeftDockWidgetArea);
    arrangeByUser(w);
    const QString saved = layoutOf(w);
    QVERIFY2(onScreen(w), qPrintable(saved));
    w.ui.actionSave_State->trigger();

    Pallador other(QString{});
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    other.loadConfigFile(path);
    QCOMPARE(layoutOf(other), saved);
    QVERIFY(!other.ui.dockImageA->isVisible());
    QCOMPARE(other.dockWidgetArea(other.ui.dockImageB), Qt::BottomDockWidgetArea);
    QVERIFY(other.ui.dockPLL->isFloating());

    w.ui.dockImageA->show();
    w.ui.dockPLL->setFloating(false);
    w.setGeometry(20, 10, 760, 560);
    w.loadConfigFile(path);
    QCOMPARE(layoutOf(w), saved);
    QCOMPARE(responder.seen(), QStringList());
}

// Arrangements a user can make, beyond the one above. Each fits the test
// screen once the window is placed as the user left it, so the PLL dock,
// which is nearly as wide as the screen beside the main form, floats or is
// hidden.
const std::pair<const char *, Arrange> kArrangements[] = {
    {"image docks tabbed",
     [](Pallador &w) {
         w.ui.dockPLL->setFloating(true);
         w.tabifyDockWidget(w.ui.dockImageA, w.ui.dockImageB);
     }},
    {"image docks nested",
     [](Pallador &w) {
         w.ui.dockPLL->setFloating(true);
         w.splitDockWidget(w.ui.dockImageA, w.ui.dockImageB, Qt::Vertical);
     }},
    {"tool bar and an image dock at the bottom",
     [](Pallador &w) {
         w.ui.actionPLL->trigger();
         w.addToolBar(Qt::BottomToolBarArea, w.ui.toolBar);
         w.addDockWidget(Qt::BottomDockWidgetArea, w.ui.dockImageA);
     }},
    {"tool bar and every dock hidden",
     [](Pallador &w) {
         for (QAction *view : {w.ui.actionToolBar, w.ui.actionPLL, w.ui.actionImage_A, w.ui.actionImage_B})
             view->trigger();
     }},
    {"timing diagram floating",
     [](Pallador &w) {
         w.ui.dockPLL->setFloating(true);
         w.ui.actionImage_B->trigger();
         w.ui.actionTiming->trigger();
     }},
    {"timing diagram docked at the bottom",
     [](Pallador &w) {
         w.ui.actionPLL->trigger();
         w.ui.actionImage_B->trigger();
         w.ui.actionTiming->trigger();
         w.ui.dockTiming->setFloating(false);
         w.addDockWidget(Qt::BottomDockWidgetArea, w.ui.dockTiming);
     }},
    {"image docks floating",
     [](Pallador &w) {
         w.ui.actionPLL->trigger();
         w.ui.dockImageA->setFloating(true);
         w.ui.dockImageB->setFloating(true);
         w.ui.dockImageB->move(100, 80);
     }},
};

// Every arrangement the user saves passes the checks a stored state must
// pass, and comes back as it was saved.
void TestWindowState::everyArrangementComesBack_data()
{
    QTest::addColumn<int>("arrangement");
    for (int i = 0; i < int(std::size(kArrangements)); ++i)
        QTest::newRow(kArrangements[i].first) << i;
}

void TestWindowState::everyArrangementComesBack()
{
    QFETCH(int, arrangement);

    FixtureInstall install;
    const QString path = install.addSample(kSample);
    DialogResponder responder;
    const QString setUp = loadedLayout(path);
    const QString saved = saveState(path, [&](Pallador &w) {
        kArrangements[arrangement].second(w);
        QCoreApplication::processEvents();
        w.setGeometry(10, 30, 700, 540);
    });
    QVERIFY2(saved != setUp, qPrintable(saved));
    QCOMPARE(loadedLayout(path), saved);
    QCOMPARE(responder.seen(), QStringList());
}

// Single-byte damage anywhere in a stored value: every load shows the layout
// the set-up makes, as if nothing had been saved.
void TestWindowState::damagedStoreIsIgnored_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<quint32>("seed");

    QTest::newRow("windowState") << QStringLiteral("windowState") << 20240611u;
    QTest::newRow("geometry") << QStringLiteral("geometry") << 20240612u;
}

void TestWindowState::damagedStoreIsIgnored()
{
    QFETCH(QString, key);
    QFETCH(quint32, seed);

    FixtureInstall install;
    const QString path = install.addSample(kSample);
    DialogResponder responder;

    const QString setUp = loadedLayout(path);
    const QString saved = saveState(path, arrangeByUser);
    QVERIFY(saved != setUp);
    QCOMPARE(loadedLayout(path), saved);

    const QByteArray intact = QSettings(QStringLiteral("Pallador"), kModel).value(key).toByteArray();
    QVERIFY(intact.size() > 16);
    QRandomGenerator random(seed);
    for (int i = 0; i < 60; ++i) {
        QByteArray damaged = intact;
        const int at = random.bounded(damaged.size());
        damaged[at] = char(damaged.at(at) ^ char(1 + random.bounded(255)));
        {
            QSettings store(QStringLiteral("Pallador"), kModel);
            store.setValue(key, damaged);
        }
        const QString shown = loadedLayout(path);
        QVERIFY2(shown == setUp, qPrintable(QStringLiteral("byte %1 changed: %2").arg(at).arg(shown)));
    }
    QCOMPARE(responder.seen(), QStringList());
}

// A store whose values were damaged and their checksums recomputed, by hand
// or by a faulty program: 2,000 random mutations of a saved window state and
// geometry (bit flips, cuts, extensions, changed bytes and 32-bit counts,
// sizes and positions). Each is read as every load of the sensor reads the
// store, into a window showing the sensor. Every read ends with the window
// shown on the screen and every dock of the sensor, and the tool bar,
// reachable through the View menu: no crash, no endless loop. Some damaged
// values still make a sound state; those are taken.
void TestWindowState::mutatedStoreLeavesAUsableWindow()
{
    FixtureInstall install;
    const QString path = install.addSample(kSample);
    DialogResponder responder;
    saveState(path, arrangeByUser);
    const QString keys[2] = {QStringLiteral("windowState"), QStringLiteral("geometry")};
    QByteArray intact[2];
    for (int k = 0; k < 2; ++k)
        intact[k] = QSettings(QStringLiteral("Pallador"), kModel).value(keys[k]).toByteArray();
    QVERIFY(intact[0].size() > 100 && intact[1].size() > 60);

    // Values a damaged count, size or position may take.
    const quint32 words[] = {0u,      1u,      2u,      3u,       4u,          5u,          0xfcu,       0xffu,
                             0x7fffu, 0x8000u, 0xffffu, 0x10000u, 0x7fffffffu, 0x80000000u, 0xfffffffeu, 0xffffffffu};
    QRandomGenerator random(20240707u);
    auto mutate = [&](QByteArray bytes) {
        const int mutations = 1 + random.bounded(3);
        for (int m = 0; m < mutations && !bytes.isEmpty(); ++m) {
            const int at = random.bounded(bytes.size());
            switch (random.bounded(6)) {
            case 0:
                bytes[at] = char(bytes.at(at) ^ char(1 << random.bounded(8)));
                break;
            case 1:
                bytes[at] = char(random.bounded(256));
                break;
            case 2:
                bytes.truncate(at);
                break;
            case 3: {
                QByteArray extra(1 + random.bounded(16), '\0');
                for (char &c : extra)
                    c = char(random.bounded(256));
                bytes.insert(random.bounded(2) ? bytes.size() : at, extra);
                break;
            }
            case 4:
                bytes.remove(at, 1 + random.bounded(8));
                break;
            default: {
                char word[4];
                qToBigEndian(words[random.bounded(int(std::size(words)))], word);
                bytes.replace(at, 4, QByteArray(word, 4));
            }
            }
        }
        return bytes;
    };

    Pallador w(QString{});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.loadConfigFile(path);
    QList<QPair<QAction *, QWidget *>> views = {{w.ui.actionToolBar, w.ui.toolBar},
                                                {w.ui.actionPLL, w.ui.dockPLL},
                                                {w.ui.actionImage_A, w.ui.dockImageA},
                                                {w.ui.actionImage_B, w.ui.dockImageB}};
    if (w.ui.actionTiming->isVisible())
        views.append({w.ui.actionTiming, w.ui.dockTiming});
    int taken = 0;
    for (int i = 0; i < 2000; ++i) {
        const int damaged = random.bounded(3); // the state, the geometry or both
        {
            QSettings store(QStringLiteral("Pallador"), kModel);
            for (int k = 0; k < 2; ++k) {
                const QByteArray value = damaged == k || damaged == 2 ? mutate(intact[k]) : intact[k];
                store.setValue(keys[k], value);
                store.setValue(
                    keys[k] + QStringLiteral("Check"),
                    QString::fromLatin1(QCryptographicHash::hash(value, QCryptographicHash::Sha256).toHex()));
            }
        }
        const QByteArray before = w.saveState() + w.saveGeometry();
        w.restoreWindowState();
        QCoreApplication::processEvents();
        taken += w.saveState() + w.saveGeometry() != before;

        const QRect frame = w.frameGeometry();
        const QRect screen = w.screen()->availableGeometry();
        QVERIFY2(w.isVisible() && screen.contains(frame.topLeft()),
                 qPrintable(QStringLiteral("mutation %1: window at %2,%3").arg(i).arg(frame.x()).arg(frame.y())));
        for (const auto &view : views) {
            QString where;
            QVERIFY2(reachable(w, view.first, view.second, where),
                     qPrintable(QStringLiteral("mutation %1: %2").arg(i).arg(where)));
        }
    }
    QVERIFY(taken > 0);
    QCOMPARE(responder.seen(), QStringList());
}

// A store with a checksummed window state that is well-formed but would lay
// the window out unusably, or that no window of this program writes, is
// ignored whole: the load shows the layout the set-up makes.
void TestWindowState::unusableStateIsIgnored_data()
{
    QTest::addColumn<int>("change");
    for (int i = 0; i < int(std::size(kUnusableStates)); ++i)
        QTest::newRow(kUnusableStates[i].first) << i;
}

void TestWindowState::unusableStateIsIgnored()
{
    QFETCH(int, change);

    FixtureInstall install;
    const QString path = install.addSample(kSample);
    DialogResponder responder;
    const QString setUp = loadedLayout(path);
    saveState(path, arrangeByUser);
    {
        QSettings store(QStringLiteral("Pallador"), kModel);
        QByteArray state = store.value(QStringLiteral("windowState")).toByteArray();
        const QByteArray intact = state;
        kUnusableStates[change].second(state);
        QVERIFY(state != intact && state.size() == intact.size());
        store.setValue(QStringLiteral("windowState"), state);
        store.setValue(QStringLiteral("windowStateCheck"),
                       QString::fromLatin1(QCryptographicHash::hash(state, QCryptographicHash::Sha256).toHex()));
    }
    QCOMPARE(loadedLayout(path), setUp);
    QCOMPARE(responder.seen(), QStringList());
}

// Stores this program cannot vouch for or Qt does not take: one written
// before the stored values carried checksums, ones of another store format,
// and a checksummed window state of another state version. Each is ignored
// whole: the geometry beside it is not taken either.
void TestWindowState::foreignStoreIsIgnored_data()
{
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QVariantMap>("changed");

    const QStringList checks{QStringLiteral("geometryCheck"), QStringLiteral("windowStateCheck"),
                             QStringLiteral("stateFormat")};
    const QByteArray otherVersion = QMainWindow().saveState(7);
    const QString otherVersionCheck =
        QString::fromLatin1(QCryptographicHash::hash(otherVersion, QCryptographicHash::Sha256).toHex());

    QTest::newRow("older store without checksums") << checks << QVariantMap();
    QTest::newRow("no checksum of the window state")
        << QStringList{QStringLiteral("windowStateCheck")} << QVariantMap();
    QTest::newRow("no format") << QStringList{QStringLiteral("stateFormat")} << QVariantMap();
    QTest::newRow("newer format") << QStringList() << QVariantMap{{QStringLiteral("stateFormat"), 2}};
    QTest::newRow("format not a number")
        << QStringList() << QVariantMap{{QStringLiteral("stateFormat"), QStringLiteral("one")}};
    QTest::newRow("window state of another version")
        << QStringList()
        << QVariantMap{{QStringLiteral("windowState"), otherVersion},
                       {QStringLiteral("windowStateCheck"), otherVersionCheck}};
}

void TestWindowState::foreignStoreIsIgnored()
{
    QFETCH(QStringList, removed);
    QFETCH(QVariantMap, changed);

    FixtureInstall install;
    const QString path = install.addSample(kSample);
    DialogResponder responder;
    const QString setUp = loadedLayout(path);
    saveState(path, arrangeByUser);
    {
        QSettings store(QStringLiteral("Pallador"), kModel);
        QVERIFY(store.contains(QStringLiteral("windowState")));
        for (const QString &key : removed) {
            QVERIFY2(store.contains(key), qPrintable(key));
            store.remove(key);
        }
        for (auto it = changed.cbegin(); it != changed.cend(); ++it) {
            QVERIFY2(store.contains(it.key()), qPrintable(it.key()));
            store.setValue(it.key(), it.value());
        }
    }

    QCOMPARE(loadedLayout(path), setUp);
    QCOMPARE(responder.seen(), QStringList());
}

// The store is the sensor model's, however a file spells its name.
void TestWindowState::storeFollowsCatalogueSpelling()
{
    FixtureInstall install;
    const QString path = install.addSample(kSample);
    QFile sample(path);
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QByteArray text = sample.readAll();
    QVERIFY(text.contains("sensor_name = Vek108m\n"));
    text.replace("sensor_name = Vek108m\n", "sensor_name = vek108m\n");
    const QString lowerCase = install.writeConfig(QStringLiteral("vek108m-lower.cfg"), text);
    DialogResponder responder;

    const QString setUp = loadedLayout(path);
    const QString saved = saveState(lowerCase, arrangeByUser);
    QVERIFY(saved != setUp);
    QCOMPARE(loadedLayout(path), saved);
    QCOMPARE(responder.seen(), QStringList());
}

// A saved geometry that does not fit the screen is brought onto it: as large
// as saved, as far as the screen and the window's minimum size allow, and on
// the screen (from its top left corner where the minimum does not fit). One
// of a size no screen has is not taken at all.
void TestWindowState::restoredWindowStaysOnScreen_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<bool>("taken");

    QTest::newRow("larger than the screen") << QRect(0, 0, 3000, 2500) << true;
    QTest::newRow("partly off the screen") << QRect(500, 300, 600, 500) << true;
    QTest::newRow("beyond the screen") << QRect(5000, 4000, 600, 500) << true;
    QTest::newRow("partly left of the screen") << QRect(-300, 50, 600, 500) << true;
    QTest::newRow("16 million pixels tall") << QRect(0, 0, 900, QWIDGETSIZE_MAX) << false;
}

void TestWindowState::restoredWindowStaysOnScreen()
{
    QFETCH(QRect, saved);
    QFETCH(bool, taken);

    FixtureInstall install;
    const QString path = install.addSample(kSample);
    DialogResponder responder;
    const QString setUp = loadedLayout(path);
    // Without docks the window's minimum size is well below the screen's.
    saveState(
        path,
        [&](Pallador &w) {
            for (QDockWidget *dock : {w.ui.dockImageA, w.ui.dockImageB, w.ui.dockPLL})
                dock->hide();
            w.setGeometry(saved);
        },
        false);

    Pallador w(QString{});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.loadConfigFile(path);

    if (!taken) {
        QCOMPARE(layoutOf(w), setUp);
    } else {
        QCoreApplication::processEvents();
        QVERIFY(!w.ui.dockPLL->isVisible());
        const QRect screen = w.screen()->availableGeometry();
        const QRect frame = w.frameGeometry();
        const QSize margins = frame.size() - w.size();
        const QString shown = QStringLiteral("%1,%2 %3x%4 (minimum %5x%6)")
                                  .arg(frame.x())
                                  .arg(frame.y())
                                  .arg(frame.width())
                                  .arg(frame.height())
                                  .arg(w.minimumWidth())
                                  .arg(w.minimumHeight());
        QCOMPARE(w.size(), ((saved.size() + margins).boundedTo(screen.size()) - margins).expandedTo(w.minimumSize()));
        QVERIFY2(frame.left() >= screen.left() && frame.top() >= screen.top(), qPrintable(shown));
        QVERIFY2(frame.right() <= screen.right() || frame.left() == screen.left(), qPrintable(shown));
        QVERIFY2(frame.bottom() <= screen.bottom() || frame.top() == screen.top(), qPrintable(shown));
    }
    QCOMPARE(responder.seen(), QStringList());
}

// A store whose tool bar floats where no screen is now (left on a monitor
// since removed), or larger than the screen: the tool bar comes back
// floating, on the screen and no larger than it.
void TestWindowState::floatingToolBarStaysOnScreen_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::newRow("beyond the screen") << QRect(5000, 4000, 300, 40);
    QTest::newRow("left of the screen") << QRect(-3000, 100, 300, 40);
    QTest::newRow("larger than the screen") << QRect(0, 0, 30000, 20000);
}

void TestWindowState::floatingToolBarStaysOnScreen()
{
    QFETCH(QRect, saved);

    FixtureInstall install;
    const QString path = install.addSample(kSample);
    DialogResponder responder;
    saveState(path, arrangeByUser);
    {
        // The tool bar is the state's last item; its floating geometry is
        // packed into the last two 32-bit words as Qt packs it.
        QSettings store(QStringLiteral("Pallador"), kModel);
        QByteArray state = store.value(QStringLiteral("windowState")).toByteArray();
        QVERIFY(state.endsWith(QByteArray(8, '\0')));
        const quint32 words[2] = {
            quint32(saved.width()) << 17 | quint32(saved.x() + 0x7fff) << 1 | 1u,
            quint32(saved.height()) << 16 | quint32(saved.y() + 0x7fff),
        };
        char packed[8];
        qToBigEndian(words[0], packed);
        qToBigEndian(words[1], packed + 4);
        state.replace(state.size() - 8, 8, QByteArray(packed, 8));
        store.setValue(QStringLiteral("windowState"), state);
        store.setValue(QStringLiteral("windowStateCheck"),
                       QString::fromLatin1(QCryptographicHash::hash(state, QCryptographicHash::Sha256).toHex()));
    }

    Pallador w(QString{});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.loadConfigFile(path);
    QCoreApplication::processEvents();
    QToolBar *bar = w.ui.toolBar;
    const QRect frame = bar->frameGeometry();
    const QString shown =
        QStringLiteral("%1,%2 %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height());
    QVERIFY2(bar->isWindow() && bar->isVisible(), qPrintable(shown));
    QVERIFY2(w.screen()->availableGeometry().contains(frame), qPrintable(shown));
    QCOMPARE(responder.seen(), QStringList());
}

// Save State writes nothing, anywhere, unless a catalogued sensor is loaded.
void TestWindowState::saveNeedsCataloguedSensor_data()
{
    QTest::addColumn<QByteArray>("sensorName"); // empty: no file loaded
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("nothing loaded") << QByteArray() << QStringList();
    QTest::newRow("unknown sensor") << QByteArray("UNKOWN") << QStringList();
    QTest::newRow("sensor not in the catalogue")
        << QByteArray("Vek999") << QStringList{QStringLiteral("|%1 sensor is not supported!")};
    QTest::newRow("name leading out of the settings folder")
        << QByteArray("../../escaped") << QStringList{QStringLiteral("|%1 sensor is not supported!")};
}

void TestWindowState::saveNeedsCataloguedSensor()
{
    QFETCH(QByteArray, sensorName);
    QFETCH(QStringList, messages);

    FixtureInstall install;
    const QString sample = install.addSample(kSample);
    DialogResponder responder;
    Pallador w(QString{});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QString path;
    if (!sensorName.isEmpty()) {
        // The user had a catalogued sensor loaded, then loaded this file; a
        // file the set-up refuses would leave that sensor loaded, so it is
        // loaded into a window without one.
        path = install.writeConfig(QStringLiteral("other.cfg"),
                                   "[General_Info]\nsensor_name = " + sensorName +
                                       "\npart_number = X\n[UseCases]\n0/name = Full\n0/cols = 640\n0/rows = 480\n");
        if (messages.isEmpty())
            w.loadConfigFile(sample);
        w.loadConfigFile(path);
    }
    // As if the menu offered the command with no catalogued sensor loaded.
    w.ui.actionSave_State->setEnabled(true);
    const QStringList before = filesBelow(install.root());

    w.ui.actionSave_State->trigger();

    QCOMPARE(filesBelow(install.root()), before);
    QVERIFY(filesBelow(install.root() + QStringLiteral("settings")).isEmpty());
    QStringList expected;
    for (const QString &message : messages)
        expected << message.arg(path);
    QCOMPARE(responder.seen(), expected);
}

void TestWindowState::storeThatCannotBeWritten_data()
{
    QTest::addColumn<bool>("pipe"); // the store is a pipe, else the disk is full
    QTest::addColumn<QString>("reason");
    QTest::newRow("store that is a pipe") << true << QStringLiteral("It is not a regular file");
    QTest::newRow("full disk") << false
                               << QStringLiteral("The window state was not saved; the one saved before is kept");
}

// A store that is a pipe is neither read (a load would wait for a writer for
// ever) nor written; a Save State that fails on a full disk keeps the state
// saved before. Either is reported, and a later load shows what it showed
// before.
void TestWindowState::storeThatCannotBeWritten()
{
    QFETCH(bool, pipe);
    QFETCH(QString, reason);

    FixtureInstall install;
    const QString path = install.addSample(kSample);
    DialogResponder responder;
    const QString store = install.root() + QStringLiteral("settings/Pallador/") + kModel + QStringLiteral(".conf");
    QString before;
    if (pipe) {
        QVERIFY(QDir().mkpath(QFileInfo(store).path()));
        QCOMPARE(::mkfifo(QFile::encodeName(store).constData(), 0600), 0);
        before = loadedLayout(path);
    } else {
        before = saveState(path, arrangeByUser);
    }
    // (A pipe is not opened here either.)
    const QStringList files = pipe ? QStringList() : filesBelow(install.root());
    const auto hidePll = [](Pallador &w) { w.ui.dockPLL->hide(); };
    if (pipe) {
        saveState(path, hidePll);
    } else {
        FileSizeLimit full(200);
        QVERIFY(full.isSet());
        saveState(path, hidePll);
    }
    QCOMPARE(responder.seen(), QStringList{QStringLiteral("Pallador|Cannot write file %1:\n%2.").arg(store, reason)});
    if (pipe)
        QVERIFY(QFileInfo(store).exists() && !QFileInfo(store).isFile());
    else
        QCOMPARE(filesBelow(install.root()), files);
    QCOMPARE(loadedLayout(path), before);
}

// The form's size (1009 x 874) is larger than the test screen (800 x 600):
// the window opens as tall as the screen allows, and as wide as that unless
// its docks need more.
void TestWindowState::defaultSizeFitsTheScreen_data()
{
    QTest::addColumn<QString>("sample"); // empty: no file
    QTest::newRow("no sensor") << QString();
    QTest::newRow("one context") << "Tolm104m.cfg";
    QTest::newRow("two contexts") << kSample;
}

void TestWindowState::defaultSizeFitsTheScreen()
{
    QFETCH(QString, sample);
    FixtureInstall install;
    DialogResponder responder;
    Pallador w(sample.isEmpty() ? QString() : install.addSample(sample));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    const QRect screen = w.screen()->availableGeometry();
    const QRect frame = w.frameGeometry();
    const QString shown = QStringLiteral("%1,%2 %3x%4 (minimum %5x%6) on %7x%8")
                              .arg(frame.x())
                              .arg(frame.y())
                              .arg(frame.width())
                              .arg(frame.height())
                              .arg(w.minimumWidth())
                              .arg(w.minimumHeight())
                              .arg(screen.width())
                              .arg(screen.height());
    QVERIFY2(frame.top() >= screen.top() && frame.bottom() <= screen.bottom(), qPrintable(shown));
    QVERIFY2(frame.height() >= screen.height() * 9 / 10, qPrintable(shown));
    QVERIFY2(frame.width() <= screen.width() || w.width() == w.minimumSizeHint().width(), qPrintable(shown));
    QCOMPARE(responder.seen(), QStringList());
}

// There is no room beside a window as wide as the test screen: the timing
// diagram opens floating on the screen, clear of the window's menu bar. Put
// elsewhere by the user, it opens there again; left over the menu bar, it is
// moved off it when shown again.
void TestWindowState::timingDiagramOpensClearOfTheMenus()
{
    FixtureInstall install;
    DialogResponder responder;
    Pallador w(install.addSample(kSample));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QDockWidget *diagram = w.ui.dockTiming;
    const QRect screen = w.screen()->availableGeometry();
    const QRect menus(w.menuBar()->mapToGlobal(QPoint(0, 0)), w.menuBar()->size());
    auto show = [&] {
        if (diagram->isVisible())
            w.ui.actionTiming->trigger();
        w.ui.actionTiming->trigger();
        QTRY_VERIFY(diagram->isVisible());
    };

    show();
    QVERIFY(diagram->isFloating());
    const QRect opened = diagram->frameGeometry();
    const QString where =
        QStringLiteral("%1,%2 %3x%4").arg(opened.x()).arg(opened.y()).arg(opened.width()).arg(opened.height());
    QVERIFY2(screen.contains(opened), qPrintable(where));
    QVERIFY2(!opened.intersects(menus), qPrintable(where));
    // Large enough to show the drawing without scrolling.
    QTRY_VERIFY(!w.ui.scrollAreaTiming->horizontalScrollBar()->isVisible());
    QTRY_VERIFY(!w.ui.scrollAreaTiming->verticalScrollBar()->isVisible());

    const QPoint put(opened.x() - 100, opened.y() + 50);
    diagram->move(put);
    show();
    QCOMPARE(diagram->frameGeometry().topLeft(), put);

    diagram->move(0, 0);
    show();
    QVERIFY(!diagram->frameGeometry().intersects(menus));
    QCOMPARE(responder.seen(), QStringList());
}

// A window the user made small, its docks closed: showing the register table
// and the timing diagram (floating, then docked) and hiding them again,
// twice over, keeps the window on the screen, and the second round leaves
// it as the first did.
void TestWindowState::tableAndDiagramKeepTheWindowOnScreen()
{
    FixtureInstall install;
    DialogResponder responder;
    Pallador w(install.addSample(kSample));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (QAction *view : {w.ui.actionImage_A, w.ui.actionImage_B, w.ui.actionPLL})
        view->trigger();
    QCoreApplication::processEvents();
    w.setGeometry(20, 40, 500, 400);
    QDockWidget *diagram = w.ui.dockTiming;
    const QRect screen = w.screen()->availableGeometry();

    using Step = std::pair<const char *, std::function<void()>>;
    const Step steps[] = {
        {"table shown", [&] { w.ui.checkRegList->click(); }},
        {"diagram shown", [&] { w.ui.actionTiming->trigger(); }},
        {"diagram docked", [&] { diagram->setFloating(false); }},
        {"table hidden", [&] { w.ui.checkRegList->click(); }},
        {"diagram hidden", [&] { w.ui.actionTiming->trigger(); }},
        {"diagram shown docked", [&] { w.ui.actionTiming->trigger(); }},
        {"diagram floating", [&] { diagram->setFloating(true); }},
        {"diagram hidden again", [&] { w.ui.actionTiming->trigger(); }},
    };
    QStringList rounds[2];
    for (QStringList &sizes : rounds) {
        for (const Step &step : steps) {
            step.second();
            QTest::qWait(20);
            const QRect frame = w.frameGeometry();
            const QString shown = QStringLiteral("%1: %2,%3 %4x%5")
                                      .arg(QLatin1String(step.first))
                                      .arg(frame.x())
                                      .arg(frame.y())
                                      .arg(frame.width())
                                      .arg(frame.height());
            QVERIFY2(screen.contains(frame), qPrintable(shown));
            sizes << shown;
        }
    }
    QVERIFY(diagram->isFloating() && !diagram->isVisible());
    QCOMPARE(rounds[1], rounds[0]);
    QCOMPARE(responder.seen(), QStringList());
}

QTEST_MAIN(TestWindowState)
#include "tst_windowstate.moc"
