// Rows of the register tables that keep their table value: sensor settings
// the calculation does not change (reset and test controls, analog and pad
// settings, sequencer words). Every row of a family's table is either
// computed or listed here, so no row is left at its default by oversight.
#pragma once

// Whether the row of that name in the table keeps its table value.
bool isFixedRow(const char *tableId, const char *rowName);
