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
// window raised (the desktop's Activate, with this launch's activation token), a pick is done
// there (Pick) and waited for. Nothing when no instance runs, there is no session bus, or the
// name's owner answers what no instance would (an error, a status other than 0 or 1, more than
// one line or 4096 characters): this process then does the work itself.
std::optional<InstanceAnswer> tryHandOff(const LaunchOptions& command);

}  // namespace hueloupe
