// Score file: any bytes are read, the run's score is ranked and the file saved; it reloads the same.
#include "FuzzCheck.h"
#include "OrvError.h"
#include "ScoreFile.h"
#include "ScoreValue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

namespace {

QTemporaryDir &folder()
{
    // Memory-backed when the machine has it: the target writes two files per input.
    static auto dir = std::make_unique<QTemporaryDir>(
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/orv-fuzz-XXXXXX") : QString());
    return *dir;
}

void writeFile(const std::string_view bytes)
{
    QFile file(folder().filePath(QStringLiteral("Orvpendu.ini")));
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
}

qint32 valueOf(const TopTenEntry &entry)
{
    return entry.score.empty() ? 0 : scoreValue(entry.score);
}

// What a saved entry reads back as: the first TAB of the line ends the name.
TopTenEntry reread(const TopTenEntry &entry)
{
    const std::string line = entry.name + '\t' + entry.score;
    const std::size_t tab = line.find('\t');
    return {line.substr(0, tab), line.substr(tab + 1, ScoreFile::MaxScoreText)};
}

// The run goes in at the first rank whose value it reaches, the ranks below move down one, the
// last is dropped; when it reaches none the table stays as it was.
void checkRanking(const ScoreFile::Table &before, const ScoreFile &scores, qint32 score)
{
    ScoreFile::Table expected = before;
    for (std::size_t k = 0; k < expected.size(); ++k) {
        if (valueOf(before[k]) <= score) {
            std::copy(before.begin() + std::ptrdiff_t(k), before.end() - 1, expected.begin() + std::ptrdiff_t(k) + 1);
            expected[k] = {scores.PlayerName(), std::to_string(score)};
            break;
        }
    }
    FUZZ_CHECK(scores.TopTen() == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const auto score = input.take<qint32>();
    FUZZ_CHECK(folder().isValid());
    writeFile(input.rest());

    ScoreFile scores(folder().path());
    scores.LoadScoreFile();
    const ScoreFile::Table before = scores.TopTen();
    for (const TopTenEntry &entry : before)
        FUZZ_CHECK(entry.score.size() <= ScoreFile::MaxScoreText);
    try {
        scores.MeilleurScore(score);
        checkRanking(before, scores, score);
    } catch (const OrvError &e) {
        FUZZ_CHECK(scores.TopTen() == before);
        FUZZ_CHECK(e.text().endsWith(QStringLiteral("' n'est pas une valeur entière correcte")));
    }
    scores.SaveScoreFile();

    ScoreFile reloaded(folder().path());
    reloaded.LoadScoreFile();
    FUZZ_CHECK(reloaded.PlayerName() == scores.PlayerName());
    for (std::size_t i = 0; i < ScoreFile::Table().size(); ++i)
        FUZZ_CHECK(reloaded.TopTen()[i] == reread(scores.TopTen()[i]));
    return 0;
}
