// Runs a fuzz target's entry function once on every file named, or found in the folders named.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

void runFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::printf("%s (%zu bytes)\n", path.filename().c_str(), bytes.size());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char **argv)
{
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (!std::filesystem::is_directory(path)) {
            runFile(path);
            ++files;
            continue;
        }
        std::vector<std::filesystem::path> found;
        for (const auto &entry : std::filesystem::directory_iterator(path))
            if (entry.is_regular_file())
                found.push_back(entry.path());
        std::sort(found.begin(), found.end());
        for (const auto &file : found)
            runFile(file);
        files += int(found.size());
    }
    std::printf("%d inputs replayed\n", files);
    // An empty corpus would make the replay pass without testing anything.
    return files > 0 ? 0 : 1;
}
