#include "calc/devirrecord.h"

#include "calc/hijricalendar.h"
#include "common/captions.h"
#include "common/numbers.h"

#include <QStringList>

#include <algorithm>

namespace {

using Kind = CeremonyPart::Kind;

// Large enough to tick with a pen on paper: at least 4 mm printed; ticked (☑) where
// the ceremony carried out on screen has done what it stands for.
QString tickBox(bool done = false)
{
    return QStringLiteral("<span style=\"font-size:18pt\">%1</span>").arg(QChar(done ? u'\u2611' : u'\u2610'));
}

// Which of a part's hand-overs the ceremony carried out on screen has done.
struct Ticks
{
    qint64 done = 0;  // hand-overs of the whole ceremony done, in order
    qint64 start = 0; // hand-overs of the ceremony before the part's first
    qint64 poorPeople = 1;

    // The first `count` hand-overs of the part's round `round` are all done.
    bool doneUpTo(qint64 round, qint64 count) const { return start + (round - 1) * poorPeople + count <= done; }
};

Ticks ticksOf(const CeremonyPart &part, qint64 done)
{
    return {done, part.firstHandover, part.plan ? part.plan->poorPeople : 1};
}
const QString nbsp = QStringLiteral("&nbsp;");

// An exact figure with every digit it has: "0,79", "456,225", "3.800".
QString figure(const Decimal &value)
{
    return value.written(turkishLocale());
}

// An amount: whole without decimals, otherwise with at least two ("90", "0,50", "0,125").
QString amount(const Decimal &value)
{
    return value.written(turkishLocale(), value.isWhole() ? 0 : 2);
}

QString amount(qint64 units, int decimals)
{
    return amount(Decimal::fromUnits(units, decimals));
}

QString lira(qint64 hundredths)
{
    return amount(hundredths, 2) + QStringLiteral(" TL");
}

// A figure as it was typed, but with two decimals where it has one: "12,50".
QString typed(double value)
{
    const auto exact = Decimal::fromShown(value);
    return exact ? amount(*exact) : turkishFigure(value);
}

QString paragraph(const QString &text)
{
    return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
}

// A sentence in bold at the top of the record: what to know before it is used.
QString noticeParagraph(const QString &text)
{
    return QStringLiteral("<p><b>%1</b></p>").arg(text.toHtmlEscaped());
}

QString heading(int level, const QString &text)
{
    return QStringLiteral("<h%1>%2</h%1>").arg(level).arg(text.toHtmlEscaped());
}

QString screenName(Kind kind)
{
    return quotedScreenName(kind == Kind::Prayers ? Expiation::Prayers : Expiation::Fasts);
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

// What follows the gold's quotient: the screen's figure, where it has more than two
// decimals or differs at its last digit, and the gold to weigh, where that is not the
// quotient itself.
QString goldNotes(const Step &quotient, const CeremonyPart &part)
{
    QString notes;
    const double onScreen = part.figures.goldNeeded;
    const std::optional<Decimal> screen = Decimal::fromShown(onScreen);
    if (screen && *screen != quotient.result)
        notes += QStringLiteral(" (ekranda %1)").arg(turkishFigure(onScreen));
    else if (quotient.result.decimals() > 2)
        notes += QStringLiteral(" (ekranda)");
    if (part.gold && Decimal::fromUnits(*part.gold, 2) != quotient.result)
        notes += QStringLiteral(". Verilecek altın, yukarı yuvarlanarak: %1").arg(writtenGrams(*part.gold, 2));
    return notes;
}

QString stepText(const Step &step)
{
    const QString l = figure(step.left), r = amount(step.right);
    switch (step.kind) {
    case Step::Kind::Years:
        return QStringLiteral("%1 − %2 = %3 sene").arg(l, r, figure(step.result));
    case Step::Kind::NoYears:
        return QStringLiteral("%1 yaş %2 yaşından küçük olduğu için 0 sene").arg(l, r);
    case Step::Kind::PrayerWheat:
        return QStringLiteral("%1 sene × %2 kg = %3 kg buğday").arg(l, r, figure(step.result));
    case Step::Kind::WheatValue:
        return QStringLiteral("%1 kg × %2 TL/kg = %3 TL").arg(l, r, amount(step.result));
    case Step::Kind::FastingValue:
        return QStringLiteral("%1 sene × %2 TL/kg × %3 kg = %4 TL")
            .arg(l, r, turkishFigure(wheatKgPerYearOfFasts), amount(step.result));
    case Step::Kind::GoldWorth:
        return QStringLiteral("%1 TL ÷ %2 TL/g = %3 g altın").arg(amount(step.left), r, figure(step.result));
    case Step::Kind::GoldPerRound:
        return QStringLiteral("Bir devirde verilen altın: %1 g × %2 fakir = %3 g")
            .arg(amount(step.left), figure(step.right), amount(step.result));
    case Step::Kind::FitraValue:
        return QStringLiteral("Bir fıtra: %1 kg × %2 TL/kg = %3 TL").arg(l, r, amount(step.result));
    }
    return {};
}

QString inputs(const RecordFigures &f)
{
    QStringList rows = {
        QStringLiteral("Bugün 1 kg buğday: %1 TL").arg(typed(f.wheatPrice)),
        QStringLiteral("Bugün 1 gram altın: %1 TL").arg(typed(f.goldPrice)),
        QStringLiteral("Vefat edenin yaşı (hicri): %1").arg(turkishFigure(f.hijriAge)),
        QStringLiteral("Cinsiyeti: %1").arg(sexWord(f.sex)),
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
// (ekranda 7,5)."
QString roundsExplained(const RoundPlan &plan, double shownOnScreen)
{
    if (plan.totalRounds == 0)
        return QStringLiteral("Verilecek altın olmadığı için devir yapılmaz.");
    const QString full = QStringLiteral("%1 tam devir").arg(turkishCount(plan.fullRounds));
    const QString last = amount(plan.lastRound, plan.decimals) + QStringLiteral(" gramlık");
    QString rounds;
    if (plan.totalRounds == 1)
        rounds = plan.lastRound == 0 ? QStringLiteral("tek devir") : last + QStringLiteral(" tek devir");
    else if (plan.lastRound == 0)
        rounds = full;
    else
        rounds =
            QStringLiteral("%1 ve %2 bir son devir, toplam %3 devir").arg(full, last, turkishCount(plan.totalRounds));
    const auto owed = Decimal::fromUnits(plan.goldNeeded, plan.decimals);
    const auto quotient = divideForReading(owed, Decimal::fromUnits(plan.perRound, plan.decimals));
    return QStringLiteral("%1 ÷ %2 = %3: %4 (ekranda %5).")
        .arg(writtenGrams(plan.goldNeeded, plan.decimals), writtenGrams(plan.perRound, plan.decimals),
             quotient ? figure(quotient->value) : QString(), rounds, turkishFigure(shownOnScreen));
}

// A part's rounds are ticked a box for each poor person, or, among many poor, a box
// for each round.
bool boxPerRound(const RoundPlan &plan)
{
    return plan.poorPeople > maxHandoversInALine;
}

QString handoverText(qint64 person, qint64 units, int decimals, bool done)
{
    return QStringLiteral("%1 %2.&nbsp;fakir:&nbsp;%3")
        .arg(tickBox(done), turkishCount(person), writtenGrams(units, decimals).replace(u' ', nbsp));
}

// The hand-overs of a round: a box for each, or one line for a round among many poor,
// ticked when all of them are done.
QString handovers(const RoundPlan::Pass &pass, const RoundPlan &plan, const Ticks &ticks)
{
    const QString atHand = writtenGrams(plan.goldAtHand, plan.decimals);
    if (boxPerRound(plan)) {
        // "120 fakirin her birine 0,50 g", "16 fakirin her birine 0,50 g, 17. fakire 0,14 g", "1. fakire 0,12 g".
        QStringList given;
        if (pass.wholeHandovers > 1)
            given.append(QStringLiteral("%1 fakirin her birine %2").arg(turkishCount(pass.wholeHandovers), atHand));
        else if (pass.wholeHandovers == 1)
            given.append(QStringLiteral("1. fakire %1").arg(atHand));
        if (pass.restHandover > 0)
            given.append(
                QStringLiteral("%1. fakire %2")
                    .arg(turkishCount(pass.wholeHandovers + 1), writtenGrams(pass.restHandover, plan.decimals)));
        return tickBox(ticks.doneUpTo(pass.number, pass.handovers())) + u' ' + given.join(QStringLiteral(", "));
    }
    QStringList boxes;
    for (qint64 person = 1; person <= pass.wholeHandovers; ++person)
        boxes.append(handoverText(person, plan.goldAtHand, plan.decimals, ticks.doneUpTo(pass.number, person)));
    if (pass.restHandover > 0) {
        const qint64 person = pass.wholeHandovers + 1;
        boxes.append(handoverText(person, pass.restHandover, plan.decimals, ticks.doneUpTo(pass.number, person)));
    }
    return boxes.join(QStringLiteral(" &nbsp; "));
}

QString tableStart(const RoundPlan &plan)
{
    const QString given = boxPerRound(plan) ? QStringLiteral("Devirde verilen altın (her kutu bir devir)")
                                            : QStringLiteral("Her fakire verilen altın (her kutu bir fakir)");
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">"
                          "<thead><tr><th>Devir</th><th>%1</th><th>Kalan borç</th></tr></thead><tbody>")
        .arg(given);
}

const QString tableEnd = QStringLiteral("</tbody></table>");

// A blank as tall as a tick box: every cell of a round's row starts with a line of the
// same height, so that where that line would cross the foot of a page, the whole row
// starts the next one instead of leaving its boxes apart from its number.
const QString strut = QStringLiteral("<span style=\"font-size:18pt\">&nbsp;</span>");

QString roundRow(const RoundLine &line, const RoundPlan &plan, const Ticks &ticks)
{
    return QStringLiteral("<tr><td>%1%2</td><td>%3</td><td>%1%4</td></tr>")
        .arg(strut, turkishCount(line.first), handovers(line.pass, plan, ticks),
             writtenGrams(line.pass.owedAfter, plan.decimals));
}

// The middle rounds past the cap: a grid headed by what each holds, then a numbered box
// for each, ten to a line (five where the numbers are long, so that the grid keeps to
// the page); past its last box, how many rounds are left to count.
QString roundGrid(const RoundLine &line, const RoundPlan &plan, const Ticks &ticks)
{
    const QString each = QStringLiteral("%1.–%2. devirler: her birinde %3 fakirin her birine %4 verilir. Her kutu "
                                        "bir devir:")
                             .arg(turkishCount(line.first), turkishCount(line.last), turkishCount(plan.poorPeople),
                                  writtenGrams(plan.goldAtHand, plan.decimals));
    const qint64 last = std::min(line.last, line.first + maxGridBoxes - 1);
    const qint64 perLine = last >= 100000 ? 5 : 10;
    // What the boxes stand for heads the grid on every page it runs on.
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\"><thead><tr>"
                                  "<th colspan=\"%1\" align=\"left\">%2</th></tr></thead>")
                       .arg(perLine)
                       .arg(each.toHtmlEscaped());
    for (qint64 row = line.first; row <= last; row += perLine) {
        html += QStringLiteral("<tr>");
        for (qint64 number = row; number <= std::min(row + perLine - 1, last); ++number) {
            const bool done = ticks.doneUpTo(line.pass.number + number - line.first, plan.poorPeople);
            html += QStringLiteral("<td>%1 %2</td>").arg(turkishCount(number), tickBox(done));
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    if (last < line.last)
        html += paragraph(QStringLiteral("Bundan sonraki %1 devir (%2.–%3.) için kutu yoktur; bu devirlerin sayısını "
                                         "ayrıca tutunuz.")
                              .arg(turkishCount(line.last - last), turkishCount(last + 1), turkishCount(line.last)));
    return html;
}

// The part's rounds to tick off, in order: tables of rounds, and a grid where the
// rounds past the cap stand.
QString checklist(const CeremonyPart &part, qint64 done)
{
    const Ticks ticks = ticksOf(part, done);
    QString html;
    bool inTable = false;
    for (const RoundLine &line : part.checklist) {
        if (line.listed && !inTable)
            html += tableStart(*part.plan);
        else if (!line.listed && inTable)
            html += tableEnd;
        inTable = line.listed;
        html += line.listed ? roundRow(line, *part.plan, ticks) : roundGrid(line, *part.plan, ticks);
    }
    return inTable ? html + tableEnd : html;
}

QString steps(const CeremonyPart &part)
{
    QString html;
    for (const Step &step : part.steps)
        html += paragraph(stepText(step) + (step.kind == Step::Kind::GoldWorth ? goldNotes(step, part) : QString()));
    return html;
}

// What the velî says at a hand-over, as the guidance leads into it, and the poor
// person's answer.
QString spoken(const QString &words)
{
    return paragraph(QStringLiteral("%1 \"%2\" %3").arg(Quoted::handoverLead, words, Quoted::answer));
}

const QString tooLarge = QStringLiteral("Bu miktarlar bir çizelgeye sığmayacak kadar büyük.");

QString expiationPart(const CeremonyPart &part, qint64 done)
{
    QString html = heading(2, partTitle(part.kind));
    if (!part.inRecord())
        return html + paragraph(missingPart(part));
    if (part.gold.value_or(1) > 0)
        html += spoken(part.words);
    html += inputs(part.figures) + heading(3, QStringLiteral("Hesap")) + steps(part);
    if (!part.roundsCounted)
        return html + paragraph(QStringLiteral("Devir sayısı henüz hesaplanmadı: %1 ekranında mevcut altını ve fakir "
                                               "sayısını yazıp %2")
                                    .arg(screenName(part.kind), pressAdvice(AdvisedButton::CountRounds)));
    if (!part.plan)
        return html + paragraph(tooLarge);
    return html + paragraph(roundsExplained(*part.plan, part.figures.rounds->rounds)) + checklist(part, done);
}

QString closingPart(const CeremonyPart &part, qint64 done)
{
    QString html = heading(2, partTitle(part.kind));
    html += paragraph(part.kind == Kind::ZakatSacrificeFitr ? Quoted::zakatRound : Quoted::rightsRound);
    html += spoken(part.words);
    if (!part.roundsCounted)
        return html + paragraph(QStringLiteral("Eldeki altın ve fakir sayısı bilinmediği için bu devrin miktarları "
                                               "yazılmadı: %1 ya da %2 ekranında %3")
                                    .arg(quotedScreenName(Expiation::Prayers), quotedScreenName(Expiation::Fasts),
                                         pressAdvice(AdvisedButton::CountRounds)));
    if (!part.plan)
        return html + steps(part) + paragraph(tooLarge);
    return html + steps(part) + checklist(part, done);
}

// "Namaz iskâtı: 672,88 g altın, 8 devir"; a closing round by the gold at hand it passes
// round, as it is no sum to be found.
QString summaryLine(const CeremonyPart &part)
{
    if (!part.inRecord())
        return paragraph(missingPart(part));
    QStringList clauses;
    if (part.closesCeremony() && part.plan)
        clauses.append(QStringLiteral("eldeki %1 altınla %2 fakir arasında %3 devir")
                           .arg(writtenGrams(part.plan->goldAtHand, part.plan->decimals),
                                turkishCount(part.plan->poorPeople), turkishCount(part.plan->totalRounds)));
    else if (part.gold)
        clauses.append(writtenGrams(*part.gold, 2) + QStringLiteral(" altın"));
    else if (!part.closesCeremony())
        clauses.append(QStringLiteral("altın miktarı yazılamayacak kadar büyük"));
    if (part.plan && !part.closesCeremony())
        clauses.append(QStringLiteral("%1 devir").arg(turkishCount(part.plan->totalRounds)));
    else if (!part.plan)
        clauses.append(part.roundsCounted ? QStringLiteral("devir sayısı yazılamayacak kadar büyük")
                                          : QStringLiteral("devir sayısı hesaplanmadı"));
    return paragraph(partTitle(part.kind) + QStringLiteral(": ") + clauses.join(QStringLiteral(", ")));
}

// "672,88 g + 9,30 g = 682,18 g": the prayers' and the fasts' figures and their total;
// a single part's figure alone.
template<typename Term>
QString sum(const Ceremony &ceremony, Term term, const QString &total)
{
    QStringList terms;
    for (const CeremonyPart &part : ceremony.parts) {
        if (part.inRecord() && !part.closesCeremony())
            terms.append(term(part));
    }
    return terms.size() > 1 ? terms.join(QStringLiteral(" + ")) + QStringLiteral(" = ") + total : total;
}

QString totalGold(const Ceremony &ceremony)
{
    const auto gold = [](const CeremonyPart &part) { return writtenGrams(*part.gold, 2); };
    return QStringLiteral("Bütün iskâtın altını: ") + sum(ceremony, gold, writtenGrams(*ceremony.totalGold, 2)) + u'.';
}

// The worth of the whole, exact, and to the nearest kuruş where it has more decimals:
// nobody pays it as such.
QString totalValue(const Ceremony &ceremony)
{
    const auto inLira = [](const Decimal &value) { return amount(value) + QStringLiteral(" TL"); };
    const auto value = [&](const CeremonyPart &part) { return inLira(*part.value); };
    const Decimal &total = *ceremony.totalValue;
    QString text = QStringLiteral("Bütün iskâtın değeri: ") + sum(ceremony, value, inLira(total));
    const auto kurus = roundTo(total, 2, Rounding::HalfUp);
    if (kurus && total.decimals() > 2)
        text += QStringLiteral(", en yakın kuruşa yuvarlanarak %1").arg(inLira(*kurus));
    return text + u'.';
}

// Which parts the totals leave out: "; oruç iskâtı eksiktir".
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

// A part whose rounds were counted but are too many to plan one by one.
bool tooManyRounds(const CeremonyPart &part)
{
    return part.inRecord() && part.roundsCounted && !part.plan;
}

QString summary(const Ceremony &ceremony)
{
    QString html = heading(2, QStringLiteral("Özet"));
    for (const CeremonyPart &part : ceremony.parts)
        html += summaryLine(part);
    if (ceremony.totalRounds) {
        html += paragraph(QStringLiteral("Bütün iskât: toplam %1 devir, %2 el değiştirme.")
                              .arg(turkishCount(*ceremony.totalRounds), turkishCount(*ceremony.totalHandovers)));
    } else if (std::any_of(ceremony.parts.cbegin(), ceremony.parts.cend(), tooManyRounds)) {
        html += paragraph(QStringLiteral("Toplam devir sayısı yazılamayacak kadar büyük."));
    } else {
        html += paragraph(QStringLiteral("Toplam devir sayısı, her kısmın devri hesaplanınca yazılır."));
    }
    if (ceremony.totalGold)
        html += paragraph(totalGold(ceremony));
    if (ceremony.totalValue)
        html += paragraph(totalValue(ceremony));
    html += missingFromTotals(ceremony);
    if (ceremony.differentRounds) {
        html += paragraph(QStringLiteral("İki ekrana farklı mevcut altın ya da fakir sayısı yazıldığı için her kısım "
                                         "kendi ekranının değerleriyle, son iki devir namaz ekranının değerleriyle "
                                         "hesaplandı."));
    }
    return html;
}

// The guidance's own paragraphs on a round, each standing on its own: why, the words
// of a hand-over and the answer, the next poor person, the gold afterwards.
QString howARoundIsDone()
{
    return heading(2, QStringLiteral("Devir nasıl yapılır")) + paragraph(Quoted::whyRounds) +
           spoken(Quoted::handoverFormula) + paragraph(Quoted::nextPoor) + paragraph(Quoted::afterRounds);
}

QString fitraLines(const Fitra &fitra)
{
    if (!fitra.value)
        return paragraph(QStringLiteral("Bu fiyatlarla fıtranın değeri hesaplanamadı."));
    const QString each = lira(*fitra.perPoor);
    const bool roundedUp = fitra.value->result.decimals() > 2;
    return paragraph(stepText(*fitra.value)) +
           paragraph(QStringLiteral("Her fakire verilecek fıtra%1: %2")
                         .arg(roundedUp ? QStringLiteral(", kuruşa yukarı yuvarlanarak") : QString(), each)) +
           paragraph(QStringLiteral("Bir yemin kefareti: %1 × %2 = %3")
                         .arg(turkishCount(fitraKefaretForOaths), each, lira(*fitra.oathKefaret))) +
           paragraph(QStringLiteral("Bir oruç kefareti: %1 × %2 = %3")
                         .arg(turkishCount(fitraKefaretForFasts), each, lira(*fitra.fastKefaret))) +
           paragraph(QStringLiteral("Bu, buğdayla verilen fıtranın en azıdır. Diyanet İşleri Başkanlığının her yıl "
                                    "ilan ettiği fitre, bir kişinin bir günlük yiyeceğinin bedeli olarak bundan "
                                    "yüksektir; aile isterse onu verebilir."));
}

QString kefarets(const Ceremony &ceremony)
{
    QString html = heading(2, QStringLiteral("Kefaretler"));
    html += paragraph(Quoted::kefarets);
    if (ceremony.fitra) {
        const Fitra &fitra = *ceremony.fitra;
        html += paragraph(QStringLiteral("Günün fıtrası (%1 ekranının fiyatlarıyla):")
                              .arg(fitra.fromPrayerScreen ? screenName(Kind::Prayers) : screenName(Kind::Fasts)));
        html += fitraLines(fitra);
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
    QString html = paragraph(QStringLiteral("Vefat edenin hicri yaşı mükellefiyet yaşını (kadında %1, erkekte %2) "
                                            "geçmediği için namaz ve oruç borcu yoktur; iskât ve devir yapılmaz.")
                                 .arg(ageOfObligation(Sex::Woman))
                                 .arg(ageOfObligation(Sex::Man)));
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
        const QString written = turkishDay(day);
        if (part.inRecord() && !part.closesCeremony() && day.isValid() && day != today && !days.contains(written))
            days.append(written);
    }
    if (days.isEmpty())
        return {};
    return noticeParagraph(
        QStringLiteral("Fiyatlar %1 tarihlidir; bugünün fiyatlarıyla hesap için yeni fiyatları yazıp %2")
            .arg(days.join(QStringLiteral(" ve ")), pressAdvice(AdvisedButton::Sex, true)));
}

QString body(const Ceremony &ceremony)
{
    if (ceremony.nothingOwed)
        return nothingOwed(ceremony);
    QString html = summary(ceremony) + howARoundIsDone();
    for (const CeremonyPart &part : ceremony.parts)
        html += part.closesCeremony() ? closingPart(part, ceremony.handoversDone)
                                      : expiationPart(part, ceremony.handoversDone);
    return html + kefarets(ceremony) + signature(ceremony.names);
}

// How far the ceremony carried out on screen has come: "7 / 30 el değiştirme yapıldı
// (09.41'de başlandı)"; nothing before the first tick.
QString progressLine(const Ceremony &ceremony)
{
    if (ceremony.handoversDone == 0 || !ceremony.totalHandovers)
        return {};
    QString times = atTime(ceremony.began.time()) + QStringLiteral(" başlandı");
    if (ceremony.ended.isValid())
        times += QStringLiteral(", ") + atTime(ceremony.ended.time()) + QStringLiteral(" bitti");
    return noticeParagraph(
        QStringLiteral("%1 / %2 el değiştirme yapıldı (%3).")
            .arg(turkishCount(ceremony.handoversDone), turkishCount(*ceremony.totalHandovers), times));
}

// The day's Hijri date as Türkiye's calendar has it; where the criterion leaves the
// month's beginning undecided, the tabular calendar's, with a word of caution.
QString recordHijriDate(QDate date)
{
    const HijriDate hijri = hijriDateOf(date);
    if (hijri.reckoning == HijriReckoning::Criterion)
        return hijriDateText(hijri);
    return QStringLiteral("%1; takvim hesabıyla, ilan edilen takvimden bir gün farklı olabilir")
        .arg(hijriDateText(hijri));
}

} // namespace

QString writtenGrams(qint64 units, int decimals)
{
    return amount(units, decimals) + QStringLiteral(" g");
}

QString partTitle(CeremonyPart::Kind kind)
{
    switch (kind) {
    case CeremonyPart::Kind::Prayers:
        return QStringLiteral("Namaz iskâtı");
    case CeremonyPart::Kind::Fasts:
        return QStringLiteral("Oruç iskâtı");
    case CeremonyPart::Kind::ZakatSacrificeFitr:
        return QStringLiteral("Zekât, kurban ve sadaka-ı fıtr için devir");
    case CeremonyPart::Kind::Rights:
        return QStringLiteral("Kul ve hayvan hakları için devir");
    }
    return {};
}

QString devirRecordTitle()
{
    return QStringLiteral("DEVİR ÇİZELGESİ");
}

QString recordDate(QDate date)
{
    return turkishLocale().toString(date, u"d MMMM yyyy dddd");
}

QString devirRecordHtml(const Ceremony &ceremony, QDate date, const QString &notice)
{
    QString html = QStringLiteral("<html><body>") + heading(1, devirRecordTitle());
    for (const QString &warning : {notice, ceremony.twoDeceased.value_or(QString())}) {
        if (!warning.isEmpty())
            html += noticeParagraph(warning);
    }
    html += earlierPrices(ceremony, date);
    html += paragraph(QStringLiteral("%1 (%2)").arg(recordDate(date), recordHijriDate(date)));
    html += progressLine(ceremony) + names(ceremony.names) + body(ceremony);
    html += paragraph(QStringLiteral("Karvela %1").arg(QString::fromLatin1(KARVELA_VERSION)));
    return html + QStringLiteral("</body></html>");
}
