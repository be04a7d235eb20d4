#include "common/ui/design.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

constexpr double twipsPerInch = 1440.0;

double logicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

bool hasFace(const char *face)
{
    return QFontDatabase::families().contains(QString::fromLatin1(face));
}

} // namespace

int twipsToPixels(int twips)
{
    return qRound(twips * logicalDpi() / twipsPerInch);
}

QRect twipsToPixels(const QRect &twips)
{
    // Edges, not sizes, are converted, so that controls that touch in the design still touch.
    const int left = twipsToPixels(twips.x());
    const int top = twipsToPixels(twips.y());
    const int right = twipsToPixels(twips.x() + twips.width());
    const int bottom = twipsToPixels(twips.y() + twips.height());
    return QRect(left, top, right - left, bottom - top);
}

QSize twipsToPixels(const QSize &twips)
{
    return QSize(twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}

QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QFont makeFont(const DesignedFont &design)
{
    QFont font(QString::fromLatin1(design.family));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setUnderline(design.underline);
    return font;
}

QString symbolText(const DesignedSymbol &symbol)
{
    return QString(QChar(hasFace(symbol.face) ? symbol.designed : symbol.unicode));
}

DesignedFont symbolFont(const DesignedSymbol &symbol, double points, bool bold)
{
    return hasFace(symbol.face) ? DesignedFont{symbol.face, points, bold, false} : Fonts::symbol(points, bold);
}

void installFontSubstitutes()
{
#ifdef Q_OS_WIN
    // MS Sans Serif and Arial are Windows' own; a system without them (Wine) gets a sans
    // face, not the serif one Windows would fall back to.
    const QStringList sansOnWindows = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                       QStringLiteral("Tahoma"), QStringLiteral("Segoe UI")};
    for (const char *designed : {"MS Sans Serif", "Arial"}) {
        if (!hasFace(designed))
            QFont::insertSubstitutions(QString::fromLatin1(designed), sansOnWindows);
    }
    QFont::insertSubstitutions(QStringLiteral("Karvela Symbols"),
                               {QStringLiteral("Segoe UI Symbol"), QStringLiteral("Arial Unicode MS")});
#else
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                              QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("Karvela Symbols"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Symbols2")});
#endif
}

void setDesignedColour(QWidget *widget, QPalette::ColorRole role, quint32 bgr)
{
    QPalette palette = widget->palette();
    palette.setColor(role, fromBgr(bgr));
    widget->setPalette(palette);
}
