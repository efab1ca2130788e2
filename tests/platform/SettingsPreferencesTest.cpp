#include "platform/SettingsPreferences.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

namespace hueloupe {
namespace {

const QString kList = QStringLiteral("ColorHistory");
const QString kText = QStringLiteral("LastColor");
const QStringList kDefaultList{QStringLiteral("rgba(188, 227, 104, 1.0)"),
                               QStringLiteral("rgba(161, 213, 211, 1.0)")};
const QString kDefaultText = QStringLiteral("#ffffff");

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class SettingsPreferencesTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString path(const QString& name = QStringLiteral("hueloupe.conf")) const {
        return dir_.filePath(name);
    }

    // QSettings shares one parsed copy per file within a process, keeping the types that were
    // written; a copy under a new name is parsed from its text, as the next launch would.
    QVariant readFresh(const QString& file, const QString& key) {
        const QString copy = path(QStringLiteral("fresh%1.conf").arg(++copies_));
        EXPECT_TRUE(QFile::copy(file, copy));
        SettingsPreferences fresh(copy);
        return fresh.objectForKey(key);
    }

    static void registerTestDefaults(Preferences& preferences) {
        preferences.registerDefaults({{kList, kDefaultList}, {kText, kDefaultText}});
    }

    QTemporaryDir dir_;
    int copies_ = 0;
};

TEST_F(SettingsPreferencesTest, RegisteredDefaultsAreNeverWritten) {
    SettingsPreferences preferences(path());
    registerTestDefaults(preferences);
    EXPECT_EQ(preferences.objectForKey(kList), kDefaultList);
    EXPECT_FALSE(QFile::exists(path()));

    preferences.setObject(QStringLiteral("#123456"), QStringLiteral("Other"));
    const QByteArray text = readFile(path());
    EXPECT_TRUE(text.contains("#123456"));
    EXPECT_FALSE(text.contains("ColorHistory")) << text.constData();
    EXPECT_FALSE(text.contains("LastColor")) << text.constData();
}

TEST_F(SettingsPreferencesTest, RemovingAStoredValueBringsBackTheDefault) {
    SettingsPreferences preferences(path());
    registerTestDefaults(preferences);
    preferences.setObject(QStringList{QStringLiteral("#000000")}, kList);
    preferences.setObject(QVariant(), kList);
    EXPECT_EQ(preferences.objectForKey(kList), kDefaultList);
    EXPECT_FALSE(readFresh(path(), kList).isValid());
}

TEST_F(SettingsPreferencesTest, ListsReadBackAsTheSameList) {
    const QStringList lists[] = {
        {},
        {QStringLiteral("#bce368")},
        {QStringLiteral("#bce368"), QStringLiteral("#a1d5d3"), QStringLiteral("#7db8ec"),
         QStringLiteral("#cf8cbe"), QStringLiteral("#f686a0")},
        {QStringLiteral("rgba(188, 227, 104, 1.0)")},
        {QStringLiteral("\"quoted\""), QStringLiteral("a, b"), QStringLiteral("")},
        {QStringLiteral("été ☃ 𝄞"), QStringLiteral("@Variant(x)"), QStringLiteral("@")},
        {QStringLiteral("back\\slash"), QStringLiteral("new\nline"), QStringLiteral("k=v;#c")},
    };
    for (const QStringList& list : lists) {
        SCOPED_TRACE(list.join(QLatin1Char('|')).toStdString());
        SettingsPreferences preferences(path());
        registerTestDefaults(preferences);
        preferences.setObject(list, kList);
        EXPECT_EQ(preferences.objectForKey(kList), list);
        EXPECT_EQ(readFresh(path(), kList), list);
        EXPECT_EQ(SettingsPreferences(path()).stringListForKey(kList), list);
    }
}

TEST_F(SettingsPreferencesTest, ListAndTextReplaceEachOther) {
    SettingsPreferences preferences(path());
    preferences.setObject(QStringList{QStringLiteral("a"), QStringLiteral("b")}, kList);
    preferences.setObject(QStringLiteral("plain"), kList);
    EXPECT_EQ(readFresh(path(), kList), QStringLiteral("plain"));
    preferences.setObject(QVariantList{QStringLiteral("c")}, kList);
    EXPECT_EQ(readFresh(path(), kList), QStringList{QStringLiteral("c")});
}

struct DamagedCase {
    const char* name;
    QByteArray contents;
    QVariant list;  // expected for kList
    QVariant text;  // expected for kText
};

// Files a crash, an editor or another program may leave behind. Whatever cannot be decoded
// reads as the default, and reading never rewrites the file.
TEST_F(SettingsPreferencesTest, DamagedFilesGiveDefaultsAndStayUntouched) {
    const QVariant defaults = kDefaultList;
    const QByteArray binary("\xff\xfe\x00\x01\x02[[[\x00\x80\x81\n=\n\\\n", 16);
    const DamagedCase cases[] = {
        {"empty", "", defaults, kDefaultText},
        {"binary bytes", binary, defaults, kDefaultText},
        {"huge line", QByteArray(200000, 'x'), defaults, kDefaultText},
        {"huge value", "LastColor=" + QByteArray(200000, 'y') + "\n", defaults,
         QString(200000, QLatin1Char('y'))},
        {"good key after garbage", binary + "\n[General]\nLastColor=red\n", defaults,
         QStringLiteral("red")},
        {"undecodable variant", "[General]\nLastColor=@Variant(\\0\\0\\0\\x7f\\0)\n", defaults,
         kDefaultText},
        {"list size not a number", "[ColorHistory]\n1=#ff0000\nsize=abc\n", defaults, kDefaultText},
        {"list size negative", "[ColorHistory]\n1=#ff0000\nsize=-1\n", defaults, kDefaultText},
        {"list size beyond its elements", "[ColorHistory]\n1=#ff0000\nsize=99999999999\n", defaults,
         kDefaultText},
        {"list with a gap", "[ColorHistory]\n1=a\n3=c\nsize=2\n", defaults, kDefaultText},
        {"list with a non-string element", "[ColorHistory]\n1=a\n2=b, c\nsize=2\n",
         QVariantList{QStringLiteral("a"), QStringList{QStringLiteral("b"), QStringLiteral("c")}},
         kDefaultText},
        {"text where a list belongs", "[General]\nColorHistory=#ff0000\n",
         QStringLiteral("#ff0000"), kDefaultText},
        {"rectangle where text belongs", "[General]\nLastColor=@Rect(1 2 3 4)\n", defaults,
         QRect(1, 2, 3, 4)},
        {"group without a size", "[ColorHistory]\n1=#ff0000\n", defaults, kDefaultText},
    };
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path(QStringLiteral("damaged-%1.conf").arg(++copies_));
        writeFile(file, c.contents);
        {
            SettingsPreferences preferences(file);
            registerTestDefaults(preferences);
            EXPECT_EQ(preferences.objectForKey(kList), c.list);
            EXPECT_EQ(preferences.objectForKey(kText), c.text);
        }
        EXPECT_EQ(readFile(file), c.contents);

        // A change rewrites the file into one that reads back.
        SettingsPreferences preferences(file);
        preferences.setObject(QStringList{QStringLiteral("#010203")}, kList);
        EXPECT_EQ(readFresh(file, kList), QStringList{QStringLiteral("#010203")});
    }
}

TEST_F(SettingsPreferencesTest, OversizedFileIsIgnoredThenSetAsideOnWrite) {
    QByteArray contents("[General]\nLastColor=red\n");
    contents += '#' + QByteArray(SettingsPreferences::kMaxFileBytes, 'z') + '\n';
    writeFile(path(), contents);

    SettingsPreferences preferences(path());
    registerTestDefaults(preferences);
    EXPECT_EQ(preferences.objectForKey(kText), kDefaultText);
    EXPECT_EQ(readFile(path()), contents);

    preferences.setObject(QStringLiteral("blue"), kText);
    EXPECT_EQ(preferences.objectForKey(kText), QStringLiteral("blue"));
    EXPECT_EQ(readFresh(path(), kText), QStringLiteral("blue"));
    EXPECT_LT(QFile(path()).size(), 100);
    EXPECT_EQ(readFile(path() + QStringLiteral(".oversized")), contents);
}

TEST_F(SettingsPreferencesTest, UnreadablePathGivesDefaultsWithoutCrashing) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("hueloupe.conf")));
    SettingsPreferences preferences(path());
    registerTestDefaults(preferences);
    EXPECT_EQ(preferences.objectForKey(kList), kDefaultList);
    preferences.setObject(QStringLiteral("blue"), kText);  // cannot be saved; must not crash
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(SettingsPreferencesTest, MissingFolderIsCreatedOnFirstWrite) {
    const QString file = path(QStringLiteral("config/hueloupe/hueloupe.conf"));
    SettingsPreferences preferences(file);
    preferences.setObject(QStringLiteral("blue"), kText);
    EXPECT_EQ(readFresh(file, kText), QStringLiteral("blue"));
}

// Two processes storing at the same moment: each write locks the file and replaces it whole,
// so every value of both survives and the file stays readable.
TEST_F(SettingsPreferencesTest, TwoWritingProcessesLoseNothing) {
    constexpr int kWrites = 40;
    const QString file = path();
    QProcess first;
    QProcess second;
    const QString count = QString::number(kWrites);
    const QString self = QCoreApplication::applicationFilePath();
    first.start(self, {QStringLiteral("--write-settings"), file, QStringLiteral("A"), count});
    second.start(self, {QStringLiteral("--write-settings"), file, QStringLiteral("B"), count});
    ASSERT_TRUE(first.waitForFinished(60000));
    ASSERT_TRUE(second.waitForFinished(60000));
    ASSERT_EQ(first.exitCode(), 0);
    ASSERT_EQ(second.exitCode(), 0);

    SettingsPreferences preferences(file);
    for (const QString& name : {QStringLiteral("A"), QStringLiteral("B")}) {
        for (int i = 0; i < kWrites; ++i) {
            const QString index = QString::number(i);
            EXPECT_EQ(preferences.stringListForKey(name + index),
                      (QStringList{name, index, name + QStringLiteral(", ") + index}))
                << name.toStdString() << i;
        }
    }
}

}  // namespace
}  // namespace hueloupe
