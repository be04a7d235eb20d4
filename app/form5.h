#pragma once

#include "common/ui/screen.h"

class QPushButton;

// The main menu: opens every other screen and ends the program.
class Form5 : public Screen
{
    Q_OBJECT
public:
    Form5(Navigator &navigator, MessageService &messages);

protected:
    // Closing the main menu from its frame ends the program, as "X" does.
    void frameCloseRequested() override;

private slots:
    void Command4_Click(); // "X": ends the program

private:
    static std::span<const TableControl<Form5>> controlTable();
    // What each of the menu's other buttons does: shows its screen and hides the menu.
    void open(ScreenId id);

    QPushButton *Command4 = nullptr;  // "X"
    QPushButton *Commandl = nullptr;  // "HİCRİ YAŞ HESABI"
    QPushButton *Command2 = nullptr;  // "NAMAZ İSKATI"
    QPushButton *Command3 = nullptr;  // "ORUÇ İSKATI"
    QPushButton *Command90 = nullptr; // "Karvela Nasıl Yapılır?"
    QPushButton *Command7 = nullptr;  // "Zekât, Kurban ve Sadaka-ı Fıtr İskatı"
    QPushButton *Command8 = nullptr;  // "Kul ve Hayvan Hakları İskatı"
};
