#include "support/screentest.h"

#include <QApplication>
#include <QTest>

// A keyboard user's way through the screens: Tab walks the designed order, each
// result box right after the button that fills it; Enter and Space press the
// focused button.
class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(turkish); }
    void tabWalksTheDesignedOrder_data();
    void tabWalksTheDesignedOrder();
    void enterAndSpacePressTheFocusedButton_data();
    void enterAndSpacePressTheFocusedButton();
};

void TestKeyboard::tabWalksTheDesignedOrder_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QStringList>("order");

    const auto names = [](const char *list) { return QString::fromLatin1(list).split(u' '); };
    QTest::newRow("menu") << ScreenId::Form5
                          << names("Command2 Command3 Command90 Command7 Command8 Command4 Commandl");
    QTest::newRow("prayer") << ScreenId::Form6
                            << names("Text1 Command2 Command1 Text2 Text10 Text11 Text12 Command13 Text13 Text14 "
                                     "Command39 DevirCizelgesi Text8 Text3");
    QTest::newRow("fasting") << ScreenId::Form7
                             << names("Text4 Text3 Command2 Command1 Text2 Text5 Text6 Text8 Command6 Text9 Text1 "
                                      "Command39 DevirCizelgesi");
    QTest::newRow("hijri") << ScreenId::Form8 << names("Text1 Command1 Text2 Command39 Text3 Text4 Command2 Text5");
    QTest::newRow("how-to") << ScreenId::Form1 << names("Text1 Command39");
    QTest::newRow("rights") << ScreenId::Form4 << names("Text1 Command39");
}

void TestKeyboard::tabWalksTheDesignedOrder()
{
    QFETCH(ScreenId, screen);
    QFETCH(QStringList, order);

    ScreenTest app;
    Screen *opened = app.open(screen);
    QApplication::setActiveWindow(opened);
    QVERIFY(QTest::qWaitForWindowActive(opened));

    QStringList walked;
    for (qsizetype i = 0; i <= order.size(); ++i) {
        QWidget *focused = QApplication::focusWidget();
        walked.append(focused ? focused->objectName() : QString());
        // A result box reached with Tab still takes no typing.
        if (auto *box = qobject_cast<QLineEdit *>(focused); box && box->isReadOnly()) {
            const QString shown = box->text();
            QTest::keyClicks(box, QStringLiteral("7"));
            QCOMPARE(box->text(), shown);
        }
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(walked, order + QStringList{order.first()});
    QVERIFY2(app.messages.shown.isEmpty(), "Tab into the age box showed a reminder");
}

void TestKeyboard::enterAndSpacePressTheFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestKeyboard::enterAndSpacePressTheFocusedButton()
{
    QFETCH(int, key);
    ScreenTest app;
    Screen *hijri = app.open(ScreenId::Form8);
    ScreenTest::type(ScreenTest::box(hijri, u"Vefat edenin"), QStringLiteral("69"));
    QPushButton *hesapla = ScreenTest::button(hijri, u"HESAPLA");
    hesapla->setFocus();
    QTest::keyClick(hesapla, Qt::Key(key));
    QCOMPARE(ScreenTest::box(hijri, u"Hicri yaşı")->text(), QStringLiteral("71,12"));
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
