// The favorites file: a plain array of source phrase ids, 4 bytes each, little-endian,
// in list order, with no header. The number of entries is the file length / 4; bytes
// beyond the last whole entry are ignored.

#include "phrasebook/PhraseBook.h"

#include <cstdio>

#include "baselib/Utils.h"
#include "baselib/WideChar.h"
#include "phrasebook/FavoritesLocation.h"
#include "platform/core/File.h"
#include "platform/core/MessageBox.h"

namespace {

const char16_t kFavoritesFileName[] = u"favorites.dat";
const char16_t kSaveFailedMessage[] = u"Your favorites could not be saved.";

int DecodeId(const unsigned char* bytes)
{
    uint32_t value = (uint32_t)bytes[0] | (uint32_t)bytes[1] << 8 | (uint32_t)bytes[2] << 16 |
                     (uint32_t)bytes[3] << 24;
    return (int)value;
}

void EncodeId(int id, unsigned char* bytes)
{
    uint32_t value = (uint32_t)id;
    for (int i = 0; i < 4; ++i)
        bytes[i] = (unsigned char)(value >> (8 * i));
}

bool WriteWholeFile(const String& path, const Ostrel::CSimpleArray<int>& ids)
{
    CFile file;
    if (!file.Open(path, CFile::modeWrite | CFile::modeCreate))
        return false;
    bool written = true;
    unsigned char chunk[4096];
    unsigned used = 0;
    for (unsigned i = 0; i < ids.GetCount() && written; ++i) {
        EncodeId(ids[i], chunk + used);
        used += 4;
        if (used == sizeof chunk) {
            written = file.Write(chunk, used);
            used = 0;
        }
    }
    if (written && used > 0)
        written = file.Write(chunk, used);
    file.Close();
    return written;
}

}  // namespace

int CPhraseBook::LoadFavorites(const String& path)
{
    // Decided once: every later save goes where the list was read from.
    m_favoritesPath = CFavoritesLocation::Resolve(path);
    CFile file;
    // A first start has no favorites file yet: that is an empty list, and the first
    // save creates the file. When the per-user copy of an installed list could not be
    // made, the installed list is shown all the same and the first save writes the copy.
    if (!file.Open(m_favoritesPath, CFile::modeRead) && !(m_favoritesPath != path && file.Open(path, CFile::modeRead)))
        return 1;
    uint32_t remaining = file.GetLength() / 4 * 4;
    unsigned char chunk[4096];
    while (remaining > 0) {
        uint32_t want = remaining < sizeof chunk ? remaining : (uint32_t)sizeof chunk;
        uint32_t got = file.Read(chunk, want) / 4 * 4;
        for (uint32_t at = 0; at < got; at += 4) {
            if (!m_favorites.Append(DecodeId(chunk + at)))
                return 1;  // the list is full; the rest of the file cannot be kept
        }
        if (got < want)
            break;
        remaining -= got;
    }
    return 1;
}

int CPhraseBook::SaveFavorites()
{
    String path = m_favoritesPath.IsEmpty() ? CUtils::GetFullPath(kFavoritesFileName) : m_favoritesPath;
    // The new list goes to a file beside the old one, which is replaced only when the
    // new one is complete: a program stopped part way leaves the old list intact.
    String temporaryPath = path + u".new";
    bool saved = WriteWholeFile(temporaryPath, m_favorites) &&
                 std::rename(ToAnsiString(temporaryPath).c_str(), ToAnsiString(path).c_str()) == 0;
    if (!saved) {
        std::remove(ToAnsiString(temporaryPath).c_str());
        ShowMessageBox(String(kSaveFailedMessage), String(), MB_OK | MB_ICONWARNING);
        return 0;
    }
    return 1;
}

void CPhraseBook::AddFavorite(int id)
{
    for (unsigned i = 0; i < m_favorites.GetCount(); ++i) {
        if (m_favorites[i] == id)
            return;
    }
    if (m_favorites.Append(id))
        SaveFavorites();
}

void CPhraseBook::DeleteFavorite(int id)
{
    for (unsigned i = 0; i < m_favorites.GetCount(); ++i) {
        if (m_favorites[i] == id) {
            m_favorites.RemoveAt(i, true);
            SaveFavorites();
            return;
        }
    }
}
