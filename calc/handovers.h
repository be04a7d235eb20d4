#pragma once

#include "calc/ceremony.h"

#include <optional>

// The ceremony as the velî carries it out: one hand-over after another, through every
// part whose rounds are planned, in the record's order.
struct Handover
{
    const CeremonyPart *part = nullptr;
    qint64 round = 0;  // within its part, from 1
    qint64 person = 0; // the poor person of the round, from 1
    qint64 peopleInRound = 0;
    qint64 amount = 0; // gold, in units of the part's plan
    // Still owed in its part once it is given, rounded up to 0,01 g; the closing rounds owe nothing.
    std::optional<qint64> owedAfter = std::nullopt;

    qint64 ceremonyRound() const { return part->firstRound + round - 1; }
    bool endsRound() const { return person == peopleInRound; }
    bool endsPart() const { return endsRound() && round == part->plan->totalRounds; }
};

// The hand-over at `index` of the ceremony's totalHandovers: nothing past the last, nor
// while a part in the record has no plan of rounds.
std::optional<Handover> handoverAt(const Ceremony &ceremony, qint64 index);

// Why the ceremony cannot be carried out on screen, in words that say what to do;
// nothing when it can: every part in the record has its rounds planned, and something
// is owed.
std::optional<QString> ceremonyRefusal(const Ceremony &ceremony);
