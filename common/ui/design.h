#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QSize>

class QWidget;

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
// where one exists. On Windows the designed faces themselves are there.
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
// The face of the Unicode arrows that stand in for the design's symbol faces.
inline constexpr DesignedFont symbol(double points, bool bold = false)
{
    return {"Karvela Symbols", points, bold, false};
}
} // namespace Fonts

// A pointing symbol of the design: a character of a Windows symbol face (Wingdings,
// Wingdings 3). Where that face is installed it is drawn with it, as designed;
// elsewhere as the Unicode arrow that looks like it, in an ordinary face.
struct DesignedSymbol
{
    const char *face;
    char16_t designed; // the character code in the symbol face
    char16_t unicode;  // the arrow that stands in for it
};

namespace Symbols {
// The design writes it "ğ": byte 0xF0 of the Turkish code page, the face's code 0xF0.
inline constexpr DesignedSymbol pointer{"Wingdings", 0x00F0, u'⇨'};
inline constexpr DesignedSymbol arrow{"Wingdings 3", u'u', u'▶'};
} // namespace Symbols

QString symbolText(const DesignedSymbol &symbol);
DesignedFont symbolFont(const DesignedSymbol &symbol, double points, bool bold = false);

// Sets one colour of a control's palette from a designed 0x00BBGGRR value.
void setDesignedColour(QWidget *widget, QPalette::ColorRole role, quint32 bgr);
