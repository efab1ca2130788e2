// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "ColorToken.h"
#include "ColorValue.h"

namespace hueloupe {

// Where the renderer's one diagnostic ("*** hsl values may be inaccurate") goes, as a line
// without its newline; a null function drops it.
using LogFunction = void (*)(std::string_view line);
// Writes the line and a newline to standard error: the default.
void logToStandardError(std::string_view line);

// Writes a colour through a token list. Components are used as given (no clamping);
// values whose scaled product is not finite or out of range are written as defined in
// Renderer.cpp, never with undefined behaviour.
std::string render(const TokenList& tokens, const ColorValue& color,
                   LogFunction log = logToStandardError);

// Appends to out instead of returning a new string.
void renderInto(const TokenList& tokens, const ColorValue& color, std::string& out,
                LogFunction log = logToStandardError);

}  // namespace hueloupe
