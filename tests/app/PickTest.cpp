// SPDX-License-Identifier: MIT
// Picks asked for on the command line: once without the window, and by the running window for
// another launch. A fake picker answers; settings live in memory.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <cstdio>

#include "AppDelegate.h"
#include "ColorHistory.h"
#include "ColorHistoryView.h"
#include "ColorPanel.h"
#include "FakeApplicationState.h"
#include "FakePicker.h"
#include "InMemoryPreferences.h"
#include "InterfaceLoader.h"
#include "MainWindow.h"
#include "ManualScheduler.h"
#include "ModernColorWell.h"
#include "OneShotPick.h"
#include "RequestedPicks.h"

using namespace hueloupe;

namespace {

constexpr ColorValue kBlue{0.2, 0.4, 0.8, 1.0};  // #3366cc
enum class Outcome { Pick, Fail, NoPicker };

QString readBack(std::FILE* file) {
    std::rewind(file);
    QByteArray bytes(4096, '\0');
    bytes.resize(static_cast<qsizetype>(std::fread(bytes.data(), 1, 4096, file)));
    return QString::fromUtf8(bytes);
}

void finish(testing::FakePicker& picker, Outcome outcome) {
    switch (outcome) {
        case Outcome::Pick:
            picker.succeed(kBlue);
            break;
        case Outcome::Fail:
            picker.fail();
            break;
        case Outcome::NoPicker:
            picker.refuse();
            break;
    }
}

// The window with its controller, as main() builds it, on settings in memory.
struct Window {
    Window() {
        AppDelegate::initialize(settings);
        ui = loadInterface({settings, scheduler, application});
        ui.colorWell->setPicker(&picker);
        controller.connectOutlets(ui);
        controller.applicationWillFinishLaunching();
    }
    InMemoryPreferences settings;
    ManualScheduler scheduler;
    FakeApplicationState application;
    testing::FakePicker picker;
    ColorPanel panel;
    Interface ui;
    AppDelegate controller{settings, panel};
    RequestedPicks requests{picker, controller, settings};
    QStringList answers;  // "status text", in order

    void request(const QString& format, bool copy = true) {
        requests.request(
            format, copy,
            [this](int status, const QString& text) {
                answers << QStringLiteral("%1 %2").arg(status).arg(text);
            },
            QPointF(5, 6));
    }
};

}  // namespace

class PickTest : public QObject {
    Q_OBJECT

private slots:
    void oneShot_data() {
        QTest::addColumn<QString>("storedFormat");  // empty: none stored
        QTest::addColumn<QString>("asked");         // empty: no --format
        QTest::addColumn<bool>("copy");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>(
            "recorded");  // "LastFormatter" afterwards; empty: nothing written
        const QString rgb = "rgb({r}, {g}, {b})";
        QTest::newRow("first pick: hex") << ""
                                         << "" << true << Outcome::Pick << 0 << "#3366cc\n"
                                         << ""
                                         << "#{rr}{gg}{bb}";
        QTest::newRow("the last format")
            << rgb << "" << true << Outcome::Pick << 0 << "rgb(51, 102, 204)\n"
            << "" << rgb;
        QTest::newRow("asked beats last")
            << rgb << "{h}° ünï" << false << Outcome::Pick << 0 << "220° ünï\n"
            << ""
            << "{h}° ünï";
        QTest::newRow("esc") << rgb << "" << true << Outcome::Fail << 1 << ""
                             << ""
                             << "";
        QTest::newRow("no picker") << ""
                                   << "hex" << true << Outcome::NoPicker << 1 << ""
                                   << "hueloupe: no colour picker is available\n"
                                   << "";
    }

    // A pick prints, copies unless told not to, and records as a pick then a copy would;
    // anything else prints and writes nothing.
    void oneShot() {
        QFETCH(QString, storedFormat);
        QFETCH(QString, asked);
        QFETCH(bool, copy);
        QFETCH(Outcome, outcome);
        InMemoryPreferences settings;
        AppDelegate::initialize(settings);
        if (!storedFormat.isEmpty()) {
            settings.setObject(storedFormat, AppDelegate::kLastFormatterKey);
        }
        const int writesBefore = settings.writeCount();
        testing::FakePicker picker;
        QStringList copied;
        const std::optional<std::string> format =
            asked.isEmpty() ? std::nullopt : std::optional(asked.toStdString());
        OneShotPick pick(
            settings, picker, formatForPick(settings, format),
            copy ? OneShotPick::Copy([&](const QString& t) { copied << t; }) : OneShotPick::Copy());
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        pick.setStreams(out, err);
        QList<int> statuses;
        connect(&pick, &OneShotPick::finished, this, [&](int status) { statuses << status; });
        pick.start(QPointF(40, 50));
        QCOMPARE(picker.lastStart, QPointF(40, 50));
        finish(picker, outcome);
        picker.fail();  // a late report of an ended session changes nothing

        QFETCH(int, status);
        QFETCH(QString, printed);
        QFETCH(QString, error);
        QCOMPARE(statuses, QList<int>{status});
        QCOMPARE(readBack(out), printed);
        QCOMPARE(readBack(err), error);
        std::fclose(out);
        std::fclose(err);
        QCOMPARE(copied, copy && status == 0 ? QStringList{printed.chopped(1)} : QStringList{});
        QFETCH(QString, recorded);
        if (recorded.isEmpty()) {
            QCOMPARE(settings.writeCount(), writesBefore);
            return;
        }
        QCOMPARE(settings.stored().value(AppDelegate::kLastColorKey), QVariant("#3366cc"));
        QCOMPARE(settings.stored().value(AppDelegate::kLastFormatterKey), QVariant(recorded));
        QCOMPARE(settings.stored().value(ColorHistory::kKey).toStringList().value(0), "#3366cc");
    }

    // A pick done for another launch becomes current, is copied and recorded at once, and is
    // answered with its text.
    void windowPicksForAnotherLaunch() {
        Window window;
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        window.request(QStringLiteral("rgb({r}, {g}, {b})"));
        QCOMPARE(window.picker.lastStart, QPointF(5, 6));
        window.picker.succeed(kBlue);
        QCOMPARE(window.answers, QStringList{"0 rgb(51, 102, 204)"});
        QCOMPARE(window.ui.colorWell->color(), kBlue);
        QCOMPARE(window.ui.historyPalette->colorAtIndex(0), kBlue);
        QCOMPARE(window.settings.stored().value(AppDelegate::kLastColorKey), QVariant("#3366cc"));
        QCOMPARE(window.settings.stored().value(AppDelegate::kLastFormatterKey),
                 QVariant("rgb({r}, {g}, {b})"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("rgb(51, 102, 204)"));

        window.request({}, false);  // the last format; the clipboard left alone
        window.picker.succeed({1, 0, 0, 1});
        QCOMPARE(window.answers.last(), QStringLiteral("0 rgb(255, 0, 0)"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("rgb(51, 102, 204)"));
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
