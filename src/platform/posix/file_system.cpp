#include "platform/file_system.h"

#include "platform/posix/native_path.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return descriptor_; }
    explicit operator bool() const { return descriptor_ >= 0; }
    // close() reports write errors that the file system deferred.
    bool close() { return ::close(std::exchange(descriptor_, -1)) == 0; }

  private:
    int descriptor_;
};

bool writeAll(int descriptor, std::span<const unsigned char> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(std::size_t(written));
    }
    return true;
}

// No write bit at all is a read-only file even for root, who may write anything: so replacing
// fails where it does on Windows.
bool writable(const struct stat& status, const std::string& path) {
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), W_OK) == 0;
}

// The rename is only durable once the folder that holds both names is on the disk.
void syncFolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const FileDescriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor) ::fsync(descriptor.get());
}

bool writeDurably(const std::string& path, std::span<const unsigned char> bytes, mode_t mode) {
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
    return file && writeAll(file.get(), bytes) && ::fsync(file.get()) == 0 && file.close();
}

} // namespace

std::optional<std::vector<unsigned char>> readWholeFile(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(nativePath(path).c_str(), "rb"),
                                                         &std::fclose);
    if (!file) return std::nullopt;
    std::vector<unsigned char> data;
    unsigned char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;)
        data.insert(data.end(), buffer, buffer + n);
    if (std::ferror(file.get())) return std::nullopt;
    return data;
}

bool fileExists(const std::string& path) {
    struct stat status {};
    return ::stat(nativePath(path).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool replaceFile(const std::string& windowsPath, std::span<const unsigned char> bytes) {
    if (windowsPath.empty()) return false;
    const std::string path = nativePath(windowsPath);
    mode_t mode = 0666;
    if (struct stat status{}; ::stat(path.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode) || !writable(status, path)) return false;
        mode = status.st_mode & 07777;
    }
    const std::string staged = temporaryPath(path);
    if (!writeDurably(staged, bytes, mode) || ::rename(staged.c_str(), path.c_str()) != 0) {
        ::unlink(staged.c_str());
        return false;
    }
    syncFolderOf(path);
    return true;
}
