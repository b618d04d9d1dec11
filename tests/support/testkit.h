// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <random>

#include "app/gamecontroller.h"
#include "app/gametools.h"
#include "app/program.h"
#include "core/services.h"
#include "ui/mainwindow.h"

// Answers the window's message boxes and file dialog from a script and records them.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        MessageButtons buttons;
    };
    QList<Shown> messages;
    std::deque<MessageAnswer> answers;                    // for Yes/No boxes; No when none left
    std::deque<QString> fileChoices;                      // an empty choice, or none left: Cancel
    QList<QPair<QString, QString>> fileDialogs;           // (filter, directory) of each dialog shown
    std::function<void(const QString&)> afterFileChosen;  // runs after the dialog, before the read
    std::deque<QString> saveChoices;                      // an empty choice, or none left: Cancel
    QList<QPair<QString, QString>> saveDialogs;           // (filter, directory) of each save dialog

    QList<QPair<QString, QString>> abouts;  // (title, text) of each About box
    int toolkitAbouts = 0;
    void about(const QString& title, const QString& text) override { abouts.append({title, text}); }
    void aboutToolkit() override { ++toolkitAbouts; }
    MessageAnswer message(const QString& text, MessageButtons buttons) override;
    std::optional<QString> openFile(const QString& filter, const QString& directory) override;
    std::optional<QString> saveFile(const QString& filter, const QString& directory) override;
};

class RecordingSound : public SoundPlayer {
public:
    QStringList played;
    void playSound(const QString& path) override { played.append(path); }
};

// Gives the listed values first, then a fixed pseudo-random sequence.
class ScriptedRandom : public RandomSource {
public:
    std::deque<double> values;
    int seedings = 0;
    void seedFromClock() override { ++seedings; }
    double next() override;

private:
    std::mt19937 m_engine{12345};
};

// One card per line, "k,text..." with every text naming its card and field.
QByteArray deckText(int records, int firstNumber = 1);
QString cardText(int number, int field);
bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readAll(const QString& path);  // empty when the file cannot be read

// Points the player's settings, where the tool windows keep their places, at a folder of this
// test run's own, empty at first; Game does so before anything reads them.
QString useOwnSettingsFolder();

// A program directory and a working folder with a card file, the form and its window.
struct Game {
    // beforeStart runs after the card file is written and before the program starts.
    explicit Game(const QByteArray& cardFile = deckText(200), bool withCardFile = true,
                  const std::function<void(Game&)>& beforeStart = {});

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    RecordingSound sound;
    ScriptedRandom random;
    int quits = 0;
    std::unique_ptr<GameController> controller;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<GameTools> tools;  // the Game menu and the tool windows, which belong to window

    FieldModel& fields() { return controller->fields(); }
    QString text(Control ctl, int index = 0) { return controller->fields().text(ctl, index); }
    bool visible(Control ctl, int index = 0) { return controller->fields().isVisible(ctl, index); }
    void click(Control button);
    // A menu item, by its object name ("mnuNewGame").
    void trigger(const QString& actionName);
    void type(Control ctl, int index, const QString& keys);
    // File > Load Game, answering Yes and choosing the file.
    void load(const QString& path);
    // Every field's text, in the order of allMembers().
    QStringList allTexts();
    QString path(const QString& name) const { return dir.filePath(name); }
};
