#include "calc/hijri.h"

#include "calc/hijricalendar.h"
#include "common/numbers.h"

#include <QRegularExpression>

namespace {

constexpr double daysInSolarYear = 365.242;
constexpr double daysInLunarYear = 354.367;

} // namespace

double hijriAge(double solarYears)
{
    // Multiply first, then divide, as the figures were always worked out.
    return Round(checkedDivide(checkedMultiply(solarYears, daysInSolarYear), daysInLunarYear), 2);
}

std::variant<QDate, Fault> dateIn(const QString &text)
{
    // ASCII digits only: \d would also take digits of other scripts.
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2})([./-])([0-9]{1,2})\\2([0-9]+)$"));
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return Fault::EmptyDate;
    const QRegularExpressionMatch match = form.match(trimmed);
    if (!match.hasMatch())
        return Fault::NotADate;
    const QString year = match.captured(4);
    if (year.size() <= 2)
        return Fault::ShortYear;
    if (year.size() != 4)
        return Fault::NotADate;
    const QDate date(year.toInt(), match.captured(3).toInt(), match.captured(1).toInt());
    if (!date.isValid())
        return Fault::NoSuchDay;
    return date;
}

AgeFromDates ageFromDates(const QString &birth, const QString &death, QDate today)
{
    const auto read = [](const QString &text, LifeDate which) {
        const std::variant<QDate, Fault> date = dateIn(text);
        if (const Fault *fault = std::get_if<Fault>(&date))
            throw DateSlip(*fault, which);
        return std::get<QDate>(date);
    };
    AgeFromDates ages{.birth = read(birth, LifeDate::Birth), .death = read(death, LifeDate::Death)};
    const qint64 days = ages.birth.daysTo(ages.death);
    if (days < 0)
        throw DateSlip(Fault::BeforeBirth, LifeDate::Death);
    if (ages.death > today)
        throw DateSlip(Fault::AfterToday, LifeDate::Death);
    ages.solarAge = Round(double(days) / daysInSolarYear, 2);
    ages.hijriAge = Round(double(days) / daysInLunarYear, 2);
    // The death is checked against today, so an age beyond belief is the birth's slip.
    if (ages.solarAge > oldestAge)
        throw DateSlip(Fault::TooOld, LifeDate::Birth);
    return ages;
}

QString hijriDatesLine(const AgeFromDates &ages)
{
    const HijriDate birth = hijriDateOf(ages.birth);
    const HijriDate death = hijriDateOf(ages.death);
    const bool birthTabular = birth.reckoning == HijriReckoning::Tabular;
    const bool deathTabular = death.reckoning == HijriReckoning::Tabular;
    QString birthText = hijriDateText(birth);
    QString deathText = hijriDateText(death);
    if (birthTabular && deathTabular) {
        deathText += QStringLiteral(" (ikisi de hesap takvimi)"); // said once, so that the line fits its box
    } else {
        const QString mark = QStringLiteral(" (hesap takvimi)");
        birthText += birthTabular ? mark : QString();
        deathText += deathTabular ? mark : QString();
    }
    return QStringLiteral("%1 hicri yıl: %2 – %3").arg(formatNumber(ages.hijriAge), birthText, deathText);
}
