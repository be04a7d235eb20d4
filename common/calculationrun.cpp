#include "common/calculationrun.h"

std::optional<CalculationError> runCalculation(const std::function<void()> &steps)
{
    try {
        steps();
        return std::nullopt;
    } catch (const CalculationError &error) {
        return error;
    }
}
