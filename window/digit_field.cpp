#include "digit_field.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QValidator>

#include "estimate/conversions.h"

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

// Only the field with the focus shows its selection as active. The others keep theirs for the
// next entry, drawn as a pale tint under ordinary text.
QPalette MutedSelection(const QPalette& shown) {
    QPalette muted;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor highlight = shown.color(group, QPalette::Highlight);
        const QColor base = shown.color(group, QPalette::Base);
        const auto mix = [](int tint, int ground) { return (tint * 3 + ground * 7) / 10; };
        muted.setColor(
            group, QPalette::Highlight,
            QColor(mix(highlight.red(), base.red()), mix(highlight.green(), base.green()),
                   mix(highlight.blue(), base.blue())));
        muted.setColor(group, QPalette::HighlightedText, shown.color(group, QPalette::Text));
    }
    return muted;
}

}  // namespace

DigitField::DigitField(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(2);
    setAlignment(Qt::AlignCenter);
    setValidator(new DigitValidator(this));
    setPalette(MutedSelection(QApplication::palette(this)));
    // setText(), through which assistive technology edits a field, asks the validator (which
    // beeps) but keeps the text whatever it answers: a text that is not digits is put back.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (IsAsciiDigits(text)) {
            accepted_ = text;
        } else {
            setText(accepted_);
        }
    });
}

void DigitField::selectForOverwrite() { setSelection(0, maxLength()); }

bool DigitField::event(QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        setPalette(QPalette());
        // The window becoming active also counts as entering: the field that holds the focus
        // when the window opens, or when the user comes back to it, takes its first click as
        // any other field does.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        enteringClick_ = reason == Qt::MouseFocusReason || reason == Qt::ActiveWindowFocusReason;
    } else if (event->type() == QEvent::FocusOut) {
        setPalette(MutedSelection(QApplication::palette(this)));
    }
    return QLineEdit::event(event);
}

void DigitField::keyPressEvent(QKeyEvent* event) {
    // Every typed character other than a digit is refused before it reaches the text, control
    // characters included: Ctrl+C, Ctrl+V and Ctrl+X beep rather than copy, paste or cut. So is a
    // digit that a full field has no room for.
    const QString typed = event->text();
    const bool fits = text().size() - selectedText().size() + typed.size() <= maxLength();
    if (!typed.isEmpty() && !PassesKeyFilter(event) && !(IsAsciiDigits(typed) && fits)) {
        emit invalidInput();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DigitField::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    pressedAt_ = event->position();
}

void DigitField::mouseReleaseEvent(QMouseEvent* event) {
    // A click that brings the focus in selects the whole text, as Tab does, so the next digit
    // replaces it. Dragging from it selects what it covers; later clicks place the caret.
    const bool entering = std::exchange(enteringClick_, false);
    if (entering && event->button() == Qt::LeftButton &&
        (event->position() - pressedAt_).manhattanLength() < QApplication::startDragDistance()) {
        selectAll();
    }
    QLineEdit::mouseReleaseEvent(event);
}

void DigitField::dropEvent(QDropEvent* event) {
    const qsizetype before = text().size();
    const QString dropped = event->mimeData()->text();
    QLineEdit::dropEvent(event);
    // A source deletes what it has moved, so only a drop taken whole may count as a move; one
    // cut short by the maximum length is a copy, and a refused one is ignored. The validator has
    // beeped for anything but digits; digits that find no room beep as a typed digit does.
    const qsizetype taken = text().size() - before;
    if (taken == 0) {
        if (!dropped.isEmpty() && IsAsciiDigits(dropped)) emit invalidInput();
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
    } else if (taken < dropped.size()) {
        event->setDropAction(Qt::CopyAction);
    }
}

void DigitField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu or another application taking the focus does not leave the field: the
    // user comes straight back to the text as it was.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) {
        return;
    }
    setText(QString::fromStdString(estimate::FormatDigits(text().toStdString())));
    selectForOverwrite();
}
