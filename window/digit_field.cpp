#include "digit_field.h"

#include <algorithm>

#include <QKeyEvent>
#include <QValidator>

#include "estimate/conversions.h"
#include "event_guard.h"

namespace {

bool IsAsciiDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// The guard for every route that does not come through keyPressEvent: the line edit undoes any
// change that leaves a non-digit in the text.
class DigitValidator : public QValidator {
public:
    explicit DigitValidator(DigitField* field) : QValidator(field), field_(field) {}

    State validate(QString& input, int&) const override {
        if (IsAsciiDigits(input)) return Acceptable;
        emit field_->invalidInput();
        return Invalid;
    }

private:
    DigitField* field_;
};

// Keys that move the focus or press the dialog's buttons, and the two deleting keys; they pass
// the key filter untouched although some of them carry a control character.
bool PassesKeyFilter(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            return true;
        default:
            return false;
    }
}

}  // namespace

DigitField::DigitField(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(2);
    setAlignment(Qt::AlignCenter);
    setValidator(new DigitValidator(this));
}

void DigitField::selectForOverwrite() { setSelection(0, maxLength()); }

void DigitField::keyPressEvent(QKeyEvent* event) {
    // Every typed character other than a digit is refused before it reaches the text, control
    // characters included: Ctrl+C, Ctrl+V and Ctrl+X beep rather than copy, paste or cut.
    const QString typed = event->text();
    if (!typed.isEmpty() && !PassesKeyFilter(event) && !IsAsciiDigits(typed)) {
        emit invalidInput();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DigitField::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    emit keyReleased();
}

void DigitField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu or another application taking the focus does not leave the field: the
    // user comes straight back to the text as it was.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) {
        return;
    }
    EndEventOnCoreFailure([this] {
        const QString typed = text().isEmpty() ? QStringLiteral("00") : text();
        setText(QString::fromStdString(estimate::FormatDigits(typed.toStdString())));
        selectForOverwrite();
    });
}
