#include "calc/screens/devirwindow.h"

#include "calc/filenames.h"
#include "calc/screens/ceremonywindow.h"
#include "calc/screens/namevalidator.h"
#include "calc/screens/recordpages.h"

#include "common/ui/design.h"
#include "common/ui/dialogservice.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

QPushButton *addButton(QHBoxLayout *row, const QString &text)
{
    auto *button = new QPushButton(text);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

DevirWindow::DevirWindow(QWidget *screen, MessageService &messages, Navigator &navigator, CeremonyBook &ceremony,
                         Expiation opener)
    : QDialog(screen), m_messages(messages), m_navigator(navigator), m_ceremony(ceremony), m_opener(opener)
{
    setWindowTitle(devirRecordTitle());
    resize(twipsToPixels(QSize(9600, 9000)));
    // The names come first in the tab order, before the record they fill in.
    auto *names = new QFormLayout;
    m_deceased = addNameBox(names, QStringLiteral("Vefat edenin adı"));
    m_father = addNameBox(names, QStringLiteral("Babasının adı"));
    m_guardian = addNameBox(names, QStringLiteral("Velî / vekil"));
    showNames();
    m_view = new QTextBrowser;
    m_view->setAccessibleName(QStringLiteral("Devir çizelgesi"));
    m_view->setOpenLinks(false);
    // A caret that the arrow keys move, so that a screen reader reads the record line by line.
    m_view->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);

    auto *buttons = new QHBoxLayout;
    QPushButton *print = addButton(buttons, QStringLiteral("Yazdır..."));
    QPushButton *save = addButton(buttons, QStringLiteral("PDF Olarak Kaydet..."));
    QPushButton *saveCase = addButton(buttons, QStringLiteral("İskât Dosyasını Kaydet..."));
    QPushButton *openCase = addButton(buttons, QStringLiteral("İskât Dosyası Aç..."));
    QPushButton *ceremonyButton = addButton(buttons, QStringLiteral("Devri Başlat"));
    ceremonyButton->setShortcut(QKeySequence(Qt::Key_F5));
    ceremonyButton->setAccessibleDescription(
        QStringLiteral("Devri ekranda, her el değiştirmeyi tek tuşla işaretleyerek yürütür (F5)"));
    connect(ceremonyButton, &QPushButton::clicked, this, &DevirWindow::startCeremony);
    buttons->addStretch();
    QPushButton *close = addButton(buttons, QStringLiteral("Kapat"));
    connect(print, &QPushButton::clicked, this, &DevirWindow::print);
    connect(save, &QPushButton::clicked, this, &DevirWindow::saveAsPdf);
    connect(saveCase, &QPushButton::clicked, this, &DevirWindow::saveCase);
    connect(openCase, &QPushButton::clicked, this, [this] { m_navigator.openCaseFile(); });
    saveCase->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    addAction(m_navigator.openCaseAction());
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(names);
    layout->addWidget(m_view);
    layout->addLayout(buttons);
    connect(&ceremony, &CeremonyBook::changed, this, &DevirWindow::rewrite);
    // The ticks reach the record once the ceremony's window is closed, so that a tick
    // never waits for a long record to be written again.
    connect(&ceremony, &CeremonyBook::progressChanged, this, [this] {
        if (!m_ceremonyWindow || !m_ceremonyWindow->isVisible())
            rewrite();
    });
}

void DevirWindow::startCeremony()
{
    if (refused())
        return;
    if (const std::optional<QString> why = ceremonyRefusal(m_ceremony.ceremony())) {
        m_messages.inform(*why);
        return;
    }
    if (!m_ceremonyWindow) {
        m_ceremonyWindow = new CeremonyWindow(this, m_ceremony, m_opener);
        connect(m_ceremonyWindow, &QDialog::finished, this, &DevirWindow::rewrite);
    }
    m_ceremonyWindow->show();
    m_ceremonyWindow->raise();
    m_ceremonyWindow->activateWindow();
}

QLineEdit *DevirWindow::addNameBox(QFormLayout *form, const QString &label)
{
    auto *box = new QLineEdit;
    box->setAccessibleName(label);
    box->setValidator(new NameValidator(box));
    form->addRow(label + u':', box);
    connect(box, &QLineEdit::textEdited, this, &DevirWindow::namesTyped);
    return box;
}

void DevirWindow::namesTyped()
{
    m_ceremony.setNames({m_deceased->text(), m_father->text(), m_guardian->text()});
}

void DevirWindow::showNames()
{
    const CeremonyNames &kept = m_ceremony.names();
    const std::pair<QLineEdit *, const QString *> boxes[] = {
        {m_deceased, &kept.deceased}, {m_father, &kept.father}, {m_guardian, &kept.guardian}};
    for (const auto &[box, name] : boxes) {
        if (box->text() != *name)
            box->setText(*name);
    }
}

bool DevirWindow::refused()
{
    const std::optional<QString> why = m_ceremony.printRefusal(m_opener);
    if (why)
        m_messages.inform(*why);
    return why.has_value();
}

void DevirWindow::rewrite()
{
    showNames();
    if (isVisible())
        writeRecord();
}

void DevirWindow::writeRecord()
{
    const Ceremony ceremony = m_ceremony.ceremony();
    const std::optional<QString> why = m_ceremony.refusal(m_opener);
    // A ceremony's progress made for other figures is said, as its ticks are not shown.
    const QString notice = why ? QStringLiteral("Bu çizelge ekrandaki değerlere uymuyor ve yazdırılamaz. ") + *why
                               : m_ceremony.progressMismatch().value_or(QString());
    // Where the reader was stays where it was.
    const int scrolled = m_view->verticalScrollBar()->value();
    m_view->setHtml(devirRecordHtml(ceremony, QDate::currentDate(), notice));
    m_view->verticalScrollBar()->setValue(scrolled);
}

void DevirWindow::showRecord()
{
    // Written before it is shown, so that the window takes the keyboard ready to be read.
    writeRecord();
    show();
    raise();
    activateWindow();
    m_view->setFocus();
}

const QTextDocument &DevirWindow::record() const
{
    return *m_view->document();
}

void DevirWindow::print()
{
    if (refused())
        return;
    writeRecord(); // with the ticks made since, while the ceremony's window is open
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(devirRecordTitle());
    if (m_navigator.dialogs().choosePrinter(this, printer))
        printOn(printer);
}

void DevirWindow::printOn(QPagedPaintDevice &device)
{
    if (!paintRecord(record(), devirRecordTitle(), device))
        m_messages.show(recordNotPrinted());
}

void DevirWindow::savePdfAs(const QString &path)
{
    if (const std::optional<QString> why = writeRecordPdf(record(), devirRecordTitle(), path))
        m_messages.show(fileNotSaved(path, *why));
}

QString DevirWindow::askWhereToSave(const QString &title, const QString &fileName, const QString &filter)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return m_navigator.dialogs().saveFileName(this, title, QDir(folder).filePath(fileName), filter);
}

void DevirWindow::saveAsPdf()
{
    if (refused())
        return;
    writeRecord();
    const QString path = askWhereToSave(QStringLiteral("PDF Olarak Kaydet"), devirRecordFileName(QDate::currentDate()),
                                        QStringLiteral("PDF belgesi (*.pdf)"));
    if (!path.isEmpty())
        savePdfAs(path);
}

void DevirWindow::saveCase()
{
    if (refused())
        return;
    QString path = askWhereToSave(QStringLiteral("İskât Dosyasını Kaydet"),
                                  iskatFileName(m_ceremony.names().deceased, QDate::currentDate()), iskatFileFilter());
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".karvela"), Qt::CaseInsensitive))
        path += QStringLiteral(".karvela");
    saveCaseAs(path);
}

void DevirWindow::saveCaseAs(const QString &path)
{
    if (const std::optional<QString> why = saveIskatFile(m_ceremony.savedCase(), path))
        m_messages.show(fileNotSaved(path, *why));
    else
        m_ceremony.setCasePath(path); // where the ceremony's progress is kept from now on
}

QString iskatFileFilter()
{
    return QStringLiteral("Karvela iskât dosyası (*.karvela)");
}

namespace {

// A box that names a file, as the system writes its path, and what befell it; `why`
// follows as it is, never read for place markers.
MessageBoxRequest fileTrouble(const QString &sentence, const QString &path, const QString &why = {})
{
    return {.text = sentence.arg(QDir::toNativeSeparators(path)) + why, .icon = MessageIcon::Critical};
}

} // namespace

MessageBoxRequest fileNotSaved(const QString &path, const QString &why)
{
    return fileTrouble(QStringLiteral("\"%1\" kaydedilemedi: "), path, why);
}

MessageBoxRequest caseNotOpened(const QString &path, const QString &why)
{
    return fileTrouble(QStringLiteral("\"%1\" açılamadı: "), path, why);
}

MessageBoxRequest caseReplacesScreens()
{
    return {.text = QStringLiteral("Ekrandaki hesap silinecek. Devam edilsin mi?"),
            .buttons = MessageButtons::YesNo,
            .icon = MessageIcon::Exclamation,
            .secondButtonDefault = true};
}

MessageBoxRequest recordNotPrinted()
{
    return {.text = QStringLiteral("Devir çizelgesi yazdırılamadı. Lütfen yazıcıyı kontrol ediniz."),
            .icon = MessageIcon::Critical};
}
