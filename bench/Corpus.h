// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace hueloupe::bench {

// The 100 000 CSS colour texts, one per line. HUELOUPE_CORPUS overrides the path.
inline const std::vector<std::string>& corpus() {
    static const std::vector<std::string> lines = [] {
        const char* override = std::getenv("HUELOUPE_CORPUS");
        std::ifstream file(override ? override : HUELOUPE_CORPUS_PATH);
        std::vector<std::string> result;
        for (std::string line; std::getline(file, line);) {
            result.push_back(line);
        }
        if (result.empty()) {
            result.push_back("#bce368");  // keeps the benchmarks meaningful without the corpus
        }
        return result;
    }();
    return lines;
}

}  // namespace hueloupe::bench
