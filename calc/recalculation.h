#pragma once

#include "calc/ceremony.h"
#include "calc/screencase.h"

#include <variant>

// A figure of a saved screen that its calculation cannot take: the box it fills, and
// whether it is too large (else too small) for the arithmetic.
struct UncalculableFigure
{
    std::optional<double> ScreenCase::*figure = nullptr;
    bool tooLarge = true;
};

// What a saved screen stands at once its figures are back in its boxes and calculated
// again as its buttons calculate them: each figure written with 15 digits and read back
// as the screen reads it, step by step, "Kadın"/"Erkek" where the gold was calculated
// and "H E S A P L A" where the rounds were counted. Where a step would give no finite
// number, the figure that took it there: the one farthest from 1 in order of magnitude.
std::variant<ScreenState, UncalculableFigure> calculateAgain(const ScreenCase &saved, Expiation expiation);
