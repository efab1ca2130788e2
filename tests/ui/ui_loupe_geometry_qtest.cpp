// The loupe's pure geometry and its drawing of a sample.
#include <cmath>
#include <limits>

#include <QImage>
#include <QPainter>
#include <QTest>

#include "ui/LoupeGeometry.h"
#include "ui/LoupeRenderer.h"

using namespace hueloupe;

static_assert(2 * loupe::kSampleRadius + 1 >= 11, "at least 11 x 11 device pixels");
static_assert(loupe::kCellSize >= 8, "at least eight times enlarged");

class LoupeGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void sampleRectIsCentred() {
        QCOMPARE(loupe::sampleRect({100, 50}), QRect(93, 43, 15, 15));
        QCOMPARE(loupe::sampleRect({0, 0}, 5), QRect(-5, -5, 11, 11));
    }

    void devicePixelAt_data() {
        QTest::addColumn<QPointF>("logical");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QPoint>("device");
        const qreal nan = std::numeric_limits<qreal>::quiet_NaN();
        QTest::newRow("ratio 1") << QPointF(10, 10) << 1.0 << QPoint(10, 10);
        QTest::newRow("ratio 2, fractional position") << QPointF(10.5, 3.2) << 2.0 << QPoint(21, 6);
        QTest::newRow("ratio 1.5") << QPointF(10, 10) << 1.5 << QPoint(15, 15);
        QTest::newRow("ratio 1.25 rounds down") << QPointF(3, 3) << 1.25 << QPoint(3, 3);
        QTest::newRow("left of the screen") << QPointF(-0.5, 0) << 1.0 << QPoint(-1, 0);
        QTest::newRow("bad ratio counts as 1") << QPointF(7, 8) << 0.0 << QPoint(7, 8);
        QTest::newRow("NaN position") << QPointF(nan, 4) << 1.0 << QPoint(0, 4);
        QTest::newRow("far away stays defined")
            << QPointF(1e300, -1e300) << 2.0 << QPoint(1 << 24, -(1 << 24));
    }

    void devicePixelAt() {
        QFETCH(QPointF, logical);
        QFETCH(qreal, ratio);
        QFETCH(QPoint, device);
        QCOMPARE(loupe::devicePixelAt(logical, ratio), device);
    }

    void logicalPointLiesOnTheDevicePixel_data() {
        QTest::addColumn<QPoint>("device");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QPoint>("logical");
        QTest::newRow("ratio 1") << QPoint(12, 7) << 1.0 << QPoint(12, 7);
        QTest::newRow("ratio 2, odd pixel") << QPoint(21, 6) << 2.0 << QPoint(10, 3);
        QTest::newRow("ratio 1.5, reachable") << QPoint(4, 4) << 1.5 << QPoint(3, 3);
        QTest::newRow("ratio 1.5, between") << QPoint(5, 5) << 1.5 << QPoint(3, 3);
    }

    void logicalPointLiesOnTheDevicePixel() {
        QFETCH(QPoint, device);
        QFETCH(qreal, ratio);
        QFETCH(QPoint, logical);
        QCOMPARE(loupe::logicalPointFor(device, ratio), logical);
    }

    void deviceSizeAndClamping() {
        QCOMPARE(loupe::deviceSize({1920, 1080}, 1.25), QSize(2400, 1350));
        QCOMPARE(loupe::deviceSize({800, 600}, 2.0), QSize(1600, 1200));
        QCOMPARE(loupe::clampToScreen({-3, 5}, {100, 100}), QPoint(0, 5));
        QCOMPARE(loupe::clampToScreen({150, 150}, {100, 100}), QPoint(99, 99));
        QCOMPARE(loupe::clampToScreen({10, 10}, {0, 0}), QPoint(0, 0));
    }

    void loupeStaysOnScreen_data() {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("topLeft");
        const QRect hd(0, 0, 1920, 1080);
        const QRect second(1920, 0, 1280, 1024);
        // Loupe 150 x 174, 24 clear of the pointer.
        QTest::newRow("middle: below right") << QPoint(500, 500) << hd << QPoint(524, 524);
        QTest::newRow("top-left corner") << QPoint(0, 0) << hd << QPoint(24, 24);
        QTest::newRow("right edge: flips left") << QPoint(1800, 500) << hd << QPoint(1626, 524);
        QTest::newRow("bottom edge: flips up") << QPoint(500, 1000) << hd << QPoint(524, 802);
        QTest::newRow("bottom-right corner") << QPoint(1919, 1079) << hd << QPoint(1745, 881);
        QTest::newRow("just fits at the right") << QPoint(1746, 0) << hd << QPoint(1770, 24);
        QTest::newRow("just does not") << QPoint(1747, 0) << hd << QPoint(1573, 24);
        QTest::newRow("second screen, its top-left")
            << QPoint(1930, 10) << second << QPoint(1954, 34);
        QTest::newRow("second screen, bottom-right")
            << QPoint(3190, 1020) << second << QPoint(3016, 822);
        QTest::newRow("screen smaller than the loupe")
            << QPoint(50, 50) << QRect(0, 0, 100, 100) << QPoint(0, 0);
    }

    void loupeStaysOnScreen() {
        QFETCH(QPoint, pointer);
        QFETCH(QRect, screen);
        QFETCH(QPoint, topLeft);
        const QSize size = loupe::loupeSize();
        QCOMPARE(size, QSize(150, 174));
        const QPoint placed = loupe::loupePosition(pointer, size, screen);
        QCOMPARE(placed, topLeft);
        // Where it fits, the loupe never covers the pixels it samples.
        if (screen.width() >= 2 * size.width()) {
            QVERIFY(!QRect(placed, size).intersects(loupe::sampleRect(pointer)));
        }
    }

    void pixelColour_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("hex");
        QTest::newRow("opaque pixel") << QPoint(1, 1) << true << "#FF8000";
        QTest::newRow("dark pixel") << QPoint(0, 0) << true << "#010203";
        QTest::newRow("off the screen (transparent)") << QPoint(2, 2) << false << "";
        QTest::newRow("outside the image") << QPoint(3, 0) << false << "";
        QTest::newRow("negative") << QPoint(-1, 1) << false << "";
    }

    void pixelColour() {
        QFETCH(QPoint, pixel);
        QFETCH(bool, found);
        QFETCH(QString, hex);
        QImage image(3, 3, QImage::Format_ARGB32);
        image.fill(qRgb(9, 9, 9));
        image.setPixel(0, 0, qRgb(1, 2, 3));
        image.setPixel(1, 1, qRgb(255, 128, 0));
        image.setPixel(2, 2, qRgba(0, 0, 0, 0));
        const auto colour = loupe::pixelColor(image, pixel);
        QCOMPARE(colour.has_value(), found);
        if (found) {
            QCOMPARE(loupe::hexText(*colour), hex);
            const QRgb rgb = image.pixel(pixel);
            QVERIFY((*colour ==
                     ColorValue{qRed(rgb) / 255.0, qGreen(rgb) / 255.0, qBlue(rgb) / 255.0, 1.0}));
        }
    }

    void rendererEnlargesEachPixel() {
        QImage sample(15, 15, QImage::Format_ARGB32);
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 15; ++x) {
                sample.setPixel(x, y, qRgb(x * 17, y * 17, 99));
            }
        }
        sample.setPixel(14, 0, qRgba(0, 0, 0, 0));  // off the screen
        QImage face(loupe::loupeSize(), QImage::Format_ARGB32);
        face.fill(Qt::transparent);
        QPainter painter(&face);
        LoupeRenderer::paint(painter, sample);
        painter.end();
        const auto cellCentre = [](int x, int y) {
            return QPoint(x * loupe::kCellSize + 5, y * loupe::kCellSize + 5);
        };
        for (const QPoint cell : {QPoint(0, 0), QPoint(3, 4), QPoint(13, 14), QPoint(6, 8)}) {
            QCOMPARE(face.pixel(cellCentre(cell.x(), cell.y())), sample.pixel(cell));
        }
        // The off-screen cell shows the dark backdrop, opaque.
        const QRgb offScreen = face.pixel(cellCentre(14, 0));
        QCOMPARE(qAlpha(offScreen), 255);
        QVERIFY(qRed(offScreen) < 64);
        // The centre cell is outlined: its edge differs from its middle.
        const QPoint centre = cellCentre(7, 7);
        QVERIFY(face.pixel(centre.x() - 5, centre.y()) != face.pixel(centre));
        // The label strip below the cells is drawn.
        QCOMPARE(qAlpha(face.pixel(2, 15 * loupe::kCellSize + 2)), 255);
    }
};

QTEST_MAIN(LoupeGeometryTest)
#include "ui_loupe_geometry_qtest.moc"
