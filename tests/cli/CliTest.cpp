// SPDX-License-Identifier: MIT
// The converter as a process, its standard streams redirected.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

struct Outcome {
    int status;
    std::string out;  // empty when standard output went to a path
    std::string err;
};

// Runs hueloupe-cli through sh with standard input from inPath, or else from input, and
// standard output to outPath, or else to a file that is read back.
Outcome run(const std::vector<std::string>& args, const std::string& input = {},
            const std::string& inPath = {}, const std::string& outPath = {}) {
    static char pattern[] = "/tmp/cli-test-XXXXXX";
    static const struct Dir : std::string {
        ~Dir() { std::filesystem::remove_all(std::string(*this)); }
    } dir{{mkdtemp(pattern)}};
    std::ofstream(dir + "/in", std::ios::binary) << input;
    std::ofstream(dir + "/out").close();
    std::string command = HUELOUPE_CLI_PATH;
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " <" + (inPath.empty() ? dir + "/in" : inPath) + " >" +
               (outPath.empty() ? dir + "/out" : outPath) + " 2>" + dir + "/err";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(dir + "/out"), slurp(dir + "/err")};
}

void expectOutcome(const Outcome& actual, const Outcome& expected) {
    EXPECT_EQ(actual.status, expected.status);
    EXPECT_TRUE(actual.out == expected.out) << actual.out.substr(0, 200);
    EXPECT_TRUE(actual.err == expected.err) << actual.err.substr(0, 200);
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
        std::vector<std::string> args;
        std::string input;
        Outcome expected;
    } cases[] = {
        {{"convert", "#BCE368", "tomato"}, "", {0, "#bce368\n#ff6347\n", ""}},
        {{"convert", "--format", "hex", "red"}, "", {0, "#ff0000\n", ""}},
        {{"convert", "--format=hsla"}, "red\n", {0, "hsla(0, 100%, 50%, 1.0)\n", ""}},
        {{"convert", "--", "--format"}, "", {1, "\n", "invalid CSS: --format\n"}},
        {{"convert", "junk", "#abc"}, "", {1, "\n#aabbcc\n", "invalid CSS: junk\n"}},
        {{"convert"}, "red\r\n\nblue", {1, "#ff0000\n\n#0000ff\n", "invalid CSS: \n"}},
        {{"convert"}, many, {0, manyOut, ""}},
        {{"convert"}, std::string(3 << 20, 'x') + "#123456\nred\n", {1, "\n#ff0000\n", cut}},
        {{"convert", "--format"}, "", {2, "", "hueloupe-cli: --format needs a format string\n"}},
        {{"frobnicate"}, "", {2, "", "hueloupe-cli: unknown command (try --help)\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        expectOutcome(run(c.args, c.input), c.expected);
    }
}

// As a filter: each line piped in is answered before the next one is written.
TEST(CliConvert, AnswersEachLineAsItArrives) {
    int in[2], out[2];
    ASSERT_EQ(pipe(in) + pipe(out), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        if (dup2(in[0], 0) < 0 || dup2(out[1], 1) < 0) {
            _exit(126);
        }
        for (const int fd : {in[0], in[1], out[0], out[1]}) close(fd);
        execl(HUELOUPE_CLI_PATH, HUELOUPE_CLI_PATH, "convert", nullptr);
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    for (const auto& [line, answer] : {std::pair{"red\n", "#ff0000\n"}, {"blue\n", "#0000ff\n"}}) {
        ASSERT_EQ(write(in[1], line, std::strlen(line)), ssize_t(std::strlen(line)));
        std::string got;
        pollfd ready{out[0], POLLIN, 0};
        char block[64];
        for (ssize_t n; got.size() < std::strlen(answer) && poll(&ready, 1, 5000) == 1 &&
                        (n = read(out[0], block, sizeof block)) > 0;) {
            got.append(block, std::size_t(n));
        }
        EXPECT_EQ(got, answer);
    }
    close(in[1]);
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    close(out[0]);
    EXPECT_EQ(wstatus, 0);
}

// A write that fails (a full device) and a read that fails (a directory as standard input)
// end the run with status 3 and one message, never quietly.
TEST(CliConvert, ReportsFailedReadsAndWrites) {
    const std::string noSpace = "hueloupe-cli: cannot write output: No space left on device\n";
    const std::string isDirectory = "hueloupe-cli: cannot read input: Is a directory\n";
    std::string many;  // more than stdio holds back at once
    for (int i = 0; i < 50000; ++i) many += "tomato\n";
    const struct {
        std::vector<std::string> args;
        std::string input;
        const char* in;
        const char* out;
        Outcome expected;
    } cases[] = {
        {{"convert", "red"}, "", "", "/dev/full", {3, "", noSpace}},
        {{"convert", "junk"}, "", "", "/dev/full", {3, "", "invalid CSS: junk\n" + noSpace}},
        {{"convert"}, many, "", "/dev/full", {3, "", noSpace}},
        {{"formats"}, "", "", "/dev/full", {3, "", noSpace}},
        {{"--help"}, "", "", "/dev/full", {3, "", noSpace}},
        {{"convert"}, "", "/", "", {3, "", isDirectory}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        expectOutcome(run(c.args, c.input, c.in, c.out), c.expected);
    }
}

}  // namespace
