// Test runner for the platform tests. Also serves as the child process of the two-writer
// test: `platform_tests --write-settings FILE PREFIX COUNT` stores COUNT lists and exits.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstring>

#include "platform/SettingsPreferences.h"

namespace {

int writeSettings(const char* file, const char* prefix, int count) {
    hueloupe::SettingsPreferences preferences(QString::fromLocal8Bit(file));
    const QString name = QString::fromLocal8Bit(prefix);
    for (int i = 0; i < count; ++i) {
        const QString index = QString::number(i);
        preferences.setObject(QStringList{name, index, name + QStringLiteral(", ") + index},
                              name + index);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);  // never the user's own settings
    if (argc == 5 && std::strcmp(argv[1], "--write-settings") == 0) {
        return writeSettings(argv[2], argv[3], std::atoi(argv[4]));
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
