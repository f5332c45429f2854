// What a test of a panel form expects of its widgets, and how it checks
// them: a check names a widget of the open form (or a quantity of the window
// or the family) and what it should show; verify() goes through a row's
// checks, the expected quantities worked out beforehand by expectedValues().
// Shared by the table-driven tests of the advanced and the PLL panels.
#pragma once

#include "calvex.h"
#include "pallador.h"
#include "panels/panels.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDebug>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>
#include <QtTest>

#include <functional>
#include <utility>
#include <vector>

namespace panelchecks {

using panels::Value;

// Changes the loaded sensor before the row's panel first opens, or before
// it opens again.
using Given = std::function<void(Pallador &w, CFamilyCore &f)>;

// What a row expects of one widget of the panel's form.
struct Check {
    enum Kind { WidgetValue, Text, ToolTip, Holds, Property, Items, Outcome };
    Kind kind;
    const char *widget;  // Outcome: what the quantity is
    Value quantity = {}; // WidgetValue, Outcome: the value expected
    QString text = {};   // Text, ToolTip
    panels::Member member = {};
    const char *property = nullptr; // Property
    QVariant expected = {};         // Property, Items
    Value actual = {};              // Outcome
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
// A property of the widget ("maximum", "pos"), and the items a combo box
// offers.
inline Check property(const char *widget, const char *name, const QVariant &expected)
{
    return {Check::Property, widget, {}, {}, {}, name, expected};
}
inline Check items(const char *widget, const QStringList &expected)
{
    return {Check::Items, widget, {}, {}, {}, nullptr, expected};
}
inline Check outcome(const char *what, Value actual, Value expected)
{
    return {Check::Outcome, what, std::move(expected), {}, {}, nullptr, {}, std::move(actual)};
}

// A widget's state as a number: a box 0 or 1, a spin box its value, a combo
// box its index.
inline double widgetValue(const QWidget *widget)
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

inline QString shownText(const QWidget *widget)
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

// The quantities of value checks, worked out before the panel opens.
inline std::vector<double> expectedValues(const std::vector<Check> &checks, const Pallador &w, const CFamilyCore &f,
                                          int context)
{
    std::vector<double> values;
    for (const Check &c : checks) {
        const bool worked = c.kind == Check::WidgetValue || c.kind == Check::Outcome;
        values.push_back(worked ? c.quantity(w, f, context) : 0.0);
    }
    return values;
}

inline QString variantText(const QVariant &v)
{
    QString text;
    QDebug(&text) << v;
    return text;
}

// Whether every check holds for the form; the first that does not, in the
// message.
inline bool verify(const std::vector<Check> &checks, const std::vector<double> &expected, const Pallador &w,
                   const QWidget *form, int context, QString *failure)
{
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const Check &c = checks[i];
        const QString name = QLatin1String(c.widget);
        if (c.kind == Check::Outcome) {
            const double now = c.actual(w, *w.calvex->family(), context);
            if (!qFuzzyCompare(1.0 + now, 1.0 + expected[i])) {
                *failure = QStringLiteral("%1 is %2, expected %3").arg(name).arg(now).arg(expected[i]);
                return false;
            }
            continue;
        }
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
        case Check::Property: {
            const QVariant shown = widget->property(c.property);
            if (shown != c.expected) {
                *failure = QStringLiteral("%1 has %2 %3, expected %4")
                               .arg(name, QLatin1String(c.property), variantText(shown), variantText(c.expected));
                return false;
            }
            break;
        }
        case Check::Items: {
            auto *combo = qobject_cast<const QComboBox *>(widget);
            QStringList offered;
            for (int i = 0; combo && i < combo->count(); ++i)
                offered << combo->itemText(i);
            if (offered != c.expected.toStringList()) {
                *failure = QStringLiteral("%1 offers %2").arg(name, offered.join(QStringLiteral(", ")));
                return false;
            }
            break;
        }
        case Check::Outcome:
            break;
        }
    }
    return true;
}

} // namespace panelchecks
