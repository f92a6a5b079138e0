// Tabs that track the pointer: the tab bar hears hover events, and the caption of the tab under
// the pointer is drawn in the hot colour while the others keep theirs.

#include "browse/HotTrackStyle.h"

#include <QImage>
#include <QPainter>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QtTest>

class HotTrackStyleTest : public QObject {
    Q_OBJECT
private slots:
    void tabUnderThePointerShowsItsCaptionHot();
};

namespace {
// How many pixels of the caption drawn with these states have the hot colour.
int hotPixels(QStyle& style, QTabBar& bar, QStyle::State state)
{
    QStyleOptionTab tab;
    tab.initFrom(&bar);
    tab.rect = QRect(0, 0, 140, 28);
    tab.text = QStringLiteral("Monster Drop/Spoil");
    tab.state = QStyle::State_Enabled | state;
    QImage image(tab.rect.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    style.drawControl(QStyle::CE_TabBarTabLabel, &tab, &painter, &bar);
    painter.end();
    int hot = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            hot += c.blue() > 200 && c.red() < 120 && c.green() < 120;
        }
    return hot;
}
}

void HotTrackStyleTest::tabUnderThePointerShowsItsCaptionHot()
{
    HotTrackStyle style;
    QTabBar bar;
    bar.setStyle(&style);
    bar.addTab(QStringLiteral("Monster Drop/Spoil"));
    bar.ensurePolished();
    QVERIFY(bar.testAttribute(Qt::WA_Hover));

    QVERIFY(hotPixels(style, bar, QStyle::State_MouseOver) > 10);
    QCOMPARE(hotPixels(style, bar, {}), 0);
    QCOMPARE(hotPixels(style, bar, QStyle::State_Selected), 0);
}

QTEST_MAIN(HotTrackStyleTest)
#include "HotTrackStyleTest.moc"
