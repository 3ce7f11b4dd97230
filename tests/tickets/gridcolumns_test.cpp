#include "db/error.h"
#include "support/printers.h"
#include "tickets/gridcolumns.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(GridColumns, designLayoutHasTheFiftyNineColumns)
{
    const QList<tickets::GridColumn> columns = tickets::designColumns();
    ASSERT_EQ(columns.size(), 59);
    EXPECT_EQ(columns.first().fieldName, QStringLiteral("CISLODOKLA"));
    EXPECT_EQ(columns.first().title, QStringLiteral("Číslo dokl."));
    EXPECT_EQ(columns[1].cellAlignment, Qt::AlignRight);
    EXPECT_EQ(columns[1].titleAlignment, Qt::AlignHCenter);
    EXPECT_EQ(columns[8].width, -1); // PSC: from the display size
    EXPECT_EQ(columns.last().fieldName, QStringLiteral("DISPOZICE"));
}

TEST(GridColumns, layoutFileRoundTripsAndDamageIsReported)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vazlab.slo"));
    QList<tickets::GridColumn> columns = tickets::designColumns();
    columns.move(5, 0);
    columns[0].width = 321;
    columns[0].title = QStringLiteral("Název\tpodniku");
    columns[3].visible = false;
    tickets::saveLayout(path, columns);
    QList<tickets::GridColumn> loaded = tickets::loadLayout(path);
    columns[0].title = QStringLiteral("Název podniku");
    EXPECT_EQ(loaded, columns);

    for (const QByteArray &damaged :
         {QByteArray("garbage"), QByteArray("vovuvaKOR column layout 1\nSKLAD\tSklad\t1\n"),
          QByteArray("vovuvaKOR column layout 1\nSKLAD\tSklad\tx\t0\t35\t1\n"),
          QByteArray("vovuvaKOR column layout 1\n")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
        file.close();
        EXPECT_THROW(tickets::loadLayout(path), vk::Error) << damaged.toStdString();
    }
}
