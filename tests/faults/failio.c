/* Loaded with LD_PRELOAD: fails the FAIL_AT-th call (counted from 1) of the kind FAIL_CALL
 * (write into a regular file, fsync, fdatasync, link, rename) with EIO. At exit it writes to
 * FAIL_COUNT how many calls of that kind were made, and 1 when the failed call was a flush
 * that left written bytes off the disk (else 0). */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

enum { Descriptors = 4096 };
static long calls;
static int harmful;
static char dirty[Descriptors]; /* written since its last flush */

#define NEXT(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

static int fails(const char* kind) {
    const char* call = getenv("FAIL_CALL");
    const char* at = getenv("FAIL_AT");
    if (call == NULL || strcmp(call, kind) != 0) {
        return 0;
    }
    ++calls;
    return at != NULL && atol(at) == calls;
}

static int failed(void) {
    errno = EIO;
    return -1;
}

static int known(int fd) {
    return fd >= 0 && fd < Descriptors;
}

/* The lock beside the store only says who uses it: its bytes need not reach the disk. */
static int isLock(int fd) {
    char link[64];
    char path[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t size = readlink(link, path, sizeof path);
    return size > 5 && memcmp(path + size - 5, ".lock", 5) == 0;
}

__attribute__((destructor)) static void report(void) {
    const char* out = getenv("FAIL_COUNT");
    FILE* file = out != NULL ? fopen(out, "w") : NULL;
    if (file != NULL) {
        fprintf(file, "%ld %d\n", calls, harmful);
        fclose(file);
    }
}

ssize_t write(int fd, const void* data, size_t size) {
    struct stat info;
    if (fd <= 2 || fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        return NEXT(write)(fd, data, size);
    }
    if (fails("write")) {
        return failed();
    }
    const ssize_t written = NEXT(write)(fd, data, size);
    if (written > 0 && known(fd) && !isLock(fd)) {
        dirty[fd] = 1;
    }
    return written;
}

static int flush(int fd, const char* kind, int (*next)(int)) {
    if (fails(kind)) {
        harmful |= known(fd) && dirty[fd];
        return failed();
    }
    const int result = next(fd);
    if (result == 0 && known(fd)) {
        dirty[fd] = 0;
    }
    return result;
}

int fsync(int fd) {
    return flush(fd, "fsync", NEXT(fsync));
}

int fdatasync(int fd) {
    return flush(fd, "fdatasync", NEXT(fdatasync));
}

int close(int fd) {
    if (known(fd)) {
        dirty[fd] = 0;
    }
    return NEXT(close)(fd);
}

int link(const char* from, const char* to) {
    return fails("link") ? failed() : NEXT(link)(from, to);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags) {
    return fails("link") ? failed() : NEXT(linkat)(fromDir, from, toDir, to, flags);
}

int rename(const char* from, const char* to) {
    return fails("rename") ? failed() : NEXT(rename)(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to) {
    return fails("rename") ? failed() : NEXT(renameat)(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
    return fails("rename") ? failed() : NEXT(renameat2)(fromDir, from, toDir, to, flags);
}
