// phraselint: checks the phrase sources and the program folders built from them, prints every
// fault found (one per line, naming the phrase) and the phrase counts, and exits with status 1
// when there was a fault. With --stamp it touches that file on success, for the build.
//
//   phraselint [--velora DIR] [--miravel DIR] [--serrak DIR] [--korean-metrics FILE]
//              [--counts FILE] [--stamp FILE] SOURCE...

#include <cstdio>
#include <fstream>
#include <string>

#include "tools/phrasetools/FileIo.h"
#include "tools/phrasetools/Linter.h"

int main(int argc, char** argv)
{
    LintInputs inputs;
    std::string countsPath, stampPath;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        std::string* into = nullptr;
        if (arg == "--velora")
            into = &inputs.veloraDir;
        else if (arg == "--miravel")
            into = &inputs.miravelDir;
        else if (arg == "--serrak")
            into = &inputs.serrakDir;
        else if (arg == "--korean-metrics")
            into = &inputs.koreanMetrics;
        else if (arg == "--counts")
            into = &countsPath;
        else if (arg == "--stamp")
            into = &stampPath;
        if (into != nullptr) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "phraselint: %s needs a value\n", arg.c_str());
                return 2;
            }
            *into = argv[++i];
        } else if (!arg.empty() && arg[0] == '-') {
            std::fprintf(stderr, "phraselint: unknown option %s\n", arg.c_str());
            return 2;
        } else {
            inputs.sources.push_back(arg);
        }
    }
    if (inputs.sources.empty()) {
        std::fprintf(stderr, "usage: phraselint [--velora DIR] [--miravel DIR] [--serrak DIR] "
                             "[--korean-metrics FILE] [--counts FILE] [--stamp FILE] SOURCE...\n");
        return 2;
    }
    LintReport report = RunLint(inputs);
    if (!countsPath.empty())
        WriteFileIfChanged(countsPath, report.counts);
    std::fputs(report.counts.c_str(), stdout);
    for (const LintFinding& finding : report.findings)
        std::fprintf(stderr, "%s\n", FormatFinding(finding).c_str());
    if (!report.findings.empty()) {
        std::fprintf(stderr, "phraselint: %zu fault(s)\n", report.findings.size());
        return 1;
    }
    if (!stampPath.empty()) {
        std::ofstream stamp(stampPath, std::ios::trunc);
        stamp << "lint passed\n";
    }
    return 0;
}
