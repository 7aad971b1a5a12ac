#include "engine/TableChanges.h"

#include <algorithm>

#include "mfc/Afx.h"

CTableTexts ReadTableTexts(const AcDbTable* pTable) {
    CTableTexts texts;
    texts.m_nRows = pTable->numRows();
    texts.m_nCols = pTable->numColumns();
    texts.m_cells.reserve(static_cast<size_t>(texts.m_nRows) * texts.m_nCols);
    std::wstring text;
    for (int r = 0; r < texts.m_nRows; ++r)
        for (int c = 0; c < texts.m_nCols; ++c) {
            text.clear();
            pTable->textString(r, c, text);
            texts.m_cells.push_back(CString(text.c_str()).ToUtf8());
        }
    return texts;
}

CTableChanges CompareTableTexts(CTableTexts before, CTableTexts after) {
    CTableChanges changes;
    const int rows = std::min(before.m_nRows, after.m_nRows);
    const int cols = std::min(before.m_nCols, after.m_nCols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if (before.At(r, c) != after.At(r, c)) changes.m_changed.push_back({r, c, before.At(r, c), after.At(r, c)});
    changes.m_nRowsAdded = std::max(0, after.m_nRows - before.m_nRows);
    changes.m_nRowsRemoved = std::max(0, before.m_nRows - after.m_nRows);
    changes.m_nColsAdded = std::max(0, after.m_nCols - before.m_nCols);
    changes.m_before = std::move(before);
    changes.m_after = std::move(after);
    return changes;
}
