#include "ui/penaltyboxwindow.h"

PenaltyBoxWindow::PenaltyBoxWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("penaltyBoxWindow"));
    setWindowTitle(tr("Penalty Box"));
}

void PenaltyBoxWindow::display(const PenaltyBox&) {}
