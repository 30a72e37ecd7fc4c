#include "devicelog.h"

Q_LOGGING_CATEGORY(lcDevice, "nocturnix.device")
