#pragma once
// Where each column of a table lives: its type code, its bit in the null mask, its place in the
// fixed area or in the row's table of variable-length offsets.

#include "tools/jetwriter/JetFormat.h"

#include <QString>
#include <vector>

namespace jet {

// Column type codes as the table definition stores them.
enum class JetType : quint8 {
    Boolean = 0x01,
    Byte = 0x02,
    Integer = 0x03,
    Long = 0x04,
    Double = 0x07,
    DateTime = 0x08,
    Text = 0x0a,
    Ole = 0x0b,
    Memo = 0x0c,
};

struct ColumnDeclaration {
    QString name;
    JetType type;
    int textLength = 255; // characters, Text only
};

struct ColumnSlot {
    QString name;
    JetType type;
    int number = 0;       // the column's bit in the null mask
    bool fixed = false;
    int fixedOffset = 0;  // fixed columns: from the start of the fixed area
    int varIndex = 0;     // variable columns: entry in the row's offset table
    int length = 0;       // fixed columns: bytes taken; text: the most bytes a value takes
    int textLength = 0;   // text: the most characters
    bool compressed = false;
};

class TableLayout {
public:
    // Throws std::runtime_error for a name or length the format cannot hold.
    TableLayout(const std::vector<ColumnDeclaration>& declared, const Format& format, bool compressText);

    const std::vector<ColumnSlot>& columns() const { return m_columns; }
    int fixedLength() const { return m_fixedLength; }
    int varCount() const { return m_varCount; }

private:
    std::vector<ColumnSlot> m_columns;
    int m_fixedLength = 0;
    int m_varCount = 0;
};

// Bytes a fixed column takes in a row (a boolean lives in the null mask and takes none).
int fixedSize(JetType type);
bool isFixed(JetType type);
// Checks an object name (table, column) against what Jet accepts; throws std::runtime_error.
void checkObjectName(const QString& name, const char* what);

} // namespace jet
