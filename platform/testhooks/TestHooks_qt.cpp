// Test hooks: a script thread that acts as the user while the user-interface thread runs the
// program's modal loops.
//
// Each hook runs its work on the user-interface thread. Actions are posted and then followed by
// a few blocking rounds through the event loop, so that whatever the action caused (posted
// commands, notifications, the opening of a dialog, whose nested loop serves the rounds) has
// been handled when the hook returns.

#include "platform/testhooks/TestHooks.h"
#include "platform/ui/Application.h"
#include "platform/ui/CommandBar.h"
#include "platform/ui/CommandBarWidget_qt.h"
#include "platform/ui/DialogState_qt.h"
#include "platform/ui/Platform_qt.h"
#include "platform/ui/Widgets_qt.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <chrono>
#include <thread>

namespace TestHooks {
namespace {

std::atomic<bool> g_scriptRunning{false};
std::atomic<bool> g_scriptDone{false};
std::atomic<std::thread::id> g_scriptThread;

bool OnScriptThread()
{
    return g_scriptRunning && std::this_thread::get_id() == g_scriptThread;
}

// Work handed from the script thread to the user-interface thread. The hand-over uses the
// standard library's mutex, not Qt's cross-thread calls, so that a thread sanitizer sees it.
// A timer of the user-interface thread collects the jobs and posts each to its own event queue,
// so that a job that opens a modal dialog does not hold up the next ones.
struct Job {
    std::function<void()> work;
    bool done = false;
};
std::mutex g_jobMutex;
std::condition_variable g_jobDone;
std::deque<std::shared_ptr<Job>> g_jobs;

void RunJob(const std::shared_ptr<Job>& job)
{
    job->work();
    std::lock_guard<std::mutex> lock(g_jobMutex);
    job->done = true;
    g_jobDone.notify_all();
}

void CollectJobs()
{
    std::deque<std::shared_ptr<Job>> jobs;
    {
        std::lock_guard<std::mutex> lock(g_jobMutex);
        jobs.swap(g_jobs);
    }
    for (auto& job : jobs)
        QMetaObject::invokeMethod(qApp, [job] { RunJob(job); }, Qt::QueuedConnection);
}

std::shared_ptr<Job> PostJob(std::function<void()> work)
{
    auto job = std::make_shared<Job>();
    job->work = std::move(work);
    std::lock_guard<std::mutex> lock(g_jobMutex);
    g_jobs.push_back(job);
    return job;
}

void WaitFor(const std::shared_ptr<Job>& job)
{
    std::unique_lock<std::mutex> lock(g_jobMutex);
    g_jobDone.wait(lock, [&job] { return job->done; });
}

template <class F>
auto OnUi(F work) -> decltype(work())
{
    using Result = decltype(work());
    if (!OnScriptThread())
        return work();
    if constexpr (std::is_void_v<Result>) {
        WaitFor(PostJob([&] { work(); }));
    } else {
        Result result{};
        WaitFor(PostJob([&] { result = work(); }));
        return result;
    }
}

void Settle()
{
    const int rounds = 4;
    for (int i = 0; i < rounds; ++i) {
        if (OnScriptThread())
            WaitFor(PostJob([] {}));
        else
            QCoreApplication::processEvents();
    }
}

// Runs an action as the user would cause it: after it, the hook waits for the screen to settle.
void Act(std::function<void()> action)
{
    if (OnScriptThread())
        PostJob(std::move(action));
    else
        action();
    Settle();
}

// The widget that a tap at a point of `root` reaches: the topmost visible child under it that
// takes taps (the way Qt itself picks the receiver of a mouse event).
QWidget* WidgetAt(QWidget* root, QPoint pos)
{
    const QObjectList& children = root->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* child = qobject_cast<QWidget*>(*it);
        if (!child || child->isWindow() || child->isHidden() ||
            child->testAttribute(Qt::WA_TransparentForMouseEvents))
            continue;
        if (child->geometry().contains(pos))
            return WidgetAt(child, pos - child->pos());
    }
    return root;
}

ComboWidget* ComboOfPopup(QWidget* popup)
{
    for (QObject* p = popup; p; p = p->parent())
        if (auto* combo = dynamic_cast<ComboWidget*>(p))
            return combo;
    return nullptr;
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint global)
{
    QPoint local = target->mapFromGlobal(global);
    Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(local), QPointF(global), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// True between the pen-down that opened a drop-down list or menu and its pen-up: that pen-up
// belongs to the opening tap and chooses nothing, as on the device.
bool g_openingTap = false;

void DeliverPen(Point screenPoint, bool down)
{
    QWidget* screen = GetScreenWidget();
    if (!screen)
        return;
    QPoint global = screen->mapToGlobal(QPoint(screenPoint.x, screenPoint.y));
    QEvent::Type type = down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease;
    if (!down && g_openingTap) {
        g_openingTap = false;
        return;
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        QPoint inPopup = popup->mapFromGlobal(global);
        if (!popup->rect().contains(inPopup)) {
            // A tap outside an open list or menu goes to it, which closes it (a combo box's list
            // through the box, which reports the close-up), and nowhere else.
            if (down)
                SendMouse(popup, type, global);
            return;
        }
        if (ComboWidget* combo = ComboOfPopup(popup)) {
            // An entry of a dropped combo list is chosen when the pen lifts on it.
            if (!down) {
                QAbstractItemView* view = combo->view();
                QModelIndex index = view->indexAt(view->viewport()->mapFromGlobal(global));
                if (index.isValid())
                    combo->UserChoose(index.row());
            }
            return;
        }
        SendMouse(WidgetAt(popup, inPopup), type, global);
        return;
    }
    SendMouse(WidgetAt(screen, QPoint(screenPoint.x, screenPoint.y)), type, global);
    if (down && QApplication::activePopupWidget())
        g_openingTap = true;
}

CWindow* Control(int controlId)
{
    CDialog* front = FrontDialog();
    return front ? front->GetDlgItem(controlId) : nullptr;
}

QWidget* ControlWidget(int controlId)
{
    CWindow* control = Control(controlId);
    return control ? control->GetHandle().widget.data() : nullptr;
}

CommandBarWidget* FrontBar()
{
    CDialog* front = FrontDialog();
    if (!front || !front->GetState().frontBar)
        return nullptr;
    RefreshCommandStates(*front);
    return dynamic_cast<CommandBarWidget*>(front->GetState().frontBar->GetHandle().widget.data());
}

QString StripMnemonic(QString text)
{
    text.replace(QLatin1String("&&"), QString(QChar(1)));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(1), QLatin1Char('&'));
    return text;
}

QMenu* FindPopup(const std::vector<String>& path)
{
    CommandBarWidget* bar = FrontBar();
    if (!bar || path.empty())
        return nullptr;
    QMenu* menu = nullptr;
    for (QToolButton* button : bar->MenuButtons())
        if (StripMnemonic(button->text()) == StripMnemonic(ToQString(path[0])))
            menu = button->menu();
    for (size_t i = 1; menu && i < path.size(); ++i) {
        QMenu* next = nullptr;
        for (QAction* action : menu->actions())
            if (action->menu() && StripMnemonic(action->text()) == StripMnemonic(ToQString(path[i])))
                next = action->menu();
        menu = next;
    }
    return menu;
}

void EndAllDialogs()
{
    for (int i = 0; i < 50; ++i) {
        bool any = OnUi([] { return FrontDialog() != nullptr; });
        if (!any)
            return;
        Act([] {
            if (CDialog* front = FrontDialog())
                front->EndDialog(IDCANCEL);
        });
    }
}

} // namespace

void StartPlatform()
{
    EnsurePlatform();
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
    QApplication::setEffectEnabled(Qt::UI_AnimateMenu, false);
    QApplication::setEffectEnabled(Qt::UI_FadeMenu, false);
    SetMessageBoxAutoAnswer(true);
}

int RunWithScript(const std::function<int()>& start, const std::function<void()>& script)
{
    StartPlatform();
    g_scriptDone = false;
    QTimer pump;
    pump.setInterval(1);
    QObject::connect(&pump, &QTimer::timeout, &pump, CollectJobs);
    pump.start();
    std::atomic<bool> ready{false};
    std::thread worker([&] {
        g_scriptThread = std::this_thread::get_id();
        g_scriptRunning = true;
        ready = true;
        script();
        EndAllDialogs();
        g_scriptDone = true;
    });
    while (!ready)
        std::this_thread::yield();
    int result = start();
    QEventLoop loop;
    while (!g_scriptDone)
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    worker.join();
    g_scriptRunning = false;
    pump.stop();
    CollectJobs();
    QCoreApplication::processEvents();
    return result;
}

int RunProgram(CApplication& app, const std::function<void()>& script)
{
    return RunWithScript(
        [&app] {
            if (app.InitInstance()) {
                // The program asked for a message loop: it runs until the script is done.
                QEventLoop loop;
                while (!g_scriptDone)
                    loop.processEvents(QEventLoop::WaitForMoreEvents);
            }
            return app.ExitInstance();
        },
        script);
}

void RunOnUiThread(const std::function<void()>& work)
{
    OnUi([&work] { work(); });
}

std::vector<CDialog*> GetRunningDialogs()
{
    return OnUi([] { return RunningDialogs(); });
}

CDialog* GetActiveDialog()
{
    return OnUi([] { return FrontDialog(); });
}

int GetActiveDialogTemplate()
{
    return OnUi([] {
        CDialog* front = FrontDialog();
        return front ? front->GetTemplateId() : -1;
    });
}

String GetScreenTitle()
{
    return OnUi([] {
        QWidget* screen = GetScreenWidget();
        return screen ? FromQString(screen->windowTitle().trimmed()) : String();
    });
}

bool WaitForDialog(int templateId, int timeoutMs)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (GetActiveDialogTemplate() == templateId)
            return true;
        if (OnScriptThread())
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        else
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return GetActiveDialogTemplate() == templateId;
}

void Tap(Point screenPoint)
{
    PenDown(screenPoint);
    PenUp(screenPoint);
}

void PenDown(Point screenPoint)
{
    Act([screenPoint] { DeliverPen(screenPoint, true); });
}

void PenUp(Point screenPoint)
{
    Act([screenPoint] { DeliverPen(screenPoint, false); });
}

Rect GetControlScreenRect(int controlId)
{
    return OnUi([controlId] {
        CWindow* control = Control(controlId);
        return control ? control->GetWindowRect() : Rect{};
    });
}

bool TapControl(int controlId)
{
    Rect rect = GetControlScreenRect(controlId);
    if (rect.IsEmpty())
        return false;
    Tap(Point{rect.left + rect.Width() / 2, rect.top + rect.Height() / 2});
    return true;
}

Point ControlClientToScreen(int controlId, Point clientPoint)
{
    return OnUi([&] {
        CWindow* control = Control(controlId);
        if (!control)
            return clientPoint;
        Rect r{clientPoint.x, clientPoint.y, clientPoint.x + 1, clientPoint.y + 1};
        control->ClientToScreen(r);
        return Point{r.left, r.top};
    });
}

bool TapControlAt(int controlId, Point clientPoint)
{
    if (!HasControl(controlId))
        return false;
    Tap(ControlClientToScreen(controlId, clientPoint));
    return true;
}

bool HasControl(int controlId)
{
    return OnUi([controlId] { return Control(controlId) != nullptr; });
}

String GetControlText(int controlId)
{
    return OnUi([controlId] {
        CWindow* control = Control(controlId);
        return control ? control->GetWindowText() : String();
    });
}

bool IsControlEnabled(int controlId)
{
    return OnUi([controlId] {
        CWindow* control = Control(controlId);
        return control && control->IsWindowEnabled();
    });
}

bool IsControlVisible(int controlId)
{
    return OnUi([controlId] {
        CWindow* control = Control(controlId);
        return control && control->IsWindowVisible();
    });
}

std::vector<String> GetListEntries(int controlId)
{
    return OnUi([controlId] {
        std::vector<String> entries;
        QWidget* widget = ControlWidget(controlId);
        if (auto* list = dynamic_cast<QListWidget*>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                entries.push_back(FromQString(list->item(i)->text()));
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                entries.push_back(FromQString(combo->itemText(i)));
        }
        return entries;
    });
}

int GetListSelection(int controlId)
{
    return OnUi([controlId] {
        CWindow* control = Control(controlId);
        if (auto* list = dynamic_cast<CListBox*>(control))
            return list->GetCurSel();
        if (auto* combo = dynamic_cast<CComboBox*>(control))
            return combo->GetCurSel();
        return -1;
    });
}

bool IsComboDropped(int controlId)
{
    return OnUi([controlId] {
        auto* combo = dynamic_cast<CComboBox*>(Control(controlId));
        return combo && combo->GetDroppedState();
    });
}

int GetFocusedControl()
{
    return OnUi([] {
        QWidget* screen = GetScreenWidget();
        CDialog* front = FrontDialog();
        if (!screen || !front)
            return 0;
        for (QWidget* w = screen->focusWidget(); w; w = w->parentWidget()) {
            QVariant id = w->property("controlId");
            if (id.isValid() && front->GetDlgItem(id.toInt()))
                return id.toInt();
        }
        return 0;
    });
}

bool ChooseComboEntry(int controlId, int index)
{
    bool ok = OnUi([&] {
        auto* combo = dynamic_cast<ComboWidget*>(ControlWidget(controlId));
        return combo && combo->isEnabled() && index >= 0 && index < combo->count();
    });
    if (!ok)
        return false;
    Act([controlId, index] {
        if (auto* combo = dynamic_cast<ComboWidget*>(ControlWidget(controlId)))
            combo->UserChoose(index);
    });
    return true;
}

bool IsDropDownOpen()
{
    return OnUi([] {
        QWidget* popup = QApplication::activePopupWidget();
        return popup && ComboOfPopup(popup) != nullptr;
    });
}

bool ChooseOpenDropDownEntry(int index)
{
    bool ok = OnUi([index] {
        QWidget* popup = QApplication::activePopupWidget();
        ComboWidget* combo = popup ? ComboOfPopup(popup) : nullptr;
        return combo && index >= 0 && index < combo->count();
    });
    if (!ok)
        return false;
    Act([index] {
        QWidget* popup = QApplication::activePopupWidget();
        if (ComboWidget* combo = popup ? ComboOfPopup(popup) : nullptr)
            combo->UserChoose(index);
    });
    return true;
}

bool IsCommandEnabled(int commandId)
{
    return OnUi([commandId] {
        CommandBarWidget* bar = FrontBar();
        return bar && bar->State(commandId) == 1;
    });
}

bool HasCommand(int commandId)
{
    return OnUi([commandId] {
        CommandBarWidget* bar = FrontBar();
        return bar && bar->State(commandId) != -1;
    });
}

bool ChooseMenuCommand(int commandId)
{
    bool ok = OnUi([commandId] {
        CommandBarWidget* bar = FrontBar();
        QAction* action = bar ? bar->FindAction(commandId) : nullptr;
        return action && action->isEnabled();
    });
    if (!ok)
        return false;
    Act([commandId] {
        CommandBarWidget* bar = FrontBar();
        if (QAction* action = bar ? bar->FindAction(commandId) : nullptr)
            action->trigger();
    });
    return true;
}

bool TapToolbarButton(int commandId)
{
    bool found = false;
    Point centre = OnUi([&] {
        CommandBarWidget* bar = FrontBar();
        QToolButton* button = bar ? bar->FindButton(commandId) : nullptr;
        if (!button)
            return Point{};
        found = true;
        QPoint c = button->mapTo(GetScreenWidget(), button->rect().center());
        return Point{c.x(), c.y()};
    });
    if (!found)
        return false;
    Tap(centre);
    return true;
}

bool TapMenuBarButton(const String& label)
{
    bool found = false;
    Point centre = OnUi([&] {
        CommandBarWidget* bar = FrontBar();
        if (!bar)
            return Point{};
        for (QToolButton* button : bar->MenuButtons()) {
            if (StripMnemonic(button->text()) != StripMnemonic(ToQString(label)))
                continue;
            found = true;
            QPoint c = GetScreenWidget()->mapFromGlobal(button->mapToGlobal(button->rect().center()));
            return Point{c.x(), c.y()};
        }
        return Point{};
    });
    if (!found)
        return false;
    Tap(centre);
    return true;
}

bool IsMenuOpen()
{
    return OnUi([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; });
}

bool TapOpenMenuItem(const String& label)
{
    bool found = false;
    QMenu* subMenu = nullptr;
    Point centre = OnUi([&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return Point{};
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || StripMnemonic(action->text()) != StripMnemonic(ToQString(label)))
                continue;
            QRect item = menu->actionGeometry(action);
            if (item.isEmpty())
                continue;
            found = true;
            subMenu = action->menu();
            QPoint c = GetScreenWidget()->mapFromGlobal(menu->mapToGlobal(item.center()));
            return Point{c.x(), c.y()};
        }
        return Point{};
    });
    if (!found)
        return false;
    Tap(centre);
    // A sub menu opens after the menu's short pop-up delay; wait for it like a user does.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (subMenu && std::chrono::steady_clock::now() < deadline &&
           !OnUi([subMenu] { return QApplication::activePopupWidget() == subMenu; })) {
        if (OnScriptThread())
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        else
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

std::vector<String> GetMenuBarButtons()
{
    return OnUi([] {
        std::vector<String> labels;
        if (CommandBarWidget* bar = FrontBar())
            for (QToolButton* button : bar->MenuButtons())
                labels.push_back(FromQString(button->text()));
        return labels;
    });
}

std::vector<String> GetMenuItems(const std::vector<String>& popupPath)
{
    return OnUi([&popupPath] {
        std::vector<String> items;
        if (QMenu* menu = FindPopup(popupPath))
            for (QAction* action : menu->actions())
                items.push_back(action->isSeparator() ? String(u"-") : FromQString(action->text()));
        return items;
    });
}

bool TypeText(int controlId, const String& text)
{
    bool ok = OnUi([controlId] { return qobject_cast<QLineEdit*>(ControlWidget(controlId)) != nullptr; });
    if (!ok)
        return false;
    Act([controlId, text] {
        if (auto* edit = qobject_cast<QLineEdit*>(ControlWidget(controlId))) {
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
            edit->insert(ToQString(text));
        }
    });
    return true;
}

bool SetCheck(int controlId, bool checked)
{
    bool ok = OnUi([controlId] { return qobject_cast<QCheckBox*>(ControlWidget(controlId)) != nullptr; });
    if (!ok)
        return false;
    Act([controlId, checked] {
        auto* box = qobject_cast<QCheckBox*>(ControlWidget(controlId));
        if (box && box->isEnabled() && box->isChecked() != checked)
            box->click();
    });
    return true;
}

void PressTitleOk()
{
    Act([] {
        if (QWidget* screen = GetScreenWidget())
            screen->close();
    });
}

void AnswerNextMessageBoxes(const std::vector<int>& answers) { QueueMessageBoxAnswers(answers); }

std::vector<ShownMessageBox> TakeShownMessageBoxes()
{
    std::vector<ShownMessageBox> shown;
    for (const RecordedMessageBox& box : TakeRecordedMessageBoxes())
        shown.push_back({box.text, box.title, box.type, box.answer});
    return shown;
}

bool TapHtmlLink(int viewerControlId, const String& href)
{
    bool found = false;
    Point point = OnUi([&] {
        auto* viewer = qobject_cast<QTextBrowser*>(ControlWidget(viewerControlId));
        if (!viewer)
            return Point{};
        QString target = ToQString(href);
        QTextDocument* document = viewer->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                QTextFragment fragment = it.fragment();
                if (!fragment.charFormat().isAnchor() || fragment.charFormat().anchorHref() != target)
                    continue;
                QTextCursor cursor(document);
                cursor.setPosition(fragment.position() + (fragment.length() > 1 ? 1 : 0));
                QRect caret = viewer->cursorRect(cursor);
                QPoint c = viewer->viewport()->mapTo(GetScreenWidget(), caret.center());
                found = true;
                return Point{c.x(), c.y()};
            }
        }
        return Point{};
    });
    if (!found)
        return false;
    Tap(point);
    return true;
}

void SetHtmlViewerAvailable(bool available)
{
    OnUi([available] { SetHtmlViewerAvailableForTests(available); });
}

void ResizeScreen(int width, int height)
{
    Act([width, height] {
        if (QWidget* screen = GetScreenWidget())
            screen->resize(width, height);
    });
}

static ScreenImage FromImage(const QImage& source)
{
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    ScreenImage result;
    result.width = image.width();
    result.height = image.height();
    result.pixels.resize(static_cast<size_t>(result.width) * result.height);
    for (int y = 0; y < result.height; ++y)
        for (int x = 0; x < result.width; ++x)
            result.pixels[static_cast<size_t>(y) * result.width + x] = FromQRgb(image.pixel(x, y));
    return result;
}

ScreenImage CaptureScreen()
{
    return OnUi([] {
        QWidget* screen = GetScreenWidget();
        return screen ? FromImage(screen->grab().toImage()) : ScreenImage{};
    });
}

bool SavePng(const ScreenImage& image, const String& path)
{
    QImage out(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            ColorRef c = image.At(x, y);
            out.setPixel(x, y, qRgb(static_cast<int>(RedOf(c)), static_cast<int>(GreenOf(c)),
                                    static_cast<int>(BlueOf(c))));
        }
    return out.save(ToQString(path), "PNG");
}

bool LoadPng(const String& path, ScreenImage& image)
{
    QImage in;
    if (!in.load(ToQString(path), "PNG"))
        return false;
    image = FromImage(in);
    return true;
}

double CompareImages(const ScreenImage& image, const ScreenImage& reference, int channelTolerance)
{
    if (image.width != reference.width || image.height != reference.height || image.pixels.empty())
        return 1.0;
    size_t differing = 0;
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        ColorRef a = image.pixels[i];
        ColorRef b = reference.pixels[i];
        auto far = [channelTolerance](unsigned x, unsigned y) {
            return std::abs(static_cast<int>(x) - static_cast<int>(y)) > channelTolerance;
        };
        if (far(RedOf(a), RedOf(b)) || far(GreenOf(a), GreenOf(b)) || far(BlueOf(a), BlueOf(b)))
            ++differing;
    }
    return static_cast<double>(differing) / static_cast<double>(image.pixels.size());
}

} // namespace TestHooks
