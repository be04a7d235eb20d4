#include "calc/screens/form6.h"

#include "calc/screens/ageconfirmation.h"
#include "common/captions.h"
#include "common/numbers.h"

#include <QPushButton>

namespace {

using Kind = ControlKind;

constexpr quint32 background = 0x00C0C0FF;
constexpr quint32 buttonColour = 0x008080FF;
constexpr quint32 resultGrey = 0x00E0E0E0;
constexpr quint32 black = 0x00000000;
constexpr quint32 blue = 0x00FF0000;
constexpr DesignedFont labelFont = Fonts::sansSerif(12, true);
constexpr DesignedFont titleFont = Fonts::sansSerif(18, true, true);
constexpr DesignedFont priceFont = Fonts::sansSerif(9.75, true);

} // namespace

// The screen from top to bottom, as designed; each box before the label that holds it.
std::span<const TableControl<Form6>> Form6::controlTable()
{
    // One control to a row, as the design lists them.
    // clang-format off
    using Row = TableRows<Form6>;
    static const TableControl<Form6> table[] = {
        {Kind::EdgeLines, {.name = "Line", .pixels = 10}},
        {Kind::MenuReturn, {.name = "Command39", .text = u"Ana Menü", .twips = {6840, 120, 1455, 495}, .tab = 19}},
        {Kind::Label, {.name = "Label3(3)", .text = Caption::prayerScreen, .twips = {240, 240, 8415, 495}, .font = titleFont,
                       .align = Qt::AlignHCenter}},
        {Kind::Bar, {.name = "Label15", .twips = {120, 720, 8055, 45}, .background = black}},
        Row::input(&Form6::Text8, {.name = "Text8", .twips = {2520, 840, 975, 285}, .font = priceFont, .tab = 20,
                                   .align = Qt::AlignHCenter, .accessibleName = u"Bugün 1 kg buğday fiyatı (TL)"}),
        Row::boxLabel(&Form6::Text8, {.name = "Label13", .text = u"Bugün 1 kg buğday                TL dir...",
                                      .twips = {120, 840, 4695, 375}, .font = labelFont}),
        Row::input(&Form6::Text3, {.name = "Text3", .twips = {2520, 1200, 975, 285}, .font = priceFont, .tab = 25,
                                   .align = Qt::AlignHCenter, .accessibleName = u"Bugün 1 gram altın fiyatı (TL)"}),
        Row::boxLabel(&Form6::Text3, {.name = "Label16", .text = u"Bugün 1 gram altın                 TL dir...",
                                      .twips = {120, 1200, 4815, 375}, .font = labelFont}),
        {Kind::Bar, {.name = "Label4", .twips = {120, 1560, 8055, 45}, .background = black}},
        Row::input(&Form6::Text1, {.name = "Text1", .twips = {3720, 1680, 2775, 375}, .tab = 1,
                                   .accessibleName = u"Vefat edenin yaşı"}, &Form6::Text1_Click),
        Row::boxLabel(&Form6::Text1, {.name = "Label1", .text = u"Vefat edenin yaşı.................:",
                                      .twips = {120, 1680, 3855, 375}, .font = labelFont}),
        Row::button(&Form6::Command2, {.name = "Command2", .text = Caption::man, .twips = {6600, 1680, 1575, 375},
                                       .font = priceFont, .background = buttonColour, .tab = 2},
                                      &Form6::Command2_Click),
        Row::result(&Form6::Text2, {.name = "Text2", .twips = {3720, 2160, 2775, 375}, .background = resultGrey,
                                    .accessibleName = u"İskat yapılacak sene miktarı"}),
        Row::boxLabel(&Form6::Text2, {.name = "Label2", .text = u"İskat yapılacak sene miktarı..:",
                                      .twips = {120, 2280, 3735, 375}, .font = labelFont}),
        Row::button(&Form6::Command1, {.name = "Command1", .text = Caption::woman, .twips = {6600, 2160, 1575, 375},
                                       .font = priceFont, .background = buttonColour, .tab = 3},
                                      &Form6::Command1_Click),
        {Kind::Label, {.name = "Label6", .text = u"Bir yıllık namaz iskatı, 3800 kg buğdaydır.",
                       .twips = {720, 2640, 8175, 375}, .font = Fonts::sansSerif(13.5), .foreground = blue}},
        {Kind::Label, {.name = "Label9(0)", .text = u"          GRAM ALTIN HESABI          ", .twips = {0, 3120, 8415, 495},
                       .font = titleFont, .align = Qt::AlignHCenter}},
        Row::result(&Form6::Text10, {.name = "Text10", .twips = {6240, 3720, 1935, 375}, .background = resultGrey,
                                     .accessibleName = u"İskat için verilmesi gereken altın gram miktarı"}),
        Row::boxLabel(&Form6::Text10, {.name = "Label5(1)",
                                       .text = u"İskat için verilmesi gereken altın gram miktarı.......:",
                                       .twips = {120, 3720, 6375, 375}, .font = labelFont}),
        Row::input(&Form6::Text11, {.name = "Text11", .twips = {6240, 4200, 1935, 375}, .tab = 4,
                                    .accessibleName = u"Mevcut altının gram miktarı"}),
        Row::boxLabel(&Form6::Text11, {.name = "Label7(1)",
                                       .text = u"Mevcut altının gram miktarı....................................:",
                                       .twips = {120, 4200, 6015, 375}, .font = labelFont}),
        Row::input(&Form6::Text12, {.name = "Text12", .twips = {6240, 4560, 1935, 375}, .tab = 5,
                                    .accessibleName = u"Fakir sayısı"}),
        Row::boxLabel(&Form6::Text12, {.name = "Label8(1)",
                                       .text = u"Fakir sayısı.............................................................:",
                                       .twips = {120, 4560, 6375, 375}, .font = labelFont}),
        Row::result(&Form6::Text13, {.name = "Text13", .twips = {7320, 5040, 855, 375}, .background = resultGrey,
                                     .align = Qt::AlignRight,
                                     .accessibleName = u"Bir devirde namaz borcu için verilecek altının gram miktarı"}),
        Row::boxLabel(&Form6::Text13, {.name = "Label12",
                                       .text = u"Bir devirde namaz borcu için verilecek altının gram miktarı..:",
                                       .twips = {120, 5040, 7335, 615}, .font = labelFont}),
        Row::button(&Form6::Command13, {.name = "Command13", .text = Caption::countRounds,
                                        .twips = {240, 5520, 7935, 735}, .font = labelFont,
                                        .background = buttonColour, .tab = 6}, &Form6::Command13_Click),
        {Kind::Label, {.name = "Label10(1)", .text = u"Yapılacak devir sayısı", .twips = {360, 6480, 2655, 375},
                       .font = labelFont}},
        Row::result(&Form6::Text14, {.name = "Text14", .twips = {3360, 6360, 4815, 495},
                                     .font = Fonts::sansSerif(13.5, true), .background = resultGrey,
                                     .align = Qt::AlignHCenter, .accessibleName = u"Yapılacak devir sayısı"}),
        {Kind::Symbol, {.name = "Label3(2)", .twips = {240, 2640, 375, 375}, .font = Fonts::sansSerif(20.25, true),
                        .foreground = blue, .accessibleName = u"Not işareti"}, {}, &Symbols::pointer},
        // In the free corner left of the title, and next after "Ana Menü" in the tab order.
        Row::returnStyledButton(&Form6::DevirCizelgesi, {.name = "DevirCizelgesi", .text = u"Devir Çizelgesi",
                                                         .twips = {120, 120, 2175, 495}, .tab = 19}),
    };
    // clang-format on
    return table;
}

Form6::Form6(Navigator &navigator, MessageService &messages, CeremonyBook &ceremony)
    : ExpiationScreen(ScreenId::Form6, navigator, messages, ceremony)
{
    setupWindow(u"NAMAZ İSKATI - GRAM ALTIN HESABI", {8430, 7140}, background, WindowIcon::Screen);
    buildControls<Form6>(*this, controlTable());
    connectRecord({.expiation = Expiation::Prayers,
                   .wheatPrice = Text8,
                   .goldPrice = Text3,
                   .age = Text1,
                   .goldNeeded = Text10,
                   .goldAtHand = Text11,
                   .poorPeople = Text12,
                   .rounds = Text14,
                   .years = Text2,
                   .perRound = Text13});
    controls().placeResultsAfter(Command1, {Text2, Text10});
    controls().placeResultsAfter(Command13, {Text13, Text14});
}

void Form6::Command1_Click()
{
    settle(Sex::Woman);
}

void Form6::Command2_Click()
{
    settle(Sex::Man);
}

void Form6::settle(Sex sex)
{
    // Each step reads its figures back from the boxes as text, not from the double
    // just computed: the figure the user sees is the figure that is worked with.
    settleWith(sex, [&](Calculation &calculation, RecordFigures &figures) {
        // "Kadın" writes Text10 twice: this 432-gram figure is what stays standing when a
        // price cannot be converted below and the recovery is armed.
        if (sex == Sex::Woman)
            calculation.write(Text10, fixedRuleGold(calculation.read(Text2, Figure::Years)));

        // Strictly, by the locale, and from left to right: each figure is converted just
        // before it is used, so that when two things are wrong the report names the first.
        figures.years = calculation.read(Text2, Figure::Years, Parsing::Strict);
        const double wheatKg = prayerWheat(figures.years);
        figures.wheatPrice = calculation.read(Text8, Figure::WheatPrice, Parsing::Strict);
        const double value = wheatValue(wheatKg, figures.wheatPrice);
        figures.goldPrice = calculation.read(Text3, Figure::GoldPrice, Parsing::Strict);
        figures.goldNeeded = goldWorth(value, figures.goldPrice);
        calculation.write(Text10, figures.goldNeeded);
    });
}

void Form6::Command13_Click()
{
    // No recovery: an empty or zero figure is named to the user, never passed over in silence.
    RecordFigures::Rounds rounds;
    const bool written = guard().calculate({Text13, Text14}, [&](Calculation &calculation) {
        rounds.goldAtHand = calculation.read(Text11, Figure::GoldAtHand);
        rounds.poorPeople = calculation.read(Text12, Figure::PoorPeople);
        calculation.write(Text13, goldPerRound(rounds.goldAtHand, rounds.poorPeople));
        const double goldNeeded = calculation.read(Text10, Figure::GoldNeeded);
        rounds.rounds = roundsNeeded(goldNeeded, Val(Text13->text()));
        calculation.write(Text14, rounds.rounds);
    });
    counted(written ? std::optional(rounds) : std::nullopt);
}

void Form6::Text1_Click()
{
    ageReminderPrayer(messages(), *Text8, *Text3);
}
