// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of the window's content: the main window's texts at start-up, in the same fonts,
// colours and places, over the same decorations, drawn by one widget's paintEvent instead
// of sixty widgets. It reads the card file with the program's reader and deals the first
// deal with the program's deck, from a generator of a fixed seed, so that each run shows
// the same two card halves. The fields the window hides are not drawn.
#include <qdrawutil.h>
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

#include "core/controls.h"
#include "core/fieldmodel.h"
#include "core/services.h"
#include "deck/cardreader.h"
#include "deck/deck.h"
#include "game/newgame.h"
#include "quitwhenshown.h"
#include "ui/classicstyle.h"
#include "ui/emblem.h"
#include "ui/layout.h"
#include "ui/mainwindow.h"
#include "ui/pictures.h"

namespace {

// A label's margins in the window, where the card texts wrap.
constexpr int kCardFieldMargin = 2;
// A text box's own margins around its line of text.
constexpr int kLineEditHorizontalMargin = 2;
constexpr int kLineEditVerticalMargin = 1;
// The clock and period boxes keep their text clear of the sunken border.
constexpr int kSunkenTextMargin = 2;

class FixedSeedRandom : public RandomSource {
public:
    void seedFromClock() override { m_generator.seed(1); }
    double next() override { return m_generator.generateDouble(); }

private:
    QRandomGenerator m_generator;
};

// What the window shows of its fields at start-up, read once from the program's own rules.
struct StartUpFields {
    FixedSeedRandom random;
    FieldModel fields;
    CardTable table;
    Deck deck{table, fields, random};

    StartUpFields() {
        random.seedFromClock();
        table = readCardFile(QStringLiteral("FAC_Data.txt")).table;
        deck.deal();
        deck.showFirstCard();
        startNewGame(fields);
    }
};

class TextWindow : public QWidget {
public:
    TextWindow() {
        setWindowTitle(QStringLiteral("Torvane - FAC"));
        setWindowIcon(Emblem::icon());
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        measureMenuBar();
        setFixedSize(Layout::clientSize() + QSize(0, m_menuBarHeight));
    }

protected:
    void showEvent(QShowEvent* event) override {
        // Centred on the screen when first shown, as the program's window is.
        if (!m_placed) {
            m_placed = true;
            centreOnScreen(*this);
        }
        QWidget::showEvent(event);
    }

    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QPalette& colours = palette();
        painter.setPen(colours.color(QPalette::ButtonText));
        for (const MenuTitle& title : m_menuTitles)
            painter.drawText(title.rect, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, title.text);
        if (m_spaceBelowMenuBar > 0)
            painter.fillRect(0, m_menuBarHeight - m_spaceBelowMenuBar, width(), m_spaceBelowMenuBar,
                             colours.dark());

        // The client area below the menu bar, in its own coordinates. A view transform, not a
        // world one: the emblem sets the world transform of its own.
        const QSize client = Layout::clientSize();
        painter.setViewport(QRect(QPoint(0, m_menuBarHeight), client));
        painter.setWindow(QRect(QPoint(0, 0), client));
        const QRegion exposed = event->region().translated(0, -m_menuBarHeight);
        painter.fillRect(QRect(QPoint(0, 0), client), Qt::white);
        Pictures::paintDecorations(painter, exposed);
        for (const Layout::ControlLook& look : Layout::controlLooks()) {
            const QRect rect = look.pixelRect();
            if (exposed.intersects(rect) && m_startUp.fields.isVisible(look.ctl, look.index))
                paintControl(painter, look, rect, colours);
        }
    }

private:
    // The menu bar's titles and its height, as the style sizes them.
    void measureMenuBar() {
        const QStyle* style = this->style();
        const int panel = style->pixelMetric(QStyle::PM_MenuBarPanelWidth);
        const int vmargin = style->pixelMetric(QStyle::PM_MenuBarVMargin);
        const int hmargin = style->pixelMetric(QStyle::PM_MenuBarHMargin);
        const int spacing = style->pixelMetric(QStyle::PM_MenuBarItemSpacing);
        int left = panel + hmargin + spacing;
        int itemHeight = 0;
        for (const char* text : {"File", "&Game", "&Help"}) {
            QStyleOptionMenuItem item;
            item.initFrom(this);
            item.menuItemType = QStyleOptionMenuItem::Normal;
            item.text = QString::fromLatin1(text);
            const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, item.text);
            const QSize itemSize = style->sizeFromContents(QStyle::CT_MenuBarItem, &item, textSize, nullptr);
            m_menuTitles.append({QRect(QPoint(left, panel + vmargin), itemSize), item.text});
            left += itemSize.width() + spacing;
            itemHeight = std::max(itemHeight, itemSize.height());
        }
        m_spaceBelowMenuBar = style->styleHint(QStyle::SH_MainWindow_SpaceBelowMenuBar);
        m_menuBarHeight = itemHeight + 2 * (panel + vmargin) + m_spaceBelowMenuBar;
    }

    void paintControl(QPainter& painter, const Layout::ControlLook& look, const QRect& rect,
                      const QPalette& colours) {
        const ControlInfo& info = controlInfo(look.ctl);
        painter.setFont(Layout::makeFont(look.font));
        if (info.kind == ControlKind::Button) {
            // The button's bevel and caption as the style paints them; the window opens with
            // the focus on the first play button.
            QStyleOptionButton button;
            button.initFrom(this);
            button.rect = rect;
            button.text = QString::fromLatin1(info.initialText);
            button.palette.setColor(QPalette::ButtonText, look.text);
            button.state |= QStyle::State_Raised;
            if (look.ctl == Control::TimedFlipButton)
                button.state |= QStyle::State_HasFocus;
            button.fontMetrics = painter.fontMetrics();
            style()->drawControl(QStyle::CE_PushButton, &button, &painter);
            return;
        }
        const QString text = m_startUp.fields.text(look.ctl, look.index);
        if (!info.typing && look.ctl != Control::Clock) {
            // A card field: a label's text, wrapped in the label's margins, on the cell.
            painter.setPen(look.text);
            const QRect inside = rect.adjusted(kCardFieldMargin, 1, -kCardFieldMargin, 0);
            painter.drawText(inside, int(look.alignment) | (look.multiLine ? Qt::TextWordWrap : 0), text);
            return;
        }
        // A text box: its background, the clock's sunken border, one line of text.
        painter.fillRect(rect, look.background);
        QRect inside = rect;
        if (look.border == Layout::Border::Sunken) {
            qDrawWinPanel(&painter, rect, colours, true);
            inside.adjust(kSunkenTextMargin, kSunkenTextMargin, -kSunkenTextMargin, -kSunkenTextMargin);
        }
        if (text.isEmpty())
            return;
        // One line at the top, placed in whole pixels the way a text box places it.
        const QRect line = inside.adjusted(kLineEditHorizontalMargin, kLineEditVerticalMargin,
                                           -kLineEditHorizontalMargin, 0);
        const QFontMetricsF metrics(painter.font());
        const int widthUsed = qRound(metrics.horizontalAdvance(text)) + 1;
        const int scroll = look.alignment & Qt::AlignHCenter ? (widthUsed - line.width()) / 2 : 0;
        painter.setPen(look.text);
        painter.drawText(QPointF(line.left() - scroll, line.top() + metrics.ascent()), text);
    }

    StartUpFields m_startUp;
    struct MenuTitle {
        QRect rect;
        QString text;
    };
    QList<MenuTitle> m_menuTitles;
    int m_menuBarHeight = 0;
    int m_spaceBelowMenuBar = 0;
    bool m_placed = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Torvane FAC"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.torvane.fac"));
    ClassicStyle::applyToApplication();
    TextWindow window;
    QuitWhenShown quitWhenShown;
    window.installEventFilter(&quitWhenShown);
    window.show();
    return QApplication::exec();
}
