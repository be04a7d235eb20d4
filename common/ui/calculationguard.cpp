#include "common/ui/calculationguard.h"

#include "common/calculationrun.h"
#include "common/errors.h"
#include "common/messages.h"

#include <QLineEdit>

bool CalculationGuard::calculate(std::initializer_list<QLineEdit *> results,
                                 const std::function<void(Calculation &)> &steps)
{
    Calculation calculation;
    const std::optional<CalculationError> error = runCalculation([&] { steps(calculation); });
    if (!error)
        return true;
    for (QLineEdit *box : results) {
        if (!calculation.wasWritten(box))
            box->clear();
    }
    if (!calculation.endsSilently())
        report(*error, calculation.boxAtFault(*error));
    return false;
}

void CalculationGuard::report(const CalculationError &error, QLineEdit *box)
{
    const auto named = box ? m_captions.constFind(box) : m_captions.cend();
    if (named == m_captions.cend()) {
        m_messages.show(errorReport(error.kind()));
        return;
    }
    m_messages.show(errorReport(error, *named, box->text(), box->isReadOnly()));
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}
