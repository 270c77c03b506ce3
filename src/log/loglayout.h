// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heightindex.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>

#include <vector>

class QTimer;

// The log's layout, which costs what the screen shows, not what the run printed.
//
// The log's font is fixed-pitch and it wraps anywhere, as a terminal does, so a paragraph's height
// is arithmetic: a line of N one-column characters wraps into ceil(N / columns) lines. Only a
// paragraph that is painted, hit, or whose exact geometry is asked for (the caret, a selection,
// a screen reader) is shaped, and its shaped lines are dropped again once it is out of sight. A
// paragraph that holds what is not one column a character (wide or combining characters, tabs,
// right-to-left text) is counted the same way until it is shaped (a wide character as two
// columns, a line with characters the font lacks at the height of a fallback font's line), and
// its height corrected then; what shaping found stays for the next re-wrap. A change of width
// re-wraps the document by arithmetic.
class LogLayout : public QAbstractTextDocumentLayout
{
    Q_OBJECT

public:
    explicit LogLayout(QTextDocument *document);

    void draw(QPainter *painter, const PaintContext &context) override;
    int hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame *frame) const override;
    QRectF blockBoundingRect(const QTextBlock &block) const override;

signals:
    // A paragraph's height was corrected when it was shaped; top is where it begins. Told after the
    // document's new size.
    void heightCorrected(qreal top, qreal change);

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    struct Paragraph
    {
        // The columns of each line between line separators; unknown where not simple.
        std::vector<quint32> lines;
        // The height of each of its lines where the paragraph sets one.
        qreal fixedLineHeight = -1;
        // The height of its lines as shaping found them, on average.
        qreal shapedLineHeight = -1;
        bool simple = true;
        // Holds characters that the font lacks.
        bool fallback = false;
        bool shaped = false;
    };
    struct Correction
    {
        qreal top;
        qreal change;
        // A re-wrap since makes it moot.
        int wraps;
    };
    Paragraph measure(const QTextBlock &block) const;
    qreal estimate(const Paragraph &paragraph) const;
    // Shapes the paragraph if it is not yet, and puts it where it is.
    void shape(const QTextBlock &block) const;
    void unshapeAllBut(const std::vector<int> &kept) const;
    void rebuild();
    void rewrap();
    void measureFont();
    qreal fallbackHeight() const;
    void tellCorrections();
    qreal margin() const;

    mutable std::vector<Paragraph> paragraphs;
    mutable HeightIndex heights;
    mutable std::vector<int> shaped;
    mutable std::vector<Correction> corrections;
    int wraps = 0;
    QTimer *sizeChanged;
    QFont font;
    QFontMetricsF metrics {font};
    qreal width = -1;
    // Of one column and one line of the font, as a QTextLayout lays them out.
    qreal advance = 1;
    qreal lineHeight = 1;
    // Of a line in the font that stands in for characters the log's font lacks, such as CJK.
    mutable qreal fallbackLineHeight = -1;
};
