#pragma once
// Tests of what a process has loaded must look at a process no other test has touched: the
// test runs again alone, in this test program started once more for it.
#include <gtest/gtest.h>
#include <link.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>

namespace testing_support {

// True in the process started for the current test alone. Elsewhere it starts that process,
// waits for it, records a failure unless the test passed there, and returns false.
inline bool InFreshProcess() {
    constexpr const char* kAlone = "VELLORIA_TEST_ALONE";
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string(info->test_suite_name()) + "." + info->name();
    if (const char* alone = std::getenv(kAlone); alone && name == alone) return true;
    const std::string filter = "--gtest_filter=" + name;
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv(kAlone, name.c_str(), 1);
        ::execl("/proc/self/exe", "alone", filter.c_str(), "--gtest_brief=1", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) {
        ADD_FAILURE() << "the test could not be run in a process of its own";
        return false;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name << " failed in a process of its own (status " << status << ")";
    return false;
}

// Whether a library whose file name holds part is loaded in this process.
inline bool LibraryLoaded(std::string_view part) {
    struct Search {
        std::string_view part;
        bool found = false;
    } search{part};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto* s = static_cast<Search*>(data);
            if (info->dlpi_name && std::string_view(info->dlpi_name).find(s->part) != std::string_view::npos) s->found = true;
            return 0;
        },
        &search);
    return search.found;
}

}  // namespace testing_support
