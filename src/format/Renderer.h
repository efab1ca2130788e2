// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ColorToken.h"
#include "ColorValue.h"

namespace hueloupe {

// Writes a colour through a token list. Components are used as given (no clamping);
// values whose scaled product is not finite or out of range are written as defined in
// Renderer.cpp, never with undefined behaviour.
std::string render(const TokenList& tokens, const ColorValue& color);

// Appends to out instead of returning a new string.
void renderInto(const TokenList& tokens, const ColorValue& color, std::string& out);

// Where the renderer's one diagnostic ("*** hsl values may be inaccurate") goes.
// The default writes a line to standard error; the desktop app routes it to qWarning.
using LogHandler = std::function<void(std::string_view)>;
void setLogHandler(LogHandler handler);

}  // namespace hueloupe
