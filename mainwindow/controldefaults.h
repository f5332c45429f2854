// The state of the main form's controls as the window's constructor leaves
// them: recorded once, and put back ahead of every sensor set-up, so that a
// sensor does not inherit the lists, ranges, check states, enabled and
// hidden states, texts or warning colours another sensor left in the docks.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

class ControlDefaults {
public:
    // Records the controls below each root (a dock's page, a group, a
    // table), leaving out the skipped widgets and everything below them.
    void record(const QList<QWidget *> &roots, const QList<QWidget *> &skipped);
    // Puts every recorded control back as it was recorded, with its signals
    // blocked: no slot runs.
    void restore() const;

private:
    struct Control {
        QPointer<QWidget> widget;
        bool hidden = false;
        // Whether restore() shows or hides the widget (not a dock).
        bool ownVisibility = true;
        bool enabled = true;
        QString styleSheet;
        // Title, label or button text, a text pane's text or a combo's edit text.
        QString text;
        // A combo's or a table's items (the table's column headers).
        QStringList items;
        int index = -1;
        bool editable = false;
        bool checked = false;
        int decimals = 0;
        double minimum = 0.0;
        double maximum = 0.0;
        double step = 0.0;
        double value = 0.0;
    };

    void recordTree(QWidget *widget, const QList<QWidget *> &skipped);

    QVector<Control> m_controls;
};
