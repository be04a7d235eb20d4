#pragma once

#include "support/screentest.h"

#include <QStringList>

// A user's session on one screen, written as a list of steps:
//   "Text8=1,5"  types 1,5 into Text8 (replacing what it held),
//   "Command1"   clicks that button,
//   "@Text1"     clicks into that box with the mouse.
// Message boxes are named by key: question, question!, continue, converter,
// badPrices, notePrayer, noteFasting, recordFirst, recordResettle, recordRecount
// (the record's refusals), and report:<kind> for the error report
// (TypeMismatch, DivisionByZero, Overflow, OutOfRange).
struct Scenario
{
    static void play(Screen *screen, const QStringList &steps);
    // The keys of the boxes shown so far; "?" for a box that is none of the system's own.
    static QStringList messageKeys(const QList<MessageBoxRequest> &shown);
    // Checks "Text2=62"-style expectations against the boxes of the screen.
    static bool boxesMatch(Screen *screen, const QStringList &expected, QString *mismatch);
};
