#pragma once

#include "common/ui/calculation.h"

#include <QHash>
#include <QString>

#include <functional>
#include <initializer_list>

class MessageService;
class QWidget;

// The one guard around a screen's calculation handlers. The number helpers report
// errors by throwing; here they end the handler: result boxes it was to write but did
// not are emptied, so no figure from earlier input is left standing, and the error
// report is shown unless the handler armed its recovery. The report names the box at
// fault by its caption, which then has the focus with its text selected, ready to be
// typed over. The program goes on.
class CalculationGuard
{
public:
    // `captions`: what each box is named by in a report, kept by the screen's builder.
    CalculationGuard(MessageService &messages, const QHash<const QWidget *, QString> &captions)
        : m_messages(messages), m_captions(captions)
    {}

    // Runs one handler's steps; true when they ran to their end.
    bool calculate(std::initializer_list<QLineEdit *> results, const std::function<void(Calculation &)> &steps);

private:
    void report(const CalculationError &error, QLineEdit *box);

    MessageService &m_messages;
    const QHash<const QWidget *, QString> &m_captions;
};
