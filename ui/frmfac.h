#pragma once

#include <QHash>
#include <QMainWindow>

#include "app/controls.h"

class FacForm;
class QAction;
class QMenu;

// The main window: a thin view over the form's fields. It shows every field's text and
// visible flag, passes the user's typing back to the fields and the clicks to the handlers.
class FrmFAC : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmFAC(FacForm& form, QWidget* parent = nullptr);

    // The widget that shows a control member (a text field's widget or a button).
    QWidget* widgetOf(Ctl ctl, int index = 0) const;
    QAction* menuAction(const QString& caption) const;
    QMenu* fileMenu() const { return m_fileMenu; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenu();
    void buildControls(QWidget* client);
    void showText(Ctl ctl, int index, const QString& text);
    void applyTabOrder();

    static int key(Ctl ctl, int index) { return static_cast<int>(ctl) * 4 + index; }

    FacForm& m_form;
    QMenu* m_fileMenu = nullptr;
    QHash<int, QWidget*> m_widgets;
    bool m_placed = false;
};
