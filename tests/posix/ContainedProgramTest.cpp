// A program run contained: its output comes back whole, and however it ends -- a status, a
// signal, a hang, a flood of output, a limit it runs into -- the parent learns it in words and
// goes on. The child sees its input, its two output pipes and nothing else of the parent's.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "posix/ContainedProgram.h"
#include "posix/FileDescriptor.h"
#include "testing/FailingSystemCalls.h"
#include "testing/TempDir.h"

namespace {

using platform::posix::FileDescriptor;
using platform::posix::ProgramLimits;
using platform::posix::ProgramRun;
using platform::posix::RunContainedProgram;
using namespace std::chrono_literals;

ProgramRun Shell(const std::string& script, const ProgramLimits& limits = {}, int input = -1) {
    return RunContainedProgram({"/bin/sh", "-c", script}, input, limits);
}

std::string Out(const ProgramRun& run) { return std::string(run.out.data.get(), run.out.size); }

TEST(ContainedProgram, HowARunEndedIsToldInWords) {
    const ProgramRun ok = Shell("printf 'hello'; printf 'warn' >&2");
    EXPECT_TRUE(ok.Succeeded());
    EXPECT_EQ(Out(ok), "hello");
    EXPECT_EQ(ok.err, "warn");

    const ProgramRun failed = Shell("echo 'the reason' >&2; exit 3");
    EXPECT_EQ(failed.ending, ProgramRun::Ending::Exited);
    EXPECT_EQ(failed.status, 3);
    EXPECT_FALSE(failed.Succeeded());
    EXPECT_EQ(failed.err, "the reason\n");
    EXPECT_EQ(failed.Describe({}), "exited with status 3");

    const ProgramRun crashed = Shell("kill -SEGV $$");
    EXPECT_EQ(crashed.ending, ProgramRun::Ending::Signalled);
    EXPECT_EQ(crashed.Describe({}), "stopped on signal 11");

    const ProgramRun missing = RunContainedProgram({"/nonexistent/program"}, -1, {});
    EXPECT_EQ(missing.ending, ProgramRun::Ending::NotStarted);
    EXPECT_EQ(missing.Describe({}), "could not be started: No such file or directory");
}

TEST(ContainedProgram, AChildThatHangsIsKilledAtTheTimeLimit) {
    ProgramLimits limits;
    limits.time = 300ms;
    const auto start = std::chrono::steady_clock::now();
    // Silent, and then closing its output while it goes on: both are stopped in time.
    for (const char* script : {"sleep 30", "exec >&- 2>&-; sleep 30"}) {
        const ProgramRun run = Shell(script, limits);
        EXPECT_EQ(run.ending, ProgramRun::Ending::TimedOut) << script;
        EXPECT_EQ(run.Describe(limits), "did not finish within 300 ms and was stopped");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

TEST(ContainedProgram, OutputIsTakenWholeUpToItsLimit) {
    // Far more than a pipe holds, and more than the hint: the buffer grows.
    const ProgramRun big = RunContainedProgram({"/bin/sh", "-c", "head -c 5000000 /dev/zero"}, -1, {}, 1000);
    ASSERT_TRUE(big.Succeeded()) << big.Describe({});
    EXPECT_EQ(big.out.size, 5000000u);

    ProgramLimits limits;
    limits.output = 1 << 20;
    const ProgramRun flood = Shell("cat /dev/zero", limits);
    EXPECT_EQ(flood.ending, ProgramRun::Ending::OutputTooLarge);
    EXPECT_EQ(flood.Describe(limits), "wrote more than 1 MiB and was stopped");

    // Standard error is kept only as far as a message needs, and never blocks the child.
    const ProgramRun chatty = Shell("head -c 3000000 /dev/zero >&2; echo done");
    ASSERT_TRUE(chatty.Succeeded());
    EXPECT_EQ(Out(chatty), "done\n");
    EXPECT_LT(chatty.err.size(), 100000u);
}

TEST(ContainedProgram, TheChildReadsItsInputAndSeesNothingElseOfTheParent) {
    testing_support::TempDir dir;
    testing_support::WriteFile(dir / "input", "the drawing");
    FileDescriptor input(::open((dir / "input").c_str(), O_RDONLY | O_CLOEXEC));
    // A descriptor the parent holds open without close-on-exec must not reach the child.
    FileDescriptor leaked(::open((dir / "input").c_str(), O_RDONLY));
    ASSERT_TRUE(input.Valid() && leaked.Valid());
    const ProgramRun run = Shell("cat; echo; ls /proc/self/fd | sort -n | tr '\\n' ' '", {}, input.Get());
    ASSERT_TRUE(run.Succeeded()) << run.Describe({}) << run.err;
    // 0, 1 and 2, and the one ls opens to list them.
    EXPECT_EQ(Out(run), "the drawing\n0 1 2 3 ");

    const ProgramRun empty = Shell("wc -c");
    EXPECT_EQ(Out(empty), "0\n");
}

TEST(ContainedProgram, LimitsOfMemoryAndCoreDumpsApplyInTheChild) {
    ProgramLimits limits;
    limits.addressSpace = 512u << 20;
    limits.time = 20s;
    const ProgramRun run = Shell("ulimit -v; ulimit -c; ulimit -t", limits);
    ASSERT_TRUE(run.Succeeded()) << run.Describe(limits) << run.err;
    EXPECT_EQ(Out(run), "524288\n0\n20\n");
}

TEST(ContainedProgram, WhatTheSystemRefusesIsToldAndNoChildIsLeftBehind) {
    {
        const testing_support::FailingCall<&platform::posix::SystemCalls::fork, EAGAIN> refused;
        const ProgramRun run = Shell("exit 0");
        EXPECT_EQ(run.ending, ProgramRun::Ending::NotStarted);
        EXPECT_EQ(run.Describe({}), "could not be started: Resource temporarily unavailable");
    }
    // Its output cannot be read: the child, which would run on for half a minute, is killed and
    // reaped at once.
    testing_support::TempDir dir;
    const std::string pidFile = dir / "pid";
    const auto start = std::chrono::steady_clock::now();
    ProgramRun run;
    {
        const testing_support::FailingCall<&platform::posix::SystemCalls::read, EIO> broken;
        run = Shell("echo $$ >'" + pidFile + "'; echo out; exec sleep 30");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    EXPECT_EQ(run.ending, ProgramRun::Ending::ReadFailed);
    EXPECT_EQ(run.Describe({}), "could not be read from: Input/output error");
    const pid_t child = std::stoi(testing_support::ReadFile(pidFile));
    EXPECT_EQ(::kill(child, 0), -1);
    EXPECT_EQ(errno, ESRCH);
}

}  // namespace
