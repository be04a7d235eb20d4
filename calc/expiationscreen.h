#pragma once

#include "calc/devirrecord.h"
#include "calc/figures.h"
#include "common/screen.h"

#include <QPointer>
#include <QStringList>

#include <optional>

class DevirWindow;

// The boxes of an expiation screen that its devir record is made from.
struct RecordBoxes
{
    Expiation expiation = Expiation::Prayers;
    Parsing prices = Parsing::Lenient; // how the screen reads its prices
    QLineEdit *wheatPrice = nullptr;
    QLineEdit *goldPrice = nullptr;
    QLineEdit *age = nullptr;
    QLineEdit *years = nullptr;
    QLineEdit *goldNeeded = nullptr;
    QLineEdit *goldAtHand = nullptr;
    QLineEdit *poorPeople = nullptr;
    QLineEdit *rounds = nullptr;
};

// The base of the prayer and the fasting screens: their "Devir Çizelgesi" button,
// which opens the record of the figures the screen shows, never of figures changed
// since they were calculated.
class ExpiationScreen : public Screen
{
    Q_OBJECT
public:
    using Screen::Screen;

    // The "Devir Çizelgesi" button and Ctrl+P: the record of the screen's figures,
    // or a box that says which calculation to do first.
    void openRecord();

protected:
    // The button, styled as the return button; the boxes its record is made from.
    void addRecordButton(const QRect &twips, int tab, const RecordBoxes &boxes);

    // What "Kadın"/"Erkek" and "H E S A P L A" read, remembered when they wrote their
    // results and forgotten when they did not.
    void settled(bool written, Sex sex);
    void counted(bool written);

private:
    QStringList settledInputs() const;
    QStringList countedInputs() const;
    std::optional<RecordFigures> figuresShown();

    RecordBoxes m_boxes;
    std::optional<QStringList> m_settled;
    Sex m_sex = Sex::Woman;
    std::optional<QStringList> m_counted;
    QPointer<DevirWindow> m_window;
};
