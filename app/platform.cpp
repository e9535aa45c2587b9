// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <QByteArray>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <cstdlib>
#include <ctime>

#include <QRegularExpression>
#endif

namespace {

#ifdef Q_OS_LINUX
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
#endif

#ifdef Q_OS_WIN
// Windows: the C runtime, through which Qt and the estimate read local time, takes a TZ variable
// before the zone Windows is set to, but reads only its own form, tzn[+|-]hh[:mm[:ss]][dzn]
// (EST5EDT, PST8). A zone name such as Europe/Berlin, which the shells of MSYS2, Cygwin and Git for
// Windows pass on, it misreads as UTC or near it, and every time shown would be off. Such a TZ is
// dropped before anything reads it, so the program follows Windows' zone; one in the runtime's form
// was meant and is kept.
void FollowWindowsZoneUnlessTzIsReadable() {
    if (!qEnvironmentVariableIsSet("TZ")) return;
    const QRegularExpression runtimeForm(QRegularExpression::anchoredPattern(
        QStringLiteral("[A-Za-z]{3}[+-]?[0-9]{1,2}(:[0-9]{2}){0,2}([A-Za-z]{3})?")));
    if (!runtimeForm.match(qEnvironmentVariable("TZ")).hasMatch()) {
        _putenv_s("TZ", "");
        _tzset();
    }
}
#endif

}  // namespace

void ApplyPlatformChoices() {
#ifdef Q_OS_LINUX
    PreferXWaylandForTheBell();
#endif
#ifdef Q_OS_WIN
    FollowWindowsZoneUnlessTzIsReadable();
#endif
}
