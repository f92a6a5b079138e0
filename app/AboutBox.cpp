#include "app/AboutBox.h"

#include "app/DialogFrame.h"
#include "app/ToolPictures.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

TAboutBox* AboutBox = nullptr;

namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text, int x, int y, int pixels, bool bold)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    QFont f(l->font());
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: black"));
    l->move(x, y);
    l->adjustSize();
    return l;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent, fixedDialogFlags())
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setModal(true);
    setFixedSize(298, 178);
    QFont f(font());
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(11);
    setFont(f);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 281, 129);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(24, 16, 32, 32);
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(QPixmap::fromImage(programPicture()));

    label(panel, QStringLiteral("ProductName"), QStringLiteral("Tavrin"), 88, 16, 13, true);
    label(panel, QStringLiteral("Version"), QStringLiteral("Version: 0.6"), 88, 35, 13, true);
    label(panel, QStringLiteral("Copyright"), QStringLiteral("Copyright (c) 2026 the Tavrin developers"), 24, 62, 11, false);
    label(panel, QStringLiteral("Contact"), QStringLiteral("Write to tavrin@vendra-tools.example"), 41, 78, 11, false);
    QLabel* update = label(panel, QStringLiteral("UpdateSite"), QStringLiteral("New versions: tavrin.example"), 4, 109, 13, true);
    // A taller face than the design's must not put the last line on the panel's edge: it keeps
    // the margin the panel's first line has from the top.
    const int bottomMargin = panel->frameWidth() + 6;
    update->move(update->x(), std::min(update->y(), panel->height() - bottomMargin - update->height()));

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setGeometry(117, 143, 65, 29);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    m_ok->setFocus();
}
