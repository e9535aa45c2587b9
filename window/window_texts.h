// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

// Every text the window shows or speaks is translated in one context, named after the window:
// the files that write such a text translate it through this class.
class WindowTexts {
    Q_DECLARE_TR_FUNCTIONS(FormTavro)
};
