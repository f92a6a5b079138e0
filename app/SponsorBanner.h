#pragma once
// The sponsor's 374x57 banner on the frame's top panel: a picture and wording of the sponsor's,
// and a release of the mouse button opens the sponsor's address in the browser.

#include <QUrl>
#include <QWidget>

class SponsorBanner : public QWidget {
    Q_OBJECT
public:
    explicit SponsorBanner(QWidget* parent = nullptr);

    static QUrl sponsorAddress();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
