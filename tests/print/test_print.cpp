#include "calc/screens/devirwindow.h"
#include "support/scenario.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTest>

// The devir record of the prayer screen's example, printed through Qt to the CUPS
// queue that KARVELA_TEST_PRINTER names, as "Yazdır..." prints once its dialog is
// closed. Run by print/run-print.sh, which sets up the queue and reads what it printed.
class TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void printsTheRecord();
};

void TestPrint::printsTheRecord()
{
    const QString queue = qEnvironmentVariable("KARVELA_TEST_PRINTER");
    if (queue.isEmpty())
        QSKIP("no printer named");
    QVERIFY2(QPrinterInfo::availablePrinterNames().contains(queue), "Qt does not see the queue");
    QLocale::setDefault(turkish);

    ScreenTest app;
    app.messages.answers = {MessageAnswer::Yes};
    Screen *prayer = app.open(ScreenId::Form6);
    Scenario::play(prayer, u"buğday=1|altın fiyatı=400|yaş=71|Kadın|Mevcut altın=100|Fakir=2|H E S A P L A|"
                           u"Devir Çizelgesi");
    auto *window = prayer->findChild<DevirWindow *>();
    QVERIFY(window);

    // "Yazdır..." with the queue chosen in its dialog: printed, with no box.
    bool valid = false;
    app.dialogs.printer = [&](QPrinter &printer) {
        printer.setPrinterName(queue);
        valid = printer.isValid();
    };
    const qsizetype boxes = app.messages.shown.size();
    ScreenTest::click(ScreenTest::button(window, u"Yazdır..."));
    QVERIFY(valid);
    QCOMPARE(app.messages.shown.size(), boxes);
}

QTEST_MAIN(TestPrint)
#include "test_print.moc"
