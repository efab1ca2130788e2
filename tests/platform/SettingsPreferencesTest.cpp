// SPDX-License-Identifier: MIT
// Also the runner of the platform tests.
#include "SettingsPreferences.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace hueloupe {
namespace {

const QString kList = QStringLiteral("ColorHistory");
const QString kText = QStringLiteral("LastColor");
const QVariantMap kDefaults{{kList, QStringList{"rgba(188, 227, 104, 1.0)", "#a1d5d3"}},
                            {kText, QStringLiteral("#ffffff")}};

// A new path for every file these tests use.
QString newPath(const QString& name = QStringLiteral(".conf")) {
    static QTemporaryDir dir;
    static int count = 0;
    return dir.filePath(QString::number(++count) + name);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// QSettings shares one parsed copy per file within a process, keeping the types written; a
// copy under a new name is parsed from its text, as the next launch would.
QVariant readFresh(const QString& file, const QString& key) {
    const QString copy = newPath();
    EXPECT_TRUE(QFile::copy(file, copy));
    return SettingsPreferences(copy).objectForKey(key);
}

// Files a crash, an editor or another program may leave behind: what cannot be decoded reads
// as the default, a value of another type as none. Reading never rewrites the file; the next
// change replaces it, setting an oversized one aside.
TEST(SettingsPreferencesTest, DamagedFilesGiveDefaultsAndStayUntouchedUntilAChange) {
    const QByteArray big = "LastColor=red\n#" + QByteArray(SettingsPreferences::kMaxFileBytes, 'z');
    const QStringList list = kDefaults[kList].toStringList();
    const QString text = kDefaults[kText].toString();
    const struct {
        const char* name;
        QByteArray contents;  // null: a folder stands where the file belongs
        std::optional<QStringList> list;
        std::optional<QString> text;
    } cases[] = {
        {"unreadable: a folder", QByteArray(), list, text},
        {"oversized", big, list, text},
        {"junk first", "\xff\xfe\x01[[[\x80\n=\n\\\n[General]\nLastColor=red\n", list, "red"},
        {"undecodable variant", "[General]\nLastColor=@Variant(\\0\\0\\0\\x7f\\0)\n", list, text},
        {"list size not a number", "[ColorHistory]\n1=#ff0000\nsize=abc\n", list, text},
        {"list size too big", "[ColorHistory]\n1=#ff0000\nsize=99999999999\n", list, text},
        {"list with a gap", "[ColorHistory]\n1=a\n3=c\nsize=2\n", list, text},
        {"text for a list", "[General]\nColorHistory=#ff0000\n", {}, text},
        {"list in a list", "[ColorHistory]\n1=a\n2=b, c\nsize=2\n", {}, text},
        {"rectangle for text", "[General]\nLastColor=@Rect(1 2 3 4)\n", list, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = newPath();
        ASSERT_TRUE(c.contents.isNull() ? QDir().mkpath(file) : writeFile(file, c.contents));
        SettingsPreferences preferences(file);
        preferences.registerDefaults(kDefaults);
        EXPECT_EQ(preferences.stringListForKey(kList), c.list);
        EXPECT_EQ(preferences.stringForKey(kText), c.text);
        EXPECT_EQ(readFile(file), c.contents);

        preferences.setObject(QStringList{"#010203"}, kList);  // unsaveable to a folder; no crash
        const bool oversized = c.contents.size() > SettingsPreferences::kMaxFileBytes;
        EXPECT_EQ(readFile(file + ".oversized"), oversized ? c.contents : QByteArray());
        if (!c.contents.isNull()) {
            EXPECT_EQ(readFresh(file, kList), QStringList{"#010203"});
        }
    }
}

}  // namespace
}  // namespace hueloupe

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);  // never the user's own settings
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
