#include "calc/screens/form8.h"

#include "calc/hijri.h"

#include <QLabel>
#include <QPushButton>

namespace {

// The designed window is 4635 twips wide; the row of dates below it needs the room
// for the longest line of Hijri dates.
constexpr int windowWidth = 5535;

} // namespace

Form8::Form8(Navigator &navigator, MessageService &messages) : Screen(ScreenId::Form8, navigator, messages)
{
    setupWindow(u"Hicri Yaş Hesabı", {windowWidth, 3135}, 0x008080FF, WindowIcon::None);

    controls().addLabel({.name = "Label3", .text = u"HİCRİ YAŞ HESABI", .twips = {120, 120, 2895, 255},
              .font = Fonts::sansSerif(12, true)});
    addReturnButton({3240, 120, 1335, 375}, 5);
    const QLabel *label1 = controls().addLabel({.name = "Label1", .text = u"VEFAT EDENİN YAŞI", .twips = {120, 720, 1935, 255}});
    Text1 = controls().addInput({.name = "Text1", .twips = {2160, 690, 975, 285}, .tab = 1,
                      .accessibleName = u"Vefat edenin yaşı"});
    controls().nameBox(Text1, label1->text()); // the label beside the box
    Command1 = controls().addButton({.name = "Command1", .text = u"HESAPLA", .twips = {3360, 720, 975, 855}, .tab = 4});
    controls().addLabel({.name = "Label2", .text = u"HİCRİ YAŞI ", .twips = {120, 1200, 1575, 255}});
    Text2 = controls().addResult({.name = "Text2", .twips = {2040, 1080, 1215, 525}, .font = Fonts::sansSerif(13.5, true),
                       .background = 0x00E0E0E0, .foreground = 0x00000000, .accessibleName = u"Hicri yaşı"});
    addDateRow();
    controls().applyTabOrder();
    controls().placeResultsAfter(Command1, {Text2});
    controls().placeResultsAfter(Command2, {Text5});

    connect(Command1, &QPushButton::clicked, this, &Form8::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form8::Command2_Click);
}

// The second way in, below the designed controls: the two dates a family has at hand.
void Form8::addDateRow()
{
    const QLabel *label4 = controls().addLabel({.name = "Label4", .text = u"DOĞUM TARİHİ", .twips = {120, 1920, 1935, 255}});
    Text3 = controls().addInput({.name = "Text3", .twips = {2160, 1890, 1095, 285}, .tab = 6, .accessibleName = u"Doğum tarihi"});
    controls().nameBox(Text3, label4->text());
    const QLabel *label5 = controls().addLabel({.name = "Label5", .text = u"VEFAT TARİHİ", .twips = {120, 2280, 1935, 255}});
    Text4 = controls().addInput({.name = "Text4", .twips = {2160, 2250, 1095, 285}, .tab = 7, .accessibleName = u"Vefat tarihi"});
    controls().nameBox(Text4, label5->text());
    for (QLineEdit *date : {Text3, Text4})
        date->setPlaceholderText(QStringLiteral("gg.aa.yyyy"));
    Command2 = controls().addButton({.name = "Command2", .text = u"TARİHTEN HESAPLA", .twips = {3360, 1890, 2055, 645}, .tab = 8});
    Text5 = controls().addResult({.name = "Text5", .twips = {120, 2700, windowWidth - 240, 315}, .background = 0x00E0E0E0,
                       .foreground = 0x00000000, .accessibleName = u"Hicri tarihler"});
    Text5->setToolTip(QStringLiteral("Hicri tarihler takvim hesabıyla bulunur; her ay ilan edilen takvimden bir gün "
                                     "farklı olabilir."));
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
