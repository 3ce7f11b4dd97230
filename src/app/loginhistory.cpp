#include "loginhistory.h"

#include "db/sqlliteral.h"

namespace app {

QString historyInsertStatement(const LoginRecord &r)
{
    using sql::text;
    return QStringLiteral("insert into historiem \n") +
           QStringLiteral("set modul = %1, pc = %2, stredisko = %3,\n")
               .arg(text(r.modul), text(r.pc), text(r.stredisko)) +
           QStringLiteral("datumcas = %1,\n").arg(text(r.datumcas)) +
           QStringLiteral("ipadr = %1, computeruser = %2, computername = %3,\n")
               .arg(text(r.ipadr), text(r.computeruser), text(r.computername)) +
           QStringLiteral("mdatumcas = %1, mverze=%2").arg(text(r.mdatumcas), text(r.mverze));
}

} // namespace app
