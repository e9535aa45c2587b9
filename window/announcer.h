#pragma once

#include <initializer_list>

#include <QWidget>

class QLabel;

// Hands results to a screen reader without moving the focus or changing a control: an invisible
// notification in the accessibility tree, reported as appearing each time it has something to
// say. Screen readers speak a notification when it appears, after what they are already saying.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // Speaks each result label's text after the caption of the frame around it.
    void announce(std::initializer_list<const QLabel*> results);
};
