#include "support/scripteddialogs.h"

QString ScriptedDialogs::saveFileName(QWidget *, const QString &title, const QString &proposed, const QString &)
{
    asked.append({title, proposed});
    return files.isEmpty() ? QString() : files.takeFirst();
}

QString ScriptedDialogs::openFileName(QWidget *, const QString &title, const QString &folder, const QString &)
{
    asked.append({title, folder});
    return files.isEmpty() ? QString() : files.takeFirst();
}

bool ScriptedDialogs::choosePrinter(QWidget *, QPrinter &chosen)
{
    asked.append({QStringLiteral("Yazdır"), {}});
    if (!printer)
        return false;
    printer(chosen);
    printer = nullptr;
    return true;
}
