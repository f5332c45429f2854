#include "controldefaults.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextEdit>

namespace {

// Hidden by a call of its own, not only because a parent is not shown.
bool explicitlyHidden(const QWidget *widget)
{
    return widget->testAttribute(Qt::WA_WState_ExplicitShowHide) && widget->testAttribute(Qt::WA_WState_Hidden);
}

QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QStringList headersOf(const QTableWidget *table)
{
    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column) {
        const QTableWidgetItem *item = table->horizontalHeaderItem(column);
        headers << (item ? item->text() : QString::number(column + 1));
    }
    return headers;
}

} // namespace

void ControlDefaults::record(const QList<QWidget *> &roots, const QList<QWidget *> &skipped)
{
    m_controls.clear();
    for (QWidget *root : roots)
        recordTree(root, skipped);
}

void ControlDefaults::recordTree(QWidget *widget, const QList<QWidget *> &skipped)
{
    if (skipped.contains(widget))
        return;
    Control c;
    c.widget = widget;
    c.hidden = explicitlyHidden(widget);
    // The set-up and the saved window state place and show the docks.
    c.ownVisibility = !qobject_cast<QDockWidget *>(widget);
    c.enabled = !widget->testAttribute(Qt::WA_ForceDisabled);
    c.styleSheet = widget->styleSheet();

    QWidget *inside = nullptr;
    bool container = false;
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        c.items = itemsOf(combo);
        c.index = combo->currentIndex();
        c.editable = combo->isEditable();
        c.text = combo->currentText();
    } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        c.minimum = spin->minimum();
        c.maximum = spin->maximum();
        c.step = spin->singleStep();
        c.value = spin->value();
    } else if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget)) {
        c.decimals = spin->decimals();
        c.minimum = spin->minimum();
        c.maximum = spin->maximum();
        c.step = spin->singleStep();
        c.value = spin->value();
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        c.text = button->text();
        c.checked = button->isChecked();
    } else if (auto *label = qobject_cast<QLabel *>(widget)) {
        c.text = label->text();
    } else if (auto *pane = qobject_cast<QTextEdit *>(widget)) {
        c.text = pane->toPlainText();
    } else if (auto *table = qobject_cast<QTableWidget *>(widget)) {
        c.items = headersOf(table);
    } else if (auto *dock = qobject_cast<QDockWidget *>(widget)) {
        c.text = dock->windowTitle();
        inside = dock->widget();
    } else if (auto *area = qobject_cast<QScrollArea *>(widget)) {
        inside = area->widget();
    } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
        c.text = group->title();
        c.checked = group->isChecked();
        container = true;
    } else {
        container = !qobject_cast<QAbstractScrollArea *>(widget);
    }
    m_controls << c;

    if (inside)
        recordTree(inside, skipped);
    if (!container)
        return;
    for (QObject *child : widget->children()) {
        auto *childWidget = qobject_cast<QWidget *>(child);
        if (childWidget && !childWidget->isWindow())
            recordTree(childWidget, skipped);
    }
}

void ControlDefaults::restore() const
{
    for (const Control &c : m_controls) {
        QWidget *widget = c.widget;
        if (!widget)
            continue;
        const QSignalBlocker blocker(widget);
        if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            if (combo->isEditable() != c.editable)
                combo->setEditable(c.editable);
            if (itemsOf(combo) != c.items) {
                combo->clear();
                combo->addItems(c.items);
            }
            combo->setCurrentIndex(c.index);
            if (c.editable)
                combo->setEditText(c.text);
        } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
            spin->setRange(int(c.minimum), int(c.maximum));
            spin->setSingleStep(int(c.step));
            spin->setValue(int(c.value));
        } else if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget)) {
            spin->setDecimals(c.decimals);
            spin->setRange(c.minimum, c.maximum);
            spin->setSingleStep(c.step);
            spin->setValue(c.value);
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            if (button->text() != c.text)
                button->setText(c.text);
            if (button->isCheckable())
                button->setChecked(c.checked);
        } else if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->text() != c.text)
                label->setText(c.text);
        } else if (auto *pane = qobject_cast<QTextEdit *>(widget)) {
            if (pane->toPlainText() != c.text)
                pane->setPlainText(c.text);
        } else if (auto *table = qobject_cast<QTableWidget *>(widget)) {
            if (headersOf(table) != c.items)
                table->setHorizontalHeaderLabels(c.items);
        } else if (auto *dock = qobject_cast<QDockWidget *>(widget)) {
            dock->setWindowTitle(c.text);
        } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
            group->setTitle(c.text);
            if (group->isCheckable())
                group->setChecked(c.checked);
        }
        if (widget->styleSheet() != c.styleSheet)
            widget->setStyleSheet(c.styleSheet);
        if (widget->testAttribute(Qt::WA_ForceDisabled) == c.enabled)
            widget->setEnabled(c.enabled);
        if (c.ownVisibility && explicitlyHidden(widget) != c.hidden)
            widget->setHidden(c.hidden);
    }
}
