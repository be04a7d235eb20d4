#include "common/ui/icons.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor deepGreen(0x0B, 0x5D, 0x4B);
const QColor gold(0xE8, 0xB9, 0x3A);
const QColor wheat(0xF3, 0xDE, 0x9C);

// The motif of both icons, drawn into a square of any size: a gold crescent and
// an ear of wheat on a deep green disc.
void paintMotif(QPainter &painter, const QRectF &area)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = area.width();
    const QPointF o = area.topLeft();

    painter.setPen(Qt::NoPen);
    painter.setBrush(deepGreen);
    painter.drawEllipse(area.adjusted(s * 0.02, s * 0.02, -s * 0.02, -s * 0.02));

    QPainterPath moon;
    moon.addEllipse(QRectF(o.x() + s * 0.14, o.y() + s * 0.16, s * 0.62, s * 0.62));
    QPainterPath bite;
    bite.addEllipse(QRectF(o.x() + s * 0.30, o.y() + s * 0.10, s * 0.58, s * 0.58));
    painter.setBrush(gold);
    painter.drawPath(moon.subtracted(bite));

    // The ear of wheat: a stem and pairs of grains, leaning right.
    QPen stem(wheat, s * 0.035, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(stem);
    const QPointF foot(o.x() + s * 0.58, o.y() + s * 0.88);
    const QPointF tip(o.x() + s * 0.74, o.y() + s * 0.28);
    painter.drawLine(foot, tip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(wheat);
    for (int i = 0; i < 5; ++i) {
        const qreal t = 0.25 + i * 0.16;
        const QPointF at = foot + (tip - foot) * t;
        for (int side : {-1, 1}) {
            painter.save();
            painter.translate(at);
            painter.rotate(15 + side * 35);
            painter.drawEllipse(QRectF(side > 0 ? 0 : -s * 0.10, -s * 0.03, s * 0.10, s * 0.06));
            painter.restore();
        }
    }
}

QImage paintedImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const qreal side = qMin(size.width(), size.height());
    paintMotif(painter, QRectF((size.width() - side) / 2, (size.height() - side) / 2, side, side));
    return image;
}

// The sixteen colours of the classic palette, transparency taking the place of one.
QList<QRgb> sixteenColours()
{
    return {qRgba(0, 0, 0, 0),      qRgb(0x80, 0, 0),    qRgb(0, 0x80, 0),    qRgb(0x80, 0x80, 0),
            qRgb(0, 0, 0x80),       qRgb(0x80, 0, 0x80), qRgb(0, 0x80, 0x80), qRgb(0xC0, 0xC0, 0xC0),
            qRgb(0x80, 0x80, 0x80), qRgb(0xFF, 0, 0),    qRgb(0, 0xFF, 0),    qRgb(0xFF, 0xFF, 0),
            qRgb(0, 0, 0xFF),       qRgb(0xFF, 0, 0xFF), qRgb(0, 0xFF, 0xFF), qRgb(0xFF, 0xFF, 0xFF)};
}

} // namespace

QImage applicationIconImage()
{
    return paintedImage(QSize(594, 590)).convertToFormat(QImage::Format_Indexed8, Qt::ThresholdAlphaDither);
}

QIcon applicationIcon()
{
    // The executable carries the icon drawn at build time; elsewhere (tests, tools) it is drawn now.
    static const QIcon icon = QFile::exists(QStringLiteral(":/icons/karvela.png"))
                                  ? QIcon(QStringLiteral(":/icons/karvela.png"))
                                  : QIcon(QPixmap::fromImage(applicationIconImage()));
    return icon;
}

QImage screenIconImage()
{
    return paintedImage(QSize(32, 32))
        .convertToFormat(QImage::Format_Indexed8, sixteenColours(), Qt::ThresholdAlphaDither);
}

QIcon screenIcon()
{
    static const QIcon icon(QPixmap::fromImage(screenIconImage()));
    return icon;
}

QIcon noIcon()
{
    QPixmap empty(16, 16);
    empty.fill(Qt::transparent);
    return QIcon(empty);
}
