#pragma once

#include "common/messages.h"

#include <QList>
#include <QStringList>

// A message service for tests: records every box and answers the Yes/No ones
// from a script, so no test ever meets a real modal box.
class ScriptedMessages : public MessageService
{
public:
    MessageAnswer show(const MessageBoxRequest &request) override;

    // Answers for the coming Yes/No boxes, in order; once they run out, `fallback`.
    QList<MessageAnswer> answers;
    MessageAnswer fallback = MessageAnswer::No;

    QList<MessageBoxRequest> shown;
    void clear() { shown.clear(); }
};
