#include "Cell.h"

#include <cerrno>
#include <cstdlib>

Cell Cell::text(std::string value)
{
    Cell c;
    c.m_kind = Kind::Text;
    c.m_text = std::move(value);
    return c;
}

Cell Cell::number(std::int64_t value)
{
    Cell c;
    c.m_kind = Kind::Number;
    c.m_number = value;
    return c;
}

Cell Cell::truth(bool value)
{
    Cell c;
    c.m_kind = Kind::Truth;
    c.m_truth = value;
    return c;
}

bool Cell::toNumber(std::int64_t &out) const
{
    switch (m_kind) {
    case Kind::Empty:
        out = 0;
        return true;
    case Kind::Number:
        out = m_number;
        return true;
    case Kind::Truth:
        out = m_truth ? -1 : 0;
        return true;
    case Kind::Text: {
        const char *begin = m_text.c_str();
        while (*begin == ' ')
            ++begin;
        if (*begin == '\0')
            return false;
        char *end = nullptr;
        errno = 0;
        long long v = std::strtoll(begin, &end, 10);
        while (end && *end == ' ')
            ++end;
        if (errno != 0 || !end || *end != '\0')
            return false;
        out = v;
        return true;
    }
    }
    return false;
}

std::int64_t Cell::num() const
{
    std::int64_t v = 0;
    return toNumber(v) ? v : 0;
}

std::string Cell::str() const
{
    switch (m_kind) {
    case Kind::Empty:
        return std::string();
    case Kind::Text:
        return m_text;
    case Kind::Number:
        return std::to_string(m_number);
    case Kind::Truth:
        return m_truth ? "True" : "False";
    }
    return std::string();
}

bool Cell::equalsNumber(std::int64_t value) const
{
    std::int64_t v = 0;
    return m_kind != Kind::Empty && m_kind != Kind::Truth && toNumber(v) && v == value;
}

bool Cell::isFalse() const
{
    return m_kind == Kind::Truth && !m_truth;
}

bool Cell::operator==(const Cell &other) const
{
    if (m_kind != other.m_kind)
        return false;
    switch (m_kind) {
    case Kind::Empty:
        return true;
    case Kind::Text:
        return m_text == other.m_text;
    case Kind::Number:
        return m_number == other.m_number;
    case Kind::Truth:
        return m_truth == other.m_truth;
    }
    return false;
}
