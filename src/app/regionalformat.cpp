#include "regionalformat.h"

#include <QRegularExpression>

namespace regional {

QString shortDateFormat(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // two-digit years lose the century; the office works with four
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return format;
}

QString formatDate(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, shortDateFormat(locale));
}

QString formatTime(const QTime &time)
{
    return time.toString(QStringLiteral("H:mm:ss"));
}

QString formatDateTime(const QDateTime &value, const QLocale &locale)
{
    return formatDate(value.date(), locale) + u' ' + formatTime(value.time());
}

QString formatNumber(double value, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}

} // namespace regional
