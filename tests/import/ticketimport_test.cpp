#include "db/cp1250.h"
#include "db/dberror.h"
#include "db/scriptrunner.h"
#include "import/ticketimport.h"
#include "support/testdatabase.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class RecordingDialogue : public import::ImportDialogue {
public:
    QList<import::Notice> notices;
    QList<import::Notice> questions;
    bool answer = true;
    int waits = 0;

    void notify(const import::Notice &notice) override { notices << notice; }
    bool confirmReplace(const import::Notice &question) override
    {
        questions << question;
        return answer;
    }
    void wait(int) override { ++waits; }
};

const QString ticketName = QStringLiteral("Zemědělské družstvo; O'Neill");

} // namespace

class TicketImportTest : public ::testing::Test {
protected:
    TestDatabase database;
    QTemporaryDir working;
    db::Connection connection;
    db::ScriptRunner runner;
    RecordingDialogue dialogue;
    import::ImportSettings settings;
    const int year = QDate::currentDate().year();

    void SetUp() override
    {
        connection.setSettings(database.settings());
        settings.filePath = working.filePath(QStringLiteral("wgschein_data.xml"));
        settings.workingDir = working.path();
        settings.retryWaitMilliseconds = 1;
        settings.locale = QLocale(QLocale::Czech, QLocale::CzechRepublic);
        writeTicket(QStringLiteral("11.12.2026 07:42:10"));
    }

    void writeTicket(const QString &grossTime)
    {
        QFile file(settings.filePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            QStringLiteral(
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<wgschein><kopf>"
                "<wg_nummer>815</wg_nummer><kunde_zeile1>Zemědělské družstvo; "
                "O'Neill</kunde_zeile1></kopf><gewichte><brutto_gewicht>32480</brutto_gewicht>"
                "<netto_gewicht>18560,5</netto_gewicht><brutto_zeit>%1</brutto_zeit>"
                "</gewichte><wiegeart>01 Příjem</wiegeart></wgschein>\n")
                .arg(grossTime)
                .toUtf8());
    }

    import::ImportOutcome run(import::ImportMode mode = import::ImportMode::Manual) {
        return import::importTicket(connection, runner, settings, mode, dialogue);
} QByteArray workingFile(const QString &name)
{
    QFile file(working.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
QString rowsOf815()
{
    return database.scalar(QStringLiteral(
        "select group_concat(concat(id, ':', year(datum), ':', ifnull(NC, '-')) order by id) "
        "from vazlab where cislodokla=815"));
}
}
;

TEST_F(TicketImportTest, newTicketIsTakenOverThroughTheWorkTableWithItsScriptsKept)
{
    EXPECT_EQ(run(), import::ImportOutcome::Imported);
    EXPECT_EQ(workingFile(QStringLiteral("apre.txt")),
              cp1250::encode(QStringLiteral(
                  "BEGIN;\nINSERT into tmp00vala SET DATUM=NOW()\n"
                  ",CISLODOKLA = '815'\n,NAZEVPODNI = 'Zemědělské družstvo; O''Neill'\n"
                  ",BRUTTO = '32480'\n,NETTO = '18560.5'\n"
                  ",DATBRUTTO = '2026-12-11 07:42:10'\n,TYPDOKLADU = '01 Příjem'\n"
                  ";\ncommit;\n")));
    EXPECT_EQ(
        workingFile(QStringLiteral("apo.txt")),
        QStringLiteral("BEGIN;\nDELETE from vazlab\n where cislodokla='815' and year(datum)=%1;\n"
                       "insert into vazlab select * from tmp00vala;\ncommit;\n")
            .arg(year)
            .toLatin1());
    const db::ResultSet rows = database.connection().query(QStringLiteral(
        "select NAZEVPODNI, NETTO, DATBRUTTO, DATUM from vazlab where cislodokla=815"));
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.text(0, 0), ticketName);
    EXPECT_EQ(rows.toDouble(0, 1), 18560.5);
    EXPECT_EQ(rows.toDateTime(0, 2), QDateTime(QDate(2026, 12, 11), QTime(7, 42, 10)));
    EXPECT_EQ(rows.toDate(0, 3), QDate::currentDate());
    ASSERT_EQ(dialogue.notices.size(), 1);
    EXPECT_EQ(dialogue.notices[0].title, QStringLiteral("Soubor přenesen."));
    EXPECT_EQ(dialogue.notices[0].text, QStringLiteral("Vážní list přenesen."));
    EXPECT_TRUE(dialogue.questions.isEmpty());
    EXPECT_TRUE(connection.isOpen());
}

TEST_F(TicketImportTest, sameTicketAgainAsksAndZpetKeepsWhileNacistReplaces)
{
    run();
    database.connection().exec(QStringLiteral("update vazlab set NC=5000"));
    const QString settled = rowsOf815();

    dialogue.answer = false;
    EXPECT_EQ(run(), import::ImportOutcome::Declined);
    ASSERT_EQ(dialogue.questions.size(), 1);
    EXPECT_EQ(dialogue.questions[0].title, QStringLiteral("Tento vážní list již existuje."));
    EXPECT_EQ(dialogue.questions[0].text, QStringLiteral("Načíst vážní list 815 znovu?"));
    EXPECT_EQ(rowsOf815(), settled);

    dialogue.answer = true;
    EXPECT_EQ(run(), import::ImportOutcome::Imported);
    const QString replaced = rowsOf815();
    EXPECT_NE(replaced.section(u':', 0, 0), settled.section(u':', 0, 0)); // a new id
    EXPECT_TRUE(replaced.endsWith(QStringLiteral(":-")));                 // settlement gone
}

TEST_F(TicketImportTest, numberOfAnotherYearIsANewTicketAndOldRowsOfThisYearAllGo)
{
    run();
    database.connection().exec(QStringLiteral("update vazlab set datum = datum - interval 1 year"));
    run();
    EXPECT_EQ(database.count(QStringLiteral("vazlab")), 2);
    EXPECT_EQ(dialogue.questions.size(), 0);

    database.connection().exec(
        QStringLiteral("insert into vazlab (CISLODOKLA, DATUM) values (815, curdate())"));
    EXPECT_EQ(run(import::ImportMode::Automatic), import::ImportOutcome::Imported);
    EXPECT_EQ(
        database.scalar(
            QStringLiteral("select count(*) from vazlab where cislodokla=815 and year(datum)=%1")
                .arg(year)),
        QStringLiteral("1"));
    EXPECT_EQ(database.count(QStringLiteral("vazlab")), 2);
    EXPECT_FALSE(connection.isOpen()); // automatic mode closes it
    EXPECT_EQ(dialogue.questions.size(), 0);
}

TEST_F(TicketImportTest, unreachableServerIsTriedElevenTimes)
{
    auto unreachable = database.settings();
    unreachable.port = 1;
    connection.setSettings(unreachable);
    EXPECT_EQ(run(), import::ImportOutcome::NoConnection);
    EXPECT_EQ(dialogue.waits, 11);
    ASSERT_EQ(dialogue.notices.size(), 1);
    EXPECT_EQ(dialogue.notices[0].title, QStringLiteral("Chyba"));
    EXPECT_EQ(dialogue.notices[0].text, QStringLiteral("Chyba SQL. Opakujte příjem."));
}

TEST_F(TicketImportTest, missingFileInManualModeIsReported)
{
    settings.filePath = working.filePath(QStringLiteral("none.xml"));
    EXPECT_EQ(run(), import::ImportOutcome::MissingFile);
    ASSERT_EQ(dialogue.notices.size(), 1);
    EXPECT_EQ(dialogue.notices[0].text, QStringLiteral("Chyba při přenosu. Opakujte příjem."));
    EXPECT_FALSE(connection.isOpen());
}

TEST_F(TicketImportTest, failingInsertOfTheReplacementKeepsTheOldTicket)
{
    run();
    const QString before = rowsOf815();
    database.connection().exec(
        QStringLiteral("create trigger refuse before insert on vazlab for each row "
                       "signal sqlstate '45000' set message_text = 'refused'"));
    EXPECT_THROW(run(import::ImportMode::Automatic), db::DbError);
    EXPECT_EQ(rowsOf815(), before);
    EXPECT_FALSE(connection.isOpen());

    // and the connection goes on working for the next script
    database.connection().exec(QStringLiteral("drop trigger refuse"));
    EXPECT_EQ(run(import::ImportMode::Automatic), import::ImportOutcome::Imported);
    EXPECT_NE(rowsOf815(), before);
}

TEST_F(TicketImportTest, unreadableFileLeavesAnEmptyWorkTableAndTheTicketsAlone)
{
    run();
    const QString before = rowsOf815();
    writeTicket(QStringLiteral("kdysi ráno"));
    try {
        run();
        FAIL();
    } catch (const vk::Error &error) {
        EXPECT_EQ(error.message(), QStringLiteral("'kdysi ráno' is not a valid date and time"));
    }
    EXPECT_EQ(database.count(QStringLiteral("tmp00vala")), 0);
    EXPECT_EQ(rowsOf815(), before);
}
