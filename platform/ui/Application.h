#pragma once

// The application object and the program's run.
//
// A program derives from CApplication and hands an instance to RunApplication from main().
// RunApplication brings up the platform (screen, message boxes), then calls InitInstance once.
// When InitInstance returns true, the platform's message loop runs until the screen is closed;
// when it returns false (a program whose life is its modal main screen), no loop runs. In both
// cases ExitInstance is called next and its result is the program's exit code.

class CDialog;

class CApplication {
public:
    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    virtual bool InitInstance() = 0;
    virtual int ExitInstance() { return 0; }

    void SetMainWindow(CDialog* dialog) { m_mainWindow = dialog; }
    CDialog* GetMainWindow() const { return m_mainWindow; }

private:
    CDialog* m_mainWindow = nullptr;
};

// The application object of the run in progress (none outside RunApplication).
CApplication* GetApplication();

int RunApplication(int argc, char** argv, CApplication& app);
