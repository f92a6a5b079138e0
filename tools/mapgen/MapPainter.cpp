#include "tools/mapgen/MapPainter.h"

#include "tools/world/WorldShape.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Rgb {
    double r, g, b;
};

Rgb mix(const Rgb& a, const Rgb& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Colour stops by height: deep sea to shallows, lowland greens, ochre uplands, grey rock, snow.
Rgb colourOf(double h)
{
    struct Stop {
        double h;
        Rgb c;
    };
    static const Stop stops[] = {
        {-0.45, {22, 50, 108}},  {-0.20, {30, 70, 134}},  {-0.06, {62, 118, 176}},
        {0.00, {118, 170, 206}}, {0.0001, {104, 148, 82}}, {0.25, {128, 162, 88}},
        {0.45, {170, 168, 104}}, {0.62, {176, 146, 98}},  {0.80, {140, 124, 108}},
        {0.95, {160, 156, 152}}, {1.10, {236, 236, 240}},
    };
    if (h <= stops[0].h)
        return stops[0].c;
    for (size_t i = 1; i < std::size(stops); ++i)
        if (h <= stops[i].h)
            return mix(stops[i - 1].c, stops[i].c, (h - stops[i - 1].h) / (stops[i].h - stops[i - 1].h));
    return stops[std::size(stops) - 1].c;
}

// Small fixed per-pixel grain so flat areas do not look like plastic.
double grain(int x, int y)
{
    unsigned n = unsigned(x) * 374761393u + unsigned(y) * 668265263u;
    n = (n ^ (n >> 13)) * 1274126177u;
    return double((n ^ (n >> 16)) & 0xff) / 255.0 - 0.5;
}

// Ridged relief from a few rotated waves, for the look only: land and sea come from the world
// shape. Waves at irrational angles avoid the axis-aligned creases of lattice noise.
double reliefOf(double u, double v, double h)
{
    if (h <= 0.2)
        return h;
    double ridge = 0, amp = 0.5, freq = 14.0;
    for (int k = 0; k < 6; ++k, amp *= 0.55, freq *= 1.9) {
        const double angle = 0.7 + k * 2.399963;
        const double wave = std::sin(freq * (std::cos(angle) * u + std::sin(angle) * v) + k * 1.7);
        const double cross = std::sin(freq * 0.6 * (std::sin(angle) * u - std::cos(angle) * v) + k);
        ridge += amp * (1.0 - std::fabs(wave * 0.7 + cross * 0.3));
    }
    const double t = std::clamp((h - 0.2) / 0.45, 0.0, 1.0);
    return h + 0.55 * ridge * ridge * t * t;
}

void paintTerrain(QImage& image)
{
    const int w = image.width(), h = image.height();
    std::vector<double> heights(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const double u = (x + 0.5) / w, v = (y + 0.5) / h;
            heights[size_t(y) * w + x] = reliefOf(u, v, world::height(u, v));
        }
    auto at = [&](int x, int y) {
        return heights[size_t(std::clamp(y, 0, h - 1)) * w + std::clamp(x, 0, w - 1)];
    };
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double hv = at(x, y);
            const bool land = hv > 0.0;
            Rgb c = colourOf(hv);
            if (land) {
                // Light from the north-west; steeper slopes cast darker shade.
                const double slope = (at(x - 1, y - 1) - at(x + 1, y + 1)) * 0.5 * w;
                const double shade = std::clamp(1.0 + slope * 0.045, 0.6, 1.35);
                c = {c.r * shade, c.g * shade, c.b * shade};
            }
            const double g = grain(x, y) * (land ? 10.0 : 4.0);
            bool coast = false;
            if (land)
                for (int d = 0; d < 4 && !coast; ++d)
                    coast = at(x + (d == 0) - (d == 1), y + (d == 2) - (d == 3)) <= 0.0;
            if (coast)
                c = {58, 52, 40};
            line[x] = qRgb(std::clamp(int(c.r + g), 0, 255), std::clamp(int(c.g + g), 0, 255),
                           std::clamp(int(c.b + g), 0, 255));
        }
    }
}

// Grid lines every 32768 world units, matching the world frame of the spawn points.
void paintGrid(QPainter& p, int w, int h)
{
    p.setPen(QPen(QColor(255, 255, 255, 46), 1));
    for (int x = world::kLeftX; x <= world::kRightX; x += 32768) {
        const double px = world::uOfX(x) * w;
        p.drawLine(QPointF(px, 0), QPointF(px, h));
    }
    for (int y = world::kTopY; y <= world::kBottomY; y += 32768) {
        const double py = world::vOfY(y) * h;
        p.drawLine(QPointF(0, py), QPointF(w, py));
    }
}

void drawLabel(QPainter& p, const QString& text, QPointF centre, const QFont& font,
               const QColor& ink, const QColor& halo)
{
    QPainterPath path;
    const QFontMetricsF fm(font);
    path.addText(centre.x() - fm.horizontalAdvance(text) / 2, centre.y() + fm.ascent() / 3, font, text);
    QPainterPathStroker stroker;
    stroker.setWidth(3.0);
    stroker.setJoinStyle(Qt::RoundJoin);
    p.fillPath(stroker.createStroke(path), halo);
    p.fillPath(path, ink);
}

void paintNames(QPainter& p, int w, int h)
{
    QFont land("DejaVu Serif", 15, QFont::Bold);
    land.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    QFont sea("DejaVu Serif", 12);
    sea.setItalic(true);
    sea.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    QFont isle("DejaVu Serif", 9);
    isle.setItalic(true);
    const QColor ink(70, 44, 22), halo(245, 236, 210, 170);
    const QColor seaInk(210, 228, 245), seaHalo(20, 40, 80, 90);
    struct Name {
        const char* text;
        double u, v;
        const QFont* font;
        bool onSea;
    };
    const Name names[] = {
        {"ELDRANE", 0.22, 0.40, &land, false},     {"KARVOSH", 0.70, 0.34, &land, false},
        {"SOLMARA", 0.53, 0.80, &land, false},     {"Tyrrin Isles", 0.90, 0.87, &isle, false},
        {"Isle of Brae", 0.45, 0.085, &isle, false}, {"Western Deep", 0.13, 0.06, &sea, true},
        {"Sea of Vendra", 0.43, 0.52, &sea, true}, {"Southern Ocean", 0.28, 0.95, &sea, true},
        {"Sundering Strait", 0.86, 0.06, &sea, true},
    };
    for (const Name& n : names)
        drawLabel(p, QString::fromUtf8(n.text), QPointF(n.u * w, n.v * h), *n.font,
                  n.onSea ? seaInk : ink, n.onSea ? seaHalo : halo);
}

void paintCompass(QPainter& p, QPointF c, double r)
{
    p.save();
    p.translate(c);
    p.setPen(QPen(QColor(230, 222, 196, 200), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), r * 0.72, r * 0.72);
    p.drawEllipse(QPointF(0, 0), r * 0.62, r * 0.62);
    // Eight points: long ones to the cardinal directions, short ones between; each half-shaded.
    for (int i = 0; i < 8; ++i) {
        const double len = (i % 2 == 0) ? r : r * 0.55;
        const double wid = (i % 2 == 0) ? r * 0.16 : r * 0.12;
        p.save();
        p.rotate(i * 45.0);
        QPainterPath left, right;
        left.moveTo(0, -len);
        left.lineTo(-wid, -wid);
        left.lineTo(0, 0);
        left.closeSubpath();
        right.moveTo(0, -len);
        right.lineTo(wid, -wid);
        right.lineTo(0, 0);
        right.closeSubpath();
        p.setPen(QPen(QColor(60, 40, 25), 0.8));
        p.setBrush(QColor(240, 232, 210));
        p.drawPath(left);
        p.setBrush(QColor(120, 40, 30));
        p.drawPath(right);
        p.restore();
    }
    QFont f("DejaVu Serif", 11, QFont::Bold);
    drawLabel(p, QStringLiteral("N"), QPointF(0, -r - 9), f, QColor(240, 232, 210), QColor(40, 30, 20, 160));
    p.restore();
}

} // namespace

QImage paintWorldMap(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    paintTerrain(image);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintGrid(p, width, height);
    paintNames(p, width, height);
    paintCompass(p, QPointF(width * 0.08, height * 0.86), 40);
    p.setPen(QPen(QColor(40, 30, 20), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, width - 3, height - 3));
    return image;
}
