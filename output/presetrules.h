// The per-sensor parts of the INI preset: which register rows a sensor
// leaves out of its preset (or moves to the other section), and the fixed
// command lines and blocks it adds after the register walk and at the end of
// a plain preset. Used by the preset writer only.
#pragma once

#include <QString>

class Pallador;
struct REGS_DESC_T;

namespace preset {

// A row a sensor takes out of its section during the walk, to place it
// elsewhere afterwards.
struct HeldRow {
    bool kept = false;
    quint32 address = 0;
    quint32 value = 0;
    QString name;
};

// The rows held back during the walk.
struct HeldRows {
    HeldRow outputControl; // written at the end of the timing text
    HeldRow pixelClock;    // written into the PLL text
};

// Whether row i of a PLL section is written. address is the address the
// row is written at; a held row is recorded in held and not written.
bool writesPllRow(const Pallador &w, int i, quint32 address, HeldRows &held);
// The same for a timing row written with direct access.
bool writesDirectTimingRow(const Pallador &w, int i, quint32 address, HeldRows &held);

// The texts the writer builds, as the per-sensor steps change them.
struct Texts {
    QString header;
    QString pll;
    QString timing;
};

// The moves of held rows and the per-sensor command lines that follow the
// register walk.
void afterWalk(const Pallador &w, const HeldRows &held, Texts &texts);
// The note some sensors add to the header before it is prefixed with "; ".
QString headerNote(const Pallador &w);
// The blocks a plain preset appends to its timing text.
void trailingBlocks(const Pallador &w, QString &timing);

// Inserts text before the first occurrence of anchor in target; nothing
// when the anchor does not occur.
void insertAt(QString &target, const QString &anchor, const QString &text);

} // namespace preset
