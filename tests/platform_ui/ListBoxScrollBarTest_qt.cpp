// The horizontal scroll bar of a list box made from a template. It is decided from the extent
// the program set, not from the entries' width: where the two disagree and Qt decided, the bar
// showed and hid again on every layout and the event loop never rested. Each case fills a list,
// lets the screen settle, then counts how often the bar shows or hides while the list is laid
// out again, the screen turns and the loop is left alone.

#include "platform/testhooks/TestHooks.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Platform_qt.h"
#include "platform/ui/Resources.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QListWidget>
#include <QObject>
#include <QPointer>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <ostream>
#include <thread>

using namespace TestHooks;

namespace {

enum : int {
    kScrollDialog = 960,
    kHorizontalList = 1101, // horizontal scroll style: the bar follows the extent
    kVerticalList = 1102,   // no horizontal scroll style: never a horizontal bar
};

const ControlTemplate kScrollControls[] = {
    {kHorizontalList, ControlKind::ListBox, nullptr, StyleVerticalScroll | StyleHorizontalScroll, 4, 4, 120, 60},
    {kVerticalList, ControlKind::ListBox, nullptr, StyleVerticalScroll, 4, 70, 120, 60},
};
const DialogTemplate kScroll = {kScrollDialog, u"Scroll", u"System", 8, 147, 165, kScrollControls};

// Counts the shows and hides of a list's horizontal scroll bar; read from the script thread
// while the user-interface thread runs, hence atomic. A bar that flips without end keeps the
// event loop busy for good, and the script's hooks then wait for ever: at kRunaway changes the
// watch notes the runaway and turns the bar off, which ends the flipping, so that the test fails
// instead of hanging.
class BarWatch : public QObject {
public:
    static constexpr int kRunaway = 100;

    void Watch(QAbstractScrollArea* list)
    {
        m_list = list;
        list->horizontalScrollBar()->installEventFilter(this);
    }

    std::atomic<int> changes{0};
    std::atomic<bool> ranAway{false};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            ++changes;
            if (++m_total == kRunaway && m_list) {
                ranAway = true;
                m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QAbstractScrollArea> m_list;
    int m_total = 0; // changes since Watch, never reset (user-interface thread only)
};

enum class Entries { Narrow, Wide };
enum class Extent { None, HalfTheBox, ThreeBoxes };

struct ScrollCase {
    const char* name;
    int listId;
    Entries entries;
    int entryCount;
    Extent extent;
    bool barShown;
};

std::ostream& operator<<(std::ostream& out, const ScrollCase& c) { return out << c.name; }

const ScrollCase kCases[] = {
    // The entries and the extent disagree: these flipped.
    {"WideEntriesWithoutExtentShowNoBar", kHorizontalList, Entries::Wide, 3, Extent::None, false},
    {"WideEntriesNarrowExtentShowNoBar", kHorizontalList, Entries::Wide, 3, Extent::HalfTheBox, false},
    {"NarrowEntriesWideExtentShowTheBar", kHorizontalList, Entries::Narrow, 3, Extent::ThreeBoxes, true},
    {"ManyNarrowEntriesWideExtentShowTheBar", kHorizontalList, Entries::Narrow, 40, Extent::ThreeBoxes, true},
    {"ManyWideEntriesWithoutExtentShowNoBar", kHorizontalList, Entries::Wide, 40, Extent::None, false},
    // They agree.
    {"WideEntriesWideExtentShowTheBar", kHorizontalList, Entries::Wide, 3, Extent::ThreeBoxes, true},
    {"NarrowEntriesWithoutExtentShowNoBar", kHorizontalList, Entries::Narrow, 3, Extent::None, false},
    // Without the style the extent scrolls nothing visible.
    {"ListWithoutTheStyleNeverShowsTheBar", kVerticalList, Entries::Wide, 40, Extent::ThreeBoxes, false},
};

class ListBoxScrollBarTest : public ::testing::TestWithParam<ScrollCase> {
protected:
    void SetUp() override
    {
        StartPlatform();
        ClearResources();
        RegisterDialogTemplate(kScroll);
        ResizeScreen(240, 320);
    }

    void TearDown() override { ResizeScreen(240, 320); }

    // The list's widget; on the user-interface thread.
    QListWidget* ListWidgetOf(int listId) const
    {
        CListBox* list = dialog.GetControl<CListBox>(listId);
        return list ? qobject_cast<QListWidget*>(list->GetHandle().widget.data()) : nullptr;
    }

    // Fills the list and sets its extent the way a program does; false when it is not there.
    bool Fill(const ScrollCase& c)
    {
        bool filled = false;
        RunOnUiThread([&] {
            CListBox* list = dialog.GetControl<CListBox>(c.listId);
            QListWidget* widget = ListWidgetOf(c.listId);
            if (!list || !widget)
                return;
            const String text = c.entries == Entries::Wide
                                    ? String(u"a phrase far wider than the list box that shows it, and then some more")
                                    : String(u"hi");
            for (int i = 0; i < c.entryCount; ++i)
                list->AddString(text);
            const int box = list->GetClientRect().Width();
            list->SetHorizontalExtent(c.extent == Extent::None ? 0 : c.extent == Extent::HalfTheBox ? box / 2 : 3 * box);
            watch.Watch(widget);
            filled = true;
        });
        return filled;
    }

    bool BarShown(int listId) const
    {
        bool shown = false;
        RunOnUiThread([&] { shown = ListWidgetOf(listId)->horizontalScrollBar()->isVisible(); });
        return shown;
    }

    // Lets the user-interface thread run untouched for a while. Layouts that Qt delays (a
    // tenth of a second after a resize) fall inside it.
    static void LeaveTheLoopAlone() { std::this_thread::sleep_for(std::chrono::milliseconds(300)); }

    CDialog dialog{kScrollDialog};
    BarWatch watch;
};

TEST_P(ListBoxScrollBarTest, BarFollowsTheExtentAndStaysPutAcrossLayouts)
{
    const ScrollCase& c = GetParam();
    RunWithScript([this] { return dialog.DoModal(); },
                  [&] {
                      ASSERT_TRUE(WaitForDialog(kScrollDialog));
                      ASSERT_TRUE(Fill(c));
                      LeaveTheLoopAlone();
                      ASSERT_FALSE(watch.ranAway) << "the bar flipped without end once the list was filled";
                      EXPECT_EQ(BarShown(c.listId), c.barShown) << "after filling";

                      // Settled: nothing may change the bar any more, neither the loop left
                      // alone nor layouts that find the list as it is.
                      watch.changes = 0;
                      LeaveTheLoopAlone();
                      EXPECT_EQ(watch.changes.load(), 0) << "the bar changed with nothing to change it";
                      RunOnUiThread([&] {
                          QListWidget* widget = ListWidgetOf(c.listId);
                          for (int i = 0; i < 20; ++i)
                              widget->doItemsLayout();
                      });
                      LeaveTheLoopAlone();
                      ASSERT_FALSE(watch.ranAway) << "laying the list out again set the bar flipping without end";
                      EXPECT_EQ(watch.changes.load(), 0) << "laying the list out again changed the bar";

                      // A turn to landscape and back lays the list out at other sizes; the bar
                      // may change with a turn, and then rests where it was.
                      ResizeScreen(320, 240);
                      LeaveTheLoopAlone();
                      ResizeScreen(240, 320);
                      LeaveTheLoopAlone();
                      ASSERT_FALSE(watch.ranAway) << "the bar flipped without end after the screen turned";
                      const int afterTurns = watch.changes.load();
                      EXPECT_LE(afterTurns, 4) << "the bar flipped while the screen turned";
                      LeaveTheLoopAlone();
                      EXPECT_EQ(watch.changes.load(), afterTurns) << "the bar kept flipping after the turns";
                      EXPECT_EQ(BarShown(c.listId), c.barShown) << "after the turns";
                  });
}

INSTANTIATE_TEST_SUITE_P(Cases, ListBoxScrollBarTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ScrollCase>& info) { return std::string(info.param.name); });

} // namespace
