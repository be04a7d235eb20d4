#pragma once

#include "calc/ceremonyterms.h"
#include "calc/expiation.h"
#include "calc/roundplan.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

enum class Expiation {
    Prayers,
    Fasts
};

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
    QDate pricesDay = {}; // the day "Kadın"/"Erkek" used the prices: today, or a saved case's day

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

// One step of the arithmetic, as one checks it by hand: left ∘ right = result, in
// exact figures: the screens' figures as typed, the results to their last digit.
struct Step
{
    enum class Kind {
        Years,        // age − age of obligation = years
        NoYears,      // an age below obligation: no years (left: the age, right: the age of obligation)
        PrayerWheat,  // years × 3800 kg = kg of wheat
        WheatValue,   // kg × lira for a kg = lira
        FastingValue, // years × lira for a kg × 52,5 kg = lira
        GoldWorth,    // lira ÷ lira for a gram = grams of gold, as the screen shows them
        GoldPerRound, // grams at hand × poor people = grams in a round
        FitraValue,   // 1,75 kg × lira for a kg = lira
    };
    Kind kind;
    Decimal left = {};
    Decimal right = {};
    Decimal result = {}; // a quotient: to 15 significant digits, rounded half up
};

// A line of a part's checklist: one round, or the full rounds in its middle that the
// checklist does not list one by one. Numbers run through the whole ceremony.
struct RoundLine
{
    qint64 first = 0;
    qint64 last = 0;
    RoundPlan::Pass pass; // the round; for rounds not listed, the first of them
    bool listed = true;
};

// One part of the ceremony, in the order it is carried out.
struct CeremonyPart
{
    using Kind = PartKind;
    Kind kind = Kind::Prayers;
    // Prayers and fasts: where their screen stands; a part whose screen is not
    // calculated holds nothing but the reason.
    Standing standing = Standing::Calculated;
    RecordFigures figures = {};
    QList<Step> steps = {};
    std::optional<Decimal> years = std::nullopt;  // the years settled, exactly as the typed age gives them
    std::optional<qint64> gold = std::nullopt;    // grams to give, in hundredths, rounded up
    std::optional<Decimal> value = std::nullopt;  // their worth in lira, exactly
    bool roundsCounted = false;                   // the closing rounds: false when no screen counted rounds
    std::optional<RoundPlan> plan = std::nullopt; // none: not counted, or too large to count
    qint64 firstRound = 0;                        // the number of its first round in the whole ceremony
    qint64 firstHandover = 0;                     // how many hand-overs of the ceremony come before its first
    QList<RoundLine> checklist = {};
    QString words = {}; // what the velî says at each of its hand-overs

    bool inRecord() const { return standing == Standing::Calculated; }
    // One of the two rounds that close the ceremony, not an expiation of its own.
    bool closesCeremony() const { return kind == Kind::ZakatSacrificeFitr || kind == Kind::Rights; }
};

// The fıtras of a kefaret, each to a poor person of its own.
inline constexpr qint64 fitraKefaretForOaths = 10;
inline constexpr qint64 fitraKefaretForFasts = 60;

// The value of one fıtra on the day, what each poor person receives of it (rounded up
// to the kuruş, so that nobody receives less than a fıtra), and the two kefarets made
// of that, in hundredths of a lira.
struct Fitra
{
    std::optional<Step> value = std::nullopt; // none: the price gives no value
    std::optional<qint64> perPoor = std::nullopt;
    std::optional<qint64> oathKefaret = std::nullopt; // 10 fıtras
    std::optional<qint64> fastKefaret = std::nullopt; // 60 fıtras
    bool fromPrayerScreen = true;
};

// The whole ceremony as far as it is calculated: what the record is written from.
struct Ceremony
{
    CeremonyNames names = {};
    QList<CeremonyPart> parts = {}; // prayers, fasts, the two closing rounds
    // Every calculated part owes nothing: the deceased died before the age of obligation.
    bool nothingOwed = false;
    std::optional<Fitra> fitra = std::nullopt;
    // The two screens were given a different gold at hand or number of poor.
    bool differentRounds = false;
    // The two screens were given a different age or sex: what differs and what to
    // correct. The record is then not to be printed or saved.
    std::optional<QString> twoDeceased = std::nullopt;
    // Rounds and hand-overs of every part; known when each part in the record has them.
    std::optional<qint64> totalRounds = std::nullopt;
    std::optional<qint64> totalHandovers = std::nullopt;
    // The prayers' and the fasts' gold, added as the record writes them, and their worth.
    std::optional<qint64> totalGold = std::nullopt;
    std::optional<Decimal> totalValue = std::nullopt;
    // How far the ceremony has been carried out on screen, where it follows this plan:
    // the hand-overs done, in order, when the first was ticked and, once all are, the last.
    qint64 handoversDone = 0;
    QDateTime began = {};
    QDateTime ended = {};
};

// Rounds past the cap are ticked off in a grid of numbered boxes, one a round, of at
// most this many boxes.
inline constexpr qint64 maxGridBoxes = 2000;
// The checklist lists no more than this many hand-overs in the whole ceremony, besides
// the first and the last round of each part; a round of many poor counts as one line.
inline constexpr qint64 maxListedHandovers = 1000;
// A round among more poor people than this is one line of the checklist.
inline constexpr qint64 maxHandoversInALine = 50;

// The ceremony from the two screens' standings and the names. The figures of each
// step come from the arithmetic the screens use; a step that would not give a finite
// number leaves its part without the steps that follow.
Ceremony planCeremony(const ScreenState &prayers, const ScreenState &fasts, const CeremonyNames &names = {});

// Both screens calculated for one deceased, or the words that tell the two apart and
// say what to correct; the record is then not to be printed or saved.
std::optional<QString> twoDeceased(const ScreenState &prayers, const ScreenState &fasts);

// The name of an expiation's screen, in quotes, as its button in the main menu shows it:
// "\"NAMAZ İSKATI\"".
QString quotedScreenName(Expiation expiation);

// What stands between a screen and the record, in the words both the record and its
// refusal use: what changed since its last calculation ("fiyatlar ya da yaş son
// hesaptan sonra değiştirildi") and what to press ("\"Kadın\" veya \"Erkek\" düğmesine
// yeniden basınız."). For a screen not calculated, what to type and press.
struct StandingAdvice
{
    QString change;
    QString press;
};
StandingAdvice adviceFor(Standing standing);

// Why the record of the ceremony cannot be opened, printed or saved from `opener`
// now, in words that name what to press; nothing when it can.
std::optional<QString> recordRefusal(const ScreenState &opener, const ScreenState &other);
