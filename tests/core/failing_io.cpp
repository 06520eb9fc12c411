// Preloaded into the core tests to stand for a failing disk: reads of geburt.dat return a
// few bytes and then fail, and syncing a copy of termin.dat fails.
#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {
std::string pathOf(int fd)
{
    char link[64], target[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t size = readlink(link, target, sizeof target - 1);
    return size > 0 ? std::string(target, size_t(size)) : std::string();
}
bool endsWith(const std::string &text, const char *end)
{
    return text.size() >= strlen(end)
        && text.compare(text.size() - strlen(end), std::string::npos, end) == 0;
}
} // namespace

extern "C" ssize_t read(int fd, void *buffer, size_t count)
{
    static auto *real
        = reinterpret_cast<ssize_t (*)(int, void *, size_t)>(dlsym(RTLD_NEXT, "read"));
    static int reads = 0;
    if (endsWith(pathOf(fd), "/geburt.dat") && reads++ > 0) {
        errno = EIO;
        return -1;
    }
    return real(fd, buffer, endsWith(pathOf(fd), "/geburt.dat") && count > 8 ? 8 : count);
}

extern "C" int fsync(int fd)
{
    static auto *real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    if (pathOf(fd).find("/termin.dat.quirnel-") != std::string::npos) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}
