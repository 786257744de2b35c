#include "ReproductorQt.h"
