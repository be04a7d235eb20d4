#include "common/qtmessageservice.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtMessageService::show(const MessageBoxRequest &request)
{
    QMessageBox box(toQtIcon(request.icon), request.title, request.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    // A system-modal box must not disappear behind any window of the program.
    if (request.systemModal)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);

    // A short note would make the box narrower than its own title, and the title would be cut.
    const int titleWidth = QFontMetrics(QApplication::font()).horizontalAdvance(request.title);
    box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: %1px; }").arg(titleWidth + 80));

    if (request.buttons == MessageButtons::Ok) {
        QPushButton *ok = box.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
        ok->setObjectName(QStringLiteral("okButton"));
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return MessageAnswer::Ok;
    }

    // The texts are set here so that they are Turkish even without Qt's translation.
    QPushButton *yes = box.addButton(QStringLiteral("Evet"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Hayır"), QMessageBox::NoRole);
    yes->setObjectName(QStringLiteral("yesButton"));
    no->setObjectName(QStringLiteral("noButton"));
    // Esc answers as the default button would.
    QPushButton *defaultButton = request.secondButtonDefault ? no : yes;
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(defaultButton);
    box.exec();
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}
