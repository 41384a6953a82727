// Stand-in for libFuzzer's driver under g++: feeds a fuzz target the files named on the command
// line and then a bounded, reproducible stream of generated inputs, so every target also runs
// as an ordinary test under the sanitizers.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// Inputs lean towards what breaks parsers: line ends, tabs, NULs, high bytes and long runs.
std::vector<std::uint8_t> Generate(std::mt19937& rng) {
    static const std::uint8_t kInteresting[] = {'\r', '\n', '\t', 0, 0xFF, 0x80, ' ', 'a', 0x7F};
    std::uniform_int_distribution<int> lengthKind(0, 9);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(kInteresting)) - 1);
    int kind = lengthKind(rng);
    std::size_t length = kind < 6 ? static_cast<std::size_t>(byte(rng) % 64)
                         : kind < 9 ? static_cast<std::size_t>(byte(rng) * 16)
                                    : static_cast<std::size_t>(byte(rng) * 300);
    std::vector<std::uint8_t> data;
    data.reserve(length);
    while (data.size() < length) {
        int mode = byte(rng) % 8;
        if (mode == 0) {
            // A long run of one byte: lines far beyond any limit.
            std::size_t run = static_cast<std::size_t>(byte(rng)) * 40 + 1;
            std::uint8_t value = static_cast<std::uint8_t>(byte(rng) % 2 ? 'x' : '\t');
            data.insert(data.end(), run, value);
        } else if (mode < 4) {
            data.push_back(kInteresting[pick(rng)]);
        } else {
            data.push_back(static_cast<std::uint8_t>(byte(rng)));
        }
    }
    data.resize(length);
    return data;
}

} // namespace

int main(int argc, char** argv) {
    long iterations = 10000;
    unsigned seed = 12345;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--iterations") == 0 && i + 1 < argc) {
            iterations = std::strtol(argv[++i], nullptr, 10);
        } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else {
            files.emplace_back(argv[i]);
        }
    }
    for (const std::string& name : files) {
        std::ifstream in(name, std::ios::binary);
        std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(data.data(), data.size());
    }
    std::mt19937 rng(seed);
    for (long i = 0; i < iterations; ++i) {
        std::vector<std::uint8_t> data = Generate(rng);
        LLVMFuzzerTestOneInput(data.data(), data.size());
    }
    std::cout << "replayed " << files.size() << " files and " << iterations << " generated inputs\n";
    return 0;
}
