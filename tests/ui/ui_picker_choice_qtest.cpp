// SPDX-License-Identifier: MIT
// Which picker a press starts: the choice from the platform and HUELOUPE_PICKER, and the
// desktop picker's routing between our loupe and the portal.
#include <QTest>

#include "DesktopMagnifier.h"
#include "LoupeWindow.h"
#include "ScreenMagnifier.h"
#include "ScreenSampler.h"
#include "UiTestSupport.h"

using namespace hueloupe;
using namespace hueloupe::testing;

Q_DECLARE_METATYPE(hueloupe::Picker)

namespace {

class GreySampler final : public ScreenSampler {
public:
    QImage sample(QScreen& /*screen*/, const QRect& rect) override {
        QImage pixels(rect.size(), QImage::Format_ARGB32);
        pixels.fill(Qt::gray);
        return readable ? pixels : QImage();
    }
    bool readable = true;
};

// Each outcome as a word, and who reported it.
class OutcomeDelegate final : public MagnifierDelegate {
public:
    void magnifierDidSelectColor(Magnifier* from, const ColorValue& /*color*/) override {
        hear(from, "picked");
    }
    void magnifierDidFailToSelectColor(Magnifier* from) override { hear(from, "failed"); }
    void magnifierIsUnavailable(Magnifier* from) override { hear(from, "unavailable"); }
    void hear(Magnifier* from, const char* outcome) {
        heard << QString::fromLatin1(outcome);
        reporter = from;
    }
    QStringList heard;
    Magnifier* reporter = nullptr;
};

}  // namespace

class PickerChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void choice_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QVariant>("variable");  // invalid: not set
        QTest::addColumn<Picker>("picker");
        QTest::addColumn<bool>("fallback");
        QTest::addColumn<bool>("warns");
        const QVariant unset;
        QTest::newRow("X11") << "xcb" << unset << Picker::Screen << true << false;
        QTest::newRow("Wayland") << "wayland" << unset << Picker::Portal << true << false;
        QTest::newRow("Wayland, EGL") << "wayland-egl" << unset << Picker::Portal << true << false;
        QTest::newRow("empty") << "xcb" << QVariant("") << Picker::Screen << true << false;
        QTest::newRow("portal") << "xcb" << QVariant("portal") << Picker::Portal << false << false;
        QTest::newRow("screen, on Wayland")
            << "wayland" << QVariant("screen") << Picker::Screen << false << false;
        QTest::newRow("any case, spaces")
            << "xcb" << QVariant(" Portal ") << Picker::Portal << false << false;
        QTest::newRow("misspelt") << "wayland" << QVariant("potral") << Picker::Portal << true
                                  << true;
        QTest::newRow("long junk")
            << "offscreen" << QVariant(QString(5000, u'x')) << Picker::Screen << true << true;
    }

    void choice() {
        QFETCH(QString, platform);
        QFETCH(QVariant, variable);
        QFETCH(Picker, picker);
        QFETCH(bool, fallback);
        QFETCH(bool, warns);
        const auto forced = variable.isValid() ? std::optional(variable.toString()) : std::nullopt;
        const PickerChoice choice = choosePicker(platform, forced);
        QCOMPARE(choice.picker, picker);
        QCOMPARE(choice.portalWhenUnreadable, fallback);
        QCOMPARE(choice.warning.contains(QLatin1String(kPickerVariable)), warns);
        QVERIFY(choice.warning.size() < 200);  // junk is cut short
    }

    void routing_data() {
        QTest::addColumn<Picker>("picker");
        QTest::addColumn<bool>("fallback");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QString>("runs");  // "loupe", "portal" or "nothing"
        QTest::newRow("our loupe") << Picker::Screen << true << true << "loupe";
        QTest::newRow("unreadable: the portal") << Picker::Screen << true << false << "portal";
        QTest::newRow("loupe forced, unreadable") << Picker::Screen << false << false << "nothing";
        QTest::newRow("the portal") << Picker::Portal << true << true << "portal";
    }

    void routing() {
        QFETCH(Picker, picker);
        QFETCH(bool, fallback);
        QFETCH(bool, readable);
        QFETCH(QString, runs);
        GreySampler sampler;
        sampler.readable = readable;
        ScreenMagnifier loupe(sampler);
        FakeMagnifier portal;
        DesktopMagnifier desktop({picker, fallback, {}}, loupe, portal);
        OutcomeDelegate delegate;
        desktop.trackAt(QPointF(40, 40), &delegate);
        QCOMPARE(loupe.window() != nullptr && loupe.window()->isVisible(), runs == "loupe");
        QCOMPARE(portal.sessions, runs == "portal" ? 1 : 0);
        if (runs == "portal") {
            portal.succeed({0.5, 0.5, 0.5, 1.0});
        } else if (runs == "loupe") {
            desktop.stopTracking(&delegate);  // tells nobody
            QVERIFY(!loupe.window()->isVisible());
        }
        const QStringList heard = runs == "portal"    ? QStringList{"picked"}
                                  : runs == "nothing" ? QStringList{"unavailable"}
                                                      : QStringList{};
        QCOMPARE(delegate.heard, heard);
        if (!heard.isEmpty()) {  // whichever picker worked, the report is the desktop's
            QCOMPARE(delegate.reporter, &desktop);
        }
    }
};

QTEST_MAIN(PickerChoiceTest)
#include "ui_picker_choice_qtest.moc"
