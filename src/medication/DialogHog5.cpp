#include "medication/DialogHog5.h"

#include "medication/DrugQuery.h"

DialogHog5::DialogHog5(QWidget* parent)
    : QueryDialog({"DialogHog5", "QUERY   DRUG   LIST", "DQCombo", "DQData", "DQExe", "DQCan", " CANCEL"},
                  DrugQueryLanguage(), parent) {}
