#pragma once

#include <QLabel>
#include <QList>

// A label laid out around a box of its screen, so that it looks as designed whatever
// the width of the face that stands in for the designed one. Its text stays exactly
// as designed, for screen readers too; only the drawing adapts:
//  - "Bugün 1 kg buğday        TL dir...": the run of blanks is the place of the box,
//    and the words after it start just past the box;
//  - "Fakir sayısı...............:": the dotted leader runs up to the box.
class BoxLabel : public QLabel
{
    Q_OBJECT
public:
    BoxLabel(const QString &text, const QWidget *box, QWidget *parent);

    // The label's words without the gap or the dotted leader: what names the box.
    QString words() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // A run of the text and where it starts, from the left of the contents.
    struct Piece
    {
        QString text;
        qreal x = 0;
    };
    // What is drawn; empty when the text is drawn as a plain label would draw it.
    QList<Piece> pieces() const;
    QList<Piece> aroundGap() const;
    QList<Piece> withLeader() const;

    const QWidget *m_box;
};
