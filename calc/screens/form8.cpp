#include "calc/screens/form8.h"

#include "calc/hijri.h"
#include "common/captions.h"

#include <QLabel>
#include <QPushButton>

namespace {

// The designed window is 4635 twips wide; the row of dates below it needs the room
// for the longest line of Hijri dates.
constexpr int windowWidth = 6750;
constexpr quint32 resultGrey = 0x00E0E0E0;
constexpr quint32 black = 0x00000000;

} // namespace

// The designed screen, then the row of dates below it: the second way in, with the two
// dates a family has at hand.
std::span<const TableControl<Form8>> Form8::controlTable()
{
    using Kind = ControlKind;
    // One control to a row, as the design lists them.
    // clang-format off
    using Row = TableRows<Form8>;
    static const TableControl<Form8> table[] = {
        {Kind::Label, {.name = "Label3", .text = Caption::hijriScreen, .twips = {120, 120, 2895, 255},
                       .font = Fonts::sansSerif(12, true)}},
        {Kind::MenuReturn, {.name = "Command39", .text = u"Ana Menü", .twips = {3240, 120, 1335, 375}, .tab = 5}},
        Row::input(&Form8::Text1, {.name = "Text1", .twips = {2160, 690, 975, 285}, .tab = 1,
                                   .accessibleName = u"Vefat edenin yaşı"}),
        Row::caption(&Form8::Text1, {.name = "Label1", .text = u"VEFAT EDENİN YAŞI", .twips = {120, 720, 1935, 255}}),
        Row::button(&Form8::Command1, {.name = "Command1", .text = u"HESAPLA", .twips = {3360, 720, 975, 855},
                                       .tab = 4}, &Form8::Command1_Click),
        {Kind::Label, {.name = "Label2", .text = u"HİCRİ YAŞI ", .twips = {120, 1200, 1575, 255}}},
        Row::result(&Form8::Text2, {.name = "Text2", .twips = {2040, 1080, 1215, 525},
                                    .font = Fonts::sansSerif(13.5, true), .background = resultGrey,
                                    .foreground = black, .accessibleName = u"Hicri yaşı"}),
        Row::input(&Form8::Text3, {.name = "Text3", .twips = {2160, 1890, 1095, 285}, .tab = 6,
                                   .accessibleName = u"Doğum tarihi"}),
        Row::caption(&Form8::Text3, {.name = "Label4", .text = u"DOĞUM TARİHİ", .twips = {120, 1920, 1935, 255}}),
        Row::input(&Form8::Text4, {.name = "Text4", .twips = {2160, 2250, 1095, 285}, .tab = 7,
                                   .accessibleName = u"Vefat tarihi"}),
        Row::caption(&Form8::Text4, {.name = "Label5", .text = u"VEFAT TARİHİ", .twips = {120, 2280, 1935, 255}}),
        Row::button(&Form8::Command2, {.name = "Command2", .text = u"TARİHTEN HESAPLA",
                                       .twips = {3360, 1890, 2055, 645}, .tab = 8}, &Form8::Command2_Click),
        Row::result(&Form8::Text5, {.name = "Text5", .twips = {120, 2700, windowWidth - 240, 315},
                                    .background = resultGrey, .foreground = black,
                                    .accessibleName = u"Hicri tarihler"}),
    };
    // clang-format on
    return table;
}

Form8::Form8(Navigator &navigator, MessageService &messages) : Screen(ScreenId::Form8, navigator, messages)
{
    setupWindow(u"Hicri Yaş Hesabı", {windowWidth, 3135}, 0x008080FF, WindowIcon::None);
    buildControls(*this, controlTable());
    controls().placeResultsAfter(Command1, {Text2});
    controls().placeResultsAfter(Command2, {Text5});
    for (QLineEdit *date : {Text3, Text4})
        date->setPlaceholderText(QStringLiteral("gg.aa.yyyy"));
    Text5->setToolTip(QStringLiteral("2 Ekim 2016'dan (1 Muharrem 1438) bu yana hicri tarihler, Türkiye takviminin ay "
                                     "başlarını belirleyen ölçüte (İstanbul, 2016) göre Güneş'in ve Ay'ın "
                                     "konumlarından hesaplanır. \"hesap takvimi\" yazan tarihler hesap takvimindendir; "
                                     "ilan edilen takvimden bir gün farklı olabilir."));
}

void Form8::Command1_Click()
{
    guard().calculate({Text2}, [this](Calculation &calculation) {
        calculation.write(Text2, hijriAge(calculation.read(Text1, Figure::Age, Parsing::Strict)));
    });
}

void Form8::Command2_Click()
{
    guard().calculate({Text2, Text5}, [this](Calculation &calculation) {
        // A slip in a date names its box: the birth, then the death.
        calculation.takeInputs({Text3, Text4});
        const AgeFromDates ages = ageFromDates(Text3->text(), Text4->text(), QDate::currentDate());
        calculation.write(Text1, ages.solarAge);
        calculation.write(Text2, ages.hijriAge);
        calculation.writeText(Text5, hijriDatesLine(ages));
    });
}
