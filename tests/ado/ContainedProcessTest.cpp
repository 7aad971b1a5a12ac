// The guard around reads that may crash or hang: results come through, a crash is reported,
// a silent loop is killed at the limit.
#include <gtest/gtest.h>

#include <csignal>
#include <chrono>

#include "access/ContainedProcess.h"

using platform::ContainedResult;
using platform::RunContained;

TEST(ContainedProcess, ResultsCrashesAndHangs) {
    std::string output;
    int status = -1;
    EXPECT_EQ(RunContained(
                  [](platform::wire::Writer& w) {
                      for (int i = 0; i < 100000; ++i) w.U32(static_cast<std::uint32_t>(i)), w.MaybeFlush();
                      return 3;
                  },
                  std::chrono::milliseconds(2000), output, status),
              ContainedResult::Ok);
    EXPECT_EQ(status, 3);
    ASSERT_EQ(output.size(), 400000u);
    platform::wire::Reader reader(output);
    std::uint32_t last = 0;
    for (int i = 0; i < 100000; ++i) ASSERT_TRUE(reader.U32(last));
    EXPECT_EQ(last, 99999u);
    EXPECT_FALSE(reader.U32(last));  // never past the end

    EXPECT_EQ(RunContained([](platform::wire::Writer&) -> int { std::raise(SIGSEGV); return 0; }, std::chrono::milliseconds(2000), output, status),
              ContainedResult::Failed);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(RunContained(
                  [](platform::wire::Writer&) {
                      for (volatile bool forever = true; forever;) {
                      }
                      return 0;
                  },
                  std::chrono::milliseconds(100), output, status),
              ContainedResult::Killed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}
