// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/testkit.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/classicstyle.h"

MessageAnswer ScriptedDialogs::message(const QString& text, MessageButtons buttons) {
    messages.append({text, buttons});
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (answers.empty())
        return MessageAnswer::No;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

namespace {

// The next scripted choice of a file dialog; an empty choice, or none left, is Cancel.
std::optional<QString> takeChoice(std::deque<QString>& choices) {
    if (choices.empty())
        return std::nullopt;
    const QString choice = choices.front();
    choices.pop_front();
    if (choice.isEmpty())
        return std::nullopt;
    return choice;
}

}  // namespace

std::optional<QString> ScriptedDialogs::openFile(const QString& filter, const QString& directory) {
    fileDialogs.append({filter, directory});
    const std::optional<QString> choice = takeChoice(fileChoices);
    if (choice && afterFileChosen)
        afterFileChosen(*choice);
    return choice;
}

std::optional<QString> ScriptedDialogs::saveFile(const QString& filter, const QString& directory) {
    saveDialogs.append({filter, directory});
    return takeChoice(saveChoices);
}

double ScriptedRandom::next() {
    if (!values.empty()) {
        const double value = values.front();
        values.pop_front();
        return value;
    }
    return (m_engine() >> 5) * (1.0 / 134217728.0);  // 27 bits, below 1
}

QString cardText(int number, int field) {
    return QStringLiteral("c%1f%2").arg(number).arg(field);
}

QByteArray deckText(int records, int firstNumber) {
    QByteArray bytes;
    for (int k = 0; k < records; ++k) {
        const int number = firstNumber + k;
        bytes += QByteArray::number(number);
        for (int field = 2; field <= 21; ++field)
            bytes += ',' + cardText(number, field).toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString useOwnSettingsFolder() {
    static const QTemporaryDir folder;
    static const bool pointed = qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    Q_UNUSED(pointed)
    return folder.path();
}

Game::Game(const QByteArray& cardFile, bool withCardFile, const std::function<void(Game&)>& beforeStart) {
    useOwnSettingsFolder();
    ClassicStyle::applyToApplication();
    if (withCardFile)
        writeFile(dir.filePath(QStringLiteral("FAC_Data.txt")), cardFile);
    if (beforeStart)
        beforeStart(*this);
    controller = std::make_unique<GameController>(
        GameController::Services{dialogs, sound, random, [this] { ++quits; }},
        GameController::Places{dir.path(), dir.filePath(QStringLiteral("FAC_Data.txt"))});
    window = std::make_unique<MainWindow>(controller->fields());
    connectCommands(*window, *controller);
    tools = std::make_unique<GameTools>(*window, *controller, dialogs);
    controller->start();
    window->show();
}

void Game::click(Control button) {
    auto* widget = qobject_cast<QPushButton*>(window->widgetOf(button));
    Q_ASSERT(widget);
    // A hidden button cannot be pressed; a test that tries gets nothing, as a player would.
    if (widget->isVisible())
        QTest::mouseClick(widget, Qt::LeftButton);
}

void Game::trigger(const QString& actionName) {
    QAction* action = window->action(actionName);
    Q_ASSERT(action);
    action->trigger();
}

void Game::type(Control ctl, int index, const QString& keys) {
    auto* edit = qobject_cast<QLineEdit*>(window->widgetOf(ctl, index));
    Q_ASSERT(edit);
    QTest::keyClicks(edit, keys);
}

void Game::load(const QString& path) {
    dialogs.answers.push_back(MessageAnswer::Yes);
    dialogs.fileChoices.push_back(path);
    trigger(QStringLiteral("mnuLoad"));
}

QStringList Game::allTexts() {
    QStringList texts;
    for (const Member& m : allMembers())
        texts << text(m.ctl, m.index);
    return texts;
}
