#pragma once

// A demonstration dialog with every kind of control, two command bars and a custom-drawn
// control; its handlers record what reached them so that tests can check the dispatch.

#include "platform/ui/CommandBar.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Dialog.h"

#include <memory>

#include <vector>

enum : int {
    kDemoDialog = 900,
    kDemoLabel = 1001,
    kDemoCombo = 1002,
    kDemoList = 1003,
    kDemoPicture = 1004,
    kDemoCanvas = 1005,
    kDemoGroup = 1006,
    kDemoCheck = 1007,
    kDemoEdit = 1008,
    kDemoDisabledButton = 1009,
    kDemoHelloButton = 1010,
    kDemoPicker = 6767,     // made at run time over list entry 2, as the value picker is

    kMenuMain = 910,
    kMenuSecond = 911,
    kToolbarMain = 920,
    kToolbarSecond = 921,
    kBitmapStrip = 950,
    kBitmapStripSecond = 951,
    kBitmapPicture = 952,
    kIconDemo = 953,

    kCmdAll = 33001,
    kCmdGreetings = 33002,
    kCmdFavorites = 33003,
    kCmdSearch = 33010,
    kCmdSwitchBar = 33011,
    kCmdRed = 33020,
    kCmdGreen = 33021,      // disabled by the dialog at start
    kCmdBlue = 33022,       // enabled exactly while the list has a selection (state query)
    kCmdDelete = 33030,
    kCmdOrange = 33031,
};

// Registers the demonstration resources (templates, menus, toolbars, bitmaps).
void RegisterDemoResources();

class CDemoCanvas : public CCustomControl {
public:
    void OnPaint(CDrawingContext& dc) override;
    void OnPenDown(Point point) override;
    void OnPenUp(Point point) override { penUps.push_back(point); }

    std::vector<Point> penDowns;
    std::vector<Point> penUps;
    int paints = 0;
};

class CDemoDialog : public CDialog {
public:
    CDemoDialog();

    bool OnInitDialog() override;
    void OnSize(int width, int height) override;
    void OnSelChange(int controlId) override;
    void OnPenDown(Point point) override { dialogPenDowns.push_back(point); }
    bool OnQueryCommandEnabled(int commandId, bool& enabled) override;
    void DoDataExchange(CDataExchange& dx) override;

    std::vector<int> commands;          // every command that reached a handler, in order
    std::vector<int> selChanges;        // control ids of selection changes, in order
    std::vector<Size> sizes;            // OnSize calls
    std::vector<Point> dialogPenDowns;  // taps that reached the dialog itself
    int helloAnswer = 0;
    bool destroyed = false;
    String editText = u"start";
    int checked = 1;

    std::unique_ptr<CComboBox> picker;
    Rect pickerRect;                    // where the picker was made, in the list's client pixels
    std::vector<int> pickerChoices;     // the picker's selection at each notification
    std::vector<Point> listPenDowns;

    CDemoCanvas canvas;
    CCommandBar mainBar;
    CCommandBar secondBar;

protected:
    void OnDestroy() override { destroyed = true; }
};
