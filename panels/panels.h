// The option panels as data: which forms each catalogued sensor uses, and for
// each form case the widgets its panel looks up, the window member each one
// goes into, its starting value, its connection, its tool tip and its
// read-back. The panel slots (panelslots.cpp) apply these tables; the few
// things a table cannot say are a form case's hooks.
#pragma once

#include "pallador.h"

#include <QtGlobal>

#include <cstddef>
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

// A window member that takes a widget of a form: its widget class and how to
// reach it. A member kept per context takes the panel's own context entry,
// unless the descriptor names a fixed element.
struct Member {
    const QMetaObject *type;
    void (*set)(Pallador &w, int context, QWidget *widget);
    QWidget *(*get)(const Pallador &w, int context);
};

template <class T> struct MemberOf;
template <class T> struct MemberOf<T * Pallador::*> {
    using Widget = T;
    static T *&at(Pallador &w, T *Pallador::*m, int) { return w.*m; }
    static T *at(const Pallador &w, T *Pallador::*m, int) { return w.*m; }
};
template <class T, std::size_t N> struct MemberOf<T *(Pallador::*)[N]> {
    using Widget = T;
    static T *&at(Pallador &w, T *(Pallador::*m)[N], int i) { return (w.*m)[i]; }
    static T *at(const Pallador &w, T *(Pallador::*m)[N], int i) { return (w.*m)[i]; }
};

// ref<&Pallador::spinRows>(): element A or B by the panel's context (or the
// single member); ref<&Pallador::comboOutFormat, 1>(): always element B.
template <auto M, int Element = -1> Member ref()
{
    using Of = MemberOf<decltype(M)>;
    return Member{
        &Of::Widget::staticMetaObject,
        [](Pallador &w, int context, QWidget *widget) {
            Of::at(w, M, Element < 0 ? context : Element) = qobject_cast<typename Of::Widget *>(widget);
        },
        [](const Pallador &w, int context) -> QWidget * { return Of::at(w, M, Element < 0 ? context : Element); }};
}

// A starting value from the window's settings or the family object, for the
// panel's context: a check box is ticked for a value other than 0, a spin
// box takes it, a combo box takes it as its index.
using StartValue = double (*)(const Pallador &w, const CFamilyCore &family, int context);
// Stores a widget's state (0 or 1, the value, or the index) into the
// context's settings.
using ReadBack = void (*)(Pallador &w, int context, double value);

enum WidgetFlag : unsigned {
    NoFlag = 0,
    Hidden = 1,   // hidden by the panel
    Disabled = 2, // disabled by the panel
    Absent = 4,   // the form lacks it on purpose: the member is left null
};

// One widget a panel looks up.
struct Widget {
    const char *name;           // object name in the form
    Member member;              // where it goes, and its class
    StartValue start = nullptr; // none: the form's own value stays
    const char *slot = nullptr; // window slot, e.g. "checkSkipping_clicked()"; none: not connected
    const char *toolTip = nullptr;
    ReadBack readBack = nullptr; // none: acts only through its slot
    unsigned flags = NoFlag;
};

// What a panel does with one form for the sensors it serves.
struct FormCase {
    Panel panel;
    const char *form;
    // Catalogue entries served; 0, 0: every sensor whose table entry names
    // this form for this panel.
    int firstSensor = 0;
    int lastSensor = 0;
    std::vector<Widget> widgets = {};
    // Connect before the starting values are set, so a starting value that
    // differs from the form's runs its slot.
    bool connectFirst = false;
    // Panel B of the sensors 1 to 11: built and shown, nothing else.
    bool showOnly = false;
    // The read-back leaves the context's maximum frame rate alone.
    bool keepsFrameRate = false;
    // The form fills its placeholder through the grid layout.
    bool gridLayout = false;
    // Starting values that are not one widget's value (lists filled in code,
    // enabled states by a rule): after the starting values, before the
    // connections.
    void (*prepare)(Pallador &w, const CFamilyCore &family, int context) = nullptr;
    // Runs once the widgets are connected and have their tool tips.
    void (*connected)(Pallador &w, int context) = nullptr;
};

// Every form case, in one table.
const std::vector<FormCase> &formCases();
// The case that builds a panel of the sensor, or null.
const FormCase *formCase(int sensorIndex, Panel panel);

// The steps of building and reading back a panel.
QWidget *lookUp(QWidget *form, const char *name, const QMetaObject *type);
void fillMembers(Pallador &w, const FormCase &c, int context, QWidget *form);
void setStartingValues(Pallador &w, const FormCase &c, int context, const CFamilyCore &family);
void connectWidgets(Pallador &w, const FormCase &c, int context);
void setToolTips(Pallador &w, const FormCase &c, int context);
void readBack(Pallador &w, const FormCase &c, int context);
// The signal a widget of this class is connected by.
const char *signalFor(const QMetaObject *type);

} // namespace panels
