#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

// The animated on/off switch of the backup page. setChecked() moves the
// thumb without emitting toggled(); only a left click by the user emits.
class SwitchControl : public QWidget
{
    Q_OBJECT

public:
    explicit SwitchControl(QWidget *parent = nullptr);

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    // Centre of the thumb, in pixels from the left edge.
    qreal thumbX() const { return m_x; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void toggled(bool checked);

public slots:
    void onTimeout();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool m_checked = false;
    QColor m_offColor = Qt::black;
    QColor m_onColor = QColor(0, 150, 136);
    QColor m_disabledThumb = QColor(190, 190, 190);
    QColor m_thumbColor = Qt::white;
    qreal m_radius = 8.0;
    qreal m_x = 8;
    qreal m_y = 8;
    qint16 m_height = 16;
    qint16 m_margin = 3;
    QTimer m_timer;
};
