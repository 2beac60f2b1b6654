#include "UnprivilegedUser.h"

#include <filesystem>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

} // namespace

UnprivilegedUser::UnprivilegedUser(const std::string &folder)
    : m_wasRoot(geteuid() == 0)
{
    if (!m_wasRoot)
        return;
    std::error_code ec;
    std::filesystem::permissions(folder, std::filesystem::perms::all, std::filesystem::perm_options::replace, ec);
    m_ok = !ec && seteuid(Nobody) == 0;
}

UnprivilegedUser::~UnprivilegedUser()
{
    if (m_wasRoot && m_ok && seteuid(0) != 0)
        _exit(3); // a test left without its rights could not clean up after itself
}
