// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace hueloupe::cli {

// Runs hueloupe-cli with the arguments after the program name; returns the exit status.
int run(std::span<const std::string_view> args, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace hueloupe::cli
