#include "wayland_bell.h"

#include <QByteArray>
#include <QtGlobal>

// Qt's Wayland platform (6.4 in Debian 12, 6.8 in Debian 13) has no bell: QApplication::beep() does
// nothing there, so every refused keystroke would go unnoticed. Through XWayland the beep is the X
// bell, which the compositor (KWin through kaccess, Mutter) turns into the bell sound, the visual
// bell or nothing, as the user set it. A platform the user chose is kept, and Wayland stays the
// fallback. Elsewhere, on Windows above all, Qt has one platform and rings the bell itself.
void PreferXWaylandForTheBell() {
#ifdef Q_OS_LINUX
    const bool wayland =
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (wayland && !qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
#endif
}
