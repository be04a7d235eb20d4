#include "support/scenario.h"

#include "calc/screens/ceremonywindow.h"
#include "calc/screens/devirwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// The prayer and fasting screens driven as a user would: type, click, answer the
// boxes, then read the result boxes and the boxes that were shown, in order.
class TestCalculators : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(turkish); }
    void sessions_data();
    void sessions();
    void namedReports_data();
    void namedReports();
    void englishLocaleReadsAndWritesPoints();
    void recordOfTheWholeCeremony();
    void openRecordFollowsTheScreens();
    void recordOfOneDeceased();
    void recordOnPaperIsWhole_data();
    void recordOnPaperIsWhole();
    void caseSavedAndOpened();
    void failedSaveKeepsTheEarlierFile();
    void ceremonyByKeys();
};

namespace {

QStringList list(const char *items)
{
    return QString::fromUtf8(items).split(u'|', Qt::SkipEmptyParts);
}

// The hand-over a ceremony's window shows, as a screen reader says it with "Verildi".
QString handoverSaid(QWidget *window)
{
    return ScreenTest::button(window, u"Verildi")->accessibleName();
}

QList<MessageAnswer> answersFrom(const char *yesNo)
{
    QList<MessageAnswer> answers;
    for (const char *c = yesNo; *c; ++c)
        answers.append(*c == 'Y' ? MessageAnswer::Yes : MessageAnswer::No);
    return answers;
}

} // namespace

void TestCalculators::sessions_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QLocale>("locale");

    struct Row
    {
        const char *name;
        ScreenId screen;
        const char *answers, *steps, *messages, *boxes;
        QLocale locale = turkish;
    };
    const Row rows[] = {
        // The prayer screen.
        {"woman 71, Yes, then rounds", ScreenId::Form6, "Y",
         "Text8=1|Text3=400|Text1=71|Command1|Text11=100|Text12=2|Command13", "question|continue",
         "Text2=62|Text10=589|Text13=200|Text14=2,9"},
        {"woman 70, decimal wheat, No", ScreenId::Form6, "N",
         "Text8=1,5|Text3=400|Text1=70|Command1|Text11=100|Text12=3|Command13", "question|converter",
         "Text2=61|Text10=869,25|Text13=300|Text14=2,9"},
        {"woman, both prices empty: the 432 g figure stays", ScreenId::Form6, "N", "Text1=71|Command1",
         "question|converter|badPrices", "Text2=62|Text10=26784"},
        {"man, both prices empty: no stale gold", ScreenId::Form6, "YN",
         "Text8=1|Text3=400|Text1=71|Command2|Text8=|Text3=|Command2", "question|continue|question|converter|badPrices",
         "Text2=59|Text10="},
        {"man, wheat only empty", ScreenId::Form6, "N", "Text3=400|Text1=30|Command2", "question|converter|badPrices",
         "Text2=18|Text10="},
        {"woman, a blank price is not empty", ScreenId::Form6, "N", "Text8= |Text3=400|Text1=71|Command1",
         "question|converter|report:TypeMismatch", "Text2=62|Text10=26784"},
        {"man, a blank price empties the gold", ScreenId::Form6, "NN",
         "Text8=1|Text3=400|Text1=71|Command2|Text8= |Command2",
         "question|converter|question|converter|report:TypeMismatch", "Text2=59|Text10=|Text8= "},
        {"gold price 0", ScreenId::Form6, "N", "Text8=1|Text3=0|Text1=71|Command2",
         "question|converter|report:DivisionByZero", "Text2=59|Text10="},
        {"a price beyond a double is an overflow", ScreenId::Form6, "N", "Text8=1e400|Text3=400|Text1=71|Command2",
         "question|converter|report:Overflow", "Text2=59|Text10="},
        // Left to right: the wheat's value overflows before the gold price is read.
        {"the first fault met is reported", ScreenId::Form6, "N", "Text8=1e306|Text3=abc|Text1=71|Command2",
         "question|converter|report:Overflow", "Text2=59|Text10="},
        {"misplaced grouping is no price", ScreenId::Form6, "N", "Text8=1.25|Text3=400|Text1=71|Command2",
         "question|converter|report:TypeMismatch", "Text2=59|Text10="},
        {"years from a fractional age", ScreenId::Form6, "N", "Text8=1|Text3=400|Text1=20,5|Command2",
         "question|converter", "Text2=8,5|Text10=80,75"},
        {"letters for an age", ScreenId::Form6, "N", "Text8=1|Text3=400|Text1=yetmiş|Command1",
         "question|converter|report:TypeMismatch", "Text2=|Text10="},
        {"age below obligation owes nothing", ScreenId::Form6, "N", "Text8=1|Text3=400|Text1=7|Command1",
         "question|converter", "Text2=0|Text10=0"},
        {"grouped gold price", ScreenId::Form6, "N", "Text8=14,5|Text3=5.800|Text1=70|Command1", "question|converter",
         "Text2=61|Text10=579,5"},
        {"reminder with one price", ScreenId::Form6, "", "Text8=1|@Text1", "question!|notePrayer", ""},
        {"reminder with the other price", ScreenId::Form6, "", "Text3=400|@Text1", "question!|notePrayer", ""},
        {"reminder without prices", ScreenId::Form6, "Y", "@Text1", "question!|badPrices", ""},
        {"rounds read back a decimal comma", ScreenId::Form6, "N",
         "Text8=1,5|Text3=400|Text1=70|Command1|Text11=0.25|Text12=1|Command13", "question|converter",
         "Text10=869,25|Text13=0,25|Text14=3477"},
        {"no gold at hand: reported, rounds emptied", ScreenId::Form6, "N",
         "Text8=1|Text3=400|Text1=71|Command1|Text11=100|Text12=2|Command13|Text11=|Command13",
         "question|converter|report:TypeMismatch", "Text13=|Text14="},
        {"gold per round overflows", ScreenId::Form6, "", "Text11=1e308|Text12=10|Command13", "report:Overflow",
         "Text13=|Text14="},

        // The devir record, refused while the screen shows no current figures.
        {"record before any gold figure", ScreenId::Form6, "", "DevirCizelgesi", "recordFirst", ""},
        {"record after a price changed", ScreenId::Form6, "N",
         "Text8=1|Text3=400|Text1=71|Command1|Text3=500|DevirCizelgesi", "question|converter|recordResettle", ""},
        {"record with rounds of an earlier gold figure", ScreenId::Form7, "NN",
         "Text4=2|Text3=500|Text1=71|Command2|Text6=5|Text8=2|Command6|Text1=70|Command2|DevirCizelgesi",
         "question|converter|question|converter|recordRecount", "Text9=1,2"},

        // The fasting screen.
        {"man 71, then rounds", ScreenId::Form7, "Y", "Text4=2|Text3=500|Text1=71|Command2|Text6=5|Text8=2|Command6",
         "question|continue", "Text2=59|Text5=12,39|Text9=1,2"},
        {"reminder says only the note", ScreenId::Form7, "", "@Text1", "noteFasting", ""},
        {"letters for gold: reported, no stale gold", ScreenId::Form7, "NN",
         "Text4=2|Text3=500|Text1=71|Command2|Text3=abc|Command2",
         "question|converter|question|converter|report:TypeMismatch", "Text2=59|Text5=|Text3=abc"},
        {"grouped gold price", ScreenId::Form7, "N", "Text4=14,5|Text3=5.800|Text1=70|Command1", "question|converter",
         "Text2=61|Text5=8,00625"},
        {"words after a price are passed over", ScreenId::Form7, "N", "Text4=2 TL|Text3=500|Text1=71|Command2",
         "question|converter", "Text5=12,39"},
        {"both prices empty", ScreenId::Form7, "N", "Text1=71|Command1", "question|converter|badPrices",
         "Text2=62|Text5="},
        {"wheat with a decimal comma", ScreenId::Form7, "N", "Text4=12,5|Text3=500|Text1=21|Command2",
         "question|converter", "Text2=9|Text5=11,8125"},
        {"wheat with a decimal point", ScreenId::Form7, "N", "Text4=12.5|Text3=500|Text1=21|Command2",
         "question|converter", "Text2=9|Text5=11,8125"},
        {"no gold at hand: reported, rounds emptied", ScreenId::Form7, "N",
         "Text4=2|Text3=500|Text1=71|Command2|Text6=5|Text8=2|Command6|Text6=|Command6",
         "question|converter|report:TypeMismatch", "Text9="},

        // The Hijri converter from the two dates; "HESAPLA" on the solar age it wrote
        // agrees with the dates' Hijri age to within 0,01.
        {"hijri from the dates", ScreenId::Form8, "", "Text3=12.03.1948|Text4=02.11.2025|Command2", "",
         "Text1=77,64|Text2=80,03|Text5=80,03 hicri yıl: 1 Cemaziyelevvel 1367 (hesap takvimi) – 11 Cemaziyelevvel 1447"},
        {"hijri from the solar age the dates wrote", ScreenId::Form8, "",
         "Text3=12.03.1948|Text4=02.11.2025|Command2|Command1", "", "Text1=77,64|Text2=80,02"},

        // The Hijri converter from a solar age, read strictly by the locale.
        {"hijri 69", ScreenId::Form8, "", "Text1=69|Command1", "", "Text2=71,12"},
        {"hijri, decimal comma", ScreenId::Form8, "", "Text1=30,5|Command1", "", "Text2=31,44"},
        {"hijri, English", ScreenId::Form8, "", "Text1=69|Command1", "", "Text2=71.12", english},
        {"hijri, English decimal point", ScreenId::Form8, "", "Text1=30.5|Command1", "", "Text2=31.44", english},
        {"hijri, empty age empties the result", ScreenId::Form8, "", "Text1=69|Command1|Text1=|Command1",
         "report:TypeMismatch", "Text2=|Text1="},
        {"hijri, letters", ScreenId::Form8, "", "Text1=69|Command1|Text1=abc|Command1", "report:TypeMismatch",
         "Text2=|Text1=abc"},
        {"hijri, misplaced grouping", ScreenId::Form8, "", "Text1=69|Command1|Text1=1.25|Command1",
         "report:TypeMismatch", "Text2=|Text1=1.25"},
        // A number, only too large to work with: an overflow, not a type mismatch.
        {"hijri, beyond a double", ScreenId::Form8, "", "Text1=69|Command1|Text1=1e400|Command1", "report:Overflow",
         "Text2=|Text1=1e400"},
    };
    for (const Row &row : rows) {
        QTest::newRow(row.name) << row.screen << answersFrom(row.answers) << list(row.steps) << list(row.messages)
                                << list(row.boxes) << row.locale;
    }
}

void TestCalculators::sessions()
{
    QFETCH(ScreenId, screen);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, boxes);
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);

    ScreenTest app;
    app.messages.answers = answers;
    Screen *opened = app.open(screen);
    Scenario::play(opened, steps);

    QCOMPARE(Scenario::messageKeys(app.messages.shown), messages);
    QString mismatch;
    QVERIFY2(Scenario::boxesMatch(opened, boxes, &mismatch), qPrintable(mismatch));
    QVERIFY2(app.messages.answers.isEmpty(), "a scripted answer was not asked for");
    QVERIFY(!app.ended);
    QVERIFY(opened->isVisible());
}

// Each report names the box at fault by its caption and quotes what it holds; the
// box then has the focus, its text selected, ready to be typed over.
void TestCalculators::namedReports_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("named"); // the caption, then what the box holds, as the report quotes them
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("boxes");

    struct Row
    {
        const char *name;
        ScreenId screen;
        const char *steps, *report, *named, *focus, *boxes;
    };
    const Row rows[] = {
        {"prayer, empty age", ScreenId::Form6, "Text8=1|Text3=400|Command1", "TypeMismatch",
         "\"Vefat edenin yaşı\" kutusu boş", "Text1", "Text2=|Text10="},
        {"fasting, blank age", ScreenId::Form7, "Text4=2|Text3=500|Text1=  |Command2", "TypeMismatch",
         "\"Vefat edenin yaşı\" kutusu boş", "Text1", "Text2=|Text5="},
        {"prayer, negative gold price", ScreenId::Form6, "Text8=1|Text3=-5|Text1=71|Command2", "OutOfRange",
         "\"Bugün 1 gram altın\" kutusundaki \"-5\"", "Text3", "Text2=59|Text10="},
        {"fasting, negative gold price", ScreenId::Form7, "Text4=2|Text3=-5|Text1=71|Command2", "OutOfRange",
         "\"Bugün 1 gram altın\" kutusundaki \"-5\"", "Text3", "Text2=59|Text5="},
        {"prayer, words for a price", ScreenId::Form6, "Text8=1|Text3=dörtbin|Text1=71|Command1", "TypeMismatch",
         "\"Bugün 1 gram altın\" kutusundaki \"dörtbin\" sayı olarak okunamadı.", "Text3", "Text10=26784"},
        {"fasting, negative wheat price", ScreenId::Form7, "Text4=-2|Text3=500|Text1=71|Command2", "OutOfRange",
         "\"Bugün 1 kg buğday\" kutusundaki \"-2\"", "Text4", "Text5="},
        {"prayer, no poor", ScreenId::Form6, "Text8=1|Text3=400|Text1=71|Command1|Text11=100|Text12=0|Command13",
         "DivisionByZero", "\"Fakir sayısı\" kutusundaki \"0\"", "Text12", "Text13=|Text14="},
        {"fasting, no poor", ScreenId::Form7, "Text4=2|Text3=500|Text1=71|Command2|Text6=5|Text8=0|Command6",
         "DivisionByZero", "\"Fakir sayısı\" kutusundaki \"0\"", "Text8", "Text9="},
        {"fasting, half a poor person", ScreenId::Form7,
         "Text4=2|Text3=500|Text1=71|Command2|Text6=5|Text8=2,5|Command6", "OutOfRange",
         "\"Fakir sayısı\" kutusundaki \"2,5\" tam sayı değil", "Text8", "Text9="},
        {"fasting, negative gold at hand", ScreenId::Form7,
         "Text4=2|Text3=500|Text1=71|Command2|Text6=-5|Text8=2|Command6", "OutOfRange",
         "\"Mevcut Altın Miktarı ( Gram )\" kutusundaki \"-5\"", "Text6", "Text9="},
        {"prayer, rounds before any gold figure", ScreenId::Form6, "Text11=100|Text12=2|Command13", "TypeMismatch",
         "\"İskat için verilmesi gereken altın gram miktarı\" kutusu boş.\n\nBu kutuyu program doldurur", "Text10",
         "Text13=200|Text14="},
        {"fasting, rounds before any gold figure", ScreenId::Form7, "Text6=5|Text8=2|Command6", "TypeMismatch",
         "\"Gereken Altın Miktarı\" kutusu boş", "Text5", "Text9="},
        {"prayer, the wheat's value overflows", ScreenId::Form6, "Text8=1e306|Text3=400|Text1=71|Command2", "Overflow",
         "\"Bugün 1 kg buğday\" kutusundaki \"1e306\" ile", "Text8", "Text10="},
        {"prayer, the gold per round overflows", ScreenId::Form6, "Text11=1e308|Text12=10|Command13", "Overflow",
         "\"Mevcut altının gram miktarı\" kutusundaki \"1e308\" ile", "Text11", "Text13=|Text14="},
        {"long text is cut", ScreenId::Form7, "Text4=2|Text3=beş yüz lira, bugünkü kuyumcu fiyatı|Text1=71|Command2",
         "TypeMismatch", "\"beş yüz lira, bugünkü kuyumcu …\"", "Text3", "Text5="},
        {"hijri, letters", ScreenId::Form8, "Text1=abc|Command1", "TypeMismatch",
         "\"VEFAT EDENİN YAŞI\" kutusundaki \"abc\" sayı olarak okunamadı", "Text1", "Text2="},
        {"hijri, negative age", ScreenId::Form8, "Text1=-3|Command1", "OutOfRange",
         "\"VEFAT EDENİN YAŞI\" kutusundaki \"-3\" sıfırdan küçük olamaz", "Text1", "Text2="},
        {"hijri, a death before the birth", ScreenId::Form8,
         "Text3=12.03.1948|Text4=02.11.2025|Command2|Text4=01.01.1940|Command2", "OutOfRange",
         "\"VEFAT TARİHİ\" kutusundaki \"01.01.1940\" doğum tarihinden önce.\n\nLütfen doğum ve vefat tarihlerini "
         "kontrol ediniz (örneğin 23.04.1951).",
         "Text4", "Text1=77,64|Text2=|Text5="},
        {"hijri, no such day", ScreenId::Form8, "Text3=31.02.1950|Text4=02.11.2025|Command2", "OutOfRange",
         "\"DOĞUM TARİHİ\" kutusundaki \"31.02.1950\" takvimde olmayan bir gün", "Text3", "Text2=|Text5="},
        {"hijri, a two-digit year", ScreenId::Form8, "Text3=12.03.1948|Text4=2.11.25|Command2", "TypeMismatch",
         "\"VEFAT TARİHİ\" kutusundaki \"2.11.25\" tarihinde yıl dört haneli değil", "Text4", "Text1=|Text2="},
    };
    for (const Row &row : rows) {
        QTest::newRow(row.name) << row.screen << list(row.steps) << QString::fromUtf8(row.report)
                                << QString::fromUtf8(row.named) << QString::fromUtf8(row.focus) << list(row.boxes);
    }
}

void TestCalculators::namedReports()
{
    QFETCH(ScreenId, screen);
    QFETCH(QStringList, steps);
    QFETCH(QString, report);
    QFETCH(QString, named);
    QFETCH(QString, focus);
    QFETCH(QStringList, boxes);

    ScreenTest app;
    app.messages.answers = {MessageAnswer::No};
    Screen *opened = app.open(screen);
    Scenario::play(opened, steps);

    QVERIFY(!app.messages.shown.isEmpty());
    QCOMPARE(Scenario::messageKeys({app.messages.shown.last()}), QStringList{QStringLiteral("report:") + report});
    const QString text = app.messages.shown.last().text;
    QVERIFY2(text.contains(named), qPrintable(text));
    QString mismatch;
    QVERIFY2(Scenario::boxesMatch(opened, boxes, &mismatch), qPrintable(mismatch));
    const auto *focused = qobject_cast<QLineEdit *>(opened->focusWidget());
    QVERIFY(focused);
    QCOMPARE(focused->objectName(), focus);
    QCOMPARE(focused->selectedText(), focused->text());
}

void TestCalculators::englishLocaleReadsAndWritesPoints()
{
    QLocale::setDefault(english);
    ScreenTest app;
    Screen *prayer = app.open(ScreenId::Form6);
    Scenario::play(prayer, list("Text8=1.5|Text3=400|Text1=70|Command1|Text11=100|Text12=3|Command13"));
    QString mismatch;
    QVERIFY2(Scenario::boxesMatch(prayer, list("Text2=61|Text10=869.25|Text14=2.9"), &mismatch), qPrintable(mismatch));

    // The same figure on the fasting screen, grouped the English way; a report's
    // example figure is written the English way too.
    Screen *fasting = app.open(ScreenId::Form7);
    Scenario::play(fasting, list("Text4=14.5|Text3=5,800|Text1=70|Command1|Text8=|Command6"));
    QVERIFY2(Scenario::boxesMatch(fasting, list("Text5=8.00625"), &mismatch), qPrintable(mismatch));
    QVERIFY2(app.messages.shown.last().text.contains(QStringLiteral("12 veya 12.5")),
             qPrintable(app.messages.shown.last().text));
}

namespace {

// The text of a PDF, laid out as on its pages, or with "-raw" in the order it was drawn.
QString readPdf(const QString &pdf, int page = 0, const QString &order = QStringLiteral("-layout"))
{
    QProcess reader;
    QStringList arguments = {order, pdf, QStringLiteral("-")};
    if (page > 0)
        arguments = QStringList{QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                QString::number(page)} +
                    arguments;
    reader.start(QStringLiteral("pdftotext"), arguments);
    reader.waitForFinished(20000);
    return QString::fromUtf8(reader.readAllStandardOutput());
}

DevirWindow *openRecordWithCtrlP(Screen *screen)
{
    QApplication::setActiveWindow(screen);
    QTest::keyClick(screen, Qt::Key_P, Qt::ControlModifier);
    auto *window = screen->findChild<DevirWindow *>();
    return window && window->isVisible() ? window : nullptr;
}

// The record as its window shows it.
QString recordText(const DevirWindow *window)
{
    return window->findChild<QTextBrowser *>()->toPlainText();
}

QLineEdit *nameBox(QWidget *window, const QString &accessibleName)
{
    for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
        if (box->accessibleName() == accessibleName)
            return box;
    }
    return nullptr;
}

// The record opened with Ctrl+P from the prayer screen once `steps` are played on it.
DevirWindow *recordOfPrayers(ScreenTest &app, const char *steps)
{
    Screen *prayer = app.open(ScreenId::Form6);
    Scenario::play(prayer, list(steps));
    return openRecordWithCtrlP(prayer);
}

// The example of a woman of 75 on both screens, with her names typed above its record,
// opened with Ctrl+P from the prayer screen.
DevirWindow *recordOfTheExample(ScreenTest &app)
{
    app.messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    Screen *fasting = app.open(ScreenId::Form7);
    Scenario::play(fasting, list("Text4=11|Text3=4100|Text1=75|Command1|Text6=30|Text8=3|Command6"));
    Screen *prayer = app.open(ScreenId::Form6);
    Scenario::play(prayer, list("Text8=11|Text3=4100|Text1=75|Command1|Text11=30|Text12=3|Command13"));
    DevirWindow *window = openRecordWithCtrlP(prayer);
    const std::pair<const char *, const char *> names[] = {
        {"Vefat edenin adı", "Ayşe"}, {"Babasının adı", "Ahmet"}, {"Velî / vekil", "Mehmet"}};
    for (const auto &[box, name] : names)
        ScreenTest::type(nameBox(window, QString::fromUtf8(box)), QString::fromUtf8(name));
    return window;
}

} // namespace

// The whole ceremony of a woman of 75 on both screens, opened with Ctrl+P from the
// fasting screen, the names typed above it: in its window and in its PDF read back
// with pdftotext; the names still there when it is opened again from the prayer
// screen; a PDF that cannot be saved leaves nothing behind.
void TestCalculators::recordOfTheWholeCeremony()
{
    ScreenTest app;
    app.messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    Screen *prayer = app.open(ScreenId::Form6);
    Scenario::play(prayer, list("Text8=11|Text3=4100|Text1=75|Command1|Text11=30|Text12=3|Command13"));
    Screen *fasting = app.open(ScreenId::Form7);
    Scenario::play(fasting, list("Text4=11|Text3=4100|Text1=75|Command1|Text6=30|Text8=3|Command6"));
    DevirWindow *window = openRecordWithCtrlP(fasting);
    QVERIFY(window);
    const std::pair<const char *, const char *> names[] = {
        {"Vefat edenin adı", "Ayşe"}, {"Babasının adı", "Ahmet"}, {"Velî / vekil", "Mehmet"}};
    for (const auto &[box, name] : names) {
        QVERIFY2(nameBox(window, QString::fromUtf8(box)), box);
        ScreenTest::type(nameBox(window, QString::fromUtf8(box)), QString::fromUtf8(name));
    }

    const QStringList figures = list(
        "Namaz iskâtı: 672,88 g altın, 8 devir|Oruç iskâtı: 9,30 g altın, 1 devir|toplam 11 devir, 30 el değiştirme|"
        "672,88 g + 9,30 g = 682,18 g|2.758.800 TL + 38.115 TL = 2.796.915 TL|"
        "7 tam devir ve 42,88 gramlık bir son devir, toplam 8 devir (ekranda 7,5)|"
        "\"Ahmet kızı Ayşe'nin 66 senelik namaz borcuna karşılık bu altını sana iskât olarak verdim.\"|"
        "Ahmet kızı Ayşe'nin 66 senelik oruç borcuna|Bir oruç kefareti: 60 × 19,25 TL = 1.155 TL|Velî / vekil: Mehmet");
    const QString shown = recordText(window).simplified();
    for (const QString &figure : figures)
        QVERIFY2(shown.contains(figure), qPrintable(figure));
    QVERIFY2(shown.contains(recordDate(QDate::currentDate())), qPrintable(shown.left(200)));

    window->close();
    DevirWindow *again = openRecordWithCtrlP(app.open(ScreenId::Form6));
    QVERIFY(again);
    QCOMPARE(nameBox(again, QStringLiteral("Vefat edenin adı"))->text(), QStringLiteral("Ayşe"));
    QVERIFY(recordText(again).contains(u"Ahmet kızı Ayşe'nin 66 senelik namaz borcuna"));

    QTemporaryDir folder;
    const QString nowhere = folder.filePath(QStringLiteral("missing/record.pdf"));
    QVERIFY(!app.saveVia(window, u"PDF Olarak Kaydet...", nowhere));
    QVERIFY(!QFileInfo::exists(nowhere));
    const QString pdf = folder.filePath(QStringLiteral("record.pdf"));
    QVERIFY(app.saveVia(window, u"PDF Olarak Kaydet...", pdf));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is missing");
    const QString read = readPdf(pdf).simplified();
    for (const QString &figure : figures + list("Sayfa 1 / "))
        QVERIFY2(read.contains(figure), qPrintable(figure + QStringLiteral(" is not in: ") + read));
}

// An open record follows the screens: recalculated, it shows the new figures; changed
// and not recalculated, it says so and will not print or save.
void TestCalculators::openRecordFollowsTheScreens()
{
    ScreenTest app;
    app.messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    DevirWindow *window = recordOfPrayers(app, "Text8=1|Text3=400|Text1=71|Command1|Text11=100|Text12=2|Command13");
    QVERIFY(window);
    Screen *prayer = ScreenTest::window(ScreenId::Form6);
    QVERIFY(recordText(window).contains(u"Oruç iskâtı hesaplanmadı"));

    Scenario::play(prayer, list("Text1=80|Command1|Command13"));
    QString mismatch;
    QVERIFY2(Scenario::boxesMatch(prayer, list("Text10=674,5|Text14=3,4"), &mismatch), qPrintable(mismatch));
    const QString recalculated = recordText(window);
    QVERIFY2(recalculated.contains(u"Namaz iskâtı: 674,50 g altın") && !recalculated.contains(u"589"),
             qPrintable(recalculated));

    Scenario::play(prayer, list("Text1=81"));
    QVERIFY(recordText(window).contains(u"yazdırılamaz"));
    const qsizetype before = app.messages.shown.size();
    ScreenTest::click(ScreenTest::button(window, u"Yazdır..."));
    ScreenTest::click(ScreenTest::button(window, u"PDF Olarak Kaydet..."));
    QCOMPARE(Scenario::messageKeys(app.messages.shown.mid(before)), list("recordResettle|recordResettle"));
}

// A girl of 9,79 owes 0,79 years, not 0,789999999999999, in the words said aloud; two
// screens calculated for different people are said to be so, and the record of them
// is neither printed nor saved.
void TestCalculators::recordOfOneDeceased()
{
    ScreenTest app;
    app.messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    DevirWindow *window = recordOfPrayers(app, "Text8=11|Text3=4100|Text1=9,79|Command1|Text11=1|Text12=1|Command13");
    QVERIFY(window);
    const QString girl = recordText(window).simplified();
    for (const char *words : {"\"Falan kızı falanın 0,79 senelik namaz borcuna karşılık", "9,79 − 9 = 0,79 sene"})
        QVERIFY2(girl.contains(QString::fromUtf8(words)) && !girl.contains(u"0,789"), qPrintable(girl));

    // A name pasted with a line break and a mark that turns text round keeps its letters
    // alone; 200 emoji fill a name box, whatever halves and joins they are made of.
    QLineEdit *deceased = nameBox(window, QStringLiteral("Vefat edenin adı"));
    const auto paste = [&](const QString &text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(deceased, Qt::Key_V, Qt::ControlModifier);
    };
    paste(u"Ay\u202Eşe\n\t"_qs);
    QCOMPARE(deceased->text(), u"Ayşe"_qs);
    deceased->clear();
    const QString thumbs = u"👍🏽"_qs.repeated(maxNameLength);
    paste(thumbs);
    paste(u"a"_qs);
    QCOMPARE(deceased->text(), thumbs);

    Scenario::play(app.open(ScreenId::Form7), list("Text4=11|Text3=4100|Text1=9,8|Command2|Text6=1|Text8=1|Command6"));
    const QString twoPeople = recordText(window).simplified();
    QVERIFY2(twoPeople.contains(u"İki ekran iki ayrı kimse için hesaplanmış: vefat edenin hicri yaşı \"NAMAZ İSKATI\" "
                                u"ekranında 9,79, \"ORUÇ İSKATI\" ekranında 9,8; cinsiyeti \"NAMAZ İSKATI\" ekranında "
                                u"Kadın, \"ORUÇ İSKATI\" ekranında Erkek."_qs),
             qPrintable(twoPeople));
    const qsizetype before = app.messages.shown.size();
    ScreenTest::click(ScreenTest::button(window, u"PDF Olarak Kaydet..."));
    ScreenTest::click(ScreenTest::button(window, u"İskât Dosyasını Kaydet..."));
    QCOMPARE(app.messages.shown.size(), before + 2);
    QVERIFY(app.messages.shown.last().text.contains(u"bu çizelge yazdırılamaz ve kaydedilemez"));
}

// Ceremonies of one to many pages, saved as PDFs at two sizes of type and read back
// in the order they were drawn: every page is numbered "Sayfa k / n", the checklist's
// header heads each page it runs on, and every paragraph and row of the record stands
// there whole and in order, down to the place to sign.
void TestCalculators::recordOnPaperIsWhole_data()
{
    QTest::addColumn<QStringList>("prayers"); // the prayer screen's steps
    QTest::addColumn<QStringList>("fasts");   // the fasting screen's steps; none: not calculated
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<qreal>("points");

    const QString man64 = u"Text8=12,5|Text3=3999,99|Text1=64|Command2|Text11=7,25|Text12=1|Command13"_qs;
    const QString man70 = u"Text8=12,5|Text3=3999,99|Text1=70|Command2|Text11=7,25|Text12=3|Command13"_qs;
    const QStringList osman = list("Osman|Ali|Veli");
    for (const qreal points : {9.0, 12.0}) {
        const auto row = [&](const char *name, const QString &prayers, const QString &fasts, const QStringList &names) {
            QTest::addRow("%s, %g pt", name, points)
                << prayers.split(u'|') << (fasts.isEmpty() ? QStringList() : fasts.split(u'|')) << names << points;
        };
        row("a man of 64", man64, u"Text4=12,5|Text3=3999,99|Text1=64|Command2|Text6=7,25|Text8=1|Command6"_qs, osman);
        row("a man of 70 among three poor", man70,
            u"Text4=12,5|Text3=3999,99|Text1=70|Command2|Text6=7,25|Text8=3|Command6"_qs, osman);
        row("118 rounds among five poor", u"Text8=1|Text3=400|Text1=71|Command1|Text11=1|Text12=5|Command13"_qs, {},
            {});
        row("a page", u"Text8=11|Text3=4100|Text1=75|Command1|Text11=1000|Text12=1|Command13"_qs, {}, {});
    }
}

void TestCalculators::recordOnPaperIsWhole()
{
    QFETCH(QStringList, prayers);
    QFETCH(QStringList, fasts);
    QFETCH(QStringList, names);
    QFETCH(qreal, points);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is missing");
    ScreenTest app;
    app.messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    if (!fasts.isEmpty())
        Scenario::play(app.open(ScreenId::Form7), fasts);
    Screen *prayer = app.open(ScreenId::Form6);
    Scenario::play(prayer, prayers);
    DevirWindow *window = openRecordWithCtrlP(prayer);
    QVERIFY(window);
    const char *boxes[] = {"Vefat edenin adı", "Babasının adı", "Velî / vekil"};
    for (qsizetype i = 0; i < names.size(); ++i)
        ScreenTest::type(nameBox(window, QString::fromUtf8(boxes[i])), names.at(i));
    auto *view = window->findChild<QTextBrowser *>();
    QFont font = view->font();
    font.setPointSizeF(points);
    view->setFont(font);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("record.pdf"));
    QVERIFY(app.saveVia(window, u"PDF Olarak Kaydet...", pdf));

    QString drawn = readPdf(pdf, 0, QStringLiteral("-raw"));
    const int pages = int(drawn.count(u'\f'));
    static const QRegularExpression checklistRow(QStringLiteral("^\\s*\\d+\\s+☐ 1\\."),
                                                 QRegularExpression::MultilineOption);
    for (int page = 1; page <= pages; ++page) {
        const QString text = readPdf(pdf, page);
        QVERIFY2(text.contains(QStringLiteral("Sayfa %1 / %2").arg(page).arg(pages)), qPrintable(text));
        if (text.contains(checklistRow))
            QVERIFY2(text.contains(u"Her fakire verilen altın"), qPrintable(text));
    }
    // The title and the page number that each page carries, drawn after its text.
    static const QRegularExpression pageBands(u"^(DEVİR ÇİZELGESİ|Sayfa \\d+ / \\d+)$"_qs,
                                              QRegularExpression::MultilineOption);
    // The type's ligatures ("ﬁ") read back as their letters. A paragraph that a page
    // breaks is drawn whole on both pages, clipped to each: its hidden lines read back
    // too, so each word must follow the one before it within a line or two.
    const QStringList words = drawn.remove(pageBands)
                                  .normalized(QString::NormalizationForm_KC)
                                  .split(QRegularExpression(u"\\s+"_qs), Qt::SkipEmptyParts);
    qsizetype at = 0;
    const QTextDocument &record = *view->document();
    for (QTextBlock block = record.begin().next(); block.isValid(); block = block.next()) {
        for (const QString &word : block.text().simplified().split(u' ', Qt::SkipEmptyParts)) {
            const qsizetype found = words.indexOf(word, at);
            QVERIFY2(found >= 0 && found - at < 40,
                     qPrintable(block.text() + u"\n  is not drawn whole after: "_qs + words.mid(at, 100).join(u' ')));
            at = found + 1;
        }
    }
}

// The example saved as an iskât file, then opened in a program started afresh, as
// "karvela FILE" opens it, on a Turkish and an English system: the same record, the
// boxes in the locale's form, no age question. A file of another day says so on the
// record; a bad file and Ctrl+O answered "Hayır" change nothing.
void TestCalculators::caseSavedAndOpened()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"karvela-iskat-Ayşe-2026-12-09.karvela"_qs);
    QString record;
    {
        ScreenTest app;
        DevirWindow *window = recordOfTheExample(app);
        QVERIFY(window);
        record = recordText(window);
        QVERIFY(app.saveVia(window, u"İskât Dosyasını Kaydet...", path));
        const QString nowhere = folder.filePath(u"missing/case.karvela"_qs);
        QVERIFY(!app.saveVia(window, u"İskât Dosyasını Kaydet...", nowhere));
        QVERIFY(app.messages.shown.last().text.startsWith(u"\""_qs + QDir::toNativeSeparators(nowhere) +
                                                          u"\" kaydedilemedi"_qs));
    }
    for (const QLocale &locale : {turkish, english}) {
        QLocale::setDefault(locale);
        ScreenTest app;
        QVERIFY(app.screens.openCase(path));
        QVERIFY(app.messages.shown.isEmpty());
        auto *window = ScreenTest::window(ScreenId::Form6)->findChild<DevirWindow *>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(recordText(window), record);
        const QString gold = locale == turkish ? u"Text10=672,878048780488"_qs : u"Text10=672.878048780488"_qs;
        QString mismatch;
        QVERIFY2(Scenario::boxesMatch(ScreenTest::window(ScreenId::Form6), {u"Text8=11"_qs, u"Text2=66"_qs, gold},
                                      &mismatch),
                 qPrintable(mismatch));
        QVERIFY2(Scenario::boxesMatch(ScreenTest::window(ScreenId::Form7),
                                      {u"Text6=30"_qs, u"Text9="_qs + locale.toString(0.1)}, &mismatch),
                 qPrintable(mismatch));
    }
    QLocale::setDefault(turkish);

    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    const QDate yesterday = QDate::currentDate().addDays(-1);
    QFile earlier(folder.filePath(u"earlier.karvela"_qs));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write(QByteArray(bytes).replace(QDate::currentDate().toString(Qt::ISODate).toLatin1(),
                                            yesterday.toString(Qt::ISODate).toLatin1()));
    earlier.close();
    QFile cut(folder.filePath(u"cut.karvela"_qs));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() / 2));
    cut.close();

    ScreenTest app;
    QVERIFY(app.screens.openCase(earlier.fileName()));
    auto *window = ScreenTest::window(ScreenId::Form6)->findChild<DevirWindow *>();
    QVERIFY(recordText(window).contains(u"Fiyatlar "_qs + turkish.toString(yesterday, u"d MMMM yyyy") +
                                        u" tarihlidir;"_qs));
    Screen *prayer = ScreenTest::window(ScreenId::Form6);
    ScreenTest::type(ScreenTest::control<QLineEdit>(prayer, "Text8"), u"12"_qs);
    QVERIFY(!app.screens.openCase(cut.fileName()));
    QVERIFY(app.messages.shown.last().text.contains(u"dosya bozuk ya da yarım kalmış"));
#ifdef Q_OS_UNIX
    const QString pipe = folder.filePath(u"pipe.karvela"_qs);
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!app.screens.openCase(pipe));
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(app.messages.shown.last().text.endsWith(u"\" açılamadı: bu bir dosya değil."_qs));
#endif
    app.messages.answers = {MessageAnswer::No};
    QApplication::setActiveWindow(prayer);
    QTest::keyClick(prayer, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(Scenario::messageKeys({app.messages.shown.last()}), list("caseReplaces"));
    QCOMPARE(ScreenTest::control<QLineEdit>(prayer, "Text8")->text(), u"12"_qs);
}

// A save onto a disk that is full: the iskât file and the PDF saved earlier stay byte for
// byte as they were, the box names the file and the cause, and nothing is left beside
// them. The disk is a small one the file faults test mounts ($KARVELA_FULL_DISK).
void TestCalculators::failedSaveKeepsTheEarlierFile()
{
    const QString disk = qEnvironmentVariable("KARVELA_FULL_DISK");
    if (disk.isEmpty())
        QSKIP("no small disk to fill: the file faults test mounts one");
    ScreenTest app;
    DevirWindow *window = recordOfTheExample(app);
    QVERIFY(window);
    const QDir folder(disk);
    const QStringList files = {folder.filePath(u"Ayşe.karvela"_qs), folder.filePath(u"Ayşe.pdf"_qs)};
    const auto save = [&](const QString &path) {
        return app.saveVia(window, path.endsWith(u".pdf"_qs) ? u"PDF Olarak Kaydet..." : u"İskât Dosyasını Kaydet...",
                           path);
    };
    QList<QByteArray> earlier;
    for (const QString &path : files) {
        QVERIFY(save(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        earlier.append(file.readAll());
    }
    QFile filler(folder.filePath(u"filler"_qs));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'x')) > 0) {
    }
    filler.close();

    for (qsizetype i = 0; i < files.size(); ++i) {
        QVERIFY(!save(files[i]));
        const QString box = app.messages.shown.last().text;
        QVERIFY2(box.startsWith(u"\""_qs + files[i] + u"\" kaydedilemedi: diskte yer kalmadı"_qs), qPrintable(box));
        QFile file(files[i]);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), earlier[i]);
    }
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden),
             QStringList({u"Ayşe.karvela"_qs, u"Ayşe.pdf"_qs, u"filler"_qs}));
}

// A small ceremony carried out by keys alone (a woman of 71: 589 g, 100 g at hand, 2
// poor; 5 rounds, 10 hand-overs): each tick says the next hand-over, a round's and a
// part's end are said, Backspace takes a tick back, the end says so; the record then
// shows every box ticked, the data folder holds the progress and no note of an
// unfinished ceremony; figures changed since stop the ceremony and say what changed.
void TestCalculators::ceremonyByKeys()
{
    ScreenTest app;
    app.messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    DevirWindow *record = recordOfPrayers(app, "Text8=1|Text3=400|Text1=71|Command1|Text11=100|Text12=2|Command13");
    QVERIFY(record);
    const auto forget = [] {
        for (const QString &file : {ProgressStore::dataFile(), ProgressStore::noteFile()})
            QFile::remove(file);
    };
    forget();
    const auto cleanUp = qScopeGuard([&] {
        app.screens.progressStore().waitForDone();
        forget();
    });
    const auto start = [&] {
        for (QPushButton *button : record->findChildren<QPushButton *>()) {
            if (button->text() == u"Devri Başlat")
                ScreenTest::click(button);
        }
    };
    start();
    auto *window = record->findChild<CeremonyWindow *>();
    QVERIFY(window && window->isVisible());
    QApplication::setActiveWindow(window);
    const auto press = [&](Qt::Key key, int times) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key);
    };
    const std::pair<std::pair<Qt::Key, int>, const char *> steps[] = {
        {{Qt::Key_unknown, 0}, "Namaz iskâtı. 1. devir / 5 · 1. fakir / 2. 100 g. \"Falan kızı falanın 62 senelik"},
        {{Qt::Key_Space, 2}, "1. devir tamamlandı; 2. devir başlıyor. Namaz iskâtı. 2. devir / 5 · 1. fakir / 2."},
        {{Qt::Key_Backspace, 1}, "Namaz iskâtı. 1. devir / 5 · 2. fakir / 2. 100 g."},
        {{Qt::Key_Return, 4}, "Namaz iskâtı. 3. devir / 5 · 2. fakir / 2. 89 g."},
        {{Qt::Key_Space, 1}, "Namaz iskâtı tamamlandı. Sıradaki: Zekât, kurban ve sadaka-ı fıtr için devir. Zekât"},
        {{Qt::Key_Space, 4}, "İskât tamamlandı. 5 devir, 10 el değiştirme."}};
    for (const auto &[keys, said] : steps) {
        press(keys.first, keys.second);
        QVERIFY2(handoverSaid(window).startsWith(QString::fromUtf8(said)), qPrintable(handoverSaid(window)));
    }
#ifdef Q_OS_WIN
    // Qt's offscreen platform on Windows (under Wine) reports a closed dialog as still
    // shown, so the record is not written again behind it; the real window closes.
    QSKIP("the offscreen platform on Windows keeps a closed dialog shown");
#endif
    press(Qt::Key_Escape, 1);
    QVERIFY(!window->isVisible());
    const QString ticked = recordText(record);
    QVERIFY2(ticked.contains(u"10 / 10 el değiştirme yapıldı") && ticked.contains(u'\u2611') &&
                 !ticked.contains(u'\u2610'),
             qPrintable(ticked.left(400)));

    app.screens.progressStore().waitForDone();
    const auto kept = loadIskatFile(ProgressStore::dataFile(), QDate::currentDate());
    QVERIFY(std::holds_alternative<IskatCase>(kept) && std::get<IskatCase>(kept).progress->handoversDone == 10);
    QVERIFY(!ProgressStore::unfinished());

    Scenario::play(app.open(ScreenId::Form6), list("Text8=2|Command1|Command13"));
    start();
    QVERIFY2(handoverSaid(window).startsWith(u"Bu devir başladıktan sonra değerler değişti (namaz ekranının buğday "
                                             u"fiyatı). Yapılan 10 el değiştirme"_qs),
             qPrintable(handoverSaid(window)));
    QVERIFY(recordText(record).contains(u"Bu devir başladıktan sonra değerler değişti"));
}

QTEST_MAIN(TestCalculators)
#include "test_calculators.moc"
