// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core_adapters.h"

#include <utility>

#include <QTimeZone>

namespace {

bool IsAsciiLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// What stood around a field that was left out: "(t)", "[t]", ", t".
bool IsFiller(QChar c) { return c.isSpace() || QStringLiteral(",()[]").contains(c); }

// The length of the token at the start of the format: a quoted text, a run of one pattern
// letter (with "ap" as one), or a single literal character.
qsizetype TokenLength(QStringView format) {
    const QChar first = format.front();
    qsizetype end = 1;
    if (first == QLatin1Char('\'')) {
        const qsizetype close = format.indexOf(QLatin1Char('\''), 1);
        return close < 0 ? format.size() : close + 1;
    }
    if (!IsAsciiLetter(first)) return end;
    while (end < format.size() && format[end] == first) ++end;
    const bool dayPeriod = first == QLatin1Char('a') || first == QLatin1Char('A');
    if (dayPeriod && end < format.size() && format[end].toLower() == QLatin1Char('p')) ++end;
    return end;
}

// The text with the locale's digits replaced by ASCII digits.
QString AsciiDigits(QString text, const QLocale& locale) {
    // Some scripts' digits lie outside the Basic Multilingual Plane, so work in code points.
    const char32_t zero = locale.zeroDigit().toUcs4().value(0, U'0');
    if (zero == U'0') return text;
    QList<uint> codePoints = text.toUcs4();
    for (uint& c : codePoints) {
        if (c >= zero && c <= zero + 9) c = U'0' + (c - zero);
    }
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(codePoints.constData()),
                             codePoints.size());
}

}  // namespace

estimate::Instant ToInstant(const QDateTime& moment) {
    return estimate::Instant{std::chrono::seconds{moment.toSecsSinceEpoch()}};
}

QDateTime ToQDateTime(estimate::Instant instant) {
    return QDateTime::fromSecsSinceEpoch(instant.time_since_epoch().count(), QTimeZone::utc());
}

QString CompletionTimeFormat(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool afterDropped = false;
    for (qsizetype at = 0; at < format.size();) {
        const QStringView token =
            QStringView(format).mid(at, TokenLength(QStringView(format).mid(at)));
        at += token.size();
        const QChar first = token.front();
        if (IsAsciiLetter(first) && !QStringLiteral("hHmsaA").contains(first)) {
            // "B", the day period of some Chinese locales, is a pattern letter Qt does not know;
            // its AM/PM is the nearest it has. Anything else (the zone "t") is left out.
            if (first == QLatin1Char('B')) {
                result += QStringLiteral("AP");
                afterDropped = false;
                continue;
            }
            while (!result.isEmpty() && IsFiller(result.back())) result.chop(1);
            afterDropped = true;
            continue;
        }
        if (afterDropped && token.size() == 1 && IsFiller(first)) continue;
        afterDropped = false;
        result += token;
    }
    return result;
}

estimate::Formats LocaleFormats(const QLocale& locale, estimate::Phrases phrases) {
    const QString timeFormat = CompletionTimeFormat(locale);
    const auto date = [locale](const estimate::LocalDateTime& local) {
        const QDate day(local.year, local.month, local.day);
        return AsciiDigits(locale.toString(day, QLocale::ShortFormat), locale).toStdString();
    };
    const auto dateTime = [locale, timeFormat, date](const estimate::LocalDateTime& local) {
        const QTime time(local.hour, local.minute, local.second);
        return date(local) + " " +
               AsciiDigits(locale.toString(time, timeFormat), locale).toStdString();
    };
    // A locale with digits of its own has a separator made for them (Arabic uses U+066B); with
    // ASCII digits, these locales write a full stop.
    const bool asciiLocale = locale.zeroDigit() == QLatin1String("0");
    return {
        .decimalSeparator = asciiLocale ? locale.decimalPoint().toStdString() : ".",
        .dateTime = dateTime,
        .date = date,
        .phrases = std::move(phrases),
    };
}
