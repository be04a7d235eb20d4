#pragma once

#include "calc/ceremonybook.h"
#include "common/ui/screen.h"

#include <QDate>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <optional>

class DevirWindow;

// The boxes of an expiation screen whose texts tell whether its figures are still
// those it calculated.
struct RecordBoxes
{
    Expiation expiation = Expiation::Prayers;
    QLineEdit *wheatPrice = nullptr;
    QLineEdit *goldPrice = nullptr;
    QLineEdit *age = nullptr;
    QLineEdit *goldNeeded = nullptr;
    QLineEdit *goldAtHand = nullptr;
    QLineEdit *poorPeople = nullptr;
    QLineEdit *rounds = nullptr;
    QLineEdit *years = nullptr;
    QLineEdit *perRound = nullptr; // the prayer screen's alone
};

// The base of the prayer and the fasting screens: their "Devir Çizelgesi" button,
// which opens the record of the whole ceremony, and their standing in the ceremony,
// kept up to date as their boxes change.
class ExpiationScreen : public Screen
{
    Q_OBJECT
public:
    ExpiationScreen(ScreenId id, Navigator &navigator, MessageService &messages, CeremonyBook &ceremony);

    // The "Devir Çizelgesi" button and Ctrl+P: the record of the ceremony, or a box
    // that says which calculation to do first.
    void openRecord();
    // The record, then the ceremony carried out on screen from it.
    void openCeremony();
    // Fills the boxes from a saved case and calculates what was calculated, as the
    // buttons would, without asking the age question again: it was answered before
    // the case was saved.
    void openCase(const ScreenCase &saved);
    // Something is typed or calculated in the boxes.
    bool holdsFigures() const;

protected:
    // The "Devir Çizelgesi" button, which the screen's table made, and Ctrl+P open the
    // record; `boxes` are those the standing is read from. Ctrl+O opens an iskât file.
    void connectRecord(const RecordBoxes &boxes);

    QPushButton *DevirCizelgesi = nullptr; // styled as the return button

    // "Kadın"/"Erkek" and "H E S A P L A", as the screen works them out.
    virtual void settle(Sex sex) = 0;
    virtual void count() = 0;

    // "Kadın"/"Erkek" as both screens begin it: the age question and the price check,
    // the age read and the years written; then `gold`, the screen's own arithmetic,
    // fills in the rest of the figures and writes the gold.
    using GoldSteps = std::function<void(Calculation &, RecordFigures &)>;
    void settleWith(Sex sex, const GoldSteps &gold);
    // What "H E S A P L A" computed, when it wrote its results; nothing when it did not.
    void counted(const std::optional<RecordFigures::Rounds> &rounds);

private:
    // The age question and the price check: true when the prices are there. A case
    // being opened was confirmed when it was saved.
    bool pricesConfirmed();
    void settled(RecordFigures figures, bool written);
    // The screen as an iskât file keeps it: what was calculated, or else the figures
    // its boxes hold.
    ScreenCase savedCase() const;
    QStringList settledInputs() const;
    QStringList countedInputs() const;
    ScreenState standing() const;
    // Writes the screen's standing into the ceremony book.
    void tell();

    // What a calculation that wrote its results read from the boxes, and what it computed.
    template<typename Figures>
    struct Calculated
    {
        QStringList inputs;
        Figures figures;
    };

    RecordBoxes m_boxes;
    CeremonyBook &m_ceremony;
    std::optional<Calculated<RecordFigures>> m_settled;
    std::optional<Calculated<RecordFigures::Rounds>> m_counted;
    QPointer<DevirWindow> m_window;
    Sex m_sexChosen = Sex::Woman;
    std::optional<QDate> m_openingDay; // the saved prices' day, while a case is opened
};
