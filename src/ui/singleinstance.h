#pragma once

#include <QLocalServer>
#include <QObject>

namespace ui {

// One running program per workstation: the first instance holds a local socket named after the
// program; a later one finds it, asks the first to come forward, and knows it is not alone.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &name, QObject *parent = nullptr);

    // True when this is the only instance; otherwise the running one has been asked to show.
    bool claim();

Q_SIGNALS:
    void activationRequested();

private:
    QString m_name;
    QLocalServer m_server;
};

} // namespace ui
