#pragma once

#include "calc/expiation.h"
#include "calc/screens/expiationscreen.h"

class QPushButton;

// The prayer expiation screen: the years to settle, the gold that settles the
// prayers, and the rounds (devir) that pass it around.
class Form6 : public ExpiationScreen
{
    Q_OBJECT
public:
    Form6(Navigator &navigator, MessageService &messages, CeremonyBook &ceremony);

private slots:
    void Command1_Click();  // "Kadın"
    void Command2_Click();  // "Erkek"
    void Command13_Click(); // "H E S A P L A"
    void Text1_Click();     // the reminder on a click into the age box

private:
    static std::span<const TableControl<Form6>> controlTable();
    void settle(Sex sex) override;
    void count() override { Command13_Click(); }

    QLineEdit *Text8 = nullptr;         // wheat price, lira per kg
    QLineEdit *Text3 = nullptr;         // gold price, lira per gram
    ClickableLineEdit *Text1 = nullptr; // the deceased's age in Hijri years
    QPushButton *Command2 = nullptr;
    QLineEdit *Text2 = nullptr; // years to settle
    QPushButton *Command1 = nullptr;
    QLineEdit *Text10 = nullptr; // grams of gold needed
    QLineEdit *Text11 = nullptr; // grams of gold at hand
    QLineEdit *Text12 = nullptr; // number of poor people
    QLineEdit *Text13 = nullptr; // grams of gold given in one round
    QPushButton *Command13 = nullptr;
    QLineEdit *Text14 = nullptr; // number of rounds
};
