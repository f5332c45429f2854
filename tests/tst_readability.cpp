// The window as a new user first sees it, at its default size: the use-case
// and blanking lists show every entry in full, open and closed; the docks do
// not scroll sideways; the boxes that open the option panels and the output
// options show their texts; the register table's column headers fit their
// sections; the timing diagram's captions fit their labels; and no
// placeholder text of the form shows. Checked with the platform's font and
// with the 9-point font of a plain X11 desktop, on samples of different
// families.
#include "pallador.h"
#include "testsupport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

// The samples: two contexts (Sarn102), single-context families (Tolm104m,
// Vek113m, Yorm106m), a family whose fields come from option forms (Vek125)
// and the longest use-case names of the bundled samples (Zelt104).
const char *const kSamples[] = {"Sarn102", "Tolm104m", "Vek113m", "Yorm106m", "Vek125", "Zelt104"};

// Point sizes the window is checked with: 0 keeps the platform's font.
const int kPointSizes[] = {0, 9};

// Texts Designer gives new widgets; none may show in the window.
const char *const kPlaceholders[] = {"TextLabel", "PushButton", "CheckBox", "RadioButton", "GroupBox"};

// The application font for the lifetime of the object.
class FontScope {
public:
    explicit FontScope(int pointSize) : m_saved(QApplication::font())
    {
        if (pointSize > 0) {
            QFont font = m_saved;
            font.setFamily(QStringLiteral("Sans Serif"));
            font.setPointSize(pointSize);
            QApplication::setFont(font);
        }
    }
    ~FontScope() { QApplication::setFont(m_saved); }

private:
    QFont m_saved;
};

// A window on a fixture installation, shown at its default size; without a
// sample it has no sensor loaded.
struct Session : WindowSession {
    explicit Session(const QString &sample = QString()) : WindowSession(sample) { window->show(); }
};

void addSampleRows()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("pointSize");
    for (int size : kPointSizes) {
        for (const char *sample : kSamples) {
            const QString font = size > 0 ? QStringLiteral("%1pt").arg(size) : QStringLiteral("platform font");
            QTest::addRow("%s, %s", sample, qPrintable(font)) << QString::fromLatin1(sample) << size;
        }
    }
}

// The part of widget's rectangle nothing covers or clips (an enclosing
// scroll area's viewport clips what scrolled out of it).
QRegion shown(const QWidget *widget)
{
    return widget->visibleRegion();
}

bool showsAll(const QWidget *widget, const QRect &rect)
{
    return QRegion(rect).subtracted(shown(widget)).isEmpty();
}

// Scrolls the scroll area around widget, if any, so that widget shows.
void scrollTo(QWidget *widget)
{
    for (QWidget *up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(up)) {
            area->ensureWidgetVisible(widget, 0, 0);
            return;
        }
    }
}

QString describe(const QWidget *widget, const QString &text)
{
    return QStringLiteral("%1 \"%2\"").arg(widget->objectName(), text);
}

// What of a check box's mark and text is cut, by its own width or by what
// covers or clips it; empty when all of it shows.
QString cutOf(QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    const QRect text(0, 0, contents.left() + box->fontMetrics().horizontalAdvance(box->text()), box->height());
    if (text.right() >= box->width())
        return QStringLiteral("%1 is %2 of %3 pixels wide").arg(box->objectName()).arg(box->width()).arg(text.width());
    if (!showsAll(box, text)) {
        const QRect seen = shown(box).boundingRect();
        return QStringLiteral("%1: %2 x %3 of %4 x %5 pixels shown")
            .arg(box->objectName())
            .arg(seen.width())
            .arg(seen.height())
            .arg(text.width())
            .arg(text.height());
    }
    return QString();
}

QList<QComboBox *> listsOf(Pallador &w)
{
    return {w.ui.comboUseCase_A, w.ui.comboUseCase_B, w.ui.comboUseCase_C,
            w.ui.comboTypeBlank_A, w.ui.comboTypeBlank_B, w.ui.comboTypeBlank_C};
}

} // namespace

class TestReadability : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void listsShowEveryEntry_data();
    void listsShowEveryEntry();
    void docksDoNotScrollSideways_data();
    void docksDoNotScrollSideways();
    void advancedBoxesShowTheirText_data();
    void advancedBoxesShowTheirText();
    void outputOptionsShowTheirText_data();
    void outputOptionsShowTheirText();
    void registerHeadersFitTheirColumns_data();
    void registerHeadersFitTheirColumns();
    void timingCaptionsFitTheirLabels_data();
    void timingCaptionsFitTheirLabels();
    void noPlaceholderText_data();
    void noPlaceholderText();
    void windowRenders_data();
    void windowRenders();
};

void TestReadability::initTestCase()
{
    // The program's own style (see palladormain.cpp).
    QApplication::setStyle(QStringLiteral("windows"));
}

void TestReadability::listsShowEveryEntry_data()
{
    addSampleRows();
}

// Every entry of an open list is as wide as the list's view at the most,
// and the closed box shows whichever entry is chosen in full.
void TestReadability::listsShowEveryEntry()
{
    QFETCH(QString, sample);
    QFETCH(int, pointSize);
    FontScope font(pointSize);
    Session s(sample);
    QVERIFY(QTest::qWaitForWindowExposed(&s.w()));

    int checked = 0;
    for (QComboBox *box : listsOf(s.w())) {
        if (!box->isVisible())
            continue;
        ++checked;

        // An empty list does not open.
        if (box->count() > 0) {
            box->showPopup();
            QAbstractItemView *view = box->view();
            QTRY_VERIFY(view->isVisible());
            const int viewWidth = view->viewport()->width();
            const QFontMetrics metrics(view->font());
            for (int i = 0; i < box->count(); ++i) {
                const QString text = box->itemText(i);
                QVERIFY2(metrics.horizontalAdvance(text) < viewWidth,
                         qPrintable(describe(box, text) + QStringLiteral(" is wider than the open list")));
                // The entry with the margins the list draws around its text.
                const QModelIndex index = box->model()->index(i, box->modelColumn(), box->rootModelIndex());
                QVERIFY2(view->sizeHintForIndex(index).width() <= viewWidth,
                         qPrintable(describe(box, text) + QStringLiteral(" is cut in the open list")));
            }
            box->hidePopup();
            QTRY_VERIFY(!view->isVisible());
        }

        QStyleOptionComboBox option;
        option.initFrom(box);
        const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
        for (int i = 0; i < box->count(); ++i) {
            const QString text = box->itemText(i);
            QVERIFY2(box->fontMetrics().horizontalAdvance(text) <= field.width(),
                     qPrintable(describe(box, text) + QStringLiteral(" is cut in the closed box")));
        }
        // On a screen smaller than the window's form the dock scrolls; the
        // box shows in full once scrolled to.
        scrollTo(box);
        QVERIFY2(showsAll(box, box->rect()), qPrintable(box->objectName() + QStringLiteral(" is partly hidden")));
    }
    QVERIFY(checked >= 2);
}

void TestReadability::docksDoNotScrollSideways_data()
{
    addSampleRows();
}

// The dock pages are taller than the docks, never wider: nothing on them
// hides behind a scroll bar or scrolls out sideways.
void TestReadability::docksDoNotScrollSideways()
{
    QFETCH(QString, sample);
    QFETCH(int, pointSize);
    FontScope font(pointSize);
    Session s(sample);
    QVERIFY(QTest::qWaitForWindowExposed(&s.w()));

    Ui_PalladorClass &ui = s.w().ui;
    int checked = 0;
    for (QScrollArea *area : {ui.scrollAreaIMG_A, ui.scrollAreaIMG_B, ui.scrollAreaIMG_C, ui.scrollAreaPLL}) {
        if (!area->isVisible())
            continue;
        ++checked;
        QVERIFY2(!area->horizontalScrollBar()->isVisible(), qPrintable(area->objectName()));
        QVERIFY2(area->widget()->width() <= area->viewport()->width(), qPrintable(area->objectName()));
    }
    QVERIFY(checked >= 2);
}

void TestReadability::advancedBoxesShowTheirText_data()
{
    addSampleRows();
}

// The boxes that open the option panels, last on the PLL dock and on the
// image docks, show their check mark and text in full, never under a scroll
// bar, once the dock page is scrolled down to them (a page with many fields
// is taller than its dock at the default size).
void TestReadability::advancedBoxesShowTheirText()
{
    QFETCH(QString, sample);
    QFETCH(int, pointSize);
    FontScope font(pointSize);
    Session s(sample);
    QVERIFY(QTest::qWaitForWindowExposed(&s.w()));

    Ui_PalladorClass &ui = s.w().ui;
    QVERIFY(ui.checkPLL_ADV->isVisible());
    for (QCheckBox *box : {ui.checkPLL_ADV, ui.checkAdvParam_A, ui.checkAdvParam_B}) {
        if (!box->isVisible())
            continue;
        // A dock page taller than its dock scrolls up and down to the box.
        QScrollArea *area = nullptr;
        for (QWidget *p = box->parentWidget(); p && !area; p = p->parentWidget())
            area = qobject_cast<QScrollArea *>(p);
        QVERIFY(area);
        area->ensureWidgetVisible(box, 0, 0);
        const QString cut = cutOf(box);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }
}

void TestReadability::outputOptionsShowTheirText_data()
{
    addSampleRows();
}

// The boxes of the output group beside the docks show their texts.
void TestReadability::outputOptionsShowTheirText()
{
    QFETCH(QString, sample);
    QFETCH(int, pointSize);
    FontScope font(pointSize);
    Session s(sample);
    QVERIFY(QTest::qWaitForWindowExposed(&s.w()));

    Ui_PalladorClass &ui = s.w().ui;
    QVERIFY(ui.groupOutput->isVisible());
    for (QCheckBox *box : {ui.checkRegList, ui.checkUseSTD, ui.checkOutputTiming, ui.checkOutputPLL}) {
        const QString cut = cutOf(box);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }
}

void TestReadability::registerHeadersFitTheirColumns_data()
{
    addSampleRows();
}

// With the table shown, every column is at least as wide as its header's
// text and the margins the header draws around it.
void TestReadability::registerHeadersFitTheirColumns()
{
    QFETCH(QString, sample);
    QFETCH(int, pointSize);
    FontScope font(pointSize);
    Session s(sample);
    QVERIFY(QTest::qWaitForWindowExposed(&s.w()));

    QTableWidget *table = s.w().ui.tableRegister;
    QVERIFY(s.w().ui.checkRegList->isVisible());
    s.w().ui.checkRegList->click();
    QTRY_VERIFY(table->isVisible());

    QHeaderView *header = table->horizontalHeader();
    QCOMPARE(header->count(), 5);
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int column = 0; column < header->count(); ++column) {
        const QString text = table->horizontalHeaderItem(column)->text();
        const int needed = header->fontMetrics().horizontalAdvance(text) + 2 * margin;
        QVERIFY2(header->sectionSize(column) >= needed,
                 qPrintable(QStringLiteral("column %1 \"%2\": %3 of %4 pixels")
                                .arg(column)
                                .arg(text)
                                .arg(header->sectionSize(column))
                                .arg(needed)));
    }
}

void TestReadability::timingCaptionsFitTheirLabels_data()
{
    addSampleRows();
}

// The timing diagram as the View menu opens it after the set-up's
// calculation: each caption and value fits its label.
void TestReadability::timingCaptionsFitTheirLabels()
{
    QFETCH(QString, sample);
    QFETCH(int, pointSize);
    FontScope font(pointSize);
    Session s(sample);
    QVERIFY(QTest::qWaitForWindowExposed(&s.w()));

    Ui_PalladorClass &ui = s.w().ui;
    if (!ui.actionTiming->isVisible())
        QSKIP("no timing diagram for this sensor");
    ui.actionTiming->trigger();
    QTRY_VERIFY(ui.dockTiming->isVisible());
    for (QLabel *label : {ui.labelClkDomain, ui.labelHorzClk, ui.labelVertClk, ui.labelFOVSize, ui.labelOUTSize,
                          ui.labelActiveX, ui.labelActiveY, ui.labelHBlank, ui.labelVBlank}) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= label->contentsRect().width(),
                 qPrintable(describe(label, label->text()) +
                            QStringLiteral(": %1 of %2 pixels").arg(label->contentsRect().width()).arg(needed)));
    }
}

void TestReadability::noPlaceholderText_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("no sensor") << QString() << 0;
    for (const char *sample : kSamples)
        QTest::newRow(sample) << QString::fromLatin1(sample) << 0;
}

// Before any calculation (no sensor) and after the set-up's calculation,
// with the timing diagram open: no label or button reads as Designer's
// placeholder, shown or not.
void TestReadability::noPlaceholderText()
{
    QFETCH(QString, sample);
    Session s(sample);
    QVERIFY(QTest::qWaitForWindowExposed(&s.w()));
    if (s.w().ui.actionTiming->isVisible())
        s.w().ui.actionTiming->trigger();

    int labels = 0;
    for (QWidget *widget : s.w().findChildren<QWidget *>()) {
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            text = label->text();
            ++labels;
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            text = button->text();
        } else {
            continue;
        }
        for (const char *placeholder : kPlaceholders)
            QVERIFY2(text != QLatin1String(placeholder), qPrintable(describe(widget, text)));
    }
    QVERIFY(labels >= 14);
}

void TestReadability::windowRenders_data()
{
    QTest::addColumn<QString>("sample");
    for (const char *sample : {"Sarn102", "Tolm104m"})
        QTest::newRow(sample) << QString::fromLatin1(sample);
}

// A picture of the window at its default size; with PALLADOR_PICTURE_DIR
// set it is kept in that folder for a look at what the checks above measured.
void TestReadability::windowRenders()
{
    QFETCH(QString, sample);
    Session s(sample);
    QVERIFY(QTest::qWaitForWindowExposed(&s.w()));

    const QImage picture = s.w().grab().toImage();
    QCOMPARE(picture.size(), s.w().size() * s.w().devicePixelRatioF());
    // Docks, lists and text make a picture of many colours.
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height() && colours.size() < 16; y += 7) {
        for (int x = 0; x < picture.width(); x += 7)
            colours.insert(picture.pixel(x, y));
    }
    QVERIFY(colours.size() >= 16);

    const QString folder = qEnvironmentVariable("PALLADOR_PICTURE_DIR");
    if (!folder.isEmpty()) {
        const QString path = QDir(folder).filePath(QStringLiteral("window_%1.png").arg(sample));
        QVERIFY2(picture.save(path), qPrintable(path));
        qInfo("window picture: %s", qPrintable(path));
    }
}

QTEST_MAIN(TestReadability)
#include "tst_readability.moc"
