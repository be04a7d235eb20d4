#include "calc/screens/expiationscreen.h"

#include "calc/screens/ageconfirmation.h"
#include "calc/screens/devirwindow.h"
#include "common/figures.h"
#include "common/messages.h"
#include "common/numbers.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

ExpiationScreen::ExpiationScreen(ScreenId id, Navigator &navigator, MessageService &messages, CeremonyBook &ceremony)
    : Screen(id, navigator, messages), m_ceremony(ceremony)
{}

void ExpiationScreen::connectRecord(const RecordBoxes &boxes)
{
    m_boxes = boxes;
    connect(DevirCizelgesi, &QPushButton::clicked, this, &ExpiationScreen::openRecord);
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(shortcut, &QShortcut::activated, this, &ExpiationScreen::openRecord);
    addAction(navigator().openCaseAction());
    // A change to any of them may leave the figures behind what the boxes show.
    for (QLineEdit *box : {boxes.wheatPrice, boxes.goldPrice, boxes.age, boxes.goldNeeded, boxes.goldAtHand,
                           boxes.poorPeople, boxes.rounds})
        connect(box, &QLineEdit::textChanged, this, &ExpiationScreen::tell);
}

bool ExpiationScreen::pricesConfirmed()
{
    return m_openingDay || confirmAgeAndPrices(messages(), *m_boxes.wheatPrice, *m_boxes.goldPrice);
}

void ExpiationScreen::settleWith(Sex sex, const GoldSteps &gold)
{
    RecordFigures figures{.sex = sex};
    const bool written = guard().calculate({m_boxes.years, m_boxes.goldNeeded}, [&](Calculation &calculation) {
        if (!pricesConfirmed())
            calculation.endSilentlyOnError();
        figures.hijriAge = calculation.read(m_boxes.age, Figure::Age);
        calculation.write(m_boxes.years, yearsToSettle(figures.hijriAge, sex));
        gold(calculation, figures);
    });
    settled(figures, written);
}

void ExpiationScreen::settled(RecordFigures figures, bool written)
{
    m_sexChosen = figures.sex;
    m_settled.reset();
    if (written) {
        figures.pricesDay = m_openingDay.value_or(QDate::currentDate());
        m_settled = {settledInputs(), figures};
    }
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
    m_ceremony.update(m_boxes.expiation, standing(), savedCase());
}

namespace {

// The figure a box holds, read as the strict parse reads it, where its box would take
// it in a calculation.
std::optional<double> typedFigure(const QLineEdit *box, Figure figure)
{
    const std::variant<double, ErrorKind> number = strictNumber(box->text());
    const double *value = std::get_if<double>(&number);
    return value && faultOf(*value, figure) == Fault::None ? std::optional(*value) : std::nullopt;
}

void showFigure(QLineEdit *box, const std::optional<double> &value)
{
    box->setText(value ? formatNumber(*value) : QString());
}

} // namespace

ScreenCase ExpiationScreen::savedCase() const
{
    ScreenCase saved{.wheatPrice = typedFigure(m_boxes.wheatPrice, Figure::WheatPrice),
                     .goldPrice = typedFigure(m_boxes.goldPrice, Figure::GoldPrice),
                     .hijriAge = typedFigure(m_boxes.age, Figure::Age),
                     .goldAtHand = typedFigure(m_boxes.goldAtHand, Figure::GoldAtHand),
                     .poorPeople = typedFigure(m_boxes.poorPeople, Figure::PoorPeople),
                     .sex = m_sexChosen};
    const ScreenState state = standing();
    if (state.standing != Standing::Calculated)
        return saved;
    const RecordFigures &f = state.figures;
    saved.wheatPrice = f.wheatPrice;
    saved.goldPrice = f.goldPrice;
    saved.hijriAge = f.hijriAge;
    saved.sex = f.sex;
    saved.goldCalculated = true;
    saved.pricesDay = f.pricesDay;
    if (f.rounds) {
        saved.goldAtHand = f.rounds->goldAtHand;
        saved.poorPeople = f.rounds->poorPeople;
        saved.roundsCounted = true;
    }
    return saved;
}

void ExpiationScreen::openCase(const ScreenCase &saved)
{
    if (m_window)
        m_window->close();
    showFigure(m_boxes.wheatPrice, saved.wheatPrice);
    showFigure(m_boxes.goldPrice, saved.goldPrice);
    showFigure(m_boxes.age, saved.hijriAge);
    showFigure(m_boxes.goldAtHand, saved.goldAtHand);
    showFigure(m_boxes.poorPeople, saved.poorPeople);
    for (QLineEdit *result : {m_boxes.years, m_boxes.goldNeeded, m_boxes.perRound, m_boxes.rounds}) {
        if (result)
            result->clear();
    }
    m_settled.reset();
    m_counted.reset();
    m_sexChosen = saved.sex;
    if (saved.goldCalculated) {
        m_openingDay = saved.pricesDay;
        settle(saved.sex);
        m_openingDay.reset();
        if (saved.roundsCounted)
            count();
    }
    tell();
}

bool ExpiationScreen::holdsFigures() const
{
    const QLineEdit *boxes[] = {m_boxes.wheatPrice, m_boxes.goldPrice,  m_boxes.age,    m_boxes.goldNeeded,
                                m_boxes.goldAtHand, m_boxes.poorPeople, m_boxes.rounds, m_boxes.years};
    return std::any_of(std::begin(boxes), std::end(boxes),
                       [](const QLineEdit *box) { return box && !box->text().isEmpty(); });
}

void ExpiationScreen::openCeremony()
{
    openRecord();
    if (m_window && m_window->isVisible())
        m_window->startCeremony();
}

void ExpiationScreen::openRecord()
{
    if (const auto refusal = m_ceremony.refusal(m_boxes.expiation)) {
        messages().inform(*refusal);
        return;
    }
    if (!m_window)
        m_window = new DevirWindow(this, messages(), navigator(), m_ceremony, m_boxes.expiation);
    m_window->showRecord();
}
