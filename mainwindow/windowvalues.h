// Arithmetic on the numbers the window's inputs hold. A slot may be called
// with any number and a caller may store one (automation, a direct call of
// a slot), so such a value is bounded before it is offset, scaled or used as
// an exponent on its way into a library field or another widget. Values
// inside their widgets' ranges come out as the plain arithmetic gives them.
#pragma once

#include <QStringList>
#include <QtGlobal>

#include <climits>

// first + step * value, kept to the int range. For a number the library
// checks itself (a divider request, a revision, a count it bounds): a value
// beyond what the library accepts stays beyond it, and the library warns
// about it or bounds it as it does any other.
inline int saturated(int value, int first, int step)
{
    const qint64 v = qint64(first) + qint64(step) * value;
    return int(qBound(qint64(INT_MIN), v, qint64(INT_MAX)));
}

// first + step * position for a position in a list whose entries are fixed
// (a combo index): the position is first kept to -1 (an emptied list) ..
// last, so a position past the list counts as its last entry.
inline int listValue(int position, int last, int first = 0, int step = 1)
{
    return saturated(qBound(-1, position, last), first, step);
}

// The same for a list the library offers the panel.
inline int listValue(int position, const QStringList &entries, int first = 0, int step = 1)
{
    return listValue(position, int(entries.size()) - 1, first, step);
}

// 2 to the power of a list position or an exponent: 0 below 0 (an emptied
// list), and the largest int where the power is beyond it.
inline int twoToThe(int position)
{
    if (position < 0)
        return 0;
    return position > 30 ? INT_MAX : 1 << position;
}
