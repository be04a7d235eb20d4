#pragma once

#include "calc/expiation.h"

#include <QDate>
#include <QString>

#include <optional>

enum class Expiation { Prayers, Fasts };

// The figures of a screen's last calculations, as the screen read and showed them.
struct RecordFigures
{
    Expiation expiation = Expiation::Prayers;
    double wheatPrice = 0; // lira for a kg
    double goldPrice = 0;  // lira for a gram
    double hijriAge = 0;
    Sex sex = Sex::Woman;
    double years = 0;
    double goldNeeded = 0; // grams

    struct Rounds
    {
        double goldAtHand = 0;
        double poorPeople = 0;
        double rounds = 0; // the count the screen shows, to one decimal
    };
    std::optional<Rounds> rounds; // none: the rounds were not calculated
};

// The devir record of a calculation: the inputs, each step with its figures as one
// would check them by hand, and the rounds as a checklist to tick off, in Turkish and
// as HTML for a text document. Figures are written by the locale in force, grouped.
QString devirRecordHtml(const RecordFigures &figures, QDate date);

// The record's title, "NAMAZ İSKATI — DEVİR ÇİZELGESİ": its heading, its pages' and its
// PDF's; and the name its PDF is proposed under.
QString devirRecordTitle(Expiation expiation);
QString devirRecordFileName(Expiation expiation, QDate date);
