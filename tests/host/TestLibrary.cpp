// The library the loader tests load: one exported function with a result no stand-in would give.
extern "C" __attribute__((visibility("default"))) int corvaneTestLibraryAnswer(int question)
{
    return question * 6 + 1;
}
