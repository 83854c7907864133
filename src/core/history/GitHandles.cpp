#include "core/history/GitHandles.h"

#include <QByteArrayView>
#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include <dlfcn.h>

namespace tabwise {

#define TABWISE_GIT_DEFINE(name) decltype(&::name) name = nullptr;
TABWISE_GIT_FUNCTIONS(TABWISE_GIT_DEFINE)
#undef TABWISE_GIT_DEFINE

} // namespace tabwise

namespace tabwise::git {

namespace {

// libgit2's cache of parsed objects, 256 MB by default, is kept to this.
constexpr size_t cacheBytes = 16 << 20;
// libssh2's LIBSSH2_INIT_NO_CRYPTO.
constexpr int sshWithoutCrypto = 1;

struct Loaded {
    std::mutex mutex;
    void* library = nullptr;
    void* ssh = nullptr;
    int users = 0;
    std::vector<std::thread::id> openers; // the threads that opened it since it was loaded
    QString error;

    bool load();
    void unload();
};

Loaded& loaded()
{
    static Loaded state;
    return state;
}

template <typename Function> bool resolve(void* library, Function*& function, const char* name)
{
    function = reinterpret_cast<Function*>(dlsym(library, name));
    return function != nullptr;
}

bool Loaded::load()
{
    if (library)
        return true;
    library = dlopen(TABWISE_LIBGIT2_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        error = QString::fromLocal8Bit(dlerror());
        return false;
    }
    bool resolved = true;
#define TABWISE_GIT_RESOLVE(name) resolved = resolve(library, name, #name) && resolved;
    TABWISE_GIT_FUNCTIONS(TABWISE_GIT_RESOLVE)
#undef TABWISE_GIT_RESOLVE
    if (!resolved) {
        error = QCoreApplication::translate("History", "%1 lacks functions the history needs")
                    .arg(QLatin1String(TABWISE_LIBGIT2_SONAME));
        dlclose(library);
        library = nullptr;
        return false;
    }
    // libgit2 sets up libssh2 for its ssh transport, and libssh2 sets up OpenSSL, whose memory is
    // never given back. The history only reads and writes a repository on disk: libssh2 is set up
    // first, without OpenSSL, and libgit2's setting up then only counts one more user.
    ssh = dlopen("libssh2.so.1", RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
    int (*sshInit)(int) = nullptr;
    if (ssh && resolve(ssh, sshInit, "libssh2_init"))
        sshInit(sshWithoutCrypto);
    git_libgit2_init();
    for (const int level :
        { GIT_CONFIG_LEVEL_SYSTEM, GIT_CONFIG_LEVEL_XDG, GIT_CONFIG_LEVEL_GLOBAL, GIT_CONFIG_LEVEL_PROGRAMDATA })
        git_libgit2_opts(GIT_OPT_SET_SEARCH_PATH, level, "");
    git_libgit2_opts(GIT_OPT_ENABLE_FSYNC_GITDIR, 1);
    git_libgit2_opts(GIT_OPT_SET_CACHE_MAX_SIZE, ssize_t(cacheBytes));
    return true;
}

void Loaded::unload()
{
    git_libgit2_shutdown();
    void (*sshExit)() = nullptr;
    if (ssh && resolve(ssh, sshExit, "libssh2_exit"))
        sshExit();
    if (ssh)
        dlclose(ssh);
    dlclose(library);
    ssh = library = nullptr;
#define TABWISE_GIT_FORGET(name) name = nullptr;
    TABWISE_GIT_FUNCTIONS(TABWISE_GIT_FORGET)
#undef TABWISE_GIT_FORGET
    openers.clear();
}

} // namespace

Library::Library()
{
    Loaded& state = loaded();
    const std::lock_guard lock(state.mutex);
    m_ok = state.load();
    if (!m_ok) {
        m_error = state.error;
        return;
    }
    ++state.users;
    if (std::find(state.openers.begin(), state.openers.end(), std::this_thread::get_id()) == state.openers.end())
        state.openers.push_back(std::this_thread::get_id());
}

Library::~Library()
{
    if (!m_ok)
        return;
    Loaded& state = loaded();
    const std::lock_guard lock(state.mutex);
    --state.users;
}

bool letGo()
{
    Loaded& state = loaded();
    const std::lock_guard lock(state.mutex);
    if (!state.library)
        return true;
    if (state.users > 0 || state.openers != std::vector { std::this_thread::get_id() })
        return false;
    state.unload();
    return true;
}

QString lastError()
{
    const git_error* error = git_error_last();
    if (error && error->message && *error->message)
        return QString::fromUtf8(error->message);
    // Some failed writes leave only the system's word (a file too large for the disk).
    return errno ? QString::fromLocal8Bit(std::strerror(errno))
                 : QCoreApplication::translate("History", "no reason given");
}

bool lastErrorIsSystem()
{
    const git_error* error = git_error_last();
    return error ? error->klass == GIT_ERROR_OS : errno != 0;
}

QByteArray toHex(const git_oid& id)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(id.id), GIT_OID_RAWSZ).toHex();
}

git_oid fromHex(const QByteArray& hex)
{
    git_oid id {};
    const QByteArray raw = QByteArray::fromHex(hex);
    if (hex.size() == GIT_OID_HEXSZ && raw.size() == GIT_OID_RAWSZ && raw.toHex() == hex.toLower())
        std::memcpy(id.id, raw.constData(), GIT_OID_RAWSZ);
    return id;
}

} // namespace tabwise::git
