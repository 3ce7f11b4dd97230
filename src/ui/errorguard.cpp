#include "errorguard.h"

#include "db/error.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {

namespace {

ErrorReporter &currentReporter()
{
    static ErrorReporter reporter;
    return reporter;
}

} // namespace

void showErrorBox(const QString &message, QWidget *parent)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message,
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("errorBox"));
    box.exec();
}

void setErrorReporter(ErrorReporter reporter)
{
    currentReporter() = std::move(reporter);
}

void reportError(const QString &message)
{
    if (currentReporter())
        currentReporter()(message);
    else
        showErrorBox(message, QApplication::activeWindow());
}

bool runGuarded(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const vk::Error &error) {
        reportError(error.message());
    } catch (const std::exception &error) {
        reportError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

} // namespace ui
