// SPDX-License-Identifier: MIT
// Copies its argument through the clipboard hand-off, says who keeps it (and on a second line
// what the user is told when nobody does), and exits. "clipboard_probe --manager" stands in for
// a clipboard manager: it owns CLIPBOARD_MANAGER (then prints "ready") and Qt refuses whatever
// it is asked for.
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <cstdio>
#include <cstring>

#include "ClipboardHandOff.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (std::strcmp(argv[1], "--manager") == 0) {
        QWindow owner;
        owner.create();
        auto* c = app.nativeInterface<QNativeInterface::QX11Application>()->connection();
        auto* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 17, "CLIPBOARD_MANAGER"), 0);
        xcb_set_selection_owner(c, owner.winId(), atom->atom, XCB_CURRENT_TIME);
        xcb_flush(c);
        std::puts("ready");
        std::fflush(stdout);
        return QGuiApplication::exec();
    }
    const auto handOff = hueloupe::handOffClipboardText(QString::fromLocal8Bit(argv[1]));
    using Keeper = hueloupe::ClipboardHandOff::Keeper;
    const char* keeper = handOff.keeper == Keeper::Helper             ? "helper"
                         : handOff.keeper == Keeper::ClipboardManager ? "manager"
                                                                      : "nobody";
    std::printf("%s %lld\n%s\n", keeper, static_cast<long long>(handOff.helperSession),
                qUtf8Printable(hueloupe::clipboardLossWarning(handOff)));
    return 0;
}
