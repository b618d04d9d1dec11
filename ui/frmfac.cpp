#include "ui/frmfac.h"

#include <qdrawutil.h>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "app/facform.h"
#include "ui/emblem.h"
#include "ui/layout.h"
#include "ui/pictures.h"

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
    void paintEvent(QPaintEvent* event) override {
        QLineEdit::paintEvent(event);
        if (m_sunken) {
            QPainter painter(this);
            qDrawWinPanel(&painter, rect(), palette(), true);
        }
    }

private:
    bool m_sunken;
};

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

FrmFAC::FrmFAC(FacForm& form, QWidget* parent) : QMainWindow(parent), m_form(form) {
    setObjectName(QStringLiteral("frmFAC"));
    setWindowTitle(QStringLiteral("Torvane - FAC"));

    setWindowIcon(Emblem::icon());

    auto* client = new ClientArea(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Layout::clientSize());
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::white);
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    client->setFont(Layout::makeFont(Layout::kWindowFont));
    setCentralWidget(client);

    buildMenu();
    buildControls(client);

    FieldModel& fields = m_form.fields();
    connect(&fields, &FieldModel::textChanged, this, &FrmFAC::showText);
    connect(&fields, &FieldModel::visibleChanged, this,
            [this](Ctl ctl, int index, bool visible) { widgetOf(ctl, index)->setVisible(visible); });

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    applyTabOrder();
    widgetOf(Ctl::cmdFlip)->setFocus();
}

void FrmFAC::applyTabOrder() {
    QWidget* previous = nullptr;
    for (const Member& member : Layout::tabOrder()) {
        QWidget* widget = widgetOf(member.ctl, member.index);
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void FrmFAC::showEvent(QShowEvent* event) {
    // Centred on the screen when first shown; the frame is only known by then.
    if (!m_placed) {
        m_placed = true;
        if (QScreen* screen = this->screen()) {
            const QRect available = screen->availableGeometry();
            QRect frame = frameGeometry();
            frame.moveCenter(available.center());
            // On a screen too small for it, the title bar stays reachable.
            move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
        }
    }
    QMainWindow::showEvent(event);
}

void FrmFAC::buildMenu() {
    m_fileMenu = menuBar()->addMenu(QStringLiteral("File"));
    m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
    struct Item {
        const char* name;
        const char* caption;
        void (FacForm::*handler)();
    };
    const Item items[] = {
        {"mnuNewGame", "New Game", &FacForm::mnuNewGame_Click},
        {"mnuLoad", "Load Game", &FacForm::mnuLoad_Click},
        {"mnuSave", "Save Game", &FacForm::mnuSave_Click},
        {"mnuExit", "Exit", &FacForm::mnuExit_Click},
    };
    for (const Item& item : items) {
        QAction* action = m_fileMenu->addAction(QString::fromLatin1(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        connect(action, &QAction::triggered, this, [this, handler = item.handler] { (m_form.*handler)(); });
    }
}

void FrmFAC::buildControls(QWidget* client) {
    const FieldModel& fields = m_form.fields();
    for (const Layout::ControlLook& look : Layout::controlLooks()) {
        const ControlInfo& info = controlInfo(look.ctl);
        QWidget* widget = nullptr;
        if (info.kind == ControlKind::Button) {
            auto* button = new QPushButton(QString::fromLatin1(info.initialText), client);
            widget = button;
        } else if (!info.typing && look.ctl != Ctl::txtClock) {
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
            const Ctl ctl = look.ctl;
            const int index = look.index;
            connect(edit, &QLineEdit::textEdited, this,
                    [this, ctl, index](const QString& text) { m_form.fields().setText(ctl, index, text); });
        }
        widget->setObjectName(memberName(look.ctl, look.index));
        widget->setGeometry(Layout::pixelRect(look.left, look.top, look.width, look.height));
        widget->setFont(Layout::makeFont(look.font));
        applyColours(widget, look);
        widget->setFocusPolicy(look.tabStop ? Qt::StrongFocus : Qt::NoFocus);
        widget->setAccessibleName(Layout::accessibleName(look.ctl, look.index));
        m_widgets.insert(key(look.ctl, look.index), widget);

        if (info.kind == ControlKind::Button) {
            connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                    [this, ctl = look.ctl] { m_form.click(ctl); });
        } else {
            showText(look.ctl, look.index, fields.text(look.ctl, look.index));
        }
        widget->setVisible(fields.isVisible(look.ctl, look.index));
    }
}

QWidget* FrmFAC::widgetOf(Ctl ctl, int index) const {
    return m_widgets.value(key(ctl, index));
}

QAction* FrmFAC::menuAction(const QString& caption) const {
    for (QAction* action : m_fileMenu->actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

void FrmFAC::showText(Ctl ctl, int index, const QString& text) {
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

void FrmFAC::closeEvent(QCloseEvent* event) {
    event->accept();
    m_form.Form_Unload();
}
