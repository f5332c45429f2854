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
#include <QDirIterator>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QToolBar>
#include <QtTest>

#include <functional>

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
        parts << dock->objectName() + QLatin1Char(':') + where;
    }
    parts << QStringLiteral("toolBar:") + (w.ui.toolBar->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"));
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
    void damagedStoreIsIgnored_data();
    void damagedStoreIsIgnored();
    void foreignStoreIsIgnored_data();
    void foreignStoreIsIgnored();
    void storeFollowsCatalogueSpelling();
    void restoredWindowStaysOnScreen_data();
    void restoredWindowStaysOnScreen();
    void saveNeedsCataloguedSensor_data();
    void saveNeedsCataloguedSensor();
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
