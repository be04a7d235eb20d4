#include "app/form5.h"

#include <QLabel>
#include <QPushButton>

Form5::Form5(Navigator &navigator, MessageService &messages) : Screen(ScreenId::Form5, navigator, messages)
{
    setupWindow(u"KARVELA HESAPLAMA PROGRAMI", {7230, 5580}, 0x00F4B735, WindowIcon::Application,
                WindowButtons::MinimiseAndClose);

    const DesignedFont large = Fonts::sansSerif(12, true);
    const DesignedFont medium = Fonts::sansSerif(9.75, true);
    Command4 = addButton({.name = "Command4", .text = u"X", .twips = {6840, 0, 375, 375}, .font = large,
                          .background = 0x000000FF, .tab = 6, .accessibleName = u"Programı kapat"});
    Label1 = addLabel({.name = "Label1", .text = u"KARVELA PROGRAMI", .twips = {0, 240, 7215, 615},
                       .font = Fonts::sansSerif(18, true), .tab = 5, .align = Qt::AlignHCenter});
    Commandl = addButton({.name = "Commandl", .text = u"HİCRİ YAŞ HESABI", .twips = {480, 960, 2535, 855},
                          .font = medium, .background = 0x0080FFFF, .tab = 7});
    Command2 = addButton({.name = "Command2", .text = u"NAMAZ İSKATI", .twips = {4200, 960, 2535, 855},
                          .font = medium, .background = 0x0080C0FF, .tab = 0});
    Command3 = addButton({.name = "Command3", .text = u"ORUÇ İSKATI", .twips = {2280, 2040, 2535, 855},
                          .font = medium, .background = 0x008080FF, .tab = 1});
    Command90 = addButton({.name = "Command90", .text = u"Karvela Nasıl Yapılır?", .twips = {480, 3240, 6255, 615},
                           .font = large, .background = 0x00FFE7AC, .tab = 2});
    Command7 = addButton({.name = "Command7", .text = u"Zekât, Kurban ve Sadaka-ı Fıtr İskatı",
                          .twips = {480, 3960, 6255, 615}, .font = large, .background = 0x00FF8080, .tab = 3});
    Command8 = addButton({.name = "Command8", .text = u"Kul ve Hayvan Hakları İskatı", .twips = {480, 4680, 6255, 615},
                          .font = large, .background = 0x00FFC0FF, .tab = 4});
    applyTabOrder();

    connect(Command4, &QPushButton::clicked, this, &Form5::Command4_Click);
    connect(Commandl, &QPushButton::clicked, this, [this] { Commandl_Click(1); });
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form5::Command3_Click);
    connect(Command90, &QPushButton::clicked, this, &Form5::Command90_Click);
    connect(Command7, &QPushButton::clicked, this, &Form5::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form5::Command8_Click);
}

void Form5::Command4_Click()
{
    navigator().endApplication();
}

void Form5::Commandl_Click(int /*index*/)
{
    open(ScreenId::Form8);
}

void Form5::Command2_Click()
{
    open(ScreenId::Form6);
}

void Form5::Command3_Click()
{
    open(ScreenId::Form7);
}

void Form5::Command90_Click()
{
    open(ScreenId::Form1);
}

void Form5::Command7_Click()
{
    open(ScreenId::Form3);
}

void Form5::Command8_Click()
{
    open(ScreenId::Form4);
}

void Form5::frameCloseRequested()
{
    navigator().endApplication();
}

void Form5::open(ScreenId id)
{
    navigator().showScreen(id);
    navigator().hideScreen(ScreenId::Form5);
}
