#pragma once

// The widget of a command bar: drop-down menu buttons, then toolbar buttons, left to right.

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

#include <map>
#include <vector>

struct DialogState;

class CommandBarWidget : public QWidget {
public:
    CommandBarWidget(DialogState& state, QWidget* parent);

    QToolButton* AddMenuButton(const QString& label, QMenu* menu);
    QToolButton* AddToolButton(int commandId, const QImage& image, QSize buttonSize);
    void AddSeparator();
    // Every command id of the bar's menus and buttons, each once.
    std::vector<int> CommandIds() const;
    void Enable(int commandId, bool enable);
    // -1 unknown, 0 disabled, 1 enabled (button first, then the menu items).
    int State(int commandId) const;
    QAction* FindAction(int commandId) const;
    QToolButton* FindButton(int commandId) const;
    const std::vector<QToolButton*>& MenuButtons() const { return m_menuButtons; }
    DialogState& Owner() const { return m_state; }

    std::multimap<int, QAction*> actions;
    std::map<int, QToolButton*> buttons;

private:
    DialogState& m_state;
    std::vector<QToolButton*> m_menuButtons;
    int m_nextX = 0;
};
