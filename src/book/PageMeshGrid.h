#pragma once

#include "book/BookLayout.h"

// Every page face is a grid of 32 profile columns by 35 rows along the spine, stored row by row.
inline constexpr int kPageColumns = BookLayout::kPageColumns;
inline constexpr int kPageRows = BookLayout::kPageRows;
inline constexpr int kPageVertexCount = kPageColumns * kPageRows;

// Length of a page along the spine, from its lower edge (z = 0) to its upper edge.
inline constexpr float kPageLength = BookLayout::kPageLength;

// Index of the vertex at a column and row of a page face.
constexpr int PageVertexIndex(int column, int row) { return row * kPageColumns + column; }
