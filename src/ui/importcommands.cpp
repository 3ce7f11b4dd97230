#include "importcommands.h"

#include "db/scriptrunner.h"
#include "dotazbox.h"
#include "errorguard.h"
#include "mainwindow.h"
#include "ticketlist.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QTimer>

namespace ui {

namespace {

DotazBox::Icon iconOf(import::Notice::Icon icon)
{
    switch (icon) {
    case import::Notice::Icon::Stop: return DotazBox::Icon::Stop;
    case import::Notice::Icon::Help: return DotazBox::Icon::Help;
    case import::Notice::Icon::Information: break;
    }
    return DotazBox::Icon::Information;
}

void waitWithEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// The user at the window: messages and the question in the main window's message box.
class WindowDialogue : public import::ImportDialogue {
public:
    explicit WindowDialogue(MainWindow &window)
        : m_window(window)
    {
    }

    void notify(const import::Notice &notice) override
    {
        DotazBox &dotaz = m_window.dotaz();
        dotaz.caption = notice.title;
        dotaz.inform(notice.text, iconOf(notice.icon), &m_window);
    }

    bool confirmReplace(const import::Notice &question) override
    {
        DotazBox &dotaz = m_window.dotaz();
        dotaz.caption = question.title;
        dotaz.text = question.text;
        dotaz.icon = iconOf(question.icon);
        dotaz.buttonCount = 2;
        dotaz.buttonCaptions[0] = QStringLiteral("Načíst");
        dotaz.buttonCaptions[1] = QStringLiteral("Zpět");
        dotaz.buttonResults[0] = DotazBox::Confirm;
        dotaz.buttonResults[1] = DotazBox::Cancel;
        return dotaz.show(&m_window) == DotazBox::Confirm;
    }

    void wait(int milliseconds) override { waitWithEvents(milliseconds); }

private:
    MainWindow &m_window;
};

// Nobody at the window: nothing is asked, and what went wrong is kept for later instead of
// stacking message boxes over a minimised window.
class UnattendedDialogue : public import::ImportDialogue {
public:
    explicit UnattendedDialogue(QString &failure)
        : m_failure(failure)
    {
    }

    void notify(const import::Notice &notice) override { m_failure = notice.text; }
    bool confirmReplace(const import::Notice &) override { return true; }
    void wait(int milliseconds) override { waitWithEvents(milliseconds); }

private:
    QString &m_failure;
};

} // namespace

ImportCommands::ImportCommands(MainWindow &window)
    : QObject(&window)
    , m_window(window)
    , m_watch(window.paths().programIni(), watchHooks())
{
}

import::ImportWatch::Hooks ImportCommands::watchHooks(){import::ImportWatch::Hooks hooks;
hooks.mayImport = [this] { return m_window.isMinimized(); };
hooks.filePath = [this] { return m_window.state().importFilePath; };
hooks.runImport = [this] { return importUnattended(); };
hooks.reportFailure = [this](const QString &failure) { m_lastFailure = failure; };
return hooks;
} // namespace ui

import::ImportSettings ImportCommands::settings() const {import::ImportSettings settings;
settings.filePath = m_window.state().importFilePath;
settings.stationNo = m_window.state().stationNo;
settings.workingDir = m_window.paths().workingDir;
settings.retryWaitMilliseconds = m_retryWait;
return settings;
} // namespace ui

import::ImportOutcome ImportCommands::importUnattended(){UnattendedDialogue dialogue(m_lastFailure);
db::ScriptRunner runner;
return import::importTicket(m_window.connection(), runner, settings(),
                            import::ImportMode::Automatic, dialogue);
}

void ImportCommands::importByHand()
{
    WindowDialogue dialogue(m_window);
    db::ScriptRunner runner;
    import::importTicket(m_window.connection(), runner, settings(), import::ImportMode::Manual,
                         dialogue);
    m_window.list().reopenOrRefresh();
}

void ImportCommands::chooseFile()
{
    QFileDialog dialog(&m_window, QString(), QString(), QStringLiteral("xml (*.xml)"));
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!m_window.openDialogFileName().isEmpty())
        dialog.selectFile(m_window.openDialogFileName());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_window.setOpenDialogFileName(dialog.selectedFiles().first());
    m_window.state().importFilePath = m_window.openDialogFileName();
}

void ImportCommands::checkForNewFile()
{
    m_watch.tick(m_window.importTimer());
}

void ImportCommands::showLastFailure()
{
    if (m_lastFailure.isEmpty())
        return;
    const QString failure = std::exchange(m_lastFailure, QString());
    reportError(failure);
}

} // namespace ui
