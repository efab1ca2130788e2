// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace hueloupe::cli {

// Runs hueloupe-cli with the arguments after the program name; returns the exit status: 0,
// 1 when a text was not a colour, 2 for a wrong command line, 3 when in could not be read or
// out could not be written. in is read through its file descriptor, not through stdio; out is
// flushed before run waits for more of in, and before run returns.
class Catalog;

// messages: the translations of the help.
int run(std::span<const std::string_view> args, std::FILE* in, std::FILE* out, std::FILE* err,
        const Catalog& messages);

}  // namespace hueloupe::cli
