#pragma once

#include "calc/devirrecord.h"

#include <QDialog>

#include "common/messages.h"

class QPagedPaintDevice;
class QTextBrowser;
class QTextDocument;

// The devir record of a screen, in a window over it: read-only, to print or to save
// as a PDF.
class DevirWindow : public QDialog
{
    Q_OBJECT
public:
    DevirWindow(QWidget *screen, MessageService &messages);

    void showRecord(Expiation expiation, const QString &html);
    const QTextDocument &record() const;
    QString heading() const { return devirRecordTitle(m_expiation); }

private slots:
    void print();
    void saveAsPdf();

private:
    MessageService &m_messages;
    QTextBrowser *m_view = nullptr;
    Expiation m_expiation = Expiation::Prayers;
};

// Lays the record out on A4 pages of `device`, with its title on each page and
// "Sayfa 1 / 3" under it. False when the device cannot be painted on.
bool paintRecord(const QTextDocument &record, const QString &heading, QPagedPaintDevice &device);

// The boxes shown when the record could not be printed or saved.
MessageBoxRequest recordNotPrinted();
MessageBoxRequest recordNotSaved(const QString &path);

// Writes the record as a PDF to `path`, whole or not at all: nothing half-written is
// left under that name. False when it could not be written.
bool writeRecordPdf(const QTextDocument &record, const QString &heading, const QString &path);
