// The wheel translation: the rewrite itself, and what one wheel turn does to a grid.

#include "app/AppMessage.h"
#include "app/MainForm.h"
#include "app/TavrinApplication.h"

#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

class TestWheel : public QObject {
    Q_OBJECT
private slots:
    void rewrite_data();
    void rewrite();
    void oneTurnMovesOneRow_data();
    void oneTurnMovesOneRow();
    void horizontalWheelPassesThrough();
};

void TestWheel::rewrite_data()
{
    QTest::addColumn<unsigned>("message");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<unsigned>("expectMessage");
    QTest::addColumn<quint32>("expectWParam");
    QTest::addColumn<qint32>("expectLParam");
    QTest::addColumn<bool>("expectHandled");

    const qint32 lp = 0x00640032; // pointer position, must be wiped for wheel messages only
    QTest::newRow("+120 up") << unsigned(MsgMouseWheel) << 120 << unsigned(MsgKeyDown) << quint32(VkUp) << 0 << false;
    QTest::newRow("+240 still one up") << unsigned(MsgMouseWheel) << 240 << unsigned(MsgKeyDown) << quint32(VkUp) << 0 << false;
    QTest::newRow("-120 down") << unsigned(MsgMouseWheel) << -120 << unsigned(MsgKeyDown) << quint32(VkDown) << 0 << false;
    QTest::newRow("0 down") << unsigned(MsgMouseWheel) << 0 << unsigned(MsgKeyDown) << quint32(VkDown) << 0 << false;
    QTest::newRow("+1 up") << unsigned(MsgMouseWheel) << 1 << unsigned(MsgKeyDown) << quint32(VkUp) << 0 << false;
    QTest::newRow("most negative") << unsigned(MsgMouseWheel) << -32768 << unsigned(MsgKeyDown) << quint32(VkDown) << 0 << false;
    QTest::newRow("horizontal untouched") << unsigned(MsgMouseHWheel) << 120 << unsigned(MsgMouseHWheel)
                                          << wheelWParam(120, 0x0008) << lp << true;
    QTest::newRow("key down untouched") << unsigned(MsgKeyDown) << 120 << unsigned(MsgKeyDown)
                                        << wheelWParam(120, 0x0008) << lp << true;
    QTest::newRow("mouse move untouched") << 512u << -120 << 512u << wheelWParam(-120, 0x0008) << lp << true;
}

void TestWheel::rewrite()
{
    QFETCH(unsigned, message);
    QFETCH(int, rotation);
    MessageRecord msg;
    int target = 0;
    msg.target = &target;
    msg.message = message;
    msg.wParam = wheelWParam(rotation, 0x0008); // a key-state bit in the low word
    msg.lParam = 0x00640032;
    bool handled = true;
    AppMessage(msg, handled);
    QCOMPARE(msg.target, static_cast<const void*>(&target));
    QTEST(msg.message, "expectMessage");
    QTEST(msg.wParam, "expectWParam");
    QTEST(msg.lParam, "expectLParam");
    QTEST(handled, "expectHandled");
}

void TestWheel::oneTurnMovesOneRow_data()
{
    QTest::addColumn<int>("delta");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<int>("expectRow");
    QTest::newRow("+120 focused") << 120 << true << 4;
    QTest::newRow("+480 focused") << 480 << true << 4;
    QTest::newRow("-120 focused") << -120 << true << 6;
    QTest::newRow("-600 focused") << -600 << true << 6;
    QTest::newRow("zero focused") << 0 << true << 6;
    QTest::newRow("+240 no focus") << 240 << false << 4;
    QTest::newRow("-240 no focus") << -240 << false << 6;
}

void TestWheel::oneTurnMovesOneRow()
{
    QFETCH(int, delta);
    QFETCH(bool, focused);
    QFETCH(int, expectRow);
    TMainForm form([](WindowKind, NavigationHost&) -> QWidget* { return nullptr; });
    QStandardItemModel model(20, 2);
    for (int r = 0; r < 20; ++r)
        model.setItem(r, 0, new QStandardItem(QString::number(r)));
    QTableView view;
    view.setModel(&model);
    view.resize(300, 700); // every row visible: moving never needs to scroll
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setCurrentIndex(model.index(5, 0));
    if (focused) {
        view.activateWindow();
        view.setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), &view);
    } else {
        view.clearFocus();
        QCOMPARE(QApplication::focusWidget(), nullptr);
    }
    const int scrollBefore = view.verticalScrollBar()->value();

    const QPointF at(40, 40);
    QWheelEvent wheel(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view.viewport(), &wheel);
    QCOMPARE(view.currentIndex().row(), expectRow);
    QCOMPARE(view.verticalScrollBar()->value(), scrollBefore); // the wheel itself did not scroll
}

// A widget that counts the wheel events that reach it.
class WheelCounter : public QWidget {
public:
    int wheels = 0;
    int keys = 0;

protected:
    void wheelEvent(QWheelEvent* e) override
    {
        ++wheels;
        e->accept();
    }
    void keyPressEvent(QKeyEvent*) override { ++keys; }
};

void TestWheel::horizontalWheelPassesThrough()
{
    TMainForm form([](WindowKind, NavigationHost&) -> QWidget* { return nullptr; });
    WheelCounter counter;
    counter.resize(100, 100);
    counter.show();
    QVERIFY(QTest::qWaitForWindowExposed(&counter));
    const QPointF at(10, 10);
    QWheelEvent sideways(at, at, QPoint(), QPoint(120, 0), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&counter, &sideways);
    QWheelEvent down(at, at, QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&counter, &down);
    QCOMPARE(counter.wheels, 1); // only the sideways one arrived as a wheel
    QCOMPARE(counter.keys, 1);   // the vertical one arrived as exactly one key
}

int main(int argc, char** argv)
{
    TavrinApplication app(argc, argv);
    TestWheel test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wheel.moc"
