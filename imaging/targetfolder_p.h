#ifndef LOOMWRIGHT_TARGETFOLDER_P_H
#define LOOMWRIGHT_TARGETFOLDER_P_H

#include "utility/logging.h"

#include <QString>

// The folder that a set of pictures goes into, as its caller named it.
class TargetFolder
{
public:
    // An empty path, also one whose path variable expanded to nothing, would
    // spread the whole set over the working folder, which no caller means: it
    // is refused as a folder that cannot be made is ("Error creating path:").
    // function is the caller's signature, which the line starts with.
    static bool isNamed(const QString &targetPath, const char *function)
    {
        if (!targetPath.isEmpty())
            return true;
        qCCritical(lcCore) << function << "Error creating path:" << targetPath;
        return false;
    }
};

#endif
