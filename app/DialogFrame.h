#pragma once
// The frame of the program's fixed dialogs (the about box, the plain message box, the error
// box): a title bar with only the close button, and room for the whole title.

#include <Qt>

class QMessageBox;
class QWidget;

/// Flags of a fixed-border dialog: title, system menu and close button; no minimise or maximise.
Qt::WindowFlags fixedDialogFlags();

/// Gives a message box the frame of a fixed dialog and a width that shows its whole title.
void frameMessageBox(QMessageBox& box);

/// Width a dialog's title bar needs to show its title whole: the title in the title bar's font
/// and the room of its icon and close button.
int titleBarWidth(const QWidget& dialog);
