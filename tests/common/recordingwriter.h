#include "../../tools/demo/recordingwriter.h"  // the demo generator writes its nights with it too
