// The guard around the reader program: answers come through frame by frame, one request after
// another; a program that dies is reported, one that stays silent is killed at the limit, and
// the next request starts it again.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "access/ContainedProcess.h"

using platform::ContainedProcess;
using platform::ContainedResult;

namespace {

// A stand-in for the reader written in the shell: it answers each request with the frames
// given, or dies or hangs as the script says.
ContainedProcess Shell(const std::string& script) { return ContainedProcess({"/bin/sh", "-c", script}); }

}  // namespace

TEST(ContainedProcess, AnswersComeInFramesOneRequestAfterAnother) {
    // Two answers, each read after a request of 6 bytes ('Q', length 1, one byte): "abc" in
    // two frames with status 3, then an empty answer with status 0.
    auto program = Shell(R"(head -c 6 >/dev/null; printf 'D\002\000\000\000abD\001\000\000\000cZ\003\000\000\000';
                            head -c 6 >/dev/null; printf 'Z\000\000\000\000'; sleep 5)");
    std::string output;
    std::uint32_t status = 99;
    ASSERT_EQ(program.Exchange("x", std::chrono::milliseconds(5000), output, status), ContainedResult::Ok);
    EXPECT_EQ(output, "abc");
    EXPECT_EQ(status, 3u);
    ASSERT_EQ(program.Exchange("y", std::chrono::milliseconds(5000), output, status), ContainedResult::Ok);
    EXPECT_EQ(output, "");
    EXPECT_EQ(status, 0u);
    EXPECT_TRUE(program.Running());
}

TEST(ContainedProcess, ACrashIsReportedAndTheNextRequestStartsTheProgramAgain) {
    auto program = Shell(R"(head -c 6 >/dev/null; printf 'D\001\000\000\000a'; kill -SEGV $$)");
    std::string output;
    std::uint32_t status = 0;
    EXPECT_EQ(program.Exchange("x", std::chrono::milliseconds(5000), output, status), ContainedResult::Failed);
    EXPECT_EQ(output, "a");  // what came before the crash is kept for the caller to judge
    EXPECT_FALSE(program.Running());
    EXPECT_EQ(program.Exchange("x", std::chrono::milliseconds(5000), output, status), ContainedResult::Failed);
    EXPECT_EQ(output, "a");
}

TEST(ContainedProcess, NonsenseEndsTheProgram) {
    auto program = Shell(R"(head -c 6 >/dev/null; printf 'X'; sleep 5)");
    std::string output;
    std::uint32_t status = 0;
    EXPECT_EQ(program.Exchange("x", std::chrono::milliseconds(5000), output, status), ContainedResult::Failed);
    EXPECT_FALSE(program.Running());
}

TEST(ContainedProcess, SilenceIsKilledAtTheLimitAndAStopEndsTheWait) {
    auto program = Shell("sleep 60");
    std::string output;
    std::uint32_t status = 0;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(program.Exchange("x", std::chrono::milliseconds(100), output, status), ContainedResult::Killed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_FALSE(program.Running());

    start = std::chrono::steady_clock::now();
    int asked = 0;
    EXPECT_EQ(program.Exchange("x", std::chrono::milliseconds(60000), output, status, [&] { return ++asked > 2; }), ContainedResult::Stopped);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_FALSE(program.Running());
}

TEST(ContainedProcess, AMissingProgramIsNotStarted) {
    ContainedProcess program({"/nonexistent/velloria-access-reader"});
    std::string output;
    std::uint32_t status = 0;
    EXPECT_EQ(program.Exchange("x", std::chrono::milliseconds(1000), output, status), ContainedResult::NotStarted);
}
