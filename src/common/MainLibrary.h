#pragma once
// The shared procedures every area calls.
#include "common/DateChecks.h"
#include "common/FileProcs.h"
#include "common/IniAccess.h"
#include "common/KeyMask.h"
#include "common/MoneyText.h"
#include "common/Paths.h"
#include "common/Scrambler.h"
#include "common/Settings.h"
