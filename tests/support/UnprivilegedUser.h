#pragma once

#include <string>

// For its lifetime the test acts as a user without special rights, so that file
// permissions hold as they do for a user: run as root, the effective user becomes
// "nobody" and `folder` is opened up for it; otherwise nothing changes.
class UnprivilegedUser
{
public:
    explicit UnprivilegedUser(const std::string &folder);
    ~UnprivilegedUser();
    UnprivilegedUser(const UnprivilegedUser &) = delete;
    UnprivilegedUser &operator=(const UnprivilegedUser &) = delete;

    // False when the test runs as root and cannot give up its rights.
    bool ok() const { return m_ok; }

private:
    bool m_wasRoot = false;
    bool m_ok = true;
};
