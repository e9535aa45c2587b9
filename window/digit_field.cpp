// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "digit_field.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QValidator>

#include "estimate/conversions.h"

namespace {

constexpr qsizetype kDigits = 2;

bool IsAsciiDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// The one place every insertion passes through, whatever its route: the line edit undoes any
// change that leaves a non-digit in the text. The two-digit limit is kept here too rather than by
// the line edit's maximum length, which cuts pasted and dropped text short without a word: what
// does not fit is cut from the end of the inserted text, which ends at the cursor, with a beep.
class DigitValidator : public QValidator {
public:
    explicit DigitValidator(DigitField* field) : QValidator(field), field_(field) {}

    State validate(QString& input, int& pos) const override {
        if (!IsAsciiDigits(input)) {
            emit field_->invalidInput();
            return Invalid;
        }
        const qsizetype excess = input.size() - kDigits;
        if (excess > 0) {
            pos = static_cast<int>(qMax<qsizetype>(pos - excess, 0));
            input.remove(pos, excess);
            emit field_->invalidInput();
        }
        return Acceptable;
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

void DigitField::selectForOverwrite() { setSelection(0, kDigits); }

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
    const bool fits = text().size() - selectedText().size() + typed.size() <= kDigits;
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

Qt::DropAction DigitField::dropActionFor(const QDropEvent* event) const {
    // A drop inserts at the pointer and keeps the rest of the text. A source deletes what it has
    // moved, so only a text taken whole may be moved; one cut short is a copy.
    const QString dropped = event->mimeData()->text();
    const qsizetype room = kDigits - text().size();
    if (dropped.isEmpty() || !IsAsciiDigits(dropped) || room <= 0) return Qt::IgnoreAction;
    return dropped.size() > room ? Qt::CopyAction : event->proposedAction();
}

// Another program learns what the drop will do from the answers given while the drag moves over
// the field, not from the drop itself.
void DigitField::answerDrag(QDragMoveEvent* event) {
    const Qt::DropAction action = dropActionFor(event);
    dragRefused_ = action == Qt::IgnoreAction;
    if (dragRefused_) {
        event->ignore();
    } else {
        event->setDropAction(action);
        event->accept();
    }
}

void DigitField::dragEnterEvent(QDragEnterEvent* event) {
    QLineEdit::dragEnterEvent(event);
    answerDrag(event);
    // Taken in, even when refused, so the field hears when the drag leaves or is let go: the
    // answer the source acts on is that to each move, which follows the entering at once.
    event->accept();
}

void DigitField::dragMoveEvent(QDragMoveEvent* event) {
    QLineEdit::dragMoveEvent(event);
    answerDrag(event);
}

void DigitField::dragLeaveEvent(QDragLeaveEvent* event) {
    QLineEdit::dragLeaveEvent(event);
    // A refused drag never drops: let go over the field, it beeps as a refused key does.
    if (std::exchange(dragRefused_, false) && rect().contains(mapFromGlobal(QCursor::pos()))) {
        emit invalidInput();
    }
}

void DigitField::dropEvent(QDropEvent* event) {
    dragRefused_ = false;
    const Qt::DropAction action = dropActionFor(event);
    if (action == Qt::IgnoreAction) {
        emit invalidInput();
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);  // the validator beeps for what it cuts off
    event->setDropAction(action);
}

void DigitField::contextMenuEvent(QContextMenuEvent* event) {
    // Keeps the menu's actions but not the shortcuts written beside them: the key filter refuses
    // Ctrl+Z, Ctrl+X, Ctrl+C, Ctrl+V and Ctrl+A in the field.
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) action->setText(action->text().section(u'\t', 0, 0));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
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
