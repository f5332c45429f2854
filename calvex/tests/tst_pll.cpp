// PLL solver invariants over every family and a sweep of input and target
// clocks: dividers within their sets, clocks within their ranges or their
// warning bit set, the reported clock equal to input / N x M / P, overrides
// honoured, bypass, the second PLL, and the fixed point (asking again for a
// clock the solver produced returns the same setting).
#include "engine/pll.h"
#include "familyrunner.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

using namespace calvex;

namespace {

int divider(const FamilyTraits &t, const CPllParams &p, int k)
{
    return t.div[k].field ? p.*(t.div[k].field) : 1;
}

double &targetField(const FamilyTraits &t, CPllParams &p)
{
    return t.has(FlagTargetFromOp) ? p.targetClock2 : p.targetClock;
}

struct Snapshot {
    int n, m, d0, d1;
    double out, vco;
    bool operator==(const Snapshot &o) const
    {
        return n == o.n && m == o.m && d0 == o.d0 && d1 == o.d1 && out == o.out && vco == o.vco;
    }
};

Snapshot snapshot(const FamilyTraits &t, const CPllParams &p)
{
    return {p.pllN, p.pllM, divider(t, p, 0), divider(t, p, 1), p.outputClock, p.vcoClock};
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

class TestPll : public QObject {
    Q_OBJECT

private slots:
    void invariantsOverEveryFamily_data();
    void invariantsOverEveryFamily();
    void overridesHonoured_data();
    void overridesHonoured();
    void overrideWiderThanItsField();
    void bypassedSecondPllReportsItsRows();
    void vcoRequestMet_data();
    void vcoRequestMet();
    void bypassUsesInputClock();
    void secondPllCarriesTheStream();
    void solverTieOrderAndExactness();
};

void TestPll::invariantsOverEveryFamily_data()
{
    QTest::addColumn<int>("typeCode");
    for (int code : testing::classicCodes())
        QTest::addRow("%d %s", code, familyTraits(code).family) << code;
}

void TestPll::invariantsOverEveryFamily()
{
    QFETCH(int, typeCode);
    const FamilyTraits &t = familyTraits(typeCode);
    const double inputs[] = {t.finDefault, 6.0, 12.0, 27.0, 64.0, 0.0, -5.0, kNaN, 1.0e12};
    const double targets[] = {t.targetDefault, 1.0, 50.0, 74.25, 500.0, 0.0, -1.0, kNaN, 1.0e9};
    CCalvex calvex(typeCode);
    auto *f = dynamic_cast<CFamilyBase *>(calvex.family());
    QVERIFY(f);
    testing::initDefaults(f, typeCode);
    const PllLimits &lim = f->pllLimits();
    for (double fin : inputs) {
        for (double target : targets) {
            const QByteArray what = QByteArray::number(fin) + " MHz -> " + QByteArray::number(target) + " MHz";
            testing::resetRequests(f->pll);
            f->pll.pllBypass = false;
            f->pll.inputClock = fin;
            targetField(t, f->pll) = target;
            f->ctx[0].warnings = 0;
            f->PllUpdate();
            f->TimingUpdate(0, false, true);
            f->ResultsUpdate(0);
            const CPllParams &p = f->pll;
            const quint32 w = f->ctx[0].warnings;

            // Free requests come back as legal values, never 0 or -1 divisors.
            const int n = p.pllN, m = p.pllM;
            QVERIFY2(n >= lim.nMin && n <= lim.nMax, what);
            QVERIFY2(m >= lim.mMin && m <= lim.mMax, what);
            for (int k = 0; k < 2; ++k)
                QVERIFY2(lim.d[k].contains(divider(t, p, k)), what);
            for (double v : {p.outputClock, p.vcoClock, p.pixelClock, p.serialClock, p.vcoClock2})
                QVERIFY2(std::isfinite(v) && v >= 0.0, what);

            const bool usable = usableClock(fin);
            if (!usable || fin < lim.finMin || fin > lim.finMax)
                QVERIFY2(w & WarnInputClock, what);
            if (!usable)
                continue;
            // The reported clock is input / N x M / P.
            const double expected = fin / n * m / (divider(t, p, 0) * divider(t, p, 1));
            QVERIFY2(std::fabs(p.outputClock - expected) <= 1e-9 * qMax(1.0, expected), what);
            if (p.vcoClock < lim.vcoMin || p.vcoClock > lim.vcoMax)
                QVERIFY2(w & WarnVco, what);
            if (!(std::fabs(p.outputClock - target) <= 0.01))
                QVERIFY2(w & WarnTargetClock, what);

            // Fixed point: the achieved clock as the next request.
            const Snapshot first = snapshot(t, p);
            testing::resetRequests(f->pll);
            targetField(t, f->pll) = first.out;
            f->PllUpdate();
            QVERIFY2(snapshot(t, f->pll) == first, what);
        }
    }
}

void TestPll::overridesHonoured_data()
{
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("m");
    QTest::addColumn<double>("vco");
    QTest::addColumn<int>("p");
    QTest::addColumn<QByteArray>("pRow"); // rows holding P - 1 in bits 8 to 11
    // Values as the window's override boxes hold them (ISP N is N - 1).
    QTest::newRow("Brel_101 N M") << 12 << 2 << 49 << -1.0 << -1 << QByteArray();
    QTest::newRow("Vek_141 VCO") << 37 << -1 << -1 << 675.0 << -1 << QByteArray();
    QTest::newRow("Vek_141 P") << 37 << -1 << -1 << -1.0 << 6 << QByteArray();
    QTest::newRow("Brel_103 N M P") << 25 << 1 << 48 << -1.0 << 4 << QByteArray();
    QTest::newRow("Tolm_104 M N") << 1 << 1 << 16 << -1.0 << -1 << QByteArray();
    QTest::newRow("Vek_123 N M") << 89 << 9 << 144 << -1.0 << -1 << QByteArray();
    QTest::newRow("M below its range") << 21 << 1 << 10 << -1.0 << -1 << QByteArray();
    // Murn_107 keeps M in the high byte of its N/M word: all eight bits hold it.
    QTest::newRow("Murn_107 M above 63") << 59 << -1 << 80 << -1.0 << -1 << QByteArray();
    // Murn_105's P rows come with other bits set in the P field (0xB00 and
    // 0xF5 under 0xF00): the P the VCO asked for replaces them.
    QTest::newRow("Murn_105 VCO, P rows with bits set") << 13 << -1 << -1 << 264.0 << -1
                                                        << QByteArray("pll_p_dividers");
}

// Each override is the setting used: an M outside its range is flagged, one
// inside is not, and a P word's rows carry the P used, whatever bits the
// table leaves in its field.
void TestPll::overridesHonoured()
{
    QFETCH(int, typeCode);
    QFETCH(int, n);
    QFETCH(int, m);
    QFETCH(double, vco);
    QFETCH(int, p);
    QFETCH(QByteArray, pRow);
    CCalvex calvex(typeCode);
    auto *f = dynamic_cast<CFamilyBase *>(calvex.family());
    testing::initDefaults(f, typeCode);
    const FamilyTraits &t = f->traits();
    testing::resetRequests(f->pll);
    f->pll.pllN = n;
    f->pll.pllM = m;
    f->pll.vcoRequest = vco;
    if (p > 0)
        f->pll.pllP = p;
    f->ctx[0].warnings = 0;
    f->PllUpdate();
    f->TimingUpdate(0, false, true);
    f->ResultsUpdate(0);
    f->RegisterUpdate(0);
    if (n >= 0)
        QCOMPARE(f->pll.pllN, n);
    if (m > 0)
        QCOMPARE(f->pll.pllM, m);
    if (vco > 0.0)
        QCOMPARE(f->pll.vcoClock, vco);
    if (p > 0)
        QCOMPARE(f->pll.pllP, p);
    if (m > t.mMax || (m > 0 && m < t.mMin))
        QVERIFY(f->ctx[0].warnings & WarnVco);
    else if (m > 0)
        QVERIFY(!(f->ctx[0].warnings & WarnVco));
    int pRows = 0;
    const RegTable *table = f->regTable();
    for (int i = 0; !pRow.isEmpty() && i < table->count; ++i) {
        if (pRow == table->rows[i].name) {
            QCOMPARE(int((f->results.registerValues[i] >> 8) & 0xF), f->pll.pllP - 1);
            ++pRows;
        }
    }
    QVERIFY(pRow.isEmpty() || pRows > 0);
}

// A request wider than its register field is cut to the field and flagged,
// so that the value reported is the value written.
void TestPll::overrideWiderThanItsField()
{
    struct Case {
        int typeCode;
        int n, m, n2, m2;
        int row;         // the row that holds the field
        quint32 written; // what the field holds at most
    };
    // Vek_101: PLL_MULTIPLIER holds 8 bits; Vek_152: PRE_PLL_CLK_DIV2 6 bits.
    for (const Case &c : {Case{21, -1, 300, -1, -1, -1, 255}, Case{49, -1, -1, 100, -1, -1, 63}}) {
        CCalvex calvex(c.typeCode);
        auto *f = dynamic_cast<CFamilyBase *>(calvex.family());
        testing::initDefaults(f, c.typeCode);
        testing::resetRequests(f->pll);
        f->pll.pllM = c.m;
        f->pll.pllN2 = c.n2;
        f->ctx[0].warnings = 0;
        f->PllUpdate();
        f->TimingUpdate(0, false, true);
        f->ResultsUpdate(0);
        f->RegisterUpdate(0);
        const int reported = c.m > 0 ? f->pll.pllM : f->pll.pllN2;
        QCOMPARE(quint32(reported), c.written);
        QVERIFY(f->ctx[0].warnings & (c.m > 0 ? WarnVco : WarnVco2));
        const char *name = c.m > 0 ? "PLL_MULTIPLIER" : "PRE_PLL_CLK_DIV2";
        const RegTable *table = f->regTable();
        bool found = false;
        for (int i = 0; i < table->count; ++i) {
            if (std::strcmp(table->rows[i].name, name) == 0) {
                QCOMPARE(f->results.registerValues[i], c.written);
                found = true;
            }
        }
        QVERIFY(found);
    }
}

// Bypassed, the second PLL reports the dividers its rows are written with.
void TestPll::bypassedSecondPllReportsItsRows()
{
    CCalvex calvex(49);
    auto *f = dynamic_cast<CFamilyBase *>(calvex.family());
    testing::initDefaults(f, 49);
    testing::resetRequests(f->pll);
    f->pll.pllBypass = true;
    f->PllUpdate();
    f->TimingUpdate(0, false, true);
    f->ResultsUpdate(0);
    f->RegisterUpdate(0);
    const RegTable *table = f->regTable();
    for (int i = 0; i < table->count; ++i) {
        if (std::strcmp(table->rows[i].name, "PRE_PLL_CLK_DIV2") == 0)
            QCOMPARE(f->results.registerValues[i], quint32(f->pll.pllN2));
        if (std::strcmp(table->rows[i].name, "PLL_MULTIPLIER2") == 0)
            QCOMPARE(f->results.registerValues[i], quint32(f->pll.pllM2));
    }
    QVERIFY(f->pll.pllN2 >= 1 && f->pll.pllM2 >= 1);
}

// Three VCO requests inside the family's range at its default input clock:
// the VCO used is within half a multiplier step of the request (the bridges'
// multiplier moves in steps of two) unless no legal pre-divider and
// multiplier come that close, and then the VCO warning says so. The reported
// N and M are the ones that give the VCO.
void TestPll::vcoRequestMet_data()
{
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<double>("fin");
    QTest::addColumn<double>("share");
    for (int code : testing::classicCodes()) {
        const FamilyTraits &t = familyTraits(code);
        for (double share : {0.1, 0.5, 0.9})
            QTest::addRow("%d %s %.1f", code, t.family, share) << code << t.finDefault << share;
    }
    QTest::newRow("Vek_141 at 25 MHz asks 800") << 37 << 25.0 << -800.0;
}

void TestPll::vcoRequestMet()
{
    QFETCH(int, typeCode);
    QFETCH(double, fin);
    QFETCH(double, share);
    CCalvex calvex(typeCode);
    auto *f = dynamic_cast<CFamilyBase *>(calvex.family());
    QVERIFY(f);
    testing::initDefaults(f, typeCode);
    const PllLimits &lim = f->pllLimits();
    const double request = share < 0.0 ? -share : lim.vcoMin + share * (lim.vcoMax - lim.vcoMin);
    testing::resetRequests(f->pll);
    f->pll.inputClock = fin;
    f->pll.vcoRequest = request;
    f->ctx[0].warnings = 0;
    f->PllUpdate();
    f->TimingUpdate(0, false, true);
    f->ResultsUpdate(0);
    const CPllParams &p = f->pll;
    const int n = p.pllN, m = p.pllM;
    const int step = lim.mEven ? 2 : 1;
    QVERIFY(m >= lim.mMin && m <= lim.mMax && m % step == 0);
    QCOMPARE(p.vcoClock, fin / n * m);

    // Whether any legal setting comes within half a step of the request.
    bool feasible = false;
    for (int nn = lim.nMin; nn <= lim.nMax && !feasible; ++nn) {
        const double pfd = fin / nn;
        if (pfd < lim.pfdMin || pfd > lim.pfdMax)
            continue;
        for (int mm = lim.mMin; mm <= lim.mMax && !feasible; mm += 1) {
            if (mm % step == 0 && std::fabs(pfd * mm - request) <= pfd * step / 2.0 + 1e-9)
                feasible = true;
        }
    }
    const bool warned = f->ctx[0].warnings & WarnVco;
    if (feasible) {
        QVERIFY2(std::fabs(p.vcoClock - request) <= fin / n * step / 2.0 + 1e-9,
                 qPrintable(QStringLiteral("VCO %1 for %2").arg(p.vcoClock).arg(request)));
        QVERIFY(!warned);
    } else {
        QVERIFY(warned);
    }
    if (share < 0.0)
        QCOMPARE(p.vcoClock, request);
}

void TestPll::bypassUsesInputClock()
{
    for (int code : {12, 1, 37, 58}) {
        CCalvex calvex(code);
        auto *f = dynamic_cast<CFamilyBase *>(calvex.family());
        testing::initDefaults(f, code);
        f->pll.pllBypass = true;
        f->pll.inputClock = 24.0;
        f->PllUpdate();
        QCOMPARE(f->pll.outputClock, 24.0);
        QCOMPARE(f->pll.vcoClock, 24.0);
        QVERIFY(f->pll.pllN >= 1);
    }
}

// The second VCO carries pixel clock x bits / lanes (over the lane bits per
// VCO cycle); a request is met by the nearest legal multiplier, and one out
// of the VCO range is flagged.
void TestPll::secondPllCarriesTheStream()
{
    for (int code : {49, 51, 52, 90, 95, 112, 113}) {
        CCalvex calvex(code);
        auto *f = dynamic_cast<CFamilyBase *>(calvex.family());
        testing::initDefaults(f, code);
        const FamilyTraits &t = f->traits();
        testing::resetRequests(f->pll);
        f->PllUpdate();
        const double required = f->pll.pixelClock * t.pixelsPerClock * f->linkBits() / f->linkLanes();
        QVERIFY2(f->pll.vcoClock2 * t.pll2.laneBitsPerClock >= required - 1e-6, t.family);
        QVERIFY(f->pll.vcoClock2 >= t.pll2.vcoMin && f->pll.vcoClock2 <= t.pll2.vcoMax);
        QCOMPARE(f->pll.vcoClock2, f->pll.inputClock / f->pll.pllN2 * f->pll.pllM2);

        testing::resetRequests(f->pll);
        f->pll.pllVco2 = 1150.0;
        f->PllUpdate();
        const double pfd2 = f->pll.inputClock / f->pll.pllN2;
        QVERIFY2(std::fabs(f->pll.vcoClock2 - 1150.0) <= pfd2 / 2.0 + 1e-9, t.family);
        QCOMPARE(f->pll.vcoClock2, pfd2 * f->pll.pllM2);

        testing::resetRequests(f->pll);
        f->pll.pllVco2 = t.pll2.vcoMax + 100.0;
        f->ctx[0].warnings = 0;
        f->PllUpdate();
        f->TimingUpdate(0, false, true);
        f->ResultsUpdate(0);
        QVERIFY2(f->ctx[0].warnings & WarnVco2, t.family);
    }
}

void TestPll::solverTieOrderAndExactness()
{
    PllLimits lim;
    lim.d[0] = {1, 16, true};
    lim.d[1] = {2, 16, false};
    PllRequest r;
    r.fin = 27.0;
    r.target = 74.25;
    const PllSolution a = solvePll(lim, r);
    QVERIFY(a.locked);
    QCOMPARE(a.out, 74.25); // exact where reachable
    QCOMPARE(a.warnings, 0u);
    // Lowest VCO first in minimum-frequency mode, highest otherwise.
    r.minFreq = true;
    const PllSolution b = solvePll(lim, r);
    QCOMPARE(b.out, 74.25);
    QVERIFY(b.vco <= a.vco);
    // An infeasible VCO request is reported, not failed.
    r.vco = 5000.0;
    const PllSolution c = solvePll(lim, r);
    QVERIFY(c.warnings & WarnVco);
    QVERIFY(std::isfinite(c.out));
}

QTEST_GUILESS_MAIN(TestPll)
#include "tst_pll.moc"
