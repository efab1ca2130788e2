// SPDX-License-Identifier: MIT
#pragma once

namespace hueloupe {

// Makes a launch without a display end with one line on standard error and status 1 instead of
// Qt's abort. With no display named (and no platform chosen) it stops at once; otherwise Qt's
// fatal "no platform plugin could be initialized" becomes that line, which also covers a display
// that names no running server. Qt's messages are held while the application opens, so a failed
// start shows nothing else; once it is open they are passed on. Call just before constructing
// the QApplication.
void exitCleanlyWithoutDisplay(bool platformGiven);

}  // namespace hueloupe
