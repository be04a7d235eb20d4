#pragma once

#include "common/errors.h"

#include <QString>

// The title of every box that is not given one.
inline const QString applicationTitle = QStringLiteral("KARVELA PROGRAMI");

enum class MessageButtons {
    Ok,
    YesNo
};
enum class MessageIcon {
    None,
    Exclamation,
    Critical
};

// What the user pressed.
enum class MessageAnswer {
    Ok,
    Yes,
    No
};

struct MessageBoxRequest
{
    QString text;
    QString title = applicationTitle;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    bool secondButtonDefault = false;
    bool systemModal = false;

    bool operator==(const MessageBoxRequest &) const = default;
};

// Every message box of the program goes through one of these, so that tests can
// answer the boxes without a real modal window.
class MessageService
{
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const MessageBoxRequest &request) = 0;

    // A plain box with the OK button and the application title.
    void inform(const QString &text) { show({.text = text}); }
};

// The box shown when a calculation meets an error that its handler does not absorb.
MessageBoxRequest errorReport(ErrorKind kind);
// The same box, naming the box at fault by its caption and quoting what it holds.
MessageBoxRequest errorReport(const CalculationError &error, const QString &caption, const QString &boxText,
                              bool computed);
