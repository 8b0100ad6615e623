#include "hostkit/logging.h"

Q_LOGGING_CATEGORY(lcHostkit, "Varnex.Hostkit", QtWarningMsg)
