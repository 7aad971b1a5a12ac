// The file layer's promises: documents are only read from regular files and never waited on,
// reads do not trust the size a file had when it was opened, and an atomic replacement follows
// links, refuses what is not a regular file, keeps mode and owner, and cleans up after a save
// that was killed.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "posix/AtomicFile.h"
#include "posix/FileIo.h"
#include "testing/TempDir.h"

namespace {

using platform::posix::AtomicFile;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

void Replace(const std::string& target, const std::string& text) {
    AtomicFile file(target);
    ASSERT_TRUE(platform::posix::WriteAll(file.Fd(), text));
    file.Commit();
}

std::string RefusalOf(const std::string& target) {
    try {
        AtomicFile file(target);
        platform::posix::WriteAll(file.Fd(), std::string_view("new"));
        file.Commit();
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

int CountTemporaries(const std::filesystem::path& folder) {
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().find(".velloria-save-") != std::string::npos) ++n;
    return n;
}

TEST(FileLayer, OnlyRegularFilesAreReadAndAFifoIsNeverWaitedOn) {
    TempDir dir;
    const std::string fifo = dir / "pipe.dxf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string bytes, why;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(platform::posix::ReadRegularFile(fifo, bytes, why));  // would block for ever without a writer
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_NE(why.find("FIFO"), std::string::npos) << why;
    EXPECT_FALSE(platform::posix::ReadRegularFile(dir.path().string(), bytes, why));
    EXPECT_NE(why.find("folder"), std::string::npos) << why;
    EXPECT_FALSE(platform::posix::ReadRegularFile("/dev/zero", bytes, why));
    EXPECT_FALSE(platform::posix::ReadRegularFile(dir / "missing", bytes, why));
    WriteFile(dir / "plain", "contents");
    ASSERT_TRUE(platform::posix::ReadRegularFile(dir / "plain", bytes, why)) << why;
    EXPECT_EQ(bytes, "contents");
}

TEST(FileLayer, ReadingGoesOnToTheRealEndWhateverSizeTheFileSaid) {
    // A pipe has no size: the reader must find the end by reading, across many refills.
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const std::string sent(300 * 1024 + 7, 'x');
    std::thread writer([&] {
        platform::posix::WriteAll(fds[1], sent);
        ::close(fds[1]);
    });
    platform::posix::FileBytes bytes;
    ASSERT_TRUE(platform::posix::ReadAll(fds[0], bytes));
    writer.join();
    ::close(fds[0]);
    ASSERT_EQ(bytes.size, sent.size());
    EXPECT_EQ(std::string(bytes.data.get(), bytes.size), sent);
}

TEST(FileLayer, ASaveThroughASymbolicLinkReplacesWhatItPointsToAndKeepsTheLink) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "real");
    WriteFile(dir / "real/plan.dxf", "old");
    ::chmod((dir / "real/plan.dxf").c_str(), 0640);
    std::filesystem::create_symlink("real/plan.dxf", dir.path() / "link.dxf");
    std::filesystem::create_symlink("link.dxf", dir.path() / "link2.dxf");  // a chain of two
    Replace(dir / "link2.dxf", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link.dxf"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link2.dxf"));
    EXPECT_EQ(ReadFile(dir / "real/plan.dxf"), "new");
    struct stat st{};
    ASSERT_EQ(::stat((dir / "real/plan.dxf").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(CountTemporaries(dir.path() / "real"), 0);
    EXPECT_EQ(CountTemporaries(dir.path()), 0);
}

// Links that lead to no file are refused before anything is written, and every link stays a
// link: a chain longer than the system follows, a loop, a link into a folder that is not there.
TEST(FileLayer, LinksThatLeadToNoFileAreRefusedAndLeftAsTheyWere) {
    TempDir dir;
    WriteFile(dir / "real.dxf", "old");
    std::string previous = "real.dxf";
    for (int i = 1; i <= 41; ++i) {
        const std::string name = "l" + std::to_string(i) + ".dxf";
        std::filesystem::create_symlink(previous, dir.path() / name);
        previous = name;
    }
    // Forty links are what the system follows: saved through.
    Replace(dir / "l40.dxf", "through forty");
    EXPECT_EQ(ReadFile(dir / "real.dxf"), "through forty");
    EXPECT_EQ(platform::posix::ResolveLinks(dir / "l40.dxf"), dir / "real.dxf");
    // The forty-first is refused; it once became a regular file, reported as saved.
    EXPECT_NE(RefusalOf(dir / "l41.dxf").find("more than 40 symbolic links in a row"), std::string::npos) << RefusalOf(dir / "l41.dxf");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "l41.dxf"));
    EXPECT_EQ(ReadFile(dir / "real.dxf"), "through forty");

    std::filesystem::create_symlink("b.dxf", dir.path() / "a.dxf");
    std::filesystem::create_symlink("./a.dxf", dir.path() / "b.dxf");
    EXPECT_NE(RefusalOf(dir / "a.dxf").find("in a loop of links"), std::string::npos) << RefusalOf(dir / "a.dxf");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "a.dxf") && std::filesystem::is_symlink(dir.path() / "b.dxf"));

    std::filesystem::create_symlink("gone/plan.dxf", dir.path() / "dangling.dxf");
    std::string why;
    EXPECT_FALSE(platform::posix::CanReplace(dir / "dangling.dxf", why));
    EXPECT_NE(why.find("gone/plan.dxf, in a folder that does not exist"), std::string::npos) << why;
    EXPECT_NE(RefusalOf(dir / "dangling.dxf").find("in a folder that does not exist"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "dangling.dxf"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "gone"));
    // A dangling link into a folder that is there names the file the save creates.
    std::filesystem::create_symlink("made.dxf", dir.path() / "maker.dxf");
    Replace(dir / "maker.dxf", "made");
    EXPECT_EQ(ReadFile(dir / "made.dxf"), "made");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "maker.dxf"));
    EXPECT_EQ(CountTemporaries(dir.path()), 0);
}

TEST(FileLayer, WhatIsNotARegularWritableFileIsRefusedAndLeftAsItWas) {
    TempDir dir;
    const std::string fifo = dir / "fifo.dxf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_NE(RefusalOf(fifo).find("not a regular file"), std::string::npos);
    struct stat st{};
    ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    // A device, also when named through a link (run as root this once replaced /dev/null).
    std::filesystem::create_symlink("/dev/null", dir.path() / "null.dxf");
    EXPECT_NE(RefusalOf(dir / "null.dxf").find("not a regular file"), std::string::npos);
    ASSERT_EQ(::stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));

    std::filesystem::create_directory(dir.path() / "folder.dxf");
    EXPECT_NE(RefusalOf(dir / "folder.dxf").find("folder"), std::string::npos);

    // Read-only is the user's word, also for root, who could otherwise rename over it.
    WriteFile(dir / "locked.dxf", "old");
    ::chmod((dir / "locked.dxf").c_str(), 0444);
    EXPECT_NE(RefusalOf(dir / "locked.dxf").find("read-only"), std::string::npos);
    EXPECT_EQ(ReadFile(dir / "locked.dxf"), "old");
    ASSERT_EQ(::stat((dir / "locked.dxf").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);

    std::string why;
    EXPECT_FALSE(platform::posix::CanReplace(dir / "no/such/folder/x.dxf", why));
    EXPECT_NE(why.find("does not exist"), std::string::npos) << why;
    EXPECT_TRUE(platform::posix::CanReplace(dir / "new.dxf", why)) << why;
    EXPECT_EQ(CountTemporaries(dir.path()), 0);
}

TEST(FileLayer, AKilledSaveLeavesTheOldOrTheNewFileAndTheNextSaveRemovesItsTemporaryFile) {
    TempDir dir;
    const std::string target = dir / "plan.dxf";
    const std::string oldText(2 << 20, 'o'), newText(3 << 20, 'n');
    WriteFile(target, oldText);
    std::mt19937 random(20261208);
    int leftBehind = 0;
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Saves over and over, each time alternating contents, until killed.
            for (int i = 0;; ++i) {
                try {
                    AtomicFile file(target);
                    const std::string& text = (i % 2) ? oldText : newText;
                    for (size_t at = 0; at < text.size(); at += 64 * 1024) platform::posix::WriteAll(file.Fd(), text.data() + at, std::min<size_t>(64 * 1024, text.size() - at));
                    file.Commit();
                } catch (...) {
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(2000, 40000)(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::string now = ReadFile(target);
        EXPECT_TRUE(now == oldText || now == newText) << "round " << round << ": " << now.size() << " bytes";
        leftBehind += CountTemporaries(dir.path());
        Replace(target, oldText);  // the next save: removes what the killed one left
        EXPECT_EQ(CountTemporaries(dir.path()), 0) << "round " << round;
    }
    // The new file has a name only in the instant between naming it and the rename.
    EXPECT_LE(leftBehind, 2);
}

TEST(FileLayer, TheNextSaveRemovesWhatASaveThatWasKilledLeftBehind) {
    TempDir dir;
    const std::string target = dir / "plan.dxf";
    WriteFile(target, "old");
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string leftover = target + ".velloria-save-" + std::to_string(gone) + "-abcdef";
    WriteFile(leftover, "half a drawing");
    Replace(target, "new");
    EXPECT_FALSE(std::filesystem::exists(leftover));
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_EQ(CountTemporaries(dir.path()), 0);
}

TEST(FileLayer, TheTemporaryFileOfASaveInProgressIsNotTakenForALeftover) {
    TempDir dir;
    const std::string target = dir / "plan.dxf";
    // This process is alive: a temporary file with its number is not stale.
    WriteFile(target + ".velloria-save-" + std::to_string(::getpid()) + "-abcdef", "in progress");
    EXPECT_EQ(platform::posix::RemoveStaleSaves(target), 0);
    EXPECT_EQ(CountTemporaries(dir.path()), 1);
    // A look-alike with another name's prefix or without the pid form is never touched.
    WriteFile(dir / "plan.dxf.velloria-save-notapid-abcdef", "x");
    WriteFile(dir / "other.dxf.velloria-save-1-abcdef", "x");
    EXPECT_EQ(platform::posix::RemoveStaleSaves(target), 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "plan.dxf.velloria-save-notapid-abcdef"));
}

}  // namespace
