// Every input kept for a fuzz target, fed to its entry function as the fuzz program would:
// the seeds in tests/fuzz/seeds/<Name>, and every input that ever made a target fail, in
// tests/fuzz/regressions/<Name>. What must hold for an input the targets check themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzTarget.h"

namespace {

namespace fs = std::filesystem;

const fs::path kKept = fs::path(VELLORIA_SOURCE_DIR) / "tests" / "fuzz";

std::vector<std::string> TargetNames() {
    std::vector<std::string> names;
    for (const auto& [name, entry] : fuzz::Targets()) names.push_back(name);
    return names;
}

std::vector<fs::path> KeptInputsOf(const std::string& target) {
    std::vector<fs::path> files;
    for (const char* kind : {"seeds", "regressions"}) {
        const fs::path folder = kKept / kind / target;
        if (!fs::is_directory(folder)) continue;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class KeptInputs : public testing::TestWithParam<std::string> {};

TEST_P(KeptInputs, PassTheirTarget) {
    const fuzz::Entry entry = fuzz::Targets().at(GetParam());
    const std::vector<fs::path> inputs = KeptInputsOf(GetParam());
    EXPECT_FALSE(inputs.empty()) << "no input kept for " << GetParam() << " in " << kKept.string();
    for (const fs::path& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // Said before the input runs: a failed check aborts the program.
        std::cerr << "input " << input.string() << "\n";
        EXPECT_EQ(entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0) << input.string();
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, KeptInputs, testing::ValuesIn(TargetNames()), [](const auto& info) { return info.param; });

// A folder of kept inputs whose target was renamed or removed would be skipped without a word.
TEST(KeptInputFolders, EachNamesATarget) {
    for (const char* kind : {"seeds", "regressions"}) {
        if (!fs::is_directory(kKept / kind)) continue;
        for (const auto& entry : fs::directory_iterator(kKept / kind))
            if (entry.is_directory()) {
                EXPECT_TRUE(fuzz::Targets().count(entry.path().filename().string())) << entry.path().string();
            }
    }
}

}  // namespace
