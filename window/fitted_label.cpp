#include "fitted_label.h"

#include <QFontMetricsF>

namespace {

constexpr qreal kSmallestPointSize = 5.0;

bool Fits(const QString& text, const QFont& font, const QSizeF& room) {
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    const QRectF needed = QFontMetricsF(font).boundingRect(QRectF(QPointF(), room), flags, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

}  // namespace

FittedLabel::FittedLabel(const QFont& baseFont, QWidget* parent)
    : QLabel(parent), baseFont_(baseFont) {
    setFont(baseFont);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void FittedLabel::setFittedText(const QString& text) {
    // Start from the base font each time, so a short text after a long one is full size again.
    QFont font = baseFont_;
    const QSizeF room = contentsRect().size();
    while (!Fits(text, font, room) && font.pointSizeF() > kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    setFont(font);
    setText(text);
}
