#include "platform/Preferences.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QRect>

#include "platform/InMemoryPreferences.h"

namespace hueloupe {
namespace {

struct TextCase {
    const char* name;
    QVariant value;
    std::optional<QString> text;
};

TEST(PreferencesTest, StringForKeyGivesTextOnlyForScalars) {
    const TextCase cases[] = {
        {"string", QStringLiteral("#bce368"), QStringLiteral("#bce368")},
        {"empty string", QString(), QString()},
        {"true", true, QStringLiteral("1")},
        {"false", false, QStringLiteral("0")},
        {"int", 42, QStringLiteral("42")},
        {"negative long long", qlonglong{-7}, QStringLiteral("-7")},
        {"double", 0.5, QStringLiteral("0.5")},
        {"double, shortest form", 0.1, QStringLiteral("0.1")},
        {"string list", QStringList{QStringLiteral("a")}, std::nullopt},
        {"variant list", QVariantList{1, 2}, std::nullopt},
        {"map", QVariantMap{{QStringLiteral("k"), 1}}, std::nullopt},
        {"bytes", QByteArray("abc"), std::nullopt},
        {"rect", QRect(1, 2, 3, 4), std::nullopt},
        {"no value", QVariant(), std::nullopt},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        InMemoryPreferences preferences;
        preferences.setObject(c.value, QStringLiteral("Key"));
        EXPECT_EQ(preferences.stringForKey(QStringLiteral("Key")), c.text);
    }
}

struct ListCase {
    const char* name;
    QVariant value;
    std::optional<QStringList> list;
};

TEST(PreferencesTest, StringListForKeyNeedsEveryElementToBeAString) {
    const QStringList two{QStringLiteral("a"), QStringLiteral("b")};
    const ListCase cases[] = {
        {"string list", two, two},
        {"empty string list", QStringList{}, QStringList{}},
        {"variant list of strings", QVariantList{QStringLiteral("a"), QStringLiteral("b")}, two},
        {"empty variant list", QVariantList{}, QStringList{}},
        {"variant list with a number", QVariantList{QStringLiteral("a"), 1}, std::nullopt},
        {"nested list", QVariantList{QVariant(two)}, std::nullopt},
        {"string", QStringLiteral("a"), std::nullopt},
        {"number", 3, std::nullopt},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        InMemoryPreferences preferences;
        preferences.setObject(c.value, QStringLiteral("Key"));
        EXPECT_EQ(preferences.stringListForKey(QStringLiteral("Key")), c.list);
    }
}

TEST(PreferencesTest, StoredValueHidesTheDefaultUntilRemoved) {
    InMemoryPreferences preferences;
    preferences.registerDefaults({{QStringLiteral("Key"), QStringLiteral("default")}});
    EXPECT_TRUE(preferences.stored().isEmpty());

    preferences.setObject(QStringLiteral("mine"), QStringLiteral("Key"));
    EXPECT_EQ(preferences.objectForKey(QStringLiteral("Key")), QStringLiteral("mine"));

    preferences.setObject(QVariant(), QStringLiteral("Key"));
    EXPECT_EQ(preferences.objectForKey(QStringLiteral("Key")), QStringLiteral("default"));
    EXPECT_FALSE(preferences.objectForKey(QStringLiteral("Other")).isValid());
}

TEST(PreferencesTest, ScopedOverridesNestAndRestore) {
    Preferences& original = Preferences::standard();
    InMemoryPreferences outer;
    InMemoryPreferences inner;
    {
        ScopedStandardPreferences useOuter(outer);
        EXPECT_EQ(&Preferences::standard(), &outer);
        {
            ScopedStandardPreferences useInner(inner);
            EXPECT_EQ(&Preferences::standard(), &inner);
        }
        EXPECT_EQ(&Preferences::standard(), &outer);
    }
    EXPECT_EQ(&Preferences::standard(), &original);
}

}  // namespace
}  // namespace hueloupe
