#include "gridcolumns.h"

#include "db/error.h"
#include "db/filebytes.h"

namespace tickets {

namespace {

const QByteArray layoutHeader = "vovuvaKOR column layout 1";

constexpr Qt::Alignment L = Qt::AlignLeft;
constexpr Qt::Alignment R = Qt::AlignRight;
constexpr Qt::Alignment C = Qt::AlignHCenter;
constexpr Qt::Alignment D = {};

GridColumn column(const char *name, const QString &title, int width, Qt::Alignment cell,
                  Qt::Alignment titleAlignment)
{
    return {QString::fromLatin1(name), title, width, cell, titleAlignment, true};
}

} // namespace

QList<GridColumn> designColumns()
{
    const QString byName;
    return {
        column("CISLODOKLA", QStringLiteral("Číslo dokl."), 50, D, L),
        column("DATUM", QStringLiteral("Datum"), 62, R, C),
        column("TYPDOKLADU", QStringLiteral("Typ dokladu"), 100, D, L),
        column("SKLAD", QStringLiteral("Sklad"), 35, C, C),
        column("KODPAR", QStringLiteral("Kod partnera"), 45, D, L),
        column("NAZEVPODNI", byName, 150, D, L),
        column("SIDLO", byName, 150, D, L),
        column("ULICE", byName, 150, D, L),
        column("PSC", byName, -1, D, L),
        column("POSTA", byName, 150, D, L),
        column("SPZ", byName, -1, D, L),
        column("KOMODITA", QStringLiteral("Komodita"), 50, D, L),
        column("NOMENKLA", QStringLiteral("Zboží"), 50, D, L),
        column("NAZEVOSIVA", QStringLiteral("Název zboží"), 170, D, L),
        column("BRUTTO", byName, 50, D, R),
        column("TARA", byName, 50, D, R),
        column("NETTO", byName, 50, D, R),
        column("MJ", byName, -1, D, L),
        column("VLHKOST", QStringLiteral("Vlhkost"), 45, D, R),
        column("SRAZKA_VLH", byName, -1, D, L),
        column("OBJEM_HMOT", byName, -1, D, L),
        column("PODIL_SITO", QStringLiteral("Podíl síto"), 45, C, L),
        column("OBSAH_N", byName, 55, D, R),
        column("NECISTOTY", byName, 65, D, R),
        column("SRAZKA_NECI", byName, -1, D, L),
        column("VYKUP", QStringLiteral("Výkup"), 50, D, R),
        column("NC", byName, 50, D, R),
        column("MENA", byName, -1, D, L),
        column("KURZ", byName, 35, D, L),
        column("NCCELKEM", byName, 60, D, R),
        column("SUSENI", byName, 60, D, R),
        column("CISTENI", byName, 60, D, R),
        column("CERTIFIKAT", byName, 120, D, C),
        column("CISLOFAKT", QStringLiteral("Faktura č."), 65, D, C),
        column("DATUMFAKT", QStringLiteral("Dat.faktury"), 65, R, C),
        column("DATCASVST", QStringLiteral("Změněno"), 110, R, C),
        column("DAT_DODAVKY", QStringLiteral("Dat.dodávky"), 65, D, L),
        column("DODANONETTO", QStringLiteral("Doda Netto"), 65, D, R),
        column("DODAVHLKOST", QStringLiteral("Dod Vlhk"), 50, D, R),
        column("SRAZKY1", byName, 50, D, R),
        column("SRAZKY2", byName, 50, D, R),
        column("DOKLADODBE", QStringLiteral("Doklad odběratele"), 100, D, C),
        column("KONTRAKT", byName, 100, D, L),
        column("PC", byName, 60, D, R),
        column("MENA_PC", byName, 30, D, L),
        column("DATBRUTTO", byName, 110, D, C),
        column("DATTARA", byName, 110, D, C),
        column("DATNETTO", byName, 110, D, C),
        column("FIRMA_BURZA", byName, 200, D, L),
        column("KONTRAKT_BURZA", byName, 95, D, L),
        column("NC_BURZA", byName, 60, D, R),
        column("PC_BURZA", byName, 60, D, R),
        column("MENA_BURZA", byName, 30, D, L),
        column("POZN1_BURZA", byName, 150, D, L),
        column("POZN2_BURZA", byName, 150, D, L),
        column("POZN3_BURZA", byName, 150, D, L),
        column("KORDL", byName, 70, D, L),
        column("CERTIFIKAT3", byName, 120, D, L),
        column("DISPOZICE", byName, 120, D, L),
    };
}

void saveLayout(const QString &path, const QList<GridColumn> &columns)
{
    QByteArray text = layoutHeader + '\n';
    for (const GridColumn &c : columns) {
        QString title = c.title;
        title.replace(u'\t', u' ').replace(u'\n', u' ');
        text += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                    .arg(c.fieldName, title)
                    .arg(int(c.titleAlignment))
                    .arg(int(c.cellAlignment))
                    .arg(c.width)
                    .arg(c.visible ? 1 : 0)
                    .toUtf8();
    }
    vk::writeFileBytes(path, text);
}

QList<GridColumn> loadLayout(const QString &path)
{
    const QList<QByteArray> lines = vk::readFileBytes(path).split('\n');
    const auto damaged = [&](int line) {
        return vk::Error(
            QStringLiteral("Invalid column layout in %1, line %2").arg(path).arg(line));
    };
    if (lines.value(0).trimmed() != layoutHeader)
        throw damaged(1);
    QList<GridColumn> columns;
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const QStringList parts = QString::fromUtf8(lines[i]).split(u'\t');
        bool ok[4] = {false, false, false, false};
        if (parts.size() != 6 || parts[0].isEmpty())
            throw damaged(i + 1);
        GridColumn c;
        c.fieldName = parts[0];
        c.title = parts[1];
        c.titleAlignment = Qt::Alignment(parts[2].toInt(&ok[0]));
        c.cellAlignment = Qt::Alignment(parts[3].toInt(&ok[1]));
        c.width = parts[4].toInt(&ok[2]);
        c.visible = parts[5].toInt(&ok[3]) != 0;
        if (!(ok[0] && ok[1] && ok[2] && ok[3]))
            throw damaged(i + 1);
        columns.append(c);
    }
    if (columns.isEmpty())
        throw damaged(lines.size());
    return columns;
}

} // namespace tickets
