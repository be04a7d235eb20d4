#pragma once

#include "common/ui/screen.h"

class QPushButton;

// The Hijri age converter: a solar age in, a Hijri age out; or the dates of birth and
// death in, both ages and the two dates in the Hijri calendar out.
class Form8 : public Screen
{
    Q_OBJECT
public:
    Form8(Navigator &navigator, MessageService &messages);

private slots:
    void Command1_Click(); // "HESAPLA"
    void Command2_Click(); // "TARİHTEN HESAPLA"

private:
    static std::span<const TableControl<Form8>> controlTable();

    QLineEdit *Text1 = nullptr; // the age in solar years
    QPushButton *Command1 = nullptr;
    QLineEdit *Text2 = nullptr; // the age in Hijri years
    QLineEdit *Text3 = nullptr; // the date of birth
    QLineEdit *Text4 = nullptr; // the date of death
    QPushButton *Command2 = nullptr;
    QLineEdit *Text5 = nullptr; // the Hijri age and both dates in the Hijri calendar
};
