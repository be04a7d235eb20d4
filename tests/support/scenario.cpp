#include "support/scenario.h"

#include "calc/screens/devirwindow.h"

#include <QLineEdit>

namespace {

QString keyOf(const MessageBoxRequest &request)
{
    const QString question = QStringLiteral(
        "VEFAT EDENİN YAŞI HİCRİ SENEYE GÖRE YAZILACAKTIR.YAŞ DEĞERİNİ BU ŞEKİLDE YAZDINIZ MI?");
    if (request.text == question) {
        const bool sameShape = request.title == QStringLiteral("HİCRİ YAŞ SORGUSU") &&
                               request.buttons == MessageButtons::YesNo && request.secondButtonDefault &&
                               request.systemModal;
        if (!sameShape)
            return QStringLiteral("?");
        if (request.icon == MessageIcon::Exclamation)
            return QStringLiteral("question");
        return request.icon == MessageIcon::Critical ? QStringLiteral("question!") : QStringLiteral("?");
    }
    const QList<std::pair<QString, QString>> notes = {
        {QStringLiteral("continue"), QStringLiteral("Diğer işlemlere devam ediniz...")},
        {QStringLiteral("converter"),
         QStringLiteral("Hicri yaş Hesaplama Programını Kullanarak Hicri Yaşı Hesaplayabilirsiniz...")},
        {QStringLiteral("badPrices"), QStringLiteral("Buğday ve/veya Altın Fiyatlarını hatalı girdiniz...")},
        {QStringLiteral("notePrayer"), QStringLiteral("VEFAT EDENİN YAŞI HİCRİ SENEYE GÖRE YAZILACAKTIR.")},
        {QStringLiteral("noteFasting"), QStringLiteral("VEFAT EDENİN YAŞI HİCRİ YILA GÖRE YAZILACAKTIR...")},
        {QStringLiteral("recordFirst"), QStringLiteral("Devir çizelgesi için önce fiyatları ve vefat edenin yaşını "
                                                       "yazıp \"Kadın\" veya \"Erkek\" düğmesine basınız.")},
        {QStringLiteral("recordResettle"), QStringLiteral("Fiyatlar ya da yaş son hesaptan sonra değiştirildi. Devir "
                                                          "çizelgesi için önce \"Kadın\" veya \"Erkek\" düğmesine "
                                                          "yeniden basınız.")},
        {QStringLiteral("recordRecount"), QStringLiteral("Mevcut altın, fakir sayısı ya da gereken altın devir "
                                                         "hesabından sonra değişti. Devir çizelgesi için önce \"H E S "
                                                         "A P L A\" düğmesine yeniden basınız.")},
    };
    for (const auto &[key, text] : notes) {
        if (request == MessageBoxRequest{.text = text})
            return key;
    }
    if (request == caseReplacesScreens())
        return QStringLiteral("caseReplaces");
    // Why a record is not printed or a ceremony not started, by their first words.
    const QList<std::pair<QString, QString>> refusals = {
        {QStringLiteral("twoPeople"), QStringLiteral("İki ekran iki ayrı kimse için hesaplanmış")},
        {QStringLiteral("nothingToHandOver"), QStringLiteral("Devredilecek bir borç yok")},
        {QStringLiteral("noRoundPlan"), QStringLiteral("Devir başlatılamaz: ")}};
    for (const auto &[key, words] : refusals) {
        if (request == MessageBoxRequest{.text = request.text} && request.text.startsWith(words))
            return key;
    }
    // Error reports by the kind their first words name; what they say of the box is
    // for the tests that look at it.
    const QList<std::pair<QString, QString>> reports = {
        {QStringLiteral("report:TypeMismatch"), QStringLiteral("Tür uyuşmazlığı: ")},
        {QStringLiteral("report:DivisionByZero"), QStringLiteral("Sıfıra bölme: ")},
        {QStringLiteral("report:Overflow"), QStringLiteral("Taşma: ")},
        {QStringLiteral("report:OutOfRange"), QStringLiteral("Geçersiz değer: ")}};
    for (const auto &[key, heading] : reports) {
        if (request == MessageBoxRequest{.text = request.text, .icon = MessageIcon::Critical} &&
            request.text.startsWith(heading))
            return key;
    }
    return QStringLiteral("?");
}

} // namespace

void Scenario::play(Screen *screen, QStringView steps)
{
    for (QStringView step : steps.split(u'|', Qt::SkipEmptyParts)) {
        const qsizetype equals = step.indexOf(u'=');
        if (equals > 0)
            ScreenTest::type(ScreenTest::box(screen, step.left(equals)), step.mid(equals + 1).toString());
        else if (step.startsWith(u'@'))
            QTest::mouseClick(ScreenTest::box(screen, step.mid(1)), Qt::LeftButton);
        else
            ScreenTest::click(ScreenTest::button(screen, step));
    }
}

QStringList Scenario::messageKeys(const QList<MessageBoxRequest> &shown)
{
    QStringList keys;
    for (const MessageBoxRequest &request : shown)
        keys.append(keyOf(request));
    return keys;
}

QString Scenario::boxesDiffer(QWidget *screen, QStringView expected)
{
    for (QStringView expectation : expected.split(u'|', Qt::SkipEmptyParts)) {
        const qsizetype equals = expectation.indexOf(u'=');
        const QStringView words = expectation.left(equals);
        const QString actual = ScreenTest::box(screen, words)->text();
        if (actual != expectation.mid(equals + 1))
            return QStringLiteral("%1 holds \"%2\", expected \"%3\"").arg(words, actual, expectation.mid(equals + 1));
    }
    return {};
}
