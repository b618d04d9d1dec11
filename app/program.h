#pragma once

#include "app/facform.h"
#include "app/qtsoundplayer.h"
#include "app/timerrandom.h"
#include "ui/frmfac.h"
#include "ui/qtdialogs.h"

// The running program: the Qt dialogs, horn and random generator, the form and its window.
// main() and the start-up benchmark both start it here, so the benchmark times what ships.
class Program {
public:
    // Names the application for the desktop (title, desktop entry id, per-user data folder)
    // and gives it its classic look.
    static void describeApplication();

    Program();  // needs the QApplication
    // Runs the window's load handler, then shows the window.
    void start();

    FrmFAC& window() { return m_window; }

private:
    QtDialogs m_dialogs;
    QtSoundPlayer m_sound;
    TimerSeededRandom m_random;
    FacForm m_form;
    FrmFAC m_window;
};
