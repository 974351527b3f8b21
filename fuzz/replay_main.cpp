// Runs a harness over stored inputs instead of fuzzing: every file named on the command line, and
// every file inside every folder named there, once each, in name order. The harness aborts on a
// check that fails, so a clean exit means every input held. It lets the ordinary build replay the
// seeds and every finding ever fixed, without clang or libFuzzer.
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The plain files of a folder, sorted, so that every run replays them in the same order.
std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> files;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string path = folder + "/" + entry->d_name;
            if (entry->d_name[0] != '.' && !IsFolder(path))
                files.push_back(path);
        }
        closedir(dir);
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool ReadWhole(const std::string& path, std::vector<uint8_t>& bytes)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bytes.clear();
    uint8_t buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + got);
    const bool whole = !std::ferror(file);
    std::fclose(file);
    return whole;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE_OR_FOLDER...\n", argv[0]);
        return 2;
    }
    int replayed = 0;
    std::vector<uint8_t> bytes;
    for (int i = 1; i < argc; ++i) {
        const std::vector<std::string> inputs = IsFolder(argv[i]) ? FilesIn(argv[i]) : std::vector<std::string>{argv[i]};
        for (const std::string& input : inputs) {
            if (!ReadWhole(input, bytes)) {
                std::fprintf(stderr, "cannot read %s\n", input.c_str());
                return 1;
            }
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    // An empty set of inputs would pass without checking anything.
    return replayed > 0 ? 0 : 1;
}
