#include "support/screentest.h"

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

Screen *ScreenTest::open(ScreenId id)
{
    Screen *notice = window(ScreenId::Form2);
    if (notice->isVisible())
        notice->Command39_Click(); // the way to the main menu
    if (id != ScreenId::Form5) {
        screens.showScreen(id);
        screens.hideScreen(ScreenId::Form5);
    }
    return screens.screen(id);
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
