// CalculateArraySize and Ostrel::CSimpleArray: capacities, growth to the limit, removal with and
// without keeping the order, and deep copies of element types that own memory.

#include "baselib/SimpleArray.h"
#include "baselib/String.h"

#include "TextOf.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(SimpleArrayTest, CalculateArraySize)
{
    const struct {
        unsigned long n;
        unsigned long size;
    } cases[] = {
        {0, 1}, {1, 2}, {2, 4}, {3, 4}, {7, 8}, {8, 16}, {1000, 1024}, {1024, 2048},
        {524287, 524288}, {524288, 1048576}, {1048576, 1048576}, {0xFFFFFFFFUL, 1048576},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalculateArraySize(c.n), c.size) << "n = " << c.n;
}

std::string Letters(const Ostrel::CSimpleArray<char>& array)
{
    return std::string(array.GetData(), array.GetCount());
}

Ostrel::CSimpleArray<char> Abcd()
{
    Ostrel::CSimpleArray<char> array;
    for (char c : std::string("abcd"))
        array.Append(c);
    return array;
}

TEST(SimpleArrayTest, RemoveAt)
{
    const struct {
        uint32_t index;
        bool keepOrder;
        bool removed;
        const char* left;
    } cases[] = {
        {1, true, true, "acd"},
        {1, false, true, "adc"},
        {3, false, true, "abc"},
        {0, true, true, "bcd"},
        {4, true, false, "abcd"},
        {4, false, false, "abcd"},
    };
    for (const auto& c : cases) {
        Ostrel::CSimpleArray<char> array = Abcd();
        EXPECT_EQ(array.RemoveAt(c.index, c.keepOrder), c.removed) << c.index << " " << c.keepOrder;
        EXPECT_EQ(Letters(array), c.left) << c.index << " " << c.keepOrder;
    }
    Ostrel::CSimpleArray<char> single;
    single.Append('x');
    EXPECT_TRUE(single.RemoveAt(0, false));
    EXPECT_TRUE(single.IsEmpty());
    EXPECT_FALSE(single.RemoveAt(0, false));
}

TEST(SimpleArrayTest, ConstructedCountAndCapacity)
{
    Ostrel::CSimpleArray<int> empty;
    EXPECT_EQ(empty.GetCount(), 0u);
    EXPECT_EQ(empty.GetCapacity(), 1u);
    Ostrel::CSimpleArray<int> five(5);
    EXPECT_EQ(five.GetCount(), 5u);
    EXPECT_EQ(five.GetCapacity(), 8u);
    EXPECT_EQ(five[4], 0);  // default-constructed
    Ostrel::CSimpleArray<unsigned char> tooMany(2000000);
    EXPECT_LE(tooMany.GetCount(), tooMany.GetCapacity());  // cut, never count > capacity
}

// An empty array reserves its one slot without memory until something is stored in it; every
// way of storing must give it memory first (an assignment into a fresh array wrote through a null
// slot when that was missed).
TEST(SimpleArrayTest, AnEmptyArrayGetsItsSlotWhenFirstFilled)
{
    Ostrel::CSimpleArray<char> fresh;
    EXPECT_EQ(fresh.GetData(), nullptr);
    EXPECT_EQ(fresh.GetCapacity(), 1u);

    using Array = Ostrel::CSimpleArray<char>;
    const struct {
        const char* what;
        Array (*make)();
        const char* letters;
        uint32_t capacity;
    } cases[] = {
        {"append to a fresh array", [] { Array a; a.Append('x'); return a; }, "x", 1},
        {"append twice", [] { Array a; a.Append('x'); a.Append('y'); return a; }, "xy", 2},
        {"assign one element into a fresh array", [] { Array one; one.Append('x'); Array a; a = one; return a; }, "x", 1},
        {"copy of a fresh array, then append", [] { Array empty; Array a(empty); a.Append('x'); return a; }, "x", 1},
        {"assign a fresh array over elements", [] { Array a = Abcd(); Array empty; a = empty; return a; }, "", 4},
        {"fill after emptying", [] { Array a = Abcd(); a.RemoveAll(); a.Append('z'); return a; }, "z", 4},
    };
    for (const auto& c : cases) {
        const Array array = c.make();
        EXPECT_EQ(array.GetCount() ? Letters(array) : std::string(), c.letters) << c.what;
        EXPECT_EQ(array.GetCapacity(), c.capacity) << c.what;
    }
}

TEST(SimpleArrayTest, AppendStopsAtTheLimitAndKeepsTheArray)
{
    Ostrel::CSimpleArray<unsigned char> array(524288);
    ASSERT_EQ(array.GetCapacity(), 1048576u);
    while (array.GetCount() < array.GetCapacity())
        ASSERT_TRUE(array.Append(1));
    array[0] = 42;
    EXPECT_FALSE(array.Append(2));
    EXPECT_EQ(array.GetCount(), 1048576u);
    EXPECT_EQ(array.GetCapacity(), 1048576u);
    EXPECT_EQ(array[0], 42);
}

TEST(SimpleArrayTest, CopyAndAssignDuplicateOwningElements)
{
    Ostrel::CSimpleArray<String> names;
    names.Append(String(u"Food"));
    names.Append(String(u"Travel"));
    names.Append(String(u"Basic"));

    Ostrel::CSimpleArray<String> copy(names);
    Ostrel::CSimpleArray<String> assigned;
    assigned = names;
    names[0] = u"changed";
    names.RemoveAt(1, true);
    for (const auto* array : {&copy, &assigned}) {
        ASSERT_EQ(array->GetCount(), 3u);
        EXPECT_EQ(TextOf((*array)[0]), u"Food");
        EXPECT_EQ(TextOf((*array)[1]), u"Travel");
        EXPECT_EQ(TextOf((*array)[2]), u"Basic");
    }
    EXPECT_EQ(TextOf(names[1]), u"Basic");
    const Ostrel::CSimpleArray<String>& self = assigned;
    assigned = self;  // self-assignment keeps the elements
    EXPECT_EQ(TextOf(assigned[2]), u"Basic");
}

}  // namespace
