#include "calc/names.h"

#include <QTextBoundaryFinder>

bool fitInName(QChar c)
{
    const char16_t code = c.unicode();
    const bool turnsDirection = (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
    return c.category() != QChar::Other_Control && !turnsDirection;
}

QString withoutUnfitCharacters(const QString &name)
{
    QString fit = name;
    fit.removeIf([](QChar c) { return !fitInName(c); });
    return fit;
}

qsizetype nameLength(const QString &name)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, name);
    qsizetype count = 0;
    while (finder.toNextBoundary() >= 0)
        ++count;
    return count;
}
