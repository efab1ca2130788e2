#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "colour/CssNumbers.h"

namespace hueloupe::css {
namespace {

double strtodReference(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

struct DecimalCase {
    std::string text;
    double expected;
};

TEST(ReadDecimal, ReadsLongestLeadingNumber) {
    const double inf = std::numeric_limits<double>::infinity();
    const DecimalCase cases[] = {
        {"12.5", 12.5},
        {"1.2.3", 1.2},
        {"5.", 5},
        {".5", 0.5},
        {".", 0},
        {"..5", 0},
        {"50%", 50},
        {"0.99", 0.99},
        {"007", 7},
        {"0.00001", 0.00001},
        {"99999.99999", 99999.99999},
        {"9007199254740993", 9007199254740992.0},  // 2^53 + 1 rounds to even
        {"0.1000000000000000000000001", 0.1},      // more than 22 fraction digits
        {std::string(400, '9'), inf},
        {"0." + std::string(400, '0') + "1", 0},
        {"0." + std::string(320, '0') + "5", 5e-321},  // subnormal
        {"1" + std::string(30, '0'), 1e30},
        {"%", 0},
        {"", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        EXPECT_EQ(readDecimal(c.text), c.expected);
        EXPECT_EQ(readDecimal(c.text), strtodReference(c.text));
    }
}

TEST(ReadDecimal, AgreesWithStrtodOnGeneratedText) {
    std::mt19937 random(20240611);
    const std::string alphabet = "0123456789..%";
    for (int i = 0; i < 50000; ++i) {
        const std::size_t length = 1 + random() % (i % 10 == 0 ? 60 : 14);
        std::string text;
        for (std::size_t k = 0; k < length; ++k) {
            text.push_back(alphabet[random() % alphabet.size()]);
        }
        const double expected = strtodReference(text);
        const double actual = readDecimal(text);
        if (actual != expected) {
            ADD_FAILURE() << "text " << text << " read " << actual << " strtod " << expected;
            return;
        }
    }
}

TEST(ReadHex, ReadsBaseSixteen) {
    const std::pair<std::string, unsigned> cases[] = {
        {"ff", 255}, {"0a", 10}, {"a", 10}, {"00", 0},
        {"7f", 127}, {"", 0},    {"1g", 1}, {"ffffffffffff", std::numeric_limits<unsigned>::max()},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(readHex(text), expected);
    }
}

}  // namespace
}  // namespace hueloupe::css
