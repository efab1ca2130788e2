// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QRect>
#include <functional>

#include "DesktopCapture.h"
#include "PortalRequest.h"

namespace hueloupe {

// Captures the desktop through the desktop portal's Screenshot (org.freedesktop.portal.Screenshot,
// not interactive): the way to see the screen where a program may not read it, as on Wayland.
// The portal answers with an image file of the whole logical layout; once read, a file that the
// portal made for this request is deleted, so picks leave no screenshots behind. A refusal, a
// cancel, a portal or interface that is missing, or an image that cannot be read makes the
// capture unavailable.
class PortalScreenshot final : public DesktopCapture {
    Q_OBJECT

public:
    // The logical area the desktop's monitors cover, read when each answer arrives.
    using LayoutSource = std::function<QRect()>;

    explicit PortalScreenshot(LayoutSource layout, QObject* parent = nullptr);

    void capture() override;
    void cancel() override { request_.cancel(); }

private:
    void responded(uint response, const QVariantMap& results);

    LayoutSource layout_;
    PortalRequest request_;
    QDateTime askedAt_;
};

}  // namespace hueloupe
