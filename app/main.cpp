#include <QApplication>

#include "app/facform.h"
#include "app/qtsoundplayer.h"
#include "app/timerrandom.h"
#include "ui/frmfac.h"
#include "ui/qtdialogs.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Torvane FAC"));

    QtDialogs dialogs;
    QtSoundPlayer sound;
    TimerSeededRandom random;
    FacForm form({dialogs, sound, random, [] { QApplication::exit(0); }},
                 {QApplication::applicationDirPath()});
    FrmFAC window(form);
    dialogs.setParentWindow(&window);

    form.Form_Load();
    window.show();
    return QApplication::exec();
}
