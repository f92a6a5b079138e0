#include "tools/gendb/IconPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <initializer_list>

namespace gen {

namespace {

const QColor kPalette[] = {
    {190, 200, 212}, {232, 190, 60}, {204, 44, 44}, {44, 172, 84}, {52, 104, 222}, {152, 72, 204},
    {184, 112, 52}, {96, 96, 120}, {236, 226, 200}, {44, 182, 182}, {232, 112, 152}, {242, 124, 32},
};
const QColor kWood(134, 88, 44);
const QColor kParchment(226, 210, 164);

QPolygonF poly(std::initializer_list<QPointF> points) { return QPolygonF(QVector<QPointF>(points)); }

class Canvas {
public:
    Canvas(QImage& image, QColor main, QColor second) : p(&image), c(main), s(second)
    {
        p.setRenderHint(QPainter::Antialiasing);
    }
    void line(double x1, double y1, double x2, double y2, QColor col, double w)
    {
        p.setPen(QPen(col, w, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
    void shape(const QPolygonF& pg, QColor fill)
    {
        p.setPen(QPen(fill.darker(170), 1));
        p.setBrush(fill);
        p.drawPolygon(pg);
    }
    void disc(double x, double y, double r, QColor fill)
    {
        p.setPen(QPen(fill.darker(170), 1));
        p.setBrush(fill);
        p.drawEllipse(QPointF(x, y), r, r);
    }
    void box(double x, double y, double w, double h, QColor fill, double round = 0)
    {
        p.setPen(QPen(fill.darker(170), 1));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(x, y, w, h), round, round);
    }
    void ring(double x, double y, double rx, double ry, QColor col, double w)
    {
        p.setPen(QPen(col, w));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(x, y), rx, ry);
    }
    QPainter p;
    QColor c, s;
};

QColor background(IconKind kind)
{
    if (kind <= IconKind::Staff) return {30, 34, 46};
    if (kind <= IconKind::Underwear) return {44, 34, 26};
    if (kind <= IconKind::Earing) return {36, 26, 46};
    if (kind <= IconKind::Book) return {28, 42, 32};
    if (kind <= IconKind::PetCollar) return {54, 44, 22};
    return {18, 18, 52};
}

void drawSword(Canvas& k, double scale)
{
    const double e = 6 + 20 * scale;
    k.line(10, 22, e, 32 - e, k.c.lighter(115), 3.2);
    k.line(7, 17, 15, 25, k.s, 3);
    k.line(9, 23, 5, 27, kWood, 3);
    k.disc(5, 27, 1.8, k.s);
}

void drawFigure(Canvas& k, IconKind kind, int variant)
{
    switch (kind) {
    case IconKind::Sword: drawSword(k, 0.95); break;
    case IconKind::Dagger: drawSword(k, 0.7); break;
    case IconKind::DualSword:
        k.line(6, 26, 26, 6, k.c, 3);
        k.line(26, 26, 6, 6, k.c.darker(115), 3);
        k.line(4, 20, 12, 28, k.s, 2.5);
        k.line(28, 20, 20, 28, k.s, 2.5);
        break;
    case IconKind::Blunt:
        k.line(7, 27, 19, 15, kWood, 3.2);
        k.disc(21, 11, 6.5, k.c);
        if (variant % 2)
            for (int a = 0; a < 6; ++a) {
                const double r = a * M_PI / 3;
                k.line(21 + 6 * std::cos(r), 11 + 6 * std::sin(r), 21 + 9 * std::cos(r), 11 + 9 * std::sin(r), k.s, 2);
            }
        break;
    case IconKind::Bow: {
        QPainterPath path(QPointF(10, 3));
        path.quadTo(QPointF(32, 16), QPointF(10, 29));
        k.p.setPen(QPen(k.c.darker(120), 3.2, Qt::SolidLine, Qt::RoundCap));
        k.p.setBrush(Qt::NoBrush);
        k.p.drawPath(path);
        k.line(10, 3, 10, 29, QColor(236, 236, 236), 1);
        break;
    }
    case IconKind::Pole:
        k.line(5, 28, 23, 10, kWood, 2.6);
        k.shape(poly({{29, 2}, {20, 8}, {24, 12}}), k.c);
        k.line(19, 10, 22, 13, k.s, 2);
        break;
    case IconKind::Fist:
        k.box(7, 13, 18, 13, k.c, 4);
        for (int f = 0; f < 3; ++f)
            k.line(10 + 6 * f, 13, 8 + 6 * f, 4, k.s.lighter(120), 2.2);
        break;
    case IconKind::Staff:
        k.line(9, 29, 20, 10, kWood, 3.2);
        k.disc(21, 8, 5.5, k.c);
        k.disc(19.5, 6.5, 1.6, QColor(255, 255, 255));
        break;
    case IconKind::Shield: {
        QPainterPath path(QPointF(6, 5));
        path.lineTo(26, 5);
        path.lineTo(26, 15);
        path.quadTo(QPointF(26, 24), QPointF(16, 29));
        path.quadTo(QPointF(6, 24), QPointF(6, 15));
        path.closeSubpath();
        k.p.setPen(QPen(k.s, 2));
        k.p.setBrush(k.c);
        k.p.drawPath(path);
        k.line(16, 8, 16, 25, k.s, 2.5);
        k.line(9, 14, 23, 14, k.s, 2.5);
        break;
    }
    case IconKind::UpperBody:
        k.shape(poly({{10, 6}, {22, 6}, {29, 12}, {25, 17}, {22, 14}, {22, 27}, {10, 27}, {10, 14}, {7, 17}, {3, 12}}), k.c);
        k.line(16, 8, 16, 26, k.s, 1.5);
        break;
    case IconKind::LowerBody:
        k.shape(poly({{9, 5}, {23, 5}, {25, 28}, {18, 28}, {16, 14}, {14, 28}, {7, 28}}), k.c);
        k.line(9, 8, 23, 8, k.s, 2);
        break;
    case IconKind::FullBody:
        k.shape(poly({{11, 4}, {21, 4}, {27, 28}, {5, 28}}), k.c);
        k.line(9, 15, 23, 15, k.s, 2.5);
        break;
    case IconKind::Boots:
        k.shape(poly({{9, 4}, {18, 4}, {18, 19}, {27, 22}, {27, 28}, {9, 28}}), k.c);
        k.line(9, 8, 18, 8, k.s, 2);
        break;
    case IconKind::Helmet:
        k.p.setPen(QPen(k.c.darker(170), 1));
        k.p.setBrush(k.c);
        k.p.drawChord(QRectF(5, 5, 22, 24), 0, 180 * 16);
        k.box(5, 16, 6, 11, k.c.darker(110));
        k.box(21, 16, 6, 11, k.c.darker(110));
        k.line(16, 5, 16, 16, k.s, 2);
        break;
    case IconKind::Gloves:
        k.box(9, 14, 14, 14, k.c, 3);
        for (int f = 0; f < 4; ++f)
            k.box(9 + f * 3.6, 5 + (f == 0 || f == 3 ? 3 : 0), 3, 11, k.c.lighter(108), 1.5);
        k.box(9, 24, 14, 4, k.s);
        break;
    case IconKind::Cloak:
        k.shape(poly({{12, 4}, {20, 4}, {28, 28}, {16, 25}, {4, 28}}), k.c);
        k.disc(16, 6, 2.6, k.s);
        break;
    case IconKind::Underwear:
        k.shape(poly({{10, 6}, {13, 6}, {14, 10}, {18, 10}, {19, 6}, {22, 6}, {24, 26}, {8, 26}}), k.c.lighter(115));
        break;
    case IconKind::Necklace:
        k.p.setPen(QPen(QColor(232, 196, 70), 1.6));
        k.p.setBrush(Qt::NoBrush);
        k.p.drawArc(QRectF(6, 1, 20, 22), 180 * 16, 180 * 16);
        k.shape(poly({{16, 17}, {21, 23}, {16, 29}, {11, 23}}), k.c);
        break;
    case IconKind::Ring:
        k.ring(16, 20, 8, 7, QColor(232, 196, 70), 3);
        k.disc(16, 11, 4.2, k.c);
        break;
    case IconKind::Earing:
        k.p.setPen(QPen(QColor(232, 196, 70), 1.8));
        k.p.setBrush(Qt::NoBrush);
        k.p.drawArc(QRectF(12, 3, 8, 8), 0, 270 * 16);
        k.line(16, 11, 16, 15, QColor(232, 196, 70), 1.8);
        k.p.setPen(QPen(k.c.darker(170), 1));
        k.p.setBrush(k.c);
        k.p.drawEllipse(QRectF(11, 15, 10, 14));
        break;
    case IconKind::Potion:
        k.box(13, 6, 6, 9, QColor(200, 220, 230));
        k.disc(16, 21, 8, k.c);
        k.box(12.5, 2.5, 7, 4, kWood);
        k.disc(13, 18, 1.8, k.c.lighter(160));
        break;
    case IconKind::Scroll:
        k.box(8, 7, 16, 18, kParchment);
        k.box(6, 4, 20, 5, kParchment.darker(125), 2);
        k.box(6, 23, 20, 5, kParchment.darker(125), 2);
        for (int l = 0; l < 3; ++l)
            k.line(11, 12 + 3.5 * l, 21, 12 + 3.5 * l, k.c, 1);
        break;
    case IconKind::Ore:
        k.shape(poly({{6, 21}, {10, 10}, {18, 7}, {26, 14}, {25, 24}, {12, 27}}), QColor(112, 104, 98));
        k.disc(13, 16, 2.2, k.c);
        k.disc(20, 13, 1.8, k.c);
        k.disc(18, 21, 2.4, k.c);
        break;
    case IconKind::Ingot:
        k.shape(poly({{5, 23}, {10, 13}, {24, 13}, {28, 23}}), k.c);
        k.shape(poly({{10, 13}, {13, 9}, {22, 9}, {24, 13}}), k.c.lighter(125));
        break;
    case IconKind::Pelt:
        k.shape(poly({{8, 5}, {16, 9}, {24, 5}, {27, 16}, {22, 28}, {16, 24}, {10, 28}, {5, 16}}), k.c.darker(115));
        break;
    case IconKind::Bone:
        k.line(9, 23, 23, 9, QColor(236, 230, 210), 4);
        for (const QPointF& e : {QPointF(7, 22), QPointF(10, 25), QPointF(22, 7), QPointF(25, 10)})
            k.disc(e.x(), e.y(), 2.6, QColor(236, 230, 210));
        break;
    case IconKind::Cloth:
        k.box(5, 10, 20, 14, k.c);
        for (int l = 0; l < 3; ++l)
            k.line(8 + 6 * l, 10, 8 + 6 * l, 24, k.s, 1.5);
        k.p.setBrush(k.c.lighter(120));
        k.p.drawEllipse(QRectF(21, 10, 7, 14));
        break;
    case IconKind::Wood:
        k.box(4, 12, 20, 10, kWood);
        k.p.setBrush(QColor(214, 176, 120));
        k.p.drawEllipse(QRectF(20, 11, 8, 12));
        k.ring(24, 17, 2, 3, kWood, 1);
        break;
    case IconKind::Gem:
        k.shape(poly({{11, 6}, {21, 6}, {26, 12}, {16, 27}, {6, 12}}), k.c);
        k.line(6, 12, 26, 12, k.c.lighter(150), 1);
        k.line(16, 27, 13, 12, k.c.lighter(140), 1);
        k.line(16, 27, 19, 12, k.c.lighter(140), 1);
        break;
    case IconKind::Recipe:
        k.box(7, 4, 18, 24, kParchment);
        for (int l = 0; l < 4; ++l)
            k.line(10, 9 + 4 * l, 22, 9 + 4 * l, QColor(90, 70, 50), 1);
        k.disc(21, 24, 3.2, k.c);
        break;
    case IconKind::QuestItem:
        k.box(5, 9, 22, 15, kParchment);
        k.line(5, 9, 16, 18, kParchment.darker(150), 1.2);
        k.line(27, 9, 16, 18, kParchment.darker(150), 1.2);
        k.disc(16, 18, 3, k.c);
        break;
    case IconKind::Arrow:
        k.line(6, 26, 23, 9, kWood, 2);
        k.shape(poly({{28, 4}, {20, 8}, {24, 12}}), k.c);
        k.line(6, 26, 4, 21, k.s, 2);
        k.line(6, 26, 11, 28, k.s, 2);
        break;
    case IconKind::Shot:
        k.disc(11, 21, 5, k.c);
        k.disc(21, 21, 5, k.c);
        k.disc(16, 12, 5, k.c.lighter(120));
        break;
    case IconKind::Coin:
        for (int l = 0; l < 3; ++l) {
            k.p.setPen(QPen(QColor(150, 110, 20), 1));
            k.p.setBrush(QColor(236, 196, 64));
            k.p.drawEllipse(QRectF(7, 18 - 5 * l, 18, 8));
        }
        break;
    case IconKind::Crystal:
        k.shape(poly({{16, 3}, {22, 9}, {22, 23}, {16, 29}, {10, 23}, {10, 9}}), k.c);
        k.line(16, 3, 16, 29, k.c.lighter(150), 1);
        break;
    case IconKind::Key:
        k.ring(10, 10, 5, 5, k.c, 3);
        k.line(13.5, 13.5, 26, 26, k.c, 3);
        k.line(22, 22, 25, 19, k.c, 2.5);
        k.line(19, 19, 22, 16, k.c, 2.5);
        break;
    case IconKind::Dye:
        k.box(9, 11, 14, 17, k.c, 3);
        k.box(10, 6, 12, 5, QColor(200, 200, 200));
        break;
    case IconKind::Book:
        k.box(7, 5, 18, 22, k.c);
        k.box(7, 5, 4, 22, k.c.darker(140));
        k.line(24, 7, 24, 25, kParchment, 1.5);
        k.disc(17, 14, 3, k.s);
        break;
    case IconKind::PetWeapon:
        k.shape(poly({{10, 4}, {22, 5}, {17, 28}}), QColor(240, 234, 214));
        k.disc(8, 24, 2.5, k.c);
        k.disc(24, 24, 2.5, k.c);
        break;
    case IconKind::PetArmor:
        k.p.setPen(QPen(k.c.darker(170), 1));
        k.p.setBrush(k.c);
        k.p.drawChord(QRectF(4, 8, 24, 22), 0, 180 * 16);
        k.line(8, 19, 8, 27, k.s, 2);
        k.line(24, 19, 24, 27, k.s, 2);
        break;
    case IconKind::PetCollar:
        k.ring(16, 14, 10, 8, k.c, 4);
        k.disc(16, 25, 3.5, QColor(232, 196, 70));
        break;
    case IconKind::Skill: {
        const int points = 4 + variant % 5;
        QPolygonF star;
        for (int i = 0; i < points * 2; ++i) {
            const double r = (i % 2 ? 5.0 : 12.0) * (0.8 + 0.05 * (variant % 4));
            const double a = i * M_PI / points - M_PI / 2 + variant * 0.2;
            star << QPointF(16 + r * std::cos(a), 16 + r * std::sin(a));
        }
        k.shape(star, k.c);
        k.disc(16, 16, 3, k.s);
        break;
    }
    case IconKind::None:
        k.line(8, 8, 24, 24, QColor(150, 150, 150), 2);
        k.line(24, 8, 8, 24, QColor(150, 150, 150), 2);
        break;
    }
}

} // namespace

QImage IconPainter::paint(IconKind kind, int variant)
{
    QImage image(32, 32, QImage::Format_RGB888);
    const QColor back = kind == IconKind::None ? QColor(92, 92, 92) : background(kind);
    image.fill(back);
    const int v = variant > 0 ? variant - 1 : 0;
    const QColor main = kPalette[v % 12].darker(100 + 18 * (v / 12 % 3));
    const QColor second = kPalette[(v * 5 + 3) % 12];
    {
        Canvas canvas(image, main, second);
        if (kind == IconKind::Skill) {
            QRadialGradient glow(16, 16, 18);
            glow.setColorAt(0, main.darker(200));
            glow.setColorAt(1, back);
            canvas.p.fillRect(0, 0, 32, 32, glow);
        }
        drawFigure(canvas, kind, variant);
        canvas.p.setPen(back.lighter(170));
        canvas.p.setBrush(Qt::NoBrush);
        canvas.p.setRenderHint(QPainter::Antialiasing, false);
        canvas.p.drawRect(0, 0, 31, 31);
    }
    return image;
}

} // namespace gen
