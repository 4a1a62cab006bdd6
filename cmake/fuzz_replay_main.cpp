// The main of every fuzzer's replay build: each file of the given folders (or the given files)
// goes once through LLVMFuzzerTestOneInput, in name order so that a failure repeats. A broken
// property aborts inside the fuzzer; an empty corpus fails here, since it would test nothing.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> inputFiles(const std::filesystem::path& argument)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    if (!std::filesystem::is_directory(argument, error)) {
        files.push_back(argument);
        return files;
    }
    for (const auto& item : std::filesystem::directory_iterator(argument, error)) {
        if (item.is_regular_file(error))
            files.push_back(item.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER_OR_FILE...\n", argv[0]);
        return 2;
    }
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& file : inputFiles(argv[i])) {
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                std::fprintf(stderr, "cannot read %s\n", file.c_str());
                return 1;
            }
            const std::string bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
            // Named before the run, so that the output of a crash says which file it was.
            std::fprintf(stderr, "replaying %s\n", file.c_str());
            std::fflush(stderr);
            // A copy of exactly the input's size, so that ASan sees a read past its end; never a
            // null pointer, as libFuzzer never passes one either.
            const auto data = std::make_unique<std::uint8_t[]>(bytes.size());
            std::copy(bytes.begin(), bytes.end(), data.get());
            LLVMFuzzerTestOneInput(data.get(), bytes.size());
            ++replayed;
        }
    }
    std::fprintf(stderr, "%zu inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
