#include "common/numbers.h"
#include "support/scenario.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QValidator>

#include <random>

namespace {

// Answers Yes or No at random, from the monkey's own seeded generator.
class RandomMessages : public MessageService
{
public:
    explicit RandomMessages(std::mt19937 &random) : m_random(random) {}

    MessageAnswer show(const MessageBoxRequest &request) override
    {
        shown.append(request);
        if (request.buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return m_random() % 2 ? MessageAnswer::Yes : MessageAnswer::No;
    }

    QList<MessageBoxRequest> shown;

private:
    std::mt19937 &m_random;
};

QStringList hostileTexts()
{
    return {QString(), QStringLiteral(" "), QStringLiteral("abc"), QStringLiteral("1.25"), QStringLiteral("12,5"),
            QStringLiteral("-0"), QStringLiteral("1e308"), QStringLiteral("1e309"), QStringLiteral("nan"),
            QStringLiteral("inf"), QString(100000, u'9'), QStringLiteral("ığüşöçİ"), QStringLiteral("١٢٣"),
            QStringLiteral("\u200F12"), QStringLiteral("12") + QChar(u'\0') + QStringLiteral("34"),
            // Ordinary figures too, so that the monkey also reaches the results.
            QStringLiteral("71"), QStringLiteral("400"), QStringLiteral("1"), QStringLiteral("2"),
            QStringLiteral("100"), QStringLiteral("0"), QStringLiteral("9"), QStringLiteral("0,5"),
            QStringLiteral("1.250"), QStringLiteral("1e-300"),
            // Dates, for the converter's date boxes: whole, impossible, still to come.
            QStringLiteral("12.03.1948"), QStringLiteral("02.11.2025"), QStringLiteral("31.02.1950"),
            QStringLiteral("10.12.2099")};
}

quint32 seedFromEnvironment()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("KARVELA_MONKEY_SEED").toUInt(&ok);
    return ok ? seed : 20261208u;
}

int eventsFromEnvironment()
{
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("KARVELA_MONKEY_EVENTS", &ok);
    return ok ? events : 20000;
}

// Where what was typed into a box is kept: the box itself, but the names above the
// record are the ceremony's, the same in every record window.
QString typedKey(const QLineEdit *box)
{
    if (box->window()->inherits("QDialog"))
        return box->accessibleName();
    return QString::number(quintptr(box));
}

// What a box holds once `text` is pasted over all it held: what its validator makes of
// the text, or what it held where the validator refuses it; no more than its length.
QString held(const QLineEdit *box, const QString &before, QString text)
{
    int position = int(text.size());
    if (box->validator() && box->validator()->validate(text, position) == QValidator::Invalid)
        return before;
    return text.left(box->maxLength());
}

} // namespace

// Random use of every screen with hostile input; after each event the program
// must still be running, every result box must hold nothing or a number in the
// locale's form, every input box what was typed into it, and every message box
// one of the program's own.
class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void randomUse();

private:
    QString check(bool ended, const RandomMessages &messages, qsizetype &messagesChecked) const;

    QHash<QString, QString> m_typed; // by typedKey()
};

QString TestMonkey::check(bool ended, const RandomMessages &messages, qsizetype &messagesChecked) const
{
    static const QRegularExpression localeNumber(QStringLiteral("^-?\\d+(,\\d+)?(E[+-]\\d+)?$"));
    static const QRegularExpression hijriDates(
        QStringLiteral("^\\d+(,\\d+)? hicri yıl: \\d+ \\S+ \\d+( \\(hesap takvimi\\))? – \\d+ \\S+ \\d+"
                       "( \\((ikisi de )?hesap takvimi\\))?$"));
    if (ended)
        return QStringLiteral("the program ended");

    bool anyVisible = false;
    for (int i = 0; i < screenCount; ++i) {
        const Screen *screen = ScreenTest::window(static_cast<ScreenId>(i));
        if (!screen)
            continue;
        anyVisible |= screen->isVisible();
        const QList<QLineEdit *> boxes = screen->findChildren<QLineEdit *>();
        for (const QLineEdit *box : boxes) {
            const QString where = QString::fromLatin1(screen->metaObject()->className()) + QStringLiteral("::") +
                                  box->objectName();
            if (!box->isReadOnly()) {
                if (box->text() != m_typed.value(typedKey(box)))
                    return where + QStringLiteral(" lost what was typed into it");
                continue;
            }
            if (box->text().isEmpty())
                continue;
            if (box->accessibleName() == u"Hicri tarihler") {
                if (!hijriDates.match(box->text()).hasMatch())
                    return where + QStringLiteral(" shows \"%1\"").arg(box->text());
                continue;
            }
            if (!localeNumber.match(box->text()).hasMatch())
                return where + QStringLiteral(" shows \"%1\"").arg(box->text());
            try {
                CDbl(box->text());
            } catch (const CalculationError &) {
                return where + QStringLiteral(" shows \"%1\", which does not read back").arg(box->text());
            }
        }
    }
    if (!anyVisible)
        return QStringLiteral("no screen is visible");

    const QList<MessageBoxRequest> recent = messages.shown.mid(messagesChecked);
    messagesChecked = messages.shown.size();
    if (const qsizetype unknown = Scenario::messageKeys(recent).indexOf(QStringLiteral("?")); unknown >= 0)
        return QStringLiteral("a message box that is not the program's own: ") + recent.at(unknown).text;
    return {};
}

void TestMonkey::randomUse()
{
    QLocale::setDefault(turkish);
    const quint32 seed = seedFromEnvironment();
    const int events = eventsFromEnvironment();
    std::mt19937 random(seed);
    RandomMessages messages(random);

    ScriptedDialogs dialogs; // every file and print dialog answers "İptal"
    bool ended = false;
    ScreenRegistry screens(messages, dialogs, [&ended] { ended = true; });
    screens.start();

    const QStringList texts = hostileTexts();
    QStringList done;
    qsizetype messagesChecked = 0;
    for (int event = 0; event < events; ++event) {
        QList<QPushButton *> buttons;
        QList<QLineEdit *> inputs;
        for (int i = 0; i < screenCount; ++i) {
            Screen *screen = ScreenTest::window(static_cast<ScreenId>(i));
            if (!screen || !screen->isVisible())
                continue;
            for (QPushButton *button : screen->findChildren<QPushButton *>()) {
                // "X" would end the program.
                if (button->text() != u"X")
                    buttons.append(button);
            }
            for (QLineEdit *box : screen->findChildren<QLineEdit *>()) {
                if (!box->isReadOnly())
                    inputs.append(box);
            }
        }

        const QString screenName = QString::fromLatin1(
            (buttons.isEmpty() ? nullptr : buttons.first()->window())->metaObject()->className());
        const auto kind = random() % 3;
        if (kind == 0 || inputs.isEmpty()) {
            QPushButton *button = buttons.at(qsizetype(random() % buttons.size()));
            done.append(QStringLiteral("%1: click %2::%3").arg(event).arg(screenName, button->objectName()));
            QTest::mouseClick(button, Qt::LeftButton);
            // "TARİHTEN HESAPLA" writes the solar age it found into the age box, on purpose.
            if (button->text() == u"TARİHTEN HESAPLA") {
                QLineEdit *age = ScreenTest::box(button->window(), u"Vefat edenin");
                m_typed[typedKey(age)] = age->text();
            }
        } else if (kind == 1) {
            QLineEdit *box = inputs.at(qsizetype(random() % inputs.size()));
            done.append(QStringLiteral("%1: click into %2::%3").arg(event).arg(screenName, box->objectName()));
            QTest::mouseClick(box, Qt::LeftButton);
        } else {
            QLineEdit *box = inputs.at(qsizetype(random() % inputs.size()));
            const QString text = texts.at(qsizetype(random() % texts.size()));
            done.append(QStringLiteral("%1: type \"%2\" into %3::%4")
                            .arg(event)
                            .arg(text.size() > 20 ? text.left(10) + QStringLiteral("…(%1)").arg(text.size()) : text,
                                 screenName, box->objectName()));
            const QString before = box->text();
            box->selectAll();
            box->insert(text); // as a paste would: one edit, whatever the characters
            m_typed[typedKey(box)] = held(box, before, text);
        }

        const QString failure = check(ended, messages, messagesChecked);
        if (!failure.isEmpty()) {
            qWarning("monkey seed %u: %s after event %d", seed, qPrintable(failure), event);
            qWarning("replay with KARVELA_MONKEY_SEED=%u KARVELA_MONKEY_EVENTS=%d; the last events:", seed, event + 1);
            for (const QString &line : done.mid(qMax<qsizetype>(0, done.size() - 30)))
                qWarning("  %s", qPrintable(line));
            QFAIL(qPrintable(failure));
        }
    }
    qInfo("monkey seed %u: %d events, %lld message boxes", seed, events, static_cast<long long>(messages.shown.size()));
}

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
