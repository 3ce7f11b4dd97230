#pragma once

#include <QString>

namespace app {

// One row of the enterprise's login history, all values as text.
struct LoginRecord {
    QString modul;
    QString pc;
    QString stredisko;
    QString datumcas;
    QString ipadr;
    QString computeruser;
    QString computername;
    QString mdatumcas;
    QString mverze;
};

QString historyInsertStatement(const LoginRecord &record);

} // namespace app
