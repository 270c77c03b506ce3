// SPDX-License-Identifier: GPL-3.0-or-later
#include "loglayout.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
constexpr char16_t lineSeparator = 0x2028;

// One column a character in a fixed-pitch font: ASCII and the Latin letters before the combining
// marks. Anything else may be wide, combine, move the next character, or come from another font.
bool isOneColumn(char16_t character)
{
    return (character >= 0x20 && character < 0x7f) ||
        (character >= 0xa0 && character < 0x300 && character != 0xad);
}

// Two columns in a terminal: East Asian wide and full-width characters, and emoji.
bool isWide(char32_t character)
{
    return (character >= 0x1100 && character <= 0x115f) || (character >= 0x2e80 && character <= 0xa4cf) ||
        (character >= 0xac00 && character <= 0xd7a3) || (character >= 0xf900 && character <= 0xfaff) ||
        (character >= 0xfe30 && character <= 0xfe4f) || (character >= 0xff00 && character <= 0xff60) ||
        (character >= 0xffe0 && character <= 0xffe6) || (character >= 0x1f300 && character <= 0x1faff) ||
        (character >= 0x20000 && character <= 0x3fffd);
}
} // namespace

LogLayout::LogLayout(QTextDocument *document)
    : QAbstractTextDocumentLayout(document)
    , sizeChanged(new QTimer(this))
{
    // A correction found while painting is told once the paint is over.
    sizeChanged->setSingleShot(true);
    connect(sizeChanged, &QTimer::timeout, this, &LogLayout::tellCorrections);
    measureFont();
    width = document->textWidth();
    rebuild();
}

qreal LogLayout::margin() const
{
    return document()->documentMargin();
}

// One column and one line as a QTextLayout lays them out, so that what is counted matches what is
// shaped to the pixel.
void LogLayout::measureFont()
{
    font = document()->defaultFont();
    metrics = QFontMetricsF(font);
    QTextLayout sample(QString(100, 'x'), font);
    sample.beginLayout();
    QTextLine line = sample.createLine();
    line.setNumColumns(100);
    sample.endLayout();
    advance = std::max<qreal>(line.naturalTextWidth() / 100, 1);
    lineHeight = line.height();
    fallbackLineHeight = -1;
}

// Looked up once a line needs it: finding the fallback font costs milliseconds, and most logs
// never need one.
qreal LogLayout::fallbackHeight() const
{
    if (fallbackLineHeight < 0) {
        QTextLayout wide(QString(QChar(0x6f22)), font);
        wide.beginLayout();
        fallbackLineHeight = std::max(lineHeight, wide.createLine().height());
        wide.endLayout();
    }
    return fallbackLineHeight;
}

// The new size first, so that a view that keeps what it shows has the room to move it.
void LogLayout::tellCorrections()
{
    emit documentSizeChanged(documentSize());
    for (const Correction &correction : std::exchange(corrections, {}))
        if (correction.wraps == wraps)
            emit heightCorrected(correction.top, correction.change);
}

LogLayout::Paragraph LogLayout::measure(const QTextBlock &block) const
{
    Paragraph paragraph;
    const QTextBlockFormat format = block.blockFormat();
    if (format.lineHeightType() == QTextBlockFormat::FixedHeight)
        paragraph.fixedLineHeight = format.lineHeight();
    const QString text = block.text();
    paragraph.lines.reserve(size_t(text.count(QChar(lineSeparator))) + 1);
    quint32 columns = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t character = text[at].unicode();
        if (character == lineSeparator) {
            paragraph.lines.push_back(columns);
            columns = 0;
            continue;
        }
        ++columns;
        if (isOneColumn(character))
            continue;
        paragraph.simple = false;
        char32_t code = character;
        if (QChar::isHighSurrogate(character) && at + 1 < text.size() && text[at + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(character, text[++at].unicode());
        if (isWide(code))
            ++columns;
        paragraph.fallback = paragraph.fallback || !metrics.inFontUcs4(code);
    }
    paragraph.lines.push_back(columns);
    return paragraph;
}

qreal LogLayout::estimate(const Paragraph &paragraph) const
{
    qreal perLine = paragraph.fallback ? fallbackHeight() : lineHeight;
    if (paragraph.fixedLineHeight >= 0)
        perLine = paragraph.fixedLineHeight;
    else if (paragraph.shapedLineHeight > 0)
        perLine = paragraph.shapedLineHeight;
    const qreal room = width - 2 * margin();
    if (room <= 0)
        return qreal(paragraph.lines.size()) * perLine;
    // In the 64ths of a pixel that a QTextLayout counts in.
    const quint64 columns =
        std::max<quint64>(1, quint64(std::llround(room * 64)) / quint64(std::llround(advance * 64)));
    quint64 count = 0;
    for (const quint32 line : paragraph.lines)
        count += line == 0 ? 1 : (line + columns - 1) / columns;
    return qreal(count) * perLine;
}

void LogLayout::rebuild()
{
    paragraphs.clear();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        paragraphs.push_back(measure(block));
    rewrap();
}

// By arithmetic alone: nothing is measured or shaped again.
void LogLayout::rewrap()
{
    ++wraps;
    heights = HeightIndex();
    for (const int number : shaped)
        document()->findBlockByNumber(number).clearLayout();
    shaped.clear();
    for (Paragraph &paragraph : paragraphs) {
        paragraph.shaped = false;
        heights.append(estimate(paragraph));
    }
}

// setPageSize() and setDefaultFont() tell a change of the whole document that is none: the text is
// as it was, and only the heights are worked out again.
void LogLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    QTextDocument *document = this->document();
    const bool geometry = document->textWidth() != width || document->defaultFont() != font;
    const bool sameText = from == 0 && charsRemoved == 0 && charsAdded == document->characterCount() &&
        qsizetype(paragraphs.size()) == document->blockCount();
    if (document->defaultFont() != font)
        measureFont();
    width = document->textWidth();
    qsizetype first = 0;
    bool rebuilt = false;
    if (!sameText) {
        const QTextBlock begin = document->findBlock(from);
        const QTextBlock end = document->findBlock(std::max(from, from + charsAdded - 1));
        first = begin.blockNumber();
        const qsizetype last = end.blockNumber();
        const qsizetype change = document->blockCount() - qsizetype(paragraphs.size());
        if (!begin.isValid() || !end.isValid() || last - change < first - 1) {
            first = 0;
            rebuild();
            rebuilt = true;
        } else {
            // The paragraphs that changed are measured again; those after them only move.
            std::vector<qreal> after;
            for (qsizetype number = last - change + 1; number < heights.size(); ++number)
                after.push_back(heights.height(number));
            heights.truncate(first);
            std::vector<Paragraph> measured;
            for (QTextBlock block = begin; block.isValid() && block.blockNumber() <= last;
                 block = block.next()) {
                // Lines shaped before the change would answer for the new text.
                block.clearLayout();
                measured.push_back(measure(block));
                heights.append(estimate(measured.back()));
            }
            for (const qreal height : after)
                heights.append(height);
            paragraphs.erase(paragraphs.begin() + first, paragraphs.begin() + (last - change + 1));
            paragraphs.insert(paragraphs.begin() + first, std::make_move_iterator(measured.begin()),
                              std::make_move_iterator(measured.end()));
            std::vector<int> moved;
            for (const int number : shaped)
                if (number < first || number > last - change)
                    moved.push_back(number < first ? number : int(number + change));
            shaped = moved;
        }
    }
    if (geometry && !rebuilt)
        rewrap();
    else if (sameText)
        return;
    emit update(QRectF(0, margin() + heights.top(first), std::max<qreal>(width, 1e6), 1e9));
    emit documentSizeChanged(documentSize());
}

void LogLayout::shape(const QTextBlock &block) const
{
    const int number = block.blockNumber();
    if (number < 0 || size_t(number) >= paragraphs.size())
        return;
    QTextLayout *layout = block.layout();
    const qreal top = margin() + heights.top(number);
    Paragraph &paragraph = paragraphs[size_t(number)];
    if (!paragraph.shaped || layout->lineCount() == 0) {
        QTextOption option = document()->defaultTextOption();
        option.setTextDirection(block.textDirection());
        // Leading is right in a right-to-left paragraph, as Qt's own layout has it.
        Qt::Alignment alignment = option.alignment();
        if (!(alignment & Qt::AlignHorizontal_Mask))
            alignment |= Qt::AlignLeft;
        if (!(alignment & Qt::AlignAbsolute) && (alignment & (Qt::AlignLeft | Qt::AlignRight))) {
            if (block.textDirection() == Qt::RightToLeft)
                alignment ^= Qt::AlignLeft | Qt::AlignRight;
            alignment |= Qt::AlignAbsolute;
        }
        option.setAlignment(alignment);
        const qreal room = width - 2 * margin();
        if (room <= 0)
            option.setWrapMode(QTextOption::ManualWrap);
        layout->setTextOption(option);
        qreal y = 0;
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            if (room > 0)
                line.setLineWidth(room);
            line.setPosition(QPointF(0, y));
            y += paragraph.fixedLineHeight >= 0 ? paragraph.fixedLineHeight : line.height();
        }
        layout->endLayout();
        if (!paragraph.shaped)
            shaped.push_back(number);
        paragraph.shaped = true;
        if (paragraph.fixedLineHeight < 0 && layout->lineCount() > 0)
            paragraph.shapedLineHeight = y / layout->lineCount();
        if (y != heights.height(number)) {
            corrections.push_back({top, y - heights.height(number), wraps});
            heights.set(number, y);
            sizeChanged->start(0);
        }
    }
    layout->setPosition(QPointF(margin(), top));
}

// What is out of sight keeps its height, not its shaped lines.
void LogLayout::unshapeAllBut(const std::vector<int> &kept) const
{
    std::vector<int> still;
    for (const int number : shaped) {
        if (std::find(kept.cbegin(), kept.cend(), number) != kept.cend()) {
            still.push_back(number);
            continue;
        }
        if (size_t(number) >= paragraphs.size())
            continue;
        paragraphs[size_t(number)].shaped = false;
        // An empty layout frees what shaping kept.
        QTextLayout *layout = document()->findBlockByNumber(number).layout();
        layout->beginLayout();
        layout->endLayout();
    }
    shaped = still;
}

void LogLayout::draw(QPainter *painter, const PaintContext &context)
{
    QTextDocument *document = this->document();
    const QRectF clip = context.clip.isValid() ? context.clip : QRectF(QPointF(0, 0), documentSize());
    const int cursorBlock =
        context.cursorPosition >= 0 ? document->findBlock(context.cursorPosition).blockNumber() : -1;
    const int cursorWidth = property("cursorWidth").isValid() ? property("cursorWidth").toInt() : 1;
    painter->setPen(context.palette.color(QPalette::Text));
    std::vector<int> drawn = {cursorBlock};
    for (QTextBlock block = document->findBlockByNumber(int(heights.at(clip.top() - margin())));
         block.isValid(); block = block.next()) {
        if (margin() + heights.top(block.blockNumber()) > clip.bottom())
            break;
        shape(block);
        drawn.push_back(block.blockNumber());
        const int start = block.position();
        const int end = start + block.length();
        QList<QTextLayout::FormatRange> selections;
        for (const Selection &selection : context.selections) {
            const int from = std::max(selection.cursor.selectionStart(), start);
            const int to = std::min(selection.cursor.selectionEnd(), end);
            if (from < to)
                selections.append({from - start, to - from, selection.format});
        }
        block.layout()->draw(painter, QPointF(), selections, clip);
        if (block.blockNumber() == cursorBlock)
            block.layout()->drawCursor(painter, QPointF(), context.cursorPosition - start, cursorWidth);
    }
    unshapeAllBut(drawn);
}

int LogLayout::hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const
{
    const QTextBlock block = document()->findBlockByNumber(int(heights.at(point.y() - margin())));
    if (!block.isValid())
        return -1;
    shape(block);
    const QTextLayout *layout = block.layout();
    const QPointF local = point - layout->position();
    for (int index = 0; index < layout->lineCount(); ++index) {
        const QTextLine line = layout->lineAt(index);
        if (local.y() >= line.y() + line.height() && index + 1 < layout->lineCount())
            continue;
        if (accuracy == Qt::ExactHit &&
            (local.y() < line.y() || local.y() >= line.y() + line.height() || local.x() < line.x() ||
             local.x() > line.x() + line.naturalTextWidth()))
            return -1;
        return block.position() + line.xToCursor(local.x());
    }
    return accuracy == Qt::ExactHit ? -1 : block.position();
}

QSizeF LogLayout::documentSize() const
{
    return {std::max<qreal>(width, 0), heights.total() + 2 * margin()};
}

QRectF LogLayout::frameBoundingRect(QTextFrame *) const
{
    return {QPointF(0, 0), documentSize()};
}

QRectF LogLayout::blockBoundingRect(const QTextBlock &block) const
{
    if (!block.isValid() || size_t(block.blockNumber()) >= paragraphs.size())
        return {};
    shape(block);
    const int number = block.blockNumber();
    return {margin(), margin() + heights.top(number), std::max<qreal>(width - 2 * margin(), 0),
            heights.height(number)};
}
