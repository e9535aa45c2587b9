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
// The edit works on the wall clock alone, where every time of the day can be typed and stepped
// to, also on days whose clocks jump or repeat an hour. Each time the user sets is turned into
// one moment, always the same for the same time shown: of a time shown twice, the occurrence
// nearer the value the picker was given.
class DoneTimePicker : public QWidget {
    Q_OBJECT

public:
    explicit DoneTimePicker(QWidget* parent = nullptr);

    // The moment, or nothing while the check box is cleared.
    std::optional<QDateTime> value() const;
    // Shows the moment's local time and keeps the moment itself, even where the clock shows
    // that time twice. Times the user sets later are read near it.
    void setValue(const QDateTime& moment);
    // Limits the value to the times of one local day, from its first moment to its last.
    void setDay(const QDate& day);

signals:
    // Once for each change of the time or of the check box.
    void valueChanged();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCheckState(bool checked);

    QCheckBox* check_;
    QDateTimeEdit* time_;
    QDateTime moment_;
    QDateTime start_;  // the value given in code, which decides between repeated times
};
