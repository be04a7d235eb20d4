#pragma once

#include "calc/ceremonybook.h"
#include "common/ui/screen.h"

#include <QPointer>
#include <QStringList>

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
};

// The base of the prayer and the fasting screens: their "Devir Çizelgesi" button,
// which opens the record of the whole ceremony, and their standing in the ceremony,
// kept up to date as their boxes change.
class ExpiationScreen : public Screen
{
    Q_OBJECT
public:
    ExpiationScreen(ScreenId id, Navigator &navigator, MessageService &messages, CeremonyBook &ceremony);

protected:
    // The button, styled as the return button; the boxes the standing is read from.
    void addRecordButton(const QRect &twips, int tab, const RecordBoxes &boxes);

    // What "Kadın"/"Erkek" and "H E S A P L A" computed, when they wrote their
    // results; nothing when they did not.
    void settled(const std::optional<RecordFigures> &figures);
    void counted(const std::optional<RecordFigures::Rounds> &rounds);

private:
    // The "Devir Çizelgesi" button and Ctrl+P: the record of the ceremony, or a box
    // that says which calculation to do first.
    void openRecord();
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
};
