// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QLocale>

#include "estimate/clock.h"
#include "estimate/formats.h"

// Qt's dates and locale in the shapes the estimation core takes.

estimate::Instant ToInstant(const QDateTime& moment);
// In UTC: a local time can stand for two moments where the clock goes back by a change of
// standard offset, and Qt does not always tell which.
QDateTime ToQDateTime(estimate::Instant instant);

// The locale's long time format cut down to hours, minutes, seconds and the day period, with
// the locale's own words and separators between them, but without the time zone and the
// punctuation that surrounded it.
QString CompletionTimeFormat(const QLocale& locale);

// The locale's short date and completion time, in ASCII digits like the figures typed into the
// fields, the decimal separator that goes with ASCII digits, and the translated phrases. The
// words follow the user's languages, the figures the locale: the two can differ.
estimate::Formats LocaleFormats(const QLocale& locale, estimate::Phrases phrases);
