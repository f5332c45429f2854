// The option panels as data: which forms each catalogued sensor uses, and for
// each form case the widgets its panel looks up, one line per widget: the
// window member it goes into, its starting value, its connection, its tool
// tip, its states and its read-back. The panel slots (panelslots.cpp) apply
// these tables; the few things a table cannot say are a form case's rules.
//
// How to add a form: docs/panels.md.
#pragma once

#include "pallador.h"
#include "tooltips.h"

#include <QStringList>
#include <QtGlobal>

#include <bitset>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <type_traits>
#include <vector>

class CFamilyCore;
class QMetaObject;
class QWidget;

namespace panels {

// The three placeholders of the main form.
enum class Panel { A, B, Pll };

// The forms of one group of catalogue entries (first to last). A null name
// means the panel has no form of its own.
struct SensorForms {
    int first;
    int last;
    const char *formA;
    const char *formB;
    const char *formPll;
    // The sensor set-up builds these forms itself; the panels only show them.
    bool builtBySetUp = false;
    // The context-B box only recalculates context B.
    bool bRecalcOnly = false;
};

// The entry for a catalogue index, or null (0, -1 and unknown indices).
const SensorForms *sensorForms(int sensorIndex);
// Every entry, in catalogue order.
const std::vector<SensorForms> &sensorFormTable();
// The form a panel of the sensor uses, or an empty string.
QString formName(int sensorIndex, Panel panel);
// ":/Forms/Form_Files/<form>.ui"
QString formResource(const QString &form);

// ---------------------------------------------------------------------------
// Catalogue entries.

// A set of catalogue entries; the default set holds every entry.
class Entries {
public:
    Entries() = default;
    Entries(std::initializer_list<int> entries);
    // first to last, both included.
    static Entries range(int first, int last);
    bool contains(int entry) const { return m_every || (entry >= 0 && entry < kSize && m_set.test(entry)); }

private:
    static constexpr int kSize = 128;
    bool m_every = true;
    std::bitset<kSize> m_set;
};

// ---------------------------------------------------------------------------
// Window members.

// A window member that takes a widget of a form: its widget class and how to
// reach it. A member kept per context takes the panel's own context entry,
// unless the reference names a fixed element.
struct Member {
    const QMetaObject *type = nullptr;
    void (*set)(Pallador &w, int context, QWidget *widget) = nullptr;
    QWidget *(*get)(const Pallador &w, int context) = nullptr;
    // The same for every reference to one window member.
    const void *id = nullptr;
    bool perContext = false;
    int fixedElement = -1;

    // The element a panel of this context reaches: -1 for a single member.
    int element(int context) const { return !perContext ? -1 : fixedElement >= 0 ? fixedElement : context; }
};

template <class T> struct MemberOf;
template <class T> struct MemberOf<T * Pallador::*> {
    using Widget = T;
    static constexpr bool perContext = false;
    static T *&at(Pallador &w, T *Pallador::*m, int) { return w.*m; }
    static T *at(const Pallador &w, T *Pallador::*m, int) { return w.*m; }
};
template <class T, std::size_t N> struct MemberOf<T *(Pallador::*)[N]> {
    using Widget = T;
    static constexpr bool perContext = true;
    static T *&at(Pallador &w, T *(Pallador::*m)[N], int i) { return (w.*m)[i]; }
    static T *at(const Pallador &w, T *(Pallador::*m)[N], int i) { return (w.*m)[i]; }
};

template <auto M> struct MemberTag {
    static inline const char id = 0;
};

// ref<&Pallador::spinRows>(): element A or B by the panel's context (or the
// single member); ref<&Pallador::comboOutFormat, 1>(): always element B.
template <auto M, int Element = -1> Member ref()
{
    using Of = MemberOf<decltype(M)>;
    Member m;
    m.type = &Of::Widget::staticMetaObject;
    m.set = [](Pallador &w, int context, QWidget *widget) {
        Of::at(w, M, Element < 0 ? context : Element) = qobject_cast<typename Of::Widget *>(widget);
    };
    m.get = [](const Pallador &w, int context) -> QWidget * { return Of::at(w, M, Element < 0 ? context : Element); };
    m.id = &MemberTag<M>::id;
    m.perContext = Of::perContext;
    m.fixedElement = Element;
    return m;
}

// ---------------------------------------------------------------------------
// Values: starting values and the rules of enabled and visible states.

// A number worked out from the window's settings or the family object, for
// the panel's context. A check box is ticked for a value other than 0, a spin
// box takes it, a combo box takes it as its index (or as the text of the item
// to select, see Widget::byText). As a rule, a value other than 0 is true.
class Value {
public:
    using Function = std::function<double(const Pallador &w, const CFamilyCore &f, int context)>;

    Value() = default;
    Value(double constant);
    template <class F,
              std::enable_if_t<std::is_invocable_r_v<double, F, const Pallador &, const CFamilyCore &, int>, int> = 0>
    Value(F function) : m_function(std::move(function))
    {
    }

    explicit operator bool() const { return bool(m_function); }
    double operator()(const Pallador &w, const CFamilyCore &f, int context) const { return m_function(w, f, context); }

private:
    Function m_function;
};

Value operator+(const Value &a, const Value &b);
Value operator-(const Value &a, const Value &b);
Value operator*(const Value &a, const Value &b);
Value operator/(const Value &a, const Value &b);

// The family object's records of a context (0 or 1).
const CModeState &familyMode(const CFamilyCore &f, int context);
const CContextParams &familyContext(const CFamilyCore &f, int context);
const CPllParams &familyPll(const CFamilyCore &f);

// The window's setting of the panel's context (a per-context array such as
// &Pallador::rows), or a single setting (&Pallador::revIndex).
template <class T, std::size_t N> Value setting(T (SensorSettings::*field)[N])
{
    return [field](const Pallador &w, const CFamilyCore &, int c) -> double { return (w.*field)[c]; };
}
template <class T, std::enable_if_t<std::is_arithmetic_v<T>, int> = 0> Value setting(T SensorSettings::*field)
{
    return [field](const Pallador &w, const CFamilyCore &, int) -> double { return w.*field; };
}
// The family object's quantities: its mode state and context record of the
// panel's context, and its PLL block.
template <class T> Value mode(T CModeState::*field)
{
    return [field](const Pallador &, const CFamilyCore &f, int c) -> double { return familyMode(f, c).*field; };
}
template <class T> Value ctx(T CContextParams::*field)
{
    return [field](const Pallador &, const CFamilyCore &f, int c) -> double { return familyContext(f, c).*field; };
}
template <class T> Value pll(T CPllParams::*field)
{
    return [field](const Pallador &, const CFamilyCore &f, int) -> double { return familyPll(f).*field; };
}
// Element i of a family array per context (CContextParams::fpOptions).
template <class T, std::size_t N> Value ctx(T (CContextParams::*field)[N], int i)
{
    return
        [field, i](const Pallador &, const CFamilyCore &f, int c) -> double { return (familyContext(f, c).*field)[i]; };
}

// A quantity the family object keeps in one of its own option records
// (ExposureRatios, ScalerOptions, a family's own member); 0 for a family
// without that record.
template <class Record, class T> Value own(T Record::*field)
{
    return [field](const Pallador &, const CFamilyCore &f, int) -> double {
        const auto *record = dynamic_cast<const Record *>(&f);
        return record ? double(record->*field) : 0.0;
    };
}

// v worked out for a fixed context (context A's value in a context-B panel).
Value ofContext(int context, const Value &v);
// 1 when v is not 0 (a flag), when v is greater than 1 (a factor: the
// library keeps binning and skipping as factors, 1 when off), when v is 0,
// when v equals one of the numbers.
Value flag(const Value &v);
Value factor(const Value &v);
Value zero(const Value &v);
Value oneOf(const Value &v, std::initializer_list<double> numbers);
// 1 when v is less than limit.
Value below(const Value &v, double limit);
// The integer log2 of v (0 below 1), and v limited to lowest..highest (an
// index derived from a quantity stays inside its combo's items).
Value log2Of(const Value &v);
Value clamp(const Value &v, double lowest, double highest);
// then for the entries, otherwise for every other sensor.
Value byEntry(const Entries &entries, const Value &then, const Value &otherwise);

// Items a combo box is filled with (emptied first): a list of the family.
using Items = std::function<QStringList(const Pallador &w, const CFamilyCore &f, int context)>;
Items list(QStringList CFamilyCore::*field);
Items list(QStringList CPllParams::*field);

// ---------------------------------------------------------------------------
// Read-back.

// Stores a widget's state (0 or 1, the value, the index or the number its
// item's text shows) into the settings of the context.
using Store = std::function<void(Pallador &w, int context, double value)>;
// A conversion applied before storing.
using Convert = double (*)(double);
double threeAsFour(double v); // a read-out mode of 3 is stored as 4
double powerOfTwo(double v);  // 2 to the power of a combo index; -1 (no item) gives 0

template <class T, std::size_t N> Store store(T (SensorSettings::*field)[N], Convert convert = nullptr)
{
    return [field, convert](Pallador &w, int c, double v) { (w.*field)[c] = T(convert ? convert(v) : v); };
}
template <class T, std::enable_if_t<std::is_arithmetic_v<T>, int> = 0>
Store store(T SensorSettings::*field, Convert convert = nullptr)
{
    return [field, convert](Pallador &w, int, double v) { w.*field = T(convert ? convert(v) : v); };
}

// One state stored into two settings.
Store both(Store first, Store second);

// Whether a read-back applies, decided when the panel is opened again.
using Condition = std::function<bool(const Pallador &w, int context)>;
// The panel's box of that member is ticked (or not).
Condition ticked(const Member &box);
Condition unticked(const Member &box);

// ---------------------------------------------------------------------------
// Widgets.

enum WidgetFlag : unsigned {
    NoFlag = 0,
    Hidden = 1,   // hidden by the panel (for hiddenEntries)
    Disabled = 2, // disabled by the panel (for disabledEntries)
    // Looked up although the form lacks it: the member becomes null.
    LookedUpAbsent = 4,
    // Not in the form and never looked up: only the contract test checks the
    // name, and the member keeps what another panel of the sensor put there.
    NotInForm = 8,
    // The combo box's starting value selects the item showing that number,
    // and its read-back is the number its current item shows.
    ByText = 16,
    // The starting value is set after the connections, so it runs the slot.
    Late = 32,
    // Connected only after the case's connected rule has run.
    ConnectAfterRule = 64,
    // A check box that stands for a read-out factor of 2: ticked, its slot
    // and its read-back store 2; unticked, 1 (no skipping). The setting is
    // a factor, as the library and the configuration files read it.
    TickIsFactor = 128,
};

// One widget a panel looks up, made by on<&Pallador::member>("objectName")
// or lookOnly<QLabel>("objectName") and completed by the calls below, which
// can follow each other in any order; each call replaces what an earlier
// call of the same kind set (a derived case changes a line that way).
struct Widget {
    const char *name = nullptr; // object name in the form
    Member member;              // where it goes, and its class; no setter: looked up only
    Value startValue;           // none: the form's own value stays
    Entries startEntries;
    Value maximumValue; // none: the form's own maximum stays
    Entries maximumEntries;
    Items items;
    const char *slotName = nullptr; // window slot, e.g. "checkSkipping_clicked()"
    const char *toolTip = nullptr;
    const char *newCaption = nullptr; // replaces the form's text right after the lookup
    Store storeTo;                    // none: acts only through its slot
    Entries storeEntries;
    Condition storeWhen;
    Entries hiddenEntries;
    Entries disabledEntries;
    Value shownWhen;
    Value enabledWhen;
    unsigned flags = NoFlag;

    // Starting value, for the entries only when given.
    Widget &start(Value v, Entries entries = {});
    // The spin box's maximum, set right before its starting value (for the
    // entries only when given).
    Widget &maximum(Value v, Entries entries = {});
    // The combo box is emptied and filled before its starting value is set.
    Widget &fill(Items list);
    // The starting value is set after the connections (runs the slot).
    Widget &late();
    Widget &slot(const char *signature);
    Widget &tip(const char *text);
    Widget &caption(const char *text);
    // Read-back into the context's settings, for the entries only when
    // given.
    Widget &back(Store s, Entries entries = {});
    // The read-back applies only while the condition holds.
    Widget &backIf(Condition condition);
    Widget &hidden(Entries entries = {});
    Widget &disabled(Entries entries = {});
    // Shown or enabled exactly while the value is not 0.
    Widget &shownIf(Value v);
    Widget &enabledIf(Value v);
    Widget &byText();
    Widget &tickIsFactor();
    Widget &absent();    // looked up, absent
    Widget &notInForm(); // never looked up
    Widget &connectAfterRule();
};

template <auto M, int Element = -1> Widget on(const char *name)
{
    Widget d;
    d.name = name;
    d.member = ref<M, Element>();
    return d;
}

// A widget looked up only to be hidden or disabled; no member keeps it.
template <class T> Widget lookOnly(const char *name)
{
    Widget d;
    d.name = name;
    d.member.type = &T::staticMetaObject;
    return d;
}

// ---------------------------------------------------------------------------
// Form cases.

// The rules of a form case that are not one widget's line.
using Rule = void (*)(Pallador &w, const CFamilyCore &family, int context);

// What a panel does with one form for the sensors it serves.
struct FormCase {
    Panel panel;
    const char *form;
    // Catalogue entries served; 0, 0: every sensor whose table entry names
    // this form for this panel.
    int firstSensor = 0;
    int lastSensor = 0;
    std::vector<Widget> widgets = {};
    // Every starting value is set after the connections.
    bool connectFirst = false;
    // Panel B of the sensors 1 to 11: built and shown, nothing else.
    bool showOnly = false;
    // The read-back leaves the context's maximum frame rate alone.
    bool keepsFrameRate = false;
    // The form fills its placeholder through the grid layout.
    bool gridLayout = false;
    // The tool tips are set again after the calculation of every re-opening.
    bool toolTipsOnReopen = false;
    // First opening: after the lookups, before the starting values (the
    // ranges the starting values must fit in).
    Rule limits = nullptr;
    // First opening: after the starting values and states, before the
    // connections.
    Rule prepare = nullptr;
    // First opening: once the widgets are connected and have their tool tips.
    void (*connected)(Pallador &w, int context) = nullptr;
    // Re-opening: after the widgets are read back, before the frame rate and
    // the calculation; and after the calculation.
    Rule readBackRule = nullptr;
    Rule recalculated = nullptr;

    // A case made from this one: the same form and lines for another panel
    // or other entries, then changed by the calls below.
    FormCase derive(Panel newPanel) const;
    FormCase &forEntries(int first, int last);
    FormCase &without(std::initializer_list<const char *> names);
    FormCase &change(const char *name, const std::function<void(Widget &)> &edit);
    FormCase &noToolTips();
    FormCase &keepFrameRate();
};

// Every form case, in one table (the groups are registered in formCases()).
const std::vector<FormCase> &formCases();
// The case that builds a panel of the sensor, or null.
const FormCase *formCase(int sensorIndex, Panel panel);

// The steps of building and reading back a panel.
QWidget *lookUp(QWidget *form, const char *name, const QMetaObject *type);
// Looks up, sets up and connects a freshly built form. With holdSlots the
// starting values set after the connections run no slot (advanced panels A
// and B); without, they run the slots they are connected to (PLL panels).
void setUpForm(Pallador &w, const FormCase &c, int context, QWidget *form, const CFamilyCore &family, bool holdSlots);
void setToolTips(Pallador &w, const FormCase &c, int context);
// Reads back the widgets the user changed since the panel was filled in.
void readBack(Pallador &w, const FormCase &c, int context);
// Whether a widget shows another value than when its panel was filled in
// (true for a widget the panel did not fill).
bool changedSinceFilled(const QWidget *widget, bool byText = false);
// The signal a widget of this class is connected by.
const char *signalFor(const QMetaObject *type);
// Sizes the option panels' placeholders to the open forms in them.
void fitPlaceholders(Pallador &w);

} // namespace panels
