// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

class QTranslator;

namespace hueloupe {

// The longest format string a pick takes, on the command line and on the bus, in UTF-16 units.
inline constexpr int kMaxFormatLength = 4096;

// What the command line asks this launch to do.
struct LaunchOptions {
    enum class Mode { Window, Pick };
    Mode mode = Mode::Window;
    std::optional<std::string> format;   // for a pick: its format string; none: the last one used
    bool copy = true;                    // for a pick: also put the text on the clipboard
    bool platformGiven = false;          // Qt's -platform option was given
    std::optional<std::string> display;  // Qt's -display option: the X display to open
};

// The command line read before any display is opened. When exitStatus is set the program stops
// there with that status, after writing output on standard output and error on standard error;
// otherwise it starts as options say. Qt's own options are accepted and left in argv for Qt.
struct CommandLine {
    std::optional<int> exitStatus;
    std::string output;
    std::string error;
    LaunchOptions options;
};

// The help comes in the translator's language (before any QCoreApplication exists).
CommandLine parseCommandLine(int argc, const char* const* argv,
                             const QTranslator* translator = nullptr);

}  // namespace hueloupe
