#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "colour/CssColor.h"

namespace hueloupe {
namespace {

// The memo belongs to the calling thread, so each test runs its body on a fresh thread and
// starts from an empty memo.
void onFreshThread(const std::function<void()>& body) {
    std::thread worker(body);
    worker.join();
}

struct MemoCase {
    const char* name;
    std::vector<std::string> texts;  // parsed in order
    std::size_t entries;             // memo size afterwards
};

class CssMemo : public ::testing::TestWithParam<MemoCase> {};

TEST_P(CssMemo, StoresOnlySuccessfulParsesUnderLowerCasedText) {
    const MemoCase& c = GetParam();
    onFreshThread([&c] {
        EXPECT_EQ(cssColorMemoSize(), 0u);
        for (const std::string& text : c.texts) {
            const auto first = colorFromCSString(text);
            EXPECT_EQ(colorFromCSString(text), first) << text;
        }
        EXPECT_EQ(cssColorMemoSize(), c.entries);
    });
}

const MemoCase kCases[] = {
    {"SuccessIsStoredOnce", {"red", "red"}, 1},
    {"CaseVariantsShareOneEntry", {"Red", "RED", "red"}, 1},
    {"FailureIsNotStored", {"notacolour", "notacolour", "red "}, 0},
    {"DistinctTextsOfOneColourAreDistinctEntries", {"#f00", "#ff0000", "red"}, 3},
    {"NonAsciiKeysAreLowerCased", {"#ABC\u00C9", "#abc\u00E9"}, 1},
    {"LongTextsAreNotStored", {std::string(256, ' ') + "#abc", std::string(300, ' ') + "#abc"}, 0},
    {"TextAtTheLengthLimitIsStored", {std::string(252, ' ') + "#abc"}, 1},
};

INSTANTIATE_TEST_SUITE_P(Cases, CssMemo, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CssMemoBounds, StopsGrowingAtItsLimitButKeepsAnswering) {
    onFreshThread([] {
        char text[8];
        for (std::size_t i = 0; i < kCssMemoMaxEntries + 10; ++i) {
            std::snprintf(text, sizeof text, "%06zx", i);
            ASSERT_TRUE(colorFromCSString(text).has_value());
        }
        EXPECT_EQ(cssColorMemoSize(), kCssMemoMaxEntries);
        EXPECT_EQ(colorFromCSString("#00000a"), (ColorValue{0, 0, 10 / 255.0, 1}));
        EXPECT_EQ(colorFromCSString("red"), (ColorValue{1, 0, 0, 1}));
        EXPECT_EQ(cssColorMemoSize(), kCssMemoMaxEntries);
    });
}

TEST(CssMemoBounds, EachThreadHasItsOwnMemo) {
    onFreshThread([] {
        ASSERT_TRUE(colorFromCSString("navy").has_value());
        onFreshThread([] { EXPECT_EQ(cssColorMemoSize(), 0u); });
        EXPECT_EQ(cssColorMemoSize(), 1u);
    });
}

}  // namespace
}  // namespace hueloupe
