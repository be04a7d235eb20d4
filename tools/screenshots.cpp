// Writes a picture of each of the eight screens, with example figures typed in,
// into the folder given on the command line (docs/screenshots by default).

#include "app/application.h"
#include "app/screenregistry.h"
#include "common/messages.h"
#include "common/screen.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

namespace {

// Answers every question with Yes and lets every note pass, as a user reading along would.
class AnswerYes : public MessageService
{
public:
    MessageAnswer show(const MessageBoxRequest &request) override
    {
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
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
};

void fill(Screen *screen, const Shot &shot)
{
    for (const Typing &typing : shot.typing)
        screen->findChild<QLineEdit *>(QString::fromLatin1(typing.box))->setText(typing.text);
    for (const char *button : shot.clicks)
        screen->findChild<QPushButton *>(QString::fromLatin1(button))->click();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setUpApplication(app);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
    QDir().mkpath(folder.path());

    const QList<Shot> shots = {
        {ScreenId::Form2, "1-baslangic.png", {}, {}},
        {ScreenId::Form5, "2-ana-menu.png", {}, {}},
        {ScreenId::Form8, "3-hicri-yas.png", {{"Text1", QStringLiteral("69")}}, {"Command1"}},
        {ScreenId::Form6, "4-namaz-iskati.png",
         {{"Text8", QStringLiteral("10")}, {"Text3", QStringLiteral("4000")}, {"Text1", QStringLiteral("71")},
          {"Text11", QStringLiteral("100")}, {"Text12", QStringLiteral("2")}},
         {"Command1", "Command13"}},
        {ScreenId::Form7, "5-oruc-iskati.png",
         {{"Text4", QStringLiteral("2")}, {"Text3", QStringLiteral("500")}, {"Text1", QStringLiteral("71")},
          {"Text6", QStringLiteral("5")}, {"Text8", QStringLiteral("2")}},
         {"Command2", "Command6"}},
        {ScreenId::Form1, "6-karvela-nasil-yapilir.png", {}, {}},
        {ScreenId::Form3, "7-zekat-kurban-fitr.png", {}, {}},
        {ScreenId::Form4, "8-kul-ve-hayvan-haklari.png", {}, {}},
    };

    AnswerYes messages;
    ScreenRegistry screens(messages);
    int failures = 0;
    for (const Shot &shot : shots) {
        screens.showScreen(shot.screen);
        Screen *screen = screens.screen(shot.screen);
        fill(screen, shot);
        QApplication::processEvents();
        if (!screen->grab().save(folder.filePath(QString::fromLatin1(shot.file))))
            ++failures;
        screens.hideScreen(shot.screen);
    }
    return failures == 0 ? 0 : 1;
}
