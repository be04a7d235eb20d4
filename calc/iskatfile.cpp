#include "calc/iskatfile.h"

#include "calc/ceremony.h"
#include "calc/names.h"
#include "calc/recalculation.h"
#include "calc/words.h"
#include "common/figures.h"
#include "common/wholefile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>

namespace {

const QString formatName = QStringLiteral("karvela-iskat");

// A field's meaning, as a message names it: "namaz ekranının altın fiyatı".
struct Field
{
    const char *key;
    const char *words;
};

const Field nameFields[] = {
    {"deceased", "vefat edenin adı"}, {"father", "babasının adı"}, {"guardian", "velî / vekil adı"}};

struct FigureField
{
    Field field;
    std::optional<double> ScreenCase::*member;
    Figure figure;
};

const FigureField figureFields[] = {
    {{"wheatPrice", "buğday fiyatı"}, &ScreenCase::wheatPrice, Figure::WheatPrice},
    {{"goldPrice", "altın fiyatı"}, &ScreenCase::goldPrice, Figure::GoldPrice},
    {{"hijriAge", "vefat edenin yaşı"}, &ScreenCase::hijriAge, Figure::Age},
    {{"goldAtHand", "mevcut altın miktarı"}, &ScreenCase::goldAtHand, Figure::GoldAtHand},
    {{"poorPeople", "fakir sayısı"}, &ScreenCase::poorPeople, Figure::PoorPeople},
};

QString key(const char *text)
{
    return QString::fromLatin1(text);
}

QJsonValue number(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QJsonObject screenObject(const ScreenCase &screen)
{
    QJsonObject object;
    for (const FigureField &figure : figureFields)
        object.insert(key(figure.field.key), number(screen.*figure.member));
    object.insert(QStringLiteral("sex"), screen.sex == Sex::Woman ? QStringLiteral("kadın") : QStringLiteral("erkek"));
    object.insert(QStringLiteral("goldCalculated"), screen.goldCalculated);
    object.insert(QStringLiteral("roundsCounted"), screen.roundsCounted);
    object.insert(QStringLiteral("pricesDay"), screen.goldCalculated
                                                   ? QJsonValue(screen.pricesDay.toString(Qt::ISODate))
                                                   : QJsonValue(QJsonValue::Null));
    return object;
}

// A moment with its offset from UTC: "2026-12-09T09:41:00+03:00".
QString timeText(const QDateTime &moment)
{
    return moment.toOffsetFromUtc(moment.offsetFromUtc()).toString(Qt::ISODate);
}

QJsonValue progressObject(const std::optional<CeremonyProgress> &progress)
{
    if (!progress)
        return QJsonValue(QJsonValue::Null);
    QJsonObject object;
    object.insert(QStringLiteral("handoversDone"), double(progress->handoversDone));
    object.insert(QStringLiteral("began"), timeText(progress->began));
    object.insert(QStringLiteral("ended"),
                  progress->ended.isValid() ? QJsonValue(timeText(progress->ended)) : QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("prayers"), screenObject(progress->prayers));
    object.insert(QStringLiteral("fasts"), screenObject(progress->fasts));
    return object;
}

// Why a file's content is refused: thrown inside the reader, and only there.
struct Refusal
{
    QString reason;
};

[[noreturn]] void refuse(const QString &reason)
{
    throw Refusal{reason};
}

[[noreturn]] void missing(const QString &what)
{
    refuse(QStringLiteral("%1 eksik ya da hatalı.").arg(what));
}

std::optional<double> readFigureField(const QJsonObject &object, const FigureField &figure, const QString &screen)
{
    const QString what = screen + u' ' + QString::fromUtf8(figure.field.words);
    const QJsonValue value = object.value(key(figure.field.key));
    if (value.isNull())
        return std::nullopt;
    if (!value.isDouble())
        missing(what);
    const double read = value.toDouble();
    if (const Fault fault = faultOf(read, figure.figure); fault != Fault::None) {
        refuse(QStringLiteral("%1 (%2) kabul edilemez: %3.").arg(what, turkishFigure(read), figureFaultWords(fault)));
    }
    return read;
}

bool readFlag(const QJsonObject &object, const char *name, const QString &what)
{
    const QJsonValue value = object.value(key(name));
    if (!value.isBool())
        missing(what);
    return value.toBool();
}

QString figureWords(std::optional<double> ScreenCase::*member)
{
    for (const FigureField &figure : figureFields) {
        if (figure.member == member)
            return QString::fromUtf8(figure.field.words);
    }
    return QStringLiteral("değerleri");
}

// The screen's figures, calculated again as its buttons would: a file opens only where
// every step gives a number, so that opening it never ends in a calculation error.
void checkCalculates(const ScreenCase &read, Expiation expiation, const QString &screen)
{
    const auto result = calculateAgain(read, expiation);
    if (const auto *fault = std::get_if<UncalculableFigure>(&result)) {
        refuse(QStringLiteral("%1 %2 hesaplanamayacak kadar %3.")
                   .arg(screen, figureWords(fault->figure),
                        fault->tooLarge ? QStringLiteral("büyük") : QStringLiteral("küçük")));
    }
}

// The day the prices were used: a day that has not come is no day they were used on. A
// day's grace keeps readable a case saved where the date is already tomorrow.
QDate readPricesDay(const QJsonObject &object, const QString &screen, QDate today)
{
    const QDate day = QDate::fromString(object.value(QStringLiteral("pricesDay")).toString(), Qt::ISODate);
    if (!day.isValid())
        missing(screen + QStringLiteral(" fiyatlarının tarihi"));
    if (day > today.addDays(1)) {
        refuse(QStringLiteral("%1 fiyatlarının tarihi %2, henüz gelmemiş bir gün.").arg(screen, turkishDay(day)));
    }
    return day;
}

ScreenCase readScreen(const QJsonObject &file, const char *name, const QString &screen, QDate today)
{
    const QJsonValue value = file.value(key(name));
    if (!value.isObject())
        missing(screen + QStringLiteral(" değerleri"));
    const QJsonObject object = value.toObject();
    ScreenCase read;
    for (const FigureField &figure : figureFields)
        read.*figure.member = readFigureField(object, figure, screen);
    const QString sex = object.value(QStringLiteral("sex")).toString();
    if (sex != u"kadın" && sex != u"erkek")
        missing(screen + QStringLiteral(" cinsiyeti"));
    read.sex = sex == u"kadın" ? Sex::Woman : Sex::Man;
    read.goldCalculated = readFlag(object, "goldCalculated", screen + QStringLiteral(" altın hesabı"));
    read.roundsCounted = readFlag(object, "roundsCounted", screen + QStringLiteral(" devir hesabı"));
    if (read.goldCalculated) {
        read.pricesDay = readPricesDay(object, screen, today);
        if (!read.wheatPrice || !read.goldPrice || !read.hijriAge)
            missing(screen + QStringLiteral(" altın hesabının değerleri"));
    }
    if (read.roundsCounted && (!read.goldCalculated || !read.goldAtHand || !read.poorPeople))
        missing(screen + QStringLiteral(" devir hesabının değerleri"));
    return read;
}

ScreenCase readExpiation(const QJsonObject &file, Expiation expiation, const QString &screen, QDate today)
{
    const bool prayers = expiation == Expiation::Prayers;
    const ScreenCase read = readScreen(file, prayers ? "prayers" : "fasts", screen, today);
    checkCalculates(read, expiation, screen);
    return read;
}

// A moment written with its offset from UTC, and not after tomorrow.
QDateTime readMoment(const QJsonValue &value, const QString &what, QDate today)
{
    const QDateTime moment = QDateTime::fromString(value.toString(), Qt::ISODate);
    if (!moment.isValid() || (moment.timeSpec() != Qt::OffsetFromUTC && moment.timeSpec() != Qt::UTC))
        missing(what);
    if (moment.toUTC().date() > today.addDays(1)) {
        refuse(QStringLiteral("%1 %2, henüz gelmemiş bir gün.").arg(what, turkishDay(moment.date())));
    }
    return moment;
}

qint64 readCount(const QJsonValue &value, const QString &what)
{
    // Up to 2^53 a JSON number holds every whole number exactly.
    constexpr double largestExact = 9007199254740992.0;
    const double count = value.toDouble(-1);
    if (!value.isDouble() || count < 0 || count > largestExact || count != std::floor(count))
        missing(what);
    return qint64(count);
}

// How far the ceremony was carried out, where the file says so: never more hand-overs
// than the plan of its own figures has.
std::optional<CeremonyProgress> readProgress(const QJsonObject &file, QDate today)
{
    const QJsonValue value = file.value(QStringLiteral("progress"));
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    if (!value.isObject())
        missing(QStringLiteral("devir ilerlemesi"));
    const QJsonObject object = value.toObject();
    CeremonyProgress read;
    read.handoversDone = readCount(object.value(QStringLiteral("handoversDone")),
                                   QStringLiteral("yapılan el değiştirme sayısı"));
    read.began = readMoment(object.value(QStringLiteral("began")), QStringLiteral("devrin başladığı zaman"), today);
    if (const QJsonValue ended = object.value(QStringLiteral("ended")); !ended.isNull()) {
        read.ended = readMoment(ended, QStringLiteral("devrin bittiği zaman"), today);
        if (read.ended < read.began)
            refuse(QStringLiteral("devir başlamadan bitmiş görünüyor."));
    }
    read.prayers = readExpiation(object, Expiation::Prayers, QStringLiteral("devrin namaz değerlerinin"), today);
    read.fasts = readExpiation(object, Expiation::Fasts, QStringLiteral("devrin oruç değerlerinin"), today);
    const qint64 handovers = plannedHandovers(read);
    if (read.handoversDone > handovers) {
        refuse(QStringLiteral("dosyaya göre %1 el değiştirme yapılmış, ama devrin planında %2 el değiştirme var.")
                   .arg(turkishCount(read.handoversDone), turkishCount(handovers)));
    }
    return read;
}

CeremonyNames readNames(const QJsonObject &file)
{
    const QJsonValue value = file.value(QStringLiteral("names"));
    if (!value.isObject())
        missing(QStringLiteral("adlar"));
    const QJsonObject object = value.toObject();
    QString names[3];
    for (int i = 0; i < 3; ++i) {
        const QString what = QString::fromUtf8(nameFields[i].words);
        const QJsonValue name = object.value(key(nameFields[i].key));
        if (!name.isString())
            missing(what);
        names[i] = name.toString();
        if (withoutUnfitCharacters(names[i]) != names[i]) {
            refuse(QStringLiteral("%1 bir adda bulunamayacak bir karakter (bir denetim ya da yazı yönü "
                                  "karakteri) içeriyor.")
                       .arg(what));
        }
        if (nameLength(names[i]) > maxNameLength)
            refuse(QStringLiteral("%1 %2 karakterden uzun.").arg(what).arg(maxNameLength));
    }
    return {names[0], names[1], names[2]};
}

void checkFormat(const QJsonObject &file)
{
    if (file.value(QStringLiteral("format")).toString() != formatName)
        refuse(QStringLiteral("bu bir Karvela iskât dosyası değil."));
    const QJsonValue version = file.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) || version.toDouble() < 1)
        missing(QStringLiteral("dosyanın biçim sürümü"));
    if (version.toDouble() > iskatFileVersion) {
        refuse(QStringLiteral("dosya Karvela'nın daha yeni bir sürümüyle kaydedilmiş (biçim sürümü %1); bu sürüm "
                              "ancak %2. sürüme kadarını açar. Lütfen Karvela'yı güncelleyiniz.")
                   .arg(turkishFigure(version.toDouble()))
                   .arg(iskatFileVersion));
    }
}

IskatCase readCase(const QByteArray &bytes, QDate today)
{
    if (bytes.size() > maxIskatFileBytes)
        refuse(QStringLiteral("dosya 1 MB'tan büyük; bir iskât dosyası bu kadar büyük olmaz."));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        refuse(QStringLiteral("dosya bozuk ya da yarım kalmış; iskât dosyası olarak okunamıyor."));
    const QJsonObject file = document.object();
    checkFormat(file);
    return {readNames(file), readExpiation(file, Expiation::Prayers, QStringLiteral("namaz ekranının"), today),
            readExpiation(file, Expiation::Fasts, QStringLiteral("oruç ekranının"), today), readProgress(file, today)};
}

} // namespace

qint64 plannedHandovers(const CeremonyProgress &progress)
{
    const auto state = [](const ScreenCase &saved, Expiation expiation) {
        const auto calculated = calculateAgain(saved, expiation);
        return std::holds_alternative<ScreenState>(calculated) ? std::get<ScreenState>(calculated) : ScreenState{};
    };
    return planCeremony(state(progress.prayers, Expiation::Prayers), state(progress.fasts, Expiation::Fasts))
        .totalHandovers.value_or(0);
}

QStringList planChanges(const ScreenCase &was, const ScreenCase &now, Expiation expiation)
{
    const QString screen = expiation == Expiation::Prayers ? QStringLiteral("namaz ekranının ")
                                                           : QStringLiteral("oruç ekranının ");
    QStringList changes;
    for (const FigureField &figure : figureFields) {
        if (was.*figure.member != now.*figure.member)
            changes.append(screen + QString::fromUtf8(figure.field.words));
    }
    if (was.sex != now.sex)
        changes.append(screen + QStringLiteral("cinsiyeti"));
    if (was.goldCalculated != now.goldCalculated || was.roundsCounted != now.roundsCounted)
        changes.append(screen + QStringLiteral("hesapları"));
    return changes;
}

QByteArray writeIskatFile(const IskatCase &iskat)
{
    QJsonObject names;
    const QString *written[] = {&iskat.names.deceased, &iskat.names.father, &iskat.names.guardian};
    for (int i = 0; i < 3; ++i)
        names.insert(key(nameFields[i].key), *written[i]);
    QJsonObject file;
    file.insert(QStringLiteral("format"), formatName);
    file.insert(QStringLiteral("version"), iskatFileVersion);
    file.insert(QStringLiteral("program"), QStringLiteral("Karvela %1").arg(QString::fromLatin1(KARVELA_VERSION)));
    file.insert(QStringLiteral("names"), names);
    file.insert(QStringLiteral("prayers"), screenObject(iskat.prayers));
    file.insert(QStringLiteral("fasts"), screenObject(iskat.fasts));
    file.insert(QStringLiteral("progress"), progressObject(iskat.progress));
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

std::variant<IskatCase, QString> readIskatFile(const QByteArray &bytes, QDate today)
{
    try {
        return readCase(bytes, today);
    } catch (const Refusal &refusal) {
        return refusal.reason;
    }
}

std::optional<QString> saveIskatFile(const IskatCase &iskat, const QString &path)
{
    return writeWholeFile(path, writeIskatFile(iskat));
}

std::variant<IskatCase, QString> loadIskatFile(const QString &path, QDate today)
{
    const std::variant<QByteArray, QString> read = readRegularFile(path, maxIskatFileBytes);
    if (const auto *why = std::get_if<QString>(&read))
        return *why;
    return readIskatFile(std::get<QByteArray>(read), today);
}
