#include "ProgressFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orrinvale {

namespace {

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// Makes the folder and those above it that are missing, for this user only.
bool makeFolders(const std::string& folder)
{
    for (std::size_t at = 1; at <= folder.size(); ++at) {
        if (at != folder.size() && folder[at] != '/')
            continue;
        const std::string part = folder.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st{};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool writeAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string progressFilePath(const std::function<std::string(const char*)>& variable, const std::string& mapId)
{
    // XDG_STATE_HOME counts only as an absolute path; a
    // relative one is ignored.
    std::string state = variable("XDG_STATE_HOME");
    if (state.empty() || state.front() != '/') {
        const std::string home = variable("HOME");
        if (home.empty() || home.front() != '/')
            return {};
        state = home + "/.local/state";
    }
    return state + "/orrinvale/progress" + (mapId == statesMap().id ? std::string() : "-" + mapId);
}

ProgressFile::ProgressFile(std::string path, std::ostream& complaints)
    : path_(std::move(path)), complaints_(complaints)
{
    if (path_.empty())
        complain("no home folder to keep practice progress in: practising without saving");
}

void ProgressFile::tell(const std::string& what)
{
    complaints_ << "orrinvale: " << what << '\n';
}

void ProgressFile::complain(const std::string& what)
{
    if (complained_)
        return;
    complained_ = true;
    tell(what);
}

std::optional<std::string> ProgressFile::load()
{
    if (path_.empty())
        return std::nullopt;
    // Opened without waiting, so a FIFO put there cannot hang the quiz.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) {
            keepOff_ = true;
            complain("cannot read practice progress in " + path_ + " (" + std::strerror(errno) +
                     "): practising without saving");
        }
        return std::nullopt;
    }
    struct stat st{};
    std::string text;
    bool readable = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (readable && st.st_size <= static_cast<off_t>(kMostBytes)) {
        char chunk[4096];
        for (;;) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                readable = false;
            if (n <= 0)
                break;
            text.append(chunk, static_cast<std::size_t>(n));
            if (text.size() > kMostBytes)
                break;  // grown since: no schedule, set aside by the caller
        }
    } else if (readable) {
        text.assign(kMostBytes + 1, '\0');  // too large to be a schedule
    }
    ::close(fd);
    if (!readable) {
        keepOff_ = true;
        complain("cannot read practice progress in " + path_ + ": practising without saving");
        return std::nullopt;
    }
    return text;
}

void ProgressFile::setAside()
{
    if (path_.empty() || keepOff_)
        return;
    const std::string aside = path_ + ".damaged-" + std::to_string(static_cast<long long>(std::time(nullptr)));
    if (::rename(path_.c_str(), aside.c_str()) != 0) {
        keepOff_ = true;
        complain("practice progress in " + path_ + " is damaged and cannot be moved aside (" +
                 std::strerror(errno) + "): practising afresh without saving");
        return;
    }
    complain("practice progress in " + path_ + " was damaged: kept as " + aside + ", starting afresh");
}

void ProgressFile::save(const std::string& text)
{
    if (path_.empty() || keepOff_)
        return;
    const std::string folder = folderOf(path_);
    const std::string temporary = path_ + ".new-" + std::to_string(static_cast<long long>(::getpid()));
    int fd = -1;
    bool saved = makeFolders(folder) &&
                 (fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600)) >= 0 &&
                 writeAll(fd, text) && ::fsync(fd) == 0;
    const int error = errno;
    if (fd >= 0 && ::close(fd) != 0)
        saved = false;
    if (saved && ::rename(temporary.c_str(), path_.c_str()) == 0) {
        // The rename itself reaches the disk with the folder.
        const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
        return;
    }
    if (fd >= 0)
        ::unlink(temporary.c_str());
    complain("cannot save practice progress to " + path_ + " (" + std::strerror(saved ? errno : error) +
             "): practising without saving");
}

bool ProgressFile::forget()
{
    if (path_.empty() || ::unlink(path_.c_str()) == 0 || errno == ENOENT)
        return true;
    complain("cannot remove practice progress " + path_ + " (" + std::strerror(errno) + ")");
    return false;
}

} // namespace orrinvale
