#include "odbc/WholeResult.h"

#include <new>
#include <vector>

#include "odbc/OdbcErrors.h"

namespace platform::odbc {

provider::ResultSet WholeResult(provider::Cursor& cursor, const provider::StatementLimits& limits) {
    try {
        provider::ResultSet result;
        result.columns = cursor.Columns();
        const size_t count = result.columns.size();
        std::vector<_variant_t> row(count);
        size_t bytes = 0;
        while (cursor.Next(row.data())) {
            _variant_t* cells = result.AppendRow();
            for (size_t i = 0; i < count; ++i) cells[i] = std::move(row[i]);
            if (limits.bytes > 0) {
                bytes += provider::RowBytes(cells, count);
                if (static_cast<long long>(bytes) > limits.bytes) RaiseMemoryLimit(limits.bytes);
            }
        }
        return result;
    } catch (const std::bad_alloc&) {
        RaiseOutOfMemory();
    }
}

}  // namespace platform::odbc
