#include "browse/DbMemo.h"

#include <QScrollBar>

DbMemo::DbMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setUndoRedoEnabled(false);
}

void DbMemo::bind(Dataset& dataset, const QString& field) { m_link.bind(dataset, field); }

QString DbMemo::field() const { return m_link.field(); }

void DbMemo::refresh()
{
    QString text = m_link.text();
    // Stored texts break lines with CR LF; a lone CR would show as a box.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // A view reset sends both signals; the same text again need not be laid out twice.
    if (text == toPlainText())
        return;
    setPlainText(text);
    verticalScrollBar()->setValue(0);
}
