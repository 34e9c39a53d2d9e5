// Word file: any bytes are loaded, filtered, sorted and saved to memory; the saved list reloads the same.
#include "FuzzCheck.h"
#include "Scramble.h"
#include "TextCollation.h"
#include "WordList.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The lines of a word file, cut by a plain reading of the rules: CR LF, CR or LF end a line,
// a zero byte ends the text, a line end at the very end adds no entry.
std::vector<std::string> linesOf(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < bytes.size() && bytes[i] != '\0'; ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            open = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            line += c;
            open = true;
        }
    }
    if (open)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> sorted(std::vector<std::string> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    FUZZ_CHECK(Decrypte(Crypte(bytes)) == bytes);
    FUZZ_CHECK(Crypte(Decrypte(bytes)) == bytes);

    WordList list;
    list.setContent(bytes);
    const std::vector<std::string> lines = linesOf(bytes);
    FUZZ_CHECK(list.entries() == lines);

    list.setWordListDirty(false);
    list.Verifie();
    std::vector<std::string> playable;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(playable),
                 [](const std::string &e) { return e.size() >= 6 && e.size() <= 12; });
    FUZZ_CHECK(list.entries() == playable);
    FUZZ_CHECK(list.WordListDirty() == (playable.size() != lines.size()));

    list.Tri();
    const std::vector<std::string> &after = list.entries();
    FUZZ_CHECK(sorted(after) == sorted(playable));
    for (std::size_t i = 1; i < after.size(); ++i)
        FUZZ_CHECK(compareText(Decrypte(after[i - 1]), Decrypte(after[i])) <= 0);
    // The lookup finds each entry, or the first one equal to it; the scan for an earlier equal
    // entry is quadratic, so only short lists get it.
    for (std::size_t i = 0; i < after.size(); ++i) {
        const int found = list.indexOf(after[i]);
        FUZZ_CHECK(found >= 0 && std::size_t(found) <= i);
        FUZZ_CHECK(equalText(after[std::size_t(found)], after[i]));
        for (int j = 0; after.size() <= 64 && j < found; ++j)
            FUZZ_CHECK(!equalText(after[std::size_t(j)], after[i]));
    }

    const QByteArray saved = list.content();
    WordList reloaded;
    reloaded.setContent(std::string_view(saved.constData(), std::size_t(saved.size())));
    // No loaded entry holds a line end or a zero byte, so every entry comes back whole.
    FUZZ_CHECK(reloaded.entries() == after);
    return 0;
}
