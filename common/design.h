#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>

// The screens are designed in twips (1440 to the logical inch) and in colours
// written 0x00BBGGRR. These are the one place where that becomes pixels and QColor.

// Pixels for a length in twips at the logical DPI of the primary screen
// (15 twips to the pixel at 96 DPI).
int twipsToPixels(int twips);
QRect twipsToPixels(const QRect &twips);
QSize twipsToPixels(const QSize &twips);

QColor fromBgr(quint32 bgr);

// A font as the design names it; the family is mapped to an installed face by
// installFontSubstitutes().
struct DesignedFont
{
    const char *family = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool underline = false;
};

QFont makeFont(const DesignedFont &design);

// Maps the designed Windows faces onto faces a Linux desktop has, metric-compatible
// where one exists.
void installFontSubstitutes();

// The designed faces, by name.
namespace Fonts {
inline constexpr DesignedFont sansSerif(double points, bool bold = false, bool underline = false)
{
    return {"MS Sans Serif", points, bold, underline};
}
inline constexpr DesignedFont arial(double points, bool bold = false)
{
    return {"Arial", points, bold, false};
}
// The pointing symbols of the design (Wingdings); they are drawn as Unicode arrows.
inline constexpr DesignedFont symbol(double points, bool bold = false)
{
    return {"Karvela Symbols", points, bold, false};
}
} // namespace Fonts
