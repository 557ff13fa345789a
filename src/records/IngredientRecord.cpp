#include "records/IngredientRecord.h"

IngredientRecord IngredientRec;
