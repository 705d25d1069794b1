#pragma once

#include "platform/data/DataSet.h"

#include <optional>

// Which buttons of a maintenance window are enabled, and whether its state-
// bound edits are writable, for a state of the window's row set:
//
//   state            新增 删除 修改 刷新   保存 取消   edits
//   browsing          on   on   on   on     off  off   read-only
//   editing/inserting off  off  off  off    on   on    writable
struct MaintenanceButtonStates
{
    bool add = false;
    bool remove = false;
    bool modify = false;
    bool refresh = false;
    bool save = false;
    bool cancel = false;
    bool editsWritable = false;
};

// No value for a closed set: while a list is being reloaded the window keeps
// what it showed.
std::optional<MaintenanceButtonStates> maintenanceButtonStates(DataSet::State state);
