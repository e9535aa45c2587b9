// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
// Every zone of the system's time-zone database whose clocks change in 2026, on each day of
// change: the picker covers exactly that local day and starts at the real moment, every hour
// typed or stepped to is a time the clock shows that day (one outside it or skipped beeps), and the
// projection counts the real seconds to it, the same each time the same time is shown. The window
// opened and used before, during (a repeated hour) and after the change: moving the time
// shown on never lowers the projection, and a time is reached exactly when the clock has passed it.
#include <cstdlib>
#include <ctime>
#include <functional>
#include <utility>

#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

#include "form_fixture.h"

class TimeZoneSweepTest : public QObject {
    Q_OBJECT

private slots:
    void everyDayOfChangeInEveryZone();

private:
    void checkChange(const QDateTime& change, const QDateTime& changeWall, int jump,
                     const std::function<void(const QString&)>& problem);
};

namespace {

void UseZone(const QByteArray& id) {
    qputenv("TZ", id);
    tzset();
}

// The percentage a done-at text shows, the overshoot of "Completed" counted in.
double ShownPercent(const QString& text) {
    static const QRegularExpression number(R"(\d+\.\d\d)");
    const double value = number.match(text).captured().toDouble();
    return text.startsWith("Completed") ? 100 + value : value;
}

}  // namespace

void TimeZoneSweepTest::everyDayOfChangeInEveryZone() {
    const QDateTime year(QDate(2026, 1, 1), QTime(0, 0), QTimeZone::utc());
    QStringList problems;
    int zones = 0;
    int days = 0;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        const QTimeZone zone(id);
        const QTimeZone::OffsetDataList changes = zone.transitions(year, year.addYears(1));
        if (changes.isEmpty()) continue;
        ++zones;
        UseZone(id);
        for (const QTimeZone::OffsetData& change : changes) {
            ++days;
            // Half an hour after the change, in mid-minute, with a fraction of a second that the
            // clock cuts off.
            const QDateTime now = change.atUtc.addMSecs(1'817'700);
            const qint64 nowSeconds = now.toSecsSinceEpoch();
            const QDate day = now.toLocalTime().date();
            const int jump = change.offsetFromUtc - zone.offsetFromUtc(change.atUtc.addSecs(-1));
            // Where the clocks jump forward, they skip the times before this one.
            const QDateTime changeWall(change.atUtc.toLocalTime().date(),
                                       change.atUtc.toLocalTime().time(), QTimeZone::utc());
            const auto problem = [&](const QString& what) {
                problems << QString("%1 at %2: %3").arg(id, now.toString(Qt::ISODate), what);
            };

            FormUnderTest ui(now);
            auto* picker = ui.get<DoneTimePicker>("DTDoneTime");
            QDateTimeEdit* time = ui.pickerTime();
            const auto* done = ui.get<QLabel>("LblDone");
            const auto momentShown = [&] { return MomentOf(*picker->wallClock(), ui.now); };
            if (momentShown().toSecsSinceEpoch() != nowSeconds) problem("does not start now");
            const QDateTime first = time->minimumDateTime();
            const QDateTime last = time->maximumDateTime();
            if (first.date() != day || first.time() != day.startOfDay().time() ||
                last.date() != day || last.time() != day.endOfDay().time()) {
                problem("picker range " + first.toString() + " to " + last.toString());
            }
            ui.typeOneHourAtHalf();

            // What each shown time projected the first time it was shown.
            QHash<QString, QString> projections;
            QSignalSpy changes(picker, &DoneTimePicker::valueChanged);
            const auto check = [&](const QString& how) {
                const QString shown = time->text();
                const QDateTime moment = momentShown();
                const QDateTime local = moment.toLocalTime();
                if (local.date() != day) problem(how + " " + shown + " leaves the day");
                // The time held, after a refused one too, is one the clock shows.
                if (local.time() != time->time()) {
                    problem(how + " " + shown + " lands on " + local.toString(Qt::ISODate));
                }
                if (changes.isEmpty()) return;  // a time refused
                changes.clear();
                const double expected = 50 + (moment.toSecsSinceEpoch() - nowSeconds) * 50.0 / 3600;
                if (qRound(ShownPercent(done->text()) * 100) != qRound(qMax(expected, 0.0) * 100)) {
                    problem(how + " " + shown + " projects " + done->text());
                }
                const QString earlier = projections.value(shown, done->text());
                if (earlier != done->text()) {
                    problem(shown + " projects " + earlier + " and " + done->text());
                }
                projections.insert(shown, done->text());
            };

            // The start value's projection, shown by turning the picker off and on: a time typed
            // later that shows the same must stand for the same moment.
            ui.pickerCheck()->setChecked(false);
            ui.pickerCheck()->setChecked(true);
            check("started at");
            time->setFocus();
            for (int hour = 0; hour < 24; ++hour) {
                time->setSelectedSection(QDateTimeEdit::HourSection);
                QTest::keyClicks(time, QString("%1").arg(hour, 2, 10, QLatin1Char('0')));
                if (time->time().hour() != hour && std::exchange(ui.beeps, 0) == 0) {
                    problem(QString("hour %1 refused without a beep").arg(hour));
                }
                check("typed");
            }
            // Back down from the last hour and up again, through the same shown times; a step onto
            // a skipped time goes on to the last time shown before the jump or the first after it.
            for (const int step : {-3600, 3600}) {
                for (int hour = 0; hour < 24; ++hour) {
                    time->setSelectedSection(QDateTimeEdit::HourSection);
                    const QDateTime from = time->dateTime();
                    QDateTime to = from.addSecs(step);
                    if (to < first || to > last) to = from;
                    if (changeWall.addSecs(-jump) <= to && to < changeWall) {
                        to = changeWall.addSecs(step < 0 ? -jump - 1 : 0);
                    }
                    QTest::keyClick(time, step < 0 ? Qt::Key_Down : Qt::Key_Up);
                    if (time->dateTime() != to || std::exchange(ui.beeps, 0) > 0) {
                        problem("stepped to " + time->text());
                    }
                    check("stepped to");
                }
            }
            // A minute down from the first time after the jump (none from a whole hour).
            time->setDateTime(changeWall);
            time->setSelectedSection(QDateTimeEdit::MinuteSection);
            QTest::keyClick(time, Qt::Key_Down);
            if (jump > 0 && first < changeWall && changeWall <= last &&
                time->dateTime() !=
                    changeWall.addSecs(changeWall.time().minute() ? -jump - 1 : 0)) {
                problem("stepped a minute down to " + time->text());
            }
            checkChange(change.atUtc, changeWall, jump, problem);
        }
    }
    qInfo("%d zones, %d days of change", zones, days);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 40).join("\n")));
    QVERIFY(zones > 50);
}

void TimeZoneSweepTest::checkChange(const QDateTime& change, const QDateTime& changeWall, int jump,
                                    const std::function<void(const QString&)>& problem) {
    // Before the change and after it, and in the first and second pass of a repeated hour; in
    // mid-minute.
    const int back = qAbs(jump);
    QList<QDateTime> moments;
    for (const int from : {-back - 1800, -back / 2, back / 2, back + 1800}) {
        if (jump < 0 || qAbs(from) > back) moments << change.addSecs(from + 17);
    }
    // Minute by minute from an hour before the change to an hour after it, hourly elsewhere, over
    // the times the clock shows.
    for (qsizetype opened = 0; opened < moments.size(); ++opened) {
        FormUnderTest ui(moments[opened]);
        QDateTimeEdit* time = ui.pickerTime();
        const auto* done = ui.get<QLabel>("LblDone");
        ui.type("TxthhIN", "99");  // slow enough for every time of the day to project 0 to 100
        ui.type("TxtProg", "50");
        for (qsizetype used = opened; used < moments.size(); ++used) {
            ui.now = moments[used];
            const QDateTime local = ui.now.toLocalTime();
            const QDateTime nowWall(local.date(), local.time(), QTimeZone::utc());
            double last = -1;
            for (QDateTime wall = time->minimumDateTime(); wall <= time->maximumDateTime();) {
                if (changeWall.addSecs(-jump) <= wall && wall < changeWall) wall = changeWall;
                time->setDateTime(wall);
                const double shown = ShownPercent(done->text());
                const QString at =
                    QString("opened %1, at %2 %3 projects %4")
                        .arg(moments[opened].toString(Qt::ISODate), ui.now.toString(Qt::ISODate),
                             time->text(), done->text());
                if (shown < last) problem(at + ", less than the minute before");
                if (done->text().endsWith("(reached)") != (wall < nowWall)) problem(at);
                last = shown;
                const bool near =
                    wall.secsTo(changeWall) <= back + 3600 && changeWall.secsTo(wall) < 3600;
                wall = wall.addSecs(near ? 60 : 3600);
            }
        }
    }
}

QTEST_MAIN(TimeZoneSweepTest)
#include "time_zone_sweep_test.moc"
