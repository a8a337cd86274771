// Message boxes as modal Qt message boxes over the screen, and their test answers.

#include "platform/core/MessageBox.h"
#include "platform/ui/Platform_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

#include <deque>
#include <mutex>

namespace {

std::mutex g_mutex;
bool g_autoAnswer = false;
std::deque<int> g_answers;
std::vector<RecordedMessageBox> g_recorded;

int ShowOnUiThread(const String& text, const String& title, unsigned type)
{
    bool okCancel = (type & 0x0F) == MB_OKCANCEL;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if ((type & 0xF0) == MB_ICONWARNING)
        icon = QMessageBox::Warning;
    else if ((type & 0xF0) == MB_ICONINFORMATION)
        icon = QMessageBox::Information;
    QMessageBox box(icon, ToQString(title), ToQString(text),
                    okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    GetScreenWidget());
    box.setWindowModality(Qt::ApplicationModal);

    bool automatic = false;
    int answer = IDOK;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        automatic = g_autoAnswer;
        if (automatic && !g_answers.empty()) {
            answer = g_answers.front();
            g_answers.pop_front();
        }
    }
    if (automatic) {
        // The box is really shown; the answer is given as soon as its loop runs.
        QMessageBox::StandardButton button =
            (answer == IDCANCEL && okCancel) ? QMessageBox::Cancel : QMessageBox::Ok;
        QTimer::singleShot(0, &box, [&box, button] {
            if (QAbstractButton* b = box.button(button))
                b->click();
        });
    }
    int chosen = box.exec() == QMessageBox::Cancel ? IDCANCEL : IDOK;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_recorded.push_back({text, title, type, chosen});
    }
    return chosen;
}

int QtMessageBox(const String& text, const String& title, unsigned type)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return IDOK;
    if (QThread::currentThread() == app->thread())
        return ShowOnUiThread(text, title, type);
    int result = IDOK;
    QMetaObject::invokeMethod(app, [&] { result = ShowOnUiThread(text, title, type); },
                              Qt::BlockingQueuedConnection);
    return result;
}

} // namespace

void InstallQtMessageBoxHandler() { SetMessageBoxHandler(QtMessageBox); }

void SetMessageBoxAutoAnswer(bool on)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_autoAnswer = on;
}

void QueueMessageBoxAnswers(const std::vector<int>& answers)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_answers.insert(g_answers.end(), answers.begin(), answers.end());
}

std::vector<RecordedMessageBox> TakeRecordedMessageBoxes()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    std::vector<RecordedMessageBox> taken;
    taken.swap(g_recorded);
    return taken;
}
