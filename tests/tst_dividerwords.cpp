// Register words that pack several PLL dividers, or hold one above bit 0,
// decoded field by field from the window's register rows for every bundled
// sample. Each field must hold the divider the window shows for it: in the
// PLL text pane, in the PLL dock's and the advanced PLL panel's divider
// boxes, and in the gathered PLL results a calling program reads
// (PllParameters). The bits of a word outside its divider fields keep the
// table's value. Each sample is checked as it opens, with its dividers
// overridden wherever the window offers a box for one, at an input clock
// that no pre-divider of 1 takes, and at a target clock low enough that the
// first of two output dividers must divide; every field must have held a
// divider other than 1 in one of these settings, so that a field written a
// bit off or cut short shows.
#include "calc/adapter.h"
#include "calvex.h"
#include "pallador.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QDir>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

#include <cstring>
#include <memory>
#include <optional>

namespace {

// The dividers a word may carry.
enum class Divider { N, M, P, VtSys, VtPix, P4, P5, P6, N2, M2 };

const char *dividerName(Divider d)
{
    switch (d) {
    case Divider::N:
        return "N";
    case Divider::M:
        return "M";
    case Divider::P:
        return "P";
    case Divider::VtSys:
        return "P1 (vt_sys)";
    case Divider::VtPix:
        return "P2 (vt_pix)";
    case Divider::P4:
        return "P4";
    case Divider::P5:
        return "P5";
    case Divider::P6:
        return "P6";
    case Divider::N2:
        return "N2";
    case Divider::M2:
        return "M2";
    }
    return "?";
}

// A divider field of a word: the divider is the field's value plus offset
// (the image processors store N - 1 and P - 1).
struct Field {
    quint32 mask;
    Divider divider;
    int offset;
};

// A register row whose value packs dividers, by the name the tables give it.
// Fields the row's mask does not cover are not part of that table's word.
struct WordSpec {
    const char *name;
    Field fields[3];
};

const WordSpec kWords[] = {
    // The image processors' pre-divider and multiplier: N - 1 from bit 8
    // up, M in the low byte.
    {"cam_sysctl_pll_divider_m_n", {{0xFF00, Divider::N, 1}, {0x00FF, Divider::M, 0}}},
    {"cam_sysctl_pll_divider_m_n_1_clk", {{0xFF00, Divider::N, 1}, {0x00FF, Divider::M, 0}}},
    {"pll_dividers", {{0xFF00, Divider::N, 1}, {0x00FF, Divider::M, 0}}},
    {"pll_divider", {{0xFF00, Divider::N, 1}, {0x00FF, Divider::M, 0}}},
    {"PLL Dividers", {{0xFF00, Divider::N, 1}, {0x00FF, Divider::M, 0}}},
    // Their output divider: P - 1 in the low nibble of the high byte.
    {"cam_sysctl_pll_divider_p", {{0x0F00, Divider::P, 1}}},
    {"cam_sysctl_pll_divider_p_1_clk", {{0x0F00, Divider::P, 1}}},
    {"pll_p_dividers", {{0x0F00, Divider::P, 1}}},
    {"pll_p_divider", {{0x0F00, Divider::P, 1}}},
    {"PLL P Dividers", {{0x0F00, Divider::P, 1}}},
    // P4, P5 and P6, less one, a nibble each from bit 0.
    {"cam_sysctl_pll_divider_p4_p5_p6", {{0x000F, Divider::P4, 1}, {0x00F0, Divider::P5, 1}, {0x0F00, Divider::P6, 1}}},
    {"pll_p4_p5_p6_dividers", {{0x000F, Divider::P4, 1}, {0x00F0, Divider::P5, 1}, {0x0F00, Divider::P6, 1}}},
    {"PLL P Dividers 4-5-6", {{0x000F, Divider::P4, 1}, {0x00F0, Divider::P5, 1}, {0x0F00, Divider::P6, 1}}},
    {"cam_core_a_p4_5_6_divider", {{0x000F, Divider::P4, 1}, {0x00F0, Divider::P5, 1}, {0x0F00, Divider::P6, 1}}},
    {"cam_core_b_p4_5_6_divider", {{0x000F, Divider::P4, 1}, {0x00F0, Divider::P5, 1}, {0x0F00, Divider::P6, 1}}},
    // Murn_107: M in the high byte, N - 1 in the low six bits; P - 1 in
    // the low nibble of the high byte.
    {"PLL Control 1", {{0xFF00, Divider::M, 0}, {0x003F, Divider::N, 1}}},
    {"PLL Control 2", {{0x0F00, Divider::P, 1}}},
    // Brel_106: M in the high byte, N in the low byte; the video system
    // and pixel dividers less one, five bits each from bits 8 and 0.
    {"PLL Config1", {{0xFF00, Divider::M, 0}, {0x00FF, Divider::N, 0}}},
    {"PLL Config2", {{0x1F00, Divider::VtSys, 1}, {0x001F, Divider::VtPix, 1}}},
    // Zelt: N in the high byte.
    {"PLL_COMPONENT0_REG", {{0xFF00, Divider::N, 0}}},
};

// Bit-field rows of the registers that hold the pre-dividers, or the
// multipliers, of both PLLs: the register is the word, each row a field of it.
struct BitFieldSpec {
    const char *name;
    Divider divider;
};
const BitFieldSpec kBitFields[] = {
    {"PRE_PLL_CLK_DIV", Divider::N},   {"PLL_MULTIPLIER", Divider::M},   {"PRE_PLL_CLK_DIV2", Divider::N2},
    {"PRE_PLL2_CLK_DIV", Divider::N2}, {"PLL_MULTIPLIER2", Divider::M2}, {"PLL2_MULTIPLIER", Divider::M2},
};

int lowBit(quint32 mask)
{
    int b = 0;
    while (b < 31 && !(mask & (1u << b)))
        ++b;
    return b;
}

// The value a bit-field row starts with: the field, unshifted (a table value
// larger than the field is a whole register value).
quint32 tableValueOf(const RegRow &row)
{
    const quint32 field = row.mask >> lowBit(row.mask);
    return row.value <= field ? row.value : (row.value & row.mask) >> lowBit(row.mask);
}

// One decoded field of a word in the window's rows.
struct Decoded {
    QString word; // row name(s) and index
    Divider divider;
    qint64 value;
    int offset;        // what the word stores is the divider less this
    quint32 raw;       // the whole word
    qint64 tableValue; // the field in the table's value of the word
};

struct WordCheck {
    QVector<Decoded> fields;
    QStringList problems;
};

const WordSpec *wordSpec(const QString &name)
{
    for (const WordSpec &w : kWords) {
        if (name == QLatin1String(w.name))
            return &w;
    }
    return nullptr;
}

std::optional<Divider> bitFieldDivider(const QString &name)
{
    for (const BitFieldSpec &b : kBitFields) {
        if (name == QLatin1String(b.name))
            return b.divider;
    }
    return std::nullopt;
}

// Decodes every divider word of the window's register rows; checks the bits
// between the fields against the table value.
WordCheck decodeWords(const Pallador &w, const RegTable *table)
{
    WordCheck out;
    const int rows = qBound(0, w.regCount, int(Pallador::RegRowCapacity));
    for (int i = 0; i < rows; ++i) {
        const REGS_DESC_T &r = w.regs[i];
        if (r.bitfield)
            continue;
        const WordSpec *spec = wordSpec(r.name);
        if (!spec)
            continue;
        const QString label = QStringLiteral("%1 (row %2)").arg(r.name).arg(i);
        const quint32 mask = r.mask ? r.mask : 0xFFFFFFFFu;
        quint32 fieldBits = 0;
        for (const Field &f : spec->fields) {
            const quint32 m = f.mask & mask;
            if (!m)
                continue;
            fieldBits |= m;
            const quint32 tableWord = table && i < table->count ? table->rows[i].value : r.value;
            out.fields.append({label, f.divider, qint64((r.value & m) >> lowBit(m)) + f.offset, f.offset, r.value,
                               qint64((tableWord & m) >> lowBit(m)) + f.offset});
        }
        // The other bits the row writes keep the table's value.
        const quint32 tableValue = table && i < table->count ? table->rows[i].value : r.value;
        const quint32 rest = mask & ~fieldBits;
        if ((r.value & rest) != (tableValue & rest))
            out.problems << QStringLiteral("%1: 0x%2 changes bits 0x%3 outside its dividers (table 0x%4)")
                                .arg(label)
                                .arg(r.value, 4, 16, QLatin1Char('0'))
                                .arg((r.value ^ tableValue) & rest, 4, 16, QLatin1Char('0'))
                                .arg(tableValue, 4, 16, QLatin1Char('0'));
    }
    // Registers split into bit-field rows, two or more of them dividers.
    QMap<QPair<int, quint32>, QVector<int>> registers;
    for (int i = 0; i < rows; ++i) {
        if (w.regs[i].bitfield && bitFieldDivider(w.regs[i].name))
            registers[{w.regs[i].id, w.regs[i].address}].append(i);
    }
    for (const QVector<int> &members : registers) {
        if (members.size() < 2)
            continue;
        quint32 word = 0;
        QStringList names;
        for (int i : members) {
            const REGS_DESC_T &r = w.regs[i];
            word |= (r.value << lowBit(r.mask)) & r.mask;
            names << QStringLiteral("%1 (row %2)").arg(r.name).arg(i);
        }
        const QString label = QStringLiteral("0x%1: %2")
                                  .arg(w.regs[members[0]].address, 4, 16, QLatin1Char('0'))
                                  .arg(names.join(QStringLiteral(", ")));
        for (int i : members) {
            const REGS_DESC_T &r = w.regs[i];
            const quint32 tableField = table && i < table->count ? tableValueOf(table->rows[i]) : r.value;
            out.fields.append({label, *bitFieldDivider(r.name), qint64((word & r.mask) >> lowBit(r.mask)), 0, word,
                               qint64(tableField)});
        }
    }
    return out;
}

// ---------------------------------------------------------------------------
// What the window shows.

// "Name: value" lines of the PLL pane.
QMap<QString, QString> paneLines(const Pallador &w)
{
    QMap<QString, QString> lines;
    for (const QString &line : w.ui.textResult_PLL->toPlainText().split(QLatin1Char('\n'))) {
        const int colon = line.indexOf(QLatin1String(": "));
        if (colon > 0)
            lines.insert(line.left(colon), line.mid(colon + 2));
    }
    return lines;
}

const char *paneLabel(Divider d)
{
    switch (d) {
    case Divider::N:
        return "N (pre-divider)";
    case Divider::M:
        return "M (multiplier)";
    case Divider::P:
        return "P (output divider)";
    case Divider::VtSys:
        return "P1 (vt_sys_div)";
    case Divider::VtPix:
        return "P2 (vt_pix_div)";
    case Divider::P4:
        return "P4";
    case Divider::P5:
        return "P5";
    case Divider::P6:
        return nullptr;
    case Divider::N2:
        return "N2 (pre-divider 2)";
    case Divider::M2:
        return "M2 (multiplier 2)";
    }
    return nullptr;
}

// How a place shows a divider.
enum class Encoding {
    Divider, // the divider itself
    LessOne, // the divider less one (the advanced panel's P4 and P5 boxes)
    // The pre-divider; on the sensors whose registers store N - 1, also
    // that value (the PLL block reports N so).
    PreDivider,
    // The multiplier; on the bridges, whose multiplier is even, also half of
    // it (the PLL block reports M so).
    Multiplier,
};

struct Shown {
    QString where;
    qint64 value;
    Encoding encoding;
};

// Sensors that show their PLL in boxes of their own PLL form, bound to the
// family's variables: the PLL dock's N and M boxes are not theirs.
bool formPll(int sensorIndex)
{
    return sensorIndex >= 62 && sensorIndex <= 64;
}

// Sensors whose PLL results the window does not gather: the form-based
// families, which show theirs through their bound variables.
bool gathered(int sensorIndex)
{
    return !(sensorIndex >= 62 && sensorIndex <= 66);
}

// The bridges' output divider is their second one (P2); their first is the
// serial divider.
bool bridge(int sensorIndex)
{
    return sensorIndex >= 54 && sensorIndex <= 58;
}

bool showsField(const Shown &s, const Decoded &d, int sensorIndex)
{
    switch (s.encoding) {
    case Encoding::Divider:
        return s.value == d.value;
    case Encoding::LessOne:
        return s.value + 1 == d.value;
    case Encoding::PreDivider:
        return s.value == d.value || (d.offset == 1 && s.value + 1 == d.value);
    case Encoding::Multiplier:
        return s.value == d.value || (bridge(sensorIndex) && 2 * s.value == d.value);
    }
    return false;
}

// Every place the window shows a divider.
QVector<Shown> shownValues(Pallador &w, Divider d, const QVariantList &results)
{
    QVector<Shown> shown;
    const QMap<QString, QString> pane = paneLines(w);
    if (const char *label = paneLabel(d); label && pane.contains(QLatin1String(label))) {
        shown.append({QStringLiteral("PLL pane \"%1\"").arg(QLatin1String(label)),
                      pane.value(QLatin1String(label)).toLongLong(), Encoding::Divider});
    } else if (d == Divider::P && pane.contains(QStringLiteral("VCO")) &&
               pane.contains(QStringLiteral("System clock"))) {
        // A pane that names no output divider (Sarn104k) shows it as the
        // ratio of the VCO to the system clock.
        const double vco = pane.value(QStringLiteral("VCO")).section(QLatin1Char(' '), 0, 0).toDouble();
        const double out = pane.value(QStringLiteral("System clock")).section(QLatin1Char(' '), 0, 0).toDouble();
        if (out > 0.0)
            shown.append({QStringLiteral("PLL pane VCO / system clock"), qRound64(vco / out), Encoding::Divider});
    }
    const bool panel = w.ui.checkPLL_ADV->isChecked();
    const bool hasResults = gathered(w.sensorIndex) && results.size() > 12;
    switch (d) {
    case Divider::N:
        if (!formPll(w.sensorIndex))
            shown.append({QStringLiteral("dock N box"), w.ui.spinPLL_N->value(), Encoding::PreDivider});
        if (hasResults)
            shown.append({QStringLiteral("PllParameters N"), results[8].toLongLong(), Encoding::PreDivider});
        break;
    case Divider::M:
        if (!formPll(w.sensorIndex))
            shown.append({QStringLiteral("dock M box"), w.ui.spinPLL_M->value(), Encoding::Multiplier});
        if (hasResults)
            shown.append({QStringLiteral("PllParameters M"), results[9].toLongLong(), Encoding::Multiplier});
        break;
    case Divider::VtSys:
        // Only the PLL pane shows it.
        break;
    case Divider::P:
    case Divider::VtPix:
        if (hasResults && bridge(w.sensorIndex))
            shown.append({QStringLiteral("gathered P2"), w.resP2, Encoding::Divider});
        else if (hasResults)
            shown.append({QStringLiteral("PllParameters P"), results[10].toLongLong(), Encoding::Divider});
        break;
    case Divider::P4:
        if (panel && w.spinPLL_P4)
            shown.append({QStringLiteral("panel P4 box"), w.spinPLL_P4->value(), Encoding::LessOne});
        if (hasResults)
            shown.append({QStringLiteral("PllParameters P4"), results[11].toLongLong(), Encoding::Divider});
        break;
    case Divider::P5:
        if (panel && w.spinPLL_P5)
            shown.append({QStringLiteral("panel P5 box"), w.spinPLL_P5->value(), Encoding::LessOne});
        if (hasResults)
            shown.append({QStringLiteral("PllParameters P5"), results[12].toLongLong(), Encoding::Divider});
        break;
    case Divider::N2:
        if (panel && w.spinPLL_N2)
            shown.append({QStringLiteral("panel N2 box"), w.spinPLL_N2->value(), Encoding::Divider});
        break;
    case Divider::M2:
        if (panel && w.spinPLL_M2)
            shown.append({QStringLiteral("panel M2 box"), w.spinPLL_M2->value(), Encoding::Divider});
        break;
    case Divider::P6:
        // No box, text or result shows it: the word programs it as 1.
        shown.append({QStringLiteral("nothing (undivided)"), 1, Encoding::Divider});
        break;
    }
    return shown;
}

void tick(QCheckBox *box)
{
    if (box && box->isEnabled() && !box->isChecked())
        box->click();
}

// Overrides every divider the window offers a box for with a value other
// than 1: N 3 in the dock (4 where the box holds N - 1); under the advanced
// PLL panel P4 5, P5 3 (their boxes hold the divider less one) and N2 3.
void overrideDividers(Pallador &w)
{
    if (!formPll(w.sensorIndex) && w.ui.checkPLL_N->isEnabled()) {
        tick(w.ui.checkPLL_N);
        w.ui.spinPLL_N->setValue(3);
    }
    tick(w.ui.checkPLL_ADV);
    if (w.spinPLL_P4 && w.checkPLL_P4) {
        tick(w.checkPLL_P4);
        w.spinPLL_P4->setValue(4);
    }
    if (w.spinPLL_P5 && w.checkPLL_P5) {
        tick(w.checkPLL_P5);
        w.spinPLL_P5->setValue(2);
    }
    if (w.spinPLL_N2 && w.checkPLL_N2) {
        tick(w.checkPLL_N2);
        w.spinPLL_N2->setValue(3);
    }
}

} // namespace

class TestDividerWords : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everySample_data();
    void everySample();

private:
    std::unique_ptr<FixtureInstall> m_install;
};

void TestDividerWords::initTestCase()
{
    m_install.reset(new FixtureInstall);
    adapter::setMaxIntgTimeAsker([](Pallador &) { return QMessageBox::No; });
}

void TestDividerWords::cleanupTestCase()
{
    adapter::setMaxIntgTimeAsker({});
}

void TestDividerWords::everySample_data()
{
    QTest::addColumn<QString>("fileName");
    const QDir folder(FixtureInstall::samplesRoot() + QStringLiteral("bin/cfg_pallador"));
    const QStringList files = folder.entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 115);
    for (const QString &fileName : files)
        QTest::newRow(qPrintable(fileName)) << fileName;
}

void TestDividerWords::everySample()
{
    QFETCH(QString, fileName);
    DialogResponder responder;
    std::unique_ptr<Pallador> window(new Pallador(m_install->addSample(fileName)));
    Pallador &w = *window;
    const CFamilyCore *family = w.calvex ? w.calvex->family() : nullptr;
    QVERIFY(family);
    if (decodeWords(w, family->regTable()).fields.isEmpty())
        return;

    QStringList problems;
    QMap<QString, bool> notOne; // word and divider: held a divider other than 1
    for (const char *setting : {"as opened", "overridden", "at 48 MHz", "at a 20 MHz target"}) {
        if (std::strcmp(setting, "overridden") == 0)
            overrideDividers(w);
        // An input clock above every pre-divider's comparison range: no
        // pre-divider can be 1.
        if (std::strcmp(setting, "at 48 MHz") == 0)
            w.ui.dSpinPLL_Input->setValue(48.0);
        // A target so low that the fast VCO the library prefers needs both
        // output dividers to reach it.
        if (std::strcmp(setting, "at a 20 MHz target") == 0)
            w.ui.dSpinPLL_Target->setValue(20.0);
        const QVariantList results = w.property("PllParameters").toList();
        const WordCheck c = decodeWords(w, family->regTable());
        for (const QString &p : c.problems)
            problems << QStringLiteral("%1: %2").arg(QLatin1String(setting), p);
        const bool secondPll = paneLines(w).contains(QLatin1String(paneLabel(Divider::N2)));
        for (const Decoded &d : c.fields) {
            const QString key = d.word + QLatin1Char(' ') + QLatin1String(dividerName(d.divider));
            // The rows of a second PLL the sensor does not run keep the table's value.
            if ((d.divider == Divider::N2 || d.divider == Divider::M2) && !secondPll) {
                if (d.value != d.tableValue)
                    problems << QStringLiteral("%1: %2 = %3 of an idle PLL, table %4")
                                    .arg(QLatin1String(setting), key)
                                    .arg(d.value)
                                    .arg(d.tableValue);
                continue;
            }
            // No setting of the window reaches P6: it stays undivided.
            if (d.divider != Divider::P6)
                notOne[key] = notOne.value(key) || d.value != 1;
            const QVector<Shown> shown = shownValues(w, d.divider, results);
            if (shown.isEmpty())
                problems
                    << QStringLiteral("%1: %2 = %3 is shown nowhere").arg(QLatin1String(setting), key).arg(d.value);
            for (const Shown &s : shown) {
                if (!showsField(s, d, w.sensorIndex))
                    problems << QStringLiteral("%1: %2 = %3 (0x%4), the %5 shows %6")
                               .arg(QLatin1String(setting), key)
                               .arg(d.value)
                               .arg(d.raw, 4, 16, QLatin1Char('0'))
                               .arg(s.where)
                               .arg(s.value);
            }
        }
    }
    for (auto it = notOne.cbegin(); it != notOne.cend(); ++it) {
        if (!it.value())
            problems << QStringLiteral("%1 is 1 in every setting").arg(it.key());
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QCOMPARE(responder.seen(), QStringList());
}

QTEST_MAIN(TestDividerWords)
#include "tst_dividerwords.moc"
