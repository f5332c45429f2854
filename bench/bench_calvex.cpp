// One full calculation (PLL, timing, results, registers of every context)
// per family type code, with the family set up once.
#include "calvex.h"
#include "engine/traits.h"

#include <benchmark/benchmark.h>

namespace {

void initDefaults(CFamilyCore *family, int typeCode)
{
    if (auto *f = dynamic_cast<Vek_108 *>(family))
        f->InitDefaults(QString(), typeCode);
    else if (auto *f = dynamic_cast<CFamilyBase *>(family))
        f->InitDefaults(QString());
    else if (auto *f = dynamic_cast<CPlainFamily *>(family))
        f->InitDefaults(QString());
    else if (auto *f = dynamic_cast<Vek_125 *>(family))
        f->InitDefaults(QString());
    else if (auto *f = dynamic_cast<Murn_102 *>(family))
        f->InitDefaults(QString());
    else if (auto *f = dynamic_cast<Murn_104 *>(family))
        f->InitDefaults(QString());
}

void calculate(CFamilyCore *family, int typeCode, int contexts)
{
    for (int c = 0; c < contexts; ++c) {
        if (auto *f = dynamic_cast<Vek_108 *>(family)) {
            f->pll.pllN = f->pll.pllM = -1;
            f->PllUpdate();
            f->TimingUpdate(c, false, true);
            f->ResultsUpdate(c);
            f->RegisterUpdate(c, typeCode);
        } else if (auto *f = dynamic_cast<CFamilyBase *>(family)) {
            f->pll.pllN = f->pll.pllM = -1;
            f->PllUpdate();
            f->TimingUpdate(c, false, true);
            f->ResultsUpdate(c);
            f->RegisterUpdate(c);
        } else if (auto *f = dynamic_cast<Zelt *>(family)) {
            f->CalculatePLL(typeCode);
            f->CalculateTiming(0, false, true);
            f->SetResults(0);
            f->RegisterUpdate(0);
        } else if (auto *f = dynamic_cast<Holv_101 *>(family)) {
            f->CalculateConfig(0);
            f->SetResults(0);
            f->RegisterUpdate(0);
        } else if (auto *f = dynamic_cast<Vek_125 *>(family)) {
            f->PllUpdate();
            f->ResultsUpdate(0);
            f->RegisterUpdate(0);
        } else if (auto *f = dynamic_cast<Murn_102 *>(family)) {
            f->Calculate();
        } else if (auto *f = dynamic_cast<Murn_104 *>(family)) {
            f->Calculate();
        }
    }
}

void fullCalculation(benchmark::State &state)
{
    const int typeCode = int(state.range(0));
    CCalvex calvex(typeCode);
    CFamilyCore *family = calvex.family();
    initDefaults(family, typeCode);
    const int contexts = family->traits().contexts();
    for (auto _ : state) {
        calculate(family, typeCode, contexts);
        benchmark::DoNotOptimize(family->results.registerValues);
    }
    state.SetLabel(family->traits().family);
}

void registerAll()
{
    for (int code : calvex::allTypeCodes())
        benchmark::RegisterBenchmark(QByteArray("fullCalculation/").append(QByteArray::number(code)).constData(),
                                     fullCalculation)
            ->Arg(code);
}

} // namespace

int main(int argc, char **argv)
{
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
