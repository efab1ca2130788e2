// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace hueloupe {

// One of the fixed output formats: what is copied, what the menu shows, and whether that
// preview is a fixed label rather than the colour written out.
struct OutputFormat {
    std::string_view formatString;
    std::string_view previewFormatString;
    bool previewStringIsLabel;
};

// The eleven output formats, in menu order. The first is the default.
inline constexpr std::array<OutputFormat, 11> kOutputFormats{{
    {"#{rr}{gg}{bb}", "#{rr}{gg}{bb}", false},
    {"#{rx}{gx}{bx}", "#{rx}{gx}{bx}", false},
    {"{rr}{gg}{bb}", "{rr}{gg}{bb}", false},
    {"rgb({r}, {g}, {b})", "rgb({r}, {g}, {b})", false},
    {"rgba({r}, {g}, {b}, {a})", "rgba({r}, {g}, {b}, {a})", false},
    {"hsl({h}, {s}%, {l}%)", "hsl({h}, {s}%, {l}%)", false},
    {"hsla({h}, {s}%, {l}%, {a})", "hsla({h}, {s}%, {l}%, {a})", false},
    {"NSColor(SRGBRed: {r.}, green: {g.}, blue: {b.}, alpha: {a})", "NSColor (Swift)", true},
    {"[NSColor colorWithSRGBRed:{r.} green:{g.} blue:{b.} alpha:{a}]",
     "NSColor (Objective-C, 10.7+)", true},
    {"UIColor(red: {r.}, green: {g.}, blue: {b.}, alpha: {a})", "UIColor (Swift)", true},
    {"[UIColor colorWithRed:{r.} green:{g.} blue:{b.} alpha:{a}]", "UIColor (Objective-C)", true},
}};

}  // namespace hueloupe
