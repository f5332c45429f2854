// The registers program exactly what the results show. Every descriptor row
// whose name says it carries a PLL divider or multiplier, a line or frame
// length, a blanking, an output size or a window edge must hold, in its own
// field, the value the family reports for it: the PLL block (in the family's
// encoding), the timing of the row's context, the PLL text or the family's
// own result variables. Checked once every context has been calculated:
//  - for every use case of every bundled sample, loaded into each context in
//    turn, that context calculated and then the other one, and
//  - for a seeded set of varied inputs and overrides per classic family.
// The timing geometry of the context calculated last is checked against that
// context's timing too, since the window draws it next to the texts.
#include "registerdataio.h"
#include "samplerunner.h"

#include <QDir>
#include <QMap>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <cstring>
#include <optional>
#include <utility>

using namespace calvex;

namespace {

// ---------------------------------------------------------------------------
// What a row carries, by its name.

enum class Shown {
    PreDiv,        // PLL pre-divider N
    Mult,          // PLL multiplier M
    SysDiv,        // first output divider (vt_sys, P1)
    PixDiv,        // second output divider (vt_pix, P2)
    PostDiv,       // the radar synthesiser's post divider
    OpSysDiv,      // op_sys divider of the serial link
    OpPixDiv,      // op_pix / op_word divider: the bits per pixel on the link
    PreDiv2,       // second PLL's pre-divider
    Mult2,         // second PLL's multiplier
    PackedNM,      // image-processor divider word: N - 1 from bit 8 up, M in the low byte
    PMinus1Nibble, // image-processor P divider word: P - 1 in the nibble the mask selects
    PackedMN,      // sensor divider word: M in the high byte, N in the low byte
    PackedP1P2,    // sensor divider word: P1 - 1 in bits 12:8, P2 - 1 in bits 4:0
    LineLength,
    FrameLength,
    HBlank,
    VBlank,
    OutCols,
    OutRows,
    FovCols,
    FovRows,
    FovColsLess1, // window width - 1
    FovRowsLess1, // window height - 1
    XStart,
    YStart,
    XEnd,
    YEnd,
};

bool perContext(Shown s)
{
    return s >= Shown::LineLength;
}

// The context a name marks: "_CB", " (B)", "cam_core_b_", "cam_output_1_" mark
// context B, " (A)", "cam_core_a_", "cam_output_0_", "CTXT0" context A. A
// row without a mark programs context A, and context B as well when the
// table has no context-B row for the same value.
enum class Mark { None, A, B };

struct Entry {
    const char *name;
    Shown shown;
    Mark mark;
};

// Every row name of the register tables that carries one of the values
// above, transcribed from the tables.
const Entry kDictionary[] = {
    // PLL pre-divider, multiplier and output dividers.
    {"PRE_PLL_CLK_DIV", Shown::PreDiv, Mark::None},
    {"PLL_REF_DIV", Shown::PreDiv, Mark::None},
    {"PLL_MULTIPLIER", Shown::Mult, Mark::None},
    {"PLL_FB_DIV", Shown::Mult, Mark::None},
    {"VT_SYS_CLK_DIV", Shown::SysDiv, Mark::None},
    {"VT_PIX_CLK_DIV", Shown::PixDiv, Mark::None},
    {"PLL_POSTDIV", Shown::PostDiv, Mark::None},
    {"OP_SYS_CLK_DIV", Shown::OpSysDiv, Mark::None},
    {"OP_PIX_CLK_DIV", Shown::OpPixDiv, Mark::None},
    {"OP_WORD_CLK_DIV", Shown::OpPixDiv, Mark::None},
    {"PRE_PLL_CLK_DIV2", Shown::PreDiv2, Mark::None},
    {"PRE_PLL2_CLK_DIV", Shown::PreDiv2, Mark::None},
    {"PLL_MULTIPLIER2", Shown::Mult2, Mark::None},
    {"PLL2_MULTIPLIER", Shown::Mult2, Mark::None},
    {"pll_dividers", Shown::PackedNM, Mark::None},
    {"pll_divider", Shown::PackedNM, Mark::None},
    {"PLL Dividers", Shown::PackedNM, Mark::None},
    {"cam_sysctl_pll_divider_m_n", Shown::PackedNM, Mark::None},
    {"cam_sysctl_pll_divider_m_n_1_clk", Shown::PackedNM, Mark::None},
    {"pll_p_dividers", Shown::PMinus1Nibble, Mark::None},
    {"PLL Config1", Shown::PackedMN, Mark::None},
    {"PLL Config2", Shown::PackedP1P2, Mark::None},

    // Line length.
    {"LINE_LENGTH_PCK", Shown::LineLength, Mark::None},
    {"line_length_pck", Shown::LineLength, Mark::None},
    {"cam_sensor_cfg_line_length_pck", Shown::LineLength, Mark::None},
    {"Line Length", Shown::LineLength, Mark::None},
    {"Line Length (A)", Shown::LineLength, Mark::A},
    {"cam_core_a_line_length_pck", Shown::LineLength, Mark::A},
    {"LINE_LENGTH_PCK_CB", Shown::LineLength, Mark::B},
    {"Line Length (B)", Shown::LineLength, Mark::B},
    {"cam_core_b_line_length_pck", Shown::LineLength, Mark::B},

    // Frame length.
    {"FRAME_LENGTH_LINES", Shown::FrameLength, Mark::None},
    {"FRAME_LENGTH_LINE", Shown::FrameLength, Mark::None},
    {"frame_length_lines", Shown::FrameLength, Mark::None},
    {"cam_sensor_cfg_frame_length_lines", Shown::FrameLength, Mark::None},
    {"Frame Lines", Shown::FrameLength, Mark::None},
    {"FRAME_LENGTH_CTXT0_REG", Shown::FrameLength, Mark::A},
    {"Frame Lines (A)", Shown::FrameLength, Mark::A},
    {"Base Frame Lines (A)", Shown::FrameLength, Mark::A},
    {"cam_core_a_frame_length_lines", Shown::FrameLength, Mark::A},
    {"cam_core_a_base_frame_length_lines", Shown::FrameLength, Mark::A},
    {"FRAME_LENGTH_LINES_CB", Shown::FrameLength, Mark::B},
    {"Frame Lines (B)", Shown::FrameLength, Mark::B},
    {"Base Frame Lines (B)", Shown::FrameLength, Mark::B},
    {"cam_core_b_frame_length_lines", Shown::FrameLength, Mark::B},
    {"cam_core_b_base_frame_length_lines", Shown::FrameLength, Mark::B},

    // Blanking.
    {"Horz. Blank", Shown::HBlank, Mark::None},
    {"HBLANK (A)", Shown::HBlank, Mark::A},
    {"HBLANK (B)", Shown::HBlank, Mark::B},
    {"Vert. Blank", Shown::VBlank, Mark::None},
    {"VBLANK (A)", Shown::VBlank, Mark::A},
    {"VBLANK (B)", Shown::VBlank, Mark::B},

    // Output size.
    {"X_OUTPUT_SIZE", Shown::OutCols, Mark::None},
    {"cam_output_width", Shown::OutCols, Mark::None},
    {"cam_image_width", Shown::OutCols, Mark::None},
    {"Output Width", Shown::OutCols, Mark::None},
    {"Output Width (A)", Shown::OutCols, Mark::A},
    {"cam_core_a_output_size_width", Shown::OutCols, Mark::A},
    {"cam_output_0_image_width", Shown::OutCols, Mark::A},
    {"Output Width (B)", Shown::OutCols, Mark::B},
    {"cam_core_b_output_size_width", Shown::OutCols, Mark::B},
    {"cam_output_1_image_width", Shown::OutCols, Mark::B},
    {"Y_OUTPUT_SIZE", Shown::OutRows, Mark::None},
    {"cam_output_height", Shown::OutRows, Mark::None},
    {"cam_image_height", Shown::OutRows, Mark::None},
    {"Output Height", Shown::OutRows, Mark::None},
    {"Output Height (A)", Shown::OutRows, Mark::A},
    {"cam_core_a_output_size_height", Shown::OutRows, Mark::A},
    {"cam_output_0_image_height", Shown::OutRows, Mark::A},
    {"Output Height (B)", Shown::OutRows, Mark::B},
    {"cam_core_b_output_size_height", Shown::OutRows, Mark::B},
    {"cam_output_1_image_height", Shown::OutRows, Mark::B},

    // Window size on the array.
    {"Column Width (A)", Shown::FovCols, Mark::A},
    {"FOV Width (A)", Shown::FovCols, Mark::A},
    {"Column Width (B)", Shown::FovCols, Mark::B},
    {"FOV Width (B)", Shown::FovCols, Mark::B},
    {"Row Height (A)", Shown::FovRows, Mark::A},
    {"FOV Height (A)", Shown::FovRows, Mark::A},
    {"Row Height (B)", Shown::FovRows, Mark::B},
    {"FOV Height (B)", Shown::FovRows, Mark::B},
    // The size registers count from 0 (their table defaults are the array size - 1).
    {"Column Size", Shown::FovColsLess1, Mark::None},
    {"Row Size", Shown::FovRowsLess1, Mark::None},

    // Window start and end (inclusive).
    {"X_ADDR_START", Shown::XStart, Mark::None},
    {"x_addr_start", Shown::XStart, Mark::None},
    {"cam_sensor_cfg_x_addr_start", Shown::XStart, Mark::None},
    {"Column Start", Shown::XStart, Mark::None},
    {"Column Start (A)", Shown::XStart, Mark::A},
    {"cam_core_a_x_addr_start", Shown::XStart, Mark::A},
    {"X_ADDR_START_CB", Shown::XStart, Mark::B},
    {"Column Start (B)", Shown::XStart, Mark::B},
    {"cam_core_b_x_addr_start", Shown::XStart, Mark::B},
    {"Y_ADDR_START", Shown::YStart, Mark::None},
    {"y_addr_start", Shown::YStart, Mark::None},
    {"cam_sensor_cfg_y_addr_start", Shown::YStart, Mark::None},
    {"Row Start", Shown::YStart, Mark::None},
    {"Row Start (A)", Shown::YStart, Mark::A},
    {"cam_core_a_y_addr_start", Shown::YStart, Mark::A},
    {"Y_ADDR_START_CB", Shown::YStart, Mark::B},
    {"Row Start (B)", Shown::YStart, Mark::B},
    {"cam_core_b_y_addr_start", Shown::YStart, Mark::B},
    {"X_ADDR_END", Shown::XEnd, Mark::None},
    {"x_addr_end", Shown::XEnd, Mark::None},
    {"cam_sensor_cfg_x_addr_end", Shown::XEnd, Mark::None},
    {"Column End", Shown::XEnd, Mark::None},
    {"Column End (A)", Shown::XEnd, Mark::A},
    {"cam_core_a_x_addr_end", Shown::XEnd, Mark::A},
    {"X_ADDR_END_CB", Shown::XEnd, Mark::B},
    {"Column End (B)", Shown::XEnd, Mark::B},
    {"cam_core_b_x_addr_end", Shown::XEnd, Mark::B},
    {"Y_ADDR_END", Shown::YEnd, Mark::None},
    {"y_addr_end", Shown::YEnd, Mark::None},
    {"cam_sensor_cfg_y_addr_end", Shown::YEnd, Mark::None},
    {"Row End", Shown::YEnd, Mark::None},
    {"Row End (A)", Shown::YEnd, Mark::A},
    {"cam_core_a_y_addr_end", Shown::YEnd, Mark::A},
    {"Y_ADDR_END_CB", Shown::YEnd, Mark::B},
    {"Row End (B)", Shown::YEnd, Mark::B},
    {"cam_core_b_y_addr_end", Shown::YEnd, Mark::B},
};

// Rows named like an entry above whose table shows another unit.
struct LeftOut {
    const char *table;
    const char *name;
};
const LeftOut kLeftOut[] = {
    // Its default 0x3EA0 is no column count of the 1000-column array.
    {"D41", "X_OUTPUT_SIZE"},
};

const Entry *lookup(const RegTable &table, const char *name)
{
    for (const LeftOut &l : kLeftOut) {
        if (std::strcmp(l.table, table.id) == 0 && std::strcmp(l.name, name) == 0)
            return nullptr;
    }
    for (const Entry &e : kDictionary) {
        if (std::strcmp(e.name, name) == 0)
            return &e;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// The value the family shows for a quantity.

struct ShownValue {
    qint64 value;
    QString source;
};

QString contextName(int context)
{
    return context == 1 ? QStringLiteral("B") : QStringLiteral("A");
}

QString fieldName(qint32 CPllParams::*field)
{
    const std::pair<qint32 CPllParams::*, const char *> names[] = {
        {&CPllParams::pllP, "pllP"},
        {&CPllParams::pllP1, "pllP1"},
        {&CPllParams::pllP4, "pllP4"},
        {&CPllParams::pllP5, "pllP5"},
    };
    for (const auto &n : names) {
        if (n.first == field)
            return QStringLiteral("pll.%1").arg(QLatin1String(n.second));
    }
    return QStringLiteral("pll divider");
}

// Output divider k (0: vt_sys / P, 1: vt_pix) as the family reports it.
ShownValue outputDivider(const CFamilyCore *f, int k)
{
    if (auto *v = dynamic_cast<const Vek_125 *>(f))
        return k == 0 ? ShownValue{v->PLL1Div2.intValue, QStringLiteral("PLL1Div2")}
                      : ShownValue{v->PLL1Div3.intValue, QStringLiteral("PLL1Div3")};
    if (dynamic_cast<const Murn_104 *>(f) && k == 0)
        return {f->pll.pllP, QStringLiteral("pll.pllP")};
    const DividerSpec &d = f->traits().div[k];
    if (!d.field)
        return {1, QStringLiteral("fixed divider")};
    return {f->pll.*(d.field), fieldName(d.field)};
}

// The op_sys divider the PLL text shows, if it shows one.
std::optional<qint64> textOpSysDivider(const CFamilyCore *f)
{
    static const QRegularExpression rx(QStringLiteral("^Op sys divider: (-?\\d+)$"),
                                       QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = rx.match(f->results.pllDisplayText);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toLongLong();
}

std::optional<ShownValue> shownValue(const CFamilyCore *f, Shown s, int context)
{
    const CPllParams &p = f->pll;
    const TimingResult &t = f->timing(context);
    const QString tc = QStringLiteral("timing(%1).").arg(contextName(context));
    switch (s) {
    case Shown::PreDiv:
        return ShownValue{p.pllN, QStringLiteral("pll.pllN")};
    case Shown::Mult:
        return ShownValue{p.pllM, QStringLiteral("pll.pllM")};
    case Shown::SysDiv:
        return outputDivider(f, 0);
    case Shown::PixDiv:
        return outputDivider(f, 1);
    case Shown::PostDiv:
        return ShownValue{p.pllP, QStringLiteral("pll.pllP")};
    case Shown::OpSysDiv:
        if (auto *v = dynamic_cast<const Vek_125 *>(f))
            return ShownValue{v->PLL2Div2.intValue, QStringLiteral("PLL2Div2")};
        if (const auto d = textOpSysDivider(f))
            return ShownValue{*d, QStringLiteral("PLL text op sys divider")};
        return std::nullopt; // not shown (parallel link, second PLL or bypass)
    case Shown::OpPixDiv:
        if (auto *v = dynamic_cast<const Vek_125 *>(f))
            return ShownValue{v->Bits.intValue, QStringLiteral("Bits")};
        return ShownValue{f->linkBits(), QStringLiteral("bits per pixel")};
    case Shown::PreDiv2:
        return ShownValue{p.pllN2, QStringLiteral("pll.pllN2")};
    case Shown::Mult2:
        return ShownValue{p.pllM2, QStringLiteral("pll.pllM2")};
    case Shown::PackedNM:
    case Shown::PMinus1Nibble:
    case Shown::PackedMN:
    case Shown::PackedP1P2:
        return std::nullopt; // split into fields by the caller
    case Shown::LineLength:
        return ShownValue{t.lineLength, tc + QStringLiteral("lineLength")};
    case Shown::FrameLength:
        return ShownValue{t.frameLength, tc + QStringLiteral("frameLength")};
    case Shown::HBlank:
        return ShownValue{t.hBlank, tc + QStringLiteral("hBlank")};
    case Shown::VBlank:
        return ShownValue{t.vBlank, tc + QStringLiteral("vBlank")};
    case Shown::OutCols:
        return ShownValue{t.outCols, tc + QStringLiteral("outCols")};
    case Shown::OutRows:
        return ShownValue{t.outRows, tc + QStringLiteral("outRows")};
    case Shown::FovCols:
        return ShownValue{t.fovCols, tc + QStringLiteral("fovCols")};
    case Shown::FovRows:
        return ShownValue{t.fovRows, tc + QStringLiteral("fovRows")};
    case Shown::FovColsLess1:
        return ShownValue{t.fovCols - 1, tc + QStringLiteral("fovCols - 1")};
    case Shown::FovRowsLess1:
        return ShownValue{t.fovRows - 1, tc + QStringLiteral("fovRows - 1")};
    case Shown::XStart:
        return ShownValue{t.xStart, tc + QStringLiteral("xStart")};
    case Shown::YStart:
        return ShownValue{t.yStart, tc + QStringLiteral("yStart")};
    case Shown::XEnd:
        return ShownValue{t.xEnd, tc + QStringLiteral("xEnd")};
    case Shown::YEnd:
        return ShownValue{t.yEnd, tc + QStringLiteral("yEnd")};
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// Fields and the check.

int lowestBit(quint32 m)
{
    int b = 0;
    while (b < 32 && !(m & (1u << b)))
        ++b;
    return b;
}

// The mask a register row writes through; a row without a mask writes its
// whole width.
quint32 rowMask(const RegRow &r)
{
    if (r.mask)
        return r.mask;
    return r.width >= 32 ? 0xFFFFFFFFu : (r.width > 0 ? (1u << r.width) - 1 : 0xFFFFu);
}

// The lowest run of set bits of a mask.
quint32 lowestRun(quint32 m)
{
    const int lo = lowestBit(m);
    quint32 run = 0;
    for (int b = lo; b < 32 && (m & (1u << b)); ++b)
        run |= 1u << b;
    return run;
}

struct Mismatch {
    QString family;
    QString where;
    QString row;
    QString text;
};

class Checker {
public:
    Checker(const CFamilyCore *f, QString where, QVector<Mismatch> *out) : m_f(f), m_where(std::move(where)), m_out(out)
    {
        m_family = QStringLiteral("%1 (%2)").arg(QLatin1String(f->traits().family)).arg(f->typeCode());
    }

    void checkRows()
    {
        const RegTable *table = m_f->regTable();
        if (!table || !m_f->results.registerValues)
            return;
        const int count = qMin(table->count, m_f->registerCount());
        // Quantities the table carries for context B in rows of their own.
        QSet<int> hasB;
        for (int i = 0; i < count; ++i) {
            const Entry *e = lookup(*table, table->rows[i].name);
            if (e && e->mark == Mark::B)
                hasB.insert(int(e->shown));
        }
        const bool two = m_f->traits().contexts() == 2;
        for (int i = 0; i < count; ++i) {
            const RegRow &row = table->rows[i];
            const Entry *e = lookup(*table, row.name);
            if (!e)
                continue;
            const quint32 reg = m_f->results.registerValues[i];
            if (!perContext(e->shown)) {
                checkPll(row, i, *e, reg);
                continue;
            }
            if (e->mark != Mark::B)
                checkValue(row, i, reg, 0, shownValue(m_f, e->shown, 0));
            const bool sharedWithB = e->mark == Mark::None && !hasB.contains(int(e->shown));
            if (two && (e->mark == Mark::B || sharedWithB))
                checkValue(row, i, reg, 1, shownValue(m_f, e->shown, 1));
        }
    }

    // The geometry the window draws belongs to the context calculated last.
    void checkGeometry(int context)
    {
        const CTimingGeometry &g = m_f->results.timingGeometry;
        const TimingResult &t = m_f->timing(context);
        const struct {
            const char *name;
            qint64 shown, timing;
        } fields[] = {
            {"xFactor", g.xFactor, t.xFactor},
            {"yFactor", g.yFactor, t.yFactor},
            {"fovWidth", g.fovWidth, t.fovCols},
            {"fovHeight", g.fovHeight, t.fovRows},
            {"outputWidth", g.outputWidth, t.outCols},
            {"outputHeight", g.outputHeight, t.outRows},
            {"hBlank", g.hBlank, t.hBlank},
            {"vBlank", g.vBlank, t.vBlank},
            {"frameHeight", g.frameHeight, t.frameLength},
            {"frameWidth", g.frameWidth, t.lineLength},
        };
        for (const auto &fld : fields) {
            if (fld.shown != fld.timing)
                add(QStringLiteral("timingGeometry.%1").arg(QLatin1String(fld.name)),
                    QStringLiteral("shows %1, timing(%2) %3").arg(fld.shown).arg(contextName(context)).arg(fld.timing));
        }
    }

private:
    void add(const QString &row, const QString &text) { m_out->append({m_family, m_where, row, text}); }

    QString rowLabel(const RegRow &row, int index, const char *field = nullptr) const
    {
        QString s = QStringLiteral("%1 (row %2)").arg(QLatin1String(row.name)).arg(index);
        if (field)
            s += QStringLiteral(" [%1]").arg(QLatin1String(field));
        return s;
    }

    void checkPll(const RegRow &row, int index, const Entry &e, quint32 reg)
    {
        if (e.shown == Shown::PackedNM) {
            const quint32 mask = rowMask(row);
            const ShownValue m{m_f->pll.pllM, QStringLiteral("pll.pllM")};
            const ShownValue n{qint64(m_f->pll.pllN) - 1, QStringLiteral("pll.pllN - 1")};
            checkField(rowLabel(row, index, "M"), reg, mask & 0xFFu, 0, m);
            checkField(rowLabel(row, index, "N-1"), reg, mask & ~0xFFu, 8, n);
            return;
        }
        if (e.shown == Shown::PackedMN) {
            const quint32 mask = rowMask(row);
            checkField(rowLabel(row, index, "M"), reg, mask & ~0xFFu, 8, {m_f->pll.pllM, QStringLiteral("pll.pllM")});
            checkField(rowLabel(row, index, "N"), reg, mask & 0xFFu, 0, {m_f->pll.pllN, QStringLiteral("pll.pllN")});
            return;
        }
        if (e.shown == Shown::PackedP1P2) {
            const quint32 mask = rowMask(row);
            for (int k = 0; k < 2; ++k) {
                const ShownValue p = outputDivider(m_f, k);
                checkField(rowLabel(row, index, k == 0 ? "P1-1" : "P2-1"), reg, mask & (k == 0 ? 0x1F00u : 0x1Fu),
                           k == 0 ? 8 : 0, {p.value - 1, p.source + QStringLiteral(" - 1")});
            }
            return;
        }
        if (e.shown == Shown::PMinus1Nibble) {
            // Only a mask of one nibble says where P - 1 sits.
            const quint32 mask = rowMask(row);
            const int lo = lowestBit(mask);
            if (lo >= 32 || (mask >> lo) != 0xFu)
                return;
            const ShownValue p = outputDivider(m_f, 0);
            checkField(rowLabel(row, index, "P-1"), reg, mask, lo, {p.value - 1, p.source + QStringLiteral(" - 1")});
            return;
        }
        checkValue(row, index, reg, -1, shownValue(m_f, e.shown, 0));
    }

    // A value in a field of a packed word, shifted down by shift.
    void checkField(const QString &label, quint32 reg, quint32 fieldMask, int shift, const ShownValue &shown)
    {
        const qint64 capacity = qint64(fieldMask >> shift);
        const qint64 held = qint64((reg & fieldMask) >> shift);
        if (shown.value < 0 || shown.value > capacity)
            add(label, QStringLiteral("field holds %1 (0x%2), shown %3 (%4) does not fit the field (0..%5)")
                           .arg(held)
                           .arg(reg, 0, 16)
                           .arg(shown.value)
                           .arg(shown.source)
                           .arg(capacity));
        else if (held != shown.value)
            add(label, QStringLiteral("field holds %1 (0x%2), shown %3 (%4)")
                           .arg(held)
                           .arg(reg, 0, 16)
                           .arg(shown.value)
                           .arg(shown.source));
    }

    // A bit-field row holds the unshifted field value; a register row holds
    // the value in place in the lowest run of its mask bits (a mask 0xFFFE
    // holds even values).
    void checkValue(const RegRow &row, int index, quint32 reg, int context, const std::optional<ShownValue> &shown)
    {
        if (!shown)
            return;
        QString label = rowLabel(row, index);
        if (context >= 0)
            label += QStringLiteral(" context %1").arg(contextName(context));
        const quint32 mask = rowMask(row);
        qint64 held;
        bool fits;
        QString field;
        if (row.bitfield) {
            const qint64 capacity = qint64(mask >> lowestBit(mask));
            held = reg;
            fits = shown->value >= 0 && shown->value <= capacity;
            field = QStringLiteral("0..%1").arg(capacity);
        } else {
            const quint32 run = lowestRun(mask);
            held = reg & run;
            fits = shown->value >= 0 && shown->value <= 0xFFFFFFFFll && (quint32(shown->value) & ~run) == 0;
            field = QStringLiteral("mask 0x%1").arg(run, 0, 16);
        }
        if (!fits)
            add(label, QStringLiteral("register %1 (0x%2), shown %3 (%4) does not fit the field (%5)")
                           .arg(held)
                           .arg(reg, 0, 16)
                           .arg(shown->value)
                           .arg(shown->source, field));
        else if (held != shown->value)
            add(label, QStringLiteral("register %1 (0x%2), shown %3 (%4)")
                           .arg(held)
                           .arg(reg, 0, 16)
                           .arg(shown->value)
                           .arg(shown->source));
    }

    const CFamilyCore *m_f;
    QString m_family;
    QString m_where;
    QVector<Mismatch> *m_out;
};

// Every mismatch of the run, for the summary by family and row.
QVector<Mismatch> &allMismatches()
{
    static QVector<Mismatch> all;
    return all;
}

QByteArray report(const QVector<Mismatch> &list)
{
    const int shown = qMin(int(list.size()), 12);
    QStringList lines;
    for (int i = 0; i < shown; ++i)
        lines << QStringLiteral("%1 | %2 | %3: %4").arg(list[i].family, list[i].where, list[i].row, list[i].text);
    if (list.size() > shown)
        lines << QStringLiteral("... and %1 more").arg(list.size() - shown);
    return lines.join(QLatin1Char('\n')).toLocal8Bit();
}

// One calculation of a context; the registers follow the last step.
void runContext(CFamilyCore *f, int index, int context)
{
    samples::calculateContext(f, index, context);
    if (auto *bridge = dynamic_cast<CBridgeFamily *>(f))
        bridge->RegisterUpdate(context);
}

void checkAll(const CFamilyCore *f, const QString &where, int lastContext, QVector<Mismatch> *out)
{
    Checker c(f, where, out);
    c.checkRows();
    c.checkGeometry(lastContext);
}

// ---------------------------------------------------------------------------
// Varied inputs for the classic families.

struct PllCase {
    double fin = 0.0, target = 0.0, target2 = 0.0, vco = -1.0, vco2 = -1.0;
    int n = -1, m = -1, n2 = -1, m2 = -1;
    int d[2] = {-1, -1};
    bool bypass = false;
};

struct ContextCase {
    double fps = 30.0;
    int cols = 0, rows = 0;
    int blankType = 0, hBlank = 0, vBlank = 0;
    int binning = 0, skipping = 0;
    bool mirror = false, flip = false;
};

double uniform(QRandomGenerator &g, double lo, double hi)
{
    return lo + g.generateDouble() * (hi - lo);
}

bool chance(QRandomGenerator &g, int percent)
{
    return int(g.bounded(100)) < percent;
}

// An override: mostly within the usual range, sometimes wider than any
// register field of the value.
int overrideValue(QRandomGenerator &g, int lo, int hi, int wide)
{
    return chance(g, 30) ? int(g.bounded(hi + 1, wide + 1)) : int(g.bounded(lo, hi + 1));
}

PllCase randomPll(QRandomGenerator &g, const FamilyTraits &t, QStringList *what)
{
    PllCase c;
    c.fin = std::round(uniform(g, t.finMin, t.finMax) * 100.0) / 100.0;
    c.target = std::round(uniform(g, 0.3, 1.3) * t.targetDefault * 100.0) / 100.0;
    c.target2 = t.target2Default > 0.0 ? std::round(uniform(g, 0.3, 1.3) * t.target2Default * 100.0) / 100.0 : 0.0;
    *what << QStringLiteral("fin %1, target %2").arg(c.fin).arg(c.target);
    if (c.target2 > 0.0)
        *what << QStringLiteral("target2 %1").arg(c.target2);
    // A bypassed PLL takes its settings as given: overrides are likelier there.
    c.bypass = chance(g, 15);
    if (c.bypass)
        *what << QStringLiteral("bypass");
    const int often = c.bypass ? 60 : 25;
    if (chance(g, often)) {
        c.n = overrideValue(g, 1, 40, 300);
        *what << QStringLiteral("N %1").arg(c.n);
    }
    if (chance(g, often)) {
        c.m = overrideValue(g, 8, 255, 1000);
        *what << QStringLiteral("M %1").arg(c.m);
    }
    if (chance(g, 20)) {
        c.vco = std::round(uniform(g, 0.8 * t.vcoMin, 1.1 * t.vcoMax));
        *what << QStringLiteral("VCO %1").arg(c.vco);
    }
    for (int k = 0; k < 2; ++k) {
        if (t.div[k].field && t.div[k].request && chance(g, often)) {
            c.d[k] = overrideValue(g, 1, 16, 80);
            *what << QStringLiteral("%1 %2").arg(fieldName(t.div[k].field)).arg(c.d[k]);
        }
    }
    if (t.pll2.present) {
        if (chance(g, often)) {
            c.n2 = overrideValue(g, 1, 40, 300);
            *what << QStringLiteral("N2 %1").arg(c.n2);
        }
        if (chance(g, often)) {
            c.m2 = overrideValue(g, 8, 255, 1000);
            *what << QStringLiteral("M2 %1").arg(c.m2);
        }
        if (chance(g, 15)) {
            c.vco2 = std::round(uniform(g, 0.8 * t.pll2.vcoMin, 1.1 * t.pll2.vcoMax));
            *what << QStringLiteral("VCO2 %1").arg(c.vco2);
        }
    }
    return c;
}

ContextCase randomContext(QRandomGenerator &g, const FamilyTraits &t, int context, QStringList *what)
{
    ContextCase c;
    c.fps = std::round(uniform(g, 0.25, 2.0) * (context == 1 ? t.defaultFpsB : t.defaultFps) * 100.0) / 100.0;
    if (!chance(g, 20)) {
        c.cols = int(g.bounded(16, t.arrayCols * 11 / 10 + 1));
        c.rows = int(g.bounded(16, t.arrayRows * 11 / 10 + 1));
    }
    c.blankType = int(g.bounded(4));
    // User blanking near the minimum or far beyond the narrower registers.
    c.hBlank = chance(g, 50) ? int(g.bounded(0, 1500)) : int(g.bounded(4000, 20000));
    c.vBlank = chance(g, 50) ? int(g.bounded(0, 500)) : int(g.bounded(2000, 20000));
    if (chance(g, 20))
        c.binning = 1;
    else if (chance(g, 20))
        c.skipping = chance(g, 50) ? 2 : 4;
    c.mirror = chance(g, 50);
    c.flip = chance(g, 50);
    QString s = QStringLiteral("%1: %2 fps, %3 x %4, blank type %5 (h %6, v %7)")
                    .arg(contextName(context))
                    .arg(c.fps)
                    .arg(c.cols)
                    .arg(c.rows)
                    .arg(c.blankType)
                    .arg(c.hBlank)
                    .arg(c.vBlank);
    if (c.binning)
        s += QStringLiteral(", binning");
    if (c.skipping)
        s += QStringLiteral(", skip %1").arg(c.skipping);
    if (c.mirror)
        s += QStringLiteral(", mirror");
    if (c.flip)
        s += QStringLiteral(", flip");
    *what << s;
    return c;
}

// The requests as the window writes them before every calculation.
void applyPll(CFamilyCore *f, const PllCase &c)
{
    CPllParams &p = f->pll;
    testing::resetRequests(p);
    p.inputClock = c.fin;
    p.targetClock = c.target;
    if (c.target2 > 0.0)
        p.targetClock2 = c.target2;
    p.pllN = c.n;
    p.pllM = c.m;
    p.vcoRequest = c.vco;
    for (int k = 0; k < 2; ++k) {
        if (f->traits().div[k].field)
            p.*(f->traits().div[k].field) = c.d[k];
    }
    p.pllN2 = c.n2;
    p.pllM2 = c.m2;
    p.pllVco2 = c.vco2;
    p.pllBypass = c.bypass;
}

void applyContext(CFamilyCore *f, int context, const ContextCase &c)
{
    CContextParams &p = f->ctx[context];
    p.maxFps = c.fps;
    p.cols = c.cols;
    p.rows = c.rows;
    p.blankType = c.blankType;
    p.userHBlank = c.hBlank;
    p.userVBlank = c.vBlank;
    p.binning = c.binning;
    p.skipping = c.skipping;
    p.mirror = c.mirror;
    p.flip = c.flip;
}

constexpr int kCasesPerTypeCode = 8;
constexpr quint32 kSeed = 20240611u;

} // namespace

class TestRegisterInvariants : public QObject {
    Q_OBJECT

private slots:
    void sampleUseCases_data();
    void sampleUseCases();
    void variedInputs_data();
    void variedInputs();
    void cleanupTestCase();
};

void TestRegisterInvariants::sampleUseCases_data()
{
    QTest::addColumn<QString>("fileName");
    const QStringList files =
        QDir(samples::sampleFolder()).entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    for (const QString &fileName : files)
        QTest::newRow(qPrintable(fileName)) << fileName;
}

// Every use case into each context in turn: that context calculated, then
// the other one, and every row checked against the results of its context.
void TestRegisterInvariants::sampleUseCases()
{
    QFETCH(QString, fileName);
    const QString path = QDir(samples::sampleFolder()).filePath(fileName);
    CRegisterDataIO io(path);
    QVERIFY(io.readGeneralInfo());
    QVERIFY(io.readUseCases());
    const int index = samples::catalogueIndex(io.getSensorName());
    QVERIFY2(index > 0, qPrintable(io.getSensorName()));
    const int typeCode = samples::kSensors[index - 1].typeCode;

    QVector<Mismatch> found;
    for (int u = 0; u < io.getUseCaseNumber(); ++u) {
        for (int c = 0; c < familyTraits(typeCode).contexts(); ++c) {
            CCalvex calvex(typeCode);
            CFamilyCore *f = calvex.family();
            QVERIFY(f);
            testing::initDefaults(f, index, path);
            samples::attachSensor(f, io.getRawSensor());
            samples::loadUseCase(f, io.useCases[u], c);
            const QString into = f->traits().contexts() == 2
                                     ? QStringLiteral("use case %1 into %2").arg(u).arg(contextName(c))
                                     : QStringLiteral("use case %1").arg(u);
            runContext(f, index, c);
            int last = c;
            if (f->traits().contexts() == 2) {
                last = 1 - c;
                samples::setDefaultRequests(f);
                runContext(f, index, last);
            }
            checkAll(f, QStringLiteral("%1 %2, %3 calculated last").arg(fileName, into, contextName(last)), last,
                     &found);
        }
    }
    allMismatches() += found;
    QVERIFY2(found.isEmpty(), report(found).constData());
}

void TestRegisterInvariants::variedInputs_data()
{
    QTest::addColumn<int>("typeCode");
    for (int code : allTypeCodes()) {
        CCalvex calvex(code);
        if (dynamic_cast<CFamilyBase *>(calvex.family()))
            QTest::addRow("%d %s", code, familyTraits(code).family) << code;
    }
}

// Clocks, rate, size, blanking type with user blanking, read-out modes and
// orientation per context, and N / M / VCO / divider overrides (some wider
// than any register field) or bypass, from a fixed seed per type code.
void TestRegisterInvariants::variedInputs()
{
    QFETCH(int, typeCode);
    QRandomGenerator gen(kSeed ^ quint32(typeCode));
    QVector<Mismatch> found;
    for (int n = 0; n < kCasesPerTypeCode; ++n) {
        CCalvex calvex(typeCode);
        CFamilyCore *f = calvex.family();
        QVERIFY(f);
        testing::initDefaults(f, typeCode);
        const FamilyTraits &t = f->traits();
        QStringList what;
        const PllCase pll = randomPll(gen, t, &what);
        for (int c = 0; c < t.contexts(); ++c)
            applyContext(f, c, randomContext(gen, t, c, &what));
        if (auto *bridge = dynamic_cast<CBridgeFamily *>(f)) {
            bridge->sensorKind = int(gen.bounded(4));
            what << QStringLiteral("attached kind %1").arg(bridge->sensorKind);
        }
        const int first = t.contexts() == 2 ? int(gen.bounded(2)) : 0;
        const QString label = QStringLiteral("case %1 (%2)").arg(n).arg(what.join(QStringLiteral("; ")));
        int last = first;
        for (int step = 0; step < t.contexts(); ++step) {
            last = step == 0 ? first : 1 - first;
            applyPll(f, pll);
            runContext(f, typeCode, last);
        }
        checkAll(f, QStringLiteral("%1, %2 calculated last").arg(label, contextName(last)), last, &found);
    }
    allMismatches() += found;
    QVERIFY2(found.isEmpty(), report(found).constData());
}

// Mismatch counts by family and row, for whoever fixes them.
void TestRegisterInvariants::cleanupTestCase()
{
    QMap<QString, QMap<QString, int>> counts;
    for (const Mismatch &m : allMismatches()) {
        QString row = m.row;
        row.remove(QRegularExpression(QStringLiteral(" \\(row \\d+\\)")));
        ++counts[m.family][row];
    }
    for (auto fam = counts.cbegin(); fam != counts.cend(); ++fam) {
        for (auto row = fam.value().cbegin(); row != fam.value().cend(); ++row)
            qInfo("%s | %s | %d", qPrintable(fam.key()), qPrintable(row.key()), row.value());
    }
}

QTEST_GUILESS_MAIN(TestRegisterInvariants)
#include "tst_registerinvariants.moc"
