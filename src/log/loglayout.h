// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heightindex.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>

#include <vector>

class QTimer;

// The log's layout, which costs what the screen shows, not what the run printed.
//
// The log's font is fixed-pitch and it wraps anywhere, as a terminal does, so a paragraph's height
// is arithmetic: a line of N one-column characters wraps into ceil(N / columns) lines. Only a
// paragraph that is painted, hit, or whose exact geometry is asked for (the caret, a selection,
// a screen reader) is shaped, and its shaped lines are dropped again once it is out of sight. A
// paragraph that holds what is not one column a character (wide or combining characters, tabs,
// right-to-left text) is counted the same way until it is shaped, and its height corrected then.
// A change of width re-wraps the document by arithmetic.
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
    // A paragraph's height was corrected when it was shaped; top is where it begins.
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
        bool simple = true;
        bool shaped = false;
    };
    Paragraph measure(const QTextBlock &block) const;
    qreal estimate(const Paragraph &paragraph) const;
    // Shapes the paragraph if it is not yet, and puts it where it is.
    void shape(const QTextBlock &block) const;
    void unshapeAllBut(const std::vector<int> &kept) const;
    void rebuild();
    void rewrap();
    void measureFont();
    qreal margin() const;

    mutable std::vector<Paragraph> paragraphs;
    mutable HeightIndex heights;
    mutable std::vector<int> shaped;
    QTimer *sizeChanged;
    QFont font;
    qreal width = -1;
    // Of one column and one line of the font, as a QTextLayout lays them out.
    qreal advance = 1;
    qreal lineHeight = 1;
};
