#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "colour/CssColor.h"
#include "colour/CssMemo.h"

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

ColorValue colourFor(std::size_t i) {
    return ColorValue{static_cast<double>(i), 0.5, 0.25, 1.0};
}

std::string keyFor(std::size_t i) {
    // Lengths from 1 to 60 bytes, so that keys are kept both inline and apart.
    std::string key = std::to_string(i);
    key.append(i % 60, static_cast<char>('a' + i % 26));
    return key;
}

TEST(CssColorMemoTable, FindsEveryKeyAfterGrowing) {
    CssColorMemo memo(100000, 256);
    constexpr std::size_t kKeys = 5000;
    for (std::size_t i = 0; i < kKeys; ++i) {
        ASSERT_TRUE(memo.insert(keyFor(i), colourFor(i)));
    }
    EXPECT_EQ(memo.size(), kKeys);
    for (std::size_t i = 0; i < kKeys; ++i) {
        const std::string key = keyFor(i);
        const ColorValue* found = memo.find(key);
        ASSERT_NE(found, nullptr) << key;
        EXPECT_EQ(*found, colourFor(i));
        EXPECT_EQ(memo.find(key + "!"), nullptr);
    }
    EXPECT_FALSE(memo.insert(keyFor(7), colourFor(8)));  // present: kept as it was
    EXPECT_EQ(*memo.find(keyFor(7)), colourFor(7));
}

struct LimitCase {
    const char* name;
    std::size_t maxEntries;
    std::vector<std::string> keys;
    std::vector<bool> stored;  // what insert answers for each key in turn
};

TEST(CssColorMemoTable, RefusesBeyondItsLimits) {
    const LimitCase cases[] = {
        {"EntryLimit", 2, {"a", "b", "c"}, {true, true, false}},
        {"KeyLimit", 10, {std::string(16, 'k'), std::string(17, 'k'), ""}, {true, false, true}},
        {"Duplicate", 10, {"same", "same"}, {true, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CssColorMemo memo(c.maxEntries, 16);
        std::size_t expectedSize = 0;
        for (std::size_t i = 0; i < c.keys.size(); ++i) {
            EXPECT_EQ(memo.insert(c.keys[i], colourFor(i)), c.stored[i]) << "key " << i;
            expectedSize += c.stored[i] ? 1 : 0;
        }
        for (std::size_t i = 0; i < c.keys.size(); ++i) {
            const bool storedEarlier =
                std::find(c.keys.begin(), c.keys.begin() + i + 1, c.keys[i]) != c.keys.begin() + i;
            EXPECT_EQ(memo.find(c.keys[i]) != nullptr, c.stored[i] || storedEarlier) << i;
        }
        EXPECT_EQ(memo.size(), expectedSize);
    }
}

}  // namespace
}  // namespace hueloupe
