#include "browse/DbMemo.h"

#include "data/Dataset.h"

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

void DbMemo::bind(Dataset& dataset, const QString& field)
{
    disconnect(m_rowsConnection);
    disconnect(m_currentConnection);
    m_dataset = &dataset;
    m_field = field;
    m_rowsConnection = connect(&dataset, &Dataset::rowsChanged, this, &DbMemo::refresh);
    m_currentConnection = connect(&dataset, &Dataset::currentChanged, this, &DbMemo::refresh);
    refresh();
}

QString DbMemo::field() const { return m_field; }

void DbMemo::refresh()
{
    const bool hasRow = m_dataset && m_dataset->isOpen() && !m_dataset->isEmpty();
    QString text = hasRow ? m_dataset->asText(m_field) : QString();
    // Stored texts break lines with CR LF; a lone CR would show as a box.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // A view reset sends both signals; the same text again need not be laid out twice.
    if (text == toPlainText())
        return;
    setPlainText(text);
    verticalScrollBar()->setValue(0);
}
