#include "records/BoarRecord.h"
#include "records/FarrowRecord.h"
#include "records/SowRecord.h"

SowRecord SowRec;
FarrowRecord FarrowRec;
BoarRecord BoarRec;
