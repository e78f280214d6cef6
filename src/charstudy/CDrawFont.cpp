#include "charstudy/CDrawFont.h"

void CDrawFont::Serialize(strokefile::StrokeObject& record, bool storing) {
    SerializeBase(record, storing);
    if (storing)
        record.values = {m_values[0], m_values[1]};
    else if (record.values.size() == 2)
        m_values = {record.values[0], record.values[1]};
}
