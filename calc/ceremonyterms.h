#pragma once

#include <QString>

// What the ceremony and its words both speak of: the names typed on the record and
// the parts the ceremony is carried out in.

// The names typed on the record, as the ceremony's words use them; blanks around
// them do not count. A name holds at most this many characters, as nameLength counts them.
inline constexpr int maxNameLength = 200;
struct CeremonyNames
{
    QString deceased;
    QString father;
    QString guardian; // the velî or vekil who hands the gold over

    bool operator==(const CeremonyNames &) const = default;
};

// The parts of the ceremony, in the order they are carried out.
enum class PartKind {
    Prayers,
    Fasts,
    ZakatSacrificeFitr,
    Rights
};
