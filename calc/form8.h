#pragma once

#include "common/screen.h"

class QPushButton;

// The Hijri age converter: a solar age in, a Hijri age out.
class Form8 : public Screen
{
    Q_OBJECT
public:
    Form8(Navigator &navigator, MessageService &messages);

private slots:
    void Command1_Click(); // "HESAPLA"

private:
    QLineEdit *Text1 = nullptr; // the age in solar years
    QPushButton *Command1 = nullptr;
    QLineEdit *Text2 = nullptr; // the age in Hijri years
};
