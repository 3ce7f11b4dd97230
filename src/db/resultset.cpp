#include "resultset.h"

#include "cp1250.h"

#include <cstring>

namespace db {

namespace {

QString latinPrefix(QByteArrayView value, qsizetype length)
{
    return QString::fromLatin1(value.first(std::min(length, value.size())));
}

} // namespace

ResultSet::ResultSet(QList<Column> columns)
    : m_columns(std::move(columns))
{
}

int ResultSet::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void ResultSet::appendRow(const char *const *values, const unsigned long *lengths)
{
    const int count = columnCount();
    size_t rowSize = 0;
    for (int i = 0; i < count; ++i)
        rowSize += values[i] ? lengths[i] : 0;

    if (m_blocks.empty() || m_blockCapacity - m_blockUsed < rowSize) {
        m_blockCapacity = std::max(BlockSize, rowSize);
        m_blocks.push_back(std::make_unique<char[]>(m_blockCapacity));
        m_blockUsed = 0;
    }
    char *start = m_blocks.back().get() + m_blockUsed;
    const bool wide = rowSize > NarrowRowLimit;
    std::vector<quint32> wideEnds;
    quint32 offset = 0;
    for (int i = 0; i < count; ++i) {
        if (values[i] && lengths[i] > 0) {
            std::memcpy(start + offset, values[i], lengths[i]);
            offset += quint32(lengths[i]);
        }
        if (wide)
            wideEnds.push_back(offset | (values[i] ? 0 : WideNullFlag));
        else
            m_cellEnds.push_back(quint16(offset | (values[i] ? 0 : NullFlag)));
    }
    if (wide) {
        m_cellEnds.insert(m_cellEnds.end(), size_t(count), WideRow);
        m_wideRows.emplace(start, std::move(wideEnds));
    }
    m_blockUsed += rowSize;
    m_rowStarts.push_back(start);
}

void ResultSet::removeRow(int row)
{
    if (isWide(row)) {
        m_wideRows.erase(m_rowStarts[size_t(row)]);
    }
    m_rowStarts.erase(m_rowStarts.begin() + row);
    const auto first = m_cellEnds.begin() + qsizetype(row) * columnCount();
    m_cellEnds.erase(first, first + columnCount());
}

bool ResultSet::isWide(int row) const
{
    return columnCount() > 0 && m_cellEnds[size_t(row) * size_t(columnCount())] == WideRow;
}

quint32 ResultSet::endWithFlag(int row, int column) const
{
    const quint16 narrow = m_cellEnds[size_t(row) * size_t(columnCount()) + size_t(column)];
    if (narrow != WideRow)
        return (narrow & ~NullFlag) | ((narrow & NullFlag) ? WideNullFlag : 0);
    return m_wideRows.at(m_rowStarts[size_t(row)])[size_t(column)];
}

quint32 ResultSet::cellEnd(int row, int column) const
{
    return endWithFlag(row, column) & ~WideNullFlag;
}

quint32 ResultSet::cellStart(int row, int column) const
{
    return column == 0 ? 0 : cellEnd(row, column - 1);
}

bool ResultSet::isNull(int row, int column) const
{
    return endWithFlag(row, column) & WideNullFlag;
}

QByteArrayView ResultSet::bytes(int row, int column) const
{
    const quint32 start = cellStart(row, column);
    return QByteArrayView(m_rowStarts[size_t(row)] + start, cellEnd(row, column) - start);
}

QString ResultSet::text(int row, int column) const
{
    const QByteArrayView value = bytes(row, column);
    return cp1250::decode(value.data(), value.size());
}

qint64 ResultSet::toInteger(int row, int column) const
{
    return bytes(row, column).toLongLong();
}

double ResultSet::toDouble(int row, int column) const
{
    return bytes(row, column).toDouble();
}

QDate ResultSet::toDate(int row, int column) const
{
    return QDate::fromString(latinPrefix(bytes(row, column), 10), u"yyyy-MM-dd");
}

QDateTime ResultSet::toDateTime(int row, int column) const
{
    const QString value = latinPrefix(bytes(row, column), 19);
    return QDateTime::fromString(value, u"yyyy-MM-dd HH:mm:ss");
}

QTime ResultSet::toTime(int row, int column) const
{
    return QTime::fromString(latinPrefix(bytes(row, column), 8), u"HH:mm:ss");
}

} // namespace db
