// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QStringList>

// A result label that always shows its whole text. Lines break at '\n' and where the text's
// language allows, but never inside brackets, so that a bracketed phrase such as "(reached)"
// stays whole; a text wider or taller than the label is drawn in a smaller font rather than
// clipped.
class FittedLabel : public QLabel {
    Q_OBJECT

public:
    // baseFont is the font a text is shown in when it fits.
    FittedLabel(const QFont& baseFont, QWidget* parent);

    void setFittedText(const QString& text);
    // The text's lines as they are drawn.
    const QStringList& lines() const { return lines_; }

    // Whether the text, broken as a label breaks it, fits the room in the font.
    static bool fits(const QString& text, const QFont& font, const QSizeF& room);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont baseFont_;
    QStringList lines_;
};
