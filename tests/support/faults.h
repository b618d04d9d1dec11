#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <csignal>

#include <sys/resource.h>

// Writes fail once a file would pass `bytes`: the kernel refuses the rest with EFBIG, as it
// refuses a write to a full disk with ENOSPC. Honest even as root, as the tests run in CI.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        const rlimit limit{bytes, m_saved.rlim_max};
        m_applied = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    Q_DISABLE_COPY(FileSizeLimit)
    bool applied() const { return m_applied; }

private:
    void (*m_oldHandler)(int);
    rlimit m_saved{};
    bool m_applied = false;
};
