#pragma once

#include "support/screentest.h"

#include <QStringList>

// A user's session on one screen, written as steps between "|" that name boxes by
// words of their captions and buttons by their captions:
//   "buğday=1,5"  types 1,5 into the wheat price's box (replacing what it held),
//   "Kadın"       clicks that button,
//   "@yaş"        clicks into the age's box with the mouse.
// Message boxes are named by key: question, question!, continue, converter,
// badPrices, notePrayer, noteFasting, recordFirst, recordResettle, recordRecount
// (the record's refusals), and report:<kind> for the error report
// (TypeMismatch, DivisionByZero, Overflow, OutOfRange).
struct Scenario
{
    static void play(Screen *screen, QStringView steps);
    // The keys of the boxes shown so far; "?" for a box that is none of the system's own.
    static QStringList messageKeys(const QList<MessageBoxRequest> &shown);
    // What of "sene=62|Fakir=3"-style expectations the boxes of the screen do not hold;
    // nothing when they hold them all.
    static QString boxesDiffer(QWidget *screen, QStringView expected);
};
