// SPDX-License-Identifier: MIT
// Picking through the desktop portal: a fake portal on a private session bus (the test runs
// under dbus-run-session with bus.conf). The waits are for bus round trips only.
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <limits>

#include "PortalPicker.h"
#include "PortalScreenshot.h"

using namespace hueloupe;

namespace {

constexpr int kBusTimeoutMs = 10000;
const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");

QVariantMap withColour(double red, double green, double blue) {
    QDBusArgument triple;
    triple.beginStructure();
    triple << red << green << blue;
    triple.endStructure();
    return {{"color", QVariant::fromValue(triple)}};
}

// Where a request's Response comes: the caller's unique name and the handle token.
QString requestPath(const QDBusMessage& call, const QVariantMap& options, bool own = false) {
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
        .arg(own ? "own" : call.service().mid(1).replace(u'.', u'_'),
             options.value("handle_token").toString());
}

enum class Reply {
    Now,        // Response at the handle token's path, even before the call's reply
    Cancelled,  // the same with response code 1
    Elsewhere,  // at a path of the portal's own making, when the test says
    Silent,     // the path, then never a Response
    Forged,     // another client's Response (another colour) first, then the portal's
    Leaves,     // the path, then the portal leaves the bus
    Hang,       // not even the call's reply
    NoPortal,   // nobody on the bus answers
};

// The portal's Screenshot interface, answering as the test sets it up.
class FakePortal final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
    Q_PROPERTY(uint version MEMBER version)

public:
    void respond(const QString& path, const QVariantMap& results, uint code = 0) {
        bus.send(QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response")
                 << code << results);
    }

    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal");
    uint version = 2;
    Reply reply = Reply::Now;
    QVariantMap results;
    QStringList requests;         // the path of each call
    QList<QDBusMessage> hanging;  // calls never answered
    QString picture;              // the Screenshot's file
    bool interactive = true;      // the last Screenshot's option

public slots:
    QDBusObjectPath PickColor(const QString& /*parent*/, const QVariantMap& options,
                              const QDBusMessage& call) {
        requests << requestPath(call, options, reply == Reply::Elsewhere);
        if (reply == Reply::Hang) {
            call.setDelayedReply(true);
            hanging << call;
        } else if (reply == Reply::Leaves) {
            bus.unregisterService("org.freedesktop.portal.Desktop");
        } else if (reply == Reply::Forged) {
            auto forger = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "forger");
            forger.send(QDBusMessage::createSignal(requests.last(),
                                                   "org.freedesktop.portal.Request", "Response")
                        << 0u << withColour(0.9, 0.9, 0.9));
            forger.interface()->isServiceRegistered("x");  // a round trip: the forgery went first
            respond(requests.last(), results);
        } else if (reply == Reply::Now || reply == Reply::Cancelled) {
            respond(requests.last(), results, reply == Reply::Cancelled ? 1 : 0);
        }
        return QDBusObjectPath(requests.last());
    }

    // Answers at once with the file the test chose, or refuses (code 2) when there is none.
    QDBusObjectPath Screenshot(const QString& /*parent*/, const QVariantMap& options,
                               const QDBusMessage& call) {
        interactive = options.value("interactive", true).toBool();
        respond(requestPath(call, options), {{"uri", QUrl::fromLocalFile(picture).toString()}},
                picture.isEmpty() ? 2 : 0);
        return QDBusObjectPath(requestPath(call, options));
    }
};

}  // namespace

Q_DECLARE_METATYPE(Reply)

class PortalPickerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePortal> fake_;
    std::unique_ptr<PortalPicker> portal_;
    QStringList heard_;  // "picked R G B" (in hundredths), "failed" or "unavailable"

    // Starts a session and waits for the portal to hear of it.
    void pick(bool reachesPortal = true) {
        const qsizetype before = fake_->requests.size();
        portal_->start({});
        if (reachesPortal) {
            QTRY_COMPARE_WITH_TIMEOUT(fake_->requests.size(), before + 1, kBusTimeoutMs);
        }
    }

private slots:
    void init() {
        fake_ = std::make_unique<FakePortal>();
        QVERIFY(fake_->bus.registerObject("/org/freedesktop/portal/desktop", fake_.get(),
                                          QDBusConnection::ExportAllContents));
        QVERIFY(fake_->bus.registerService(kService));
        portal_ = std::make_unique<PortalPicker>();
        heard_.clear();
        connect(portal_.get(), &Picker::picked, this, [this](const ColorValue& c) {
            heard_ << QString::asprintf("picked %d %d %d", qRound(c.red * 100),
                                        qRound(c.green * 100), qRound(c.blue * 100));
        });
        connect(portal_.get(), &Picker::failed, this, [this] { heard_ << "failed"; });
        connect(portal_.get(), &Picker::unavailable, this, [this] { heard_ << "unavailable"; });
    }

    void cleanup() {
        portal_.reset();
        fake_->bus.unregisterService(kService);
        fake_.reset();  // unregistered with it
    }

    void outcome_data() {
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<QVariantMap>("results");
        QTest::addColumn<QString>("heard");
        const QVariantMap answer = withColour(0.25, 0.5, 0.75);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("colour") << Reply::Now << answer << "picked 25 50 75";
        QTest::newRow("own path") << Reply::Elsewhere << answer << "picked 25 50 75";
        QTest::newRow("cancelled") << Reply::Cancelled << answer << "failed";
        QTest::newRow("no portal") << Reply::NoPortal << answer << "unavailable";
        QTest::newRow("no colour") << Reply::Now << QVariantMap() << "failed";
        QTest::newRow("colour not a number") << Reply::Now << withColour(0.1, nan, 0.3) << "failed";
        QTest::newRow("colour out of range")
            << Reply::Now << withColour(2, 0.5, -1) << "picked 100 50 0";
        QTest::newRow("forged Response") << Reply::Forged << answer << "picked 25 50 75";
        QTest::newRow("portal leaves") << Reply::Leaves << answer << "failed";
    }

    void outcome() {
        QFETCH(Reply, reply);
        QFETCH(QVariantMap, results);
        QFETCH(QString, heard);
        if (reply == Reply::NoPortal) {
            fake_->bus.unregisterService(kService);
        }
        fake_->reply = reply;
        fake_->results = results;
        pick(reply != Reply::NoPortal);
        if (reply == Reply::Elsewhere) {
            QTRY_COMPARE_WITH_TIMEOUT(portal_->requestPath(), fake_->requests.last(),
                                      kBusTimeoutMs);
            // A round trip on the picker's connection: its subscription has reached the bus.
            QVERIFY(QDBusConnection::sessionBus().interface()->isServiceRegistered(kService));
            fake_->respond(fake_->requests.last(), results);
        }
        QTRY_COMPARE_WITH_TIMEOUT(heard_, QStringList{heard}, kBusTimeoutMs);
    }

    // The desktop's picture through Screenshot, never interactive: read at the layout's scale,
    // and deleted when the portal wrote it for this request; a refusal or a file that is no
    // picture is no capture.
    void screenshot() {
        const QTemporaryDir dir;
        QImage picture(400, 200, QImage::Format_RGB32);  // a 200 x 100 layout at scale 2
        picture.fill(qRgb(10, 20, 30));
        picture.setPixel(399, 199, qRgb(200, 100, 50));
        PortalScreenshot capture([] { return QRect(0, 0, 200, 100); });
        QStringList heard;
        connect(&capture, &DesktopCapture::captured, this, [&heard](const DesktopImage& image) {
            const Monitor monitor = desktop::screenMonitor({0, 0, 200, 100}, 2);
            heard << QString::number(image.image.pixel(image.imagePixel(monitor, {399, 199})), 16);
        });
        connect(&capture, &DesktopCapture::unavailable, this, [&heard] { heard << "none"; });
        const QString older = dir.filePath("older.png"), made = dir.filePath("made.png");
        QFile olderFile(older);
        QVERIFY(picture.save(older) && olderFile.open(QIODevice::ReadWrite) &&
                olderFile.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                      QFileDevice::FileModificationTime));
        olderFile.close();
        for (const QString& file : {older, QString(), dir.filePath("missing.png"), made}) {
            if (file == made) {
                QVERIFY(picture.save(made));
            }
            fake_->picture = file;
            capture.capture();
            QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 1, kBusTimeoutMs);
            QCOMPARE(heard.takeFirst(), file == older || file == made ? "ffc86432" : "none");
        }
        QVERIFY(!fake_->interactive && QFile::exists(older) && !QFile::exists(made));
    }

    // A pick the portal never answers holds nothing up: the next start picks, and whatever
    // comes for the old request later is ignored.
    void unansweredPickGivesWay_data() {
        QTest::addColumn<Reply>("first");
        QTest::newRow("no Response") << Reply::Silent;
        QTest::newRow("no reply to the call") << Reply::Hang;
    }

    void unansweredPickGivesWay() {
        QFETCH(Reply, first);
        fake_->reply = first;
        pick();
        fake_->reply = Reply::Now;
        fake_->results = withColour(0.1, 0.2, 0.3);
        pick();  // ends the first as failed
        QTRY_COMPARE_WITH_TIMEOUT(heard_, QStringList({"failed", "picked 10 20 30"}),
                                  kBusTimeoutMs);

        // The old request is answered late while a third pick waits: only its answer counts.
        fake_->reply = Reply::Silent;
        pick();
        const QString old = fake_->requests[0];
        for (const QDBusMessage& call : std::as_const(fake_->hanging)) {
            fake_->bus.send(call.createReply(QVariant::fromValue(QDBusObjectPath(old))));
        }
        fake_->respond(old, withColour(0.9, 0.9, 0.9));
        fake_->respond(fake_->requests[2], withColour(0.4, 0.5, 0.6));
        QTRY_COMPARE_WITH_TIMEOUT(heard_.size(), 3, kBusTimeoutMs);
        QCOMPARE(heard_.last(), "picked 40 50 60");
    }
};

QTEST_MAIN(PortalPickerTest)
#include "picker_portal_qtest.moc"
