#pragma once

#include <QProxyStyle>

class QPushButton;

// The application's style: Fusion, except that the coloured buttons of the design are
// filled with exactly their colour, as the classic graphical buttons were, instead of
// Fusion's lightened gradient. A thin border shows hover, a dotted frame the focus and
// a slightly darker fill the pressed state. Plain buttons stay Fusion's.
class KarvelaStyle : public QProxyStyle
{
    Q_OBJECT
public:
    KarvelaStyle();

    // Marks a button whose palette's Button colour is its designed colour.
    static void markColoured(QPushButton *button);
    static bool isColoured(const QWidget *widget);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;

private:
    static void drawColouredPanel(const QStyleOption *option, QPainter *painter);
};
