#include "common/messages.h"

MessageBoxRequest errorReport(ErrorKind kind)
{
    return {.text = errorReportText(kind), .icon = MessageIcon::Critical};
}

MessageBoxRequest errorReport(const CalculationError &error, const QString &caption, const QString &boxText,
                              bool computed)
{
    return {.text = errorReportText(error, caption, boxText, computed), .icon = MessageIcon::Critical};
}
