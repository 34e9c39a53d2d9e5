// A filled panel framed by raised or lowered bevels, drawn the same under every widget style.
#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

class BevelPanel : public QWidget
{
    Q_OBJECT

public:
    // Space is a ring of the fill colour between two others.
    enum class Edge { Raised, Lowered, Line, Space };
    struct Bevel
    {
        Edge edge;
        int width;
    };

    // Bevels are drawn from the outside in.
    BevelPanel(const QColor &fill, QList<Bevel> bevels, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QList<Bevel> m_bevels;
};
