// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stopwatch_icon.h"

#include <QImage>
#include <QPixmap>

#include "stopwatch16.xpm"
#include "stopwatch32.xpm"
#include "stopwatch64.xpm"

QIcon StopwatchIcon() {
    QIcon icon;
    for (const char* const* image : {stopwatch16, stopwatch32, stopwatch64}) {
        icon.addPixmap(QPixmap::fromImage(QImage(image)));
    }
    return icon;
}
