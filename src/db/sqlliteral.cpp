#include "sqlliteral.h"

#include <QLocale>

namespace sql {

QString text(const QString &value)
{
    QString quoted;
    quoted.reserve(value.size() + 2);
    quoted += u'\'';
    for (QChar ch : value) {
        if (ch == u'\'')
            quoted += u"''";
        else if (ch == u'\\')
            quoted += u"\\\\";
        else
            quoted += ch;
    }
    quoted += u'\'';
    return quoted;
}

QString number(double value)
{
    return QLocale::c().toString(value, 'g', 15);
}

QString date(const QDate &value)
{
    return u'\'' + value.toString(u"yyyy-MM-dd") + u'\'';
}

QString dateTimeText(const QDateTime &value)
{
    return value.toString(u"yyyy-MM-dd HH:mm:ss");
}

QString dateTime(const QDateTime &value)
{
    return u'\'' + dateTimeText(value) + u'\'';
}

} // namespace sql
