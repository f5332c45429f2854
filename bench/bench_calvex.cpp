// One full calculation (PLL, timing, results, registers of every context)
// per family type code, with the family set up once; and the read of the
// largest configuration file the reader accepts (16 MiB).
#include "engine/traits.h"
#include "familyrunner.h"
#include "registerdataio.h"

#include <QFile>
#include <QTemporaryDir>

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

// A configuration file of exactly 16 MiB, the most the reader takes: a
// sensor, 64 use cases and comment lines making up the rest. Read, its
// general information and its use cases taken, as a load does.
void readLargestFile(benchmark::State &state)
{
    const qint64 size = 16 * 1024 * 1024;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("largest.cfg"));
    QByteArray text = "[General_Info]\nsensor_name = Vek108m\n[UseCases]\n";
    for (int i = 0; i < 64; ++i)
        text += QByteArray::number(i) + "/name = case " + QByteArray::number(i) + "\n" + QByteArray::number(i) +
                "/cols = 640\n" + QByteArray::number(i) + "/rows = 480\n";
    const QByteArray comment = "; " + QByteArray(77, 'x') + "\n";
    while (text.size() + comment.size() < size)
        text += comment;
    text += QByteArray(int(size - text.size() - 1), ';') + "\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != size) {
        state.SkipWithError("cannot write the file");
        return;
    }
    file.close();
    for (auto _ : state) {
        CRegisterDataIO io(path);
        io.readGeneralInfo();
        io.readUseCases();
        if (io.getUseCaseNumber() != 64)
            state.SkipWithError("the file was not read whole");
        benchmark::DoNotOptimize(io.useCases);
    }
    state.SetBytesProcessed(state.iterations() * size);
}

void registerAll()
{
    benchmark::RegisterBenchmark("readConfig/16MiB", readLargestFile)->Unit(benchmark::kMillisecond);
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
