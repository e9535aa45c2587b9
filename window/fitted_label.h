#pragma once

#include <QLabel>

// A result label that always shows its whole text: a text wider or taller than the label is
// drawn in a smaller font rather than clipped, and broken at blanks onto more lines where the
// label has room for them.
class FittedLabel : public QLabel {
    Q_OBJECT

public:
    // baseFont is the font a text is shown in when it fits.
    FittedLabel(const QFont& baseFont, QWidget* parent);

    // Lines break at '\n'.
    void setFittedText(const QString& text);

private:
    QFont baseFont_;
};
