// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <csignal>
#include <cstdio>

#include <sys/resource.h>
#include <unistd.h>

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

// Allocations fail once the process would map more than `extraBytes` beyond what it maps
// now, as they fail on a machine that is short of memory.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(rlim_t extraBytes) {
        getrlimit(RLIMIT_AS, &m_saved);
        long pages = 0;
        if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
            m_applied = std::fscanf(statm, "%ld", &pages) == 1;
            std::fclose(statm);
        }
        const rlimit limit{static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + extraBytes, m_saved.rlim_max};
        m_applied = m_applied && setrlimit(RLIMIT_AS, &limit) == 0;
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &m_saved); }
    Q_DISABLE_COPY(AddressSpaceLimit)
    bool applied() const { return m_applied; }

private:
    rlimit m_saved{};
    bool m_applied = false;
};
