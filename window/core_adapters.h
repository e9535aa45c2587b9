#pragma once

#include <QDateTime>
#include <QLocale>

#include "estimate/clock.h"
#include "estimate/formats.h"

// Qt's dates and locale in the shapes the estimation core takes.

QDateTime ToQDateTime(const estimate::LocalDateTime& local);
estimate::LocalDateTime ToLocalDateTime(const QDateTime& dateTime);

// The locale's decimal separator, short date, and time with seconds but without a time zone.
estimate::Formats LocaleFormats(const QLocale& locale);
