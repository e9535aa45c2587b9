// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The application's style with the two changes the window's fixed layout needs. A frame's
// caption takes one line of text at the frame's top, which the layout keeps free of controls,
// with the frame's top line drawn through its middle and broken for the text; the frame's inner
// area starts below it. A line edit without the focus draws no caret. A button with the focus
// shows it by a dotted frame inside its border, as the default button is drawn like a focused one.
// A check box and a spin box's buttons and arrows grow by the layout's scale, as its controls do.
class WindowStyle : public QProxyStyle {
    Q_OBJECT

public:
    WindowStyle(QObject* parent, qreal scale);

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;

private:
    qreal scale_;
};
