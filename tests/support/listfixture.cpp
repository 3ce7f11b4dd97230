#include "listfixture.h"

#include "ui/errorguard.h"
#include "ui/ticketgrid.h"
#include "ui/ticketlist.h"

#include <QFile>
#include <QTest>

void ListFixture::SetUp()
{
    ui::setErrorReporter([this](const QString &message) { errors << message; });
    database.connection().exec(
        QStringLiteral("insert into vazlab (CISLODOKLA, DATUM, TYPDOKLADU, SKLAD, NAZEVPODNI, SPZ, "
                       "VLHKOST) values "
                       "(815, '2015-02-01', '01 Příjem', '12', 'ABC', '3M0600', 14.5),"
                       "(816, '2015-03-01', '04 Výdej', '14', 'Kovo Novák', '1T0001', 13),"
                       "(817, '2016-01-10', '01 Příjem', '12', 'O''Brien', '2J0592', 13),"
                       "(818, '2016-05-05', '10 Převod', '21', 'Zlatovka', '5C0594', null),"
                       "(819, '2016-06-06', '01 Příjem', '14', 'Provoz Brno', '7B0596', 16.25)"));
    site.writeLogonFor(database);
    window = startWindow();
}

void ListFixture::TearDown()
{
    window.reset();
    ui::setErrorReporter({});
}

std::unique_ptr<ui::MainWindow> ListFixture::startWindow()
{
    auto started =
        std::make_unique<ui::MainWindow>(app::AppPaths{site.programDir(), site.workingDir()},
                                         QStringList{QStringLiteral("vovuvaKOR")});
    started->start();
    started->show();
    ui::MainWindow *raw = started.get();
    EXPECT_TRUE(QTest::qWaitFor([raw] { return raw->list().isOpen(); }, 5000));
    return started;
}

int ListFixture::gridColumn(const QString &fieldName) const
{
    const auto &columns = window->list().model().gridColumns();
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].fieldName == fieldName)
            return i;
    }
    return -1;
}

void ListFixture::selectCell(int row, const QString &fieldName)
{
    window->grid()->setCurrentIndex(window->list().model().index(row, gridColumn(fieldName)));
}

QStringList ListFixture::listedNumbers() const
{
    const db::ResultSet &rows = window->list().model().rows();
    const int field = rows.columnIndex(QStringLiteral("CISLODOKLA"));
    QStringList numbers;
    for (int row = 0; row < rows.rowCount(); ++row)
        numbers << rows.text(row, field);
    return numbers;
}

QString ListFixture::workingFile(const QString &name) const
{
    QFile file(site.workingDir() + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                          : QStringLiteral("<missing>");
}
