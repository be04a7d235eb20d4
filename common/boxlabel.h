#pragma once

#include <QLabel>

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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool paintAroundGap(QPainter &painter) const;
    bool paintLeader(QPainter &painter) const;

    const QWidget *m_box;
};
