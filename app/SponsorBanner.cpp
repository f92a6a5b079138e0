#include "app/SponsorBanner.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

SponsorBanner::SponsorBanner(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ShockwaveFlash1"));
    setFixedSize(374, 57);
    setStatusTip(QStringLiteral("Our Sponsor -- Best Free Vendra Server  -- Join Now !"));
    setCursor(Qt::PointingHandCursor);
}

QUrl SponsorBanner::sponsorAddress()
{
    return QUrl(QStringLiteral("https://vendra-sponsor.example/"));
}

void SponsorBanner::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);

    // The emblem: a crimson gem-cut crest with a golden flame.
    QPainterPath crest;
    crest.moveTo(28, 4);
    crest.lineTo(50, 14);
    crest.lineTo(50, 34);
    crest.lineTo(28, 53);
    crest.lineTo(6, 34);
    crest.lineTo(6, 14);
    crest.closeSubpath();
    QLinearGradient red(0, 4, 0, 53);
    red.setColorAt(0, QColor(200, 40, 40));
    red.setColorAt(1, QColor(90, 10, 20));
    p.setPen(QPen(QColor(200, 150, 30), 2));
    p.setBrush(red);
    p.drawPath(crest);
    QPainterPath flame;
    flame.moveTo(28, 44);
    flame.cubicTo(16, 40, 20, 26, 28, 14);
    flame.cubicTo(30, 24, 40, 30, 28, 44);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 50));
    p.drawPath(flame);

    QFont small(font());
    small.setPixelSize(11);
    small.setBold(true);
    p.setFont(small);
    p.setPen(QColor(120, 120, 120));
    p.drawText(QRect(62, 3, 300, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("OUR SPONSOR"));

    QFont big(font());
    big.setPixelSize(20);
    big.setBold(true);
    p.setFont(big);
    p.setPen(QColor(150, 20, 25));
    p.drawText(QRect(62, 15, 306, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Best Free Vendra Server"));

    QFont join(font());
    join.setPixelSize(13);
    join.setBold(true);
    p.setFont(join);
    p.setPen(QColor(30, 60, 140));
    p.drawText(QRect(62, 38, 306, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("No wipes, friendly rates -- Join Now !"));
}

void SponsorBanner::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        QDesktopServices::openUrl(sponsorAddress());
}
