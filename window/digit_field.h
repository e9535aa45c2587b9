#pragma once

#include <QLineEdit>

// An entry field that holds at most two ASCII digits, whatever route the text takes: typed keys,
// pastes, drops, input methods or assistive technology. Anything else is refused with
// invalidInput(), which the window turns into the system beep.
class DigitField : public QLineEdit {
    Q_OBJECT

public:
    explicit DigitField(QWidget* parent = nullptr);

    // Selects from the start for the field's whole length, so the next digit replaces the text.
    void selectForOverwrite();

signals:
    void invalidInput();
    void keyReleased();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
