// The words the form cases are written in: entry sets, values, stores,
// conditions, and the calls that complete a widget's line or derive a case.
#include "panels.h"

#include "calvex.h"

#include <QAbstractButton>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace panels {

Entries::Entries(std::initializer_list<int> entries) : m_every(false)
{
    for (int entry : entries) {
        if (entry >= 0 && entry < kSize)
            m_set.set(entry);
    }
}

Entries Entries::range(int first, int last)
{
    Entries set{};
    set.m_every = false;
    for (int entry = std::max(first, 0); entry <= last && entry < kSize; ++entry)
        set.m_set.set(entry);
    return set;
}

// ---------------------------------------------------------------------------
// Values.

Value::Value(double constant) : m_function([constant](const Pallador &, const CFamilyCore &, int) { return constant; })
{
}

namespace {

template <class Op> Value combined(const Value &a, const Value &b, Op op)
{
    return [a, b, op](const Pallador &w, const CFamilyCore &f, int c) { return op(a(w, f, c), b(w, f, c)); };
}

template <class Test> Value test(const Value &v, Test t)
{
    return [v, t](const Pallador &w, const CFamilyCore &f, int c) -> double { return t(v(w, f, c)) ? 1.0 : 0.0; };
}

} // namespace

Value operator+(const Value &a, const Value &b)
{
    return combined(a, b, [](double x, double y) { return x + y; });
}
Value operator-(const Value &a, const Value &b)
{
    return combined(a, b, [](double x, double y) { return x - y; });
}
Value operator*(const Value &a, const Value &b)
{
    return combined(a, b, [](double x, double y) { return x * y; });
}
Value operator/(const Value &a, const Value &b)
{
    return combined(a, b, [](double x, double y) { return y != 0.0 ? x / y : 0.0; });
}

const CModeState &familyMode(const CFamilyCore &f, int context)
{
    return f.mode[context == 1 ? 1 : 0];
}
const CContextParams &familyContext(const CFamilyCore &f, int context)
{
    return f.ctx[context == 1 ? 1 : 0];
}
const CPllParams &familyPll(const CFamilyCore &f)
{
    return f.pll;
}

Value ofContext(int context, const Value &v)
{
    return [context, v](const Pallador &w, const CFamilyCore &f, int) { return v(w, f, context); };
}

Value flag(const Value &v)
{
    return test(v, [](double x) { return x != 0.0; });
}
Value factor(const Value &v)
{
    return test(v, [](double x) { return x > 1.0; });
}
Value zero(const Value &v)
{
    return test(v, [](double x) { return x == 0.0; });
}
Value oneOf(const Value &v, std::initializer_list<double> numbers)
{
    const std::vector<double> set(numbers);
    return test(v, [set](double x) { return std::find(set.begin(), set.end(), x) != set.end(); });
}

Value below(const Value &v, double limit)
{
    return test(v, [limit](double x) { return x < limit; });
}

Value log2Of(const Value &v)
{
    return [v](const Pallador &w, const CFamilyCore &f, int c) {
        const double x = v(w, f, c);
        return x < 1.0 ? 0.0 : std::floor(std::log2(x));
    };
}

Value clamp(const Value &v, double lowest, double highest)
{
    return [v, lowest, highest](const Pallador &w, const CFamilyCore &f, int c) {
        return std::clamp(v(w, f, c), lowest, highest);
    };
}

Value byEntry(const Entries &entries, const Value &then, const Value &otherwise)
{
    return [entries, then, otherwise](const Pallador &w, const CFamilyCore &f, int c) {
        return entries.contains(w.sensorIndex) ? then(w, f, c) : otherwise(w, f, c);
    };
}

Items list(QStringList CFamilyCore::*field)
{
    return [field](const Pallador &, const CFamilyCore &f, int) { return f.*field; };
}
Items list(QStringList CPllParams::*field)
{
    return [field](const Pallador &, const CFamilyCore &f, int) { return f.pll.*field; };
}

// ---------------------------------------------------------------------------
// Read-back.

double threeAsFour(double v)
{
    return v == 3.0 ? 4.0 : v;
}

double powerOfTwo(double v)
{
    return v < 0.0 ? 0.0 : std::pow(2.0, v);
}

Condition ticked(const Member &box)
{
    return [box](const Pallador &w, int c) {
        const auto *button = qobject_cast<const QAbstractButton *>(box.get(w, c));
        return button && button->isChecked();
    };
}
Condition unticked(const Member &box)
{
    const Condition on = ticked(box);
    return [on](const Pallador &w, int c) { return !on(w, c); };
}

Store both(Store first, Store second)
{
    return [first, second](Pallador &w, int c, double v) {
        first(w, c, v);
        second(w, c, v);
    };
}

// ---------------------------------------------------------------------------
// A widget's line.

Widget &Widget::start(Value v, Entries entries)
{
    startValue = std::move(v);
    startEntries = entries;
    return *this;
}
Widget &Widget::maximum(Value v, Entries entries)
{
    maximumValue = std::move(v);
    maximumEntries = entries;
    return *this;
}
Widget &Widget::fill(Items list)
{
    items = std::move(list);
    return *this;
}
Widget &Widget::late()
{
    flags |= Late;
    return *this;
}
Widget &Widget::slot(const char *signature)
{
    slotName = signature;
    return *this;
}
Widget &Widget::tip(const char *text)
{
    toolTip = text;
    return *this;
}
Widget &Widget::caption(const char *text)
{
    newCaption = text;
    return *this;
}
Widget &Widget::back(Store s, Entries entries)
{
    storeTo = std::move(s);
    storeEntries = entries;
    return *this;
}
Widget &Widget::backIf(Condition condition)
{
    storeWhen = std::move(condition);
    return *this;
}
Widget &Widget::hidden(Entries entries)
{
    flags |= Hidden;
    hiddenEntries = entries;
    return *this;
}
Widget &Widget::disabled(Entries entries)
{
    flags |= Disabled;
    disabledEntries = entries;
    return *this;
}
Widget &Widget::shownIf(Value v)
{
    shownWhen = std::move(v);
    return *this;
}
Widget &Widget::enabledIf(Value v)
{
    enabledWhen = std::move(v);
    return *this;
}
Widget &Widget::byText()
{
    flags |= ByText;
    return *this;
}

Widget &Widget::tickIsFactor()
{
    flags |= TickIsFactor;
    return *this;
}
Widget &Widget::absent()
{
    flags |= LookedUpAbsent;
    return *this;
}
Widget &Widget::notInForm()
{
    flags |= NotInForm;
    return *this;
}
Widget &Widget::connectAfterRule()
{
    flags |= ConnectAfterRule;
    return *this;
}

// ---------------------------------------------------------------------------
// Derived cases.

FormCase FormCase::derive(Panel newPanel) const
{
    FormCase c = *this;
    c.panel = newPanel;
    return c;
}

FormCase &FormCase::forEntries(int first, int last)
{
    firstSensor = first;
    lastSensor = last;
    return *this;
}

namespace {

// The line of that name; a name the case lacks is a fault of the tables.
std::vector<Widget>::iterator line(FormCase &c, const char *name)
{
    const auto found = std::find_if(c.widgets.begin(), c.widgets.end(),
                                    [name](const Widget &d) { return std::strcmp(d.name, name) == 0; });
    if (found == c.widgets.end())
        qFatal("The %s case has no line %s to derive from", c.form, name);
    return found;
}

} // namespace

FormCase &FormCase::without(std::initializer_list<const char *> names)
{
    for (const char *name : names)
        widgets.erase(line(*this, name));
    return *this;
}

FormCase &FormCase::change(const char *name, const std::function<void(Widget &)> &edit)
{
    edit(*line(*this, name));
    return *this;
}

FormCase &FormCase::noToolTips()
{
    for (Widget &d : widgets)
        d.toolTip = nullptr;
    toolTipsOnReopen = false;
    return *this;
}

FormCase &FormCase::keepFrameRate()
{
    keepsFrameRate = true;
    return *this;
}

} // namespace panels
