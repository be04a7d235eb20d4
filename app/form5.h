#pragma once

#include "common/screen.h"

class QLabel;
class QPushButton;

// The main menu: opens every other screen and ends the program.
class Form5 : public Screen
{
    Q_OBJECT
public:
    Form5(Navigator &navigator, MessageService &messages);

    void Command4_Click();             // "X": ends the program
    void Commandl_Click(int index);    // "HİCRİ YAŞ HESABI" (control array; the index is not used)
    void Command2_Click();             // "NAMAZ İSKATI"
    void Command3_Click();             // "ORUÇ İSKATI"
    void Command90_Click();            // "Karvela Nasıl Yapılır?"
    void Command7_Click();             // "Zekât, Kurban ve Sadaka-ı Fıtr İskatı"
    void Command8_Click();             // "Kul ve Hayvan Hakları İskatı"

protected:
    // Closing the main menu from its frame ends the program, as "X" does.
    void frameCloseRequested() override;

private:
    void open(ScreenId id);

    QPushButton *Command4 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Commandl = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command90 = nullptr;
    QPushButton *Command7 = nullptr;
    QPushButton *Command8 = nullptr;
};
