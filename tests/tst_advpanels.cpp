// The advanced panels of the Brel, Sarn106c, Vek and bridge forms, driven
// through the window's boxes from tables of rows: one row is one catalogue
// entry and one expectation. The first opening shows the family's values,
// states and tool tips and calculates nothing (or what the row says);
// closing gives the context back the settings it had when the panel opened
// and calculates once; opening again stores what was left in the widgets,
// takes the frame rate from the rate combo's text and calculates once;
// opening and closing another panel leaves the references into the form
// alone; and every entry of these forms has its case and its rows. That an
// untouched panel changes nothing is tst_untouchedpanels' sweep.
//
// How to add rows. A group of forms keeps its rows in
// tests/advpanels/<group>.h: one inline function returning a Rows, written
// with the row types below (see advpanels/brel101_sarn106c_brel103.h). Add
// the header to the includes after the types and the function to
// allRows(), one line each, and its entries to kEntries.
// - Opening: the first opening of panel A or B. Checks: value(name, v) (box
//   ticked as 0 or 1, spin box value within its range, combo index; v is a
//   panels::Value worked out for the panel's context before the box is
//   clicked), shows()
//   (the text the widget shows), tip() / noTip(), holds(member, name) (the
//   window member of the panel's context is that widget), outcome(what,
//   actual, expected) (a quantity of the window or the family afterwards,
//   expected worked out before the box is clicked). calculations(n) for a
//   form that calculates on opening (counted before then() drives it).
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
// - Drawing, Turned: the field-of-view drawing of the first opening, from
//   the sizes a row gives the family; Turned: mirrored and flipped.
// - Cascade: a re-opening that writes the family's sizes into the connected
//   boxes, with the calculations it runs.
// Checks also compare a widget's property() or the items() of a combo box.
// Every row can change the loaded sensor first with given(), or load its
// sample with another attached raw sensor with attachedTo(); a first
// opening or states row can drive the open panel with then(); a callback
// that drives a panel widget of a two-context sensor calls pointAt() first,
// since the slots take their context from the placeholder under the
// pointer. A row's note() tells it apart from the other rows of its entry.
#include "calvex.h"
#include "pallador.h"
#include "panelchecks.h"
#include "panels/panels.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QXmlStreamReader>
#include <QtTest>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace advpanels {

using panels::Panel;
using panels::Value;
using P = Pallador;

using namespace panelchecks;

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

// A box that stands for a read-out factor of 2 (ticked while the setting is
// above 1): left at the opposite of what it shows for the context's setting,
// and the factor that state stores (2 ticked, 1 not).
template <class T, std::size_t N> Leave flippedSkip(const char *widget, T (SensorSettings::*field)[N])
{
    return {widget, panels::zero(panels::factor(panels::setting(field)))};
}
template <class T, std::size_t N> Value flippedSkipFactor(T (SensorSettings::*field)[N])
{
    return 1.0 + panels::zero(panels::factor(panels::setting(field)));
}

// What every row has: the catalogue entry, the bundled sample that loads it,
// the panel and an optional change of the sensor before the first opening.
template <class Self> struct Row {
    int entry;
    const char *sample;
    Panel panel = Panel::A;
    const char *label = "";
    Given prepare = {};
    const char *rawSensor = nullptr;
    Given act = {};

    Row(int entry, const char *sample, Panel panel = Panel::A) : entry(entry), sample(sample), panel(panel) {}
    // The sample with another attached raw sensor (a bridge's set-up derives
    // the attached sensor's kind from its name).
    Self &attachedTo(const char *raw)
    {
        rawSensor = raw;
        return self();
    }
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
    // What the engineer does in the panel once it is open (first openings
    // and states), before the checks.
    Self &then(Given g)
    {
        act = std::move(g);
        return self();
    }
    QString name() const
    {
        QString text = QStringLiteral("%1 %2 %3")
                           .arg(entry)
                           .arg(QLatin1String(sample))
                           .arg(panel == Panel::A ? QLatin1Char('A') : QLatin1Char('B'));
        if (rawSensor)
            text += QStringLiteral(" with ") + QLatin1String(rawSensor);
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
    int calculationCount = 1;

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
    // The re-opening's calculation writes a widget whose slot calculates
    // again.
    Reopening &calculations(int count)
    {
        calculationCount = count;
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

// The field-of-view drawing of the first opening: the family's sizes in
// sensor pixels (given), and where the picture areas end up, in the panel's
// pixels.
struct FovSizes {
    QSize array, fov, core, soc, output;
    QPoint position;
    int centering = 0;
};

struct Drawing : Row<Drawing> {
    using Row::Row;
    FovSizes sizes;
    QSize crop;            // of the picture, in every area
    QRect sensorArea;      // the frame of the sensor picture
    QRect core, soc, out;  // the three picture areas
    bool outScaled = true; // the output area scales its picture

    Drawing &from(const FovSizes &s)
    {
        sizes = s;
        return *this;
    }
    Drawing &draws(QSize c, QRect area, QRect corePicture, QRect socPicture, QRect outPicture, bool scaled = true)
    {
        crop = c;
        sensorArea = area;
        core = corePicture;
        soc = socPicture;
        out = outPicture;
        outScaled = scaled;
        return *this;
    }
};

// The whole sensor picture drawn, mirrored and flipped as context A reads the
// sensor.
struct Turned : Row<Turned> {
    using Row::Row;
    bool mirror = false;
    bool flip = false;
    int divisor = 10; // of the sensor's drawing

    Turned &turn(bool mirrored, bool flipped)
    {
        mirror = mirrored;
        flip = flipped;
        return *this;
    }
    Turned &at(int d)
    {
        divisor = d;
        return *this;
    }
};

// A panel whose re-opening writes the family's sizes into its connected
// size boxes: values changed in the open panel (through their slots, or left
// with the signals blocked), then closed and opened again; the calculations
// of the re-opening are counted, and the size boxes end up with the family's
// values.
struct Cascade : Row<Cascade> {
    using Row::Row;
    std::vector<Leave> changes;
    bool blocked = false;
    int calculationCount = 1;
    std::vector<Check> checksAfter;

    Cascade &change(std::vector<Leave> values, bool signalsBlocked = false)
    {
        changes = std::move(values);
        blocked = signalsBlocked;
        return *this;
    }
    Cascade &calculations(int count)
    {
        calculationCount = count;
        return *this;
    }
    Cascade &after(std::vector<Check> checks)
    {
        checksAfter = std::move(checks);
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
    std::vector<Drawing> drawings;
    std::vector<Turned> turned;
    std::vector<Cascade> cascades;
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
#include "advpanels/bridges.h"
#include "advpanels/vek123_135_132.h" // Vek123_Adv, Vek135_Adv, Vek132_Adv
#include "advpanels/vek111_121.h" // Vek111_Adv, Vek116_Adv for the Vek121 group
#include "advpanels/vek107.h"    // Vek107_Adv
#include "advpanels/vek117_114.h" // Vek117_Adv, Vek114_Adv
#include "advpanels/drav102_zelt.h" // Drav102_Adv, Zelt_Adv
#include "advpanels/vek152_155_143.h" // Vek152_Adv, Vek153_Adv, Vek155_Adv, Vek143_Adv
#include "advpanels/murn111.h"    // Murn111_Adv
#include "advpanels/vek128_138.h" // Vek128_Adv, Vek138_Adv

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
                 bridgeRows,
                 vek123Vek135Vek132Rows, // Vek123_Adv, Vek135_Adv, Vek132_Adv
                 vek111Vek121Rows, // Vek111_Adv, Vek116_Adv for the Vek121 group
                 vek107Rows,       // Vek107_Adv
                 vek117Vek114Rows, // Vek117_Adv, Vek114_Adv
                 drav102ZeltRows,  // Drav102_Adv, Zelt_Adv
                 vek152Vek155Vek143Rows, // Vek152_Adv, Vek153_Adv, Vek155_Adv, Vek143_Adv
                 murn111Rows,      // Murn111_Adv
                 vek128Vek138Rows, // Vek128_Adv, Vek138_Adv
             }) {
            Rows more = group();
            all.openings.insert(all.openings.end(), more.openings.begin(), more.openings.end());
            all.states.insert(all.states.end(), more.states.begin(), more.states.end());
            all.reopenings.insert(all.reopenings.end(), more.reopenings.begin(), more.reopenings.end());
            all.kept.insert(all.kept.end(), more.kept.begin(), more.kept.end());
            all.drawings.insert(all.drawings.end(), more.drawings.begin(), more.drawings.end());
            all.turned.insert(all.turned.end(), more.turned.begin(), more.turned.end());
            all.cascades.insert(all.cascades.end(), more.cascades.begin(), more.cascades.end());
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
    {54, 58}, {71, 71},                         // Yorm102, Yorm105, Murn106 forms
    {88, 91}, {95, 98},                         // Vek123, Vek135, Vek132 forms
    {76, 79}, {86, 87}, {103, 104},             // Vek111 form, Vek116 form for the Vek121 group
    {83, 85},                                   // Vek107 form
    {92, 94},                                   // Vek117, Vek114 forms
    {105, 109}, {111, 111},                     // Zelt, Drav102 forms
    {46, 53}, {67, 68}, {112, 113},             // Vek152, Vek153, Vek155, Vek143 forms
    {31, 31},                                   // Murn111 form
    {99, 101}, {110, 110},                      // Vek138, Vek128 forms
};

// Catalogue entries without a context-A form: ticking the box builds and
// shows nothing and leaves the use case free.
const std::vector<std::pair<int, const char *>> kWithoutFormA = {
    {114, "Holv101"},
};

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

// The row's sample, with its attached raw sensor when it names one.
template <class R> std::unique_ptr<Session> session(const R &r)
{
    if (!r.rawSensor)
        return std::make_unique<Session>(QLatin1String(r.sample));
    const QString file = QLatin1String(r.sample) + QStringLiteral(".cfg");
    QFile sample(FixtureInstall::samplesRoot() + QStringLiteral("bin/cfg_pallador/") + file);
    if (!sample.open(QIODevice::ReadOnly))
        return nullptr;
    QByteArray text = sample.readAll();
    const int start = text.indexOf("raw_sensor =");
    if (start < 0)
        return nullptr;
    text.replace(start, text.indexOf('\n', start) - start, QByteArray("raw_sensor = ") + r.rawSensor);
    return std::make_unique<Session>(file, text);
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

// The sizes of context A: the family's, the window's settings and the
// boxes of the panel, in the order of kSizeBoxes.
using Sizes = std::array<int, 6>;
const char *const kSizeBoxes[] = {"spinFovC", "spinFovR", "spinSocC", "spinSocR", "spinCols", "spinRows"};

Sizes familySizes(const CFamilyCore &f)
{
    const CModeState &m = f.mode[0];
    return {m.fovCols, m.fovRows, m.cropCols, m.cropRows, m.outputCols, m.outputRows};
}

Sizes settingSizes(const Pallador &w)
{
    return {w.fovCols[0], w.fovRows[0], w.socCols[0], w.socRows[0], w.cols[0], w.rows[0]};
}

template <class R> void addRows(const std::vector<R> &rows)
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(rows.size()); ++i)
        QTest::newRow(qPrintable(rows[i].name())) << i;
}

} // namespace

Q_DECLARE_METATYPE(advpanels::Panel)

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
    void fieldOfView_data();
    void fieldOfView();
    void fieldOfViewTurned_data();
    void fieldOfViewTurned();
    void reopeningCascade_data();
    void reopeningCascade();
    void coverage_data();
    void coverage();
    // Vek107_Adv
    void scrollFormFillsPlaceholder_data();
    void scrollFormFillsPlaceholder();
    void scrollFormAfterOtherSensors();
    void formToolTips_data();
    void formToolTips();
    void lineLengthByBlanking_data();
    void lineLengthByBlanking();
    // Vek117_Adv, Vek114_Adv
    void driving_data();
    void driving();
    void gridLayout_data();
    void gridLayout();
    // Drav102_Adv, Zelt_Adv
    void hiddenRegionsCalculated();
    void withoutFormA_data();
    void withoutFormA();
    // Skipping boxes that stand for a read-out factor
    void skipBoxIsAFactor_data();
    void skipBoxIsAFactor();
    // A user's change survives closing and opening the panel again
    void changeKeptOverReopening_data();
    void changeKeptOverReopening();
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
    const std::unique_ptr<Session> opened = session(r);
    QVERIFY(opened);
    Session &s = *opened;
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    const int context = contextOf(r.panel);
    if (r.prepare)
        r.prepare(w, s.family());
    const std::vector<double> expected = expectedValues(r.checks, w, s.family(), context);

    resetJournal(w);
    panelBox(w, r.panel)->click();
    QWidget *form = openedForm(w, r.panel);
    QVERIFY(form);
    QCOMPARE(calculations(w), r.calculationCount);
    if (r.act)
        r.act(w, s.family());
    QCOMPARE(form->objectName(), topWidgetName(panels::formName(r.entry, r.panel)));
    // A form placed without a layout has room for the whole of it.
    if (const QWidget *room = placeholder(w, r.panel); !room->layout()) {
        QVERIFY(room->minimumWidth() >= form->width());
        QVERIFY(room->minimumHeight() >= form->height());
    }
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
    const std::unique_ptr<Session> opened = session(r);
    QVERIFY(opened);
    Session &s = *opened;
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    if (r.prepare)
        r.prepare(w, s.family());
    panelBox(w, r.panel)->click();
    QWidget *form = openedForm(w, r.panel);
    QVERIFY(form);
    if (r.act)
        r.act(w, s.family());

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

// Closing gives the context back the settings it had when the panel opened,
// with one calculation; what was
// left in the panel comes back into the context's settings on the next
// opening, with the frame rate the rate combo shows, in one calculation of
// that context.
void TestAdvPanels::closeAndReopen()
{
    QFETCH(int, row);
    const Reopening &r = allRows().reopenings[row];
    const std::unique_ptr<Session> opened = session(r);
    QVERIFY(opened);
    Session &s = *opened;
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    const int context = contextOf(r.panel);
    QCheckBox *box = panelBox(w, r.panel);
    QComboBox *useCases = context == 0 ? w.ui.comboUseCase_A : w.ui.comboUseCase_B;
    QComboBox *rate = context == 0 ? w.ui.comboMaxFRate_A : w.ui.comboMaxFRate_B;
    if (r.prepare)
        r.prepare(w, s.family());
    const int useCaseRows = w.rows[context];
    const int useCaseCols = w.cols[context];
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
    QCOMPARE(calculations(w), r.calculationCount);
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
    const std::unique_ptr<Session> opened = session(r);
    QVERIFY(opened);
    Session &s = *opened;
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
    QVERIFY2(hasCase && hasRow, hasCase ? "no first-opening row" : "no context-A case");
}

void TestAdvPanels::fieldOfView_data()
{
    addRows(allRows().drawings);
}

// The first opening draws the field of view from the family's sizes, before
// anything is calculated: the picture cropped to the field of view in all
// three areas, each area placed by its size.
void TestAdvPanels::fieldOfView()
{
    QFETCH(int, row);
    const Drawing &r = allRows().drawings[row];
    const std::unique_ptr<Session> opened = session(r);
    QVERIFY(opened);
    Session &s = *opened;
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    CFamilyCore &f = s.family();
    f.pll.arrayCols = r.sizes.array.width();
    f.pll.arrayRows = r.sizes.array.height();
    CModeState &m = f.mode[0];
    m.fovCols = r.sizes.fov.width();
    m.fovRows = r.sizes.fov.height();
    m.coreCols = r.sizes.core.width();
    m.coreRows = r.sizes.core.height();
    m.cropCols = r.sizes.soc.width();
    m.cropRows = r.sizes.soc.height();
    m.outputCols = r.sizes.output.width();
    m.outputRows = r.sizes.output.height();
    f.ctx[0].fovX = r.sizes.position.x();
    f.ctx[0].fovY = r.sizes.position.y();
    f.ctx[0].centering = r.sizes.centering;

    resetJournal(w);
    w.ui.checkAdvParam_A->click();
    QCOMPARE(calculations(w), 0);
    QWidget *form = openedForm(w, Panel::A);
    QVERIFY(form);
    auto *area = qobject_cast<QScrollArea *>(w.scrollAreaFOV);
    QVERIFY(area && form->isAncestorOf(area));
    QCOMPARE(area->geometry(), r.sensorArea);
    const struct {
        QLabel *label;
        QRect place;
    } pictures[] = {{w.labelT1T2, r.core}, {w.labelT2T3, r.soc}, {w.labelT3T4, r.out}};
    for (const auto &p : pictures) {
        QVERIFY(p.label && form->isAncestorOf(p.label));
        QCOMPARE(p.label->pixmap(Qt::ReturnByValue).size(), r.crop);
        QCOMPARE(p.label->geometry(), p.place);
    }
    QVERIFY(area->isAncestorOf(w.labelT1T2));
    QCOMPARE(w.labelT3T4->hasScaledContents(), r.outScaled);
}

void TestAdvPanels::fieldOfViewTurned_data()
{
    addRows(allRows().turned);
}

// With the field of view as large as the drawing area, every area shows the
// whole sensor picture, turned as context A reads the sensor.
void TestAdvPanels::fieldOfViewTurned()
{
    QFETCH(int, row);
    const Turned &r = allRows().turned[row];
    const std::unique_ptr<Session> opened = session(r);
    QVERIFY(opened);
    Session &s = *opened;
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    QVERIFY(w.fovPixmap);
    const QImage source = w.fovPixmap->toImage().convertToFormat(QImage::Format_ARGB32);
    // A picture that looks the same turned would prove nothing.
    QVERIFY(source.mirrored(true, false) != source && source.mirrored(false, true) != source);
    CFamilyCore &f = s.family();
    f.pll.arrayCols = f.mode[0].fovCols = source.width() * r.divisor;
    f.pll.arrayRows = f.mode[0].fovRows = source.height() * r.divisor;
    w.mirror[0] = r.mirror;
    w.flip[0] = r.flip;

    w.ui.checkAdvParam_A->click();
    for (const QLabel *label : {w.labelT1T2, w.labelT2T3, w.labelT3T4}) {
        QVERIFY(label);
        const QImage shown = label->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown.size(), source.size());
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                const int sx = r.mirror ? source.width() - 1 - x : x;
                const int sy = r.flip ? source.height() - 1 - y : y;
                if (shown.pixel(x, y) != source.pixel(sx, sy))
                    QFAIL(qPrintable(QStringLiteral("%1: pixel %2,%3").arg(label->objectName()).arg(x).arg(y)));
            }
        }
    }
}

void TestAdvPanels::reopeningCascade_data()
{
    addRows(allRows().cascades);
}

// Opening such a panel again: the family's sizes become the settings, the
// frame rate is the rate combo's, one calculation runs, and then the boxes
// take the family's values, each box that changes running its slot (one
// calculation each). The settings end as the family's from before the
// re-opening, or as the slot of a box that changed stored them.
void TestAdvPanels::reopeningCascade()
{
    QFETCH(int, row);
    const Cascade &r = allRows().cascades[row];
    const std::unique_ptr<Session> opened = session(r);
    QVERIFY(opened);
    Session &s = *opened;
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, r.entry);
    QCheckBox *box = w.ui.checkAdvParam_A;
    box->click();
    QPointer<QWidget> form = openedForm(w, Panel::A);
    QVERIFY(form);
    pointAt(w, Panel::A);
    for (const Leave &l : r.changes) {
        auto *spin = form->findChild<QSpinBox *>(QLatin1String(l.widget));
        QVERIFY2(spin, l.widget);
        const int value = int(l.value(w, s.family(), 0));
        const QSignalBlocker blocker(r.blocked ? spin : nullptr);
        spin->setValue(value);
        QCOMPARE(spin->value(), value);
    }
    box->click();
    QVERIFY(!openedForm(w, Panel::A));
    QComboBox *rate = w.ui.comboMaxFRate_A;
    {
        const QSignalBlocker blocker(rate);
        if (rate->isEditable())
            rate->setEditText(QStringLiteral("12.5"));
        else
            rate->setCurrentIndex(rate->count() - 1);
    }
    const double rateShown = Pallador::numberFromText(rate->currentText());
    QVERIFY(rateShown != w.maxFps[0]);
    const Sizes familyBefore = familySizes(s.family());
    Sizes boxesBefore{};
    for (std::size_t i = 0; i < boxesBefore.size(); ++i)
        boxesBefore[i] = form->findChild<QSpinBox *>(QLatin1String(kSizeBoxes[i]))->value();

    resetJournal(w);
    box->click();
    QCOMPARE(openedForm(w, Panel::A), form.data());
    QCOMPARE(calculations(w), r.calculationCount);
    QCOMPARE(w.maxFps[0], rateShown);
    Sizes settings = familyBefore;
    const Sizes family = familySizes(s.family());
    for (std::size_t i = 0; i < settings.size(); ++i) {
        const int shown = form->findChild<QSpinBox *>(QLatin1String(kSizeBoxes[i]))->value();
        QVERIFY2(shown == family[i], kSizeBoxes[i]);
        if (shown != boxesBefore[i])
            settings[i] = shown;
    }
    QVERIFY(settingSizes(w) == settings);
    const std::vector<double> expected = expectedValues(r.checksAfter, w, s.family(), 0);
    QString failure;
    QVERIFY2(verify(r.checksAfter, expected, w, form, 0, &failure), qPrintable(failure));
}

// Vek107_Adv: the scroll form in the window's grid layout, the form's own
// rich-text tool tips, Vek113m's line-length rule.

namespace {

// Panel A opened on the sensor loaded now, its form laid out.
QWidget *openPanelA(Pallador &w)
{
    if (w.ui.checkAdvParam_A->isChecked())
        w.ui.checkAdvParam_A->click();
    w.ui.checkAdvParam_A->click();
    QCoreApplication::processEvents();
    return openedForm(w, Panel::A);
}

// The room the placeholder's layout gives its items.
QRect layoutRoom(Pallador &w)
{
    return w.ui.widgetADV_A->rect().marginsRemoved(w.advLayout->contentsMargins());
}

} // namespace

void TestAdvPanels::scrollFormFillsPlaceholder_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("entry");
    QTest::newRow("83") << QStringLiteral("Vek117m") << 83;
    QTest::newRow("84") << QStringLiteral("Vek107m") << 84;
    QTest::newRow("85") << QStringLiteral("Vek113m") << 85;
}

// The scroll form fills panel A's placeholder through the window's grid
// layout and follows the placeholder's size, scrolling while the placeholder
// is smaller than the form's contents.
void TestAdvPanels::scrollFormFillsPlaceholder()
{
    QFETCH(QString, sample);
    QFETCH(int, entry);
    Session s(sample);
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, entry);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!w.advLayout);

    QWidget *form = openPanelA(w);
    QVERIFY(form);
    QVERIFY(w.advLayout);
    QCOMPARE(w.ui.widgetADV_A->layout(), w.advLayout);
    QVERIFY(w.advLayout->indexOf(form) >= 0);
    QCOMPARE(form->geometry(), layoutRoom(w));
    auto *area = form->findChild<QScrollArea *>(QStringLiteral("scrollArea"));
    QVERIFY(area);
    QCOMPARE(area->geometry(), form->rect());

    QWidget *place = w.ui.widgetADV_A;
    place->resize(460, 320);
    QCOMPARE(form->geometry(), layoutRoom(w));
    QVERIFY(area->horizontalScrollBar()->maximum() > 0);
    QVERIFY(area->verticalScrollBar()->maximum() > 0);
    place->resize(1400, 800);
    QCOMPARE(form->geometry(), layoutRoom(w));
    QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(area->verticalScrollBar()->maximum(), 0);

    // Closing and opening again keeps the one layout and the form in it.
    QGridLayout *layout = w.advLayout;
    openPanelA(w);
    QCOMPARE(w.advLayout, layout);
    QCOMPARE(openedForm(w, Panel::A), form);
    QCOMPARE(w.advLayout->count(), 1);
}

// Loading Vek107m, then a sensor whose form sits at its own size, then
// Vek113m: the window keeps its one grid layout, the other sensor's form
// stays out of it, and the scroll form fills the placeholder again.
void TestAdvPanels::scrollFormAfterOtherSensors()
{
    Session s(QStringLiteral("Vek107m"));
    Pallador &w = s.w();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QPointer<QWidget> first = openPanelA(w);
    QVERIFY(first);
    QGridLayout *const layout = w.advLayout;
    QVERIFY(layout);

    w.loadConfigFile(s.install.addSample(QStringLiteral("Tolm104m.cfg")));
    QCOMPARE(w.sensorIndex, 1);
    QVERIFY(!first);
    QWidget *own = openPanelA(w);
    QVERIFY(own);
    QCOMPARE(w.advLayout, layout);
    QCOMPARE(w.ui.widgetADV_A->layout(), layout);
    QVERIFY(layout->indexOf(own) < 0);
    QCOMPARE(own->geometry(), QRect(QPoint(0, 0), QSize(204, 106)));

    w.loadConfigFile(s.install.addSample(QStringLiteral("Vek113m.cfg")));
    QCOMPARE(w.sensorIndex, 85);
    QWidget *form = openPanelA(w);
    QVERIFY(form);
    QCOMPARE(w.advLayout, layout);
    QCOMPARE(w.ui.widgetADV_A->layout(), layout);
    QVERIFY(layout->indexOf(form) >= 0);
    QCOMPARE(layout->count(), 1);
    QCOMPARE(form->geometry(), layoutRoom(w));
    w.ui.widgetADV_A->resize(1400, 800);
    QCOMPARE(form->geometry(), layoutRoom(w));
}

void TestAdvPanels::formToolTips_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("bold");
    QTest::newRow("spinScaler") << QStringLiteral("spinScaler")
                                << QStringList{"scaling mode = 0 for 1x scaling",
                                               "scaling mode = 1 for 2xH or 1.5xH scaling",
                                               "scaling mode = 2 for 2.0xHV or 1.5xHV scaling"}
                                << QStringList{};
    QTest::newRow("spinScaleM") << QStringLiteral("spinScaleM")
                                << QStringList{"scaling = 1x for 16", "scaling = 1.5xH or 1.5HV for 24",
                                               "scaling = 2.0xHV for 32"}
                                << QStringList{};
    QTest::newRow("checkLFM_mode") << QStringLiteral("checkLFM_mode")
                                   << QStringList{"LED Flicker Mitigation mode enabled only when:",
                                                  "in line Interleave mode with col/row binning performed.", "or,",
                                                  "in linear mode with col/row binning performed."}
                                   << QStringList{"LED Flicker Mitigation"};
}

// The form's own rich-text tool tips stay, line by line and with their bold
// text, on the first opening and after a re-opening sets the panel's tool
// tips again.
void TestAdvPanels::formToolTips()
{
    QFETCH(QString, widget);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, bold);
    Session s(QStringLiteral("Vek107m"));
    Pallador &w = s.w();
    QWidget *form = openPanelA(w);
    QVERIFY(form);
    for (const char *when : {"first opening", "re-opening"}) {
        const QWidget *child = form->findChild<QWidget *>(widget);
        QVERIFY(child);
        const QString tip = child->toolTip();
        QVERIFY2(Qt::mightBeRichText(tip), when);
        QTextDocument document;
        document.setHtml(tip);
        QCOMPARE(document.toPlainText().split(QLatin1Char('\n')), lines);
        QStringList boldText;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().fontWeight() > QFont::Normal)
                    boldText << it.fragment().text();
            }
        }
        QCOMPARE(boldText, bold);
        QCOMPARE(openPanelA(w), form);
    }
}

void TestAdvPanels::lineLengthByBlanking_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("blankType");
    QTest::addColumn<bool>("familyFlag");
    QTest::addColumn<bool>("flagAfter");
    QTest::addColumn<bool>("boxEnabled");
    // Vek113m clears the flag for blanking types 1, 2 and 6; its box is open
    // and ticked exactly while the flag is set.
    for (int type : {0, 1, 2, 3, 6}) {
        for (bool flag : {false, true}) {
            const bool kept = flag && type != 1 && type != 2 && type != 6;
            QTest::addRow("85 blanking %d flag %d", type, int(flag))
                << QStringLiteral("Vek113m") << type << flag << kept << kept;
        }
    }
    // The other two sensors only show the flag, in the form's open box.
    QTest::newRow("83 blanking 1 flag 1") << QStringLiteral("Vek117m") << 1 << true << true << true;
    QTest::newRow("84 blanking 6 flag 1") << QStringLiteral("Vek107m") << 6 << true << true << true;
    QTest::newRow("84 blanking 0 flag 0") << QStringLiteral("Vek107m") << 0 << false << false << true;
}

// The fixed-line-length box on the first opening, by the context's blanking
// type, and the family's flag after it; nothing is calculated.
void TestAdvPanels::lineLengthByBlanking()
{
    QFETCH(QString, sample);
    QFETCH(int, blankType);
    QFETCH(bool, familyFlag);
    QFETCH(bool, flagAfter);
    QFETCH(bool, boxEnabled);
    Session s(sample);
    Pallador &w = s.w();
    w.blankType[0] = blankType;
    s.family().ctx[0].useFixLLpck = familyFlag;

    resetJournal(w);
    w.ui.checkAdvParam_A->click();
    QCOMPARE(calculations(w), 0);
    QWidget *form = openedForm(w, Panel::A);
    QVERIFY(form);
    QCOMPARE(s.family().ctx[0].useFixLLpck, flagAfter);
    auto *box = form->findChild<QCheckBox *>(QStringLiteral("checkFixLLpck"));
    QVERIFY(box);
    QCOMPARE(box->isChecked(), flagAfter);
    QCOMPARE(box->isEnabled(), boxEnabled);
    QCOMPARE(w.checkFixLLpck, box);
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


// Drav102's closed panel goes on feeding the calculation: the frame-buffer
// mode and the regions left in it are what the family calculates with after
// the close's calculation and after a later one.
void TestAdvPanels::hiddenRegionsCalculated()
{
    Session s(QStringLiteral("Drav102"));
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, 111);
    auto &family = dynamic_cast<Drav_102 &>(s.family());
    w.ui.checkAdvParam_A->click();
    QWidget *form = openedForm(w, Panel::A);
    QVERIFY(form);
    auto *mode = form->findChild<QComboBox *>(QStringLiteral("fbMode"));
    auto *xSize = form->findChild<QSpinBox *>(QStringLiteral("roi0Xsize"));
    auto *ySize = form->findChild<QSpinBox *>(QStringLiteral("roi1Ysize"));
    QVERIFY(mode && xSize && ySize);
    mode->setCurrentIndex(1);
    xSize->setValue(320);
    QCOMPARE(family.roi[0].roiValue(1), 320u);

    w.ui.checkAdvParam_A->click();
    QVERIFY(!form->isVisibleTo(w.ui.widgetADV_A));
    QCOMPARE(family.fbMode, 1);
    QCOMPARE(family.roi[0].roiValue(1), 320u);
    {
        const QSignalBlocker blocker(ySize);
        ySize->setValue(240);
    }
    w.recalc(false);
    QCOMPARE(family.roi[1].roiValue(3), 240u);
    QVERIFY(xSize->isEnabled());
}

void TestAdvPanels::withoutFormA_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("sample");
    for (const auto &[entry, sample] : kWithoutFormA)
        QTest::addRow("%d %s", entry, sample) << entry << QString::fromLatin1(sample);
}

// The box of an entry without a form (ticked by a calling program: the
// set-up hides it) shows nothing, builds nothing, keeps the use-case combo
// usable and calculates nothing; unticking it calculates once.
void TestAdvPanels::withoutFormA()
{
    QFETCH(int, entry);
    QFETCH(QString, sample);
    QVERIFY(panels::formName(entry, Panel::A).isEmpty());
    QVERIFY(!panels::formCase(entry, Panel::A));
    Session s(sample);
    Pallador &w = s.w();
    QCOMPARE(w.sensorIndex, entry);
    QVERIFY(!w.ui.checkAdvParam_A->isVisibleTo(w.ui.checkAdvParam_A->window()));
    const int childrenBefore = w.ui.widgetADV_A->findChildren<QWidget *>().size();

    resetJournal(w);
    w.ui.checkAdvParam_A->setChecked(true);
    w.on_checkAdvParam_A_clicked();
    QCOMPARE(calculations(w), 0);
    QVERIFY(!w.advForm[0]);
    QVERIFY(!w.advFormLoaded[0]);
    QVERIFY(w.advParamOn[0]);
    QVERIFY(w.ui.comboUseCase_A->isEnabled());
    QCOMPARE(w.ui.widgetADV_A->findChildren<QWidget *>().size(), childrenBefore);

    w.ui.checkAdvParam_A->setChecked(false);
    w.on_checkAdvParam_A_clicked();
    QCOMPARE(calculations(w), 1);
    QVERIFY(!w.advParamOn[0]);
    QVERIFY(w.ui.comboUseCase_A->isEnabled());
}

void TestAdvPanels::skipBoxIsAFactor_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<Panel>("panel");
    const std::pair<const char *, Panel> rows[] = {
        {"Sarn109", Panel::A}, {"Sarn115", Panel::A},   {"Sarn117", Panel::A},   {"Vek108m", Panel::A},
        {"Vek108m", Panel::B}, {"Sarn108kj", Panel::A}, {"Sarn108kj", Panel::B}, {"Sarn103k", Panel::A},
        {"Tolm109", Panel::B}, {"Sarn110k", Panel::A},  {"Sarn110k", Panel::B},
    };
    for (const auto &[sample, panel] : rows)
        QTest::addRow("%s %c", sample, panel == Panel::A ? 'A' : 'B') << QString::fromLatin1(sample) << panel;
}

// A "Skipping" box stands for a read-out factor of 2: ticked as a user ticks
// it, the context's setting is 2 and the library skips every second row and
// column; unticked, 1 and no skipping. The ticked state survives closing and
// opening the panel again.
void TestAdvPanels::skipBoxIsAFactor()
{
    QFETCH(QString, sample);
    QFETCH(Panel, panel);
    Session s(sample);
    Pallador &w = s.w();
    const int context = contextOf(panel);
    QCheckBox *box = panelBox(w, panel);
    box->click();
    QWidget *form = openedForm(w, panel);
    QVERIFY(form);
    auto *skip = form->findChild<QCheckBox *>(QStringLiteral("checkSkipping"));
    QVERIFY(skip && skip->isEnabled());
    pointAt(w, panel);
    const QTextEdit *pane = context == 0 ? w.ui.textResult_A : w.ui.textResult_B;
    const auto readMode = [&] {
        for (const QString &line : pane->toPlainText().split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("Read mode:")))
                return line;
        }
        return QString();
    };
    if (skip->isChecked())
        skip->click();
    for (const bool ticked : {true, false, true}) {
        skip->click();
        QCOMPARE(skip->isChecked(), ticked);
        QCOMPARE(w.skipping[context], ticked ? 2 : 1);
        QCOMPARE(readMode().contains(QLatin1String("Skip 2x")), ticked);
        if (ticked)
            QCOMPARE(s.family().timing(context).xFactor, 2);
    }
    box->click();
    box->click();
    QVERIFY(skip->isChecked());
    QCOMPARE(w.skipping[context], 2);
    QCOMPARE(s.family().timing(context).xFactor, 2);
}

void TestAdvPanels::changeKeptOverReopening_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<double>("value");
    QTest::newRow("Vek149 low power") << "Vek149" << "checkLowPower" << 1.0;
    QTest::newRow("Sarn102 iHDR") << "Sarn102" << "checkHDR" << 1.0;
    QTest::newRow("Vek104 row skip 2x") << "Vek104" << "comboRowSkip" << 1.0;
    QTest::newRow("Vek151 read-out mode Y 2") << "Vek151" << "spinReadMode_Y" << 2.0;
    QTest::newRow("Drav101t read-out mode X 2") << "Drav101t" << "spinReadMode" << 2.0;
}

// A change a user makes in panel A, with the pointer on it, programs the
// sensor; closing the panel and opening it again shows the change and
// programs the same registers again.
void TestAdvPanels::changeKeptOverReopening()
{
    QFETCH(QString, sample);
    QFETCH(QString, widget);
    QFETCH(double, value);
    Session s(sample);
    Pallador &w = s.w();
    QCheckBox *box = panelBox(w, Panel::A);
    box->click();
    QWidget *form = openedForm(w, Panel::A);
    QVERIFY(form);
    QWidget *changed = form->findChild<QWidget *>(widget);
    QVERIFY(changed && changed->isEnabled());
    pointAt(w, Panel::A);
    const QStringList loaded = calculationOutcome(w);
    if (auto *button = qobject_cast<QAbstractButton *>(changed)) {
        QVERIFY(button->isChecked() != (value != 0.0));
        button->click();
    } else if (auto *spin = qobject_cast<QSpinBox *>(changed)) {
        QVERIFY(spin->value() != int(value));
        spin->setValue(int(value));
    } else if (auto *combo = qobject_cast<QComboBox *>(changed)) {
        QVERIFY(combo->currentIndex() != int(value));
        combo->setCurrentIndex(int(value));
    }
    const QStringList programmed = calculationOutcome(w);
    QVERIFY2(programmed != loaded, "the change programs nothing");
    const double shown = widgetValue(changed);

    box->click();
    box->click();
    QCOMPARE(widgetValue(changed), shown);
    QCOMPARE(calculationOutcome(w), programmed);
}

QTEST_MAIN(TestAdvPanels)
#include "tst_advpanels.moc"
