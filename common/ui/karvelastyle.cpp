#include "common/ui/karvelastyle.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

constexpr const char *colouredProperty = "karvelaColouredButton";

// How much darker a pressed button is filled, in QColor::darker's percent.
constexpr int pressedDarkness = 115;

} // namespace

KarvelaStyle::KarvelaStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void KarvelaStyle::markColoured(QPushButton *button)
{
    button->setProperty(colouredProperty, true);
}

bool KarvelaStyle::isColoured(const QWidget *widget)
{
    return widget && widget->property(colouredProperty).toBool();
}

void KarvelaStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    if (isColoured(widget)) {
        if (element == PE_PanelButtonCommand) {
            drawColouredPanel(option, painter);
            return;
        }
        // The panel already shows the focus; Fusion's own frame would cover it.
        if (element == PE_FrameFocusRect)
            return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void KarvelaStyle::drawColouredPanel(const QStyleOption *option, QPainter *painter)
{
    const QColor colour = option->palette.color(QPalette::Button);
    const bool pressed = option->state & (State_Sunken | State_On);
    const bool hovered = (option->state & State_MouseOver) && (option->state & State_Enabled);
    const QRect outer = option->rect.adjusted(0, 0, -1, -1);

    painter->save();
    painter->fillRect(option->rect, pressed ? colour.darker(pressedDarkness) : colour);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(hovered ? option->palette.color(QPalette::Highlight) : QColor(0x40, 0x40, 0x40), 1));
    painter->drawRect(outer);
    if (hovered)
        painter->drawRect(outer.adjusted(1, 1, -1, -1));
    if (option->state & State_HasFocus) {
        painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
        painter->drawRect(outer.adjusted(3, 3, -3, -3));
    }
    painter->restore();
}
