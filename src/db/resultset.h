#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <memory>
#include <unordered_map>
#include <vector>

namespace db {

// The column kinds the program tells apart (filter values, search, exports).
enum class ColumnKind { Text, Int32, Integer, Decimal, Date, DateTime, Time, LargeObject };

struct Column {
    QString name;
    ColumnKind kind = ColumnKind::Text;
    int displaySize = 0; // characters, as the server reports the column's length
};

// All rows of one query, kept as the server sent them (cp1250 text) and converted on access.
// Rows sit back to back in large blocks; per cell only a 16-bit end offset within its row is
// kept (rows of 32 KiB and more keep 32-bit offsets aside), so the memory held stays close to
// the bytes received.
class ResultSet {
public:
    ResultSet() = default;
    explicit ResultSet(QList<Column> columns);
    ResultSet(ResultSet &&) noexcept = default;
    ResultSet &operator=(ResultSet &&) noexcept = default;

    const QList<Column> &columns() const { return m_columns; }
    int columnCount() const { return int(m_columns.size()); }
    int columnIndex(const QString &name) const; // case-insensitive, -1 when absent
    int rowCount() const { return int(m_rowStarts.size()); }

    bool isNull(int row, int column) const;
    QByteArrayView bytes(int row, int column) const;
    QString text(int row, int column) const; // empty for NULL
    qint64 toInteger(int row, int column) const;
    double toDouble(int row, int column) const;
    QDate toDate(int row, int column) const;
    QDateTime toDateTime(int row, int column) const;
    QTime toTime(int row, int column) const;

    // Used by the connection while rows arrive: lengths[i] is ignored where values[i] is null.
    void appendRow(const char *const *values, const unsigned long *lengths);
    // Removes one row from the result (the list deletes rows it has deleted on the server).
    void removeRow(int row);

private:
    static constexpr quint16 NullFlag = 0x8000u;
    static constexpr quint16 WideRow = 0xFFFFu; // first cell of a row kept in m_wideRows
    static constexpr quint32 WideNullFlag = 0x80000000u;
    static constexpr size_t NarrowRowLimit = 0x7FFF;
    static constexpr size_t BlockSize = 4u << 20;

    bool isWide(int row) const;
    quint32 endWithFlag(int row, int column) const;
    quint32 cellEnd(int row, int column) const;
    quint32 cellStart(int row, int column) const;

    QList<Column> m_columns;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    size_t m_blockUsed = 0;
    size_t m_blockCapacity = 0;
    std::vector<const char *> m_rowStarts;
    std::vector<quint16> m_cellEnds; // per cell: end offset within its row, high bit = NULL
    std::unordered_map<const char *, std::vector<quint32>> m_wideRows; // by row start
};

} // namespace db
