#pragma once
// A tool bar whose controls wrap onto further rows instead of being cut off or hidden behind an
// extension button when the window is narrow.

#include <QWidget>

class QFont;
class QLabel;
class RowWrapLayout;

class WrapBar : public QWidget {
    Q_OBJECT
public:
    explicit WrapBar(QWidget* parent = nullptr);

    /// Appends a control (the bar becomes its parent); the gap before it stands for a separator.
    void addControl(QWidget* control);
    /// Appends a caption and its control as one piece that never splits over two rows; returns
    /// the caption.
    QLabel* addCaptioned(const QString& caption, const QFont& captionFont, QWidget* control);
    /// The next control starts a new row.
    void addRowBreak();
    /// Rows the controls take at the bar's current width.
    int rowCount() const;

private:
    RowWrapLayout* m_layout;
};
