#pragma once

#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QStringView>

// The controls of a window as a user finds them, for the tests and the tools that
// drive the windows: a button by its caption, a box by words of the caption a screen
// reader says for it.

// The button of `window` captioned `caption`; none if it has none.
inline QPushButton *buttonCaptioned(QWidget *window, QStringView caption)
{
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

// The one box of `window` whose caption is `words`, or else holds them (in any case):
// "buğday" is the wheat price's box on either expiation screen. None where no box, or
// more than one, fits.
inline QLineEdit *boxCaptioned(QWidget *window, QStringView words)
{
    QList<QLineEdit *> found;
    for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
        if (box->accessibleName().compare(words, Qt::CaseInsensitive) == 0)
            return box;
        if (box->accessibleName().contains(words, Qt::CaseInsensitive))
            found.append(box);
    }
    return found.size() == 1 ? found.first() : nullptr;
}
