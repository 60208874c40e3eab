// A portable unit reaching up into app/: the layer check must refuse it.
#include "app/frmZorvel.h"
