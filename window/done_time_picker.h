// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QDateTime>
#include <QWidget>

class QCheckBox;
class QDateTimeEdit;

// A time of day that can also be "none": a check box in front of a 24-hour time edit. It takes
// one place in the tab order: the focus rests on the time while it is checked and on the check
// box while it is not, and Space toggles the check box from either. The time takes the accessible
// name given to the picker.
//
// The edit works on the wall clock and offers the times the clock shows that day: a time it
// skips where it jumps forward is stepped over, and refused with invalidInput() when typed, as a
// time outside the day is. A time it shows twice can be picked once. The picker hands out the time
// it shows; which moment that is depends on when it is read (MomentOf).
class DoneTimePicker : public QWidget {
    Q_OBJECT

public:
    explicit DoneTimePicker(QWidget* parent = nullptr);

    // The wall-clock time shown, as a UTC date-time, or nothing while the check box is cleared.
    std::optional<QDateTime> wallClock() const;
    // Shows the moment's local time.
    void setValue(const QDateTime& moment);
    // Limits the value to the times of one local day, from its first moment to its last.
    void setDay(const QDate& day);

signals:
    // Once for each change of the time or of the check box.
    void valueChanged();
    void invalidInput();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCheckState(bool checked);

    QCheckBox* check_;
    QDateTimeEdit* time_;
};

// The moment a wall-clock time of the local day stands for, read at the moment now. A time the
// clock shows twice is the pass the clock is in: the first occurrence until the clocks go back,
// the second once they have.
QDateTime MomentOf(const QDateTime& wallClock, const QDateTime& now);
