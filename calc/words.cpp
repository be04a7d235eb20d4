#include "calc/words.h"

#include "common/numbers.h"

#include <QStringList>

#include <algorithm>

namespace {

// Names whose last "l" is soft, so that their suffix is a front one though their last
// vowel is a back one: Kemal'in, Resul'ün. Matched at the end of the last word, so
// that Nurcemal and Gülhilal follow Cemal and Hilal; every name ending in "lal" is soft.
const QStringList softL = {
    QStringLiteral("lal"),    QStringLiteral("kemal"), QStringLiteral("cemal"), QStringLiteral("nihal"),
    QStringLiteral("ikbal"),  QStringLiteral("meral"), QStringLiteral("neval"), QStringLiteral("visal"),
    QStringLiteral("vüsal"),  QStringLiteral("hayal"), QStringLiteral("resul"), QStringLiteral("rasul"),
    QStringLiteral("şevval"), QStringLiteral("zülal"), QStringLiteral("emsal"),
};

// Turkish case, by hand for the dotted and dotless i: Qt maps case by the locale only
// where it has ICU, which its Windows build has not.
QString turkishLower(QString text)
{
    return text.replace(u'I', u'ı').replace(u'İ', u'i').toLower();
}

QString turkishUpper(QString text)
{
    return text.replace(u'i', u'İ').replace(u'ı', u'I').toUpper();
}

// A name's letters without the circumflex, which does not change its harmony here.
QString plain(QString word)
{
    return word.replace(u'â', u'a').replace(u'î', u'i').replace(u'û', u'u');
}

// The vowel of the suffix: ı, i, u or ü, from the last vowel of the word.
QChar suffixVowel(const QString &word)
{
    const bool soft = std::any_of(softL.cbegin(), softL.cend(), [&](const QString &end) { return word.endsWith(end); });
    for (qsizetype i = word.size() - 1; i >= 0; --i) {
        switch (word.at(i).unicode()) {
        case u'a':
        case u'ı':
            return soft ? u'i' : u'ı';
        case u'o':
        case u'u':
            return soft ? u'ü' : u'u';
        case u'e':
        case u'i':
            return u'i';
        case u'ö':
        case u'ü':
            return u'ü';
        default:
            break;
        }
    }
    return u'i';
}

bool endsInVowel(const QString &word)
{
    return !word.isEmpty() && QStringLiteral("aeıioöuü").contains(word.back());
}

// "kızı", "oğlu": whose child the deceased was.
QString childWord(Sex sex)
{
    return sex == Sex::Woman ? QStringLiteral("kızı") : QStringLiteral("oğlu");
}

// "Ahmet kızı Ayşe'nin"; "falan" for a name not typed.
QString whose(const CeremonyNames &names, Sex sex)
{
    const QString father = names.father.simplified();
    const QString deceased = names.deceased.simplified();
    return QStringLiteral("%1 %2 %3")
        .arg(father.isEmpty() ? QStringLiteral("Falan") : father, childWord(sex),
             deceased.isEmpty() ? QStringLiteral("falanın") : genitive(deceased));
}

QString debt(PartKind part, const QString &years)
{
    const QString senelik = years + QStringLiteral(" senelik ");
    switch (part) {
    case PartKind::Prayers:
        return senelik + Quoted::prayerDebt;
    case PartKind::Fasts:
        return senelik + QStringLiteral("oruç borcuna");
    case PartKind::ZakatSacrificeFitr:
        return QStringLiteral("üzerinde kalmış olabilecek zekât, kurban ve sadaka-ı fıtr borçlarına");
    case PartKind::Rights:
        return QStringLiteral("üzerinde kalmış olabilecek kul ve hayvan haklarına");
    }
    return {};
}

} // namespace

QString capitalised(const QString &text)
{
    return turkishUpper(text.left(1)) + text.mid(1);
}

QLocale turkishLocale()
{
    return QLocale(QLocale::Turkish, QLocale::Turkey);
}

QString turkishFigure(double value)
{
    return writeNumber(value, turkishLocale(), Grouping::Thousands);
}

QString turkishCount(qint64 count)
{
    return turkishLocale().toString(count);
}

QString turkishDay(QDate day)
{
    return turkishLocale().toString(day, u"d MMMM yyyy");
}

QString genitive(const QString &name)
{
    const QString written = name.simplified();
    if (written.isEmpty())
        return {};
    const QString lower = plain(turkishLower(written));
    const QString lastWord = lower.section(u' ', -1);
    const QChar vowel = suffixVowel(lastWord);
    QString suffix = endsInVowel(lastWord) ? QStringLiteral("n%1n").arg(vowel) : QStringLiteral("%1n").arg(vowel);
    const bool capitals = written == turkishUpper(written) && written != turkishLower(written);
    if (capitals)
        suffix = turkishUpper(suffix);
    return written + u'\'' + suffix;
}

QString handoverWords(PartKind part, const CeremonyNames &names, Sex sex, const QString &years)
{
    return QStringLiteral("%1 %2 %3").arg(whose(names, sex), debt(part, years), Quoted::handoverEnd);
}

namespace {

// The locative's ending after a number, by the last word it is read with: "bir" takes
// "de", "üç" takes "te", "altı" takes "da", "kırk" takes "ta".
QString locativeAfter(int number)
{
    static const char *const units[] = {"da", "de", "de", "te", "te", "te", "da", "de", "de", "da"};
    static const char *const tens[] = {"da", "da", "de", "da", "ta", "de"}; // sıfır, on, yirmi, otuz, kırk, elli
    return QString::fromLatin1(number % 10 != 0 ? units[number % 10] : tens[number / 10]);
}

} // namespace

QString atTime(QTime time)
{
    // "09.41" is read "dokuz kırk bir", "15.00" "on beş": the minutes' last word, or the hour's.
    const int lastRead = time.minute() != 0 ? time.minute() : time.hour();
    return time.toString(u"HH.mm") + u'\'' + locativeAfter(lastRead);
}
