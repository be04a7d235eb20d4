#include "calc/devirrecord.h"

#include <QLocale>

#include <algorithm>

namespace {

using Kind = CeremonyPart::Kind;

const QString tickBox = QStringLiteral("\u2610");

// Every number the record writes for reading: grouped thousands, up to 15 significant
// digits, no trailing zeros, by the locale in force.
QString figure(double value)
{
    return QLocale().toString(value == 0 ? 0.0 : value, 'g', 15);
}

QString count(qint64 value)
{
    return figure(double(value));
}

QString grams(qint64 units, int decimals)
{
    return figure(unitsToGrams(units, decimals)) + QStringLiteral(" g");
}

QString paragraph(const QString &text)
{
    return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
}

QString heading(int level, const QString &text)
{
    return QStringLiteral("<h%1>%2</h%1>").arg(level).arg(text.toHtmlEscaped());
}

QString partTitle(Kind kind)
{
    switch (kind) {
    case Kind::Prayers:
        return QStringLiteral("Namaz iskatı");
    case Kind::Fasts:
        return QStringLiteral("Oruç iskatı");
    case Kind::ZakatSacrificeFitr:
        return QStringLiteral("Zekât, kurban ve sadaka-ı fıtr için devir");
    case Kind::Rights:
        return QStringLiteral("Kul ve hayvan hakları için devir");
    }
    return {};
}

QString screenName(Kind kind)
{
    return kind == Kind::Prayers ? QStringLiteral("\"NAMAZ İSKATI\"") : QStringLiteral("\"ORUÇ İSKATI\"");
}

// Why a part of the prayers or the fasts is not in the record, and what to do.
QString missingPart(const CeremonyPart &part)
{
    const QString name = partTitle(part.kind);
    const QString screen = screenName(part.kind);
    switch (part.standing) {
    case Standing::NotCalculated:
        return QStringLiteral("%1 hesaplanmadı: %2 ekranında fiyatları ve vefat edenin yaşını yazıp \"Kadın\" veya "
                              "\"Erkek\" düğmesine basınız.").arg(name, screen);
    case Standing::Changed:
        return QStringLiteral("%1 bu çizelgeye alınmadı: %2 ekranında fiyatlar ya da yaş son hesaptan sonra "
                              "değiştirildi. \"Kadın\" veya \"Erkek\" düğmesine yeniden basınız.").arg(name, screen);
    case Standing::RoundsChanged:
        return QStringLiteral("%1 bu çizelgeye alınmadı: %2 ekranında mevcut altın, fakir sayısı ya da gereken altın "
                              "devir hesabından sonra değişti. \"H E S A P L A\" düğmesine yeniden basınız.")
            .arg(name, screen);
    case Standing::Calculated:
        break;
    }
    return {};
}

QString stepText(const Step &step)
{
    const QString l = figure(step.left), r = figure(step.right), x = figure(step.result);
    switch (step.kind) {
    case Step::Kind::Years:
        return QStringLiteral("%1 − %2 = %3 sene").arg(l, r, x);
    case Step::Kind::NoYears:
        return QStringLiteral("%1 yaş %2 yaşından küçük olduğu için %3 sene").arg(l, r, x);
    case Step::Kind::PrayerWheat:
        return QStringLiteral("%1 sene × %2 kg = %3 kg buğday").arg(l, r, x);
    case Step::Kind::WheatValue:
        return QStringLiteral("%1 kg × %2 TL = %3 TL").arg(l, r, x);
    case Step::Kind::FastingYearsAtPrice:
        return QStringLiteral("%1 sene × %2 TL = %3 TL (her sene için 1 kg buğdayın değeri)").arg(l, r, x);
    case Step::Kind::FastingValue:
        return QStringLiteral("%1 TL × %2 kg = %3 TL").arg(l, r, x);
    case Step::Kind::GoldWorth:
        return QStringLiteral("%1 TL ÷ %2 TL = %3 gram altın").arg(l, r, x);
    case Step::Kind::GoldPerRound:
        return QStringLiteral("Bir devirde verilen altın: %1 gram × %2 fakir = %3 gram").arg(l, r, x);
    case Step::Kind::Rounds:
        return QStringLiteral("%1 gram ÷ %2 gram = %3 devir").arg(l, r, x);
    case Step::Kind::FitraValue:
        return QStringLiteral("Bir fıtra: %1 kg buğday × %2 TL = %3 TL").arg(l, r, x);
    case Step::Kind::FitraGold:
        return QStringLiteral("%1 TL ÷ %2 TL = %3 gram altın").arg(l, r, x);
    }
    return {};
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
    QString html = heading(3, QStringLiteral("Yazılan değerler"));
    for (const QString &row : std::as_const(rows))
        html += paragraph(row);
    return html;
}

// "2 tam devir ve 189 gramlık bir son devir (toplam 3 devir)".
QString roundsExplained(const RoundPlan &plan)
{
    const QString last = figure(unitsToGrams(plan.lastRound, plan.decimals)) + QStringLiteral(" gramlık bir son devir");
    const QString total = QStringLiteral(" (toplam %1 devir)").arg(count(plan.totalRounds));
    if (plan.totalRounds == 0)
        return QStringLiteral("verilecek altın olmadığı için devir yapılmaz");
    if (plan.lastRound == 0)
        return QStringLiteral("%1 tam devir").arg(count(plan.fullRounds)) + total;
    if (plan.fullRounds == 0)
        return QStringLiteral("yalnızca ") + last + total;
    return QStringLiteral("%1 tam devir ve ").arg(count(plan.fullRounds)) + last + total;
}

QString checklistRow(const RoundPlan::Pass &pass, const RoundPlan &plan, qint64 number)
{
    QStringList handovers;
    for (qsizetype person = 0; person < pass.handovers.size(); ++person) {
        handovers.append(QStringLiteral("%1&nbsp;%2.&nbsp;fakir:&nbsp;%3")
                             .arg(tickBox, count(person + 1),
                                  grams(pass.handovers.at(person), plan.decimals).replace(u' ', QStringLiteral("&nbsp;"))));
    }
    return QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
        .arg(count(number), handovers.join(QStringLiteral(" &nbsp; ")), grams(pass.owedAfter, plan.decimals));
}

QString checklist(const CeremonyPart &part)
{
    const RoundPlan &plan = *part.plan;
    if (plan.listed.isEmpty())
        return {};
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">"
                                  "<thead><tr><th>Devir</th><th>Her fakire verilen altın (her kutu bir fakir)</th>"
                                  "<th>Kalan borç</th></tr></thead><tbody>");
    for (qsizetype i = 0; i < plan.listed.size(); ++i)
        html += checklistRow(plan.listed.at(i), plan, part.firstRound + i);
    return html + QStringLiteral("</tbody></table>");
}

// What the rounds that the checklist does not list hold.
QString unlisted(const RoundPlan &plan)
{
    if (plan.unlistedRounds() == 0)
        return {};
    QString text = plan.listed.isEmpty()
        ? QStringLiteral("Çizelge uzun olduğu için bu kısmın %1 devri tek tek gösterilmez.").arg(count(plan.totalRounds))
        : QStringLiteral("Çizelge ilk %1 devri gösterir; ardından %2 devir daha yapılır.")
              .arg(count(plan.listed.size()), count(plan.unlistedRounds()));
    if (plan.unlistedFullRounds() > 0) {
        text += QStringLiteral(" Bunların %1 tanesi tam devirdir: her birinde %2 fakirin her birine %3 verilir.")
                    .arg(count(plan.unlistedFullRounds()), count(plan.poorPeople), grams(plan.goldAtHand, plan.decimals));
    }
    if (plan.lastRound > 0)
        text += QStringLiteral(" Son devirde %1 verilir.").arg(grams(plan.lastRound, plan.decimals));
    return paragraph(text);
}

// The steps; the count of rounds, where a screen showed one, with what it means.
QString steps(const CeremonyPart &part)
{
    QString html;
    for (const Step &step : part.steps) {
        if (step.kind != Step::Kind::Rounds)
            html += paragraph(stepText(step));
    }
    return html;
}

QString rounds(const CeremonyPart &part)
{
    const auto counted = std::find_if(part.steps.cbegin(), part.steps.cend(),
                                      [](const Step &step) { return step.kind == Step::Kind::Rounds; });
    const QString count = counted == part.steps.cend() ? QStringLiteral("Devir") : stepText(*counted);
    if (!part.plan)
        return paragraph(count + QStringLiteral(". Bu miktarlar bir çizelgeye sığmayacak kadar büyük."));
    const RoundPlan &plan = *part.plan;
    return paragraph(count + QStringLiteral(": ") + roundsExplained(plan)) + checklist(part) + unlisted(plan);
}

QString expiationPart(const CeremonyPart &part)
{
    QString html = heading(2, partTitle(part.kind));
    if (!part.inRecord())
        return html + paragraph(missingPart(part));
    html += inputs(part.figures) + heading(3, QStringLiteral("Hesap")) + steps(part);
    if (!part.roundsCounted)
        return html + paragraph(QStringLiteral("Devir sayısı henüz hesaplanmadı: %1 ekranında mevcut altını ve fakir "
                                               "sayısını yazıp \"H E S A P L A\" düğmesine basınız.")
                                    .arg(screenName(part.kind)));
    return html + rounds(part);
}

QString closingPart(const CeremonyPart &part)
{
    QString html = heading(2, partTitle(part.kind));
    html += paragraph(part.kind == Kind::ZakatSacrificeFitr ? Quoted::zakatRound : Quoted::rightsRound);
    if (!part.roundsCounted)
        return html + paragraph(QStringLiteral("Eldeki altın ve fakir sayısı bilinmediği için bu devrin miktarları "
                                               "yazılmadı: \"NAMAZ İSKATI\" ya da \"ORUÇ İSKATI\" ekranında "
                                               "\"H E S A P L A\" düğmesine basınız."));
    return html + steps(part) + rounds(part);
}

QString summaryLine(const CeremonyPart &part)
{
    QString line = QStringLiteral("%1: %2 gram altın").arg(partTitle(part.kind), figure(part.goldNeeded));
    if (part.plan)
        line += QStringLiteral(", %1 devir").arg(count(part.plan->totalRounds));
    else if (!part.roundsCounted)
        line += QStringLiteral(", devir sayısı hesaplanmadı");
    return paragraph(line);
}

QString summary(const Ceremony &ceremony)
{
    QString html = heading(2, QStringLiteral("Özet"));
    for (const CeremonyPart &part : ceremony.parts) {
        if (part.inRecord() && (!part.closesCeremony() || part.roundsCounted))
            html += summaryLine(part);
    }
    if (ceremony.totalRounds) {
        html += paragraph(QStringLiteral("Bütün iskât: toplam %1 devir, %2 el değiştirme.")
                              .arg(count(*ceremony.totalRounds), count(*ceremony.totalHandovers)));
    } else {
        html += paragraph(QStringLiteral("Toplam devir sayısı, her kısmın devri hesaplanınca yazılır."));
    }
    if (ceremony.differentRounds) {
        html += paragraph(QStringLiteral("İki ekrana farklı mevcut altın ya da fakir sayısı yazıldığı için her kısım "
                                         "kendi ekranının değerleriyle, son iki devir namaz ekranının değerleriyle "
                                         "hesaplandı."));
    }
    return html + paragraph(Quoted::handover);
}

QString kefarets(const Ceremony &ceremony)
{
    QString html = heading(2, QStringLiteral("Kefaretler"));
    html += paragraph(Quoted::kefarets);
    if (ceremony.fitra) {
        const Fitra &fitra = *ceremony.fitra;
        html += paragraph(QStringLiteral("Günün bir fıtrası (%1 ekranının fiyatlarıyla):")
                              .arg(fitra.fromPrayerScreen ? screenName(Kind::Prayers) : screenName(Kind::Fasts)));
        for (const Step &step : fitra.steps)
            html += paragraph(stepText(step));
        if (fitra.steps.size() < 2)
            html += paragraph(QStringLiteral("Bu fiyatlarla fıtranın değeri hesaplanamadı."));
    }
    const QString blank = QStringLiteral(": ____");
    return html + paragraph(QStringLiteral("Yemin kefareti sayısı") + blank) +
           paragraph(QStringLiteral("Oruç kefareti sayısı") + blank);
}

QString blanks()
{
    const QString line = QStringLiteral(": ______________________________");
    return paragraph(QStringLiteral("Vefat edenin adı") + line) + paragraph(QStringLiteral("Velî / vekil") + line) +
           paragraph(QStringLiteral("Tarih ve yer") + line);
}

} // namespace

QString devirRecordTitle()
{
    return QStringLiteral("DEVİR ÇİZELGESİ");
}

QString devirRecordFileName(QDate date)
{
    return QStringLiteral("karvela-iskat-%1.pdf").arg(date.toString(Qt::ISODate));
}

QString recordDate(QDate date)
{
    return QLocale(QLocale::Turkish, QLocale::Turkey).toString(date, u"d MMMM yyyy dddd");
}

QString devirRecordHtml(const Ceremony &ceremony, QDate date, const QString &notice)
{
    QString html = QStringLiteral("<html><body>") + heading(1, devirRecordTitle());
    if (!notice.isEmpty())
        html += QStringLiteral("<p><b>%1</b></p>").arg(notice.toHtmlEscaped());
    html += paragraph(recordDate(date)) + blanks() + summary(ceremony);
    for (const CeremonyPart &part : ceremony.parts)
        html += part.closesCeremony() ? closingPart(part) : expiationPart(part);
    html += kefarets(ceremony);
    html += paragraph(QStringLiteral("Devrin nasıl yapılacağı programın \"Karvela Nasıl Yapılır?\" ekranında "
                                     "anlatılmıştır."));
    html += paragraph(QStringLiteral("Karvela %1").arg(QString::fromLatin1(KARVELA_VERSION)));
    return html + QStringLiteral("</body></html>");
}
