// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/mainwindow.h"

#include <qdrawutil.h>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "core/fieldmodel.h"
#include "ui/emblem.h"
#include "ui/layout.h"
#include "ui/pictures.h"
#include "ui/typingundo.h"

namespace {

constexpr int kCardFieldMargin = 2;

// The client area: white, with the card face, the scoreboard panels and the labels
// painted under the fields.
class ClientArea : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        Pictures::paintDecorations(painter, event->region());
    }
};

// A text field, optionally with the sunken three-dimensional border of the clock.
class FieldEdit : public QLineEdit {
public:
    FieldEdit(Layout::Border border, QWidget* parent)
        : QLineEdit(parent), m_sunken(border == Layout::Border::Sunken) {
        setFrame(border == Layout::Border::Plain);
        if (m_sunken)
            setTextMargins(2, 2, 2, 2);
    }

protected:
    // A text box lays its text out again in every font it is given. A hidden one does so
    // when first shown, so that the change-lines prompt, hidden at start-up, does not load
    // its large font for nothing. Its font() is set at once all the same.
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange && !isVisible()) {
            m_fontPending = true;
            QWidget::changeEvent(event);
            return;
        }
        QLineEdit::changeEvent(event);
    }
    void showEvent(QShowEvent* event) override {
        if (m_fontPending) {
            m_fontPending = false;
            QEvent fontChange(QEvent::FontChange);
            QLineEdit::changeEvent(&fontChange);
        }
        QLineEdit::showEvent(event);
    }

    void paintEvent(QPaintEvent* event) override {
        QLineEdit::paintEvent(event);
        if (m_sunken) {
            QPainter painter(this);
            qDrawWinPanel(&painter, rect(), palette(), true);
        }
    }

private:
    bool m_sunken;
    bool m_fontPending = false;
};

// The flips keep the focus when a score button or Next Period is clicked, so that Space and
// Enter flip again instead of pressing that button once more; Tab still reaches every button.
Qt::FocusPolicy focusPolicyOf(const Layout::ControlLook& look) {
    if (!look.tabStop)
        return Qt::NoFocus;
    const bool flip = look.ctl == Control::TimedFlipButton || look.ctl == Control::FlipButton;
    if (controlInfo(look.ctl).kind == ControlKind::Button && !flip)
        return Qt::TabFocus;
    return Qt::StrongFocus;
}

void applyColours(QWidget* widget, const Layout::ControlLook& look) {
    QPalette palette = widget->palette();
    if (look.text.isValid()) {
        palette.setColor(QPalette::Text, look.text);
        palette.setColor(QPalette::WindowText, look.text);
        palette.setColor(QPalette::ButtonText, look.text);
    }
    // Only text boxes paint a background, in Base; card fields lie on cells painted in the
    // same colour. Opaque fields would cut the window's painting into sixty holes, which the
    // raster engine clips at a cost of a megabyte.
    if (look.background.isValid())
        palette.setColor(QPalette::Base, look.background);
    widget->setPalette(palette);
}

}  // namespace

MainWindow::MainWindow(FieldModel& fields, QWidget* parent) : QMainWindow(parent), m_fields(fields) {
    setObjectName(QStringLiteral("frmFAC"));
    setWindowTitle(QStringLiteral("Torvane - FAC"));

    setWindowIcon(Emblem::icon());

    auto* client = new ClientArea(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Layout::clientSize());
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::white);
    // The labels and buttons all draw their text in black, and take it from here: a palette
    // of a widget's own costs it more at start-up than the text it draws.
    palette.setColor(QPalette::WindowText, Layout::Colours::kBlack);
    palette.setColor(QPalette::ButtonText, Layout::Colours::kBlack);
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    client->setFont(Layout::makeFont(Layout::kWindowFont));
    setCentralWidget(client);

    buildMenu();
    buildControls(client);
    new TypingUndo(this);

    connect(&m_fields, &FieldModel::textChanged, this, &MainWindow::showText);
    connect(&m_fields, &FieldModel::visibleChanged, this,
            [this](Control ctl, int index, bool visible) { widgetOf(ctl, index)->setVisible(visible); });

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    applyTabOrder();
    widgetOf(Control::TimedFlipButton)->setFocus();
}

// A box that has the focus as the window goes finishes its typing here, while the window is
// whole: from the base class's destructor its signal would reach a window that is gone.
MainWindow::~MainWindow() {
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
}

void MainWindow::applyTabOrder() {
    QWidget* previous = nullptr;
    for (const Member& member : Layout::tabOrder()) {
        QWidget* widget = widgetOf(member.ctl, member.index);
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void centreOnScreen(QWidget& window) {
    if (QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        QRect frame = window.frameGeometry();
        frame.moveCenter(available.center());
        // On a screen too small for it, the title bar stays reachable.
        window.move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    // Centred on the screen when first shown; the frame is only known by then.
    if (!m_placed) {
        m_placed = true;
        centreOnScreen(*this);
    }
    QMainWindow::showEvent(event);
}

void MainWindow::buildMenu() {
    m_fileMenu = menuBar()->addMenu(QStringLiteral("File"));
    m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
    struct Item {
        const char* name;
        const char* caption;
        void (MainWindow::*chosen)();
    };
    static const Item items[] = {
        {"mnuNewGame", "New Game", &MainWindow::newGameChosen},
        {"mnuLoad", "Load Game", &MainWindow::loadGameChosen},
        {"mnuSave", "Save Game", &MainWindow::saveGameChosen},
        {"mnuExit", "Exit", &MainWindow::exitChosen},
    };
    for (const Item& item : items) {
        QAction* action = m_fileMenu->addAction(QString::fromLatin1(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        connect(action, &QAction::triggered, this, item.chosen);
    }

    // Last in the menu bar, after the game's own menus.
    m_helpMenu = new QMenu(tr("&Help"), this);
    m_helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    QAction* about = m_helpMenu->addAction(tr("About Torvane FAC"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &MainWindow::aboutChosen);
    QAction* aboutQt = m_helpMenu->addAction(tr("About Qt"));
    aboutQt->setObjectName(QStringLiteral("mnuAboutQt"));
    aboutQt->setMenuRole(QAction::AboutQtRole);
    connect(aboutQt, &QAction::triggered, this, &MainWindow::aboutToolkitChosen);
    menuBar()->addMenu(m_helpMenu);
}

void MainWindow::buildControls(QWidget* client) {
    for (const Layout::ControlLook& look : Layout::controlLooks()) {
        const ControlInfo& info = controlInfo(look.ctl);
        QWidget* widget = nullptr;
        if (info.kind == ControlKind::Button) {
            auto* button = new QPushButton(initialText(look.ctl), client);
            widget = button;
        } else if (!info.typing && look.ctl != Control::Clock) {
            // Never typed into: a card field, or one of the hidden fields the program keeps
            // numbers in. A label takes its font only when it is drawn.
            auto* label = new QLabel(client);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(look.alignment);
            label->setWordWrap(look.multiLine);
            // The margins of a borderless text box, so texts wrap where they did there.
            label->setContentsMargins(kCardFieldMargin, 1, kCardFieldMargin, 0);
            widget = label;
        } else {
            auto* edit = new FieldEdit(look.border, client);
            edit->setAlignment(look.alignment);
            edit->setReadOnly(!info.typing);
            widget = edit;
            const Control ctl = look.ctl;
            const int index = look.index;
            // Every change of the box, not only typing: paste, drop, undo and text set through
            // the accessibility interface, which edits by setText and so never emits textEdited.
            // The fields' own texts come back here too, and then change nothing.
            connect(edit, &QLineEdit::textChanged, this, [this, edit, ctl, index](const QString& text) {
                if (edit->isReadOnly())
                    showText(ctl, index, m_fields.text(ctl, index));
                else
                    m_fields.setText(ctl, index, text);
            });
            connect(edit, &QLineEdit::editingFinished, this, &MainWindow::typingFinished);
        }
        widget->setObjectName(memberName(look.ctl, look.index));
        widget->setGeometry(Layout::pixelRect(look.left, look.top, look.width, look.height));
        widget->setFont(Layout::makeFont(look.font));
        if (qobject_cast<QLineEdit*>(widget) || look.text != Layout::Colours::kBlack)
            applyColours(widget, look);
        widget->setFocusPolicy(focusPolicyOf(look));
        widget->setAccessibleName(controlName(look.ctl, look.index));
        m_widgets.insert(key(look.ctl, look.index), widget);

        if (info.kind == ControlKind::Button) {
            connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                    [this, ctl = look.ctl] { emit buttonClicked(ctl); });
        } else {
            showText(look.ctl, look.index, m_fields.text(look.ctl, look.index));
        }
        widget->setVisible(m_fields.isVisible(look.ctl, look.index));
    }
}

QMenu* MainWindow::addMenu(const QString& title, const QString& objectName) {
    auto* menu = new QMenu(title, this);
    menu->setObjectName(objectName);
    menuBar()->insertMenu(m_helpMenu->menuAction(), menu);
    return menu;
}

QWidget* MainWindow::widgetOf(Control ctl, int index) const {
    return m_widgets.value(key(ctl, index));
}

QAction* MainWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void MainWindow::showText(Control ctl, int index, const QString& text) {
    QWidget* widget = widgetOf(ctl, index);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != text)
            edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
        // A screen reader announces a label by its name; the entry itself goes here.
        label->setAccessibleDescription(text);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}
