#include "common/ui/qtdialogservice.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {

void giveKeyboardBack(QWidget *over)
{
    if (over)
        over->activateWindow();
}

} // namespace

QString QtDialogService::saveFileName(QWidget *over, const QString &title, const QString &proposed,
                                      const QString &filter)
{
    const QString path = QFileDialog::getSaveFileName(over, title, proposed, filter);
    giveKeyboardBack(over);
    return path;
}

QString QtDialogService::openFileName(QWidget *over, const QString &title, const QString &folder, const QString &filter)
{
    const QString path = QFileDialog::getOpenFileName(over, title, folder, filter);
    giveKeyboardBack(over);
    return path;
}

bool QtDialogService::choosePrinter(QWidget *over, QPrinter &printer)
{
    QPrintDialog dialog(&printer, over);
    dialog.setWindowTitle(QStringLiteral("Yazdır"));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    giveKeyboardBack(over);
    return accepted;
}
