// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The window's stopwatch in the sizes title bars and task switchers use, at one and two device
// pixels per logical pixel. The images are compiled in: loading files would pull in the image
// plugins and the MIME database before the window's first frame. Launchers take the scalable
// icon from the installed icon theme.
QIcon StopwatchIcon();
