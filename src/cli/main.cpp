// SPDX-License-Identifier: MIT
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "Catalog.h"
#include "Cli.h"

int main(int argc, char** argv) {
    // Large blocks into files and pipes; a terminal keeps its lines coming one by one.
    if (!isatty(STDOUT_FILENO)) {
        std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    }
    std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto messages = hueloupe::cli::Catalog::forEnvironment(
        [](const char* variable) { return std::getenv(variable); });
    const int status = hueloupe::cli::run(args, stdin, stdout, stderr, messages);
    // run flushed standard output; closing it reports what only the close can tell.
    if (std::fclose(stdout) != 0 && status != 3) {
        std::fprintf(stderr, "hueloupe-cli: cannot write output: %s\n", std::strerror(errno));
        return 3;
    }
    return status;
}
