#include "core/history/GitHandles.h"

#include <cerrno>
#include <cstring>

namespace tabwise::git {

Library::Library()
{
    // Opened once for the whole run and never shut down: shutting it down while another thread
    // still runs orphans that thread's error state, and opening it again forgets the settings.
    static const bool opened = [] {
        git_libgit2_init();
        for (const int level :
            { GIT_CONFIG_LEVEL_SYSTEM, GIT_CONFIG_LEVEL_XDG, GIT_CONFIG_LEVEL_GLOBAL, GIT_CONFIG_LEVEL_PROGRAMDATA })
            git_libgit2_opts(GIT_OPT_SET_SEARCH_PATH, level, "");
        git_libgit2_opts(GIT_OPT_ENABLE_FSYNC_GITDIR, 1);
        return true;
    }();
    (void)opened;
}

QString lastError()
{
    const git_error* error = git_error_last();
    if (error && error->message && *error->message)
        return QString::fromUtf8(error->message);
    // Some failed writes leave only the system's word (a file too large for the disk).
    return errno ? QString::fromLocal8Bit(std::strerror(errno)) : QStringLiteral("no reason given");
}

bool lastErrorIsSystem()
{
    const git_error* error = git_error_last();
    return error ? error->klass == GIT_ERROR_OS : errno != 0;
}

QByteArray toHex(const git_oid& id)
{
    char hex[GIT_OID_HEXSZ + 1];
    git_oid_tostr(hex, sizeof hex, &id);
    return QByteArray(hex);
}

git_oid fromHex(const QByteArray& hex)
{
    git_oid id {};
    if (hex.size() != GIT_OID_HEXSZ || git_oid_fromstrn(&id, hex.constData(), size_t(hex.size())) < 0)
        id = git_oid {};
    return id;
}

} // namespace tabwise::git
