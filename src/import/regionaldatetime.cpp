#include "regionaldatetime.h"

#include "app/regionalformat.h"

#include <QRegularExpression>

namespace import {

namespace {

struct DateOrder {
    QChar separator = u'.';
    QString fields; // "dMy", "Mdy" or "yMd"
};

DateOrder dateOrderOf(const QLocale &locale)
{
    DateOrder order;
    order.fields.clear();
    for (QChar c : regional::shortDateFormat(locale)) {
        const QChar field = c == u'd' ? u'd' : c == u'M' ? u'M' : c == u'y' ? u'y' : QChar();
        if (!field.isNull()) {
            if (!order.fields.contains(field))
                order.fields += field;
        } else if (!c.isLetter() && !c.isSpace() && order.fields.size() == 1) {
            order.separator = c;
        }
    }
    if (order.fields.size() != 3)
        order.fields = QStringLiteral("dMy");
    return order;
}

int fullYear(int year, int digits)
{
    if (digits > 2)
        return year;
    const int pivot = QDate::currentDate().year() - 50;
    const int century = pivot / 100 * 100;
    return century + year < pivot ? century + 100 + year : century + year;
}

} // namespace

std::optional<QDateTime> readRegionalDateTime(const QString &text, const QLocale &locale)
{
    const DateOrder order = dateOrderOf(locale);
    const QString sep = QRegularExpression::escape(QString(order.separator));
    const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,4})%1(\\d{1,2})%1(\\d{1,4})(?:\\s+"
                                                    "(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?)?\\s*$")
                                         .arg(sep));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;

    int day = 0;
    int month = 0;
    int year = 0;
    for (int i = 0; i < 3; ++i) {
        const QString part = match.captured(i + 1);
        switch (order.fields.at(i).unicode()) {
        case u'd':
            if (part.size() > 2)
                return std::nullopt;
            day = part.toInt();
            break;
        case u'M':
            if (part.size() > 2)
                return std::nullopt;
            month = part.toInt();
            break;
        default:
            if (part.size() != 2 && part.size() != 4)
                return std::nullopt;
            year = fullYear(part.toInt(), int(part.size()));
        }
    }
    const QDate date(year, month, day);
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(),
                     match.captured(6).toInt());
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}

} // namespace import
