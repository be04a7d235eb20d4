#pragma once

#include "common/ui/dialogservice.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// File and print dialogs that record what was asked and answer as told, never showing
// a window. With nothing told, each answers "İptal".
class ScriptedDialogs : public DialogService
{
public:
    QString saveFileName(QWidget *over, const QString &title, const QString &proposed, const QString &filter) override;
    QString openFileName(QWidget *over, const QString &title, const QString &folder, const QString &filter) override;
    bool choosePrinter(QWidget *over, QPrinter &printer) override;

    // The paths the coming file dialogs give, in order.
    QStringList files;
    // What the coming print dialog does to the printer before "Yazdır"; none: "İptal".
    std::function<void(QPrinter &)> printer;

    struct Asked
    {
        QString title;
        QString proposed; // the path proposed, or the folder looked in first
    };
    QList<Asked> asked;
};
