#include "common/ui/calculation.h"

#include "common/errors.h"
#include "common/numbers.h"

#include <QLineEdit>

double Calculation::read(QLineEdit *box, Figure figure, Parsing parsing)
{
    try {
        const double value = readFigure(box->text(), figure, parsing);
        m_read.append({box, value});
        return value;
    } catch (const CalculationError &) {
        m_faulty = box;
        throw;
    }
}

void Calculation::write(QLineEdit *box, double value)
{
    writeText(box, formatNumber(value));
}

void Calculation::writeText(QLineEdit *box, const QString &text)
{
    box->setText(text);
    m_written.append(box);
}

QLineEdit *Calculation::boxAtFault(const CalculationError &error) const
{
    if (error.input() >= 0 && error.input() < m_inputs.size())
        return m_inputs.at(error.input());
    if (m_faulty || m_read.isEmpty())
        return m_faulty;
    if (error.kind() != ErrorKind::Overflow)
        return m_read.last().box;
    return farthestFromOne(m_read.cbegin(), m_read.cend(), [](const Reading &reading) { return reading.value; })->box;
}
