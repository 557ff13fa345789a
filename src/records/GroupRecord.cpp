#include "records/GroupRecord.h"
#include "records/SalesRecord.h"

GroupRecord GroupRec;
SalesRecord SalesRec;
