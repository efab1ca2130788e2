// Options answered before any display is opened; everything else is left to Qt.
#include <QTest>
#include <string>
#include <vector>

#include "app/CommandLine.h"

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void answersHelpAndVersionOnly() {
        struct Case {
            std::vector<const char*> argv;
            const char* answer;  // how the text begins; null: left to Qt
        };
        const Case cases[] = {
            {{"hueloupe", "--help"}, "Usage: hueloupe"},
            {{"hueloupe", "-platform", "offscreen", "--version"}, "hueloupe "},
            {{"hueloupe"}, nullptr},
            {{"hueloupe", "-platform", "offscreen"}, nullptr},
            {{"hueloupe", "--frobnicate"}, nullptr},
        };
        for (const Case& c : cases) {
            std::string out;
            const auto status = hueloupe::answerCommandLine(int(c.argv.size()), c.argv.data(), out);
            QVERIFY2(status.has_value() == (c.answer != nullptr), c.argv.back());
            if (status) {
                QCOMPARE(*status, 0);
                QVERIFY(out.starts_with(c.answer) && out.ends_with('\n'));
            }
        }
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
