#include "history/ColorHistory.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/InMemoryPreferences.h"

namespace hueloupe {
namespace {

ColorValue rgb(int red, int green, int blue, double alpha = 1.0) {
    return {red / 255.0, green / 255.0, blue / 255.0, alpha};
}

const std::vector<ColorValue> kDefaults{rgb(188, 227, 104), rgb(161, 213, 211), rgb(125, 184, 236),
                                        rgb(207, 140, 190), rgb(246, 134, 160)};

QStringList stored(const InMemoryPreferences& preferences) {
    return preferences.stored().value(ColorHistory::kKey).toStringList();
}

struct LoadCase {
    const char* name;
    QVariant stored;  // invalid: nothing stored
    std::vector<ColorValue> expected;
};

// Loading never writes, whatever it finds.
TEST(ColorHistoryTest, LoadsWhatIsStored) {
    const QString big(100000, QLatin1Char('z'));
    const LoadCase cases[] = {
        {"first start", QVariant(), kDefaults},
        {"three colours",
         QStringList{"#ff0000", "#00ff00", "#0000ff"},
         {rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255)}},
        {"second not a colour",
         QStringList{"#ff0000", "not a colour", "blue", "#010203"},
         {rgb(255, 0, 0), rgb(0, 0, 255), rgb(1, 2, 3)}},
        {"repeats kept",
         QStringList{"red", "#ff0000", "red"},
         {rgb(255, 0, 0), rgb(255, 0, 0), rgb(255, 0, 0)}},
        {"more than five keeps the first five",
         QStringList{"#000001", "#000002", "bad", "#000003", "#000004", "#000005", "#000006",
                     "#000007"},
         {rgb(0, 0, 1), rgb(0, 0, 2), rgb(0, 0, 3), rgb(0, 0, 4), rgb(0, 0, 5)}},
        {"alpha in stored text kept", QStringList{"rgba(255, 0, 0, 0.5)"}, {rgb(255, 0, 0, 0.5)}},
        {"empty list", QStringList{}, {}},
        {"list of strings as variants", QVariantList{"#ff0000"}, {rgb(255, 0, 0)}},
        {"a string, not a list", QStringLiteral("#ff0000"), {}},
        {"a number", 7, {}},
        {"a list with a number", QVariantList{"#ff0000", 7}, {}},
        {"a very long entry", QStringList{big, "#ff0000"}, {rgb(255, 0, 0)}},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        InMemoryPreferences preferences;
        if (c.stored.isValid()) {
            preferences.setObject(c.stored, ColorHistory::kKey);
        }
        const int writes = preferences.writeCount();
        ColorHistory history(preferences);
        history.loadHistory();
        EXPECT_EQ(history.colors(), c.expected);
        EXPECT_EQ(preferences.writeCount(), writes);
    }
}

TEST(ColorHistoryTest, DefaultsAreRegisteredNotStored) {
    InMemoryPreferences preferences;
    ColorHistory history(preferences);
    EXPECT_TRUE(preferences.stored().isEmpty());
    EXPECT_EQ(preferences.stringListForKey(ColorHistory::kKey), ColorHistory::defaultEntries());
    EXPECT_EQ(ColorHistory::defaultEntries().front(), QStringLiteral("rgba(188, 227, 104, 1.0)"));
}

TEST(ColorHistoryTest, PushIntoTheDefaultsDropsTheOldestAndStoresHex) {
    InMemoryPreferences preferences;
    ColorHistory history(preferences);
    history.loadHistory();
    EXPECT_TRUE(history.pushColor(rgb(1, 2, 3)));

    const std::vector<ColorValue> expected{rgb(1, 2, 3), kDefaults[0], kDefaults[1], kDefaults[2],
                                           kDefaults[3]};
    EXPECT_EQ(history.colors(), expected);
    EXPECT_EQ(stored(preferences),
              (QStringList{"#010203", "#bce368", "#a1d5d3", "#7db8ec", "#cf8cbe"}));
}

TEST(ColorHistoryTest, HalfTransparentColourIsShownWithAlphaButStoredOpaque) {
    InMemoryPreferences preferences;
    preferences.setObject(QStringList{}, ColorHistory::kKey);
    ColorHistory history(preferences);
    history.loadHistory();
    history.pushColor(rgb(255, 0, 0, 0.5));
    EXPECT_EQ(history.colorAtIndex(0), rgb(255, 0, 0, 0.5));
    EXPECT_EQ(stored(preferences), QStringList{"#ff0000"});

    ColorHistory nextLaunch(preferences);
    nextLaunch.loadHistory();
    EXPECT_EQ(nextLaunch.colors(), std::vector<ColorValue>{rgb(255, 0, 0)});
}

struct PushCase {
    const char* name;
    QStringList stored;
    ColorValue pushed;
    bool changes;
    std::vector<ColorValue> expected;
};

TEST(ColorHistoryTest, PushAddsOnlyNewColours) {
    const ColorValue red = rgb(255, 0, 0);
    const ColorValue nearlyRed{std::nextafter(1.0, 0.0), 0, 0, 1};
    const PushCase cases[] = {
        {"colour at index 3 again", ColorHistory::defaultEntries(), kDefaults[3], false, kDefaults},
        {"newest again", ColorHistory::defaultEntries(), kDefaults[0], false, kDefaults},
        {"three grow to four",
         {"#00ff00", "#0000ff", "#ffffff"},
         red,
         true,
         {red, rgb(0, 255, 0), rgb(0, 0, 255), rgb(255, 255, 255)}},
        {"into nothing", {}, red, true, {red}},
        {"one unit in the last place apart is new", {"#ff0000"}, nearlyRed, true, {nearlyRed, red}},
        {"same colour, other alpha is new",
         {"#ff0000"},
         rgb(255, 0, 0, 0.5),
         true,
         {rgb(255, 0, 0, 0.5), red}},
        {"repeat of a stored repeat", {"red", "red"}, red, false, {red, red}},
        {"more than five stored, then a push",
         {"#000001", "#000002", "#000003", "#000004", "#000005", "#000006"},
         red,
         true,
         {red, rgb(0, 0, 1), rgb(0, 0, 2), rgb(0, 0, 3), rgb(0, 0, 4)}},
    };
    for (const PushCase& c : cases) {
        SCOPED_TRACE(c.name);
        InMemoryPreferences preferences;
        preferences.setObject(c.stored, ColorHistory::kKey);
        ColorHistory history(preferences);
        history.loadHistory();
        EXPECT_EQ(history.pushColor(c.pushed), c.changes);
        EXPECT_EQ(history.colors(), c.expected);
        EXPECT_EQ(preferences.writeCount(), c.changes ? 2 : 1);
        if (!c.changes) {
            EXPECT_EQ(stored(preferences), c.stored);
        }
    }
}

TEST(ColorHistoryTest, BadEntryStaysStoredUntilAPushRewritesTheList) {
    InMemoryPreferences preferences;
    preferences.setObject(QStringList{"#ff0000", "nonsense", "#0000ff"}, ColorHistory::kKey);
    ColorHistory history(preferences);
    history.loadHistory();
    EXPECT_EQ(stored(preferences), (QStringList{"#ff0000", "nonsense", "#0000ff"}));

    history.pushColor(rgb(0, 255, 0));
    EXPECT_EQ(stored(preferences), (QStringList{"#00ff00", "#ff0000", "#0000ff"}));
}

TEST(ColorHistoryTest, ColorAtIndexOnlyWithinTheList) {
    InMemoryPreferences preferences;
    preferences.setObject(QStringList{"#ff0000", "#00ff00", "#0000ff"}, ColorHistory::kKey);
    ColorHistory history(preferences);
    history.loadHistory();
    const struct {
        qsizetype index;
        std::optional<ColorValue> expected;
    } cases[] = {
        {0, rgb(255, 0, 0)},
        {2, rgb(0, 0, 255)},
        {3, std::nullopt},
        {4, std::nullopt},
        {-1, std::nullopt},
        {std::numeric_limits<qsizetype>::max(), std::nullopt},
        {std::numeric_limits<qsizetype>::min(), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(history.colorAtIndex(c.index), c.expected);
    }
}

}  // namespace
}  // namespace hueloupe
