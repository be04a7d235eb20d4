#pragma once

#include <QString>
#include <QStringView>

// The captions that texts name: the buttons they tell the user to press and the
// screens they send the user to, as the main menu shows them. The screens' control
// tables and every piece of advice take them from here, so that a button renamed is
// renamed wherever it is spoken of.
namespace Caption {
inline constexpr QStringView woman = u"Kadın";
inline constexpr QStringView man = u"Erkek";
inline constexpr QStringView countRounds = u"H E S A P L A";
inline constexpr QStringView prayerScreen = u"NAMAZ İSKATI";
inline constexpr QStringView fastingScreen = u"ORUÇ İSKATI";
inline constexpr QStringView hijriScreen = u"HİCRİ YAŞ HESABI";
} // namespace Caption

// A caption as a sentence names it, in quotes: "\"H E S A P L A\"".
QString quoted(QStringView caption);

// The buttons advice tells the user to press.
enum class AdvisedButton {
    Sex,         // "Kadın" or "Erkek": the years and the gold
    CountRounds, // "H E S A P L A": the rounds
};

// What to press, as every piece of advice says it: "\"Kadın\" veya \"Erkek\" düğmesine
// basınız."; `again` for a button pressed before: "… düğmesine yeniden basınız.".
QString pressAdvice(AdvisedButton button, bool again = false);
