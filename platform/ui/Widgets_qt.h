#pragma once

// The Qt widgets behind the framework's windows: each standard Qt control with the small
// additions the handheld's controls need (pen hooks after the default handling, notifications
// only for the user's own changes, a list's horizontal extent, a custom-drawn static).

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QWidget>

#include <functional>

class CCustomControl;
class CDialog;
struct DialogState;

// The client area of a running dialog: the controls' parent. Taps that no control takes reach
// the dialog's pen hooks.
class DialogClientWidget : public QWidget {
public:
    DialogClientWidget(DialogState& state, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    DialogState& m_state;
};

// A static of a template: text, picture, sunken frame, or a custom control's canvas.
class StaticWidget : public QLabel {
public:
    explicit StaticWidget(QWidget* parent);
    void SetCustomControl(CCustomControl* control);
    CCustomControl* GetCustomControl() const { return m_custom; }
    // The next paint starts from the background colour instead of the last picture.
    void RequestErase() { m_eraseNext = true; }
    const QImage& GetCanvas() const { return m_canvas; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CCustomControl* m_custom = nullptr;
    QImage m_canvas;
    bool m_eraseNext = true;
};

class ListWidget : public QListWidget {
public:
    explicit ListWidget(QWidget* parent);
    void SetHorizontalExtent(int width);
    int GetHorizontalExtent() const { return m_extent; }
    // Lists created with a horizontal scroll bar show it exactly while the extent is wider than
    // the viewport; the list decides this itself instead of leaving it to Qt's as-needed policy.
    void SetHorizontalScrollAllowed(bool allowed);
    // Runs change with the user-change notification suppressed.
    void Programmatic(const std::function<void()>& change);
    std::function<void()> onUserSelChange;

protected:
    void updateGeometries() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_extent = 0;
    bool m_programmatic = false;
    bool m_updatingGeometries = false;
    bool m_horizontalAllowed = false;
};

class ComboWidget : public QComboBox {
public:
    explicit ComboWidget(QWidget* parent);
    void showPopup() override;
    void hidePopup() override;
    // The user's choice of an entry, as a tap on it in the dropped list does.
    void UserChoose(int index);
    std::function<void()> onUserSelChange;
    std::function<void()> onCloseUp;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_dropped = false;
};
