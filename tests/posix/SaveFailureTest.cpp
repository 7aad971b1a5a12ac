// A save that meets a full disk, an I/O error or a refused call at any step leaves the file it
// was replacing exactly as it was, leaves no temporary file, and says why; the next save, with
// the disk healthy again, goes through. The faults are put in the platform's table of system
// calls, so they strike where a real disk would.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "posix/AtomicFile.h"
#include "testing/FailingSystemCalls.h"
#include "testing/TempDir.h"

namespace {

using platform::posix::SystemCalls;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

int CountTemporaries(const std::filesystem::path& folder) {
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().find(".velloria-save-") != std::string::npos) ++n;
    return n;
}

std::string Contents(size_t size, char fill) { return std::string(size, fill) + "\nend\n"; }

struct Fault {
    const char* name;
    std::function<std::shared_ptr<void>()> start;  // the fault holds while the result lives
    int error;
};

TEST(SaveFailure, TheOldFileSurvivesAFaultAtEveryStepOfAReplacement) {
    using namespace testing_support;
    const Fault faults[] = {
        {"the disk fills up halfway", [] { return std::make_shared<DiskFailsAfter>(300 * 1024, ENOSPC); }, ENOSPC},
        {"the disk breaks halfway", [] { return std::make_shared<DiskFailsAfter>(300 * 1024, EIO); }, EIO},
        {"nothing can be written", [] { return std::make_shared<DiskFailsAfter>(0, ENOSPC); }, ENOSPC},
        {"the flush fails", [] { return std::make_shared<FailingCall<&SystemCalls::fsync, EIO>>(); }, EIO},
        {"the close fails", [] { return std::make_shared<CloseReportsEio>(); }, EIO},
        {"the new file cannot be named", [] { return std::make_shared<FailingCall<&SystemCalls::linkat, ENOSPC>>(); }, ENOSPC},
        {"the rename fails", [] { return std::make_shared<FailingCall<&SystemCalls::rename, EIO>>(); }, EIO},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        TempDir dir;
        const std::string target = dir / "plan.dxf";
        const std::string old = Contents(200 * 1024, 'o');
        WriteFile(target, old);
        std::string error;
        {
            const auto holding = fault.start();
            try {
                platform::posix::ReplaceFile(target, Contents(1024 * 1024, 'n'));
            } catch (const std::exception& e) {
                error = e.what();
            }
        }
        EXPECT_NE(error.find(std::strerror(fault.error)), std::string::npos) << error;
        EXPECT_EQ(ReadFile(target), old);
        EXPECT_EQ(CountTemporaries(dir.path()), 0);
        // The disk is well again: the same save goes through.
        platform::posix::ReplaceFile(target, Contents(1024 * 1024, 'n'));
        EXPECT_EQ(ReadFile(target), Contents(1024 * 1024, 'n'));
        EXPECT_EQ(CountTemporaries(dir.path()), 0);
    }
}

TEST(SaveFailure, AShortWriteIsNotAFailure) {
    // A disk that takes a few bytes at a time (a pipe, a signal) is written to the end.
    TempDir dir;
    const std::string target = dir / "plan.dxf";
    struct Trickle {
        static ssize_t Write(int fd, const void* data, size_t size) {
            return testing_support::OriginalSystemCalls().write(fd, data, size < 7 ? size : 7);
        }
    };
    platform::posix::ReplacedSystemCall<&SystemCalls::write> trickle(&Trickle::Write);
    platform::posix::ReplaceFile(target, Contents(10 * 1024, 'x'));
    EXPECT_EQ(ReadFile(target), Contents(10 * 1024, 'x'));
}

}  // namespace
