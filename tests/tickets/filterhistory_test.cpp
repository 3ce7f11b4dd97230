#include "db/cp1250.h"
#include "support/printers.h"
#include "tickets/filterhistory.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class FilterHistoryTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    tickets::FilterHistory history{dir.filePath(QStringLiteral("vlkor"))};
    QString clause;
    QString text;

    QByteArray bytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void write(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
};

TEST_F(FilterHistoryTest, appendKeepsEarlierRunsLinesAndWritesCp1250WithCrLf)
{
    write(history.clausePath(), "where SKLAD = '14'\r\n");
    write(history.textPath(), "Sklad = 14\r\n");
    history.append(QStringLiteral("where SKLAD = '12'"), QStringLiteral("Sklad = 12"));
    history.append(QStringLiteral("where SKLAD = '12' AND KOMODITA = '61'"),
                   QStringLiteral("Sklad = 12, Komodita = 61 Řepka"));
    EXPECT_EQ(bytes(history.clausePath()),
              QByteArray("where SKLAD = '14'\r\nwhere SKLAD = '12'\r\n"
                         "where SKLAD = '12' AND KOMODITA = '61'\r\n"));
    EXPECT_EQ(bytes(history.textPath()),
              QByteArray("Sklad = 14\r\nSklad = 12\r\nSklad = 12, Komodita = 61 \xD8"
                         "epka\r\n"));

    history.dropLast(clause, text);
    EXPECT_EQ(clause, QStringLiteral("where SKLAD = '12'"));
    EXPECT_EQ(text, QStringLiteral("Sklad = 12"));
    EXPECT_EQ(bytes(history.clausePath()),
              QByteArray("where SKLAD = '14'\r\nwhere SKLAD = '12'\r\n"));

    // the earlier run's step comes back, then nothing is left
    history.dropLast(clause, text);
    EXPECT_EQ(clause, QStringLiteral("where SKLAD = '14'"));
    history.dropLast(clause, text);
    EXPECT_EQ(clause, QString());
    EXPECT_EQ(text, QStringLiteral("Žádný filtr"));
    EXPECT_EQ(bytes(history.clausePath()), QByteArray());
    EXPECT_EQ(bytes(history.textPath()), QByteArray());
}

TEST_F(FilterHistoryTest, clearEmptiesBothFilesAndCreatesMissingOnes)
{
    write(history.clausePath(), "where SKLAD = '14'\r\n");
    clause = QStringLiteral("where SKLAD = '14'");
    history.clear(clause, text);
    EXPECT_EQ(clause, QString());
    EXPECT_EQ(text, QStringLiteral("Žádný filtr"));
    EXPECT_EQ(bytes(history.clausePath()), QByteArray());
    EXPECT_EQ(bytes(history.textPath()), QByteArray());
}

TEST_F(FilterHistoryTest, filesOfDifferentLengthsAnswerEachForItself)
{
    write(history.clausePath(), "a\r\nb\r\nc\r\n");
    write(history.textPath(), "A\r\n");
    history.dropLast(clause, text);
    EXPECT_EQ(clause, QStringLiteral("b"));
    EXPECT_EQ(text, QStringLiteral("Žádný filtr"));
}
