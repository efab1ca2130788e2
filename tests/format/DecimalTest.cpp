#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "TokenTestSupport.h"
#include "colour/ColorValue.h"
#include "format/Renderer.h"

namespace hueloupe::test {
namespace {

// printf's "%.Nf" with the zeros at the end of the fraction trimmed.
std::string printfDecimal(double v, int precision) {
    std::vector<char> buffer(static_cast<std::size_t>(precision) + 400);
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*f", precision, v);
    std::string text(buffer.data(), static_cast<std::size_t>(length));
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.push_back('0');
        }
    }
    return text;
}

std::string renderDecimal(double v, int precision) {
    return render({comp(C::red, S::decimal, precision)}, ColorValue{v, 0, 0, 1});
}

// Values whose scaled product lies exactly on, or just beside, a half.
TEST(DecimalStyle, MatchesPrintfOnHalves) {
    const std::vector<double> values = {0.5,        1.5,
                                        2.5,        0.125,
                                        0.375,      0.0625,
                                        0.005,      0.015,
                                        0.025,      1.005,
                                        0.45,       0.55,
                                        2.675,      1e-5,
                                        0.99995,    0.999995,
                                        123.4565,   1.0 / 3,
                                        0.1,        0.7,
                                        1e15 + 0.5, 4503599627370495.5};
    for (const double v : values) {
        for (int precision = 0; precision <= 20; ++precision) {
            for (const double signedValue : {v, -v}) {
                SCOPED_TRACE(::testing::Message() << signedValue << " at " << precision);
                ASSERT_EQ(renderDecimal(signedValue, precision),
                          printfDecimal(signedValue, precision));
            }
        }
    }
}

TEST(DecimalStyle, MatchesPrintfOnRandomValues) {
    std::mt19937_64 random(2024);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 20000; ++round) {
        const double v =
            round % 3 == 0 ? byte(random) / 255.0 : unit(random) * std::pow(10.0, exponent(random));
        const int precision = round % 25;
        SCOPED_TRACE(::testing::Message() << v << " at " << precision);
        ASSERT_EQ(renderDecimal(v, precision), printfDecimal(v, precision));
    }
}

}  // namespace
}  // namespace hueloupe::test
