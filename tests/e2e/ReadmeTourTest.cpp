// The README's tour, run as a new user runs it after `make demo`: every sh block of the tour, in
// order, in one shell, in a fresh folder that holds only what the demo leaves (the build and the
// samples) and a home without settings. The blocks are read from README.md itself, so the tour
// and this test cannot drift apart: each block must end with status 0, and the lines of the text
// block after it must stand in what it printed ("..." stands for any text).
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "testing/TempDir.h"
#include "testing/ToolRun.h"

namespace {

using testing_support::Has;
using testing_support::ReadFile;

struct TourStep {
    std::string commands;
    std::vector<std::string> shown;  // lines of the output the README shows for it
};

// The tour's section of the README, from its heading to the next one.
std::string TourSection(const std::string& readme) {
    const size_t start = readme.find("\n## A five-minute tour\n");
    if (start == std::string::npos) return std::string();
    const size_t end = readme.find("\n## ", start + 1);
    return readme.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::vector<TourStep> TourSteps(const std::string& section) {
    std::vector<TourStep> steps;
    const std::regex block("```(sh|text)\n([^`]*)```");
    for (auto it = std::sregex_iterator(section.begin(), section.end(), block); it != std::sregex_iterator(); ++it) {
        if ((*it)[1] == "sh") {
            steps.push_back({(*it)[2], {}});
        } else if (!steps.empty()) {
            std::istringstream lines((*it)[2]);
            for (std::string line; std::getline(lines, line);) steps.back().shown.push_back(line);
        }
    }
    return steps;
}

// Whether a line of the output holds the pieces of `shown` between its "...", in order.
bool Shows(const std::string& output, const std::string& shown) {
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        size_t at = 0, from = 0;
        bool all = true;
        for (size_t dots; all; from = dots + 3) {
            dots = shown.find("...", from);
            const std::string piece = shown.substr(from, dots == std::string::npos ? std::string::npos : dots - from);
            at = line.find(piece, at);
            all = at != std::string::npos;
            if (all) at += piece.size();
            if (dots == std::string::npos) break;
        }
        if (all) return true;
    }
    return false;
}

TEST(ReadmeTour, EveryCommandWorksAsWrittenInAFreshFolder) {
    const std::vector<TourStep> steps = TourSteps(TourSection(ReadFile(std::string(VELLORIA_SOURCE_DIR) + "/README.md")));
    ASSERT_GE(steps.size(), 5u) << "the README has no tour of sh blocks";

    testing_support::TempDir dir;
    const std::filesystem::path checkout = dir.path() / "velloria";
    std::filesystem::create_directories(checkout);
    std::filesystem::create_directories(dir.path() / "home");
    std::filesystem::create_directory_symlink(std::filesystem::canonical(std::string(VELLORIA_BIN_DIR) + "/.."), checkout / "build");
    std::filesystem::copy(std::string(VELLORIA_SOURCE_DIR) + "/samples", checkout / "samples");

    // One shell for the whole tour, as a user types it: a `cd` or `export` holds for the blocks
    // after it. Each block's output and status go to files of the test's own folder.
    std::string script;
    for (size_t i = 0; i < steps.size(); ++i) {
        const std::string file = (dir.path() / ("step" + std::to_string(i))).string();
        script += "{\n" + steps[i].commands + "} >'" + file + ".out' 2>'" + file + ".err' </dev/null\necho $? >'" + file + ".status'\n";
    }
    testing_support::WriteFile(dir / "tour.sh", script);
    const testing_support::ToolRun run = testing_support::RunIn(
        checkout, "env -u VELLORIA_REGISTRY -u VELLORIA_MODULE -u XDG_CONFIG_HOME -u DISPLAY -u WAYLAND_DISPLAY HOME='" +
                      (dir / "home") + "' timeout 600 bash '" + (dir / "tour.sh") + "'");
    ASSERT_EQ(run.status, 0) << run.err;

    for (size_t i = 0; i < steps.size(); ++i) {
        const std::string file = (dir.path() / ("step" + std::to_string(i))).string();
        const std::string out = ReadFile(file + ".out");
        EXPECT_EQ(ReadFile(file + ".status"), "0\n") << steps[i].commands << out << ReadFile(file + ".err");
        for (const std::string& shown : steps[i].shown) EXPECT_TRUE(Shows(out, shown)) << shown << "\nnot in the output of\n" << steps[i].commands << out;
    }
    // The tour worked on its own copy, and the user's settings went where a user's go.
    EXPECT_TRUE(std::filesystem::exists(checkout / "tour/linked-tables.pdf"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "home/.config/velloria/registry.reg"));
}

}  // namespace
