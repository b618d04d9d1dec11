#include "app/program.h"

#include <QApplication>

#include "ui/classicstyle.h"

void Program::describeApplication() {
    QApplication::setApplicationName(QStringLiteral("Torvane FAC"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.torvane.fac"));
    ClassicStyle::applyToApplication();
}

Program::Program()
    : m_form({m_dialogs, m_sound, m_random, [] { QApplication::exit(0); }},
             {QApplication::applicationDirPath()}),
      m_window(m_form) {
    m_dialogs.setParentWindow(&m_window);
}

void Program::start() {
    m_form.Form_Load();
    m_window.show();
}
