#include "support/screentest.h"

#include "support/captioned.h"

#include <QApplication>
#include <QKeyEvent>

ScreenTest::ScreenTest()
{
    screens.start();
}

ScreenTest::~ScreenTest() = default;

Screen *ScreenTest::window(ScreenId id)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == designerName(id))
            return qobject_cast<Screen *>(window);
    }
    return nullptr;
}

namespace {

// The caption of the menu's button that opens each screen.
QStringView menuButton(ScreenId id)
{
    switch (id) {
    case ScreenId::Form8:
        return u"HİCRİ YAŞ HESABI";
    case ScreenId::Form6:
        return u"NAMAZ İSKATI";
    case ScreenId::Form7:
        return u"ORUÇ İSKATI";
    case ScreenId::Form1:
        return u"Karvela Nasıl Yapılır?";
    case ScreenId::Form3:
        return u"Zekât, Kurban ve Sadaka-ı Fıtr İskatı";
    case ScreenId::Form4:
        return u"Kul ve Hayvan Hakları İskatı";
    case ScreenId::Form2:
    case ScreenId::Form5:
        break;
    }
    qFatal("the menu opens no %s", qPrintable(designerName(id)));
}

} // namespace

Screen *ScreenTest::open(ScreenId id)
{
    // As a user goes: "Ana Menü" on what is shown, then the menu's button.
    const Screen *menu = window(ScreenId::Form5);
    if (!menu || !menu->isVisible()) {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            auto *shown = qobject_cast<Screen *>(top);
            if (shown && shown->isVisible() && shown->id() != ScreenId::Form5)
                click(button(shown, u"Ana Menü"));
        }
    }
    if (id != ScreenId::Form5)
        click(button(window(ScreenId::Form5), menuButton(id)));
    return window(id);
}

void ScreenTest::type(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(box, char(c.unicode()));
            continue;
        }
        // QTest types only ASCII; other letters arrive as a keyboard layout would send them.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
}

void ScreenTest::click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

QPushButton *ScreenTest::button(QWidget *window, QStringView caption)
{
    if (QPushButton *button = buttonCaptioned(window, caption))
        return button;
    qFatal("no button %s on %s", qPrintable(caption.toString()), qPrintable(window->objectName()));
}

QLineEdit *ScreenTest::box(QWidget *window, QStringView words)
{
    if (QLineEdit *box = boxCaptioned(window, words))
        return box;
    qFatal("no one box on %s is captioned with \"%s\"", qPrintable(window->objectName()), qPrintable(words.toString()));
}

bool ScreenTest::saveVia(QWidget *window, QStringView caption, const QString &path)
{
    dialogs.files = {path};
    const qsizetype boxes = messages.shown.size();
    click(button(window, caption));
    return messages.shown.size() == boxes;
}
