#include "app/win32_controls.h"
