// The advanced panels of the Brel, Sarn106c and Vek forms, driven through the
// window's boxes from tables of rows: one row is one catalogue entry and one
// expectation. The first opening shows the family's values, states and tool
// tips and calculates nothing (or what the row says); closing reloads the
// use case and calculates once; opening again stores what was left in the
// widgets, takes the frame rate from the rate combo's text and calculates
// once; opening and closing another panel leaves the references into the
// form alone; and every entry of these forms has its case and its rows.
//
// How to add rows. A group of forms keeps its rows in
// tests/advpanels/<group>.h: one inline function returning a Rows, written
// with the row types below (see advpanels/brel101_sarn106c_brel103.h). Add
// the header to the includes after the types and the function to
// allGroups(), one line each, and delete the group's line in kStillBuilding.
// - Opening: the first opening of panel A or B. Checks: value(name, v) (box
//   ticked as 0 or 1, spin box value within its range, combo index; v is a
//   panels::Value worked out for the panel's context before the box is
//   clicked), shows()
//   (the text the widget shows), tip() / noTip(), holds(member, name) (the
//   window member of the panel's context is that widget). calculations(n)
//   for a form that calculates on opening.
// - States: after the first opening every named widget of the form is shown
//   and enabled except the ones listed by hidden() and disabled().
// - Reopening: the panel opened, closed and, after leave(name, v) has put
//   values into its widgets with their signals blocked, opened again; then
//   stored(setting, v) in the order the read-back writes them, or kept()
//   for a setting the read-back must not touch (it keeps the use case's).
//   A stored value must differ from the use case's, or the row proves
//   nothing; values can be worked out from the settings after the close.
//   after() checks the widgets once more after the re-opening.
// - Kept: panel A opened, then the panel across() opened and closed; the
//   checks (usually holds()) are true before and after.
// - Driving: panel A opened, then drive(name, v) changes its widgets one
//   after the other as a user does (a box clicked when its state differs, a
//   spin box or combo box given the value, each running its slot); the
//   calculations those changes ran (calculations(n), a bound that a slot
//   writing its own widget again would exceed), and the checks and enabled
//   states afterwards, their values worked out after the changes.
// - Grid: the scroll-area forms placed through the window's grid layout. The
//   samples of through() are loaded one after the other in one window, each
//   with panel A opened, before the row's own: the form then fills
//   widgetADV_A, follows its size and scrolls, and the window has made one
//   layout for all of them.
// Every row can change the loaded sensor first with given(); a callback
// that drives a panel widget of a two-context sensor calls pointAt() first,
// since the slots take their context from the placeholder under the
// pointer. A row's note() tells it apart from the other rows of its entry.
#include "calvex.h"
#include "pallador.h"
#include "panels/panels.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QXmlStreamReader>
#include <QtTest>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace advpanels {

using panels::Panel;
using panels::Value;
using P = Pallador;

// Changes the loaded sensor before the row's panel first opens, or before
// it opens again.
using Given = std::function<void(Pallador &w, CFamilyCore &f)>;

// What a row expects of one widget of the panel's form.
struct Check {
    enum Kind { WidgetValue, Text, ToolTip, Holds };
    Kind kind;
    const char *widget;
    Value quantity = {}; // WidgetValue
    QString text = {};   // Text, ToolTip
    panels::Member member = {};
};

inline Check value(const char *widget, Value v)
{
    return {Check::WidgetValue, widget, std::move(v)};
}
inline Check shows(const char *widget, const QString &text)
{
    return {Check::Text, widget, {}, text};
}
inline Check tip(const char *widget, const QString &text)
{
    return {Check::ToolTip, widget, {}, text};
}
inline Check noTip(const char *widget)
{
    return tip(widget, QString());
}
inline Check holds(const panels::Member &member, const char *widget)
{
    return {Check::Holds, widget, {}, {}, member};
}

// A setting of the panel's context after the re-opening: the value stored,
// or, without one, the value the close left (the use case's). The value is
// worked out once the panel is closed, like the values left in it.
struct Stored {
    const char *name;
    Value setting;
    std::optional<Value> expected;
};

template <class T, std::size_t N> Stored stored(const char *name, T (SensorSettings::*field)[N], Value expected)
{
    return {name, panels::setting(field), std::move(expected)};
}
template <class T, std::size_t N> Stored kept(const char *name, T (SensorSettings::*field)[N])
{
    return {name, panels::setting(field), std::nullopt};
}
template <class T, std::enable_if_t<std::is_arithmetic_v<T>, int> = 0>
Stored stored(const char *name, T SensorSettings::*field, Value expected)
{
    return {name, panels::setting(field), std::move(expected)};
}

// A value left in a widget with its signals blocked, as the engineer left it
// (worked out once the panel is closed: panels::zero(panels::setting(...))
// unticks a box whose setting the use case turned on, and ticks it if not).
struct Leave {
    const char *widget;
    Value value;
};

// What every row has: the catalogue entry, the bundled sample that loads it,
// the panel and an optional change of the sensor before the first opening.
template <class Self> struct Row {
    int entry;
    const char *sample;
    Panel panel = Panel::A;
    const char *label = "";
    Given prepare = {};

    Row(int entry, const char *sample, Panel panel = Panel::A) : entry(entry), sample(sample), panel(panel) {}
    Self &note(const char *text)
    {
        label = text;
        return self();
    }
    Self &given(Given g)
    {
        prepare = std::move(g);
        return self();
    }
    QString name() const
    {
        QString text = QStringLiteral("%1 %2 %3")
                           .arg(entry)
                           .arg(QLatin1String(sample))
                           .arg(panel == Panel::A ? QLatin1Char('A') : QLatin1Char('B'));
        if (*label)
            text += QStringLiteral(": ") + QLatin1String(label);
        return text;
    }

private:
    Self &self() { return static_cast<Self &>(*this); }
};

struct Opening : Row<Opening> {
    using Row::Row;
    std::vector<Check> checks;
    int calculationCount = 0;

    Opening &expect(std::vector<Check> more)
    {
        checks.insert(checks.end(), more.begin(), more.end());
        return *this;
    }
    Opening &calculations(int count)
    {
        calculationCount = count;
        return *this;
    }
};

struct States : Row<States> {
    using Row::Row;
    QStringList hiddenNames;
    QStringList disabledNames;

    States &hidden(const QStringList &names)
    {
        hiddenNames = names;
        return *this;
    }
    States &disabled(const QStringList &names)
    {
        disabledNames = names;
        return *this;
    }
};

struct Reopening : Row<Reopening> {
    using Row::Row;
    std::vector<Leave> left;
    std::vector<Stored> settings;
    std::vector<Check> checksAfter;
    Given beforeReopen = {};
    bool keepsFrameRate = false;

    Reopening &leave(std::vector<Leave> values)
    {
        left = std::move(values);
        return *this;
    }
    Reopening &stores(std::vector<Stored> expected)
    {
        settings = std::move(expected);
        return *this;
    }
    Reopening &after(std::vector<Check> checks, Given before = {})
    {
        checksAfter = std::move(checks);
        beforeReopen = std::move(before);
        return *this;
    }
    Reopening &keepFrameRate()
    {
        keepsFrameRate = true;
        return *this;
    }
};

struct Kept : Row<Kept> {
    using Row::Row;
    Panel other = Panel::B;
    std::vector<Check> checks;

    Kept &across(Panel panel, std::vector<Check> held)
    {
        other = panel;
        checks = std::move(held);
        return *this;
    }
};

// A value given to a widget as a user gives it.
struct Drive {
    const char *widget;
    double value;
};

struct Driving : Row<Driving> {
    using Row::Row;
    std::vector<Drive> changes;
    int calculationCount = 0;
    std::vector<Check> checks;
    QStringList enabledNames;
    QStringList disabledNames;

    Driving &drive(std::vector<Drive> values)
    {
        changes = std::move(values);
        return *this;
    }
    Driving &calculations(int count)
    {
        calculationCount = count;
        return *this;
    }
    Driving &expect(std::vector<Check> more)
    {
        checks.insert(checks.end(), more.begin(), more.end());
        return *this;
    }
    Driving &enabled(const QStringList &names)
    {
        enabledNames = names;
        return *this;
    }
    Driving &disabled(const QStringList &names)
    {
        disabledNames = names;
        return *this;
    }
};

struct Grid : Row<Grid> {
    using Row::Row;
    QStringList before;

    Grid &through(const QStringList &samples)
    {
        before = samples;
        return *this;
    }
};

// The rows of one group of forms.
struct Rows {
    std::vector<Opening> openings;
    std::vector<States> states;
    std::vector<Reopening> reopenings;
    std::vector<Kept> kept;
    std::vector<Driving> drivings;
    std::vector<Grid> grids;
};

// The slots of a two-context sensor's panels take their context from the
// placeholder under the pointer: this one.
inline void pointAt(Pallador &w, Panel panel)
{
    w.ui.widgetADV_A->setAttribute(Qt::WA_UnderMouse, panel == Panel::A);
    w.ui.widgetADV_B->setAttribute(Qt::WA_UnderMouse, panel == Panel::B);
}

} // namespace advpanels

#include "advpanels/brel101_sarn106c_brel103.h"
#include "advpanels/brel104_107.h"
#include "advpanels/vek101_108_141.h"
#include "advpanels/vek145l_149.h"
#include "advpanels/murn_vek116.h"
#include "advpanels/vek118_157_137.h"
#include "advpanels/vek117_114.h" // Vek117_Adv, Vek114_Adv

namespace {

using namespace advpanels;

// Every group's rows, in one table.
const Rows &allRows()
{
    static const Rows rows = [] {
        Rows all;
        for (Rows (*group)() : {
                 brel101Sarn106cBrel103Rows,
                 brel104To107Rows,
                 vek101Vek108Vek141Rows,
                 vek145l149Rows,
                 murnVek116Rows,
                 vek118Vek157Vek137Rows,
                 vek117Vek114Rows, // Vek117_Adv, Vek114_Adv
             }) {
            Rows more = group();
            all.openings.insert(all.openings.end(), more.openings.begin(), more.openings.end());
            all.states.insert(all.states.end(), more.states.begin(), more.states.end());
            all.drivings.insert(all.drivings.end(), more.drivings.begin(), more.drivings.end());
            all.grids.insert(all.grids.end(), more.grids.begin(), more.grids.end());
            all.reopenings.insert(all.reopenings.end(), more.reopenings.begin(), more.reopenings.end());
            all.kept.insert(all.kept.end(), more.kept.begin(), more.kept.end());
            all.drivings.insert(all.drivings.end(), more.drivings.begin(), more.drivings.end());
            all.grids.insert(all.grids.end(), more.grids.begin(), more.grids.end());
        }
        return all;
    }();
    return rows;
}

// The catalogue entries these forms serve, each with its context-A case.
const std::vector<std::pair<int, int>> kEntries = {
    {12, 12}, {14, 25}, {28, 30}, {32, 45}, // Brel, Sarn106c and Vek forms
    {59, 61}, {69, 70}, {72, 74},           // Murn107, Murn103, Murn110, Murn108, Vek116 forms
    {75, 75}, {80, 82}, {102, 102}, {115, 115}, // Vek118, Vek157b, Vek157f, Vek137 forms
    {92, 94},                                   // Vek117, Vek114 forms
};

// Entries whose forms are still being built, one line per group of forms.
// The coverage test expects them to fail (QEXPECT_FAIL, row by row) rather
// than leaving them out, so that the table of entries above stays whole and
// a group that lands its forms has to delete its line here: an entry still
// listed that has its case and rows passes, which fails the test (XPASS).
const std::vector<std::pair<int, int>> kStillBuilding = {};

bool listed(const std::vector<std::pair<int, int>> &ranges, int entry)
{
    for (const auto &[first, last] : ranges) {
        if (entry >= first && entry <= last)
            return true;
    }
    return false;
}

int contextOf(Panel panel)
{
    return panel == Panel::B ? 1 : 0;
}

QCheckBox *panelBox(Pallador &w, Panel panel)
{
    return panel == Panel::A ? w.ui.checkAdvParam_A : panel == Panel::B ? w.ui.checkAdvParam_B : w.ui.checkPLL_ADV;
}

QWidget *placeholder(Pallador &w, Panel panel)
{
    return panel == Panel::B ? w.ui.widgetADV_B : w.ui.widgetADV_A;
}

// One window on the row's sample, with the row's change applied.
struct Session : WindowSession {
    using WindowSession::WindowSession;
    CFamilyCore &family() { return *window->calvex->family(); }
};

// A widget's state as a number: a box 0 or 1, a spin box its value, a combo
// box its index.
double widgetValue(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->isChecked() ? 1.0 : 0.0;
    if (auto *spin = qobject_cast<const QSpinBox *>(widget))
        return spin->value();
    if (auto *dspin = qobject_cast<const QDoubleSpinBox *>(widget))
        return dspin->value();
    if (auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentIndex();
    return qQNaN();
}

QString shownText(const QWidget *widget)
{
    if (auto *spin = qobject_cast<const QAbstractSpinBox *>(widget))
        return spin->text();
    if (auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    return QString();
}

void leave(QWidget *widget, double value)
{
    const QSignalBlocker blocker(widget);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setChecked(value != 0.0);
    else if (auto *spin = qobject_cast<QSpinBox *>(widget))
        spin->setValue(int(value));
    else if (auto *dspin = qobject_cast<QDoubleSpinBox *>(widget))
        dspin->setValue(value);
    else if (auto *combo = qobject_cast<QComboBox *>(widget))
        combo->setCurrentIndex(int(value));
}

// The quantities of value checks, worked out before the panel opens.
std::vector<double> expectedValues(const std::vector<Check> &checks, const Pallador &w, const CFamilyCore &f,
                                   int context)
{
    std::vector<double> values;
    for (const Check &c : checks)
        values.push_back(c.kind == Check::WidgetValue ? c.quantity(w, f, context) : 0.0);
    return values;
}

// Whether every check holds for the form; the first that does not, in the
// message.
bool verify(const std::vector<Check> &checks, const std::vector<double> &expected, const Pallador &w,
            const QWidget *form, int context, QString *failure)
{
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const Check &c = checks[i];
        const QString name = QLatin1String(c.widget);
        const QWidget *widget = form->findChild<QWidget *>(name);
        if (!widget) {
            *failure = name + QStringLiteral(" is not in the form");
            return false;
        }
        switch (c.kind) {
        case Check::WidgetValue: {
            // A spin box holds a value within its range.
            double wanted = expected[i];
            if (auto *spin = qobject_cast<const QSpinBox *>(widget))
                wanted = qBound(double(spin->minimum()), wanted, double(spin->maximum()));
            else if (auto *dspin = qobject_cast<const QDoubleSpinBox *>(widget))
                wanted = qBound(dspin->minimum(), wanted, dspin->maximum());
            if (!qFuzzyCompare(1.0 + widgetValue(widget), 1.0 + wanted)) {
                *failure = QStringLiteral("%1 shows %2, expected %3").arg(name).arg(widgetValue(widget)).arg(wanted);
                return false;
            }
            break;
        }
        case Check::Text:
            if (shownText(widget) != c.text) {
                *failure = QStringLiteral("%1 shows \"%2\", expected \"%3\"").arg(name, shownText(widget), c.text);
                return false;
            }
            break;
        case Check::ToolTip:
            if (widget->toolTip() != c.text) {
                *failure =
                    QStringLiteral("%1 has the tool tip \"%2\", expected \"%3\"").arg(name, widget->toolTip(), c.text);
                return false;
            }
            break;
        case Check::Holds:
            if (c.member.get(w, context) != widget) {
                *failure = QStringLiteral("the window's member does not hold %1").arg(name);
                return false;
            }
            break;
        }
    }
    return true;
}

// The widgets of a form whose states a user sees.
QList<QWidget *> namedWidgets(QWidget *form)
{
    QList<QWidget *> named;
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        const bool showsSomething = qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget) ||
                                    qobject_cast<QAbstractSpinBox *>(widget) || qobject_cast<QComboBox *>(widget) ||
                                    qobject_cast<QGroupBox *>(widget);
        if (showsSomething && !widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            named << widget;
    }
    return named;
}

// The form of the row's panel, once its box has built and shown it.
QWidget *openedForm(Pallador &w, Panel panel)
{
    QWidget *form = w.advForm[contextOf(panel)];
    return form && form->parentWidget() == placeholder(w, panel) && form->isVisibleTo(placeholder(w, panel)) ? form
                                                                                                             : nullptr;
}

// The object name of a form's top widget as its resource gives it: the form's
// own name, or the name it was designed with ("Form", "AdvForm_A").
QString topWidgetName(const QString &form)
{
    QFile file(panels::formResource(form));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("widget"))
            return xml.attributes().value(QLatin1String("name")).toString();
        if (xml.name() != QLatin1String("ui"))
            xml.skipCurrentElement();
    }
    return QString();
}

template <class R> void addRows(const std::vector<R> &rows)
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(rows.size()); ++i)
        QTest::newRow(qPrintable(rows[i].name())) << i;
}

} // namespace

class TestAdvPanels : public QObject {
    Q_OBJECT

private slots:
    void firstOpening_data();
    void firstOpening();
    void states_data();
    void states();
    void closeAndReopen_data();
    void closeAndReopen();
    void referencesKept_data();
    void referencesKept();
    void coverage_data();
    void coverage();
    void driving_data();
    void driving();
    void gridLayout_data();
    void gridLayout();
};

void TestAdvPanels::firstOpening_data()
{
    addRows(allRows().openings);
}

// The first opening builds the entry's form with the family's values,
// states and tool tips, locks the use case and calculates nothing (or what
// the row says).
void TestAdvPanels::firstOpening()
{
    QFETCH(int, row);
    const Opening &r = allRows().openings[row];
    Session s(QLatin1String(r.sample));
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    const int context = contextOf(r.panel);
    if (r.prepare)
        r.prepare(w, s.family());
    const std::vector<double> expected = expectedValues(r.checks, w, s.family(), context);

    resetJournal(w);
    panelBox(w, r.panel)->click();
    QCOMPARE(calculations(w), r.calculationCount);
    QWidget *form = openedForm(w, r.panel);
    QVERIFY(form);
    QCOMPARE(form->objectName(), topWidgetName(panels::formName(r.entry, r.panel)));
    QVERIFY(w.advParamOn[context]);
    QVERIFY(!(context == 0 ? w.ui.comboUseCase_A : w.ui.comboUseCase_B)->isEnabled());
    QString failure;
    QVERIFY2(verify(r.checks, expected, w, form, context, &failure), qPrintable(failure));
}

void TestAdvPanels::states_data()
{
    addRows(allRows().states);
}

// After the first opening every named widget of the form is shown and
// enabled, except the row's.
void TestAdvPanels::states()
{
    QFETCH(int, row);
    const States &r = allRows().states[row];
    Session s(QLatin1String(r.sample));
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    if (r.prepare)
        r.prepare(w, s.family());
    panelBox(w, r.panel)->click();
    QWidget *form = openedForm(w, r.panel);
    QVERIFY(form);

    QStringList names;
    for (QWidget *widget : namedWidgets(form)) {
        const QString name = widget->objectName();
        names << name;
        QVERIFY2(widget->isVisibleTo(form) != r.hiddenNames.contains(name),
                 qPrintable(name + (widget->isVisibleTo(form) ? QStringLiteral(" shown") : QStringLiteral(" hidden"))));
        QVERIFY2(
            widget->isEnabledTo(form) != r.disabledNames.contains(name),
            qPrintable(name + (widget->isEnabledTo(form) ? QStringLiteral(" enabled") : QStringLiteral(" disabled"))));
    }
    for (const QString &name : r.hiddenNames + r.disabledNames)
        QVERIFY2(names.contains(name), qPrintable(name + QStringLiteral(" is not in the form")));
}

void TestAdvPanels::closeAndReopen_data()
{
    addRows(allRows().reopenings);
}

// Closing gives the context its use case back with one calculation; what was
// left in the panel comes back into the context's settings on the next
// opening, with the frame rate the rate combo shows, in one calculation of
// that context.
void TestAdvPanels::closeAndReopen()
{
    QFETCH(int, row);
    const Reopening &r = allRows().reopenings[row];
    Session s(QLatin1String(r.sample));
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    const int context = contextOf(r.panel);
    QCheckBox *box = panelBox(w, r.panel);
    QComboBox *useCases = context == 0 ? w.ui.comboUseCase_A : w.ui.comboUseCase_B;
    QComboBox *rate = context == 0 ? w.ui.comboMaxFRate_A : w.ui.comboMaxFRate_B;
    const int useCaseRows = w.rows[context];
    const int useCaseCols = w.cols[context];
    if (r.prepare)
        r.prepare(w, s.family());
    box->click();
    QPointer<QWidget> form = openedForm(w, r.panel);
    QVERIFY(form);

    resetJournal(w);
    box->click();
    QVERIFY(!form->isVisibleTo(placeholder(w, r.panel)));
    QVERIFY(useCases->isEnabled());
    QVERIFY(!w.advParamOn[context]);
    QCOMPARE(calculations(w), 1);
    QCOMPARE(calculatedContexts(w).value(0), context);
    QCOMPARE(w.rows[context], useCaseRows);
    QCOMPARE(w.cols[context], useCaseCols);

    // The settings as the use case left them, what the re-opening is to
    // store, and the values left in the panel (the widget must take each as
    // it is, or the row tests nothing).
    std::vector<double> afterClose;
    std::vector<double> wanted;
    for (const Stored &st : r.settings) {
        afterClose.push_back(st.setting(w, s.family(), context));
        wanted.push_back(st.expected ? (*st.expected)(w, s.family(), context) : afterClose.back());
        if (st.expected)
            QVERIFY2(wanted.back() != afterClose.back(),
                     qPrintable(QStringLiteral("%1 already holds %2").arg(st.name).arg(afterClose.back())));
    }
    std::vector<double> leftValues;
    for (const Leave &l : r.left)
        leftValues.push_back(l.value(w, s.family(), context));
    for (std::size_t i = 0; i < r.left.size(); ++i) {
        QWidget *widget = form->findChild<QWidget *>(QLatin1String(r.left[i].widget));
        QVERIFY2(widget, r.left[i].widget);
        leave(widget, leftValues[i]);
        QVERIFY2(qFuzzyCompare(1.0 + widgetValue(widget), 1.0 + leftValues[i]), r.left[i].widget);
    }
    const double fpsBefore = w.maxFps[context];
    {
        const QSignalBlocker blocker(rate);
        if (rate->isEditable())
            rate->setEditText(QStringLiteral("12.5"));
        else
            rate->setCurrentIndex(rate->count() - 1);
    }
    const double fpsShown = Pallador::numberFromText(rate->currentText());
    QVERIFY(fpsShown != fpsBefore);
    if (r.beforeReopen)
        r.beforeReopen(w, s.family());
    const std::vector<double> expected = expectedValues(r.checksAfter, w, s.family(), context);

    resetJournal(w);
    box->click();
    QCOMPARE(openedForm(w, r.panel), form.data());
    QVERIFY(!useCases->isEnabled());
    QCOMPARE(calculations(w), 1);
    QCOMPARE(calculatedContexts(w).value(0), context);
    for (std::size_t i = 0; i < r.settings.size(); ++i) {
        const double now = r.settings[i].setting(w, s.family(), context);
        QVERIFY2(qFuzzyCompare(1.0 + now, 1.0 + wanted[i]),
                 qPrintable(QStringLiteral("%1 is %2, expected %3").arg(r.settings[i].name).arg(now).arg(wanted[i])));
    }
    QCOMPARE(w.maxFps[context], r.keepsFrameRate ? fpsBefore : fpsShown);
    QString failure;
    QVERIFY2(verify(r.checksAfter, expected, w, form, context, &failure), qPrintable(failure));
}

void TestAdvPanels::referencesKept_data()
{
    addRows(allRows().kept);
}

// Opening and closing another panel of the sensor leaves panel A's widgets
// and the window's references into them as they were.
void TestAdvPanels::referencesKept()
{
    QFETCH(int, row);
    const Kept &r = allRows().kept[row];
    Session s(QLatin1String(r.sample));
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    if (r.prepare)
        r.prepare(w, s.family());
    const std::vector<double> expected = expectedValues(r.checks, w, s.family(), 0);
    w.ui.checkAdvParam_A->click();
    QPointer<QWidget> form = openedForm(w, Panel::A);
    QVERIFY(form);
    QString failure;
    QVERIFY2(verify(r.checks, expected, w, form, 0, &failure), qPrintable(failure));

    QCheckBox *other = panelBox(w, r.other);
    other->click();
    QVERIFY(other->isChecked());
    other->click();
    QVERIFY(form);
    QVERIFY2(verify(r.checks, expected, w, form, 0, &failure), qPrintable(failure));
}

void TestAdvPanels::coverage_data()
{
    QTest::addColumn<int>("entry");
    for (const auto &[first, last] : kEntries) {
        for (int entry = first; entry <= last; ++entry)
            QTest::addRow("%d", entry) << entry;
    }
}

// Every entry of these forms has its context-A case and a first-opening row.
void TestAdvPanels::coverage()
{
    QFETCH(int, entry);
    const bool hasCase = panels::formCase(entry, Panel::A) != nullptr;
    bool hasRow = false;
    for (const Opening &r : allRows().openings)
        hasRow = hasRow || (r.entry == entry && r.panel == Panel::A);
    if (listed(kStillBuilding, entry))
        QEXPECT_FAIL("", "the form is still being built", Abort);
    QVERIFY2(hasCase && hasRow, hasCase ? "no first-opening row" : "no context-A case");
}

void TestAdvPanels::driving_data()
{
    addRows(allRows().drivings);
}

// Changing the panel's widgets runs their slots: as many calculations as the
// row allows, and the panel's widgets as the slots and the calculation left
// them.
void TestAdvPanels::driving()
{
    QFETCH(int, row);
    const Driving &r = allRows().drivings[row];
    Session s(QLatin1String(r.sample));
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    const int context = contextOf(r.panel);
    if (r.prepare)
        r.prepare(w, s.family());
    panelBox(w, r.panel)->click();
    QWidget *form = openedForm(w, r.panel);
    QVERIFY(form);

    resetJournal(w);
    pointAt(w, r.panel);
    for (const Drive &d : r.changes) {
        QWidget *widget = form->findChild<QWidget *>(QLatin1String(d.widget));
        QVERIFY2(widget, d.widget);
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            QVERIFY2(button->isEnabled(), d.widget);
            if (button->isChecked() != (d.value != 0.0))
                button->click();
        } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
            spin->setValue(int(d.value));
        } else if (auto *dspin = qobject_cast<QDoubleSpinBox *>(widget)) {
            dspin->setValue(d.value);
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            combo->setCurrentIndex(int(d.value));
        }
    }
    QCOMPARE(calculations(w), r.calculationCount);

    const std::vector<double> expected = expectedValues(r.checks, w, s.family(), context);
    QString failure;
    QVERIFY2(verify(r.checks, expected, w, form, context, &failure), qPrintable(failure));
    for (const QString &name : r.enabledNames + r.disabledNames) {
        const QWidget *widget = form->findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        QVERIFY2(
            widget->isEnabledTo(form) == r.enabledNames.contains(name),
            qPrintable(name + (widget->isEnabledTo(form) ? QStringLiteral(" enabled") : QStringLiteral(" disabled"))));
    }
}

void TestAdvPanels::gridLayout_data()
{
    addRows(allRows().grids);
}

// A scroll-area form fills widgetADV_A through the window's grid layout,
// follows the placeholder's size and scrolls to what it cannot show; the
// layout is made once, and a form of another sensor loaded in between,
// placed at its own size, does not disturb it.
void TestAdvPanels::gridLayout()
{
    QFETCH(int, row);
    const Grid &r = allRows().grids[row];
    const QStringList samples = r.before + QStringList{QLatin1String(r.sample)};
    Session s(samples.first());
    Pallador &w = s.w();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget *place = w.ui.widgetADV_A;
    QGridLayout *layout = nullptr;
    for (int i = 0; i < samples.size(); ++i) {
        if (i > 0)
            w.loadConfigFile(s.install.addSample(samples[i] + QStringLiteral(".cfg")));
        QCheckBox *box = w.ui.checkAdvParam_A;
        if (box->isChecked())
            box->click();
        box->click();
        QWidget *form = openedForm(w, Panel::A);
        QVERIFY2(form, qPrintable(samples[i]));
        const panels::FormCase *c = panels::formCase(w.sensorIndex, Panel::A);
        const bool grid = c && c->gridLayout;
        if (grid && !layout)
            layout = w.advLayout;
        QVERIFY(w.advLayout == layout);
        // A form placed at its own size is no item of the layout.
        QCOMPARE(w.advLayout ? w.advLayout->indexOf(form) >= 0 : false, grid);
    }
    QCOMPARE(w.sensorIndex, r.entry);
    QVERIFY(layout);
    QCOMPARE(place->layout(), layout);
    QCOMPARE(layout->count(), 1);

    QWidget *form = openedForm(w, Panel::A);
    auto *area = form->findChild<QScrollArea *>(QStringLiteral("scrollArea"));
    QVERIFY(area);
    const auto fills = [&] {
        layout->activate();
        return form->geometry() == place->rect().marginsRemoved(layout->contentsMargins()) &&
               area->geometry() == form->rect();
    };
    QVERIFY(fills());
    QVERIFY(area->verticalScrollBar()->maximum() > 0);

    const QSize larger = place->size() + QSize(160, 480);
    place->resize(larger);
    QCOMPARE(place->size(), larger);
    QVERIFY(fills());
    QCOMPARE(area->verticalScrollBar()->maximum(), 0);
}

QTEST_MAIN(TestAdvPanels)
#include "tst_advpanels.moc"
