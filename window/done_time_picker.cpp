#include "done_time_picker.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QKeyEvent>

namespace {

// Tab leaves the picker as it leaves any other control, rather than stepping through the hours,
// minutes and seconds; the arrow keys move between those.
class TimeEdit : public QDateTimeEdit {
public:
    using QDateTimeEdit::QDateTimeEdit;

protected:
    bool focusNextPrevChild(bool next) override {
        return QAbstractSpinBox::focusNextPrevChild(next);
    }
};

}  // namespace

DoneTimePicker::DoneTimePicker(QWidget* parent)
    : QWidget(parent), check_(new QCheckBox(this)), time_(new TimeEdit(this)) {
    check_->setChecked(true);
    check_->setAccessibleName(tr("Done at time set"));
    time_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    time_->setAccessibleName(tr("Done at"));
    time_->setAccessibleDescription(tr("Press Space to clear or set the done-at time"));
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
    connect(time_, &QDateTimeEdit::dateTimeChanged, this, &DoneTimePicker::valueChanged);
}

std::optional<QDateTime> DoneTimePicker::value() const {
    if (!check_->isChecked()) return std::nullopt;
    return time_->dateTime();
}

void DoneTimePicker::setValue(const QDateTime& value) { time_->setDateTime(value); }

void DoneTimePicker::setDay(const QDate& day) {
    // The edit shows no date, so it cannot tell the next midnight from this one: its last
    // value is the second before.
    const QDateTime midnight(day, QTime(0, 0));
    time_->setDateTimeRange(midnight, midnight.addDays(1).addSecs(-1));
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
