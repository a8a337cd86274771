#pragma once
// Helpers shared by the phrase book tests: records built in a line, a recorder of
// message boxes, and a scratch folder.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "baselib/String.h"
#include "phrasebook/PhraseBook.h"
#include "platform/core/MessageBox.h"

namespace book_test {

inline std::u16string U(const String& text) { return std::u16string(text.GetString()); }

inline Ostrel::CSimpleArray<int> Ids(std::initializer_list<int> ids)
{
    Ostrel::CSimpleArray<int> list;
    for (int id : ids)
        list.Append(id);
    return list;
}

inline std::vector<int> ToVector(const Ostrel::CSimpleArray<int>& list)
{
    std::vector<int> out;
    for (unsigned i = 0; i < list.GetCount(); ++i)
        out.push_back(list[i]);
    return out;
}

// The ids of the phrases in a list.
inline std::vector<int> PhraseIds(const Ostrel::CSimpleArray<CPhrase*>& list)
{
    std::vector<int> out;
    for (unsigned i = 0; i < list.GetCount(); ++i)
        out.push_back(list[i]->id);
    return out;
}

inline CCategory* MakeCategory(int id, int parent, const char16_t* name)
{
    return new CCategory(id, parent, String(name));
}

inline CPhrase* MakePhrase(int id, int catId, const char16_t* name, bool visible = true)
{
    CPhrase* phrase = new CPhrase();
    phrase->id = id;
    phrase->cat_id = catId;
    phrase->name = name;
    phrase->atomic = true;
    phrase->visible = visible;
    return phrase;
}

struct MapRow
{
    int pid;
    std::vector<const char16_t*> values;
};

// A template phrase: one wildcard per value string ("tea|coffee"), named W1, W2, ...,
// and one map per combination.
inline CPhrase* MakeTemplate(int id, int catId, const char16_t* name,
                             std::vector<const char16_t*> valueStrings, std::vector<MapRow> maps)
{
    CPhrase* phrase = new CPhrase();
    phrase->id = id;
    phrase->cat_id = catId;
    phrase->name = name;
    phrase->atomic = false;
    phrase->rule.pid = id;
    phrase->rule.name = u"rule";
    for (size_t i = 0; i < valueStrings.size(); ++i) {
        String attr = String(u"W") + String::ValueOf((int)i + 1);
        phrase->rule.wildcards.Append(new CWildCard(attr, valueStrings[i]));
    }
    int mapId = 1;
    for (const MapRow& row : maps) {
        CMap* map = new CMap();
        map->id = mapId++;
        map->pid = row.pid;
        for (size_t i = 0; i < row.values.size(); ++i) {
            String attr = String(u"W") + String::ValueOf((int)i + 1);
            map->wildcards.Append(new CWildCard(attr, row.values[i]));
        }
        phrase->maps.Append(map);
    }
    return phrase;
}

// Bytes of the wire form, assembled by hand so that tests do not check the writer
// against itself.
class Bytes
{
public:
    Bytes& Int(int value)
    {
        for (int i = 0; i < 4; ++i)
            data.push_back((uint8_t)((uint32_t)value >> (8 * i)));
        return *this;
    }
    Bytes& Bool(bool value)
    {
        data.push_back(value ? 1 : 0);
        return *this;
    }
    Bytes& Unit(char16_t unit)
    {
        data.push_back((uint8_t)(unit & 0xFF));
        data.push_back((uint8_t)(unit >> 8));
        return *this;
    }
    // A string record as the writer makes it: count = units + 1, units, a zero unit.
    Bytes& Str(const std::u16string& text)
    {
        Int((int)text.size() + 1);
        for (char16_t unit : text)
            Unit(unit);
        return Unit(0);
    }
    Bytes& Append(const Bytes& other)
    {
        data.insert(data.end(), other.data.begin(), other.data.end());
        return *this;
    }
    size_t Size() const { return data.size(); }

    std::vector<uint8_t> data;
};

inline std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), (std::streamsize)bytes.size());
}

// Records every message box shown while it lives and answers IDOK.
class MessageRecorder
{
public:
    MessageRecorder()
    {
        m_previous = SetMessageBoxHandler([this](const String& text, const String&, unsigned type) {
            texts.push_back(U(text));
            types.push_back(type);
            return (int)IDOK;
        });
    }
    ~MessageRecorder() { SetMessageBoxHandler(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<std::u16string> texts;
    std::vector<unsigned> types;

private:
    MessageBoxHandler m_previous;
};

// A fresh folder under the system's temporary folder, removed with its content.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "phrasebook-test-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        m_path = mkdtemp(name.data());
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path Path(const char* name) const { return m_path / name; }
    String PathString(const char* name) const { return String(Path(name).string().c_str()); }

private:
    std::filesystem::path m_path;
};

}  // namespace book_test
