#pragma once

#include "calc/expiation.h"
#include "calc/screens/expiationscreen.h"

class QPushButton;

// The fasting expiation screen: the years to settle, the gold worth the wheat for
// the Ramadan fasts, and the rounds (devir) that pass it around. Every value here
// is read leniently: a price of "12 TL" is 12.
class Form7 : public ExpiationScreen
{
    Q_OBJECT
public:
    Form7(Navigator &navigator, MessageService &messages, CeremonyBook &ceremony);

private slots:
    void Command1_Click(); // "Kadın"
    void Command2_Click(); // "Erkek"
    void Command6_Click(); // "H E S A P L A"
    void Text1_Click();    // the reminder on a click into the age box

private:
    static std::span<const TableControl<Form7>> controlTable();
    void settle(Sex sex) override;
    void count() override { Command6_Click(); }

    QLineEdit *Text4 = nullptr;         // wheat price, lira per kg
    QLineEdit *Text3 = nullptr;         // gold price, lira per gram
    ClickableLineEdit *Text1 = nullptr; // the deceased's age in Hijri years
    QPushButton *Command2 = nullptr;
    QLineEdit *Text2 = nullptr; // years to settle
    QPushButton *Command1 = nullptr;
    QLineEdit *Text5 = nullptr; // grams of gold needed
    QLineEdit *Text6 = nullptr; // grams of gold at hand
    QLineEdit *Text8 = nullptr; // number of poor people
    QPushButton *Command6 = nullptr;
    QLineEdit *Text9 = nullptr; // number of rounds
};
