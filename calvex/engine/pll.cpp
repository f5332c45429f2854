#include "engine/pll.h"

#include "engine/numeric.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace calvex {

bool DividerRange::contains(int d) const
{
    if (d < min || d > max)
        return false;
    return !(evenAboveOne && d > 1 && (d % 2) != 0);
}

namespace {

std::vector<int> dividerValues(const DividerRange &range, int fixed, bool *outOfRange)
{
    std::vector<int> values;
    if (fixed > 0) {
        values.push_back(fixed);
        if (!range.contains(fixed))
            *outOfRange = true;
        return values;
    }
    for (int d = qMax(1, range.min); d <= qMax(1, range.max); ++d) {
        if (range.contains(d))
            values.push_back(d);
    }
    if (values.empty())
        values.push_back(qMax(1, range.min));
    return values;
}

// A product of the two output dividers with its first pair in tie order.
struct Product {
    double product;
    int d0, d1;
};

// The distinct divider products, each with its smallest d0 (then d1).
std::vector<Product> dividerProducts(const std::vector<int> &d0s, const std::vector<int> &d1s)
{
    // Pairs come in tie order, so the first pair seen of a product is its
    // representative. Products of the divider ranges are small integers and
    // are marked in a table; larger ones (fixed requests) are looked up.
    const double largest = double(d0s.back()) * d1s.back();
    std::vector<Product> products;
    if (largest <= 65536.0) {
        std::vector<bool> seen(size_t(largest) + 1, false);
        for (int d0 : d0s) {
            for (int d1 : d1s) {
                const size_t p = size_t(d0) * size_t(d1);
                if (p < seen.size() && !seen[p]) {
                    seen[p] = true;
                    products.push_back({double(p), d0, d1});
                }
            }
        }
        return products;
    }
    for (int d0 : d0s) {
        for (int d1 : d1s) {
            const double p = double(d0) * d1;
            if (std::none_of(products.begin(), products.end(), [p](const Product &q) { return q.product == p; }))
                products.push_back({p, d0, d1});
        }
    }
    return products;
}

struct Candidate {
    int n, m, d0, d1;
    double pfd, vco, out;
};

// The tie order between settings that give the same clock.
bool before(const Candidate &a, const Candidate &b, bool minFreq)
{
    const double va = minFreq ? a.vco : -a.vco;
    const double vb = minFreq ? b.vco : -b.vco;
    if (std::fabs(va - vb) > 1e-9)
        return va < vb;
    return std::tie(a.n, a.d0, a.d1, a.m) < std::tie(b.n, b.d0, b.d1, b.m);
}

// The multiplier nearest x that the limits allow by parity (not by range).
int nearestM(double x, bool even)
{
    if (even)
        return 2 * boundedInt(std::round(x / 2.0), 0, 500000000);
    return boundedInt(std::round(x), 0, 1000000000);
}

// One search over the settings. A VCO request, when given, is met as closely
// as the multiplier allows before the target is considered; a multiplier the
// range or the parity refuses is never used (only a fixed M is taken as it
// stands). The search runs in two stages: the first finds the best reachable
// clock, the second picks, among every legal setting that gives exactly that
// clock, the first in a fixed tie order.
struct Search {
    const PllLimits &lim;
    const PllRequest &req;
    const std::vector<int> &ns;
    const std::vector<int> &d0s;
    const std::vector<int> &d1s;
    const std::vector<Product> &products;
    double fin;
    double target;
    bool vcoFixed;

    bool mFixed() const { return req.m > 0; }

    bool mLegal(int m) const
    {
        if (mFixed())
            return m == req.m;
        return m >= lim.mMin && m <= lim.mMax && !(lim.mEven && m % 2);
    }

    double vcoError(double vco) const { return vcoFixed ? std::fabs(vco - req.vco) : 0.0; }

    double outError(double out) const
    {
        double e = std::fabs(out - target);
        if (req.atLeast && out < target - eps())
            e += 1.0e6;
        return e;
    }

    double eps() const { return 1e-7 * qMax(1.0, target); }

    // The fastest clock the chain may deliver (only forced settings go beyond).
    double outLimit() const { return lim.outMax * (1.0 + 1e-12); }

    // The multipliers worth trying for a PFD and a divider product.
    // The legal multipliers of a PFD, within the VCO's range where they
    // reach into it.
    void multiplierRange(double pfd, bool inVcoRange, int *first, int *last) const
    {
        const int step = lim.mEven ? 2 : 1;
        *first = lim.mMin + (lim.mEven ? lim.mMin % 2 : 0);
        *last = lim.mMax - (lim.mEven ? lim.mMax % 2 : 0);
        if (inVcoRange) {
            const int vcoFirst = boundedInt(std::ceil(lim.vcoMin / pfd / step - 1e-9), 0, 500000000) * step;
            const int vcoLast = boundedInt(std::floor(lim.vcoMax / pfd / step + 1e-9), 0, 500000000) * step;
            if (qMax(*first, vcoFirst) <= qMin(*last, vcoLast)) {
                *first = qMax(*first, vcoFirst);
                *last = qMin(*last, vcoLast);
            }
        }
    }

    int multipliers(double pfd, double dProduct, int first, int last, int *out) const
    {
        if (mFixed()) {
            out[0] = req.m;
            return 1;
        }
        if (vcoFixed) {
            out[0] = nearestM(req.vco / pfd, lim.mEven);
            return 1;
        }
        // The two legal multipliers around the target's; a target out of
        // reach takes the nearest end of the range.
        const double x = target * dProduct / pfd;
        const int step = lim.mEven ? 2 : 1;
        const int lo = boundedInt(std::floor(x / step), 0, 500000000) * step;
        out[0] = qBound(first, lo, last);
        out[1] = qBound(first, lo + step, last);
        return out[0] == out[1] ? 1 : 2;
    }

    bool run(bool allowVcoOut, Candidate *chosen) const
    {
        // Stage 1: the best VCO (when requested), then the best clock. The
        // clock depends on the dividers only through their product, so each
        // product is tried once, and a product whose clocks all lie further
        // from the target than the best so far is not tried at all.
        bool found = false;
        Candidate best{};
        double bestVcoErr = 0.0, bestErr = 0.0;
        const double vcoEps = 1e-7 * qMax(1.0, req.vco);
        const bool free = !mFixed() && !vcoFixed;
        // An exact clock (at the requested VCO) cannot be bettered: every
        // other setting that gives it is stage 2's to find.
        auto exact = [&] { return found && bestVcoErr <= vcoEps && bestErr <= eps(); };
        for (int n : ns) {
            if (exact())
                break;
            const double pfd = fin / n;
            int first = 0, last = 0;
            multiplierRange(pfd, !allowVcoOut, &first, &last);
            for (const Product &pr : products) {
                if (exact())
                    break;
                const double p = pr.product;
                if (free && found) {
                    const double lo = first * pfd / p, hi = last * pfd / p;
                    const double distance = target < lo ? lo - target : (target > hi ? target - hi : 0.0);
                    if (distance > bestErr + eps())
                        continue;
                }
                int ms[2];
                const int count = multipliers(pfd, p, first, last, ms);
                for (int k = 0; k < count; ++k) {
                    if (!mLegal(ms[k]))
                        continue;
                    const double vco = pfd * ms[k];
                    if (!allowVcoOut && (vco < lim.vcoMin || vco > lim.vcoMax))
                        continue;
                    const double out = vco / p;
                    if (!allowVcoOut && out > outLimit())
                        continue;
                    const double ve = vcoError(vco);
                    const double e = outError(out);
                    bool better = !found || ve < bestVcoErr - vcoEps;
                    if (!better && std::fabs(ve - bestVcoErr) <= vcoEps)
                        better = e < bestErr - eps() || (std::fabs(e - bestErr) <= eps() && out < best.out - eps());
                    if (better) {
                        best = {n, ms[k], pr.d0, pr.d1, pfd, vco, out};
                        bestVcoErr = ve;
                        bestErr = e;
                        found = true;
                    }
                }
            }
        }
        if (!found)
            return false;

        // Stage 2: the first setting in tie order that gives exactly that
        // clock (and that VCO error), product by product, then every divider
        // pair of a product that gives it.
        *chosen = best;
        const double vcoTolerance = 1e-9 * qMax(1.0, lim.vcoMax);
        for (int n : ns) {
            const double pfd = fin / n;
            for (const Product &pr : products) {
                const double p = pr.product;
                int m;
                if (mFixed()) {
                    m = req.m;
                } else if (vcoFixed) {
                    m = nearestM(req.vco / pfd, lim.mEven);
                } else {
                    // The VCO this clock needs; outside its range no
                    // multiplier can give it.
                    const double vco = best.out * p;
                    if (!allowVcoOut && (vco < lim.vcoMin - vcoTolerance || vco > lim.vcoMax + vcoTolerance))
                        continue;
                    m = boundedInt(vco / pfd + 0.5, 0, 1000000000);
                }
                if (m < 1 || !mLegal(m))
                    continue;
                const double vco = pfd * m;
                if (!allowVcoOut && (vco < lim.vcoMin || vco > lim.vcoMax))
                    continue;
                const double out = vco / p;
                if (!allowVcoOut && out > outLimit())
                    continue;
                if (std::fabs(out - best.out) > eps() || std::fabs(vcoError(vco) - bestVcoErr) > vcoEps)
                    continue;
                for (int d0 : d0s) {
                    const double d1 = p / d0;
                    if (d1 > d1s.back() || d1 != std::floor(d1) || !std::binary_search(d1s.begin(), d1s.end(), int(d1)))
                        continue;
                    const Candidate c{n, m, d0, int(d1), pfd, vco, out};
                    if (before(c, *chosen, req.minFreq))
                        *chosen = c;
                }
            }
        }
        return true;
    }
};

} // namespace

PllSolution solvePll(const PllLimits &lim, const PllRequest &req)
{
    PllSolution s;
    bool nBad = false, dBad = false;
    const std::vector<int> d0s = dividerValues(lim.d[0], req.d[0], &dBad);
    const std::vector<int> d1s = dividerValues(lim.d[1], req.d[1], &dBad);
    if (dBad)
        s.warnings |= WarnTargetClock;

    // Starting values, also what an unusable input leaves in place.
    s.n = req.n > 0 ? req.n : qMax(1, lim.nMin);
    s.m = req.m > 0 ? req.m : qMax(1, lim.mMin);
    s.d[0] = d0s.front();
    s.d[1] = d1s.front();

    const double fin = req.fin;
    if (!usableClock(fin)) {
        s.warnings |= WarnInputClock;
        return s;
    }
    if (fin < lim.finMin || fin > lim.finMax)
        s.warnings |= WarnInputClock;

    double target = req.target;
    if (!(target > 0.0) || !std::isfinite(target)) {
        s.warnings |= WarnTargetClock;
        target = req.fallbackTarget > 0.0 ? req.fallbackTarget : lim.outMax;
    }
    if (target > lim.outMax) {
        s.warnings |= WarnTargetClock;
        target = lim.outMax;
    }
    s.target = target;

    // Pre-dividers whose PFD is in range; without one, the nearest.
    std::vector<int> ns;
    if (req.n > 0) {
        ns.push_back(req.n);
        if (req.n < lim.nMin || req.n > lim.nMax || fin / req.n < lim.pfdMin || fin / req.n > lim.pfdMax)
            nBad = true;
    } else {
        for (int n = lim.nMin; n <= lim.nMax; ++n) {
            const double pfd = fin / n;
            if (pfd >= lim.pfdMin && pfd <= lim.pfdMax)
                ns.push_back(n);
        }
        if (ns.empty()) {
            nBad = true;
            const double ideal = fin / (0.5 * (lim.pfdMin + lim.pfdMax));
            ns.push_back(qBound(lim.nMin, boundedInt(std::round(ideal), 1, 1000000), lim.nMax));
        }
    }
    if (nBad)
        s.warnings |= WarnInputClock;

    const bool mFixed = req.m > 0;
    const bool vcoRequested = !mFixed && req.vco > 0.0 && std::isfinite(req.vco);
    if (vcoRequested && (req.vco < lim.vcoMin || req.vco > lim.vcoMax))
        s.warnings |= WarnVco;
    if (mFixed && (req.m < lim.mMin || req.m > lim.mMax))
        s.warnings |= WarnVco;

    // A VCO outside its range is allowed only when a fixed multiplier or a
    // VCO request asks for it, or when nothing else is possible. A VCO
    // request no legal multiplier can meet is dropped, and says so.
    Candidate chosen{};
    const std::vector<Product> products = dividerProducts(d0s, d1s);
    Search search{lim, req, ns, d0s, d1s, products, fin, target, vcoRequested};
    bool found = search.run(mFixed || vcoRequested, &chosen);
    if (!found && vcoRequested) {
        s.warnings |= WarnVco;
        search.vcoFixed = false;
        found = search.run(false, &chosen) || search.run(true, &chosen);
    } else if (!found) {
        found = search.run(true, &chosen);
    }
    if (!found)
        return s;

    s.locked = true;
    s.n = chosen.n;
    s.m = chosen.m;
    s.d[0] = chosen.d0;
    s.d[1] = chosen.d1;
    s.pfd = chosen.pfd;
    s.vco = chosen.vco;
    s.out = chosen.out;
    if (s.vco < lim.vcoMin || s.vco > lim.vcoMax)
        s.warnings |= WarnVco;
    if (s.out > search.outLimit())
        s.warnings |= WarnTargetClock;
    const double tolerance = qMax(0.01, 1e-5 * target);
    if (!(std::fabs(s.out - req.target) <= tolerance))
        s.warnings |= WarnTargetClock;
    return s;
}

LinkSolution solveLink(double vco, double pixelClock, int lanes, int bits, double laneRateMax, int opSysMax,
                       bool oddDivider, bool fastest)
{
    LinkSolution l;
    l.opPixDiv = qBound(1, bits, 32);
    const int n = qBound(1, lanes, 16);
    const double pix = finiteOr(pixelClock, 0.0);
    l.required = qMax(0.0, pix) * l.opPixDiv / n;
    const double v = finiteOr(vco, 0.0);
    const int dMax = qBound(1, opSysMax, 64);
    auto allowed = [oddDivider](int d) { return oddDivider || d == 1 || d % 2 == 0; };
    // The largest divider whose lane rate still carries the stream; with
    // fastest, the smallest whose lane rate the lanes still take (never one
    // that would not carry the stream).
    int slow = 0;
    for (int d = dMax; d >= 1 && slow == 0; --d) {
        if (allowed(d) && v / d >= l.required - 1e-9)
            slow = d;
    }
    l.opSysDiv = slow > 0 ? slow : 1;
    if (fastest && slow > 0) {
        for (int d = 1; d <= slow; ++d) {
            if (allowed(d) && v / d <= laneRateMax + 1e-9) {
                l.opSysDiv = d;
                break;
            }
        }
    }
    l.laneRate = v / l.opSysDiv;
    l.opPixClock = l.laneRate / l.opPixDiv;
    l.ok = v > 0.0 && l.laneRate >= l.required - 1e-9 && l.laneRate <= laneRateMax + 1e-9;
    return l;
}

} // namespace calvex
