// The classic families stay within the limits of docs/calculation-library.md.
// The limits are written out here as this test's own table, never read from
// the traits table: a wrong entry there (a doubled VCO or lane-rate maximum)
// would otherwise pass every test that takes its bounds from the same entry.
// Each family is swept over input clocks inside its documented range, target
// clocks, every interface and a set of lane and bit choices, with every
// request free; the chosen setting must then be within the limits.
#include "engine/pll.h"
#include "familyrunner.h"

#include <QRegularExpression>
#include <QtTest>

#include <cmath>

using namespace calvex;

namespace {

using P = CPllParams;

struct RangeD {
    double min, max;
};

struct RangeI {
    int min, max;
};

// An output divider: the field that reports it, its range and whether only
// 1 and even values are allowed. No field: the family has no such divider.
struct Div {
    qint32 CPllParams::*field;
    int min, max;
    bool evenAboveOne;
};

// The second PLL; n.max == 0: the family has none. Each lane carries
// bitsPerClock bits per cycle of its VCO.
struct Pll2 {
    RangeI n, m;
    RangeD vco;
    double bitsPerClock;
};

struct Limits {
    int code;
    RangeD fin, pfd;
    RangeI n, m;
    bool mEven;
    RangeD vco;
    Div d[2];
    double outMax;
    Pll2 pll2;
    double laneMax; // Mbps
    int opSysMax;
    int bitsMax;
};

const Div kNone = {nullptr, 1, 1, false};
const Div kP = {&P::pllP, 1, 16, false};
const Div kP1 = {&P::pllP1, 1, 16, true};
const Div kP1To15 = {&P::pllP1, 1, 15, true};
const Div kP2 = {&P::pllP, 2, 16, false};
const Div kP2To15 = {&P::pllP, 2, 15, false};
const Div kP4 = {&P::pllP4, 1, 16, true};
const Div kP5From2 = {&P::pllP5, 2, 16, false};
const Div kP5From4 = {&P::pllP5, 4, 16, false};
const Pll2 kNoPll2 = {{0, 0}, {0, 0}, {0.0, 0.0}, 1.0};
const Pll2 kPll2 = {{1, 63}, {16, 255}, {400.0, 1500.0}, 1.0};
const Pll2 kPll2DoubleDataRate = {{1, 63}, {16, 255}, {200.0, 750.0}, 2.0};

// The "Family limits" table of docs/calculation-library.md, classic families.
const Limits kLimits[] = {
    // Image processors with integrated VGA sensors.
    {1, {6, 54}, {2, 27}, {1, 64}, {16, 255}, false, {160, 800}, {kP, kNone}, 40, kNoPll2, 1000, 16, 24},
    {3, {6, 54}, {2, 27}, {1, 64}, {16, 255}, false, {160, 800}, {kP, kNone}, 40, kNoPll2, 1000, 16, 24},
    {10, {6, 54}, {2, 27}, {1, 64}, {16, 255}, false, {160, 800}, {kP, kNone}, 40, kNoPll2, 1000, 16, 24},
    {12, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 768}, {kP4, kP5From2}, 200, kNoPll2, 1000, 16, 24},
    {13, {6, 54}, {2, 27}, {1, 64}, {16, 255}, false, {300, 800}, {kP, kNone}, 96, kNoPll2, 1000, 16, 24},
    {14, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 768}, {kP1, kP5From4}, 200, kNoPll2, 1000, 16, 24},
    {16, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 768}, {kP1, kP5From4}, 200, kNoPll2, 1000, 16, 24},
    {17, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 768}, {kP1, kP5From4}, 200, kNoPll2, 1000, 16, 24},
    {18, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 768}, {kP1, kP5From4}, 200, kNoPll2, 1000, 16, 24},
    {20, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 768}, {kP1, kP5From4}, 200, kNoPll2, 1000, 16, 24},
    {21, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 768}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {22, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 768}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {25, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 800}, {kP1, kP2To15}, 200, kNoPll2, 1000, 16, 24},
    {26, {6, 54}, {2, 27}, {1, 64}, {16, 255}, false, {300, 900}, {kP, kNone}, 160, kNoPll2, 1000, 16, 24},
    {27, {6, 54}, {2, 27}, {1, 64}, {16, 255}, false, {300, 900}, {kP, kNone}, 160, kNoPll2, 1000, 16, 24},
    {28, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 768}, {kP1, kP2}, 200, kNoPll2, 700, 16, 24},
    {30, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 768}, {kP1, kP2}, 200, kNoPll2, 800, 16, 24},
    {31, {6, 54}, {2, 27}, {1, 64}, {16, 255}, false, {300, 900}, {kP, kNone}, 160, kNoPll2, 1000, 16, 24},
    {32, {6, 64}, {2, 24}, {1, 63}, {16, 127}, false, {200, 600}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {34, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {400, 1000}, {kP1, kP2To15}, 200, kNoPll2, 1000, 16, 24},
    {37, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {600, 1000}, {kP1, kP2}, 200, kNoPll2, 1500, 16, 24},
    {41, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {600, 1000}, {kP1, kP2}, 200, kNoPll2, 1500, 16, 24},
    {42, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {700, 1200}, {kP1, kP2}, 200, kNoPll2, 1500, 16, 24},
    {44, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {700, 1200}, {kP1, kP2}, 200, kNoPll2, 1500, 16, 24},
    {49, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {700, 1200}, {kP1, kP2}, 200, kPll2, 1500, 16, 24},
    {51, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {700, 1200}, {kP1, kP2}, 200, kPll2, 1500, 16, 24},
    {52, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {700, 1200}, {kP1, kP2}, 200, kPll2DoubleDataRate, 1500, 16, 24},
    {53, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {600, 1000}, {kP1, kP2}, 200, kNoPll2, 1500, 16, 24},
    // Bridges: M even, reported as M / 2.
    {54, {6, 54}, {2, 27}, {1, 64}, {16, 254}, true, {400, 800}, {kP, kNone}, 160, kNoPll2, 700, 16, 24},
    {55, {6, 54}, {2, 27}, {1, 64}, {16, 254}, true, {400, 800}, {kP, kNone}, 160, kNoPll2, 700, 16, 24},
    {56, {6, 54}, {2, 27}, {1, 64}, {16, 254}, true, {400, 800}, {kP, kNone}, 160, kNoPll2, 700, 16, 24},
    {57, {6, 54}, {2, 27}, {1, 64}, {16, 254}, true, {400, 800}, {kP, kNone}, 160, kNoPll2, 700, 16, 24},
    {58, {6, 54}, {2, 27}, {1, 64}, {16, 254}, true, {400, 800}, {kP, kNone}, 160, kNoPll2, 700, 16, 24},
    {59, {6, 54}, {2, 27}, {1, 64}, {16, 255}, false, {128, 640}, {kP, kNone}, 96, kNoPll2, 1000, 16, 24},
    {60, {6, 54}, {2, 27}, {1, 64}, {16, 255}, false, {300, 800}, {kP, kNone}, 96, kNoPll2, 1000, 16, 24},
    {61, {6, 54}, {2, 27}, {1, 64}, {16, 255}, false, {300, 800}, {kP, kNone}, 96, kNoPll2, 1000, 16, 24},
    {67, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {600, 1000}, {kP1, kP2}, 200, kNoPll2, 1500, 16, 24},
    {69, {6, 54}, {2, 27}, {1, 64}, {16, 255}, false, {300, 800}, {kP, kNone}, 96, kNoPll2, 1000, 16, 24},
    {70, {6, 54}, {2, 27}, {1, 64}, {16, 255}, false, {300, 800}, {kP, kNone}, 96, kNoPll2, 1000, 16, 24},
    {71, {6, 54}, {2, 27}, {1, 64}, {16, 255}, false, {300, 800}, {kP, kNone}, 96, kNoPll2, 1000, 16, 24},
    {72, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 900}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {75, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 1000}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {77, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 900}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    // Narrower PLL registers: N 5 bits, M 7 bits, dividers 4 bits.
    {80, {6, 64}, {2, 24}, {1, 31}, {16, 127}, false, {600, 1000}, {kP1To15, kP2To15}, 200, kNoPll2, 1500, 15, 14},
    {81, {6, 64}, {2, 24}, {1, 31}, {16, 127}, false, {600, 1000}, {kP1To15, kP2To15}, 200, kNoPll2, 1500, 15, 14},
    {82, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {600, 1000}, {kP1, kP2}, 200, kNoPll2, 1500, 16, 24},
    {83, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 900}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {84, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 900}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {85, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 900}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {87, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 900}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {89, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 900}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {90, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {600, 1200}, {kP1, kP2}, 200, kPll2, 1500, 16, 24},
    {92, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 900}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {93, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 900}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {94, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 900}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {95, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {700, 1200}, {kP1, kP2}, 200, kPll2, 1500, 16, 12},
    {99, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {600, 1200}, {kP1, kP2}, 200, kNoPll2, 1500, 16, 24},
    {102, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 1000}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {103, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 900}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {110, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 1000}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {111, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 1000}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
    {112, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {400, 800}, {kP1, kP2}, 200, kPll2, 1500, 16, 24},
    {113, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {400, 800}, {kP1, kP2}, 200, kPll2, 1500, 16, 24},
    {115, {6, 64}, {2, 24}, {1, 63}, {16, 255}, false, {384, 1000}, {kP1, kP2}, 200, kNoPll2, 1000, 16, 24},
};

const Limits *documented(int code)
{
    for (const Limits &l : kLimits) {
        if (l.code == code)
            return &l;
    }
    return nullptr;
}

// Relative slack for values computed in floating point (PFD, VCO).
bool within(double v, const RangeD &r)
{
    const double eps = 1e-9 * qMax(1.0, std::fabs(v));
    return v >= r.min - eps && v <= r.max + eps;
}

bool within(int v, const RangeI &r)
{
    return v >= r.min && v <= r.max;
}

bool dividerAllowed(const Div &d, int v)
{
    return v >= d.min && v <= d.max && !(d.evenAboveOne && v > 1 && v % 2 != 0);
}

// A number the PLL text gives after "label: ", or -1 when the line is missing.
double textValue(const QString &text, const QString &label)
{
    const QRegularExpression rx(QStringLiteral("^%1: ([0-9.]+)").arg(QRegularExpression::escape(label)),
                                QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = rx.match(text);
    return m.hasMatch() ? m.captured(1).toDouble() : -1.0;
}

// The lane rate in the PLL text has one decimal.
const double kTextSlack = 0.051;

// What a PLL step was checked for.
struct Checked {
    bool pll = false;  // no input-clock warning: the PLL setting was checked
    bool link = false; // the serial lane rate was checked against its maximum
};

// The first documented limit the family's last PLL step broke, or an empty
// string. A step with the input-clock warning is not checked; the lane rate
// is not held to its maximum when the family warned that the link cannot
// carry the stream (or, with a second PLL, that the second VCO is off).
QString violation(const Limits &lim, const CFamilyBase &f, Checked *checked)
{
    const CPllParams &p = f.pll;
    const quint32 w = f.ctx[0].warnings;
    if (w & WarnInputClock)
        return QString();
    checked->pll = true;

    const int n = p.pllN;
    const int m = p.pllM;
    if (!within(n, lim.n))
        return QStringLiteral("N %1").arg(n);
    if (!within(p.inputClock / n, lim.pfd))
        return QStringLiteral("PFD %1 MHz").arg(p.inputClock / n);
    if (!within(m, lim.m) || (lim.mEven && m % 2 != 0))
        return QStringLiteral("M %1").arg(m);
    if (!within(p.vcoClock, lim.vco))
        return QStringLiteral("VCO %1 MHz").arg(p.vcoClock);
    for (const Div &d : lim.d) {
        if (d.field && !dividerAllowed(d, p.*(d.field)))
            return QStringLiteral("output divider %1").arg(p.*(d.field));
    }
    if (!(w & WarnTargetClock) && p.outputClock > lim.outMax * (1.0 + 1e-9))
        return QStringLiteral("output clock %1 MHz").arg(p.outputClock);
    if (f.linkBits() > lim.bitsMax)
        return QStringLiteral("%1 bits per pixel").arg(f.linkBits());

    const bool hasPll2 = lim.pll2.n.max > 0;
    if (hasPll2) {
        if (!within(p.pllN2, lim.pll2.n) || !within(p.pllM2, lim.pll2.m))
            return QStringLiteral("N2 %1, M2 %2").arg(p.pllN2).arg(p.pllM2);
        if (!(w & (WarnVco2 | WarnPll2Lock)) && !within(p.vcoClock2, lim.pll2.vco))
            return QStringLiteral("VCO2 %1 MHz").arg(p.vcoClock2);
    }
    if (!f.linkSerial())
        return QString();

    // The lane rate the link uses, as the PLL text reports it: the second
    // VCO (twice it at double data rate), or the VCO over the op_sys divider.
    const QString &text = f.results.pllDisplayText;
    const double laneRate = textValue(text, QStringLiteral("Lane rate"));
    if (laneRate < 0.0)
        return QStringLiteral("no lane rate in the PLL text:\n") + text;
    if (hasPll2) {
        if (std::fabs(laneRate - p.vcoClock2 * lim.pll2.bitsPerClock) > kTextSlack)
            return QStringLiteral("lane rate %1 Mbps, second VCO %2 MHz").arg(laneRate).arg(p.vcoClock2);
    } else {
        const double opSysDiv = textValue(text, QStringLiteral("Op sys divider"));
        if (opSysDiv < 1.0 || opSysDiv > lim.opSysMax)
            return QStringLiteral("op_sys divider %1").arg(opSysDiv);
        if (std::fabs(laneRate - p.vcoClock / opSysDiv) > kTextSlack)
            return QStringLiteral("lane rate %1 Mbps, VCO %2 MHz / %3").arg(laneRate).arg(p.vcoClock).arg(opSysDiv);
    }
    const quint32 linkWarnings = hasPll2 ? (WarnVco2 | WarnPll2Lock) : (WarnOutputRate | WarnTargetClock);
    if (w & linkWarnings)
        return QString();
    checked->link = true;
    if (laneRate > lim.laneMax + kTextSlack)
        return QStringLiteral("lane rate %1 Mbps").arg(laneRate);
    if (laneRate < f.linkLoad() - kTextSlack)
        return QStringLiteral("lane rate %1 Mbps for a load of %2 Mbps").arg(laneRate).arg(f.linkLoad());
    return QString();
}

} // namespace

class TestLimits : public QObject {
    Q_OBJECT

private slots:
    void everyClassicFamilyIsDocumented();
    void staysWithinDocumentedLimits_data();
    void staysWithinDocumentedLimits();
};

void TestLimits::everyClassicFamilyIsDocumented()
{
    const QList<int> codes = testing::classicCodes();
    for (int code : codes)
        QVERIFY2(documented(code), qPrintable(QStringLiteral("type code %1").arg(code)));
    for (const Limits &l : kLimits)
        QVERIFY2(codes.contains(l.code), qPrintable(QStringLiteral("type code %1").arg(l.code)));
}

void TestLimits::staysWithinDocumentedLimits_data()
{
    QTest::addColumn<int>("typeCode");
    for (const Limits &l : kLimits)
        QTest::addRow("%d %s", l.code, familyTraits(l.code).family) << l.code;
}

// Input clocks from end to end of the documented range, targets from far
// below to above the highest output clock, every interface, and on each the
// interface's own link and then lanes 1, 2 and 4 with 8, 12 and 16 bits
// through SetInterface (bit-depth indices where the family takes those).
void TestLimits::staysWithinDocumentedLimits()
{
    QFETCH(int, typeCode);
    const Limits &lim = *documented(typeCode);
    CCalvex calvex(typeCode);
    auto *f = dynamic_cast<CFamilyBase *>(calvex.family());
    QVERIFY(f);
    const FamilyTraits &t = f->traits();
    const double span = lim.fin.max - lim.fin.min;
    const double inputs[] = {lim.fin.min, lim.fin.min + 0.3 * span, lim.fin.min + 0.55 * span, lim.fin.max};
    const double targetShares[] = {0.08, 0.3, 0.62, 1.0, 1.5};
    const int interfaces = qMax(1, int(interfaceItems(t).size()));

    int pllSteps = 0, linkSteps = 0;
    QStringList violations;
    bool serialInterface = false;
    for (int iface = 0; iface < interfaces; ++iface) {
        serialInterface = serialInterface || interfaceInfo(t, iface, 1).kind != LinkKind::Parallel;
        testing::initDefaults(f, typeCode);
        f->ctx[0].interfaceIndex = f->ctx[1].interfaceIndex = iface;
        f->pll.interfaceIndex = iface;
        f->InterfaceUpdate(iface);

        QList<QPair<int, int>> links{{0, 0}}; // lanes 0: no SetInterface
        const bool indexBits = t.has(FlagIndexBits);
        const int bitChoices = indexBits ? int(f->bitDepthChoices.size()) : 3;
        for (int lanes : {1, 2, 4}) {
            for (int j = 0; j < bitChoices; ++j)
                links.append({lanes, indexBits ? j : 8 + 4 * j});
        }
        for (const auto &link : links) {
            if (link.first > 0)
                f->SetInterface(link.first, link.second);
            for (double fin : inputs) {
                for (double share : targetShares) {
                    testing::resetRequests(f->pll);
                    f->pll.pllBypass = false;
                    f->pll.inputClock = fin;
                    (t.has(FlagTargetFromOp) ? f->pll.targetClock2 : f->pll.targetClock) = share * lim.outMax;
                    f->ctx[0].warnings = 0;
                    f->PllUpdate();
                    f->TimingUpdate(0, false, true);
                    f->ResultsUpdate(0);
                    Checked checked;
                    const QString v = violation(lim, *f, &checked);
                    pllSteps += checked.pll ? 1 : 0;
                    linkSteps += checked.link ? 1 : 0;
                    if (!v.isEmpty())
                        violations << QStringLiteral("interface %1, SetInterface(%2, %3), %4 MHz -> %5 MHz: %6")
                                          .arg(iface)
                                          .arg(link.first)
                                          .arg(link.second)
                                          .arg(fin)
                                          .arg(share * lim.outMax)
                                          .arg(v);
                }
            }
        }
    }
    const int shown = qMin(8, int(violations.size()));
    QVERIFY2(violations.isEmpty(),
             qPrintable(QStringLiteral("%1 steps out of their limits, first:\n  ").arg(violations.size()) +
                        violations.mid(0, shown).join(QStringLiteral("\n  "))));
    // The sweep is not empty: steps were checked, and on a family with a
    // serial interface serial lane rates too.
    QVERIFY(pllSteps > 0);
    if (serialInterface)
        QVERIFY(linkSteps > 0);
}

QTEST_GUILESS_MAIN(TestLimits)
#include "tst_limits.moc"
