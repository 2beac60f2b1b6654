#include "UndoList.h"

#include <algorithm>

void UndoList::Push(std::int16_t row, std::int16_t column, std::int16_t previous)
{
    if (m_count == Capacity) {
        std::copy(m_records + 1, m_records + Capacity, m_records);
        --m_count;
    }
    m_records[m_count++] = UndoRecord{row, column, previous};
}

UndoRecord UndoList::Pop()
{
    // The menu item is disabled on an empty list; answer harmlessly all the same.
    if (m_count == 0)
        return UndoRecord{};
    return m_records[--m_count];
}
