// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>
#include <array>
#include <string>
#include <string_view>

#include "OutputFormats.h"

namespace hueloupe {
namespace {

// The help is translated as three messages; the list of short names between them is not.
constexpr const char* kUsage = QT_TRANSLATE_NOOP(
    "hueloupe::CommandLine",
    "Usage: hueloupe [Qt options]\n"
    "       hueloupe --pick [--format FMT] [--no-copy] [Qt options]\n"
    "       hueloupe --help | --version\n");

constexpr const char* kAbout = QT_TRANSLATE_NOOP(
    "hueloupe::CommandLine",
    "\n"
    "Hueloupe, a colour picker. Press in the colour well and drag to pick any pixel on the\n"
    "screen; click the copy button to copy the colour, or hold it to choose one of eleven\n"
    "formats. Paste CSS colour text (#rrggbb, rgb(), hsl(), keywords) to make it current.\n"
    "\n"
    "  --pick         pick one colour at once, without the main window: the loupe on X11, the\n"
    "                 desktop's colour picker on Wayland. The colour is printed through the\n"
    "                 format, followed by a newline, and copied to the clipboard.\n"
    "  --format FMT   the format for --pick: a format string such as 'rgb({r}, {g}, {b})'\n"
    "                 (hueloupe-cli --help explains them) or a short name:\n");

constexpr const char* kOptionsAndStatus = QT_TRANSLATE_NOOP(
    "hueloupe::CommandLine",
    "                 Default: the format last copied, else hex.\n"
    "  --no-copy      with --pick, print the colour but leave the clipboard alone.\n"
    "  -h, --help     show this help.\n"
    "  -v, --version  show the version.\n"
    "Qt's own options, such as -platform NAME, -display NAME or -style NAME, go to Qt.\n"
    "\n"
    "Exit status: 0 when done (a colour picked); 1 when a pick is cancelled or fails, or no\n"
    "display or colour picker is available; 2 for a usage error.\n"
    "\n"
    "Shortcuts: Ctrl+C copy, Ctrl+V / Ctrl+Shift+V paste, Ctrl+Shift+C colour dialog,\n"
    "Ctrl+Shift+P formatter playground, Ctrl+Q quit.\n"
    "Settings: $XDG_CONFIG_HOME/hueloupe/hueloupe.conf (default ~/.config).\n"
    "Environment: HUELOUPE_PICKER=screen or portal forces one colour picker.\n");

// Qt's own command-line options (QCoreApplication, QGuiApplication, QApplication and the xcb
// platform). Qt takes each with one dash or two.
struct QtOption {
    std::string_view name;
    bool takesValue;
};
constexpr std::array<QtOption, 25> kQtOptions{{
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"geometry", true},
    {"qwindowtitle", true},    {"title", true},
    {"qwindowicon", true},     {"icon", true},
    {"session", true},         {"style", true},
    {"stylesheet", true},      {"qmljsdebugger", true},
    {"display", true},         {"name", true},
    {"visual", true},          {"reverse", false},
    {"widgetcount", false},    {"testability", false},
    {"sync", false},           {"nograb", false},
    {"dograb", false},         {"qdevel", false},
    {"qdebug", false},
}};
// Those Qt also takes as -name=value.
constexpr std::array<std::string_view, 3> kQtJoinedOptions{
    "style=", "stylesheet=", "qmljsdebugger="};

constexpr std::size_t kShownArgument = 100;  // bytes of an offending argument quoted back

// The message in the translator's language, else as written.
std::string translated(const QTranslator* translator, const char* message) {
    const QString text =
        translator ? translator->translate("hueloupe::CommandLine", message) : QString();
    return text.isEmpty() ? std::string(message) : text.toStdString();
}

std::string helpText(const QTranslator* translator) {
    std::string text = translated(translator, kUsage);
    text += translated(translator, kAbout);
    std::string line = "                ";
    for (const OutputFormat& format : kOutputFormats) {
        if (line.size() + 1 + format.shortName.size() > 90) {
            text += line + '\n';
            line = "                ";
        }
        line += ' ';
        line += format.shortName;
    }
    text += line + ".\n";
    text += translated(translator, kOptionsAndStatus);
    return text;
}

// The argument as it may be quoted in a message: at most kShownArgument bytes, cut between
// UTF-8 characters.
std::string_view shown(std::string_view arg) {
    if (arg.size() <= kShownArgument) {
        return arg;
    }
    std::size_t end = kShownArgument;
    while (end > 0 && (static_cast<unsigned char>(arg[end]) & 0xC0) == 0x80) {
        --end;
    }
    return arg.substr(0, end);
}

CommandLine usageError(std::string message) {
    CommandLine result;
    result.exitStatus = 2;
    result.error =
        "hueloupe: " + message + '\n' + std::string(kUsage) + "Try 'hueloupe --help' for more.\n";
    return result;
}

const QtOption* qtOption(std::string_view arg) {
    if (!arg.starts_with('-')) {
        return nullptr;
    }
    const std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
    for (const QtOption& option : kQtOptions) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

bool isJoinedQtOption(std::string_view arg) {
    const std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
    for (const std::string_view prefix : kQtJoinedOptions) {
        if (arg.starts_with('-') && name.starts_with(prefix)) {
            return true;
        }
    }
    return false;
}

}  // namespace

CommandLine parseCommandLine(int argc, const char* const* argv, const QTranslator* translator) {
    CommandLine result;
    LaunchOptions& options = result.options;
    bool formatOrCopyGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] ? argv[i] : "";
        const bool hasNext = i + 1 < argc && argv[i + 1];
        if (arg == "--help" || arg == "-h") {
            result.output = helpText(translator);
            result.exitStatus = 0;
            return result;
        }
        if (arg == "--version" || arg == "-v") {
            result.output = "hueloupe " HUELOUPE_VERSION "\n";
            result.exitStatus = 0;
            return result;
        }
        if (arg == "--pick") {
            options.mode = LaunchOptions::Mode::Pick;
        } else if (arg == "--no-copy") {
            options.copy = false;
            formatOrCopyGiven = true;
        } else if (arg == "--format" || arg.starts_with("--format=")) {
            const bool joined = arg != "--format";
            if (!joined && !hasNext) {
                return usageError("--format needs a format string or a format's short name");
            }
            const std::string_view value = joined ? arg.substr(9) : std::string_view(argv[++i]);
            if (value.empty()) {
                return usageError("--format needs a format string or a format's short name");
            }
            options.format = std::string(formatStringForName(value));
            if (QString::fromStdString(*options.format).size() > kMaxFormatLength) {
                return usageError("--format takes at most " + std::to_string(kMaxFormatLength) +
                                  " characters");
            }
            formatOrCopyGiven = true;
        } else if (const QtOption* option = qtOption(arg)) {
            if (option->takesValue && !hasNext) {
                return usageError("Qt's option " + std::string(arg) + " needs a value");
            }
            options.platformGiven = options.platformGiven || option->name == "platform";
            if (option->name == "display") {
                options.display = argv[i + 1];
            }
            i += option->takesValue ? 1 : 0;
        } else if (!isJoinedQtOption(arg)) {
            const bool isOption = arg.starts_with('-') && arg.size() > 1;
            return usageError((isOption ? "unknown option '" : "unexpected argument '") +
                              std::string(shown(arg)) + "'");
        }
    }
    if (formatOrCopyGiven && options.mode != LaunchOptions::Mode::Pick) {
        return usageError("--format and --no-copy go with --pick");
    }
    return result;
}

}  // namespace hueloupe
