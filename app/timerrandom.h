// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRandomGenerator>

#include "core/services.h"

// The one generator of the run, seeded from the system clock at start-up.
class TimerSeededRandom : public RandomSource {
public:
    void seedFromClock() override;
    double next() override { return m_generator.generateDouble(); }

private:
    QRandomGenerator m_generator;
};
