#include "protocollog.h"

Q_LOGGING_CATEGORY(lcProtocol, "nocturnix.protocol")
