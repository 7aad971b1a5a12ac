#pragma once
// What every provider hands the data-access component for one statement: the columns, typed
// as ADO types them, and the rows with one VARIANT a cell, held whole in memory (a client
// cursor); and the limits a statement runs under (StatementLimits.h), whatever the provider.
#include <string>
#include <vector>

#include "com/Variant.h"
#include "provider/AdoTypes.h"
#include "provider/StatementLimits.h"

namespace platform::provider {

struct ResultColumn {
    std::wstring name;
    DataTypeEnum type = adVarWChar;
    long definedSize = 0;
    long attributes = 0;
};

// Rows held in memory: cells row by row, in blocks of rows so that a large result grows
// without moving what it holds.
class ResultSet {
public:
    std::vector<ResultColumn> columns;

    size_t RowCount() const { return m_rows; }
    const _variant_t& At(size_t row, size_t column) const { return m_blocks[row / kBlockRows][(row % kBlockRows) * columns.size() + column]; }
    _variant_t& At(size_t row, size_t column) { return m_blocks[row / kBlockRows][(row % kBlockRows) * columns.size() + column]; }
    // Appends a row of empty values and returns its first cell.
    _variant_t* AppendRow() {
        if (m_rows % kBlockRows == 0) m_blocks.emplace_back(kBlockRows * columns.size());
        return &m_blocks.back()[(m_rows++ % kBlockRows) * columns.size()];
    }

private:
    static constexpr size_t kBlockRows = 4096;
    std::vector<std::vector<_variant_t>> m_blocks;
    size_t m_rows = 0;
};

// What one row of values holds in memory, roughly: the values and what they point to. The
// memory limit counts with it, so every provider measures a result alike.
size_t RowBytes(const _variant_t* row, size_t count);

}  // namespace platform::provider
