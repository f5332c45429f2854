// The named-variable binder: ties variables of a form-based family object
// (GUIVAR_T records owned by the library) to the widgets whose object names are
// built from the variable's name, copies values both ways and reports every
// widget change by variable name.
#pragma once

#include "calvex_records.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QObject>
#include <QPointer>
#include <QSpinBox>
#include <QString>
#include <QVector>

class QSignalMapper;

// One binding. The variable belongs to the family object, the name to the
// caller (it must outlive the binder), the widgets to their forms; a widget
// whose form is deleted reads as null.
struct GUIVAR_ITEM_T {
    GUIVAR_T *var = nullptr;
    const char *name = nullptr;
    QPointer<QCheckBox> check;
    QPointer<QSpinBox> spin;
    QPointer<QDoubleSpinBox> dspin;
};

class CGuiVars : public QObject {
    Q_OBJECT

public:
    // Pairs of (name, variable), ended by a null or empty name. The first pair
    // is always taken.
    CGuiVars(const char *name, GUIVAR_T *var, ...);
    ~CGuiVars() override;

    // Binds every item to the widgets below parent named <name>, spin<name>,
    // dSpin<name> or check<name>; returns how many widgets were bound. A null
    // parent binds nothing and reports nothing.
    int initFields(QObject *parent);
    // Binds below each non-null parent in turn; returns the sum.
    int initFields(QObject *first, QObject *second, QObject *third = nullptr);

    // The item of that name (case-sensitive), or null after telling the user.
    GUIVAR_ITEM_T *iVar(const char *name);
    // The item of that name, or null (nobody is told).
    GUIVAR_ITEM_T *find(const char *name);
    void setChecked(const char *name, bool checked);
    void setValue(const char *name, double value);

    // Every variable into its widgets.
    void updateFields();
    // Every widget into its variable, clamped to the variable's range.
    void updateVars();

signals:
    void valueChanged(QString field, float val);
    void check(QString field, bool checked);

private slots:
    void checked(int idx);
    void valueChanged(int idx);

private:
    int bindBelow(QObject *parent);
    void bindCheckBox(int idx, QCheckBox *box);

    // Complete after construction; never grows or shrinks, so item pointers
    // stay valid for the binder's life.
    QVector<GUIVAR_ITEM_T> items;
    QSignalMapper *checkMapper = nullptr;
    QSignalMapper *valueMapper = nullptr;
};
