#include "db/error.h"
#include "import/regionaldatetime.h"
#include "import/weighbridgereader.h"
#include "support/printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);

class Files {
public:
    QString write(const QString &xml)
    {
        const QString path = m_dir.filePath(QStringLiteral("t%1.xml").arg(m_count++));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(xml.toUtf8());
        return path;
    }

private:
    QTemporaryDir m_dir;
    int m_count = 0;
};

QStringList read(Files &files, const QString &xml)
{
    QStringList fragments;
    import::readTicketFile(files.write(xml), fragments, czech);
    return fragments;
}

} // namespace

TEST(WeighbridgeReader, elementsGiveTheirAssignmentLines)
{
    Files files;
    const struct {
        QString xml;
        QStringList fragments;
    } cases[] = {
        {QStringLiteral("<a><wg_nummer>815</wg_nummer><WG_NUMMER>9</WG_NUMMER><x>1</x></a>"),
         {QStringLiteral(",CISLODOKLA = '815'")}},
        {QStringLiteral("<a><b><c><brutto_gewicht>980,5</brutto_gewicht></c></b>"
                        "<feucht_wert>14.2</feucht_wert><besatz_wert></besatz_wert></a>"),
         {QStringLiteral(",BRUTTO = '980.5'"), QStringLiteral(",VLHKOST = '14.2'"),
          QStringLiteral(",NECISTOTY = ''")}},
        {QStringLiteral("<a><brutto_zeit></brutto_zeit><tara_zeit>1.2.2015 7:05</tara_zeit>"
                        "<netto_zeit>01.02.15 17:05:09</netto_zeit></a>"),
         {QStringLiteral(",DATTARA = '2015-02-01 07:05:00'"),
          QStringLiteral(",DATNETTO = '2015-02-01 17:05:09'")}},
        {QStringLiteral("<a><kunde_zeile1>O&apos;Neill &amp; syn \\ C:\\váha\\</kunde_zeile1></a>"),
         {QStringLiteral(",NAZEVPODNI = 'O''Neill & syn \\\\ C:\\\\váha\\\\'")}},
        {QStringLiteral(
             "<a><kunde_zeile6>12345 Obec</kunde_zeile6><kunde_zeile6>123 45 Obec</kunde_zeile6>"
             "<kunde_zeile6>584</kunde_zeile6></a>"),
         {QStringLiteral(",PSC = '12345 '"), QStringLiteral(",POSTA = 'Obec'"),
          QStringLiteral(",PSC = '123 45'"), QStringLiteral(",POSTA = ' Obec'"),
          QStringLiteral(",PSC = '584'"), QStringLiteral(",POSTA = ''")}},
        {QStringLiteral("<a><kunde_zeile6>58402 %1</kunde_zeile6></a>").arg(QString(50, u'Ž')),
         {QStringLiteral(",PSC = '58402 '"),
          QStringLiteral(",POSTA = '%1'").arg(QString(40, u'Ž'))}},
        {QStringLiteral("<a><kfz>3J2</kfz><kfz>1T1</kfz></a>"),
         {QStringLiteral(",SPZ = '3J2'"), QStringLiteral(",SPZ = '1T1'")}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(read(files, c.xml), c.fragments) << c.xml.toStdString();
}

TEST(WeighbridgeReader, orderAndDepthDoNotChangeTheTicket)
{
    Files files;
    QStringList flat = read(files, QStringLiteral("<t><wg_nummer>1</wg_nummer><kfz>X</kfz>"
                                                  "<sorte_nr>61</sorte_nr></t>"));
    QStringList nested =
        read(files, QStringLiteral("<t><s><sorte_nr>61</sorte_nr></s><k><l><kfz>X</kfz>"
                                   "</l></k><wg_nummer>1</wg_nummer></t>"));
    flat.sort();
    nested.sort();
    EXPECT_EQ(flat, nested);
}

TEST(WeighbridgeReader, unreadableFilesAndDatesEndTheReading)
{
    Files files;
    QStringList fragments;
    const QString broken = files.write(QStringLiteral("<a><wg_nummer>815</wg_nummer><b></a>"));
    EXPECT_THROW(import::readTicketFile(broken, fragments, czech), vk::Error);
    EXPECT_EQ(fragments,
              QStringList{QStringLiteral(",CISLODOKLA = '815'")}); // what came before stays

    EXPECT_THROW(
        import::readTicketFile(QStringLiteral("/nonexistent/wgschein_data.xml"), fragments, czech),
        vk::Error);

    const QString badDate =
        files.write(QStringLiteral("<a><brutto_zeit>31.2.2015 7:00</brutto_zeit></a>"));
    try {
        import::readTicketFile(badDate, fragments, czech);
        FAIL();
    } catch (const vk::Error &error) {
        EXPECT_EQ(error.message(), QStringLiteral("'31.2.2015 7:00' is not a valid date and time"));
    }
}

TEST(RegionalDateTime, followsTheLocalesOrderAndSeparator)
{
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    const struct {
        QLocale locale;
        QString text;
        QDateTime expected;
    } cases[] = {
        {czech, QStringLiteral("1.2.2015 7:05"), {QDate(2015, 2, 1), QTime(7, 5)}},
        {czech, QStringLiteral("11.12.26 23:59:58"), {QDate(2026, 12, 11), QTime(23, 59, 58)}},
        {czech, QStringLiteral("11.12.1999"), {QDate(1999, 12, 11), QTime(0, 0)}},
        {american, QStringLiteral("2/1/2015 17:05:09"), {QDate(2015, 2, 1), QTime(17, 5, 9)}},
        {swedish, QStringLiteral("2015-02-01 7:05"), {QDate(2015, 2, 1), QTime(7, 5)}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(import::readRegionalDateTime(c.text, c.locale), c.expected)
            << c.text.toStdString();
    for (const QString &bad :
         {QStringLiteral("2015-02-01 7:05"), QStringLiteral("1.13.2015"),
          QStringLiteral("1.2.2015 25:00"), QStringLiteral("1.2.123"), QStringLiteral("abc")})
        EXPECT_FALSE(import::readRegionalDateTime(bad, czech).has_value()) << bad.toStdString();
}
