#include "core_adapters.h"

namespace {

// The locale's long time format less its time-zone field ("t", "tttt"), which would only make the
// completion text longer.
QString TimeFormatWithoutZone(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (quoted || c != QLatin1Char('t')) result += c;
    }
    return result.simplified();
}

}  // namespace

QDateTime ToQDateTime(const estimate::LocalDateTime& local) {
    return QDateTime(QDate(local.year, local.month, local.day),
                     QTime(local.hour, local.minute, local.second));
}

estimate::LocalDateTime ToLocalDateTime(const QDateTime& dateTime) {
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

estimate::Formats LocaleFormats(const QLocale& locale) {
    const QString timeFormat = TimeFormatWithoutZone(locale);
    const auto date = [locale](const estimate::LocalDateTime& local) {
        const QDate day(local.year, local.month, local.day);
        return locale.toString(day, QLocale::ShortFormat).toStdString();
    };
    const auto dateTime = [locale, timeFormat, date](const estimate::LocalDateTime& local) {
        const QTime time(local.hour, local.minute, local.second);
        return date(local) + " " + locale.toString(time, timeFormat).toStdString();
    };
    return {locale.decimalPoint().toStdString(), dateTime, date};
}
