#include "game/penaltybox.h"

// Placeholder rules until the penalty box is built: penalties are listed, nothing runs.

int PenaltyBox::add(Team team, const QString& player, PenaltyKind kind) {
    Penalty penalty;
    penalty.id = m_nextId++;
    penalty.team = team;
    penalty.player = player;
    penalty.kind = kind;
    penalty.secondsLeft = kind == PenaltyKind::Minor ? kMinorSeconds : kMajorSeconds;
    m_penalties.append(penalty);
    return penalty.id;
}

bool PenaltyBox::remove(int id) {
    return m_penalties.removeIf([id](const Penalty& p) { return p.id == id; }) > 0;
}

QList<Penalty> PenaltyBox::elapse(double) {
    return {};
}

std::optional<Penalty> PenaltyBox::goalScored(Team) {
    return std::nullopt;
}

void PenaltyBox::clear() {
    m_penalties.clear();
}

std::optional<Penalty> PenaltyBox::find(int id) const {
    for (const Penalty& p : m_penalties) {
        if (p.id == id)
            return p;
    }
    return std::nullopt;
}

int PenaltyBox::skaters(Team) const {
    return 5;
}

QString PenaltyBox::strength() const {
    return QStringLiteral("%1 on %2").arg(skaters(Team::Away)).arg(skaters(Team::Home));
}
