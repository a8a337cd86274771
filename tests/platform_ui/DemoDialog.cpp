#include "tests/platform_ui/DemoDialog.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/Resources.h"

namespace {

const ControlTemplate kDemoControls[] = {
    {kDemoLabel, ControlKind::Static, u"Demo label:", 0, 4, 4, 60, 10},
    {kDemoCombo, ControlKind::ComboBox, nullptr, 0, 70, 4, 70, 60},
    {kDemoList, ControlKind::ListBox, nullptr, StyleVerticalScroll | StyleHorizontalScroll, 4, 20, 139, 40},
    {kDemoPicture, ControlKind::Picture, nullptr, 0, 4, 64, 20, 20},
    {kDemoCanvas, ControlKind::Static, nullptr, StyleSunken, 30, 64, 60, 30},
    {kDemoGroup, ControlKind::GroupBox, u"Group", 0, 96, 62, 47, 34},
    {kDemoCheck, ControlKind::CheckBox, u"Check", 0, 100, 74, 40, 10},
    {kDemoEdit, ControlKind::Edit, nullptr, StyleBorder, 4, 100, 100, 14},
    {kDemoDisabledButton, ControlKind::PushButton, u"Disabled", StyleDisabled, 4, 120, 60, 14},
    {kDemoHelloButton, ControlKind::PushButton, u"Hello", 0, 70, 120, 60, 14},
    {IDOK, ControlKind::PushButton, u"OK", StyleDefaultButton, 4, 140, 50, 14},
};
const DialogTemplate kDemo = {kDemoDialog, u"Demo", u"System", 8, 147, 165, kDemoControls};

const MenuEntry kMainMenu[] = {
    {MenuEntryKind::PopupBegin, 0, u"Category"},
    {MenuEntryKind::PopupBegin, 0, u"Basic"},
    {MenuEntryKind::Command, kCmdAll, u"All"},
    {MenuEntryKind::Command, kCmdGreetings, u"Greetings"},
    {MenuEntryKind::PopupEnd},
    {MenuEntryKind::Separator},
    {MenuEntryKind::Command, kCmdFavorites, u"Favorites"},
    {MenuEntryKind::PopupEnd},
    {MenuEntryKind::PopupBegin, 0, u"Tools"},
    {MenuEntryKind::Command, kCmdSearch, u"Search"},
    {MenuEntryKind::Separator},
    {MenuEntryKind::Command, kCmdSwitchBar, u"Other bar"},
    {MenuEntryKind::PopupEnd},
};
const MenuEntry kSecondMenu[] = {
    {MenuEntryKind::PopupBegin, 0, u"Tools"},
    {MenuEntryKind::Command, kCmdDelete, u"Delete"},
    {MenuEntryKind::PopupEnd},
};
const MenuTemplate kMain = {kMenuMain, kMainMenu};
const MenuTemplate kSecond = {kMenuSecond, kSecondMenu};

const int kMainButtons[] = {kCmdRed, kCmdGreen, 0, kCmdBlue};
const int kSecondButtons[] = {kCmdOrange};
const ToolbarTemplate kMainToolbar = {kToolbarMain, kBitmapStrip, kMainButtons};
const ToolbarTemplate kSecondToolbar = {kToolbarSecond, kBitmapStripSecond, kSecondButtons};

} // namespace

void RegisterDemoResources()
{
    RegisterDialogTemplate(kDemo);
    RegisterMenu(kMain);
    RegisterMenu(kSecond);
    RegisterToolbar(kMainToolbar);
    RegisterToolbar(kSecondToolbar);
    RegisterBitmapFile(kBitmapStrip, ":/demo/toolbar-strip.png");
    RegisterBitmapFile(kBitmapStripSecond, ":/demo/toolbar-strip-second.png");
    RegisterBitmapFile(kBitmapPicture, ":/demo/picture.png");
    RegisterIconFile(kIconDemo, ":/demo/picture.png");
}

void CDemoCanvas::OnPaint(CDrawingContext& dc)
{
    ++paints;
    Rect client = dc.GetClientRect();
    CPen oldPen = dc.SelectPen(CPen(CPen::Solid, 1, ColorWhite));
    CBrush oldBrush = dc.SelectBrush(CBrush(ColorYellow));
    dc.Rectangle(client.left, client.top, client.right, client.bottom);
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
    // A 3 × 3 blue mark centred on every pen-down point.
    for (Point p : penDowns)
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                dc.SetPixel(p.x + dx, p.y + dy, ColorBlue);
}

void CDemoCanvas::OnPenDown(Point point)
{
    penDowns.push_back(point);
    Invalidate(false);
}

CDemoDialog::CDemoDialog() : CDialog(kDemoDialog)
{
    for (int id : {kCmdAll, kCmdGreetings, kCmdFavorites, kCmdSearch, kCmdRed, kCmdGreen, kCmdBlue,
                   kCmdDelete, kCmdOrange, kDemoDisabledButton})
        BindCommand(id, [this, id] { commands.push_back(id); });
    BindCommand(kCmdSwitchBar, [this] {
        commands.push_back(kCmdSwitchBar);
        secondBar.BringToFront();
    });
    BindCommand(kDemoHelloButton, [this] {
        commands.push_back(kDemoHelloButton);
        helloAnswer = ShowMessageBox(u"Hello from the demo.", u"Demo", MB_OKCANCEL | MB_ICONWARNING);
    });
}

bool CDemoDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(kIconDemo);
    auto* list = GetControl<CListBox>(kDemoList);
    for (const char16_t* text : {u"Hello", u"Thank you", u"Where is the station?", u"Goodbye"})
        list->AddString(text);
    list->SetHorizontalExtent(list->GetTextExtent(u"Where is the station?").cx + 8);
    // A tap on entry 2 opens a picker below it, after the list has selected the entry.
    list->SetPenDownHandler([this, list](Point point) {
        listPenDowns.push_back(point);
        if (picker || list->GetCurSel() != 2)
            return;
        Rect entry;
        list->GetItemRect(2, entry);
        pickerRect = {entry.left + 3, entry.top - 3, entry.left + 80, entry.bottom + 3 * 14 + 10};
        picker = CreateChildComboBox(*list, kDemoPicker, pickerRect);
        picker->SetFont(list->GetFont());
        for (const char16_t* value : {u"train", u"bus", u"taxi"})
            picker->AddString(value);
        picker->SetCurSel(0);
        auto done = [this] {
            pickerChoices.push_back(picker->GetCurSel());
            picker->DestroyWindow();
        };
        picker->SetSelChangeHandler(done);
        picker->SetCloseUpHandler(done);
        picker->SetFocus();
        picker->ShowDropDown(true);
    });
    auto* combo = GetControl<CComboBox>(kDemoCombo);
    for (const char16_t* text : {u"All", u"Greetings", u"Weather"})
        combo->AddString(text);
    combo->SetCurSel(0);
    CBitmap picture;
    picture.LoadBitmap(kBitmapPicture);
    GetControl<CStatic>(kDemoPicture)->SetBitmap(picture);
    AttachCustomControl(kDemoCanvas, canvas);

    secondBar.Create(*this);
    secondBar.InsertMenuBar(kMenuSecond);
    secondBar.AddToolbar(kToolbarSecond);
    mainBar.Create(*this);
    mainBar.InsertMenuBar(kMenuMain);
    mainBar.AddToolbar(kToolbarMain);
    mainBar.EnableCommand(kCmdGreen, false);
    mainBar.BringToFront();
    return true;
}

void CDemoDialog::OnSize(int width, int height) { sizes.push_back({width, height}); }

void CDemoDialog::OnSelChange(int controlId)
{
    selChanges.push_back(controlId);
    CDialog::OnSelChange(controlId);
}

bool CDemoDialog::OnQueryCommandEnabled(int commandId, bool& enabled)
{
    if (commandId != kCmdBlue)
        return false;
    auto* list = GetControl<CListBox>(kDemoList);
    enabled = list && list->GetCurSel() >= 0;
    return true;
}

void CDemoDialog::DoDataExchange(CDataExchange& dx)
{
    DDX_Text(dx, kDemoEdit, editText);
    DDX_Check(dx, kDemoCheck, checked);
}
