#include "app/form5.h"

#include "common/captions.h"

#include <QPushButton>

namespace {

using Kind = ControlKind;

constexpr DesignedFont large = Fonts::sansSerif(12, true);
constexpr DesignedFont medium = Fonts::sansSerif(9.75, true);

} // namespace

// The menu as designed. ("Commandl" is a control array of one element; its index says
// nothing and is not passed on.)
std::span<const TableControl<Form5>> Form5::controlTable()
{
    // One control to a row, as the design lists them.
    // clang-format off
    using Row = TableRows<Form5>;
    static const TableControl<Form5> table[] = {
        Row::button(&Form5::Command4, {.name = "Command4", .text = u"X", .twips = {6840, 0, 375, 375}, .font = large,
                                       .background = 0x000000FF, .tab = 6, .accessibleName = u"Programı kapat"},
                                      &Form5::Command4_Click),
        {Kind::Label, {.name = "Label1", .text = u"KARVELA PROGRAMI", .twips = {0, 240, 7215, 615},
                       .font = Fonts::sansSerif(18, true), .tab = 5, .align = Qt::AlignHCenter}},
        Row::button(&Form5::Commandl, {.name = "Commandl", .text = Caption::hijriScreen,
                                       .twips = {480, 960, 2535, 855}, .font = medium, .background = 0x0080FFFF,
                                       .tab = 7}),
        Row::button(&Form5::Command2, {.name = "Command2", .text = Caption::prayerScreen,
                                       .twips = {4200, 960, 2535, 855}, .font = medium, .background = 0x0080C0FF,
                                       .tab = 0}),
        Row::button(&Form5::Command3, {.name = "Command3", .text = Caption::fastingScreen,
                                       .twips = {2280, 2040, 2535, 855}, .font = medium, .background = 0x008080FF,
                                       .tab = 1}),
        Row::button(&Form5::Command90, {.name = "Command90", .text = u"Karvela Nasıl Yapılır?",
                                        .twips = {480, 3240, 6255, 615}, .font = large, .background = 0x00FFE7AC,
                                        .tab = 2}),
        Row::button(&Form5::Command7, {.name = "Command7", .text = u"Zekât, Kurban ve Sadaka-ı Fıtr İskatı",
                                       .twips = {480, 3960, 6255, 615}, .font = large, .background = 0x00FF8080,
                                       .tab = 3}),
        Row::button(&Form5::Command8, {.name = "Command8", .text = u"Kul ve Hayvan Hakları İskatı",
                                       .twips = {480, 4680, 6255, 615}, .font = large, .background = 0x00FFC0FF,
                                       .tab = 4}),
    };
    // clang-format on
    return table;
}

Form5::Form5(Navigator &navigator, MessageService &messages) : Screen(ScreenId::Form5, navigator, messages)
{
    setupWindow(u"KARVELA HESAPLAMA PROGRAMI", {7230, 5580}, 0x00F4B735, WindowIcon::Application,
                WindowButtons::MinimiseAndClose);
    buildControls(*this, controlTable());

    // The buttons that open a screen, and the screen each opens.
    const std::pair<QPushButton *, ScreenId> opens[] = {{Commandl, ScreenId::Form8}, {Command2, ScreenId::Form6},
                                                        {Command3, ScreenId::Form7}, {Command90, ScreenId::Form1},
                                                        {Command7, ScreenId::Form3}, {Command8, ScreenId::Form4}};
    for (const auto &[button, screen] : opens)
        connect(button, &QPushButton::clicked, this, [this, screen] { open(screen); });
    // An iskât file opens from here too: a key, no control of the design's.
    addAction(navigator.openCaseAction());
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
