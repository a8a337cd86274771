// voicecheck: decodes every clip of the built program folders with the programs' own archive
// reader and MP3 decoder, prints per edition the clip count, the shortest and longest clip and
// every silent clip, clip of a length that does not fit its text and translation without a clip,
// and exits with status 1 when there was such a fault. --list writes every translation's
// measurement as a table (id, units, seconds, voiced seconds, peak, RMS, verdict, text).
//
//   voicecheck [--velora DIR] [--miravel DIR] [--serrak DIR] [--list FILE]

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/phrasetools/VoiceCheck.h"

int main(int argc, char** argv)
{
    std::vector<VoiceCheckInputs> editions;
    std::string listPath;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, "voicecheck: %s needs a value\n", arg.c_str());
            return 2;
        }
        VoiceCheckInputs inputs;
        if (arg == "--velora")
            inputs.edition = VoiceEdition::Velora;
        else if (arg == "--miravel")
            inputs.edition = VoiceEdition::Miravel;
        else if (arg == "--serrak")
            inputs.edition = VoiceEdition::Serrak;
        else if (arg == "--list") {
            listPath = argv[++i];
            continue;
        } else {
            std::fprintf(stderr, "voicecheck: unknown option %s\n", arg.c_str());
            return 2;
        }
        inputs.dir = argv[++i];
        inputs.limits = DefaultClipLimits(inputs.edition);
        editions.push_back(inputs);
    }
    if (editions.empty()) {
        std::fprintf(stderr, "usage: voicecheck [--velora DIR] [--miravel DIR] [--serrak DIR] [--list FILE]\n");
        return 2;
    }
    std::ofstream list;
    if (!listPath.empty()) {
        list.open(listPath, std::ios::trunc);
        list << "program\tid\tunits\tseconds\tvoiced\tpeak\trms\tverdict\ttext\n";
    }
    size_t faults = 0;
    for (const VoiceCheckInputs& inputs : editions) {
        VoiceCheckReport report = RunVoiceCheck(inputs);
        std::fputs(report.summary.c_str(), stdout);
        for (const std::string& fault : report.faults)
            std::fprintf(stderr, "%s\n", fault.c_str());
        faults += report.faults.size();
        for (const TranslationSound& item : report.sounds) {
            if (list.is_open())
                list << report.program << '\t' << item.id << '\t' << item.spokenUnits << '\t' << item.sound.seconds
                     << '\t' << item.sound.voicedSeconds << '\t' << item.sound.peak << '\t' << item.sound.rms << '\t'
                     << VerdictName(item.verdict) << '\t' << item.text << '\n';
        }
    }
    if (faults > 0) {
        std::fprintf(stderr, "voicecheck: %zu fault(s)\n", faults);
        return 1;
    }
    return 0;
}
