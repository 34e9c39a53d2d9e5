// Word-file speed on a generated list of 1,000,000 entries of 1 to 14 letters, beside raw file I/O.
#include "GeneratedList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Fixture
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Pendu.dat"));
    WordList unsorted = generatedList();
    WordList sorted;
    QByteArray bytes = unsorted.content();

    Fixture()
    {
        unsorted.save(path);
        sorted = unsorted;
        sorted.Verifie();
        sorted.append(sorted.at(0));
        sorted.Tri();
        sorted.removeAt(0);
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void BM_RawRead(benchmark::State &state)
{
    for (auto _ : state) {
        QFile file(fixture().path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}

void BM_LoadVerifie(benchmark::State &state)
{
    for (auto _ : state) {
        WordList list;
        list.load(fixture().path);
        list.Verifie();
        benchmark::DoNotOptimize(list.count());
    }
}

void BM_RawWrite(benchmark::State &state)
{
    const QString out = fixture().dir.filePath(QStringLiteral("raw.dat"));
    for (auto _ : state) {
        QFile file(out);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(fixture().bytes);
    }
}

void BM_Save(benchmark::State &state)
{
    const QString out = fixture().dir.filePath(QStringLiteral("saved.dat"));
    for (auto _ : state)
        fixture().unsorted.save(out);
}

void BM_LookupMissing(benchmark::State &state)
{
    const std::string missing = Crypte("ZZZZZZZZZZZZZZZ");
    for (auto _ : state)
        benchmark::DoNotOptimize(fixture().unsorted.indexOf(missing));
}

void BM_AddToUnsorted(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        WordList list = fixture().unsorted;
        state.ResumeTiming();
        list.append(Crypte("MAISON"));
        list.Tri();
        benchmark::DoNotOptimize(list.count());
        state.PauseTiming();
        list = WordList();
        state.ResumeTiming();
    }
}

void BM_AddToSorted(benchmark::State &state)
{
    WordList &list = fixture().sorted;
    for (auto _ : state) {
        list.append(Crypte("MAISON"));
        list.Tri();
        state.PauseTiming();
        list.removeAt(list.indexOf(Crypte("MAISON")));
        state.ResumeTiming();
    }
}

} // namespace

#define ORV_BENCH(name) BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true)
ORV_BENCH(BM_RawRead);
ORV_BENCH(BM_LoadVerifie);
ORV_BENCH(BM_RawWrite);
ORV_BENCH(BM_Save);
ORV_BENCH(BM_LookupMissing);
ORV_BENCH(BM_AddToUnsorted);
ORV_BENCH(BM_AddToSorted);

BENCHMARK_MAIN();
