#pragma once

#include <QString>
#include <functional>
#include <utility>

class QWidget;

namespace ui {

// The standard error box: the error text and an OK button.
void showErrorBox(const QString &message, QWidget *parent = nullptr);

// Where failing actions report. The program shows the standard error box; tests may collect
// the messages instead.
using ErrorReporter = std::function<void(const QString &)>;
void setErrorReporter(ErrorReporter reporter);
void reportError(const QString &message);

// Runs one user action; a failure ends it and is reported. Returns false when it failed.
bool runGuarded(const std::function<void()> &action);

// Wraps an action for a signal connection.
template <typename Action> auto guarded(Action action)
{
    return [action = std::move(action)](auto &&...) { runGuarded(action); };
}

} // namespace ui
