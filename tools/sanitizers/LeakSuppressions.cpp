// Leaks inside system libraries that no program can free, for the leak checker of the sanitizer
// builds. fontconfig loses a few bytes while it parses its configuration, on a thread Pango starts
// for it; its frames carry no frame pointers, so only the library's name identifies them. All the
// Pango and cairo objects the framework holds are freed at exit, so nothing of ours hides here.
extern "C" const char *__lsan_default_suppressions();

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
