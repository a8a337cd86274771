#pragma once
// PhraseBookApp: the application object. Its initialisation step runs the whole life of the
// program: the platform check, the edition's TrueType font, the glyph font, the voice archive
// bound to the wave player, the version line, and the modal main screen. When the main screen
// closes the step returns false, so no message loop runs; the exit step removes the font again.
//
// The object owns, for the whole run, the glyph font, the ScriptFlag shared by every toggle and
// translation box, the voice archive and the wave player. The phrase book, the PinYin table and
// the conversion table are the program's single objects, released by the main screen.

#include "baselib/String.h"
#include "platform/ui/Application.h"
#include "script/GlyphFont.h"
#include "script/ScriptEnvironment.h"
#include "shell/app/ShellEdition.h"
#include "voice/SoundFile.h"
#include "voice/WavOut.h"

#include <cstdint>

class PhraseBookApp : public CApplication {
public:
    explicit PhraseBookApp(const ShellEdition& edition);
    ~PhraseBookApp() override;

    bool InitInstance() override;
    int ExitInstance() override;

    // False when the device is not a Pocket PC and the user chose not to go on.
    bool CheckPlatform();

    const ShellEdition& GetEdition() const { return m_edition; }
    const EditionProfile& GetProfile() const { return *m_edition.profile; }
    // What the script controls of a screen borrow; the kana book is the program's current one.
    ScriptEnvironment GetScriptEnvironment();
    CWavOut& GetWavOut() { return m_wavOut; }
    CSoundFile& GetSoundFile() { return m_soundFile; }
    CGlyphFont& GetGlyphFont() { return m_glyphFont; }
    uint32_t GetScriptFlag() const { return m_scriptFlag; }

    // How many times start-up added the edition's font to the system (0 or 1).
    int GetFontAddCount() const { return m_fontAdds; }

protected:
    // The platform type string the system reports ("PocketPC" on a Pocket PC).
    virtual String QueryPlatformType() const;

private:
    void AddEditionFont();
    void RemoveEditionFont();

    const ShellEdition& m_edition;
    CGlyphFont m_glyphFont;
    uint32_t m_scriptFlag = 1;
    CSoundFile m_soundFile;
    CWavOut m_wavOut;
    int m_fontAdds = 0;
};

// The application object of the running program; null outside its life.
PhraseBookApp* GetPhraseBookApp();
