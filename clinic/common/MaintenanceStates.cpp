#include "clinic/common/MaintenanceStates.h"

std::optional<MaintenanceButtonStates> maintenanceButtonStates(DataSet::State state)
{
    MaintenanceButtonStates s;
    switch (state) {
    case DataSet::State::Inactive:
        return std::nullopt;
    case DataSet::State::Browse:
        s.add = s.remove = s.modify = s.refresh = true;
        return s;
    case DataSet::State::Edit:
    case DataSet::State::Insert:
        s.save = s.cancel = s.editsWritable = true;
        return s;
    }
    return std::nullopt;
}
