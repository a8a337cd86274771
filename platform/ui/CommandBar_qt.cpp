// Command bars from menu and toolbar resources.

#include "platform/ui/CommandBar.h"
#include "platform/ui/CommandBarWidget_qt.h"
#include "platform/ui/DialogState_qt.h"
#include "platform/ui/Resources.h"

#include <QPixmap>
#include <QTimer>

#include <set>

namespace {

const int kMargin = 2;
const QColor kBarColor(0xD8, 0xD8, 0xD8);

// Commands from menus and toolbars arrive after the menu has closed and the tap has ended, as
// a posted command does on the handheld.
void PostCommand(DialogState& state, int id)
{
    QPointer<QWidget> client = state.client.data();
    DialogState* target = &state;
    QTimer::singleShot(0, client.data(), [client, target, id] {
        if (client && target->running)
            target->DispatchCommand(id);
    });
}

// Builds the entries of one popup from index i up to its PopupEnd; returns the index after it.
std::size_t BuildPopup(std::span<const MenuEntry> entries, std::size_t i, QMenu* menu,
                       CommandBarWidget& bar, DialogState& state)
{
    while (i < entries.size()) {
        const MenuEntry& entry = entries[i++];
        switch (entry.kind) {
        case MenuEntryKind::PopupEnd:
            return i;
        case MenuEntryKind::Separator:
            menu->addSeparator();
            break;
        case MenuEntryKind::Command: {
            QAction* action = menu->addAction(ToQString(entry.text));
            int id = entry.id;
            action->setData(id);
            QObject::connect(action, &QAction::triggered, menu, [&state, id] { PostCommand(state, id); });
            bar.actions.emplace(id, action);
            break;
        }
        case MenuEntryKind::PopupBegin: {
            QMenu* sub = menu->addMenu(ToQString(entry.text));
            i = BuildPopup(entries, i, sub, bar, state);
            break;
        }
        }
    }
    return i;
}

CommandBarWidget* BarWidget(const CCommandBar& bar)
{
    return dynamic_cast<CommandBarWidget*>(bar.GetHandle().widget.data());
}

} // namespace

CommandBarWidget::CommandBarWidget(DialogState& state, QWidget* parent)
    : QWidget(parent), m_state(state)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kBarColor);
    p.setColor(QPalette::Button, kBarColor);
    setPalette(p);
    m_nextX = kMargin;
}

QToolButton* CommandBarWidget::AddMenuButton(const QString& label, QMenu* menu)
{
    auto* button = new QToolButton(this);
    button->setText(label);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    // Menu buttons show their label only, like the handheld's menu bar.
    button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
    QSize hint = button->sizeHint();
    button->setGeometry(m_nextX, kMargin, hint.width(), CCommandBar::BarHeight - 2 * kMargin);
    m_nextX += hint.width();
    QObject::connect(menu, &QMenu::aboutToShow, this, [this] {
        if (m_state.running)
            RefreshCommandStates(m_state.owner);
    });
    m_menuButtons.push_back(button);
    return button;
}

QToolButton* CommandBarWidget::AddToolButton(int commandId, const QImage& image, QSize buttonSize)
{
    auto* button = new QToolButton(this);
    button->setIcon(QIcon(QPixmap::fromImage(image)));
    button->setIconSize(image.size());
    button->setAutoRaise(true);
    button->setGeometry(m_nextX, (CCommandBar::BarHeight - buttonSize.height()) / 2, buttonSize.width(),
                        buttonSize.height());
    button->setProperty("commandId", commandId);
    m_nextX += buttonSize.width();
    DialogState* state = &m_state;
    QObject::connect(button, &QToolButton::clicked, this, [state, commandId] { PostCommand(*state, commandId); });
    buttons[commandId] = button;
    return button;
}

void CommandBarWidget::AddSeparator() { m_nextX += 6; }

std::vector<int> CommandBarWidget::CommandIds() const
{
    std::set<int> ids;
    for (const auto& [id, action] : actions)
        ids.insert(id);
    for (const auto& [id, button] : buttons)
        ids.insert(id);
    return std::vector<int>(ids.begin(), ids.end());
}

void CommandBarWidget::Enable(int commandId, bool enable)
{
    auto button = buttons.find(commandId);
    if (button != buttons.end())
        button->second->setEnabled(enable);
    auto range = actions.equal_range(commandId);
    for (auto it = range.first; it != range.second; ++it)
        it->second->setEnabled(enable);
}

int CommandBarWidget::State(int commandId) const
{
    auto button = buttons.find(commandId);
    if (button != buttons.end())
        return button->second->isEnabled() ? 1 : 0;
    if (QAction* action = FindAction(commandId))
        return action->isEnabled() ? 1 : 0;
    return -1;
}

QAction* CommandBarWidget::FindAction(int commandId) const
{
    auto found = actions.find(commandId);
    return found == actions.end() ? nullptr : found->second;
}

QToolButton* CommandBarWidget::FindButton(int commandId) const
{
    auto found = buttons.find(commandId);
    return found == buttons.end() ? nullptr : found->second;
}

bool CCommandBar::Create(CDialog& parent)
{
    DialogState& state = parent.GetState();
    if (!state.running || !state.frame)
        return false;
    if (CommandBarWidget* old = BarWidget(*this)) {
        state.RemoveBar(this);
        delete old;
    }
    auto* widget = new CommandBarWidget(state, state.frame.data());
    AttachWindow(*this, widget);
    state.bars.push_back(this);
    state.frontBar = this;
    state.Layout();
    widget->show();
    widget->raise();
    return true;
}

bool CCommandBar::InsertMenuBar(int menuId)
{
    CommandBarWidget* widget = BarWidget(*this);
    const MenuTemplate* menu = FindMenu(menuId);
    if (!widget || !menu)
        return false;
    DialogState* state = &widget->Owner();
    std::span<const MenuEntry> entries = menu->entries;
    std::size_t i = 0;
    while (i < entries.size()) {
        const MenuEntry& entry = entries[i++];
        if (entry.kind != MenuEntryKind::PopupBegin)
            continue; // a top-level command or separator has no place on a bar of drop-downs
        auto* popup = new QMenu(widget);
        i = BuildPopup(entries, i, popup, *widget, *state);
        widget->AddMenuButton(ToQString(entry.text), popup);
    }
    return true;
}

bool CCommandBar::AddToolbar(int toolbarId, Size buttonSize, Size imageSize)
{
    CommandBarWidget* widget = BarWidget(*this);
    const ToolbarTemplate* toolbar = FindToolbar(toolbarId);
    if (!widget || !toolbar)
        return false;
    QImage strip = LoadBitmapImage(toolbar->bitmapId);
    if (strip.isNull())
        return false;
    int image = 0;
    for (int id : toolbar->commands) {
        if (id == 0) {
            widget->AddSeparator();
            continue;
        }
        QImage part = strip.copy(image * imageSize.cx, 0, imageSize.cx, imageSize.cy);
        ++image;
        QToolButton* button = widget->AddToolButton(id, part, QSize(buttonSize.cx, buttonSize.cy));
        button->show();
    }
    return true;
}

void CCommandBar::BringToFront()
{
    CommandBarWidget* widget = BarWidget(*this);
    if (!widget)
        return;
    DialogState& state = widget->Owner();
    state.frontBar = this;
    state.Layout();
}

bool CCommandBar::IsInFront() const
{
    CommandBarWidget* widget = BarWidget(*this);
    return widget && widget->Owner().frontBar == this;
}

void CCommandBar::EnableCommand(int commandId, bool enable)
{
    if (CommandBarWidget* widget = BarWidget(*this))
        widget->Enable(commandId, enable);
}

bool CCommandBar::IsCommandEnabled(int commandId) const
{
    CommandBarWidget* widget = BarWidget(*this);
    return widget && widget->State(commandId) == 1;
}

bool CCommandBar::HasCommand(int commandId) const
{
    CommandBarWidget* widget = BarWidget(*this);
    return widget && widget->State(commandId) != -1;
}

int CCommandBar::GetHeight() const { return IsValid() ? BarHeight : 0; }

void RefreshCommandStates(CDialog& dialog)
{
    DialogState& state = dialog.GetState();
    for (CCommandBar* bar : state.bars) {
        CommandBarWidget* widget = BarWidget(*bar);
        if (!widget)
            continue;
        for (int id : widget->CommandIds()) {
            bool enabled = true;
            if (dialog.OnQueryCommandEnabled(id, enabled))
                widget->Enable(id, enabled);
        }
    }
}
