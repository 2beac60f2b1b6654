#pragma once

#include <cstdint>
#include <string>

// One cell of a data table: it keeps the kind of the field it was read from
// (quoted text, decimal number or #TRUE#/#FALSE#); a cell no line filled is empty.
class Cell
{
public:
    enum class Kind { Empty, Text, Number, Truth };

    Cell() = default;
    static Cell text(std::string value);
    static Cell number(std::int64_t value);
    static Cell truth(bool value);

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }

    // The cell used as a number: empty counts as 0, a truth value as -1 / 0,
    // a text only when it holds a decimal number. Returns false when it has no number form.
    bool toNumber(std::int64_t &out) const;
    // The cell as a number, 0 when it has no number form.
    std::int64_t num() const;
    // The cell used as text (numbers in decimal, truth values as "True"/"False").
    std::string str() const;

    // The tests the editors make on the map table: "equal to the number 1" and "is false".
    bool equalsNumber(std::int64_t value) const;
    bool isFalse() const;

    bool operator==(const Cell &other) const;
    bool operator!=(const Cell &other) const { return !(*this == other); }

private:
    Kind m_kind = Kind::Empty;
    std::string m_text;
    std::int64_t m_number = 0;
    bool m_truth = false;
};
