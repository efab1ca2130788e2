// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

#include "CommandLine.h"

namespace hueloupe {

// What a running instance made of a request: for a pick, the status to exit with and the text
// to print; for a window, status 0 and no text.
struct InstanceAnswer {
    int status = 0;
    QString text;
};

// Hands the command line's request to a running instance on the session bus: a window is its
// window raised (Activate), a pick is done there (Pick) and waited for. Nothing when no instance
// runs or there is no session bus: this process then does the work itself.
std::optional<InstanceAnswer> tryHandOff(const LaunchOptions& command);

}  // namespace hueloupe
