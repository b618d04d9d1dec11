// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolwindows.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <algorithm>
#include <tuple>
#include <utility>

namespace {

qint64 area(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

qint64 overlap(const QRect& a, const QRect& b) {
    return area(a.intersected(b));
}

// How far apart two rectangles lie: 0 when they touch or overlap.
int gap(const QRect& a, const QRect& b) {
    const int across = std::max({0, b.left() - a.right() - 1, a.left() - b.right() - 1});
    const int down = std::max({0, b.top() - a.bottom() - 1, a.top() - b.bottom() - 1});
    return across + down;
}

int clampInto(int start, int length, int first, int last) {
    return std::clamp(start, first, std::max(first, last - length + 1));
}

// What a place costs, compared in this order: what it covers of the card, of the rest of the
// main window (its scores, clock and buttons), and of the other tool windows, which the player
// can raise, how much the window shrank to get there, how far it lies from the main window and
// from level with its top, and the left side after the right one.
using Cost = std::tuple<qint64, qint64, qint64, qint64, int, int, bool>;

Cost costOf(const QRect& place, const ToolWindowRoom& room, QSize size) {
    qint64 others = 0;
    for (const QRect& other : room.others)
        others += overlap(place, other);
    // Beside the card the main window shows nothing but its margin.
    const QRect besideCard(room.main.left(), room.keepClear.top(), room.main.width(),
                           room.keepClear.height());
    return {overlap(place, room.keepClear),
            overlap(place, room.main) - overlap(place, besideCard),
            others,
            area(QRect(QPoint(), size)) - area(place),
            gap(place, room.main),
            std::abs(place.top() - room.main.top()),
            place.center().x() < room.main.center().x()};
}

// The sizes worth trying: the window's own, and narrowed or lowered to fill a band of the
// screen beside the card, or to stand level with it, where the window is too large for that.
QList<QSize> sizesToTry(const ToolWindowRoom& room, QSize size, QSize smallest) {
    const QSize whole = size.boundedTo(room.screen.size());
    const QRect& screen = room.screen;
    const QRect& card = room.keepClear;
    QList<int> widths{whole.width()};
    for (int width : {screen.right() - card.right(), card.left() - screen.left()}) {
        if (width < whole.width() && width >= smallest.width())
            widths.append(width);
    }
    QList<int> heights{whole.height()};
    for (int height : {screen.bottom() - card.bottom(), card.top() - screen.top(), card.height()}) {
        if (height < whole.height() && height >= smallest.height())
            heights.append(height);
    }
    QList<QSize> sizes;
    for (int width : widths) {
        for (int height : heights)
            sizes.append({width, height});
    }
    return sizes;
}

QMargins frameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// The access letters of a window's own controls.
QList<QKeySequence> accessKeysOf(const QWidget& window) {
    QList<QKeySequence> keys;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        keys.append(QKeySequence::mnemonic(button->text()));
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy())
            keys.append(QKeySequence::mnemonic(label->text()));
    }
    for (const QGroupBox* box : window.findChildren<QGroupBox*>())
        keys.append(QKeySequence::mnemonic(box->title()));
    return keys;
}

// "&Help" as "Help"; "&&" stands for an ampersand.
QString withoutAccessLetter(QString text) {
    for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size();
         at = text.indexOf(u'&', at + 2)) {
        if (text.at(at + 1) != u'&')
            return text.remove(at, 1);
    }
    return text;
}

const QString kGroup = QStringLiteral("ToolWindows/");

void moveOntoScreen(QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect onScreen = ontoScreen(frame, window.screen()->availableGeometry());
    if (onScreen.topLeft() != frame.topLeft())
        window.move(window.pos() + (onScreen.topLeft() - frame.topLeft()));
}

}  // namespace

QRect firstToolWindowPlace(const ToolWindowRoom& room, QSize size, QSize smallest) {
    const QRect& screen = room.screen;
    QRect best;
    Cost bestCost;
    for (const QSize& tried : sizesToTry(room, size, smallest)) {
        const int width = tried.width();
        const int height = tried.height();
        // Edges of the main window, the card, the screen and the other windows to line up with.
        QList<int> lefts{room.main.right() + 1,
                         room.main.left() - width,
                         room.keepClear.right() + 1,
                         room.keepClear.left() - width,
                         screen.left(),
                         screen.right() + 1 - width};
        QList<int> tops{room.main.top(),
                        room.main.bottom() + 1,
                        room.main.top() - height,
                        room.keepClear.bottom() + 1,
                        room.keepClear.top() - height,
                        room.keepClear.top(),
                        screen.top(),
                        screen.bottom() + 1 - height};
        for (const QRect& other : room.others) {
            lefts << other.right() + 1 << other.left() - width << other.left();
            tops << other.bottom() + 1 << other.top() - height << other.top();
        }
        for (int left : lefts) {
            for (int top : tops) {
                const QRect place(clampInto(left, width, screen.left(), screen.right()),
                                  clampInto(top, height, screen.top(), screen.bottom()), width, height);
                const Cost cost = costOf(place, room, size);
                if (best.isNull() || cost < bestCost) {
                    best = place;
                    bestCost = cost;
                }
            }
        }
    }
    return best;
}

QRect ontoScreen(QRect frame, const QRect& screen) {
    frame.setSize(frame.size().boundedTo(screen.size()));
    frame.moveTo(clampInto(frame.left(), frame.width(), screen.left(), screen.right()),
                 clampInto(frame.top(), frame.height(), screen.top(), screen.bottom()));
    return frame;
}

ToolWindows::ToolWindows(QMainWindow& main, const QRect& keepClear) : m_main(main), m_keepClear(keepClear) {}

ToolWindows::~ToolWindows() {
    takeLettersBack();
    for (const Adopted& adopted : m_windows) {
        if (adopted.window && adopted.window->isVisible())
            keep(adopted);
    }
}

std::unique_ptr<QSettings> ToolWindows::openSettings() {
    // Named here rather than through the application's organization name, which would move
    // the per-user data folder that holds the saved games too.
    return std::make_unique<QSettings>(QStringLiteral("Torvane"), QStringLiteral("Torvane FAC"));
}

void ToolWindows::adopt(QWidget& window, const QString& name) {
    m_windows.append({&window, name, window.windowTitle()});
    showTitle(m_windows.constLast());
    window.installEventFilter(this);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    connect(escape, &QShortcut::activated, &window, &QWidget::close);
    showStatusIn(window);
}

void ToolWindows::showStatus(const QString& status) {
    if (status == m_status)
        return;
    m_status = status;
    for (const Adopted& adopted : std::as_const(m_windows)) {
        if (adopted.window)
            showStatusIn(*adopted.window);
    }
}

void ToolWindows::showStatusIn(QWidget& window) const {
    auto* line = window.findChild<QLabel*>(QStringLiteral("toolStatus"), Qt::FindDirectChildrenOnly);
    if (!line) {
        auto* layout = qobject_cast<QBoxLayout*>(window.layout());
        if (!layout || m_status.isEmpty())
            return;
        line = new QLabel(&window);
        line->setObjectName(QStringLiteral("toolStatus"));
        line->setWordWrap(true);
        QFont bold = line->font();
        bold.setBold(true);
        line->setFont(bold);
        layout->insertWidget(0, line);
    }
    line->setText(m_status);
    line->setVisible(!m_status.isEmpty());
}

void ToolWindows::nameLeague(const QString& league) {
    m_league = league;
    for (const Adopted& adopted : std::as_const(m_windows))
        showTitle(adopted);
}

void ToolWindows::showTitle(const Adopted& adopted) const {
    if (adopted.window)
        adopted.window->setWindowTitle(m_league.isEmpty() ? adopted.title
                                                          : tr("%1 — %2").arg(adopted.title, m_league));
}

// Qt passes Alt with a menu's letter from a tool window on to its main window's menu bar. A
// letter the window uses too would go to the menu and the control in turn, and to the
// control only half (focus, without a click); the menu gives it up while the window is
// active.
void ToolWindows::yieldLettersTo(const QWidget& window) {
    const QList<QKeySequence> taken = accessKeysOf(window);
    for (QAction* title : m_main.menuBar()->actions()) {
        const QString text = title->text();
        if (taken.contains(QKeySequence::mnemonic(text))) {
            m_yielded.append({title, text});
            title->setText(withoutAccessLetter(text));
        }
    }
}

void ToolWindows::takeLettersBack() {
    for (const auto& [title, text] : std::as_const(m_yielded)) {
        if (title)
            title->setText(text);
    }
    m_yielded.clear();
}

void ToolWindows::bringUp(QWidget& window) {
    const bool placed = !window.isVisible() && find(&window);
    if (placed)
        restore(*find(&window));
    window.show();
    // Shown, the window has its own frame, which may be wider than the main window's that
    // its place was reckoned with.
    if (placed)
        moveOntoScreen(window);
    window.raise();
    window.activateWindow();
}

ToolWindows::Adopted* ToolWindows::find(const QObject* window) {
    for (Adopted& adopted : m_windows) {
        if (adopted.window == window)
            return &adopted;
    }
    return nullptr;
}

void ToolWindows::restore(Adopted& adopted) {
    QWidget& window = *adopted.window;
    const QMargins margins = frameMarginsOf(window);
    QRect frame;
    if (adopted.shown) {
        frame = window.frameGeometry();
    } else {
        adopted.shown = true;
        const auto settings = openSettings();
        settings->beginGroup(kGroup + adopted.name);
        const QPoint place = settings->value(QStringLiteral("pos")).toPoint();
        const QSize size = settings->value(QStringLiteral("size")).toSize();
        if (size.isValid())
            frame = QRect(place, size.grownBy(margins));
    }

    if (frame.isValid()) {
        // On the screen it was left on, or on the main window's when that screen is gone.
        const QScreen* screen = QGuiApplication::screenAt(frame.center());
        frame = ontoScreen(frame, (screen ? screen : m_main.screen())->availableGeometry());
    } else {
        // Shrunk by half at most: smaller, a window is no use beside the card.
        // A window never resized has no size of its own yet: its layout says what it needs.
        const QSize size = (window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint())
                               .expandedTo(window.minimumSizeHint());
        const QSize smallest = window.minimumSizeHint().expandedTo(size / 2).expandedTo(window.minimumSize());
        frame = freePlace(window, size.grownBy(margins), smallest.grownBy(margins));
    }
    window.resize(frame.size().shrunkBy(margins));
    window.move(frame.topLeft());
}

QRect ToolWindows::cardOnScreen() const {
    QRect card = m_keepClear;
    if (const QWidget* client = m_main.centralWidget())
        card.moveTopLeft(client->mapToGlobal(m_keepClear.topLeft()));
    return card;
}

QRect ToolWindows::freePlace(const QWidget& window, QSize size, QSize smallest) const {
    ToolWindowRoom room{m_main.screen()->availableGeometry(), m_main.frameGeometry(), cardOnScreen(), {}};
    for (const Adopted& other : m_windows) {
        if (other.window && other.window != &window && other.window->isVisible())
            room.others.append(other.window->frameGeometry());
    }
    return firstToolWindowPlace(room, size, smallest);
}

// Grown by what it shows past the size it had, a window that now covers the card is placed
// anew as it was the first time; any other is kept wholly on the screen.
void ToolWindows::keepInPlace(QWidget& window, QSize oldSize) {
    const bool grown = oldSize.width() < window.minimumWidth() || oldSize.height() < window.minimumHeight();
    if (grown && !m_placing && window.frameGeometry().intersects(cardOnScreen())) {
        const QMargins margins = frameMarginsOf(window);
        const QRect frame =
            freePlace(window, window.size().grownBy(margins), window.minimumSize().grownBy(margins));
        m_placing = true;
        window.resize(frame.size().shrunkBy(margins));
        window.move(frame.topLeft());
        m_placing = false;
    }
    moveOntoScreen(window);
}

void ToolWindows::keep(const Adopted& adopted) const {
    const auto settings = openSettings();
    settings->beginGroup(kGroup + adopted.name);
    settings->setValue(QStringLiteral("pos"), adopted.window->pos());
    settings->setValue(QStringLiteral("size"), adopted.window->size());
}

// A window's frame is known once it has been shown; until then it is taken to be the main
// window's.
QMargins ToolWindows::frameMarginsOf(const QWidget& window) const {
    const QMargins own = frameMargins(window);
    return own.isNull() ? frameMargins(m_main) : own;
}

bool ToolWindows::eventFilter(QObject* watched, QEvent* event) {
    // Closed by the player or the program; a window hidden with the minimised main window
    // comes back where it was.
    if (event->type() == QEvent::Hide && !event->spontaneous()) {
        if (const Adopted* adopted = find(watched))
            keep(*adopted);
    } else if (event->type() == QEvent::Resize) {
        // A window that grew with what it shows (a longer name, another row).
        auto* window = static_cast<QWidget*>(watched);
        if (window->isVisible() && find(watched))
            keepInPlace(*window, static_cast<QResizeEvent*>(event)->oldSize());
    } else if (event->type() == QEvent::WindowActivate) {
        yieldLettersTo(*static_cast<QWidget*>(watched));
    } else if (event->type() == QEvent::WindowDeactivate) {
        takeLettersBack();
    }
    return QObject::eventFilter(watched, event);
}
