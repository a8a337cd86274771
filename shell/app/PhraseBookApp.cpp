#include "shell/app/PhraseBookApp.h"

#include "baselib/Utils.h"
#include "phrasebook/PhraseBook.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Font.h"
#include "platform/ui/Screen.h"
#include "script/EditionProfile.h"
#include "script/WavOutPlayer.h"
#include "shell/app/MainScreenDialog.h"
#include "shell/log/DebugLog.h"

namespace {

PhraseBookApp* g_app = nullptr;

} // namespace

PhraseBookApp* GetPhraseBookApp() { return g_app; }

PhraseBookApp::PhraseBookApp(const ShellEdition& edition) : m_edition(edition)
{
    g_app = this;
}

PhraseBookApp::~PhraseBookApp()
{
    if (g_app == this)
        g_app = nullptr;
}

String PhraseBookApp::QueryPlatformType() const { return GetPlatformType(); }

bool PhraseBookApp::CheckPlatform()
{
    if (QueryPlatformType() != u"SmartPhone")
        return true;
    String text = u"Your device is not a Pocket PC!\n";
    text += u"Please download the Pocket PC version of this software from www.ostrelsoft.example.\n";
    text += u"Do you want to continue?";
    return ShowMessageBox(text, u"Warning", MB_OKCANCEL | MB_ICONWARNING) == IDOK;
}

void PhraseBookApp::AddEditionFont()
{
    const EditionProfile& profile = GetProfile();
    if (!profile.fontFile)
        return;
    // A missing font file is not reported: text that needs it falls back to the system's faces.
    AddFontResource(CUtils::GetFullPath(profile.fontFile));
    ++m_fontAdds;
    if (profile.broadcastFontChange)
        BroadcastFontChange();
}

void PhraseBookApp::RemoveEditionFont()
{
    const EditionProfile& profile = GetProfile();
    if (!profile.fontFile || m_fontAdds == 0)
        return;
    RemoveFontResource(CUtils::GetFullPath(profile.fontFile));
    --m_fontAdds;
    if (profile.broadcastFontChange)
        BroadcastFontChange();
}

ScriptEnvironment PhraseBookApp::GetScriptEnvironment()
{
    ScriptEnvironment environment;
    environment.profile = m_edition.profile;
    environment.glyphFont = &m_glyphFont;
    environment.scriptFlag = &m_scriptFlag;
    environment.kanaBook = m_edition.profile->kanaBookFile ? GetKanaPhraseBook() : nullptr;
    environment.player = PlayThrough(m_wavOut);
    return environment;
}

bool PhraseBookApp::InitInstance()
{
    if (!CheckPlatform())
        return false;
    if (m_edition.registerResources)
        m_edition.registerResources();

    AddEditionFont();

    const EditionProfile& profile = GetProfile();
    if (profile.glyphIndexFile && profile.glyphDataFile) {
        // Failures show later as missing glyphs; the font falls back to its default files.
        m_glyphFont.OpenGlyphFont(CUtils::GetFullPath(profile.glyphIndexFile),
                                  CUtils::GetFullPath(profile.glyphDataFile));
    }

    // The archive and the player report their own failures; start-up goes on in every case.
    m_soundFile.OpenArchive(CUtils::GetFullPath(profile.voiceFile));
    m_wavOut.SetSoundFile(&m_soundFile);

    if (profile.versionLogLine)
        WriteLog(GetDebugLog(), profile.versionLogLine, 1);

    {
        MainScreenDialog mainScreen(m_edition);
        SetMainWindow(&mainScreen);
        mainScreen.DoModal();
        SetMainWindow(nullptr);
    }
    return false;
}

int PhraseBookApp::ExitInstance()
{
    RemoveEditionFont();
    return CApplication::ExitInstance();
}
