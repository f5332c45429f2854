// Look-up and installation of the register-descriptor tables; the tables
// themselves are in regtables_data.cpp.
#include "regtables.h"

#include <QLatin1String>

namespace RegTables {
namespace detail {
extern const RegTable tableIndex[];
extern const int tableCount;
} // namespace detail

const RegTable *all(int *count) {
    if (count)
        *count = detail::tableCount;
    return detail::tableIndex;
}

const RegTable *find(const QString &id) {
    for (int i = 0; i < detail::tableCount; ++i) {
        if (id == QLatin1String(detail::tableIndex[i].id))
            return &detail::tableIndex[i];
    }
    return nullptr;
}

int install(const RegTable &table, REGS_DESC_T *regs, int capacity) {
    if (!regs || !table.rows || capacity <= 0 || table.count <= 0)
        return 0;
    const int n = table.count < capacity ? table.count : capacity;
    for (int i = 0; i < n; ++i) {
        const RegRow &row = table.rows[i];
        REGS_DESC_T &reg = regs[i];
        reg.name = QString::fromLatin1(row.name);
        reg.bitfield = row.bitfield;
        reg.section = row.section;
        reg.id = row.id;
        reg.address = row.address;
        reg.width = row.width;
        reg.value = row.value;
        reg.mask = row.mask;
    }
    return n;
}

} // namespace RegTables
