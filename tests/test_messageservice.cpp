#include "common/ui/qtmessageservice.h"
#include "support/strayboxguard.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <map>

// The real service shows a real modal box; a timer plays the user.
class TestMessageService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { allowRealMessageBoxes(); }
    void showsTurkishBox_data();
    void showsTurkishBox();

private:
    struct Seen
    {
        QString title, text;
        QString read; // the text as it is drawn and read out, markup and all
        QStringList buttons;
        QString defaultButton;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool onTop = false;
    };
};

void TestMessageService::showsTurkishBox_data()
{
    QTest::addColumn<MessageBoxRequest>("request");
    QTest::addColumn<QString>("press"); // "Esc", "Enter", or the text of the button clicked
    QTest::addColumn<MessageAnswer>("expected");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("defaultButton");

    const MessageBoxRequest question{.text = QStringLiteral("SORU?"),
                                     .title = QStringLiteral("BAŞLIK"),
                                     .buttons = MessageButtons::YesNo,
                                     .icon = MessageIcon::Exclamation,
                                     .secondButtonDefault = true,
                                     .systemModal = true};
    const QStringList yesNo = {u"Evet"_qs, u"Hayır"_qs};
    QTest::newRow("Esc on a question answers its default No")
        << question << u"Esc"_qs << MessageAnswer::No << yesNo << u"Hayır"_qs;
    QTest::newRow("Enter on a question presses the default")
        << question << u"Enter"_qs << MessageAnswer::No << yesNo << u"Hayır"_qs;
    QTest::newRow("Evet answers Yes") << question << u"Evet"_qs << MessageAnswer::Yes << yesNo << u"Hayır"_qs;
    QTest::newRow("error report") << errorReport(ErrorKind::Overflow) << u"Enter"_qs << MessageAnswer::Ok
                                  << QStringList{u"Tamam"_qs} << u"Tamam"_qs;
    QTest::newRow("Esc on a note is OK") << MessageBoxRequest{.text = u"Not"_qs} << u"Esc"_qs << MessageAnswer::Ok
                                         << QStringList{u"Tamam"_qs} << u"Tamam"_qs;
    const MessageBoxRequest markup{.text = u"\"/home/a/<h1>B</h1>/<img src=x>.karvela\" açılamadı: <b>yok</b>."_qs};
    QTest::newRow("a path holding markup")
        << markup << u"Enter"_qs << MessageAnswer::Ok << QStringList{u"Tamam"_qs} << u"Tamam"_qs;
}

void TestMessageService::showsTurkishBox()
{
    QFETCH(MessageBoxRequest, request);
    QFETCH(QString, press);
    QFETCH(MessageAnswer, expected);
    QFETCH(QStringList, buttons);
    QFETCH(QString, defaultButton);

    Seen seen;
    bool answered = false;
    QTimer player;
    player.setInterval(20);
    connect(&player, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || answered)
            return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        seen.read = label ? QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name) : QString();
        seen.icon = box->icon();
        seen.onTop = box->windowFlags() & Qt::WindowStaysOnTopHint;
        for (QAbstractButton *button : box->buttons())
            seen.buttons.append(button->text());
        seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        answered = true;
        if (press == u"Esc" || press == u"Enter") {
            QTest::keyClick(box, press == u"Esc" ? Qt::Key_Escape : Qt::Key_Return);
            return;
        }
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == press)
                button->click();
        }
    });
    player.start();
    // A box nobody answers must fail the test, not hang it.
    QTimer::singleShot(10000, this, [] {
        if (QWidget *stray = QApplication::activeModalWidget())
            stray->close();
    });

    QtMessageService service;
    const MessageAnswer answer = service.show(request);

    QVERIFY(answered);
    QCOMPARE(answer, expected);
    QCOMPARE(seen.title, request.title);
    QCOMPARE(seen.text, request.text);
    QCOMPARE(seen.read, request.text);
    std::sort(seen.buttons.begin(), seen.buttons.end());
    QCOMPARE(seen.buttons, buttons);
    QCOMPARE(seen.defaultButton, defaultButton);
    QCOMPARE(seen.onTop, request.systemModal);
    const std::map<MessageIcon, QMessageBox::Icon> qtIcons = {{MessageIcon::None, QMessageBox::NoIcon},
                                                              {MessageIcon::Exclamation, QMessageBox::Warning},
                                                              {MessageIcon::Critical, QMessageBox::Critical}};
    QCOMPARE(seen.icon, qtIcons.at(request.icon));
}

QTEST_MAIN(TestMessageService)
#include "test_messageservice.moc"
