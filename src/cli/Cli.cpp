// SPDX-License-Identifier: MIT
#include "Cli.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "Catalog.h"
#include "CssColor.h"
#include "LineReader.h"
#include "OutputFormats.h"
#include "Renderer.h"
#include "Tokenizer.h"

namespace hueloupe::cli {
namespace {

constexpr std::string_view kUsage = N_(
    "Usage: hueloupe-cli convert [--format FMT] [TEXT...]\n"
    "       hueloupe-cli formats\n"
    "       hueloupe-cli --help | --version\n"
    "\n"
    "convert  reads each TEXT (or each line of standard input) as CSS colour text:\n"
    "         #rrggbb, rrggbb, #rgb, rgb[a](r, g, b[, a]), hsl[a](h, s%, l%[, a]) or a keyword,\n"
    "         and prints it through FMT, one line each, each as soon as its line is read.\n"
    "         FMT is a short name from the formats list (hex, hex3, hexbare, rgb, rgba, hsl,\n"
    "         hsla, nscolor-swift, ...) or a format string; by default hex, \"#{rr}{gg}{bb}\".\n"
    "         Text that is not a colour prints an empty line and \"invalid CSS: TEXT\" on\n"
    "         standard error.\n"
    "formats  lists the eleven output formats, each as its short name and its format string.\n"
    "\n"
    "Format strings: text with references in braces. {r} {g} {b} are 0-255, {h} is 0-360,\n"
    "{s} {l} are 0-100 and {a} is 0-1 with two decimals. {rr} {gg} {bb} write two hex digits\n"
    "({RR} upper case), {rx} {gx} {bx} the first hex digit, {c%} a percentage, {c.} a fraction\n"
    "with four decimals and {c.N} with N decimals (trailing zeros trimmed), for any letter c of\n"
    "r g b h s l a. \\{ and \\\\ write { and \\; anything else that is no reference is literal.\n"
    "Example: hueloupe-cli convert --format 'hsl({h}, {s}%, {l}%)' tomato\n"
    "\n"
    "Exit status: 0 when every text was a colour, 1 when one was not, 2 for a wrong command\n"
    "line, 3 when standard input could not be read or the output could not be written.\n");

constexpr std::string_view kTruncatedMark = "...";

// Writes to a stream through stdio, remembering the first failure; nothing more is written
// after it.
class Output {
public:
    explicit Output(std::FILE* stream) : stream_(stream) {}

    void write(std::string_view text) {
        if (!failed_ && std::fwrite(text.data(), 1, text.size(), stream_) != text.size()) {
            fail();
        }
    }
    // Flushes what stdio holds; true when everything written so far has gone out.
    bool finish() {
        if (!failed_ && (std::fflush(stream_) != 0 || std::ferror(stream_))) {
            fail();
        }
        return !failed_;
    }
    bool failed() const { return failed_; }
    int error() const { return error_; }

private:
    void fail() {
        failed_ = true;
        error_ = errno;
    }

    std::FILE* stream_;
    bool failed_ = false;
    int error_ = 0;
};

// what: "read input" or "write output"; error: the errno value of the failure.
int reportStreamError(const char* what, int error, std::FILE* err) {
    std::fprintf(err, "hueloupe-cli: cannot %s: %s\n", what, std::strerror(error));
    return 3;
}

// The exit status after the output is complete: 3 when it did not all go out.
int finishOutput(Output& out, int status, std::FILE* err) {
    return out.finish() ? status : reportStreamError("write output", out.error(), err);
}

int convert(std::span<const std::string_view> args, std::FILE* in, std::FILE* outStream,
            std::FILE* err) {
    std::string_view format = kOutputFormats[0].formatString;
    std::vector<std::string_view> texts;
    bool optionsDone = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsDone && arg == "--") {
            optionsDone = true;
        } else if (!optionsDone && arg == "--format") {
            if (i + 1 == args.size()) {
                std::fputs("hueloupe-cli: --format needs a format string\n", err);
                return 2;
            }
            format = formatStringForName(args[++i]);
        } else if (!optionsDone && arg.starts_with("--format=")) {
            format = formatStringForName(arg.substr(9));
        } else {
            texts.push_back(arg);
        }
    }
    const TokenList tokens = tokenize(format);
    Output out(outStream);
    bool anyInvalid = false;
    std::string line;
    const auto convertOne = [&](std::string_view text, bool truncated) {
        line.clear();
        if (const auto color = truncated ? std::nullopt : colorFromCSString(text)) {
            renderInto(tokens, *color, line);
        } else {
            anyInvalid = true;
            const std::string message = "invalid CSS: " + std::string(text) +
                                        std::string(truncated ? kTruncatedMark : "") + "\n";
            std::fwrite(message.data(), 1, message.size(), err);
        }
        line.push_back('\n');
        out.write(line);
    };
    if (!texts.empty()) {
        for (std::size_t i = 0; i < texts.size() && !out.failed(); ++i) {
            const bool tooLong = texts[i].size() > LineReader::kMaxLine;
            convertOne(tooLong ? texts[i].substr(0, LineReader::kMaxLine) : texts[i], tooLong);
        }
    } else {
        // Whatever has been answered goes out before waiting for more input, so the converter
        // works as a filter; a file or a busy pipe is still read and written in large blocks.
        LineReader reader(fileno(in), [&out] { return out.finish(); });
        while (!out.failed()) {
            const auto next = reader.next();
            if (!next) {
                break;
            }
            convertOne(next->text, next->truncated);
        }
        if (reader.error() != 0) {
            out.finish();
            return reportStreamError("read input", reader.error(), err);
        }
    }
    return finishOutput(out, anyInvalid ? 1 : 0, err);
}

int writeAll(std::string_view text, std::FILE* stream, std::FILE* err) {
    Output out(stream);
    out.write(text);
    return finishOutput(out, 0, err);
}

}  // namespace

int run(std::span<const std::string_view> args, std::FILE* in, std::FILE* out, std::FILE* err,
        const Catalog& messages) {
    const std::string_view usage = messages.translate(kUsage);
    if (args.empty()) {
        std::fwrite(usage.data(), 1, usage.size(), err);
        return 2;
    }
    const std::string_view command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        return writeAll(usage, out, err);
    }
    if (command == "--version") {
        return writeAll("hueloupe-cli " HUELOUPE_VERSION "\n", out, err);
    }
    if (command == "convert") {
        return convert(args.subspan(1), in, out, err);
    }
    if (command == "formats") {
        std::string list;
        constexpr std::size_t kNameColumn = 14;  // the longest short name and a space
        for (const OutputFormat& format : kOutputFormats) {
            list.append(format.shortName);
            list.append(kNameColumn - std::min(format.shortName.size(), kNameColumn - 1), ' ');
            list.append(format.formatString).push_back('\n');
        }
        return writeAll(list, out, err);
    }
    std::fprintf(err, "hueloupe-cli: unknown command (try --help)\n");
    return 2;
}

}  // namespace hueloupe::cli
