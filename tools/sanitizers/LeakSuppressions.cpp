// Leaks inside system libraries that no program can free, for the leak checker of the sanitizer
// builds; every program of the project links this file.
// - fontconfig loses a few bytes while it parses its configuration, on a thread Pango starts for
//   it; its frames carry no frame pointers, so only the library's name identifies them.
// - libdbus keeps global state for the connection SDL's video makes; only dbus_shutdown frees it,
//   which a library may not call (another part of the process could still use D-Bus).
// All the Pango, cairo and SDL objects the framework holds are freed at shutdown, so nothing of
// ours hides here.
extern "C" const char *__lsan_default_suppressions();

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n";
}
