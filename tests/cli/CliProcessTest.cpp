// SPDX-License-Identifier: MIT
// The converter as a process: what it does when its standard streams fail.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string readAll(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char block[4096];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;) text.append(block, n);
    return text;
}

struct Outcome {
    int status;
    std::string out;  // empty when standard output went to outPath
    std::string err;
};

// Runs hueloupe-cli with standard input from inPath (or input written to a file) and standard
// output to outPath (or a file that is read back).
Outcome runProcess(const std::vector<std::string>& args, const char* inPath,
                   const std::string& input = {}, const char* outPath = nullptr) {
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    const pid_t pid = fork();
    if (pid == 0) {
        const int inFd = inPath ? open(inPath, O_RDONLY) : fileno(in);
        const int outFd = outPath ? open(outPath, O_WRONLY) : fileno(out);
        if (inFd < 0 || outFd < 0 || dup2(inFd, 0) < 0 || dup2(outFd, 1) < 0 ||
            dup2(fileno(err), 2) < 0) {
            _exit(126);
        }
        std::vector<char*> argv{const_cast<char*>(HUELOUPE_CLI_PATH)};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(HUELOUPE_CLI_PATH, argv.data());
        _exit(127);
    }
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    Outcome outcome{WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1, readAll(out), readAll(err)};
    for (std::FILE* file : {in, out, err}) std::fclose(file);
    return outcome;
}

// A write that fails (a full device) and a read that fails (a directory as standard input)
// end the run with status 3 and one message, never quietly; whatever else happened.
TEST(CliProcess, ReportsFailedReadsAndWrites) {
    const std::string noSpace = "hueloupe-cli: cannot write output: No space left on device\n";
    std::string many;  // more than stdio holds back at once
    for (int i = 0; i < 50000; ++i) many += "tomato\n";
    const struct {
        std::vector<std::string> args;
        const char* in;
        std::string input;
        const char* out;
        Outcome expected;
    } cases[] = {
        {{"convert", "red"}, nullptr, "", nullptr, {0, "#ff0000\n", ""}},
        {{"convert", "red"}, nullptr, "", "/dev/full", {3, "", noSpace}},
        {{"convert", "junk"}, nullptr, "", "/dev/full", {3, "", "invalid CSS: junk\n" + noSpace}},
        {{"convert"}, nullptr, many, "/dev/full", {3, "", noSpace}},
        {{"formats"}, nullptr, "", "/dev/full", {3, "", noSpace}},
        {{"--help"}, nullptr, "", "/dev/full", {3, "", noSpace}},
        {{"convert"},
         "/",
         "",
         nullptr,
         {3, "", "hueloupe-cli: cannot read input: Is a directory\n"}},
        {{"convert"},
         "/",
         "",
         "/dev/full",
         {3, "", "hueloupe-cli: cannot read input: Is a directory\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.front() + (c.in ? std::string(" < ") + c.in : "") +
                     (c.out ? std::string(" > ") + c.out : ""));
        const Outcome outcome = runProcess(c.args, c.in, c.input, c.out);
        EXPECT_EQ(outcome.status, c.expected.status);
        EXPECT_EQ(outcome.out, c.expected.out);
        EXPECT_EQ(outcome.err, c.expected.err);
    }
}

}  // namespace
