// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>

namespace hueloupe {

// Runs one-shot steps after a delay on the GUI thread. A step is never revoked: callers that
// need cancelling capture a token and compare it when the step runs.
class Scheduler {
public:
    using Duration = std::chrono::milliseconds;
    using Step = std::function<void()>;

    virtual ~Scheduler() = default;
    virtual void after(Duration delay, Step step) = 0;
};

inline constexpr Scheduler::Duration kHoldDelay{300};
inline constexpr Scheduler::Duration kMessageDelay{800};
inline constexpr Scheduler::Duration kHintDelay{2000};

}  // namespace hueloupe
