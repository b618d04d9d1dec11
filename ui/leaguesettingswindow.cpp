// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/leaguesettingswindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

LeagueSettingsWindow::LeagueSettingsWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("LeagueSettingsWindow"));
    setWindowTitle(tr("League Settings"));

    m_suddenDeath = new QCheckBox(tr("&Sudden death: the first goal in overtime ends the game"));
    m_suddenDeath->setObjectName(QStringLiteral("settingsSuddenDeath"));
    m_minutes = new QComboBox;
    m_minutes->setObjectName(QStringLiteral("settingsOvertimeMinutes"));
    m_minutes->addItem(tr("20:00, played to 0:00"), OvertimeRules::kFullMinutes);
    m_minutes->addItem(tr("5:00, over when the clock reaches 15:00"), OvertimeRules::kShortMinutes);
    m_skaters = new QComboBox;
    m_skaters->setObjectName(QStringLiteral("settingsOvertimeSkaters"));
    for (const int skaters : {5, 4, 3})
        m_skaters->addItem(tr("%1 on %1").arg(skaters), skaters);
    m_shootout = new QCheckBox(tr("S&hoot-out when overtime ends level"));
    m_shootout->setObjectName(QStringLiteral("settingsShootout"));

    auto* form = new QFormLayout;
    auto* minutesLabel = new QLabel(tr("Overtime &length:"));
    minutesLabel->setBuddy(m_minutes);
    form->addRow(minutesLabel, m_minutes);
    auto* skatersLabel = new QLabel(tr("Overtime s&trength:"));
    skatersLabel->setBuddy(m_skaters);
    form->addRow(skatersLabel, m_skaters);

    m_note = new QLabel;
    m_note->setObjectName(QStringLiteral("settingsNote"));
    m_note->setWordWrap(true);
    auto* defaults = new QPushButton(tr("&Defaults"));
    defaults->setObjectName(QStringLiteral("settingsDefaults"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(defaults);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_suddenDeath);
    layout->addLayout(form);
    layout->addWidget(m_shootout);
    layout->addWidget(m_note);
    layout->addStretch();
    layout->addLayout(buttons);

    const auto changed = [this] { emit rulesChanged(chosen()); };
    connect(m_suddenDeath, &QCheckBox::toggled, this, changed);
    connect(m_shootout, &QCheckBox::toggled, this, changed);
    connect(m_minutes, &QComboBox::currentIndexChanged, this, changed);
    connect(m_skaters, &QComboBox::currentIndexChanged, this, changed);
    connect(defaults, &QPushButton::clicked, this, [this] { emit rulesChanged(OvertimeRules()); });
    display(OvertimeRules(), {});
}

OvertimeRules LeagueSettingsWindow::chosen() const {
    return {m_suddenDeath->isChecked(), m_minutes->currentData().toInt(), m_skaters->currentData().toInt(),
            m_shootout->isChecked()};
}

void LeagueSettingsWindow::display(const OvertimeRules& rules, const QString& problem) {
    const QSignalBlocker blockDeath(m_suddenDeath), blockMinutes(m_minutes), blockSkaters(m_skaters),
        blockShootout(m_shootout);
    m_suddenDeath->setChecked(rules.suddenDeath);
    m_minutes->setCurrentIndex(std::max(0, m_minutes->findData(rules.minutes)));
    m_skaters->setCurrentIndex(std::max(0, m_skaters->findData(rules.skaters)));
    m_shootout->setChecked(rules.shootout);
    for (QWidget* input : std::initializer_list<QWidget*>{m_suddenDeath, m_minutes, m_skaters, m_shootout})
        input->setEnabled(problem.isEmpty());
    m_note->setText(problem.isEmpty()
                        ? tr("A game plays under the rules in force when it began: changes here take effect "
                             "from the next game.")
                        : problem);
}
