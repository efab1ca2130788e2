// SPDX-License-Identifier: MIT
// Plays a hueloupe launch on the session bus, for instance_test.py.
// "instance_probe serve" claims the name and prints how it went ("Claimed", "Taken", "NoBus");
// while it runs it prints "activated" for each Activate and answers a Pick after a turn of the
// event loop: status 0 with "FORMAT copy" or "FORMAT print", status 1 for the format "cancel",
// and no answer at all for "drop". Any other arguments are a hueloupe command line: a window
// claims the name or hands off to the running instance, a pick hands off; it prints "claimed",
// "answer STATUS TEXT" or "alone".
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <string_view>

#include "CommandLine.h"
#include "InstanceClient.h"
#include "SingleInstance.h"

using namespace hueloupe;

namespace {

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void answerLater(const PickRequest& request, const PickReply& reply) {
    if (request.format == u"drop") {
        return;
    }
    QTimer::singleShot(0, [request, reply] {
        if (request.format == u"cancel") {
            reply.answer(1);
        } else {
            reply.answer(0, request.format + QLatin1String(request.copy ? " copy" : " print"));
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 2 && std::string_view(argv[1]) == "serve") {
        SingleInstance instance;
        const SingleInstance::Claim claim = instance.claim();
        constexpr const char* kNames[] = {"Claimed", "Taken", "NoBus"};
        say(QString::fromLatin1(kNames[int(claim)]));
        if (claim != SingleInstance::Claim::Claimed) {
            return 0;
        }
        QObject::connect(&instance, &SingleInstance::activateRequested,
                         [] { say(QStringLiteral("activated")); });
        instance.setPickHandler(answerLater);
        return QCoreApplication::exec();
    }
    const LaunchOptions options = parseCommandLine(argc, argv).options;
    SingleInstance instance;
    if (options.mode == LaunchOptions::Mode::Window &&
        instance.claim() == SingleInstance::Claim::Claimed) {
        say(QStringLiteral("claimed"));
    } else if (const auto answer = tryHandOff(options)) {
        say(QStringLiteral("answer %1 %2").arg(answer->status).arg(answer->text));
    } else {
        say(QStringLiteral("alone"));
    }
    return 0;
}
