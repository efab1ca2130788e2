#include "platform/ColorPanel.h"

#include <QColorDialog>
#include <QSignalSpy>
#include <QTest>

#include "platform/ColorAdapters.h"

namespace hueloupe {

class ColorPanelTest : public QObject {
    Q_OBJECT

private slots:
    void notifiesEverySet_data();
    void notifiesEverySet();
    void windowIsMadeOnFirstShow();
    void userEditSetsAndNotifies();
    void programSetUpdatesTheWindowWithoutEcho();
    void sharedPanelIsOne();

private:
    static QList<ColorValue> received(const QSignalSpy& spy);
};

QList<ColorValue> ColorPanelTest::received(const QSignalSpy& spy) {
    QList<ColorValue> colours;
    for (const QList<QVariant>& arguments : spy) {
        colours.append(arguments.at(0).value<ColorValue>());
    }
    return colours;
}

void ColorPanelTest::notifiesEverySet_data() {
    QTest::addColumn<QList<ColorValue>>("sets");
    QTest::addColumn<bool>("shown");
    const ColorValue red{1, 0, 0, 1};
    const ColorValue precise{0.1234567890123, 0.5, 1.0 / 3, 0.25};
    for (const bool shown : {false, true}) {
        const char* where = shown ? "shown" : "never shown";
        QTest::addRow("one colour, %s", where) << QList<ColorValue>{red} << shown;
        QTest::addRow("same colour twice, %s", where) << QList<ColorValue>{red, red} << shown;
        QTest::addRow("double precision kept, %s", where)
            << QList<ColorValue>{precise, red, precise} << shown;
        QTest::addRow("beyond sRGB kept, %s", where)
            << QList<ColorValue>{{1.5, -0.5, 0, 1}} << shown;
    }
}

void ColorPanelTest::notifiesEverySet() {
    QFETCH(QList<ColorValue>, sets);
    QFETCH(bool, shown);
    ColorPanel panel;
    if (shown) {
        panel.show();
    }
    QSignalSpy spy(&panel, &ColorPanel::colorChanged);
    for (const ColorValue& colour : sets) {
        panel.setColor(colour);
        QCOMPARE(panel.color(), colour);
    }
    QCOMPARE(received(spy), sets);
}

void ColorPanelTest::windowIsMadeOnFirstShow() {
    ColorPanel panel;
    panel.setColor({0, 0, 1, 0.5});
    QVERIFY(panel.dialog() == nullptr);
    QVERIFY(!panel.isVisible());
    panel.hide();  // nothing to hide yet
    QVERIFY(panel.dialog() == nullptr);

    panel.show();
    QVERIFY(panel.dialog() != nullptr);
    QVERIFY(panel.isVisible());
    QVERIFY(!panel.dialog()->isModal());
    QVERIFY(panel.dialog()->testOption(QColorDialog::ShowAlphaChannel));
    QCOMPARE(panel.dialog()->currentColor().rgba(), makeSRGBColor({0, 0, 1, 0.5}).rgba());

    panel.hide();
    QVERIFY(!panel.isVisible());
    panel.show();
    QVERIFY(panel.isVisible());
}

void ColorPanelTest::userEditSetsAndNotifies() {
    ColorPanel panel;
    panel.show();
    QSignalSpy spy(&panel, &ColorPanel::colorChanged);
    const QColor edited(255, 0, 0, 128);
    // What edits in the dialog do; the dialog reports colour and alpha as separate changes.
    panel.dialog()->setCurrentColor(edited);
    QVERIFY(spy.count() >= 1);
    QCOMPARE(panel.color(), readSRGBComponents(edited));
    QCOMPARE(received(spy).back(), readSRGBComponents(edited));
}

void ColorPanelTest::programSetUpdatesTheWindowWithoutEcho() {
    ColorPanel panel;
    panel.show();
    QSignalSpy spy(&panel, &ColorPanel::colorChanged);
    const ColorValue precise{0.1234567890123, 0.5, 1.0 / 3, 0.25};
    panel.setColor(precise);
    QCOMPARE(spy.count(), 1);
    // The dialog works in eight bits per channel; the panel keeps the exact colour.
    QCOMPARE(panel.dialog()->currentColor().rgba(), makeSRGBColor(precise).rgba());
    QCOMPARE(panel.color(), precise);  // not rounded through the dialog
}

void ColorPanelTest::sharedPanelIsOne() {
    ColorPanel& shared = ColorPanel::shared();
    QCOMPARE(&ColorPanel::shared(), &shared);
    shared.show();  // its dialog must go cleanly with the application
    QVERIFY(shared.isVisible());
}

}  // namespace hueloupe

QTEST_MAIN(hueloupe::ColorPanelTest)
#include "ColorPanelTest.moc"
