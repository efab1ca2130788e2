#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <string>
#include <vector>

#include "TokenTestSupport.h"
#include "colour/ColorValue.h"
#include "format/Renderer.h"
#include "format/Tokenizer.h"

namespace hueloupe::test {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

ColorValue redOnly(double red) {
    return ColorValue{red, 0, 0, 1};
}

struct EdgeCase {
    const char* name;
    ColorValue color;
    std::string format;
    std::string expected;
};

void PrintTo(const EdgeCase& c, std::ostream* os) {
    *os << c.name;
}

class RenderEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(RenderEdge, WritesDefinedText) {
    const EdgeCase& c = GetParam();
    SCOPED_TRACE(c.format);
    const std::string text = render(tokenize(c.format), c.color);
    EXPECT_EQ(text, c.expected);
    EXPECT_TRUE(isValidUtf8(text));
}

std::string caseName(const ::testing::TestParamInfo<EdgeCase>& info) {
    return info.param.name;
}

// Non-finite components: NaN rounds to 0, the infinities saturate at the int64 limits, and
// the decimal style prints what printf prints.
INSTANTIATE_TEST_SUITE_P(
    NonFinite, RenderEdge,
    ::testing::Values(EdgeCase{"NaN", redOnly(nan), "{r}|{rr}|{rx}|{r%}|{r.}", "0|00|0|0|nan"},
                      EdgeCase{"Infinity", redOnly(inf), "{r}|{RR}|{rx}|{r.}",
                               "9223372036854775807|7FFFFFFFFFFFFFFF|7ffffffffffffff|inf"},
                      EdgeCase{"MinusInfinity", redOnly(-inf), "{r}|{rr}|{rx}|{r.}",
                               "-9223372036854775808|00|0|-inf"},
                      EdgeCase{"InfinitySaturation", redOnly(inf), "{h}|{s}|{l}",
                               "0|0|9223372036854775807"},
                      EdgeCase{"NaNAlpha", ColorValue{0, 0, 0, nan}, "{a}|{a%}|{A}", "nan|0|nan"}),
    caseName);

// Components outside 0..1 are not clamped.
INSTANTIATE_TEST_SUITE_P(
    OutOfRange, RenderEdge,
    ::testing::Values(
        EdgeCase{"AboveOneHex", redOnly(2), "{rr}|{rx}|{Rx}", "1fe|1f|1F"},
        EdgeCase{"JustAboveOneHex", redOnly(256 / 255.0), "{rr}|{Rx}", "100|10"},
        EdgeCase{"AboveOneNumbers", redOnly(2), "{r}|{r%}|{r.}|{h}|{l}", "510|200|2.0|0|100"},
        EdgeCase{"AboveOneSaturation", redOnly(2), "{s}", "9223372036854775807"},
        EdgeCase{"NegativeHexIsZero", redOnly(-0.5), "{rr}|{rx}", "00|0"},
        EdgeCase{"NegativeRoundsAwayFromZero", redOnly(-0.5), "{r}|{r%}|{r.}", "-128|-50|-0.5"},
        EdgeCase{"NegativeZero", redOnly(-0.0), "{rr}|{r}|{r.}", "00|0|-0.0"},
        EdgeCase{"HugeSaturates", redOnly(1e300), "{r}|{rr}",
                 "9223372036854775807|7fffffffffffffff"},
        EdgeCase{"HugeNegativeSaturates", redOnly(-1e300), "{r}|{rr}", "-9223372036854775808|00"},
        // Precision 0 keeps the integer digits: only zeros after a point are trimmed.
        EdgeCase{"TenAtPrecisionZero", redOnly(10), "{r.0}", "10"},
        EdgeCase{"HundredAtPrecisionZero", redOnly(100), "{r.0}", "100"},
        EdgeCase{"HalfToEvenAtPrecisionZero", redOnly(20.5), "{r.0}", "20"},
        EdgeCase{"NegativeZeroAtPrecisionZero", redOnly(-0.2), "{r.0}", "-0"},
        EdgeCase{"LargeDecimal", redOnly(1e6), "{r.3}", "1000000.0"}),
    caseName);

// Precisions beyond what a double can show give the exact expansion, never a huge buffer.
INSTANTIATE_TEST_SUITE_P(
    HugePrecision, RenderEdge,
    ::testing::Values(EdgeCase{"ExactExpansion", redOnly(0.1), "{r.999999999}",
                               "0.1000000000000000055511151231257827021181583404541015625"},
                      EdgeCase{"SaturatedPrecision", redOnly(0.1), "{r.99999999999999999999999}",
                               "0.1000000000000000055511151231257827021181583404541015625"},
                      EdgeCase{"IntegerValue", redOnly(1), "{r.123456789012}", "1.0"}),
    caseName);

TEST(RenderEdge, SmallestDoubleNeedsAllDecimals) {
    const ColorValue color = redOnly(std::numeric_limits<double>::denorm_min());
    const std::string exact = render(tokenize("{r.1074}"), color);
    EXPECT_EQ(exact.size(), 1076u);
    EXPECT_EQ(exact.substr(exact.size() - 20), "19718265533447265625");
    EXPECT_EQ(render(tokenize("{r.5000}"), color), exact);
}

TEST(RenderEdge, LargestDoubleWithMostDecimals) {
    const std::string text = render(tokenize("{r.1074}"), redOnly(-DBL_MAX));
    EXPECT_EQ(text.size(), 312u);
    EXPECT_EQ(text.substr(0, 30), "-17976931348623157081452742373");
    EXPECT_EQ(text.substr(text.size() - 2), ".0");
}

// Token lists built by hand may carry precisions the tokenizer never makes.
TEST(RenderEdge, NegativePrecisionCountsAsZero) {
    const ColorValue color = redOnly(0.7);
    for (const std::int64_t precision :
         {std::int64_t{-1}, std::numeric_limits<std::int64_t>::min()}) {
        SCOPED_TRACE(precision);
        EXPECT_EQ(render({comp(C::red, S::decimal, precision)}, color), "1");
    }
}

TEST(RenderEdge, AnyComponentValueGivesValidText) {
    const std::vector<double> values = {nan,      -nan,   inf,   -inf,         DBL_MAX,
                                        -DBL_MAX, 1e19,   -1e19, 9.3e18 / 255, 0.5,
                                        -0.0,     5e-324, 1e-20, 255 / 255.0};
    const TokenList tokens = tokenize(
        "{rr}{rx}{r}{r.}{r%}{gg}{gx}{g}{g.}{g%}{BB}{BX}{b}{b.9}{b%}{h}{h.}{h%}{s}{s.}{l}{l.}{a}{a%"
        "}");
    setLogHandler([](std::string_view) {});
    for (const double r : values) {
        for (const double g : values) {
            const std::string text = render(tokens, ColorValue{r, g, 0.25, r});
            ASSERT_TRUE(isValidUtf8(text));
            ASSERT_FALSE(text.empty());
        }
    }
    setLogHandler(nullptr);
}

class HslWarning : public ::testing::Test {
protected:
    void SetUp() override {
        setLogHandler([this](std::string_view line) { lines_.emplace_back(line); });
    }
    void TearDown() override { setLogHandler(nullptr); }
    std::vector<std::string> lines_;
};

TEST_F(HslWarning, NoComponentAtTheMaximumLogsAndTakesLightness) {
    EXPECT_EQ(render(tokenize("{h}|{s}|{l}|{g}"), ColorValue{nan, 0.5, 0.2, 1}), "0|0|0|128");
    EXPECT_EQ(lines_, std::vector<std::string>{"*** hsl values may be inaccurate"});
}

TEST_F(HslWarning, LoggedEvenWhenNoHslComponentIsWritten) {
    EXPECT_EQ(render(tokenize("#{rr}{gg}{bb}"), ColorValue{nan, 1, 0, 1}), "#00ff00");
    EXPECT_EQ(lines_.size(), 1u);
}

TEST_F(HslWarning, OrdinaryColoursLogNothing) {
    const TokenList tokens = tokenize("hsla({h}, {s}%, {l}%, {a})");
    for (const ColorValue& color : {ColorValue{0, 0, 0, 1}, ColorValue{1, 0, 1, 1},
                                    ColorValue{0.2, 0.4, 0.6, 0.8}, ColorValue{2, -1, 0.5, 1}}) {
        render(tokens, color);
    }
    EXPECT_TRUE(lines_.empty());
}

TEST(HslWarningDefault, GoesToStandardError) {
    setLogHandler(nullptr);
    ::testing::internal::CaptureStderr();
    render(tokenize("{h}"), ColorValue{nan, nan, nan, 1});
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "*** hsl values may be inaccurate\n");
}

TEST(RenderInto, AppendsToExistingText) {
    std::string out = "colour: ";
    renderInto(tokenize("#{rr}{gg}{bb}"), ColorValue{1, 0.5, 0, 1}, out);
    EXPECT_EQ(out, "colour: #ff8000");
    EXPECT_EQ(render({}, ColorValue{}), "");
}

}  // namespace
}  // namespace hueloupe::test
