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

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:QJsonDocument::fromJson\n";
}
