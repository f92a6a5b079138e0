#include "browse/DeleteConfirmation.h"

#include <QApplication>
#include <QMessageBox>

bool confirmDelete(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), QStringLiteral("Delete record?"),
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("DeleteConfirmation"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}
