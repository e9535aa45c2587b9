// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_style.h"

#include <algorithm>

#include <qdrawutil.h>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QStyleOptionSpinBox>
#include <QWidget>

namespace {

constexpr int kCaptionIndent = 6;   // from the frame's left edge to the gap in its top line
constexpr int kCaptionPadding = 2;  // between the gap's ends and the caption's text
constexpr int kLineWidth = 2;       // the etched line: a shadow and a light line
constexpr int kFocusInset = 4;      // from a button's edge to its focus frame, at the least

// The spin box's option with font metrics of the layout's resolution: styles size a spin box's
// buttons and arrows by the resolution its option's font metrics carry, not by the font's size.
// The same for an option that has been through here already, as the style asks back for the
// parts it draws.
QStyleOptionSpinBox Grown(const QStyleOptionSpinBox& option, const QWidget* widget, qreal scale) {
    QImage resolution(1, 1, QImage::Format_Mono);
    const qreal dotsPerMeter = (widget ? widget->logicalDpiY() : 96) * scale / 0.0254;
    resolution.setDotsPerMeterX(qRound(dotsPerMeter));
    resolution.setDotsPerMeterY(qRound(dotsPerMeter));
    QStyleOptionSpinBox grown = option;
    grown.fontMetrics = QFontMetrics(widget ? widget->font() : QApplication::font(), &resolution);
    return grown;
}

}  // namespace

WindowStyle::WindowStyle(QObject* parent, qreal scale) : scale_(scale) { setParent(parent); }

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    // The picker's check box grows with the layout.
    if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight) return qRound(size * scale_);
    return size;
}

int WindowStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    // Qt shows a line edit's caret whenever text gets selected, focus or not: without this, every
    // field that is selected for the next entry would draw a frozen caret.
    if (hint == SH_BlinkCursorWhenTextSelected && widget && !widget->hasFocus()) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void WindowStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus)) return;
    const int inset = std::max(kFocusInset, option->rect.height() / 8);
    painter->save();
    painter->setPen(QPen(option->palette.buttonText(), 1, Qt::DotLine));
    painter->drawRect(option->rect.adjusted(inset, inset, -inset - 1, -inset - 1));
    painter->restore();
}

QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                  SubControl subControl, const QWidget* widget) const {
    if (const auto* spinBox = qstyleoption_cast<const QStyleOptionSpinBox*>(option)) {
        // The buttons widen by the scale to the left, where the edit field gives way.
        const QStyleOptionSpinBox grown = Grown(*spinBox, widget, scale_);
        const auto base = [&](SubControl part) {
            return QProxyStyle::subControlRect(control, &grown, part, widget);
        };
        const QRect up = base(SC_SpinBoxUp);
        const int wider = qRound(up.width() * (scale_ - 1));
        QRect rect = base(subControl);
        if (subControl == SC_SpinBoxUp || subControl == SC_SpinBoxDown)
            rect.setLeft(rect.left() - wider);
        if (subControl == SC_SpinBoxEditField) rect.setRight(rect.right() - wider);
        return rect;
    }
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box) {
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
    const QRect& outer = box->rect;
    const int captionHeight = box->text.isEmpty() ? 0 : box->fontMetrics.height();
    switch (subControl) {
        case SC_GroupBoxLabel: {
            const int width =
                std::min(box->fontMetrics.horizontalAdvance(box->text) + 2 * kCaptionPadding,
                         outer.width() - 2 * kCaptionIndent);
            const QRect caption(outer.left() + kCaptionIndent, outer.top(), width, captionHeight);
            return visualRect(box->direction, outer, caption);
        }
        case SC_GroupBoxFrame:
            return outer.adjusted(0, captionHeight / 2, 0, 0);
        case SC_GroupBoxContents:
            return outer.adjusted(kLineWidth, std::max(captionHeight, kLineWidth), -kLineWidth,
                                  -kLineWidth);
        default:
            return {};
    }
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
    if (const auto* spinBox = qstyleoption_cast<const QStyleOptionSpinBox*>(option)) {
        const QStyleOptionSpinBox grown = Grown(*spinBox, widget, scale_);
        QProxyStyle::drawComplexControl(control, &grown, painter, widget);
        return;
    }
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect caption = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
    const QRect frame = subControlRect(CC_GroupBox, box, SC_GroupBoxFrame, widget);
    painter->save();
    painter->setClipRegion(QRegion(box->rect).subtracted(caption));
    qDrawShadeRect(painter, frame, box->palette, true, kLineWidth / 2, 0);
    painter->restore();
    drawItemText(painter, caption, Qt::AlignCenter | Qt::TextHideMnemonic, box->palette,
                 box->state & State_Enabled, box->text, QPalette::WindowText);
}
