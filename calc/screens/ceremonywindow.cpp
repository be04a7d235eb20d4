#include "calc/screens/ceremonywindow.h"

#include "calc/devirrecord.h"
#include "calc/words.h"
#include "common/ui/accessibility.h"
#include "common/ui/design.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <limits>

namespace {

// Now, to the second, with its offset from UTC, as the progress keeps it.
QDateTime now()
{
    const QDateTime local = QDateTime::currentDateTime();
    const QTime time = local.time();
    QDateTime moment(local.date(), QTime(time.hour(), time.minute(), time.second()));
    return moment.toOffsetFromUtc(moment.offsetFromUtc());
}

// The texts shown, as one thing said: "Namaz iskâtı. 3. devir / 11 · 2. fakir / 3. 30 g. …".
QString sentences(QStringList texts)
{
    texts.removeAll(QString());
    for (QString &text : texts) {
        if (!text.endsWith(u'.') && !text.endsWith(u'"'))
            text += u'.';
    }
    return texts.join(u' ');
}

QPushButton *addButton(QHBoxLayout *row, const QString &text, qreal points)
{
    auto *button = new QPushButton(text);
    QFont font = button->font();
    font.setPointSizeF(points);
    button->setFont(font);
    button->setAutoDefault(false);
    // Room around the large text, for a finger on a touch screen too.
    button->setMinimumSize(button->sizeHint() + QSize(button->fontMetrics().averageCharWidth() * 3, 12));
    row->addWidget(button);
    return button;
}

} // namespace

CeremonyWindow::CeremonyWindow(QWidget *record, CeremonyBook &ceremony, Expiation opener)
    : QDialog(record), m_ceremony(ceremony), m_opener(opener)
{
    setWindowTitle(QStringLiteral("DEVİR"));
    resize(twipsToPixels(QSize(13500, 10500)));
    auto *layout = new QVBoxLayout(this);
    m_notice = addLabel(18, true);
    m_part = addLabel(24, true);
    m_where = addLabel(24);
    m_amount = addLabel(48, true);
    m_words = addLabel(24);
    m_answer = addLabel(16);
    m_owed = addLabel(20);
    m_bar = new QProgressBar;
    m_bar->setTextVisible(false);
    m_bar->setAccessibleName(QStringLiteral("Yapılan el değiştirmeler"));
    layout->addWidget(m_bar);
    m_count = addLabel(20);
    m_announcer = new QWidget;
    m_announcer->setFixedSize(1, 1);
    markAsNotification(m_announcer);
    layout->addWidget(m_announcer);
    layout->addStretch();

    auto *buttons = new QHBoxLayout;
    m_undo = addButton(buttons, QStringLiteral("Geri Al"), 20);
    m_undo->setAccessibleName(QStringLiteral("Geri Al: son el değiştirmeyi geri alır (Geri silme tuşu)"));
    buttons->addStretch();
    m_given = addButton(buttons, QStringLiteral("Verildi"), 28);
    m_given->setAccessibleDescription(QStringLiteral("Verildi: Boşluk veya Enter"));
    m_given->setMinimumSize(m_given->sizeHint() * 1.6);
    m_given->setDefault(true);
    buttons->addStretch();
    QPushButton *close = addButton(buttons, QStringLiteral("Kapat"), 20);
    close->setAccessibleName(QStringLiteral("Kapat: ilerleme saklanır (Esc)"));
    layout->addLayout(buttons);

    connect(m_given, &QPushButton::clicked, this, &CeremonyWindow::tick);
    connect(m_undo, &QPushButton::clicked, this, &CeremonyWindow::untick);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Backspace), this), &QShortcut::activated, this, &CeremonyWindow::untick);
    connect(new QShortcut(QKeySequence(Qt::Key_F11), this), &QShortcut::activated, this,
            [this] { isFullScreen() ? showNormal() : showFullScreen(); });
    connect(&ceremony, &CeremonyBook::progressChanged, this, &CeremonyWindow::showProgress);
    connect(&ceremony, &CeremonyBook::changed, this, &CeremonyWindow::showProgress);
    showProgress();
    m_given->setFocus();
}

QLabel *CeremonyWindow::addLabel(qreal points, bool bold)
{
    auto *label = new QLabel;
    QFont font = label->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    layout()->addWidget(label);
    return label;
}

std::optional<QString> CeremonyWindow::stopped(const Ceremony &ceremony) const
{
    if (const std::optional<QString> why = m_ceremony.printRefusal(m_opener))
        return QStringLiteral("Devir durdu. ") + *why;
    if (const std::optional<QString> mismatch = m_ceremony.progressMismatch())
        return mismatch;
    return ceremonyRefusal(ceremony);
}

void CeremonyWindow::showProgress()
{
    const Ceremony ceremony = m_ceremony.ceremony();
    const std::optional<QString> why = stopped(ceremony);
    for (QLabel *label : {m_part, m_where, m_amount, m_words, m_answer, m_owed, m_count})
        label->clear();
    m_notice->setText(why                                   ? *why
                      : !m_ceremony.keepTrouble().isEmpty() ? m_ceremony.keepTrouble()
                                                            : completed(ceremony));
    m_undo->setEnabled(!why && ceremony.handoversDone > 0);
    // Disabled only where nothing is left to give: a focused button that is disabled
    // hands the focus on, and a screen reader would follow it away.
    m_given->setEnabled(!why && handoverAt(ceremony, ceremony.handoversDone));
    if (why) {
        say(*why);
        return;
    }
    const qint64 total = *ceremony.totalHandovers;
    // A progress bar counts in int: a ceremony of more hand-overs is shown in ten-thousandths.
    const bool scaled = total > std::numeric_limits<int>::max();
    m_bar->setRange(0, scaled ? 10000 : int(total));
    m_bar->setValue(scaled ? int(double(ceremony.handoversDone) * 10000.0 / double(total))
                           : int(ceremony.handoversDone));
    m_count->setText(
        QStringLiteral("%1 / %2 el değiştirme").arg(turkishCount(ceremony.handoversDone), turkishCount(total)));
    if (const std::optional<Handover> next = handoverAt(ceremony, ceremony.handoversDone))
        showHandover(*next, ceremony);
    else
        showEnd(ceremony);
}

void CeremonyWindow::showHandover(const Handover &handover, const Ceremony &ceremony)
{
    const RoundPlan &plan = *handover.part->plan;
    m_part->setText(partTitle(handover.part->kind));
    m_where->setText(QStringLiteral("%1. devir / %2 · %3. fakir / %4")
                         .arg(turkishCount(handover.ceremonyRound()), turkishCount(ceremony.totalRounds.value_or(0)),
                              turkishCount(handover.person), turkishCount(handover.peopleInRound)));
    m_amount->setText(writtenGrams(handover.amount, plan.decimals));
    m_words->setText(u'"' + handover.part->words + u'"');
    m_answer->setText(Quoted::answer);
    if (handover.owedAfter)
        m_owed->setText(QStringLiteral("Bu verişten sonra kalan borç: %1").arg(writtenGrams(*handover.owedAfter, 2)));
    say(sentences({m_notice->text(), m_part->text(), m_where->text(), m_amount->text(), m_words->text()}));
}

void CeremonyWindow::showEnd(const Ceremony &ceremony)
{
    m_part->setText(QStringLiteral("İskât tamamlandı"));
    m_where->setText(QStringLiteral("%1 devir, %2 el değiştirme")
                         .arg(turkishCount(ceremony.totalRounds.value_or(0)), turkishCount(*ceremony.totalHandovers)));
    if (ceremony.began.isValid() && ceremony.ended.isValid())
        m_words->setText(
            QStringLiteral("%1 başlandı, %2 bitti.").arg(atTime(ceremony.began.time()), atTime(ceremony.ended.time())));
    say(sentences({m_part->text(), m_where->text(), m_words->text()}));
}

QString CeremonyWindow::completed(const Ceremony &ceremony) const
{
    const std::optional<Handover> last = handoverAt(ceremony, ceremony.handoversDone - 1);
    if (!last || !last->endsRound())
        return {};
    const std::optional<Handover> next = handoverAt(ceremony, ceremony.handoversDone);
    if (last->endsPart()) {
        const QString done = partTitle(last->part->kind) + QStringLiteral(" tamamlandı.");
        return next ? done + QStringLiteral(" Sıradaki: ") + partTitle(next->part->kind) + u'.' : done;
    }
    return QStringLiteral("%1. devir tamamlandı; %2. devir başlıyor.")
        .arg(turkishCount(last->ceremonyRound()), turkishCount(last->ceremonyRound() + 1));
}

void CeremonyWindow::say(const QString &text)
{
    // Qt 6.4 has no announcement: the focused button's name becomes the text, and a
    // screen reader says a focused object's new name. Orca cannot read the name from
    // Qt 6.4's event, so a notification carrying it is also shown again.
    m_given->setAccessibleName(text);
    QAccessibleEvent event(m_given, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
    if (m_announcer->accessibleName() == text || !isVisible())
        return;
    m_announcer->setAccessibleName(text);
    m_announcer->hide();
    m_announcer->show();
}

void CeremonyWindow::tick()
{
    const Ceremony ceremony = m_ceremony.ceremony();
    if (stopped(ceremony) || !handoverAt(ceremony, ceremony.handoversDone))
        return;
    // The first tick begins the ceremony, on the plan the screens' figures give now.
    const IskatCase screens = m_ceremony.savedCase();
    CeremonyProgress progress = m_ceremony.progress().value_or(
        CeremonyProgress{.began = now(), .prayers = screens.prayers, .fasts = screens.fasts});
    progress.handoversDone = ceremony.handoversDone + 1;
    if (progress.handoversDone == *ceremony.totalHandovers)
        progress.ended = now();
    m_ceremony.setProgress(progress);
    m_given->setFocus();
}

void CeremonyWindow::untick()
{
    const Ceremony ceremony = m_ceremony.ceremony();
    if (stopped(ceremony) || ceremony.handoversDone == 0)
        return;
    CeremonyProgress progress = *m_ceremony.progress();
    progress.handoversDone = ceremony.handoversDone - 1;
    progress.ended = {};
    m_ceremony.setProgress(progress);
    m_given->setFocus();
}
