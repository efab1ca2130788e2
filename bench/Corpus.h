// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace hueloupe::bench {

// The 100 000 CSS colour texts, one per line (HUELOUPE_CORPUS overrides the path). Without
// them the figures would mean nothing, so a missing or empty corpus ends the program.
inline const std::vector<std::string>& corpus() {
    static const std::vector<std::string> lines = [] {
        const char* override = std::getenv("HUELOUPE_CORPUS");
        const char* path = override ? override : HUELOUPE_CORPUS_PATH;
        std::ifstream file(path);
        std::vector<std::string> result;
        for (std::string line; std::getline(file, line);) {
            result.push_back(line);
        }
        if (result.empty()) {
            std::fprintf(stderr, "core_bench: no colour texts in the corpus %s\n", path);
            std::exit(2);
        }
        return result;
    }();
    return lines;
}

}  // namespace hueloupe::bench
