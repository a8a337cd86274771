// The application object's run.

#include "platform/ui/Application.h"
#include "platform/ui/Platform_qt.h"

#include <QApplication>

namespace {
CApplication* g_application = nullptr;
}

CApplication::CApplication() = default;
CApplication::~CApplication()
{
    if (g_application == this)
        g_application = nullptr;
}

CApplication* GetApplication() { return g_application; }

int RunApplication(int argc, char** argv, CApplication& app)
{
    static int savedArgc = 0;
    savedArgc = argc;
    EnsurePlatform(&savedArgc, argv);
    CApplication* previous = g_application;
    g_application = &app;
    if (app.InitInstance())
        QApplication::exec();
    int result = app.ExitInstance();
    g_application = previous;
    return result;
}
