// SPDX-License-Identifier: MIT
#include "Cli.h"

#include <algorithm>
#include <string>
#include <vector>

#include "BufferedOutput.h"
#include "CssColor.h"
#include "LineReader.h"
#include "OutputFormats.h"
#include "Renderer.h"
#include "Tokenizer.h"

namespace hueloupe::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: hueloupe-cli convert [--format FMT] [TEXT...]\n"
    "       hueloupe-cli formats\n"
    "       hueloupe-cli --help | --version\n"
    "\n"
    "convert  reads each TEXT (or each line of standard input) as CSS colour text:\n"
    "         #rrggbb, rrggbb, #rgb, rgb[a](r, g, b[, a]), hsl[a](h, s%, l%[, a]) or a keyword,\n"
    "         and prints it through FMT (default \"#{rr}{gg}{bb}\"), one line each. Text that is\n"
    "         not a colour prints an empty line and \"invalid CSS: TEXT\" on standard error;\n"
    "         the exit status is then 1.\n"
    "formats  lists the eleven output formats, each as its short name and its format string.\n"
    "\n"
    "Format strings: text with references in braces. {r} {g} {b} are 0-255, {h} is 0-360,\n"
    "{s} {l} are 0-100 and {a} is 0-1 with two decimals. {rr} {gg} {bb} write two hex digits\n"
    "({RR} upper case), {rx} {gx} {bx} the first hex digit, {c%} a percentage, {c.} a fraction\n"
    "with four decimals and {c.N} with N decimals (trailing zeros trimmed), for any letter c of\n"
    "r g b h s l a. \\{ and \\\\ write { and \\; anything else that is no reference is literal.\n"
    "Example: hueloupe-cli convert --format 'hsl({h}, {s}%, {l}%)' tomato\n";

constexpr std::string_view kTruncatedMark = "...";

struct Converter {
    TokenList tokens;
    BufferedOutput out;
    BufferedOutput err;
    bool anyInvalid = false;

    void convert(std::string_view text, bool truncated) {
        const auto color = truncated ? std::nullopt : colorFromCSString(text);
        if (color) {
            renderInto(tokens, *color, out.buffer());
        } else {
            anyInvalid = true;
            err.write("invalid CSS: ");
            err.write(text);
            if (truncated) {
                err.write(kTruncatedMark);
            }
            err.write("\n");
        }
        out.buffer().push_back('\n');
        out.flushIfFull();
    }
};

int convert(std::span<const std::string_view> args, std::FILE* in, std::FILE* out, std::FILE* err) {
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
            format = args[++i];
        } else if (!optionsDone && arg.starts_with("--format=")) {
            format = arg.substr(9);
        } else {
            texts.push_back(arg);
        }
    }
    Converter converter{tokenize(format), BufferedOutput(out), BufferedOutput(err)};
    if (!texts.empty()) {
        for (const std::string_view text : texts) {
            const bool tooLong = text.size() > LineReader::kMaxLine;
            converter.convert(tooLong ? text.substr(0, LineReader::kMaxLine) : text, tooLong);
        }
    } else {
        LineReader reader(in);
        while (const auto line = reader.next()) {
            converter.convert(line->text, line->truncated);
        }
    }
    return converter.anyInvalid ? 1 : 0;
}

int listFormats(std::FILE* out) {
    BufferedOutput output(out);
    for (const OutputFormat& format : kOutputFormats) {
        output.write(format.shortName);
        constexpr std::string_view kNameColumn = "              ";  // the longest name and a space
        output.write(kNameColumn.substr(std::min(format.shortName.size(), kNameColumn.size() - 1)));
        output.write(format.formatString);
        output.write("\n");
    }
    return 0;
}

}  // namespace

int run(std::span<const std::string_view> args, std::FILE* in, std::FILE* out, std::FILE* err) {
    if (args.empty()) {
        std::fwrite(kUsage.data(), 1, kUsage.size(), err);
        return 2;
    }
    const std::string_view command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fwrite(kUsage.data(), 1, kUsage.size(), out);
        return 0;
    }
    if (command == "--version") {
        std::fputs("hueloupe-cli " HUELOUPE_VERSION "\n", out);
        return 0;
    }
    if (command == "convert") {
        return convert(args.subspan(1), in, out, err);
    }
    if (command == "formats") {
        return listFormats(out);
    }
    std::fprintf(err, "hueloupe-cli: unknown command (try --help)\n");
    return 2;
}

}  // namespace hueloupe::cli
