// What the window leaves until it is needed, and that nobody can tell: the
// timing diagram draws itself when it is shown, showing what the last
// calculation gave (also after changes and sensor loads made while it was
// hidden); the register table measures only its names; a sensor set-up
// colours the inputs once, with the colours its calculations chose; the docks
// draw their title bars as plain docks do.
#include "calvex.h"
#include "dockwidget.h"
#include "pallador.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDockWidget>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionDockWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

// How the hidden table or diagram is brought up: by the user's control, or
// directly (as a restored window state shows a dock).
enum class Showing { ByControl, Directly };

void showTable(Pallador &w, Showing how)
{
    if (how == Showing::ByControl)
        w.ui.checkRegList->click();
    else
        w.ui.tableRegister->show();
    QVERIFY(w.ui.tableRegister->isVisible());
}

void showDiagram(Pallador &w, Showing how)
{
    if (how == Showing::ByControl)
        w.ui.actionTiming->trigger();
    else
        w.ui.dockTiming->show();
    QVERIFY(w.ui.dockTiming->isVisible());
}

void closeDiagram(Pallador &w, Showing how)
{
    if (how == Showing::ByControl)
        w.ui.actionTiming->trigger();
    else
        w.ui.dockTiming->hide();
    QVERIFY(!w.ui.dockTiming->isVisible());
}

void showWindow(Pallador &w)
{
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}

// A picture as the hash of its pixels ("none" without one).
QString pictureOf(const QLabel *label)
{
    const QImage image = label->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return QStringLiteral("none");
    const QByteArray pixels =
        QByteArray::fromRawData(reinterpret_cast<const char *>(image.constBits()), int(image.sizeInBytes()));
    return QString::fromLatin1(QCryptographicHash::hash(pixels, QCryptographicHash::Sha256).toHex());
}

// Everything the diagram shows: each label's text, place, size and picture,
// the room the drawing takes and the title.
QStringList diagramView(Pallador &w)
{
    QStringList view;
    for (QLabel *label : w.ui.frame->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect g = label->geometry();
        view << QStringLiteral("%1 \"%2\" %3,%4 %5x%6 %7")
                    .arg(label->objectName(), label->text())
                    .arg(g.x())
                    .arg(g.y())
                    .arg(g.width())
                    .arg(g.height())
                    .arg(pictureOf(label));
    }
    view << QStringLiteral("frame %1x%2").arg(w.ui.frame->minimumWidth()).arg(w.ui.frame->minimumHeight());
    view << w.ui.dockTiming->windowTitle();
    return view;
}

} // namespace

Q_DECLARE_METATYPE(Showing)

class TestFirstShow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void registerNamesFit_data();
    void registerNamesFit();
    void diagramDrawnWhenShown_data();
    void diagramDrawnWhenShown();
    void setUpColoursOnce_data();
    void setUpColoursOnce();
    void docksDrawLikePlainDocks();
    void floatingTitlesDrawLikePlainDocks();
};

// The program's own style.
void TestFirstShow::initTestCase()
{
    QApplication::setStyle(QStringLiteral("windows"));
}

// The table shown after a sensor load: its name column fits every name and
// its header, and the value columns share the rest; also when the sensor
// before it had rows hidden where the new one has its long names.
void TestFirstShow::registerNamesFit_data()
{
    QTest::addColumn<QString>("before");
    QTest::newRow("fresh window") << QString();
    // Vek113m hides the fine integration rows it does not use.
    QTest::newRow("after Vek113m, table shown") << QStringLiteral("Vek113m");
}

void TestFirstShow::registerNamesFit()
{
    QFETCH(QString, before);
    WindowSession s(before.isEmpty() ? QStringLiteral("Vek117m") : before);
    Pallador &w = s.w();
    if (!before.isEmpty()) {
        showWindow(w);
        showTable(w, Showing::ByControl);
        w.loadConfigFile(s.install.addSample(QStringLiteral("Vek117m.cfg")));
    }
    QCOMPARE(w.sensorIndex, 83);
    showWindow(w);
    showTable(w, Showing::ByControl);
    QTableWidget *table = w.ui.tableRegister;
    QHeaderView *header = table->horizontalHeader();
    QCOMPARE(table->rowCount(), w.regCount);
    QVERIFY(header->sectionSize(0) >= header->sectionSizeHint(0));
    for (int row = 0; row < table->rowCount(); ++row) {
        const QModelIndex name = table->model()->index(row, 0);
        QVERIFY2(header->sectionSize(0) >= table->sizeHintForIndex(name).width(), qPrintable(name.data().toString()));
    }
    for (int column = 1; column <= 4; ++column)
        QCOMPARE(header->sectionResizeMode(column), QHeaderView::Stretch);
}

void TestFirstShow::diagramDrawnWhenShown_data()
{
    QTest::addColumn<Showing>("how");
    QTest::newRow("from the View menu") << Showing::ByControl;
    QTest::newRow("directly") << Showing::Directly;
}

// Changes made while the diagram is closed (another use case of context A,
// context B calculated last, then another sensor): opened, it shows exactly
// what a diagram kept open all along shows.
void TestFirstShow::diagramDrawnWhenShown()
{
    QFETCH(Showing, how);
    WindowSession closed(QStringLiteral("Sarn102"));
    WindowSession open(QStringLiteral("Sarn102"));
    Pallador &w = closed.w();
    Pallador &v = open.w();
    showWindow(w);
    showWindow(v);
    showDiagram(v, Showing::ByControl);
    QVERIFY(!w.ui.dockTiming->isVisible());

    for (Pallador *window : {&w, &v}) {
        window->ui.comboUseCase_A->setCurrentIndex(1);
        window->ui.comboUseCase_B->setCurrentIndex(0);
    }
    showDiagram(w, how);
    const QStringList afterChange = diagramView(w);
    QCOMPARE(afterChange, diagramView(v));
    const CTimingGeometry &g = w.calvex->family()->timingGeometry(0);
    QCOMPARE(w.ui.labelActiveX->text(), QString::number(qint64(g.frameWidth) - g.hBlank));
    QCOMPARE(w.ui.labelVBlank->text(), QStringLiteral("+ %1").arg(g.vBlank));

    // Closed again, and another sensor loaded.
    closeDiagram(w, how);
    w.loadConfigFile(closed.install.addSample(QStringLiteral("Sarn109.cfg")));
    v.loadConfigFile(open.install.addSample(QStringLiteral("Sarn109.cfg")));
    showDiagram(w, how);
    QCOMPARE(diagramView(w), diagramView(v));
    QVERIFY(diagramView(w) != afterChange);
}

void TestFirstShow::setUpColoursOnce_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QStringList>("red");
    QTest::newRow("Sarn109 asking 1000 fps") << "Sarn109" << QByteArray("0/max_fps = 30")
                                             << QByteArray("0/max_fps = 1000") << QStringList{"comboMaxFRate_A"};
    QTest::newRow("Sarn102") << "Sarn102" << QByteArray() << QByteArray() << QStringList();
    QTest::newRow("Vek108m") << "Vek108m" << QByteArray() << QByteArray() << QStringList();
    QTest::newRow("Yorm106m") << "Yorm106m" << QByteArray() << QByteArray() << QStringList();
    QTest::newRow("Vek125") << "Vek125" << QByteArray() << QByteArray() << QStringList();
}

// The colours a set-up puts on at its end are those its calculations chose
// last: the red inputs are the flagged ones, and calculating again changes
// no widget's colour.
void TestFirstShow::setUpColoursOnce()
{
    QFETCH(QString, sample);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QStringList, red);
    QFile file(FixtureInstall::samplesRoot() + QStringLiteral("bin/cfg_pallador/") + sample + QStringLiteral(".cfg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray content = file.readAll();
    if (!from.isEmpty()) {
        QVERIFY(content.contains(from));
        content.replace(from, to);
    }
    WindowSession s(sample + QStringLiteral(".cfg"), content);
    Pallador &w = s.w();
    QCOMPARE(redWidgets(w), red);

    QMap<QString, QString> sheets;
    for (const QWidget *widget : w.findChildren<QWidget *>())
        sheets[widget->objectName()] += widget->styleSheet();
    w.recalc(false);
    QMap<QString, QString> again;
    for (const QWidget *widget : w.findChildren<QWidget *>())
        again[widget->objectName()] += widget->styleSheet();
    QCOMPARE(again, sheets);
}

// A dock of the window draws exactly as a plain dock of the same content in
// the application's style: title, float button and frame.
void TestFirstShow::docksDrawLikePlainDocks()
{
    QMainWindow plainWindow;
    QMainWindow ownWindow;
    auto *plain = new QDockWidget(QStringLiteral("Timing Diagram"), &plainWindow);
    auto *own = new DockWidget(&ownWindow);
    own->setWindowTitle(QStringLiteral("Timing Diagram"));
    for (QDockWidget *dock : {plain, static_cast<QDockWidget *>(own)}) {
        dock->setFeatures(QDockWidget::DockWidgetFloatable | QDockWidget::DockWidgetMovable);
        dock->setWidget(new QLabel(QStringLiteral("content")));
    }
    plainWindow.addDockWidget(Qt::LeftDockWidgetArea, plain);
    ownWindow.addDockWidget(Qt::LeftDockWidgetArea, own);
    for (QMainWindow *window : {&plainWindow, &ownWindow}) {
        window->resize(300, 200);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    QCOMPARE(own->size(), plain->size());
    QCOMPARE(own->grab().toImage(), plain->grab().toImage());
}

// A floating dock's title bar, active and inactive, drawn by a window dock's
// style exactly as by the application's (the colours come from the
// application's palette).
void TestFirstShow::floatingTitlesDrawLikePlainDocks()
{
    DockWidget own;
    own.setWindowTitle(QStringLiteral("Timing Diagram"));
    for (const bool active : {true, false}) {
        QStyleOptionDockWidget option;
        option.initFrom(&own);
        QVERIFY(option.state & QStyle::State_Window);
        option.state.setFlag(QStyle::State_Active, active);
        option.rect = QRect(0, 0, 240, 22);
        option.title = own.windowTitle();
        option.floatable = true;
        option.movable = true;
        QImage drawn(option.rect.size(), QImage::Format_ARGB32);
        QImage plain = drawn;
        for (QImage *image : {&drawn, &plain}) {
            image->fill(Qt::white);
            QPainter painter(image);
            QStyle *style = image == &drawn ? own.style() : QApplication::style();
            style->drawControl(QStyle::CE_DockWidgetTitle, &option, &painter, &own);
        }
        QVERIFY(own.style() != QApplication::style());
        QCOMPARE(drawn, plain);
    }
}

QTEST_MAIN(TestFirstShow)
#include "tst_firstshow.moc"
