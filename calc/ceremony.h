#pragma once

#include "calc/expiation.h"
#include "calc/roundplan.h"

#include <QList>
#include <QString>

#include <optional>

enum class Expiation { Prayers, Fasts };

// The figures of a screen's last calculations, as its handlers computed and showed them.
struct RecordFigures
{
    double wheatPrice = 0; // lira for a kg
    double goldPrice = 0;  // lira for a gram
    double hijriAge = 0;
    Sex sex = Sex::Woman;
    double years = 0;
    double goldNeeded = 0; // grams

    struct Rounds
    {
        double goldAtHand = 0;
        double poorPeople = 0;
        double rounds = 0; // the count the screen shows

        bool operator==(const Rounds &) const = default;
    };
    std::optional<Rounds> rounds = std::nullopt; // none: the rounds were not calculated

    bool operator==(const RecordFigures &) const = default;
};

// Where an expiation screen stands against its last calculation.
enum class Standing {
    Calculated,    // its figures are those its boxes show
    NotCalculated, // no gold figure was calculated yet, or the last calculation failed
    Changed,       // a price or the age changed since "Kadın"/"Erkek"
    RoundsChanged, // the gold at hand, the poor or the gold needed changed since "H E S A P L A"
};

struct ScreenState
{
    Standing standing = Standing::NotCalculated;
    RecordFigures figures; // meaningful when calculated

    bool operator==(const ScreenState &) const = default;
};

// One step of the arithmetic, as one checks it by hand: left ∘ right = result.
struct Step
{
    enum class Kind {
        Years,                // age − age of obligation = years
        NoYears,              // an age below obligation: no years (left: the age, right: the age of obligation)
        PrayerWheat,          // years × 3800 kg = kg of wheat
        WheatValue,           // kg × lira = lira
        FastingYearsAtPrice,  // years × lira for a kg
        FastingValue,         // that × 52,5 kg = lira
        GoldWorth,            // lira ÷ lira for a gram = grams of gold
        GoldPerRound,         // grams at hand × poor people = grams in a round
        Rounds,               // grams needed ÷ grams in a round = the count shown
        FitraValue,           // 1,75 kg × lira for a kg = lira
        FitraGold,            // lira ÷ lira for a gram = grams of gold
    };
    Kind kind;
    double left = 0;
    double right = 0;
    double result = 0;
};

// One part of the ceremony, in the order it is carried out.
struct CeremonyPart
{
    enum class Kind { Prayers, Fasts, ZakatSacrificeFitr, Rights };
    Kind kind = Kind::Prayers;
    // Prayers and fasts: where their screen stands; a part whose screen is not
    // calculated holds nothing but the reason.
    Standing standing = Standing::Calculated;
    RecordFigures figures = {};
    QList<Step> steps = {};
    double goldNeeded = 0;          // grams this part gives
    bool roundsCounted = false;     // the closing rounds: false when no screen counted rounds
    std::optional<RoundPlan> plan = std::nullopt; // none: not counted, or too large to count
    qint64 firstRound = 0;          // the number of its first round in the whole ceremony

    bool inRecord() const { return standing == Standing::Calculated; }
    // One of the two rounds that close the ceremony, not an expiation of its own.
    bool closesCeremony() const { return kind == Kind::ZakatSacrificeFitr || kind == Kind::Rights; }
};

// The value of one fıtra on the day, for the kefarets.
struct Fitra
{
    QList<Step> steps = {}; // its lira, then its gold
    bool fromPrayerScreen = true;
};

// The whole ceremony as far as it is calculated: what the record is written from.
struct Ceremony
{
    QList<CeremonyPart> parts = {}; // prayers, fasts, the two closing rounds
    std::optional<Fitra> fitra = std::nullopt;
    // The two screens were given a different gold at hand or number of poor.
    bool differentRounds = false;
    // Rounds and hand-overs of every part; known when each part in the record has them.
    std::optional<qint64> totalRounds = std::nullopt;
    std::optional<qint64> totalHandovers = std::nullopt;
};

// The ceremony from the two screens' standings. The figures of each step come from the
// arithmetic the screens use; a step that would not give a finite number leaves its
// part without the steps that follow.
Ceremony planCeremony(const ScreenState &prayers, const ScreenState &fasts);

// Why the record of the ceremony cannot be opened, printed or saved from `opener`
// now, in words that name what to press; nothing when it can.
std::optional<QString> recordRefusal(const ScreenState &opener, const ScreenState &other);
