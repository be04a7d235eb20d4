#include "support/scriptedmessages.h"

MessageAnswer ScriptedMessages::show(const MessageBoxRequest &request)
{
    shown.append(request);
    if (request.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answers.isEmpty() ? fallback : answers.takeFirst();
}
