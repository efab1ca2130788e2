// SPDX-License-Identifier: MIT
// Picks asked for on the command line: once without the window, and by the running window for
// another launch. A fake picker answers; settings live in memory.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <cstdio>

#include "AppDelegate.h"
#include "ColorHistory.h"
#include "LaunchedWindow.h"
#include "MainWindow.h"
#include "ModernColorWell.h"
#include "OneShotPick.h"
#include "RequestedPicks.h"

using namespace hueloupe;

namespace {

constexpr ColorValue kBlue{0.2, 0.4, 0.8, 1.0};  // #3366cc

QString readBack(std::FILE* file) {
    std::rewind(file);
    QByteArray bytes(4096, '\0');
    bytes.resize(static_cast<qsizetype>(std::fread(bytes.data(), 1, 4096, file)));
    std::fclose(file);
    return QString::fromUtf8(bytes);
}

// The launched window, asked for picks by other launches.
struct Window : testing::LaunchedWindow {
    RequestedPicks requests{picker, controller, settings};
    QStringList answers;  // "status text", in order

    void request(const QString& format, bool copy = true) {
        const auto answer = [this](int status, const QString& text) {
            answers << QStringLiteral("%1 %2").arg(status).arg(text);
        };
        requests.request(format, copy, answer, QPointF(5, 6));
    }
};

}  // namespace

class PickTest : public QObject {
    Q_OBJECT

private slots:
    void oneShot_data() {
        QTest::addColumn<QString>("asked");  // empty: no --format; "rgb({r}, {g}, {b})" is stored
        QTest::addColumn<bool>("copy");
        QTest::addColumn<QString>("answer");  // "status|output|errors"
        QTest::newRow("the last format") << "" << true << "0|rgb(51, 102, 204)\n|";
        QTest::newRow("asked beats last, no copy") << "{h}° ünï" << false << "0|220° ünï\n|";
        QTest::newRow("no picker")
            << "hex" << true << "1||hueloupe: no colour picker is available\n";
    }

    // A pick prints, copies unless told not to, and records the colour and format; no picker
    // prints an error and writes nothing. A late report of an ended session changes nothing.
    void oneShot() {
        QFETCH(QString, asked);
        QFETCH(bool, copy);
        QFETCH(QString, answer);
        InMemoryPreferences settings;
        AppDelegate::initialize(settings);
        settings.setObject(QStringLiteral("rgb({r}, {g}, {b})"), AppDelegate::kLastFormatterKey);
        const int writesBefore = settings.writeCount();
        testing::FakePicker picker;
        QStringList copied;
        const auto format = asked.isEmpty() ? std::nullopt : std::optional(asked.toStdString());
        OneShotPick pick(
            settings, picker, formatForPick(settings, format),
            copy ? OneShotPick::Copy([&](const QString& t) { copied << t; }) : OneShotPick::Copy());
        std::FILE *out = std::tmpfile(), *err = std::tmpfile();
        pick.setStreams(out, err);
        QList<int> statuses;
        connect(&pick, &OneShotPick::finished, this, [&](int status) { statuses << status; });
        pick.start(QPointF(40, 50));
        const bool picked = answer.startsWith('0');
        picked ? picker.succeed(kBlue) : picker.refuse();
        picker.fail();
        QCOMPARE(statuses.size(), 1);
        const QString printed = readBack(out);
        QCOMPARE(QStringList({QString::number(statuses[0]), printed, readBack(err)}).join('|'),
                 answer);
        QCOMPARE(copied,
                 copy && !printed.isEmpty() ? QStringList{printed.chopped(1)} : QStringList{});
        if (!picked) {
            QCOMPARE(settings.writeCount(), writesBefore);
            return;
        }
        QCOMPARE(settings.stored().value(AppDelegate::kLastColorKey), QVariant("#3366cc"));
        QCOMPARE(settings.stored().value(AppDelegate::kLastFormatterKey),
                 QVariant(asked.isEmpty() ? "rgb({r}, {g}, {b})" : asked));
        QCOMPARE(settings.stored().value(ColorHistory::kKey).toStringList().value(0), "#3366cc");
    }

    // A pick done for another launch becomes current, records its format and is answered with
    // its text; without copying, the clipboard is left alone.
    void windowPicksForAnotherLaunch() {
        Window window;
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        window.request(QStringLiteral("rgb({r}, {g}, {b})"), false);
        window.picker.succeed(kBlue);
        QCOMPARE(window.answers, QStringList{"0 rgb(51, 102, 204)"});
        QCOMPARE(window.ui.colorWell->color(), kBlue);
        QCOMPARE(window.settings.stored().value(AppDelegate::kLastFormatterKey),
                 QVariant("rgb({r}, {g}, {b})"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    }

    // Each request is answered once, whatever ends it; a session another request or a press
    // replaces does not answer for the one that replaced it.
    void everyRequestIsAnsweredOnce() {
        Window window;
        window.request("hex");
        window.picker.fail();
        window.request("hex");
        window.picker.refuse();
        window.request("{rr}");
        window.request("{gg}");  // the earlier request gives way
        window.picker.succeed(kBlue);
        window.picker.start(QPointF(1, 1));  // a press of the well, while nothing was asked
        window.request("{bb}");              // takes over the press's session
        window.picker.succeed(kBlue);
        window.request("{rr}");
        window.picker.start(QPointF(1, 1));  // a press takes over from a request
        window.picker.succeed(kBlue);
        QCOMPARE(window.answers,
                 QStringList({"1 ", "1 " + RequestedPicks::kNoPicker, "1 ", "0 66", "0 cc", "1 "}));
    }
};

QTEST_MAIN(PickTest)
#include "PickTest.moc"
