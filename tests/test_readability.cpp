#include "app/application.h"
#include "calc/screens/ageconfirmation.h"
#include "calc/screens/devirwindow.h"
#include "common/ui/boxlabel.h"
#include "common/ui/karvelastyle.h"
#include "common/ui/qtmessageservice.h"
#include "support/scenario.h"
#include "support/strayboxguard.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTimer>

#include <map>

// What a person reads, rendered for real: every text of every screen and of every
// message box must show whole in its widget, and every coloured button must be filled
// with its designed colour. Run at 96 DPI and again with QT_FONT_DPI=144.
namespace {

// Where the glyphs of `text` land when drawn into `room` with `flags`, unclipped.
// Measured from the pixels, so that a symbol taller than its line but whose ink fits
// is not taken for cut text, and a face's real rendering is what counts.
QRectF inkOf(const QString &text, const QFont &font, QSizeF room, int flags)
{
    const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    const QFontMetricsF metrics(font);
    const QRectF natural = metrics.boundingRect(QRectF(QPointF(), room), flags | Qt::TextDontClip, text);
    // Room on every side for text that overflows, whichever way it is aligned.
    const qreal marginX = qMax(room.width(), natural.width()) + 8;
    const qreal marginY = qMax(room.height(), natural.height()) + 8;
    QImage canvas((QSizeF(room.width() + 2 * marginX, room.height() + 2 * marginY) * ratio).toSize(),
                  QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(QPointF(marginX, marginY), room), flags | Qt::TextDontClip, text);
    painter.end();

    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qGray(line[x]) < 160) {
                left = qMin(left, x), right = qMax(right, x);
                top = qMin(top, y), bottom = qMax(bottom, y);
            }
        }
    }
    if (right < 0)
        return {};
    return QRectF(left / ratio - marginX, top / ratio - marginY, (right - left + 1) / ratio,
                  (bottom - top + 1) / ratio);
}

// The part of `room` (in the widget's own coordinates) that its window really shows:
// a widget that sticks out of its parent is cut there.
QRect visible(const QWidget *widget, QRect room)
{
    for (const QWidget *parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        room &= QRect(widget->mapFrom(parent, QPoint(0, 0)), parent->size());
        if (parent->isWindow())
            break;
    }
    return room;
}

// Empty when the ink of the text, laid out in `layout` of `widget`, stays within what
// the window shows of it; otherwise where it lands. A pixel of antialiasing or of the
// dot of an "İ" over the edge is not a cut text.
QString overflow(const QWidget *widget, const QString &text, const QRect &layout, int flags)
{
    const QRectF ink = inkOf(text, widget->font(), layout.size(), flags).translated(layout.topLeft());
    const QRect shown = visible(widget, layout);
    if (ink.isNull() || QRectF(shown).adjusted(-1.5, -1.5, 1.5, 1.5).contains(ink))
        return {};
    return QStringLiteral("is drawn over (%1, %2)-(%3, %4), but only (%5, %6)-(%7, %8) shows")
        .arg(ink.left(), 0, 'f', 0)
        .arg(ink.top(), 0, 'f', 0)
        .arg(ink.right(), 0, 'f', 0)
        .arg(ink.bottom(), 0, 'f', 0)
        .arg(shown.left())
        .arg(shown.top())
        .arg(shown.right())
        .arg(shown.bottom());
}

QString problem(const QWidget *widget, const QString &text, const QString &overflow)
{
    if (overflow.isEmpty())
        return {};
    return QStringLiteral("%1: %2 \"%3\" %4")
        .arg(widget->window()->windowTitle(), widget->objectName(), text, overflow);
}

// The box that sits in a label's run of blanks: the text box its rectangle overlaps.
const QWidget *boxIn(const QLabel *label)
{
    for (const QLineEdit *box : label->parentWidget()->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly)) {
        if (box->geometry().intersects(label->geometry()))
            return box;
    }
    return nullptr;
}

// A box label draws its words around its box itself, so what it drew is read from its
// pixels, drawn with room to spare: its ink must end within what its window shows of
// it (a pixel of antialiasing over the edge is no cut). A label whose words go on past
// its box (its run of blanks) places them by the box, whatever its width, so it is
// drawn wider too, and those words must show; one whose dots lead to the box draws
// them as far as its width allows, so it must not be drawn to its right edge.
QString boxLabelProblem(QLabel *label, const QWidget *box)
{
    const QSize size = label->size();
    const QRect shown = visible(label, label->rect());
    const bool wordsAfterBox = label->text().contains(QStringLiteral("  ")) && !label->text().trimmed().endsWith(u' ');
    label->resize(size.width() + (wordsAfterBox ? 200 : 0), size.height() + 20);
    const QImage image = label->grab().toImage();
    label->resize(size);
    const qreal ratio = image.devicePixelRatio();
    const int boxEnd = box ? label->mapFrom(label->parentWidget(), box->geometry().topRight()).x() : -1;
    int right = -1, bottom = -1;
    bool pastBox = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) <= 128 || qGray(pixel) >= 160)
                continue;
            right = qMax(right, x), bottom = qMax(bottom, y);
            pastBox = pastBox || x / ratio > boxEnd;
        }
    }
    if (wordsAfterBox ? right / ratio > shown.right() + 1.5 : (right + 1) / ratio >= shown.right() + 1)
        return problem(label, label->text(),
                       QStringLiteral("is drawn %1 px wide in %2").arg(right / ratio).arg(shown.width()));
    if (bottom / ratio > shown.bottom() + 1.5)
        return problem(label, label->text(),
                       QStringLiteral("is drawn %1 px down in %2").arg(bottom / ratio).arg(shown.height()));
    if (wordsAfterBox && !pastBox)
        return problem(label, label->text(), QStringLiteral("shows none of its words past its box"));
    return {};
}

QString labelProblem(QLabel *label)
{
    if (label->text().isEmpty())
        return {};
    if (qobject_cast<BoxLabel *>(label))
        return boxLabelProblem(label, boxIn(label));
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return problem(label, label->text(), overflow(label, label->text(), room, flags));
}

QString buttonProblem(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return problem(button, button->text(),
                   overflow(button, button->text(), room, Qt::AlignCenter | Qt::TextShowMnemonic));
}

// Every label and button of a window whose text does not show whole.
QStringList cutTexts(const QWidget *window)
{
    QStringList problems;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->isVisibleTo(window))
            problems.append(labelProblem(label));
    }
    for (const QPushButton *button : window->findChildren<QPushButton *>())
        problems.append(buttonProblem(button));
    problems.removeAll(QString());
    return problems;
}

// A result box whose text does not show whole.
QString lineProblem(const QLineEdit *box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    const QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    return problem(box, box->text(),
                   overflow(box, box->text(), room.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter));
}

// Each box the program can show, met by driving the age dialogue down every path
// and by the report of each kind of error.
QList<MessageBoxRequest> everyMessageBox()
{
    ScriptedMessages recorder;
    QLineEdit empty, typed(QStringLiteral("10"));
    for (MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        recorder.answers = {answer};
        confirmAgeAndPrices(recorder, empty, typed);
    }
    ageReminderPrayer(recorder, typed, typed);
    ageReminderPrayer(recorder, empty, empty);
    ageReminderFasting(recorder);
    for (ErrorKind kind :
         {ErrorKind::TypeMismatch, ErrorKind::DivisionByZero, ErrorKind::Overflow, ErrorKind::OutOfRange})
        recorder.show(errorReport(kind));
    // Each report that names a box, with the longest caption and a text cut at its longest.
    const QString longestCaption = QStringLiteral("Bir devirde namaz borcu için verilecek altının gram miktarı");
    const QString longText(40, u'Ğ');
    for (Fault fault : {Fault::Empty, Fault::NotANumber, Fault::TooLarge, Fault::Negative, Fault::Zero, Fault::NotWhole,
                        Fault::EmptyDate, Fault::NotADate, Fault::ShortYear, Fault::NoSuchDay, Fault::BeforeBirth,
                        Fault::AfterToday, Fault::TooOld}) {
        for (bool computed : {false, true})
            recorder.show(errorReport(CalculationError(fault), longestCaption, longText, computed));
    }
    recorder.show(errorReport(CalculationError(ErrorKind::Overflow), longestCaption, longText, false));
    // The devir record's refusals, and its failures to print and to save.
    const QList<std::pair<ScreenId, const char *>> refusals = {
        {ScreenId::Form6, "Devir Çizelgesi"},
        {ScreenId::Form6, "buğday=1|altın fiyatı=400|yaş=71|Kadın|altın fiyatı=500|Devir Çizelgesi"},
        {ScreenId::Form7,
         "buğday=2|altın fiyatı=500|yaş=71|Erkek|Mevcut altın=5|Fakir=2|H E S A P L A|yaş=70|Erkek|Devir Çizelgesi"}};
    for (const auto &[screen, steps] : refusals) {
        ScreenTest app;
        app.messages.answers = {MessageAnswer::No, MessageAnswer::No};
        Scenario::play(app.open(screen), QString::fromUtf8(steps));
        recorder.shown.append(app.messages.shown.last());
    }
    recorder.show(recordNotPrinted());
    recorder.show(fileNotSaved(QStringLiteral("/home/kullanici/Belgeler/karvela-iskat-2026-12-09.pdf"),
                               QStringLiteral("diskte yer kalmadı (No space left on device).")));
    // The iskât file's boxes, each reason a bad file gives among them.
    const QString casePath = QStringLiteral("/home/kullanici/Belgeler/karvela-iskat-Ayşe-Yılmaz-2026-12-09.karvela");
    recorder.show(caseReplacesScreens());
    recorder.show(fileNotSaved(casePath, *saveIskatFile({}, QStringLiteral("/nonexistent/folder/x.karvela"))));
    QByteArray valid = writeIskatFile({});
    const QByteArray badFiles[] = {
        valid.left(40),
        "{\"format\": \"başka\"}",
        QByteArray(valid).replace("\"version\": 2", "\"version\": 3"),
        QByteArray(valid).replace("\"deceased\": \"\"", "\"deceased\": \"" + QByteArray(201, 'A') + "\""),
        QByteArray(valid).replace("\"goldPrice\": null", "\"goldPrice\": -4100"),
        QByteArray(valid).replace("\"poorPeople\": null", "\"poorPeople\": 2.5"),
        QByteArray(valid).replace("\"goldCalculated\": false", "\"goldCalculated\": true"),
        QByteArray(valid).replace("\"sex\": \"kadın\"", "\"sex\": 1"),
        QByteArray(valid)
            .replace("\"goldCalculated\": false", "\"goldCalculated\": true")
            .replace("\"pricesDay\": null", "\"pricesDay\": \"2026-12-09\"")
            .replace("\"wheatPrice\": null", "\"wheatPrice\": 1e308")
            .replace("\"goldPrice\": null", "\"goldPrice\": 4100")
            .replace("\"hijriAge\": null", "\"hijriAge\": 75")};
    for (const QByteArray &bytes : badFiles)
        recorder.show(caseNotOpened(casePath, std::get<QString>(readIskatFile(bytes, QDate(2026, 12, 9)))));

    QList<MessageBoxRequest> unique;
    for (const MessageBoxRequest &request : std::as_const(recorder.shown)) {
        if (!unique.contains(request))
            unique.append(request);
    }
    return unique;
}

// What is wrong with a box on screen: its text, buttons or title cut, or the box off the screen.
QStringList boxProblems(const QMessageBox *box)
{
    QStringList problems = cutTexts(box);
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    // The title bar also holds the window icon and the buttons of the frame.
    const int titleNeed = QFontMetrics(titleFont).horizontalAdvance(box->windowTitle()) + 80;
    if (box->width() < titleNeed)
        problems.append(QStringLiteral("title \"%1\" of a box %2 px wide").arg(box->windowTitle()).arg(box->width()));
    if (!box->screen()->availableGeometry().contains(box->frameGeometry()))
        problems.append(QStringLiteral("box \"%1\" off the screen").arg(box->text()));
    return problems;
}

// The colour most of a button is painted in: the fill, whatever its caption covers.
QColor fillOf(QWidget *button)
{
    const QImage image = button->grab().toImage();
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    return QColor(std::max_element(counts.begin(), counts.end(), [](const auto &a, const auto &b) {
                      return a.second < b.second;
                  })->first);
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 8 && qAbs(a.green() - b.green()) <= 8 && qAbs(a.blue() - b.blue()) <= 8;
}

QList<ScreenId> everyScreen()
{
    QList<ScreenId> screens;
    for (int i = 0; i < screenCount; ++i)
        screens.append(static_cast<ScreenId>(i));
    return screens;
}

} // namespace

class TestReadability : public QObject
{
    Q_OBJECT

private slots:
    // The program's own faces and style, as a user gets them; and real boxes, on purpose.
    void initTestCase()
    {
        setUpApplication(*qApp);
        allowRealMessageBoxes();
    }
    void initTestCase_data();
    void init();
    void screensShowEveryTextWhole();
    void messageBoxesShowEveryTextWhole();
    void colouredButtonsShowTheirColour();
};

void TestReadability::initTestCase_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("Turkish") << turkish;
    QTest::newRow("English") << english;
}

void TestReadability::init()
{
    QFETCH_GLOBAL(QLocale, locale);
    QLocale::setDefault(locale);
}

void TestReadability::screensShowEveryTextWhole()
{
    ScreenTest app;
    QStringList problems;
    for (ScreenId id : everyScreen()) {
        app.screens.showScreen(id);
        Screen *screen = ScreenTest::window(id);
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        problems += cutTexts(screen);
        app.screens.hideScreen(id);
    }
    // The converter's line of Hijri dates at its longest: the oldest age, the longest
    // month name, two-digit days.
    Screen *converter = app.open(ScreenId::Form8);
    Scenario::play(converter, u"Doğum=10.06.1877|Vefat tarihi=20.11.2025|TARİHTEN HESAPLA");
    auto *hijriDates = ScreenTest::box(converter, u"Hicri tarihler");
    QVERIFY(hijriDates->text().contains(u"Cemaziyelevvel"_qs));
    problems.append(lineProblem(hijriDates));
    // Longer still where the death falls in a month the criterion leaves undecided,
    // as no month with the longest name has yet been.
    hijriDates->setText(
        hijriDates->text().remove(u" (hesap takvimi)"_qs).replace(u"1447"_qs, u"1447 (ikisi de hesap takvimi)"_qs));
    problems.append(lineProblem(hijriDates));
    problems.removeAll(QString());
    // The devir record's window, over the example of the prayer screen.
    CeremonyBook ceremony;
    ceremony.update(Expiation::Prayers,
                    {Standing::Calculated,
                     {.wheatPrice = 1,
                      .goldPrice = 400,
                      .hijriAge = 71,
                      .years = 62,
                      .goldNeeded = 589,
                      .rounds = RecordFigures::Rounds{100, 2, 2.9}}},
                    {});
    DevirWindow record(nullptr, app.messages, app.screens, ceremony, Expiation::Prayers);
    record.showRecord();
    QVERIFY(QTest::qWaitForWindowExposed(&record));
    problems += cutTexts(&record);
    QVERIFY2(problems.isEmpty(), qPrintable(u"cut: "_qs + problems.join(u"\n     "_qs)));
}

void TestReadability::messageBoxesShowEveryTextWhole()
{
    QStringList problems;
    int seen = 0;
    QTimer reader;
    reader.setInterval(10);
    connect(&reader, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        problems += boxProblems(box);
        ++seen;
        box->done(0);
    });
    reader.start();
    // A box nobody closes must fail the test, not hang it.
    QTimer::singleShot(20000, this, [] {
        if (QWidget *stray = QApplication::activeModalWidget())
            stray->close();
    });

    QtMessageService service;
    const QList<MessageBoxRequest> boxes = everyMessageBox();
    for (const MessageBoxRequest &request : boxes)
        service.show(request);
    QCOMPARE(seen, boxes.size());
    QVERIFY2(problems.isEmpty(), qPrintable(u"cut: "_qs + problems.join(u"\n     "_qs)));
}

void TestReadability::colouredButtonsShowTheirColour()
{
    ScreenTest app;
    QStringList problems;
    int coloured = 0;
    for (ScreenId id : everyScreen()) {
        app.screens.showScreen(id);
        Screen *screen = ScreenTest::window(id);
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        for (QPushButton *button : screen->findChildren<QPushButton *>()) {
            if (!KarvelaStyle::isColoured(button))
                continue;
            ++coloured;
            const QColor designed = button->palette().color(QPalette::Button);
            const QColor atRest = fillOf(button);
            button->setDown(true);
            const QColor pressed = fillOf(button);
            button->setDown(false);
            if (!near(atRest, designed))
                problems.append(problem(button, button->text(),
                                        u"filled "_qs + atRest.name() + u" instead of "_qs + designed.name()));
            if (pressed.lightness() >= atRest.lightness())
                problems.append(problem(button, button->text(), u"looks the same pressed"_qs));
        }
    }
    QVERIFY(coloured > 0);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"\n"_qs)));
}

QTEST_MAIN(TestReadability)
#include "test_readability.moc"
