#pragma once

#include "calc/ceremonybook.h"
#include "calc/handovers.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The ceremony carried out on screen, one hand-over at a time, large enough to read
// from two metres: the part, the round and the poor person, the gold to give, the words
// the velî says and the answer, what is still owed and how far the whole ceremony has
// come. Space, Enter or "Verildi" ticks the hand-over; Backspace or "Geri Al" takes
// the last tick back; F11 fills the screen; Escape closes, and the progress is kept.
// Progress made for other figures than the screens' is shown, never moved on nor lost.
class CeremonyWindow : public QDialog
{
    Q_OBJECT
public:
    CeremonyWindow(QWidget *record, CeremonyBook &ceremony, Expiation opener);

private slots:
    void tick();
    void untick();
    void showProgress();

private:
    QLabel *addLabel(qreal points, bool bold = false);
    // Where the ceremony cannot go on: the screens no longer give its plan.
    std::optional<QString> stopped(const Ceremony &ceremony) const;
    void showHandover(const Handover &handover, const Ceremony &ceremony);
    void showEnd(const Ceremony &ceremony);
    // What the last tick completed: a round, a part, and what comes next.
    QString completed(const Ceremony &ceremony) const;
    void say(const QString &text);

    CeremonyBook &m_ceremony;
    Expiation m_opener;
    QLabel *m_notice = nullptr;
    QLabel *m_part = nullptr;
    QLabel *m_where = nullptr;
    QLabel *m_amount = nullptr;
    QLabel *m_words = nullptr;
    QLabel *m_answer = nullptr;
    QLabel *m_owed = nullptr;
    QProgressBar *m_bar = nullptr;
    QLabel *m_count = nullptr;
    QPushButton *m_undo = nullptr;
    QPushButton *m_given = nullptr;
    QWidget *m_announcer = nullptr; // says each hand-over to a screen reader
};
