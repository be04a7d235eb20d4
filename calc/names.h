#pragma once

#include <QString>

// What a name typed on the record may hold: what a person can read aloud and the record
// can print. No control characters (a tab, a line break, an escape) and none of the
// marks that turn the direction of the text round (U+202A–U+202E, U+2066–U+2069),
// which would make "Ayşe" read backwards in the record and in a proposed file name.
bool fitInName(QChar c);

// The name with every character that a name may not hold taken out.
QString withoutUnfitCharacters(const QString &name);

// The characters of a name as a person counts them: a letter with its accents, or an
// emoji with its joins, is one.
qsizetype nameLength(const QString &name);
