#include "bench/SyntheticBook.h"

#include <map>

#include "baselib/FastInputStream.h"
#include "baselib/FastOutputStream.h"
#include "bench/BenchData.h"
#include "phrasebook/PhraseBook.h"

namespace bench {
namespace {

void Shift(CCategory& c, int d)
{
    c.id += d;
    if (c.parent != 0)
        c.parent += d;
}

void Shift(CPhrase& p, int d)
{
    p.id += d;
    p.cat_id += d;
    for (unsigned i = 0; i < p.related.GetCount(); ++i)
        p.related[i] += d;
    for (unsigned i = 0; i < p.tips.GetCount(); ++i)
        p.tips[i] += d;
    p.rule.pid += d;
    for (unsigned i = 0; i < p.maps.GetCount(); ++i) {
        p.maps.GetAt(i)->id += d;
        p.maps.GetAt(i)->pid += d;
    }
}

void Shift(CTip& t, int d) { t.id += d; }
void Shift(CNameRecord& n, int d) { n.id += d; }
void Shift(CPairRecord& p, int d)
{
    p.first += d;
    p.second += d;
}

void Append(std::vector<uint8_t>& file, const CFastOutputStream& out)
{
    file.insert(file.end(), out.GetRawBytes(), out.GetRawBytes() + out.GetLength());
}

void AppendInt(std::vector<uint8_t>& file, int value)
{
    CFastOutputStream out;
    out.WriteInt(value);
    Append(file, out);
}

// Every record of the list, `copies` times, each copy shifted; the records are restored after
// they are written. The book is only borrowed for the writing.
template <class T>
void AppendSection(std::vector<uint8_t>& file, const COwningList<T>& list, int copies)
{
    AppendInt(file, (int)list.GetCount() * copies);
    for (int k = 0; k < copies; ++k) {
        for (unsigned i = 0; i < list.GetCount(); ++i) {
            T* record = const_cast<T*>(list.GetAt(i));
            Shift(*record, k * kIdStep);
            CFastOutputStream out;
            record->WriteTo(out);
            Shift(*record, -k * kIdStep);
            Append(file, out);
        }
    }
}

}  // namespace

bool BuildScaledBook(const CPhraseBook& real, int copies, std::vector<uint8_t>& file, std::string& error)
{
    // Only translations with a source phrase are kept, as WriteTo keeps them.
    COwningList<CPhrase> translations;
    for (unsigned i = 0; i < real.GetTranslations().GetCount(); ++i) {
        const CPhrase* t = real.GetTranslations().GetAt(i);
        if (real.FindPhrase(t->id))
            translations.Append(new CPhrase(*t));
    }

    file.clear();
    CFastOutputStream magic;
    magic.WriteString(kPhraseBookMagic);
    Append(file, magic);
    AppendSection(file, real.GetCategories(), copies);
    AppendSection(file, real.GetPhrases(), copies);
    AppendSection(file, real.GetNames(), copies);
    AppendSection(file, real.GetTips(), copies);
    AppendSection(file, translations, copies);
    AppendSection(file, real.GetPairs(), copies);
    Append(file, magic);

    CPhraseBook check;
    CFastInputStream in(file.data(), (int)file.size(), 0);
    if (check.ReadFrom(in) != 1) {
        error = "the scaled book does not read back";
        return false;
    }
    const unsigned n = (unsigned)copies;
    if (check.GetCategories().GetCount() != real.GetCategories().GetCount() * n ||
        check.GetPhrases().GetCount() != real.GetPhrases().GetCount() * n ||
        check.GetTranslations().GetCount() != translations.GetCount() * n ||
        check.GetTips().GetCount() != real.GetTips().GetCount() * n) {
        error = "the scaled book reads back with other counts";
        return false;
    }
    return true;
}

std::string ScaledBookFile(const std::string& realBookPath, const char* name, int copies, std::string& error)
{
    static std::map<std::string, std::string> made;
    const std::string path = WorkFolder() + "/" + name + "-x" + std::to_string(copies) + ".dat";
    if (made.count(path))
        return path;

    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(realBookPath, bytes)) {
        error = "cannot read " + realBookPath;
        return {};
    }
    CPhraseBook real;
    CFastInputStream in(bytes.data(), (int)bytes.size(), 0);
    if (real.ReadFrom(in) != 1) {
        error = realBookPath + " is not a sound phrase book";
        return {};
    }
    std::vector<uint8_t> file;
    if (!BuildScaledBook(real, copies, file, error))
        return {};
    if (!WriteWholeFile(path, file.data(), file.size())) {
        error = "cannot write " + path;
        return {};
    }
    made[path] = path;
    return path;
}

}  // namespace bench
