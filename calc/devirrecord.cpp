#include "calc/devirrecord.h"

#include "calc/hijri.h"
#include "common/numbers.h"

#include <QStringList>

namespace {

using Kind = CeremonyPart::Kind;

// Large enough to tick with a pen on paper: at least 4 mm printed.
const QString tickBox = QStringLiteral("<span style=\"font-size:18pt\">\u2610</span>");
const QString nbsp = QStringLiteral("&nbsp;");

// An amount of units of 10^-decimals: whole without decimals, otherwise with at least
// two ("90", "0,50", "0,125").
QString amount(qint64 units, int decimals)
{
    int shown = decimals;
    for (; shown > 0 && units % 10 == 0; --shown)
        units /= 10;
    if (shown == 1) {
        units *= 10;
        shown = 2;
    }
    return writeNumber(unitsToNumber(units, shown), turkishLocale(), Grouping::Thousands, shown);
}

QString grams(qint64 units, int decimals)
{
    return amount(units, decimals) + QStringLiteral(" g");
}

QString lira(qint64 hundredths)
{
    return amount(hundredths, 2) + QStringLiteral(" TL");
}

// A figure as it was typed, but with two decimals where it has one: "12,50".
QString typed(double value)
{
    const auto exact = exactHundredths(value);
    return exact ? amount(*exact, 2) : turkishFigure(value);
}

// Lira a step computed, to the nearest kuruş where it can be counted.
QString liraOf(double value)
{
    const auto kurus = hundredths(value, Rounding::Nearest);
    return kurus ? lira(*kurus) : turkishFigure(value) + QStringLiteral(" TL");
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
    const StandingAdvice advice = adviceFor(part.standing);
    const QString name = partTitle(part.kind);
    const QString screen = screenName(part.kind);
    if (advice.change.isEmpty())
        return QStringLiteral("%1 hesaplanmadı: %2 ekranında %3").arg(name, screen, advice.press);
    return QStringLiteral("%1 bu çizelgeye alınmadı: %2 ekranında %3. %4")
        .arg(name, screen, advice.change, advice.press);
}

// The screen's figure, and where it has more than two decimals, the gold to weigh.
QString goldWorth(const Step &step)
{
    const QString shown = QStringLiteral("%1 ÷ %2 TL/g = %3 g altın")
                              .arg(liraOf(step.left), typed(step.right), turkishFigure(step.result));
    const auto up = hundredths(step.result, Rounding::Up);
    if (!up || exactHundredths(step.result))
        return shown;
    return shown + QStringLiteral(" (ekranda). Verilecek altın, yukarı yuvarlanarak: %1").arg(grams(*up, 2));
}

QString stepText(const Step &step)
{
    const QString l = turkishFigure(step.left), r = typed(step.right);
    switch (step.kind) {
    case Step::Kind::Years:
        return QStringLiteral("%1 − %2 = %3 sene").arg(l, r, turkishFigure(step.result));
    case Step::Kind::NoYears:
        return QStringLiteral("%1 yaş %2 yaşından küçük olduğu için %3 sene").arg(l, r, turkishFigure(step.result));
    case Step::Kind::PrayerWheat:
        return QStringLiteral("%1 sene × %2 kg = %3 kg buğday").arg(l, r, turkishFigure(step.result));
    case Step::Kind::WheatValue:
        return QStringLiteral("%1 kg × %2 TL/kg = %3").arg(l, r, liraOf(step.result));
    case Step::Kind::FastingValue:
        return QStringLiteral("%1 sene × %2 TL/kg × %3 kg = %4")
            .arg(l, r, turkishFigure(wheatKgPerYearOfFasts), liraOf(step.result));
    case Step::Kind::GoldWorth:
        return goldWorth(step);
    case Step::Kind::GoldPerRound:
        return QStringLiteral("Bir devirde verilen altın: %1 g × %2 fakir = %3 g")
            .arg(typed(step.left), turkishFigure(step.right), typed(step.result));
    case Step::Kind::FitraValue:
        return QStringLiteral("Bir fıtra: %1 kg × %2 TL/kg = %3").arg(l, r, liraOf(step.result));
    }
    return {};
}

QString inputs(const RecordFigures &f)
{
    QStringList rows = {
        QStringLiteral("Bugün 1 kg buğday: %1 TL").arg(typed(f.wheatPrice)),
        QStringLiteral("Bugün 1 gram altın: %1 TL").arg(typed(f.goldPrice)),
        QStringLiteral("Vefat edenin yaşı (hicri): %1").arg(turkishFigure(f.hijriAge)),
        QStringLiteral("Cinsiyeti: %1").arg(f.sex == Sex::Woman ? QStringLiteral("Kadın") : QStringLiteral("Erkek")),
    };
    if (f.rounds) {
        rows.append(QStringLiteral("Mevcut altın: %1 g").arg(typed(f.rounds->goldAtHand)));
        rows.append(QStringLiteral("Fakir sayısı: %1").arg(turkishFigure(f.rounds->poorPeople)));
    }
    QString html = heading(3, QStringLiteral("Yazılan değerler"));
    for (const QString &row : std::as_const(rows))
        html += paragraph(row);
    return html;
}

// "672,88 g ÷ 90 g = 7,48: 7 tam devir ve 42,88 gramlık bir son devir, toplam 8 devir
// (ekranda 7,5)".
QString roundsExplained(const RoundPlan &plan, double shownOnScreen)
{
    if (plan.totalRounds == 0)
        return QStringLiteral("Verilecek altın olmadığı için devir yapılmaz.");
    const QString full = QStringLiteral("%1 tam devir").arg(turkishFigure(double(plan.fullRounds)));
    const QString last = QStringLiteral("%1 gramlık bir son devir").arg(amount(plan.lastRound, plan.decimals));
    QString rounds = plan.lastRound == 0    ? full
                     : plan.fullRounds == 0 ? QStringLiteral("yalnızca ") + last
                                            : full + QStringLiteral(" ve ") + last;
    return QStringLiteral("%1 ÷ %2 = %3: %4, toplam %5 devir (ekranda %6).")
        .arg(grams(plan.goldNeeded, plan.decimals), grams(plan.perRound, plan.decimals), amount(plan.quotient, 2),
             rounds, turkishFigure(double(plan.totalRounds)), turkishFigure(shownOnScreen));
}

QString handoverText(qint64 person, qint64 units, int decimals)
{
    return QStringLiteral("%1 %2.&nbsp;fakir:&nbsp;%3")
        .arg(tickBox, turkishFigure(double(person)), grams(units, decimals).replace(u' ', nbsp));
}

// The hand-overs of a round: a box for each, or one line for a round among many poor.
QString handovers(const RoundPlan::Pass &pass, const RoundPlan &plan)
{
    const QString atHand = grams(plan.goldAtHand, plan.decimals);
    if (pass.handovers() > maxHandoversInALine) {
        QString line = QStringLiteral("%1 %2 fakirin her birine %3")
                           .arg(tickBox, turkishFigure(double(pass.wholeHandovers)), atHand);
        if (pass.restHandover > 0)
            line += QStringLiteral(", %1. fakire %2")
                        .arg(turkishFigure(double(pass.wholeHandovers + 1)), grams(pass.restHandover, plan.decimals));
        return line;
    }
    QStringList boxes;
    for (qint64 person = 1; person <= pass.wholeHandovers; ++person)
        boxes.append(handoverText(person, plan.goldAtHand, plan.decimals));
    if (pass.restHandover > 0)
        boxes.append(handoverText(pass.wholeHandovers + 1, pass.restHandover, plan.decimals));
    return boxes.join(QStringLiteral(" &nbsp; "));
}

// "201.–286. devirler: her birinde 5 fakirin her birine 0,50 g verilir."
QString unlistedRounds(const RoundLine &line, const RoundPlan &plan)
{
    const QString each = QStringLiteral("%1 fakirin her birine %2 verilir.")
                             .arg(turkishFigure(double(plan.poorPeople)), grams(plan.goldAtHand, plan.decimals));
    if (line.first == line.last)
        return QStringLiteral("%1. devir: %2").arg(turkishFigure(double(line.first)), each);
    return QStringLiteral("%1.–%2. devirler: her birinde %3")
        .arg(turkishFigure(double(line.first)), turkishFigure(double(line.last)), each);
}

QString checklistRow(const RoundLine &line, const RoundPlan &plan)
{
    if (!line.listed)
        return QStringLiteral("<tr><td colspan=\"3\">%1</td></tr>").arg(unlistedRounds(line, plan).toHtmlEscaped());
    return QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
        .arg(turkishFigure(double(line.first)), handovers(line.pass, plan), grams(line.pass.owedAfter, plan.decimals));
}

QString checklist(const CeremonyPart &part)
{
    if (part.checklist.isEmpty())
        return {};
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">"
                                  "<thead><tr><th>Devir</th><th>Her fakire verilen altın (her kutu bir fakir)</th>"
                                  "<th>Kalan borç</th></tr></thead><tbody>");
    for (const RoundLine &line : part.checklist)
        html += checklistRow(line, *part.plan);
    return html + QStringLiteral("</tbody></table>");
}

QString steps(const CeremonyPart &part)
{
    QString html;
    for (const Step &step : part.steps)
        html += paragraph(stepText(step));
    return html;
}

// What the velî says at each hand-over of the part, and the poor person's answer.
QString words(const CeremonyPart &part)
{
    return paragraph(QStringLiteral("%1 \"%2\" %3").arg(Quoted::handoverLead, part.words, Quoted::answer));
}

QString expiationPart(const CeremonyPart &part)
{
    QString html = heading(2, partTitle(part.kind));
    if (!part.inRecord())
        return html + paragraph(missingPart(part));
    if (part.gold.value_or(1) > 0)
        html += words(part);
    html += inputs(part.figures) + heading(3, QStringLiteral("Hesap")) + steps(part);
    if (!part.roundsCounted)
        return html + paragraph(QStringLiteral("Devir sayısı henüz hesaplanmadı: %1 ekranında mevcut altını ve fakir "
                                               "sayısını yazıp \"H E S A P L A\" düğmesine basınız.")
                                    .arg(screenName(part.kind)));
    if (!part.plan)
        return html + paragraph(QStringLiteral("Bu miktarlar bir çizelgeye sığmayacak kadar büyük."));
    return html + paragraph(roundsExplained(*part.plan, part.figures.rounds->rounds)) + checklist(part);
}

QString closingPart(const CeremonyPart &part)
{
    QString html = heading(2, partTitle(part.kind));
    html += paragraph(part.kind == Kind::ZakatSacrificeFitr ? Quoted::zakatRound : Quoted::rightsRound);
    html += words(part);
    if (!part.roundsCounted)
        return html + paragraph(QStringLiteral("Eldeki altın ve fakir sayısı bilinmediği için bu devrin miktarları "
                                               "yazılmadı: \"NAMAZ İSKATI\" ya da \"ORUÇ İSKATI\" ekranında "
                                               "\"H E S A P L A\" düğmesine basınız."));
    if (!part.plan)
        return html + steps(part) + paragraph(QStringLiteral("Bu miktarlar bir çizelgeye sığmayacak kadar büyük."));
    return html + steps(part) + checklist(part);
}

QString summaryLine(const CeremonyPart &part)
{
    if (!part.inRecord())
        return paragraph(missingPart(part));
    QString line = partTitle(part.kind) + QStringLiteral(": ");
    if (part.closesCeremony() && part.plan)
        line += grams(part.plan->goldNeeded, part.plan->decimals) + QStringLiteral(" altın");
    else if (part.gold)
        line += grams(*part.gold, 2) + QStringLiteral(" altın");
    if (part.plan)
        line += QStringLiteral(", %1 devir").arg(turkishFigure(double(part.plan->totalRounds)));
    else
        line += part.roundsCounted ? QStringLiteral(", devir sayısı yazılamadı")
                                   : QStringLiteral(", devir sayısı hesaplanmadı");
    return paragraph(line);
}

// "672,88 g + 9,30 g = 682,18 g"; a single part's figure alone.
template<typename Write>
QString sum(const Ceremony &ceremony, std::optional<qint64> CeremonyPart::*figureOf, qint64 total, Write write)
{
    QStringList terms;
    for (const CeremonyPart &part : ceremony.parts) {
        if (part.inRecord() && !part.closesCeremony())
            terms.append(write(*(part.*figureOf)));
    }
    const QString result = write(total);
    return terms.size() > 1 ? terms.join(QStringLiteral(" + ")) + QStringLiteral(" = ") + result : result;
}

// Which parts the totals leave out: "; oruç iskatı eksiktir".
QString missingFromTotals(const Ceremony &ceremony)
{
    QStringList missing;
    for (const CeremonyPart &part : ceremony.parts) {
        if (!part.inRecord())
            missing.append(partTitle(part.kind).toLower());
    }
    if (missing.isEmpty())
        return {};
    return paragraph(QStringLiteral("Bu toplamlar yalnızca hesaplanan kısımları kapsar; %1 eksiktir.")
                         .arg(missing.join(QStringLiteral(" ve "))));
}

QString summary(const Ceremony &ceremony)
{
    QString html = heading(2, QStringLiteral("Özet"));
    for (const CeremonyPart &part : ceremony.parts)
        html += summaryLine(part);
    if (ceremony.totalRounds) {
        html += paragraph(
            QStringLiteral("Bütün iskât: toplam %1 devir, %2 el değiştirme.")
                .arg(turkishFigure(double(*ceremony.totalRounds)), turkishFigure(double(*ceremony.totalHandovers))));
    } else {
        html += paragraph(QStringLiteral("Toplam devir sayısı, her kısmın devri hesaplanınca yazılır."));
    }
    if (ceremony.totalGold) {
        const auto inGrams = [](qint64 units) { return grams(units, 2); };
        html += paragraph(QStringLiteral("Bütün iskâtın altını: ") +
                          sum(ceremony, &CeremonyPart::gold, *ceremony.totalGold, inGrams) + u'.');
        html += paragraph(QStringLiteral("Bütün iskâtın değeri: ") +
                          sum(ceremony, &CeremonyPart::lira, *ceremony.totalLira, lira) + u'.');
    }
    html += missingFromTotals(ceremony);
    if (ceremony.differentRounds) {
        html += paragraph(QStringLiteral("İki ekrana farklı mevcut altın ya da fakir sayısı yazıldığı için her kısım "
                                         "kendi ekranının değerleriyle, son iki devir namaz ekranının değerleriyle "
                                         "hesaplandı."));
    }
    return html;
}

QString howARoundIsDone()
{
    return heading(2, QStringLiteral("Devir nasıl yapılır")) + paragraph(Quoted::whyRounds) +
           paragraph(Quoted::nextPoor) + paragraph(Quoted::afterRounds);
}

QString kefarets(const Ceremony &ceremony)
{
    QString html = heading(2, QStringLiteral("Kefaretler"));
    html += paragraph(Quoted::kefarets);
    if (ceremony.fitra) {
        const Fitra &fitra = *ceremony.fitra;
        html += paragraph(QStringLiteral("Günün fıtrası (%1 ekranının fiyatlarıyla):")
                              .arg(fitra.fromPrayerScreen ? screenName(Kind::Prayers) : screenName(Kind::Fasts)));
        if (fitra.lira && fitra.oathKefaret) {
            html += paragraph(stepText(fitra.value));
            html += paragraph(QStringLiteral("Bir yemin kefareti: 10 fıtra = %1").arg(lira(*fitra.oathKefaret)));
            html += paragraph(QStringLiteral("Bir oruç kefareti: 60 fıtra = %1").arg(lira(*fitra.fastKefaret)));
        } else {
            html += paragraph(QStringLiteral("Bu fiyatlarla fıtranın değeri hesaplanamadı."));
        }
    }
    const QString blank = QStringLiteral(": ____");
    return html + paragraph(QStringLiteral("Yemin kefareti sayısı") + blank) +
           paragraph(QStringLiteral("Oruç kefareti sayısı") + blank);
}

// A name as typed, or a line to write it on by hand.
QString nameLine(const QString &label, const QString &name)
{
    const QString written = name.simplified();
    return paragraph(label + QStringLiteral(": ") +
                     (written.isEmpty() ? QStringLiteral("______________________________") : written));
}

QString names(const CeremonyNames &names)
{
    return nameLine(QStringLiteral("Vefat edenin adı"), names.deceased) +
           nameLine(QStringLiteral("Babasının adı"), names.father) +
           nameLine(QStringLiteral("Velî / vekil"), names.guardian) + nameLine(QStringLiteral("Tarih ve yer"), {});
}

QString signature(const CeremonyNames &names)
{
    return heading(2, QStringLiteral("İmza")) + nameLine(QStringLiteral("Velî / vekil"), names.guardian) +
           nameLine(QStringLiteral("İmza"), {});
}

// A child's record: the one sentence, and the figures that show why.
QString nothingOwed(const Ceremony &ceremony)
{
    QString html = paragraph(QStringLiteral("Vefat eden, mükellefiyet yaşına (kadında 9, erkekte 12 hicri yaş) "
                                            "ulaşmadan vefat ettiği için namaz ve oruç borcu yoktur; iskât ve devir "
                                            "yapılmaz."));
    for (const CeremonyPart &part : ceremony.parts) {
        if (part.inRecord())
            html += heading(2, partTitle(part.kind)) + inputs(part.figures) + paragraph(stepText(part.steps.first()));
    }
    return html;
}

// A case saved on an earlier day is calculated with that day's prices: said at the top,
// on screen and on paper, until each part is calculated with today's.
QString earlierPrices(const Ceremony &ceremony, QDate today)
{
    QStringList days;
    for (const CeremonyPart &part : ceremony.parts) {
        const QDate day = part.figures.pricesDay;
        const QString written = turkishLocale().toString(day, u"d MMMM yyyy");
        if (part.inRecord() && !part.closesCeremony() && day.isValid() && day != today && !days.contains(written))
            days.append(written);
    }
    if (days.isEmpty())
        return {};
    return QStringLiteral("<p><b>%1</b></p>")
        .arg(QStringLiteral("Fiyatlar %1 tarihlidir; bugünün fiyatlarıyla hesap için yeni fiyatları yazıp \"Kadın\" "
                            "veya \"Erkek\" düğmesine yeniden basınız.")
                 .arg(days.join(QStringLiteral(" ve ")))
                 .toHtmlEscaped());
}

QString body(const Ceremony &ceremony)
{
    if (ceremony.nothingOwed)
        return nothingOwed(ceremony);
    QString html = summary(ceremony) + howARoundIsDone();
    for (const CeremonyPart &part : ceremony.parts)
        html += part.closesCeremony() ? closingPart(part) : expiationPart(part);
    return html + kefarets(ceremony) + signature(ceremony.names);
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
    return turkishLocale().toString(date, u"d MMMM yyyy dddd");
}

QString devirRecordHtml(const Ceremony &ceremony, QDate date, const QString &notice)
{
    QString html = QStringLiteral("<html><body>") + heading(1, devirRecordTitle());
    if (!notice.isEmpty())
        html += QStringLiteral("<p><b>%1</b></p>").arg(notice.toHtmlEscaped());
    html += earlierPrices(ceremony, date);
    html += paragraph(QStringLiteral("%1 (%2; takvim hesabıyla, ilan edilen takvimden bir gün farklı olabilir)")
                          .arg(recordDate(date), hijriDate(date)));
    html += names(ceremony.names) + body(ceremony);
    html += paragraph(QStringLiteral("Karvela %1").arg(QString::fromLatin1(KARVELA_VERSION)));
    return html + QStringLiteral("</body></html>");
}
