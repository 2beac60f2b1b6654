#pragma once

#include <cstdint>

// One paint: the map block's row and column (from 1) and the block it held before.
struct UndoRecord
{
    std::int16_t Row = 0;
    std::int16_t Column = 0;
    std::int16_t Previous = 0;
};

// The main window's undo list: up to 100 records, the oldest first; a paint beyond
// that drops the oldest.
class UndoList
{
public:
    static constexpr int Capacity = 100;

    int UndoCount() const { return m_count; }
    bool empty() const { return m_count == 0; }
    void Push(std::int16_t row, std::int16_t column, std::int16_t previous);
    // The newest record, removed from the list; an empty list gives a zero record and stays empty.
    UndoRecord Pop();
    void Clear() { m_count = 0; }
    // Record n (1 = oldest).
    const UndoRecord &Record(int n) const { return m_records[n - 1]; }

private:
    UndoRecord m_records[Capacity];
    int m_count = 0;
};
