#include "ui/form1.h"
