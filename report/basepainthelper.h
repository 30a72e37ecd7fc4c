#pragma once

#include <QObject>
#include <QRectF>

class QPainter;

// What every page painter needs: a target painter, a scale in device units
// per millimetre, a page count and page margins in millimetres.
class BasePaintHelper : public QObject
{
    Q_OBJECT

public:
    explicit BasePaintHelper(QObject *parent = nullptr);

    void setPainter(QPainter *painter) { m_painter = painter; }
    QPainter *painter() const { return m_painter; }
    float scale() const { return m_scale; }
    // Rebuilds everything that depends on the scale (fonts, pens).
    void setScale(float scale);
    void setMargins(double left, double top, double right, double bottom);
    int pageCount() const { return m_pageCount; }

    // rect with each edge moved inwards by its margin at the current scale.
    QRectF contentRect(const QRectF &rect) const;
    // Scales rect to fit area, keeping its aspect ratio, and centres it there.
    static void fitRectInto(QRectF &rect, const QRectF &area);

    virtual void paintPage(const QRectF &pageRect, int pageIndex);

protected:
    virtual void applyScale();

    int m_pageCount = 1;

private:
    struct Margins
    {
        float scale = 5.0f;
        double left = 0, top = 0, right = 0, bottom = 0;
    };

    QPainter *m_painter = nullptr;
    float m_scale = 5.0f;
    Margins m_margins;
};
