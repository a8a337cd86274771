#pragma once

// Internals of the Qt platform layer shared by its *_qt.cpp files and the test hooks.
// Nothing above platform/ includes this header.

#include "baselib/String.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Window.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class CDialog;
class CCustomControl;

QString ToQString(const String& text);
QString ToQString(const char16_t* text); // nullptr gives the empty text
String FromQString(const QString& text);
QColor ToQColor(ColorRef color);
ColorRef FromQRgb(QRgb rgb);
Rect FromQRect(const QRect& rect);
QRect ToQRect(const Rect& rect);

// The Qt font a CFont resolves to; a default CFont gives fallback.
QFont ToQFont(const CFont& font, const QFont& fallback);
CFont FromQFont(const QFont& font);
// The font of a dialog template's face and point size, and its base units (pixels per 4
// horizontal and 8 vertical dialog units).
QFont DialogFont(const QString& face, int pointSize);
void DialogBaseUnits(const QString& face, int pointSize, double& baseX, double& baseY);

struct BitmapData {
    QImage image;
};
QImage LoadBitmapImage(int resourceId);
QImage LoadIconImage(int resourceId);

// What a CWindow names: the widget, and the pen hooks run after the widget's own handling.
struct WindowHandle {
    QPointer<QWidget> widget;
    CWindow::PenHandler penDown;
    CWindow::PenHandler penUp;

    // The widget whose coordinates are the window's client pixels (a list's viewport), and the
    // client area inside it (inside a sunken edge).
    QWidget* ClientWidget() const;
    QRect ClientArea() const;
};
void AttachWindow(CWindow& window, QWidget* widget);
// The CWindow attached to a widget by the framework (the dialog's control object), if any.
CWindow* WindowOf(QWidget* widget);
// Runs the pen hooks of the windows attached to widget (pos in widget pixels).
void RunPenHooks(QWidget* widget, const QPoint& pos, bool down);

// The screen window, created by EnsurePlatform.
class ScreenWindow;
ScreenWindow* GetScreenWindow();
QWidget* GetScreenWidget();
// Creates the application (when none exists), the screen and the message box handler.
void EnsurePlatform(int* argc = nullptr, char** argv = nullptr);

// Running dialogs, innermost last.
const std::vector<CDialog*>& RunningDialogs();
CDialog* FrontDialog();
QWidget* GetDialogClient(CDialog& dialog);

// After an event reached a dialog: lets it decide its commands' states.
void RefreshCommandStates(CDialog& dialog);

// Test support: message boxes answered without waiting for a user.
struct RecordedMessageBox {
    String text;
    String title;
    unsigned type;
    int answer;
};
void SetMessageBoxAutoAnswer(bool on);
void QueueMessageBoxAnswers(const std::vector<int>& answers);
std::vector<RecordedMessageBox> TakeRecordedMessageBoxes();
void InstallQtMessageBoxHandler();

void SetHtmlViewerAvailableForTests(bool available);
