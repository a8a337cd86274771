// Leaks that are not ours, for builds with the address sanitizer: fontconfig keeps its cache for
// the life of the process. LeakSanitizer asks the program for these at start.

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
