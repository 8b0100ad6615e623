#ifndef LOOMWRIGHT_FILEUTILITY_H
#define LOOMWRIGHT_FILEUTILITY_H

#include <QString>

// Path variables: a path that begins with "$NAME" or "~" has that beginning
// replaced by the variable's value. Values come from the run-time table (dynamic
// properties of the application object), the settings store, the environment,
// or the built-in defaults for HOME and TEMP, in that order.
class FileUtility
{
public:
    enum PathVariableSource {
        NotDefined = 0,
        RuntimeTable = 1,
        SettingsStore = 2,
        Environment = 3,
    };

    static QString resolvedPath(const QString &path, bool useStore);
    static QString pathVariable(const QString &name, const QString &fallback, bool useStore);
    static void setPathVariable(const QString &name, const QString &value);
    static int pathVariableSource(const QString &name, bool useStore);
};

#endif
