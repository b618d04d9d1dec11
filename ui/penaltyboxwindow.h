#pragma once

#include <QWidget>

#include "game/penaltybox.h"

// The penalty box as a tool window beside the main window: each penalty with its time left,
// the waiting ones, the teams' strength, and a form to add a penalty. It changes nothing
// itself: it asks for changes through its signals and shows the box it is given.
class PenaltyBoxWindow : public QWidget {
    Q_OBJECT

public:
    explicit PenaltyBoxWindow(QWidget* parent = nullptr);

    // Shows this state of the box.
    void display(const PenaltyBox& box);

signals:
    void addRequested(Team team, const QString& player, PenaltyKind kind);
    void removeRequested(int id);
};
