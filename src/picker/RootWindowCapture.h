// SPDX-License-Identifier: MIT
#pragma once

#include "DesktopCapture.h"

namespace hueloupe {

// Reads an X11 server's root window, every head of the virtual desktop, in device pixels, in
// one request. Unavailable off X11 or when the server will not give the pixels.
class RootWindowCapture final : public DesktopCapture {
    Q_OBJECT

public:
    using DesktopCapture::DesktopCapture;

    void capture() override;
    void cancel() override {}
};

}  // namespace hueloupe
