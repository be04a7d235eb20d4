#pragma once

#include <QString>

class QPrinter;
class QWidget;

// The file and print dialogs a window asks through, as it asks the message boxes
// through a MessageService: the program shows Qt's, and tests and tools answer as told.
class DialogService
{
public:
    virtual ~DialogService() = default;

    // The file to save to, proposed as `proposed` (a path) in the dialog titled `title`;
    // empty where the user chose "İptal".
    virtual QString saveFileName(QWidget *over, const QString &title, const QString &proposed,
                                 const QString &filter) = 0;
    // The file to open, looked for first in `folder`; empty for "İptal".
    virtual QString openFileName(QWidget *over, const QString &title, const QString &folder, const QString &filter) = 0;
    // Lets the user choose the printer and its settings; false for "İptal".
    virtual bool choosePrinter(QWidget *over, QPrinter &printer) = 0;
};
