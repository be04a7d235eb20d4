#pragma once

#include <QValidator>

// Keeps a name box to what a name may hold: the characters no name holds (a tab, a line
// break, the marks that turn text round) are taken out of what is typed or pasted, and
// no more is taken than maxNameLength characters as a person counts them.
// (QLineEdit::setMaxLength counts the halves of an emoji, and its joins, apart.)
class NameValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};
