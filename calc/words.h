#pragma once

#include "calc/ceremonyterms.h"
#include "calc/expiation.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// The guidance's own words that the record quotes, as "Karvela Nasıl Yapılır?" and the
// screens of the two closing rounds say them, with their lines joined.
namespace Quoted {
inline const QString handoverLead = QStringLiteral("Vefat edenin velisi veya vekili altını fakire verirken şöyle der:");
// The names in the guidance's formula, for a deceased whose names were not typed.
inline const QString unnamed = QStringLiteral("Falan oğlu (kızı) falanın");
inline const QString prayerDebt = QStringLiteral("namaz borcuna");
inline const QString handoverEnd = QStringLiteral("karşılık bu altını sana iskât olarak verdim.");
// The guidance's formula of the words, as it gives them before the names are known.
inline const QString handoverFormula = unnamed + QStringLiteral(" şu kadar ") + prayerDebt + u' ' + handoverEnd;
inline const QString answer = QStringLiteral("Fakir de altını alıp \"Kabul ettim, ben de bunu sana hibe ettim.\" "
                                             "der ve altını geri verir.");
inline const QString whyRounds = QStringLiteral(
    "Gereken altının tamamı çoğu zaman vefat edenin yakınlarının elinde bulunmaz. Bu yüzden eldeki altın fakire "
    "bağışlanır, fakir de onu kabul edip geri hibe eder. Buna devir denir; altın, "
    "borç kapanıncaya kadar böylece el değiştirir ve her defasında borcun bir kısmı düşer.");
inline const QString nextPoor = QStringLiteral("Veli aynı şekilde altını sıradaki fakire verir. Altın her fakirin "
                                               "elinden böylece geçince bir devir tamamlanmış olur.");
inline const QString afterRounds = QStringLiteral("Devirler bitince eldeki altın, ailenin ve fakirlerin rızasıyla, "
                                                  "fakirlere hibe edilir veya vefat edenin yakınlarına bırakılır.");
inline const QString zakatRound = QStringLiteral("Eldeki altınlarla, ihtiyaten bir kere de, zekat, kurban ve "
                                                 "sadaka-ı fıtr gibi hukuka ait hakların iskatı için devir yapılır.");
inline const QString rightsRound = QStringLiteral("Son olarak ihtiyaten bir devir de, kul ve hayvan hakları için "
                                                  "yapılır.");
inline const QString kefarets = QStringLiteral(
    "Yemin ve oruç kefaretleri için devir yapılmaz: mutlaka fakirlere ayrı ayrı olmak üzere, yemin için 10 fakire "
    "ve oruç için 60 fakire birer fıtra verilir.");
} // namespace Quoted

// The record is a Turkish document: its figures, names and dates are written the
// Turkish way whatever the locale in force.
QLocale turkishLocale();
// A figure for reading in a Turkish document: grouped thousands, up to 15 significant
// digits, whatever the locale in force ("3.800", "8,1375").
QString turkishFigure(double value);
// A count, exact and grouped in thousands: "1.623", "2.000.000.000.000.024".
QString turkishCount(qint64 count);
// A day as the record writes it: "9 Aralık 2026".
QString turkishDay(QDate day);

// The text with its first letter in capitals, by Turkish rules (iskât → İskât).
QString capitalised(const QString &text);

// A name in the genitive, after an apostrophe, by Turkish vowel harmony: Ayşe'nin,
// Mehmet'in, Yusuf'un, Ahmet Ali'nin; Kemal'in and the other names whose last "l" is
// soft; a name in capitals takes its suffix in capitals (AYŞE'NİN). Blanks around it go.
QString genitive(const QString &name);

// What the velî says as he hands the gold of `part` over: its debt, with the deceased's
// names where they were typed ("Ahmet kızı Ayşe'nin 66 senelik namaz borcuna karşılık
// bu altını sana iskât olarak verdim."), "Falan kızı falanın" where they were not.
// `years` is written as the record writes it; the closing rounds name no years.
QString handoverWords(PartKind part, const CeremonyNames &names, Sex sex, const QString &years);

// A time of day with its locative, as it is read aloud: "09.41'de", "10.30'da", "15.00'te".
QString atTime(QTime time);
