#include "common/ui/boxlabel.h"

#include "common/ui/design.h"

#include <QPainter>
#include <QRegularExpression>

namespace {

constexpr Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;

// "Bugün 1 kg buğday        TL dir...": the run of blanks where the box sits.
const QRegularExpression &blankRun()
{
    static const QRegularExpression run(QStringLiteral(" {2,}"));
    return run;
}

// "Fakir sayısı...............:": the words, the dots and the colon.
const QRegularExpression &dottedLeader()
{
    static const QRegularExpression leader(QStringLiteral("^(.*[^.])(\\.{2,})(:?)$"));
    return leader;
}

// The space kept between the label's words and the box.
int clearance()
{
    return twipsToPixels(60);
}

} // namespace

BoxLabel::BoxLabel(const QString &text, const QWidget *box, QWidget *parent) : QLabel(text, parent), m_box(box) {}

QString BoxLabel::words() const
{
    const QRegularExpressionMatch gap = blankRun().match(text());
    if (gap.hasMatch())
        return text().left(gap.capturedStart()).trimmed();
    const QRegularExpressionMatch parts = dottedLeader().match(text());
    return (parts.hasMatch() ? parts.captured(1) : text()).trimmed();
}

void BoxLabel::paintEvent(QPaintEvent *event)
{
    const QList<Piece> drawn = pieces();
    if (drawn.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRectF area = contentsRect();
    for (const Piece &piece : drawn)
        painter.drawText(area.adjusted(piece.x, 0, 0, 0), topLeft, piece.text);
}

QList<BoxLabel::Piece> BoxLabel::pieces() const
{
    QList<Piece> drawn = aroundGap();
    return drawn.isEmpty() ? withLeader() : drawn;
}

QList<BoxLabel::Piece> BoxLabel::aroundGap() const
{
    const QRegularExpressionMatch gap = blankRun().match(text());
    if (!gap.hasMatch())
        return {};
    const int natural = fontMetrics().horizontalAdvance(text().left(gap.capturedEnd()));
    const int pastBox = m_box->geometry().right() + 1 + clearance() - x() - contentsRect().x();
    return {{text().left(gap.capturedStart()), 0}, {text().mid(gap.capturedEnd()), qreal(qMax(natural, pastBox))}};
}

QList<BoxLabel::Piece> BoxLabel::withLeader() const
{
    const QRegularExpressionMatch parts = dottedLeader().match(text());
    if (!parts.hasMatch())
        return {};
    const QFontMetricsF metrics(font());
    const QString head = parts.captured(1);
    const QString tail = parts.captured(3);
    const qreal end = qMin(width(), m_box->x() - x() - clearance());
    const qreal headWidth = metrics.horizontalAdvance(head);
    const int dots = int((end - headWidth - metrics.horizontalAdvance(tail)) / metrics.horizontalAdvance(u'.'));
    if (dots < 2)
        return {}; // the words alone fill the room: draw the text as it is
    const QString leaderDots(dots, u'.');
    return {{head, 0}, {leaderDots, headWidth}, {tail, headWidth + metrics.horizontalAdvance(leaderDots)}};
}
