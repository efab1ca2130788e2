// The copy button's drawing: caret and title rectangles, fonts, colours, and the caret image.
#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "format/ColorFormatter.h"
#include "ui/CopyPopUpButtonCell.h"

using namespace hueloupe;

namespace {

// The smallest rectangle holding every pixel that is not fully transparent.
QRect paintedArea(const QImage& image) {
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

int maxAlpha(const QImage& image) {
    int most = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            most = std::max(most, qAlpha(image.pixel(x, y)));
        }
    }
    return most;
}

QImage canvas(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

class CopyButtonCellTest : public QObject {
    Q_OBJECT

private slots:
    void caretRect_data() {
        QTest::addColumn<QSizeF>("cell");
        QTest::addColumn<QRectF>("caret");
        QTest::newRow("120 x 22") << QSizeF(120, 22) << QRectF(100, 7, 20, 12);
        QTest::newRow("120 x 23: floor(5.5)") << QSizeF(120, 23) << QRectF(100, 7, 20, 12);
        QTest::newRow("120 x 24") << QSizeF(120, 24) << QRectF(100, 8, 20, 12);
        QTest::newRow("as high as the caret") << QSizeF(40, 12) << QRectF(20, 2, 20, 12);
        QTest::newRow("lower than the caret: floor(-0.5)")
            << QSizeF(20, 11) << QRectF(0, 1, 20, 12);
    }

    void caretRect() {
        QFETCH(QSizeF, cell);
        QFETCH(QRectF, caret);
        QCOMPARE(CopyPopUpButtonCell::caretRect(cell), caret);
    }

    void titleRect_data() {
        QTest::addColumn<QRectF>("frame");
        QTest::addColumn<QRectF>("title");
        QTest::newRow("(10,3,80,16)") << QRectF(10, 3, 80, 16) << QRectF(-2, 3, 80, 16);
        QTest::newRow("at the origin") << QRectF(0, 0, 50, 20) << QRectF(-12, 0, 50, 20);
        QTest::newRow("fractional") << QRectF(12.5, 1.5, 10, 10) << QRectF(0.5, 1.5, 10, 10);
    }

    void titleRect() {
        QFETCH(QRectF, frame);
        QFETCH(QRectF, title);
        QCOMPARE(CopyPopUpButtonCell::titleRect(frame), title);
    }

    void titleFont_data() {
        QTest::addColumn<int>("formatter");  // 0: none, 1: code, 2: label
        QTest::addColumn<bool>("systemFace");
        QTest::newRow("no represented object") << 0 << false;
        QTest::newRow("code preview") << 1 << false;
        QTest::newRow("label preview") << 2 << true;
    }

    void titleFont() {
        QFETCH(int, formatter);
        QFETCH(bool, systemFace);
        std::unique_ptr<ColorFormatter> object;
        if (formatter > 0) {
            object = std::make_unique<ColorFormatter>("{r}", "{r}", formatter == 2);
        }
        const QFont font = CopyPopUpButtonCell::titleFont(object.get());
        QCOMPARE(font.pixelSize(), 13);
        const bool hasMenlo = QFontInfo(QFont("Menlo")).family() == "Menlo";
        const QString expected =
            systemFace ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
            : hasMenlo ? QString("Menlo")
                       : QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
        QCOMPARE(font.family(), expected);
    }

    void titleColor() {
        QPalette palette;
        palette.setColor(QPalette::ButtonText, Qt::darkRed);
        QCOMPARE(CopyPopUpButtonCell::titleColor(true, palette), QColor(Qt::darkRed));
        const QColor normal = CopyPopUpButtonCell::titleColor(false, palette);
        QCOMPARE(normal.rgb(), qRgb(0, 0, 0));
        QVERIFY(qAbs(normal.alphaF() - 0.7) < 1e-3);
    }

    void caretImageHasBothScales() {
        const QIcon& caret = CopyPopUpButtonCell::caretImage();
        QVERIFY(!caret.isNull());
        QCOMPARE(&caret, &CopyPopUpButtonCell::caretImage());  // loaded once
        QCOMPARE(caret.pixmap(QSize(20, 12), 1.0).size(), QSize(20, 12));
        QCOMPARE(caret.pixmap(QSize(20, 12), 2.0).size(), QSize(40, 24));
    }

    void caretIsDrawnInItsRectAtReducedOpacity_data() {
        QTest::addColumn<QSize>("cell");
        QTest::newRow("120 x 22") << QSize(120, 22);
        QTest::newRow("60 x 31") << QSize(60, 31);
    }

    void caretIsDrawnInItsRectAtReducedOpacity() {
        QFETCH(QSize, cell);
        QImage image = canvas(cell);
        QPainter painter(&image);
        CopyPopUpButtonCell().drawBorderAndBackground(painter, QRectF(QPointF(5, 5), cell));
        painter.end();
        const QRect painted = paintedArea(image);
        QVERIFY(!painted.isEmpty());
        // Measured from the control's origin, not the frame's; no bezel anywhere else.
        QVERIFY(CopyPopUpButtonCell::caretRect(cell).toRect().contains(painted));
        QVERIFY(maxAlpha(image) <= 154);  // 0.6 of an opaque caret
    }

    void titleIsDrawnInTheReturnedRect() {
        QImage image = canvas({120, 22});
        QPainter painter(&image);
        const QRectF frame(16, 3, 80, 16);
        const QRectF drawn =
            CopyPopUpButtonCell().drawTitle(painter, "rgb(255, 255, 255) and more text than fits",
                                            frame, nullptr, false, QPalette());
        painter.end();
        QCOMPARE(drawn, QRectF(4, 3, 80, 16));
        const QRect painted = paintedArea(image);
        QVERIFY(!painted.isEmpty());
        QVERIFY(drawn.toRect().contains(painted));
    }
};

QTEST_MAIN(CopyButtonCellTest)
#include "ui_copy_button_cell_qtest.moc"
