#include "familycore.h"

#include "engine/registers.h"
#include "engine/warnings.h"
#include "fixedrows.h"
#include "registerdataio.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <tuple>

using namespace calvex;

namespace {

// A pre-divider or multiplier request: a value above 0 fixes it, any other
// leaves it free. (A request beyond any field stays beyond it: the field
// capacity cuts it.)
int requestOf(int value)
{
    return value > 0 ? value : -1;
}

PllLimits limitsOf(const FamilyTraits &t)
{
    PllLimits l;
    l.finMin = t.finMin;
    l.finMax = t.finMax;
    l.pfdMin = t.pfdMin;
    l.pfdMax = t.pfdMax;
    l.nMin = t.nMin;
    l.nMax = t.nMax;
    l.mMin = t.mMin;
    l.mMax = t.mMax;
    l.mEven = t.has(FlagMEven);
    l.vcoMin = t.vcoMin;
    l.vcoMax = t.vcoMax;
    for (int k = 0; k < 2; ++k) {
        l.d[k].min = t.div[k].field ? t.div[k].min : 1;
        l.d[k].max = t.div[k].field ? t.div[k].max : 1;
        l.d[k].evenAboveOne = t.div[k].evenAboveOne;
    }
    l.outMax = t.outMax;
    return l;
}

QStringList splitRates(const char *rates)
{
    return QString::fromLatin1(rates).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

int factorOf(int code, int limit)
{
    return code >= 2 ? qMin(code, limit) : 1;
}

// Whether two timings of a context show and program the same.
bool sameTiming(const TimingResult &a, const TimingResult &b)
{
    auto fields = [](const TimingResult &t) {
        return std::tie(t.fovCols, t.fovRows, t.outCols, t.outRows, t.xStart, t.yStart, t.xEnd, t.yEnd, t.xFactor,
                        t.yFactor, t.activeClocks, t.lineLength, t.minLineLength, t.frameLength, t.hBlank, t.vBlank,
                        t.fps, t.minFps, t.frameTimeMs, t.rowTimeUs, t.intgRows, t.maxIntgRows, t.intgTimeMs,
                        t.maxIntgTimeMs, t.exposures, t.sizeClamped, t.colStartMoved, t.rowStartMoved,
                        t.integrationLimited, t.linkOverrun, t.warnings);
    };
    return fields(a) == fields(b) && std::equal(std::begin(a.expRows), std::end(a.expRows), std::begin(b.expRows)) &&
           std::equal(std::begin(a.ratioExp), std::end(a.ratioExp), std::begin(b.ratioExp));
}

} // namespace

CFamilyCore::CFamilyCore(int typeCode)
    : m_typeCode(typeCode), m_traits(&familyTraits(typeCode)), m_limits(limitsOf(*m_traits)),
      m_table(m_traits->table ? RegTables::find(QString::fromLatin1(m_traits->table)) : nullptr)
{
    resetRegisters();
}

void CFamilyCore::bindRegisters()
{
    const int count = m_table ? m_table->count : 0;
    m_rows.assign(size_t(count), RowBinding());
    m_rowDefaults.assign(size_t(count), 0u);
    m_fieldCap = FieldCapacity();
    for (int c = 0; c < 2; ++c) {
        m_addressCols[c] = m_addressRows[c] = 1 << 30;
        m_lineLengthMax[c] = m_frameLengthMax[c] = 1 << 30;
        m_hBlankMax[c] = m_vBlankMax[c] = 1 << 30;
    }
    m_lineLengthStep = 1;
    bool stepFound = false;
    QSet<int> perContext[2]; // the roles of each context's rows
    for (int i = 0; i < count; ++i) {
        const RegRow &r = m_table->rows[i];
        RowBinding &b = m_rows[size_t(i)];
        const int own = familyRowRole(r);
        b.familyRole = own > 0 ? own : 0;
        b.generic = resolveRole(r.name);
        b.fixed = own == kFixedRow || isFixedRow(m_table->id, r.name);
        m_rowDefaults[size_t(i)] = tableValue(r);
        const RoleMatch &match = b.generic;
        const int c = match.context == 1 ? 1 : 0;
        perContext[c].insert(int(match.role));
        if (match.role == RegRole::LineLength && !r.bitfield && r.mask && !stepFound) {
            m_lineLengthStep = int(r.mask & (~r.mask + 1u));
            stepFound = true;
        }
        // A window end, size or length the register cannot hold would be
        // cut off: the context's field of view and its line and frame
        // lengths stay within what its rows hold; a PLL request stays within
        // what its field holds.
        const qint64 cap = qint64(qMin<quint64>(rowCapacity(r), 1u << 30));
        const int fieldCap = int(cap);
        switch (match.role) {
        case RegRole::XEnd:
        case RegRole::ColumnSize:
            m_addressCols[c] = int(qMin<qint64>(m_addressCols[c], cap + 1));
            break;
        case RegRole::OutputWidth:
            m_addressCols[c] = int(qMin<qint64>(m_addressCols[c], cap));
            break;
        case RegRole::YEnd:
        case RegRole::RowSize:
            m_addressRows[c] = int(qMin<qint64>(m_addressRows[c], cap + 1));
            break;
        case RegRole::OutputHeight:
            m_addressRows[c] = int(qMin<qint64>(m_addressRows[c], cap));
            break;
        case RegRole::LineLength:
            m_lineLengthMax[c] = int(qMin<qint64>(m_lineLengthMax[c], cap));
            break;
        case RegRole::FrameLength:
            m_frameLengthMax[c] = int(qMin<qint64>(m_frameLengthMax[c], cap));
            break;
        case RegRole::HBlank:
            m_hBlankMax[c] = int(qMin<qint64>(m_hBlankMax[c], cap));
            break;
        case RegRole::VBlank:
            m_vBlankMax[c] = int(qMin<qint64>(m_vBlankMax[c], cap));
            break;
        case RegRole::PreDiv:
            m_fieldCap.n = qMin(m_fieldCap.n, fieldCap);
            break;
        case RegRole::Mult:
            m_fieldCap.m = qMin(m_fieldCap.m, fieldCap);
            break;
        case RegRole::VtSysDiv:
            m_fieldCap.d[0] = qMin(m_fieldCap.d[0], fieldCap);
            break;
        case RegRole::VtPixDiv:
            m_fieldCap.d[1] = qMin(m_fieldCap.d[1], fieldCap);
            break;
        case RegRole::OpSysDiv:
            m_fieldCap.opSys = qMin(m_fieldCap.opSys, fieldCap);
            break;
        case RegRole::OpPixDiv:
            m_fieldCap.opPix = qMin(m_fieldCap.opPix, fieldCap);
            break;
        case RegRole::PreDiv2:
            m_fieldCap.n2 = qMin(m_fieldCap.n2, fieldCap);
            break;
        case RegRole::Mult2:
            m_fieldCap.m2 = qMin(m_fieldCap.m2, fieldCap);
            break;
        case RegRole::IspDividerMN:
        case RegRole::IspDividerP: {
            const RoleCapacity rc = roleCapacity(match.role, r);
            m_fieldCap.n = qMin(m_fieldCap.n, rc.n);
            m_fieldCap.m = qMin(m_fieldCap.m, rc.m);
            m_fieldCap.d[0] = qMin(m_fieldCap.d[0], rc.d);
            break;
        }
        default:
            break;
        }
    }
    // A table with second-PLL rows for a family that does not run its
    // second PLL keeps them at their table values and reports those (the
    // form-based families run theirs through their own variables).
    m_idleN2 = m_idleM2 = -1;
    if (!m_traits->pll2.present && m_traits->layout != Layout::Form) {
        for (int i = 0; i < count; ++i) {
            RowBinding &b = m_rows[size_t(i)];
            int *idle = b.generic.role == RegRole::PreDiv2 ? &m_idleN2
                        : b.generic.role == RegRole::Mult2 ? &m_idleM2
                                                           : nullptr;
            if (!idle || b.familyRole > 0)
                continue;
            if (*idle < 0)
                *idle = int(m_rowDefaults[size_t(i)]);
            b.generic = RoleMatch();
            b.fixed = true;
        }
    }
    // A two-context table that holds a register for context A only programs
    // one value for both contexts.
    if (m_traits->contexts() == 2) {
        auto shared = [&](RegRole role) {
            return perContext[0].contains(int(role)) && !perContext[1].contains(int(role));
        };
        m_shared.lineLength = shared(RegRole::LineLength);
        m_shared.readMode = shared(RegRole::ReadMode);
        m_shared.xOddInc = shared(RegRole::XOddInc);
        m_shared.yOddInc = shared(RegRole::YOddInc);
    }
    m_bound = true;
    familyBound();
}

QStringList CFamilyCore::unboundRows() const
{
    QStringList rows;
    for (int i = 0; m_table && i < m_table->count && i < int(m_rows.size()); ++i) {
        const RowBinding &b = m_rows[size_t(i)];
        if (b.familyRole == 0 && b.generic.role == RegRole::None && !b.fixed)
            rows << QStringLiteral("%1: %2").arg(i).arg(QLatin1String(m_table->rows[i].name));
    }
    if (!m_bound && m_table && m_table->count > 0)
        rows << QStringLiteral("not bound");
    return rows;
}

void CFamilyCore::reportIdleSecondPll()
{
    if (m_idleN2 >= 0)
        pll.pllN2 = m_idleN2;
    if (m_idleM2 >= 0)
        pll.pllM2 = m_idleM2;
}

namespace {
// Entries the call journal keeps.
const size_t kJournalSize = 4096;
} // namespace

CFamilyCore::Call::Call(CFamilyCore *family, const char *operation, std::initializer_list<CallArg> args)
    : m_family(family)
{
    if (m_family->m_callDepth++ > 0)
        return;
    QString text = QLatin1String(operation) + QLatin1Char('(');
    bool first = true;
    for (const CallArg &a : args) {
        if (!first)
            text += QLatin1String(", ");
        first = false;
        text += a.flag ? QLatin1String(a.value ? "true" : "false") : QString::number(a.value);
    }
    text += QLatin1Char(')');
    std::deque<QString> &j = m_family->m_journal;
    j.push_back(text);
    if (j.size() > kJournalSize)
        j.pop_front();
}

CFamilyCore::Call::~Call()
{
    --m_family->m_callDepth;
}

QStringList CFamilyCore::callJournal() const
{
    QStringList list;
    list.reserve(int(m_journal.size()));
    for (const QString &e : m_journal)
        list << e;
    return list;
}

void CFamilyCore::clearCallJournal()
{
    m_journal.clear();
}

bool CFamilyCore::isPllStep(const QString &entry)
{
    struct Step {
        const char *start; // the operation
        const char *end;   // how its entry ends when only some calls start a calculation, else null
    };
    static const Step steps[] = {
        {"PllUpdate(", nullptr},
        {"SetSerialPLL(", nullptr},
        {"SetParallelPLL(", nullptr},
        {"SetModePLL(", nullptr},
        {"Calculate(", nullptr},
        {"CalculatePLL(", nullptr},
        {"CalculateConfig(", nullptr},
        {"PLL_Caluate(", nullptr},
        {"CalculateScaledPLL(", nullptr},
        {"CalculatePLLMode(", nullptr},
        {"CalculatePLLNet_ks(", ", false)"},
    };
    for (const Step &step : steps) {
        if (entry.startsWith(QLatin1String(step.start)) && (!step.end || entry.endsWith(QLatin1String(step.end))))
            return true;
    }
    return false;
}

int CFamilyCore::calculationsIn(const QStringList &journal)
{
    int count = 0;
    for (int i = 0; i < journal.size(); ++i) {
        const bool timingFirst = journal[i].startsWith(QLatin1String("TimingUpdate(")) &&
                                 (i == 0 || journal[i - 1].startsWith(QLatin1String("RegisterUpdate(")));
        if (isPllStep(journal[i]) || timingFirst)
            ++count;
    }
    return count;
}

int CFamilyCore::familyRowRole(const RegRow &) const
{
    return 0;
}

quint32 CFamilyCore::defaultOfRole(int role) const
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].familyRole == role)
            return m_rowDefaults[i];
    }
    return 0;
}

CFamilyCore::~CFamilyCore() = default;

void CFamilyCore::resetRegisters()
{
    const int count = m_table ? m_table->count : 0;
    m_regStore.assign(size_t(count), 0u);
    for (int i = 0; i < count; ++i)
        m_regStore[size_t(i)] = i < int(m_rowDefaults.size()) ? m_rowDefaults[size_t(i)] : m_table->rows[i].value;
    results.registerValues = m_regStore.empty() ? nullptr : m_regStore.data();
}

quint32 CFamilyCore::ownedBits() const
{
    return kCommonContextBits | kCommonPllBits | m_traits->extraBits;
}

int CFamilyCore::currentInterfaceIndex() const
{
    return familyInterfaceIndex(m_traits->layout == Layout::Sensor ? ctx[0].interfaceIndex : pll.interfaceIndex);
}

// ---------------------------------------------------------------------------
// Defaults and lists.

void CFamilyCore::engineInitDefaults(const QString &configPath)
{
    const FamilyTraits &t = *m_traits;
    if (!m_bound)
        bindRegisters();
    m_configPath = configPath;
    m_limits = limitsOf(t);
    m_setLanes = 0;
    m_setBits = 0;
    m_configRevision = 1;

    defaults.defaultInputClock = t.finDefault;
    defaults.defaultTargetClock = t.targetDefault;
    defaults.defaultTargetClock2 = t.target2Default;
    defaults.defaultMaxFps = t.defaultFps;
    defaults.defaultMaxFpsB = t.contexts() == 2 ? t.defaultFpsB : t.defaultFps;
    defaults.defaultVarAccessMode = 1;
    defaults.defaultAdvPll = 0;
    defaults.defaultAdvParam = 0;
    defaults.defaultFifo = t.fifoDefault;

    // The configuration file may narrow the limits and change the defaults.
    if (!configPath.isEmpty() && QFileInfo(configPath).isFile()) {
        CRegisterDataIO io(configPath);
        io.readGeneralInfo(); // also takes in the [MinMax_Defaults] section
        m_configRevision = io.getRevNumber();
        defaults.defaultInputClock = io.minMaxValue(QStringLiteral("default_input_clock"), defaults.defaultInputClock);
        defaults.defaultTargetClock =
            io.minMaxValue(QStringLiteral("default_target_clock"), defaults.defaultTargetClock);
        defaults.defaultTargetClock2 =
            io.minMaxValue(QStringLiteral("default_target_clock2"), defaults.defaultTargetClock2);
        defaults.defaultMaxFps = io.minMaxValue(QStringLiteral("default_max_fps"), defaults.defaultMaxFps);
        defaults.defaultMaxFpsB = io.minMaxValue(QStringLiteral("default_max_fps_b"), defaults.defaultMaxFpsB);
        const double finMin = io.minMaxValue(QStringLiteral("input_clock_min"), m_limits.finMin);
        const double finMax = io.minMaxValue(QStringLiteral("input_clock_max"), m_limits.finMax);
        const double vcoMin = io.minMaxValue(QStringLiteral("vco_min"), m_limits.vcoMin);
        const double vcoMax = io.minMaxValue(QStringLiteral("vco_max"), m_limits.vcoMax);
        if (finMin > 0.0 && finMin <= finMax) {
            m_limits.finMin = finMin;
            m_limits.finMax = finMax;
        }
        if (vcoMin > 0.0 && vcoMin <= vcoMax) {
            m_limits.vcoMin = vcoMin;
            m_limits.vcoMax = vcoMax;
        }
    }

    pll.inputClock = defaults.defaultInputClock;
    pll.targetClock = defaults.defaultTargetClock;
    pll.targetClock2 = defaults.defaultTargetClock2;
    pll.pllN = pll.pllM = pll.pllN2 = pll.pllM2 = -1;
    pll.pllP = pll.pllP1 = pll.pllP4 = pll.pllP5 = pll.pllWcd = pll.pllOpDivider = -1;
    pll.vcoRequest = -1.0;
    pll.pllVco2 = -1.0;
    pll.interfaceIndex = t.defaultInterface;
    pll.interfaceMode = t.defaultInterface;
    pll.lanes = t.defaultLanes;
    pll.laneCount = t.defaultLanes;
    pll.opBits = t.defaultBits;
    pll.bitDepth = t.defaultBits;
    pll.arrayCols = t.arrayCols;
    pll.arrayRows = t.arrayRows;
    for (int c = 0; c < 2; ++c) {
        CContextParams &p = ctx[c];
        p.maxFps = c == 0 ? defaults.defaultMaxFps : defaults.defaultMaxFpsB;
        p.minFps = qMax(1.0, p.maxFps / 4.0);
        // Context B of a two-context family starts as a half-size preview.
        const int div = (c == 1 && t.contexts() == 2) ? 2 : 1;
        p.cols = t.arrayCols / div;
        p.rows = t.arrayRows / div;
        p.interfaceIndex = t.defaultInterface;
        p.fifo = defaults.defaultFifo;
        p.warnings = 0;
    }
    results.frameRateChoices = splitRates(t.frameRates);
    pll.interfaceModes = interfaceItems(t);
    familyDefaults();
    engineInterfaceUpdate(currentInterfaceIndex());
    resetRegisters();
    engineCalculateAll();
}

void CFamilyCore::engineInterfaceUpdate(int interfaceIndex)
{
    const FamilyTraits &t = *m_traits;
    const QStringList items = interfaceItems(t);
    const int index = items.isEmpty() ? 0 : qBound(0, interfaceIndex, int(items.size()) - 1);
    pll.interfaceModes = items;
    pll.interfaceMode = index;
    const InterfaceInfo info = interfaceInfo(t, index, t.defaultLanes);
    laneChoices.clear();
    bitDepthChoices.clear();
    bitDepthChoicesAlt.clear();
    laneChoicesOdd.clear();
    bitDepthChoicesOdd.clear();
    if (info.kind == LinkKind::Parallel) {
        laneChoices << QStringLiteral("1");
        bitDepthChoices << QStringLiteral("8") << QStringLiteral("10") << QStringLiteral("12");
    } else {
        // Lane index i stands for 2^i lanes; bit-depth index j for 10 + 2j bits.
        laneChoices << QStringLiteral("1") << QStringLiteral("2") << QStringLiteral("4");
        bitDepthChoices << QStringLiteral("10") << QStringLiteral("12") << QStringLiteral("14");
        bitDepthChoicesAlt << QStringLiteral("10") << QStringLiteral("12");
        laneChoicesOdd << QStringLiteral("2") << QStringLiteral("4");
        bitDepthChoicesOdd << QStringLiteral("10") << QStringLiteral("12") << QStringLiteral("14")
                           << QStringLiteral("16");
    }
    familyInterfaceLists(index);
}

void CFamilyCore::familyInterfaceLists(int) {}

void CFamilyCore::engineSetInterface(int lanes, int bits)
{
    m_setLanes = qBound(1, lanes, 16);
    if (m_traits->has(FlagIndexBits)) {
        // A bit-depth index into the family's list.
        const int j = qBound(0, bits, qMax(0, int(bitDepthChoices.size()) - 1));
        bool ok = false;
        const int value = j < bitDepthChoices.size() ? bitDepthChoices.at(j).toInt(&ok) : 0;
        m_setBits = ok && value > 0 ? value : 10 + 2 * j;
    } else {
        m_setBits = qBound(6, bits, 24);
    }
    m_setBits = qMin(m_setBits, m_traits->bitsMax);
    pll.lanes = m_setLanes;
    pll.laneCount = m_setLanes;
    pll.opBits = m_setBits;
    pll.bitDepth = m_setBits;
}

// ---------------------------------------------------------------------------
// PLL step.

void CFamilyCore::enginePll(PllMode pllMode, int interfaceIndex)
{
    const FamilyTraits &t = *m_traits;
    m_pllWarnings = 0;

    // The link: lanes and bits from SetInterface, the op divider request or
    // the interface name, then what the family's options make of it.
    int index = interfaceIndex;
    if (pllMode == PllMode::ByInterface)
        index = currentInterfaceIndex();
    InterfaceInfo info = interfaceInfo(t, index, m_setLanes > 0 ? m_setLanes : qMax(1, pll.lanes));
    if (pllMode == PllMode::Parallel)
        info.kind = LinkKind::Parallel;
    if (pllMode == PllMode::Serial && info.kind == LinkKind::Parallel)
        info.kind = LinkKind::Mipi;
    m_link = LinkState();
    m_link.kind = info.kind;
    m_link.name = info.name;
    m_link.serial = info.kind != LinkKind::Parallel;
    m_link.lanes = m_link.serial ? (m_setLanes > 0 ? m_setLanes : info.lanes) : 1;
    if (m_link.serial && pll.lanes > 1 && m_setLanes == 0 && !info.name.contains(QLatin1Char('-')))
        m_link.lanes = qBound(1, pll.lanes, 16);
    int bits = m_setBits > 0 ? m_setBits : (pll.opBits > 0 ? pll.opBits : t.defaultBits);
    if (t.has(FlagOpDividerRequest) && pll.pllOpDivider > 0)
        bits = pll.pllOpDivider;
    calvex::LinkOptions options;
    options.serial = m_link.serial;
    options.lanes = m_link.lanes;
    options.bits = bits;
    options.laneRateMax = t.laneRateMax;
    familyLink(options);
    m_link.lanes = m_link.serial ? qBound(1, options.lanes, 16) : 1;
    m_link.bits = qBound(6, options.bits, qMax(6, t.bitsMax));
    m_link.laneRateMax = qMax(0.0, finiteOr(options.laneRateMax, t.laneRateMax));
    m_link.lineBuffer = m_link.serial && options.lineBuffer && !t.pll2.present;
    const double load = qBound(1.0, finiteOr(options.load, 1.0), 4.0);
    if (t.has(FlagOpDividerRequest))
        pll.pllOpDivider = m_link.bits;

    PllRequest req;
    req.fin = pll.inputClock;
    req.target = t.has(FlagTargetFromOp) ? pll.targetClock2 : pll.targetClock;
    req.fallbackTarget = t.has(FlagTargetFromOp) ? t.target2Default : t.targetDefault;
    req.n = requestOf(pll.pllN);
    req.m = requestOf(pll.pllM);
    req.vco = pll.vcoRequest;
    for (int k = 0; k < 2; ++k) {
        const DividerSpec &d = t.div[k];
        req.d[k] = (d.field && d.request && pll.*(d.field) > 0) ? pll.*(d.field) : -1;
    }
    req.minFreq = pll.pllUseMinFreq;
    familyPllRequest(req);
    // A request wider than its register field could not be written as it is
    // reported: it is cut to the field, with the warning of its box.
    auto fitField = [this](int &request, int capacity, quint32 warning) {
        if (request > capacity) {
            request = capacity;
            m_pllWarnings |= warning;
        }
    };
    fitField(req.n, m_fieldCap.n, WarnInputClock);
    // (An even multiplier keeps to even values within its field.)
    fitField(req.m, m_limits.mEven ? m_fieldCap.m & ~1 : m_fieldCap.m, WarnVco);
    for (int k = 0; k < 2; ++k)
        fitField(req.d[k], m_fieldCap.d[k], WarnTargetClock);

    const double fin = finiteOr(pll.inputClock, 0.0);
    if (pll.pllBypass) {
        // The input clock drives everything; only its own range is checked.
        m_solution = PllSolution();
        m_solution.n = req.n > 0 ? req.n : m_limits.nMin;
        m_solution.m = req.m > 0 ? req.m : m_limits.mMin;
        m_solution.d[0] = req.d[0] > 0 ? req.d[0] : qMax(1, m_limits.d[0].min);
        m_solution.d[1] = req.d[1] > 0 ? req.d[1] : qMax(1, m_limits.d[1].min);
        const bool usable = usableClock(fin);
        if (!usable || fin < m_limits.finMin || fin > m_limits.finMax)
            m_pllWarnings |= WarnInputClock;
        m_solution.locked = usable;
        m_solution.vco = usable ? fin : 0.0;
        m_solution.out = m_solution.vco;
        m_solution.pfd = m_solution.vco;
    } else {
        m_solution = solvePll(m_limits, req);
        m_pllWarnings |= m_solution.warnings;
    }

    // The pre-divider and multiplier the PLL runs with, as the texts show
    // them (the registers hold their own encodings of them).
    pll.pllN = m_solution.n;
    pll.pllM = m_solution.m;
    for (int k = 0; k < 2; ++k) {
        if (t.div[k].field)
            pll.*(t.div[k].field) = m_solution.d[k];
    }
    pll.vcoClock = m_solution.vco;
    pll.outputClock = m_solution.out;
    pll.systemClock = m_solution.out;
    // An input clock that is not used divides to nothing.
    pll.dividedInputClock = usableClock(fin) && m_solution.n > 0 ? fin / m_solution.n : 0.0;
    switch (t.pixel) {
    case PixelRelation::OutputTimes3:
        pll.pixelClock = 3.0 * m_solution.out;
        break;
    case PixelRelation::VcoOver8:
        pll.pixelClock = m_solution.vco / 8.0;
        break;
    case PixelRelation::Output:
    case PixelRelation::SerialOverDivisor:
        pll.pixelClock = m_solution.out;
        break;
    }

    // Image processors: the word-clock divider, the aux clock and P4/P5.
    if (t.has(FlagAuxClock)) {
        const AuxClockSpec &a = t.aux;
        const double vco = m_solution.vco;
        const int auxDiv = vco > 0.0 ? boundedInt(std::round(vco / a.auxClockMax), 1, 63) : 1;
        pll.pllAuxDiv = auxDiv;
        pll.auxClock = vco / auxDiv;
        const bool p4Free = pll.pllP4 <= 0;
        const bool p5Free = pll.pllP5 <= 0;
        auto smallest = [&](double clockMax) {
            return vco > 0.0 ? boundedInt(std::ceil(vco / clockMax - 1e-9), 1, a.dividerMax) : 1;
        };
        if (p4Free)
            pll.pllP4 = smallest(a.p4ClockMax);
        if (p5Free)
            pll.pllP5 = smallest(a.p5ClockMax);
        // A request beyond the divider's field is cut to it.
        if (pll.pllP4 > a.dividerMax || pll.pllP5 > a.dividerMax)
            m_pllWarnings |= WarnTargetClock;
        pll.pllP4 = qMin(pll.pllP4, a.dividerMax);
        pll.pllP5 = qMin(pll.pllP5, a.dividerMax);
        m_p5Chosen = p5Free;
    }

    // The lane rate the stream needs, and the clock that carries it.
    const double pixelRate =
        finiteOr(pll.pixelClock, 0.0) * qMax(1, t.pixelsPerClock) * qBound(0.0, m_linkScale, 1.0) * load;
    // (A line-buffered link's load follows from the line length: the timing step sets it.)
    m_link.laneLoad = m_link.serial && !m_link.lineBuffer ? qMax(0.0, pixelRate) * m_link.bits / m_link.lanes : 0.0;
    if (t.pll2.present && !pll.pllBypass) {
        // The serial clock from the second PLL.
        PllLimits l2 = m_limits;
        l2.nMin = t.pll2.nMin;
        l2.nMax = t.pll2.nMax;
        l2.mMin = t.pll2.mMin;
        l2.mMax = t.pll2.mMax;
        l2.mEven = false;
        l2.vcoMin = t.pll2.vcoMin;
        l2.vcoMax = t.pll2.vcoMax;
        l2.d[0] = l2.d[1] = DividerRange();
        l2.outMax = t.pll2.vcoMax;
        PllRequest r2;
        r2.fin = pll.inputClock;
        const double required = qMax(0.0, pixelRate) * m_link.bits / m_link.lanes;
        const double bitsPerClock = qMax(1.0, t.pll2.laneBitsPerClock);
        const bool requested = pll.pllVco2 > 0.0 && std::isfinite(pll.pllVco2);
        r2.target = requested ? pll.pllVco2 : qMax(required / bitsPerClock, t.pll2.vcoMin);
        // A requested second VCO is met, like the first, by the nearest legal
        // multiplier.
        if (requested)
            r2.vco = pll.pllVco2;
        r2.fallbackTarget = t.pll2.vcoMin;
        r2.atLeast = !requested;
        r2.n = pll.pllN2 > 0 ? pll.pllN2 : -1;
        r2.m = pll.pllM2 > 0 ? pll.pllM2 : -1;
        fitField(r2.n, m_fieldCap.n2, WarnVco2);
        fitField(r2.m, m_fieldCap.m2, WarnVco2);
        r2.minFreq = true;
        m_solution2 = solvePll(l2, r2);
        quint32 w2 = 0;
        if (!m_solution2.locked)
            w2 |= WarnPll2Lock;
        // A free second VCO only has to carry the stream; a requested one must
        // be in range and met.
        if (m_solution2.warnings & WarnVco)
            w2 |= WarnVco2;
        m_link.laneRate = m_solution2.vco * bitsPerClock;
        if (m_link.laneRate < required - 1e-6 || m_link.laneRate > m_link.laneRateMax + 1e-6)
            w2 |= WarnVco2;
        m_pllWarnings |= w2 | (m_solution2.warnings & WarnInputClock);
        pll.pllN2 = m_solution2.n;
        pll.pllM2 = m_solution2.m;
        pll.vcoClock2 = m_solution2.vco;
        pll.serialClock = m_link.laneRate;
        pll.opPixClock = m_link.laneRate / m_link.bits;
    } else {
        if (t.pll2.present) {
            // Bypassed, the second PLL passes the input clock on; its
            // dividers keep their requests (or 1), as its rows are written.
            int n2 = pll.pllN2 > 0 ? pll.pllN2 : 1;
            int m2 = pll.pllM2 > 0 ? pll.pllM2 : 1;
            fitField(n2, m_fieldCap.n2, WarnVco2);
            fitField(m2, m_fieldCap.m2, WarnVco2);
            m_solution2 = PllSolution();
            m_solution2.n = n2;
            m_solution2.m = m2;
            m_solution2.vco = m_solution.vco;
            pll.pllN2 = n2;
            pll.pllM2 = m2;
        } else {
            reportIdleSecondPll();
        }
        pll.vcoClock2 = t.pll2.present ? m_solution.vco : 0.0;
        if (m_link.serial) {
            const LinkSolution link =
                solveLink(m_solution.vco, m_link.lineBuffer ? 0.0 : pixelRate, m_link.lanes, m_link.bits,
                          m_link.laneRateMax, t.opSysMax, options.oddOpSysDiv, options.fastest || m_link.lineBuffer);
            m_link.laneRate = link.laneRate;
            m_link.opSysDiv = link.opSysDiv;
            pll.serialClock = link.laneRate;
            pll.opPixClock = link.opPixClock;
            if (!link.ok && !pll.pllBypass)
                m_pllWarnings |= (t.extraBits & WarnOutputRate) ? WarnOutputRate : WarnTargetClock;
        } else {
            m_link.laneRate = pixelRate;
            pll.serialClock = pll.pixelClock;
            pll.opPixClock = pll.pixelClock;
        }
    }
    // The lanes used are reported apart from the lanes requested, so that a
    // parallel calculation (one lane) does not become the next request.
    pll.laneCount = m_link.lanes;
    if (!m_bitDepthIsCapability)
        pll.bitDepth = m_link.bits;
    pll.interfaceMode = qBound(0, index, qMax(0, int(interfaceItems(t).size()) - 1));

    if (t.has(FlagAuxClock)) {
        const AuxClockSpec &a = t.aux;
        const bool wcdFree = !wcdRequested();
        if (wcdFree) {
            pll.pllWcd = qBound(a.wcdMin, (m_link.bits - a.wcdBase) / qMax(1, a.wcdStep), a.wcdMax);
        } else if (pll.pllWcd < a.wcdMin || pll.pllWcd > a.wcdMax) {
            // A request beyond the divider's values is cut to them.
            pll.pllWcd = qBound(a.wcdMin, pll.pllWcd, a.wcdMax);
            m_pllWarnings |= WarnTargetClock;
        }
    }

    familyPll();
    m_pllWarnings &= ownedBits() | kPllBitsAll;
}

// ---------------------------------------------------------------------------
// Timing step.

void CFamilyCore::readoutFactors(int context, int *xFactor, int *yFactor, QString *name) const
{
    readoutFactorsOf(ctx[safeContext(context)], xFactor, yFactor, name);
}

void CFamilyCore::readoutFactorsOf(const CContextParams &p, int *xFactor, int *yFactor, QString *name)
{
    const int skipX = factorOf(p.skipping, 16);
    const int skipY = p.skippingY >= 2 ? factorOf(p.skippingY, 16) : skipX;
    const int bin = p.binning >= 1 ? (p.binning == 1 ? 2 : qMin(p.binning, 4)) : 1;
    const int binX = p.binXOnly >= 1 ? (p.binXOnly == 1 ? 2 : qMin(p.binXOnly, 4)) : 1;
    const int b2s2 = p.bin2Skip2 >= 1 ? 2 : 1;
    *xFactor = qMax(qMax(skipX, bin), qMax(binX, b2s2));
    *yFactor = qMax(qMax(skipY, bin), b2s2);
    QStringList parts;
    if (bin > 1)
        parts << QStringLiteral("Bin %1x%1").arg(bin);
    if (binX > 1)
        parts << QStringLiteral("Column bin %1").arg(binX);
    if (b2s2 > 1)
        parts << QStringLiteral("Bin 2 skip 2");
    if (skipX > 1 || skipY > 1)
        parts << QStringLiteral("Skip %1x%2").arg(skipX).arg(skipY);
    *name = parts.isEmpty() ? QStringLiteral("Normal") : parts.join(QStringLiteral(", "));
}

void CFamilyCore::familyTimingInput(int, TimingInput &) const {}

TimingLimits CFamilyCore::timingLimits(int context) const
{
    const FamilyTraits &t = *m_traits;
    const int c = safeContext(context);
    TimingLimits lim;
    lim.arrayCols = t.arrayCols;
    lim.arrayRows = t.arrayRows;
    lim.pixelsPerClock = t.pixelsPerClock;
    lim.minHBlank = t.minHBlank;
    lim.minVBlank = t.minVBlank;
    lim.maxLineLength = t.maxLineLength;
    lim.maxFrameLength = t.maxFrameLength;
    lim.integrationMargin = t.integrationMargin;
    lim.maxFpsAbs = t.maxFpsAbs;
    lim.lineLengthStep = m_lineLengthStep;
    familyTimingLimits(lim);
    lim.arrayCols = qMin(lim.arrayCols, m_addressCols[c]);
    lim.arrayRows = qMin(lim.arrayRows, m_addressRows[c]);
    lim.maxLineLength = qMin(lim.maxLineLength, m_lineLengthMax[c]);
    lim.maxFrameLength = qMin(lim.maxFrameLength, m_frameLengthMax[c]);
    lim.maxHBlank = m_hBlankMax[c];
    lim.maxVBlank = m_vBlankMax[c];
    return lim;
}

TimingInput CFamilyCore::timingInput(int context, bool keepFrame, bool extendForIntegration, bool fromUseCase) const
{
    const int c = safeContext(context);
    const CContextParams &p = ctx[c];
    TimingInput in;
    in.pixelClock = pll.pixelClock;
    in.cols = p.cols;
    in.rows = p.rows;
    QString readName;
    readoutFactors(c, &in.xFactor, &in.yFactor, &readName);
    // A read-out factor context B programs through context A's register is A's.
    if (c == 1 && (m_shared.xOddInc || m_shared.yOddInc)) {
        int xa = 1, ya = 1;
        readoutFactors(0, &xa, &ya, &readName);
        if (m_shared.xOddInc)
            in.xFactor = xa;
        if (m_shared.yOddInc)
            in.yFactor = ya;
    }
    in.useFov = p.useFov;
    in.fovCols = p.fovCols;
    in.fovRows = p.fovRows;
    in.blankType = p.blankType;
    in.userHBlank = p.userHBlank;
    in.userVBlank = p.userVBlank;
    in.maxFps = p.maxFps;
    in.variableFps = p.variableFps;
    // A use-case calculation takes the use case's integration time, or the
    // longest the frame allows when the use case gives none.
    in.intgTime = p.intgTime;
    in.extendForIntegration = extendForIntegration && !fromUseCase;
    in.exposures = 1;
    if (m_link.lineBuffer && m_link.laneRate > 0.0 && pll.pixelClock > 0.0) {
        in.linkBitsPerClock = m_link.laneRate * m_link.lanes / pll.pixelClock;
        in.linkPixelBits = m_link.bits;
    }
    if (keepFrame && m_cs[c].valid)
        in.fixedFrameLength = m_cs[c].t.frameLength;
    familyTimingInput(c, in);
    return in;
}

int CFamilyCore::sharedLineLength() const
{
    // Context A sets the line length it needs; context B only lengthens it
    // where its own read-out needs more. Each context then reaches its frame
    // rate through its own frame length. Both follow from the inputs of the
    // contexts' last calculations alone, so the order in which the contexts
    // were calculated does not change the line.
    const TimingResult a = computeTiming(timingLimits(0), timingInput(0, false, true, false));
    const TimingResult b = computeTiming(timingLimits(1), timingInput(1, false, true, false));
    return qMax(a.lineLength, b.minLineLength);
}

bool CFamilyCore::sharesTimingRows() const
{
    return m_shared.lineLength || m_shared.xOddInc || m_shared.yOddInc;
}

TimingResult CFamilyCore::contextTiming(int context) const
{
    const ContextState &cs = m_cs[context];
    const TimingLimits lim = timingLimits(context);
    TimingInput in = timingInput(context, cs.keepFrame, cs.extendForIntegration, cs.fromUseCase);
    if (!m_shared.lineLength)
        return computeTiming(lim, in);
    // One line-length register for both contexts: both run the shared length,
    // and a user horizontal blanking that it overrides is reported.
    const int own = computeTiming(lim, in).lineLength;
    in.fixedLineLength = sharedLineLength();
    TimingResult t = computeTiming(lim, in);
    if (in.blankType == 3 && own != in.fixedLineLength)
        t.warnings |= WarnUserBlank;
    return t;
}

void CFamilyCore::engineTiming(int context, bool keepFrame, bool extendForIntegration, bool fromUseCase)
{
    if (!validContext(context))
        return;
    m_lastContext = context;
    ContextState &cs = m_cs[context];
    cs.keepFrame = keepFrame;
    cs.extendForIntegration = extendForIntegration;
    cs.fromUseCase = fromUseCase;
    familyContextInputs(context);
    // The other context first, so that what a timing step leaves behind (the
    // geometry, the link's load) is this context's.
    if (sharesTimingRows())
        retimeOtherContext(context);
    timeContext(context);
}

void CFamilyCore::retimeOtherContext(int context)
{
    const int other = 1 - context;
    ContextState &o = m_cs[other];
    if (!o.valid)
        return;
    // A register both contexts program may now hold another value than the
    // other context's timing shows: its timing follows again from its own
    // inputs (its frame rate through its own frame length), and where that
    // changed what it shows, so do its texts and its warning word.
    const TimingResult shown = o.t;
    timeContext(other);
    if (!sameTiming(shown, o.t))
        engineResults(other);
}

void CFamilyCore::timeContext(int context)
{
    const FamilyTraits &t = *m_traits;
    const CContextParams &p = ctx[context];
    // Linear operation follows the context's inputs on every timing step: a
    // context with neither HDR nor combination mode is linear, any other is
    // not, whatever an earlier calculation left in the flag.
    if (auto *h = dynamic_cast<HdrRowFields *>(this))
        h->linearMode = p.hdrMode == 0 && p.combi == 0;

    ContextState &cs = m_cs[context];
    cs.t = contextTiming(context);
    cs.warnings = cs.t.warnings;
    if (m_link.lineBuffer) {
        // What the lanes carry of a line over the line time; a line the
        // longest one cannot carry is the target clock's fault.
        const double lineUs = pll.pixelClock > 0.0 ? cs.t.lineLength / pll.pixelClock : 0.0;
        m_link.laneLoad = lineUs > 0.0 ? double(cs.t.outCols) * m_link.bits / lineUs / m_link.lanes : 0.0;
        if (cs.t.linkOverrun)
            cs.warnings |= WarnTargetClock;
    }
    cs.valid = true;

    CModeState &m = mode[context];
    m.outputCols = cs.t.outCols;
    m.outputRows = cs.t.outRows;
    m.fovCols = cs.t.fovCols;
    m.fovRows = cs.t.fovRows;
    m.colSkip = cs.t.xFactor;
    m.rowSkip = cs.t.yFactor;
    m.binning = p.binning >= 1 ? 2 : 1;
    m.skipFactor = qMax(cs.t.xFactor, cs.t.yFactor);
    m.binXOnly = p.binXOnly;
    m.bin2Skip2 = p.bin2Skip2;
    m.binSF = p.binSF;
    m.lowPower = p.lowPower;
    m.cropping = p.cropping;
    m.aspectRatio = p.aspectRatio;
    m.coreCols = t.arrayCols;
    m.coreRows = t.arrayRows;
    m.cropCols = cs.t.fovCols;
    m.cropRows = cs.t.fovRows;
    m.fovXMin = 0;
    m.fovYMin = 0;
    m.fovXMax = qMax(0, t.arrayCols - cs.t.fovCols);
    m.fovYMax = qMax(0, t.arrayRows - cs.t.fovRows);

    if (t.has(FlagWriteBackIntg))
        ctx[context].intgTime = cs.t.intgTimeMs;

    results.timingGeometry = timingGeometry(context);

    mirrorPanelOptions();
    familyTiming(context);
}

CTimingGeometry CFamilyCore::timingGeometry(int context) const
{
    const TimingResult &t = timing(context);
    CTimingGeometry g;
    g.xFactor = t.xFactor;
    g.yFactor = t.yFactor;
    g.fovWidth = t.fovCols;
    g.fovHeight = t.fovRows;
    g.outputWidth = t.outCols;
    g.outputHeight = t.outRows;
    g.hBlank = t.hBlank;
    g.vBlank = t.vBlank;
    g.frameHeight = t.frameLength;
    g.frameWidth = t.lineLength;
    return g;
}

void CFamilyCore::mirrorPanelOptions()
{
    if (const DarkRowOptions *d = darkRowOptions()) {
        pll.darkRows = d->darkRows ? 1 : 0;
        pll.darkColumns = d->darkCols ? 1 : 0;
        pll.atrRows = d->atrRows ? 1 : 0;
        pll.dtrRows = d->dtrRows ? 1 : 0;
    }
    if (const HdrRowFields *h = hdrRowFields()) {
        pll.embedDataRows = h->embedDataRows;
        pll.statsDataRows = h->statsDataRows;
        pll.topDigitalRows = h->topDigitalRows;
        pll.botAnalogRows = h->botAnalogRows;
    }
}

void CFamilyCore::parallelOutputClock(double target)
{
    const double vco = finiteOr(pll.vcoClock, 0.0);
    const double pixelRate = finiteOr(pll.pixelClock, 0.0) * qMax(1, m_traits->pixelsPerClock);
    if (m_link.serial || pll.pllBypass || !(vco > 0.0) || !(target > 0.0) || !std::isfinite(target))
        return;
    int best = 0;
    for (int d = 1; d <= qMax(1, m_traits->opSysMax); ++d) {
        const double clock = vco / d;
        if (clock < pixelRate - 1e-9)
            break;
        if (best == 0 || std::fabs(clock - target) < std::fabs(vco / best - target) - 1e-9)
            best = d;
    }
    if (best == 0)
        return;
    m_link.opSysDiv = best;
    m_link.laneRate = vco / best;
    pll.opPixClock = m_link.laneRate;
    pll.serialClock = m_link.laneRate;
}

bool CFamilyCore::wcdRequested() const
{
    return pll.pllWcd >= 0;
}

// ---------------------------------------------------------------------------
// Warnings, texts and registers.

void CFamilyCore::publishWarnings(int context)
{
    const quint32 owned = ownedBits();
    const quint32 pllOwned = owned & kPllBitsAll;
    for (int c = 0; c < 2; ++c) {
        if (c == context)
            ctx[c].warnings = mergeWarnings(ctx[c].warnings, owned, m_pllWarnings | m_cs[c].warnings);
        else
            ctx[c].warnings = mergeWarnings(ctx[c].warnings, pllOwned, m_pllWarnings);
    }
}

void CFamilyCore::familyTexts(int, PllTextInfo &, ContextTextInfo &) const {}

void CFamilyCore::engineResults(int context)
{
    if (!validContext(context))
        return;
    const FamilyTraits &t = *m_traits;
    if (!m_cs[context].valid)
        engineTiming(context, false, true, false);
    publishWarnings(context);

    PllTextInfo pi;
    pi.bypass = pll.pllBypass;
    pi.locked = m_solution.locked;
    pi.inputClock = pll.inputClock;
    pi.n = m_solution.n;
    pi.m = m_solution.m;
    pi.vco = pll.vcoClock;
    for (int k = 0; k < 2; ++k) {
        if (!t.div[k].field)
            continue;
        QString name;
        if (t.layout == Layout::Sensor)
            name = k == 0 ? QStringLiteral("P1 (vt_sys_div)") : QStringLiteral("P2 (vt_pix_div)");
        else
            name = QStringLiteral("P (output divider)");
        pi.dividers.append({name, m_solution.d[k]});
    }
    if (t.has(FlagAuxClock)) {
        pi.dividers.append({QStringLiteral("P4"), pll.pllP4});
        pi.dividers.append({QStringLiteral("P5"), pll.pllP5});
        pi.dividers.append({QStringLiteral("WCD"), pll.pllWcd});
        pi.extra << QStringLiteral("Aux clock: %1 MHz (divider %2)").arg(num(pll.auxClock)).arg(pll.pllAuxDiv);
    }
    if (m_link.serial && !t.pll2.present)
        pi.dividers.append({QStringLiteral("Op sys divider"), m_link.opSysDiv});
    pi.outputClock = pll.outputClock;
    pi.outputName = t.layout == Layout::Sensor ? QStringLiteral("Output clock") : QStringLiteral("System clock");
    pi.pixelClock = pll.pixelClock;
    pi.hasPll2 = t.pll2.present;
    pi.n2 = pll.pllN2;
    pi.m2 = pll.pllM2;
    pi.vco2 = pll.vcoClock2;
    pi.interfaceName = m_link.name;
    pi.serial = m_link.serial;
    pi.lanes = m_link.lanes;
    pi.bits = m_link.bits;
    pi.laneRate = m_link.laneRate;
    pi.laneLoad = m_link.laneLoad;

    ContextTextInfo ci;
    if (t.contexts() == 2)
        ci.contextName = context == 0 ? QStringLiteral("Context A") : QStringLiteral("Context B");
    int xf = 1, yf = 1;
    readoutFactors(context, &xf, &yf, &ci.readMode);
    // Context B reads its columns (or rows) as A does where it shares A's register.
    const TimingResult &shown = m_cs[context].t;
    if (context == 1 && ((m_shared.xOddInc && shown.xFactor != xf) || (m_shared.yOddInc && shown.yFactor != yf)))
        ci.readMode += QStringLiteral(" (read-out of context A)");
    ci.requestedFps = ctx[context].maxFps;
    familyTexts(context, pi, ci);

    results.pllDisplayText = buildPllText(pi);
    results.contextDisplayText[context] = buildContextText(m_cs[context].t, ci);
    results.contextPresetText[context] = buildContextPresetText(m_cs[context].t, ci);
}

bool CFamilyCore::familyRegister(int, const RegRow &, quint32 *) const
{
    return false;
}

void CFamilyCore::engineRegisters()
{
    if (!m_table)
        return;
    if (!m_bound)
        bindRegisters();
    RegisterSources src;
    src.n = m_solution.n;
    src.m = m_solution.m;
    src.d0 = m_solution.d[0];
    src.d1 = m_solution.d[1];
    src.opSysDiv = m_link.opSysDiv;
    src.opPixDiv = m_link.bits;
    src.bits = m_link.bits;
    src.n2 = qMax(1, pll.pllN2);
    src.m2 = qMax(1, pll.pllM2);
    src.p4 = qMax(1, pll.pllP4);
    src.p5 = qMax(1, pll.pllP5);
    src.p6 = 1;
    src.vcoRange = qBound(0, pll.phyCd, 3);
    src.bypass = pll.pllBypass;
    src.pixelClock = finiteOr(pll.pixelClock, 0.0);
    src.inputClock = finiteOr(pll.inputClock, 0.0);
    src.opPixClock = finiteOr(pll.opPixClock, 0.0);
    src.mipi = m_link.serial && m_link.kind == LinkKind::Mipi;
    src.laneRate = finiteOr(m_link.laneRate, 0.0);
    src.lanes = m_link.lanes;
    src.mipiCont = pll.mipiCont;
    if (const DarkRowOptions *d = darkRowOptions()) {
        src.hasDarkOptions = true;
        src.darkRows = d->darkRows;
        src.darkCols = d->darkCols;
        src.atrRows = d->atrRows;
        src.dtrRows = d->dtrRows;
    }
    if (const HdrRowFields *h = hdrRowFields()) {
        src.hasEmbedRows = true;
        src.embedDataRows = h->embedDataRows;
        src.statsDataRows = h->statsDataRows;
        src.lfm = h->lfmMode;
    }
    for (int c = 0; c < 2; ++c) {
        if (!m_cs[c].valid)
            engineTiming(c, false, true, false);
        RegisterSources::Context &rc = src.ctx[c];
        rc.t = m_cs[c].t;
        rc.mirror = ctx[c].mirror;
        rc.flip = ctx[c].flip;
        rc.binX = ctx[c].binning >= 1 || ctx[c].binXOnly >= 1;
        rc.binY = ctx[c].binning >= 1;
        rc.maxFps = ctx[c].maxFps;
        rc.minFps = ctx[c].variableFps ? ctx[c].minFps : 0.0;
        rc.scaleM = qBound(1, ctx[c].scaleM, 255);
        rc.lineInterleave = ctx[c].lineInterleave > 0;
        rc.lineCombo = ctx[c].lineComboMode > 0;
        rc.lfm = ctx[c].lfmMode > 0;
    }
    for (int i = 0; i < m_table->count && i < int(m_regStore.size()) && i < int(m_rows.size()); ++i) {
        const RegRow &row = m_table->rows[i];
        const RowBinding &b = m_rows[size_t(i)];
        quint32 value = m_rowDefaults[size_t(i)];
        if (b.familyRole > 0 && familyRegister(b.familyRole, row, &value)) {
            m_regStore[size_t(i)] = value;
            continue;
        }
        value = m_rowDefaults[size_t(i)];
        if (b.generic.role != RegRole::None && roleValue(b.generic, row, src, &value))
            m_regStore[size_t(i)] = value;
        else
            m_regStore[size_t(i)] = m_rowDefaults[size_t(i)];
    }
    results.registerValues = m_regStore.empty() ? nullptr : m_regStore.data();
}

void CFamilyCore::familyPllRequest(PllRequest &) {}

void CFamilyCore::engineCalculateAll()
{
    enginePll(PllMode::ByInterface, currentInterfaceIndex());
    const int contexts = 2;
    for (int c = contexts - 1; c >= 0; --c) {
        engineTiming(c, false, true, false);
        engineResults(c);
    }
    engineRegisters();
}

// ---------------------------------------------------------------------------
// Classic families.

CFamilyBase::CFamilyBase(int typeCode) : CFamilyCore(typeCode) {}
CFamilyBase::~CFamilyBase() = default;

void CFamilyBase::InitDefaults(QString configPath)
{
    Call call(this, "InitDefaults");
    engineInitDefaults(configPath);
}

void CFamilyBase::PllUpdate()
{
    Call call(this, "PllUpdate");
    enginePll(PllMode::ByInterface, currentInterfaceIndex());
}

void CFamilyBase::TimingUpdate(int context, bool keepFrame, bool extendForIntegration)
{
    Call call(this, "TimingUpdate", {context, keepFrame, extendForIntegration});
    engineTiming(context, keepFrame, extendForIntegration, false);
}

void CFamilyBase::ResultsUpdate(int context)
{
    Call call(this, "ResultsUpdate", {context});
    engineResults(context);
}

void CFamilyBase::RegisterUpdate(int context)
{
    Call call(this, "RegisterUpdate", {context});
    if (!validContext(context))
        return;
    engineRegisters();
}

void CFamilyBase::InterfaceUpdate(int interfaceIndex)
{
    Call call(this, "InterfaceUpdate", {interfaceIndex});
    engineInterfaceUpdate(interfaceIndex);
}

void CFamilyBase::SetInterface(int lanes, int bits)
{
    Call call(this, "SetInterface", {lanes, bits});
    engineSetInterface(lanes, bits);
}

void CFamilyBase::SetSerialPLL(int interfaceIndex)
{
    Call call(this, "SetSerialPLL", {interfaceIndex});
    enginePll(PllMode::Serial, interfaceIndex);
}

void CFamilyBase::SetParallelPLL()
{
    Call call(this, "SetParallelPLL");
    enginePll(PllMode::Parallel, 0);
}

void CFamilyBase::SetModePLL(int interfaceIndex)
{
    Call call(this, "SetModePLL", {interfaceIndex});
    const bool parallel = !m_traits->has(FlagSerialAlways) && interfaceIndex <= 0;
    enginePll(parallel ? PllMode::Parallel : PllMode::Serial, interfaceIndex);
}

void CFamilyBase::UseCaseTiming(int context, bool keepFrame, bool extendForIntegration)
{
    Call call(this, "UseCaseTiming", {context, keepFrame, extendForIntegration});
    engineTiming(context, keepFrame, extendForIntegration, true);
}

void CFamilyBase::SetRevDefaults(int revision)
{
    Call call(this, "SetRevDefaults", {revision});
    familyRevision(revision);
}

// ---------------------------------------------------------------------------
// Form-based and plain families.

CFormFamily::CFormFamily(int typeCode) : CFamilyCore(typeCode) {}
CFormFamily::~CFormFamily() = default;

void CFormFamily::InitDefaults(QString configPath)
{
    Call call(this, "InitDefaults");
    engineInitDefaults(configPath);
}

int CFormFamily::blankTypeFromText() const
{
    const QString text = blankTypeText.toLower();
    if (text.contains(QLatin1String("user")) && text.contains(QLatin1String("vert")))
        return 2;
    if (text.contains(QLatin1String("user")))
        return 3;
    if (text.contains(QLatin1String("vert")))
        return 1;
    return ctx[0].blankType;
}

void CFormFamily::formTiming(double pixelClock)
{
    pll.pixelClock = pixelClock;
    engineTiming(0, false, true, false);
    engineResults(0);
    engineRegisters();
}

CPlainFamily::CPlainFamily(int typeCode) : CFamilyCore(typeCode) {}
CPlainFamily::~CPlainFamily() = default;

void CPlainFamily::InitDefaults(QString configPath)
{
    Call call(this, "InitDefaults");
    engineInitDefaults(configPath);
}

void CPlainFamily::RegisterUpdate(int context)
{
    Call call(this, "RegisterUpdate", {context});
    if (!validContext(context))
        return;
    engineRegisters();
}

void CPlainFamily::SetResults(int context)
{
    Call call(this, "SetResults", {context});
    engineResults(context);
}
