#include "platform/ManualScheduler.h"

#include <gtest/gtest.h>

#include <string>

namespace hueloupe {
namespace {

using std::chrono::milliseconds;

TEST(ManualSchedulerTest, StepsRunInDueOrderThenArmingOrder) {
    ManualScheduler scheduler;
    std::string log;
    scheduler.after(milliseconds(800), [&] { log += "message "; });
    scheduler.after(milliseconds(300), [&] { log += "hold "; });
    scheduler.after(milliseconds(300), [&] { log += "hold2 "; });
    scheduler.after(milliseconds(2000), [&] { log += "hint "; });

    scheduler.advance(milliseconds(299));
    EXPECT_EQ(log, "");
    scheduler.advance(milliseconds(1));
    EXPECT_EQ(log, "hold hold2 ");
    scheduler.advance(milliseconds(1700));
    EXPECT_EQ(log, "hold hold2 message hint ");
    EXPECT_EQ(scheduler.pending(), 0u);
}

TEST(ManualSchedulerTest, StepArmedByAStepCountsFromItsOwnTime) {
    ManualScheduler scheduler;
    std::vector<long long> ranAt;
    scheduler.after(milliseconds(300), [&] {
        ranAt.push_back(scheduler.now().count());
        scheduler.after(milliseconds(800), [&] { ranAt.push_back(scheduler.now().count()); });
    });
    scheduler.advance(milliseconds(1099));
    EXPECT_EQ(ranAt, (std::vector<long long>{300}));
    scheduler.advance(milliseconds(1));
    EXPECT_EQ(ranAt, (std::vector<long long>{300, 1100}));
    EXPECT_EQ(scheduler.now(), milliseconds(1100));
}

}  // namespace
}  // namespace hueloupe
