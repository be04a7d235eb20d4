#include "support/scenario.h"

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
    ScreenTest::click(ScreenTest::button(ScreenTest::window(ScreenId::Form2), u"Ana Menü"));
    QCOMPARE(visibleScreens(), QList<ScreenId>{ScreenId::Form5});
    Screen *menu = ScreenTest::window(ScreenId::Form5);

    // No button on the menu leads back to the notice.
    const QList<QPushButton *> buttons = menu->findChildren<QPushButton *>();
    for (QPushButton *menuButton : buttons) {
        if (menuButton->text() == u"X")
            continue;
        ScreenTest::click(menuButton);
        QVERIFY(!ScreenTest::window(ScreenId::Form2)->isVisible());
        const QList<ScreenId> visible = visibleScreens();
        QCOMPARE(visible.size(), 1);
        ScreenTest::click(ScreenTest::button(ScreenTest::window(visible.first()), u"Ana Menü"));
    }
    QVERIFY(!app.ended);
}

void TestNavigation::menuOpensAndReturns_data()
{
    QTest::addColumn<QString>("menuButton"); // its caption
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("caption");

    QTest::newRow("hijri") << u"HİCRİ YAŞ HESABI"_qs << ScreenId::Form8 << u"Hicri Yaş Hesabı"_qs;
    QTest::newRow("prayer") << u"NAMAZ İSKATI"_qs << ScreenId::Form6 << u"NAMAZ İSKATI - GRAM ALTIN HESABI"_qs;
    QTest::newRow("fasting") << u"ORUÇ İSKATI"_qs << ScreenId::Form7 << u"ORUÇ İSKATI"_qs;
    QTest::newRow("how-to") << u"Karvela Nasıl Yapılır?"_qs << ScreenId::Form1 << u"Karvela Nasıl Yapılır?"_qs;
    QTest::newRow("zakat") << u"Zekât, Kurban ve Sadaka-ı Fıtr İskatı"_qs << ScreenId::Form3
                           << u"Zekât, Kurban ve Sadaka-ı Fıtr İskatı"_qs;
    QTest::newRow("rights") << u"Kul ve Hayvan Hakları İskatı"_qs << ScreenId::Form4 << u"KUL VE HAYVAN HAKLARI"_qs;
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

    ScreenTest::click(ScreenTest::button(menu, menuButton));
    QCOMPARE(visibleScreens(), QList<ScreenId>{screen});
    Screen *opened = ScreenTest::window(screen);
    QCOMPARE(opened->windowTitle(), caption);

    ScreenTest::click(ScreenTest::button(opened, u"Ana Menü"));
    QCOMPARE(visibleScreens(), QList<ScreenId>{ScreenId::Form5});

    // Opened again, it is the same screen, not a new one.
    ScreenTest::click(ScreenTest::button(menu, menuButton));
    QCOMPARE(ScreenTest::window(screen), opened);
}

void TestNavigation::typedTextSurvivesLeaving()
{
    ScreenTest app;
    Screen *form8 = app.open(ScreenId::Form8);
    Scenario::play(form8, u"Vefat edenin=69|HESAPLA|Ana Menü");

    ScreenTest::click(ScreenTest::button(ScreenTest::window(ScreenId::Form5), u"HİCRİ YAŞ HESABI"));
    QCOMPARE(Scenario::boxesDiffer(form8, u"Vefat edenin=69|Hicri yaşı=71,12"), QString());
}

void TestNavigation::xEndsWithHiddenScreens()
{
    ScreenTest app;
    app.open(ScreenId::Form8);
    ScreenTest::click(ScreenTest::button(ScreenTest::window(ScreenId::Form8), u"Ana Menü"));
    QVERIFY(!app.ended);

    ScreenTest::click(ScreenTest::button(ScreenTest::window(ScreenId::Form5), u"X"));
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
