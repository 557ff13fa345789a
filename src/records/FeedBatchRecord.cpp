#include "records/FeedBatchRecord.h"

FeedBatchRecord FeedBatchRec;
