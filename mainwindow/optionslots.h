// Shared pieces of the option input slots: how a slot picks its context
// from the option panel under the mouse pointer, and null-tolerant access to
// the widgets of the loaded option forms (a form may lack any of them).
#pragma once

#include "pallador.h"

class CFamilyCore;
class QAbstractButton;
class QComboBox;
class QWidget;

namespace options {

enum Context { A = 0, B = 1, C = 2, None = -1 };

// How a value slot picks its context (the value goes into that entry).
enum class Rule {
    AB,     // panel A, else panel B under the pointer; else the current one
    ABC,    // as AB, then panel C
    PanelA, // panel A under the pointer; else the current one
};

// The context of the change: the option panel the changed widget belongs
// to (None for a panel the rule does not take); for a change that comes from
// no panel widget, the panel under the mouse pointer (the container or any
// widget inside it): A, then B, then C when asked for; None.
int panelUnderPointer(const Pallador &w, bool withB = true, bool withC = false);

// The current context as an index into the per-context members.
int current(const Pallador &w);

// Makes the context the rule picks current and returns it.
int chooseContext(Pallador &w, Rule rule);

// Box rule: the panel under the pointer (A, then B; only A for a panel-A
// box) whose box exists becomes current and is returned; otherwise None and
// the current context is left alone.
int chooseBox(Pallador &w, QCheckBox *const (&boxes)[2], bool panelAOnly = false);

// Null-tolerant widget access.
bool ticked(const QAbstractButton *button);
void enable(QWidget *widget, bool on);
void tick(QAbstractButton *button, bool on);
void setShown(QWidget *widget, bool on);
int comboIndex(const QComboBox *combo);
void selectIndex(QComboBox *combo, int index);

// The loaded family object's record of a context (A or B), or null.
CFamilyCore *family(const Pallador &w);
const CContextParams *familyContext(const Pallador &w, int context);

} // namespace options
