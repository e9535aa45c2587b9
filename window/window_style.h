#pragma once

#include <QProxyStyle>

// The application's style with the two changes the window's fixed layout needs. A frame's
// caption takes one line of text at the frame's top, which the layout keeps free of controls,
// with the frame's top line drawn through its middle and broken for the text; the frame's inner
// area starts below it. A line edit without the focus draws no caret. A button with the focus
// shows it by a dotted frame inside its border, as the default button is drawn like a focused one.
class WindowStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit WindowStyle(QObject* parent);

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};
