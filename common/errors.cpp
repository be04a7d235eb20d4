#include "common/errors.h"

#include "common/captions.h"

#include <QLocale>

namespace {

ErrorKind kindOf(Fault fault)
{
    switch (fault) {
    case Fault::None:
    case Fault::Empty:
    case Fault::NotANumber:
    case Fault::EmptyDate:
    case Fault::NotADate:
    case Fault::ShortYear:
        return ErrorKind::TypeMismatch;
    case Fault::TooLarge:
        return ErrorKind::Overflow;
    case Fault::Zero:
        return ErrorKind::DivisionByZero;
    case Fault::Negative:
    case Fault::NotWhole:
    case Fault::NoSuchDay:
    case Fault::BeforeBirth:
    case Fault::AfterToday:
    case Fault::TooOld:
        return ErrorKind::OutOfRange;
    }
    return ErrorKind::TypeMismatch;
}

// The first words of every report: the kind of error.
QString kindHeading(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return QStringLiteral("Tür uyuşmazlığı");
    case ErrorKind::DivisionByZero:
        return QStringLiteral("Sıfıra bölme");
    case ErrorKind::Overflow:
        return QStringLiteral("Taşma");
    case ErrorKind::OutOfRange:
        return QStringLiteral("Geçersiz değer");
    }
    return {};
}

// A number written as the user would write it in the locale in force: 12,5 or 12.5.
QString exampleNumbers()
{
    return QStringLiteral("12 veya 12%1").arg(QLocale().decimalPoint() + QStringLiteral("5"));
}

// A date written as a Turkish user writes it.
const QString exampleDate = QStringLiteral("23.04.1951");

// What the box holds, quoted, on one line and cut short enough to read in a box.
QString quotedBoxText(const QString &boxText)
{
    constexpr qsizetype longest = 30;
    QString shown = boxText.simplified();
    if (shown.size() > longest)
        shown = shown.left(longest) + QStringLiteral("…");
    return QStringLiteral("\"%1\"").arg(shown);
}

} // namespace

QString figureFaultWords(Fault fault)
{
    switch (fault) {
    case Fault::NotANumber:
        return QStringLiteral("sayı olarak okunamadı");
    case Fault::TooLarge:
        return QStringLiteral("hesaplanamayacak kadar büyük");
    case Fault::Negative:
        return QStringLiteral("sıfırdan küçük olamaz");
    case Fault::Zero:
        return QStringLiteral("sıfır olduğu için hesap yapılamadı");
    case Fault::NotWhole:
        return QStringLiteral("tam sayı değil");
    default:
        return {};
    }
}

namespace {

QString faultSentence(const CalculationError &error, const QString &box, const QString &held)
{
    switch (error.fault()) {
    case Fault::Empty:
        return QStringLiteral("%1 kutusu boş.").arg(box);
    case Fault::NotANumber:
    case Fault::TooLarge:
    case Fault::Negative:
    case Fault::Zero:
    case Fault::NotWhole:
        return QStringLiteral("%1 kutusundaki %2 %3.").arg(box, held, figureFaultWords(error.fault()));
    case Fault::EmptyDate:
        return QStringLiteral("%1 kutusu boş.").arg(box);
    case Fault::NotADate:
        return QStringLiteral("%1 kutusundaki %2 tarih olarak okunamadı.").arg(box, held);
    case Fault::ShortYear:
        return QStringLiteral("%1 kutusundaki %2 tarihinde yıl dört haneli değil; hangi yüzyıl olduğu belli değil.")
            .arg(box, held);
    case Fault::NoSuchDay:
        return QStringLiteral("%1 kutusundaki %2 takvimde olmayan bir gün.").arg(box, held);
    case Fault::BeforeBirth:
        return QStringLiteral("%1 kutusundaki %2 doğum tarihinden önce.").arg(box, held);
    case Fault::AfterToday:
        return QStringLiteral("%1 kutusundaki %2 bugünden sonra.").arg(box, held);
    case Fault::TooOld:
        return QStringLiteral("%1 kutusundaki %2 ile yaş %3 yılı aşıyor.").arg(box, held, QString::number(oldestAge));
    case Fault::None:
        break;
    }
    if (error.kind() == ErrorKind::DivisionByZero)
        return QStringLiteral("%1 kutusundaki %2 ile bölme yapılamadı.").arg(box, held);
    return QStringLiteral("%1 kutusundaki %2 ile sonuç hesaplanamayacak kadar büyük ya da tanımsız çıktı.")
        .arg(box, held);
}

QString faultHint(Fault fault, bool computed)
{
    if (computed && fault == Fault::Empty)
        return QStringLiteral("Bu kutuyu program doldurur: önce %1").arg(pressAdvice(AdvisedButton::Sex));
    switch (fault) {
    case Fault::Empty:
        return QStringLiteral("Lütfen bu kutuya bir sayı yazınız (örneğin %1).").arg(exampleNumbers());
    case Fault::NotANumber:
        return QStringLiteral("Lütfen bu kutuya yalnızca sayı yazınız (örneğin %1).").arg(exampleNumbers());
    case Fault::TooLarge:
        return QStringLiteral("Lütfen daha küçük bir sayı yazınız.");
    case Fault::Negative:
        return QStringLiteral("Lütfen sayıyı eksi işareti olmadan yazınız.");
    case Fault::Zero:
        return QStringLiteral("Lütfen sıfırdan büyük bir sayı yazınız.");
    case Fault::NotWhole:
        return QStringLiteral("Lütfen bir tam sayı yazınız (örneğin 10).");
    case Fault::EmptyDate:
    case Fault::NotADate:
        return QStringLiteral("Lütfen günü, ayı ve dört haneli yılı yazınız (örneğin %1).").arg(exampleDate);
    case Fault::ShortYear:
        return QStringLiteral("Lütfen yılı dört haneli yazınız (örneğin %1).").arg(exampleDate);
    case Fault::NoSuchDay:
        return QStringLiteral("Lütfen günü ve ayı kontrol ediniz (örneğin %1).").arg(exampleDate);
    case Fault::BeforeBirth:
        return QStringLiteral("Lütfen doğum ve vefat tarihlerini kontrol ediniz (örneğin %1).").arg(exampleDate);
    case Fault::AfterToday:
        return QStringLiteral("Lütfen vefat tarihini kontrol ediniz (örneğin %1).").arg(exampleDate);
    case Fault::TooOld:
        return QStringLiteral("Lütfen doğum tarihinin yılını kontrol ediniz (örneğin %1).").arg(exampleDate);
    case Fault::None:
        break;
    }
    return QStringLiteral("Lütfen yazdığınız değerleri kontrol ediniz.");
}

} // namespace

CalculationError::CalculationError(Fault fault, int input) : m_kind(kindOf(fault)), m_fault(fault), m_input(input) {}

const char *CalculationError::what() const noexcept
{
    switch (m_kind) {
    case ErrorKind::TypeMismatch:
        return "type mismatch";
    case ErrorKind::DivisionByZero:
        return "division by zero";
    case ErrorKind::Overflow:
        return "overflow";
    case ErrorKind::OutOfRange:
        return "value out of range";
    }
    return "calculation error";
}

QString errorReportText(ErrorKind kind)
{
    const auto report = [kind](const QString &sentence, const QString &hint) {
        return QStringLiteral("%1: %2\n\n%3").arg(kindHeading(kind), sentence, hint);
    };
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return report(QStringLiteral("Yazdığınız değerlerden biri sayı olarak okunamadı."),
                      QStringLiteral("Lütfen kutulara yalnızca sayı yazınız (örneğin %1).").arg(exampleNumbers()));
    case ErrorKind::DivisionByZero:
        return report(QStringLiteral("Bölen değer sıfır olduğu için hesap yapılamadı."),
                      QStringLiteral("Lütfen altın fiyatını, altın miktarını ve fakir sayısını kontrol ediniz."));
    case ErrorKind::Overflow:
        return report(QStringLiteral("Sonuç hesaplanamayacak kadar büyük ya da tanımsız çıktı."),
                      QStringLiteral("Lütfen yazdığınız değerleri kontrol ediniz."));
    case ErrorKind::OutOfRange:
        return report(QStringLiteral("Yazdığınız değerlerden biri bu hesapta kullanılamaz."),
                      QStringLiteral("Lütfen yazdığınız değerleri kontrol ediniz."));
    }
    return {};
}

QString errorReportText(const CalculationError &error, const QString &caption, const QString &boxText, bool computed)
{
    const QString box = QStringLiteral("\"%1\"").arg(caption);
    return QStringLiteral("%1: %2\n\n%3")
        .arg(kindHeading(error.kind()), faultSentence(error, box, quotedBoxText(boxText)),
             faultHint(error.fault(), computed));
}
