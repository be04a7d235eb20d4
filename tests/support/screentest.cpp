#include "support/screentest.h"

ScreenTest::ScreenTest()
{
    screens.start();
}

ScreenTest::~ScreenTest() = default;

Screen *ScreenTest::open(ScreenId id)
{
    Screen *notice = screens.existing(ScreenId::Form2);
    if (notice->isVisible())
        notice->Command39_Click();
    screens.showScreen(id);
    screens.hideScreen(ScreenId::Form5);
    return screens.screen(id);
}

void ScreenTest::type(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void ScreenTest::click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}
