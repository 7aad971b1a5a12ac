// The workers of a run over many drawings: a worker that dies takes only its current drawing
// with it, reported with the cause, and the others are done and handed on in list order.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Batch.h"

namespace {

TEST(Batch, AWorkerThatDiesTakesOnlyItsDrawingAndTheOthersGoOn) {
    const std::vector<std::string> drawings{"a.dxf", "b.dxf", "c.dxf", "d.dxf", "e.dxf", "f.dxf"};
    const pid_t parent = ::getpid();
    std::vector<size_t> order;
    std::vector<DrawingOutcome> outcomes(drawings.size());
    RunOverDrawings(
        drawings, 2,
        [&](size_t index, const std::string& drawing) {
            if (::getpid() == parent) ADD_FAILURE() << drawing << " was worked on in the parent";
            if (drawing == "b.dxf" || drawing == "e.dxf") ::raise(SIGKILL);
            DrawingOutcome o;
            o.counts = {static_cast<long long>(index) * 10};
            o.outcome = "done " + drawing;
            std::printf("%s: ok\n", drawing.c_str());  // what a worker prints travels with its outcome
            return o;
        },
        [&](size_t index, const DrawingOutcome& outcome) {
            order.push_back(index);
            outcomes[index] = outcome;
        });

    ASSERT_EQ(order, (std::vector<size_t>{0, 1, 2, 3, 4, 5}));
    for (size_t i : {0u, 2u, 3u, 5u}) {
        EXPECT_FALSE(outcomes[i].failed) << drawings[i];
        EXPECT_EQ(outcomes[i].outcome, "done " + drawings[i]);
        EXPECT_EQ(outcomes[i].out, drawings[i] + ": ok\n");
        EXPECT_EQ(outcomes[i].counts, (std::vector<long long>{static_cast<long long>(i) * 10}));
    }
    for (size_t i : {1u, 4u}) {
        EXPECT_TRUE(outcomes[i].failed && outcomes[i].unprocessed) << drawings[i];
        EXPECT_EQ(outcomes[i].outcome, "not processed: the process ended");
        EXPECT_NE(outcomes[i].err.find(drawings[i] + ": the process working on it ended with"), std::string::npos) << outcomes[i].err;
        EXPECT_NE(outcomes[i].err.find("the drawing was not changed"), std::string::npos) << outcomes[i].err;
    }
}

TEST(Batch, OneWorkerThatDiesOnEveryDrawingStillReportsEachOnce) {
    const std::vector<std::string> drawings{"a.dxf", "b.dxf", "c.dxf"};
    std::vector<size_t> order;
    RunOverDrawings(
        drawings, 1, [](size_t, const std::string&) -> DrawingOutcome { ::_exit(3); },
        [&](size_t index, const DrawingOutcome& outcome) {
            order.push_back(index);
            EXPECT_TRUE(outcome.failed);
            EXPECT_NE(outcome.err.find("ended with"), std::string::npos) << outcome.err;
        });
    EXPECT_EQ(order, (std::vector<size_t>{0, 1, 2}));
}

}  // namespace
