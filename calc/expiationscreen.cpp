#include "calc/expiationscreen.h"

#include "calc/devirwindow.h"
#include "common/messages.h"
#include "common/numbers.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

void ExpiationScreen::addRecordButton(const QRect &twips, int tab, const RecordBoxes &boxes)
{
    m_boxes = boxes;
    QPushButton *button = addReturnStyledButton("DevirCizelgesi", u"Devir Çizelgesi", twips, tab);
    connect(button, &QPushButton::clicked, this, &ExpiationScreen::openRecord);
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(shortcut, &QShortcut::activated, this, &ExpiationScreen::openRecord);
}

void ExpiationScreen::settled(bool written, Sex sex)
{
    m_sex = sex;
    m_settled = written ? std::optional(settledInputs()) : std::nullopt;
}

void ExpiationScreen::counted(bool written)
{
    m_counted = written ? std::optional(countedInputs()) : std::nullopt;
}

QStringList ExpiationScreen::settledInputs() const
{
    return {m_boxes.wheatPrice->text(), m_boxes.goldPrice->text(), m_boxes.age->text()};
}

QStringList ExpiationScreen::countedInputs() const
{
    return {m_boxes.goldAtHand->text(), m_boxes.poorPeople->text(), m_boxes.goldNeeded->text()};
}

std::optional<RecordFigures> ExpiationScreen::figuresShown()
{
    const auto refuse = [this](const QString &text) {
        messages().inform(text);
        return std::nullopt;
    };
    if (!m_settled || m_boxes.goldNeeded->text().isEmpty())
        return refuse(QStringLiteral("Devir çizelgesi için önce fiyatları ve vefat edenin yaşını yazıp \"Kadın\" veya "
                                     "\"Erkek\" düğmesine basınız."));
    if (settledInputs() != *m_settled)
        return refuse(QStringLiteral("Fiyatlar ya da yaş son hesaptan sonra değiştirildi. Devir çizelgesi için önce "
                                     "\"Kadın\" veya \"Erkek\" düğmesine yeniden basınız."));
    const bool roundsShown = !m_boxes.rounds->text().isEmpty();
    if (roundsShown && (!m_counted || countedInputs() != *m_counted))
        return refuse(QStringLiteral("Mevcut altın, fakir sayısı ya da gereken altın devir hesabından sonra değişti. "
                                     "Devir çizelgesi için önce \"H E S A P L A\" düğmesine yeniden basınız."));

    // The texts are those the last calculations read without fault.
    RecordFigures figures{.expiation = m_boxes.expiation,
                          .wheatPrice = readFigure(m_boxes.wheatPrice->text(), Figure::WheatPrice, m_boxes.prices),
                          .goldPrice = readFigure(m_boxes.goldPrice->text(), Figure::GoldPrice, m_boxes.prices),
                          .hijriAge = readFigure(m_boxes.age->text(), Figure::Age, Parsing::Lenient),
                          .sex = m_sex,
                          .years = Val(m_boxes.years->text()),
                          .goldNeeded = Val(m_boxes.goldNeeded->text()),
                          .rounds = std::nullopt};
    if (roundsShown) {
        figures.rounds = RecordFigures::Rounds{.goldAtHand = Val(m_boxes.goldAtHand->text()),
                                               .poorPeople = Val(m_boxes.poorPeople->text()),
                                               .rounds = Val(m_boxes.rounds->text())};
    }
    return figures;
}

void ExpiationScreen::openRecord()
{
    std::optional<RecordFigures> figures;
    try {
        figures = figuresShown();
    } catch (const CalculationError &) {
        // Only a change of locale since the calculation can make its texts unreadable.
        messages().inform(QStringLiteral("Devir çizelgesi için önce \"Kadın\" veya \"Erkek\" düğmesine yeniden basınız."));
        return;
    }
    if (!figures)
        return;
    if (!m_window)
        m_window = new DevirWindow(this, messages());
    m_window->showRecord(m_boxes.expiation, devirRecordHtml(*figures, QDate::currentDate()));
}
