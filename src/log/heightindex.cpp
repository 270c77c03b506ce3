// SPDX-License-Identifier: GPL-3.0-or-later
#include "heightindex.h"

namespace {
size_t lowestBit(size_t index)
{
    return index & (~index + 1);
}
} // namespace

qreal HeightIndex::top(qsizetype paragraph) const
{
    qreal sum = 0;
    for (size_t index = size_t(paragraph); index > 0; index -= lowestBit(index))
        sum += sums[index];
    return sum;
}

qsizetype HeightIndex::at(qreal y) const
{
    // Down the tree from its highest power of two: the paragraphs wholly above y.
    size_t index = 0;
    size_t step = 1;
    while (step * 2 < sums.size())
        step *= 2;
    for (; step > 0; step /= 2) {
        if (index + step < sums.size() && sums[index + step] <= y) {
            index += step;
            y -= sums[index];
        }
    }
    return qBound<qsizetype>(0, qsizetype(index), size() - 1);
}

void HeightIndex::append(qreal height)
{
    heights.push_back(height);
    const size_t index = heights.size();
    // The new sum spans the paragraphs from just after index - lowestBit(index) to index.
    sums.push_back(top(qsizetype(index) - 1) + height - top(qsizetype(index - lowestBit(index))));
}

void HeightIndex::set(qsizetype paragraph, qreal height)
{
    const qreal change = height - heights[size_t(paragraph)];
    heights[size_t(paragraph)] = height;
    for (size_t index = size_t(paragraph) + 1; index < sums.size(); index += lowestBit(index))
        sums[index] += change;
}

void HeightIndex::truncate(qsizetype count)
{
    if (count >= size())
        return;
    heights.resize(size_t(count));
    sums.resize(size_t(count) + 1);
}
