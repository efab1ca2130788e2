// SPDX-License-Identifier: MIT
// Which picker a press starts: the choice from HUELOUPE_PICKER, the fallback
// from the loupe to the portal, and how sessions end.
#include <optional>

#include <QTest>

#include "FakePicker.h"
#include "FallbackPicker.h"
#include "PickerChoice.h"

using namespace hueloupe;
using namespace hueloupe::testing;

class PickerChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void choice() {
        // The variable; then "s" (screen) or "p" (portal), "f" for the portal's fallback, and
        // "w" for a warning naming the variable, kept short.
        for (const auto& [variable, outcome] : std::initializer_list<
                 std::pair<std::optional<QString>, QString>>{{std::nullopt, "sf"}, {"", "sf"},
                 {"portal", "p"}, {"screen", "s"}, {" Portal ", "p"}, {"potral", "sfw"},
                 {QString(5000, u'x'), "sfw"}}) {
            const PickerChoice choice = choosePicker(variable);
            QCOMPARE(QString(choice.picker == PickerKind::Screen ? "s" : "p") +
                         (choice.portalWhenUnreadable ? "f" : "") +
                         (choice.warning.contains(QLatin1String(kPickerVariable)) ? "w" : ""),
                     outcome);
            QVERIFY(choice.warning.size() < 200);
        }
    }

    // Steps on a fallback from a loupe to a portal (both fakes): "start", "cancel",
    // "loupe:pick|refuse", "portal:pick|refuse"; then what the fallback reported and how
    // often each fake was started and taken down without a report.
    void fallback_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("heard");
        QTest::addColumn<QList<int>>("counts");  // loupe starts, ends, portal starts, ends
        const auto row = [](const char* name, QString steps, QString heard, QList<int> counts) {
            QTest::newRow(name) << steps.split(' ') << heard.split(' ', Qt::SkipEmptyParts)
                                << counts;
        };
        row("unreadable: the portal picks", "start loupe:refuse portal:pick", "picked",
            {1, 0, 1, 0});
        row("neither", "start loupe:refuse portal:refuse", "unavailable", {1, 0, 1, 0});
        row("cancelled at the portal", "start loupe:refuse cancel portal:pick", "", {1, 0, 1, 1});
        row("a new start ends the portal's session", "start loupe:refuse start loupe:pick",
            "failed picked", {2, 0, 1, 1});
        row("a report after the end is not heard", "start cancel loupe:pick start", "",
            {2, 1, 0, 0});
    }

    void fallback() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, heard);
        QFETCH(QList<int>, counts);
        QStringList reports;
        auto *loupe = new FakePicker, *portal = new FakePicker;
        FallbackPicker picker{std::unique_ptr<Picker>(loupe), std::unique_ptr<Picker>(portal)};
        connect(&picker, &Picker::picked, this, [&reports] { reports << "picked"; });
        connect(&picker, &Picker::failed, this, [&reports] { reports << "failed"; });
        connect(&picker, &Picker::unavailable, this, [&reports] { reports << "unavailable"; });
        for (const QString& step : steps) {
            FakePicker* fake = step.startsWith("loupe") ? loupe : portal;
            if (step == "start" || step == "cancel") {
                step == "start" ? picker.start({40, 40}) : picker.cancel();
            } else {
                step.endsWith("pick") ? fake->succeed({0.5, 0.5, 0.5, 1.0}) : fake->refuse();
            }
        }
        QCOMPARE(reports, heard);
        QCOMPARE(QList<int>({loupe->starts, loupe->ends, portal->starts, portal->ends}), counts);
        QCOMPARE(portal->lastStart, portal->starts > 0 ? QPointF(40, 40) : QPointF());
    }
};

QTEST_MAIN(PickerChoiceTest)
#include "picker_choice_qtest.moc"
