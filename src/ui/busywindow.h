#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

namespace ui {

// "Tpracuji": a small always-on-top window with a text line and a bar whose block sweeps to
// and fro while long work runs. The block moves only while the caller lets events through.
class BusyWindow : public QWidget {
    Q_OBJECT
public:
    explicit BusyWindow(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    int blockPosition() const { return m_blockPosition; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void step();

    QLabel *m_label;
    QTimer m_animation;
    int m_blockPosition = 0;
    int m_direction = 1;
};

} // namespace ui
