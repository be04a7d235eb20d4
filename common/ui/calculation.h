#pragma once

#include "common/figures.h"

#include <QList>

#include <initializer_list>

class CalculationError;
class QLineEdit;

// One run of a calculation handler. It remembers which result boxes the run has
// written, which boxes it read and whether an error is to end it silently.
class Calculation
{
public:
    // From here on an error ends the handler without a report: the design's
    // resume-at-end recovery, for a handler the user has already turned back.
    void endSilentlyOnError() { m_endsSilently = true; }
    bool endsSilently() const { return m_endsSilently; }

    // The figure `box` holds, held to the figure's rule (an error names the box).
    double read(QLineEdit *box, Figure figure, Parsing parsing = Parsing::Lenient);

    // The boxes whose texts the run takes as its inputs, in order, where it reads them
    // other than through read(): an error that names its input names its box.
    void takeInputs(std::initializer_list<QLineEdit *> boxes) { m_inputs = boxes; }

    // Writes a result in the locale's number format (an overflow if it is not finite).
    void write(QLineEdit *box, double value);
    // Writes a result that is text, not a figure.
    void writeText(QLineEdit *box, const QString &text);
    bool wasWritten(const QLineEdit *box) const { return m_written.contains(box); }

    // The box an error is to be named by: the one whose figure was at fault or,
    // for an error of the arithmetic itself, the figure most likely to have caused it.
    // None when no box was read.
    QLineEdit *boxAtFault(const CalculationError &error) const;

private:
    struct Reading
    {
        QLineEdit *box;
        double value;
    };

    bool m_endsSilently = false;
    QList<const QLineEdit *> m_written;
    QList<Reading> m_read;
    QLineEdit *m_faulty = nullptr; // the box whose figure broke its rule
    QList<QLineEdit *> m_inputs;
};
