// Writes a picture of each of the eight screens, with example figures typed in, and of
// three message boxes, into the folder given on the command line (docs/screenshots by
// default). Run under a window manager: the pictures are taken from the screen, frame
// and caption included, as a person sees them.

#include "app/application.h"
#include "app/screenregistry.h"
#include "calc/screens/ceremonywindow.h"
#include "calc/screens/devirwindow.h"
#include "common/ui/qtmessageservice.h"
#include "common/ui/screen.h"
#include "support/captioned.h"
#include "support/scripteddialogs.h"
#include "tools/shownscreen.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace {

// Lets the window manager map, decorate and place what was just shown.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(400, &loop, &QEventLoop::quit);
    loop.exec();
}

// The part of the screen a window covers, its frame included.
bool saveFrame(const QRect &frame, const QString &path)
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
        .save(path);
}

// Shows the boxes for real. The box whose text starts with `wantedText` is pictured
// over the screen behind it, once, before it is closed; every box is closed at once,
// a question answered Yes, as a user reading along would.
class PicturedMessages : public MessageService
{
public:
    QString wantedText;
    QString pictureFile;
    QWidget *screenBehind = nullptr; // the screen whose click shows the box

    MessageAnswer show(const MessageBoxRequest &request) override
    {
        QWidget *behind = screenBehind;
        const bool wanted = !wantedText.isEmpty() && request.text.startsWith(wantedText);
        if (wanted)
            wantedText.clear();
        QTimer::singleShot(0, [this, behind, wanted] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box)
                return;
            if (wanted) {
                settle();
                const QRect area = behind ? behind->frameGeometry() | box->frameGeometry() : box->frameGeometry();
                m_saved &= saveFrame(area, pictureFile);
            }
            box->close();
        });
        m_real.show(request);
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }

    bool allSaved() const { return m_saved; }

private:
    QtMessageService m_real;
    bool m_saved = true;
};

struct Typing
{
    const char *box;
    QString text;
};

struct Shot
{
    ScreenId screen;
    const char *file;
    QList<Typing> typing;
    QList<const char *> clicks;
    // A message box the clicks bring, pictured: the start of its text and the file.
    QString boxText = {};
    const char *boxFile = nullptr;
    // The devir record the clicks open, pictured in its window and saved as a PDF.
    const char *recordFile = nullptr;
};

// Pictures the record window of `screen` and saves its record as a PDF beside it,
// through "PDF Olarak Kaydet..." with its dialog answered by `dialogs`.
bool saveRecord(Screen *screen, ScriptedDialogs &dialogs, const QDir &folder, const char *file)
{
    auto *window = screen->findChild<DevirWindow *>();
    if (!window)
        return false;
    const std::pair<QString, QString> names[] = {{QStringLiteral("Vefat edenin adı"), QStringLiteral("Ayşe")},
                                                 {QStringLiteral("Babasının adı"), QStringLiteral("Ahmet")},
                                                 {QStringLiteral("Velî / vekil"), QStringLiteral("Mehmet")}};
    for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
        for (const auto &[label, name] : names) {
            if (box->accessibleName() == label)
                box->insert(name); // as typed
        }
    }
    settle();
    const QString picture = folder.filePath(QString::fromLatin1(file));
    bool saved = saveFrame(window->frameGeometry(), picture);
    const QString pdf = QString(picture).replace(QStringLiteral(".png"), QStringLiteral(".pdf"));
    dialogs.files = {pdf};
    buttonCaptioned(window, u"PDF Olarak Kaydet...")->click();
    saved = saved && QFileInfo::exists(pdf);
    // The ceremony carried out on screen, 7 hand-overs in: the README's example.
    window->startCeremony();
    auto *ceremony = window->findChild<CeremonyWindow *>();
    for (int given = 0; ceremony && given < 7; ++given)
        buttonCaptioned(ceremony, u"Verildi")->click();
    settle();
    saved = saved && ceremony && saveFrame(ceremony->frameGeometry(), folder.filePath(u"15-devir-ekranda.png"_qs));
    if (ceremony)
        ceremony->close();
    window->close();
    return saved;
}

void fill(Screen *screen, const Shot &shot)
{
    for (const Typing &typing : shot.typing)
        screen->findChild<QLineEdit *>(QString::fromLatin1(typing.box))->setText(typing.text);
}

void click(Screen *screen, const Shot &shot)
{
    for (const char *button : shot.clicks)
        screen->findChild<QPushButton *>(QString::fromLatin1(button))->click();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setUpApplication(app);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    // The ceremony's progress goes to a test folder, never into the user's data.
    QStandardPaths::setTestModeEnabled(true);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
    QDir().mkpath(folder.path());
    // The pointer out of the way, so that no button is pictured hovered.
    QCursor::setPos(0, 0);

    const QList<Shot> shots = {
        {ScreenId::Form2, "1-baslangic.png", {}, {}},
        {ScreenId::Form5, "2-ana-menu.png", {}, {}},
        {ScreenId::Form8,
         "3-hicri-yas.png",
         {{"Text3", QStringLiteral("12.03.1948")}, {"Text4", QStringLiteral("02.11.2025")}},
         {"Command2"}},
        {ScreenId::Form6,
         "4-namaz-iskati.png",
         {{"Text8", QStringLiteral("10")},
          {"Text3", QStringLiteral("4000")},
          {"Text1", QStringLiteral("71")},
          {"Text11", QStringLiteral("100")},
          {"Text12", QStringLiteral("2")}},
         {"Command1", "Command13"},
         QStringLiteral("VEFAT EDENİN YAŞI"),
         "9-yas-sorusu.png"},
        {ScreenId::Form7,
         "5-oruc-iskati.png",
         {{"Text4", QStringLiteral("2")},
          {"Text3", QStringLiteral("500")},
          {"Text1", QStringLiteral("71")},
          {"Text6", QStringLiteral("5")},
          {"Text8", QStringLiteral("2")}},
         {"Command2", "Command6"}},
        {ScreenId::Form1, "6-karvela-nasil-yapilir.png", {}, {}},
        {ScreenId::Form3, "7-zekat-kurban-fitr.png", {}, {}},
        {ScreenId::Form4, "8-kul-ve-hayvan-haklari.png", {}, {}},
        // The price warning: "Kadın" with the gold price left empty.
        {ScreenId::Form6,
         nullptr,
         {{"Text3", QString()}},
         {"Command1"},
         QStringLiteral("Buğday"),
         "10-fiyat-uyarisi.png"},
        // The devir record of the whole ceremony: a woman of 75 on both screens, with her names.
        {ScreenId::Form7,
         nullptr,
         {{"Text4", QStringLiteral("11")},
          {"Text3", QStringLiteral("4100")},
          {"Text1", QStringLiteral("75")},
          {"Text6", QStringLiteral("30")},
          {"Text8", QStringLiteral("3")}},
         {"Command1", "Command6"}},
        {ScreenId::Form6,
         nullptr,
         {{"Text8", QStringLiteral("11")},
          {"Text3", QStringLiteral("4100")},
          {"Text1", QStringLiteral("75")},
          {"Text11", QStringLiteral("30")},
          {"Text12", QStringLiteral("3")}},
         {"Command1", "Command13", "DevirCizelgesi"},
         {},
         nullptr,
         "13-devir-cizelgesi.png"},
        // The error report: a gold price in words, named with its box.
        {ScreenId::Form6,
         nullptr,
         {{"Text3", QStringLiteral("dörtbin")}},
         {"Command2"},
         QStringLiteral("Tür"),
         "11-hata-raporu.png"},
    };

    PicturedMessages messages;
    ScriptedDialogs dialogs;
    ScreenRegistry screens(messages, dialogs, [] { QCoreApplication::exit(0); });
    bool saved = true;
    for (const Shot &shot : shots) {
        Screen *screen = showScreen(screens, shot.screen);
        screen->activateWindow();
        fill(screen, shot);
        settle();
        if (shot.boxFile) {
            messages.wantedText = shot.boxText;
            messages.pictureFile = folder.filePath(QString::fromLatin1(shot.boxFile));
        }
        messages.screenBehind = screen;
        click(screen, shot);
        settle();
        if (shot.file)
            saved &= saveFrame(screen->frameGeometry(), folder.filePath(QString::fromLatin1(shot.file)));
        if (shot.recordFile)
            saved &= saveRecord(screen, dialogs, folder, shot.recordFile);
        screens.hideScreen(shot.screen);
    }
    return saved && messages.allSaved() ? 0 : 1;
}
