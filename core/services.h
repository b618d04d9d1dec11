// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// The window's collaborators outside the game's rules: message boxes and the file-open
// and file-save dialogs, the horn, and the random generator. The program hands the window
// the Qt versions; the tests hand it recording or scripted ones.

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal box about the program, with the title and the text.
    virtual void about(const QString& title, const QString& text) = 0;
    // The toolkit's own box about itself.
    virtual void aboutToolkit() = 0;
    // A modal box titled "TVN_FAC" with the text and the buttons, and no icon.
    virtual MessageAnswer message(const QString& text, MessageButtons buttons) = 0;
    // The same box for a message of the main window's own: its buttons keep their English
    // words in every language, as its text does.
    virtual MessageAnswer windowMessage(const QString& text, MessageButtons buttons) {
        return message(text, buttons);
    }
    // A modal file-open dialog; nothing when the user cancels it.
    virtual std::optional<QString> openFile(const QString& filter, const QString& directory) = 0;
    // A modal file-save dialog; nothing when the user cancels it. A name typed without the
    // filter's extension gets it.
    virtual std::optional<QString> saveFile(const QString& filter, const QString& directory) = 0;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the wave file and returns at once; silent on any failure.
    virtual void playSound(const QString& path) = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    // The next value r, 0 <= r < 1.
    virtual double next() = 0;
};

inline constexpr const char* kMessageTitle = "TVN_FAC";
