#pragma once

#include <QList>

#include <optional>

// How the gold at hand is passed round the poor until the gold needed is given: full
// rounds, in which each poor person receives the whole gold at hand once, then a
// shorter last round for what is still owed. Amounts are exact decimal figures, kept
// as whole units of 10^-decimals gram, so that they add up exactly to the gold needed.
struct RoundPlan
{
    struct Pass
    {
        qint64 number = 0;          // from 1
        QList<qint64> handovers;    // what each poor person receives, in turn
        qint64 owedAfter = 0;       // the gold still owed once this round is done
    };

    int decimals = 0;             // the units are 10^-decimals gram
    qint64 goldNeeded = 0;
    qint64 goldAtHand = 0;
    qint64 poorPeople = 0;
    qint64 perRound = 0;          // gold at hand × poor people
    qint64 fullRounds = 0;
    qint64 lastRound = 0;         // the gold of the shorter last round; 0: there is none
    qint64 totalRounds = 0;
    QList<Pass> listed;           // the first rounds, within the hand-overs the list may hold

    // Rounds beyond the listed ones, and how many of them are full.
    qint64 unlistedRounds() const { return totalRounds - qint64(listed.size()); }
    qint64 unlistedFullRounds() const;
    // Hand-overs in the listed rounds, and in all of them: one for each poor person in
    // a full round, as many as the gold at hand needs in the last.
    qint64 listedHandovers() const;
    qint64 handovers() const;
};

// The checklist stops listing rounds once they would hold more hand-overs than this.
inline constexpr qint64 maxListedHandovers = 1000;

// The plan for giving `goldNeeded` grams with `goldAtHand` grams passed round
// `poorPeople` people, listing its first rounds while they hold no more than
// `listable` hand-overs. Nothing when a figure is not a finite number of the right
// kind (gold at hand and poor people above 0, poor people whole) or is too large to
// count in exact units.
std::optional<RoundPlan> planRounds(double goldNeeded, double goldAtHand, double poorPeople,
                                    qint64 listable = maxListedHandovers);

// A count of units as grams, for reading: "189", "8,00625".
double unitsToGrams(qint64 units, int decimals);
