#include "calc/screens/namevalidator.h"

#include "calc/ceremony.h"
#include "calc/names.h"

QValidator::State NameValidator::validate(QString &input, int &position) const
{
    const QString fit = withoutUnfitCharacters(input);
    if (fit != input) {
        // The caret keeps its place among the characters that stay.
        position = int(withoutUnfitCharacters(input.left(position)).size());
        input = fit;
    }
    return nameLength(input) <= maxNameLength ? Acceptable : Invalid;
}
