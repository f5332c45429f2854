// One full calculation (PLL, timing, results, registers of every context)
// per family type code, with the family set up once.
#include "engine/traits.h"
#include "familyrunner.h"

#include <benchmark/benchmark.h>

namespace {

void fullCalculation(benchmark::State &state)
{
    const int typeCode = int(state.range(0));
    CCalvex calvex(typeCode);
    CFamilyCore *family = calvex.family();
    testing::initDefaults(family, typeCode);
    const int contexts = family->traits().contexts();
    for (auto _ : state) {
        // Every calculation searches the PLL afresh, as with no override set.
        for (int c = 0; c < contexts; ++c) {
            testing::resetRequests(family->pll);
            testing::calculate(family, typeCode, c);
        }
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
