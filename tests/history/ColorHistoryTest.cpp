// SPDX-License-Identifier: MIT
#include "ColorHistory.h"

#include <gtest/gtest.h>

#include <cmath>

#include "InMemoryPreferences.h"
#include "SettingsKeys.h"

namespace hueloupe {
namespace {

ColorValue hex(int rgb, double alpha = 1.0) {
    return {(rgb >> 16) / 255.0, (rgb >> 8 & 0xff) / 255.0, (rgb & 0xff) / 255.0, alpha};
}

// Each case loads what is stored (invalid: nothing), then pushes a colour. Loading restores
// the stored colours in order, skipping entries that are not colours, at most five, and never
// writes. A push puts a new colour first, keeping alpha, drops the oldest beyond five and
// stores the whole list in hex without alpha; a colour already present changes nothing.
TEST(ColorHistoryTest, LoadsThenPushesOnlyNewColours) {
    const std::vector<ColorValue> defaults{hex(0xbce368), hex(0xa1d5d3), hex(0x7db8ec),
                                           hex(0xcf8cbe), hex(0xf686a0)};
    const QStringList defaultsHex{"#bce368", "#a1d5d3", "#7db8ec", "#cf8cbe", "#f686a0"};
    const QStringList damaged{"red", "junk", QString(100000, 'z'), "rgba(255, 0, 0, .5)", "red"};
    const ColorValue red = hex(0xff0000), halfRed = hex(0xff0000, 0.5);
    const QStringList redHex{"#ff0000"};
    const QStringList redAnd4 = redHex + defaultsHex.first(4);
    const struct {
        const char* name;
        QVariant stored;
        std::vector<ColorValue> loaded;
        ColorValue pushed;
        QStringList written;  // empty: nothing changes
    } cases[] = {
        {"first start", {}, defaults, red, redAnd4},
        {"a default again", {}, defaults, defaults[3], {}},
        {"more than five", QStringList{"bad"} + defaultsHex + redHex, defaults, red, redAnd4},
        {"damaged skipped, repeats kept", damaged, {red, halfRed, red}, red, {}},
        {"alpha stored opaque", QStringList{}, {}, halfRed, redHex},
        {"not a list", "#ff0000", {}, red, redHex},
        {"other alpha is new", redHex, {red}, halfRed, redHex + redHex},
        {"ulp apart is new", redHex, {red}, {std::nextafter(1.0, 0.0), 0, 0, 1}, redHex + redHex},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InMemoryPreferences preferences;
        preferences.setObject(c.stored, keys::kColorHistory);  // one write
        ColorHistory history(preferences);
        history.loadHistory();
        EXPECT_EQ(history.colors(), c.loaded);
        EXPECT_EQ(preferences.writeCount(), 1);
        EXPECT_FALSE(history.colorAtIndex(qsizetype(c.loaded.size())) || history.colorAtIndex(-1));

        const bool changes = !c.written.isEmpty();
        std::vector<ColorValue> expected{c.pushed};
        expected.insert(expected.end(), c.loaded.begin(),
                        c.loaded.begin() + std::min<std::size_t>(c.loaded.size(), 4));
        EXPECT_EQ(history.pushColor(c.pushed), changes);
        EXPECT_EQ(history.colors(), changes ? expected : c.loaded);
        EXPECT_EQ(preferences.stored().value(keys::kColorHistory),
                  changes ? QVariant(c.written) : c.stored);
        EXPECT_EQ(preferences.writeCount(), changes ? 2 : 1);
    }
}

// A colour with alpha or off the 8-bit grid is stored as a text that parses to another colour;
// copying it again must still find it in the list rather than push the user's colours out.
TEST(ColorHistoryTest, ColoursStoredInexactlyAreNotPushedTwice) {
    InMemoryPreferences preferences;
    ColorHistory history(preferences);
    history.loadHistory();
    const ColorValue offGrid{0.25, 200 / 340.0, 0.75, 1.0}, halfAlpha = hex(0xc86432, 0.5);
    for (const ColorValue& color : {offGrid, offGrid, halfAlpha, offGrid, halfAlpha}) {
        history.pushColor(color);
    }
    EXPECT_EQ(preferences.stringListForKey(keys::kColorHistory),
              QStringList({"#c86432", "#4096bf", "#bce368", "#a1d5d3", "#7db8ec"}));
    EXPECT_EQ(history.colors()[1], offGrid);
    EXPECT_EQ(preferences.writeCount(), 2);
}

}  // namespace
}  // namespace hueloupe
