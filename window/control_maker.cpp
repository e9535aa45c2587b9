// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_maker.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "control_table.h"
#include "digit_field.h"
#include "done_time_picker.h"
#include "fitted_label.h"
#include "window_style.h"
#include "window_texts.h"

namespace {

// The design font is 11 pixels high; the ":" and "%" beside the fields are 12 pt next to it.
constexpr qreal kDesignPixelSize = 8.25 * 96 / 72;
constexpr qreal kCaptionToDialogFont = 12 / 8.25;
constexpr qreal kLargestScale = 4;

QFont Sized(QFont font, qreal factor, bool bold) {
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

}  // namespace

QRect Scaled(const QRect& rect, qreal scale) {
    const auto at = [scale](int edge) { return qRound(edge * scale); };
    QRect scaled;
    scaled.setCoords(at(rect.left()), at(rect.top()), at(rect.right() + 1) - 1,
                     at(rect.bottom() + 1) - 1);
    return scaled;
}

qreal LayoutScale(const QFont& font, qreal dpi, const estimate::Phrases& phrases) {
    const qreal ratio = font.pointSizeF() * dpi / 72 / kDesignPixelSize;
    qreal scale = std::max(1.0, std::ceil(ratio * 4 - 1e-6) / 4);
    const auto text = [](const std::string& pattern, const std::string& figure = {}) {
        return QString::fromStdString(estimate::Fill(pattern, figure));
    };
    // The done-at label is the narrowest: where the undefined texts fit it, they fit the total's
    // and the completion's in bold, without loading a bold font before the first paint. An
    // overshoot of three figures (a job done three times over) is as common as one of two.
    const QString longest[] = {
        text(phrases.completed) + '\n' + text(phrases.overshoot, "999.99"),
        text(phrases.reached, estimate::Fill(phrases.percent, "99.99")),
        text(phrases.undefined),
        text(phrases.undefinedMoment),
    };
    // Fitting measures the lines as the font draws them, ascent, descent and leading, which some
    // families make much taller than their size says. Two lines in the done-at label leave each
    // at most 14.5 of the table's pixels, so a frame's caption line, drawn in the same font,
    // fits the 16 between the frame's top and the controls below it as well.
    const auto fit = [&](qreal candidate) {
        const QSizeF room = Scaled(ControlTable::LblDone.geometry, candidate).size();
        return std::all_of(std::begin(longest), std::end(longest),
                           [&](const QString& t) { return FittedLabel::fits(t, font, room); });
    };
    while (scale < kLargestScale && !fit(scale)) scale += 0.25;
    return scale;
}

qreal LargestScale(const QSize& room, const QFont& font) {
    const qreal line = QFontMetricsF(font).height();
    const QSizeF client = QSizeF(room) - QSizeF(line / 2, 2.25 * line);
    return std::max(1.0, std::min(client.width() / kDesignClientArea.width(),
                                  client.height() / kDesignClientArea.height()));
}

ControlMaker::ControlMaker(QWidget* window, qreal scale)
    : window_(window),
      style_(new WindowStyle(window, scale)),
      scale_(scale),
      mirrored_(window->layoutDirection() == Qt::RightToLeft) {}

QGroupBox* ControlMaker::frame(const ControlRow& row) {
    auto* frame = place(new QGroupBox(WindowTexts::tr(row.text), window_), row);
    frame->setStyle(style_);
    return frame;
}

DigitField* ControlMaker::field(const ControlRow& row) {
    auto* field = place(new DigitField(window_), row);
    field->setText(QString::fromUtf8(row.text));
    field->setStyle(style_);
    return field;
}

QLabel* ControlMaker::caption(const ControlRow& row, QGroupBox* frame) {
    auto* caption = place(new QLabel(QString::fromUtf8(row.text), frame), row);
    caption->setFont(Sized(frame->font(), kCaptionToDialogFont, false));
    caption->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
    return caption;
}

FittedLabel* ControlMaker::result(const ControlRow& row, QGroupBox* frame, bool bold) {
    auto* result = place(new FittedLabel(Sized(frame->font(), 1, bold), frame), row);
    result->setAlignment(Qt::AlignCenter);
    return result;
}

QPushButton* ControlMaker::button(const ControlRow& row) {
    auto* button = place(new QPushButton(WindowTexts::tr(row.text), window_), row);
    button->setStyle(style_);
    return button;
}

DoneTimePicker* ControlMaker::picker(const ControlRow& row) {
    auto* picker = place(new DoneTimePicker(window_), row);
    // Its check box and time edit, whose buttons and arrows grow with the layout, the edit as
    // tall as the fields beside it rather than as its font.
    for (QWidget* part : picker->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        part->setStyle(style_);
        QSizePolicy policy = part->sizePolicy();
        policy.setVerticalPolicy(QSizePolicy::Preferred);
        part->setSizePolicy(policy);
    }
    return picker;
}

QProgressBar* ControlMaker::bar(const ControlRow& row) {
    auto* bar = place(new QProgressBar(window_), row);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);  // the percentage field beside it shows the number
    return bar;
}

void ControlMaker::chainFocusOrder() const {
    for (auto it = tabOrder_.begin(); std::next(it) != tabOrder_.end(); ++it) {
        QWidget::setTabOrder(it->second, std::next(it)->second);
    }
}

template <typename Control>
Control* ControlMaker::place(Control* control, const ControlRow& row) {
    control->setObjectName(QString::fromUtf8(row.name));
    const QPoint parentOrigin = control->parentWidget()->mapTo(window_, QPoint());
    control->setGeometry(inWindow(row).translated(-parentOrigin));
    control->setToolTip(WindowTexts::tr(row.toolTip));
    if (row.accessibleName) control->setAccessibleName(WindowTexts::tr(row.accessibleName));
    if (row.tabIndex >= 0) tabOrder_[row.tabIndex] = control;
    return control;
}

QRect ControlMaker::inWindow(const ControlRow& row) const {
    const QRect rect = Scaled(row.geometry, scale_);
    if (!mirrored_) return rect;
    QRect block = rect;
    for (const auto group : ControlTable::kReadLeftToRight) {
        if (std::find(group.begin(), group.end(), &row) == group.end()) continue;
        for (const ControlRow* member : group) block |= Scaled(member->geometry, scale_);
    }
    return rect.translated(window_->width() - block.right() - 1 - block.left(), 0);
}
