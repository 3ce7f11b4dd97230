#include "weighbridgereader.h"

#include "db/error.h"
#include "db/filebytes.h"
#include "db/sqlliteral.h"
#include "regionaldatetime.h"

#include <QHash>
#include <QXmlStreamReader>

namespace import {

namespace {

enum class Conversion { Text, Number, DateTime, Split };

struct Mapping {
    const char *prefix;
    Conversion conversion;
};

const QHash<QString, Mapping> &mappings()
{
    static const QHash<QString, Mapping> table = {
        {QStringLiteral("wg_nummer"), {",CISLODOKLA = ", Conversion::Text}},
        {QStringLiteral("kunde_nummer"), {",KODPAR = ", Conversion::Text}},
        {QStringLiteral("kunde_zeile1"), {",NAZEVPODNI = ", Conversion::Text}},
        {QStringLiteral("kunde_zeile2"), {",SIDLO = ", Conversion::Text}},
        {QStringLiteral("kunde_zeile5"), {",ULICE = ", Conversion::Text}},
        {QStringLiteral("kunde_zeile6"), {nullptr, Conversion::Split}},
        {QStringLiteral("kfz"), {",SPZ = ", Conversion::Text}},
        {QStringLiteral("sorte_bez"), {",NAZEVOSIVA = ", Conversion::Text}},
        {QStringLiteral("sorte_nr"), {",KOMODITA = ", Conversion::Text}},
        {QStringLiteral("artikel"), {",NOMENKLA = ", Conversion::Text}},
        {QStringLiteral("lager_nr"), {",SKLAD = ", Conversion::Text}},
        {QStringLiteral("wiegeart"), {",TYPDOKLADU = ", Conversion::Text}},
        {QStringLiteral("brutto_gewicht"), {",BRUTTO = ", Conversion::Number}},
        {QStringLiteral("brutto_zeit"), {",DATBRUTTO = ", Conversion::DateTime}},
        {QStringLiteral("tara_gewicht"), {",TARA = ", Conversion::Number}},
        {QStringLiteral("tara_zeit"), {",DATTARA = ", Conversion::DateTime}},
        {QStringLiteral("netto_gewicht"), {",NETTO = ", Conversion::Number}},
        {QStringLiteral("netto_kg_text"), {",MJ = ", Conversion::Text}},
        {QStringLiteral("netto_zeit"), {",DATNETTO = ", Conversion::DateTime}},
        {QStringLiteral("feucht_wert"), {",VLHKOST = ", Conversion::Number}},
        {QStringLiteral("hl_gewicht_wert"), {",OBJEM_HMOT = ", Conversion::Number}},
        {QStringLiteral("siebung_wert"), {",PODIL_SITO = ", Conversion::Number}},
        {QStringLiteral("proteine_wert"), {",OBSAH_N = ", Conversion::Number}},
        {QStringLiteral("besatz_wert"), {",NECISTOTY = ", Conversion::Number}},
        {QStringLiteral("auto_text1"), {",CERTIFIKAT = ", Conversion::Text}},
        {QStringLiteral("auto_text3"), {",CERTIFIKAT3 = ", Conversion::Text}},
        {QStringLiteral("auto_text4"), {",DISPOZICE = ", Conversion::Text}},
    };
    return table;
}

} // namespace

QStringList fragmentsFor(const QString &element, const QString &value, const QLocale &locale)
{
    const auto found = mappings().constFind(element);
    if (found == mappings().constEnd())
        return {};
    const QString prefix = QString::fromLatin1(found->prefix);
    switch (found->conversion) {
    case Conversion::Text: return {prefix + sql::text(value)};
    case Conversion::Number: return {prefix + sql::text(QString(value).replace(u',', u'.'))};
    case Conversion::DateTime: {
        if (value.isEmpty())
            return {};
        const std::optional<QDateTime> moment = readRegionalDateTime(value, locale);
        if (!moment)
            throw vk::Error(QStringLiteral("'%1' is not a valid date and time").arg(value));
        return {prefix + sql::dateTime(*moment)};
    }
    case Conversion::Split:
        return {QStringLiteral(",PSC = ") + sql::text(value.left(6)),
                QStringLiteral(",POSTA = ") + sql::text(value.mid(6, 40))};
    }
    return {};
}

void readTicketFile(const QString &path, QStringList &fragments, const QLocale &locale)
{
    QXmlStreamReader reader(vk::readFileBytes(path));
    QStringList texts; // the text gathered directly inside each open element
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: texts.append(QString()); break;
        case QXmlStreamReader::Characters:
            if (!texts.isEmpty())
                texts.last() += reader.text();
            break;
        case QXmlStreamReader::EndElement:
            fragments << fragmentsFor(reader.name().toString(), texts.takeLast(), locale);
            break;
        default: break;
        }
    }
    if (reader.hasError()) {
        throw vk::Error(QStringLiteral("%1: %2 (line %3, column %4)")
                            .arg(path, reader.errorString())
                            .arg(reader.lineNumber())
                            .arg(reader.columnNumber()));
    }
}

} // namespace import
