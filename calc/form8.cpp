#include "calc/form8.h"

#include "calc/hijri.h"

#include <QLabel>
#include <QPushButton>

Form8::Form8(Navigator &navigator, MessageService &messages) : Screen(ScreenId::Form8, navigator, messages)
{
    setupWindow(u"Hicri Yaş Hesabı", {4635, 1785}, 0x008080FF, WindowIcon::None);

    addLabel({.name = "Label3", .text = u"HİCRİ YAŞ HESABI", .twips = {120, 120, 2895, 255},
              .font = Fonts::sansSerif(12, true)});
    addReturnButton({3240, 120, 1335, 375}, 5);
    const QLabel *label1 = addLabel({.name = "Label1", .text = u"VEFAT EDENİN YAŞI", .twips = {120, 720, 1935, 255}});
    Text1 = addInput({.name = "Text1", .twips = {2160, 690, 975, 285}, .tab = 1,
                      .accessibleName = u"Vefat edenin yaşı"});
    nameBox(Text1, label1->text()); // the label beside the box
    Command1 = addButton({.name = "Command1", .text = u"HESAPLA", .twips = {3360, 720, 975, 855}, .tab = 4});
    addLabel({.name = "Label2", .text = u"HİCRİ YAŞI ", .twips = {120, 1200, 1575, 255}});
    Text2 = addResult({.name = "Text2", .twips = {2040, 1080, 1215, 525}, .font = Fonts::sansSerif(13.5, true),
                       .background = 0x00E0E0E0, .foreground = 0x00000000, .accessibleName = u"Hicri yaşı"});
    applyTabOrder();
    placeResultsAfter(Command1, {Text2});

    connect(Command1, &QPushButton::clicked, this, &Form8::Command1_Click);
}

void Form8::Command1_Click()
{
    calculate({Text2}, [this](Calculation &calculation) {
        calculation.write(Text2, hijriAge(calculation.read(Text1, Figure::Age, Parsing::Strict)));
    });
}
