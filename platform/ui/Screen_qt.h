#pragma once

// The screen window: the top-level window whose client area is the device screen. Running
// dialogs are its children; the one in front gives it its title and icon.

#include <QWidget>

class CDialog;

class ScreenWindow : public QWidget {
public:
    ScreenWindow();
    void PushDialog(CDialog* dialog);
    void PopDialog(CDialog* dialog);
    void UpdateFromFront();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
