#include "medication/DialogHog6.h"

#include "medication/HistoryQuery.h"

DialogHog6::DialogHog6(QWidget* parent)
    : QueryDialog({"DialogHog6", "QUERY   MEDICATION   HISTORY", "MQCombo", "MQData", "MQExe", "MQCan", " CANCEL"},
                  HistoryQueryLanguage(), parent) {}
