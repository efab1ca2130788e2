// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace hueloupe {

// The options answered before any display is opened: --help and --version. Returns the exit
// status when the program should stop there, with the text to print in out; nothing when the
// application should start (every other argument is left to Qt).
std::optional<int> answerCommandLine(int argc, const char* const* argv, std::string& out);

}  // namespace hueloupe
