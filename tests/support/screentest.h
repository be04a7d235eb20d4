#pragma once

#include "app/screenregistry.h"
#include "common/ui/screen.h"
#include "support/scripteddialogs.h"
#include "support/scriptedmessages.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

// The application frame with a scripted message service, for driving screens as
// a user would: type into boxes, click buttons, read boxes and the boxes shown.
class ScreenTest
{
public:
    ScreenTest();
    ~ScreenTest();

    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    bool ended = false; // the program was ended, through "X" or the menu's frame
    ScreenRegistry screens{messages, dialogs, [this] { ended = true; }};

    // Goes to the main menu through "Ana Menü" of what is shown, opens a screen with
    // the menu's button, and returns it.
    Screen *open(ScreenId id);

    // The screen's window, found by its name among the top-level windows, as a user
    // finds it on the desktop; nothing before it was first opened.
    static Screen *window(ScreenId id);

    // Replaces what a box holds with `text`, typed key by key.
    static void type(QLineEdit *box, const QString &text);
    static void click(QPushButton *button);
    // buttonCaptioned and boxCaptioned, stopping the test where nothing fits.
    static QPushButton *button(QWidget *window, QStringView caption);
    static QLineEdit *box(QWidget *window, QStringView words);
    // Clicks the button captioned `caption`, the file dialog it opens answered with
    // `path`: true when no message box followed, the file written.
    bool saveVia(QWidget *window, QStringView caption, const QString &path);

    template<typename T = QWidget>
    static T *control(QWidget *screen, const char *name)
    {
        T *found = screen->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s on %s", name, qPrintable(screen->objectName()));
        return found;
    }
};

Q_DECLARE_METATYPE(ErrorKind)

inline const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
inline const QLocale english(QLocale::English, QLocale::UnitedStates);
