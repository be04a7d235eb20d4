#include "calc/screens/recordpages.h"

#include "common/wholefile.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <limits>
#include <memory>
#include <utility>

namespace {

constexpr qreal marginMm = 18;

// The page, from 0, that a height in the laid-out text falls on.
int pageOf(const QTextDocument &pages, qreal y)
{
    return int(y / pages.pageSize().height());
}

// Qt lays the text out again after a change of format only in part, and would leave
// lines laid out but never drawn, and what follows measured where it was before: the
// whole of it is laid out anew.
void layOutAnew(QTextDocument &pages)
{
    pages.markContentsDirty(0, pages.characterCount());
}

// The block of `at` begins a page, and what follows is measured where it now stands.
void startPageAt(QTextCursor at)
{
    QTextBlockFormat format;
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    at.mergeBlockFormat(format);
    layOutAnew(*at.document());
}

// A heading never ends a page: where the text it heads would start on the next page,
// the heading goes there too. Headings that follow one another go together.
void keepHeadingsWithTheirText(QTextDocument &pages)
{
    const qreal pageHeight = pages.pageSize().height();
    QAbstractTextDocumentLayout *layout = pages.documentLayout();
    for (QTextBlock block = pages.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        QTextBlock text = block.next();
        while (text.isValid() && text.blockFormat().headingLevel() > 0)
            text = text.next();
        const qreal top = layout->blockBoundingRect(block).top();
        const bool startsPage = top - pageOf(pages, top) * pageHeight < 1;
        if (!text.isValid() || startsPage ||
            pageOf(pages, top) == pageOf(pages, layout->blockBoundingRect(text).bottom() - 1))
            continue;
        startPageAt(QTextCursor(block));
        block = text.previous(); // the headings moved with it are settled
    }
}

// The top and the bottom of a table's row as laid out.
std::pair<qreal, qreal> rowExtent(const QTextTable &table, int row, QAbstractTextDocumentLayout &layout)
{
    qreal top = std::numeric_limits<qreal>::max();
    qreal bottom = 0;
    for (int column = 0; column < table.columns(); ++column) {
        const QTextTableCell cell = table.cellAt(row, column);
        top = std::min(top, layout.blockBoundingRect(cell.firstCursorPosition().block()).top());
        bottom = std::max(bottom, layout.blockBoundingRect(cell.lastCursorPosition().block()).bottom());
    }
    return {top, bottom};
}

// A round's row of the checklist is never cut in two by the foot of a page: where it
// would be, the row before it reaches down to the foot, and the row starts the next
// page whole, under the table's header. Qt moves a row only where none of its cells
// would start on the page. `dpiScale` is what Qt scales a line's height by on the device.
void keepRowsWhole(QTextDocument &pages, qreal dpiScale)
{
    const qreal pageHeight = pages.pageSize().height();
    QAbstractTextDocumentLayout *layout = pages.documentLayout();
    for (QTextFrame *frame : pages.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        const int firstRound = table->format().headerRowCount();
        for (int row = firstRound; row < table->rows(); ++row) {
            // A few tries, as Qt scales the added height by more than the resolution alone.
            for (int tries = 0; tries < 6; ++tries) {
                const auto [top, bottom] = rowExtent(*table, row, *layout);
                const int page = pageOf(pages, top);
                if (page == pageOf(pages, bottom - 1) || bottom - top >= pageHeight / 2)
                    break;
                if (row == firstRound) {
                    // No round above it to reach down: the table starts the next page,
                    // with the line that leads into it.
                    QTextCursor leadIn = table->firstCursorPosition();
                    leadIn.movePosition(QTextCursor::PreviousBlock);
                    startPageAt(leadIn);
                    continue;
                }
                QTextCursor above = table->cellAt(row - 1, 0).lastCursorPosition();
                QTextBlockFormat format = above.blockFormat();
                const qreal added = format.lineHeightType() == QTextBlockFormat::LineDistanceHeight
                                        ? format.lineHeight()
                                        : 0;
                format.setLineHeight(added + ((page + 1) * pageHeight - top) / dpiScale,
                                     QTextBlockFormat::LineDistanceHeight);
                above.setBlockFormat(format);
                layOutAnew(pages);
            }
        }
    }
}

} // namespace

bool paintRecord(const QTextDocument &record, const QString &heading, QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device))
        return false;

    // The record is laid out again for the page, at the device's resolution.
    const std::unique_ptr<QTextDocument> pages(record.clone());
    pages->documentLayout()->setPaintDevice(&device);
    QFont small = pages->defaultFont();
    small.setPointSizeF(9);
    const qreal band = QFontMetricsF(small, &device).height() * 2;
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QRectF body(0, band, page.width(), page.height() - 2 * band);
    pages->setPageSize(body.size());
    keepHeadingsWithTheirText(*pages);
    keepRowsWhole(*pages, device.logicalDpiY() / 96.0);
    layOutAnew(*pages);

    const int count = pages->pageCount();
    for (int index = 0; index < count; ++index) {
        if (index > 0)
            device.newPage();
        painter.save();
        painter.translate(body.left(), body.top() - index * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, index * body.height(), body.width(), body.height());
        painter.setClipRect(context.clip);
        pages->documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(small);
        painter.drawText(QRectF(0, 0, page.width(), band), Qt::AlignLeft | Qt::AlignTop, heading);
        painter.drawText(QRectF(0, page.height() - band, page.width(), band), Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Sayfa %1 / %2").arg(index + 1).arg(count));
    }
    return painter.end();
}

std::optional<QString> writeRecordPdf(const QTextDocument &record, const QString &heading, const QString &path)
{
    // The PDF is made in memory first, so that the disk is written the one careful way.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(heading);
        writer.setCreator(QStringLiteral("Karvela"));
        painted = paintRecord(record, heading, writer);
    }
    if (!painted)
        return QStringLiteral("çizelgenin sayfaları çizilemedi.");
    return writeWholeFile(path, pdf.data());
}
