#include "fixedrows.h"

#include <cstring>

namespace {

struct FixedRows {
    const char *table;
    const char *const *names; // ends with nullptr
};

const FixedRows kFixedRows[] = {
    {nullptr, nullptr},
};

} // namespace

bool isFixedRow(const char *tableId, const char *rowName)
{
    if (!tableId || !rowName)
        return false;
    for (const FixedRows &f : kFixedRows) {
        if (!f.table || std::strcmp(f.table, tableId) != 0)
            continue;
        for (const char *const *n = f.names; n && *n; ++n) {
            if (std::strcmp(*n, rowName) == 0)
                return true;
        }
    }
    return false;
}
