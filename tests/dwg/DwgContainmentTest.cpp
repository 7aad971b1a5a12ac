// The DWG reader runs in a child of its own: whatever becomes of it -- a crash, a hang, memory
// running out, DXF that does not read, a program that is not there -- the load ends with one line
// naming the drawing, and the process that asked goes on. Damaged drawings (bytes flipped, cut
// short) never take the host with them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "DwgTestUtil.h"
#include "dxf/DrawingIo.h"
#include "dxf/DwgFile.h"
#include "dxf/DxfReader.h"
#include "testing/TempDir.h"

using namespace platform::dxf;
using testing_support::ScopedEnv;

namespace {

// A stand-in for the converter: a shell script that does what a broken one would.
std::string FakeReader(const dxftest::ScratchDir& dir, const std::string& name, const std::string& body) {
    const std::string path = dir.File(name);
    dxftest::Spit(path, "#!/bin/sh\n" + body + "\n");
    ::chmod(path.c_str(), 0755);
    return path;
}

std::string LoadError(const std::string& path) {
    const ReadResult read = ReadDxfFile(path);
    return read ? std::string("loaded") : read.error->Message();
}

TEST(DwgContainment, WhateverBecomesOfTheReaderTheLoadEndsWithOneLine) {
    dxftest::ScratchDir dir;
    const std::string plan = dir.File("plan.dwg");
    std::filesystem::copy_file(dwgtest::Drawing("example_2018.dwg"), plan);
    const ScopedEnv time("VELLORIA_DWG_TIME_LIMIT", "1");

    struct Case {
        const char* name;
        std::string body;
        std::string expected;
    };
    const Case cases[] = {
        {"crash", "kill -SEGV $$", plan + " could not be read: the DWG reader stopped on signal 11"},
        {"abort", "cat >/dev/null; kill -ABRT $$", plan + " could not be read: the DWG reader stopped on signal 6"},
        {"hang", "exec sleep 30", plan + " could not be read: the DWG reader did not finish within 1 s and was stopped"},
        {"silent-failure", "exit 9", plan + " could not be read: the DWG reader exited with status 9"},
        {"said-why", "echo 'the file is damaged: a section of it is missing' >&2; exit 3",
         plan + " could not be read: the file is damaged: a section of it is missing"},
        {"garbage", "echo 'not DXF at all'",
         plan + " could not be read: its DXF from the DWG reader does not read at line 1: expected a group code, found 'not DXF at all'"},
    };
    for (const Case& c : cases) {
        const ScopedEnv reader("VELLORIA_DWG_READER", FakeReader(dir, c.name, c.body));
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(LoadError(plan), c.expected) << c.name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << c.name;
    }

    const ScopedEnv missing("VELLORIA_DWG_READER", dir.File("no-such-reader"));
    EXPECT_EQ(LoadError(plan), plan + " could not be read: the DWG reader " + dir.File("no-such-reader") +
                                   " could not be started: No such file or directory");
    // The drawing the failed loads were of is untouched.
    EXPECT_EQ(dxftest::Slurp(plan), dxftest::Slurp(dwgtest::Drawing("example_2018.dwg")));
}

TEST(DwgContainment, TheRealReaderStopsAtItsMemoryLimitAndSaysWhyADrawingIsNotOne) {
    dxftest::ScratchDir dir;
    {
        const ScopedEnv memory("VELLORIA_DWG_MEMORY_LIMIT", "8");
        const std::string error = LoadError(dwgtest::Drawing("example_2000.dwg"));
        EXPECT_EQ(error.rfind(dwgtest::Drawing("example_2000.dwg") + " could not be read: ", 0), 0u) << error;
        EXPECT_TRUE(error.find("ran out of memory") != std::string::npos || error.find("stopped on signal") != std::string::npos)
            << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
    // The version of a DWG, and nothing a DWG holds after it.
    std::string hollow = dxftest::Slurp(dwgtest::Drawing("example_2004.dwg")).substr(0, 6) + std::string(4096, '\0');
    dxftest::Spit(dir.File("hollow.dwg"), hollow);
    const std::string error = LoadError(dir.File("hollow.dwg"));
    EXPECT_EQ(error.rfind(dir.File("hollow.dwg") + " could not be read: ", 0), 0u) << error;
    EXPECT_NE(error.find("(LibreDWG error 0x"), std::string::npos) << error;
}

// Damaged copies of the test drawings: bytes flipped here and there, or the file cut short.
std::string Damaged(const std::string& original, std::mt19937& random, int kind) {
    std::string bytes = original;
    if (kind == 0) {
        // Cut short anywhere after the version.
        bytes.resize(std::uniform_int_distribution<size_t>(6, bytes.size() - 1)(random));
    } else {
        // A few bytes flipped, never the version (which would make it something else than a DWG).
        const int flips = std::uniform_int_distribution<int>(1, kind == 1 ? 4 : 64)(random);
        for (int i = 0; i < flips; ++i) {
            const size_t at = std::uniform_int_distribution<size_t>(6, bytes.size() - 1)(random);
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << std::uniform_int_distribution<int>(0, 7)(random)));
        }
    }
    return bytes;
}

TEST(DwgContainment, FiveHundredDamagedDrawingsNeverCrashOrHangTheHost) {
    dxftest::ScratchDir dir;
    const ScopedEnv time("VELLORIA_DWG_TIME_LIMIT", "20");
    std::mt19937 random(20260627);
    std::vector<std::string> originals;
    for (const std::string& name : dwgtest::EveryVersion()) originals.push_back(dxftest::Slurp(dwgtest::Drawing(name)));
    int loaded = 0, refused = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 500; ++i) {
        const std::string path = dir.File("damaged-" + std::to_string(i) + ".dwg");
        dxftest::Spit(path, Damaged(originals[static_cast<size_t>(i) % originals.size()], random, i % 3));
        const LoadedDrawing drawing = LoadDrawing(path);
        if (drawing) {
            ++loaded;
        } else {
            ++refused;
            const std::string message = drawing.error->Message();
            EXPECT_EQ(message.rfind(path + " could not be read: ", 0), 0u) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << message;
            EXPECT_GT(message.size(), path.size() + 24) << message;
        }
        std::filesystem::remove(path);
    }
    std::printf("500 damaged drawings: %d loaded, %d refused with one line, in %.1f s\n", loaded, refused,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    EXPECT_GT(refused, 100);
}

}  // namespace
