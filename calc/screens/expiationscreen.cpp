#include "calc/screens/expiationscreen.h"

#include "calc/screens/devirwindow.h"
#include "common/messages.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

ExpiationScreen::ExpiationScreen(ScreenId id, Navigator &navigator, MessageService &messages, CeremonyBook &ceremony)
    : Screen(id, navigator, messages), m_ceremony(ceremony)
{
}

void ExpiationScreen::addRecordButton(const QRect &twips, int tab, const RecordBoxes &boxes)
{
    m_boxes = boxes;
    QPushButton *button = controls().addReturnStyledButton("DevirCizelgesi", u"Devir Çizelgesi", twips, tab);
    connect(button, &QPushButton::clicked, this, &ExpiationScreen::openRecord);
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(shortcut, &QShortcut::activated, this, &ExpiationScreen::openRecord);
    // A change to any of them may leave the figures behind what the boxes show.
    for (QLineEdit *box : {boxes.wheatPrice, boxes.goldPrice, boxes.age, boxes.goldNeeded, boxes.goldAtHand,
                           boxes.poorPeople, boxes.rounds})
        connect(box, &QLineEdit::textChanged, this, &ExpiationScreen::tell);
}

void ExpiationScreen::settled(const std::optional<RecordFigures> &figures)
{
    m_settled.reset();
    if (figures)
        m_settled = {settledInputs(), *figures};
    tell();
}

void ExpiationScreen::counted(const std::optional<RecordFigures::Rounds> &rounds)
{
    m_counted.reset();
    if (rounds)
        m_counted = {countedInputs(), *rounds};
    tell();
}

QStringList ExpiationScreen::settledInputs() const
{
    return {m_boxes.wheatPrice->text(), m_boxes.goldPrice->text(), m_boxes.age->text()};
}

QStringList ExpiationScreen::countedInputs() const
{
    return {m_boxes.goldAtHand->text(), m_boxes.poorPeople->text(), m_boxes.goldNeeded->text()};
}

ScreenState ExpiationScreen::standing() const
{
    if (!m_settled || m_boxes.goldNeeded->text().isEmpty())
        return {Standing::NotCalculated, {}};
    if (settledInputs() != m_settled->inputs)
        return {Standing::Changed, {}};
    const bool roundsShown = !m_boxes.rounds->text().isEmpty();
    if (roundsShown && (!m_counted || countedInputs() != m_counted->inputs))
        return {Standing::RoundsChanged, {}};
    RecordFigures figures = m_settled->figures;
    figures.rounds = roundsShown ? std::optional(m_counted->figures) : std::nullopt;
    return {Standing::Calculated, figures};
}

void ExpiationScreen::tell()
{
    m_ceremony.update(m_boxes.expiation, standing());
}

void ExpiationScreen::openRecord()
{
    if (const auto refusal = m_ceremony.refusal(m_boxes.expiation)) {
        messages().inform(*refusal);
        return;
    }
    if (!m_window)
        m_window = new DevirWindow(this, messages(), m_ceremony, m_boxes.expiation);
    m_window->showRecord();
}
