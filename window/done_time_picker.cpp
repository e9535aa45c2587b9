// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "done_time_picker.h"

#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTimeZone>

#include "window_texts.h"

namespace {

// A moment's local time as the edit holds it: in UTC, where no day has a gap or a repeated hour.
QDateTime WallClock(const QDateTime& moment) {
    const QDateTime local = moment.toLocalTime();
    return QDateTime(local.date(), local.time(), QTimeZone::utc());
}

// The local clock's offset from UTC at the moment, in seconds, read from the wall clock it shows
// rather than from a local date-time's offset: Qt cannot always tell the two readings of a
// repeated time apart (when both are standard time).
qint64 OffsetAt(qint64 moment) {
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(moment, QTimeZone::utc());
    return WallClock(utc).toSecsSinceEpoch() - moment;
}

// Where the clock jumps over the wall-clock time, the last time it shows before the jump and the
// first after it; nothing where the clock shows the time.
std::optional<std::pair<QDateTime, QDateTime>> JumpOver(const QDateTime& wallClock) {
    const qint64 wall = wallClock.toSecsSinceEpoch();
    // A day either side lies beyond the one change of offset that a day can have.
    const qint64 offsetBefore = OffsetAt(wall - 86400);
    const qint64 offsetAfter = OffsetAt(wall + 86400);
    // Read with the later offset the time is a moment before the jump, with the earlier one a
    // moment after it, unless one of them shows it.
    qint64 before = wall - offsetAfter;
    qint64 after = wall - offsetBefore;
    if (before + OffsetAt(before) == wall || after + OffsetAt(after) == wall) return std::nullopt;
    // The jump lies between the two: halve the interval down to its moment.
    while (after - before > 1) {
        const qint64 middle = before + (after - before) / 2;
        (OffsetAt(middle) == offsetBefore ? before : after) = middle;
    }
    const auto wallAt = [](qint64 seconds) {
        return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
    };
    return std::pair(wallAt(before + offsetBefore), wallAt(after + offsetAfter));
}

// Tab leaves the picker as it leaves any other control, rather than stepping through the hours,
// minutes and seconds; the arrow keys move between those.
// Only the times the clock shows are offered: a typed time that the edit refuses, one outside the
// day's range or one the clock skips, beeps as a refused key in a field does, and a step that
// lands on a skipped time goes on to the nearest time shown beyond the jump.
class TimeEdit : public QDateTimeEdit {
public:
    explicit TimeEdit(DoneTimePicker* picker) : QDateTimeEdit(picker), picker_(picker) {}

protected:
    bool focusNextPrevChild(bool next) override {
        // A typed separator (":") goes on to the next section, as in any time edit; only Tab
        // leaves, else typing 14:30 would leave at the colon and Enter would then press Cancel.
        if (separatorTyped_) return QDateTimeEdit::focusNextPrevChild(next);
        return QAbstractSpinBox::focusNextPrevChild(next);
    }
    void keyPressEvent(QKeyEvent* event) override {
        // A full hour or minute has already moved the edit on to the next section: the colon typed
        // after it belongs there, and must not skip that section.
        const int at = lineEdit()->hasSelectedText() ? lineEdit()->selectionStart()
                                                     : lineEdit()->cursorPosition();
        if (event->text() == QLatin1String(":") && at > 0 && text().at(at - 1) == u':') {
            event->accept();
            return;
        }
        const QScopedValueRollback separator(
            separatorTyped_, event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab);
        refused_ = false;
        typing_ = true;
        QDateTimeEdit::keyPressEvent(event);
        typing_ = false;
        if (refused_) emit picker_->invalidInput();
    }
    void stepBy(int steps) override {
        // The skipped time a step passes on its way is no refused input.
        const QScopedValueRollback stepping(typing_, false);
        QDateTimeEdit::stepBy(steps);
        if (const auto jump = JumpOver(dateTime())) {
            setDateTime(steps > 0 ? jump->second : jump->first);
        }
    }
    QValidator::State validate(QString& input, int& pos) const override {
        QValidator::State state = QDateTimeEdit::validate(input, pos);
        if (state == QValidator::Acceptable && JumpOver(dateTimeFromText(input))) {
            state = QValidator::Invalid;
        }
        if (!typing_) return state;
        // A complete time outside the range passes here; the edit then puts the old one back.
        const auto outside = [&] {
            const QDateTime typed = dateTimeFromText(input);
            return typed < minimumDateTime() || typed > maximumDateTime();
        };
        refused_ |= state == QValidator::Invalid || (state == QValidator::Acceptable && outside());
        return state;
    }

private:
    DoneTimePicker* picker_;
    bool typing_ = false;
    bool separatorTyped_ = false;
    mutable bool refused_ = false;
};

}  // namespace

DoneTimePicker::DoneTimePicker(QWidget* parent)
    : QWidget(parent), check_(new QCheckBox(this)), time_(new TimeEdit(this)) {
    check_->setChecked(true);
    check_->setAccessibleName(WindowTexts::tr("Done at time set"));
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    time_->setTimeZone(QTimeZone::utc());
#else
    time_->setTimeSpec(Qt::UTC);
#endif
    // A time is written hours first from the left in right-to-left languages too. Mirrored, the
    // edit would show seconds first; it reads its direction when it takes its format.
    time_->setLayoutDirection(Qt::LeftToRight);
    // ASCII digits, like every other figure of the window.
    time_->setLocale(QLocale::c());
    time_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    time_->setAccessibleDescription(
        WindowTexts::tr("Press Space to clear or set the done-at time"));
    time_->installEventFilter(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(check_);
    layout->addWidget(time_, 1);

    setFocusPolicy(Qt::StrongFocus);
    showCheckState(true);

    connect(check_, &QCheckBox::toggled, this, [this](bool checked) {
        showCheckState(checked);
        emit valueChanged();
    });
    // A step passes a skipped time on its way to a shown one; only the shown one is a change.
    connect(time_, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime& shown) {
        if (!JumpOver(shown)) emit valueChanged();
    });
}

std::optional<QDateTime> DoneTimePicker::wallClock() const {
    if (!check_->isChecked()) return std::nullopt;
    return time_->dateTime();
}

void DoneTimePicker::setValue(const QDateTime& moment) {
    {
        const QSignalBlocker quiet(time_);
        time_->setDateTime(WallClock(moment));
    }
    emit valueChanged();
}

void DoneTimePicker::setDay(const QDate& day) {
    // A day's first moment is not always midnight, nor its last the second before the next one.
    time_->setDateTimeRange(WallClock(day.startOfDay()), WallClock(day.endOfDay()));
}

bool DoneTimePicker::event(QEvent* event) {
    // The time holds the focus, so screen readers name it: by the name the window gave the picker,
    // which is set before the picker is first shown.
    if (event->type() == QEvent::Polish) time_->setAccessibleName(accessibleName());
    return QWidget::event(event);
}

bool DoneTimePicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == time_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        check_->toggle();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DoneTimePicker::showCheckState(bool checked) {
    // A disabled time edit cannot hold the focus, so the focus moves to the check box with it.
    const QWidget* focused = QApplication::focusWidget();
    const bool hadFocus = focused == this || isAncestorOf(focused);
    time_->setEnabled(checked);
    QWidget* focusTarget = checked ? static_cast<QWidget*>(time_) : check_;
    check_->setFocusPolicy(checked ? Qt::NoFocus : Qt::StrongFocus);
    time_->setFocusPolicy(checked ? Qt::StrongFocus : Qt::NoFocus);
    setFocusProxy(focusTarget);
    if (hadFocus) focusTarget->setFocus(Qt::OtherFocusReason);
}

QDateTime MomentOf(const QDateTime& wallClock, const QDateTime& now) {
    const qint64 wall = wallClock.toSecsSinceEpoch();
    const auto shows = [&](qint64 moment) { return moment + OffsetAt(moment) == wall; };
    // A day either side lies beyond the one change of offset that a day can have.
    const qint64 offsetAfter = OffsetAt(wall + 86400);
    const qint64 first = wall - OffsetAt(wall - 86400);
    const qint64 second = wall - offsetAfter;
    // Between the two occurrences the clock is in its second pass once it shows the later offset.
    const qint64 at = now.toSecsSinceEpoch();
    const bool wentBack = at >= second || (at >= first && OffsetAt(at) == offsetAfter);
    const bool takeSecond = shows(second) && (!shows(first) || wentBack);
    return QDateTime::fromSecsSinceEpoch(takeSecond ? second : first, QTimeZone::utc());
}
