#pragma once

#include "common/ui/screen.h"

class QPlainTextEdit;

// The three guidance screens: a text to read and the return button. Their text
// boxes can be scrolled and also edited; nothing is saved, but what is typed
// stays while the program runs, since a screen is only ever hidden.

class Form1 : public Screen
{
    Q_OBJECT
public:
    Form1(Navigator &navigator, MessageService &messages);

private:
    static std::span<const TableControl<Form1>> controlTable();
    QPlainTextEdit *Text1 = nullptr; // how Karvela is done, in questions and answers
};

class Form3 : public Screen
{
    Q_OBJECT
public:
    Form3(Navigator &navigator, MessageService &messages);

private:
    static std::span<const TableControl<Form3>> controlTable();
    QPlainTextEdit *Text1 = nullptr; // zakat, sacrifice and fitr
};

class Form4 : public Screen
{
    Q_OBJECT
public:
    Form4(Navigator &navigator, MessageService &messages);

private:
    static std::span<const TableControl<Form4>> controlTable();
    QPlainTextEdit *Text1 = nullptr; // the rights of people and animals
};
