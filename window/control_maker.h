// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>

#include <QFont>
#include <QRect>
#include <QSize>

#include "estimate/formats.h"

struct ControlRow;
class DigitField;
class DoneTimePicker;
class FittedLabel;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;
class WindowStyle;

// The table's layout is drawn for the dialog font of 8.25 pt at 96 dpi, in a window of this size.
inline constexpr QRect kDesignClientArea(0, 0, 337, 281);

// The rectangle with its edges scaled, so that controls that meet in the table still meet.
QRect Scaled(const QRect& rect, qreal scale);

// How much the table's layout grows for the user's font: the ratio of its size to the design
// font's, rounded up to a quarter so that every text has at least its share of room (1.75 for
// 14 pt, 2.5 for 20 pt at 96 dpi), and never below 1. Where the font's glyphs are wider or its
// lines taller than its size says (Thai fonts), it grows further until the done-at label's longest
// texts fit at the user's size.
qreal LayoutScale(const QFont& font, qreal dpi, const estimate::Phrases& phrases);

// The largest scale at which the window, with the frame a window manager draws around it, fits
// the room (the screen's available area), and never below 1. The frame is not known before the
// window is first shown: it is taken as a title bar of two lines of the desktop's font and a
// quarter line at each edge.
qreal LargestScale(const QSize& room, const QFont& font);

// Makes each control from its row of the table, in its place, and chains the focus order. Each
// kind of control has its own maker, which returns it typed: the window holds it from the start.
// The table's geometry grows by the scale; in a right-to-left language it is mirrored, except
// that the elapsed time and the percentage keep their figures in the order they are written.
class ControlMaker {
public:
    ControlMaker(QWidget* window, qreal scale);

    QGroupBox* frame(const ControlRow& row);
    DigitField* field(const ControlRow& row);
    // The ":" and "%" between the fields, drawn by the frame around them.
    QLabel* caption(const ControlRow& row, QGroupBox* frame);
    FittedLabel* result(const ControlRow& row, QGroupBox* frame, bool bold);
    QPushButton* button(const ControlRow& row);
    DoneTimePicker* picker(const ControlRow& row);
    QProgressBar* bar(const ControlRow& row);

    void chainFocusOrder() const;

private:
    template <typename Control>
    Control* place(Control* control, const ControlRow& row);
    QRect inWindow(const ControlRow& row) const;

    QWidget* window_;
    WindowStyle* style_;
    qreal scale_;
    bool mirrored_;
    std::map<int, QWidget*> tabOrder_;
};
