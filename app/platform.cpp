#include "platform.h"

#include <QByteArray>
#include <QtGlobal>

namespace {

// Linux, Wayland desktops: Qt's Wayland platform (6.4 in Debian 12, 6.8 in Debian 13) has no bell:
// QApplication::beep() does nothing there, so every refused keystroke would go unnoticed. Through
// XWayland the beep is the X bell, which the compositor (KWin through kaccess, Mutter) turns into
// the bell sound, the visual bell or nothing, as the user set it. A platform the user chose is
// kept, and Wayland stays the fallback.
void PreferXWaylandForTheBell() {
    const bool wayland =
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (wayland && !qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
}

}  // namespace

void ApplyPlatformChoices() {
#ifdef Q_OS_LINUX
    PreferXWaylandForTheBell();
#endif
}
