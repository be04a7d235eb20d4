#include "app/form5.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr DesignedFont large = Fonts::sansSerif(12, true);
constexpr DesignedFont medium = Fonts::sansSerif(9.75, true);

// The buttons that open a screen, and the screen each opens. ("Commandl" is a control
// array of one element; its index says nothing and is not passed on.)
struct MenuEntry
{
    DesignedControl button;
    ScreenId screen;
};

const MenuEntry menu[] = {
    {{.name = "Commandl", .text = u"HİCRİ YAŞ HESABI", .twips = {480, 960, 2535, 855}, .font = medium,
      .background = 0x0080FFFF, .tab = 7},
     ScreenId::Form8},
    {{.name = "Command2", .text = u"NAMAZ İSKATI", .twips = {4200, 960, 2535, 855}, .font = medium,
      .background = 0x0080C0FF, .tab = 0},
     ScreenId::Form6},
    {{.name = "Command3", .text = u"ORUÇ İSKATI", .twips = {2280, 2040, 2535, 855}, .font = medium,
      .background = 0x008080FF, .tab = 1},
     ScreenId::Form7},
    {{.name = "Command90", .text = u"Karvela Nasıl Yapılır?", .twips = {480, 3240, 6255, 615}, .font = large,
      .background = 0x00FFE7AC, .tab = 2},
     ScreenId::Form1},
    {{.name = "Command7", .text = u"Zekât, Kurban ve Sadaka-ı Fıtr İskatı", .twips = {480, 3960, 6255, 615},
      .font = large, .background = 0x00FF8080, .tab = 3},
     ScreenId::Form3},
    {{.name = "Command8", .text = u"Kul ve Hayvan Hakları İskatı", .twips = {480, 4680, 6255, 615}, .font = large,
      .background = 0x00FFC0FF, .tab = 4},
     ScreenId::Form4},
};

} // namespace

Form5::Form5(Navigator &navigator, MessageService &messages) : Screen(ScreenId::Form5, navigator, messages)
{
    setupWindow(u"KARVELA HESAPLAMA PROGRAMI", {7230, 5580}, 0x00F4B735, WindowIcon::Application,
                WindowButtons::MinimiseAndClose);

    QPushButton *Command4 = controls().addButton({.name = "Command4", .text = u"X", .twips = {6840, 0, 375, 375}, .font = large,
                                       .background = 0x000000FF, .tab = 6, .accessibleName = u"Programı kapat"});
    connect(Command4, &QPushButton::clicked, this, &Form5::Command4_Click);
    controls().addLabel({.name = "Label1", .text = u"KARVELA PROGRAMI", .twips = {0, 240, 7215, 615},
              .font = Fonts::sansSerif(18, true), .tab = 5, .align = Qt::AlignHCenter});
    for (const MenuEntry &entry : menu) {
        QPushButton *button = controls().addButton(entry.button);
        connect(button, &QPushButton::clicked, this, [this, screen = entry.screen] { open(screen); });
    }
    controls().applyTabOrder();
    // An iskât file opens from here too: a key, no control of the design's.
    auto *open = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this);
    connect(open, &QShortcut::activated, this, [this] { this->navigator().openCaseFile(); });
}

void Form5::Command4_Click()
{
    navigator().endApplication();
}

void Form5::frameCloseRequested()
{
    Command4_Click();
}

void Form5::open(ScreenId id)
{
    navigator().showScreen(id);
    navigator().hideScreen(ScreenId::Form5);
}
