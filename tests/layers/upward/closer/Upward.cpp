#include "app/frmZorvel.h"
