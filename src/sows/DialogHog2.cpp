#include "sows/DialogHog2.h"

#include "sows/SowQuery.h"

DialogHog2::DialogHog2(QWidget* parent)
    : QueryDialog({"DialogHog2", "QUERY   SOW   HISTORY", "SQCombo", "SQData", "SQExe", "SQCan"}, SowQueryLanguage(),
                  parent) {}
