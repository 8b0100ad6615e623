#ifndef HOSTKIT_LOGGING_H
#define HOSTKIT_LOGGING_H

#include <QLoggingCategory>

// "Varnex.Hostkit": debug and info are off unless logging rules enable them.
Q_DECLARE_LOGGING_CATEGORY(lcHostkit)

#endif
