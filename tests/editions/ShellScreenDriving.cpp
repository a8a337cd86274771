#include "tests/editions/ShellScreenDriving.h"

#include "platform/testhooks/TestHooks.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "shell/app/ShellIds.h"

#include <chrono>
#include <thread>

namespace ShellScreenDriving {

bool WaitForMainScreenReady()
{
    for (int attempt = 0; attempt < 500; ++attempt) {
        bool ready = false;
        TestHooks::RunOnUiThread([&] {
            if (CDialog* dialog = TestHooks::GetActiveDialog()) {
                if (CStatic* picture = dialog->GetControl<CStatic>(IDC_CATEGORY_PICTURE))
                    ready = !picture->GetBitmap().IsNull();
            }
        });
        if (ready)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

bool TapListEntry(int controlId, int index)
{
    Rect entry;
    bool found = false;
    TestHooks::RunOnUiThread([&] {
        if (CDialog* dialog = TestHooks::GetActiveDialog()) {
            if (CListBox* list = dialog->GetControl<CListBox>(controlId)) {
                // Scrolls the entry into view without telling the dialog, and clears the
                // selection so that the tap below changes it as a user's tap does.
                if (list->SetCurSel(index) != LB_ERR) {
                    found = list->GetItemRect(index, entry);
                    list->SetCurSel(-1);
                }
            }
        }
    });
    return found && TestHooks::TapControlAt(controlId, {entry.left + 2, (entry.top + entry.bottom) / 2});
}

void BackToMainScreen()
{
    for (int guard = 0; guard < 10 && TestHooks::GetActiveDialogTemplate() != IDD_MAIN_SCREEN; ++guard)
        TestHooks::PressTitleOk();
}

} // namespace ShellScreenDriving
