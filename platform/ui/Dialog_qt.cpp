// CDialog: templates turned into widgets, the modal loop, dispatch and data exchange.

#include "platform/ui/Dialog.h"
#include "platform/ui/CommandBar.h"
#include "platform/ui/DialogState_qt.h"
#include "platform/ui/HtmlViewer.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Screen_qt.h"
#include "platform/ui/Widgets_qt.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>

QWidget* CreateHtmlViewerWidget(QWidget* parent); // HtmlViewer_qt.cpp

namespace {

// A check for installed programs, which carry no test hooks: when PHRASEBOOK_FIRST_SCREEN names an
// image file, the first dialog of the run (a program's main screen) is drawn into that file once
// its modal loop runs, "first screen: <template id> <title> (<width>x<height>)" goes to standard
// output, and the dialog ends with IDCANCEL as if the user had closed it. Unset, nothing happens.
void ReportFirstScreenWhenAsked(CDialog& dialog, DialogState& s, ScreenWindow* screen)
{
    static bool asked = false;
    if (asked)
        return;
    asked = true;
    const QString path = qEnvironmentVariable("PHRASEBOOK_FIRST_SCREEN");
    if (path.isEmpty())
        return;
    const int templateId = s.dialogTemplate->id;
    const QString title = s.title;
    // The frame as context: the report is dropped if the dialog goes before the loop runs.
    QTimer::singleShot(0, s.frame.data(), [&dialog, templateId, title, screen, path] {
        const QImage image = screen->grab().toImage();
        const bool saved = image.save(path, "PNG");
        std::printf("first screen: %d %s (%dx%d)%s\n", templateId, title.toUtf8().constData(), image.width(),
                    image.height(), saved ? "" : " not saved");
        std::fflush(stdout);
        dialog.EndDialog(IDCANCEL);
    });
}

int MulDivRound(int value, double base, int units)
{
    return static_cast<int>(std::lround(value * base / units));
}

std::unique_ptr<CWindow> CreateControl(DialogState& state, const ControlTemplate& control)
{
    QWidget* parent = state.client.data();
    QRect rect = state.MapDialogRect(control.x, control.y, control.cx, control.cy);
    QString text = ToQString(control.text);
    int id = control.id;
    DialogState* owner = &state;
    QWidget* widget = nullptr;
    std::unique_ptr<CWindow> window;

    switch (control.kind) {
    case ControlKind::Static:
    case ControlKind::Picture: {
        auto* label = new StaticWidget(parent);
        if (control.kind == ControlKind::Static) {
            label->setText(text);
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
        }
        Qt::Alignment align = (control.style & StyleCentered) ? Qt::AlignHCenter : Qt::AlignLeft;
        label->setAlignment(align | Qt::AlignTop);
        if (control.style & StyleSunken) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setLineWidth(1);
        }
        if (control.kind == ControlKind::Picture && control.imageId != 0) {
            QImage image = LoadBitmapImage(control.imageId);
            if (image.isNull())
                image = LoadIconImage(control.imageId);
            if (!image.isNull()) {
                label->setPixmap(QPixmap::fromImage(image));
                rect.setSize(image.size());
            }
        }
        widget = label;
        window = std::make_unique<CStatic>();
        break;
    }
    case ControlKind::GroupBox: {
        auto* group = new QGroupBox(text, parent);
        group->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        widget = group;
        window = std::make_unique<CWindow>();
        break;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, parent);
        button->setDefault((control.style & StyleDefaultButton) != 0);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, button, [owner, id] { owner->DispatchCommand(id); });
        widget = button;
        window = std::make_unique<CButton>();
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(text, parent);
        QObject::connect(box, &QCheckBox::clicked, box, [owner, id] { owner->DispatchCommand(id); });
        widget = box;
        window = std::make_unique<CButton>();
        break;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(text, parent);
        edit->setFrame((control.style & StyleBorder) != 0);
        widget = edit;
        window = std::make_unique<CEdit>();
        break;
    }
    case ControlKind::ListBox: {
        auto* list = new ListWidget(parent);
        list->setVerticalScrollBarPolicy((control.style & StyleVerticalScroll) ? Qt::ScrollBarAsNeeded
                                                                                : Qt::ScrollBarAlwaysOff);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->SetHorizontalScrollAllowed((control.style & StyleHorizontalScroll) != 0);
        list->onUserSelChange = [owner, id] { owner->DispatchSelChange(id); };
        widget = list;
        window = std::make_unique<CListBox>();
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = new ComboWidget(parent);
        combo->onUserSelChange = [owner, id] { owner->DispatchSelChange(id); };
        int itemHeight = std::max(1, QFontMetrics(state.font).height());
        combo->setMaxVisibleItems(std::max(1, rect.height() / itemHeight - 1));
        rect.setHeight(combo->sizeHint().height());
        widget = combo;
        window = std::make_unique<CComboBox>();
        break;
    }
    case ControlKind::HtmlViewer: {
        widget = CreateHtmlViewerWidget(parent);
        if (!widget)
            return nullptr;
        window = std::make_unique<CHtmlViewer>();
        break;
    }
    }

    widget->setProperty("controlId", id);
    widget->setGeometry(rect);
    widget->setEnabled((control.style & StyleDisabled) == 0);
    widget->setVisible((control.style & StyleHidden) == 0);
    AttachWindow(*window, widget);
    return window;
}

} // namespace

// ---- DialogState

QRect DialogState::MapDialogRect(int x, int y, int cx, int cy) const
{
    int left = MulDivRound(x, baseX, 4);
    int top = MulDivRound(y, baseY, 8);
    int right = MulDivRound(x + cx, baseX, 4);
    int bottom = MulDivRound(y + cy, baseY, 8);
    return QRect(left, top, right - left, bottom - top);
}

void DialogState::Layout()
{
    QWidget* screen = GetScreenWidget();
    if (!frame || !screen)
        return;
    int width = screen->width();
    int height = screen->height();
    frame->setGeometry(0, 0, width, height);
    // Every screen keeps the strip at the bottom for its command bars, shown or not.
    int clientHeight = std::max(0, height - CCommandBar::BarHeight);
    if (client)
        client->setGeometry(0, 0, width, clientHeight);
    for (CCommandBar* bar : bars) {
        QWidget* widget = bar->GetHandle().widget.data();
        if (!widget)
            continue;
        widget->setGeometry(0, clientHeight, width, CCommandBar::BarHeight);
        widget->setVisible(bar == frontBar);
        if (bar == frontBar)
            widget->raise();
    }
}

void DialogState::DispatchCommand(int id)
{
    if (!running)
        return;
    owner.OnCommand(id);
    if (running)
        RefreshCommandStates(owner);
}

void DialogState::DispatchSelChange(int id)
{
    if (!running)
        return;
    owner.OnSelChange(id);
    if (running)
        RefreshCommandStates(owner);
}

void DialogState::DispatchPen(const QPoint& pos, bool down)
{
    if (!running)
        return;
    Point point{pos.x(), pos.y()};
    if (down)
        owner.OnPenDown(point);
    else
        owner.OnPenUp(point);
    if (running && client)
        RunPenHooks(client.data(), pos, down);
    if (running)
        RefreshCommandStates(owner);
}

void DialogState::RemoveBar(CCommandBar* bar)
{
    bars.erase(std::remove(bars.begin(), bars.end(), bar), bars.end());
    if (frontBar == bar)
        frontBar = bars.empty() ? nullptr : bars.back();
}

QWidget* GetDialogClient(CDialog& dialog) { return dialog.GetState().client.data(); }

// ---- Data exchange

void DDX_Text(CDataExchange& dx, int controlId, String& value)
{
    CWindow* control = dx.GetDialog().GetDlgItem(controlId);
    if (!control)
        return;
    if (dx.IsSaving())
        value = control->GetWindowText();
    else
        control->SetWindowText(value);
}

void DDX_Check(CDataExchange& dx, int controlId, int& value)
{
    auto* box = dx.GetDialog().GetControl<CButton>(controlId);
    if (!box)
        return;
    if (dx.IsSaving())
        value = box->GetCheck();
    else
        box->SetCheck(value);
}

// ---- CDialog

CDialog::CDialog(int templateId, CDialog* parent)
    : m_templateId(templateId), m_parent(parent), m_state(std::make_unique<DialogState>(*this))
{
}

CDialog::~CDialog()
{
    if (m_state->running)
        EndDialog(IDCANCEL);
}

int CDialog::DoModal()
{
    DialogState& s = *m_state;
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_templateId);
    if (s.running || !dialogTemplate)
        return -1;
    EnsurePlatform();
    ScreenWindow* screen = GetScreenWindow();

    s.dialogTemplate = dialogTemplate;
    s.running = true;
    s.initialised = false;
    s.ending = false;
    s.result = IDCANCEL;
    s.title = ToQString(dialogTemplate->title);
    QString face = ToQString(dialogTemplate->fontFace);
    s.font = DialogFont(face, dialogTemplate->fontPointSize);
    DialogBaseUnits(face, dialogTemplate->fontPointSize, s.baseX, s.baseY);

    s.frame = new QWidget(screen);
    s.frame->setFont(s.font);
    s.frame->setAutoFillBackground(true);
    s.client = new DialogClientWidget(s, s.frame.data());
    AttachWindow(*this, s.client.data());
    s.Layout();
    for (const ControlTemplate& control : dialogTemplate->controls) {
        if (auto window = CreateControl(s, control))
            s.controls.emplace_back(control.id, std::move(window));
    }

    screen->PushDialog(this);
    s.lastClientSize = s.client->size();
    bool defaultFocus = OnInitDialog();
    s.initialised = true;
    if (defaultFocus && s.running) {
        for (auto& [id, window] : s.controls) {
            QWidget* w = window->GetHandle().widget.data();
            if (w && w->isEnabled() && !w->isHidden() && (w->focusPolicy() & Qt::TabFocus)) {
                w->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    s.Layout();
    RefreshCommandStates(*this);
    s.frame->show();
    s.frame->raise();
    screen->UpdateFromFront();
    if (s.lastClientSize != s.client->size()) {
        s.lastClientSize = s.client->size();
        OnSize(s.lastClientSize.width(), s.lastClientSize.height());
    }

    if (!s.ending)
        ReportFirstScreenWhenAsked(*this, s, screen);
    if (!s.ending) {
        QEventLoop loop;
        s.loop = &loop;
        loop.exec();
        s.loop = nullptr;
    }

    OnDestroy();
    for (CCommandBar* bar : s.bars)
        AttachWindow(*bar, nullptr);
    s.bars.clear();
    s.frontBar = nullptr;
    s.controls.clear();
    AttachWindow(*this, nullptr);
    QWidget* frame = s.frame.data();
    s.frame = nullptr;
    s.client = nullptr;
    s.running = false;
    s.initialised = false;
    screen->PopDialog(this);
    delete frame;
    return s.result;
}

void CDialog::EndDialog(int result)
{
    DialogState& s = *m_state;
    if (!s.running)
        return;
    s.result = result;
    s.ending = true;
    if (s.loop)
        s.loop->exit(0);
}

bool CDialog::IsRunning() const { return m_state->running; }

CWindow* CDialog::GetDlgItem(int id) const
{
    for (auto& [controlId, window] : m_state->controls)
        if (controlId == id && window->IsValid())
            return window.get();
    // Windows made at run time (an HTML viewer, a list's picker) are found by their id too.
    if (QWidget* client = m_state->client.data()) {
        for (QWidget* child : client->findChildren<QWidget*>()) {
            QVariant childId = child->property("controlId");
            if (childId.isValid() && childId.toInt() == id)
                if (CWindow* window = WindowOf(child))
                    return window;
        }
    }
    return nullptr;
}

void CDialog::SetDlgItemText(int id, const String& text)
{
    if (CWindow* control = GetDlgItem(id))
        control->SetWindowText(text);
}

String CDialog::GetDlgItemText(int id) const
{
    CWindow* control = GetDlgItem(id);
    return control ? control->GetWindowText() : String();
}

bool CDialog::AttachCustomControl(int id, CCustomControl& control)
{
    CWindow* window = GetDlgItem(id);
    auto* widget = window ? dynamic_cast<StaticWidget*>(window->GetHandle().widget.data()) : nullptr;
    if (!widget)
        return false;
    AttachWindow(control, widget);
    widget->SetCustomControl(&control);
    return true;
}

void CDialog::BindCommand(int commandId, std::function<void()> handler)
{
    m_state->commandHandlers[commandId] = std::move(handler);
}

void CDialog::BindSelChange(int controlId, std::function<void()> handler)
{
    m_state->selChangeHandlers[controlId] = std::move(handler);
}

void CDialog::PostNotification(int controlId, Notification code)
{
    DialogState* s = m_state.get();
    if (!s->running || !s->client)
        return;
    QPointer<QWidget> client = s->client.data();
    QTimer::singleShot(0, client.data(), [s, client, controlId, code] {
        if (client && s->running && code == Notification::SelChange)
            s->DispatchSelChange(controlId);
    });
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    return !dx.HasFailed();
}

void CDialog::SetIcon(int iconId)
{
    m_state->iconId = iconId;
    if (FrontDialog() == this)
        GetScreenWindow()->UpdateFromFront();
}

void CDialog::SetWindowTitle(const String& title)
{
    m_state->title = ToQString(title);
    if (FrontDialog() == this)
        GetScreenWindow()->UpdateFromFront();
}

String CDialog::GetWindowTitle() const { return FromQString(m_state->title); }

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnSize(int, int) {}
void CDialog::OnDestroy() {}

bool CDialog::OnCommand(int commandId)
{
    auto found = m_state->commandHandlers.find(commandId);
    if (found != m_state->commandHandlers.end() && found->second) {
        found->second();
        return true;
    }
    if (commandId == IDOK) {
        OnOK();
        return true;
    }
    if (commandId == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

void CDialog::OnSelChange(int controlId)
{
    auto found = m_state->selChangeHandlers.find(controlId);
    if (found != m_state->selChangeHandlers.end() && found->second)
        found->second();
}

void CDialog::OnPenDown(Point) {}
void CDialog::OnPenUp(Point) {}
bool CDialog::OnQueryCommandEnabled(int, bool&) { return false; }

void CDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
void CDialog::DoDataExchange(CDataExchange&) {}
