#include "app/DialogFrame.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {
// Window icon, close button and the frame's own margins of the usual title bars.
constexpr int kTitleBarDecoration = 110;
// Narrower than this a box looks like a fault, whatever its text.
constexpr int kSmallestBox = 200;
}

Qt::WindowFlags fixedDialogFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

int titleBarWidth(const QWidget& dialog)
{
    // Title bars are drawn by the window manager in a bold face of about the window font.
    QFont title = QApplication::font("QMdiSubWindowTitleBar");
    title.setBold(true);
    return QFontMetrics(title).horizontalAdvance(dialog.windowTitle()) + kTitleBarDecoration;
}

void frameMessageBox(QMessageBox& box)
{
    box.setWindowFlags(fixedDialogFlags());
    // A message box sizes itself to its text; a short text would cut its own title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = std::max(kSmallestBox, titleBarWidth(box));
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
}
