// The data unit: catalogue, series, value lists, application data,
// candidates, evaluation and search, in one include.
#pragma once

#include "ApplicationData.h"
#include "Catalogue.h"
#include "Evaluation.h"
#include "PartNoInfo.h"
#include "PartNoRecord.h"
#include "ResultList.h"
#include "Search.h"
#include "Series.h"
#include "ValueLists.h"
