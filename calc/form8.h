#pragma once

#include "common/screen.h"

class QLabel;
class QPushButton;

// The Hijri age converter: a solar age in, a Hijri age out.
class Form8 : public Screen
{
    Q_OBJECT
public:
    Form8(Navigator &navigator, MessageService &messages);

    void Command1_Click(); // "HESAPLA"

private:
    QLabel *Label3 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr; // the age in solar years
    QPushButton *Command1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Text2 = nullptr; // the age in Hijri years
};
