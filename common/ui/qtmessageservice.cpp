#include "common/ui/qtmessageservice.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

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

// The width a window manager needs to show `title` whole in a title bar: the text in a
// bold face (title bars are usually bold) and room for the window icon and three buttons.
int titleBarWidth(const QString &title)
{
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    constexpr int iconAndButtons = 110;
    return QFontMetrics(titleFont).horizontalAdvance(title) + iconAndButtons;
}

// Keeps a box at least as wide as its title. QMessageBox sizes itself from its layout's
// minimum width and wraps long texts at about half the screen's width; an empty spacer
// across the layout raises that minimum without touching the text label, which a
// width forced on the label would keep from wrapping.
void keepTitleWhole(QMessageBox &box, const QString &title)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    grid->addItem(new QSpacerItem(titleBarWidth(title), 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                  0, 1, grid->columnCount());
}

} // namespace

MessageAnswer QtMessageService::show(const MessageBoxRequest &request)
{
    QMessageBox box(toQtIcon(request.icon), request.title, request.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    // Words from a file, a path or a name are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    // A system-modal box must not disappear behind any window of the program.
    if (request.systemModal)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);

    keepTitleWhole(box, request.title);

    if (request.buttons == MessageButtons::Ok) {
        QPushButton *ok = box.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return MessageAnswer::Ok;
    }

    // The texts are set here so that they are Turkish even without Qt's translation.
    QPushButton *yes = box.addButton(QStringLiteral("Evet"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Hayır"), QMessageBox::NoRole);
    // Esc answers as the default button would.
    QPushButton *defaultButton = request.secondButtonDefault ? no : yes;
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(defaultButton);
    box.exec();
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}
