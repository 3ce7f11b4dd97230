#pragma once

#include "import/ticketimport.h"

#include <QTextStream>

// The import's messages on the console: nothing is asked, and a message that ends an import
// without a ticket becomes the command's error.
class ConsoleDialogue : public import::ImportDialogue {
public:
    void notify(const import::Notice &notice) override { m_lastNotice = notice.text; }
    bool confirmReplace(const import::Notice &) override { return true; }
    void wait(int milliseconds) override;

    const QString &lastNotice() const { return m_lastNotice; }

private:
    QString m_lastNotice;
};
