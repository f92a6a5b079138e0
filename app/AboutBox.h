#pragma once
// The about box: product name, version and the program's lines; created once, hidden, and shown
// modally each time it is asked for.

#include <QDialog>

class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QPushButton* OKButton() const { return m_ok; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* m_ok = nullptr;
};

/// The one about box, created at start-up.
extern TAboutBox* AboutBox;
