#include "ui/program.h"

HINSTANCE programInstance;
