#pragma once

// The running state of a CDialog: its widgets, its controls by id, its command bars and its
// message map.

#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Platform_qt.h"

#include <QEventLoop>
#include <QFont>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class CCommandBar;
class DialogClientWidget;

struct DialogState {
    explicit DialogState(CDialog& owner) : owner(owner) {}

    CDialog& owner;
    const DialogTemplate* dialogTemplate = nullptr;
    QPointer<QWidget> frame;                 // fills the screen
    QPointer<QWidget> client;                // a DialogClientWidget, above the command bar
    QFont font;
    double baseX = 0;
    double baseY = 0;

    std::vector<std::pair<int, std::unique_ptr<CWindow>>> controls; // template order
    std::vector<CCommandBar*> bars;
    CCommandBar* frontBar = nullptr;

    std::map<int, std::function<void()>> commandHandlers;
    std::map<int, std::function<void()>> selChangeHandlers;

    QEventLoop* loop = nullptr;
    bool running = false;
    bool initialised = false;
    bool ending = false;
    int result = 0;
    int iconId = 0;
    QString title;
    QSize lastClientSize;

    // Template rectangle in dialog units to client pixels (each edge converted on its own).
    QRect MapDialogRect(int x, int y, int cx, int cy) const;
    // Places frame, client area and bars for the screen's current size.
    void Layout();
    void DispatchCommand(int id);
    void DispatchSelChange(int id);
    void DispatchPen(const QPoint& pos, bool down);
    void RemoveBar(CCommandBar* bar);
};
