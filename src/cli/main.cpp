// SPDX-License-Identifier: MIT
#include <cstdio>
#include <string_view>
#include <vector>

#include "Cli.h"

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    return hueloupe::cli::run(args, stdin, stdout, stderr);
}
