#pragma once

#include <QByteArray>
#include <QString>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

// Honest faults for tests that run as root, as they do in CI, where permission bits alone
// stop nothing. Each undoes itself when it goes out of scope.

// Writes fail once a file would pass a few bytes: the kernel refuses the rest with EFBIG,
// just as it refuses a write to a full disk with ENOSPC.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_applied = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool applied() const { return m_applied; }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_applied = false;
};

// A small tmpfs mounted over a folder. Only a process allowed to mount gets one; the others
// learn why not from error().
class TmpfsMount {
public:
    TmpfsMount(const QString& folder, const QByteArray& options)
        : m_folder(folder.toLocal8Bit()), m_options(options) {
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, m_options.constData()) == 0;
        if (!m_mounted)
            m_error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~TmpfsMount() {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return m_mounted; }
    QString error() const { return m_error; }
    bool remountReadOnly() {
        return ::mount("tmpfs", m_folder.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                       m_options.constData()) == 0;
    }

private:
    QByteArray m_folder;
    QByteArray m_options;
    bool m_mounted = false;
    QString m_error;
};

// This thread reaches files as the unprivileged user "nobody" (65534) while it lives, so that
// permission bits hold even when the test runs as root. Without root nothing changes.
class FilesAsNobody {
public:
    static constexpr uid_t kNobody = 65534;

    FilesAsNobody() {
        if (geteuid() != 0) {
            m_works = true;
            return;
        }
        setfsuid(kNobody);
        m_changed = true;
        m_works = setfsuid(static_cast<uid_t>(-1)) == static_cast<int>(kNobody);
    }
    ~FilesAsNobody() {
        if (m_changed)
            setfsuid(0);
    }
    FilesAsNobody(const FilesAsNobody&) = delete;
    FilesAsNobody& operator=(const FilesAsNobody&) = delete;
    bool works() const { return m_works; }

private:
    bool m_changed = false;
    bool m_works = false;
};
