// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>

#include <QWidget>

class QLabel;

// Hands results to a screen reader without moving the focus or changing a control: with Qt 6.8,
// Qt's announcement; with Qt 6.4, on Linux an invisible notification reported as appearing,
// which screen readers speak after what they are already saying, and on Windows a text value of
// the window, which Qt raises as a UI Automation notification.
class Announcer : public QWidget {
    Q_OBJECT

public:
    // Belongs to the window but lies outside it, in a status bar of its own that is never shown.
    explicit Announcer(QWidget* window);

    // Speaks each result label's text after the caption of the frame around it.
    void announce(std::initializer_list<const QLabel*> results);

private:
    QLabel* message_;
};
