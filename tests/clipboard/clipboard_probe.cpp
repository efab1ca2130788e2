// SPDX-License-Identifier: MIT
// Copies its argument through the clipboard hand-off, says who keeps it (and on a second line
// what the user is told when nobody does), and exits.
#include <QGuiApplication>
#include <cstdio>

#include "ClipboardHandOff.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const auto handOff = hueloupe::handOffClipboardText(QString::fromLocal8Bit(argv[1]));
    using Keeper = hueloupe::ClipboardHandOff::Keeper;
    const char* keeper = handOff.keeper == Keeper::Helper             ? "helper"
                         : handOff.keeper == Keeper::ClipboardManager ? "manager"
                                                                      : "nobody";
    std::printf("%s %lld\n%s\n", keeper, static_cast<long long>(handOff.helperSession),
                qUtf8Printable(hueloupe::clipboardLossWarning(handOff)));
    return 0;
}
