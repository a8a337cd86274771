// A library preloaded (LD_PRELOAD) into a Qt program to time its start: when the application
// object is made it watches every event, and once the first paint of a window that is not a
// message box has been delivered (with the rest of that paint pass) it writes one line to the
// file named by $PHRASEBOOK_PROBE_OUT and ends the process at once (_exit, no clean-up, which
// is not being timed):
//
//     paint_ns=<CLOCK_MONOTONIC nanoseconds> vmhwm_kb=<peak resident set> vmrss_kb=<resident>
//     window=<class of the painted window> title=<its title>
//
// The program itself is not changed; the floor program is timed with the same probe, so both
// sides pay for it alike.
#include "bench/ProcStatus.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaintProbe : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        QWidget* window = widget->window();
        if (!window || qobject_cast<QMessageBox*>(window))
            return false;
        if (m_seen)
            return false;
        m_seen = true;
        // The paint pass that this event starts paints every dirty widget of the window before
        // the event loop runs again; the note is taken after it, from a queued call.
        QPointer<QWidget> painted(window);
        QMetaObject::invokeMethod(
            this, [painted] { NoteAndExit(painted); }, Qt::QueuedConnection);
        return false;
    }

private:
    static void NoteAndExit(QWidget* window)
    {
        timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long ns = (long long)now.tv_sec * 1000000000LL + now.tv_nsec;
        const char* path = std::getenv("PHRASEBOOK_PROBE_OUT");
        if (FILE* out = path ? std::fopen(path, "w") : nullptr) {
            std::fprintf(out, "paint_ns=%lld vmhwm_kb=%ld vmrss_kb=%ld window=%s title=%s\n", ns,
                         ReadProcStatusKb("VmHWM"), ReadProcStatusKb("VmRSS"),
                         window ? window->metaObject()->className() : "?",
                         window ? window->windowTitle().toUtf8().constData() : "");
            std::fclose(out);
        }
        _exit(0);
    }

    bool m_seen = false;
};

void InstallProbe()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe());
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
