// Compiled only by the fence tests: a logic source that includes a widget-layer header must not build.
#include "WordList.h"
#include ORV_FORBIDDEN_HEADER
