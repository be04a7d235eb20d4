#pragma once

#include "common/errors.h"

#include <functional>
#include <optional>

// Runs a calculation's steps: the one place where the error a number helper throws is
// caught, for the screens' calculation guard and for a saved case calculated again.
// Gives the error that ended the steps, or nothing when they ran to their end.
std::optional<CalculationError> runCalculation(const std::function<void()> &steps);
