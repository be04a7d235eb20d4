#include "common/boxlabel.h"

#include "common/design.h"

#include <QPainter>
#include <QRegularExpression>

namespace {

constexpr Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;

// The space kept between the label's words and the box.
int clearance()
{
    return twipsToPixels(60);
}

} // namespace

BoxLabel::BoxLabel(const QString &text, const QWidget *box, QWidget *parent) : QLabel(text, parent), m_box(box)
{
}

void BoxLabel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    if (!paintAroundGap(painter) && !paintLeader(painter)) {
        painter.end();
        QLabel::paintEvent(event);
    }
}

bool BoxLabel::paintAroundGap(QPainter &painter) const
{
    static const QRegularExpression blankRun(QStringLiteral(" {2,}"));
    const QRegularExpressionMatch gap = blankRun.match(text());
    if (!gap.hasMatch())
        return false;
    const QRect area = contentsRect();
    const int natural = fontMetrics().horizontalAdvance(text().left(gap.capturedEnd()));
    const int pastBox = m_box->geometry().right() + 1 + clearance() - x();
    painter.drawText(area, topLeft, text().left(gap.capturedStart()));
    painter.drawText(area.adjusted(qMax(natural, pastBox), 0, 0, 0), topLeft, text().mid(gap.capturedEnd()));
    return true;
}

bool BoxLabel::paintLeader(QPainter &painter) const
{
    static const QRegularExpression leader(QStringLiteral("^(.*[^.])(\\.{2,})(:?)$"));
    const QRegularExpressionMatch parts = leader.match(text());
    if (!parts.hasMatch())
        return false;
    const QFontMetricsF metrics(font());
    const QString head = parts.captured(1);
    const QString tail = parts.captured(3);
    const qreal end = qMin(width(), m_box->x() - x() - clearance());
    const qreal headWidth = metrics.horizontalAdvance(head);
    const int dots = int((end - headWidth - metrics.horizontalAdvance(tail)) / metrics.horizontalAdvance(u'.'));
    if (dots < 2)
        return false; // the words alone fill the room: draw the text as it is
    const QString leaderDots(dots, u'.');
    const QRectF area = contentsRect();
    painter.drawText(area, topLeft, head);
    painter.drawText(area.adjusted(headWidth, 0, 0, 0), topLeft, leaderDots);
    painter.drawText(area.adjusted(headWidth + metrics.horizontalAdvance(leaderDots), 0, 0, 0), topLeft, tail);
    return true;
}
