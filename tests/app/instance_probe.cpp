// SPDX-License-Identifier: MIT
// Plays a hueloupe launch on the session bus, for instance_test.py. "serve" claims the name,
// prints "activated TOKEN" or "pick TOKEN" for each call, and answers a Pick by its format (see
// answerLater); "impostor" holds the name with a Pick no instance has. Other arguments are a
// launch: it prints "claimed", "answer STATUS TEXT" or "alone".
#include <QCoreApplication>
#include <QDBusConnection>
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

// Answers after a turn of the event loop: "FORMAT copy" or "FORMAT print", 1 for "cancel",
// nothing for "drop", N and TEXT for "status N TEXT", N letters for "long N".
void answerLater(const PickRequest& request, const PickReply& reply) {
    if (request.format == u"drop")
        return;
    QTimer::singleShot(0, [request, reply] {
        if (request.format.startsWith(u"status ")) {
            reply.answer(request.format.section(u' ', 1, 1).toInt(),
                         request.format.section(u' ', 2));
        } else if (request.format.startsWith(u"long ")) {
            reply.answer(0, QString(request.format.section(u' ', 1).toInt(), u'y'));
        } else if (request.format == u"cancel") {
            reply.answer(1);
        } else {
            reply.answer(0, request.format + QLatin1String(request.copy ? " copy" : " print"));
        }
    });
}

// Holds the name with an object that answers a Pick as no instance would.
class Impostor : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.hueloupe.Hueloupe")

public slots:
    QString Pick(const QString& /*format*/, bool /*copy*/) { return QStringLiteral("#ff0000"); }
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 2 && std::string_view(argv[1]) == "serve") {
        SingleInstance instance;
        const SingleInstance::Claim claim = instance.claim();
        constexpr const char* kNames[] = {"Claimed", "Taken", "NoBus"};
        say(QString::fromLatin1(kNames[int(claim)]));
        if (claim != SingleInstance::Claim::Claimed)
            return 0;
        QObject::connect(&instance, &SingleInstance::activateRequested,
                         [](const QString& token) { say(QStringLiteral("activated ") + token); });
        QObject::connect(&instance, &SingleInstance::pickActionRequested,
                         [](const QString& token) { say(QStringLiteral("pick ") + token); });
        instance.setPickHandler(answerLater);
        return QCoreApplication::exec();
    }
    if (argc == 2 && std::string_view(argv[1]) == "impostor") {
        Impostor impostor;
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.registerObject(QString::fromLatin1(kInstancePath), &impostor,
                           QDBusConnection::ExportAllSlots);
        say(bus.registerService(QString::fromLatin1(kInstanceService)) ? QStringLiteral("Claimed")
                                                                       : QStringLiteral("Taken"));
        return QCoreApplication::exec();
    }
    const LaunchOptions options = parseCommandLine(argc, argv).options;
    SingleInstance instance;
    const bool claimed = options.mode == LaunchOptions::Mode::Window &&
                         instance.claim() == SingleInstance::Claim::Claimed;
    const auto answer = claimed ? std::nullopt : tryHandOff(options);
    say(claimed  ? QStringLiteral("claimed")
        : answer ? QStringLiteral("answer %1 %2").arg(answer->status).arg(answer->text)
                 : QStringLiteral("alone"));
    return 0;
}

#include "instance_probe.moc"
