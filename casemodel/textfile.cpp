#include "casemodel/textfile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

bool ReadWholeFile(const std::string& path, std::string& contents)
{
    // In one read of the size the file has: result files run to tens of megabytes, and reading
    // them must cost little next to parsing them.
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return false;
    const std::uintmax_t size = fs::file_size(path, ec);
    std::ifstream in(path, std::ios::binary);
    if (ec || !in)
        return false;
    contents.resize(static_cast<std::size_t>(size));
    in.read(contents.data(), static_cast<std::streamsize>(size));
    // A file still being written is taken as far as it was when its size was asked.
    contents.resize(static_cast<std::size_t>(in.gcount()));
    return !in.bad();
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == '\r')
            --stop;
        lines.push_back(text.substr(start, stop - start));
        start = last ? text.size() : end + 1;
    }
    return lines;
}

std::string_view WrittenLines(std::string_view text)
{
    const std::size_t lastEnd = text.rfind('\n');
    return text.substr(0, lastEnd == std::string_view::npos ? 0 : lastEnd + 1);
}

namespace {

// The file a path names once its symbolic links are followed (the path itself when it is none),
// also when the last link points to a file not yet made.
fs::path FinalTarget(fs::path path)
{
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(path, ec); ++hops) {
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

bool WriteAllAndSync(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            // A write that takes nothing without an error has run out of room.
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return ::fsync(fd) == 0;
}

// False, with the reason of the error number when asked for it.
bool Failed(int error, std::string* why)
{
    if (why)
        *why = std::strerror(error);
    return false;
}

// Opens a new temporary file beside the target, exclusively, so that it is never a file another
// save is writing. A save killed before its rename leaves its temporary file behind, and a later
// process may get the same pid; the next free name "<target>.tmp<pid>.<n>" is taken then. The
// leftover stays where it is: it may belong to a save still running. The number of tries is
// bounded only so that a file system that answers "exists" to every name cannot hold the save.
int OpenTemporary(const std::string& target, mode_t mode, std::string& temp)
{
    constexpr unsigned MaxTries = 10000;
    const std::string first = target + ".tmp" + std::to_string(::getpid());
    temp = first;
    for (unsigned n = 1;; ++n) {
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST || n == MaxTries)
            return fd;
        temp = first + "." + std::to_string(n);
    }
}

} // namespace

std::string WhyNotReplaceable(const std::string& path)
{
    // The three reasons found here are spelled out so that they read the same in any locale; a
    // name that cannot be looked up (a link loop, a folder that may not be searched) gives the
    // system's own.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return errno == ENOENT ? std::string() : std::string(std::strerror(errno));
    if (S_ISDIR(st.st_mode))
        return "Is a directory";
    if (!S_ISREG(st.st_mode))
        return "Not a regular file";
    if (::access(path.c_str(), W_OK) != 0)
        return errno == EACCES ? std::string("Permission denied") : std::string(std::strerror(errno));
    return std::string();
}

bool ReplaceWholeFile(const std::string& path, std::string_view contents, std::string* why)
{
    // Refused before a whole file is written beside it.
    const std::string refusal = WhyNotReplaceable(path);
    if (!refusal.empty()) {
        if (why)
            *why = refusal;
        return false;
    }
    const fs::path target = FinalTarget(path);
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    std::string temp;
    const int fd = OpenTemporary(target.string(), existed ? (old.st_mode & 07777) : 0666, temp);
    if (fd < 0)
        return Failed(errno, why);
    bool ok = WriteAllAndSync(fd, contents);
    if (existed && ok)
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;  // the creation mode went through the umask
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return Failed(error, why);
    }
    return true;
}
