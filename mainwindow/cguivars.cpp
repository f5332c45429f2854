#include "cguivars.h"

#include <QMessageBox>
#include <QSignalMapper>

#include <cmath>
#include <cstdarg>
#include <cstring>

namespace {

// Widget names tried for a variable, in this order.
const char *const kPrefixes[] = {"", "spin", "dSpin", "check"};

// Failed look-ups are shown in a modal box without parent or title.
void tellUser(const QString &text)
{
    QMessageBox box;
    box.setText(text);
    box.exec();
}

// value truncated toward zero, kept inside the int range (NaN gives 0).
int truncated(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::trunc(qBound(-2147483648.0, value, 2147483647.0)));
}

bool sameName(const char *a, const char *b)
{
    return a && b && std::strcmp(a, b) == 0;
}

} // namespace

CGuiVars::CGuiVars(const char *name, GUIVAR_T *var, ...)
{
    checkMapper = new QSignalMapper(this);
    valueMapper = new QSignalMapper(this);
    connect(checkMapper, SIGNAL(mappedInt(int)), this, SLOT(checked(int)));
    connect(valueMapper, SIGNAL(mappedInt(int)), this, SLOT(valueChanged(int)));

    GUIVAR_ITEM_T first;
    first.var = var;
    first.name = name;
    items.append(first);

    va_list args;
    va_start(args, var);
    for (;;) {
        const char *nextName = va_arg(args, const char *);
        if (!nextName || !*nextName)
            break;
        GUIVAR_ITEM_T item;
        item.name = nextName;
        item.var = va_arg(args, GUIVAR_T *);
        items.append(item);
    }
    va_end(args);
}

CGuiVars::~CGuiVars() = default;

int CGuiVars::initFields(QObject *parent)
{
    if (!parent)
        return 0;
    const int count = bindBelow(parent);
    if (count == 0)
        tellUser(QStringLiteral("CGuiVars::initFields() failed to find any QT fields"));
    return count;
}

int CGuiVars::initFields(QObject *first, QObject *second, QObject *third)
{
    return initFields(first) + initFields(second) + initFields(third);
}

int CGuiVars::bindBelow(QObject *parent)
{
    int count = 0;
    for (int idx = 0; idx < items.size(); ++idx) {
        GUIVAR_ITEM_T &item = items[idx];
        if (!item.var || !item.name || !*item.name)
            continue;
        for (const char *prefix : kPrefixes) {
            const QString objectName = QLatin1String(prefix) + QLatin1String(item.name);
            QWidget *widget = parent->findChild<QWidget *>(objectName);
            if (!widget)
                continue;
            // The widget's class, not the prefix that found it, decides the
            // binding. A widget found again (below a second parent that
            // holds the first) keeps one connection, so that each change of
            // it is reported once.
            if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
                item.spin = spin;
                spin->setMinimum(truncated(item.var->min));
                spin->setMaximum(truncated(item.var->max));
                spin->setValue(truncated(item.var->value));
                valueMapper->setMapping(spin, idx);
                connect(spin, SIGNAL(valueChanged(int)), valueMapper, SLOT(map()), Qt::UniqueConnection);
                ++count;
            } else if (auto *dspin = qobject_cast<QDoubleSpinBox *>(widget)) {
                item.dspin = dspin;
                dspin->setMinimum(item.var->min);
                dspin->setMaximum(item.var->max);
                dspin->setValue(item.var->value);
                valueMapper->setMapping(dspin, idx);
                connect(dspin, SIGNAL(valueChanged(double)), valueMapper, SLOT(map()), Qt::UniqueConnection);
                ++count;
            } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
                bindCheckBox(idx, box);
                ++count;
            }
        }
    }
    return count;
}

void CGuiVars::bindCheckBox(int idx, QCheckBox *box)
{
    GUIVAR_ITEM_T &item = items[idx];
    item.check = box;
    box->setChecked(item.var->checked);
    checkMapper->setMapping(box, idx);
    connect(box, SIGNAL(stateChanged(int)), checkMapper, SLOT(map()), Qt::UniqueConnection);
    // The box's state governs the spin boxes bound so far, as a change would.
    checked(idx);
}

GUIVAR_ITEM_T *CGuiVars::find(const char *name)
{
    for (GUIVAR_ITEM_T &item : items) {
        if (sameName(item.name, name))
            return &item;
    }
    return nullptr;
}

GUIVAR_ITEM_T *CGuiVars::iVar(const char *name)
{
    GUIVAR_ITEM_T *item = find(name);
    if (!item)
        tellUser(QStringLiteral("GuiVars::iVar(%1) failed").arg(QLatin1String(name)));
    return item;
}

void CGuiVars::setChecked(const char *name, bool checked)
{
    for (GUIVAR_ITEM_T &item : items) {
        if (sameName(item.name, name) && item.check) {
            if (item.check->isChecked() != checked)
                item.check->setChecked(checked);
            return;
        }
    }
    // A variable whose form lacks its box takes the state directly: there is
    // no widget to carry it into the next calculation.
    for (GUIVAR_ITEM_T &item : items) {
        if (sameName(item.name, name) && item.var && !item.check && !item.spin && !item.dspin) {
            item.var->checked = checked;
            return;
        }
    }
    tellUser(QStringLiteral("GuiVars::setChecked(%1, %2) failed").arg(QLatin1String(name)).arg(checked ? 1 : 0));
}

void CGuiVars::setValue(const char *name, double value)
{
    for (GUIVAR_ITEM_T &item : items) {
        if (sameName(item.name, name)) {
            if (item.spin)
                item.spin->setValue(truncated(value));
            if (item.dspin)
                item.dspin->setValue(value);
            // A variable whose form lacks its box takes the value directly:
            // there is no widget to carry it into the next calculation.
            if (!item.spin && !item.dspin && !item.check && item.var)
                item.var->setClamped(value);
            return;
        }
    }
    tellUser(QStringLiteral("GuiVars::setValue(%1, %2) failed").arg(QLatin1String(name)).arg(value, 0, 'g', 6));
}

void CGuiVars::updateFields()
{
    for (const GUIVAR_ITEM_T &item : qAsConst(items)) {
        if (!item.var)
            continue;
        if (item.check)
            item.check->setChecked(item.var->checked);
        if (item.spin)
            item.spin->setValue(truncated(item.var->value));
        if (item.dspin)
            item.dspin->setValue(item.var->value);
    }
}

void CGuiVars::updateVars()
{
    for (const GUIVAR_ITEM_T &item : qAsConst(items)) {
        if (!item.var)
            continue;
        if (item.spin)
            item.var->setClamped(item.spin->value());
        else if (item.dspin)
            item.var->setClamped(item.dspin->value());
        if (item.check)
            item.var->checked = item.check->isChecked();
    }
}

void CGuiVars::checked(int idx)
{
    if (idx < 0 || idx >= items.size() || !items[idx].check)
        return;
    const GUIVAR_ITEM_T &item = items[idx];
    const bool state = item.check->isChecked();
    if (item.spin)
        item.spin->setEnabled(state);
    if (item.dspin)
        item.dspin->setEnabled(state);
    emit check(QLatin1String(item.name), state);
}

void CGuiVars::valueChanged(int idx)
{
    if (idx < 0 || idx >= items.size())
        return;
    const GUIVAR_ITEM_T &item = items[idx];
    if (!item.spin && !item.dspin)
        return;
    float value = item.spin ? float(item.spin->value()) : 0.0f;
    if (item.dspin)
        value = float(item.dspin->value());
    emit valueChanged(QLatin1String(item.name), value);
}
