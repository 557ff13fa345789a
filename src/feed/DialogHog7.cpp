#include "feed/DialogHog7.h"

#include "feed/IngredientQuery.h"

DialogHog7::DialogHog7(QWidget* parent)
    : QueryDialog({"DialogHog7", "QUERY   FEED   INGREDIENT   LIST", "FQCombo", "FQData", "FQExe", "FQCan", "CANCEL"},
                  IngredientQueryLanguage(), parent) {}
