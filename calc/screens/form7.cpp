#include "calc/screens/form7.h"

#include "calc/screens/ageconfirmation.h"
#include "common/captions.h"
#include "common/numbers.h"

#include <QLabel>
#include <QPushButton>

namespace {

using Kind = ControlKind;

constexpr quint32 background = 0x00C0FFC0;
constexpr quint32 buttonColour = 0x00FFFFC0;
constexpr quint32 resultGrey = 0x00C0C0C0;
constexpr quint32 greyText = 0x00808080;
constexpr quint32 red = 0x000000FF;
constexpr DesignedFont labelFont = Fonts::sansSerif(12, true);
constexpr DesignedFont boxFont = Fonts::sansSerif(9.75, true);

} // namespace

// The screen from top to bottom, as designed; each box before the label that holds it.
std::span<const TableControl<Form7>> Form7::controlTable()
{
    // One control to a row, as the design lists them.
    // clang-format off
    using Row = TableRows<Form7>;
    static const TableControl<Form7> table[] = {
        {Kind::MenuReturn, {.name = "Command39", .text = u"Ana Menü", .twips = {6600, 0, 1455, 495}, .tab = 18}},
        {Kind::Label, {.name = "Label3(5)", .text = u"          ORUÇ İSKATI          ", .twips = {0, 0, 8055, 495},
                       .font = Fonts::sansSerif(18, true, true), .align = Qt::AlignHCenter}},
        Row::input(&Form7::Text4, {.name = "Text4", .twips = {2520, 600, 975, 285}, .font = boxFont, .tab = 0,
                                   .align = Qt::AlignHCenter, .accessibleName = u"Bugün 1 kg buğday fiyatı (TL)"}),
        Row::boxLabel(&Form7::Text4, {.name = "Label4", .text = u"Bugün 1 kg buğday                TL dir...",
                                      .twips = {120, 600, 4695, 375}, .font = labelFont}),
        Row::input(&Form7::Text3, {.name = "Text3", .twips = {2520, 960, 975, 285}, .font = boxFont, .tab = 1,
                                   .align = Qt::AlignHCenter, .accessibleName = u"Bugün 1 gram altın fiyatı (TL)"}),
        Row::boxLabel(&Form7::Text3, {.name = "Label16", .text = u"Bugün 1 gram altın                 TL dir...",
                                      .twips = {120, 960, 4815, 375}, .font = labelFont}),
        Row::input(&Form7::Text1, {.name = "Text1", .twips = {3600, 1680, 2775, 375}, .font = Fonts::sansSerif(8.25),
                                   .tab = 8, .accessibleName = u"Vefat edenin yaşı"}, &Form7::Text1_Click),
        Row::boxLabel(&Form7::Text1, {.name = "Label1", .text = u"Vefat edenin yaşı.................:",
                                      .twips = {0, 1680, 3855, 375}, .font = labelFont}),
        Row::button(&Form7::Command2, {.name = "Command2", .text = Caption::man, .twips = {6480, 1680, 1575, 375},
                                       .font = boxFont, .background = buttonColour, .tab = 3}, &Form7::Command2_Click),
        Row::result(&Form7::Text2, {.name = "Text2", .twips = {3600, 2160, 2775, 375}, .background = resultGrey,
                                    .accessibleName = u"İskat yapılacak sene miktarı"}),
        Row::boxLabel(&Form7::Text2, {.name = "Label2", .text = u"İskat yapılacak sene miktarı..:",
                                      .twips = {0, 2160, 3735, 375}, .font = labelFont}),
        Row::button(&Form7::Command1, {.name = "Command1", .text = Caption::woman, .twips = {6480, 2160, 1575, 375},
                                       .font = boxFont, .background = buttonColour, .tab = 4}, &Form7::Command1_Click),
        {Kind::Label, {.name = "Label6(1)", .text = u"Bir yıllık Ramazan orucu iskâtı yaklaşık 52,5 kg buğdaydır.",
                       .twips = {480, 2640, 7455, 375}, .font = Fonts::arial(11.25, true), .foreground = red}},
        Row::result(&Form7::Text5, {.name = "Text5", .twips = {3720, 3120, 2295, 330}, .background = resultGrey,
                                    .foreground = greyText, .accessibleName = u"Gereken altın miktarı"}),
        Row::boxLabel(&Form7::Text5, {.name = "Label5", .text = u"Gereken Altın Miktarı..........:",
                                      .twips = {120, 3120, 3495, 255}, .font = labelFont}),
        Row::input(&Form7::Text6, {.name = "Text6", .twips = {3720, 3600, 2295, 360}, .tab = 5,
                                   .accessibleName = u"Mevcut altın miktarı (gram)"}),
        Row::caption(&Form7::Text6, {.name = "Label7", .text = u"Mevcut Altın Miktarı ( Gram )",
                                     .twips = {120, 3600, 3495, 255}, .font = labelFont}),
        Row::input(&Form7::Text8, {.name = "Text8", .twips = {3720, 4080, 2295, 375}, .tab = 6,
                                   .accessibleName = u"Fakir sayısı"}),
        Row::boxLabel(&Form7::Text8, {.name = "Label14", .text = u"Fakir sayısı..........................:",
                                      .twips = {120, 4200, 4215, 255}, .font = labelFont}),
        Row::button(&Form7::Command6, {.name = "Command6", .text = Caption::countRounds,
                                       .twips = {0, 4680, 8055, 615}, .font = labelFont, .background = buttonColour,
                                       .tab = 7}, &Form7::Command6_Click),
        {Kind::Label, {.name = "Label13", .text = u"Oruç iskatı için yapılması gereken devir sayısı",
                       .twips = {0, 5520, 5895, 495}, .font = labelFont}},
        Row::result(&Form7::Text9, {.name = "Text9", .twips = {6000, 5400, 1815, 495}, .background = resultGrey,
                                    .accessibleName = u"Oruç iskatı için yapılması gereken devir sayısı"}),
        {Kind::Line, {.name = "Line1", .twips = {120, 1440, 7800, 0}, .pixels = 3}},
        {Kind::Symbol, {.name = "Label3(2)", .twips = {0, 2520, 375, 375}, .font = Fonts::sansSerif(20.25, true),
                        .foreground = red, .accessibleName = u"Not işareti"}, {}, &Symbols::pointer},
        {Kind::Symbol, {.name = "Label9(5)", .twips = {5640, 5520, 255, 255}, .font = Fonts::sansSerif(9.75),
                        .accessibleName = u"Sonuç işareti"}, {}, &Symbols::arrow},
        // Right of the prices, where the design leaves room (the title's underline runs
        // through its blanks to the left edge), and next after "Ana Menü" in the tab order.
        Row::returnStyledButton(&Form7::DevirCizelgesi, {.name = "DevirCizelgesi", .text = u"Devir Çizelgesi",
                                                         .twips = {5655, 600, 2175, 495}, .tab = 18}),
    };
    // clang-format on
    return table;
}

Form7::Form7(Navigator &navigator, MessageService &messages, CeremonyBook &ceremony)
    : ExpiationScreen(ScreenId::Form7, navigator, messages, ceremony)
{
    setupWindow(Caption::fastingScreen, {8040, 6060}, background, WindowIcon::Screen);
    buildControls<Form7>(*this, controlTable());
    connectRecord({.expiation = Expiation::Fasts,
                   .wheatPrice = Text4,
                   .goldPrice = Text3,
                   .age = Text1,
                   .goldNeeded = Text5,
                   .goldAtHand = Text6,
                   .poorPeople = Text8,
                   .rounds = Text9,
                   .years = Text2});
    controls().placeResultsAfter(Command1, {Text2, Text5});
    controls().placeResultsAfter(Command6, {Text9});
}

void Form7::Command1_Click()
{
    settle(Sex::Woman);
}

void Form7::Command2_Click()
{
    settle(Sex::Man);
}

void Form7::settle(Sex sex)
{
    settleWith(sex, [&](Calculation &calculation, RecordFigures &figures) {
        // The years are read back from their box, as written; every figure leniently,
        // so that "12 TL" is a price of 12.
        figures.years = Val(Text2->text());
        figures.wheatPrice = calculation.read(Text4, Figure::WheatPrice);
        figures.goldPrice = calculation.read(Text3, Figure::GoldPrice);
        figures.goldNeeded = fastingGold(figures.years, figures.wheatPrice, figures.goldPrice);
        calculation.write(Text5, figures.goldNeeded);
    });
}

void Form7::Command6_Click()
{
    // No recovery: an empty or zero figure is named to the user, never passed over in silence.
    RecordFigures::Rounds rounds;
    const bool written = guard().calculate({Text9}, [&](Calculation &calculation) {
        rounds.poorPeople = calculation.read(Text8, Figure::PoorPeople);
        rounds.goldAtHand = calculation.read(Text6, Figure::GoldAtHand);
        const double goldNeeded = calculation.read(Text5, Figure::GoldNeeded);
        rounds.rounds = roundsNeeded(goldNeeded, goldPerRound(rounds.goldAtHand, rounds.poorPeople));
        calculation.write(Text9, rounds.rounds);
    });
    counted(written ? std::optional(rounds) : std::nullopt);
}

void Form7::Text1_Click()
{
    ageReminderFasting(messages());
}
