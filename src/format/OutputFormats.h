// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace hueloupe {

// One of the fixed output formats: what is copied, what the menu shows, whether that preview is
// a fixed label rather than the colour written out, and the short name command lines take.
struct OutputFormat {
    std::string_view formatString;
    std::string_view previewFormatString;
    bool previewStringIsLabel;
    std::string_view shortName;
};

// The eleven output formats, in menu order. The first is the default.
inline constexpr std::array<OutputFormat, 11> kOutputFormats{{
    {"#{rr}{gg}{bb}", "#{rr}{gg}{bb}", false, "hex"},
    {"#{rx}{gx}{bx}", "#{rx}{gx}{bx}", false, "hex3"},
    {"{rr}{gg}{bb}", "{rr}{gg}{bb}", false, "hexbare"},
    {"rgb({r}, {g}, {b})", "rgb({r}, {g}, {b})", false, "rgb"},
    {"rgba({r}, {g}, {b}, {a})", "rgba({r}, {g}, {b}, {a})", false, "rgba"},
    {"hsl({h}, {s}%, {l}%)", "hsl({h}, {s}%, {l}%)", false, "hsl"},
    {"hsla({h}, {s}%, {l}%, {a})", "hsla({h}, {s}%, {l}%, {a})", false, "hsla"},
    {"NSColor(SRGBRed: {r.}, green: {g.}, blue: {b.}, alpha: {a})", "NSColor (Swift)", true,
     "nscolor-swift"},
    {"[NSColor colorWithSRGBRed:{r.} green:{g.} blue:{b.} alpha:{a}]",
     "NSColor (Objective-C, 10.7+)", true, "nscolor-objc"},
    {"UIColor(red: {r.}, green: {g.}, blue: {b.}, alpha: {a})", "UIColor (Swift)", true,
     "uicolor-swift"},
    {"[UIColor colorWithRed:{r.} green:{g.} blue:{b.} alpha:{a}]", "UIColor (Objective-C)", true,
     "uicolor-objc"},
}};

// The format string a command line's format argument stands for: an output format's short name
// gives that format's string; anything else is a format string itself.
constexpr std::string_view formatStringForName(std::string_view nameOrFormat) {
    for (const OutputFormat& format : kOutputFormats) {
        if (format.shortName == nameOrFormat) {
            return format.formatString;
        }
    }
    return nameOrFormat;
}

}  // namespace hueloupe
