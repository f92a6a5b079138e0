#include "tools/jetwriter/ColumnLayout.h"

#include <QSet>
#include <stdexcept>

namespace jet {

namespace {
constexpr int kMaxColumns = 255;
constexpr int kMaxNameLength = 64;
constexpr int kMaxTextLength = 255;
} // namespace

bool isFixed(JetType type)
{
    return type != JetType::Text && type != JetType::Memo && type != JetType::Ole;
}

int fixedSize(JetType type)
{
    switch (type) {
    case JetType::Boolean: return 0;
    case JetType::Byte: return 1;
    case JetType::Integer: return 2;
    case JetType::Long: return 4;
    case JetType::Double:
    case JetType::DateTime: return 8;
    case JetType::Text:
    case JetType::Ole:
    case JetType::Memo: return 0;
    }
    return 0;
}

void checkObjectName(const QString& name, const char* what)
{
    if (name.trimmed().isEmpty())
        throw std::runtime_error(std::string("a ") + what + " needs a name");
    if (name.size() > kMaxNameLength)
        throw std::runtime_error(std::string(what) + " name \"" + name.toStdString() + "\" is longer than " +
                                 std::to_string(kMaxNameLength) + " characters");
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c == '.' || c == '!' || c == '[' || c == ']' || c == '`')
            throw std::runtime_error(std::string(what) + " name \"" + name.toStdString() +
                                     "\" holds a character Jet does not allow in names");
    }
}

TableLayout::TableLayout(const std::vector<ColumnDeclaration>& declared, const Format& format, bool compressText)
{
    if (declared.empty())
        throw std::runtime_error("a table needs at least one column");
    if (declared.size() > size_t(kMaxColumns))
        throw std::runtime_error("a table holds at most " + std::to_string(kMaxColumns) + " columns");
    QSet<QString> seen;
    for (const ColumnDeclaration& column : declared) {
        checkObjectName(column.name, "column");
        const QString key = column.name.toCaseFolded();
        if (seen.contains(key))
            throw std::runtime_error("column \"" + column.name.toStdString() + "\" appears twice");
        seen.insert(key);

        ColumnSlot slot;
        slot.name = column.name;
        slot.type = column.type;
        slot.number = int(m_columns.size());
        slot.fixed = isFixed(column.type);
        if (slot.fixed) {
            slot.fixedOffset = m_fixedLength;
            slot.length = fixedSize(column.type);
            m_fixedLength += slot.length;
        } else {
            slot.varIndex = m_varCount++;
        }
        if (column.type == JetType::Text) {
            if (column.textLength < 1 || column.textLength > kMaxTextLength)
                throw std::runtime_error("text column \"" + column.name.toStdString() + "\" must hold 1 to " +
                                         std::to_string(kMaxTextLength) + " characters");
            slot.textLength = column.textLength;
            slot.length = format.unicode() ? 2 * column.textLength : column.textLength;
        }
        slot.compressed = compressText && format.unicode() &&
                          (column.type == JetType::Text || column.type == JetType::Memo);
        m_columns.push_back(slot);
    }
}

} // namespace jet
