#pragma once
// The top panel's room right of the sponsor banner: the back and forward buttons, then the
// search. The search always keeps a place, folded into its button when the frame is narrow; the
// buttons stand only where both fit (their keys and the mouse's side buttons work regardless).

#include <QObject>
#include <QPointer>

class GlobalSearch;
class QWidget;

class PanelTail : public QObject {
public:
    /// Lays the two out now and whenever the panel's size changes. All four belong to the frame.
    PanelTail(QWidget& panel, QWidget& banner, QWidget& historyButtons, GlobalSearch& search);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();

    QPointer<QWidget> m_panel;
    QPointer<QWidget> m_banner;
    QPointer<QWidget> m_historyButtons;
    QPointer<GlobalSearch> m_search;
};
