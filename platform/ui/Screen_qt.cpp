// The screen window, the running-dialog stack and the platform's start.

#include "platform/ui/Screen.h"
#include "platform/ui/DialogState_qt.h"
#include "platform/ui/Platform_qt.h"
#include "platform/ui/Screen_qt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

#include <algorithm>

namespace {

const int kStartWidth = 240;
const int kStartHeight = 320;

QPointer<ScreenWindow>& ScreenPointer()
{
    static QPointer<ScreenWindow> screen;
    return screen;
}

std::vector<CDialog*>& Running()
{
    static std::vector<CDialog*> dialogs;
    return dialogs;
}

} // namespace

ScreenWindow::ScreenWindow()
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    resize(kStartWidth, kStartHeight);
    setWindowTitle(QStringLiteral(" "));
}

void ScreenWindow::PushDialog(CDialog* dialog)
{
    auto& running = Running();
    if (!running.empty()) {
        if (QWidget* frame = running.back()->GetState().frame.data())
            frame->hide();
    }
    running.push_back(dialog);
}

void ScreenWindow::PopDialog(CDialog* dialog)
{
    auto& running = Running();
    running.erase(std::remove(running.begin(), running.end(), dialog), running.end());
    if (!running.empty()) {
        DialogState& front = running.back()->GetState();
        front.Layout();
        if (front.frame)
            front.frame->show();
    }
    UpdateFromFront();
}

void ScreenWindow::UpdateFromFront()
{
    CDialog* front = FrontDialog();
    if (!front) {
        setWindowTitle(QStringLiteral(" "));
        setWindowIcon(QIcon());
        return;
    }
    DialogState& state = front->GetState();
    setWindowTitle(state.title.isEmpty() ? QStringLiteral(" ") : state.title);
    QImage icon = state.iconId ? LoadIconImage(state.iconId) : QImage();
    setWindowIcon(icon.isNull() ? QIcon() : QIcon(QPixmap::fromImage(icon)));
}

void ScreenWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Every running dialog follows the new size (a rotation reaches the screens below the front
    // one too), outermost first.
    std::vector<CDialog*> running = Running();
    for (CDialog* dialog : running) {
        DialogState& state = dialog->GetState();
        if (!state.running)
            continue;
        state.Layout();
        QSize size = state.client ? state.client->size() : QSize();
        if (state.initialised && size != state.lastClientSize) {
            state.lastClientSize = size;
            dialog->OnSize(size.width(), size.height());
            if (state.running)
                RefreshCommandStates(*dialog);
        }
    }
}

void ScreenWindow::closeEvent(QCloseEvent* event)
{
    // The title bar's OK of the handheld: the dialog in front gets IDOK; the screen itself
    // closes only when no dialog runs.
    if (CDialog* front = FrontDialog()) {
        event->ignore();
        QPointer<QWidget> client = front->GetState().client.data();
        QTimer::singleShot(0, client.data(), [front, client] {
            if (client && front->IsRunning())
                front->GetState().DispatchCommand(IDOK);
        });
        return;
    }
    event->accept();
}

ScreenWindow* GetScreenWindow() { return ScreenPointer().data(); }
QWidget* GetScreenWidget() { return ScreenPointer().data(); }

const std::vector<CDialog*>& RunningDialogs() { return Running(); }

CDialog* FrontDialog()
{
    auto& running = Running();
    return running.empty() ? nullptr : running.back();
}

void EnsurePlatform(int* argc, char** argv)
{
    if (!QApplication::instance()) {
        static int defaultArgc = 1;
        static char name[] = "phrasebook";
        static char* defaultArgv[] = {name, nullptr};
        new QApplication(argc ? *argc : defaultArgc, argv ? argv : defaultArgv);
    }
    if (ScreenPointer())
        return;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The handheld's screens are white with black text.
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    QApplication::setPalette(palette);
    QApplication::setFont(DialogFont(QStringLiteral("System"), 8));
    QApplication::setQuitOnLastWindowClosed(true);
    ScreenPointer() = new ScreenWindow();
    ScreenPointer()->show();
    InstallQtMessageBoxHandler();
}

int GetScreenWidth()
{
    ScreenWindow* screen = GetScreenWindow();
    return screen ? screen->width() : kStartWidth;
}

int GetScreenHeight()
{
    ScreenWindow* screen = GetScreenWindow();
    return screen ? screen->height() : kStartHeight;
}

String GetPlatformType() { return String(u"PocketPC"); }
