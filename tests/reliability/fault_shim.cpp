// Preloaded into a program (LD_PRELOAD), this shim stands in front of the C library's
// file-system calls and, once armed, fails the n-th of them with a chosen errno.
#include "fault_injection.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

std::atomic<bool> armed{false};
std::atomic<int> calls{0};
int failingCall = 0;
int injectedError = 0;

// True when this call is the one to fail; errno is then set.
bool injectFault() {
    if (!armed.load())
        return false;
    const int call = ++calls;
    if (call != failingCall)
        return false;
    errno = injectedError;
    return true;
}

template <typename Function> Function real(const char* name) {
    static_assert(sizeof(Function) == sizeof(void*));
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// Only a call that may create a file passes a mode.
bool takesMode(int flags) {
    return (flags & (O_CREAT | __O_TMPFILE)) != 0;
}

// Every open call of the program ends here.
int openAt(int directory, const char* path, int flags, mode_t mode) {
    if (injectFault())
        return -1;
    static const auto next = real<int (*)(int, const char*, int, ...)>("openat");
    return next(directory, path, flags, mode);
}

} // namespace

// The macros paste types and parameter lists; the analyzer loses track of va_start in them.
// NOLINTBEGIN(bugprone-macro-parentheses,clang-analyzer-valist.Uninitialized)
extern "C" {

void kavrena_faults_arm(int failAt, int error) {
    failingCall = failAt;
    injectedError = error;
    calls = 0;
    armed = true;
}

int kavrena_faults_disarm() {
    armed = false;
    return calls.load();
}

// The four open calls read the mode that only a call which may create a file passes, and all
// go on as openat.
#define KAVRENA_MODE_ARGUMENT(mode, flags)                                                         \
    mode_t mode = 0;                                                                               \
    if (takesMode(flags)) {                                                                        \
        va_list arguments;                                                                         \
        va_start(arguments, flags);                                                                \
        mode = static_cast<mode_t>(va_arg(arguments, int));                                        \
        va_end(arguments);                                                                         \
    }

int open(const char* path, int flags, ...) {
    KAVRENA_MODE_ARGUMENT(mode, flags)
    return openAt(AT_FDCWD, path, flags, mode);
}

int open64(const char* path, int flags, ...) {
    KAVRENA_MODE_ARGUMENT(mode, flags)
    return openAt(AT_FDCWD, path, flags, mode);
}

int openat(int directory, const char* path, int flags, ...) {
    KAVRENA_MODE_ARGUMENT(mode, flags)
    return openAt(directory, path, flags, mode);
}

int openat64(int directory, const char* path, int flags, ...) {
    KAVRENA_MODE_ARGUMENT(mode, flags)
    return openAt(directory, path, flags, mode);
}

// Every other call passes its arguments through unchanged.
#define KAVRENA_PASS_THROUGH(result, name, parameters, arguments)                                  \
    result name parameters {                                                                       \
        if (injectFault())                                                                         \
            return -1;                                                                             \
        static const auto next = real<result(*) parameters>(#name);                                \
        return next arguments;                                                                     \
    }
KAVRENA_PASS_THROUGH(ssize_t, write, (int fd, const void* data, size_t size), (fd, data, size))
KAVRENA_PASS_THROUGH(ssize_t, pwrite64, (int fd, const void* data, size_t size, off64_t at),
                     (fd, data, size, at))
KAVRENA_PASS_THROUGH(off64_t, lseek64, (int fd, off64_t offset, int whence), (fd, offset, whence))
KAVRENA_PASS_THROUGH(int, fsync, (int fd), (fd))
KAVRENA_PASS_THROUGH(int, fdatasync, (int fd), (fd))
KAVRENA_PASS_THROUGH(int, close, (int fd), (fd))
KAVRENA_PASS_THROUGH(int, ftruncate64, (int fd, off64_t length), (fd, length))
KAVRENA_PASS_THROUGH(int, fchmod, (int fd, mode_t mode), (fd, mode))
KAVRENA_PASS_THROUGH(int, rename, (const char* from, const char* to), (from, to))
KAVRENA_PASS_THROUGH(int, renameat, (int fromDir, const char* from, int toDir, const char* to),
                     (fromDir, from, toDir, to))
KAVRENA_PASS_THROUGH(int, renameat2,
                     (int fromDir, const char* from, int toDir, const char* to, unsigned flags),
                     (fromDir, from, toDir, to, flags))
KAVRENA_PASS_THROUGH(int, link, (const char* from, const char* to), (from, to))
KAVRENA_PASS_THROUGH(int, linkat,
                     (int fromDir, const char* from, int toDir, const char* to, int flags),
                     (fromDir, from, toDir, to, flags))
KAVRENA_PASS_THROUGH(int, unlink, (const char* path), (path))
KAVRENA_PASS_THROUGH(int, unlinkat, (int directory, const char* path, int flags),
                     (directory, path, flags))
KAVRENA_PASS_THROUGH(int, statx,
                     (int directory, const char* path, int flags, unsigned mask, struct statx* out),
                     (directory, path, flags, mask, out))
KAVRENA_PASS_THROUGH(int, fstat64, (int fd, struct stat64* out), (fd, out))
KAVRENA_PASS_THROUGH(int, stat64, (const char* path, struct stat64* out), (path, out))
KAVRENA_PASS_THROUGH(int, lstat64, (const char* path, struct stat64* out), (path, out))
KAVRENA_PASS_THROUGH(int, access, (const char* path, int mode), (path, mode))
KAVRENA_PASS_THROUGH(int, faccessat, (int directory, const char* path, int mode, int flags),
                     (directory, path, mode, flags))
}
// NOLINTEND(bugprone-macro-parentheses,clang-analyzer-valist.Uninitialized)
