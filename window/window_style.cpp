#include "window_style.h"

#include <algorithm>

#include <qdrawutil.h>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QWidget>

namespace {

constexpr int kCaptionIndent = 6;   // from the frame's left edge to the gap in its top line
constexpr int kCaptionPadding = 2;  // between the gap's ends and the caption's text
constexpr int kLineWidth = 2;       // the etched line: a shadow and a light line
constexpr int kFocusInset = 4;      // from a button's edge to its focus frame, at the least

}  // namespace

WindowStyle::WindowStyle(QObject* parent) { setParent(parent); }

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
