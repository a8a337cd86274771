#include "tools/phrasetools/VoiceCheck.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "phrasebook/PhraseBook.h"
#include "platform/core/File.h"
#include "platform/core/MessageBox.h"
#include "tools/phrasetools/BookFile.h"
#include "tools/phrasetools/Utf.h"
#include "voice/DecodeClip.h"
#include "voice/SoundFile.h"

namespace {

// Room for one decoded clip. Far more than any phrase needs, so that a clip that runs long is
// measured whole instead of stopping at the player's work buffer.
constexpr uint32_t kDecodeRoom = 60 * 22050 * 2;

bool IsJoiningSmallKana(char16_t c)
{
    switch (c) {
    case 0x3041: case 0x3043: case 0x3045: case 0x3047: case 0x3049:   // ぁぃぅぇぉ
    case 0x3083: case 0x3085: case 0x3087: case 0x308E:                 // ゃゅょゎ
    case 0x30A1: case 0x30A3: case 0x30A5: case 0x30A7: case 0x30A9:   // ァィゥェォ
    case 0x30E3: case 0x30E5: case 0x30E7: case 0x30EE:                 // ャュョヮ
        return true;
    default:
        return false;
    }
}

std::string Seconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", seconds);
    return text;
}

std::string Describe(const TranslationSound& item)
{
    char rate[64];
    std::snprintf(rate, sizeof rate, "%.3f", item.spokenUnits > 0 ? item.sound.voicedSeconds / item.spokenUnits : 0.0);
    return "@" + std::to_string(item.id) + " \"" + item.text + "\": " + Seconds(item.sound.voicedSeconds) +
           " of sound (" + Seconds(item.sound.seconds) + " decoded) for " + std::to_string(item.spokenUnits) +
           (item.spokenUnits == 1 ? " spoken unit, " : " spoken units, ") + rate + " s a unit, peak " + std::to_string(item.sound.peak) + ", RMS " +
           std::to_string(static_cast<int>(item.sound.rms + 0.5));
}

// Reads the archive the way the program does (its index through CSoundFile) and decodes clips
// with the program's decoder into a buffer of this checker's own.
class EditionVoiceCheck {
public:
    explicit EditionVoiceCheck(const VoiceCheckInputs& inputs) : m_inputs(inputs)
    {
        m_report.program = ProgramName(inputs.edition);
        m_previousHandler = SetMessageBoxHandler([this](const String& text, const String&, unsigned) {
            m_messages.push_back(Utf::Encode(text));
            return IDOK;
        });
    }
    ~EditionVoiceCheck() { SetMessageBoxHandler(m_previousHandler); }

    VoiceCheckReport Run()
    {
        const std::string dir = m_inputs.dir + "/";
        const bool japanese = m_inputs.edition == VoiceEdition::Miravel;
        CPhraseBook book, kana;
        std::string error;
        if (!LoadPhraseBookFile(dir + (japanese ? "phenjp.dat" : "phrases.dat"), book, error) ||
            (japanese && !LoadPhraseBookFile(dir + "phenkata.dat", kana, error))) {
            Fault(error);
            return Finish();
        }
        const std::string voicePath = dir + "voice.dat";
        m_archive.OpenArchive(String(voicePath.c_str()));
        if (!m_archive.IsUsable() || !m_file.Open(String(voicePath.c_str()), CFile::modeRead)) {
            Fault("cannot open the voice archive " + voicePath +
                  (m_messages.empty() ? std::string() : " (" + m_messages.back() + ")"));
            return Finish();
        }
        m_fileLength = m_file.GetLength();
        m_pcm.resize(kDecodeRoom / 2);

        const auto& translations = book.GetTranslations();
        for (unsigned i = 0; i < translations.GetCount(); ++i) {
            const CPhrase& translation = *translations.GetAt(i);
            TranslationSound item;
            item.id = translation.id;
            item.text = Utf::Encode(translation.name);
            std::u16string spoken = Utf::FromString(translation.name);
            if (japanese) {
                const CPhrase* reading = kana.FindTranslation(translation.id);
                if (reading == nullptr) {
                    Fault("phrase @" + std::to_string(item.id) + " has no kana reading to measure its clip by");
                    continue;
                }
                spoken = Utf::FromString(reading->name);
            }
            item.spokenUnits = CountSpokenUnits(m_inputs.edition, spoken);
            if (translation.clips.GetCount() == 0) {
                Fault("phrase @" + std::to_string(item.id) + " \"" + item.text + "\" has no clip");
                continue;
            }
            if (!DecodeTranslation(translation, item))
                continue;
            item.verdict = JudgeClip(item.sound, item.spokenUnits, m_inputs.limits);
            if (item.verdict != ClipVerdict::Fine)
                Fault(std::string(VerdictName(item.verdict)) + ": " + Describe(item));
            m_report.sounds.push_back(item);
        }
        return Finish();
    }

private:
    // Decodes the translation's clips one after another; false (with a fault) when one is
    // missing, lies outside the file or decodes to nothing.
    bool DecodeTranslation(const CPhrase& translation, TranslationSound& item)
    {
        std::vector<int16_t> samples;
        for (unsigned k = 0; k < translation.clips.GetCount(); ++k) {
            const int clip = translation.clips[k];
            const std::string which = "phrase @" + std::to_string(item.id) + ": clip " + std::to_string(clip);
            const VoiceIndexEntry* entry = nullptr;
            m_archive.GetIdxMap(clip, &entry);
            if (entry == nullptr) {
                Fault(which + " is not in voice.dat");
                return false;
            }
            const uint64_t start = static_cast<uint64_t>(m_archive.GetHeader().DataBase()) + entry->offset;
            if (entry->length == 0 || start + entry->length > m_fileLength) {
                Fault(which + " lies outside voice.dat");
                return false;
            }
            std::vector<uint8_t> bytes(entry->length);
            if (!m_file.Seek(static_cast<uint32_t>(start)) ||
                m_file.Read(bytes.data(), entry->length) != entry->length) {
                Fault(which + " cannot be read");
                return false;
            }
            PcmSink& sink = GetPcmSink();
            const PcmSink saved = sink;
            sink = {0, kDecodeRoom, reinterpret_cast<uint8_t*>(m_pcm.data())};
            const uint32_t written = DecodeClip(bytes.data(), entry->length);
            sink = saved;
            ++m_report.clipsDecoded;
            if (written == 0) {
                Fault(which + " decodes to no sound");
                return false;
            }
            samples.insert(samples.end(), m_pcm.begin(), m_pcm.begin() + written / 2);
        }
        item.sound = MeasureClip(samples.data(), samples.size(), m_archive.GetSamplesPerSec());
        if (samples.size() * 2 > CSoundFile::kWorkBufferSize)
            Fault("phrase @" + std::to_string(item.id) + " \"" + item.text + "\": " + Seconds(item.sound.seconds) +
                  " of sound is more than the player's work buffer holds; it would be cut");
        return true;
    }

    void Fault(const std::string& line) { m_report.faults.push_back(m_report.program + ": " + line); }

    VoiceCheckReport Finish()
    {
        std::ostringstream out;
        out << m_report.program << ": " << m_report.sounds.size() << " translations, " << m_report.clipsDecoded
            << " clips decoded\n";
        if (!m_report.sounds.empty()) {
            auto byLength = [](const TranslationSound& a, const TranslationSound& b) {
                return a.sound.voicedSeconds < b.sound.voicedSeconds;
            };
            auto [shortest, longest] = std::minmax_element(m_report.sounds.begin(), m_report.sounds.end(), byLength);
            out << "  shortest: " << Describe(*shortest) << "\n";
            out << "  longest: " << Describe(*longest) << "\n";
            std::vector<double> rates;
            for (const TranslationSound& item : m_report.sounds) {
                if (item.spokenUnits > 0)
                    rates.push_back(item.sound.voicedSeconds / item.spokenUnits);
            }
            if (!rates.empty()) {
                std::sort(rates.begin(), rates.end());
                char line[160];
                std::snprintf(line, sizeof line,
                              "  seconds a spoken unit: %.3f .. %.3f, median %.3f (allowed %.3f .. %.3f, + %.2f s)\n",
                              rates.front(), rates.back(), rates[rates.size() / 2], m_inputs.limits.minSecondsPerUnit,
                              m_inputs.limits.maxSecondsPerUnit, m_inputs.limits.slackSeconds);
                out << line;
            }
        }
        int silent = 0, outliers = 0;
        for (const TranslationSound& item : m_report.sounds) {
            silent += item.verdict == ClipVerdict::Silent;
            outliers += item.verdict == ClipVerdict::TooShort || item.verdict == ClipVerdict::TooLong;
        }
        out << "  silent: " << silent << ", length outliers: " << outliers << ", faults: " << m_report.faults.size()
            << "\n";
        m_report.summary = out.str();
        return m_report;
    }

    const VoiceCheckInputs& m_inputs;
    VoiceCheckReport m_report;
    CSoundFile m_archive;
    CFile m_file;
    uint32_t m_fileLength = 0;
    std::vector<int16_t> m_pcm;
    std::vector<std::string> m_messages;
    MessageBoxHandler m_previousHandler;
};

}  // namespace

// Chosen from the voices of the 1,267 translations of each edition as espeak-ng speaks them
// (voicecheck --list prints the table):
//  - the quietest clip of any edition peaks at about 10,900 with a voiced RMS of about 2,200; a
//    clip below peak 2,000 or RMS 500 (five times quieter) holds no speech worth the name;
//  - seconds of voiced sound a spoken unit lie in 0.154 .. 0.40 (Velora), 0.095 .. 0.26
//    (Miravel), 0.130 .. 0.44 (Serrak), the high rates from one-syllable words, which the
//    engine draws out. The lower bounds sit about 15 % under the fastest clip; the upper
//    bound, a rate with 0.3 s of slack for a phrase's final fall, about 20 % over the slowest.
// So a clip cut to half its length, or one with twice its length of speech, fails in most
// phrases (more than 60 % and 75 % of them in every edition), and so does a clip swapped with
// another phrase's whenever the two lengths differ by more than that margin.
ClipLimits DefaultClipLimits(VoiceEdition edition)
{
    ClipLimits limits;
    limits.silentPeak = 2000;
    limits.silentRms = 500;
    limits.slackSeconds = 0.3;
    switch (edition) {
    case VoiceEdition::Velora:
        limits.minSecondsPerUnit = 0.13;
        limits.maxSecondsPerUnit = 0.33;
        break;
    case VoiceEdition::Miravel:
        limits.minSecondsPerUnit = 0.08;
        limits.maxSecondsPerUnit = 0.17;
        break;
    case VoiceEdition::Serrak:
        limits.minSecondsPerUnit = 0.11;
        limits.maxSecondsPerUnit = 0.29;
        break;
    }
    return limits;
}

const char* ProgramName(VoiceEdition edition)
{
    switch (edition) {
    case VoiceEdition::Velora:
        return "Velora";
    case VoiceEdition::Miravel:
        return "Miravel";
    case VoiceEdition::Serrak:
        return "Serrak";
    }
    return "?";
}

int CountSpokenUnits(VoiceEdition edition, const std::u16string& text)
{
    int units = 0;
    for (char16_t c : text) {
        switch (edition) {
        case VoiceEdition::Velora:
            units += Utf::IsIdeograph(c);
            break;
        case VoiceEdition::Miravel:
            units += Utf::IsKana(c) && c != 0x30FB && !IsJoiningSmallKana(c);   // U+30FB: the middle dot
            break;
        case VoiceEdition::Serrak:
            // A digit or Latin letter ("24시간", "XL") is read as a syllable or more.
            units += (c >= 0xAC00 && c <= 0xD7A3) || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') ||
                     (c >= u'a' && c <= u'z');
            break;
        }
    }
    return units;
}

VoiceCheckReport RunVoiceCheck(const VoiceCheckInputs& inputs)
{
    EditionVoiceCheck check(inputs);
    return check.Run();
}
