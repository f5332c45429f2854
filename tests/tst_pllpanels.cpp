// The advanced PLL panels, driven through the window's PLL box from tables of
// rows: one row is one catalogue entry and one expectation. Every opening
// builds a new form from the family's current values with its override boxes
// unticked; the calculations of an opening are counted from the click of the
// box through the result display; closing calculates nothing and reads
// nothing back; and every entry of these forms has its case and its rows.
//
// How to add rows. A group of forms keeps its rows in
// tests/pllpanels/<group>.h: one inline function returning a Rows, written
// with the row types below (see pllpanels/murn.h). Add the header to the
// includes after the types and the function to allRows(), one line each,
// and its entries to kEntries.
// - Opening: the opening of the PLL panel. calculations(n) for a form whose
//   opening calculates; expect() takes the checks of panelchecks.h (value(),
//   shows(), tip() / noTip(), holds(member, name), property(), items(),
//   outcome()), their values worked out before the box is clicked, as the
//   form starts from them (number(name, v) checks the number a label or box
//   shows); enabled(), disabled(), hidden() and shown() list
//   widgets in those states once the results are shown.
// - Display: what the result display writes. The panel opened, then() drives
//   it (or the window, or the family, followed by a calculation); the checks
//   and states are worked out after that, and calculations(n), when given,
//   counts what then() ran.
// - Override: an override box ticked and its input given a value as a user
//   gives it (a spin box's value, a combo box's index): the request
//   (a quantity of the window or the family) is what the row expects while
//   the box is ticked and -1 once it is unticked again; expect() adds checks
//   while ticked. Where the display writes the library's choice back into
//   the request once the box is unticked, released() names the quantity that
//   shows the choice is the library's again: it differs while the box is
//   ticked and is back to what it was before the box was ticked.
// Every row can change the loaded sensor first with given(); a row's note()
// tells it apart from the other rows of its entry. A callback that clicks a
// box shared with the context panels (checkHighSpeed) calls pointAtPll()
// first.
#include "calvex.h"
#include "pallador.h"
#include "panelchecks.h"
#include "panels/panels.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPointer>
#include <QSet>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace pllpanels {

using panels::Panel;
using panels::Value;
using P = Pallador;

using namespace panelchecks;

// What every row has: the catalogue entry, the bundled sample that loads it
// and an optional change of the sensor before the panel opens.
template <class Self> struct Row {
    int entry;
    const char *sample;
    const char *label = "";
    Given prepare = {};
    Given act = {};

    Row(int entry, const char *sample) : entry(entry), sample(sample) {}
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
        QString text = QStringLiteral("%1 %2").arg(entry).arg(QLatin1String(sample));
        if (*label)
            text += QStringLiteral(": ") + QLatin1String(label);
        return text;
    }

protected:
    Self &self() { return static_cast<Self &>(*this); }
};

// Checks and widget states a row expects.
template <class Self> struct Expecting : Row<Self> {
    using Row<Self>::Row;
    std::vector<Check> checks;
    QStringList enabledNames, disabledNames, hiddenNames, shownNames;

    Self &expect(std::vector<Check> more)
    {
        checks.insert(checks.end(), more.begin(), more.end());
        return this->self();
    }
    Self &enabled(const QStringList &names)
    {
        enabledNames += names;
        return this->self();
    }
    Self &disabled(const QStringList &names)
    {
        disabledNames += names;
        return this->self();
    }
    Self &hidden(const QStringList &names)
    {
        hiddenNames += names;
        return this->self();
    }
    Self &shown(const QStringList &names)
    {
        shownNames += names;
        return this->self();
    }
};

struct Opening : Expecting<Opening> {
    using Expecting::Expecting;
    int calculationCount = 0;

    Opening &calculations(int count)
    {
        calculationCount = count;
        return *this;
    }
};

struct Display : Expecting<Display> {
    using Expecting::Expecting;
    int calculationCount = -1; // not counted

    // What the engineer or a calling program does once the panel shows.
    Display &then(Given g)
    {
        act = std::move(g);
        return *this;
    }
    Display &calculations(int count)
    {
        calculationCount = count;
        return *this;
    }
};

struct Override : Expecting<Override> {
    using Expecting::Expecting;
    const char *box = nullptr;
    const char *input = nullptr;
    double entered = 0;
    const char *requestName = "";
    Value request = {};
    Value whileTicked = {};

    // The box ticked, then the input given the value.
    Override &ticks(const char *boxName, const char *inputName, double value)
    {
        box = boxName;
        input = inputName;
        entered = value;
        return *this;
    }
    // The request and what it is while the box is ticked (worked out after
    // the value is given).
    Override &requests(const char *name, Value quantity, Value expected)
    {
        requestName = name;
        request = std::move(quantity);
        whileTicked = std::move(expected);
        return *this;
    }
    Override &released(const char *name, Value quantity)
    {
        releasedName = name;
        choice = std::move(quantity);
        return *this;
    }
    const char *releasedName = "";
    Value choice = {};
};

// The number a widget of the open PLL form shows (a label's text, a spin
// box's text), and a check that it is the expected value; an empty text, as
// a label cleared by the display, is NaN and so matches nothing.
inline Value shownNumber(const char *widget)
{
    return [widget](const Pallador &w, const CFamilyCore &, int) -> double {
        const QWidget *shown = w.pllForm ? w.pllForm->findChild<QWidget *>(QLatin1String(widget)) : nullptr;
        bool ok = false;
        const double number = shown ? shownText(shown).toDouble(&ok) : 0.0;
        return ok ? number : qQNaN();
    };
}
inline Check number(const char *widget, Value expected)
{
    return outcome(widget, shownNumber(widget), std::move(expected));
}

// The PLL panel's slots that serve a box of several panels take their
// context from the placeholder under the pointer: the PLL panel's is
// context A.
inline void pointAtPll(Pallador &w)
{
    w.ui.widgetADV_A->setAttribute(Qt::WA_UnderMouse, false);
    w.ui.widgetADV_B->setAttribute(Qt::WA_UnderMouse, false);
    w.ui.widgetADV_PLL->setAttribute(Qt::WA_UnderMouse, true);
}

// The rows of one group of forms.
struct Rows {
    std::vector<Opening> openings;
    std::vector<Display> displays;
    std::vector<Override> overrides;
};

} // namespace pllpanels

#include "pllpanels/interface.h"      // Brel101_PLL, Vek102_PLL, Vek101_PLL, Vek108_PLL, Brel104_PLL, Brel105_PLL
#include "pllpanels/murn.h"           // Murn101_PLL, Murn105_PLL, Murn109_PLL, Murn111_PLL
#include "pllpanels/opdivider.h"      // Brel103_PLL, Brel107_PLL, Vek141_PLL, Vek145l_PLL, Vek149_PLL
#include "pllpanels/secondpll_murn.h" // Vek152-154_PLL, Murn107/103/110/108/106_PLL
#include "pllpanels/yorm.h"           // Yorm102_PLL, Yorm105_PLL, Yorm106_PLL
#include "pllpanels/vek116_holv101.h" // Vek116/118/128_PLL, Drav102_PLL, Zelt_PLL, Holv101_PLL
#include "pllpanels/vek107_123.h"     // Vek117_PLL, Vek107_PLL, Vek110_PLL, Vek111_PLL, Vek123_PLL
#include "pllpanels/vek155_138.h"     // Vek155_PLL, Vek143_PLL, Vek157b/f_PLL, Vek132_PLL, Vek138_PLL

namespace {

using namespace pllpanels;

const Rows &allRows()
{
    static const Rows rows = [] {
        Rows all;
        for (Rows (*group)() : {
                 murnRows,          // Murn101_PLL, Murn105_PLL, Murn109_PLL, Murn111_PLL
                 interfaceRows,     // Brel101_PLL, Vek102_PLL, Vek101_PLL, Vek108_PLL, Brel104_PLL, Brel105_PLL
                 opDividerRows,     // Brel103_PLL, Brel107_PLL, Vek141_PLL, Vek145l_PLL, Vek149_PLL
                 yormRows,          // Yorm102_PLL, Yorm105_PLL, Yorm106_PLL
                 secondPllMurnRows, // Vek152-154_PLL, Murn107/103/110/108/106_PLL
                 vek116Holv101Rows, // Vek116/118/128_PLL, Drav102_PLL, Zelt_PLL, Holv101_PLL
                 vek107To123Rows,   // Vek117_PLL, Vek107_PLL, Vek110_PLL, Vek111_PLL, Vek123_PLL
                 vek155To138Rows,   // Vek155_PLL, Vek143_PLL, Vek157b/f_PLL, Vek132_PLL, Vek138_PLL
             }) {
            Rows more = group();
            all.openings.insert(all.openings.end(), more.openings.begin(), more.openings.end());
            all.displays.insert(all.displays.end(), more.displays.begin(), more.displays.end());
            all.overrides.insert(all.overrides.end(), more.overrides.begin(), more.overrides.end());
        }
        return all;
    }();
    return rows;
}

// The catalogue entries these forms serve, first to last.
const std::vector<std::pair<int, int>> kEntries = {
    {1, 11},  {13, 13}, {26, 27},   {31, 31}, // Murn101_PLL, Murn105_PLL, Murn109_PLL, Murn111_PLL
    {12, 12}, {14, 24}, {28, 30}, // Brel101_PLL, Vek102_PLL, Vek101_PLL, Vek108_PLL, Brel104_PLL, Brel105_PLL
    {25, 25}, {34, 45},           // Brel103_PLL, Brel107_PLL, Vek141_PLL, Vek145l_PLL, Vek149_PLL
    {54, 58},                     // Yorm102_PLL, Yorm105_PLL, Yorm106_PLL
    {46, 52}, {90, 91}, {112, 113}, {59, 61}, {69, 71}, // Vek152-154_PLL, Murn107/103/110/108/106_PLL
    {72, 79}, {94, 94}, {102, 102}, {115, 115}, {110, 111}, {105, 109}, {114, 114}, // Vek116-Holv101_PLL
    {83, 89}, {92, 93}, {103, 104}, // Vek117_PLL, Vek107_PLL, Vek110_PLL, Vek111_PLL, Vek123_PLL
    {53, 53}, {67, 68}, {80, 82}, {95, 101}, // Vek155_PLL, Vek143_PLL, Vek157b/f_PLL, Vek132_PLL, Vek138_PLL
};

// The boxes that override a choice of the library; every form that has one
// opens with it unticked.
const QStringList kOverrideBoxes = {
    QStringLiteral("checkPLL_P1"),  QStringLiteral("checkPLL_P4"),  QStringLiteral("checkPLL_P5"),
    QStringLiteral("checkPLL_N2"),  QStringLiteral("checkPLL_M2"),  QStringLiteral("checkPLL_VCO2"),
    QStringLiteral("checkPLL_WCD"), QStringLiteral("checkPLL_I2C"),
};

QStringList overrideBoxes()
{
    QStringList names = kOverrideBoxes;
    for (const Override &r : allRows().overrides) {
        if (!names.contains(QLatin1String(r.box)))
            names << QLatin1String(r.box);
    }
    return names;
}

struct Session : WindowSession {
    using WindowSession::WindowSession;
    CFamilyCore &family() { return *window->calvex->family(); }
};

// The open PLL form, once the box has built and shown it.
QWidget *openedForm(Pallador &w)
{
    QWidget *form = w.pllForm;
    return form && form->parentWidget() == w.ui.widgetADV_PLL && form->isVisibleTo(w.ui.widgetADV_PLL) ? form : nullptr;
}

// The object name of a form's top widget (not always the form's own name).
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

// The sample the first opening row of an entry loads; empty without one.
QString sampleOf(int entry)
{
    for (const Opening &r : allRows().openings) {
        if (r.entry == entry)
            return QLatin1String(r.sample);
    }
    return QString();
}

// The library's register values, as a calling program reads them.
QStringList registers(const Pallador &w)
{
    QStringList values;
    const CFamilyCore *f = w.calvex->family();
    for (int i = 0; i < f->registerCount(); ++i)
        values << QStringLiteral("%1 = 0x%2").arg(i).arg(f->results.registerValues[i], 0, 16);
    return values;
}

// A widget's state put aside with its signals blocked, as the engineer may
// leave it: a box toggled, a spin box one step off, a combo box on another
// item.
void meddle(QWidget *widget)
{
    const QSignalBlocker blocker(widget);
    if (auto *button = qobject_cast<QAbstractButton *>(widget); button && button->isCheckable())
        button->setChecked(!button->isChecked());
    else if (auto *spin = qobject_cast<QSpinBox *>(widget))
        spin->setValue(spin->value() < spin->maximum() ? spin->value() + 1 : spin->minimum());
    else if (auto *dspin = qobject_cast<QDoubleSpinBox *>(widget))
        dspin->setValue(dspin->value() < dspin->maximum() ? dspin->maximum() : dspin->minimum());
    else if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->count() > 1)
        combo->setCurrentIndex(combo->currentIndex() > 0 ? 0 : 1);
}

// The form's named input widgets and their states as numbers.
QList<QWidget *> inputs(QWidget *form)
{
    QList<QWidget *> found;
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        const bool input = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QAbstractSpinBox *>(widget) ||
                           qobject_cast<QComboBox *>(widget);
        if (input && !widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            found << widget;
    }
    return found;
}

QMap<QString, double> inputValues(QWidget *form)
{
    QMap<QString, double> values;
    for (QWidget *widget : inputs(form))
        values.insert(widget->objectName(), widgetValue(widget));
    return values;
}

// Whether the listed widgets are in the states the row gives them.
template <class R> bool statesHold(const R &r, QWidget *form, QString *failure)
{
    const struct {
        const QStringList &names;
        bool wanted;
        bool (*state)(const QWidget *, const QWidget *);
        const char *what;
    } lists[] = {
        {r.enabledNames, true, [](const QWidget *x, const QWidget *f) { return x->isEnabledTo(f); }, "enabled"},
        {r.disabledNames, false, [](const QWidget *x, const QWidget *f) { return x->isEnabledTo(f); }, "enabled"},
        {r.shownNames, true, [](const QWidget *x, const QWidget *f) { return x->isVisibleTo(f); }, "shown"},
        {r.hiddenNames, false, [](const QWidget *x, const QWidget *f) { return x->isVisibleTo(f); }, "shown"},
    };
    for (const auto &list : lists) {
        for (const QString &name : list.names) {
            const QWidget *widget = form->findChild<QWidget *>(name);
            if (!widget) {
                *failure = name + QStringLiteral(" is not in the form");
                return false;
            }
            if (list.state(widget, form) != list.wanted) {
                *failure = name + (list.wanted ? QStringLiteral(" is not ") : QStringLiteral(" is ")) +
                           QLatin1String(list.what);
                return false;
            }
        }
    }
    return true;
}

template <class R> void addRows(const std::vector<R> &rows)
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(rows.size()); ++i)
        QTest::newRow(qPrintable(rows[i].name())) << i;
}

void addEntries()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("sample");
    for (const auto &[first, last] : kEntries) {
        for (int entry = first; entry <= last; ++entry) {
            const QString sample = sampleOf(entry);
            if (!sample.isEmpty())
                QTest::addRow("%d %s", entry, qPrintable(sample)) << entry << sample;
        }
    }
}

} // namespace

class TestPllPanels : public QObject {
    Q_OBJECT

private slots:
    void opening_data();
    void opening();
    void display_data();
    void display();
    void overrides_data();
    void overrides();
    void everyOpeningFresh_data();
    void everyOpeningFresh();
    void closingCalculatesNothing_data();
    void closingCalculatesNothing();
    void replacedFormForgotten_data();
    void replacedFormForgotten();
    void coverage_data();
    void coverage();
};

void TestPllPanels::opening_data()
{
    addRows(allRows().openings);
}

// The opening builds the entry's form from the family's values, calculates
// what the row says and shows the results.
void TestPllPanels::opening()
{
    QFETCH(int, row);
    const Opening &r = allRows().openings[row];
    Session s(QLatin1String(r.sample));
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    if (r.prepare)
        r.prepare(w, s.family());
    const std::vector<double> expected = expectedValues(r.checks, w, s.family(), 0);

    resetJournal(w);
    w.ui.checkPLL_ADV->click();
    QWidget *form = openedForm(w);
    QVERIFY(form);
    QCOMPARE(calculations(w), r.calculationCount);
    const panels::FormCase *c = panels::formCase(r.entry, Panel::Pll);
    QVERIFY(c);
    QCOMPARE(form->objectName(), topWidgetName(QLatin1String(c->form)));
    QVERIFY(w.pllFormLoaded);
    QString failure;
    QVERIFY2(verify(r.checks, expected, w, form, 0, &failure), qPrintable(failure));
    QVERIFY2(statesHold(r, form, &failure), qPrintable(failure));
}

void TestPllPanels::display_data()
{
    addRows(allRows().displays);
}

// What the result display writes into the open form, after showing and after
// the calculations the row drives.
void TestPllPanels::display()
{
    QFETCH(int, row);
    const Display &r = allRows().displays[row];
    Session s(QLatin1String(r.sample));
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    if (r.prepare)
        r.prepare(w, s.family());
    w.ui.checkPLL_ADV->click();
    QWidget *form = openedForm(w);
    QVERIFY(form);

    resetJournal(w);
    if (r.act)
        r.act(w, s.family());
    if (r.calculationCount >= 0)
        QCOMPARE(calculations(w), r.calculationCount);
    QCOMPARE(openedForm(w), form);
    const std::vector<double> expected = expectedValues(r.checks, w, s.family(), 0);
    QString failure;
    QVERIFY2(verify(r.checks, expected, w, form, 0, &failure), qPrintable(failure));
    QVERIFY2(statesHold(r, form, &failure), qPrintable(failure));
}

void TestPllPanels::overrides_data()
{
    addRows(allRows().overrides);
}

// An override box ticked and its input given a value: the request follows;
// unticking the box returns the request to -1, the choice to the library.
void TestPllPanels::overrides()
{
    QFETCH(int, row);
    const Override &r = allRows().overrides[row];
    Session s(QLatin1String(r.sample));
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    if (r.prepare)
        r.prepare(w, s.family());
    w.ui.checkPLL_ADV->click();
    QWidget *form = openedForm(w);
    QVERIFY(form);
    auto *box = form->findChild<QCheckBox *>(QLatin1String(r.box));
    QWidget *input = form->findChild<QWidget *>(QLatin1String(r.input));
    QVERIFY2(box && input, "box or input not in the form");
    QVERIFY(box->isEnabled());
    QVERIFY(!box->isChecked());
    const double libraryChoice = r.choice ? r.choice(w, s.family(), 0) : -1.0;

    box->click();
    QVERIFY(box->isChecked());
    QVERIFY(input->isEnabled());
    if (auto *spin = qobject_cast<QSpinBox *>(input))
        spin->setValue(int(r.entered));
    else if (auto *dspin = qobject_cast<QDoubleSpinBox *>(input))
        dspin->setValue(r.entered);
    else if (auto *combo = qobject_cast<QComboBox *>(input))
        combo->setCurrentIndex(int(r.entered));
    QCOMPARE(widgetValue(input), r.entered);
    const double request = r.request(w, s.family(), 0);
    const double wanted = r.whileTicked(w, s.family(), 0);
    QVERIFY2(request == wanted, qPrintable(QStringLiteral("%1 is %2 while ticked, expected %3")
                                               .arg(QLatin1String(r.requestName))
                                               .arg(request)
                                               .arg(wanted)));
    const std::vector<double> expected = expectedValues(r.checks, w, s.family(), 0);
    QString failure;
    QVERIFY2(verify(r.checks, expected, w, form, 0, &failure), qPrintable(failure));
    QVERIFY2(statesHold(r, form, &failure), qPrintable(failure));

    if (r.choice)
        QVERIFY2(r.choice(w, s.family(), 0) != libraryChoice,
                 qPrintable(QStringLiteral("%1 is the library's own choice").arg(QLatin1String(r.releasedName))));

    box->click();
    QVERIFY(!box->isChecked());
    QVERIFY(!input->isEnabled());
    const double released = r.choice ? r.choice(w, s.family(), 0) : r.request(w, s.family(), 0);
    QVERIFY2(released == libraryChoice, qPrintable(QStringLiteral("%1 is %2 once unticked, expected %3")
                                                       .arg(QLatin1String(r.choice ? r.releasedName : r.requestName))
                                                       .arg(released)
                                                       .arg(libraryChoice)));
}

void TestPllPanels::everyOpeningFresh_data()
{
    addEntries();
}

// Each opening is a new form from the family's current values: what the
// engineer left in the last one (its override boxes ticked, its values
// changed) is gone with it, and the override boxes start unticked.
void TestPllPanels::everyOpeningFresh()
{
    QFETCH(int, entry);
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, entry);
    const QStringList overrides = overrideBoxes();

    w.ui.checkPLL_ADV->click();
    QPointer<QWidget> first = openedForm(w);
    QVERIFY(first);
    const QMap<QString, double> shownFirst = inputValues(first);
    for (QWidget *widget : inputs(first)) {
        if (overrides.contains(widget->objectName()))
            QVERIFY2(!qobject_cast<QAbstractButton *>(widget)->isChecked(), qPrintable(widget->objectName()));
        meddle(widget);
    }
    w.ui.checkPLL_ADV->click();
    QVERIFY(!openedForm(w));

    w.ui.checkPLL_ADV->click();
    QWidget *second = openedForm(w);
    QVERIFY(second);
    QVERIFY(first.isNull());
    QCOMPARE(w.ui.widgetADV_PLL->findChildren<QWidget *>(second->objectName()).size(), 1);
    QCOMPARE(inputValues(second), shownFirst);
}

void TestPllPanels::closingCalculatesNothing_data()
{
    addEntries();
}

// Closing hides the form, calculates nothing and reads nothing back, whatever
// was left in the form: the registers stay as they were.
void TestPllPanels::closingCalculatesNothing()
{
    QFETCH(int, entry);
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, entry);
    w.ui.checkPLL_ADV->click();
    QPointer<QWidget> form = openedForm(w);
    QVERIFY(form);
    for (QWidget *widget : inputs(form))
        meddle(widget);
    const QStringList before = registers(w);

    resetJournal(w);
    w.ui.checkPLL_ADV->click();
    QCOMPARE(calculations(w), 0);
    QVERIFY(!w.pllFormLoaded);
    QVERIFY(form && !form->isVisibleTo(w.ui.widgetADV_PLL));
    QCOMPARE(registers(w), before);
}

void TestPllPanels::replacedFormForgotten_data()
{
    addEntries();
}

// The form an opening replaces is deleted only once no window member points
// into it: a widget made in it in code, which the new form's lookups do not
// replace, is forgotten too, and every member a form case fills points at a
// widget of the new form, of another panel, or nowhere.
void TestPllPanels::replacedFormForgotten()
{
    QFETCH(int, entry);
    QFETCH(QString, sample);
    Session s(sample);
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, entry);
    w.ui.checkPLL_ADV->click();
    QPointer<QWidget> first = openedForm(w);
    QVERIFY(first);
    // A spin-box member the form does not look up: the OTP version box, or
    // the I2C clock box for a form that has the former.
    const std::vector<panels::Widget> &lines = panels::formCase(entry, Panel::Pll)->widgets;
    const panels::Member otp = panels::ref<&P::spinOTPRev>();
    const bool hasOtp =
        std::any_of(lines.begin(), lines.end(), [&](const panels::Widget &d) { return d.member.id == otp.id; });
    const panels::Member made = hasOtp ? panels::ref<&P::spinPLL_I2C>() : otp;
    QSpinBox *P::*madeMember = hasOtp ? &P::spinPLL_I2C : &P::spinOTPRev;
    for (const panels::Widget &d : lines)
        QVERIFY2(d.member.id != made.id, "the form looks up the member this test fills");
    w.*madeMember = new QSpinBox(first);
    QSet<const QWidget *> old;
    for (const QWidget *widget : first->findChildren<QWidget *>())
        old.insert(widget);

    w.ui.checkPLL_ADV->click();
    w.ui.checkPLL_ADV->click();
    QWidget *second = openedForm(w);
    QVERIFY(second);
    QVERIFY(first.isNull());
    QCOMPARE(w.*madeMember, nullptr);
    QSet<const QWidget *> current;
    for (const QWidget *widget : second->findChildren<QWidget *>())
        current.insert(widget);
    for (const panels::FormCase &c : panels::formCases()) {
        for (const panels::Widget &d : c.widgets) {
            for (int context : {0, 1}) {
                const QWidget *held = d.member.get ? d.member.get(w, context) : nullptr;
                QVERIFY2(
                    !old.contains(held) || current.contains(held),
                    qPrintable(
                        QStringLiteral("the member of %1 points into the replaced form").arg(QLatin1String(d.name))));
            }
        }
    }
}

void TestPllPanels::coverage_data()
{
    QTest::addColumn<int>("entry");
    for (const auto &[first, last] : kEntries) {
        for (int entry = first; entry <= last; ++entry)
            QTest::addRow("%d", entry) << entry;
    }
}

// Every entry of these forms has its PLL case and an opening row.
void TestPllPanels::coverage()
{
    QFETCH(int, entry);
    const bool hasCase = panels::formCase(entry, Panel::Pll) != nullptr;
    QVERIFY2(hasCase, "no PLL case");
    QVERIFY2(!sampleOf(entry).isEmpty(), "no opening row");
}

QTEST_MAIN(TestPllPanels)
#include "tst_pllpanels.moc"
