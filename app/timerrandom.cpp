// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/timerrandom.h"

#include <QDateTime>

void TimerSeededRandom::seedFromClock() {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    m_generator.seed(static_cast<quint32>(now ^ (now >> 32)));
}
