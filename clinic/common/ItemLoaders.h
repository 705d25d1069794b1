#pragma once

#include "clinic/common/GoodsObj.h"
#include "platform/db/Database.h"

// The items of one category class, ordered by their category reference so
// that the items of one category lie together (the pickers build their
// two-level tree from that). Items whose category row is missing or belongs
// to another class are left out.
GoodsList LoadDrugsByClass(Database& db, const QString& categoryClass);
GoodsList LoadRecipesByClass(Database& db, const QString& categoryClass);
