#include "utility/logging.h"

Q_LOGGING_CATEGORY(lcPlugin, "Varnex.Loomwright.Plugin", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCore, "Varnex.Loomwright.Core", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUtility, "Varnex.Runtime.Utility", QtWarningMsg)
