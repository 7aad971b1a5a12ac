// The backup a save keeps: NAME.bak beside the drawing, holding the file as it was, put in
// place whole or not at all, and never over something that is not a file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "posix/Backup.h"
#include "posix/SystemCalls.h"
#include "testing/TempDir.h"

namespace {

using platform::posix::BackupPathFor;
using platform::posix::KeepBackup;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

}  // namespace

TEST(Backup, NamedAfterTheDrawingWithItsExtensionReplaced) {
    EXPECT_EQ(BackupPathFor("/a/plan.dxf"), "/a/plan.bak");
    EXPECT_EQ(BackupPathFor("/a/plan.v2.dxf"), "/a/plan.v2.bak");
    EXPECT_EQ(BackupPathFor("/a.b/plan"), "/a.b/plan.bak");    // a dot in a folder is no extension
    EXPECT_EQ(BackupPathFor("/a/.hidden"), "/a/.hidden.bak");  // nor a leading dot
}

TEST(Backup, KeepsTheFileAsItWasAndLeavesItInPlace) {
    TempDir dir;
    const std::string drawing = dir / "plan.dxf", backup = dir / "plan.bak";
    KeepBackup(drawing);  // no drawing yet: nothing to keep
    EXPECT_FALSE(std::filesystem::exists(backup));

    WriteFile(drawing, "first");
    ::chmod(drawing.c_str(), 0640);
    KeepBackup(drawing);
    EXPECT_EQ(ReadFile(backup), "first");
    EXPECT_EQ(ReadFile(drawing), "first");
    struct stat st {};
    ASSERT_EQ(::stat(backup.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // The save then puts its new file in place: the backup keeps the old one.
    WriteFile(dir / "new.tmp", "second");
    std::filesystem::rename(dir / "new.tmp", drawing);
    EXPECT_EQ(ReadFile(backup), "first");
    // The next backup replaces the last, also when it is the drawing's own file already (a
    // save that failed after keeping it); no temporary file is left beside them.
    KeepBackup(drawing);
    EXPECT_EQ(ReadFile(backup), "second");
    KeepBackup(drawing);
    EXPECT_EQ(ReadFile(backup), "second");
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) entries += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(entries, 2);
}

TEST(Backup, RefusesToReplaceWhatIsNoFileAndSaysWhy) {
    TempDir dir;
    const std::string drawing = dir / "plan.dxf";
    WriteFile(drawing, "drawing");
    std::filesystem::create_directory(dir / "plan.bak");
    try {
        KeepBackup(drawing);
        ADD_FAILURE() << "a folder was replaced";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("cannot keep the backup " + (dir / "plan.bak")), std::string::npos) << e.what();
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "plan.bak"));
    EXPECT_EQ(ReadFile(drawing), "drawing");
}

// A backup that cannot be put in place (the disk fails at the rename) leaves the last backup
// as it was and nothing beside it.
TEST(Backup, AFailedRenameLeavesTheLastBackup) {
    TempDir dir;
    const std::string drawing = dir / "plan.dxf", backup = dir / "plan.bak";
    WriteFile(backup, "last");
    WriteFile(drawing, "drawing");
    {
        platform::posix::ReplacedSystemCall<&platform::posix::SystemCalls::rename> failing(+[](const char*, const char*) {
            errno = EIO;
            return -1;
        });
        EXPECT_THROW(KeepBackup(drawing), std::runtime_error);
    }
    EXPECT_EQ(ReadFile(backup), "last");
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) entries += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(entries, 2);
}
