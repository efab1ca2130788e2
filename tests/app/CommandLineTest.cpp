// SPDX-License-Identifier: MIT
// The hueloupe command line: what starts, what answers at once, what is a usage error.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "CommandLine.h"

namespace hueloupe {
namespace {

using Mode = LaunchOptions::Mode;

// The arguments are the words of line.
CommandLine parse(const std::string& line) {
    std::istringstream words(line);
    const std::vector<std::string> args(std::istream_iterator<std::string>{words}, {});
    std::vector<const char*> argv{"hueloupe"};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    return parseCommandLine(int(argv.size()), argv.data());
}

// Each launch that starts, with the options it starts with. Qt's options (one dash or two,
// a separate or joined value) pass through; only -platform is noted.
TEST(CommandLine, StartsWithTheOptionsGiven) {
    const struct {
        std::string args;
        LaunchOptions expected;
    } cases[] = {
        {"", {}},
        {"--format=hsla --no-copy --pick",
         {Mode::Pick, "hsla({h}, {s}%, {l}%, {a})", false, false, {}}},
        {"--pick --format --no-copy", {Mode::Pick, "--no-copy", true, false, {}}},
        {"--platform xcb -style=fusion --display :7 -reverse",
         {Mode::Window, {}, true, true, ":7"}},
        {"-style --pick", {}},  // the style is named "--pick"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const CommandLine line = parse(c.args);
        ASSERT_FALSE(line.exitStatus) << line.error;
        const auto tie = [](const LaunchOptions& o) {
            return std::tie(o.mode, o.format, o.copy, o.platformGiven, o.display);
        };
        EXPECT_EQ(tie(line.options), tie(c.expected));
        EXPECT_TRUE(line.output.empty() && line.error.empty());
    }
}

// Help and version answer on standard output with status 0 when met before any fault; a usage
// error names the fault, then the usage, on standard error with status 2. Unknown options used
// to be ignored.
TEST(CommandLine, AnswersAtOnce) {
    std::string accented = "-";
    for (int i = 0; i < 80; ++i) accented += "é";
    const struct {
        std::string args;
        int status;
        std::string message;  // the start of output, or of error
    } cases[] = {
        {"--help", 0, "Usage: hueloupe [Qt options]\n"},
        {"--pick -v", 0, "hueloupe " HUELOUPE_VERSION "\n"},
        {"--frobnicate --help", 2, "hueloupe: unknown option '--frobnicate'\nUsage: "},
        {"-", 2, "hueloupe: unexpected argument '-'\n"},
        {"--pick --format", 2, "hueloupe: --format needs a format string"},
        {"--pick --format=", 2, "hueloupe: --format needs a format string"},
        {"--format hex", 2, "hueloupe: --format and --no-copy go with --pick\n"},
        {"--pick -platform", 2, "hueloupe: Qt's option -platform needs a value\n"},
        {accented, 2, "hueloupe: unknown option '" + accented.substr(0, 99) + "'\n"},
        {"--pick --format=" + std::string(4097, 'x'), 2, "hueloupe: --format takes at most 4096"},
    };
    EXPECT_FALSE(parse("--pick --format " + std::string(4096, 'x')).exitStatus);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.substr(0, 40));
        const CommandLine line = parse(c.args);
        ASSERT_EQ(line.exitStatus, c.status);
        const std::string& text = c.status == 0 ? line.output : line.error;
        EXPECT_EQ(text.substr(0, c.message.size()), c.message);
        EXPECT_TRUE((c.status == 0 ? line.error : line.output).empty());
        EXPECT_TRUE(text.ends_with('\n'));
        if (c.status == 2) {
            EXPECT_LT(text.size(), 600u);
            EXPECT_NE(text.find("Usage: hueloupe"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace hueloupe
