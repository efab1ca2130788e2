// SPDX-License-Identifier: MIT
// Picks asked for on the command line: once without the window, and by the running window for
// another launch. A fake picker answers; settings live in memory.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <cstdio>

#include "AppDelegate.h"
#include "Clipboard.h"
#include "CopyPopUpButton.h"
#include "LaunchedWindow.h"
#include "OneShotPick.h"
#include "RequestedPicks.h"
#include "SettingsKeys.h"

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

// A clipboard that records what is copied and may keep nothing.
struct RecordingClipboard final : Clipboard {
    QString setText(const QString& text) override {
        copied << text;
        return keeps ? QString() : QStringLiteral("hueloupe: lost");
    }
    QStringList copied;
    bool keeps = true;
};

// The launched window, asked for picks by other launches.
struct Window : testing::LaunchedWindow {
    RequestedPicks requests{sessions, controller, settings};
    QStringList answers;  // "status text", in order

    PickSessions::Id request(const QString& format, bool copy = true) {
        const auto answer = [this](int status, const QString& text) {
            answers << QStringLiteral("%1 %2").arg(status).arg(text);
        };
        return requests.request(format, copy, answer, QPointF(5, 6));
    }
    void pressWell() {
        QTest::mousePress(ui.colorWell, Qt::LeftButton, {}, QPoint(30, 30));
        QTest::mouseRelease(ui.colorWell, Qt::LeftButton, {}, QPoint(30, 30));
    }
    int selectedRow() const {
        return ui.colorCopyButton->items().indexOf(ui.colorCopyButton->selectedItem());
    }
};

}  // namespace

class PickTest : public QObject {
    Q_OBJECT

private slots:
    void oneShot_data() {
        QTest::addColumn<QString>("asked");  // empty: no --format; "rgb({r}, {g}, {b})" is stored
        QTest::addColumn<int>("copy");       // 0 no copy, 1 copied and kept, 2 nobody keeps it
        QTest::addColumn<bool>("fullOutput");
        QTest::addColumn<QString>("answer");  // "status|output|errors"
        QTest::newRow("the last format") << "" << 1 << false << "0|rgb(51, 102, 204)\n|";
        QTest::newRow("asked beats last, no copy") << "{h}° ünï" << 0 << false << "0|220° ünï\n|";
        QTest::newRow("nobody keeps the copy")
            << "{rr}" << 2 << false
            << "0|33\n|hueloupe: lost\n";
        QTest::newRow("output full")
            << "{rr}" << 1 << true << "3||hueloupe: cannot write output: No space left on device\n";
        QTest::newRow("no picker")
            << "{rr}" << 1 << false << "1||hueloupe: no colour picker is available\n";
    }

    // A pick prints, copies unless told not to, and records the colour and format; no picker
    // prints an error and writes nothing, and so does an output that cannot be written. A late
    // report of an ended session changes nothing.
    void oneShot() {
        QFETCH(QString, asked);
        QFETCH(int, copy);
        QFETCH(bool, fullOutput);
        QFETCH(QString, answer);
        InMemoryPreferences settings;
        AppDelegate::initialize(settings);
        settings.setObject(QStringLiteral("rgb({r}, {g}, {b})"), keys::kLastFormatter);
        const int writesBefore = settings.writeCount();
        testing::FakePicker picker;
        PickSessions sessions(picker);
        RecordingClipboard clipboard;
        clipboard.keeps = copy != 2;
        const auto format = asked.isEmpty() ? std::nullopt : std::optional(asked.toStdString());
        OneShotPick pick(settings, sessions, formatForPick(settings, format),
                         copy ? &clipboard : nullptr);
        std::FILE *out = fullOutput ? std::fopen("/dev/full", "w") : std::tmpfile();
        std::FILE* err = std::tmpfile();
        pick.setStreams(out, err);
        QList<int> statuses;
        connect(&pick, &OneShotPick::finished, this, [&](int status) { statuses << status; });
        pick.start(QPointF(40, 50));
        const bool picked = !answer.startsWith('1');
        picked ? picker.succeed(kBlue) : picker.refuse();
        picker.fail();
        QCOMPARE(statuses.size(), 1);
        const QString printed = fullOutput ? (std::fclose(out), QString()) : readBack(out);
        QCOMPARE(QStringList({QString::number(statuses[0]), printed, readBack(err)}).join('|'),
                 answer);
        QCOMPARE(clipboard.copied,
                 copy && !printed.isEmpty() ? QStringList{printed.chopped(1)} : QStringList{});
        if (printed.isEmpty()) {
            QCOMPARE(settings.writeCount(), writesBefore);
            return;
        }
        QCOMPARE(settings.stored().value(keys::kLastColor), QVariant("#3366cc"));
        QCOMPARE(settings.stored().value(keys::kLastFormatter),
                 QVariant(asked.isEmpty() ? "rgb({r}, {g}, {b})" : asked));
        QCOMPARE(settings.stored().value(keys::kColorHistory).toStringList().value(0), "#3366cc");
    }

    // A pick done for another launch becomes current, records its format and is answered with
    // its text; without copying, the clipboard is left alone. A format no menu row has leaves
    // the row the user chose; one a row has selects that row.
    void windowPicksForAnotherLaunch() {
        Window window;
        window.ui.colorCopyButton->selectItem(window.ui.colorCopyButton->items().at(3));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        window.request(QStringLiteral("{h}"), false);
        window.picker.succeed(kBlue);
        QCOMPARE(window.answers, QStringList{"0 220"});
        QCOMPARE(window.ui.colorWell->color(), kBlue);
        QCOMPARE(window.settings.stored().value(keys::kLastFormatter), QVariant("{h}"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QCOMPARE(window.selectedRow(), 3);
        window.controller.copySelectedColor();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("rgb(51, 102, 204)"));
        window.request(QStringLiteral("hsl({h}, {s}%, {l}%)"));
        window.picker.succeed(kBlue);
        QCOMPARE(window.selectedRow(), 5);
    }

    // Each request is answered once, whatever ends it. A press in the well takes over from a
    // request and keeps the colour it picks; a request takes over from a press. A request whose
    // caller has gone ends unanswered and leaves everything as it was.
    void everyRequestIsAnsweredOnce() {
        Window window;
        window.request("hex");
        window.picker.fail();
        window.request("hex");
        window.picker.refuse();
        window.request("{rr}");
        window.request("{gg}");  // the earlier request gives way
        window.picker.succeed(kBlue);
        window.pressWell();
        window.request("{bb}");  // takes over the press's session
        window.picker.succeed(kBlue);
        window.request("{rr}");
        window.pressWell();  // takes over from the request
        const ColorValue red{1, 0, 0, 1};
        window.picker.succeed(red);
        QCOMPARE(window.answers,
                 QStringList({"1 ", "1 " + RequestedPicks::kNoPicker, "1 ", "0 66", "0 cc", "1 "}));
        QCOMPARE(window.ui.colorWell->color(), red);
        QCOMPARE(window.settings.stored().value(keys::kLastColor), QVariant("#ff0000"));

        const int writes = window.settings.writeCount();
        window.requests.cancel(window.request("{rr}"));
        window.picker.succeed(kBlue);
        QCOMPARE(window.answers.size(), 6);
        QCOMPARE(window.ui.colorWell->color(), red);
        QCOMPARE(window.settings.writeCount(), writes);
    }
};

QTEST_MAIN(PickTest)
#include "PickTest.moc"
