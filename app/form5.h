#pragma once

#include "common/ui/screen.h"

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
    // What each of the menu's other buttons does: shows its screen and hides the menu.
    void open(ScreenId id);
};
