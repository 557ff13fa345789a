#include "boars/DialogHog3.h"

#include "boars/BoarQuery.h"

DialogHog3::DialogHog3(QWidget* parent)
    : QueryDialog({"DialogHog3", "QUERY   BOAR   HISTORY", "BQCombo", "BQData", "BQExe", "BQCan"}, BoarQueryLanguage(),
                  parent) {}
