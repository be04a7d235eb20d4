#pragma once

#include "calc/expiation.h"

#include <QDate>

#include <optional>

// One expiation screen as saved: its boxes' figures, the sex chosen, and how far it
// was calculated.
struct ScreenCase
{
    std::optional<double> wheatPrice = std::nullopt;
    std::optional<double> goldPrice = std::nullopt;
    std::optional<double> hijriAge = std::nullopt;
    std::optional<double> goldAtHand = std::nullopt;
    std::optional<double> poorPeople = std::nullopt;
    Sex sex = Sex::Woman;
    bool goldCalculated = false; // "Kadın"/"Erkek" calculated the gold from these figures
    bool roundsCounted = false;  // "H E S A P L A" counted the rounds from them
    QDate pricesDay = {};        // the day the prices were used; set when the gold was calculated

    bool operator==(const ScreenCase &) const = default;
};
