#include "provider/Provider.h"

namespace platform::provider {
namespace {

// A cursor over a result already read whole.
class ResultCursor : public Cursor {
public:
    explicit ResultCursor(ResultSet rows) : m_rows(std::move(rows)) {}
    const std::vector<ResultColumn>& Columns() const override { return m_rows.columns; }
    bool Next(_variant_t* row) override {
        if (m_next >= m_rows.RowCount()) return false;
        for (size_t c = 0; c < m_rows.columns.size(); ++c) row[c] = std::move(m_rows.At(m_next, c));
        ++m_next;
        return true;
    }

private:
    ResultSet m_rows;
    size_t m_next = 0;
};

}  // namespace

std::unique_ptr<Cursor> Session::Stream(std::wstring_view sql, const StatementLimits& limits) {
    return std::make_unique<ResultCursor>(Query(sql, limits));
}

}  // namespace platform::provider
