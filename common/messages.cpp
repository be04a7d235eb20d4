#include "common/messages.h"

MessageBoxRequest errorReport(ErrorKind kind)
{
    return {.text = errorReportText(kind), .icon = MessageIcon::Critical};
}
