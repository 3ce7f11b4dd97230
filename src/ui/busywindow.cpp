#include "busywindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace ui {

namespace {

const QRect barRect(20, 45, 201, 10);
constexpr int blockWidth = 50;
constexpr int stepPixels = 2;
constexpr int stepMilliseconds = 15;

} // namespace

BusyWindow::BusyWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("Tpracuji"));
    setFixedSize(245, 65);
    setAutoFillBackground(true);
    QPalette shade = palette();
    shade.setColor(QPalette::Window, QColor(Qt::lightGray));
    setPalette(shade);

    m_label->setGeometry(5, 5, 236, 31);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    connect(&m_animation, &QTimer::timeout, this, &BusyWindow::step);
    m_animation.start(stepMilliseconds);
}

void BusyWindow::setText(const QString &text)
{
    m_label->setText(text);
}

QString BusyWindow::text() const
{
    return m_label->text();
}

void BusyWindow::step()
{
    const int last = barRect.width() - blockWidth;
    m_blockPosition += m_direction * stepPixels;
    if (m_blockPosition >= last) {
        m_blockPosition = last;
        m_direction = -1;
    } else if (m_blockPosition <= 0) {
        m_blockPosition = 0;
        m_direction = 1;
    }
    update(barRect);
}

void BusyWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(Qt::darkGray));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawRect(barRect.adjusted(0, 0, -1, -1));

    const QRect block(barRect.left() + m_blockPosition, barRect.top(), blockWidth,
                      barRect.height());
    QLinearGradient gradient(block.topLeft(), block.topRight());
    gradient.setColorAt(0, palette().color(QPalette::Button));
    gradient.setColorAt(1, Qt::black);
    painter.fillRect(block.adjusted(1, 1, -1, -1), gradient);
}

} // namespace ui
