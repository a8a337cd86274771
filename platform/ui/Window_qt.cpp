// CWindow and the standard controls over their Qt widgets.

#include "platform/ui/Controls.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Platform_qt.h"
#include "platform/ui/Widgets_qt.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QTextEdit>
#include <QComboBox>
#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidgetItem>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <map>

namespace {

std::map<QWidget*, std::vector<CWindow*>>& AttachedWindows()
{
    static std::map<QWidget*, std::vector<CWindow*>> windows;
    return windows;
}

void Detach(CWindow& window, QWidget* widget)
{
    auto& all = AttachedWindows();
    auto found = all.find(widget);
    if (found == all.end())
        return;
    auto& list = found->second;
    list.erase(std::remove(list.begin(), list.end(), &window), list.end());
    if (list.empty())
        all.erase(found);
}

template <class W>
W* As(const CWindow& window)
{
    return dynamic_cast<W*>(window.GetHandle().widget.data());
}

// A point of widget in screen pixels, through global coordinates so that windows outside the
// screen's widget tree (a dropped list) map too.
QPoint ToScreen(QWidget* widget, QPoint point)
{
    QWidget* screen = GetScreenWidget();
    return screen->mapFromGlobal(widget->mapToGlobal(point));
}

} // namespace

QWidget* WindowHandle::ClientWidget() const
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget.data()))
        return area->viewport();
    return widget.data();
}

QRect WindowHandle::ClientArea() const
{
    QWidget* client = ClientWidget();
    if (!client)
        return QRect();
    if (client == widget.data()) {
        if (auto* frame = qobject_cast<QFrame*>(client))
            return frame->contentsRect();
    }
    return client->rect();
}

void AttachWindow(CWindow& window, QWidget* widget)
{
    WindowHandle& handle = window.GetHandle();
    if (handle.widget)
        Detach(window, handle.widget.data());
    handle.widget = widget;
    if (!widget)
        return;
    auto& all = AttachedWindows();
    bool known = all.count(widget) != 0;
    all[widget].push_back(&window);
    if (!known)
        QObject::connect(widget, &QObject::destroyed, [widget] { AttachedWindows().erase(widget); });
}

CWindow* WindowOf(QWidget* widget)
{
    auto& all = AttachedWindows();
    auto found = all.find(widget);
    return found == all.end() || found->second.empty() ? nullptr : found->second.front();
}

void RunPenHooks(QWidget* widget, const QPoint& pos, bool down)
{
    auto& all = AttachedWindows();
    auto found = all.find(widget);
    if (found == all.end())
        return;
    std::vector<CWindow*> windows = found->second; // a hook may detach windows
    for (CWindow* window : windows) {
        WindowHandle& handle = window->GetHandle();
        QRect area = handle.ClientArea();
        Point client{pos.x() - area.left(), pos.y() - area.top()};
        CWindow::PenHandler hook = down ? handle.penDown : handle.penUp;
        if (hook)
            hook(client);
    }
}

CWindow::CWindow() : m_handle(std::make_unique<WindowHandle>()) {}

CWindow::~CWindow()
{
    QWidget* widget = m_handle->widget.data();
    if (!widget)
        return;
    if (auto* canvas = dynamic_cast<StaticWidget*>(widget)) {
        if (static_cast<CWindow*>(canvas->GetCustomControl()) == this)
            canvas->SetCustomControl(nullptr);
    }
    Detach(*this, widget);
}

bool CWindow::IsValid() const { return !m_handle->widget.isNull(); }

int CWindow::GetDlgCtrlID() const
{
    QWidget* w = m_handle->widget.data();
    return w ? w->property("controlId").toInt() : 0;
}

Rect CWindow::GetClientRect() const
{
    QRect area = m_handle->ClientArea();
    return {0, 0, area.width(), area.height()};
}

Rect CWindow::GetWindowRect() const
{
    QWidget* w = m_handle->widget.data();
    QWidget* screen = GetScreenWidget();
    if (!w || !screen)
        return {};
    QPoint origin = ToScreen(w, QPoint(0, 0));
    return {origin.x(), origin.y(), origin.x() + w->width(), origin.y() + w->height()};
}

Point CWindow::ScreenToClient(Point p) const
{
    QWidget* client = m_handle->ClientWidget();
    QWidget* screen = GetScreenWidget();
    if (!client || !screen)
        return p;
    QPoint local = client->mapFromGlobal(screen->mapToGlobal(QPoint(p.x, p.y))) - m_handle->ClientArea().topLeft();
    return {local.x(), local.y()};
}

void CWindow::ScreenToClient(Rect& rect) const
{
    Point topLeft = ScreenToClient(Point{rect.left, rect.top});
    rect.Offset(topLeft.x - rect.left, topLeft.y - rect.top);
}

void CWindow::ClientToScreen(Rect& rect) const
{
    QWidget* client = m_handle->ClientWidget();
    QWidget* screen = GetScreenWidget();
    if (!client || !screen)
        return;
    QPoint origin = ToScreen(client, m_handle->ClientArea().topLeft());
    rect.Offset(origin.x(), origin.y());
}

void CWindow::MoveWindow(const Rect& rectInParent, bool repaint)
{
    QWidget* w = m_handle->widget.data();
    if (!w)
        return;
    QRect target = ToQRect(rectInParent);
    // A combo box's rectangle includes its dropped list on the handheld; the box keeps its
    // closed height.
    if (auto* combo = qobject_cast<QComboBox*>(w))
        target.setHeight(combo->sizeHint().height());
    w->setGeometry(target);
    if (repaint)
        w->update();
}

void CWindow::ShowWindow(bool show)
{
    if (QWidget* w = m_handle->widget.data())
        w->setVisible(show);
}

bool CWindow::IsWindowVisible() const
{
    QWidget* w = m_handle->widget.data();
    return w && w->isVisible();
}

void CWindow::EnableWindow(bool enable)
{
    if (QWidget* w = m_handle->widget.data())
        w->setEnabled(enable);
}

bool CWindow::IsWindowEnabled() const
{
    QWidget* w = m_handle->widget.data();
    return w && w->isEnabled();
}

void CWindow::SetFocus()
{
    if (QWidget* w = m_handle->widget.data())
        w->setFocus(Qt::OtherFocusReason);
}

void CWindow::SetWindowText(const String& text)
{
    QWidget* w = m_handle->widget.data();
    QString q = ToQString(text);
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(q);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(q);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(q);
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        group->setTitle(q);
    else if (w)
        w->setWindowTitle(q);
}

String CWindow::GetWindowText() const
{
    QWidget* w = m_handle->widget.data();
    if (auto* label = qobject_cast<QLabel*>(w))
        return FromQString(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return FromQString(button->text());
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return FromQString(edit->text());
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return FromQString(group->title());
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return FromQString(combo->currentText());
    if (auto* text = qobject_cast<QTextEdit*>(w))
        return FromQString(text->toPlainText());
    return w ? FromQString(w->windowTitle()) : String();
}

void CWindow::SetFont(const CFont& font)
{
    if (QWidget* w = m_handle->widget.data())
        w->setFont(ToQFont(font, w->font()));
}

CFont CWindow::GetFont() const
{
    QWidget* w = m_handle->widget.data();
    return w ? FromQFont(w->font()) : CFont();
}

Size CWindow::GetTextExtent(const String& text) const
{
    QWidget* w = m_handle->widget.data();
    if (!w)
        return {};
    QFontMetrics metrics(w->font());
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void CWindow::Invalidate(bool erase)
{
    QWidget* w = m_handle->widget.data();
    if (!w)
        return;
    if (erase) {
        if (auto* s = dynamic_cast<StaticWidget*>(w))
            s->RequestErase();
    }
    m_handle->ClientWidget()->update();
}

void CWindow::UpdateWindow()
{
    if (QWidget* client = m_handle->ClientWidget())
        client->repaint();
}

void CWindow::SetPenDownHandler(PenHandler handler) { m_handle->penDown = std::move(handler); }
void CWindow::SetPenUpHandler(PenHandler handler) { m_handle->penUp = std::move(handler); }

// ---- CListBox

void CListBox::ResetContent()
{
    if (auto* list = As<ListWidget>(*this))
        list->Programmatic([list] { list->clear(); });
}

int CListBox::AddString(const String& text) { return InsertString(-1, text); }

int CListBox::InsertString(int index, const String& text)
{
    auto* list = As<ListWidget>(*this);
    if (!list)
        return LB_ERR;
    int count = list->count();
    if (index > count)
        return LB_ERR;
    int at = index < 0 ? count : index;
    list->Programmatic([&] { list->insertItem(at, ToQString(text)); });
    return at;
}

int CListBox::DeleteString(int index)
{
    auto* list = As<ListWidget>(*this);
    if (!list || index < 0 || index >= list->count())
        return LB_ERR;
    list->Programmatic([&] { delete list->takeItem(index); });
    return list->count();
}

int CListBox::GetCount() const
{
    auto* list = As<ListWidget>(*this);
    return list ? list->count() : 0;
}

String CListBox::GetText(int index) const
{
    auto* list = As<ListWidget>(*this);
    if (!list || index < 0 || index >= list->count())
        return String();
    return FromQString(list->item(index)->text());
}

void CListBox::SetItemDataPtr(int index, void* data)
{
    auto* list = As<ListWidget>(*this);
    if (list && index >= 0 && index < list->count())
        list->item(index)->setData(Qt::UserRole, QVariant::fromValue(data));
}

void* CListBox::GetItemDataPtr(int index) const
{
    auto* list = As<ListWidget>(*this);
    if (!list || index < 0 || index >= list->count())
        return nullptr;
    return list->item(index)->data(Qt::UserRole).value<void*>();
}

int CListBox::SetCurSel(int index)
{
    auto* list = As<ListWidget>(*this);
    if (!list)
        return LB_ERR;
    if (index < 0) {
        list->Programmatic([list] {
            list->clearSelection();
            list->setCurrentRow(-1);
        });
        return index == -1 ? 0 : LB_ERR;
    }
    if (index >= list->count())
        return LB_ERR;
    list->Programmatic([&] {
        list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        list->scrollToItem(list->item(index));
    });
    return index;
}

int CListBox::GetCurSel() const
{
    auto* list = As<ListWidget>(*this);
    if (!list)
        return LB_ERR;
    QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? LB_ERR : list->row(selected.front());
}

bool CListBox::GetItemRect(int index, Rect& rect) const
{
    auto* list = As<ListWidget>(*this);
    if (!list || index < 0 || index >= list->count())
        return false;
    rect = FromQRect(list->visualItemRect(list->item(index)));
    return true;
}

void CListBox::SetHorizontalExtent(int width)
{
    if (auto* list = As<ListWidget>(*this))
        list->SetHorizontalExtent(width);
}

int CListBox::GetHorizontalExtent() const
{
    auto* list = As<ListWidget>(*this);
    return list ? list->GetHorizontalExtent() : 0;
}

int CListBox::GetHorizontalScrollPos() const
{
    auto* list = As<ListWidget>(*this);
    return list ? list->horizontalScrollBar()->value() : 0;
}

void CListBox::GetHorizontalScrollRange(int& min, int& max) const
{
    auto* list = As<ListWidget>(*this);
    min = list ? list->horizontalScrollBar()->minimum() : 0;
    max = list ? list->horizontalScrollBar()->maximum() : 0;
}

void CListBox::SetHorizontalScrollPos(int pos)
{
    if (auto* list = As<ListWidget>(*this))
        list->horizontalScrollBar()->setValue(pos);
}

int CListBox::InitStorage(int count, int bytesPerEntry)
{
    if (count < 0 || bytesPerEntry < 0)
        return LB_ERR;
    return count;
}

// ---- CComboBox

void CComboBox::ResetContent()
{
    if (auto* combo = As<ComboWidget>(*this))
        combo->clear();
}

int CComboBox::AddString(const String& text)
{
    auto* combo = As<ComboWidget>(*this);
    if (!combo)
        return CB_ERR;
    combo->addItem(ToQString(text));
    return combo->count() - 1;
}

int CComboBox::GetCount() const
{
    auto* combo = As<ComboWidget>(*this);
    return combo ? combo->count() : 0;
}

String CComboBox::GetLBText(int index) const
{
    auto* combo = As<ComboWidget>(*this);
    if (!combo || index < 0 || index >= combo->count())
        return String();
    return FromQString(combo->itemText(index));
}

int CComboBox::SetCurSel(int index)
{
    auto* combo = As<ComboWidget>(*this);
    if (!combo || index < -1 || index >= combo->count())
        return CB_ERR;
    combo->setCurrentIndex(index);
    return index;
}

int CComboBox::GetCurSel() const
{
    auto* combo = As<ComboWidget>(*this);
    return combo ? combo->currentIndex() : CB_ERR;
}

void CComboBox::ShowDropDown(bool show)
{
    auto* combo = As<ComboWidget>(*this);
    if (!combo)
        return;
    if (show)
        combo->showPopup();
    else
        combo->hidePopup();
}

bool CComboBox::GetDroppedState() const
{
    auto* combo = As<ComboWidget>(*this);
    return combo && combo->view()->isVisible();
}

int CComboBox::GetClosedHeight() const
{
    auto* combo = As<ComboWidget>(*this);
    return combo ? combo->height() : 0;
}

void CComboBox::SetSelChangeHandler(std::function<void()> handler)
{
    if (auto* combo = As<ComboWidget>(*this))
        combo->onUserSelChange = std::move(handler);
}

void CComboBox::SetCloseUpHandler(std::function<void()> handler)
{
    if (auto* combo = As<ComboWidget>(*this))
        combo->onCloseUp = std::move(handler);
}

void CComboBox::DestroyWindow()
{
    auto* combo = As<ComboWidget>(*this);
    if (!combo)
        return;
    combo->onUserSelChange = nullptr;
    combo->onCloseUp = nullptr;
    combo->hide();
    combo->deleteLater();
    AttachWindow(*this, nullptr);
}

std::unique_ptr<CComboBox> CreateChildComboBox(CWindow& parent, int id, const Rect& rect)
{
    auto box = std::make_unique<CComboBox>();
    QWidget* host = parent.GetHandle().ClientWidget();
    if (!host)
        return box;
    auto* combo = new ComboWidget(host);
    combo->setProperty("controlId", id);
    combo->setFont(parent.GetHandle().widget->font());
    combo->setMaxVisibleItems(std::max(1, rect.Height() / std::max(1, combo->fontMetrics().height())));
    QRect area = parent.GetHandle().ClientArea();
    combo->setGeometry(rect.left + area.left(), rect.top + area.top(), rect.Width(),
                       combo->sizeHint().height());
    combo->show();
    AttachWindow(*box, combo);
    return box;
}

// ---- CStatic, CButton, CEdit

void CStatic::SetBitmap(const CBitmap& bitmap)
{
    auto* label = As<QLabel>(*this);
    if (!label)
        return;
    if (bitmap.IsNull()) {
        label->setPixmap(QPixmap());
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(bitmap.GetData()->image);
    label->setPixmap(pixmap);
    label->resize(pixmap.size());
    m_bitmap = bitmap;
}

CBitmap CStatic::GetBitmap() const { return m_bitmap; }

void CButton::SetCheck(int state)
{
    if (auto* box = As<QAbstractButton>(*this))
        box->setChecked(state == BST_CHECKED);
}

int CButton::GetCheck() const
{
    auto* box = As<QAbstractButton>(*this);
    return box && box->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CEdit::SetSel(int start, int end)
{
    if (auto* edit = As<QLineEdit>(*this)) {
        if (start < 0)
            edit->deselect();
        else
            edit->setSelection(start, (end < 0 ? static_cast<int>(edit->text().size()) : end) - start);
    }
}

void CEdit::LimitText(int maxChars)
{
    if (auto* edit = As<QLineEdit>(*this))
        edit->setMaxLength(maxChars > 0 ? maxChars : 32767);
}
