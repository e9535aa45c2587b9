#include "wayland_bell.h"

#include <QVersionNumber>
#include <QtGlobal>

// Qt's Wayland platform before 6.9 has no bell: QApplication::beep() does nothing there, so every
// refused keystroke would go unnoticed. Through XWayland the beep is the X bell, which the
// compositor (KWin through kaccess, Mutter) turns into the bell sound, the visual bell or nothing,
// as the user set it. A platform the user chose is kept, and Wayland stays the fallback.
void PreferXWaylandForTheBell() {
    const bool wayland =
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (wayland && !qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        QVersionNumber::fromString(QString::fromLatin1(qVersion())) < QVersionNumber(6, 9)) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
}
