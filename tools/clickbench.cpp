// The time of each calculation click, from the click to the result written, with
// the scripted message service answering every box at once; then the time to open
// the devir record of 100 rounds × 10 poor and to write it as a PDF.

#include "support/scriptedmessages.h"

#include "app/screenregistry.h"
#include "calc/devirwindow.h"
#include "calc/expiationscreen.h"
#include "common/screen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Click
{
    const char *name;
    ScreenId screen;
    QList<std::pair<const char *, const char *>> typing;
    const char *button;
};

template<typename Action>
double medianMilliseconds(int runs, Action action)
{
    std::vector<qint64> times;
    times.reserve(size_t(runs));
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        action();
        times.push_back(timer.nsecsElapsed());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return double(times[size_t(runs / 2)]) / 1e6;
}

double medianMicroseconds(Screen *screen, const Click &click, int runs)
{
    for (const auto &[box, text] : click.typing)
        screen->findChild<QLineEdit *>(QString::fromLatin1(box))->setText(QString::fromUtf8(text));
    QPushButton *button = screen->findChild<QPushButton *>(QString::fromLatin1(click.button));
    return medianMilliseconds(runs, [button] { button->click(); }) * 1000.0;
}

// 1000 g of gold, 1 g at hand, 10 poor: 100 rounds of 10 hand-overs.
void benchmarkRecord(ScreenRegistry &screens)
{
    auto *prayer = static_cast<ExpiationScreen *>(screens.screen(ScreenId::Form6));
    const QList<std::pair<const char *, const char *>> typing = {
        {"Text8", "1"}, {"Text3", "235,6"}, {"Text1", "71"}, {"Text11", "1"}, {"Text12", "10"}};
    for (const auto &[box, text] : typing)
        prayer->findChild<QLineEdit *>(QString::fromLatin1(box))->setText(QString::fromUtf8(text));
    prayer->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    prayer->findChild<QPushButton *>(QStringLiteral("Command13"))->click();

    const double open = medianMilliseconds(21, [&] {
        prayer->openRecord();
        QApplication::processEvents();
    });
    const auto *window = prayer->findChild<DevirWindow *>();
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("record.pdf"));
    const double write = medianMilliseconds(5, [&] { writeRecordPdf(window->record(), window->heading(), pdf); });
    std::printf("devir record, 100 rounds x 10 poor: open %.1f ms (goal 100), PDF %.1f ms (goal 1000), %lld bytes\n",
                open, write, static_cast<long long>(QFileInfo(pdf).size()));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    ScriptedMessages messages;
    messages.fallback = MessageAnswer::Yes;
    ScreenRegistry screens(messages);

    const QList<Click> clicks = {
        {"Form6 Kadın", ScreenId::Form6, {{"Text8", "1"}, {"Text3", "400"}, {"Text1", "71"}}, "Command1"},
        {"Form6 Erkek", ScreenId::Form6, {}, "Command2"},
        {"Form6 H E S A P L A", ScreenId::Form6, {{"Text11", "100"}, {"Text12", "2"}}, "Command13"},
        {"Form7 Erkek", ScreenId::Form7, {{"Text4", "2"}, {"Text3", "500"}, {"Text1", "71"}}, "Command2"},
        {"Form7 H E S A P L A", ScreenId::Form7, {{"Text6", "5"}, {"Text8", "2"}}, "Command6"},
        {"Form8 HESAPLA", ScreenId::Form8, {{"Text1", "69"}}, "Command1"},
    };
    constexpr int runs = 2001;
    bool allUnderGoal = true;
    for (const Click &click : clicks) {
        const double median = medianMicroseconds(screens.screen(click.screen), click, runs);
        allUnderGoal &= median < 1000;
        std::printf("click %-22s median %8.1f µs over %d clicks\n", click.name, median, runs);
        messages.clear();
    }
    std::printf("every click under 1 ms: %s\n", allUnderGoal ? "yes" : "no");
    benchmarkRecord(screens);
    return 0;
}
