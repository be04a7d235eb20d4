#pragma once

#include "common/decimal.h"

#include <QtGlobal>

#include <optional>

// How the gold at hand is passed round the poor until the gold owed is given: full
// rounds, in which each poor person receives the whole gold at hand once, then a
// shorter last round for what is still owed. Amounts are exact decimal figures, kept
// as whole units of 10^-decimals gram. The gold owed, the last round and what is
// still owed after a round are amounts one can weigh: rounded up to 0,01 g, so that
// what is handed over is never below what is owed. The gold at hand goes round as
// it was typed.
struct RoundPlan
{
    // One round: whole gold at hand to each of the first poor people, then what is
    // left of the round to the next one.
    struct Pass
    {
        qint64 number = 0;         // within its part, from 1
        qint64 wholeHandovers = 0; // poor people who each receive the whole gold at hand
        qint64 restHandover = 0;   // what the next poor person receives; 0: nobody
        qint64 owedAfter = 0;      // still owed once this round is done, rounded up to 0,01 g

        qint64 handovers() const { return wholeHandovers + (restHandover > 0 ? 1 : 0); }
    };

    int decimals = 2;      // the units are 10^-decimals gram; never fewer than 2
    qint64 goldNeeded = 0; // the gold owed, rounded up to 0,01 g
    qint64 goldAtHand = 0;
    qint64 poorPeople = 0;
    qint64 perRound = 0; // gold at hand × poor people
    qint64 fullRounds = 0;
    qint64 lastRound = 0; // the gold of the shorter last round, rounded up; 0: there is none
    qint64 totalRounds = 0;

    RoundPlan::Pass pass(qint64 number) const;
    // One for each poor person in a full round, as many as the gold at hand needs in the last.
    qint64 handovers() const;
    // Still owed once the `person`-th hand-over of round `number` is done, rounded up to 0,01 g.
    qint64 owedAfter(qint64 number, qint64 person) const;
};

// The plan for giving `goldOwed` grams with `goldAtHand` grams passed round
// `poorPeople` people. Nothing when a figure is not a finite number of the right kind
// (gold at hand and poor people above 0, poor people whole) or is too large to count
// in exact units.
std::optional<RoundPlan> planRounds(const Decimal &goldOwed, double goldAtHand, double poorPeople);
// One full round and no more: the gold at hand once to each poor person.
std::optional<RoundPlan> oneRound(double goldAtHand, double poorPeople);

// A figure as the screens show it (15 significant digits), in hundredths: rounded up
// for gold one weighs. Nothing for a figure that is not a finite number at least 0,
// or too large to count in hundredths.
std::optional<qint64> hundredths(double value, Rounding rounding);

// A count of units as a number: 18900 hundredths as 189.
double unitsToNumber(qint64 units, int decimals);
