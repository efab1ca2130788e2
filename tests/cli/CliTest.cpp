// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Cli.h"

namespace hueloupe::cli {
namespace {

std::string readAll(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char block[4096];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;) text.append(block, n);
    return text;
}

struct Result {
    std::string out;
    std::string err;
    int status;
};

Result runCli(std::vector<std::string_view> args, const std::string& input = {}) {
    std::FILE* files[] = {std::tmpfile(), std::tmpfile(), std::tmpfile()};
    std::fwrite(input.data(), 1, input.size(), files[0]);
    std::rewind(files[0]);
    const int status = run(args, files[0], files[1], files[2]);
    Result result{readAll(files[1]), readAll(files[2]), status};
    for (std::FILE* file : files) std::fclose(file);
    return result;
}

// One output line per argument, or per line of standard input (without its "\n" or "\r\n").
// Text that is no colour gives an empty line, a message and status 1; an overlong input line
// is refused, its message cut short.
TEST(CliConvert, ConvertsEachTextToOneLine) {
    std::string many, manyOut;  // across the reader's blocks
    for (int i = 0; i < 20000; ++i) {
        many += i % 2 ? "white\n" : "black\n";
        manyOut += i % 2 ? "#ffffff\n" : "#000000\n";
    }
    const std::string cut = "invalid CSS: " + std::string(1 << 20, 'x') + "...\n";
    const struct {
        std::vector<std::string_view> args;
        std::string input;
        Result expected;
    } cases[] = {
        {{"convert", "#BCE368", "tomato"}, "", {"#bce368\n#ff6347\n", "", 0}},
        {{"convert", "--format", "hsl({h},{s},{l})", "#bce368"}, "", {"hsl(79,69,65)\n", "", 0}},
        {{"convert", "--format={r} {a}", "hsla(0,100%,50%,.5)"}, "", {"255 0.5\n", "", 0}},
        {{"convert", "--", "--format"}, "", {"\n", "invalid CSS: --format\n", 1}},
        {{"convert", "junk", "#abc"}, "", {"\n#aabbcc\n", "invalid CSS: junk\n", 1}},
        {{"convert"}, "red\r\n\nblue", {"#ff0000\n\n#0000ff\n", "invalid CSS: \n", 1}},
        {{"convert"}, "", {"", "", 0}},
        {{"convert"}, many, {manyOut, "", 0}},
        {{"convert"}, std::string(3 << 20, 'x') + "#123456\nred\n", {"\n#ff0000\n", cut, 1}},
        {{"convert", "--format"}, "", {"", "hueloupe-cli: --format needs a format string\n", 2}},
        {{"frobnicate"}, "", {"", "hueloupe-cli: unknown command (try --help)\n", 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        const Result result = runCli(c.args, c.input);
        EXPECT_EQ(result.status, c.expected.status);
        EXPECT_TRUE(result.out == c.expected.out) << result.out.substr(0, 200);
        EXPECT_TRUE(result.err == c.expected.err) << result.err.substr(0, 200);
    }
}

// The eleven output formats; help explains the references, and is the usage shown on
// standard error (status 2) when no command is given.
TEST(CliCommands, FormatsAndHelp) {
    const Result formats = runCli({"formats"});
    EXPECT_EQ(formats.status, 0);
    EXPECT_EQ(std::count(formats.out.begin(), formats.out.end(), '\n'), 11);
    EXPECT_TRUE(
        formats.out.starts_with("hex           #{rr}{gg}{bb}\nhex3          #{rx}{gx}{bx}\n"));
    EXPECT_NE(formats.out.find("\nuicolor-objc  [UIColor colorWithRed:"), std::string::npos);
    const Result help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("{rr}"), std::string::npos);
    const Result none = runCli({});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.err, help.out);
}

}  // namespace
}  // namespace hueloupe::cli
