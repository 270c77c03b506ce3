// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <vector>

// The heights of a document's paragraphs, and where each begins: a Fenwick tree, so that a
// paragraph's top, the paragraph at a height, and a change of one height each take a few steps
// whatever the number of paragraphs, and paragraphs are added or dropped at the end in as few.
class HeightIndex
{
public:
    qsizetype size() const { return qsizetype(heights.size()); }
    qreal height(qsizetype paragraph) const { return heights[size_t(paragraph)]; }
    // Where the paragraph begins, from the top of the first.
    qreal top(qsizetype paragraph) const;
    qreal total() const { return top(size()); }
    // The paragraph at that height: the last one when below all, the first when above.
    qsizetype at(qreal y) const;
    void append(qreal height);
    void set(qsizetype paragraph, qreal height);
    // Keeps the first count paragraphs.
    void truncate(qsizetype count);

private:
    std::vector<qreal> heights;
    // Sums of heights, each of the paragraphs that its index's lowest bit spans, counted from 1.
    std::vector<qreal> sums {0};
};
