#ifndef LOOMWRIGHT_LOGGING_H
#define LOOMWRIGHT_LOGGING_H

#include <QLoggingCategory>

// Debug and info are off unless logging rules enable them; warnings and
// critical messages are on.
Q_DECLARE_LOGGING_CATEGORY(lcPlugin)  // "Varnex.Loomwright.Plugin": the plugin object
Q_DECLARE_LOGGING_CATEGORY(lcCore)    // "Varnex.Loomwright.Core": facade, processes, shared data, pictures
Q_DECLARE_LOGGING_CATEGORY(lcUtility) // "Varnex.Runtime.Utility": path variables, JSON

#endif
