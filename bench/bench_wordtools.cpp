// The word tools on a generated list of 1,000,000 entries, each measured with its window's work.
#include "Fonts.h"
#include "LengthField.h"
#include "Scramble.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit5.h"
#include "WordBrowser.h"
#include "WordEditing.h"
#include "WordField.h"
#include "WordList.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>

#include <array>
#include <random>

namespace {

constexpr int Entries = 1'000'000;

// The same bytes on every run: a fixed seed and plain modulo draws; sorted, as after an addition.
WordList generatedList()
{
    std::mt19937 rng(20261208);
    WordList list;
    for (int i = 0; i < Entries; ++i) {
        std::string word(1 + rng() % 14, 'A');
        for (char &c : word)
            c = char('A' + rng() % 26);
        list.append(Crypte(word));
    }
    list.Tri();
    list.setWordListDirty(false);
    return list;
}

WordList &sortedList()
{
    static WordList list = generatedList();
    return list;
}

char largestLetter(const WordList &list)
{
    std::array<int, 256> counts{};
    for (const Entry &e : list.entries())
        if (!e.empty())
            ++counts[static_cast<unsigned char>(e.front())];
    char best = 'A';
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (counts[static_cast<unsigned char>(Scramble::cryptAt(letter, 1))]
            > counts[static_cast<unsigned char>(Scramble::cryptAt(best, 1))])
            best = letter;
    return best;
}

int largestLength(const WordList &list)
{
    std::array<int, WordList::MaxPlayable + 1> counts{};
    for (const Entry &e : list.entries())
        if (e.size() >= std::size_t(WordList::MinPlayable) && e.size() <= std::size_t(WordList::MaxPlayable))
            ++counts[e.size()];
    return int(std::max_element(counts.begin(), counts.end()) - counts.begin());
}

void BM_BrowserLargestLetter(benchmark::State &state)
{
    TDico dico;
    dico.Init(sortedList());
    dico.show();
    const char letter = largestLetter(sortedList());
    auto *button = dico.findChild<QPushButton *>(QStringLiteral("Button%1").arg(letter - 'A' + 1));
    for (auto _ : state) {
        button->click();
        QCoreApplication::processEvents();
    }
    state.counters["words"] = double(wordsStartingWith(sortedList().entries(), letter).size());
    dico.close();
}

void BM_SearchLargestLength(benchmark::State &state)
{
    TRMots search;
    search.Init(sortedList());
    search.show();
    const int length = largestLength(sortedList());
    search.findChild<LengthField *>(QStringLiteral("SpinEdit1"))->setValue(length);
    auto *button = search.findChild<QPushButton *>(QStringLiteral("Button2"));
    for (auto _ : state) {
        button->click();
        QCoreApplication::processEvents();
    }
    state.counters["words"] =
        search.findChild<QLineEdit *>(QStringLiteral("Edit1"))->text().split(u' ').front().toDouble();
    search.close();
}

void BM_Statistics(benchmark::State &state)
{
    TStats stats;
    for (auto _ : state) {
        stats.Init(sortedList());
        QCoreApplication::processEvents();
    }
}

// The dialog opened with the word in its field; the timing starts at the click on "OK".
void openWith(TAjout &ajout, const QString &word)
{
    ajout.show();
    ajout.FormActivate();
    ajout.findChild<WordField *>(QStringLiteral("Edit1"))->insertFiltered(word);
}

void BM_AddToSorted(benchmark::State &state)
{
    WordList &list = sortedList();
    const QString word = QStringLiteral("MAISONNETTES");
    if (list.indexOf(Crypte(word.toStdString())) >= 0)
        state.SkipWithError("the word is in the generated list");
    TAjout ajout;
    auto *ok = ajout.findChild<QPushButton *>(QStringLiteral("Button1"));
    for (auto _ : state) {
        state.PauseTiming();
        openWith(ajout, word);
        state.ResumeTiming();
        ok->click();
        QString typed;
        ajout.Result(typed);
        benchmark::DoNotOptimize(messageFor(addWord(list, typed)));
        state.PauseTiming();
        removeWord(list, word);
        state.ResumeTiming();
    }
}

void BM_RemoveFromSorted(benchmark::State &state)
{
    WordList &list = sortedList();
    const Entry middle = list.at(list.count() / 2);
    const QString word = QString::fromLatin1(Decrypte(middle));
    TAjout ajout;
    auto *ok = ajout.findChild<QPushButton *>(QStringLiteral("Button1"));
    for (auto _ : state) {
        state.PauseTiming();
        openWith(ajout, word);
        state.ResumeTiming();
        ok->click();
        QString typed;
        ajout.Result(typed);
        benchmark::DoNotOptimize(messageFor(removeWord(list, typed)));
        state.PauseTiming();
        list.append(middle);
        list.Tri();
        state.ResumeTiming();
    }
}

// For reference: the copy the browser and the search take at each opening.
void BM_CopyAtOpening(benchmark::State &state)
{
    TDico dico;
    for (auto _ : state) {
        dico.Init(sortedList());
        state.PauseTiming();
        dico.FormClose();
        state.ResumeTiming();
    }
}

} // namespace

#define ORV_BENCH(name) BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true)
ORV_BENCH(BM_BrowserLargestLetter);
ORV_BENCH(BM_SearchLargestLength);
ORV_BENCH(BM_Statistics);
ORV_BENCH(BM_AddToSorted);
ORV_BENCH(BM_RemoveFromSorted);
ORV_BENCH(BM_CopyAtOpening);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fonts::installSubstitutions();
    benchmark::Initialize(&argc, argv);
    sortedList(); // generated once, before any timing
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
