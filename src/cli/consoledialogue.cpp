#include "consoledialogue.h"

#include <QThread>

void ConsoleDialogue::wait(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}
