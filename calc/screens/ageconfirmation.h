#pragma once

class MessageService;
class QLineEdit;

// The dialogue both expiation screens open their "Kadın" and "Erkek" calculations
// with: whether the age was typed in Hijri years, a note, and a check that both
// prices were entered. Returns true when both prices are there; when one is missing,
// the calling handler ends silently (its resume-at-end recovery).
bool confirmAgeAndPrices(MessageService &messages, const QLineEdit &wheatBox, const QLineEdit &goldBox);

// The reminder shown on a click into the age box of the prayer screen.
void ageReminderPrayer(MessageService &messages, const QLineEdit &wheatBox, const QLineEdit &goldBox);

// The reminder shown on a click into the age box of the fasting screen.
void ageReminderFasting(MessageService &messages);
