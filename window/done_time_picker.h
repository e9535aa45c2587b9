#pragma once

#include <optional>

#include <QDateTime>
#include <QWidget>

class QCheckBox;
class QDateTimeEdit;

// A time of day that can also be "none": a check box in front of a 24-hour time edit. It takes
// one place in the tab order: the focus rests on the time while it is checked and on the check
// box while it is not, and Space toggles the check box from either.
class DoneTimePicker : public QWidget {
    Q_OBJECT

public:
    explicit DoneTimePicker(QWidget* parent = nullptr);

    // The date and time, or nothing while the check box is cleared.
    std::optional<QDateTime> value() const;
    void setValue(const QDateTime& value);
    // Limits the value to the times of one day, from midnight up to the next midnight.
    void setDay(const QDate& day);

signals:
    // Once for each change of the time or of the check box.
    void valueChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCheckState(bool checked);

    QCheckBox* check_;
    QDateTimeEdit* time_;
};
