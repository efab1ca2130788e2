// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include <string_view>

namespace hueloupe {
namespace {

constexpr std::string_view kHelp =
    "Usage: hueloupe [--help] [--version] [Qt options]\n"
    "\n"
    "Hueloupe, a colour picker. Press in the colour well and drag to pick any pixel on the\n"
    "screen; click the copy button to copy the colour, or hold it to choose one of eleven\n"
    "formats. Paste CSS colour text (#rrggbb, rgb(), hsl(), keywords) to make it current.\n"
    "\n"
    "Shortcuts: Ctrl+C copy, Ctrl+V / Ctrl+Shift+V paste, Ctrl+Shift+C colour dialog,\n"
    "Ctrl+Shift+P formatter playground, Ctrl+Q quit.\n"
    "Settings: $XDG_CONFIG_HOME/hueloupe/hueloupe.conf (default ~/.config).\n"
    "Environment: HUELOUPE_PICKER=screen or portal forces one colour picker.\n";

}  // namespace

std::optional<int> answerCommandLine(int argc, const char* const* argv, std::string& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] ? argv[i] : "";
        if (arg == "--help" || arg == "-h") {
            out = kHelp;
            return 0;
        }
        if (arg == "--version" || arg == "-v") {
            out = "hueloupe " HUELOUPE_VERSION "\n";
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace hueloupe
