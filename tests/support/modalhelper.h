#pragma once

#include <QString>
#include <functional>

class QWidget;

// Modal boxes block the test; these act on the next one that opens, from the event loop.
// The handler receives the active modal widget.
void whenModalOpens(std::function<void(QWidget *)> handler);
// Presses the button with this caption in the next modal box.
void pressInNextModal(const QString &caption);
