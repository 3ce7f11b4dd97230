#include "modalhelper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <memory>

void whenModalOpens(std::function<void(QWidget *)> handler)
{
    auto *timer = new QTimer;
    auto shared = std::make_shared<std::function<void(QWidget *)>>(std::move(handler));
    QObject::connect(timer, &QTimer::timeout, [timer, shared] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        (*shared)(modal);
    });
    timer->start(10);
}

void pressInNextModal(const QString &caption)
{
    whenModalOpens([caption](QWidget *modal) {
        for (QAbstractButton *button : modal->findChildren<QAbstractButton *>()) {
            if (button->text() == caption) {
                button->click();
                return;
            }
        }
    });
}
