// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitted_label.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QTextBoundaryFinder>

namespace {

constexpr qreal kSmallestPointSize = 5.0;

// Where a line of the paragraph may end: the line-break opportunities of its language, except
// inside brackets. Unicode allows a break between any two ideographs, which would split the
// Japanese and Chinese words of "(reached)".
QList<qsizetype> BreakPoints(const QString& paragraph) {
    QList<qsizetype> points;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, paragraph);
    int depth = 0;
    qsizetype scanned = 0;
    while (finder.toNextBoundary() != -1) {
        for (; scanned < finder.position(); ++scanned) {
            const QChar::Category category = paragraph.at(scanned).category();
            if (category == QChar::Punctuation_Open) ++depth;
            if (category == QChar::Punctuation_Close) depth = std::max(0, depth - 1);
        }
        if (depth == 0 || scanned == paragraph.size()) points << scanned;
    }
    return points;
}

// The text broken into lines no wider than the width where its break points allow.
QStringList Wrap(const QString& text, const QFontMetricsF& metrics, qreal width) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        qsizetype start = 0;
        qsizetype end = 0;  // the last break point that keeps the line within the width
        const auto line = [&](qsizetype to) { return paragraph.mid(start, to - start).trimmed(); };
        for (const qsizetype point : BreakPoints(paragraph)) {
            if (end > start && metrics.horizontalAdvance(line(point)) > width) {
                lines << line(end);
                start = end;
            }
            end = point;
        }
        lines << line(paragraph.size());
    }
    return lines;
}

QSizeF Needed(const QStringList& lines, const QFontMetricsF& metrics, const QSizeF& room) {
    return metrics.boundingRect(QRectF(QPointF(), room), Qt::AlignCenter, lines.join('\n')).size();
}

}  // namespace

FittedLabel::FittedLabel(const QFont& baseFont, QWidget* parent)
    : QLabel(parent), baseFont_(baseFont) {
    setFont(baseFont);
    setTextFormat(Qt::PlainText);
}

bool FittedLabel::fits(const QString& text, const QFont& font, const QSizeF& room) {
    const QFontMetricsF metrics(font);
    const QSizeF needed = Needed(Wrap(text, metrics, room.width()), metrics, room);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void FittedLabel::setFittedText(const QString& text) {
    // Start from the base font each time, so a short text after a long one is full size again.
    QFont font = baseFont_;
    const QSizeF room = contentsRect().size();
    while (!fits(text, font, room) && font.pointSizeF() > kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    lines_ = Wrap(text, QFontMetricsF(font), room.width());
    setFont(font);
    setText(text);
}

void FittedLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(),
                          lines_.join('\n'), foregroundRole());
}
