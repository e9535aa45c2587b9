// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Installs the catalogues of the first of the user's languages (most preferred first, as
// QLocale::uiLanguages() lists them) that the window is translated into: its own, compiled in,
// and Qt's base catalogue for the context menus of its controls, where the system has one.
// Nothing is installed when English comes first, or when no language has a catalogue: the
// window's own texts are English. The application's layout direction becomes that of the
// language whose catalogue is installed.
void InstallTranslators(const QStringList& uiLanguages);
