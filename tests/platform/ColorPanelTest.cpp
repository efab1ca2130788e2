// SPDX-License-Identifier: MIT
#include "ColorPanel.h"

#include <QColorDialog>
#include <QTest>

namespace hueloupe {

class ColorPanelTest : public QObject {
    Q_OBJECT

private slots:
    // Every set notifies, by the program (an equal colour too) or by the user in the dialog,
    // and neither echoes back through the other. The panel keeps colours exactly; its dialog
    // stays non-modal, edits alpha and follows the program's sets.
    void notifiesEverySet() {
        const ColorValue green{188 / 255.0, 227 / 255.0, 104 / 255.0, 0.5};
        const QList<ColorValue> sets{
            {0.1234567890123, 0.5, 1.0 / 3, 0.25}, {1.5, -0.5, 0, 1}, green, green};
        QList<ColorValue> received;
        ColorPanel panel;
        connect(&panel, &ColorPanel::colorChanged, this, [&](auto& c) { received << c; });
        panel.hide();  // nothing to hide yet
        for (const ColorValue& colour : sets) panel.setColor(colour);
        panel.show();
        QVERIFY(panel.isVisible() && !panel.dialog()->isModal());
        QVERIFY(panel.dialog()->testOption(QColorDialog::ShowAlphaChannel));
        QCOMPARE(panel.dialog()->currentColor().rgba(), qRgba(188, 227, 104, 128));
        for (const ColorValue& colour : sets) panel.setColor(colour);
        QCOMPARE(received, sets + sets);
        panel.setColor({0, 0, 1, 1});
        QCOMPARE(panel.dialog()->currentColor().rgba(), qRgba(0, 0, 255, 255));

        panel.dialog()->setCurrentColor(QColor(255, 0, 0, 128));  // as colour and alpha changes
        QCOMPARE(received.back(), (ColorValue{1, 0, 0, 128 / 255.0f}));
        panel.hide();
        QVERIFY(!panel.isVisible());
        ColorPanel::shared().show();  // its dialog goes cleanly with the application
    }
};

}  // namespace hueloupe

QTEST_MAIN(hueloupe::ColorPanelTest)
#include "ColorPanelTest.moc"
