// SPDX-License-Identifier: MIT
#include "ManualScheduler.h"

#include <gtest/gtest.h>

#include <string>

namespace hueloupe {
namespace {

using namespace std::chrono_literals;

// Due order, ties in arming order; a step armed by a step counts from its own arming.
TEST(ManualSchedulerTest, StepsRunInDueOrderThenArmingOrder) {
    ManualScheduler scheduler;
    std::string log;
    const auto step = [&](const char* name) {
        return [&, name] { log += name + std::to_string(scheduler.now().count()) + ' '; };
    };
    scheduler.after(800ms, step("c"));
    scheduler.after(300ms, [&] { scheduler.after(800ms, step("d")); });
    scheduler.after(300ms, step("a"));
    scheduler.after(300ms, step("b"));
    scheduler.advance(299ms);
    EXPECT_EQ(log, "");
    scheduler.advance(2000ms);
    EXPECT_EQ(log, "a300 b300 c800 d1100 ");
}

}  // namespace
}  // namespace hueloupe
