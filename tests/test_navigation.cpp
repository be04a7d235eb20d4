#include "support/screentest.h"

#include <QCloseEvent>
#include <QTest>

namespace {

QList<ScreenId> visibleScreens()
{
    QList<ScreenId> visible;
    for (int i = 0; i < screenCount; ++i) {
        const Screen *screen = ScreenTest::window(static_cast<ScreenId>(i));
        if (screen && screen->isVisible())
            visible.append(static_cast<ScreenId>(i));
    }
    return visible;
}

QPushButton *button(Screen *screen, const char *name)
{
    return ScreenTest::control<QPushButton>(screen, name);
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(turkish); }

    void startsOnTheNoticeAlone();
    void noticeLeadsToTheMenuForGood();
    void menuOpensAndReturns_data();
    void menuOpensAndReturns();
    void typedTextSurvivesLeaving();
    void xEndsWithHiddenScreens();
    void frameCloseOnMenuEnds();
    void frameCloseElsewhereReturns_data();
    void frameCloseElsewhereReturns();
};

void TestNavigation::startsOnTheNoticeAlone()
{
    ScreenTest app;
    QCOMPARE(visibleScreens(), QList<ScreenId>{ScreenId::Form2});
    // Every other slot stays empty until it is needed.
    for (ScreenId id : {ScreenId::Form1, ScreenId::Form3, ScreenId::Form4, ScreenId::Form5, ScreenId::Form6,
                        ScreenId::Form7, ScreenId::Form8})
        QVERIFY(!ScreenTest::window(id));
}

void TestNavigation::noticeLeadsToTheMenuForGood()
{
    ScreenTest app;
    ScreenTest::click(button(ScreenTest::window(ScreenId::Form2), "Command39"));
    QCOMPARE(visibleScreens(), QList<ScreenId>{ScreenId::Form5});
    Screen *menu = ScreenTest::window(ScreenId::Form5);

    // No button on the menu leads back to the notice.
    const QList<QPushButton *> buttons = menu->findChildren<QPushButton *>();
    for (QPushButton *menuButton : buttons) {
        if (menuButton->objectName() == QLatin1String("Command4"))
            continue;
        ScreenTest::click(menuButton);
        QVERIFY(!ScreenTest::window(ScreenId::Form2)->isVisible());
        const QList<ScreenId> visible = visibleScreens();
        QCOMPARE(visible.size(), 1);
        ScreenTest::click(button(ScreenTest::window(visible.first()), "Command39"));
    }
    QVERIFY(!app.ended);
}

void TestNavigation::menuOpensAndReturns_data()
{
    QTest::addColumn<QString>("menuButton");
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("caption");

    QTest::newRow("hijri") << QStringLiteral("Commandl") << ScreenId::Form8 << QStringLiteral("Hicri Yaş Hesabı");
    QTest::newRow("prayer") << QStringLiteral("Command2") << ScreenId::Form6
                            << QStringLiteral("NAMAZ İSKATI - GRAM ALTIN HESABI");
    QTest::newRow("fasting") << QStringLiteral("Command3") << ScreenId::Form7 << QStringLiteral("ORUÇ İSKATI");
    QTest::newRow("how-to") << QStringLiteral("Command90") << ScreenId::Form1
                            << QStringLiteral("Karvela Nasıl Yapılır?");
    QTest::newRow("zakat") << QStringLiteral("Command7") << ScreenId::Form3
                           << QStringLiteral("Zekât, Kurban ve Sadaka-ı Fıtr İskatı");
    QTest::newRow("rights") << QStringLiteral("Command8") << ScreenId::Form4 << QStringLiteral("KUL VE HAYVAN HAKLARI");
}

void TestNavigation::menuOpensAndReturns()
{
    QFETCH(QString, menuButton);
    QFETCH(ScreenId, screen);
    QFETCH(QString, caption);

    ScreenTest app;
    app.screens.showScreen(ScreenId::Form5);
    app.screens.hideScreen(ScreenId::Form2);
    Screen *menu = ScreenTest::window(ScreenId::Form5);

    ScreenTest::click(button(menu, menuButton.toLatin1().constData()));
    QCOMPARE(visibleScreens(), QList<ScreenId>{screen});
    Screen *opened = ScreenTest::window(screen);
    QCOMPARE(opened->windowTitle(), caption);

    ScreenTest::click(button(opened, "Command39"));
    QCOMPARE(visibleScreens(), QList<ScreenId>{ScreenId::Form5});

    // Opened again, it is the same screen, not a new one.
    ScreenTest::click(button(menu, menuButton.toLatin1().constData()));
    QCOMPARE(ScreenTest::window(screen), opened);
}

void TestNavigation::typedTextSurvivesLeaving()
{
    ScreenTest app;
    Screen *form8 = app.open(ScreenId::Form8);
    auto *age = ScreenTest::control<QLineEdit>(form8, "Text1");
    ScreenTest::type(age, QStringLiteral("69"));
    ScreenTest::click(ScreenTest::control<QPushButton>(form8, "Command1"));
    ScreenTest::click(button(form8, "Command39"));

    ScreenTest::click(button(ScreenTest::window(ScreenId::Form5), "Commandl"));
    QCOMPARE(age->text(), QStringLiteral("69"));
    QCOMPARE(ScreenTest::control<QLineEdit>(form8, "Text2")->text(), QStringLiteral("71,12"));
}

void TestNavigation::xEndsWithHiddenScreens()
{
    ScreenTest app;
    app.open(ScreenId::Form8);
    ScreenTest::click(button(ScreenTest::window(ScreenId::Form8), "Command39"));
    QVERIFY(!app.ended);

    ScreenTest::click(button(ScreenTest::window(ScreenId::Form5), "Command4"));
    QVERIFY(app.ended);
    QVERIFY(visibleScreens().isEmpty());
    QVERIFY2(app.messages.shown.isEmpty(), "ending asked something");
}

void TestNavigation::frameCloseOnMenuEnds()
{
    ScreenTest app;
    app.screens.showScreen(ScreenId::Form5);
    QCloseEvent close;
    QApplication::sendEvent(ScreenTest::window(ScreenId::Form5), &close);
    QVERIFY(app.ended);
}

void TestNavigation::frameCloseElsewhereReturns_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::newRow("startup notice") << ScreenId::Form2;
    QTest::newRow("hijri converter") << ScreenId::Form8;
}

void TestNavigation::frameCloseElsewhereReturns()
{
    QFETCH(ScreenId, screen);
    ScreenTest app;
    if (screen != ScreenId::Form2)
        app.open(screen);

    QVERIFY(ScreenTest::window(screen)->close() == false);
    QCOMPARE(visibleScreens(), QList<ScreenId>{ScreenId::Form5});
    QVERIFY(!app.ended);
}

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
