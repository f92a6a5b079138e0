#pragma once
// A page whose parts never squeeze below their minimum or draw over one another: it shows its
// content at its own size while it is large enough, and scrolls once it is smaller than the
// content's minimum (fixed-width grids keep their width, the rest keeps a sensible minimum).

#include <QScrollArea>

class ScrollingPage : public QScrollArea {
    Q_OBJECT
public:
    /// Takes content (owned from now on); no frame, scroll bars only when needed.
    explicit ScrollingPage(QWidget* content, QWidget* parent = nullptr);

    /// The page never asks for more than a scroll bar's room: it scrolls instead.
    QSize minimumSizeHint() const override;
};
