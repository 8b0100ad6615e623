#ifndef LOOMWRIGHT_LOOMWRIGHTPLUGIN_P_H
#define LOOMWRIGHT_LOOMWRIGHTPLUGIN_P_H

#include <QString>
#include <QStringList>

namespace LoomwrightPluginPrivate {

// The name of the user-interface locale: the host tool's own choice when it
// made one, else the system's first user-interface language. A system may
// name no such language at all; its locale's own name stands in then.
inline QString uiLocaleName(const QString &chosen, const QStringList &systemUiLanguages, const QString &systemName)
{
    if (!chosen.isEmpty())
        return chosen;
    return systemUiLanguages.isEmpty() ? systemName : systemUiLanguages.first();
}

}

#endif
