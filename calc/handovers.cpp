#include "calc/handovers.h"

#include "common/captions.h"

namespace {

bool carriedOut(const CeremonyPart &part)
{
    return part.inRecord() && part.plan && part.plan->totalRounds > 0;
}

} // namespace

std::optional<Handover> handoverAt(const Ceremony &ceremony, qint64 index)
{
    if (!ceremony.totalHandovers || index < 0 || index >= *ceremony.totalHandovers)
        return std::nullopt;
    for (const CeremonyPart &part : ceremony.parts) {
        if (!carriedOut(part))
            continue;
        const RoundPlan &plan = *part.plan;
        const qint64 within = index - part.firstHandover;
        if (within < 0 || within >= plan.handovers())
            continue;
        Handover handover{.part = &part};
        handover.round = within / plan.poorPeople + 1;
        handover.person = within % plan.poorPeople + 1;
        const RoundPlan::Pass pass = plan.pass(handover.round);
        handover.peopleInRound = pass.handovers();
        handover.amount = handover.person <= pass.wholeHandovers ? plan.goldAtHand : pass.restHandover;
        if (!part.closesCeremony())
            handover.owedAfter = plan.owedAfter(handover.round, handover.person);
        return handover;
    }
    return std::nullopt;
}

std::optional<QString> ceremonyRefusal(const Ceremony &ceremony)
{
    if (ceremony.nothingOwed || ceremony.totalHandovers == 0)
        return QStringLiteral("Devredilecek bir borç yok: iskât ve devir yapılmaz.");
    if (!ceremony.totalHandovers) {
        return QStringLiteral("Devir başlatılamaz: her kısmın devir sayısı hesaplanmış ve bir çizelgeye sığar "
                              "olmalıdır. %1 ve %2 ekranlarında mevcut altını ve fakir sayısını yazıp %3")
            .arg(quotedScreenName(Expiation::Prayers), quotedScreenName(Expiation::Fasts),
                 pressAdvice(AdvisedButton::CountRounds));
    }
    return std::nullopt;
}
