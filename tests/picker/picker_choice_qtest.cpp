// SPDX-License-Identifier: MIT
// Which picker a press starts: the choice from HUELOUPE_PICKER, the fallback
// from the loupe to the portal, and how sessions end.
#include <optional>
#include <tuple>

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
        const PickerKind screen = PickerKind::Screen, portal = PickerKind::Portal;
        const std::nullopt_t unset = std::nullopt;
        using Variable = std::optional<QString>;
        for (const auto& [variable, picker, fallback, warns] :
             std::initializer_list<std::tuple<Variable, PickerKind, bool, bool>>{
                 {unset, screen, true, false},
                 {"", screen, true, false},
                 {"portal", portal, false, false},
                 {"screen", screen, false, false},
                 {" Portal ", portal, false, false},  // any case, spaces
                 {"potral", screen, true, true},
                 {QString(5000, u'x'), screen, true, true},
             }) {
            const PickerChoice choice = choosePicker(variable);
            const QString row = variable.value_or("(unset)").left(9);
            QVERIFY2(choice.picker == picker && choice.portalWhenUnreadable == fallback,
                     qPrintable(row));
            QCOMPARE(choice.warning.contains(QLatin1String(kPickerVariable)), warns);
            QVERIFY(choice.warning.size() < 200);  // junk is cut short
        }
    }

    // Steps on a fallback from a loupe to a portal (both fakes): "start", "cancel", "LOUPE
    // pick|fail|refuse", "PORTAL pick|fail|refuse"; then what the fallback reported and how
    // often each fake was started and taken down without a report.
    void fallback_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("heard");
        QTest::addColumn<QList<int>>("counts");  // loupe starts, ends, portal starts, ends
        const auto row = [](const char* name, QString steps, QString heard, QList<int> counts) {
            QTest::newRow(name) << steps.split(' ') << heard.split(' ', Qt::SkipEmptyParts)
                                << counts;
        };
        row("the loupe picks", "start loupe:pick", "picked", {1, 0, 0, 0});
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
        auto* loupe = new FakePicker;
        auto* portal = new FakePicker;
        FallbackPicker picker{std::unique_ptr<Picker>(loupe), std::unique_ptr<Picker>(portal)};
        connect(&picker, &Picker::picked, this, [&reports] { reports << "picked"; });
        connect(&picker, &Picker::failed, this, [&reports] { reports << "failed"; });
        connect(&picker, &Picker::unavailable, this, [&reports] { reports << "unavailable"; });
        for (const QString& step : steps) {
            FakePicker* fake = step.startsWith("loupe") ? loupe : portal;
            const QString what = step.section(':', 1);
            if (step == "start") {
                picker.start({40, 40});
            } else if (step == "cancel") {
                picker.cancel();
            } else if (what == "pick") {
                fake->succeed({0.5, 0.5, 0.5, 1.0});
            } else {
                what == "fail" ? fake->fail() : fake->refuse();
            }
        }
        QCOMPARE(reports, heard);
        QCOMPARE(QList<int>({loupe->starts, loupe->ends, portal->starts, portal->ends}), counts);
        QCOMPARE(portal->lastStart, portal->starts > 0 ? QPointF(40, 40) : QPointF());
    }
};

QTEST_MAIN(PickerChoiceTest)
#include "picker_choice_qtest.moc"
