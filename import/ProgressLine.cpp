#include "import/ProgressLine.h"

#include <QList>

namespace {

QByteArray escaped(const QString& text)
{
    QByteArray out = text.toUtf8();
    out.replace('\\', "\\\\");
    out.replace('\n', "\\n");
    out.replace('\r', "\\r");
    return out;
}

QString unescaped(const QByteArray& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            out += text[i];
        }
    }
    return QString::fromUtf8(out);
}

} // namespace

QByteArray progressLine(const ProgressEvent& e)
{
    switch (e.kind) {
    case ProgressEvent::Started:
        return "started " + QByteArray::number(e.tables) + ' ' + QByteArray::number(e.rows) + '\n';
    case ProgressEvent::Table:
        return "table " + QByteArray::number(e.index) + ' ' + QByteArray::number(e.rows) + ' ' + escaped(e.text) + '\n';
    case ProgressEvent::Rows:
        return "rows " + QByteArray::number(e.rows) + '\n';
    case ProgressEvent::Missing:
        return "missing " + escaped(e.text) + '\n';
    case ProgressEvent::Done:
        return "done " + QByteArray::number(e.tables) + ' ' + QByteArray::number(e.rows) + '\n';
    case ProgressEvent::Failed:
        return "failed " + escaped(e.text) + '\n';
    case ProgressEvent::Unknown:
        break;
    }
    return QByteArray();
}

ProgressEvent parseProgressLine(const QByteArray& raw)
{
    const QByteArray line = raw.endsWith('\n') ? raw.chopped(1) : raw;
    const int space = line.indexOf(' ');
    const QByteArray word = space < 0 ? line : line.left(space);
    const QByteArray rest = space < 0 ? QByteArray() : line.mid(space + 1);
    const QList<QByteArray> parts = rest.split(' ');
    ProgressEvent e;
    bool ok1 = false;
    bool ok2 = false;
    if (word == "started" && parts.size() == 2) {
        e.tables = parts[0].toInt(&ok1);
        e.rows = parts[1].toLongLong(&ok2);
        e.kind = ok1 && ok2 ? ProgressEvent::Started : ProgressEvent::Unknown;
    } else if (word == "table" && parts.size() >= 3) {
        e.index = parts[0].toInt(&ok1);
        e.rows = parts[1].toLongLong(&ok2);
        e.text = unescaped(rest.mid(parts[0].size() + parts[1].size() + 2));
        e.kind = ok1 && ok2 ? ProgressEvent::Table : ProgressEvent::Unknown;
    } else if (word == "rows" && parts.size() == 1) {
        e.rows = parts[0].toLongLong(&ok1);
        e.kind = ok1 ? ProgressEvent::Rows : ProgressEvent::Unknown;
    } else if (word == "missing") {
        e.text = unescaped(rest);
        e.kind = ProgressEvent::Missing;
    } else if (word == "done" && parts.size() == 2) {
        e.tables = parts[0].toInt(&ok1);
        e.rows = parts[1].toLongLong(&ok2);
        e.kind = ok1 && ok2 ? ProgressEvent::Done : ProgressEvent::Unknown;
    } else if (word == "failed") {
        e.text = unescaped(rest);
        e.kind = ProgressEvent::Failed;
    }
    return e;
}

void writeProgressLine(std::FILE* out, const ProgressEvent& event)
{
    const QByteArray line = progressLine(event);
    std::fwrite(line.constData(), 1, size_t(line.size()), out);
    std::fflush(out);
}
