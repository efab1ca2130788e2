// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace hueloupe {

// Brings the window to the front for a launch handed to this process, with that launch's token
// (empty: none). On Wayland the token goes to the compositor's activation protocol, so that the
// window is raised rather than only marked urgent; then the launch's feedback ends as below.
void raiseForLaunch(QWidget& window, const QString& activationToken);

// Hands a launch's token to the next window this process activates (on Wayland Qt passes it to
// the compositor and forgets it), for a launch whose window comes later: the loupe of the
// desktop's pick action, which shows once the desktop has been captured. Then ends the feedback.
void passTokenToNextWindow(const QString& activationToken);

// Ends a launcher's busy feedback for a launch handed to this process. On X11 the token is the
// launch's startup-notification ID and the sequence is ended with its "remove" message; elsewhere
// nothing is sent (a Wayland compositor ends it when the token is used, or after a while).
void endLaunchFeedback(const QString& activationToken);

}  // namespace hueloupe
