// What the sanitizers of every fuzz target start with, so that a target run
// by hand behaves as it does in scripts/fuzz.sh.

// Qt's JSON parser loses the array or object of a key that appears again
// later in the same object ({"k":[1],"k":2}): every parse of such text leaks
// that value. The leak's stack reaches the parser's public entry only when
// malloc unwinds the slow way; Qt's own frames carry no frame pointers.
extern "C" const char *__asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

// The QML engine of the shared record's target keeps what its scripts reach
// in a heap of its own, which the leak checker does not search, and every
// name it has seen for its whole life: all it holds looks lost, whether the
// engine or the target made it. That target is about script errors, not
// leaks; no other target runs the engine.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:QJsonDocument::fromJson\n"
           "leak:libQt5Qml.so\n"
           "leak:fuzz_sharedrecord.cpp\n";
}
