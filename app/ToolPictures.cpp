#include "app/ToolPictures.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

const QColor Outline(40, 34, 30);
const QColor Gold(222, 170, 40);
const QColor DarkGold(150, 105, 20);

QLinearGradient vertical(qreal top, qreal bottom, const QColor& a, const QColor& b)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QLinearGradient horizontal(qreal left, qreal right, const QColor& a, const QColor& b)
{
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

void drawRing(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(DarkGold, 5.5));
    p.drawEllipse(QPointF(16, 20), 8.5, 8.5);
    p.setPen(QPen(Gold, 3.5));
    p.drawEllipse(QPointF(16, 20), 8.5, 8.5);
    p.setPen(QPen(QColor(255, 236, 160), 1.2));
    p.drawArc(QRectF(8.5, 12.5, 15, 15), 200 * 16, 80 * 16);
    QPolygonF gem;
    gem << QPointF(16, 14.5) << QPointF(10.5, 8) << QPointF(13, 4) << QPointF(19, 4) << QPointF(21.5, 8);
    p.setPen(QPen(QColor(20, 40, 110), 1));
    p.setBrush(vertical(4, 14, QColor(120, 190, 255), QColor(30, 70, 190)));
    p.drawPolygon(gem);
    p.setPen(QPen(QColor(230, 245, 255), 1));
    p.drawLine(QPointF(13.5, 5.5), QPointF(12, 8));
}

void drawBreastplate(QPainter& p)
{
    QPainterPath plate;
    plate.moveTo(5, 7);
    plate.lineTo(11, 4);
    plate.quadTo(16, 10, 21, 4);
    plate.lineTo(27, 7);
    plate.lineTo(27.5, 14);
    plate.lineTo(24, 15.5);
    plate.lineTo(24, 26);
    plate.quadTo(16, 30.5, 8, 26);
    plate.lineTo(8, 15.5);
    plate.lineTo(4.5, 14);
    plate.closeSubpath();
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(horizontal(5, 27, QColor(150, 158, 170), QColor(235, 240, 246)));
    p.drawPath(plate);
    p.setPen(QPen(QColor(90, 96, 108), 1));
    p.drawLine(QPointF(16, 10), QPointF(16, 28));
    p.drawLine(QPointF(10, 20), QPointF(22, 20));
    p.drawLine(QPointF(10, 24), QPointF(22, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(Gold);
    p.drawEllipse(QPointF(8, 9), 1.3, 1.3);
    p.drawEllipse(QPointF(24, 9), 1.3, 1.3);
}

void drawPouch(QPainter& p)
{
    QPainterPath sack;
    sack.moveTo(12, 12);
    sack.cubicTo(2, 16, 3, 29.5, 16, 29.5);
    sack.cubicTo(29, 29.5, 30, 16, 20, 12);
    sack.closeSubpath();
    p.setPen(QPen(Outline, 1.2));
    QRadialGradient leather(QPointF(13, 18), 16);
    leather.setColorAt(0, QColor(200, 140, 80));
    leather.setColorAt(1, QColor(110, 65, 30));
    p.setBrush(leather);
    p.drawPath(sack);
    QPainterPath neck;
    neck.moveTo(12, 12);
    neck.lineTo(9, 5);
    neck.quadTo(16, 7.5, 23, 5);
    neck.lineTo(20, 12);
    neck.closeSubpath();
    p.setBrush(QColor(170, 110, 60));
    p.drawPath(neck);
    p.setPen(QPen(Gold, 2));
    p.drawLine(QPointF(11.5, 11.5), QPointF(20.5, 11.5));
    p.drawLine(QPointF(16, 11.5), QPointF(13, 16));
    p.setPen(QPen(DarkGold, 1));
    p.setBrush(Gold);
    p.drawEllipse(QPointF(24.5, 25.5), 3.5, 3.5);
}

void drawSkull(QPainter& p)
{
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(vertical(3, 28, QColor(252, 248, 232), QColor(200, 190, 165)));
    QPainterPath skull;
    skull.addEllipse(QPointF(16, 13), 11, 10);
    skull.addRoundedRect(QRectF(10, 18, 12, 10), 3, 3);
    p.drawPath(skull.simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(35, 20, 20));
    p.drawEllipse(QPointF(11.5, 14), 3.3, 3.8);
    p.drawEllipse(QPointF(20.5, 14), 3.3, 3.8);
    p.setBrush(QColor(220, 30, 20));
    p.drawEllipse(QPointF(11.5, 14.5), 1.2, 1.2);
    p.drawEllipse(QPointF(20.5, 14.5), 1.2, 1.2);
    QPolygonF nose;
    nose << QPointF(16, 17.5) << QPointF(14.2, 21) << QPointF(17.8, 21);
    p.setBrush(QColor(35, 20, 20));
    p.drawPolygon(nose);
    p.setPen(QPen(QColor(60, 45, 35), 1));
    for (qreal x = 12.5; x <= 19.6; x += 2.4)
        p.drawLine(QPointF(x, 23.5), QPointF(x, 27.5));
    p.drawLine(QPointF(11, 25.2), QPointF(21, 25.2));
}

void drawScroll(QPainter& p)
{
    p.setPen(QPen(Outline, 1.1));
    p.setBrush(horizontal(7, 25, QColor(236, 214, 160), QColor(250, 238, 200)));
    p.drawRect(QRectF(7, 7, 18, 18));
    const QColor roll(205, 170, 105);
    p.setBrush(vertical(3, 9, roll.lighter(125), roll.darker(120)));
    p.drawRoundedRect(QRectF(4.5, 3.5, 23, 5), 2.5, 2.5);
    p.setBrush(vertical(23, 29, roll.lighter(125), roll.darker(120)));
    p.drawRoundedRect(QRectF(4.5, 23.5, 23, 5), 2.5, 2.5);
    p.setPen(QPen(QColor(110, 85, 50), 1.1));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 11.5 + i * 3;
        p.drawLine(QPointF(10, y), QPointF(i == 3 ? 17 : 22, y));
    }
    p.setPen(QPen(QColor(120, 15, 15), 1));
    p.setBrush(QColor(190, 30, 30));
    p.drawEllipse(QPointF(21.5, 20.5), 2.6, 2.6);
}

void drawSets(QPainter& p)
{
    QPainterPath helm;
    helm.moveTo(3, 19);
    helm.lineTo(3, 11);
    helm.cubicTo(3, 3, 17, 3, 17, 11);
    helm.lineTo(17, 19);
    helm.closeSubpath();
    p.setPen(QPen(Outline, 1.1));
    p.setBrush(horizontal(3, 17, QColor(140, 148, 160), QColor(230, 235, 242)));
    p.drawPath(helm);
    p.setPen(QPen(QColor(30, 30, 35), 2));
    p.drawLine(QPointF(5, 12), QPointF(15, 12));
    p.setPen(QPen(QColor(70, 76, 88), 1));
    p.drawLine(QPointF(10, 4.5), QPointF(10, 19));

    QPainterPath shield;
    shield.moveTo(13, 11);
    shield.lineTo(29, 11);
    shield.lineTo(29, 19);
    shield.cubicTo(29, 25, 23, 28.5, 21, 30);
    shield.cubicTo(19, 28.5, 13, 25, 13, 19);
    shield.closeSubpath();
    p.setPen(QPen(DarkGold, 1.6));
    p.setBrush(vertical(11, 30, QColor(60, 110, 210), QColor(20, 45, 120)));
    p.drawPath(shield);
    p.setPen(QPen(Gold, 2));
    p.drawLine(QPointF(21, 13.5), QPointF(21, 27));
    p.drawLine(QPointF(15.5, 17.5), QPointF(26.5, 17.5));
}

void drawBookAt(QPainter& p, const QRectF& r, const QColor& cover)
{
    p.setPen(QPen(Outline, 1));
    p.setBrush(QColor(250, 248, 238));
    p.drawRect(r.adjusted(2, 1.5, 1.5, 1.5));
    p.setBrush(horizontal(r.left(), r.right(), cover.darker(140), cover));
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(cover.darker(170));
    p.drawRect(QRectF(r.left(), r.top(), r.width() * 0.18, r.height()));
}

void drawStar(QPainter& p, const QPointF& c, qreal outer)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal rad = (i % 2 ? outer * 0.45 : outer);
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(c.x() + rad * std::cos(a), c.y() + rad * std::sin(a));
    }
    p.setPen(QPen(DarkGold, 0.8));
    p.setBrush(Gold);
    p.drawPolygon(star);
}

void drawBook(QPainter& p)
{
    drawBookAt(p, QRectF(6, 3.5, 19, 25), QColor(40, 140, 70));
    drawStar(p, QPointF(17, 14), 5.5);
    p.setPen(QPen(Gold, 1));
    p.drawLine(QPointF(11, 23), QPointF(23, 23));
}

void drawCompare(QPainter& p)
{
    p.setPen(QPen(DarkGold, 2));
    p.drawLine(QPointF(16, 5), QPointF(16, 27));
    p.drawLine(QPointF(5, 9), QPointF(27, 9));
    p.setPen(QPen(DarkGold, 1));
    p.drawLine(QPointF(5, 9), QPointF(2.5, 18));
    p.drawLine(QPointF(5, 9), QPointF(9.5, 18));
    p.drawLine(QPointF(27, 9), QPointF(22.5, 18));
    p.drawLine(QPointF(27, 9), QPointF(31.5, 18));
    p.setPen(QPen(Outline, 1));
    p.setBrush(Gold);
    p.drawChord(QRectF(1.5, 14, 9.5, 8), 180 * 16, 180 * 16);
    p.drawChord(QRectF(21.5, 14, 9.5, 8), 180 * 16, 180 * 16);
    p.drawRect(QRectF(10, 26, 12, 3));
    p.drawEllipse(QPointF(16, 5), 2, 2);
    drawBookAt(p, QRectF(3, 11, 5, 6.5), QColor(50, 90, 200));
    drawBookAt(p, QRectF(24, 11, 5, 6.5), QColor(200, 50, 40));
}

void drawSword(QPainter& p)
{
    p.save();
    p.translate(16, 16);
    p.rotate(45);
    QPolygonF blade;
    blade << QPointF(0, -15) << QPointF(2.4, -11.5) << QPointF(2.4, 5) << QPointF(-2.4, 5) << QPointF(-2.4, -11.5);
    p.setPen(QPen(Outline, 1));
    p.setBrush(horizontal(-2.4, 2.4, QColor(245, 248, 252), QColor(140, 150, 165)));
    p.drawPolygon(blade);
    p.setPen(QPen(QColor(120, 128, 140), 0.8));
    p.drawLine(QPointF(0, -12), QPointF(0, 4));
    p.setPen(QPen(Outline, 1));
    p.setBrush(Gold);
    p.drawRoundedRect(QRectF(-7, 5, 14, 2.8), 1.2, 1.2);
    p.setBrush(QColor(110, 60, 30));
    p.drawRect(QRectF(-1.4, 7.8, 2.8, 5));
    p.setBrush(Gold);
    p.drawEllipse(QPointF(0, 14.3), 2.1, 2.1);
    p.restore();
}

void drawQuest(QPainter& p)
{
    QRadialGradient badge(QPointF(13, 11), 16);
    badge.setColorAt(0, QColor(255, 236, 120));
    badge.setColorAt(1, QColor(230, 150, 20));
    p.setPen(QPen(QColor(140, 80, 10), 1.4));
    p.setBrush(badge);
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
    QPolygonF bar;
    bar << QPointF(13, 6) << QPointF(19, 6) << QPointF(17.3, 20) << QPointF(14.7, 20);
    p.setPen(QPen(QColor(60, 30, 5), 1));
    p.setBrush(QColor(90, 40, 5));
    p.drawPolygon(bar);
    p.drawEllipse(QPointF(16, 24.5), 2.3, 2.3);
}

// A bold arrow pointing left, lit from above.
void drawBackArrow(QPainter& p)
{
    QPainterPath arrow;
    arrow.moveTo(3, 16);
    arrow.lineTo(15, 5);
    arrow.lineTo(15, 11.5);
    arrow.quadTo(29, 11.5, 29, 16);
    arrow.quadTo(29, 20.5, 15, 20.5);
    arrow.lineTo(15, 27);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(20, 50, 110), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(vertical(5, 27, QColor(120, 185, 250), QColor(25, 85, 190)));
    p.drawPath(arrow);
    p.setPen(QPen(QColor(225, 240, 255), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.5, 15.2), QPointF(13.5, 8.6));
    p.drawLine(QPointF(16.5, 13), QPointF(25, 13.4));
}

} // namespace

QPixmap toolPicture(int number, const QColor& background)
{
    if (number < 0 || number >= ToolPictureCount)
        return {};
    QPixmap pm(32, 32);
    pm.fill(background);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (number) {
    case 0: drawRing(p); break;
    case 1: drawBreastplate(p); break;
    case 2: drawPouch(p); break;
    case 3: drawSkull(p); break;
    case 4: drawScroll(p); break;
    case 5: drawSets(p); break;
    case 6: drawBook(p); break;
    case 7: drawCompare(p); break;
    case 8: drawSword(p); break;
    case 9: drawQuest(p); break;
    }
    return pm;
}

QPixmap historyPicture(bool forward)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (forward) {
        // The same arrow, turned round.
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    drawBackArrow(p);
    return pm;
}

QImage programPicture(int size)
{
    QImage pm(size, size, QImage::Format_ARGB32_Premultiplied);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 32-unit square, scaled to the size asked for.
    p.scale(size / 32.0, size / 32.0);
    QPainterPath shield;
    shield.moveTo(3, 3);
    shield.lineTo(29, 3);
    shield.lineTo(29, 16);
    shield.cubicTo(29, 24, 20, 28.5, 16, 31);
    shield.cubicTo(12, 28.5, 3, 24, 3, 16);
    shield.closeSubpath();
    p.setPen(QPen(DarkGold, 1.6));
    p.setBrush(vertical(3, 31, QColor(50, 90, 180), QColor(15, 30, 80)));
    p.drawPath(shield);
    // open book: two pages meeting at the spine
    QPainterPath left, right;
    left.moveTo(16, 11);
    left.quadTo(11, 8, 6.5, 9.5);
    left.lineTo(6.5, 21);
    left.quadTo(11, 19.5, 16, 22.5);
    left.closeSubpath();
    right.moveTo(16, 11);
    right.quadTo(21, 8, 25.5, 9.5);
    right.lineTo(25.5, 21);
    right.quadTo(21, 19.5, 16, 22.5);
    right.closeSubpath();
    p.setPen(QPen(QColor(120, 90, 30), 0.9));
    p.setBrush(QColor(252, 246, 225));
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(QColor(150, 130, 90), 0.8));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 13 + i * 2.5;
        p.drawLine(QPointF(8.5, y), QPointF(14, y + 0.8));
        p.drawLine(QPointF(18, y + 0.8), QPointF(23.5, y));
    }
    return pm;
}

QList<int> programIconSizes()
{
    return {16, 22, 24, 32, 48, 64, 128, 256};
}

namespace {

// Draws the icon at whatever size is asked for, when it is asked for: start-up paints nothing.
class ProgramIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(rect.width(), rect.height());
        painter->drawImage(QRect(rect.topLeft(), QSize(side, side)), programPicture(side));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return QPixmap::fromImage(programPicture(std::max(1, std::min(size.width(), size.height()))));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : programIconSizes())
            sizes << QSize(side, side);
        return sizes;
    }
    QIconEngine* clone() const override { return new ProgramIconEngine; }
};

} // namespace

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}
