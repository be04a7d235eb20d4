#pragma once

#include "calc/ceremonybook.h"
#include "calc/devirrecord.h"
#include "common/messages.h"
#include "common/ui/navigator.h"

#include <QDialog>
#include <QPointer>

class CeremonyWindow;
class QFormLayout;
class QLineEdit;
class QPagedPaintDevice;
class QTextBrowser;
class QTextDocument;

// The devir record of the whole ceremony, in a window over the screen that opened it:
// the names its words use, typed above it, and the record itself, read-only, to print
// or to save as a PDF. It is written again whenever either screen
// changes, so that it never shows figures the screens no longer show; while the
// opener's boxes differ from its last calculation, it says so and will not print.
class DevirWindow : public QDialog
{
    Q_OBJECT
public:
    DevirWindow(QWidget *screen, MessageService &messages, Navigator &navigator, CeremonyBook &ceremony,
                Expiation opener);

    void showRecord();
    // "Devri Başlat" (F5): the ceremony carried out on screen, in a window of its own,
    // where the record may be printed.
    void startCeremony();

private slots:
    void print();
    void saveAsPdf();
    void saveCase();
    void rewrite();
    void namesTyped();

private:
    QLineEdit *addNameBox(QFormLayout *form, const QString &label);
    // The name boxes show the names kept, typed in this window or another.
    void showNames();
    // Says why the record may not be printed or saved now, where it may not.
    bool refused();
    // The path the save dialog gives, proposing `fileName` in Documents.
    QString askWhereToSave(const QString &title, const QString &fileName, const QString &filter);
    // What "Yazdır...", "PDF Olarak Kaydet..." and "İskât Dosyasını Kaydet..." do once
    // their dialogs gave a printer or a path; a box names the file and why where it fails.
    void printOn(QPagedPaintDevice &device);
    void savePdfAs(const QString &path);
    void saveCaseAs(const QString &path);
    void writeRecord();
    const QTextDocument &record() const;

    MessageService &m_messages;
    Navigator &m_navigator;
    CeremonyBook &m_ceremony;
    Expiation m_opener;
    QLineEdit *m_deceased = nullptr;
    QLineEdit *m_father = nullptr;
    QLineEdit *m_guardian = nullptr;
    QTextBrowser *m_view = nullptr;
    QPointer<CeremonyWindow> m_ceremonyWindow;
};

// The box shown when the record could not be printed.
MessageBoxRequest recordNotPrinted();
// The box shown when the record's PDF or an iskât file could not be saved, naming the
// file and why.
MessageBoxRequest fileNotSaved(const QString &path, const QString &why);
// The boxes of the iskât file: one that could not be opened, naming it and why; the
// question before a case replaces what the screens hold.
MessageBoxRequest caseNotOpened(const QString &path, const QString &why);
MessageBoxRequest caseReplacesScreens();
// The file dialogs' filter for iskât files.
QString iskatFileFilter();
