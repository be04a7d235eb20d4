#include "calc/screens/ageconfirmation.h"

#include "common/messages.h"

#include <QLineEdit>

namespace {

const QString continueNote = QStringLiteral("Diğer işlemlere devam ediniz...");
const QString useConverterNote = QStringLiteral(
    "Hicri yaş Hesaplama Programını Kullanarak Hicri Yaşı Hesaplayabilirsiniz...");
const QString badPricesNote = QStringLiteral("Buğday ve/veya Altın Fiyatlarını hatalı girdiniz...");
const QString hijriNotePrayer = QStringLiteral("VEFAT EDENİN YAŞI HİCRİ SENEYE GÖRE YAZILACAKTIR.");
const QString hijriNoteFasting = QStringLiteral("VEFAT EDENİN YAŞI HİCRİ YILA GÖRE YAZILACAKTIR...");

MessageBoxRequest hijriQuestion(MessageIcon icon)
{
    return {.text = QStringLiteral("VEFAT EDENİN YAŞI HİCRİ SENEYE GÖRE YAZILACAKTIR.YAŞ DEĞERİNİ BU ŞEKİLDE "
                                   "YAZDINIZ MI?"),
            .title = QStringLiteral("HİCRİ YAŞ SORGUSU"),
            .buttons = MessageButtons::YesNo,
            .icon = icon,
            .secondButtonDefault = true,
            .systemModal = true};
}

} // namespace

bool confirmAgeAndPrices(MessageService &messages, const QLineEdit &wheatBox, const QLineEdit &goldBox)
{
    // The answer only chooses the note; the calculation goes on either way.
    const MessageAnswer answer = messages.show(hijriQuestion(MessageIcon::Exclamation));
    messages.inform(answer == MessageAnswer::Yes ? continueNote : useConverterNote);

    // Only a box left exactly empty counts; a blank is left to the conversion to judge.
    const bool goldMissing = goldBox.text().isEmpty();
    const bool wheatMissing = wheatBox.text().isEmpty();
    if (goldMissing || wheatMissing) {
        messages.inform(badPricesNote);
        return false;
    }
    return true;
}

void ageReminderPrayer(MessageService &messages, const QLineEdit &wheatBox, const QLineEdit &goldBox)
{
    messages.show(hijriQuestion(MessageIcon::Critical));
    const bool noPrice = wheatBox.text().isEmpty() && goldBox.text().isEmpty();
    messages.inform(noPrice ? badPricesNote : hijriNotePrayer);
}

void ageReminderFasting(MessageService &messages)
{
    messages.inform(hijriNoteFasting);
}
