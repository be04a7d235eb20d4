#include "common/captions.h"

QString quoted(QStringView caption)
{
    return QStringLiteral("\"%1\"").arg(caption);
}

QString pressAdvice(AdvisedButton button, bool again)
{
    const QString buttons = button == AdvisedButton::Sex
                                ? QStringLiteral("%1 veya %2").arg(quoted(Caption::woman), quoted(Caption::man))
                                : quoted(Caption::countRounds);
    return QStringLiteral("%1 düğmesine %2basınız.").arg(buttons, again ? QStringLiteral("yeniden ") : QString());
}
