// SPDX-License-Identifier: MIT
#include "PortalScreenshot.h"

#include <unistd.h>

#include <utility>

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QUrl>

namespace hueloupe {
namespace {

// Screenshot has been in the interface since its first version; "interactive" came later and is
// ignored by older portals, which do not ask either.
constexpr uint kMinimumVersion = 1;
// Larger than any desktop of monitors there is (eight 8K monitors), smaller than a bad file's
// worth of memory.
constexpr qint64 kMaxPixels = qint64(8) * 7680 * 4320;

// A file this request made: ours, and written since it was asked for.
bool madeFor(const QFileInfo& file, const QDateTime& askedAt) {
    return file.isFile() && !file.isSymLink() && file.ownerId() == ::getuid() &&
           file.lastModified() >= askedAt.addSecs(-1);
}

}  // namespace

PortalScreenshot::PortalScreenshot(LayoutSource layout, QObject* parent)
    : DesktopCapture(parent), layout_(std::move(layout)) {
    connect(&request_, &PortalRequest::responded, this, &PortalScreenshot::responded);
    connect(&request_, &PortalRequest::failed, this, &DesktopCapture::unavailable);
}

void PortalScreenshot::capture() {
    askedAt_ = QDateTime::currentDateTime();
    request_.start(QStringLiteral("Screenshot"),
                   {{QStringLiteral("interactive"), false}, {QStringLiteral("modal"), false}},
                   kMinimumVersion);
}

void PortalScreenshot::responded(uint response, const QVariantMap& results) {
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    if (response != 0 || !uri.isLocalFile()) {
        emit unavailable();
        return;
    }
    const QFileInfo file(uri.toLocalFile());
    QImageReader reader(file.filePath());
    const QSize size = reader.size();
    QImage image;
    if (size.isValid() && qint64(size.width()) * size.height() <= kMaxPixels) {
        image = reader.read();
    }
    if (madeFor(file, askedAt_)) {
        QFile::remove(file.filePath());
    }
    const QRect layout = layout_();
    if (image.isNull() || layout.isEmpty()) {
        emit unavailable();
        return;
    }
    emit captured(DesktopImage::ofLayout(std::move(image), layout));
}

}  // namespace hueloupe
