#include "common/ui/boxes.h"

#include <QMouseEvent>

void ClickableLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ResultBox::focusInEvent(QFocusEvent *event)
{
    // QLineEdit selects its whole text when Tab brings the focus, and only then.
    QFocusEvent unselecting(event->type(), Qt::OtherFocusReason);
    ClickableLineEdit::focusInEvent(&unselecting);
}
