#pragma once

#include "common/messages.h"

// Shows the boxes as real QMessageBox dialogs, with Turkish button texts.
class QtMessageService : public MessageService
{
public:
    MessageAnswer show(const MessageBoxRequest &request) override;
};
