#include "platform/room.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace wellbox {

namespace {

// What a file or print dialog needs: descriptors for its thread's wakeup, a folder's watch and
// the folders it reads; memory for that thread's stack and heap, and for painting. Measured, a
// file dialog takes some 40 MB of address space; room for three times that.
constexpr int kDialogFiles = 8;
constexpr std::size_t kDialogMemory = std::size_t(128) << 20;

constexpr int kMostCounted = 64;

} // namespace

int freeFileDescriptors(int wanted) {
    std::array<int, kMostCounted> taken{};
    wanted = std::min(wanted, kMostCounted);
    int count = 0;
    if ((taken[0] = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0)
        for (count = 1;
             count < wanted && (taken[count] = ::fcntl(taken[0], F_DUPFD_CLOEXEC, 0)) >= 0;)
            ++count;
    for (int i = 0; i < count; ++i)
        ::close(taken[i]);
    return count;
}

std::optional<QString> dialogRoomMissing() {
    if (freeFileDescriptors(kDialogFiles) < kDialogFiles)
        return QString::fromLocal8Bit(std::strerror(EMFILE));
    // Mapped and never touched, so that it counts against the limits and costs no memory.
    void* room = ::mmap(nullptr, kDialogMemory, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (room == MAP_FAILED)
        return QString::fromLocal8Bit(std::strerror(ENOMEM));
    ::munmap(room, kDialogMemory);
    return std::nullopt;
}

} // namespace wellbox
