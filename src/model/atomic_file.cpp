#include "atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanta {

namespace {

// A new file beside the target under a fresh name (".tabella.csv.scrittura-" and six random
// letters), with the permissions of the file it replaces or those the system gives a new file.
int createTemporaryFile(const std::filesystem::path& target, std::string& temporary) {
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    const mode_t mode = replacing ? existing.st_mode & 0777 : 0666;
    const std::string stem = "." + target.filename().string() + ".scrittura-";
    std::random_device random;
    std::uniform_int_distribution<int> letter(0, 25);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string leaf = stem;
        for (int k = 0; k < 6; ++k)
            leaf += static_cast<char>('a' + letter(random));
        temporary = (target.parent_path() / leaf).string();
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::string_view bytes, int& error) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0) {
            error = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::string systemReason(int error) {
    switch (error) {
    case ENOENT:
        return "il file o la cartella non esiste";
    case EACCES:
    case EPERM:
        return "permesso negato";
    case ENOSPC:
    case EDQUOT:
        return "spazio su disco esaurito";
    case EROFS:
        return "il disco è di sola lettura";
    case EISDIR:
        return "il nome indica una cartella";
    case ENOTDIR:
        return "il percorso non è valido";
    case ENAMETOOLONG:
        return "il nome del file è troppo lungo";
    default:
        return std::string("errore di sistema (") + std::strerror(error) + ")";
    }
}

std::string writeFileAtomically(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target(path);
    if (target.filename().empty())
        return "il nome del file è vuoto";
    std::error_code ignored;
    if (std::filesystem::is_directory(target, ignored))
        return systemReason(EISDIR);
    std::string temporary;
    const int fd = createTemporaryFile(target, temporary);
    if (fd < 0)
        return "impossibile creare il file: " + systemReason(errno);
    int error = 0;
    bool ok = writeAll(fd, bytes, error);
    if (ok && ::fsync(fd) != 0)
        error = errno, ok = false;
    if (::close(fd) != 0 && ok)
        error = errno, ok = false;
    if (ok && std::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno, ok = false;
    if (!ok) {
        ::unlink(temporary.c_str());
        return "impossibile scrivere il file: " + systemReason(error);
    }
    return {};
}

} // namespace orvanta
