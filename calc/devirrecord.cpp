#include "calc/devirrecord.h"

#include "calc/roundplan.h"

#include <QLocale>
#include <QStringList>

namespace {

constexpr double prayerWheatKgPerYear = 3800;
constexpr double fastingWheatKgPerYear = 52.5;
const QString tickBox = QStringLiteral("\u2610");

// A figure for reading: grouped thousands, up to 15 significant digits, no trailing zeros.
QString figure(double value)
{
    return QLocale().toString(value == 0 ? 0.0 : value, 'g', 15);
}

// A constant of the rule, written as the screens write it: "3800 kg".
QString constant(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

QString grams(qint64 units, int decimals)
{
    return figure(unitsToGrams(units, decimals)) + QStringLiteral(" g");
}

QString paragraph(const QString &text)
{
    return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
}

QString inputs(const RecordFigures &f)
{
    QStringList rows = {
        QStringLiteral("Bugün 1 kg buğday: %1 TL").arg(figure(f.wheatPrice)),
        QStringLiteral("Bugün 1 gram altın: %1 TL").arg(figure(f.goldPrice)),
        QStringLiteral("Vefat edenin yaşı (hicri): %1").arg(figure(f.hijriAge)),
        QStringLiteral("Cinsiyeti: %1").arg(f.sex == Sex::Woman ? QStringLiteral("Kadın") : QStringLiteral("Erkek")),
    };
    if (f.rounds) {
        rows.append(QStringLiteral("Mevcut altın: %1 gram").arg(figure(f.rounds->goldAtHand)));
        rows.append(QStringLiteral("Fakir sayısı: %1").arg(figure(f.rounds->poorPeople)));
    }
    QString html = QStringLiteral("<h2>Yazılan değerler</h2>");
    for (const QString &row : std::as_const(rows))
        html += paragraph(row);
    return html;
}

QString steps(const RecordFigures &f)
{
    const double obligation = ageOfObligation(f.sex);
    const double kgPerYear = f.expiation == Expiation::Prayers ? prayerWheatKgPerYear : fastingWheatKgPerYear;
    const double wheatKg = f.years * kgPerYear;
    const double value = wheatKg * f.wheatPrice;
    const QString years = f.hijriAge >= obligation
        ? QStringLiteral("%1 − %2 = %3 sene").arg(figure(f.hijriAge), figure(obligation), figure(f.years))
        : QStringLiteral("%1 yaş %2 yaşından küçük olduğu için %3 sene")
              .arg(figure(f.hijriAge), figure(obligation), figure(f.years));
    QString html = QStringLiteral("<h2>Hesap</h2>");
    html += paragraph(years);
    html += paragraph(QStringLiteral("%1 sene × %2 kg = %3 kg buğday").arg(figure(f.years), constant(kgPerYear), figure(wheatKg)));
    html += paragraph(QStringLiteral("%1 kg × %2 TL = %3 TL").arg(figure(wheatKg), figure(f.wheatPrice), figure(value)));
    html += paragraph(QStringLiteral("%1 TL ÷ %2 TL = %3 gram altın").arg(figure(value), figure(f.goldPrice), figure(f.goldNeeded)));
    return html;
}

QString roundsExplained(const RecordFigures::Rounds &r, const RoundPlan &plan)
{
    const QString count = figure(r.rounds) + QStringLiteral(" devir: ");
    const QString last = figure(unitsToGrams(plan.lastRound, plan.decimals)) + QStringLiteral(" gramlık bir son devir");
    const QString total = QStringLiteral(" (toplam %1 devir)").arg(figure(double(plan.totalRounds)));
    if (plan.totalRounds == 0)
        return count + QStringLiteral("verilecek altın olmadığı için devir yapılmaz");
    if (plan.lastRound == 0)
        return count + QStringLiteral("%1 tam devir").arg(figure(double(plan.fullRounds))) + total;
    if (plan.fullRounds == 0)
        return count + QStringLiteral("yalnızca ") + last + total;
    return count + QStringLiteral("%1 tam devir ve ").arg(figure(double(plan.fullRounds))) + last + total;
}

QString checklistRow(const RoundPlan::Round &round, const RoundPlan &plan)
{
    QStringList handovers;
    for (qsizetype person = 0; person < round.handovers.size(); ++person) {
        handovers.append(QStringLiteral("%1&nbsp;%2.&nbsp;fakir:&nbsp;%3")
                             .arg(tickBox, figure(double(person + 1)),
                                  grams(round.handovers.at(person), plan.decimals).replace(u' ', QStringLiteral("&nbsp;"))));
    }
    return QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
        .arg(figure(double(round.number)), handovers.join(QStringLiteral(" &nbsp; ")),
             grams(round.owedAfter, plan.decimals));
}

// What the rounds that the checklist does not list hold.
QString unlisted(const RoundPlan &plan)
{
    if (plan.unlistedRounds() == 0)
        return {};
    QString text = QStringLiteral("Çizelge ilk %1 devri gösterir; ardından %2 devir daha yapılır.")
                       .arg(figure(double(plan.listed.size())), figure(double(plan.unlistedRounds())));
    if (plan.unlistedFullRounds() > 0) {
        text += QStringLiteral(" Bunların %1 tanesi tam devirdir: her birinde %2 fakirin her birine %3 verilir.")
                    .arg(figure(double(plan.unlistedFullRounds())), figure(double(plan.poorPeople)),
                         grams(plan.goldAtHand, plan.decimals));
    }
    if (plan.lastRound > 0)
        text += QStringLiteral(" Son devirde %1 verilir.").arg(grams(plan.lastRound, plan.decimals));
    return paragraph(text);
}

QString rounds(const RecordFigures &f)
{
    QString html = QStringLiteral("<h2>Devir</h2>");
    if (!f.rounds)
        return html + paragraph(QStringLiteral("Devir sayısı henüz hesaplanmadı: mevcut altını ve fakir sayısını "
                                               "yazıp \"H E S A P L A\" düğmesine basınız."));
    const RecordFigures::Rounds &r = *f.rounds;
    const std::optional<RoundPlan> plan = planRounds(f.goldNeeded, r.goldAtHand, r.poorPeople);
    const double perRound = r.goldAtHand * r.poorPeople;
    html += paragraph(QStringLiteral("Bir devirde verilen altın: %1 gram × %2 fakir = %3 gram")
                          .arg(figure(r.goldAtHand), figure(r.poorPeople), figure(perRound)));
    if (!plan)
        return html + paragraph(QStringLiteral("%1 devir. Bu miktarlar bir çizelgeye sığmayacak kadar büyük.").arg(figure(r.rounds)));
    html += paragraph(QStringLiteral("%1 gram ÷ %2 gram = ").arg(figure(f.goldNeeded), figure(perRound)) +
                      roundsExplained(r, *plan));
    if (plan->totalRounds == 0)
        return html;
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">"
                           "<thead><tr><th>Devir</th><th>Her fakire verilen altın (her kutu bir fakir)</th>"
                           "<th>Kalan borç</th></tr></thead><tbody>");
    for (const RoundPlan::Round &round : std::as_const(plan->listed))
        html += checklistRow(round, *plan);
    return html + QStringLiteral("</tbody></table>") + unlisted(*plan);
}

QString blanks()
{
    const QString line = QStringLiteral(": ______________________________");
    return paragraph(QStringLiteral("Vefat edenin adı") + line) + paragraph(QStringLiteral("Velî / vekil") + line) +
           paragraph(QStringLiteral("Tarih ve yer") + line);
}

} // namespace

QString devirRecordTitle(Expiation expiation)
{
    return (expiation == Expiation::Prayers ? QStringLiteral("NAMAZ İSKATI") : QStringLiteral("ORUÇ İSKATI")) +
           QStringLiteral(" — DEVİR ÇİZELGESİ");
}

QString devirRecordFileName(Expiation expiation, QDate date)
{
    const QString kind = expiation == Expiation::Prayers ? QStringLiteral("namaz") : QStringLiteral("oruc");
    return QStringLiteral("karvela-%1-iskati-%2.pdf").arg(kind, date.toString(Qt::ISODate));
}

QString devirRecordHtml(const RecordFigures &figures, QDate date)
{
    QString html = QStringLiteral("<html><body><h1>%1</h1>").arg(devirRecordTitle(figures.expiation).toHtmlEscaped());
    html += paragraph(QLocale().toString(date, QLocale::LongFormat));
    html += blanks() + inputs(figures) + steps(figures) + rounds(figures);
    html += paragraph(QStringLiteral("Devrin nasıl yapılacağı programın \"Karvela Nasıl Yapılır?\" ekranında "
                                     "anlatılmıştır."));
    html += paragraph(QStringLiteral("Karvela %1").arg(QString::fromLatin1(KARVELA_VERSION)));
    return html + QStringLiteral("</body></html>");
}
