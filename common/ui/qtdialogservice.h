#pragma once

#include "common/ui/dialogservice.h"

// Qt's own file and print dialogs, the system's where Qt uses them. Each hands the
// keyboard back to the window it was opened over, which the system's dialog does not
// always do (Wine's does not).
class QtDialogService : public DialogService
{
public:
    QString saveFileName(QWidget *over, const QString &title, const QString &proposed, const QString &filter) override;
    QString openFileName(QWidget *over, const QString &title, const QString &folder, const QString &filter) override;
    bool choosePrinter(QWidget *over, QPrinter &printer) override;
};
