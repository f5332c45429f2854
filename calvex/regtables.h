// Register-descriptor tables of every catalogued sensor, kept as data in one
// place: the application's sensor set-up installs them into the window's rows
// and the calculation library computes one value per row of the same table.
#pragma once

#include <QString>
#include <QtGlobal>

// One register-descriptor row as the window holds it. The field order is the
// argument order of CRegister::SetRegData.
struct REGS_DESC_T {
    QString name;
    qint32 bitfield = 0;  // 1 for a bit-field row
    qint32 section = 0;   // 0 PLL register, 1 timing register
    qint32 id = 0;        // firmware-variable page, 0 for a plain register
    quint32 address = 0;
    qint32 width = 0;     // bits
    quint32 value = 0;    // table default, then the last computed value
    quint32 mask = 0;
};

// One row of a constant table, in the same field order.
struct RegRow {
    const char *name;
    qint32 bitfield;
    qint32 section;
    qint32 id;
    quint32 address;
    qint32 width;
    quint32 value;
    quint32 mask;
};

// A named table: "D1", "D12", "D54a", ... for the classic sensors and the
// family names "Vek_125", "Murn_102", "Murn_104" for the form-based ones.
struct RegTable {
    const char *id;
    const RegRow *rows;
    int count;
};

namespace RegTables {

// Every table, in the order they are defined.
const RegTable *all(int *count);

// The table with the given id, or nullptr.
const RegTable *find(const QString &id);

// Copies the table into regs from row 0, at most capacity rows, and returns
// the number of rows installed (the new row count).
int install(const RegTable &table, REGS_DESC_T *regs, int capacity);

} // namespace RegTables
