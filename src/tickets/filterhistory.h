#pragma once

#include <QString>

namespace tickets {

// The filter's steps kept in two files beside each other, "<base>.Fi_" with the clause after
// each step and "<base>.Te_" with its readable text, one cp1250 line (CR LF) per step.
// Neither is read at start, so lines of earlier runs stay until cleared.
class FilterHistory {
public:
    explicit FilterHistory(QString basePath); // e.g. "<working dir>/vlkor"

    void append(const QString &clause, const QString &text) const;
    // Empties both files; the filter becomes none.
    void clear(QString &clause, QString &text) const;
    // Drops the last step of each file and returns the steps now last (or none).
    void dropLast(QString &clause, QString &text) const;

    static QString noFilterText() { return QStringLiteral("Žádný filtr"); }
    QString clausePath() const { return m_base + QStringLiteral(".Fi_"); }
    QString textPath() const { return m_base + QStringLiteral(".Te_"); }

private:
    QString m_base;
};

} // namespace tickets
