#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace hueloupe::cli {
namespace {

std::string readAll(std::FILE* file)
{
    std::rewind(file);
    std::string text;
    char block[4096];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;) {
        text.append(block, n);
    }
    return text;
}

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result runCli(std::vector<std::string_view> args, const std::string& input = {})
{
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    const int status = run(args, in, out, err);
    Result result{status, readAll(out), readAll(err)};
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    return result;
}

TEST(CliConvert, ArgumentsAreConvertedOneLineEach)
{
    struct Case {
        std::vector<std::string_view> args;
        std::string out;
    } cases[] = {
        {{"convert", "#BCE368", "tomato"}, "#bce368\n#ff6347\n"},
        {{"convert", "--format", "hsl({h}, {s}%, {l}%)", "rgb(188, 227, 104)"}, "hsl(79, 69%, 65%)\n"},
        {{"convert", "--format=rgba({r}, {g}, {b}, {a})", "hsla(0, 100%, 50%, .5)"},
         "rgba(255, 0, 0, 0.5)\n"},
        {{"convert", "--", "--format"}, "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.out);
        EXPECT_EQ(runCli(c.args).out, c.out);
    }
}

TEST(CliConvert, InvalidTextGivesEmptyLineMessageAndStatusOne)
{
    const Result result = runCli({"convert", "red", "not a colour", "#abc"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "#ff0000\n\n#aabbcc\n");
    EXPECT_EQ(result.err, "invalid CSS: not a colour\n");
    EXPECT_EQ(runCli({"convert", "red"}).status, 0);
}

TEST(CliConvert, StandardInputLinesLoseTheirLineEnds)
{
    const Result result = runCli({"convert"}, "red\r\n#00ff00\n\nblue");
    EXPECT_EQ(result.out, "#ff0000\n#00ff00\n\n#0000ff\n");
    EXPECT_EQ(result.err, "invalid CSS: \n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(runCli({"convert"}, "").out, "");
}

TEST(CliConvert, OverlongLineIsRefusedWithoutReadingItWhole)
{
    std::string huge(3 << 20, 'x');
    huge += "#123456\nred\n";
    const Result result = runCli({"convert"}, huge);
    EXPECT_EQ(result.out, "\n#ff0000\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_LT(result.err.size(), (1u << 20) + 64);
}

TEST(CliConvert, ManyLinesComeOutInOrderAcrossBlocks)
{
    std::string input;
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        input += i % 2 ? "white\n" : "black\n";
        expected += i % 2 ? "#ffffff\n" : "#000000\n";
    }
    EXPECT_EQ(runCli({"convert"}, input).out, expected);
}

TEST(CliCommands, FormatsHelpAndMistakes)
{
    const Result formats = runCli({"formats"});
    EXPECT_EQ(formats.status, 0);
    EXPECT_EQ(std::count(formats.out.begin(), formats.out.end(), '\n'), 11);
    EXPECT_TRUE(formats.out.starts_with("#{rr}{gg}{bb}\n#{rx}{gx}{bx}\n"));

    const Result help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("{rr}"), std::string::npos);

    EXPECT_EQ(runCli({}).status, 2);
    EXPECT_EQ(runCli({"frobnicate"}).status, 2);
    EXPECT_EQ(runCli({"convert", "--format"}).status, 2);
}

}  // namespace
}  // namespace hueloupe::cli
