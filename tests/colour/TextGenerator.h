#pragma once

// Generates short texts near the colour notations, for tests that compare two readings.
#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace hueloupe::css {

inline const std::vector<std::string> kSampleColours = {"rgb(188, 227, 104)",
                                                        "rgba(188, 227, 104, 1.0)",
                                                        "rgb(1,2,3)",
                                                        "rgba(0,\t0, 0,  .5)",
                                                        "hsl(120, 100%, 25%)",
                                                        "hsla(120, 1, 0.25, 0.5)",
                                                        "hsl(1.5,2.%,3.3%,4)",
                                                        "#bce368",
                                                        "bce368",
                                                        "#abc",
                                                        "#abcd",
                                                        "color: #1234567;"};

class TextGenerator {
public:
    explicit TextGenerator(unsigned seed) : random_(seed) {}

    std::size_t below(std::size_t n) { return random_() % n; }

    std::string characters(std::size_t maxLength) {
        static const std::string alphabet = "rgbahsl#(),.% 0123456789abcdefx\t\n\v\f\rAR\xC3\xA9";
        std::string text;
        const std::size_t length = below(maxLength + 1);
        for (std::size_t i = 0; i < length; ++i) {
            text.push_back(alphabet[below(alphabet.size())]);
        }
        return text;
    }

    std::string tokens(std::size_t maxTokens) {
        static const std::vector<std::string> pieces = {
            "rgb(", "rgba(", "hsl(", "hsla(", "rgb", "hsl", "a",   "(", ")",  ",", ", ", ",\t",
            "%",    "#",     "1",    "12",    "255", ".",   "1.5", "f", "ab", " ", "e"};
        std::string text;
        const std::size_t count = below(maxTokens + 1);
        for (std::size_t i = 0; i < count; ++i) {
            text += pieces[below(pieces.size())];
        }
        return text;
    }

    // Text that rarely matches anything, to move a colour across the 64-byte chunks.
    std::string filler(std::size_t length) {
        static const std::string alphabet = "xyz ,.()%#1gb";
        std::string text;
        for (std::size_t i = 0; i < length; ++i) {
            text.push_back(alphabet[below(i % 7 == 0 ? alphabet.size() : 6)]);
        }
        return text;
    }

    std::string mutation(std::string text, int edits) {
        for (int i = 0; i < edits; ++i) {
            const std::string piece = characters(3);
            const std::size_t at = below(text.size() + 1);
            switch (below(4)) {
                case 0:
                    text.insert(at, piece);
                    break;
                case 1:
                    text.erase(at, below(3));
                    break;
                case 2:
                    text.replace(at, 1, piece);
                    break;
                default:
                    text.insert(at, text.substr(below(text.size() + 1), below(8)));
                    break;
            }
        }
        return text.substr(0, 190);
    }

private:
    std::mt19937 random_;
};

}  // namespace hueloupe::css
