// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// An entry field that holds at most two ASCII digits, whatever route the text takes: typed keys,
// pastes, drops, input methods or assistive technology. Anything else is refused, and digits
// beyond the second are cut off, with invalidInput(), which the window turns into the system beep.
class DigitField : public QLineEdit {
    Q_OBJECT

public:
    explicit DigitField(QWidget* parent = nullptr);

    // Selects from the start for the field's whole length, so the next digit replaces the text.
    void selectForOverwrite();

signals:
    void invalidInput();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QString accepted_;  // the last text of digits
    Qt::DropAction dropActionFor(const QDropEvent* event) const;
    void answerDrag(QDragMoveEvent* event);

    bool dragRefused_ = false;    // the drag over the field carries what the field would refuse
    bool enteringClick_ = false;  // the focus came with a mouse press that is not yet released
    QPointF pressedAt_;
};
